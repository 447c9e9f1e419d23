#include "mapcamera.h"
#include "mapview.h"

#include <QGeoPolygon>
#include <QGeoRectangle>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>
#include <memory>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

// A stand-in map item: the map recognises its kind by class information alone.
class TestMapItem : public QQuickItem
{
    Q_OBJECT
    Q_CLASSINFO("MapItem", "true")
};

class TstMapView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fromCoordinate_data();
    void fromCoordinate();
    void roundTrip_data();
    void roundTrip();
    void pan_data();
    void pan();
    void fitViewport_data();
    void fitViewport();
    void alignCoordinateToPoint_data();
    void alignCoordinateToPoint();
    void rotatedVisibleRegion_data();
    void rotatedVisibleRegion();
    void viewportAcrossAntimeridian();
    void zoomLimits();
    void itemLayerFollowsCamera();
    void qmlInterface();

private:
    std::unique_ptr<MapView> makeMap(QSizeF size, const QGeoCoordinate &center, double zoom, double bearing,
                                     const QByteArray &children = QByteArray());
    QQmlEngine m_engine;
};

void TstMapView::initTestCase()
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    qmlRegisterType<TestMapItem>("MapTest", 1, 0, "TestMapItem");
}

std::unique_ptr<MapView> TstMapView::makeMap(QSizeF size, const QGeoCoordinate &center, double zoom, double bearing,
                                             const QByteArray &children)
{
    QQmlComponent component(&m_engine);
    component.setData(
        "import QtQuick\nimport Corvel.Map\nimport MapTest\nMap { plugin: Plugin { name: \"itemsoverlay\" }\n"
            + children + "\n}",
        QUrl());
    std::unique_ptr<MapView> map(qobject_cast<MapView *>(component.create()));
    if (!map) {
        qWarning() << component.errors();
        return map;
    }
    map->setSize(size);
    map->setCenter(center);
    map->setZoomLevel(zoom);
    map->setBearing(bearing);
    return map;
}

// A 512 px view at zoom 1 shows the 512 px world once: 90° of longitude are 128 px.
void TstMapView::fromCoordinate_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QGeoCoordinate>("coordinate");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("east, north up") << 0.0 << QGeoCoordinate(0, 90) << QPointF(384, 256);
    QTest::newRow("antimeridian at the left edge") << 0.0 << QGeoCoordinate(0, -180) << QPointF(0, 256);
    QTest::newRow("east shows up when heading east") << 90.0 << QGeoCoordinate(0, 90) << QPointF(256, 128);
    // Latitude of Mercator y 0.25: atan(sinh(pi / 2)).
    QTest::newRow("north, north up") << 0.0 << QGeoCoordinate(66.51326044311186, 0) << QPointF(256, 128);
    QTest::newRow("north shows down when heading south") << 180.0 << QGeoCoordinate(66.51326044311186, 0) << QPointF(256, 384);
    QTest::newRow("east, heading 45") << 45.0 << QGeoCoordinate(0, 90) << QPointF(256 + 90.50966799, 256 - 90.50966799);
    // clang-format on
}

