#include "internedtext.h"

#include <QByteArray>
#include <QDataStream>
#include <QTest>

#include <thread>
#include <vector>

// The shared identifier texts of procedure legs: one copy per text on every thread, null and
// empty kept apart, bytes on a stream as a QString's.
class TestInternedText : public QObject
{
    Q_OBJECT

private slots:
    void sharedAcrossThreads();
    void nullAndEmpty();
    void outlivesBorrowedBytes();
    void streamsAsQString_data();
    void streamsAsQString();
    void readsAsQtReads_data();
    void readsAsQtReads();
};

void TestInternedText::sharedAcrossThreads()
{
    const qsizetype before = InternedText::poolSize();
    // Built from its bytes on each thread, so no thread hands another its QString.
    const QByteArray name("ZZTHR7");
    std::vector<const QChar *> seen(6, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, &name, i] {
            for (int round = 0; round < 100; ++round)
                seen[i] = InternedText(QString::fromLatin1(name)).text().constData();
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const QChar *data : seen)
        QCOMPARE(data, seen.front());
    QCOMPARE(InternedText::poolSize(), before + 1);
    QCOMPARE(InternedText(QStringLiteral("ZZTHR7")).text(), QStringLiteral("ZZTHR7"));
    QCOMPARE(InternedText::poolSize(), before + 1);
    QVERIFY(InternedText(QStringLiteral("ZZTHR7")) == InternedText(QString::fromLatin1(name)));
    QVERIFY(!(InternedText(QStringLiteral("ZZTHR7")) == InternedText(QStringLiteral("ZZTHR8"))));
}

void TestInternedText::nullAndEmpty()
{
    const InternedText null{QString()};
    const InternedText empty{QString::fromLatin1("")};
    QVERIFY(null.text().isNull());
    QVERIFY(!empty.text().isNull());
    QVERIFY(empty.text().isEmpty());
    QVERIFY(null.isEmpty());
    QVERIFY(empty.isEmpty());
    // As QString() == QString("").
    QVERIFY(null == empty);
    QVERIFY(InternedText().text().isNull());
    QVERIFY(!(null == InternedText(QStringLiteral("A"))));
}

void TestInternedText::outlivesBorrowedBytes()
{
    std::vector<QChar> bytes{QLatin1Char('Z'), QLatin1Char('Q'), QLatin1Char('B'), QLatin1Char('R'), QLatin1Char('W')};
    const InternedText text(QString::fromRawData(bytes.data(), qsizetype(bytes.size())));
    std::fill(bytes.begin(), bytes.end(), QLatin1Char('x'));
    bytes.clear();
    bytes.shrink_to_fit();
    QCOMPARE(text.text(), QStringLiteral("ZQBRW"));
    QCOMPARE(InternedText(QStringLiteral("ZQBRW")).text().constData(), text.text().constData());
}

void TestInternedText::streamsAsQString_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QString();
    QTest::newRow("empty") << QString::fromLatin1("");
    QTest::newRow("identifier") << QStringLiteral("RW27L");
}

void TestInternedText::streamsAsQString()
{
    QFETCH(QString, text);
    QByteArray expected;
    QDataStream expectedOut(&expected, QIODevice::WriteOnly);
    expectedOut << text;
    QByteArray written;
    QDataStream writtenOut(&written, QIODevice::WriteOnly);
    writtenOut << InternedText(text);
    QCOMPARE(written, expected);

    QDataStream in(written);
    InternedText read(QStringLiteral("before"));
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QCOMPARE(read.text().isNull(), text.isNull());
    QCOMPARE(read.text(), text);
}

void TestInternedText::readsAsQtReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("littleEndian");
    QTest::newRow("big-endian text") << QByteArray::fromHex("00000006004b00310032") << false;
    QTest::newRow("little-endian text") << QByteArray::fromHex("060000004b0031003200") << true;
    QTest::newRow("beyond the Latin-1 range") << QByteArray::fromHex("0000000400e900df") << false;
    QTest::newRow("odd length") << QByteArray::fromHex("00000003004b00") << false;
    QTest::newRow("cut short") << QByteArray::fromHex("00000008004b0031") << false;
    QTest::newRow("forged length") << QByteArray::fromHex("7ffffffe004b") << false;
    QTest::newRow("no length") << QByteArray::fromHex("0000") << false;
}

// Status and text as Qt's QString reader leaves them for the same bytes.
void TestInternedText::readsAsQtReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, littleEndian);
    const auto open = [&](QDataStream &stream) {
        if (littleEndian)
            stream.setByteOrder(QDataStream::LittleEndian);
    };
    QDataStream qtIn(bytes);
    open(qtIn);
    QString expected;
    qtIn >> expected;
    QDataStream ourIn(bytes);
    open(ourIn);
    InternedText read(QStringLiteral("before"));
    ourIn >> read;
    QCOMPARE(ourIn.status(), qtIn.status());
    if (qtIn.status() == QDataStream::Ok)
        QCOMPARE(read.text(), expected);
    else
        QVERIFY(read.text().isEmpty());
}

QTEST_GUILESS_MAIN(TestInternedText)
#include "tst_internedtext.moc"
