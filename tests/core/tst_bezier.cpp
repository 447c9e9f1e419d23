#include "bezier.h"
#include "testsupport.h"

#include <QGeoCoordinate>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double earthRadius = 6378100.0;
constexpr double degToRad = 0.017453292519943295;

QGeoCoordinate at(const QVariantList &path, int index)
{
    return path.at(index).value<QGeoCoordinate>();
}

// Great-circle distance on the sphere the arcs are drawn on (QGeoCoordinate uses another radius).
double sphereDistance(const QGeoCoordinate &a, const QGeoCoordinate &b)
{
    const double dLat = (b.latitude() - a.latitude()) * degToRad;
    const double dLon = (b.longitude() - a.longitude()) * degToRad;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(a.latitude() * degToRad) * std::cos(b.latitude() * degToRad) * std::sin(dLon / 2)
                           * std::sin(dLon / 2);
    return 2 * earthRadius * std::asin(std::sqrt(h));
}

// Signed difference of two bearings in (-180, 180].
double bearingDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d <= -180.0)
        d += 360.0;
    else if (d > 180.0)
        d -= 360.0;
    return d;
}

bool inLongitudeRange(double longitude)
{
    return longitude > -180.0 && longitude <= 180.0;
}

} // namespace

class TestBezier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void scalar_data();
    void scalar();
    void quadraticPathSamplesInnerPoints_data();
    void quadraticPathSamplesInnerPoints();
    void quadraticPathWithMidpointControlIsStraight();
    void cubicPathSamplesInnerPoints();
    void nonPositiveCountGivesEmptyList();
    void curvesAcrossAntimeridian_data();
    void curvesAcrossAntimeridian();
    void longitudeOnAntimeridianIsPositive();
    void invalidInputGivesInvalidPoints();
    void arcSweepsTheShorterWay_data();
    void arcSweepsTheShorterWay();
    void arcNearAntimeridianStaysValid_data();
    void arcNearAntimeridianStaysValid();
};

void TestBezier::scalar_data()
{
    // clang-format off
    QTest::addColumn<double>("p0");
    QTest::addColumn<double>("p1");
    QTest::addColumn<double>("p2");
    QTest::addColumn<double>("p3");
    QTest::addColumn<double>("t");

    QTest::newRow("start") << 1.0 << 5.0 << -3.0 << 7.0 << 0.0;
    QTest::newRow("end") << 1.0 << 5.0 << -3.0 << 7.0 << 1.0;
    QTest::newRow("middle") << 1.0 << 5.0 << -3.0 << 7.0 << 0.5;
    QTest::newRow("third") << -170.0 << 175.0 << 12.5 << 0.0 << 1.0 / 3.0;
    QTest::newRow("beyond end") << 0.0 << 2.0 << 4.0 << 6.0 << 1.5;
    // clang-format on
}

void TestBezier::scalar()
{
    QFETCH(double, p0);
    QFETCH(double, p1);
    QFETCH(double, p2);
    QFETCH(double, p3);
    QFETCH(double, t);

    const double u = 1.0 - t;
    const double bernstein2 = u * u * p0 + 2 * u * t * p1 + t * t * p2;
    const double bernstein3 = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    QVERIFY(qAbs(Bezier::quadratic(p0, p1, p2, t) - bernstein2) < 1e-9);
    QVERIFY(qAbs(Bezier::cubic(p0, p1, p2, p3, t) - bernstein3) < 1e-9);
}

void TestBezier::quadraticPathSamplesInnerPoints_data()
{
    // clang-format off
    QTest::addColumn<int>("count");
    QTest::newRow("one point at t = 1/2") << 1;
    QTest::newRow("six points at t = k/7") << 6;
    // clang-format on
}

void TestBezier::quadraticPathSamplesInnerPoints()
{
    QFETCH(int, count);
    const QGeoCoordinate start(50.0, 8.0), control(51.0, 9.5), end(50.5, 10.0);
    const QVariantList path = Bezier::quadraticPath(count, start, control, end);
    QCOMPARE(path.size(), count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i + 1) / (count + 1);
        const QGeoCoordinate point = at(path, i);
        QVERIFY(point.isValid());
        QCOMPARE(point.type(), QGeoCoordinate::Coordinate2D);
        QVERIFY(qAbs(point.latitude() - Bezier::quadratic(50.0, 51.0, 50.5, t)) < 1e-12);
        QVERIFY(qAbs(point.longitude() - Bezier::quadratic(8.0, 9.5, 10.0, t)) < 1e-12);
    }
    if (count == 1) {
        QVERIFY(qAbs(at(path, 0).latitude() - 50.625) < 1e-12);
        QVERIFY(qAbs(at(path, 0).longitude() - 9.25) < 1e-12);
    }
}

