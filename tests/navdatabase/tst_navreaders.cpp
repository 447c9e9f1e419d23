#include "airport.h"
#include "awyreader.h"
#include "basemodel.h"
#include "database.h"
#include "fixreader.h"
#include "graph.h"
#include "navreader.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGeoCoordinate>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using TestSupport::capturedMessages;
using TestSupport::capturedStartingWith;
using TestSupport::recordOf;

namespace {

// What a point holds, read back through its database record.
struct Fields
{
    QString code;
    QGeoCoordinate position;
    QString terminal;
    QString region;
    QString name;
    qint8 type = 0;
    qint16 elevation = 0;
    float frequency = 0.0f;
    QString waypointType;
};

Fields fieldsOf(const Point *point)
{
    const QByteArray bytes = recordOf(*point);
    Fields f;
    QDataStream in(bytes);
    in >> f.code >> f.position >> f.terminal >> f.region >> f.name >> f.type >> f.elevation >> f.frequency
        >> f.waypointType;
    return f;
}

QString defaultData(const QString &file)
{
    return TestSupport::dataPath(QStringLiteral("xplane/Resources/default data/") + file);
}

QString customData(const QString &file)
{
    return TestSupport::dataPath(QStringLiteral("xplane/Custom Data/") + file);
}

QStringList uids()
{
    QStringList list;
    for (const Point *point : Database::instance()->pointModel()->items())
        list.append(point->uid());
    return list;
}

} // namespace

class TestNavReaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void earthFixFile();
    void earthFix1200WithCrLf();
    void header_data();
    void header();
    void rows_data();
    void rows();
    void hugeLineAndBinaryContent();
    void waypointType_data();
    void waypointType();
    void progressEvery100_data();
    void progressEvery100();
    void userFix();
    void missingFiles();

    void navFile();
    void navRows_data();
    void navRows();
    void localizerOntoRunway();

    void awyFile();
    void awyRows_data();
    void awyRows();
    void awyMissingEndGivesNoProgress();
    void awyNamesakes_data();
    void awyNamesakes();

    void cancelStopsReading();

private:
    QString write(const QByteArray &content);
    int readFix(const QByteArray &content, QStringList *progress = nullptr, QString *cycle = nullptr);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_files = 0;
};

void TestNavReaders::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
}

void TestNavReaders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_database->clear();
    TestSupport::captureMessages();
}

void TestNavReaders::cleanup()
{
    TestSupport::releaseMessages();
}

QString TestNavReaders::write(const QByteArray &content)
{
    return TestSupport::writeFile(m_dir->filePath(QStringLiteral("file%1.dat").arg(++m_files)), content);
}

int TestNavReaders::readFix(const QByteArray &content, QStringList *progress, QString *cycle)
{
    FixReader reader(m_database.get(), [progress](const QString &text) {
        if (progress)
            progress->append(text);
    });
    reader.setCycle(QStringLiteral("OLD"));
    const int result = reader.read(write(content));
    if (cycle)
        *cycle = reader.cycle();
    return result;
}

// ---- fix files

void TestNavReaders::earthFixFile()
{
    FixReader reader(m_database.get(), {});
    QCOMPARE(reader.read(defaultData(QStringLiteral("earth_fix.dat"))), 0);
    QCOMPARE(reader.cycle(), QStringLiteral("2302"));
    QCOMPARE(uids(), QStringList({"K1/ENRT/ALPHA", "K1/ENRT/BRAVO", "K1/ENRT/CHARL", "K1/KXYZ/DELTA", "YM/ENRT/ECHOO",
                                  "K1/ENRT/ABC", "ENRT/FOXTR"}));
    QVERIFY(capturedStartingWith(QStringLiteral("FIX:")).isEmpty());

    const Fields bravo = fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/BRAVO")));
    QCOMPARE(bravo.name, QStringLiteral("BRAVO INTERSECTION"));
    QCOMPARE(bravo.type, qint8(Point::FIX));
    QCOMPARE(bravo.position, QGeoCoordinate(46.6, 7.6));
    QCOMPARE(bravo.waypointType, QStringLiteral("W E") + QChar(0));
    const Fields alpha = fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/ALPHA")));
    QCOMPARE(alpha.name, QStringLiteral("ALPHA"));
    QCOMPARE(alpha.elevation, qint16(0));
    QCOMPARE(alpha.frequency, 0.0f);
    const Fields echo = fieldsOf(Database::findPoint(QStringLiteral("YM/ENRT/ECHOO")));
    QCOMPARE(echo.position, QGeoCoordinate(-33.9, 151.2));
    QCOMPARE(echo.name, QStringLiteral("ECHO"));
    QVERIFY(!capturedStartingWith(QStringLiteral("Loaded 7 FIX points, cycle \"2302\"")).isEmpty());
}

