#include "chunkedfile.h"

#include <QTest>
#include <QThreadPool>
#include <QtEndian>

namespace {

QList<ChunkedFile::Chunk> sampleChunks()
{
    QList<ChunkedFile::Chunk> chunks;
    for (quint32 i = 0; i < 40; ++i) {
        ChunkedFile::Chunk chunk;
        chunk.list = i % 9;
        chunk.items = i * 3;
        for (quint32 j = 0; j < 2000 * (i % 5); ++j)
            chunk.bytes.append(char('A' + (i * j) % 23));
        chunks.append(chunk);
    }
    return chunks;
}

QByteArray composed(int threads)
{
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    QList<ChunkedFile::Chunk> chunks = sampleChunks();
    return ChunkedFile::compose(chunks);
}

// A device that takes at most so many bytes, as a full disk would.
class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray bytes;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 taken = qMin(length, m_limit - bytes.size());
        bytes.append(data, taken);
        return taken;
    }

private:
    qint64 m_limit;
};

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
    void roundTripSameOnOneAndManyThreads();
    void damage_data();
    void damage();
    void writtenToDevice_data();
    void writtenToDevice();
};

void TestChunkedFile::roundTripSameOnOneAndManyThreads()
{
    const QByteArray one = composed(1);
    const QByteArray many = composed(8);
    QVERIFY(!one.isEmpty());
    QCOMPARE(many, one);
    QVERIFY(ChunkedFile::isChunked(one));
    // The first layout, one stream behind its length, is told apart.
    QVERIFY(!ChunkedFile::isChunked(qCompress(QByteArray(100, 'x'), 1)));

    QList<ChunkedFile::Chunk> chunks;
    QString error;
    QVERIFY2(ChunkedFile::split(one, chunks, &error), qPrintable(error));
    const QList<ChunkedFile::Chunk> expected = sampleChunks();
    QCOMPARE(chunks.size(), expected.size());
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        QVERIFY(ChunkedFile::expand(chunks[i]));
        QCOMPARE(chunks.at(i).list, expected.at(i).list);
        QCOMPARE(chunks.at(i).items, expected.at(i).items);
        QCOMPARE(chunks.at(i).bytes, expected.at(i).bytes);
    }
}

void TestChunkedFile::damage_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("splits");
    QTest::newRow("cut in the last chunk") << 0 << false;
    QTest::newRow("bytes after the last chunk") << 1 << false;
    QTest::newRow("forged chunk count") << 2 << false;
    QTest::newRow("forged expanded size") << 3 << false;
    QTest::newRow("stream bytes changed") << 4 << true;
    QTest::newRow("expanded size one short") << 5 << true;
}

void TestChunkedFile::damage()
{
    QFETCH(int, kind);
    QFETCH(bool, splits);
    QByteArray file = composed(4);
    // The second chunk's entry begins at 12 + 16; its stream after the first chunk's.
    const qsizetype secondEntry = 12 + 16;
    const qsizetype firstData = 12 + 16 * 40;
    switch (kind) {
    case 0: file.chop(3); break;
    case 1: file.append('x'); break;
    case 2: setWord(file, 8, 0xFFFFFFF0u); break;
    case 3: setWord(file, secondEntry + 8, 0x7FFFFFFFu); break;
    case 4: file[firstData + qFromBigEndian<quint32>(file.constData() + 12 + 12) + 20] ^= 0x55; break;
    case 5: setWord(file, secondEntry + 8, qFromBigEndian<quint32>(file.constData() + secondEntry + 8) - 1); break;
    }
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

void TestChunkedFile::writtenToDevice_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("complete");

    // The table of 40 chunks alone takes 12 + 16 * 40 = 652 bytes.
    QTest::newRow("room for all") << qint64(1 << 24) << true;
    QTest::newRow("not even the table") << qint64(100) << false;
    QTest::newRow("table, then full") << qint64(652 + 1000) << false;
}

// Written chunk by chunk, the file is the one compose lays out; a device that stops taking
// bytes fails the write.
void TestChunkedFile::writtenToDevice()
{
    QFETCH(qint64, limit);
    QFETCH(bool, complete);

    const QByteArray expected = composed(1);
    QList<ChunkedFile::Chunk> chunks = sampleChunks();
    LimitedDevice device(limit);
    const qint64 written = ChunkedFile::write(chunks, device);
    if (complete) {
        QCOMPARE(written, expected.size());
        QCOMPARE(device.bytes, expected);
        for (const ChunkedFile::Chunk &chunk : std::as_const(chunks))
            QVERIFY(chunk.stored.isEmpty() && chunk.bytes.isEmpty());
    } else {
        QCOMPARE(written, qint64(-1));
        QVERIFY(device.bytes.size() <= limit);
    }
}

QTEST_GUILESS_MAIN(TestChunkedFile)
#include "tst_chunkedfile.moc"
