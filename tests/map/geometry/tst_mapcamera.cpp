#include "mapcamera.h"
#include "tilecoverage.h"

#include <QSet>
#include <QTest>

// The engine's geometry on its own: no window, no tiles, no items. Expected values are worked out
// by hand from the Web Mercator formulas (x = (lon + 180) / 360, y = 1/2 - asinh(tan lat) / 2 pi,
// 256 * 2^zoom pixels per world) and the screen convention (bearing turns the top of the view
// clockwise from north).
class TstMapCamera : public QObject
{
    Q_OBJECT

private slots:
    void projection_data();
    void projection();
    void wrapDelta_data();
    void wrapDelta();
    void toItem_data();
    void toItem();
    void fitRectangle_data();
    void fitRectangle();
    void visibleTiles_data();
    void visibleTiles();
    void tileRectangles();
    void standIns_data();
    void standIns();
};

static MapCamera camera(double lat, double lon, double zoom, QSizeF size, double bearing = 0.0)
{
    MapCamera c;
    c.setCenter(QGeoCoordinate(lat, lon));
    c.setZoom(zoom);
    c.setViewportSize(size);
    c.setBearing(bearing);
    return c;
}

void TstMapCamera::projection_data()
{
    // clang-format off
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QPointF>("mercator");
    QTest::newRow("origin") << 0.0 << 0.0 << QPointF(0.5, 0.5);
    QTest::newRow("90 east") << 0.0 << 90.0 << QPointF(0.75, 0.5);
    QTest::newRow("antimeridian wraps to the west edge") << 0.0 << 180.0 << QPointF(0.0, 0.5);
    QTest::newRow("45 north") << 45.0 << -90.0 << QPointF(0.25, 0.3597250);
    QTest::newRow("10 south") << -10.0 << 0.0 << QPointF(0.5, 0.5279197);
    QTest::newRow("north edge of the square") << 85.0511287798066 << 0.0 << QPointF(0.5, 0.0);
    QTest::newRow("pole clamped to the edge") << -90.0 << 0.0 << QPointF(0.5, 1.0);
    // clang-format on
}

void TstMapCamera::projection()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QPointF, mercator);
    const QPointF m = MapCamera::mercator(QGeoCoordinate(lat, lon));
    QVERIFY2(qAbs(m.x() - mercator.x()) < 1e-6 && qAbs(m.y() - mercator.y()) < 1e-6,
             qPrintable(QStringLiteral("(%1, %2)").arg(m.x(), 0, 'f', 7).arg(m.y(), 0, 'f', 7)));
    if (qAbs(lat) < 85.0) {
        const QGeoCoordinate back = MapCamera::fromMercator(m);
        QVERIFY(qAbs(back.latitude() - lat) < 1e-9);
        QVERIFY(qAbs(MapCamera::wrapDelta((back.longitude() - lon) / 360.0)) < 1e-9);
    }
}

void TstMapCamera::wrapDelta_data()
{
    // clang-format off
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("wrapped");
    QTest::newRow("short way east") << 0.25 << 0.25;
    QTest::newRow("long way east is short way west") << 0.75 << -0.25;
    QTest::newRow("long way west is short way east") << -0.6 << 0.4;
    QTest::newRow("half a world counts as west") << 0.5 << -0.5;
    QTest::newRow("whole turns drop") << 2.1 << 0.1;
    // clang-format on
}

void TstMapCamera::wrapDelta()
{
    QFETCH(double, dx);
    QFETCH(double, wrapped);
    QVERIFY(qAbs(MapCamera::wrapDelta(dx) - wrapped) < 1e-12);
}

void TstMapCamera::toItem_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QPointF>("item");
    // Centre (0, 0), zoom 1: 512 pixels a world, view 800 x 600 with its centre at (400, 300).
    QTest::newRow("centre") << 0.0 << 0.0 << 0.0 << QPointF(400, 300);
    QTest::newRow("90 east, north up") << 0.0 << 0.0 << 90.0 << QPointF(528, 300);
    QTest::newRow("90 west, north up") << 0.0 << 0.0 << -90.0 << QPointF(272, 300);
    QTest::newRow("45 north, north up") << 0.0 << 45.0 << 0.0 << QPointF(400, 300 - 0.1402750 * 512);
    QTest::newRow("east is up when the view looks east") << 90.0 << 0.0 << 90.0 << QPointF(400, 172);
    QTest::newRow("north is left when the view looks east") << 90.0 << 45.0 << 0.0 << QPointF(400 - 0.1402750 * 512, 300);
    QTest::newRow("east is down when the view looks west") << 270.0 << 0.0 << 90.0 << QPointF(400, 428);
    QTest::newRow("the short way across the antimeridian") << 0.0 << 0.0 << 179.0 << QPointF(400 + 179.0 / 360.0 * 512, 300);
    // clang-format on
}

