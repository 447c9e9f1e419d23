#include "chunkedfile.h"

#include <QBuffer>
#include <QTest>
#include <QThreadPool>
#include <QtEndian>

#include <algorithm>

namespace {

QList<ChunkedFile::Chunk> sampleChunks(ChunkedFile::Codec codec = ChunkedFile::Codec::Zstd)
{
    QList<ChunkedFile::Chunk> chunks;
    for (quint32 i = 0; i < 40; ++i) {
        ChunkedFile::Chunk chunk;
        chunk.codec = codec;
        chunk.list = i % 9;
        chunk.items = i * 3;
        for (quint32 j = 0; j < 2000 * (i % 5); ++j)
            chunk.bytes.append(char('A' + (i * j) % 23));
        chunks.append(chunk);
    }
    return chunks;
}

QByteArray composed(int threads, ChunkedFile::Codec codec = ChunkedFile::Codec::Zstd)
{
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    QList<ChunkedFile::Chunk> chunks = sampleChunks(codec);
    return ChunkedFile::compose(chunks);
}

void setWord(QByteArray &file, qsizetype at, quint32 value)
{
    qToBigEndian(value, file.data() + at);
}

} // namespace

class TestChunkedFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount()); }
    void roundTripSameOnOneAndManyThreads_data();
    void roundTripSameOnOneAndManyThreads();
    void mixedCodecsRefused();
    void damage_data();
    void damage();
    void writtenToDevice();
};

// Files are written with zstd; those of earlier versions, with zlib chunks, still read.
void TestChunkedFile::roundTripSameOnOneAndManyThreads_data()
{
    // clang-format off
    QTest::addColumn<ChunkedFile::Codec>("codec");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<QByteArray>("firstChunkStart");
    QTest::newRow("zstd") << ChunkedFile::Codec::Zstd << QByteArray("WLDZ") << QByteArray::fromHex("28b52ffd");
    // 0x78 0x01: deflate with a 32 KB window at the quickest level.
    QTest::newRow("zlib, earlier files") << ChunkedFile::Codec::Zlib << QByteArray("WLDC") << QByteArray::fromHex("7801");
    // clang-format on
}

void TestChunkedFile::roundTripSameOnOneAndManyThreads()
{
    QFETCH(ChunkedFile::Codec, codec);
    QFETCH(QByteArray, magic);
    QFETCH(QByteArray, firstChunkStart);
    const QByteArray one = composed(1, codec);
    const QByteArray many = composed(8, codec);
    QVERIFY(!one.isEmpty());
    QCOMPARE(many, one);
    QVERIFY(ChunkedFile::isChunked(one));
    QCOMPARE(one.mid(4, 4), magic);
    QCOMPARE(one.mid(12 + 16 * 40, firstChunkStart.size()), firstChunkStart);
    // The first layout, one stream behind its length, is told apart.
    QVERIFY(!ChunkedFile::isChunked(qCompress(QByteArray(100, 'x'), 1)));

    QList<ChunkedFile::Chunk> chunks;
    QString error;
    QVERIFY2(ChunkedFile::split(one, chunks, &error), qPrintable(error));
    const QList<ChunkedFile::Chunk> expected = sampleChunks();
    QCOMPARE(chunks.size(), expected.size());
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        QCOMPARE(chunks.at(i).codec, codec);
        QVERIFY(ChunkedFile::expand(chunks[i]));
        QCOMPARE(chunks.at(i).list, expected.at(i).list);
        QCOMPARE(chunks.at(i).items, expected.at(i).items);
        QCOMPARE(chunks.at(i).bytes, expected.at(i).bytes);
    }
}

// The file names one codec for all its chunks.
void TestChunkedFile::mixedCodecsRefused()
{
    QList<ChunkedFile::Chunk> chunks = sampleChunks();
    chunks[3].codec = ChunkedFile::Codec::Zlib;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(ChunkedFile::write(chunks, buffer), qint64(-1));
    QVERIFY(bytes.isEmpty());
}

void TestChunkedFile::damage_data()
{
    // clang-format off
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("splits");
    QTest::newRow("cut in the last chunk") << 0 << false;
    QTest::newRow("bytes after the last chunk") << 1 << false;
    QTest::newRow("forged chunk count") << 2 << false;
    QTest::newRow("forged expanded size") << 3 << false;
    QTest::newRow("more chunks than a database has, each empty") << 7 << false;
    QTest::newRow("stream bytes changed") << 4 << true;
    QTest::newRow("expanded size one short") << 5 << true;
    QTest::newRow("zlib stream read as zstd") << 6 << true;
    // clang-format on
}

void TestChunkedFile::damage()
{
    QFETCH(int, kind);
    QFETCH(bool, splits);
    QByteArray file = composed(4);
    // The second chunk's entry begins at 12 + 16; its stream after the first chunk's.
    const qsizetype secondEntry = 12 + 16;
    const qsizetype firstData = 12 + 16 * 40;
    // clang-format off
    switch (kind) {
    case 0: file.chop(3); break;
    case 1: file.append('x'); break;
    case 2: setWord(file, 8, 0xFFFFFFF0u); break;
    case 3: setWord(file, secondEntry + 8, 0x7FFFFFFFu); break;
    case 4: file[firstData + qFromBigEndian<quint32>(file.constData() + 12 + 12) + 20] ^= 0x55; break;
    case 5: setWord(file, secondEntry + 8, qFromBigEndian<quint32>(file.constData() + secondEntry + 8) - 1); break;
    case 6: file = composed(4, ChunkedFile::Codec::Zlib).replace(4, 4, "WLDZ"); break;
    case 7: file = file.first(12) + QByteArray(16 * 65537, '\0'); setWord(file, 8, 65537); break;
    }
    // clang-format on
    QList<ChunkedFile::Chunk> chunks;
    QString error;
    QCOMPARE(ChunkedFile::split(file, chunks, &error), splits);
    if (!splits) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QVERIFY(!ChunkedFile::expand(chunks[1]));
    QVERIFY(chunks.at(1).bytes.isEmpty());
}

// Written chunk by chunk, the file is the one compose lays out, and the chunks are let go; a
// device that takes nothing fails the write.
void TestChunkedFile::writtenToDevice()
{
    QList<ChunkedFile::Chunk> chunks = sampleChunks();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(ChunkedFile::write(chunks, buffer), composed(1).size());
    QCOMPARE(bytes, composed(1));
    QVERIFY(std::all_of(chunks.cbegin(), chunks.cend(), [](const auto &c) { return c.stored.isEmpty(); }));

    chunks = sampleChunks();
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QCOMPARE(ChunkedFile::write(chunks, readOnly), qint64(-1));
}

QTEST_GUILESS_MAIN(TestChunkedFile)
#include "tst_chunkedfile.moc"