void TestBezier::quadraticPathWithMidpointControlIsStraight()
{
    const QGeoCoordinate start(10.0, 20.0), end(14.0, 28.0);
    const QGeoCoordinate control(12.0, 24.0);
    const QVariantList path = Bezier::quadraticPath(6, start, control, end);
    QCOMPARE(path.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const double t = (i + 1) / 7.0;
        QVERIFY(qAbs(at(path, i).latitude() - (10.0 + 4.0 * t)) < 1e-12);
        QVERIFY(qAbs(at(path, i).longitude() - (20.0 + 8.0 * t)) < 1e-12);
    }
}

void TestBezier::cubicPathSamplesInnerPoints()
{
    const QGeoCoordinate p0(0.0, 0.0), p1(1.0, 0.0), p2(1.0, 1.0), p3(0.0, 1.0);
    const QVariantList path = Bezier::cubicPath(3, p0, p1, p2, p3);
    QCOMPARE(path.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const double t = (i + 1) / 4.0;
        QVERIFY(qAbs(at(path, i).latitude() - Bezier::cubic(0, 1, 1, 0, t)) < 1e-12);
        QVERIFY(qAbs(at(path, i).longitude() - Bezier::cubic(0, 0, 1, 1, t)) < 1e-12);
        QVERIFY(at(path, i) != p0 && at(path, i) != p3);
    }
    QVERIFY(qAbs(at(path, 1).latitude() - 0.75) < 1e-12);
    QVERIFY(qAbs(at(path, 1).longitude() - 0.5) < 1e-12);
}

void TestBezier::nonPositiveCountGivesEmptyList()
{
    const QGeoCoordinate a(1, 1), b(2, 2), c(3, 3), d(4, 4);
    for (int count : {0, -1, -100}) {
        QVERIFY(Bezier::quadraticPath(count, a, b, c).isEmpty());
        QVERIFY(Bezier::cubicPath(count, a, b, c, d).isEmpty());
        QVERIFY(Bezier::arc(count, a, 1000.0, 0.0, 90.0).isEmpty());
    }
}

void TestBezier::curvesAcrossAntimeridian_data()
{
    // clang-format off
    QTest::addColumn<QList<double>>("longitudes"); // of the control polygon, as the data gives them
    QTest::addColumn<QList<double>>("unwrapped");  // the same, continuous across the antimeridian

    QTest::newRow("quadratic east to west")
        << QList<double>{179.0, -179.0, -177.0} << QList<double>{179.0, 181.0, 183.0};
    QTest::newRow("quadratic west to east")
        << QList<double>{-179.5, 179.5, 178.0} << QList<double>{-179.5, -180.5, -182.0};
    QTest::newRow("quadratic control across")
        << QList<double>{179.0, -179.0, 179.5} << QList<double>{179.0, 181.0, 179.5};
    QTest::newRow("cubic east to west") << QList<double>{178.0, 179.9, -179.9, -178.0}
                                        << QList<double>{178.0, 179.9, 180.1, 182.0};
    QTest::newRow("cubic zig-zag") << QList<double>{-179.0, 179.0, -179.0, 179.0}
                                   << QList<double>{-179.0, -181.0, -179.0, -181.0};
    // clang-format on
}

void TestBezier::curvesAcrossAntimeridian()
{
    QFETCH(QList<double>, longitudes);
    QFETCH(QList<double>, unwrapped);

    QList<QGeoCoordinate> points;
    for (qsizetype i = 0; i < longitudes.size(); ++i)
        points.append(QGeoCoordinate(-17.0 + 0.1 * i, longitudes.at(i)));
    const int count = 6;
    const QVariantList path = longitudes.size() == 3
                                  ? Bezier::quadraticPath(count, points[0], points[1], points[2])
                                  : Bezier::cubicPath(count, points[0], points[1], points[2], points[3]);
    QCOMPARE(path.size(), count);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 1.0) / (count + 1.0);
        const double expected = longitudes.size() == 3
                                    ? Bezier::quadratic(unwrapped[0], unwrapped[1], unwrapped[2], t)
                                    : Bezier::cubic(unwrapped[0], unwrapped[1], unwrapped[2], unwrapped[3], t);
        const QGeoCoordinate point = at(path, i);
        QVERIFY2(point.isValid(), qPrintable(point.toString()));
        QVERIFY(inLongitudeRange(point.longitude()));
        // The curve stays near the antimeridian instead of crossing the whole earth.
        QVERIFY2(qAbs(point.longitude()) > 175.0, qPrintable(point.toString()));
        QVERIFY(qAbs(bearingDifference(point.longitude(), expected)) < 1e-9);
    }
}

