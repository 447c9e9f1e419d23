// A simulator folder whose points share idents the way real data does (fixes of one code and
// region, an NDB, a VOR and a DME of one ident, an airport code twice), imported, stored and
// read back: what comes back must be what was imported.

#include "airplanelistmodel.h"
#include "basemodel.h"
#include "database.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "generator.h"
#include "point.h"
#include "procedure.h"
#include "proceduremanager.h"
#include "record.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "waypoint.h"
#include "xploader.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray kApt = "I\n1200 Version - data cycle 2401\n\n"
                        "1 100 0 0 XAAA First Field\n1302 region_code XX\n"
                        "100 30 1 0 0 0 0 0 09 10.0 20.0 0 0 3 0 0 1 27 10.0 20.02 0 0 3 0 0 1\n\n"
                        "1 200 0 0 XAAA Second Field Of That Code\n1302 region_code XX\n"
                        "100 30 1 0 0 0 0 0 18 11.0 21.0 0 0 3 0 0 1 36 10.98 21.0 0 0 3 0 0 1\n\n"
                        "1 300 0 0 XBBB Third Field\n1302 region_code XX\n"
                        "100 30 1 0 0 0 0 0 09 12.0 22.0 0 0 3 0 0 1 27 12.0 22.02 0 0 3 0 0 1\n99\n";

// ABC is a fix, an NDB, a VOR and a DME; DUPFX and the terminal fix TRM01 come twice.
const QByteArray kFix = "I\n1101 Version - data cycle 2401\n\n"
                        " 12.10 22.10 ABC ENRT XX 2105430\n"
                        " 12.20 22.20 DUPFX ENRT XX 2105430\n"
                        " 13.20 23.20 DUPFX ENRT XX 2105430\n"
                        " 12.30 22.30 OTHER ENRT XX 2105430\n"
                        " 12.01 22.05 TRM01 XBBB XX 4530263\n"
                        " 12.02 22.06 TRM01 XBBB XX 4530263\n99\n";

const QByteArray kNav = "I\n1150 Version - data cycle 2401\n\n"
                        " 2 12.50 22.50 0 350 50 0.0 ABC ENRT XX ABC NDB\n"
                        " 3 12.60 22.60 0 11430 130 2.0 ABC ENRT XX ABC VOR\n"
                        "13 12.60 22.60 0 11430 130 0.0 ABC ENRT XX ABC DME\n99\n";

// Each row names the kind of both ends: 11 fix, 2 NDB, 3 VOR.
const QByteArray kAwy = "I\n1101 Version - data cycle 2401\n\n"
                        "DUPFX XX 11 ABC XX 3 N 1 50 180 V10\n"
                        "ABC XX 2 OTHER XX 11 N 1 50 180 V11\n"
                        "ABC XX 11 OTHER XX 11 N 2 180 450 J12\n"
                        "OTHER XX 3 DUPFX XX 11 N 1 50 180 V13\n99\n";

// One CIFP line of the 38 fields, the given ones filled in.
QByteArray cifpLine(const QByteArray &head, const QByteArray &route, const QByteArray &name,
                    const QByteArray &transition, const QByteArray &fix, const QByteArray &section,
                    const QByteArray &subsection, const QByteArray &terminator)
{
    QList<QByteArray> fields(38, QByteArray(" "));
    fields[0] = head;
    fields[1] = route;
    fields[2] = name;
    fields[3] = transition;
    fields[4] = fix;
    fields[5] = "XX";
    fields[6] = section;
    fields[7] = subsection;
    fields[8] = "E   ";
    fields[11] = terminator;
    return fields.join(',') + ";\n";
}

QString pointText(const Point *point)
{
    if (!point)
        return QStringLiteral("<null>");
    return QStringLiteral("%1 %2 %3 %4,%5")
        .arg(point->uid(), point->code())
        .arg(point->type())
        .arg(point->latitude(), 0, 'f', 6)
        .arg(point->longitude(), 0, 'f', 6);
}

