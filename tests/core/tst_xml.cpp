#include "testsupport.h"
#include "xmlstreamreader.h"
#include "xmlstreamwriter.h"

#include <QCoreApplication>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

class TestXml : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void documentRoundTrip();
    void doublesRoundTripExactly_data();
    void doublesRoundTripExactly();
    void emptyElements_data();
    void emptyElements();
    void invalidDateTimeRoundTrip();
    void dateTimeLosesMilliseconds();
    void badValues_data();
    void badValues();
    void listCount_data();
    void listCount();
    void header_data();
    void header();
    void notADocument_data();
    void notADocument();
    void skipsCommentsAndStrayText();
    void textInPieces_data();
    void textInPieces();
    void truncatedDocumentFails();
    void trailingContentFails();
    void nullValuePointer();
};

namespace {
QString document(const QString &body, const QString &name = QStringLiteral("Waylore"),
                 const QString &version = QStringLiteral("4.10.0"))
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<content appname=\"%1\" "
                          "appversion=\"%2\">\n%3\n</content>\n")
        .arg(name, version, body);
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

void TestXml::initTestCase()
{
    TestSupport::initApplication();
}

void TestXml::documentRoundTrip()
{
    const QDateTime when(QDate(2026, 3, 14), QTime(15, 9, 26));
    QString text;
    {
        XmlStreamWriter writer(&text);
        writer.writeHeader();
        writer.writeString(QStringLiteral("title"), QStringLiteral("EDDF <to> LFPG & \"back\""));
        writer.writeStartElement(QStringLiteral("general"));
        writer.writeInt(QStringLiteral("cruise"), 36000);
        writer.writeDouble(QStringLiteral("lat"), 48.353783);
        writer.writeDateTime(QStringLiteral("created"), when);
        writer.writeEndElement();
        writer.writeListStart(QStringLiteral("values"), 3);
        for (int v : {7, -2, 2147483647})
            writer.writeInt(QStringLiteral("value"), v);
        writer.writeListEnd(QStringLiteral("values"));
        writer.writeFooter();
    }
    QVERIFY(text.contains(QStringLiteral("appname=\"Waylore\" appversion=\"4.10.0\"")));
    QVERIFY(text.contains(QStringLiteral("<lat>48.353783</lat>")));
    QVERIFY(text.contains(QStringLiteral("<values count=\"3\">")));

    QString error;
    XmlStreamReader reader(text, &error);
    QStringList names{QStringLiteral("Waylore")};
    QStringList versions;
    QVERIFY2(reader.readHeader(&names, &versions), qPrintable(error));
    QString title;
    QVERIFY2(reader.readString(QStringLiteral("title"), &title), qPrintable(error));
    QCOMPARE(title, QStringLiteral("EDDF <to> LFPG & \"back\""));
    QVERIFY(reader.readStartElement(QStringLiteral("general")));
    int cruise = 0;
    double lat = 0;
    QDateTime created;
    QVERIFY2(reader.readInt(QStringLiteral("cruise"), &cruise), qPrintable(error));
    QVERIFY2(reader.readDouble(QStringLiteral("lat"), &lat), qPrintable(error));
    QVERIFY2(reader.readDateTime(QStringLiteral("created"), &created), qPrintable(error));
    QVERIFY(reader.readEndElement(QStringLiteral("general")));
    QCOMPARE(cruise, 36000);
    QCOMPARE(lat, 48.353783);
    QCOMPARE(created, when);
    int count = -1;
    QVERIFY2(reader.readListStart(QStringLiteral("values"), &count), qPrintable(error));
    QCOMPARE(count, 3);
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        int v = 0;
        QVERIFY2(reader.readInt(QStringLiteral("value"), &v), qPrintable(error));
        values << v;
    }
    QCOMPARE(values, (QList<int>{7, -2, 2147483647}));
    QVERIFY(reader.readListEnd(QStringLiteral("values")));
    QVERIFY2(reader.readFooter(), qPrintable(error));
    QVERIFY(error.isEmpty());
}