void TestNavReaders::earthFix1200WithCrLf()
{
    QVERIFY(QFile(customData(QStringLiteral("earth_fix.dat"))).open(QIODevice::ReadOnly));
    FixReader reader(m_database.get(), {});
    QCOMPARE(reader.read(customData(QStringLiteral("earth_fix.dat"))), 0);
    QCOMPARE(reader.cycle(), QStringLiteral("2401"));
    QCOMPARE(uids(), QStringList({"K1/ENRT/ALPHA", "K1/ENRT/BRAVO"}));
    // No carriage return sticks to the last field of a row.
    QCOMPARE(fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/BRAVO"))).name, QStringLiteral("BRAVO"));
    QVERIFY(capturedMessages().filter(QStringLiteral("FIX:")).isEmpty());
}

void TestNavReaders::header_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QString>("cycle");
    QTest::addColumn<int>("points");

    const QByteArray row = " 46.5 7.5 ALPHA ENRT K1 0\n";
    QTest::newRow("good") << QByteArray("I\n1101 Version - data cycle 2302, build\n") + row << QStringList() << "2302" << 1;
    QTest::newRow("first line A") << QByteArray("A\n1101 Version - data cycle 2302,\n") + row
                                  << QStringList{"FIX: probable wrong file format!"} << "2302" << 1;
    QTest::newRow("first line with blank") << QByteArray("I \n1101 Version - data cycle 2302,\n") + row
                                           << QStringList{"FIX: probable wrong file format!"} << "2302" << 1;
    QTest::newRow("version 1150") << QByteArray("I\n1150 Version - data cycle 2303, build\n") + row
                                  << QStringList{"FIX: probable wrong file format version! 1150 Version - data cycle 2303, build"}
                                  << "2303" << 1;
    QTest::newRow("five fields") << QByteArray("I\n1101 Version - data cycle\n") + row
                                 << QStringList{"FIX: no data cycle available! 1101 Version - data cycle"} << "OLD" << 1;
    QTest::newRow("double space shifts") << QByteArray("I\n1101  Version - data cycle 2302,\n") + row << QStringList()
                                         << "cycle" << 1;
    QTest::newRow("zero bytes") << QByteArray()
                                << QStringList{"FIX: probable wrong file format!", "FIX: probable wrong file format version! ",
                                               "FIX: no data cycle available! "}
                                << "OLD" << 0;
    QTest::newRow("header only, no 99") << QByteArray("I\n1101 Version - data cycle 2302,") << QStringList() << "2302" << 0;
    QTest::newRow("crlf") << QByteArray("I\r\n1101 Version - data cycle 2302,\r\n 46.5 7.5 ALPHA ENRT K1 0\r\n")
                          << QStringList() << "2302" << 1;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFI\n1101 Version - data cycle 2302,\n") + row
                                     << QStringList() << "2302" << 1;
    // Only LF ends a line: a file with CR alone is one long first line.
    QTest::newRow("lone carriage returns") << QByteArray("I\r1101 Version - data cycle 2302,\r") + row
                                           << QStringList{"FIX: probable wrong file format!",
                                                          "FIX: probable wrong file format version! ",
                                                          "FIX: no data cycle available! "}
                                           << "OLD" << 0;
    // clang-format on
}

void TestNavReaders::header()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, warnings);
    QFETCH(QString, cycle);
    QFETCH(int, points);

    QString found;
    QCOMPARE(readFix(content, nullptr, &found), 0);
    QCOMPARE(capturedStartingWith(QStringLiteral("FIX:")), warnings);
    QCOMPARE(found, cycle);
    QCOMPARE(Database::pointCount(), points);
}

void TestNavReaders::rows_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QStringList>("uids");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("99 in the middle") << QByteArray(" 1 2 A ENRT K1 0\n99\n 1 2 B ENRT K1 0\n")
                                      << QStringList{"K1/ENRT/A", "K1/ENRT/B"} << QStringList();
    QTest::newRow("99 with more fields is a short row") << QByteArray("99 0\n") << QStringList()
                                                        << QStringList{"FIX: ignored QList(99, 0)"};
    QTest::newRow("blank and space-only lines") << QByteArray("\n    \n 1 2 A ENRT K1 0\n\n")
                                                << QStringList{"K1/ENRT/A"} << QStringList();
    QTest::newRow("five fields") << QByteArray("46.5 7.5 ALPHA ENRT K1\n") << QStringList()
                                 << QStringList{"FIX: ignored QList(46.5, 7.5, ALPHA, ENRT, K1)"};
    QTest::newRow("one field") << QByteArray("garbage\n") << QStringList() << QStringList{"FIX: ignored QList(garbage)"};
    QTest::newRow("tabs separate nothing") << QByteArray("46.5\t7.5\tA\tENRT\tK1\t0\n") << QStringList()
                                           << QStringList{"FIX: ignored QList(46.5\t7.5\tA\tENRT\tK1\t0)"};
    QTest::newRow("non-numbers") << QByteArray("north east A ENRT K1 W\n") << QStringList{"K1/ENRT/A"} << QStringList();
    QTest::newRow("last row without line end") << QByteArray(" 1 2 A ENRT K1 0") << QStringList{"K1/ENRT/A"}
                                               << QStringList();
    QTest::newRow("same UID twice") << QByteArray(" 1 2 A ENRT K1 0\n 3 4 A ENRT K1 0\n")
                                    << QStringList{"K1/ENRT/A", "K1/ENRT/A_1"} << QStringList();
    // clang-format on
}

