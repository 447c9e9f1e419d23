#include "flightplan.h"
#include "fuel.h"
#include "general.h"
#include "planfixture.h"
#include "waypoint.h"
#include "weight.h"

#include <QTest>

#include <climits>

// The update pass over whole plans: phases, tops, leg values, totals and fuel.
class TstLegComputation : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    int m_serial = 0;

    // One waypoint per letter: A an airport of elevation 500 ft, F a fix, a degree of
    // longitude apart; then the altitudes (-1 unset) and IAS of every waypoint.
    void build(const QString &kinds, const QList<int> &altitudes, int ias = 250)
    {
        m_plan->clear(false);
        for (int i = 0; i < kinds.size(); ++i) {
            const QString code = QStringLiteral("L%1").arg(++m_serial);
            Point *point = kinds.at(i) == QLatin1Char('A') ? m_fixture.airport(code, 20.0, i, 500)
                                                           : m_fixture.fix(code, 20.0, i);
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(point), false));
        }
        for (int i = 0; i < kinds.size(); ++i) {
            m_plan->waypoints().at(i)->setAltitude(altitudes.value(i, -1), false);
            m_plan->waypoints().at(i)->setIas(ias, false);
        }
        m_plan->update(false, false);
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        m_plan = std::make_unique<Flightplan>();
        m_plan->general()->setCruisetas(450);
    }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_fixture.tearDown();
    }

    void phasesAndTops_data()
    {
        // clang-format off
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<int>>("altitudes");
        QTest::addColumn<QList<int>>("phases");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("climb levelling off: top of climb")
            << "FFF" << QList<int>{1000, 5000, 5000} << QList<int>{2, 3, 0} << QList<int>{0, 1, 0};
        QTest::newRow("apogee") << "FFF" << QList<int>{1000, 5000, 1000} << QList<int>{2, 4, 0}
                                << QList<int>{0, 3, 0};
        QTest::newRow("top of descent") << "FFF" << QList<int>{5000, 5000, 1000} << QList<int>{3, 4, 0}
                                        << QList<int>{0, 2, 0};
        QTest::newRow("unset altitude climbs") << "FFF" << QList<int>{1000, -1, 3000} << QList<int>{4, 2, 0}
                                               << QList<int>{0, 0, 0};
        QTest::newRow("airports at both ends")
            << "AFA" << QList<int>{500, 10000, 500} << QList<int>{1, 4, 5} << QList<int>{0, 3, 0};
        QTest::newRow("first fix keeps its own phase")
            << "FFA" << QList<int>{9000, 9000, 500} << QList<int>{3, 4, 5} << QList<int>{0, 2, 0};
        QTest::newRow("lone airport") << "A" << QList<int>{500} << QList<int>{5} << QList<int>{0};
        QTest::newRow("two airports cruise") << "AA" << QList<int>{500, 500} << QList<int>{3, 5}
                                             << QList<int>{0, 0};
        // clang-format on
    }

    void phasesAndTops()
    {
        QFETCH(QString, kinds);
        QFETCH(QList<int>, altitudes);
        QFETCH(QList<int>, phases);
        QFETCH(QList<int>, tops);
        build(kinds, altitudes);
        QCOMPARE(planPhases(*m_plan), phases);
        QCOMPARE(planTops(*m_plan), tops);
    }

    void lastFixKeepsEarlierPhase()
    {
        build(QStringLiteral("FF"), {1000, 3000});
        Waypoint *last = m_plan->last();
        last->setPhase(4);
        m_plan->update(false, false);
        QCOMPARE(last->phase(), 4);
    }

    void legValues()
    {
        build(QStringLiteral("FFF"), {-1, 9000, 5000});
        const QList<Waypoint *> w = m_plan->waypoints();
        // unset own altitude: no altitude difference, slope or vertical speed, but a leg
        QCOMPARE(w[0]->altDiff(), Waypoint::NoAltDiff);
        QCOMPARE(w[0]->slope(), Waypoint::NoSlope);
        QCOMPARE(w[0]->verticalSpeed(), Waypoint::NoVerticalSpeed);
        QCOMPARE(w[0]->headingToNext(), 90);
        QVERIFY(qAbs(w[0]->distanceToNext() - 56.4) < 0.3);
        QVERIFY(w[0]->timeToNext() > 0);
        // The temperature marker: no altitude, no air.
        QCOMPARE(w[0]->temperature(), -274.0);

        QCOMPARE(w[1]->altDiff(), -4000);
        // 4000 ft down over the 56.4196 NM of a degree of longitude at 20 degrees north.
        QVERIFY2(qAbs(w[1]->slope() - -0.708974) < 1e-6, qPrintable(QString::number(w[1]->slope(), 'g', 17)));
        QVERIFY(w[1]->verticalSpeed() < 0 && w[1]->verticalSpeed() != Waypoint::NoVerticalSpeed);
        QVERIFY(w[1]->temperature() < 0.0);
        QVERIFY(w[1]->airPressure() > 0.0);
        QVERIFY(w[1]->gs() > 250);
        QCOMPARE(w[1]->tas(), w[1]->gs());

        // the last waypoint has no leg
        QCOMPARE(w[2]->headingToNext(), -1);
        QCOMPARE(w[2]->distanceToNext(), 0.0);
        QCOMPARE(w[2]->timeToNext(), 0);
        QCOMPARE(w[2]->gs(), 0);
        QVERIFY(w[2]->tas() > 0);
        QCOMPARE(w[2]->altDiff(), Waypoint::NoAltDiff);
        QVERIFY(!w[2]->airwaySegment());

        // totals and the remaining values
        QCOMPARE(w[1]->flownDistance(), w[0]->distanceToNext());
        QCOMPARE(m_plan->distance(), w[0]->distanceToNext() + w[1]->distanceToNext());
        QCOMPARE(m_plan->duration(), w[0]->timeToNext() + w[1]->timeToNext());
        QCOMPARE(w[2]->remainingDistance(), 0.0);
        QCOMPARE(w[2]->remainingTime(), 0);
        QCOMPARE(w[0]->remainingDistance(), m_plan->distance());
        QCOMPARE(w[2]->remainingFuel(), m_plan->fuel()->takeoff() - m_plan->fuel()->enroute());
        QCOMPARE(w[0]->remainingFuel(), m_plan->fuel()->takeoff());
    }

    void fuelByPhase()
    {
        // climb leg, cruise leg, descent leg
        build(QStringLiteral("FFFF"), {1000, 5000, 5000, 1000});
        const QList<Waypoint *> w = m_plan->waypoints();
        // 56.4196 NM legs at 250 kts IAS: 254 kts TAS at 1000 ft, 269 kts at 5000 ft.
        QCOMPARE(w[0]->timeToNext(), 800);
        QCOMPARE(w[1]->timeToNext(), 755);
        QCOMPARE(w[2]->timeToNext(), 755);
        // 3000, 2400 and 1200 kg/h over those times.
        const int climb = 667;
        const int cruise = 503;
        const int descent = 252;
        QCOMPARE(w[1]->burnedFuel(), climb);
        QCOMPARE(w[2]->burnedFuel(), climb + cruise);
        QCOMPARE(w[3]->burnedFuel(), climb + cruise + descent);
        QCOMPARE(m_plan->fuel()->enroute(), climb + cruise + descent);
    }

    void zeroIasHasNoTimeNorFuel()
    {
        build(QStringLiteral("FFF"), {5000, 5000, 5000}, 0);
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(w[1]->timeToNext(), 0);
        QCOMPARE(w[1]->altDiff(), 0);
        QCOMPARE(w[1]->verticalSpeed(), Waypoint::NoVerticalSpeed);
        QVERIFY(w[1]->distanceToNext() > 0.0);
        QCOMPARE(m_plan->duration(), 0);
        QCOMPARE(m_plan->fuel()->enroute(), 0);
    }

    void twoAirports_data()
    {
        // clang-format off
        // Two thirds of the cruise TAS flown as an IAS at the departure's 364 ft over the
        // 242.577 NM: 300 kts IAS is 302 kts TAS, 66 kts 66; fuel at 2400 kg/h.
        QTest::addColumn<int>("cruiseTas");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("fuel");
        QTest::newRow("450 gives 300") << 450 << 2892 << 1928;
        QTest::newRow("451 truncates to 300") << 451 << 2892 << 1928;
        QTest::newRow("100 gives 66") << 100 << 13231 << 8821;
        QTest::newRow("no cruise speed") << 0 << 0 << 0;
        // clang-format on
    }

    void twoAirports()
    {
        QFETCH(int, cruiseTas);
        QFETCH(int, seconds);
        QFETCH(int, fuel);
        m_plan->clear(false); // the header takes the airplane's cruise speed again
        m_plan->general()->setCruisetas(cruiseTas);
        QVERIFY(m_plan->insertWaypoint(0, new Waypoint(m_fixture.airport(QStringLiteral("EDDF"), 50.0333, 8.5706, 364)),
                                       false));
        QVERIFY(m_plan->insertWaypoint(1, new Waypoint(m_fixture.airport(QStringLiteral("LFPG"), 49.0097, 2.5479, 392)),
                                       false));
        Waypoint *first = m_plan->first();
        first->setIas(250, false);
        m_plan->update(false, false);

        QCOMPARE(first->phase(), 3);
        QCOMPARE(m_plan->last()->phase(), 5);
        QCOMPARE(first->ias(), 0);
        QCOMPARE(first->gs(), 0);
        QCOMPARE(first->tas(), 0);
        QCOMPARE(first->verticalSpeed(), Waypoint::NoVerticalSpeed);
        QCOMPARE(first->slope(), Waypoint::NoSlope);
        QCOMPARE(first->altDiff(), Waypoint::NoAltDiff);
        QVERIFY(qAbs(first->distanceToNext() - 242.3) < 1.0);
        QVERIFY(qAbs(first->headingToNext() - 257) <= 1);
        QCOMPARE(first->timeToNext(), seconds);
        QCOMPARE(m_plan->fuel()->enroute(), fuel);
        m_plan->general()->setCruisetas(450);
    }

    void airwayOfEachLeg()
    {
        m_plan->clear(false);
        QList<Point *> p;
        for (int i = 0; i < 6; ++i)
            p.append(m_fixture.fix(QStringLiteral("AW%1").arg(i), 30.0, i));
        Segment *forward = m_fixture.segment(Segment::FORWARD, Segment::LOW, p[0], p[1], QStringLiteral("L1"));
        Segment *backward = m_fixture.segment(Segment::BACKWARD, Segment::HIGH, p[2], p[1], QStringLiteral("U2"));
        Segment *track = m_fixture.segment(Segment::NONE, Segment::TRACK, p[3], p[2], QStringLiteral("NATB"));
        m_fixture.segment(Segment::NONE, Segment::HIGH, p[2], p[3], QStringLiteral("U3"));
        m_fixture.segment(Segment::FORWARD, Segment::HIGH, p[5], p[4], QStringLiteral("U5"));
        for (int i = 0; i < 6; ++i)
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(p[i]), false));
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(w[0]->airwaySegment(), forward);
        QCOMPARE(w[1]->airwaySegment(), backward);
        QCOMPARE(w[2]->airwaySegment(), track); // the first segment of the list wins
        QCOMPARE(w[2]->airwayText(), QStringLiteral("DRCT"));
        QVERIFY(!w[3]->airwaySegment());
        QVERIFY(!w[4]->airwaySegment()); // only flown from AW5 to AW4
        QCOMPARE(w[1]->airwayText(), QStringLiteral("U2"));
        QCOMPARE(w[2]->inAirway(), QStringLiteral("U2"));

        // The track segments are replaced: the lookup follows the list.
        m_fixture.db()->removeSegmentsOfType(Segment::TRACK);
        m_plan->update(false, false);
        QCOMPARE(w[2]->airwayName(), QStringLiteral("U3"));
        QCOMPARE(w[0]->airwaySegment(), forward);
    }

    void nullTotals()
    {
        build(QStringLiteral("FF"), {1000, 2000});
        Waypoint *first = m_plan->first();
        Waypoint *last = m_plan->last();
        last->compute(nullptr, nullptr, nullptr, 450);
        QCOMPARE(last->flownDistance(), 0.0);
        QCOMPARE(last->elapsedTime(), 0);
        QCOMPARE(last->burnedFuel(), 0);
        double distance = 10.0;
        int time = 100;
        first->compute(&distance, &time, nullptr, 450);
        QCOMPARE(first->flownDistance(), 10.0);
        QCOMPARE(distance, 10.0 + first->distanceToNext());
        QCOMPARE(time, 100 + first->timeToNext());
        QCOMPARE(first->burnedFuel(), 0);
    }

    void emptyPlan()
    {
        m_plan->clear(false);
        m_plan->general()->setModificationtime(QDateTime());
        m_plan->update(false, false);
        QCOMPARE(m_plan->distance(), 0.0);
        QCOMPARE(m_plan->duration(), 0);
        QCOMPARE(m_plan->fuel()->enroute(), 0);
        // fuel and weights are still computed, and the time is stamped
        QCOMPARE(m_plan->fuel()->taxi(), PlanFixture::airplane().taxifuel);
        QVERIFY(m_plan->general()->modificationtime().isValid());
    }

    // Figures no edit field allows (an airplane set from code, an altitude typed beyond
    // reason): every sum and product saturates, so no weight falls below the empty airplane
    // and no fuel figure turns negative.
    void extremeFiguresSaturate()
    {
        Airplane a = PlanFixture::airplane();
        a.passengerweight = INT_MAX;
        a.extrafuel = INT_MAX;
        a.taxifuel = INT_MAX;
        a.climbfuel = INT_MAX;
        m_fixture.setAirplane(a);
        build(QStringLiteral("FFF"), {INT_MIN, INT_MAX, 1000});
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(w[0]->altDiff(), INT_MAX);
        QCOMPARE(w[1]->altDiff(), 1000 - INT_MAX);
        const Fuel *fuel = m_plan->fuel();
        const Weight *weight = m_plan->weight();
        // 150 seats at 85 %: 127.5, rounded away from zero.
        QCOMPARE(weight->paxcount(), 128);
        QCOMPARE(weight->passengers(), INT_MAX);
        QCOMPARE(weight->cargo(), 1700);
        QCOMPARE(weight->payload(), INT_MAX);
        QCOMPARE(weight->zfw(), INT_MAX);
        QCOMPARE(weight->tow(), INT_MAX);
        QCOMPARE(weight->lw(), INT_MAX);
        QCOMPARE(fuel->totalreserve(), INT_MAX);
        QCOMPARE(fuel->block(), INT_MAX);
        QCOMPARE(fuel->takeoff(), 0);
        QCOMPARE(fuel->extratime(), INT_MAX);
        QCOMPARE(fuel->endurance(), INT_MAX);
        QVERIFY(fuel->enroute() >= 0);
        for (const Waypoint *p : w)
            QVERIFY(p->remainingFuel() <= 0 && p->burnedFuel() >= 0);
        m_fixture.setAirplane(PlanFixture::airplane());
    }

    void noCruiseFlowGivesZero()
    {
        Airplane a = PlanFixture::airplane();
        a.cruisefuel = 0;
        m_fixture.setAirplane(a);
        build(QStringLiteral("FFF"), {1000, 5000, 5000});
        const Fuel *fuel = m_plan->fuel();
        QCOMPARE(fuel->contingencytime(), 0);
        QCOMPARE(fuel->extratime(), 0);
        QCOMPARE(fuel->final(), 0);
        QCOMPARE(fuel->endurance(), 1080 + a.finalfuel * 60);
        QCOMPARE(m_plan->waypoints().at(2)->burnedFuel(), fuel->enroute());
        m_fixture.setAirplane(PlanFixture::airplane());
    }
};

QTEST_MAIN(TstLegComputation)
#include "tst_legcomputation.moc"