void TestXml::doublesRoundTripExactly_data()
{
    // clang-format off
    QTest::addColumn<double>("value");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2;
    QTest::newRow("latitude") << 48.353783;
    QTest::newRow("longitude many digits") << -122.37489999999999;
    QTest::newRow("whole") << 36000.0;
    QTest::newRow("tiny") << 1.2345678901234567e-300;
    QTest::newRow("denormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("max") << std::numeric_limits<double>::max();
    QTest::newRow("third") << 1.0 / 3.0;
    // clang-format on
}

void TestXml::doublesRoundTripExactly()
{
    QFETCH(double, value);
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writer.writeDouble(QStringLiteral("v"), value);
    writer.writeFooter();

    QString error;
    XmlStreamReader reader(text, &error);
    double read = 12345.0;
    QVERIFY(reader.readHeader());
    QVERIFY2(reader.readDouble(QStringLiteral("v"), &read), qPrintable(error));
    QVERIFY2(sameBits(read, value),
             qPrintable(QStringLiteral("%1 read as %2").arg(value, 0, 'g', 17).arg(read, 0, 'g', 17)));
    QVERIFY(reader.readFooter());
}

void TestXml::emptyElements_data()
{
    // clang-format off
    QTest::addColumn<QString>("element");
    QTest::newRow("self-closing") << "<v/>";
    QTest::newRow("start and end") << "<v></v>";
    // clang-format on
}

void TestXml::emptyElements()
{
    QFETCH(QString, element);
    const QString text = document(element + element + element + element);
    QString error;
    XmlStreamReader reader(text, &error);
    QVERIFY(reader.readHeader());
    QString s = QStringLiteral("old");
    int i = 5;
    double d = 2.5;
    QDateTime dt = QDateTime::currentDateTime();
    QVERIFY2(reader.readString(QStringLiteral("v"), &s), qPrintable(error));
    QVERIFY2(reader.readInt(QStringLiteral("v"), &i), qPrintable(error));
    QVERIFY2(reader.readDouble(QStringLiteral("v"), &d), qPrintable(error));
    QVERIFY2(reader.readDateTime(QStringLiteral("v"), &dt), qPrintable(error));
    // A string left at its old value would carry one waypoint's name into the next.
    QCOMPARE(s, QString());
    QCOMPARE(i, 5);
    QCOMPARE(d, 2.5);
    QVERIFY(!dt.isValid());
    QVERIFY2(reader.readFooter(), qPrintable(error));
}

void TestXml::invalidDateTimeRoundTrip()
{
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writer.writeDateTime(QStringLiteral("d"), QDateTime());
    writer.writeString(QStringLiteral("s"), QString());
    writer.writeFooter();

    QString error;
    XmlStreamReader reader(text, &error);
    QDateTime dt = QDateTime::currentDateTime();
    QString s = QStringLiteral("old");
    QVERIFY(reader.readHeader());
    QVERIFY2(reader.readDateTime(QStringLiteral("d"), &dt), qPrintable(error));
    QVERIFY2(reader.readString(QStringLiteral("s"), &s), qPrintable(error));
    QVERIFY(!dt.isValid());
    QVERIFY(s.isEmpty());
    QVERIFY2(reader.readFooter(), qPrintable(error));
}

void TestXml::dateTimeLosesMilliseconds()
{
    const QDateTime when(QDate(2025, 12, 31), QTime(23, 59, 58, 750));
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writer.writeDateTime(QStringLiteral("d"), when);
    writer.writeFooter();
    QString error;
    XmlStreamReader reader(text, &error);
    QDateTime read;
    QVERIFY(reader.readHeader());
    QVERIFY2(reader.readDateTime(QStringLiteral("d"), &read), qPrintable(error));
    QCOMPARE(read, QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58)));
}

void TestXml::badValues_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");
    // The body starts on line 3 of the document.
    QTest::newRow("int with letter") << "int" << "\n<v>12a</v>" << "Error at line 4 expecting integer got 12a!";
    QTest::newRow("int beyond 32 bits") << "int" << "<v>4294967296</v>" << "Error at line 3 expecting integer got 4294967296!";
    QTest::newRow("int decimal") << "int" << "<v>1.5</v>" << "Error at line 3 expecting integer got 1.5!";
    QTest::newRow("double with comma") << "double" << "<v>48,35</v>" << "Error at line 3 expecting number got 48,35!";
    QTest::newRow("date") << "date" << "<v>yesterday</v>" << "Error at line 3 expecting date and time got yesterday!";
    QTest::newRow("string holding element") << "string" << "<v><x/></v>" << "Error at line 3 expecting string got !";
    QTest::newRow("wrong element") << "string" << "<w>x</w>" << "Error expecting <v> start element at line 3!";
    QTest::newRow("case matters") << "int" << "<V>1</V>" << "Error expecting <v> start element at line 3!";
    QTest::newRow("two values") << "int" << "<v>1<x/></v>" << "Error expecting </v> end element at line 3!";
    // clang-format on
}