void TestNavReaders::rows()
{
    QFETCH(QByteArray, rows);
    QFETCH(QStringList, uids);
    QFETCH(QStringList, warnings);

    QCOMPARE(readFix(QByteArray("I\n1101 Version - data cycle 2302,\n") + rows), 0);
    QCOMPARE(::uids(), uids);
    QCOMPARE(capturedStartingWith(QStringLiteral("FIX:")), warnings);
    if (QTest::currentDataTag() == QByteArray("non-numbers"))
        QCOMPARE(fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/A"))).position, QGeoCoordinate(0.0, 0.0));
}

// A file that is no text file must neither exhaust memory nor build points from cut rows.
void TestNavReaders::hugeLineAndBinaryContent()
{
    QByteArray huge(8 * 1024 * 1024, 'x');
    for (int i = 0; i < huge.size(); i += 7)
        huge[i] = ' ';
    const QByteArray content = QByteArray("I\n1101 Version - data cycle 2302,\n 1 2 A ENRT K1 0\n") + huge
                               + "\n 1 2 B ENRT K1 0\n" + QByteArray(1 << 20, '\0') + "\n 1 2 C ENRT K1 0\n";
    QCOMPARE(readFix(content), 0);
    QCOMPARE(uids(), QStringList({"K1/ENRT/A", "K1/ENRT/B", "K1/ENRT/C"}));
    const QStringList ignored = capturedStartingWith(QStringLiteral("FIX: ignored"));
    QCOMPARE(ignored.size(), 2);
    QVERIFY(ignored.at(0).size() < 200);
    QVERIFY(ignored.at(1).size() < 200);
}

void TestNavReaders::waypointType_data()
{
    // clang-format off
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("expected");

    const QString nul(QChar(0));
    QTest::newRow("W E") << "4530263" << QStringLiteral("W E") + nul;
    QTest::newRow("V") << "2105430" << QStringLiteral("V  ") + nul;
    QTest::newRow("zero") << "0" << nul + nul + nul + nul;
    QTest::newRow("beyond 32 bits") << "99999999999" << nul + nul + nul + nul;
    QTest::newRow("not a number") << "abc" << nul + nul + nul + nul;
    QTest::newRow("negative") << "-1" << QString::fromUtf8(QByteArray(4, '\xFF'));
    // clang-format on
}

void TestNavReaders::waypointType()
{
    QFETCH(QString, token);
    QFETCH(QString, expected);

    QCOMPARE(readFix(QByteArray("I\n1101 Version - data cycle 2302,\n 1 2 A ENRT K1 ") + token.toLatin1() + "\n"), 0);
    QCOMPARE(fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/A"))).waypointType, expected);
}

void TestNavReaders::progressEvery100_data()
{
    // clang-format off
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("99") << 99 << QStringList();
    QTest::newRow("100") << 100 << QStringList{"Loading fix points: 100"};
    QTest::newRow("250") << 250 << QStringList{"Loading fix points: 100", "Loading fix points: 200"};
    // clang-format on
}

void TestNavReaders::progressEvery100()
{
    QFETCH(int, points);
    QFETCH(QStringList, texts);

    QByteArray content("I\n1101 Version - data cycle 2302,\n");
    for (int i = 0; i < points; ++i) {
        content += " 1 2 F" + QByteArray::number(i) + " ENRT K1 0\n";
        // Rows that yield nothing do not count.
        content += " short row\n";
    }
    QStringList progress;
    QCOMPARE(readFix(content, &progress), 0);
    QCOMPARE(progress, texts);
    QCOMPARE(Database::pointCount(), points);
}

void TestNavReaders::userFix()
{
    FixReader reader(m_database.get(), {}, {}, FixReader::UserFix);
    QCOMPARE(reader.read(customData(QStringLiteral("user_fix.dat"))), 0);
    QCOMPARE(uids(), QStringList({"K1/ENRT/MYFX1", "K1/ENRT/MYFX2"}));
    const Fields second = fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/MYFX2")));
    QCOMPARE(second.name, QStringLiteral("User FIX MYFX2"));
    QCOMPARE(second.waypointType, QStringLiteral("   "));
    QCOMPARE(second.type, qint8(Point::FIX));
    QVERIFY(capturedStartingWith(QStringLiteral("User FIX:")).isEmpty());
    QVERIFY(!capturedStartingWith(QStringLiteral("Loaded 2 User FIX points, cycle")).isEmpty());

    // Its own versions, its own tag, a minimum of five fields, and no cycle taken.
    capturedMessages().clear();
    FixReader again(m_database.get(), {}, {}, FixReader::UserFix);
    QCOMPARE(again.read(write("I\n1100 Version - data cycle\n 1 2 MYFX3 ENRT\n")), 0);
    QCOMPARE(capturedStartingWith(QStringLiteral("User FIX:")),
             QStringList({"User FIX: probable wrong file format version! 1100 Version - data cycle",
                          "User FIX: ignored QList(1, 2, MYFX3, ENRT)"}));
}

void TestNavReaders::missingFiles()
{
    const QString absent = m_dir->filePath(QStringLiteral("absent.dat"));
    FixReader userFix(m_database.get(), {}, {}, FixReader::UserFix);
    QCOMPARE(userFix.read(absent), 0);
    QVERIFY(capturedMessages().isEmpty());

    // A folder by the file's name exists but cannot be opened.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("earth_fix.dat")));
    FixReader fix(m_database.get(), {});
    QCOMPARE(fix.read(m_dir->filePath(QStringLiteral("earth_fix.dat"))), 2);
    QCOMPARE(capturedMessages().size(), 1);
    QVERIFY(capturedMessages().first().startsWith(QStringLiteral("Loading")));

    NavReader nav(m_database.get(), {});
    QCOMPARE(nav.read(absent), 4);
    AwyReader awy(m_database.get(), {});
    QCOMPARE(awy.read(absent), 8);
    QCOMPARE(Database::pointCount(), 0);
}

// ---- navaid file

void TestNavReaders::navFile()
{
    FixReader fixes(m_database.get(), {});
    QCOMPARE(fixes.read(defaultData(QStringLiteral("earth_fix.dat"))), 0);
    NavReader reader(m_database.get(), {});
    QCOMPARE(reader.read(defaultData(QStringLiteral("earth_nav.dat"))), 0);
    QCOMPARE(Database::cycle(), QStringLiteral("2302"));
    QCOMPARE(reader.count(), 3);
    // The VOR and the DME clash with the enroute fix ABC and get UIDs of their own.
    QCOMPARE(uids().mid(7), QStringList({"K1/ENRT/ABN", "K1/ENRT/ABC_1", "K1/ENRT/ABC_1_2"}));

    const Fields ndb = fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/ABN")));
    QCOMPARE(ndb.type, qint8(Point::NDB));
    QCOMPARE(ndb.frequency, 362.0f);
    QCOMPARE(ndb.name, QStringLiteral("ALPINE NDB"));
    const Fields vor = fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/ABC_1")));
    QCOMPARE(vor.type, qint8(Point::VOR));
    QCOMPARE(vor.code, QStringLiteral("ABC"));
    QCOMPARE(vor.terminal, QStringLiteral("ENRT"));
    QCOMPARE(vor.region, QStringLiteral("K1"));
    QCOMPARE(vor.name, QStringLiteral("TEST VOR"));
    QCOMPARE(vor.elevation, qint16(400));
    QCOMPARE(vor.frequency, float(11030 / 100.0));
    QVERIFY(vor.waypointType.isEmpty());
    QCOMPARE(fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/ABC_1_2"))).type, qint8(Point::DME));
    QVERIFY(capturedStartingWith(QStringLiteral("NAV:")).isEmpty());
    QVERIFY(!capturedStartingWith(QStringLiteral("Loaded 3 NAV points, cycle \"2302\"")).isEmpty());
}

void TestNavReaders::navRows_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("uids");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QString>("cycle");

    const QByteArray head("I\n1150 Version - data cycle 2302, build\n");
    QTest::newRow("version 1000") << QByteArray("I\n1000 Version - data cycle 2302,\n 3 1 2 0 11030 0 0 A ENRT K1 N\n")
                                  << QStringList{"K1/ENRT/A"}
                                  << QStringList{"NAV: probable wrong file format version! 1000 Version - data cycle 2302,"}
                                  << "2302";
    QTest::newRow("version 1200") << QByteArray("I\n1200 Version - data cycle 2401,\n") << QStringList() << QStringList()
                                  << "2401";
    QTest::newRow("no cycle keeps the old") << QByteArray("I\n1150 Version\n") << QStringList()
                                            << QStringList{"NAV: no data cycle available! 1150 Version"} << "OLD";
    QTest::newRow("ten fields") << head + " 3 1 2 0 11030 0 0 A ENRT K1\n" << QStringList()
                                << QStringList{"NAV: ignored QList(3, 1, 2, 0, 11030, 0, 0, A, ENRT, K1)"} << "2302";
    QTest::newRow("other codes silent") << head + " 5 1 2 0 11030 0 0 L XXXX K1 13R LOC\n 12 1 2 0 11030 0 0 D XXXX K1 13R D\n"
                                                   "x 1 2 0 11030 0 0 D ENRT K1 N\n"
                                        << QStringList() << QStringList() << "2302";
    QTest::newRow("localizer without airport silent") << head + " 4 1 2 0 11030 0 0 I NONE K1 13R ILS\n" << QStringList()
                                                      << QStringList() << "2302";
    QTest::newRow("elevation above 32767") << head + " 2 1 2 40000 362 0 0 N ENRT K1 HIGH NDB\n"
                                           << QStringList{"K1/ENRT/N"} << QStringList() << "2302";
    QTest::newRow("short row between") << head + " 2 1 2 0 362 0 0 N ENRT K1 A\n 3 1 2\n 2 1 2 0 362 0 0 M ENRT K1 B\n"
                                       << QStringList{"K1/ENRT/N", "K1/ENRT/M"}
                                       << QStringList{"NAV: ignored QList(3, 1, 2)"} << "2302";
    // clang-format on
}

void TestNavReaders::navRows()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, uids);
    QFETCH(QStringList, warnings);
    QFETCH(QString, cycle);

    Database::setCycle(QStringLiteral("OLD"));
    NavReader reader(m_database.get(), {});
    QCOMPARE(reader.read(write(content)), 0);
    QCOMPARE(::uids(), uids);
    QCOMPARE(capturedStartingWith(QStringLiteral("NAV:")), warnings);
    QCOMPARE(Database::cycle(), cycle);
    if (QTest::currentDataTag() == QByteArray("elevation above 32767"))
        QCOMPARE(fieldsOf(Database::findPoint(QStringLiteral("K1/ENRT/N"))).elevation, qint16(32767));
}