// Every item of the database as text, in row order.
QStringList snapshot(Database *db)
{
    QStringList lines;
    for (const Point *point : db->pointModel()->items())
        lines.append(QStringLiteral("P ") + pointText(point));
    for (const Segment *segment : db->segmentModel()->items()) {
        lines.append(segment ? QStringLiteral("S %1 %2 %3 | %4 | %5")
                                   .arg(segment->uid(), segment->name())
                                   .arg(segment->type())
                                   .arg(pointText(segment->from()), pointText(segment->to()))
                             : QStringLiteral("S <null>"));
    }
    for (const Procedure *procedure : db->procedureModel()->items()) {
        QString line = QStringLiteral("R %1 %2").arg(procedure->uid()).arg(procedure->type());
        for (const Record &record : procedure->transitionRecords(true))
            line += QStringLiteral(" | %1 %2").arg(record.fixIdentifier(), pointText(record.fixPoint()));
        lines.append(line);
    }
    return lines;
}

} // namespace

class TestImportRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void storedDatabaseIsTheImportedOne();
    void planReopensOnTheSamePoints();
    void airwayEndsJoinThePointOfTheirKind_data();
    void airwayEndsJoinThePointOfTheirKind();
    void procedureLegsResolveByKind();
    void holdersFollowReload();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    QStringList m_imported;
    QStringList m_importWarnings;
};

void TestImportRoundTrip::initTestCase()
{
    TestSupport::initApplication();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    m_airplanes = std::make_unique<AirplaneListModel>();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QFile::remove(m_db->filePath());

    const QString root = m_dir->filePath(QStringLiteral("X-Plane 12"));
    const QString data = root + QStringLiteral("/Resources/default data/");
    QByteArray cifp = cifpLine("SID:010", "4", "DEP1", "RW09", "RW09", "P", "G", "IF")
                      + cifpLine("SID:020", "4", "DEP1", "RW09", "TRM01", "P", "C", "TF")
                      + cifpLine("SID:030", "5", "DEP1", " ", "ABC", "D", "B", "TF")
                      + cifpLine("SID:040", "5", "DEP1", " ", "ABC", "D", " ", "TF")
                      + cifpLine("SID:050", "5", "DEP1", " ", "ABC", "E", "A", "TF");
    QDir().mkpath(data + QStringLiteral("CIFP"));
    QDir().mkpath(root + QStringLiteral("/Global Scenery/Global Airports/Earth nav data"));
    QVERIFY(
        !TestSupport::writeFile(root + QStringLiteral("/Global Scenery/Global Airports/Earth nav data/apt.dat"), kApt)
             .isEmpty());
    QVERIFY(!TestSupport::writeFile(data + QStringLiteral("earth_fix.dat"), kFix).isEmpty());
    QVERIFY(!TestSupport::writeFile(data + QStringLiteral("earth_nav.dat"), kNav).isEmpty());
    QVERIFY(!TestSupport::writeFile(data + QStringLiteral("earth_awy.dat"), kAwy).isEmpty());
    QVERIFY(!TestSupport::writeFile(data + QStringLiteral("CIFP/XBBB.dat"), cifp).isEmpty());
    Settings::setString(QStringLiteral("database/xpPath"), root);
    Settings::setBool(QStringLiteral("database/customData"), false);

    TestSupport::captureMessages();
    {
        XpLoader loader(m_db.get());
        QSignalSpy done(&loader, &XpLoader::done);
        QSignalSpy loaded(m_db.get(), &Database::loaded);
        loader.loadAsync();
        QVERIFY(done.wait(30000));
        QTRY_COMPARE(loaded.size(), 1);
        QCOMPARE(loaded.at(0).at(0).toBool(), true);
    }
    m_importWarnings = TestSupport::capturedMessages();
    TestSupport::releaseMessages();
    QVERIFY(QFile::exists(m_db->filePath()));
    m_imported = snapshot(m_db.get());
}

void TestImportRoundTrip::cleanupTestCase()
{
    m_airplanes.reset();
    m_db.reset();
}

