#include "flightplan.h"
#include "general.h"
#include "planfixture.h"
#include "profile.h"
#include "unit.h"
#include "waypoint.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QValueAxis>

#include <climits>
#include <cmath>
#include <memory>

namespace {

// Longitude on the equator of a point that many nautical miles east of 0°: along the equator
// the great-circle distance is the earth radius times the longitude difference.
double longitudeOf(double nm)
{
    constexpr double earthRadius = 6371007.2; // metres, as the geodesic distance uses
    return nm * 1852.0 / earthRadius * 180.0 / M_PI;
}

constexpr int Elevation = 500;

} // namespace

// The vertical profile: both passes over hand-laid plans, whole plans through the update pass,
// and the chart's axes and series.
class TstProfile : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    int m_serial = 0;

    Profile *profile() const { return m_plan->profile(); }
    Waypoint *at(int i) const { return m_plan->waypoints().at(i); }

    // One waypoint per letter on the equator, A an airport of elevation 500 ft, F a fix; each
    // at its offset in nautical miles from the first.
    void build(const QString &kinds, const QList<double> &offsets)
    {
        m_plan->clear(false);
        for (int i = 0; i < kinds.size(); ++i) {
            const QString code = QStringLiteral("P%1").arg(++m_serial);
            const double longitude = longitudeOf(offsets.value(i));
            Point *point = kinds.at(i) == QLatin1Char('A') ? m_fixture.airport(code, 0.0, longitude, Elevation)
                                                           : m_fixture.fix(code, 0.0, longitude);
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(point), false));
        }
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        m_plan = std::make_unique<Flightplan>();
        m_plan->general()->setCruisetas(450);
        m_plan->general()->setCruiselvl(350);
    }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_fixture.tearDown();
    }

    void init() { m_fixture.setAirplane(PlanFixture::airplane()); }

    // ---- the two passes

    void passes_data()
    {
        // clang-format off
        // Expected altitudes, one recipe per waypoint: "e" the airport elevation, "c" the
        // cruise altitude, "n<feet>" a number, "t<feet>" typed into the table first. The
        // numbers of climbs and descents are worked out from the one-second steps of the
        // altitude-reached rule with the density factor of the atmosphere model: forward from
        // the previous waypoint at the initial (250 kts, 2500 ft/min) or climb (290 kts,
        // 2000 ft/min) figures, backward from the next one at the approach (250 kts,
        // 1500 ft/min) or descent figures.
        // Expected speeds, one letter per waypoint: I initial, K climb, C cruise, D descent,
        // A approach, V threshold, T 200 kts typed into the table first, - not checked; held at
        // the waypoint's maximum IAS.
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<double>>("offsets");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("firstPhase"); // -1: as the insertion left it
        QTest::addColumn<QList<int>>("maxAltitudes");
        QTest::addColumn<QList<int>>("minAltitudes");
        QTest::addColumn<QList<int>>("maxIas");
        QTest::addColumn<QList<int>>("phases");
        QTest::addColumn<QStringList>("altitudes");
        QTest::addColumn<QString>("speeds");

        const QList<int> none;
        QTest::newRow("climbing fix between airports starts the descent")
            << "AFA" << QList<double>{0, 30, 60} << 350 << -1 << none << none << none << QList<int>{1, 4, 5}
            << QStringList{"e", "n16333", "e"} << "IDV";
        QTest::newRow("cruising fix, reached backward above cruise: start of descent")
            << "AFA" << QList<double>{0, 200, 400} << 100 << -1 << none << none << none << QList<int>{1, 4, 5}
            << QStringList{"e", "c", "e"} << "IDV";
        // The descent then reaches the departure, which becomes the start of descent.
        QTest::newRow("cruising fix below the approach ceiling: approach")
            << "AFA" << QList<double>{0, 200, 205} << 100 << -1 << none << none << none << QList<int>{4, 5, 5}
            << QStringList{"e", "n2275", "e"} << "DAV";
        QTest::newRow("cruising fix above the approach ceiling: descent")
            << "AFA" << QList<double>{0, 200, 240} << 350 << -1 << none << none << none << QList<int>{4, 4, 5}
            << QStringList{"e", "n13450", "e"} << "DDV";
        QTest::newRow("long plan: initial climb, climb, cruise, descent, approach")
            << "AFFFFFFA" << QList<double>{0, 5, 35, 200, 400, 555, 575, 590} << 350 << -1 << none << none << none
            << QList<int>{1, 1, 2, 3, 4, 4, 5, 5}
            << QStringList{"e", "n3416", "n18624", "c", "c", "n11975", "n5675", "e"}
            << "IIKCDDAV";
        // What the pilot typed stands, the other figure of the waypoint computed as ever.
        QTest::newRow("typed speed or altitude alone")
            << "AFFFFFFA" << QList<double>{0, 5, 35, 200, 400, 555, 575, 590} << 350 << -1 << none << none << none
            << QList<int>{1, 1, 2, 3, 4, 4, 5, 5}
            << QStringList{"e", "n3416", "n18624", "t35000", "c", "n11975", "n5675", "e"}
            << "IITCDDAV";
        QTest::newRow("cruise level below the initial ceiling: initial climb wins")
            << "AFFA" << QList<double>{0, 8, 60, 120} << 40 << -1 << none << none << none
            << QList<int>{1, 1, 4, 5} << QStringList{"e", "n5125", "c", "e"} << "IIDV";
        QTest::newRow("first fix not climbing: every middle waypoint cruises")
            << "FFFA" << QList<double>{0, 30, 60, 100} << 100 << 3 << none << none << none
            << QList<int>{3, 3, 4, 5} << QStringList{"n0", "c", "c", "e"} << "-CDV";
        QTest::newRow("first fix left climbing: climb from 0 ft at climb rates")
            << "FFFA" << QList<double>{0, 30, 60, 200} << 350 << -1 << none << none << none
            << QList<int>{2, 2, 4, 5} << QStringList{"n0", "n11400", "n21066", "e"} << "-KDV";
        QTest::newRow("climb held at the waypoint's maximum, carried forward")
            << "AFFA" << QList<double>{0, 30, 60, 400} << 350 << -1 << QList<int>{-1, 10000, -1, -1} << none
            << QList<int>{0, 200, 0, 0} << QList<int>{1, 2, 4, 5} << QStringList{"e", "n10000", "n19866", "e"}
            << "IKDV";
        QTest::newRow("climb held below the next waypoint's maximum")
            << "AFFA" << QList<double>{0, 30, 60, 400} << 350 << -1 << QList<int>{-1, -1, 8000, -1} << none
            << none << QList<int>{1, 2, 4, 5} << QStringList{"e", "n8000", "n8000", "e"} << "IKDV";
        QTest::newRow("approach held at the waypoint's minimum")
            << "AFFA" << QList<double>{0, 200, 400, 410} << 350 << -1 << none << QList<int>{-1, -1, 6000, -1}
            << QList<int>{0, 0, 180, 0} << QList<int>{1, 4, 5, 5} << QStringList{"e", "c", "n6000", "e"}
            << "IDAV";
        // clang-format on
    }

    void passes()
    {
        QFETCH(QString, kinds);
        QFETCH(QList<double>, offsets);
        QFETCH(int, level);
        QFETCH(int, firstPhase);
        QFETCH(QList<int>, maxAltitudes);
        QFETCH(QList<int>, minAltitudes);
        QFETCH(QList<int>, maxIas);
        QFETCH(QList<int>, phases);
        QFETCH(QStringList, altitudes);
        QFETCH(QString, speeds);

        build(kinds, offsets);
        const int n = kinds.size();
        for (int i = 0; i < n; ++i) {
            at(i)->setMaxAltitude(maxAltitudes.value(i, -1));
            at(i)->setMinAltitude(minAltitudes.value(i, -1));
            at(i)->setMaxIas(maxIas.value(i, 0));
        }
        if (firstPhase >= 0)
            at(0)->setPhase(firstPhase);
        for (int i = 0; i < n; ++i) {
            if (speeds.at(i) == QLatin1Char('T'))
                QVERIFY(at(i)->setData(Waypoint::IndicatedAirSpeed, QStringLiteral("200kts")));
            if (altitudes.at(i).startsWith(QLatin1Char('t')))
                QVERIFY(at(i)->setData(Waypoint::Altitude, altitudes.at(i).mid(1) + QStringLiteral("ft")));
        }

        QVERIFY(profile()->computeProfile(level, 450, true));
        QCOMPARE(planPhases(*m_plan), phases);

        const Airplane a = PlanFixture::airplane();
        const int cruiseAlt = level * 100;
        QList<int> expected;
        for (const QString &recipe : altitudes)
            expected.append(recipe == QLatin1String("e")   ? Elevation
                            : recipe == QLatin1String("c") ? cruiseAlt
                                                           : recipe.mid(1).toInt());
        QList<int> actual;
        for (const Waypoint *w : m_plan->waypoints())
            actual.append(w->altitude());
        QCOMPARE(actual, expected);

        // 450 kts TAS as an IAS at FL350 and FL100, by the density factor.
        const int cruiseIas = level == 350 ? 250 : level == 100 ? 387 : -1;
        const QHash<QChar, int> speedOf{{'I', a.initialias},  {'K', a.climbias}, {'C', cruiseIas}, {'D', a.descentias},
                                        {'A', a.approachias}, {'V', a.vat},      {'T', 200}};
        for (int i = 0; i < n; ++i) {
            if (speeds.at(i) == QLatin1Char('-'))
                continue;
            int ias = speedOf.value(speeds.at(i));
            if (maxIas.value(i, 0) != 0 && maxIas.value(i) < ias)
                ias = maxIas.value(i);
            QVERIFY2(at(i)->ias() == ias,
                     qPrintable(QStringLiteral("waypoint %1: IAS %2, expected %3").arg(i).arg(at(i)->ias()).arg(ias)));
        }
    }

    void noProfileForShortPlans_data()
    {
        // clang-format off
        QTest::addColumn<QString>("kinds");
        QTest::newRow("empty") << "";
        QTest::newRow("one airport") << "A";
        QTest::newRow("two airports") << "AA";
        QTest::newRow("airport and fix") << "AF";
        // clang-format on
    }

    void noProfileForShortPlans()
    {
        QFETCH(QString, kinds);
        build(kinds, {0, 100});
        for (int i = 0; i < kinds.size(); ++i) {
            at(i)->setPhase(2);
            at(i)->setAltitude(7000, false);
        }
        QTest::ignoreMessage(QtInfoMsg, "No profile when flight plan does not contain 2 waypoints at least");
        QVERIFY(!profile()->computeProfile(350, 450, false));
        // The waypoints keep what they had.
        for (int i = 0; i < kinds.size(); ++i) {
            QCOMPARE(at(i)->phase(), 2);
            QCOMPARE(at(i)->altitude(), 7000);
        }
    }

    void degenerateFigures_data()
    {
        // clang-format off
        QTest::addColumn<Airplane>("airplane");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("tas");
        Airplane still = PlanFixture::airplane();
        still.initialvs = still.climbvs = still.descentvs = still.approachvs = 0;
        QTest::newRow("vertical speeds of 0") << still << 350 << 450;
        Airplane parked = PlanFixture::airplane();
        parked.initialias = parked.climbias = parked.descentias = parked.approachias = parked.vat = 0;
        QTest::newRow("speeds of 0") << parked << 350 << 0;
        Airplane extreme = PlanFixture::airplane();
        extreme.descentvs = INT_MIN;
        QTest::newRow("extreme level and rate") << extreme << INT_MAX << INT_MAX;
        QTest::newRow("negative level") << PlanFixture::airplane() << -1 << 450;
        // clang-format on
    }

    void degenerateFigures()
    {
        // Figures without meaning must neither hang the passes nor leave a wild value.
        QFETCH(Airplane, airplane);
        QFETCH(int, level);
        QFETCH(int, tas);
        m_fixture.setAirplane(airplane);
        build(QStringLiteral("AFFA"), {0, 30, 60, 90});
        QVERIFY(profile()->computeProfile(level, tas, false));
        for (const Waypoint *w : m_plan->waypoints()) {
            QVERIFY(w->phase() >= 1 && w->phase() <= 5);
            QVERIFY(w->ias() >= 0);
        }
        // A climb or descent rate of 0 keeps the altitude where the last step left it.
        if (airplane.initialvs == 0) {
            QCOMPARE(at(1)->altitude(), Elevation);
            QCOMPARE(at(1)->phase(), 1);
        }
        m_plan->update(false, false);
        QVERIFY(std::isfinite(m_plan->distance()));
    }

    void extremeTypedAltitudes()
    {
        // Altitudes typed into the table reach the passes unchecked: the ceilings above them
        // must not overflow.
        build(QStringLiteral("FFFF"), {0, 30, 60, 90});
        at(0)->setAltitude(INT_MAX, false);
        at(0)->setPhase(2);
        at(3)->setAltitude(INT_MAX, false);
        at(3)->setPhase(5);
        QVERIFY(profile()->computeProfile(350, 450, false));
        QCOMPARE(at(1)->phase(), 3);
        QCOMPARE(at(1)->altitude(), 35000);
    }

    // ---- whole plans through the update pass

    void wholePlans_data()
    {
        // clang-format off
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<double>>("offsets");
        QTest::addColumn<QList<int>>("phases");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("topOfCruise"); // row, -1 for none
        QTest::newRow("two airports: no profile, one cruise leg")
            << "AA" << QList<double>{0, 100} << QList<int>{3, 5} << QList<int>{0, 0} << -1;
        QTest::newRow("long plan: top of climb, cruise, top of descent")
            << "AFFFFFFA" << QList<double>{0, 5, 35, 200, 400, 555, 575, 590} << QList<int>{1, 2, 2, 3, 4, 4, 4, 5}
            << QList<int>{0, 0, 0, 1, 2, 0, 0, 0} << 3;
        QTest::newRow("short plan: apogee instead of cruise")
            << "AFFA" << QList<double>{0, 30, 60, 90} << QList<int>{1, 2, 4, 5} << QList<int>{0, 0, 3, 0} << 2;
        // clang-format on
    }

    void wholePlans()
    {
        QFETCH(QString, kinds);
        QFETCH(QList<double>, offsets);
        QFETCH(QList<int>, phases);
        QFETCH(QList<int>, tops);
        QFETCH(int, topOfCruise);
        build(kinds, offsets);
        m_plan->computeProfile();
        QCOMPARE(planPhases(*m_plan), phases);
        QCOMPARE(planTops(*m_plan), tops);
        QCOMPARE(profile()->topOfCruise(), topOfCruise < 0 ? QString() : at(topOfCruise)->code());
        QCOMPARE(profile()->property("topOfCruise").toString(), profile()->topOfCruise());
        // Every altitude stays at or below the cruise level and at or above the airports.
        for (const Waypoint *w : m_plan->waypoints()) {
            QVERIFY(w->altitude() <= 35000);
            QVERIFY(w->altitude() >= 0);
        }
    }

    void topOfCruiseWithoutComputation()
    {
        m_plan->clear(false);
        QVERIFY(profile()->topOfCruise().isEmpty());
        QList<Waypoint *> list;
        QRecursiveMutex mutex;
        Profile fresh(&list, &mutex);
        QVERIFY(fresh.topOfCruise().isEmpty());
    }

    // ---- chart

    void axes()
    {
        QValueAxis *distance = profile()->getDistanceAxis();
        QValueAxis *altitude = profile()->getAltitudeAxis();
        QVERIFY(distance && altitude);
        QCOMPARE(profile()->getDistanceAxis(), distance);
        QCOMPARE(profile()->getAltitudeAxis(), altitude);
        QCOMPARE(distance->labelFormat(), QStringLiteral("%dnm"));
        QCOMPARE(distance->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(distance->tickAnchor(), 0.0);
        QCOMPARE(distance->minorTickCount(), 10);
        QCOMPARE(altitude->labelFormat(), QStringLiteral("FL%d"));
        QCOMPARE(altitude->tickType(), QValueAxis::TicksDynamic);
    }

    void axisRanges_data()
    {
        // clang-format off
        QTest::addColumn<int>("ceiling");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("distanceStep");
        QTest::newRow("FL 410, 525nm") << 410 << 512.5 << 100.0 << 525.0 << 100.0;
        QTest::newRow("FL 350, 1500nm") << 350 << 437.5 << 100.0 << 1500.0 << 200.0;
        QTest::newRow("FL 120, 40nm") << 120 << 150.0 << 50.0 << 40.0 << 5.0;
        QTest::newRow("FL 0, 95nm") << 0 << 0.0 << 1.0 << 95.0 << 10.0;
        // clang-format on
    }

    void axisRanges()
    {
        QFETCH(int, ceiling);
        QFETCH(double, top);
        QFETCH(double, step);
        QFETCH(double, length);
        QFETCH(double, distanceStep);
        Airplane a = PlanFixture::airplane();
        a.ceilinglvl = ceiling;
        m_fixture.setAirplane(a);
        QValueAxis *altitude = profile()->getAltitudeAxis();
        QCOMPARE(altitude->min(), 0.0);
        QCOMPARE(altitude->max(), top);
        QCOMPARE(altitude->tickInterval(), step);

        m_plan->clear(false);
        QCOMPARE(profile()->getDistanceAxis()->max(), 0.0);
        build(QStringLiteral("AFA"), {0, length / 2, length});
        QValueAxis *distance = profile()->getDistanceAxis();
        QCOMPARE(distance->min(), 0.0);
        QVERIFY(std::abs(distance->max() - m_plan->distance()) < 1e-9);
        QVERIFY(std::abs(distance->max() - length) < 1e-6);
        QCOMPARE(distance->tickInterval(), distanceStep);
    }

    void series()
    {
        build(QStringLiteral("FFF"), {0, 40.5, 81});
        at(0)->setAltitude(500, false);
        at(1)->setAltitude(12000, false);
        m_plan->update(false, false);

        QLineSeries upper;
        upper.append(-1.0, -1.0); // points already there stay
        QAreaSeries area(&upper);
        profile()->updateWithSeries(&area);
        const QList<QPointF> points = upper.points();
        QCOMPARE(points.size(), 4);
        QCOMPARE(points.at(0), QPointF(-1.0, -1.0));
        const QList<QPointF> expected{{0.0, 5.0}, {40.5, 120.0}, {81.0, 0.0}};
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(std::abs(points.at(i + 1).x() - expected.at(i).x()) < 1e-6, qPrintable(QString::number(i)));
            QCOMPARE(points.at(i + 1).y(), expected.at(i).y());
        }

        // Nothing for an empty plan, a null series, an area without upper series, or a series
        // that is no area.
        m_plan->clear(false);
        QLineSeries other;
        QAreaSeries emptyArea(&other);
        profile()->updateWithSeries(&emptyArea);
        QCOMPARE(other.count(), 0);
        build(QStringLiteral("FFF"), {0, 40.5, 81});
        profile()->updateWithSeries(nullptr);
        QAreaSeries bare;
        profile()->updateWithSeries(&bare);
        QLineSeries notArea;
        profile()->updateWithSeries(&notArea);
        QCOMPARE(notArea.count(), 0);
    }

    void seriesFilledOnTheChartThread()
    {
        // A caller on another thread must not touch the chart's objects: the points and the
        // ranges arrive on the chart's thread.
        build(QStringLiteral("AFA"), {0, 40, 100});
        m_plan->update(false, false);
        QLineSeries upper;
        QAreaSeries area(&upper);
        QList<QThread *> appendThreads;
        QList<QThread *> rangeThreads;
        // The axis outlives the function: the lambdas go with this receiver, whatever way it ends.
        QObject receiver;
        connect(
            &upper, &QXYSeries::pointAdded, &receiver,
            [&appendThreads]() { appendThreads.append(QThread::currentThread()); }, Qt::DirectConnection);
        QValueAxis *distance = profile()->getDistanceAxis();
        distance->setRange(0.0, 1.0);
        connect(
            distance, &QValueAxis::rangeChanged, &receiver,
            [&rangeThreads]() { rangeThreads.append(QThread::currentThread()); }, Qt::DirectConnection);

        const std::unique_ptr<QThread> worker(QThread::create([this, &area]() {
            profile()->updateWithSeries(&area);
            profile()->getDistanceAxis();
        }));
        worker->start();
        QVERIFY(worker->wait(10000));

        QTRY_COMPARE(upper.count(), 3);
        QTRY_VERIFY(!rangeThreads.isEmpty());
        for (QThread *thread : std::as_const(appendThreads))
            QCOMPARE(thread, QThread::currentThread());
        for (QThread *thread : std::as_const(rangeThreads))
            QCOMPARE(thread, QThread::currentThread());
        QVERIFY(std::abs(distance->max() - 100.0) < 1e-6);
    }

    void axesOutliveAChart()
    {
        // A chart that takes the axes over deletes them with itself; the next chart of the
        // panel still gets working axes.
        QList<Waypoint *> list;
        QRecursiveMutex mutex;
        auto *local = new Profile(&list, &mutex);
        {
            QChart chart;
            chart.addAxis(local->getDistanceAxis(), Qt::AlignBottom);
            chart.addAxis(local->getAltitudeAxis(), Qt::AlignLeft);
        }
        QValueAxis *distance = local->getDistanceAxis();
        QValueAxis *altitude = local->getAltitudeAxis();
        QVERIFY(distance && altitude);
        QCOMPARE(distance->labelFormat(), QStringLiteral("%dnm"));
        QCOMPARE(distance->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(altitude->labelFormat(), QStringLiteral("FL%d"));
        // Axes that a chart still holds are the chart's; deleting the profile leaves them.
        QChart chart;
        chart.addAxis(distance, Qt::AlignBottom);
        delete local;
        QCOMPARE(chart.axes(Qt::Horizontal).size(), 1);
    }
};

QTEST_MAIN(TstProfile)
#include "tst_profile.moc"