void TstMapCamera::toItem()
{
    QFETCH(double, bearing);
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QPointF, item);
    const MapCamera c = camera(0, 0, 1, QSizeF(800, 600), bearing);
    const QPointF p = c.toItem(QGeoCoordinate(lat, lon));
    QVERIFY2(qAbs(p.x() - item.x()) < 1e-3 && qAbs(p.y() - item.y()) < 1e-3,
             qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    const QGeoCoordinate back = c.fromItem(p);
    QVERIFY(qAbs(back.latitude() - lat) < 1e-6);
    QVERIFY(qAbs(MapCamera::wrapDelta((back.longitude() - lon) / 360.0)) < 1e-9);
}

void TstMapCamera::fitRectangle_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    QTest::addColumn<double>("margin");
    QTest::addColumn<double>("maxZoom");
    QTest::addColumn<double>("zoom");
    // 20 x 20 degrees around (0, 0): 0.0555556 x 0.0558394 of the world. In 800 x 600 the height
    // decides: 600 / 0.0558394 = 10745.1 pixels a world, log2(10745.1 / 256) = 5.39142.
    QTest::newRow("height decides") << 0.0 << 0.0 << 18.0 << 5.39142;
    // Looking east the rectangle lies on its side: 600 / 0.0555556 = 10800, log2(42.1875).
    QTest::newRow("turned a quarter") << 90.0 << 0.0 << 18.0 << 5.39874;
    // 50 pixels each side leave 500: log2(500 / 0.0558394 / 256) = 5.12838.
    QTest::newRow("margin") << 0.0 << 50.0 << 18.0 << 5.12838;
    QTest::newRow("held at the maximum") << 0.0 << 0.0 << 4.0 << 4.0;
    // clang-format on
}

void TstMapCamera::fitRectangle()
{
    QFETCH(double, bearing);
    QFETCH(double, margin);
    QFETCH(double, maxZoom);
    QFETCH(double, zoom);
    MapCamera c = camera(30, 30, 2, QSizeF(800, 600), bearing);
    c.fitRectangle(QGeoRectangle(QGeoCoordinate(10, -10), QGeoCoordinate(-10, 10)), margin, 0.0, maxZoom);
    QVERIFY2(qAbs(c.zoom() - zoom) < 1e-4, qPrintable(QString::number(c.zoom(), 'f', 5)));
    QVERIFY(qAbs(c.center().latitude()) < 1e-9 && qAbs(c.center().longitude()) < 1e-9);
}

void TstMapCamera::visibleTiles_data()
{
    // clang-format off
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("minimumZoom");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("xs"); // unwrapped columns, nearest the centre first
    QTest::addColumn<QList<int>>("keyXs"); // the same, wrapped into the world
    QTest::addColumn<QList<int>>("ys");
    // Zoom 2 is 1024 pixels a world: a 1024 x 512 view at (0, 0) shows columns 0..3 and rows 1, 2;
    // columns 1 and 2 lie nearest the centre (distance^2 0.03125 against 0.15625).
    QTest::newRow("whole width") << 0.0 << 2.0 << QSizeF(1024, 512) << 0 << 2
                                 << QList<int>{1, 1, 2, 2, 0, 0, 3, 3} << QList<int>{1, 1, 2, 2, 0, 0, 3, 3}
                                 << QList<int>{1, 2, 1, 2, 1, 2, 1, 2};
    // Centred on the antimeridian at zoom 1, the view shows the east half of the world (column
    // -1, drawn left) and the west half (column 0), rows 0 and 1.
    QTest::newRow("across the antimeridian") << 180.0 << 1.0 << QSizeF(512, 512) << 0 << 1
                                             << QList<int>{-1, -1, 0, 0} << QList<int>{1, 1, 0, 0}
                                             << QList<int>{0, 1, 0, 1};
    // The zoom rounds to the nearest level: 1.6 draws level 2.
    QTest::newRow("rounded level") << 0.0 << 1.6 << QSizeF(100, 100) << 0 << 2
                                   << QList<int>{1, 1, 2, 2} << QList<int>{1, 1, 2, 2} << QList<int>{1, 2, 1, 2};
    // A provider starting at level 10 seen at zoom 0: a million tiles, so none.
    QTest::newRow("too many tiles") << 0.0 << 0.0 << QSizeF(256, 256) << 10 << 10
                                    << QList<int>{} << QList<int>{} << QList<int>{};
    // clang-format on
}

void TstMapCamera::visibleTiles()
{
    QFETCH(double, lon);
    QFETCH(double, zoom);
    QFETCH(QSizeF, size);
    QFETCH(int, minimumZoom);
    QFETCH(int, level);
    QFETCH(QList<int>, xs);
    QFETCH(QList<int>, keyXs);
    QFETCH(QList<int>, ys);
    const TileCoverage coverage(camera(0, lon, zoom, size), minimumZoom, 19);
    QCOMPARE(coverage.level(), level);
    const QList<TileCoverage::Tile> tiles = coverage.visibleTiles();
    QCOMPARE(tiles.size(), xs.size());
    // Tiles at the same distance may come in any order: compare each group of equals as a set.
    QSet<QPair<int, int>> got, expected;
    QSet<QPair<int, int>> gotKeys, expectedKeys;
    for (int i = 0; i < tiles.size(); ++i) {
        QCOMPARE(tiles[i].z, level);
        got.insert({tiles[i].x, tiles[i].y});
        expected.insert({xs[i], ys[i]});
        const TileKey key = TileCoverage::wrapped(tiles[i].z, tiles[i].x, tiles[i].y);
        gotKeys.insert({key.x, key.y});
        expectedKeys.insert({keyXs[i], ys[i]});
        // The nearest four of the wide view come before the outer columns.
        if (i == 3 && tiles.size() == 8)
            QCOMPARE(got, expected);
    }
    QCOMPARE(got, expected);
    QCOMPARE(gotKeys, expectedKeys);
}