void TestImportRoundTrip::storedDatabaseIsTheImportedOne()
{
    // The duplicates got UIDs of their own, in row order.
    const QStringList expected = {
        QStringLiteral("P XX/ENRT/ABC ABC 11 12.100000,22.100000"),
        QStringLiteral("P XX/ENRT/DUPFX DUPFX 11 12.200000,22.200000"),
        QStringLiteral("P XX/ENRT/DUPFX_1 DUPFX 11 13.200000,23.200000"),
        QStringLiteral("P XX/XBBB/TRM01_1 TRM01 11 12.020000,22.060000"),
        QStringLiteral("P XX/ENRT/ABC_1 ABC 2 12.500000,22.500000"),
        QStringLiteral("P XX/ENRT/ABC_1_2 ABC 3 12.600000,22.600000"),
        QStringLiteral("P XX/ENRT/ABC_1_2_3 ABC 13 12.600000,22.600000"),
        QStringLiteral("P XAAA_1 XAAA 1 10.990000,21.000000"),
    };
    for (const QString &line : expected)
        QVERIFY2(m_imported.contains(line), qPrintable(line));

    QVERIFY(m_db->load());
    const QStringList loaded = snapshot(m_db.get());
    QCOMPARE(loaded.size(), m_imported.size());
    for (int i = 0; i < loaded.size(); ++i)
        QCOMPARE(loaded.at(i), m_imported.at(i));

    // A second generation of the file is the first one byte for byte (the chunks are the same
    // however many threads wrote them).
    QFile file(m_db->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    QVERIFY(first.size() > 100);
    QVERIFY(m_db->save());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first);
}

void TestImportRoundTrip::planReopensOnTheSamePoints()
{
    Flightplan plan;
    const QStringList uids
        = {QStringLiteral("XAAA_1"), QStringLiteral("XX/ENRT/DUPFX_1"), QStringLiteral("XX/ENRT/ABC_1"),
           QStringLiteral("XX/ENRT/ABC_1_2"), QStringLiteral("XBBB")};
    for (const QString &uid : uids)
        QVERIFY2(plan.append(uid, false), qPrintable(uid));
    QStringList before;
    for (const Waypoint *waypoint : plan.waypoints())
        before.append(pointText(waypoint->point()));
    const QString document = FlightplanXml::toXml(&plan);

    // A restart: the stored database comes back, then the plan file.
    QVERIFY(m_db->load());
    plan.clear(false);
    QString error;
    QVERIFY2(FlightplanXml::fromXml(&plan, document, &error), qPrintable(error));
    QStringList after;
    for (const Waypoint *waypoint : plan.waypoints())
        after.append(pointText(waypoint->point()));
    QCOMPARE(after, before);
    QCOMPARE(after.at(2), QStringLiteral("XX/ENRT/ABC_1 ABC 2 12.500000,22.500000"));
}

void TestImportRoundTrip::airwayEndsJoinThePointOfTheirKind_data()
{
    // clang-format off
    QTest::addColumn<QString>("airway");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("warned");
    QTest::newRow("fix to VOR") << "V10" << "XX/ENRT/DUPFX" << "XX/ENRT/ABC_1_2" << false;
    QTest::newRow("NDB to fix") << "V11" << "XX/ENRT/ABC_1" << "XX/ENRT/OTHER" << false;
    QTest::newRow("fix of a navaid's ident") << "J12" << "XX/ENRT/ABC" << "XX/ENRT/OTHER" << false;
    QTest::newRow("no VOR of that ident") << "V13" << "XX/ENRT/OTHER" << "XX/ENRT/DUPFX" << true;
    // clang-format on
}

void TestImportRoundTrip::airwayEndsJoinThePointOfTheirKind()
{
    QFETCH(QString, airway);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, warned);
    QVERIFY(m_db->load());
    const Segment *found = nullptr;
    for (const Segment *segment : m_db->segmentModel()->items()) {
        if (segment && segment->name() == airway)
            found = segment;
    }
    QVERIFY(found);
    QCOMPARE(found->from()->uid(), from);
    QCOMPARE(found->to()->uid(), to);
    int warnings = 0;
    for (const QString &message : std::as_const(m_importWarnings))
        warnings += message.contains(QStringLiteral("AWY:")) && message.contains(airway);
    QCOMPARE(warnings, warned ? 1 : 0);
}

