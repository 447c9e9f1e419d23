#include "geopathprojector.h"
#include "polygontriangulator.h"
#include "shapehittest.h"
#include "strokebuilder.h"

#include <QLineF>
#include <QTest>
#include <QtMath>
#include <cmath>

namespace {

double triangleArea(QPointF a, QPointF b, QPointF c)
{
    return std::abs((b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x())) / 2.0;
}

double totalArea(const QList<QPointF> &triangles)
{
    double area = 0.0;
    for (qsizetype i = 0; i + 2 < triangles.size(); i += 3)
        area += triangleArea(triangles.at(i), triangles.at(i + 1), triangles.at(i + 2));
    return area;
}

bool covered(const QList<QPointF> &triangles, QPointF p)
{
    for (qsizetype i = 0; i + 2 < triangles.size(); i += 3) {
        const QPointF a = triangles.at(i), b = triangles.at(i + 1), c = triangles.at(i + 2);
        const double whole = triangleArea(a, b, c);
        if (whole > 0.0
            && std::abs(triangleArea(p, b, c) + triangleArea(a, p, c) + triangleArea(a, b, p) - whole) < 1e-9)
            return true;
    }
    return false;
}

QPolygonF square(double from, double to)
{
    return QPolygonF{{from, from}, {to, from}, {to, to}, {from, to}};
}

} // namespace

class TestMapGeometry : public QObject
{
    Q_OBJECT

private slots:
    void greatCircle_data();
    void greatCircle();
    void projection_data();
    void projection();
    void densification_data();
    void densification();
    void strokeCoverage_data();
    void strokeCoverage();
    void dashes_data();
    void dashes();
    void triangulation_data();
    void triangulation();
    void hitTests();
};

void TestMapGeometry::greatCircle_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("from");
    QTest::addColumn<QGeoCoordinate>("to");
    QTest::addColumn<QGeoCoordinate>("middle");
    QTest::newRow("along the equator") << QGeoCoordinate(0, 0) << QGeoCoordinate(0, 90) << QGeoCoordinate(0, 45);
    QTest::newRow("along a meridian") << QGeoCoordinate(-30, 10) << QGeoCoordinate(50, 10) << QGeoCoordinate(10, 10);
    // Two points on the 45th parallel half a world apart: the great circle runs over the pole.
    QTest::newRow("over the pole") << QGeoCoordinate(45, 0) << QGeoCoordinate(45, 180) << QGeoCoordinate(90, 0);
    QTest::newRow("one point") << QGeoCoordinate(12, 34) << QGeoCoordinate(12, 34) << QGeoCoordinate(12, 34);
    // Antipodes have no single great circle: the straight line serves.
    QTest::newRow("antipodes") << QGeoCoordinate(0, 0) << QGeoCoordinate(0, 180) << QGeoCoordinate(0, 90);
    // clang-format on
}

void TestMapGeometry::greatCircle()
{
    QFETCH(QGeoCoordinate, from);
    QFETCH(QGeoCoordinate, to);
    QFETCH(QGeoCoordinate, middle);
    const QList<QGeoCoordinate> points = GeoPathProjector::greatCircle(from, to, 2);
    QCOMPARE(points.size(), 3);
    QCOMPARE(points.first(), from);
    QCOMPARE(points.last(), to);
    QVERIFY2(std::abs(points.at(1).latitude() - middle.latitude()) < 1e-9, qPrintable(points.at(1).toString()));
    if (std::abs(middle.latitude()) < 89.9)
        QVERIFY2(std::abs(points.at(1).longitude() - middle.longitude()) < 1e-9, qPrintable(points.at(1).toString()));
}