void TestNavReaders::localizerOntoRunway()
{
    auto *airport = new Airport(QStringLiteral("KXYZ"), QStringLiteral("Test field"), 410);
    m_database->addPoint(airport);
    auto *runway = new Runway(QStringLiteral("KXYZ"), QGeoCoordinate(46.91, 7.91), QStringLiteral("13R"), 0.0f,
                              QGeoCoordinate(46.90, 7.93), QStringLiteral("31L"), 0.0f, 45.0f, 1, 0, 0);
    m_database->addRunway(runway);

    QStringList progress;
    QByteArray content("I\n1150 Version - data cycle 2302,\n");
    content += " 4 46.91 7.91 410 10950 18 134.0 IXY KXYZ K1 13R\n"; // eleven fields: no text
    content += " 4 46.92 7.92 410 11030 18 314.0 IZY KXYZ K1 31L ILS-cat-I\n";
    for (int i = 0; i < 150; ++i)
        content += " 3 1 2 0 11030 0 0 V" + QByteArray::number(i) + " ENRT K1 VOR\n";
    for (int i = 0; i < 100; ++i)
        content += " 4 46.91 7.91 410 10950 18 134.0 IXY KXYZ K1 13R\n";
    content += " 4 46.91 7.91 410 11110 18 134.0 IXY KXYZ K1 13R ILS   cat   II\n";
    NavReader reader(m_database.get(), [&progress](const QString &text) { progress.append(text); });
    QCOMPARE(reader.read(write(content)), 0);

    QCOMPARE(progress, QStringList({"Loading nav points: 100"}));
    QCOMPARE(reader.count(), 150);
    // A later localizer row of the same end overwrites the earlier one.
    QCOMPARE(runway->ilsFrequency(0), float(11110 / 100.0));
    QCOMPARE(runway->ilsIdent(0), QStringLiteral("ILS cat II"));
    QCOMPARE(runway->ilsFrequency(1), float(11030 / 100.0));
    QCOMPARE(runway->ilsIdent(1), QStringLiteral("ILS-cat-I"));
    QVERIFY(!capturedStartingWith(QStringLiteral("Loaded 150 NAV points")).isEmpty());
}