void TstMapCamera::tileRectangles()
{
    // Zoom 1 at (0, 0), a 512 x 512 view: the world exactly fills it, each tile a quarter, in
    // pixels around the view centre.
    const TileCoverage upright(camera(0, 0, 1, QSizeF(512, 512)), 0, 19);
    QCOMPARE(upright.rect(1, 0, 0), QRectF(-256, -256, 256, 256));
    QCOMPARE(upright.rect(1, 1, 1), QRectF(0, 0, 256, 256));
    QCOMPARE(upright.rect(0, 0, 0), QRectF(-256, -256, 512, 512));
    // Upright tiles keep whole pixels even at a fractional zoom (no seam between neighbours):
    // at zoom 1.5 a tile is 362.04 pixels; the edges round and the neighbour starts where one ends.
    const TileCoverage fractional(camera(0, 0, 1.5, QSizeF(501, 401)), 0, 19);
    const QRectF left = fractional.rect(2, 1, 1), right = fractional.rect(2, 2, 1);
    QCOMPARE(left.right(), right.left());
    QCOMPARE(left.left() + 250.5, std::round(left.left() + 250.5));
    QCOMPARE(left.top() + 200.5, std::round(left.top() + 200.5));
}

void TstMapCamera::standIns_data()
{
    // clang-format off
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("loaded");
    QTest::addColumn<int>("minimumZoom");
    QTest::addColumn<QStringList>("drawn"); // "z/x/y", in drawing order
    // The view of zoom 1 at (0, 0) in 512 x 512 wants the four tiles of level 1.
    QTest::newRow("all loaded") << 1.0 << 512.0 << QStringList{"1/0/0", "1/1/0", "1/0/1", "1/1/1"} << 0
                                << QStringList{"1/0/0", "1/1/0", "1/0/1", "1/1/1"};
    QTest::newRow("one ancestor stands in for all, once") << 1.0 << 512.0 << QStringList{"0/0/0"} << 0 << QStringList{"0/0/0"};
    QTest::newRow("no ancestor above the provider's lowest level") << 1.0 << 512.0 << QStringList{"0/0/0"} << 1 << QStringList{};
    QTest::newRow("children stand in, under the loaded tiles")
        << 1.0 << 512.0 << QStringList{"1/0/0", "2/2/2", "2/3/2", "2/2/3", "2/3/3"} << 1
        << QStringList{"2/2/2", "2/3/2", "2/2/3", "2/3/3", "1/0/0"};
    QTest::newRow("an ancestor before children") << 1.0 << 512.0 << QStringList{"2/2/2", "0/0/0"} << 0 << QStringList{"0/0/0"};
    // Zoom 2 in 1024 x 512 wants columns 0..3 of rows 1 and 2: the two tiles under 1/0/0 take it,
    // the six others the world tile, which is drawn first, below.
    QTest::newRow("lower stand-ins first") << 2.0 << 1024.0 << QStringList{"1/0/0", "0/0/0"} << 0
                                           << QStringList{"0/0/0", "1/0/0"};
    // clang-format on
}

void TstMapCamera::standIns()
{
    QFETCH(double, zoom);
    QFETCH(double, width);
    QFETCH(QStringList, loaded);
    QFETCH(int, minimumZoom);
    QFETCH(QStringList, drawn);
    const TileCoverage coverage(camera(0, 0, zoom, QSizeF(width, 512)), minimumZoom, 19);
    auto name = [](const TileKey &k) { return QStringLiteral("%1/%2/%3").arg(k.z).arg(k.x).arg(k.y); };
    const auto isLoaded = [&](const TileKey &k) { return loaded.contains(name(k)); };
    const QList<TileCoverage::Placed> placed = coverage.drawList(coverage.visibleTiles(), isLoaded);
    QStringList got;
    for (const TileCoverage::Placed &p : placed) {
        got.append(name(p.key));
        QCOMPARE(p.rect, coverage.rect(p.key.z, p.key.x, p.key.y));
    }
    // Equal levels may come in any order; the levels themselves must not.
    QStringList sortedGot = got, sortedDrawn = drawn;
    std::sort(sortedGot.begin(), sortedGot.end());
    std::sort(sortedDrawn.begin(), sortedDrawn.end());
    QCOMPARE(sortedGot, sortedDrawn);
    for (int i = 0; i < got.size(); ++i)
        QCOMPARE(got[i].section('/', 0, 0), drawn[i].section('/', 0, 0));
}

QTEST_APPLESS_MAIN(TstMapCamera)
#include "tst_mapcamera.moc"