void TestXml::badValues()
{
    QFETCH(QString, type);
    QFETCH(QString, body);
    QFETCH(QString, message);
    const QString text = document(body);
    QString error;
    XmlStreamReader reader(text, &error);
    QVERIFY(reader.readHeader());
    bool ok = true;
    const QString name = QStringLiteral("v");
    if (type == QLatin1String("int")) {
        int v = 9;
        ok = reader.readInt(name, &v);
    } else if (type == QLatin1String("double")) {
        double v = 9;
        ok = reader.readDouble(name, &v);
    } else if (type == QLatin1String("date")) {
        QDateTime v;
        ok = reader.readDateTime(name, &v);
    } else {
        QString v;
        ok = reader.readString(name, &v);
    }
    QVERIFY(!ok);
    QCOMPARE(error, message);
}

void TestXml::listCount_data()
{
    // clang-format off
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "<list>" << false << 0 << "Invalid list count  for element <list> at line 3!";
    QTest::newRow("not a number") << "<list count=\"x\">" << false << 0 << "Invalid list count x for element <list> at line 3!";
    QTest::newRow("beyond 32 bits") << "<list count=\"9999999999\">" << false << 0
                                    << "Invalid list count 9999999999 for element <list> at line 3!";
    QTest::newRow("negative") << "<list count=\"-1\">" << true << -1 << QString();
    QTest::newRow("zero") << "<list count=\"0\">" << true << 0 << QString();
    // clang-format on
}

void TestXml::listCount()
{
    QFETCH(QString, body);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QString, message);
    const QString text = document(body + QStringLiteral("</list>"));
    QString error;
    XmlStreamReader reader(text, &error);
    QVERIFY(reader.readHeader());
    int read = 77;
    QCOMPARE(reader.readListStart(QStringLiteral("list"), &read), ok);
    QCOMPARE(read, count);
    QCOMPARE(error, message);
}

void TestXml::header_data()
{
    // clang-format off
    QTest::addColumn<QString>("appname");
    QTest::addColumn<QString>("appversion");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("namesAfter");
    QTest::addColumn<QStringList>("versionsAfter");
    const QStringList self{QStringLiteral("Waylore")};
    const QStringList current{QStringLiteral("4.10.0")};
    QTest::newRow("own text") << "Waylore" << "4.10.0" << self << QStringList() << true << QString() << self << QStringList();
    QTest::newRow("other program") << "Planner" << "4.10.0" << self << QStringList() << false
                                   << "This file has been generated with Planner, it can not be opened!"
                                   << QStringList{QStringLiteral("Planner")} << QStringList();
    QTest::newRow("older version, any accepted") << "Waylore" << "3.0.1" << self << QStringList() << true << QString()
                                                 << self << QStringList();
    QTest::newRow("older version, current only") << "Waylore" << "3.0.1" << self << current << false
                                                 << "This file has been generated with incompatible version 3.0.1, it can not be opened!"
                                                 << self << QStringList{QStringLiteral("3.0.1")};
    QTest::newRow("no lists") << "Other" << "1" << QStringList() << QStringList() << true << QString() << QStringList()
                              << QStringList();
    // clang-format on
}

void TestXml::header()
{
    QFETCH(QString, appname);
    QFETCH(QString, appversion);
    QFETCH(QStringList, names);
    QFETCH(QStringList, versions);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    QFETCH(QStringList, namesAfter);
    QFETCH(QStringList, versionsAfter);
    const QString text = document(QString(), appname, appversion);
    QString error;
    XmlStreamReader reader(text, &error);
    QCOMPARE(reader.readHeader(&names, &versions), ok);
    QCOMPARE(error, message);
    QCOMPARE(names, namesAfter);
    QCOMPARE(versions, versionsAfter);
}

void TestXml::notADocument_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "Error expecting XML document at line 1!";
    QTest::newRow("blank lines") << "\n\n" << "Error expecting <content> start element at line 3!";
    QTest::newRow("plain text") << "I\n1100 Version\nADEP EDDF\n" << "Error expecting <content> start element at line 1!";
    QTest::newRow("other root") << "<?xml version=\"1.0\"?>\n<plan/>" << "Error expecting <content> start element at line 2!";
    QTest::newRow("binary") << QString::fromLatin1("\x01\x02\x03garbage") << "Error expecting <content> start element at line 1!";
    // clang-format on
}