// ---- airway file

void TestNavReaders::awyFile()
{
    FixReader fixes(m_database.get(), {});
    QCOMPARE(fixes.read(defaultData(QStringLiteral("earth_fix.dat"))), 0);
    capturedMessages().clear();
    AwyReader reader(m_database.get(), {});
    QCOMPARE(reader.read(defaultData(QStringLiteral("earth_awy.dat"))), 0);
    QCOMPARE(reader.cycle(), QStringLiteral("2302"));

    const QList<Segment *> &segments = m_database->segmentModel()->items();
    QCOMPARE(segments.size(), 4);
    const Segment *j = segments.at(0);
    QCOMPARE(j->from()->uid(), QStringLiteral("K1/ENRT/ALPHA"));
    QCOMPARE(j->to()->uid(), QStringLiteral("K1/ENRT/BRAVO"));
    QCOMPARE(j->direction(), int(Segment::FORWARD));
    QCOMPARE(j->type(), int(Segment::HIGH));
    QCOMPARE(j->minLevel(), 180);
    QCOMPARE(j->maxLevel(), 450);
    QCOMPARE(j->name(), QStringLiteral("J1-J2"));
    QCOMPARE(segments.at(1)->direction(), int(Segment::NONE));
    QCOMPARE(segments.at(1)->type(), int(Segment::LOW));
    QCOMPARE(segments.at(2)->direction(), int(Segment::BACKWARD));
    QCOMPARE(segments.at(3)->from()->uid(), QStringLiteral("ENRT/FOXTR"));
    QCOMPARE(segments.at(3)->direction(), int(Segment::NONE));
    QCOMPARE(segments.at(3)->type(), 3);
    QCOMPARE(segments.at(3)->name(), QStringLiteral("V5"));

    QCOMPARE(capturedMessages().filter(QStringLiteral("Backward routes are not handled!")).size(), 1);
    // The database warns for the UID, then the reader for the row.
    QStringList missing = capturedStartingWith(QStringLiteral("AWY:"));
    QCOMPARE(missing.size(), 3);
    // V2 names ABC a VOR; the data has only the fix ABC, which the airway still joins.
    QVERIFY(missing.takeFirst().contains(QStringLiteral("\"V2\" end \"K1/ENRT/ABC\" of kind 3")));
    QCOMPARE(segments.at(2)->to()->type(), int(Point::FIX));
    QVERIFY(missing.at(0).contains(QStringLiteral("\"V3\" p0")));
    QVERIFY(missing.at(0).contains(QStringLiteral("\"K1/ENRT/ALPHA\" or p1 QObject(0x0) \"K1/ENRT/NOPE\" not found")));
    QVERIFY(missing.at(1).contains(QStringLiteral("\"K1/ENRT/DELTA\"")));
    const int databaseWarning
        = capturedMessages().indexOf(QStringLiteral("Point with UID \"K1/ENRT/NOPE\" not found in database!"));
    QVERIFY(databaseWarning >= 0);
    QVERIFY(databaseWarning < capturedMessages().indexOf(missing.at(0)));
}