void TstMapView::fromCoordinate()
{
    QFETCH(double, bearing);
    QFETCH(QGeoCoordinate, coordinate);
    QFETCH(QPointF, expected);
    auto map = makeMap(QSizeF(512, 512), QGeoCoordinate(0, 0), 1.0, bearing);
    QVERIFY(map);
    const QPointF point = map->fromCoordinate(coordinate, false);
    QVERIFY2(QLineF(point, expected).length() < 1e-6,
             qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    const QGeoCoordinate back = map->toCoordinate(expected, false);
    QVERIFY(std::abs(back.latitude() - coordinate.latitude()) < 1e-9);
    QVERIFY(std::abs(MapCamera::wrapDelta((back.longitude() - coordinate.longitude()) / 360.0)) < 1e-9);
}

void TstMapView::roundTrip_data()
{
    // clang-format off
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QGeoCoordinate>("coordinate");
    const QList<QPair<double, QGeoCoordinate>> places = {
        {3.0, QGeoCoordinate(40.6413, -73.7781)}, {10.6, QGeoCoordinate(50.1, 8.7)}, {18.0, QGeoCoordinate(50.0340, 8.5715)}};
    for (const auto &[zoom, coordinate] : places) {
        for (double bearing : {0.0, 45.0, 170.0})
            QTest::addRow("zoom %g bearing %g", zoom, bearing) << zoom << bearing << coordinate;
    }
    // clang-format on
}

void TstMapView::roundTrip()
{
    QFETCH(double, zoom);
    QFETCH(double, bearing);
    QFETCH(QGeoCoordinate, coordinate);
    auto map = makeMap(QSizeF(1000, 700), QGeoCoordinate(50.0333, 8.5706), zoom, bearing);
    QVERIFY(map);
    QCOMPARE(map->zoomLevel(), zoom);
    for (const QGeoCoordinate &c : {coordinate, QGeoCoordinate(-80.0, 170.0), map->center()}) {
        const QGeoCoordinate back = map->toCoordinate(map->fromCoordinate(c, false), false);
        QVERIFY2(std::abs(back.latitude() - c.latitude()) < 1e-6 && std::abs(back.longitude() - c.longitude()) < 1e-6,
                 qPrintable(back.toString()));
    }
    // Clipping: the centre is in view, the far side of the world is not.
    QVERIFY(!std::isnan(map->fromCoordinate(map->center()).x()));
    QVERIFY(std::isnan(map->fromCoordinate(QGeoCoordinate(-50.0, -171.0)).x()));
    QVERIFY(!map->toCoordinate(QPointF(-1, 10)).isValid());
}

void TstMapView::pan_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QGeoCoordinate>("expected");
    QTest::newRow("right, north up") << 0.0 << QPoint(128, 0) << QGeoCoordinate(0, 90);
    QTest::newRow("up, heading east") << 90.0 << QPoint(0, -128) << QGeoCoordinate(0, 90);
    QTest::newRow("down, heading south") << 180.0 << QPoint(0, 128) << QGeoCoordinate(66.51326044311186, 0);
    QTest::newRow("across the antimeridian") << 0.0 << QPoint(-320, 0) << QGeoCoordinate(0, 135);
    // clang-format on
}

void TstMapView::pan()
{
    QFETCH(double, bearing);
    QFETCH(QPoint, delta);
    QFETCH(QGeoCoordinate, expected);
    auto map = makeMap(QSizeF(512, 512), QGeoCoordinate(0, 0), 1.0, bearing);
    QVERIFY(map);
    map->pan(delta.x(), delta.y());
    QVERIFY2(map->center().distanceTo(expected) < 0.01, qPrintable(map->center().toString()));
}

void TstMapView::fitViewport_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QGeoRectangle>("rectangle");
    QTest::addColumn<double>("centerLongitude");
    QTest::newRow("Europe, north up") << 0.0 << QGeoRectangle(QGeoCoordinate(55, -5), QGeoCoordinate(45, 15)) << 5.0;
    QTest::newRow("Europe, heading 30") << 30.0 << QGeoRectangle(QGeoCoordinate(55, -5), QGeoCoordinate(45, 15)) << 5.0;
    QTest::newRow("tall box, heading 170") << 170.0 << QGeoRectangle(QGeoCoordinate(52, 8), QGeoCoordinate(47, 9)) << 8.5;
    QTest::newRow("across the antimeridian") << 0.0 << QGeoRectangle(QGeoCoordinate(10, 170), QGeoCoordinate(-20, -170))
                                             << -180.0;
    // clang-format on
}

