#include "internedtext.h"

#include <QByteArray>
#include <QDataStream>
#include <QTest>

#include <thread>
#include <vector>

// The shared identifier texts of procedure legs: one copy per text on every thread, null and
// empty kept apart, read from a stream as Qt reads a QString.
class TestInternedText : public QObject
{
    Q_OBJECT

private slots:
    void sharedAcrossThreads();
    void nullAndEmpty();
    void readsAsQtReads_data();
    void readsAsQtReads();
};

void TestInternedText::sharedAcrossThreads()
{
    const qsizetype before = InternedText::poolSize();
    // Built from its bytes on each thread, so no thread hands another its QString.
    std::vector<const QChar *> seen(6, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = InternedText(QString::fromLatin1("ZZTHR7")).text().constData(); });
    for (std::thread &thread : threads)
        thread.join();
    for (const QChar *data : seen)
        QCOMPARE(data, seen.front());
    QCOMPARE(InternedText(QStringLiteral("ZZTHR7")).text(), QStringLiteral("ZZTHR7"));
    QCOMPARE(InternedText::poolSize(), before + 1);
    QVERIFY(!(InternedText(QStringLiteral("ZZTHR7")) == InternedText(QStringLiteral("ZZTHR8"))));
}

void TestInternedText::nullAndEmpty()
{
    const InternedText null{QString()};
    const InternedText empty{QString::fromLatin1("")};
    QVERIFY(null.text().isNull());
    QVERIFY(!empty.text().isNull());
    QVERIFY(empty.text().isEmpty());
    // As QString() == QString("").
    QVERIFY(null == empty);
    QVERIFY(!(null == InternedText(QStringLiteral("A"))));
}

void TestInternedText::readsAsQtReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("littleEndian");
    QTest::newRow("null") << QByteArray::fromHex("ffffffff") << false;
    QTest::newRow("empty") << QByteArray::fromHex("00000000") << false;
    QTest::newRow("big-endian text") << QByteArray::fromHex("00000006004b00310032") << false;
    QTest::newRow("little-endian text") << QByteArray::fromHex("060000004b0031003200") << true;
    QTest::newRow("beyond Latin-1") << QByteArray::fromHex("0000000400e900df") << false;
    QTest::newRow("odd length") << QByteArray::fromHex("00000003004b00") << false;
    QTest::newRow("cut short") << QByteArray::fromHex("00000008004b0031") << false;
    QTest::newRow("forged length") << QByteArray::fromHex("7ffffffe004b") << false;
}

// Status and text as Qt's QString reader leaves them for the same bytes.
void TestInternedText::readsAsQtReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, littleEndian);
    const QDataStream::ByteOrder order = littleEndian ? QDataStream::LittleEndian : QDataStream::BigEndian;
    QDataStream qtIn(bytes);
    qtIn.setByteOrder(order);
    QString expected;
    qtIn >> expected;
    QDataStream ourIn(bytes);
    ourIn.setByteOrder(order);
    InternedText read(QStringLiteral("before"));
    ourIn >> read;
    QCOMPARE(ourIn.status(), qtIn.status());
    QCOMPARE(read.text(), qtIn.status() == QDataStream::Ok ? expected : QString());
    QCOMPARE(read.text().isNull(), qtIn.status() != QDataStream::Ok || expected.isNull());
}

QTEST_GUILESS_MAIN(TestInternedText)
#include "tst_internedtext.moc"