void TestBezier::longitudeOnAntimeridianIsPositive()
{
    // Curves that meet the antimeridian exactly give +180, never -180.
    const QVariantList eastward
        = Bezier::quadraticPath(1, QGeoCoordinate(0, 170), QGeoCoordinate(0, 180), QGeoCoordinate(0, -170));
    const QVariantList westward
        = Bezier::quadraticPath(1, QGeoCoordinate(0, -170), QGeoCoordinate(0, -180), QGeoCoordinate(0, 170));
    QCOMPARE(at(eastward, 0).longitude(), 180.0);
    QCOMPARE(at(westward, 0).longitude(), 180.0);

    // Due west of a centre on the antimeridian.
    const QVariantList arc = Bezier::arc(1, QGeoCoordinate(0, -180), 0.0, 270.0, 270.0);
    QCOMPARE(at(arc, 0).longitude(), 180.0);
}

void TestBezier::invalidInputGivesInvalidPoints()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QVariantList path
        = Bezier::quadraticPath(2, QGeoCoordinate(nan, nan), QGeoCoordinate(1, 1), QGeoCoordinate(2, 2));
    QCOMPARE(path.size(), 2);
    QVERIFY(!at(path, 0).isValid());
    QVERIFY(!at(path, 1).isValid());
}

void TestBezier::arcSweepsTheShorterWay_data()
{
    // clang-format off
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("span");

    QTest::newRow("equal bearings") << 45.0 << 45.0 << 5 << 0.0;
    QTest::newRow("350 to 10 through north") << 350.0 << 10.0 << 4 << 20.0;
    QTest::newRow("10 to 350 through north") << 10.0 << 350.0 << 4 << -20.0;
    QTest::newRow("0 to 270 anticlockwise") << 0.0 << 270.0 << 6 << -90.0;
    QTest::newRow("0 to 90 in four") << 0.0 << 90.0 << 4 << 90.0;
    QTest::newRow("negative bearings") << -30.0 << 30.0 << 3 << 60.0;
    // clang-format on
}

void TestBezier::arcSweepsTheShorterWay()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, count);
    QFETCH(double, span);

    const QGeoCoordinate centre(48.35, 11.78);
    const double radius = 9260.0; // 5 NM
    const QVariantList path = Bezier::arc(count, centre, radius, start, end);
    QCOMPARE(path.size(), count);
    for (int i = 0; i < count; ++i) {
        const QGeoCoordinate point = at(path, i);
        QVERIFY(point.isValid());
        QCOMPARE(point.type(), QGeoCoordinate::Coordinate2D);
        QVERIFY2(qAbs(sphereDistance(centre, point) - radius) < 1e-3, qPrintable(point.toString()));
        // The last point stops one step short of the end bearing.
        const double bearing = start + i * span / count;
        QVERIFY2(qAbs(bearingDifference(centre.azimuthTo(point), bearing)) < 1e-6,
                 qPrintable(QStringLiteral("%1 vs %2").arg(centre.azimuthTo(point)).arg(bearing)));
    }
    if (span == 0.0) {
        for (int i = 1; i < count; ++i)
            QCOMPARE(at(path, i), at(path, 0));
    }
}

void TestBezier::arcNearAntimeridianStaysValid_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("centre");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");

    QTest::newRow("east of centre crosses eastward") << QGeoCoordinate(-17.5, 179.9) << 0.0 << 180.0;
    QTest::newRow("west of centre crosses westward") << QGeoCoordinate(52.0, -179.95) << 180.0 << 359.0;
    QTest::newRow("centre on the antimeridian") << QGeoCoordinate(10.0, 180.0) << 0.0 << 179.0;
    // clang-format on
}

void TestBezier::arcNearAntimeridianStaysValid()
{
    QFETCH(QGeoCoordinate, centre);
    QFETCH(double, start);
    QFETCH(double, end);

    const double radius = 30000.0;
    const int count = 12;
    const QVariantList path = Bezier::arc(count, centre, radius, start, end);
    QCOMPARE(path.size(), count);
    bool crossed = false;
    for (int i = 0; i < count; ++i) {
        const QGeoCoordinate point = at(path, i);
        QVERIFY2(point.isValid(), qPrintable(point.toString()));
        QVERIFY(inLongitudeRange(point.longitude()));
        QVERIFY(qAbs(sphereDistance(centre, point) - radius) < 1e-3);
        if ((point.longitude() < 0) != (centre.longitude() < 0))
            crossed = true;
    }
    QVERIFY(crossed);
}

QTEST_GUILESS_MAIN(TestBezier)
#include "tst_bezier.moc"
