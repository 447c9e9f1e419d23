#include "airport.h"
#include "basemodel.h"
#include "cifploader.h"
#include "database.h"
#include "procedure.h"
#include "record.h"
#include "settings.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

// Every field of a leg, for comparisons that say which field differs.
QString fields(const Record &r)
{
    return QStringLiteral("seq=%1 route=%2 trans=%3 fix=%4 navaid=%5 terminal=%6 region=[%7] desc=%8 turn=%9")
               .arg(r.sequence())
               .arg(r.routeType())
               .arg(r.transition(), r.fixIdentifier(), r.navaidIdentifier(), r.terminal(), r.region())
               .arg(r.description(), 8, 16, QLatin1Char('0'))
               .arg(r.turnDirection())
           + QStringLiteral(" pt=%1 course=%2 dist=%3 time=%4 altdesc=%5 alt=%6/%7 ta=%8 speed=%9")
                 .arg(r.pathTerminator())
                 .arg(r.course())
                 .arg(double(r.distance()))
                 .arg(r.isTime())
                 .arg(r.altitudeDescription())
                 .arg(r.altitude1())
                 .arg(r.altitude2())
                 .arg(r.transitionAltitude())
                 .arg(r.speed())
           + QStringLiteral(" radius=%1 theta=%2 kinds=%3/%4")
                 .arg(double(r.arcRadius()))
                 .arg(r.theta())
                 .arg(r.fixKind())
                 .arg(r.navaidKind());
}

quint32 d(const char *code)
{
    return Record::descriptionFromString(QString::fromLatin1(code));
}

// The expected leg, with the blank values of the columns a test line leaves empty.
Record expect(int sequence, int routeType, const char *transition, const char *fix, const char *navaid,
              const char *terminal, const char *region, const char *description, int turn, int pathTerminator,
              int course = -1, double distance = 0.0, int isTime = 0, int altitudeDescription = 2, int altitude1 = -1,
              int altitude2 = -1, int transitionAltitude = -1, int speed = 0, double arcRadius = 0.0, int theta = -1)
{
    return Record(sequence, routeType, QString::fromLatin1(transition), QString::fromLatin1(fix),
                  QString::fromLatin1(navaid), QString::fromLatin1(terminal), QString::fromLatin1(region),
                  d(description), turn, pathTerminator, course, distance, isTime, altitudeDescription, altitude1,
                  altitude2, transitionAltitude, speed, arcRadius, theta);
}

// The kinds of fix and navaid the section codes of the line give.
Record withKinds(int fixKind, int navaidKind, Record record)
{
    record.setKinds(fixKind, navaidKind);
    return record;
}

} // namespace

Q_DECLARE_METATYPE(Record)

class TestCifpLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void missingFileAddsNothing();
    void emptyFileAddsNothing();
    void nullAirport();
    void proceduresOfAFile();
    void legs_data();
    void legs();
    void transitionsOfAFile();
    void malformedLines();
    void grouping();
    void databaseQueries();

private:
    QList<Procedure *> loaded(const QString &code);
    QList<Procedure *> procedures() const;

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<CifpLoader> m_loader;
};

void TestCifpLoader::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    m_loader = std::make_unique<CifpLoader>(m_database.get());
    m_loader->setPath(TestSupport::dataPath(QStringLiteral("cifp")));
    QCOMPARE(m_loader->path(), TestSupport::dataPath(QStringLiteral("cifp")));
}

void TestCifpLoader::init()
{
    m_database->clear();
}

QList<Procedure *> TestCifpLoader::procedures() const
{
    return m_database->procedureModel()->items();
}

// Loads the file of the airport with that code into the emptied database.
QList<Procedure *> TestCifpLoader::loaded(const QString &code)
{
    m_database->clear();
    Airport airport(code, code, 0);
    if (!m_loader->load(&airport))
        return {};
    return procedures();
}

void TestCifpLoader::missingFileAddsNothing()
{
    Airport airport(QStringLiteral("XNON"), QStringLiteral("No file"), 0);
    QVERIFY(m_loader->load(&airport));
    QVERIFY(procedures().isEmpty());

    CifpLoader nowhere(m_database.get());
    nowhere.setPath(QStringLiteral("/nonexistent/folder"));
    QVERIFY(nowhere.load(&airport));
    QVERIFY(procedures().isEmpty());

    // A pipe in the folder would hold the import for good.
    QTemporaryDir folder;
    QCOMPARE(mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("XNON.dat"))).constData(), 0600), 0);
    nowhere.setPath(folder.path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("XNON.dat skipped: .+ a pipe, not a file")));
    QVERIFY(nowhere.load(&airport));
    QVERIFY(procedures().isEmpty());
}

