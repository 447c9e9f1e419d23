#include "cifploader.h"
#include "cifpprocedures.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "general.h"
#include "planfixture.h"
#include "runway.h"
#include "templating.h"
#include "terminal.h"
#include "unit.h"
#include "waypoint.h"

#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

// A plan from XDEP (runway 09-27) to EDDF (runways 07C-25C and 07R-25L) over the fixes of the
// CIFP test files: the SID DEP1A of XDEP, the STAR KERA2B and the approach I25L of EDDF.
class TstTerminal : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    CifpProcedures m_procedures;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QHash<QString, QString> m_uid; // code -> UID
    Point *m_xdep = nullptr;
    Point *m_eddf = nullptr;

    Terminal *terminal() const { return m_plan->terminal(); }
    Procedure *procedure(const QString &name) const { return m_procedures.find(name); }

    Point *addFix(const QString &code, const QString &terminal, const QString &region, double latitude,
                  double longitude)
    {
        auto *point = new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, terminal, region, QString(), 0,
                                0.0f, QStringLiteral("E   "));
        m_fixture.db()->addPoint(point);
        m_uid.insert(code, point->uid());
        return point;
    }

    void addRunway(const QString &airport, double lat1, double lon1, const QString &end1, double lat2, double lon2,
                   const QString &end2)
    {
        m_fixture.db()->addRunway(new Runway(airport, QGeoCoordinate(lat1, lon1), end1, 0.0f,
                                             QGeoCoordinate(lat2, lon2), end2, 0.0f, 45.0f, 1, 1, 1));
    }

    QString codes() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->code());
        return list.join(QLatin1Char(' '));
    }

    QString procedures() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->procedure() ? w->procedure()->name() : QStringLiteral("-"));
        return list.join(QLatin1Char(' '));
    }

    void fill(const QString &codes)
    {
        for (const QString &code : codes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(m_plan->append(m_uid.value(code), false), qPrintable(code));
    }

    // The leg of the procedure's transition whose fix has this identifier.
    Record leg(const QString &name, const QString &transition, const QString &fix) const
    {
        for (const Record &record : procedure(name)->transitionRecords(transition, false)) {
            if (record.fixIdentifier() == fix)
                return record;
        }
        return Record();
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        const QString folder = TestSupport::dataPath(QStringLiteral("cifp"));
        QVERIFY(m_procedures.read(folder, QStringLiteral("XDEP")));
        QVERIFY(m_procedures.read(folder, QStringLiteral("EDDF")));
        QVERIFY(procedure(QStringLiteral("DEP1A")) && procedure(QStringLiteral("KERA2B"))
                && procedure(QStringLiteral("I25L")));

        m_xdep = m_fixture.airport(QStringLiteral("XDEP"), 50.9, 6.9, 200);
        m_eddf = m_fixture.airport(QStringLiteral("EDDF"), 50.03, 8.57, 364);
        m_uid.insert(QStringLiteral("XDEP"), m_xdep->uid());
        m_uid.insert(QStringLiteral("EDDF"), m_eddf->uid());
        addRunway(QStringLiteral("XDEP"), 50.9, 6.88, QStringLiteral("09"), 50.9, 6.92, QStringLiteral("27"));
        addRunway(QStringLiteral("EDDF"), 50.03, 8.53, QStringLiteral("07C"), 50.04, 8.59, QStringLiteral("25C"));
        addRunway(QStringLiteral("EDDF"), 50.02, 8.53, QStringLiteral("07R"), 50.03, 8.60, QStringLiteral("25L"));

        addFix(QStringLiteral("DEPA1"), QStringLiteral("ENRT"), QStringLiteral("XX"), 50.8, 7.2);
        addFix(QStringLiteral("DEPA2"), QStringLiteral("ENRT"), QStringLiteral("XX"), 50.6, 7.5);
        addFix(QStringLiteral("KERAX"), QStringLiteral("ENRT"), QStringLiteral("ED"), 50.4, 7.8);
        addFix(QStringLiteral("TOBAK"), QStringLiteral("ENRT"), QStringLiteral("ED"), 50.3, 8.0);
        addFix(QStringLiteral("ANEKI"), QStringLiteral("ENRT"), QStringLiteral("ED"), 50.15, 8.2);
        addFix(QStringLiteral("CI25L"), QStringLiteral("EDDF"), QStringLiteral("ED"), 50.08, 8.75);
        addFix(QStringLiteral("FF25L"), QStringLiteral("EDDF"), QStringLiteral("ED"), 50.06, 8.65);
        addFix(QStringLiteral("LONE"), QStringLiteral("ENRT"), QStringLiteral("XX"), 52.0, 9.0);

        // The database's own copies, for the entry points that take a UID.
        CifpLoader loader(m_fixture.db());
        loader.setPath(folder);
        QVERIFY(loader.load(m_xdep));
        QVERIFY(loader.load(m_eddf));

        m_plan = std::make_unique<Flightplan>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_plan.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void init() { m_plan->clear(false); }

    void cleanupTestCase()
    {
        m_tester.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    void insertPosition_data()
    {
        // clang-format off
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("set"); // procedures already chosen
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("transition");
        QTest::addColumn<int>("position");
        QTest::newRow("SID runway transition after the departure") << "XDEP EDDF" << "" << "DEP1A" << "RW09" << 1;
        QTest::newRow("SID transition continuing from its first fix")
            << "XDEP DEPA1 DEPA2 EDDF" << "DEP1A" << "DEP1A" << "KERAX" << 3;
        QTest::newRow("SID transition leading into its last fix")
            << "XDEP KERAX EDDF" << "DEP1A" << "DEP1A" << "KERAX" << 1;
        QTest::newRow("second SID transition naming no runway") << "XDEP EDDF" << "DEP1A" << "DEP1A" << "ALL" << -1;
        QTest::newRow("SID runway transition with a SID set") << "XDEP EDDF" << "DEP1A" << "DEP1A" << "RW09" << 1;
        QTest::newRow("SID of another airport") << "XDEP EDDF" << "" << "ANEK1A" << "RW25C" << -1;
        QTest::newRow("STAR before the arrival") << "XDEP EDDF" << "" << "KERA2B" << "KERAX" << 1;
        QTest::newRow("STAR before the approach") << "XDEP LONE ANEKI CI25L EDDF" << "I25L" << "KERA2B" << "KERAX" << 2;
        QTest::newRow("second STAR naming no runway") << "XDEP EDDF" << "KERA2B" << "KERA2B" << "KERAX" << -1;
        QTest::newRow("STAR runway transition, both parallels") << "XDEP EDDF" << "KERA2B" << "KERA2B" << "RW25B" << 1;
        QTest::newRow("approach before the arrival") << "XDEP LONE EDDF" << "" << "I25L" << "ANEKI" << 2;
        QTest::newRow("second approach naming no runway") << "XDEP EDDF" << "I25L" << "I25L" << "KERAX" << -1;
        QTest::newRow("second approach naming a runway") << "XDEP EDDF" << "I25L" << "I25L" << "ALL" << 1;
        QTest::newRow("empty plan") << "" << "" << "DEP1A" << "ALL" << 0;
        QTest::newRow("no arrival airport") << "XDEP LONE" << "" << "KERA2B" << "KERAX" << -1;
        // clang-format on
    }

    void insertPosition()
    {
        QFETCH(QString, plan);
        QFETCH(QString, set);
        QFETCH(QString, name);
        QFETCH(QString, transition);
        QFETCH(int, position);
        fill(plan);
        if (!set.isEmpty()) {
            Procedure *chosen = procedure(set);
            switch (chosen->type()) {
            case Procedure::SID:
                terminal()->setSid(chosen);
                break;
            case Procedure::STAR:
                terminal()->setStar(chosen);
                break;
            default:
                terminal()->setAppch(chosen);
                break;
            }
        }
        QCOMPARE(terminal()->insertPosition(procedure(name), transition), position);
        QCOMPARE(terminal()->insertPosition(static_cast<const Procedure *>(nullptr), transition), 0);
    }

    // Every leg in order, each fix once, the procedures and runways set, and the phases of a
    // flight from one airport to the other.
    void wholePlanEndToEnd()
    {
        // A level this short flight reaches: the climb tops out at the end of the SID and the
        // descent follows, as a crew would plan it.
        m_plan->general()->setCruiselvl(150);
        fill(QStringLiteral("XDEP EDDF"));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        Terminal *t = terminal();
        const struct
        {
            const char *name;
            const char *transition;
            int position;
            const char *codes;
        } steps[] = {
            {"DEP1A", "RW09", 1, "XDEP DEPA1 EDDF"},
            {"DEP1A", "ALL", 2, "XDEP DEPA1 DEPA2 EDDF"},
            {"DEP1A", "KERAX", 3, "XDEP DEPA1 DEPA2 KERAX EDDF"},
            {"KERA2B", "KERAX", 4, "XDEP DEPA1 DEPA2 KERAX TOBAK EDDF"},
            {"KERA2B", "ALL", 5, "XDEP DEPA1 DEPA2 KERAX TOBAK EDDF"},
            {"I25L", "ANEKI", 5, "XDEP DEPA1 DEPA2 KERAX TOBAK ANEKI CI25L EDDF"},
            {"I25L", "ALL", 7, "XDEP DEPA1 DEPA2 KERAX TOBAK ANEKI CI25L FF25L EDDF"},
        };
        for (const auto &step : steps) {
            Procedure *p = procedure(QString::fromLatin1(step.name));
            const QString transition = QString::fromLatin1(step.transition);
            const int position = t->insertPosition(p, transition);
            QCOMPARE(position, step.position);
            QCOMPARE(t->insertTransition(p, transition, position), step.position);
            QCOMPARE(codes(), QString::fromLatin1(step.codes));
        }
        QCOMPARE(edited.count(), int(std::size(steps)));
        QCOMPARE(procedures(), QStringLiteral("DEP1A DEP1A DEP1A DEP1A KERA2B I25L I25L I25L KERA2B"));

        QCOMPARE(t->sidIdentifier(), QStringLiteral("DEP1A"));
        QCOMPARE(t->starIdentifier(), QStringLiteral("KERA2B"));
        QCOMPARE(t->appchIdentifier(), QStringLiteral("I25L"));
        QCOMPARE(t->sidTransition(), QStringLiteral("KERAX"));
        // The STAR's KERAX transition: the SID keeps its fix, the STAR's legs go on from there.
        QCOMPARE(t->starTransition(), QStringLiteral("KERAX"));
        QCOMPARE(t->appchTransition(), QStringLiteral("ANEKI"));
        QCOMPARE(t->departureRunway(), QStringLiteral("09"));
        QCOMPARE(t->arrivalRunway(), QStringLiteral("25L"));
        QCOMPARE(t->property("sidTransition").toString(), QStringLiteral("KERAX"));

        // The constraints of each leg stay with its fix.
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        const Record kerax = leg(QStringLiteral("DEP1A"), QStringLiteral("KERAX"), QStringLiteral("KERAX"));
        QVERIFY(kerax.minAltitude() > 0 && kerax.maxAltitude() > 0);
        QCOMPARE(waypoints.at(3)->minAltitude(), kerax.minAltitude());
        QCOMPARE(waypoints.at(3)->maxAltitude(), kerax.maxAltitude());
        QCOMPARE(waypoints.at(2)->maxIas(), 250);
        QCOMPARE(waypoints.at(2)->maxAltitude(), 10000);

        // Phases run from the departure to the arrival, never back.
        QCOMPARE(waypoints.first()->phase(), 1);
        QCOMPARE(waypoints.last()->phase(), 5);
        for (int i = 2; i < waypoints.size() - 1; ++i)
            QVERIFY2(waypoints.at(i)->phase() >= waypoints.at(i - 1)->phase(), qPrintable(codes()));
        QVERIFY(m_plan->distance() > 0.0);
    }

    // The roles of a leg's fix describe that fix; the pilot's own comments stay.
    // The transitions the FMS file and the other formats name: those the plan holds, never
    // the code of whatever fix the procedure happens to start or end at.
    void enrouteTransitions_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QString>("steps");   // procedure:transition inserted in turn
        QTest::addColumn<QString>("linked");  // procedures set on the plan as they stand
        QTest::addColumn<QString>("sid");
        QTest::addColumn<QString>("star");
        QTest::newRow("SID common part") << "XDEP EDDF" << "DEP1A:RW09 DEP1A:ALL" << "" << "" << "";
        QTest::newRow("SID to its transition") << "XDEP EDDF" << "DEP1A:RW09 DEP1A:ALL DEP1A:KERAX" << "" << "KERAX" << "";
        QTest::newRow("SID of no resolved leg") << "XDEP LONE EDDF" << "" << "DEP1A" << "" << "";
        QTest::newRow("STAR at its transition fix") << "XDEP EDDF" << "KERA2B:KERAX" << "" << "" << "KERAX";
        QTest::newRow("STAR from its common part") << "XDEP EDDF" << "KERA2B:ALL" << "" << "" << "";
        QTest::newRow("STAR entry kept by the SID") << "XDEP EDDF" << "DEP1A:ALL DEP1A:KERAX KERA2B:KERAX KERA2B:ALL" << ""
                                                   << "KERAX" << "KERAX";
        // KERAX and TOBAK stay en route; the STAR joins the plan at CI25L, or at the airport.
        QTest::newRow("STAR transition flown en route") << "XDEP KERAX TOBAK EDDF" << "KERA2B:RW25B" << "" << ""
                                                        << "KERAX";
        QTest::newRow("whole STAR flown en route") << "XDEP KERAX TOBAK EDDF" << "KERA2B:ALL" << "" << "" << "KERAX";
        QTest::newRow("STAR at a fix of no transition") << "XDEP TOBAK EDDF" << "" << "KERA2B" << "" << "";
        // The plan meets the transition's fix but does not fly its legs: a simulator reading the
        // name would add DEPA2 or TOBAK, or drop LONE.
        QTest::newRow("SID transition without its first fix") << "XDEP DEPA1 KERAX EDDF" << "" << "DEP1A" << "" << "";
        QTest::newRow("STAR transition without its last fix") << "XDEP KERAX CI25L EDDF" << "" << "KERA2B" << "" << "";
        QTest::newRow("STAR transition with a fix between its legs") << "XDEP KERAX LONE TOBAK EDDF" << "" << "KERA2B" << ""
                                                                    << "";
        // clang-format on
    }

    void enrouteTransitions()
    {
        QFETCH(QString, fill);
        QFETCH(QString, steps);
        QFETCH(QString, linked);
        QFETCH(QString, sid);
        QFETCH(QString, star);
        this->fill(fill);
        Terminal *t = terminal();
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            Procedure *p = procedure(step.section(QLatin1Char(':'), 0, 0));
            const QString transition = step.section(QLatin1Char(':'), 1);
            QVERIFY2(t->insertTransition(p, transition, t->insertPosition(p, transition)) >= 0, qPrintable(step));
        }
        if (linked == QLatin1String("DEP1A"))
            t->setSid(procedure(linked));
        else if (!linked.isEmpty())
            t->setStar(procedure(linked));
        QCOMPARE(t->sidTransition(), sid);
        QCOMPARE(t->starTransition(), star);
        if (!linked.isEmpty())
            QCOMPARE(linked == QLatin1String("DEP1A") ? t->sidIdentifier() : t->starIdentifier(), linked);
    }

    // A leg's text: in the pilot's language on the screen and in the document read back; in
    // the C locale in the document, the KML file and the log.
    void fixRolesGoToTheirOwnWaypoint()
    {
        Unit::setInterfaceLocale(QLocale(QLocale::German));
        const auto restore = qScopeGuard([] { Unit::setInterfaceLocale(QLocale::c()); });
        fill(QStringLiteral("XDEP DEPA2 EDDF"));
        m_plan->first()->setComment(QStringLiteral("pilot's note"));
        m_plan->waypoints().at(1)->setComment(QStringLiteral("<b>mine</b>"));
        Procedure *sid = procedure(QStringLiteral("DEP1A"));
        QCOMPARE(terminal()->insertTransition(sid, QStringLiteral("RW09"), 1), 1);
        QCOMPARE(terminal()->insertTransition(sid, QStringLiteral("KERAX"), 3), 3);
        QCOMPARE(codes(), QStringLiteral("XDEP DEPA1 DEPA2 KERAX EDDF"));
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        QCOMPARE(waypoints.at(0)->comment(), QStringLiteral("pilot's note"));
        QCOMPARE(waypoints.at(1)->comment(),
                 leg(QStringLiteral("DEP1A"), QStringLiteral("RW09"), QStringLiteral("DEPA1")).fixRolesText(false));
        QCOMPARE(waypoints.at(2)->comment(), QStringLiteral("<b>mine</b>"));
        QCOMPARE(waypoints.at(3)->comment(),
                 leg(QStringLiteral("DEP1A"), QStringLiteral("KERAX"), QStringLiteral("KERAX")).fixRolesText(false));
        QVERIFY(!waypoints.at(3)->comment().isEmpty());
        QCOMPARE(waypoints.at(4)->comment(), QString());

        Procedure *approach = Database::findProcedure(QStringLiteral("EDDF/I25L"), false); // with its arc
        QCOMPARE(terminal()->insertTransition(approach, QStringLiteral("KERAX"), 4), 4);
        const QString arc = QStringLiteral("Constant radius %1 arc center CENTR to fix CI25L, at or above 4000ft, "
                                           "limited to 210kts");
        QCOMPARE(m_plan->data(m_plan->index(4), Waypoint::Comment).toString(), arc.arg(QStringLiteral("2,5nm")));
        const QString xml = FlightplanXml::toXml(m_plan.get());
        QVERIFY(xml.contains(QStringLiteral("<comment>%1</comment>").arg(arc.arg(QStringLiteral("2.5nm")))));
        Flightplan other;
        QVERIFY(FlightplanXml::fromXml(&other, xml, nullptr));
        QCOMPARE(other.waypoints().at(4)->comment(), arc.arg(QStringLiteral("2,5nm")));
        const Templating templating;
        QVERIFY(Templating::render(m_plan.get(), QStringLiteral("kml.kml")).contains(arc.arg(QStringLiteral("2.5nm"))));
        m_plan->update(false, false);
        QVERIFY(!m_plan->waypoints().at(4)->logText().contains(QLatin1Char(','))); // 7.6nm to the next
        QVERIFY(!m_plan->waypoints().at(4)->profileText().contains(QLatin1Char(',')));
    }

    void positionOutsideChangesNothing_data()
    {
        // clang-format off
        QTest::addColumn<int>("position");
        QTest::newRow("-1") << -1;
        QTest::newRow("-2") << -2;
        QTest::newRow("one past the end") << 3;
        QTest::newRow("far past the end") << 100;
        // clang-format on
    }

    void positionOutsideChangesNothing()
    {
        QFETCH(int, position);
        fill(QStringLiteral("XDEP EDDF"));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        QSignalSpy resets(m_plan.get(), &QAbstractItemModel::modelReset);
        if (position != -1)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be inserted at position")));
        QCOMPARE(terminal()->insertTransition(procedure(QStringLiteral("DEP1A")), QStringLiteral("RW09"), position),
                 -1);
        QCOMPARE(codes(), QStringLiteral("XDEP EDDF"));
        QCOMPARE(terminal()->sid(), nullptr);
        QCOMPARE(m_plan->first()->runwayEnd(), QString());
        QCOMPARE(m_plan->first()->procedure(), nullptr);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(resets.count(), 0);
    }

    void emptyPlanTakesTheLegs()
    {
        Procedure *sid = procedure(QStringLiteral("DEP1A"));
        QCOMPARE(terminal()->insertTransition(sid, QStringLiteral("ALL"), 0), 0);
        QCOMPARE(codes(), QStringLiteral("DEPA1 DEPA2"));
        QCOMPARE(terminal()->sid(), nullptr);
        QCOMPARE(terminal()->star(), nullptr);
        QCOMPARE(terminal()->appch(), nullptr);
        QCOMPARE(procedures(), QStringLiteral("DEP1A DEP1A"));
    }

    void missedApproachIsNeverInserted()
    {
        fill(QStringLiteral("XDEP EDDF"));
        Procedure *approach = procedure(QStringLiteral("I25L"));
        QCOMPARE(terminal()->insertTransition(approach, QStringLiteral("ALL"), 1), 1);
        // RW25L has no fix point; TOBAK follows the missed-approach mark.
        QCOMPARE(codes(), QStringLiteral("XDEP CI25L FF25L EDDF"));
        QCOMPARE(terminal()->appch(), approach);
        QCOMPARE(m_plan->last()->runwayEnd(), QStringLiteral("25L"));
    }

    void nothingInsertedStillReturnsPosition()
    {
        fill(QStringLiteral("XDEP TOBAK EDDF"));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        QCOMPARE(terminal()->insertTransition(procedure(QStringLiteral("KERA2B")), QStringLiteral("ALL"), 2), 2);
        QCOMPARE(codes(), QStringLiteral("XDEP TOBAK EDDF"));
        QCOMPARE(terminal()->star(), procedure(QStringLiteral("KERA2B")));
        QCOMPARE(edited.count(), 1);
    }

    void removeStarKeepsTheAirport()
    {
        fill(QStringLiteral("XDEP EDDF"));
        Procedure *star = procedure(QStringLiteral("KERA2B"));
        QCOMPARE(terminal()->insertTransition(star, QStringLiteral("KERAX"), 1), 1);
        QCOMPARE(codes(), QStringLiteral("XDEP KERAX TOBAK EDDF"));
        const double before = m_plan->distance();
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        terminal()->removeProcedureWaypoints(star);
        QCOMPARE(codes(), QStringLiteral("XDEP EDDF"));
        QCOMPARE(m_plan->last()->procedure(), nullptr);
        QCOMPARE(terminal()->star(), nullptr);
        QCOMPARE(edited.count(), 1);
        // The legs around the gap are computed again.
        QVERIFY(m_plan->distance() < before);
        QCOMPARE(m_plan->distance(), m_plan->first()->distanceToNext());
    }

    void unknownProcedureUids()
    {
        fill(QStringLiteral("XDEP EDDF"));
        const QString unknown = QStringLiteral("NOPE/NONE1");
        QCOMPARE(terminal()->insertPosition(unknown, QStringLiteral("ALL")), 0);
        QVERIFY(terminal()->canAddTransition(unknown, QStringLiteral("ALL")));
        QCOMPARE(terminal()->addTransition(unknown, QStringLiteral("ALL")), -1);
        QCOMPARE(terminal()->insertTransition(unknown, QStringLiteral("ALL"), 1), -1);
        terminal()->removeProcedureWaypoints(unknown);
        QCOMPARE(codes(), QStringLiteral("XDEP EDDF"));
    }

    // The menus' road: by UID through the database.
    void transitionsByUid()
    {
        Procedure *sid = Database::findProcedure(QStringLiteral("XDEP/DEP1A"), false);
        QVERIFY2(sid, "the fixture's SID DEP1A of XDEP is not found by its UID");
        fill(QStringLiteral("XDEP EDDF"));
        QVERIFY(terminal()->canAddTransition(sid->uid(), QStringLiteral("RW09")));
        QCOMPARE(terminal()->addTransition(sid->uid(), QStringLiteral("RW09")), 1);
        QCOMPARE(codes(), QStringLiteral("XDEP DEPA1 EDDF"));
        // A SID is set and no fix of this transition is in the plan.
        QVERIFY(!terminal()->canAddTransition(sid->uid(), QStringLiteral("KERAX")));
        terminal()->removeProcedureWaypoints(sid->uid());
        QCOMPARE(codes(), QStringLiteral("XDEP EDDF"));
    }

    // A runway or procedure chosen in the plan table is an edit of the plan like any other.
    void tableEditsAreEdits()
    {
        fill(QStringLiteral("XDEP DEPA1 EDDF"));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        const QModelIndex first = m_plan->index(0);
        const QGeoCoordinate farEnd(50.9, 6.92);
        QVERIFY(m_plan->setData(first, QStringLiteral("09"), Waypoint::RunwayEnd));
        QCOMPARE(m_plan->first()->runwayEnd(), QStringLiteral("09"));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(m_plan->data(first, Waypoint::Path).toList().first().value<QGeoCoordinate>(), farEnd);
        QCOMPARE(terminal()->departureRunway(), QStringLiteral("09"));
        // The same end again clears it.
        QVERIFY(m_plan->setData(first, QStringLiteral("09"), Waypoint::RunwayEnd));
        QCOMPARE(m_plan->first()->runwayEnd(), QString());
        QCOMPARE(edited.count(), 2);

        Procedure *sid = Database::findProcedure(QStringLiteral("XDEP/DEP1A"), false);
        QVERIFY2(sid, "the fixture's SID DEP1A of XDEP is not found by its UID");
        QVERIFY(m_plan->setData(m_plan->index(1), sid->uid(), Waypoint::ProcedureUID));
        QCOMPARE(terminal()->sid(), sid);
        QCOMPARE(m_plan->first()->procedure(), sid);
        QCOMPARE(edited.count(), 3);
        QVERIFY(m_plan->setData(m_plan->index(1), sid->uid(), Waypoint::ProcedureUID));
        QCOMPARE(terminal()->sid(), nullptr);
        QCOMPARE(m_plan->first()->procedure(), nullptr);
    }

    void availableRunways()
    {
        fill(QStringLiteral("XDEP DEPA1 EDDF"));
        QCOMPARE(m_plan->data(m_plan->index(0), Flightplan::RoleAvailableRunways).toStringList(),
                 (QStringList{QStringLiteral("09"), QStringLiteral("27")}));
        QCOMPARE(terminal()->availableRunways(1), QStringList());
        QCOMPARE(terminal()->availableRunways(2).size(), 4);
        QCOMPARE(terminal()->availableRunways(3), QStringList());
    }
};

QTEST_MAIN(TstTerminal)
#include "tst_terminal.moc"
