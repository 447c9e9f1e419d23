#include "airplane.h"
#include "airplanelistmodel.h"
#include "airport.h"
#include "database.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "general.h"
#include "generator.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "waypoint.h"

#include <QGeoRectangle>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

Record leg(int sequence, const QString &transition, const QString &fix, const QString &airport, int pathTerminator,
           const QString &description)
{
    return Record(sequence, 1, transition, fix, QString(), airport, QStringLiteral("K1"),
                  Record::descriptionFromString(description), 0, pathTerminator, 0, 0.0, 0, 0, -1, -1, 0, 0, 0.0, 0);
}

} // namespace

// An airway network over the equator: airports AAAA west of F0 and BBBB east of F8, fixes F0
// to F8 a degree apart, airway J1 from F0 to F4 and J2 on to F8; SIDs of AAAA leaving at F0
// and F1, STARs of BBBB entering at F6 and F7.
class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void exitsAndEntries();
    void refusedChoices();
    void initFromPlan();
    void generateAndActivate_data();
    void generateAndActivate();
    void failedSearchLeavesPlan();
    void activationRefusedAfterDatabaseChange();
    void activationWithoutRoute();
    void parallelAirways_data();
    void parallelAirways();

private:
    bool generate();
    QStringList planCodes() const;
    QStringList planAirways() const;

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Generator> m_generator;
    QString m_aaaa;
    QString m_bbbb;
    QString m_cccc;
    QString m_dddd;
};

void TestGenerator::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    m_airplanes = std::make_unique<AirplaneListModel>();
    Airplane airplane;
    airplane.icao = QStringLiteral("TEST");
    airplane.ceilinglvl = 350;
    airplane.maxcruisetas = 450;
    m_airplanes->setAirplanes({airplane});

    m_db->beginModifying();
    auto airport = [this](const QString &code, double lon, double lat = 0.0) {
        auto *a = new Airport(code, QStringLiteral("Airport ") + code, 100);
        const QGeoCoordinate centre(lat, lon);
        a->setPosition(centre, QGeoRectangle(centre, centre));
        m_db->addPoint(a);
        return a->uid();
    };
    m_aaaa = airport(QStringLiteral("AAAA"), -1.0);
    m_bbbb = airport(QStringLiteral("BBBB"), 9.0);
    // Far north of it, CCCC P1 P2 P3 DDDD, 141 NM apart along 20 degrees north, both airway
    // legs in cruise: LOW M729 and HIGH UM729 join P1 and P2; UN873 joins P2 and P3 as a LOW
    // and as a HIGH airway, one UID for both, the LOW one first in row order.
    m_cccc = airport(QStringLiteral("CCCC"), 0.0, 20.0);
    m_dddd = airport(QStringLiteral("DDDD"), 10.0, 20.0);
    QList<Point *> p;
    for (int i = 1; i <= 3; ++i) {
        p.append(new Point(Point::FIX, QGeoCoordinate(20.0, 2.5 * i), QStringLiteral("P%1").arg(i),
                           QStringLiteral("ENRT"), QStringLiteral("K2"), QString(), 0, 0.0f, QStringLiteral("C   ")));
        m_db->addPoint(p.last());
    }
    m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, p.at(0), p.at(1), QStringLiteral("M729"), 50, 240));
    m_db->addSegment(new Segment(Segment::NONE, Segment::HIGH, p.at(0), p.at(1), QStringLiteral("UM729"), 250, 460));
    m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, p.at(1), p.at(2), QStringLiteral("UN873"), 50, 240));
    m_db->addSegment(new Segment(Segment::NONE, Segment::HIGH, p.at(1), p.at(2), QStringLiteral("UN873"), 250, 460));
    QList<Point *> fixes;
    for (int i = 0; i < 9; ++i) {
        fixes.append(new Point(Point::FIX, QGeoCoordinate(0.0, i), QStringLiteral("F%1").arg(i), QStringLiteral("ENRT"),
                               QStringLiteral("K1"), QString(), 0, 0.0f, QStringLiteral("C   ")));
        m_db->addPoint(fixes.last());
    }
    for (int i = 1; i < 9; ++i)
        m_db->addSegment(new Segment(Segment::NONE, Segment::HIGH, fixes.at(i - 1), fixes.at(i),
                                     i <= 4 ? QStringLiteral("J1") : QStringLiteral("J2"), 180, 450));

    auto procedure = [this](const QString &name, const QString &airport, int type, const QList<Record> &legs) {
        auto *p = new Procedure(name, airport, type);
        p->setRecords(legs);
        m_db->addProcedure(p);
    };
    const QString aaaa = QStringLiteral("AAAA");
    const QString bbbb = QStringLiteral("BBBB");
    procedure(QStringLiteral("DEP1A"), aaaa, Procedure::SID,
              {leg(10, "RW09", "F0", aaaa, Record::TF, "    "), leg(20, "RW09", "F1", aaaa, Record::TF, " E  ")});
    procedure(QStringLiteral("DEP2B"), aaaa, Procedure::SID, {leg(10, "RW27", "F1", aaaa, Record::TF, " E  ")});
    procedure(QStringLiteral("DEP3C"), aaaa, Procedure::SID, {leg(10, "ALL", "F0", aaaa, Record::TF, " E  ")});
    procedure(QStringLiteral("ARR1B"), bbbb, Procedure::STAR,
              {leg(10, "ALL", "F7", bbbb, Record::IF, "    "), leg(20, "ALL", "F8", bbbb, Record::TF, "    ")});
    procedure(QStringLiteral("ARR2C"), bbbb, Procedure::STAR, {leg(10, "ALL", "F6", bbbb, Record::IF, "    ")});
    // A STAR of another airport entering at F5 is not offered.
    procedure(QStringLiteral("OTH1A"), aaaa, Procedure::STAR, {leg(10, "ALL", "F5", aaaa, Record::IF, "    ")});
    m_db->endModifying();

    m_plan = std::make_unique<Flightplan>();
    m_generator = std::make_unique<Generator>(m_plan.get());
}

