#include "internedtext.h"

#include <QByteArray>
#include <QDataStream>
#include <QTest>

#include <thread>
#include <vector>

// The shared short texts of procedure legs and of the imported items: one copy per text on
// every thread, null and empty kept apart, read from a stream as Qt reads a QString and from
// the UTF-8 fields of the data files.
class TestInternedText : public QObject
{
    Q_OBJECT

private slots:
    void sharedAcrossThreads();
    void nullAndEmpty();
    void fromUtf8_data();
    void fromUtf8();
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

void TestInternedText::fromUtf8_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("terminal") << QByteArray("ENRT") << QStringLiteral("ENRT");
    QTest::newRow("region") << QByteArray("K1") << QStringLiteral("K1");
    QTest::newRow("beyond ASCII") << QByteArray("\xc3\xa9t\xc3\xa9") << QStringLiteral(u"\u00e9t\u00e9");
    QTest::newRow("ASCII, then beyond") << QByteArray("TWY-\xc3\x9f") << QStringLiteral(u"TWY-\u00df");
    QTest::newRow("longer than the stack copy") << QByteArray(40, 'Q') << QString(40, QLatin1Char('Q'));
    QTest::newRow("empty") << QByteArray("") << QStringLiteral("");
    QTest::newRow("null") << QByteArray() << QString();
    // clang-format on
}

// The same text, and the very one the pool holds for it, whichever way it was made.
void TestInternedText::fromUtf8()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, text);
    const InternedText read = InternedText::fromUtf8(field);
    QCOMPARE(read.text(), text);
    QCOMPARE(read.text().isNull(), text.isNull());
    QCOMPARE(read.text().constData(), InternedText(text).text().constData());
    QCOMPARE(InternedText::fromUtf8(field).text().constData(), read.text().constData());
}

void TestInternedText::readsAsQtReads_data()
{
    // clang-format off
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
    // clang-format on
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