void TestCifpLoader::emptyFileAddsNothing()
{
    Airport airport(QStringLiteral("XEMP"), QStringLiteral("Empty file"), 0);
    QVERIFY(m_loader->load(&airport));
    QVERIFY(procedures().isEmpty());
}

void TestCifpLoader::nullAirport()
{
    QVERIFY(!m_loader->load(nullptr));
    QVERIFY(procedures().isEmpty());
}

void TestCifpLoader::proceduresOfAFile()
{
    const QList<Procedure *> all = loaded(QStringLiteral("EDDF"));
    QCOMPARE(all.size(), 4);
    const QStringList uids = {all.at(0)->uid(), all.at(1)->uid(), all.at(2)->uid(), all.at(3)->uid()};
    QCOMPARE(uids, (QStringList{"EDDF/ANEK1A", "EDDF/KERA2B", "EDDF/I25L", "EDDF/D07"}));
    QCOMPARE(all.at(0)->type(), int(Procedure::SID));
    QCOMPARE(all.at(1)->type(), int(Procedure::STAR));
    QCOMPARE(all.at(2)->type(), int(Procedure::APPCH));
    QCOMPARE(all.at(3)->type(), int(Procedure::APPCH));
    QCOMPARE(all.at(0)->airport(), QStringLiteral("EDDF"));
    QCOMPARE(Database::findProcedure(QStringLiteral("EDDF/I25L"), false), all.at(2));
}