void TestNavReaders::awyRows_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("minLevel");
    QTest::addColumn<QString>("warning");

    QTest::newRow("F") << QByteArray("A K1 11 B K1 11 F 2 180 450 J1") << int(Segment::FORWARD) << 2 << 180 << QString();
    QTest::newRow("N") << QByteArray("A K1 11 B K1 11 N 1 180 450 J1") << int(Segment::NONE) << 1 << 180 << QString();
    QTest::newRow("lower-case f") << QByteArray("A K1 11 B K1 11 f 1 180 450 J1") << int(Segment::NONE) << 1 << 180
                                  << QString();
    QTest::newRow("B") << QByteArray("A K1 11 B K1 11 B 1 180 450 J1") << int(Segment::BACKWARD) << 1 << 180
                       << QStringLiteral("Backward routes are not handled!");
    QTest::newRow("non-numbers") << QByteArray("A K1 11 B K1 11 F high low 450 J1") << int(Segment::FORWARD) << 0 << 0
                                 << QString();
    QTest::newRow("ten fields") << QByteArray("A K1 11 B K1 11 F 2 180 450") << -9 << 0 << 0
                                << QStringLiteral("AWY: ignored QList(A, K1, 11, B, K1, 11, F, 2, 180, 450)");
    // clang-format on
}

void TestNavReaders::awyRows()
{
    QFETCH(QByteArray, row);
    QFETCH(int, direction);
    QFETCH(int, type);
    QFETCH(int, minLevel);
    QFETCH(QString, warning);

    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(1, 2), "A", "ENRT", "K1", "A", 0, 0.0f, QString()));
    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(1, 3), "B", "ENRT", "K1", "B", 0, 0.0f, QString()));
    AwyReader reader(m_database.get(), {});
    QCOMPARE(reader.read(write(QByteArray("I\n1200 Version - data cycle 2302,\n") + row + "\n")), 0);
    QCOMPARE(capturedStartingWith(QStringLiteral("AWY:")).first(),
             QStringLiteral("AWY: probable wrong file format version! 1200 Version - data cycle 2302,"));
    QCOMPARE(reader.cycle(), QStringLiteral("2302"));
    if (!warning.isEmpty())
        QVERIFY(capturedMessages().contains(warning));
    if (direction == -9) {
        QCOMPARE(Database::segmentCount(), 0);
        return;
    }
    QCOMPARE(Database::segmentCount(), 1);
    const Segment *segment = Database::segmentAt(0);
    QCOMPARE(segment->direction(), direction);
    QCOMPARE(segment->type(), type);
    QCOMPARE(segment->minLevel(), minLevel);
}

void TestNavReaders::awyMissingEndGivesNoProgress()
{
    QByteArray fixes("I\n1101 Version - data cycle 2302,\n");
    QByteArray airways("I\n1101 Version - data cycle 2302,\n");
    for (int i = 0; i <= 100; ++i)
        fixes += " 1 2 P" + QByteArray::number(i) + " ENRT K1 0\n";
    for (int i = 0; i < 100; ++i) {
        const QByteArray to = i == 50 ? "MISSING" : "P" + QByteArray::number(i + 1);
        airways += "P" + QByteArray::number(i) + " K1 11 " + to + " K1 11 N 1 50 180 V9\n";
    }
    QCOMPARE(readFix(fixes), 0);
    QStringList progress;
    AwyReader reader(m_database.get(), [&progress](const QString &text) { progress.append(text); });
    QCOMPARE(reader.read(write(airways)), 0);
    QCOMPARE(Database::segmentCount(), 99);
    QVERIFY(progress.isEmpty());
}