void TestGenerator::cleanupTestCase()
{
    m_generator.reset();
    m_plan.reset();
    m_airplanes.reset();
    m_db.reset();
    m_settings.reset();
}

void TestGenerator::init()
{
    m_plan->clear(false);
    m_generator->init();
    Settings::setBool(QStringLiteral("generator/airwayNavigation"), true);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), false);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), 0);
}

bool TestGenerator::generate()
{
    QSignalSpy started(m_generator.get(), SIGNAL(started()));
    QSignalSpy done(m_generator.get(), &Generator::done);
    m_generator->start();
    if (!done.wait(10000))
        return false;
    return started.count() == 1 && done.count() == 1;
}

QStringList TestGenerator::planCodes() const
{
    QStringList codes;
    for (const Waypoint *w : m_plan->waypoints())
        codes.append(w->code());
    return codes;
}

QStringList TestGenerator::planAirways() const
{
    QStringList airways;
    for (const Waypoint *w : m_plan->waypoints())
        airways.append(w->airwayText());
    return airways;
}

void TestGenerator::exitsAndEntries()
{
    QSignalSpy changed(m_generator.get(), &Generator::changed);
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QVERIFY(m_generator->setArrival(m_bbbb));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_generator->getDepartureUID(), m_aaaa);
    QCOMPARE(m_generator->getArrivalUID(), m_bbbb);
    // DEP1A passes F0 but leaves the procedure at F1 only.
    QCOMPARE(m_generator->outputnames(), QStringList({"F0 (DEP3C)", "F1 (DEP1A, DEP2B)"}));
    QCOMPARE(m_generator->inputnames(), QStringList({"F6 (ARR2C)", "F7 (ARR1B)"}));
    QCOMPARE(m_generator->outputindex(), -1);
    QCOMPARE(m_generator->inputindex(), -1);
    QCOMPARE(m_generator->property("outputnames").toStringList().size(), 2);

    // A fix as departure offers no SID exits.
    QVERIFY(m_generator->setDeparture(QStringLiteral("K1/ENRT/F2")));
    QVERIFY(m_generator->outputnames().isEmpty());
}