void TestMapGeometry::projection_data()
{
    // clang-format off
    QTest::addColumn<QList<QGeoCoordinate>>("path");
    QTest::addColumn<bool>("globe");
    QTest::addColumn<QList<int>>("pointCounts");
    QTest::addColumn<QList<QPointF>>("ends"); // first and last point of each piece, Mercator units

    const double east170 = 350.0 / 360.0, west170 = 10.0 / 360.0;
    QTest::newRow("straight across the 180th meridian")
        << QList<QGeoCoordinate>{{0, 170}, {0, -170}} << false << QList<int>{2, 2}
        << QList<QPointF>{{east170, 0.5}, {1.0, 0.5}, {0.0, 0.5}, {west170, 0.5}};
    // The equator is a great circle that runs straight on the map: no points added, but the cut.
    QTest::newRow("great circle across the 180th meridian")
        << QList<QGeoCoordinate>{{0, 170}, {0, -170}} << true << QList<int>{2, 2}
        << QList<QPointF>{{east170, 0.5}, {1.0, 0.5}, {0.0, 0.5}, {west170, 0.5}};
    // The equator is straight on the map: one chord serves, however long.
    QTest::newRow("straight great circle") << QList<QGeoCoordinate>{{0, 0}, {0, 90}} << true << QList<int>{2}
                                           << QList<QPointF>{{0.5, 0.5}, {0.75, 0.5}};
    QTest::newRow("invalid points skipped")
        << QList<QGeoCoordinate>{{0, 0}, QGeoCoordinate(), {0, 90}} << false << QList<int>{2}
        << QList<QPointF>{{0.5, 0.5}, {0.75, 0.5}};
    QTest::newRow("one point draws nothing") << QList<QGeoCoordinate>{{0, 0}} << true << QList<int>{}
                                             << QList<QPointF>{};
    // clang-format on
}

void TestMapGeometry::projection()
{
    QFETCH(QList<QGeoCoordinate>, path);
    QFETCH(bool, globe);
    QFETCH(QList<int>, pointCounts);
    QFETCH(QList<QPointF>, ends);
    const QList<QPolygonF> pieces = GeoPathProjector::project(path, globe, 256.0, 4.0);
    QCOMPARE(pieces.size(), pointCounts.size());
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QCOMPARE(pieces.at(i).size(), pointCounts.at(i));
        const QPointF first = pieces.at(i).first(), last = pieces.at(i).last();
        QVERIFY2((first - ends.at(2 * i)).manhattanLength() < 1e-9, qPrintable(QString::number(first.x(), 'g', 12)));
        QVERIFY2((last - ends.at(2 * i + 1)).manhattanLength() < 1e-9, qPrintable(QString::number(last.x(), 'g', 12)));
    }
}

void TestMapGeometry::densification_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("from");
    QTest::addColumn<QGeoCoordinate>("to");
    QTest::addColumn<double>("worldSize");
    QTest::newRow("transatlantic at zoom 3") << QGeoCoordinate(40, -70) << QGeoCoordinate(50, 0) << 2048.0;
    QTest::newRow("transatlantic at zoom 8") << QGeoCoordinate(40, -70) << QGeoCoordinate(50, 0) << 65536.0;
    QTest::newRow("short leg in the north at zoom 10") << QGeoCoordinate(64, -22) << QGeoCoordinate(65, -18)
                                                        << 262144.0;
    // clang-format on
}

void TestMapGeometry::densification()
{
    QFETCH(QGeoCoordinate, from);
    QFETCH(QGeoCoordinate, to);
    QFETCH(double, worldSize);
    const QList<QPolygonF> pieces = GeoPathProjector::project({from, to}, true, worldSize, 4.0);
    QCOMPARE(pieces.size(), 1);
    QPolygonF drawn = pieces.first();
    for (QPointF &p : drawn)
        p *= worldSize;
    // Points of the true great circle (walked by Qt's own spherical geometry) lie within a
    // third of a pixel of the chords drawn.
    const double distance = from.distanceTo(to);
    const double azimuth = from.azimuthTo(to);
    for (int i = 0; i <= 100; ++i) {
        const QGeoCoordinate c = from.atDistanceAndAzimuth(distance * i / 100.0, azimuth);
        const double lat = qDegreesToRadians(c.latitude());
        const QPointF p((c.longitude() + 180.0) / 360.0 * worldSize,
                        (0.5 - std::log(std::tan(M_PI / 4.0 + lat / 2.0)) / (2.0 * M_PI)) * worldSize);
        QVERIFY2(ShapeHitTest::distanceToPolyline(p, drawn, false) < 0.34, qPrintable(QString::number(i)));
    }
    // And no closer together than every 4 px along the way.
    double length = 0.0;
    for (qsizetype i = 1; i < drawn.size(); ++i)
        length += QLineF(drawn.at(i - 1), drawn.at(i)).length();
    QVERIFY(drawn.size() - 1 <= std::ceil(length / 4.0) + 1);
}

