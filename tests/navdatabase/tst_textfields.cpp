#include "textfields.h"

#include <QTest>

#include <cmath>
#include <cstring>

class TestTextFields : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void toInt_data();
    void toInt();
    void toDouble_data();
    void toDouble();
    void toDoubleExact_data();
    void toDoubleExact();
};

void TestTextFields::split_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("joinedFromOne");

    QTest::newRow("runs of spaces") << QByteArray("  1  ABC   K1 ") << QStringList{"1", "ABC", "K1"} << "ABC K1";
    QTest::newRow("tab inside a field") << QByteArray("a b\tc") << QStringList{"a", "b\tc"} << "b\tc";
    QTest::newRow("blank line") << QByteArray("   ") << QStringList{} << QString();
    QTest::newRow("one field") << QByteArray("99") << QStringList{"99"} << QString();
    QTest::newRow("UTF-8 name") << QByteArray("2 M\xc3\xbcnchen Nord") << QStringList{"2", "München", "Nord"}
                                << "München Nord";
    // clang-format on
}

void TestTextFields::split()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, fields);
    QFETCH(QString, joinedFromOne);
    TextFields::Fields views;
    views.append(QByteArrayView("left over"));
    TextFields::splitAtBlanks(line, views);
    QStringList texts;
    for (const QByteArrayView view : views)
        texts.append(TextFields::text(view));
    QCOMPARE(texts, fields);
    const QString joined = TextFields::joined(views, 1);
    QCOMPARE(joined, joinedFromOne);
    // Nothing to join is a null text, as an empty list joins to.
    QCOMPARE(joined.isNull(), joinedFromOne.isNull());
}

void TestTextFields::toInt_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << QByteArray("11030") << 11030;
    QTest::newRow("plus") << QByteArray("+12") << 12;
    QTest::newRow("minus") << QByteArray("-7") << -7;
    QTest::newRow("leading zeros") << QByteArray("0042") << 42;
    QTest::newRow("trailing tab") << QByteArray("12\t") << 12;
    QTest::newRow("lowest int") << QByteArray("-2147483648") << -2147483647 - 1;
    QTest::newRow("beyond int") << QByteArray("2147483648") << 0;
    QTest::newRow("beyond int, many digits") << QByteArray("99999999999") << 0;
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999") << 0;
    QTest::newRow("decimal") << QByteArray("12.5") << 0;
    QTest::newRow("exponent") << QByteArray("1e3") << 0;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    // clang-format on
}

void TestTextFields::toInt()
{
    QFETCH(QByteArray, field);
    QFETCH(int, value);
    QCOMPARE(TextFields::toInt(field), value);
}

void TestTextFields::toDouble_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << QByteArray("47.4634") << 47.4634;
    QTest::newRow("negative") << QByteArray("-122.309313") << -122.309313;
    QTest::newRow("whole") << QByteArray("400") << 400.0;
    QTest::newRow("plus") << QByteArray("+1.5") << 1.5;
    QTest::newRow("exponent") << QByteArray("1E+2") << 100.0;
    QTest::newRow("no whole part") << QByteArray(".5") << 0.5;
    QTest::newRow("no fraction digits") << QByteArray("5.") << 5.0;
    QTest::newRow("long") << QByteArray("12345678901234567890.5") << 12345678901234567890.5;
    QTest::newRow("infinity") << QByteArray("inf") << 0.0;
    QTest::newRow("not a number") << QByteArray("nan") << 0.0;
    QTest::newRow("overflow") << QByteArray("1e999") << 0.0;
    QTest::newRow("comma") << QByteArray("1,5") << 0.0;
    QTest::newRow("cut exponent") << QByteArray("1.5e") << 0.0;
    QTest::newRow("two points") << QByteArray("1..2") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    // clang-format on
}

void TestTextFields::toDouble()
{
    QFETCH(QByteArray, field);
    QFETCH(double, value);
    // Exactly the value the compiler gives the same text: no rounding of its own.
    QCOMPARE(TextFields::toDouble(field), value);
}

void TestTextFields::toDoubleExact_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<double>("value");
    // Expected: the compiler's own correctly rounded reading of the same digits.
    QTest::newRow("coordinate") << QByteArray("50.03412345") << 50.03412345;
    QTest::newRow("tenth") << QByteArray("-0.1") << -0.1;
    QTest::newRow("negative zero") << QByteArray("-0.000") << -0.0;
    QTest::newRow("21 fraction digits") << QByteArray("0.000000000000000000001") << 1e-21;
    QTest::newRow("beyond 2^53") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("23 fraction digits") << QByteArray("1.23456789012345678901234") << 1.23456789012345678901234;
    // clang-format on
}

// Bit for bit: the numbers end up in the database file.
void TestTextFields::toDoubleExact()
{
    QFETCH(QByteArray, field);
    QFETCH(double, value);
    const double read = TextFields::toDouble(field);
    QVERIFY(std::memcmp(&read, &value, sizeof read) == 0);
}

QTEST_APPLESS_MAIN(TestTextFields)
#include "tst_textfields.moc"