void TestGenerator::refusedChoices()
{
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot set departure \"NOPE\" from dialog!"));
    QVERIFY(!m_generator->setDeparture(QStringLiteral("NOPE")));
    QCOMPARE(m_generator->getDepartureUID(), m_aaaa);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot set arrival \"\" from dialog!"));
    QVERIFY(!m_generator->setArrival(QString()));

    m_generator->setOutput(1);
    QCOMPARE(m_generator->outputindex(), 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot set SID output"));
    m_generator->setOutput(2);
    QCOMPARE(m_generator->outputindex(), 1);
    m_generator->setOutput(-1);
    QCOMPARE(m_generator->outputindex(), -1);
    // A new departure forgets the chosen exit.
    m_generator->setOutput(0);
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QCOMPARE(m_generator->outputindex(), -1);
}

void TestGenerator::initFromPlan()
{
    QVERIFY(m_plan->append(m_aaaa, false));
    QVERIFY(m_plan->append(QStringLiteral("K1/ENRT/F3"), false));
    QVERIFY(m_plan->append(m_bbbb, false));
    QVERIFY(m_generator->setDeparture(m_aaaa));
    m_generator->setOutput(0);
    m_generator->init();
    QCOMPARE(m_generator->getDepartureUID(), m_aaaa);
    QCOMPARE(m_generator->getArrivalUID(), m_bbbb);
    QVERIFY(m_generator->outputnames().isEmpty());
    QCOMPARE(m_generator->outputindex(), -1);

    m_plan->clear(false);
    m_generator->init();
    QCOMPARE(m_generator->getDepartureUID(), QString());
    QVERIFY(generate());
    QCOMPARE(m_generator->getMessage(), QStringLiteral("Need two valid, different points for departure and arrival"));
}

void TestGenerator::generateAndActivate_data()
{
    // clang-format off
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("airways");
    QTest::newRow("nearest joins") << -1 << -1 << "AAAA F0 F1 F2 F3 F4 F5 F6 F7 F8 BBBB"
                                   << "- J1 J1 J1 J1 J2 J2 J2 J2 - -";
    QTest::newRow("SID exit F1, STAR entry F7") << 1 << 1 << "AAAA F1 F2 F3 F4 F5 F6 F7 BBBB"
                                                << "- J1 J1 J1 J2 J2 J2 - -";
    QTest::newRow("STAR entry F6") << -1 << 0 << "AAAA F0 F1 F2 F3 F4 F5 F6 BBBB" << "- J1 J1 J1 J1 J2 J2 - -";
    // clang-format on
}

void TestGenerator::generateAndActivate()
{
    QFETCH(int, output);
    QFETCH(int, input);
    QFETCH(QString, codes);
    QFETCH(QString, airways);
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QVERIFY(m_generator->setArrival(m_bbbb));
    m_generator->setOutput(output);
    m_generator->setInput(input);
    m_plan->general()->setCruiselvl(310);

    QVERIFY(generate());
    QVERIFY(m_generator->getStatus());
    QCOMPARE(m_generator->getMessage(), QStringLiteral("Routing done!"));
    // Every route runs straight along the equator, ten degrees.
    QVERIFY(qAbs(m_generator->distance() - 600.4) < 0.5);
    QCOMPARE(m_generator->property("distance").toDouble(), m_generator->distance());
    // Searching leaves the plan alone.
    QVERIFY(m_plan->empty());

    QSignalSpy edited(m_plan.get(), &Flightplan::edited);
    QVERIFY(m_generator->activateFlightplan());
    QVERIFY(edited.count() >= 1);
    QCOMPARE(planCodes().join(QLatin1Char(' ')), codes);
    QStringList found = planAirways();
    found.replaceInStrings(QRegularExpression("^$"), QStringLiteral("-"));
    QCOMPARE(found.join(QLatin1Char(' ')), airways);
    // The pilot's header survives the new route.
    QCOMPARE(m_plan->general()->cruiselvl(), 310);
    QVERIFY(qAbs(m_plan->distance() - m_generator->distance()) < 1.0);
}

