#include "flightplan.h"
#include "planfixture.h"
#include "runway.h"
#include "waypoint.h"

#include <QTest>

#include <cmath>

namespace {

QList<QGeoCoordinate> coordinates(const QVariantList &list)
{
    QList<QGeoCoordinate> result;
    for (const QVariant &value : list)
        result.append(value.value<QGeoCoordinate>());
    return result;
}

} // namespace

class TstLegPath : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    int m_fixes = 0;

    // A new fix at the position, so that every row builds its own plan.
    Waypoint *append(const QGeoCoordinate &position)
    {
        Point *point = m_fixture.fix(QStringLiteral("F%1").arg(++m_fixes), position.latitude(), position.longitude());
        if (!m_plan->append(point->uid(), false))
            return nullptr;
        return m_plan->last();
    }

    Waypoint *appendAirport(Point *airport) { return m_plan->append(airport->uid(), false) ? m_plan->last() : nullptr; }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        m_plan = std::make_unique<Flightplan>();
    }

    void init() { m_plan->clear(false); }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_fixture.tearDown();
    }

    void turnRadius_data()
    {
        // clang-format off
        QTest::addColumn<int>("groundSpeed");
        QTest::addColumn<double>("metres");
        QTest::newRow("unknown speed") << 0 << 6153.469372183056 * 0.3048;
        QTest::newRow("200 knots, as the unknown speed") << 200 << 6153.469372183056 * 0.3048;
        QTest::newRow("300 knots") << 300 << 90000 / 6.500398000000001 * 0.3048;
        QTest::newRow("100 knots") << 100 << 10000 / 6.500398000000001 * 0.3048;
        // clang-format on
    }

    void turnRadius()
    {
        QFETCH(int, groundSpeed);
        QFETCH(double, metres);
        QVERIFY2(std::abs(Waypoint::turnRadius(groundSpeed) - metres) < 0.01,
                 qPrintable(QString::number(Waypoint::turnRadius(groundSpeed))));
    }

    // A right-angle turn: coming from the west, leaving to the north. The middle of the curve
    // (t = 1/2) lies a quarter of the radius west and north of the waypoint.
    void turnSize_data()
    {
        // clang-format off
        QTest::addColumn<int>("ias");
        QTest::addColumn<int>("altitude");
        QTest::addColumn<double>("toPrevious");
        QTest::addColumn<double>("toNext");
        QTest::addColumn<double>("radius"); // -1: the radius of the ground speed
        QTest::newRow("no speed, the default radius") << 0 << 5000 << 50000.0 << 50000.0 << 1875.5774646;
        QTest::newRow("2 NM from the previous waypoint") << 0 << 5000 << 3704.0 << 50000.0 << 1852.0;
        QTest::newRow("3 km to the next waypoint") << 0 << 5000 << 50000.0 << 3000.0 << 1500.0;
        QTest::newRow("fast, unbounded") << 400 << 30000 << 80000.0 << 80000.0 << -1.0;
        QTest::newRow("fast, held by the next leg") << 400 << 30000 << 80000.0 << 10000.0 << 5000.0;
        // clang-format on
    }

    void turnSize()
    {
        QFETCH(int, ias);
        QFETCH(int, altitude);
        QFETCH(double, toPrevious);
        QFETCH(double, toNext);
        QFETCH(double, radius);
        const QGeoCoordinate p(0.0, 0.0);
        append(p.atDistanceAndAzimuth(toPrevious, 270.0));
        Waypoint *turn = append(p);
        append(p.atDistanceAndAzimuth(toNext, 0.0));
        QVERIFY(turn);
        turn->setAltitude(altitude, false);
        turn->setIas(ias, false);
        m_plan->update(false, false);
        if (radius < 0.0) {
            QVERIFY(turn->gs() > 500);
            radius = Waypoint::turnRadius(turn->gs());
        }

        const QList<QGeoCoordinate> curve = coordinates(Waypoint::turnCurve(turn, 25));
        QCOMPARE(curve.size(), 25);
        const QGeoCoordinate middle = curve.at(12);
        const double expected = radius * std::sqrt(2.0) / 4.0;
        QVERIFY2(std::abs(p.distanceTo(middle) - expected) < expected * 1e-3,
                 qPrintable(QStringLiteral("%1 m, expected %2 m").arg(p.distanceTo(middle)).arg(expected)));
        QVERIFY(middle.longitude() < 0.0 && middle.latitude() > 0.0);
        // The curve runs from the incoming to the outgoing leg.
        QVERIFY(curve.first().longitude() < curve.last().longitude());
        QVERIFY(curve.first().latitude() < curve.last().latitude());
    }

    void curveNeedsBothNeighbours()
    {
        Waypoint *first = append(QGeoCoordinate(0.0, 0.0));
        Waypoint *last = append(QGeoCoordinate(0.0, 1.0));
        QVERIFY(Waypoint::turnCurve(first, 25).isEmpty());
        QVERIFY(Waypoint::turnCurve(last, 25).isEmpty());
        QVERIFY(Waypoint::turnCurve(nullptr, 25).isEmpty());
    }

    void pathShapes()
    {
        Waypoint *a = append(QGeoCoordinate(0.0, 0.0));
        Waypoint *b = append(QGeoCoordinate(0.0, 1.0));
        // Two waypoints: the straight leg between the two positions.
        QCOMPARE(coordinates(a->path()), (QList<QGeoCoordinate>{a->position(), b->position()}));
        QVERIFY(b->path().isEmpty());

        Waypoint *c = append(QGeoCoordinate(1.0, 1.0));
        m_plan->update(false, false);
        const QList<QGeoCoordinate> first = coordinates(m_plan->data(m_plan->index(0), Waypoint::Path).toList());
        const QList<QGeoCoordinate> second = coordinates(m_plan->data(m_plan->index(1), Waypoint::Path).toList());
        // From the first position into the incoming half of the turn (12 points), then on from
        // the curve's middle (14 points) to the last position.
        QCOMPARE(first.size(), 13);
        QCOMPARE(second.size(), 15);
        QCOMPARE(first.first(), a->position());
        QCOMPARE(second.last(), c->position());
        QCOMPARE(first.last(), second.first());
        QVERIFY(c->path().isEmpty());
    }

    void runwayEnds_data()
    {
        // clang-format off
        QTest::addColumn<QString>("departureEnd");
        QTest::addColumn<QString>("arrivalEnd");
        QTest::addColumn<QGeoCoordinate>("start");
        QTest::addColumn<QGeoCoordinate>("end");
        const QGeoCoordinate departure(10.0, 20.0);
        const QGeoCoordinate arrival(10.0, 21.0);
        const QGeoCoordinate west(10.0, 19.98);
        const QGeoCoordinate east(10.0, 20.02);
        const QGeoCoordinate north(10.02, 21.0);
        const QGeoCoordinate south(9.98, 21.0);
        QTest::newRow("no runways") << "" << "" << departure << arrival;
        QTest::newRow("take-off on 09 starts at the 27 end") << "09" << "" << east << arrival;
        QTest::newRow("take-off on 27 starts at the 09 end") << "27" << "" << west << arrival;
        QTest::newRow("landing on 36 ends at its threshold") << "" << "36" << departure << south;
        QTest::newRow("landing on 18") << "09" << "18" << east << north;
        QTest::newRow("end of another airport") << "18" << "09" << departure << arrival;
        // clang-format on
    }

    void runwayEnds()
    {
        QFETCH(QString, departureEnd);
        QFETCH(QString, arrivalEnd);
        QFETCH(QGeoCoordinate, start);
        QFETCH(QGeoCoordinate, end);
        static Point *xdep = nullptr;
        static Point *xarr = nullptr;
        if (!xdep) {
            xdep = m_fixture.airport(QStringLiteral("XRWD"), 10.0, 20.0, 0);
            xarr = m_fixture.airport(QStringLiteral("XRWA"), 10.0, 21.0, 0);
            m_fixture.db()->addRunway(new Runway(QStringLiteral("XRWD"), QGeoCoordinate(10.0, 19.98),
                                                 QStringLiteral("09"), 0.0f, QGeoCoordinate(10.0, 20.02),
                                                 QStringLiteral("27"), 0.0f, 45.0f, 1, 1, 1));
            m_fixture.db()->addRunway(new Runway(QStringLiteral("XRWA"), QGeoCoordinate(10.02, 21.0),
                                                 QStringLiteral("18"), 0.0f, QGeoCoordinate(9.98, 21.0),
                                                 QStringLiteral("36"), 0.0f, 45.0f, 1, 1, 1));
        }
        Waypoint *first = appendAirport(xdep);
        Waypoint *last = appendAirport(xarr);
        QVERIFY(first && last);
        first->setRunwayEnd(departureEnd);
        last->setRunwayEnd(arrivalEnd);
        QCOMPARE(coordinates(first->path()), (QList<QGeoCoordinate>{start, end}));
    }

    void antimeridian_data()
    {
        // clang-format off
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("crossing"); // 0: none
        QTest::newRow("eastward") << 179.5 << -179.5 << 180.0;
        QTest::newRow("westward") << -179.5 << 179.5 << -180.0;
        QTest::newRow("far east, no crossing") << 170.0 << 179.9 << 0.0;
        QTest::newRow("across Greenwich") << -0.5 << 0.5 << 0.0;
        // clang-format on
    }

    void antimeridian()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, crossing);
        Waypoint *a = append(QGeoCoordinate(10.0, from));
        Waypoint *b = append(QGeoCoordinate(10.0, to));
        const QList<QGeoCoordinate> path = coordinates(a->path());
        if (crossing == 0.0) {
            QCOMPARE(path, (QList<QGeoCoordinate>{a->position(), b->position()}));
            return;
        }
        QCOMPARE(path.size(), 4);
        QCOMPARE(path.at(0), a->position());
        QCOMPARE(path.at(3), b->position());
        QCOMPARE(path.at(1).longitude(), crossing);
        QCOMPARE(path.at(2).longitude(), -crossing);
        QCOMPARE(path.at(1).latitude(), path.at(2).latitude());
        // Symmetric leg: the crossing lies midway, a little poleward of the parallel.
        QVERIFY2(path.at(1).latitude() > 10.0 && path.at(1).latitude() < 10.01,
                 qPrintable(QString::number(path.at(1).latitude(), 'f', 6)));
    }

    // A turn on the 180th meridian: no segment of any leg may jump across the map, except
    // between the two points inserted on the meridian.
    void turnOnTheMeridian()
    {
        append(QGeoCoordinate(0.0, 179.6));
        append(QGeoCoordinate(0.1, 179.99));
        append(QGeoCoordinate(0.4, -179.7));
        append(QGeoCoordinate(0.8, -179.4));
        m_plan->update(false, false);
        int crossings = 0;
        for (const Waypoint *waypoint : m_plan->waypoints()) {
            const QList<QGeoCoordinate> path = coordinates(waypoint->path());
            for (int i = 1; i < path.size(); ++i) {
                QVERIFY(path.at(i).isValid());
                const double d = path.at(i).longitude() - path.at(i - 1).longitude();
                if (std::abs(d) <= 180.0)
                    continue;
                QCOMPARE(std::abs(path.at(i).longitude()), 180.0);
                QCOMPARE(path.at(i).longitude(), -path.at(i - 1).longitude());
                QCOMPARE(path.at(i).latitude(), path.at(i - 1).latitude());
                ++crossings;
            }
        }
        QCOMPARE(crossings, 1);
    }
};

QTEST_MAIN(TstLegPath)
#include "tst_legpath.moc"