void TestCifpLoader::legs_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<Record>("expected");

    using R = Record;
    // SID: runway transition, the runway fix keyed under the airport without "RW".
    QTest::newRow("SID runway IF") << "ANEK1A" << 0
                                   << withKinds(R::RunwayEnd, R::AnyKind, expect(10, 1, "RW25C", "25C", "", "EDDF", "ED", "G  Y", -1, R::IF));
    // Blank region and section: the navaid's region column stands in unchanged, blanks and all.
    QTest::newRow("SID CA") << "ANEK1A" << 1
                            << expect(20, 1, "RW25C", "", "", "ENRT", "  ", "    ", -1, R::CA, 249, 0, 0, 0, 1500);
    QTest::newRow("SID FL100") << "ANEK1A" << 4
                               << withKinds(R::WaypointFix, R::AnyKind, expect(50, 2, "ALL", "TOBAK", "", "ENRT", "ED", "E   ", -1, R::TF, -1, 0, 0, 0, 10000,
                                         -1, -1, 250));
    QTest::newRow("SID FL330 FL240") << "ANEK1A" << 6
                                     << withKinds(R::WaypointFix, R::AnyKind, expect(70, 3, "KERAX", "KERAX", "", "ENRT", "ED", "EE  ", -1, R::TF, -1, 0, 0,
                                               3, 33000, 24000));
    QTest::newRow("SID FC") << "ANEK1A" << 7
                            << withKinds(R::WaypointFix, R::AnyKind, expect(80, 3, "KERAX", "KERAX", "", "ENRT", "ED", "E   ", -1, R::FC, 90, 12.5));
    // 0905 is 90.5 degrees: halves go away from zero.
    QTest::newRow("SID FD") << "ANEK1A" << 8
                            << withKinds(R::WaypointFix, R::VhfNavaid, expect(90, 3, "KERAX", "KERAX", "FFM", "ENRT", "ED", "E   ", -1, R::FD, 91, 20.0));
    QTest::newRow("SID CD") << "ANEK1A" << 9
                            << withKinds(R::AnyKind, R::VhfNavaid, expect(100, 3, "KERAX", "", "FFM", "ENRT", "ED", "    ", -1, R::CD, 90, 10.5));
    QTest::newRow("SID FM") << "ANEK1A" << 10
                            << withKinds(R::WaypointFix, R::AnyKind, expect(110, 3, "KERAX", "KERAX", "", "ENRT", "ED", "E   ", -1, R::FM, 180));

    QTest::newRow("STAR FL120") << "KERA2B" << 1
                                << withKinds(R::WaypointFix, R::AnyKind, expect(20, 4, "KERAX", "TOBAK", "", "ENRT", "ED", "E   ", -1, R::TF, -1, 0, 0, 1,
                                          12000, -1, 5000));
    QTest::newRow("STAR hold, time") << "KERA2B" << 3
                                     << withKinds(R::WaypointFix, R::AnyKind, expect(40, 5, "ALL", "TOBAK", "", "ENRT", "ED", "E  H", 1, R::HM, 250, 1.0, 1,
                                               0, 5000, -1, -1, 220));
    QTest::newRow("STAR runway") << "KERA2B" << 5
                                 << withKinds(R::WaypointFix, R::AnyKind, expect(60, 6, "RW25B", "CI25L", "", "EDDF", "ED", "E   ", -1, R::TF, -1, 0, 0, 2,
                                           4000));

    QTest::newRow("APPCH IAF") << "I25L" << 0
                               << withKinds(R::WaypointFix, R::AnyKind, expect(10, 7, "ANEKI", "ANEKI", "", "ENRT", "ED", "E  A", -1, R::IF, -1, 0, 0, 0,
                                         5000));
    QTest::newRow("APPCH AF") << "I25L" << 1
                              << withKinds(R::WaypointFix, R::VhfNavaid, expect(20, 7, "ANEKI", "CI25L", "FFM", "EDDF", "ED", "E   ", 0, R::AF, 340, 12.0, 0, 0,
                                        4000, -1, -1, 0, 0.0, 250));
    // An RF leg names its arc centre (field 30), not the recommended navaid (field 13).
    QTest::newRow("APPCH RF") << "I25L" << 3
                              << withKinds(R::WaypointFix, R::AnyKind, expect(40, 7, "KERAX", "CI25L", "CENTR", "EDDF", "ED", "E   ", 1, R::RF, -1, 0, 0, 0,
                                        4000, -1, -1, 210, 2.5));
    QTest::newRow("APPCH FAF") << "I25L" << 5
                               << withKinds(R::WaypointFix, R::AnyKind, expect(60, 12, "ALL", "FF25L", "IFFS", "EDDF", "ED", "E  F", -1, R::CF, 249, 4.0, 0,
                                         5, 3000, 2900, -1, 0, 0.0, 249));
    QTest::newRow("APPCH runway") << "I25L" << 6
                                  << withKinds(R::RunwayEnd, R::AnyKind, expect(70, 12, "ALL", "25L", "", "EDDF", "ED", "GY  ", -1, R::TF, -1, 0, 0, 2,
                                            364));
    QTest::newRow("APPCH missed") << "I25L" << 7
                                  << expect(80, 12, "ALL", "", "", "ENRT", "  ", "  M ", -1, R::CA, 249, 0, 0, 0, 1500);
    QTest::newRow("APPCH missed hold") << "I25L" << 9
                                       << withKinds(R::WaypointFix, R::AnyKind, expect(100, 12, "ALL", "TOBAK", "", "ENRT", "ED", "E  H", 1, R::HM, 70, 1.0,
                                                 1, 0, 5000));
    QTest::newRow("APPCH PI") << "D07" << 1
                              << withKinds(R::VhfNavaid, R::AnyKind, expect(20, 9, "ALL", "FFM", "", "ENRT", "ED", "V   ", 0, R::PI, 252, 10.0, 0, 0, 4000));
    // clang-format on
}

void TestCifpLoader::legs()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(Record, expected);
    loaded(QStringLiteral("EDDF"));
    const Procedure *procedure = Database::findProcedure(QStringLiteral("EDDF/") + name, false);
    QVERIFY(procedure);
    const QList<Record> records = procedure->recordsOfTransition(QString());
    QVERIFY(index < records.size());
    QCOMPARE(fields(records.at(index)), fields(expected));
    QVERIFY(records.at(index) == expected);
}