void TestXml::notADocument()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QString error;
    XmlStreamReader reader(text, &error);
    QStringList names{QStringLiteral("Waylore")};
    QVERIFY(!reader.readHeader(&names, nullptr));
    QCOMPARE(error, message);
}

void TestXml::skipsCommentsAndStrayText()
{
    const QString text = document(QStringLiteral("<!-- note -->\n\n  stray text\n<a>1</a>\n<!-- x --><b>two</b>"));
    QString error;
    XmlStreamReader reader(text, &error);
    int a = 0;
    QString b;
    QVERIFY(reader.readHeader());
    QVERIFY2(reader.readInt(QStringLiteral("a"), &a), qPrintable(error));
    QVERIFY2(reader.readString(QStringLiteral("b"), &b), qPrintable(error));
    QVERIFY2(reader.readFooter(), qPrintable(error));
    QCOMPARE(a, 1);
    QCOMPARE(b, QStringLiteral("two"));
}

void TestXml::textInPieces_data()
{
    // clang-format off
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("value");
    QTest::newRow("cdata after text") << "<s>ab<![CDATA[<c>]]>d</s>" << "ab<c>d";
    QTest::newRow("comment inside") << "<s>ab<!-- note -->cd</s>" << "abcd";
    QTest::newRow("only a comment") << "<s><!-- note --></s>" << "";
    QTest::newRow("entities") << "<s>R&amp;D &lt;x&gt;</s>" << "R&D <x>";
    // clang-format on
}

// A hand-edited file may split a value: every piece of it is the value, none is dropped.
void TestXml::textInPieces()
{
    QFETCH(QString, element);
    QFETCH(QString, value);
    QString error;
    XmlStreamReader reader(document(element + QStringLiteral("<n>7</n>")), &error);
    QString read = QStringLiteral("old");
    int n = 0;
    QVERIFY(reader.readHeader());
    QVERIFY2(reader.readString(QStringLiteral("s"), &read), qPrintable(error));
    QCOMPARE(read, value);
    QVERIFY2(reader.readInt(QStringLiteral("n"), &n), qPrintable(error));
    QCOMPARE(n, 7);
    QVERIFY2(reader.readFooter(), qPrintable(error));
}

void TestXml::truncatedDocumentFails()
{
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writer.writeListStart(QStringLiteral("waypoints"), 2);
    writer.writeString(QStringLiteral("name"), QStringLiteral("ABC"));
    writer.writeString(QStringLiteral("name"), QStringLiteral("DEF"));
    writer.writeListEnd(QStringLiteral("waypoints"));
    writer.writeFooter();
    const QString truncated = text.left(text.indexOf(QStringLiteral("DEF")) + 1);

    QString error;
    XmlStreamReader reader(truncated, &error);
    int count = 0;
    QString name;
    QVERIFY(reader.readHeader());
    QVERIFY(reader.readListStart(QStringLiteral("waypoints"), &count));
    QVERIFY(reader.readString(QStringLiteral("name"), &name));
    const bool ok = reader.readString(QStringLiteral("name"), &name) && reader.readListEnd(QStringLiteral("waypoints"))
                    && reader.readFooter();
    QVERIFY(!ok);
    QVERIFY2(error.contains(QStringLiteral("line 5")), qPrintable(error));
}

void TestXml::trailingContentFails()
{
    const QString text = document(QString()) + QStringLiteral("<more/>");
    QString error;
    XmlStreamReader reader(text, &error);
    QVERIFY(reader.readHeader());
    QVERIFY(!reader.readFooter());
    QVERIFY2(error.startsWith(QStringLiteral("End of document was expected at line")), qPrintable(error));
}

void TestXml::nullValuePointer()
{
    const QString text = document(QStringLiteral("<v>1</v>"));
    QString error;
    XmlStreamReader reader(text, &error);
    QVERIFY(reader.readHeader());
    QVERIFY(!reader.readInt(QStringLiteral("v"), nullptr));
    QVERIFY(error.isEmpty());
}

QTEST_GUILESS_MAIN(TestXml)
#include "tst_xml.moc"