void TstMapView::fitViewport()
{
    QFETCH(double, bearing);
    QFETCH(QGeoRectangle, rectangle);
    QFETCH(double, centerLongitude);
    const double margin = 125.0, w = 1000.0, h = 700.0;
    auto map = makeMap(QSizeF(w, h), QGeoCoordinate(0, 0), 3.0, bearing);
    QVERIFY(map);
    map->setMaximumZoomLevel(18);
    map->fitViewportToGeoShape(QVariant::fromValue(rectangle), margin);
    QCOMPARE(map->bearing(), bearing);
    QVERIFY(std::abs(MapCamera::wrapDelta((map->center().longitude() - centerLongitude) / 360.0)) < 1e-9);
    double closest = std::numeric_limits<double>::max();
    const QList<QGeoCoordinate> corners
        = {rectangle.topLeft(), rectangle.topRight(), rectangle.bottomLeft(), rectangle.bottomRight()};
    for (const QGeoCoordinate &corner : corners) {
        const QPointF p = map->fromCoordinate(corner, false);
        QVERIFY2(p.x() >= margin - 1e-6 && p.x() <= w - margin + 1e-6 && p.y() >= margin - 1e-6
                     && p.y() <= h - margin + 1e-6,
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(corner.toString()).arg(p.x()).arg(p.y())));
        closest = std::min({closest, p.x(), w - p.x(), p.y(), h - p.y()});
    }
    // As large as it fits: some corner touches the margin.
    QVERIFY2(closest < margin + 0.5, qPrintable(QString::number(closest)));

    // A lone point cannot be fitted closer than the highest zoom.
    map->fitViewportToGeoShape(QVariant::fromValue(QGeoRectangle(QGeoCoordinate(48, 2), QGeoCoordinate(48, 2))),
                               margin);
    QCOMPARE(map->zoomLevel(), 18.0);
}

void TstMapView::alignCoordinateToPoint_data()
{
    // clang-format off
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("bearing");
    QTest::addColumn<QGeoCoordinate>("coordinate");
    QTest::addColumn<QPointF>("point");
    QTest::newRow("wheel at a corner") << 10.6 << 0.0 << QGeoCoordinate(47.5, 11.2) << QPointF(20, 30);
    QTest::newRow("turned") << 10.6 << 45.0 << QGeoCoordinate(47.5, 11.2) << QPointF(100, 650);
    QTest::newRow("close in, heading 170") << 18.0 << 170.0 << QGeoCoordinate(-33.9461, 151.1772) << QPointF(900, 10);
    QTest::newRow("across the antimeridian") << 4.0 << 0.0 << QGeoCoordinate(-17.75, 177.45) << QPointF(990, 350);
    // clang-format on
}