void TestCifpLoader::transitionsOfAFile()
{
    loaded(QStringLiteral("EDDF"));
    const Procedure *sid = Database::findProcedure(QStringLiteral("EDDF/ANEK1A"), false);
    const Procedure *star = Database::findProcedure(QStringLiteral("EDDF/KERA2B"), false);
    const Procedure *ils = Database::findProcedure(QStringLiteral("EDDF/I25L"), false);
    QVERIFY(sid && star && ils);
    QCOMPARE(sid->recordsOfTransition(QString()).size(), 11);
    QCOMPARE(sid->transitions(), (QStringList{"RW25C", "ALL", "KERAX"}));
    QCOMPARE(sid->runwayThreshold(QStringLiteral("RW25C")), QStringLiteral("25C"));
    QCOMPARE(star->runwayThreshold(QStringLiteral("RW25B")), QStringLiteral("25L"));
    QVERIFY(star->matchesRunway(QStringLiteral("25B")));
    QCOMPARE(ils->transitions(), (QStringList{"ANEKI", "KERAX", "ALL"}));
    QCOMPARE(ils->runwayThreshold(QStringLiteral("ALL")), QStringLiteral("25L"));
    // The missed approach begins at the marked CA leg.
    QCOMPARE(ils->transitionRecords(QStringLiteral("ALL"), false).size(), 3);
    QCOMPARE(ils->transitionRecords(QStringLiteral("ALL"), true).size(), 6);
    QCOMPARE(ils->transitionRouteType(QStringLiteral("ALL")), 12);
    QCOMPARE(ils->mainTransition(), QStringLiteral("ALL"));
}

void TestCifpLoader::malformedLines()
{
    // The one line with unknown codes and far-out numbers warns about each, and still counts.
    QTest::ignoreMessage(QtWarningMsg, "Unknown record termination \"ZZ\"");
    QTest::ignoreMessage(QtWarningMsg, "Unknown record type \"X\" for procedure type 1");
    QTest::ignoreMessage(QtWarningMsg, "Unknown record altitude description \"Q\"");
    QTest::ignoreMessage(QtWarningMsg, "Check int16_t failed (too big)!");
    QTest::ignoreMessage(QtWarningMsg, "Check altitude failed (too big)! 99900");
    const QList<Procedure *> all = loaded(QStringLiteral("XMAL"));
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first()->name(), QStringLiteral("GOOD1A"));
    const QList<Record> records = all.first()->recordsOfTransition(QString());
    QCOMPARE(records.size(), 3);

    // Unreadable number columns take their blank values; a fix keyed en route keeps its "RW".
    const Record unreadable = expect(0, 1, "RW09", "RW09", "NAV", "ENRT", "XX", "E   ", -1, Record::FD, -1, 0.0, 1, 0,
                                     -1, -1, -1, 0, 0.0, -1);
    QCOMPARE(fields(records.at(0)), fields(unreadable));

    // Empty region and section: the navaid's columns decide; "P" keys the fix under the airport.
    const Record standIns
        = expect(20, 1, "RW09", "09", "", "XMAL", "YY", "    ", -1, Record::TF, -2, -1.0, 0, 2, -1, -1, -1, 0, 0.0, -1);
    QCOMPARE(fields(records.at(1)), fields(standIns));

    const Record unknownCodes = expect(30, -1, "RW09", "09", "", "XMAL", "XX", "    ", -1, -1, 32767, 0.0, 0, -1,
                                       Record::kAltitudeMax, -1, -1, 0, 0.0, -1);
    QCOMPARE(fields(records.at(2)), fields(unknownCodes));
}

void TestCifpLoader::grouping()
{
    // Lines of one identifier stay together even when their section changes; an identifier
    // that comes back starts a second procedure under the same UID. The file has CRLF ends.
    QTest::ignoreMessage(QtWarningMsg, "Unknown procedure type \"SIDX\"");
    QTest::ignoreMessage(QtWarningMsg, "Unknown record type \"2\" for procedure type 0");
    const QList<Procedure *> all = loaded(QStringLiteral("XGRP"));
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.at(0)->name(), QStringLiteral("ONE1A"));
    QCOMPARE(all.at(0)->type(), int(Procedure::SID));
    QCOMPARE(all.at(0)->recordsOfTransition(QString()).size(), 3);
    // Each line's route type is read for its own section: "2" of a STAR line is a STAR route.
    QCOMPARE(all.at(0)->recordsOfTransition(QString()).at(2).routeType(), 5);
    QCOMPARE(all.at(1)->name(), QStringLiteral("TWO 1B"));
    QCOMPARE(all.at(1)->uid(), QStringLiteral("XGRP/TWO 1B"));
    QCOMPARE(all.at(2)->type(), int(Procedure::UNKNOWN));
    QCOMPARE(all.at(3)->name(), QStringLiteral("ONE1A"));
    QCOMPARE(all.at(3)->recordsOfTransition(QString()).size(), 2);
    QCOMPARE(all.at(3)->recordsOfTransition(QString()).at(1).fixIdentifier(), QStringLiteral("EEEEE"));
    // The UID index names the procedure added last.
    QCOMPARE(Database::findProcedure(QStringLiteral("XGRP/ONE1A"), false), all.at(3));
}