void TestImportRoundTrip::procedureLegsResolveByKind()
{
    QVERIFY(m_db->load());
    const Procedure *sid = Database::findProcedure(QStringLiteral("XBBB/DEP1"), false);
    QVERIFY(sid);
    const QList<Record> legs = sid->transitionRecords(false);
    QCOMPARE(legs.size(), 5);
    TestSupport::captureMessages();
    // The runway leg ends at the threshold of runway 09, without a point and without a warning.
    QCOMPARE(legs.at(0).fixPoint(), nullptr);
    QCOMPARE(legs.at(0).fixPosition(), QGeoCoordinate(12.0, 22.0));
    QCOMPARE(legs.at(1).fixPoint()->uid(), QStringLiteral("XX/XBBB/TRM01"));
    QCOMPARE(legs.at(2).fixPoint()->uid(), QStringLiteral("XX/ENRT/ABC_1"));
    QCOMPARE(legs.at(3).fixPoint()->uid(), QStringLiteral("XX/ENRT/ABC_1_2"));
    QCOMPARE(legs.at(4).fixPoint()->uid(), QStringLiteral("XX/ENRT/ABC"));
    const QStringList messages = TestSupport::capturedMessages();
    TestSupport::releaseMessages();
    QCOMPARE(messages, QStringList());
}

// A plan, the procedure display and the route generator hold items while the database reloads:
// they take the new items by UID and the previous ones are deleted (the asan build checks that
// nothing reads them after).
void TestImportRoundTrip::holdersFollowReload()
{
    QVERIFY(m_db->load());
    Flightplan plan;
    const QStringList planUids = {QStringLiteral("XAAA_1"), QStringLiteral("XX/ENRT/ABC_1"),
                                  QStringLiteral("XX/ENRT/OTHER"), QStringLiteral("XBBB")};
    for (const QString &uid : planUids)
        QVERIFY(plan.append(uid, false));
    QVERIFY(plan.waypoints().at(1)->airwaySegment());
    ProcedureManager display(m_db->pointMapModel());
    display.setProcedure(QStringLiteral("XBBB/DEP1"));
    Generator generator(&plan);
    generator.init();
    QVERIFY(generator.setDeparture(QStringLiteral("XBBB")));

    // The same data again changes nothing of the plan; data without its points does.
    QSignalSpy edited(&plan, &Flightplan::edited);
    QSignalSpy lost(&plan, &Flightplan::pointsLost);
    for (int reload = 0; reload < 3; ++reload) {
        QPointer<Point> previous(plan.waypoints().at(1)->point());
        QVERIFY(m_db->load());
        QTRY_VERIFY(previous.isNull());
        QStringList uids;
        for (const Waypoint *waypoint : plan.waypoints()) {
            QCOMPARE(waypoint->point(), Database::findPoint(waypoint->point()->uid(), false));
            uids.append(waypoint->point()->uid());
        }
        QCOMPARE(uids, planUids);
        // V11, the airway from the NDB ABC to OTHER.
        QCOMPARE(plan.waypoints().at(1)->airwaySegment(), m_db->segmentModel()->at(1));
        QCOMPARE(plan.waypoints().at(1)->airwaySegment()->name(), QStringLiteral("V11"));
        QCOMPARE(display.procedure(), Database::findProcedure(QStringLiteral("XBBB/DEP1"), false));
        QCOMPARE(generator.getDepartureUID(), QStringLiteral("XBBB"));
    }

    // Gone from the data: a coordinate point where it was.
    TestSupport::captureMessages();
    m_db->clear();
    TestSupport::releaseMessages();
    QCOMPARE(plan.waypoints().at(1)->point()->type(), int(Point::COORD));
    QCOMPARE(plan.waypoints().at(1)->point()->position(), QGeoCoordinate(12.5, 22.5));
    QCOMPARE(plan.waypoints().at(1)->airwaySegment(), nullptr);
    QCOMPARE(display.procedure(), nullptr);
    QCOMPARE(generator.getDepartureUID(), QString());
    QCOMPARE(edited.size(), 1);
    QCOMPARE(lost.size(), 1);
    QCOMPARE(lost.first().first().toInt(), 4);
    // Coordinate points already: nothing more is lost.
    QVERIFY(m_db->load());
    QCOMPARE(edited.size(), 1);
}

QTEST_GUILESS_MAIN(TestImportRoundTrip)
#include "tst_importroundtrip.moc"
