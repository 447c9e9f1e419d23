#include "linereader.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <QTest>

// What a reader takes whole after its header lines: the rest of the file, once, in order.
class TestLineReader : public QObject
{
    Q_OBJECT

private slots:
    void restAfterHeader_data();
    void restAfterHeader();
};

void TestLineReader::restAfterHeader_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("file");
    const QByteArray header = "I\r\n1100 Version - data cycle 2401\n";
    QByteArray large;
    for (int i = 0; large.size() < 600 * 1024; ++i)
        large += "1   47.1 8.5 row " + QByteArray::number(i) + '\n';
    QTest::newRow("short file") << header << QByteArray("1 2 3\n99\n") << true;
    // More than the reader's block: part of the body is buffered, the rest still on the device.
    QTest::newRow("large file") << header << large << true;
    QTest::newRow("byte-order mark, buffer") << QByteArray("\xEF\xBB\xBF") + header << large << false;
    QTest::newRow("nothing after the header") << header << QByteArray() << true;
    // clang-format on
}

void TestLineReader::restAfterHeader()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, body);
    QFETCH(bool, file);
    QByteArray bytes = header + body;
    QTemporaryFile temporary;
    QBuffer buffer(&bytes);
    QIODevice *device = &buffer;
    if (file) {
        QVERIFY(temporary.open());
        QCOMPARE(temporary.write(bytes), bytes.size());
        QVERIFY(temporary.seek(0));
        device = &temporary;
    } else {
        QVERIFY(buffer.open(QIODevice::ReadOnly));
    }
    LineReader lines(*device);
    QByteArrayView line;
    bool tooLong = false;
    QVERIFY(lines.next(line, tooLong));
    QCOMPARE(line, QByteArrayView("I"));
    QVERIFY(lines.next(line, tooLong));
    QCOMPARE(line, QByteArrayView("1100 Version - data cycle 2401"));
    QCOMPARE(lines.takeRest(), body);
    QVERIFY(!lines.next(line, tooLong));
}

QTEST_GUILESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
