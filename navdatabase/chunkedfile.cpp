#include "chunkedfile.h"

#include "databasebounds.h"
#include "orderedparallel.h"

#include <QBuffer>
#include <QtEndian>

#include <libdeflate.h>
#include <zstd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>

namespace {

constexpr char kZlibMagic[4] = {'W', 'L', 'D', 'C'};
constexpr char kZstdMagic[4] = {'W', 'L', 'D', 'Z'};
// The quickest level above the ones that trade size for speed: the file is as small as zlib's
// level 1 makes it.
constexpr int kZstdLevel = -1;
constexpr qsizetype kHeaderSize = 12;
constexpr qsizetype kEntrySize = 16;

void put(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToBigEndian(value, bytes.data() + at);
}

quint32 get(const char *at)
{
    return qFromBigEndian<quint32>(at);
}

const char *magicOf(ChunkedFile::Codec codec)
{
    return codec == ChunkedFile::Codec::Zstd ? kZstdMagic : kZlibMagic;
}

// A context per thread: making one costs more than compressing a small chunk.
ZSTD_CCtx *zstdCompressor()
{
    thread_local const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context = [] {
        std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> made(ZSTD_createCCtx(), &ZSTD_freeCCtx);
        if (made
            && (ZSTD_isError(ZSTD_CCtx_setParameter(made.get(), ZSTD_c_compressionLevel, kZstdLevel))
                || ZSTD_isError(ZSTD_CCtx_setParameter(made.get(), ZSTD_c_checksumFlag, 1))
                || ZSTD_isError(ZSTD_CCtx_setParameter(made.get(), ZSTD_c_contentSizeFlag, 1))))
            made.reset();
        return made;
    }();
    return context.get();
}

ZSTD_DCtx *zstdDecompressor()
{
    thread_local const std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(), &ZSTD_freeDCtx);
    return context.get();
}

size_t zlibCompress(const QByteArray &bytes, QByteArray &stored)
{
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
        libdeflate_alloc_compressor(1), &libdeflate_free_compressor);
    if (!compressor)
        return 0;
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), size_t(bytes.size()));
    stored.resize(qsizetype(bound));
    return libdeflate_zlib_compress(compressor.get(), bytes.constData(), size_t(bytes.size()), stored.data(), bound);
}

size_t zstdCompress(const QByteArray &bytes, QByteArray &stored)
{
    ZSTD_CCtx *context = zstdCompressor();
    if (!context)
        return 0;
    const size_t bound = ZSTD_compressBound(size_t(bytes.size()));
    stored.resize(qsizetype(bound));
    const size_t size = ZSTD_compress2(context, stored.data(), bound, bytes.constData(), size_t(bytes.size()));
    return ZSTD_isError(size) ? 0 : size;
}

// Exactly the stated size, one zlib stream with its checksum, and nothing after it.
bool zlibExpand(const QByteArray &stored, QByteArray &bytes)
{
    const std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> decompressor(
        libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    size_t size = 0;
    size_t used = 0;
    return decompressor
           && libdeflate_zlib_decompress_ex(decompressor.get(), stored.constData(), size_t(stored.size()), bytes.data(),
                                            size_t(bytes.size()), &used, &size)
                  == LIBDEFLATE_SUCCESS
           && size == size_t(bytes.size()) && used == size_t(stored.size());
}

// Exactly the stated size, one frame (whose checksum zstd checks) and nothing after it.
bool zstdExpand(const QByteArray &stored, QByteArray &bytes)
{
    ZSTD_DCtx *context = zstdDecompressor();
    if (!context || ZSTD_findFrameCompressedSize(stored.constData(), size_t(stored.size())) != size_t(stored.size()))
        return false;
    const size_t size
        = ZSTD_decompressDCtx(context, bytes.data(), size_t(bytes.size()), stored.constData(), size_t(stored.size()));
    return !ZSTD_isError(size) && size == size_t(bytes.size());
}

} // namespace

bool ChunkedFile::isChunked(QByteArrayView file)
{
    return file.size() >= kHeaderSize && get(file.data()) == 0
           && (std::memcmp(file.data() + 4, kZstdMagic, 4) == 0 || std::memcmp(file.data() + 4, kZlibMagic, 4) == 0);
}