// Fixes of one ident, region and type may lie oceans apart; a row joins those nearest each other,
// and the rows of one airway meet at one of them (the route graph goes through it: "UID=edges").
void TestNavReaders::awyNamesakes_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<double>("fromLatitude");
    QTest::addColumn<double>("toLatitude");
    QTest::addColumn<QStringList>("through");

    QTest::newRow("second namesake nearer") << QByteArray("LOA SC 11 SAREG SC 11 N 2 245 450 UL550") << -22.5 << -21.288333 << QStringList();
    QTest::newRow("namesake first") << QByteArray("SAREG SC 11 LOA SC 11 N 2 245 450 UL550") << -21.288333 << -22.5 << QStringList();
    QTest::newRow("first namesake nearer") << QByteArray("PAC SC 11 SAREG SC 11 N 2 245 450 UL550") << -18.0 << -19.0 << QStringList();
    // 1 degree apart at 10N beats every other pair (10 degrees at 40N and more).
    QTest::newRow("both ends namesakes") << QByteArray("TWIN K1 11 PAIR K1 11 N 1 50 180 V7") << 10.0 << 11.0 << QStringList();
    QTest::newRow("both, other order") << QByteArray("PAIR K1 11 TWIN K1 11 N 1 50 180 V7") << 11.0 << 10.0 << QStringList();
    QTest::newRow("other region alone") << QByteArray("LOA SC 11 SAREG SK 11 N 2 245 450 UL550") << -22.5 << 60.0 << QStringList();
    // A VOR namesake of the fix is of another kind and does not count.
    QTest::newRow("kind first") << QByteArray("LOA SC 3 SAREG SC 11 N 2 245 450 UL550") << 0.5 << -21.288333 << QStringList();
    // Two VORs 0.1 NM apart: OPOKA and KUDIM lie nearer the second, but each airway's legs are
    // shortest through the first (27.15 against 27.25 NM for G3, 28.34 against 28.44 for B8).
    QTest::newRow("namesakes close together")
        << QByteArray("AMDOR UM 11 WKL UM 3 N 1 50 250 G3\nWKL UM 3 OPOKA UM 11 N 1 50 250 G3\n"
                      "OLAGO UM 11 WKL UM 3 N 1 50 250 B8\nWKL UM 3 KUDIM UM 11 N 1 50 250 B8")
        << 56.38 << 56.38 << QStringList{"UM/ENRT/WKL=4", "UM/ENRT/WKL_1=0"};
    // Namesakes 0.1 NM apart are one place: G3 (0.10 NM shorter through the first) and R1 (0.18
    // NM shorter through the second) meet at the second.
    QTest::newRow("airways crossing at close namesakes")
        << QByteArray("AMDOR UM 11 WKL UM 3 N 1 50 250 G3\nWKL UM 3 OPOKA UM 11 N 1 50 250 G3\n"
                      "BELKO UM 11 WKL UM 3 N 1 50 250 R1\nWKL UM 3 SOKOL UM 11 N 1 50 250 R1")
        << 56.38 << 56.38 << QStringList{"UM/ENRT/WKL_1=4", "UM/ENRT/WKL=0"};
    // A leg of two airways is a leg of each.
    QTest::newRow("joined names")
        << QByteArray("AMDOR UM 11 WKL UM 3 N 1 50 250 R984-UR984\nWKL UM 3 OPOKA UM 11 N 1 50 250 R984")
        << 56.38 << 56.38 << QStringList{"UM/ENRT/WKL=2"};
    // JANNT at 178.26 E and W: 169 NM through the eastern one, 217 through the western one,
    // which lies nearer the second leg's other end.
    QTest::newRow("across the antimeridian")
        << QByteArray("ADAKE PA 11 JANNT PA 11 N 1 50 180 T227\nJANNT PA 11 BORIS PA 11 N 1 50 180 T227")
        << 52.0 << 52.0 << QStringList{"PA/ENRT/JANNT=2", "PA/ENRT/JANNT_1=0"};
    // Three namesake pairs in a row across the Bering Strait: 142 NM by the chain of the first
    // of each, 283 at best by any other; row by row, ABINA-BC joined the nearest pair, both second.
    QTest::newRow("namesakes along an airway")
        << QByteArray("VALDA UH 11 ABINA UH 11 N 1 50 180 G212\nABINA UH 11 BC UH 11 N 1 50 180 G212\n"
                      "BC UH 11 GIRLO UH 11 N 1 50 180 G212\nGIRLO UH 11 VEDLA UH 11 N 1 50 180 G212")
        << 65.0 << 65.5 << QStringList{"UH/ENRT/ABINA=2", "UH/ENRT/BC=2", "UH/ENRT/GIRLO=2", "UH/ENRT/BC_1=0"};
    // The same three closing a loop: 141 NM round the first of each, 222 at best otherwise.
    QTest::newRow("namesakes round a loop")
        << QByteArray("ABINA UH 11 BC UH 11 N 1 50 180 G213\nBC UH 11 GIRLO UH 11 N 1 50 180 G213\n"
                      "GIRLO UH 11 ABINA UH 11 N 1 50 180 G213")
        << 65.5 << 66.0 << QStringList{"UH/ENRT/ABINA=2", "UH/ENRT/BC=2", "UH/ENRT/GIRLO=2", "UH/ENRT/ABINA_1=0"};
    // Along the legs from ARTAS the southern BELOT is nearer (60 against 61.2 NM), but the loop
    // closes through CIRSO, 1.2 NM from the northern one: 122.4 NM round, 240 by the southern.
    QTest::newRow("loop shorter than its first choice")
        << QByteArray("ARTAS LG 11 BELOT LG 11 N 1 50 180 V8\nBELOT LG 11 CIRSO LG 11 N 1 50 180 V8\n"
                      "CIRSO LG 11 ARTAS LG 11 N 1 50 180 V8")
        << 40.0 << 41.02 << QStringList();
    // clang-format on
}