void TestGenerator::failedSearchLeavesPlan()
{
    QVERIFY(m_plan->append(m_aaaa, false));
    QVERIFY(m_plan->append(m_bbbb, false));
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QVERIFY(m_generator->setArrival(m_bbbb));
    // No VOR or NDB anywhere.
    Settings::setBool(QStringLiteral("generator/airwayNavigation"), false);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), true);
    QVERIFY(generate());
    QVERIFY(!m_generator->getStatus());
    QCOMPARE(m_generator->getMessage(), QStringLiteral("No path found between departure and arrival"));
    QCOMPARE(m_generator->distance(), 0.0);
    QVERIFY(!m_generator->activateFlightplan());
    QCOMPARE(planCodes(), QStringList({"AAAA", "BBBB"}));
}

void TestGenerator::activationRefusedAfterDatabaseChange()
{
    QVERIFY(m_plan->append(m_aaaa, false));
    QVERIFY(m_plan->append(m_bbbb, false));
    QVERIFY(m_generator->setDeparture(m_aaaa));
    QVERIFY(m_generator->setArrival(m_bbbb));
    QVERIFY(generate());
    QVERIFY(m_generator->getStatus());

    m_db->beginModifying();
    m_db->endModifying();
    QVERIFY(!m_generator->activateFlightplan());
    QCOMPARE(m_generator->getMessage(),
             QStringLiteral("Navigation database changed. Please generate the route again."));
    QCOMPARE(planCodes(), QStringList({"AAAA", "BBBB"}));

    // Generated again, the route goes in.
    QVERIFY(generate());
    QVERIFY(m_generator->activateFlightplan());
    QCOMPARE(planCodes().size(), 11);
}

void TestGenerator::activationWithoutRoute()
{
    Generator fresh(m_plan.get());
    QVERIFY(!fresh.isBusy());
    QVERIFY(!fresh.activateFlightplan());
    QVERIFY(m_plan->empty());
}

void TestGenerator::parallelAirways_data()
{
    // clang-format off
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("airways");
    // Airway (type: 1 LOW, 2 HIGH) of the legs from CCCC, P1, P2 and P3.
    QTest::newRow("prefer HIGH") << 0 << "-:0 UM729:2 UN873:2 -:0";
    QTest::newRow("LOW only") << 1 << "-:0 M729:1 UN873:1 -:0";
    // Equal costs: the search keeps the first segment it meets, in row order.
    QTest::newRow("no preference") << 2 << "-:0 M729:1 UN873:1 -:0";
    // Airways ignored: direct legs, even where they run along an airway.
    QTest::newRow("ignore airways") << 3 << "-:0 -:0 -:0 -:0";
    // clang-format on
}

// The plan names the airway the search flew, in the plan, its document and the plan read back.
void TestGenerator::parallelAirways()
{
    QFETCH(int, option);
    QFETCH(QString, airways);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), option);
    QVERIFY(m_generator->setDeparture(m_cccc));
    QVERIFY(m_generator->setArrival(m_dddd));
    QVERIFY(generate());
    QVERIFY2(m_generator->getStatus(), qPrintable(m_generator->getMessage()));
    QVERIFY(m_generator->activateFlightplan());
    QCOMPARE(planCodes(), QStringList({"CCCC", "P1", "P2", "P3", "DDDD"}));

    const auto legs = [](const Flightplan *plan) {
        QStringList list;
        const QList<Waypoint *> waypoints = plan->waypoints();
        for (int i = 0; i + 1 < waypoints.size(); ++i) {
            const Segment *s = waypoints.at(i)->airwaySegment();
            list.append(s ? QStringLiteral("%1:%2").arg(s->name()).arg(s->type()) : QStringLiteral("-:0"));
        }
        return list.join(QLatin1Char(' '));
    };
    QCOMPARE(legs(m_plan.get()), airways);
    // An edit elsewhere in the plan recomputes every leg and keeps the choice.
    m_plan->forceUpdate();
    QCOMPARE(legs(m_plan.get()), airways);

    const QString text = FlightplanXml::toXml(m_plan.get());
    Flightplan other;
    QString error;
    QVERIFY2(FlightplanXml::fromXml(&other, text, &error), qPrintable(error));
    QCOMPARE(legs(&other), airways);
}

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