void TestCifpLoader::databaseQueries()
{
    loaded(QStringLiteral("EDDF"));
    auto *eddf = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    m_database->addPoint(eddf);
    auto *other = new Airport(QStringLiteral("EDDM"), QStringLiteral("Munich"), 1487);
    m_database->addPoint(other);
    QHash<QString, Point *> fixes;
    for (const QString &code : {QStringLiteral("ANEKI"), QStringLiteral("KERAX"), QStringLiteral("TOBAK")}) {
        auto *fix = new Point(Point::FIX, QGeoCoordinate(50.0, 8.0), code, QStringLiteral("ENRT"), QStringLiteral("ED"),
                              code, 0, 0.0f, QStringLiteral("    "));
        m_database->addPoint(fix);
        fixes.insert(code, fix);
    }
    Procedure *sid = Database::findProcedure(QStringLiteral("EDDF/ANEK1A"), false);
    Procedure *star = Database::findProcedure(QStringLiteral("EDDF/KERA2B"), false);
    Procedure *ils = Database::findProcedure(QStringLiteral("EDDF/I25L"), false);
    Procedure *vor = Database::findProcedure(QStringLiteral("EDDF/D07"), false);
    QVERIFY(sid && star && ils && vor);

    QVERIFY(Database::hasProcedures(eddf));
    QVERIFY(!Database::hasProcedures(other));
    QCOMPARE(Database::proceduresOf(eddf, 0), (QList<Procedure *>{sid, star, ils, vor}));
    QCOMPARE(Database::proceduresOf(eddf, Procedure::APPCH), (QList<Procedure *>{ils, vor}));
    QVERIFY(Database::proceduresOf(other, 0).isEmpty());

    QCOMPARE(Database::proceduresOfRunway(QStringLiteral("EDDF"), Procedure::SID, QStringLiteral("25C")),
             QList<Procedure *>{sid});
    QCOMPARE(Database::proceduresOfRunway(QStringLiteral("EDDF"), Procedure::STAR, QStringLiteral("25B")),
             QList<Procedure *>{star});
    QCOMPARE(Database::proceduresOfRunway(QStringLiteral("EDDF"), Procedure::APPCH, QStringLiteral("25L")),
             QList<Procedure *>{ils});
    QVERIFY(Database::proceduresOfRunway(QStringLiteral("EDDF"), Procedure::SID, QString()).isEmpty());
    QVERIFY(Database::proceduresOfRunway(QStringLiteral("EDDF"), 0, QStringLiteral("25C")).isEmpty());

    // The SID leaves at KERAX; the STAR is entered at KERAX and TOBAK, the ILS at its two
    // approach transitions' initial fixes.
    QCOMPARE(sid->outputs(false), QStringList{QStringLiteral("ED/ENRT/KERAX")});
    QCOMPARE(star->inputs(false), (QStringList{"ED/ENRT/KERAX", "ED/ENRT/TOBAK"}));
    QCOMPARE(ils->inputs(false), (QStringList{"ED/ENRT/ANEKI", "ED/ENRT/KERAX"}));
    QVERIFY(vor->inputs(false).isEmpty());

    QCOMPARE(Database::proceduresThrough(fixes.value(QStringLiteral("KERAX")), nullptr, 0),
             (QList<Procedure *>{sid, star, ils}));
    QCOMPARE(Database::proceduresThrough(fixes.value(QStringLiteral("TOBAK")), nullptr, 0), QList<Procedure *>{star});
    QCOMPARE(Database::proceduresThrough(fixes.value(QStringLiteral("KERAX")), eddf, Procedure::STAR),
             QList<Procedure *>{star});
    QVERIFY(Database::proceduresThrough(fixes.value(QStringLiteral("KERAX")), other, 0).isEmpty());
    QCOMPARE(Database::proceduresThrough(eddf, eddf, 0), (QList<Procedure *>{sid, star, ils, vor}));
    QCOMPARE(Database::procedureThrough(fixes.value(QStringLiteral("KERAX")), nullptr, Procedure::APPCH), ils);

    QCOMPARE(Database::sidOutputs(eddf), QList<Point *>{fixes.value(QStringLiteral("KERAX"))});
    QCOMPARE(Database::starInputs(eddf),
             (QList<Point *>{fixes.value(QStringLiteral("KERAX")), fixes.value(QStringLiteral("TOBAK"))}));
}

QTEST_MAIN(TestCifpLoader)
#include "tst_cifploader.moc"