void TestMapGeometry::strokeCoverage_data()
{
    // clang-format off
    QTest::addColumn<QPolygonF>("line");
    QTest::addColumn<int>("cap");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("inside");
    const QPolygonF straight{{0, 0}, {10, 0}};
    const QPolygonF corner{{0, 0}, {10, 0}, {10, 10}};
    QTest::newRow("on the line") << straight << int(Qt::FlatCap) << QPointF(5, 0.9) << true;
    QTest::newRow("beside the line") << straight << int(Qt::FlatCap) << QPointF(5, 1.1) << false;
    QTest::newRow("flat cap stops at the end") << straight << int(Qt::FlatCap) << QPointF(-0.5, 0) << false;
    QTest::newRow("square cap runs half a width on") << straight << int(Qt::SquareCap) << QPointF(-0.95, 0.95) << true;
    // Rounds are drawn to within a quarter pixel of the true circle.
    QTest::newRow("round cap covers the half disc") << straight << int(Qt::RoundCap) << QPointF(10.74, 0) << true;
    QTest::newRow("round cap leaves the corner") << straight << int(Qt::RoundCap) << QPointF(10.9, 0.9) << false;
    // At the bend the outer wedge is filled round: 0.71 px from the vertex yes, 1.27 px no.
    QTest::newRow("round join") << corner << int(Qt::FlatCap) << QPointF(10.5, -0.5) << true;
    QTest::newRow("no miter spike") << corner << int(Qt::FlatCap) << QPointF(10.9, -0.9) << false;
    QTest::newRow("inner side of the bend") << corner << int(Qt::FlatCap) << QPointF(9.5, 0.5) << true;
    // clang-format on
}

void TestMapGeometry::strokeCoverage()
{
    QFETCH(QPolygonF, line);
    QFETCH(int, cap);
    QFETCH(QPointF, point);
    QFETCH(bool, inside);
    QList<QPointF> triangles;
    StrokeBuilder::stroke(line, false, {2.0, Qt::PenCapStyle(cap), {}}, triangles);
    QCOMPARE(triangles.size() % 3, 0);
    QCOMPARE(covered(triangles, point), inside);
}

void TestMapGeometry::dashes_data()
{
    // clang-format off
    QTest::addColumn<QPolygonF>("line");
    QTest::addColumn<QList<qreal>>("pattern");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("count");
    QTest::addColumn<QPolygonF>("first");
    QTest::addColumn<QPointF>("secondStart");
    const QPolygonF hundred{{0, 0}, {100, 0}};
    // Dash 8, gap 4: dashes start at 0, 12, ..., 96 (the last one cut short).
    QTest::newRow("dash and gap in widths") << hundred << QList<qreal>{4, 2} << 2.0 << 9 << QPolygonF{{0, 0}, {8, 0}}
                                            << QPointF(12, 0);
    // Round lights: near-zero dashes 12.002 px apart.
    QTest::newRow("dots") << hundred << QList<qreal>{0.001, 6} << 2.0 << 9 << QPolygonF{{0, 0}, {0.002, 0}}
                          << QPointF(12.002, 0);
    QTest::newRow("odd pattern repeats") << hundred << QList<qreal>{10} << 1.0 << 5 << QPolygonF{{0, 0}, {10, 0}}
                                         << QPointF(20, 0);
    QTest::newRow("dash runs round a bend") << QPolygonF{{0, 0}, {5, 0}, {5, 5}} << QList<qreal>{8, 2} << 1.0 << 1
                                            << QPolygonF{{0, 0}, {5, 0}, {5, 3}} << QPointF();
    // clang-format on
}

void TestMapGeometry::dashes()
{
    QFETCH(QPolygonF, line);
    QFETCH(QList<qreal>, pattern);
    QFETCH(double, width);
    QFETCH(int, count);
    QFETCH(QPolygonF, first);
    QFETCH(QPointF, secondStart);
    const QList<QPolygonF> dashes = StrokeBuilder::dashes(line, false, pattern, width);
    QCOMPARE(dashes.size(), count);
    QCOMPARE(dashes.first().size(), first.size());
    for (qsizetype i = 0; i < first.size(); ++i)
        QVERIFY((dashes.first().at(i) - first.at(i)).manhattanLength() < 1e-9);
    if (count > 1)
        QVERIFY((dashes.at(1).first() - secondStart).manhattanLength() < 1e-9);
    // Gaps stay empty once stroked.
    QList<QPointF> triangles;
    StrokeBuilder::stroke(line, false, {width, Qt::FlatCap, pattern}, triangles);
    if (count > 1)
        QVERIFY(!covered(triangles, (first.last() + secondStart) / 2.0));
}