bool ChunkedFile::compress(Chunk &chunk)
{
    if (chunk.bytes.size() > std::numeric_limits<quint32>::max())
        return false;
    const size_t size = chunk.codec == Codec::Zstd ? zstdCompress(chunk.bytes, chunk.stored)
                                                   : zlibCompress(chunk.bytes, chunk.stored);
    if (size == 0) {
        chunk.stored.clear();
        return false;
    }
    chunk.stored.resize(qsizetype(size));
    chunk.stored.squeeze();
    chunk.expandedSize = quint32(chunk.bytes.size());
    chunk.bytes = QByteArray();
    return true;
}

QByteArray ChunkedFile::compose(QList<Chunk> &chunks)
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    return write(chunks, buffer) < 0 ? QByteArray() : file;
}

qint64 ChunkedFile::write(QList<Chunk> &chunks, QIODevice &device)
{
    std::atomic<bool> failed = false;
    OrderedParallel::forEach(chunks.size(), [&chunks, &failed](qsizetype i) {
        Chunk &chunk = chunks[i];
        if ((!chunk.bytes.isEmpty() || chunk.stored.isEmpty()) && !compress(chunk))
            failed = true;
    });
    if (failed || chunks.size() > std::numeric_limits<quint32>::max())
        return -1;
    const Codec codec = chunks.isEmpty() ? Codec::Zstd : chunks.first().codec;
    if (std::any_of(chunks.cbegin(), chunks.cend(), [codec](const Chunk &chunk) { return chunk.codec != codec; }))
        return -1;

    const qsizetype tableEnd = kHeaderSize + kEntrySize * chunks.size();
    QByteArray head(tableEnd, Qt::Uninitialized);
    put(head, 0, 0);
    std::memcpy(head.data() + 4, magicOf(codec), 4);
    put(head, 8, quint32(chunks.size()));
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const Chunk &chunk = chunks.at(i);
        const qsizetype entry = kHeaderSize + kEntrySize * i;
        put(head, entry, chunk.list);
        put(head, entry + 4, chunk.items);
        put(head, entry + 8, chunk.expandedSize);
        put(head, entry + 12, quint32(chunk.stored.size()));
    }
    if (device.write(head) != head.size())
        return -1;
    qint64 written = head.size();
    for (Chunk &chunk : chunks) {
        if (device.write(chunk.stored) != chunk.stored.size())
            return -1;
        written += chunk.stored.size();
        chunk.stored = QByteArray();
    }
    return written;
}

bool ChunkedFile::split(const QByteArray &file, QList<Chunk> &chunks, QString *errorString)
{
    chunks.clear();
    auto fail = [errorString](const char *why) {
        if (errorString)
            *errorString = QString::fromLatin1(why);
        return false;
    };
    if (!isChunked(file))
        return fail("not a chunked database file");
    const Codec codec = QByteArrayView(file).sliced(4, 4) == QByteArrayView(kZstdMagic, 4) ? Codec::Zstd : Codec::Zlib;
    const quint32 count = get(file.constData() + 8);
    if (qint64(count) > (file.size() - kHeaderSize) / kEntrySize)
        return fail("more chunks than the file can hold");
    qsizetype at = kHeaderSize + kEntrySize * qsizetype(count);
    chunks.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const char *entry = file.constData() + kHeaderSize + kEntrySize * i;
        Chunk chunk;
        chunk.list = get(entry);
        chunk.items = get(entry + 4);
        chunk.expandedSize = get(entry + 8);
        chunk.codec = codec;
        const quint32 stored = get(entry + 12);
        if (stored > file.size() - at)
            return fail("a chunk runs past the end of the file");
        // A chunk claiming more is damage and must not make the reader allocate what it claims.
        if (qint64(chunk.expandedSize)
            > qint64(stored) * DatabaseBounds::kMaxExpansion + DatabaseBounds::kExpansionSlack)
            return fail("a chunk claims more than its bytes can expand to");
        chunk.stored = QByteArray::fromRawData(file.constData() + at, stored);
        at += stored;
        chunks.append(std::move(chunk));
    }
    if (at != file.size())
        return fail("bytes after the last chunk");
    return true;
}

bool ChunkedFile::expand(Chunk &chunk)
{
    chunk.bytes.resize(qsizetype(chunk.expandedSize));
    const bool ok
        = chunk.codec == Codec::Zstd ? zstdExpand(chunk.stored, chunk.bytes) : zlibExpand(chunk.stored, chunk.bytes);
    if (!ok)
        chunk.bytes.clear();
    return ok;
}
