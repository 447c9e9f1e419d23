#include "chunkedfile.h"

#include "databasebounds.h"
#include "orderedparallel.h"

#include <QBuffer>
#include <QtEndian>

#include <libdeflate.h>
#include <zstd.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
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

StoredFile::StoredFile(int descriptor)
    : m_descriptor(descriptor)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) == 0) {
        m_size = status.st_size;
        m_modified = status.st_mtim;
        m_changed = status.st_ctim;
    }
}

bool StoredFile::read(qint64 offset, char *to, qint64 length) const
{
    if (offset < 0 || length < 0 || length > m_size - offset)
        return false;
    while (length > 0) {
        const ssize_t got = ::pread(m_descriptor, to, size_t(length), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        // Cut short since it was opened (or unreadable): what is missing is not there.
        if (got <= 0)
            return false;
        to += got;
        offset += got;
        length -= got;
    }
    return true;
}

bool StoredFile::unchanged() const
{
    struct stat status = {};
    const auto same = [](const timespec &one, const timespec &other) {
        return one.tv_sec == other.tv_sec && one.tv_nsec == other.tv_nsec;
    };
    return ::fstat(m_descriptor, &status) == 0 && status.st_size == m_size && same(status.st_mtim, m_modified)
           && (same(status.st_ctim, m_changed) || status.st_nlink == 0);
}

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

namespace {

// The table at the head of a file of fileSize bytes (head holds at least the header and every
// entry): each chunk's place in the file, which must be where the table puts it.
bool splitTable(QByteArrayView head, qint64 fileSize, QList<ChunkedFile::Chunk> &chunks, QString *errorString)
{
    chunks.clear();
    auto fail = [errorString](const char *why) {
        if (errorString)
            *errorString = QString::fromLatin1(why);
        return false;
    };
    if (!ChunkedFile::isChunked(head))
        return fail("not a chunked database file");
    const ChunkedFile::Codec codec
        = head.sliced(4, 4) == QByteArrayView(kZstdMagic, 4) ? ChunkedFile::Codec::Zstd : ChunkedFile::Codec::Zlib;
    const quint32 count = get(head.data() + 8);
    if (qint64(count) > std::min(DatabaseBounds::kMostChunks, (fileSize - kHeaderSize) / kEntrySize)
        || kHeaderSize + kEntrySize * qint64(count) > head.size())
        return fail("more chunks than the file can hold");
    qint64 at = kHeaderSize + kEntrySize * qint64(count);
    chunks.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const char *entry = head.data() + kHeaderSize + kEntrySize * i;
        ChunkedFile::Chunk chunk;
        chunk.list = get(entry);
        chunk.items = get(entry + 4);
        chunk.expandedSize = get(entry + 8);
        chunk.codec = codec;
        chunk.storedSize = get(entry + 12);
        if (chunk.storedSize > fileSize - at)
            return fail(StoredFile::kCut);
        // A chunk claiming more is damage and must not make the reader allocate what it claims.
        if (qint64(chunk.expandedSize)
            > qint64(chunk.storedSize) * DatabaseBounds::kMaxExpansion + DatabaseBounds::kExpansionSlack)
            return fail("a chunk claims more than its bytes can expand to");
        chunk.offset = at;
        at += chunk.storedSize;
        chunks.append(std::move(chunk));
    }
    if (at != fileSize)
        return fail("bytes after the last chunk");
    return true;
}

} // namespace

bool ChunkedFile::split(const QByteArray &file, QList<Chunk> &chunks, QString *errorString)
{
    if (!splitTable(file, file.size(), chunks, errorString))
        return false;
    for (Chunk &chunk : chunks)
        chunk.stored = QByteArray::fromRawData(file.constData() + chunk.offset, chunk.storedSize);
    return true;
}

bool ChunkedFile::split(const StoredFile &file, QList<Chunk> &chunks, QString *errorString)
{
    QByteArray head(qBound<qint64>(0, file.size(), kHeaderSize), Qt::Uninitialized);
    bool whole = file.read(0, head.data(), head.size());
    // The table is read only when the file can hold it: a count it cannot is refused on the header
    // alone, not after the gigabytes a forged count names have been read into memory.
    const qint64 count = whole && isChunked(head) ? get(head.constData() + 8) : 0;
    if (count > 0 && count <= std::min(DatabaseBounds::kMostChunks, (file.size() - kHeaderSize) / kEntrySize)) {
        head.resize(kHeaderSize + kEntrySize * count);
        whole = file.read(kHeaderSize, head.data() + kHeaderSize, head.size() - kHeaderSize);
    }
    if (whole)
        return splitTable(head, file.size(), chunks, errorString);
    chunks.clear();
    if (errorString)
        *errorString = QString::fromLatin1(StoredFile::kChanged);
    return false;
}

bool ChunkedFile::fetch(Chunk &chunk, const StoredFile &file)
{
    chunk.stored = QByteArray(qsizetype(chunk.storedSize), Qt::Uninitialized);
    if (file.read(chunk.offset, chunk.stored.data(), chunk.storedSize))
        return true;
    chunk.stored.clear();
    return false;
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