void TestMapGeometry::triangulation_data()
{
    // clang-format off
    QTest::addColumn<QPolygonF>("outer");
    QTest::addColumn<QList<QPolygonF>>("holes");
    QTest::addColumn<double>("area");
    QTest::addColumn<QList<QPointF>>("filled");
    QTest::addColumn<QList<QPointF>>("empty");
    QTest::newRow("square") << square(0, 10) << QList<QPolygonF>{} << 100.0 << QList<QPointF>{{5, 5}}
                            << QList<QPointF>{{11, 5}};
    QPolygonF clockwise = square(0, 10);
    std::reverse(clockwise.begin(), clockwise.end());
    clockwise.append(clockwise.first());
    QTest::newRow("clockwise and closed") << clockwise << QList<QPolygonF>{} << 100.0 << QList<QPointF>{{5, 5}}
                                          << QList<QPointF>{};
    const QPolygonF ell{{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
    QTest::newRow("concave") << ell << QList<QPolygonF>{} << 64.0 << QList<QPointF>{{2, 8}, {8, 2}}
                             << QList<QPointF>{{7, 7}};
    QTest::newRow("one hole") << square(0, 10) << QList<QPolygonF>{square(2, 8)} << 64.0
                              << QList<QPointF>{{1, 1}, {9, 5}} << QList<QPointF>{{5, 5}, {7.9, 2.1}};
    QTest::newRow("two holes") << QPolygonF{{0, 0}, {20, 0}, {20, 10}, {0, 10}}
                               << QList<QPolygonF>{square(2, 8), square(2, 8).translated(10, 0)} << 128.0
                               << QList<QPointF>{{10, 5}, {1, 1}, {19, 9}} << QList<QPointF>{{5, 5}, {15, 5}};
    // The hole's rightmost vertex sees the outer ring only past a notch of the ring.
    const QPolygonF notched{{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 5.5}, {6, 5.5}, {6, 10}, {0, 10}};
    QTest::newRow("hole behind a notch") << notched << QList<QPolygonF>{QPolygonF{{2, 4}, {4, 4}, {4, 6}, {2, 6}}}
                                         << 100.0 - 4.5 - 4.0 << QList<QPointF>{{5, 5}, {8, 8}}
                                         << QList<QPointF>{{3, 5}, {6.5, 8}};
    QTest::newRow("no area") << QPolygonF{{0, 0}, {5, 0}, {10, 0}} << QList<QPolygonF>{} << 0.0 << QList<QPointF>{}
                             << QList<QPointF>{{5, 0}};
    // clang-format on
}

void TestMapGeometry::triangulation()
{
    QFETCH(QPolygonF, outer);
    QFETCH(QList<QPolygonF>, holes);
    QFETCH(double, area);
    QFETCH(QList<QPointF>, filled);
    QFETCH(QList<QPointF>, empty);
    const QList<QPointF> triangles = PolygonTriangulator::triangulate(outer, holes);
    QCOMPARE(triangles.size() % 3, 0);
    // Equal area and every point where it belongs: no triangle overlaps or leaves the shape.
    QVERIFY2(std::abs(totalArea(triangles) - area) < 1e-9, qPrintable(QString::number(totalArea(triangles))));
    for (const QPointF &p : filled)
        QVERIFY2(covered(triangles, p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPointF &p : empty)
        QVERIFY2(!covered(triangles, p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TestMapGeometry::hitTests()
{
    const QPolygonF line{{0, 0}, {10, 0}, {10, 10}};
    QCOMPARE(ShapeHitTest::distanceToPolyline({5, 3}, line, false), 3.0);
    QCOMPARE(ShapeHitTest::distanceToPolyline({13, 14}, line, false), 5.0);
    // The closing segment of a ring counts, that of an open line does not.
    QCOMPARE(ShapeHitTest::distanceToPolyline({3, 7}, line, false), 7.0);
    QVERIFY(ShapeHitTest::distanceToPolyline({3, 7}, line, true) < 3.0);

    const QList<QPolygonF> rings{square(0, 10), square(2, 8)};
    QVERIFY(ShapeHitTest::insideRings({1, 1}, rings));
    QVERIFY(!ShapeHitTest::insideRings({5, 5}, rings));
    QVERIFY(!ShapeHitTest::insideRings({11, 1}, rings));
}

QTEST_APPLESS_MAIN(TestMapGeometry)
#include "tst_mapgeometry.moc"