void TstMapView::alignCoordinateToPoint()
{
    QFETCH(double, zoom);
    QFETCH(double, bearing);
    QFETCH(QGeoCoordinate, coordinate);
    QFETCH(QPointF, point);
    auto map = makeMap(QSizeF(1000, 700), QGeoCoordinate(48.9, 2.3), zoom, bearing);
    QVERIFY(map);
    map->alignCoordinateToPoint(coordinate, point);
    QCOMPARE(map->zoomLevel(), zoom);
    QCOMPARE(map->bearing(), bearing);
    const QPointF shown = map->fromCoordinate(coordinate);
    QVERIFY2(QLineF(shown, point).length() < 0.5, qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
}

void TstMapView::rotatedVisibleRegion_data()
{
    // clang-format off
    QTest::addColumn<double>("bearing");
    for (double bearing : {0.0, 30.0, 45.0, 170.0})
        QTest::addRow("heading %g", bearing) << bearing;
    // clang-format on
}

void TstMapView::rotatedVisibleRegion()
{
    QFETCH(double, bearing);
    const double w = 1000, h = 700;
    auto map = makeMap(QSizeF(w, h), QGeoCoordinate(48.9, 2.3), 6.0, bearing);
    QVERIFY(map);
    const QGeoShape region = map->visibleRegion();
    const QGeoRectangle box = region.boundingGeoRectangle();
    const QList<QPointF> corners
        = {QPointF(0.5, 0.5), QPointF(w - 0.5, 0.5), QPointF(w - 0.5, h - 0.5), QPointF(0.5, h - 0.5)};
    for (const QPointF &corner : corners) {
        QVERIFY2(box.contains(map->toCoordinate(corner)), qPrintable(map->toCoordinate(corner).toString()));
        QVERIFY(region.contains(map->toCoordinate(corner)));
    }
    // Just outside a corner of the view lies outside the region, though inside the box when turned.
    const QGeoCoordinate outside = map->toCoordinate(QPointF(-15, -15), false);
    QVERIFY(!region.contains(outside));
    QVERIFY(!region.contains(QGeoCoordinate(-30.0, 2.3)));
}

// Centre on the 179.5th meridian at zoom 5 (8192 px world): 500 px are 21.97265625 degrees.
void TstMapView::viewportAcrossAntimeridian()
{
    auto map = makeMap(QSizeF(1000, 700), QGeoCoordinate(0, 179.5), 5.0, 0.0);
    QVERIFY(map);
    const QGeoRectangle box = map->visibleRegion().boundingGeoRectangle();
    QVERIFY2(std::abs(box.topLeft().longitude() - 157.52734375) < 1e-9, qPrintable(box.topLeft().toString()));
    QVERIFY2(std::abs(box.bottomRight().longitude() + 158.52734375) < 1e-9, qPrintable(box.bottomRight().toString()));
    QVERIFY(map->visibleRegion().contains(QGeoCoordinate(10, -170)));
    QVERIFY(map->visibleRegion().contains(QGeoCoordinate(-10, 170)));
    QVERIFY(!map->visibleRegion().contains(QGeoCoordinate(0, 0)));
    const QPointF east = map->fromCoordinate(QGeoCoordinate(0, -170));
    QVERIFY2(QLineF(east, QPointF(500 + 238.93333333, 350)).length() < 1e-6, qPrintable(QString::number(east.x())));
}

void TstMapView::zoomLimits()
{
    auto map = makeMap(QSizeF(400, 300), QGeoCoordinate(48.9, 2.3), 11.0, 0.0);
    QVERIFY(map);
    map->setMinimumZoomLevel(3);
    map->setMaximumZoomLevel(18);
    QSignalSpy zoomed(map.get(), &MapView::zoomLevelChanged);
    map->setProperty("zoomLevel", 25.0);
    QCOMPARE(map->zoomLevel(), 18.0);
    map->setProperty("zoomLevel", 2.82);
    QCOMPARE(map->zoomLevel(), 3.0);
    map->setProperty("zoomLevel", 10.6);
    QCOMPARE(map->zoomLevel(), 10.6);
    map->setMaximumZoomLevel(8);
    QCOMPARE(map->zoomLevel(), 8.0);
    QCOMPARE(zoomed.count(), 4);
    // The flat map holds tilt and field of view at their neutral values.
    map->setProperty("tilt", 30.0);
    map->setProperty("fieldOfView", 60.0);
    QCOMPARE(map->property("tilt").toDouble(), 0.0);
    QCOMPARE(map->property("fieldOfView").toDouble(), 45.0);
}

void TstMapView::itemLayerFollowsCamera()
{
    auto map = makeMap(QSizeF(800, 600), QGeoCoordinate(48.9, 2.3), 3.0, 45.0,
                       "Item { objectName: \"under\" }\nTestMapItem { objectName: \"item\" }\n"
                       "Item { objectName: \"plain\" }");
    QVERIFY(map);
    auto *item = map->findChild<QQuickItem *>(QStringLiteral("item"));
    auto *plain = map->findChild<QQuickItem *>(QStringLiteral("plain"));
    QVERIFY(item && plain);
    QCOMPARE(item->parentItem(), map->itemLayer());
    QCOMPARE(plain->parentItem(), map.get());
    // Stacked in declaration order: what came before the map items lies below them.
    const QList<QQuickItem *> stack = map->childItems();
    QQuickItem *layer = map->itemLayer()->parentItem();
    QCOMPARE(stack.indexOf(layer), stack.indexOf(map->findChild<QQuickItem *>(QStringLiteral("under"))) + 1);
    QCOMPARE(stack.indexOf(plain), stack.indexOf(layer) + 1);

    const QGeoCoordinate place(51.47, -0.45);
    item->setPosition(map->camera().mercatorToLayer(MapCamera::mercator(place)));
    const QPointF layerPosition = item->position();
    QSignalSpy originMoved(map.get(), &MapView::layerOriginChanged);
    // Pans and turns move the layer, never the item; a long pan moves the origin and says so.
    map->pan(130, -70);
    map->setBearing(300);
    QCOMPARE(item->position(), layerPosition);
    QCOMPARE(originMoved.count(), 0);
    QVERIFY(QLineF(item->mapToItem(map.get(), QPointF(0, 0)), map->fromCoordinate(place, false)).length() < 0.5);
    map->pan(0, 800);
    QCOMPARE(originMoved.count(), 1);
    item->setPosition(map->camera().mercatorToLayer(MapCamera::mercator(place)));
    QVERIFY(QLineF(item->mapToItem(map.get(), QPointF(0, 0)), map->fromCoordinate(place, false)).length() < 0.5);

    // A resize keeps the centre in the middle.
    const QGeoCoordinate center = map->center();
    map->setSize(QSizeF(1000, 700));
    QCOMPARE(map->center(), center);
    QVERIFY(QLineF(map->fromCoordinate(center), QPointF(500, 350)).length() < 1e-6);
    QVERIFY(QLineF(item->mapToItem(map.get(), QPointF(0, 0)), map->fromCoordinate(place, false)).length() < 0.5);
}

// What the map's callers write in QML: a gliding centre, fitting, the region and the map types.
void TstMapView::qmlInterface()
{
    QTemporaryDir cache;
    QQmlComponent component(&m_engine);
    component.setData(QByteArray(R"(
        import QtQuick
        import QtPositioning
        import Corvel.Map
        Map {
            id: map
            width: 800; height: 600
            plugin: Plugin {
                name: "osm"
                PluginParameter { name: "osm.mapping.cache.directory"; value: "CACHE" }
            }
            minimumZoomLevel: 3; maximumZoomLevel: 18; zoomLevel: 11
            center: QtPositioning.coordinate(48.9, 2.3)
            property var box: visibleRegion.boundingGeoRectangle()
            property int types: supportedMapTypes.length
            activeMapType: supportedMapTypes[2]
            CoordinateAnimation { id: move; target: map; property: "center"; duration: 1000; easing.type: Easing.OutExpo }
            function glide(to) { move.from = map.center; move.to = to; move.start() }
            function fit() {
                map.fitViewportToGeoShape(QtPositioning.rectangle(QtPositioning.coordinate(52, 0),
                                                                  QtPositioning.coordinate(45, 10)), 125)
            }
            function corner() { return map.fromCoordinate(QtPositioning.coordinate(52, 0), false) }
        }
    )")
                          .replace("CACHE", cache.path().toUtf8()),
                      QUrl());
    std::unique_ptr<MapView> map(qobject_cast<MapView *>(component.create()));
    QVERIFY2(map, qPrintable(component.errorString()));
    // Not in a window, so no tile is asked for; the types are there for the first binding.
    QCOMPARE(map->property("types").toInt(), 7);
    QVERIFY(map->activeMapType());
    QCOMPARE(map->activeMapType()->name(), QStringLiteral("Cycle Map"));
    const QGeoRectangle box = map->property("box").value<QGeoRectangle>();
    QVERIFY(box.contains(QGeoCoordinate(48.9, 2.3)) && box.width() > 0.1 && box.width() < 1.0);

    QSignalSpy moved(map.get(), &MapView::centerChanged);
    QMetaObject::invokeMethod(map.get(), "glide", Q_ARG(QVariant, QVariant::fromValue(QGeoCoordinate(50.0, 8.0))));
    QTRY_VERIFY(map->center().distanceTo(QGeoCoordinate(50.0, 8.0)) < 1.0);
    // Steps on the way: the animation is long enough for a busy machine to draw a few of them.
    QVERIFY(moved.count() > 2);

    QMetaObject::invokeMethod(map.get(), "fit");
    QVariant corner;
    QMetaObject::invokeMethod(map.get(), "corner", Q_RETURN_ARG(QVariant, corner));
    const QPointF p = corner.toPointF();
    QVERIFY2(p.x() > 124.999 && p.y() > 124.999 && p.x() < 675.001,
             qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

QTEST_MAIN(TstMapView)
#include "tst_mapview.moc"