void TestNavReaders::awyNamesakes()
{
    QFETCH(QByteArray, row);
    QFETCH(double, fromLatitude);
    QFETCH(double, toLatitude);
    QFETCH(QStringList, through);

    QCOMPARE(readFix("I\n1101 Version - data cycle 2302,\n"
                     "-19.000000000 -120.000000000 SAREG ENRT SC 0\n"
                     "-21.288333000  -70.252500000 SAREG ENRT SC 0\n"
                     " 60.000000000  -70.252500000 SAREG ENRT SK 0\n"
                     "-22.500000000  -68.900000000 LOA ENRT SC 0\n"
                     "-18.000000000 -121.000000000 PAC ENRT SC 0\n"
                     " 40.000000000   40.000000000 TWIN ENRT K1 0\n"
                     " 10.000000000   10.000000000 TWIN ENRT K1 0\n"
                     " 11.000000000   10.000000000 PAIR ENRT K1 0\n"
                     " 50.000000000   40.000000000 PAIR ENRT K1 0\n"
                     " 56.380000000   30.000000000 AMDOR ENRT UM 0\n"
                     " 56.500000000   30.603000000 OPOKA ENRT UM 0\n"
                     " 56.300000000   30.000000000 OLAGO ENRT UM 0\n"
                     " 56.250000000   30.603000000 KUDIM ENRT UM 0\n"
                     " 52.000000000  177.500000000 ADAKE ENRT PA 0\n"
                     " 52.000000000  178.260000000 JANNT ENRT PA 0\n"
                     " 52.000000000 -178.260000000 JANNT ENRT PA 0\n"
                     " 53.000000000 -178.260000000 BORIS ENRT PA 0\n"
                     " 65.000000000  178.000000000 VALDA ENRT UH 0\n"
                     " 65.500000000  179.000000000 ABINA ENRT UH 0\n"
                     " 65.500000000 -176.000000000 ABINA ENRT UH 0\n"
                     " 66.000000000  179.800000000 BC ENRT UH 0\n"
                     " 66.000000000 -176.100000000 BC ENRT UH 0\n"
                     " 66.500000000 -179.500000000 GIRLO ENRT UH 0\n"
                     " 66.500000000  176.000000000 GIRLO ENRT UH 0\n"
                     " 67.000000000 -179.000000000 VEDLA ENRT UH 0\n"
                     " 56.380000000   31.200000000 BELKO ENRT UM 0\n"
                     " 56.200000000   31.000000000 SOKOL ENRT UM 0\n"
                     " 40.000000000    0.000000000 ARTAS ENRT LG 0\n"
                     " 60.000000000    0.000000000 ARTAS ENRT LG 0\n"
                     " 39.000000000    0.000000000 BELOT ENRT LG 0\n"
                     " 41.020000000    0.000000000 BELOT ENRT LG 0\n"
                     " 41.000000000    0.000000000 CIRSO ENRT LG 0\n"
                     " 60.000000000   20.000000000 CIRSO ENRT LG 0\n"),
             0);
    m_database->addPoint(
        new Point(Point::VOR, QGeoCoordinate(0.5, -70), "LOA", "ENRT", "SC", "LOA", 0, 116.0f, QString()));
    for (const double longitude : {30.6, 30.603})
        m_database->addPoint(
            new Point(Point::VOR, QGeoCoordinate(56.38, longitude), "WKL", "ENRT", "UM", "WKL", 0, 115.6f, QString()));
    AwyReader reader(m_database.get(), {});
    QCOMPARE(reader.read(write(QByteArray("I\n1101 Version - data cycle 2302,\n") + row + "\n")), 0);
    QVERIFY2(Database::segmentCount() == row.count('\n') + 1, qPrintable(capturedMessages().join(QLatin1Char('\n'))));
    const Segment *segment = Database::segmentAt(0);
    QCOMPARE(segment->from()->latitude(), fromLatitude);
    QCOMPARE(segment->to()->latitude(), toLatitude);
    const std::shared_ptr<const Routing::Graph> graph = m_database->routingGraph();
    QVERIFY(graph);
    for (const QString &entry : std::as_const(through)) {
        const QString uid = entry.section(QLatin1Char('='), 0, 0);
        const int node = graph->nodeOf(uid);
        QVERIFY2(node >= 0, qPrintable(entry));
        QCOMPARE(uid + QLatin1Char('=') + QString::number(graph->adjacency.at(size_t(node)).size()), entry);
    }
}

// The loader's destructor asks the readers to stop; they end the file early.
void TestNavReaders::cancelStopsReading()
{
    QByteArray content("I\n1101 Version - data cycle 2302,\n");
    for (int i = 0; i < 5000; ++i)
        content += " 1 2 F" + QByteArray::number(i) + " ENRT K1 0\n";
    int asked = 0;
    FixReader reader(m_database.get(), {}, [&asked]() { return ++asked >= 2; });
    QCOMPARE(reader.read(write(content)), 0);
    QVERIFY(Database::pointCount() > 0);
    QVERIFY(Database::pointCount() < 5000);
}

QTEST_GUILESS_MAIN(TestNavReaders)
#include "tst_navreaders.moc"
