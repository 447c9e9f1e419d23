#include "httptestserver.h"
#include "mapview.h"
#include "symbolimage.h"
#include "warningcounter.h"

#include <QBuffer>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

namespace {

bool near(QRgb pixel, const QColor &color, int tolerance = 40)
{
    return std::abs(qRed(pixel) - color.red()) <= tolerance && std::abs(qGreen(pixel) - color.green()) <= tolerance
           && std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// Rows of a column where the image has the colour, as the middle of the run found.
double runMiddle(const QImage &image, int column, const QColor &color)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (near(image.pixel(column, y), color)) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return first < 0 ? -1.0 : (first + last) / 2.0;
}

QByteArray png(const QColor &color)
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

// Items drawn through OpenGL (under Xvfb): where their pixels land, and that the pointer meets
// the drawn shape rather than its bounding box.
class TstPixelMapItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void greatCircleBowsNorth();
    void dashedLineShowsGaps();
    void pointerMeetsShapesNotBoxes();
    void grabHoldsTilesAndItems();
    void demoLoadsWithoutWarnings();
    void symbolTakesTheTint_data();
    void symbolTakesTheTint();
    void outlineFillsAndStrokes_data();
    void outlineFillsAndStrokes();

private:
    QQuickItem *load(const QByteArray &qml, const QUrl &url = QUrl());
    MapView *mapOf(QQuickItem *root) const;
    QImage grab();

    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
};

void TstPixelMapItems::initTestCase()
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
}

void TstPixelMapItems::init()
{
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(800, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstPixelMapItems::cleanup()
{
    qDeleteAll(m_window->contentItem()->childItems());
    m_window.reset();
}

QQuickItem *TstPixelMapItems::load(const QByteArray &qml, const QUrl &url)
{
    QQmlComponent component(&m_engine);
    if (qml.isEmpty())
        component.loadUrl(url);
    else
        component.setData(qml, url);
    auto *item = qobject_cast<QQuickItem *>(component.create());
    if (!item) {
        qWarning() << component.errors();
        return nullptr;
    }
    item->setParentItem(m_window->contentItem());
    return item;
}

MapView *TstPixelMapItems::mapOf(QQuickItem *root) const
{
    if (auto *map = qobject_cast<MapView *>(root))
        return map;
    return root->findChild<MapView *>();
}

QImage TstPixelMapItems::grab()
{
    // Two frames: items build their geometry in the polish step of the first one.
    m_window->update();
    QTest::qWait(50);
    return m_window->grabWindow();
}

void TstPixelMapItems::greatCircleBowsNorth()
{
    QQuickItem *root = load(R"(
        import QtQuick
        import QtPositioning
        import Corvel.Map
        Map {
            width: 800; height: 600; color: "white"; zoomLevel: 3
            center: QtPositioning.coordinate(45, -35)
            plugin: Plugin { name: "itemsoverlay" }
            MapPolyline {
                referenceSurface: ReferenceSurface.Globe
                line.width: 3; line.color: "red"
                path: [QtPositioning.coordinate(40, -70), QtPositioning.coordinate(50, 0)]
            }
            MapPolyline {
                line.width: 3; line.color: "blue"
                path: [QtPositioning.coordinate(40, -70), QtPositioning.coordinate(50, 0)]
            }
        })");
    QVERIFY(root);
    MapView *map = mapOf(root);
    const QImage image = grab();
    const int column = qRound(map->fromCoordinate(QGeoCoordinate(45, -35)).x());
    const double globe = runMiddle(image, column, Qt::red);
    const double straight = runMiddle(image, column, Qt::blue);
    QVERIFY(globe > 0 && straight > 0);
    // tan(lat) = (tan 40 sin 35 + tan 50 sin 35) / sin 70 gives 51.1 N on the great circle at 35 W;
    // the straight line passes midway between its ends on screen.
    QVERIFY2(std::abs(globe - map->fromCoordinate(QGeoCoordinate(51.1, -35)).y()) <= 3.0,
             qPrintable(QString::number(globe)));
    const double chord
        = (map->fromCoordinate(QGeoCoordinate(40, -70)).y() + map->fromCoordinate(QGeoCoordinate(50, 0)).y()) / 2.0;
    QVERIFY2(std::abs(straight - chord) <= 2.0, qPrintable(QString::number(straight)));
    QVERIFY(globe < straight - 20.0);
}

void TstPixelMapItems::dashedLineShowsGaps()
{
    QQuickItem *root = load(R"(
        import QtQuick
        import QtPositioning
        import Corvel.Map
        Map {
            width: 800; height: 600; color: "white"; zoomLevel: 3
            center: QtPositioning.coordinate(0, 0)
            plugin: Plugin { name: "itemsoverlay" }
            MapPolyline {
                line.width: 4; line.color: "red"; line.strokeStyle: Qt.DashLine; line.dashPattern: [4, 2]
                line.capStyle: Qt.FlatCap
                path: [QtPositioning.coordinate(0, -40), QtPositioning.coordinate(0, 40)]
            }
            MapPolyline {
                line.width: 4; line.color: "blue"
                path: [QtPositioning.coordinate(20, -40), QtPositioning.coordinate(20, 40)]
            }
        })");
    QVERIFY(root);
    MapView *map = mapOf(root);
    const QImage image = grab();
    const int dashedRow = qRound(map->fromCoordinate(QGeoCoordinate(0, 0)).y());
    const int solidRow = qRound(map->fromCoordinate(QGeoCoordinate(20, 0)).y());
    const int from = qRound(map->fromCoordinate(QGeoCoordinate(0, -30)).x());
    const int to = qRound(map->fromCoordinate(QGeoCoordinate(0, 30)).x());
    // Dashes of 16 px and gaps of 8 px along the dashed line; none along the solid one.
    QList<int> runs;
    bool on = near(image.pixel(from, dashedRow), Qt::red);
    int length = 0;
    for (int x = from; x <= to; ++x) {
        QVERIFY(near(image.pixel(x, solidRow), Qt::blue));
        const bool red = near(image.pixel(x, dashedRow), Qt::red);
        if (red == on) {
            ++length;
            continue;
        }
        runs.append(on ? length : -length);
        on = red;
        length = 1;
    }
    QVERIFY2(runs.size() > 20, qPrintable(QString::number(runs.size())));
    for (qsizetype i = 1; i < runs.size(); ++i)
        QVERIFY2(std::abs(std::abs(runs.at(i)) - (runs.at(i) > 0 ? 16 : 8)) <= 1,
                 qPrintable(QString::number(runs.at(i))));
}

void TstPixelMapItems::pointerMeetsShapesNotBoxes()
{
    QQuickItem *root = load(R"(
        import QtQuick
        import QtPositioning
        import Corvel.Map
        Map {
            id: map
            property bool lineHovered: hover.hovered
            property int taps: 0
            width: 800; height: 600; color: "white"; zoomLevel: 8
            center: QtPositioning.coordinate(0, 0)
            plugin: Plugin { name: "itemsoverlay" }
            MapPolyline {
                line.width: 4; line.color: "red"
                path: [QtPositioning.coordinate(-0.5, -0.5), QtPositioning.coordinate(0.5, 0.5)]
                HoverHandler { id: hover }
            }
            MapPolygon {
                color: "green"; border.width: 0
                path: [QtPositioning.coordinate(-0.4, 0.6), QtPositioning.coordinate(-0.4, 1.4),
                       QtPositioning.coordinate(0.4, 1.4), QtPositioning.coordinate(0.4, 0.6)]
                holes: [[QtPositioning.coordinate(-0.2, 0.8), QtPositioning.coordinate(-0.2, 1.2),
                         QtPositioning.coordinate(0.2, 1.2), QtPositioning.coordinate(0.2, 0.8)]]
                TapHandler { onTapped: ++map.taps }
            }
        })");
    QVERIFY(root);
    MapView *map = mapOf(root);
    const QImage image = grab();
    const QPoint middle = map->fromCoordinate(QGeoCoordinate(0, 0)).toPoint();
    // The line runs up to the right; 20 px across it lies (14, 14) away, inside its box.
    QTest::mouseMove(m_window.get(), middle + QPoint(1, -1));
    QTRY_VERIFY(root->property("lineHovered").toBool());
    QTest::mouseMove(m_window.get(), middle + QPoint(14, 14));
    QTRY_VERIFY(!root->property("lineHovered").toBool());
    QTest::mouseMove(m_window.get(), middle + QPoint(-14, -14));
    QTest::qWait(50);
    QVERIFY(!root->property("lineHovered").toBool());

    // The hole is drawn empty and does not take taps; the ring around it does.
    const QPoint hole = map->fromCoordinate(QGeoCoordinate(0, 1)).toPoint();
    const QPoint ring = map->fromCoordinate(QGeoCoordinate(0, 0.7)).toPoint();
    QVERIFY(near(image.pixel(hole), Qt::white));
    QVERIFY(near(image.pixel(ring), QColor(0, 128, 0)));
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, hole);
    QTest::qWait(50);
    QCOMPARE(root->property("taps").toInt(), 0);
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, ring);
    QTRY_COMPARE(root->property("taps").toInt(), 1);
}

void TstPixelMapItems::grabHoldsTilesAndItems()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    HttpTestServer::Reply description;
    description.body = QStringLiteral(R"({"url": "%1", "format": "png", "minimumZoomLevel": 0, "maximumZoomLevel": 19,
                                          "copyright": "test tiles"})")
                           .arg(server.url(QStringLiteral("/tiles/%z/%x/%y.png")))
                           .toUtf8();
    server.setReply(QStringLiteral("/osm/street"), description);
    HttpTestServer::Reply tile;
    tile.contentType = "image/png";
    tile.body = png(Qt::green);
    for (const char *path : {"/tiles/2/1/1.png", "/tiles/2/2/1.png", "/tiles/2/1/2.png", "/tiles/2/2/2.png"})
        server.setReply(QString::fromLatin1(path), tile);
    QTemporaryDir cache;

    const QByteArray qml = QStringLiteral(R"(
        import QtQuick
        import QtPositioning
        import Corvel.Map
        Item {
            width: 512; height: 512
            Map {
                anchors.fill: parent; zoomLevel: 2; copyrightsVisible: false
                plugin: Plugin { name: "osm"
                    PluginParameter { name: "osm.mapping.providersrepository.address"; value: "%1" }
                    PluginParameter { name: "osm.mapping.cache.directory"; value: "%2" }
                }
                MapPolygon {
                    color: "magenta"; border.width: 0
                    path: [QtPositioning.coordinate(10, -10), QtPositioning.coordinate(10, 10),
                           QtPositioning.coordinate(-10, 10), QtPositioning.coordinate(-10, -10)]
                }
            }
        })")
                               .arg(server.url(QStringLiteral("/osm/")), cache.path())
                               .toUtf8();
    QQuickItem *root = load(qml);
    QVERIFY(root);
    // A grab not yet ready stays alive: the render thread still reports to it.
    QList<QSharedPointer<QQuickItemGrabResult>> grabs;
    auto holds = [root, &grabs]() {
        QSharedPointer<QQuickItemGrabResult> result = root->grabToImage();
        if (!result)
            return false;
        QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
        if (!ready.wait(10000)) {
            grabs.append(result);
            return false;
        }
        const QImage image = result->image();
        return near(image.pixel(256, 256), Qt::magenta) && near(image.pixel(100, 100), Qt::green)
               && near(image.pixel(400, 400), Qt::green);
    };
    QTRY_VERIFY_WITH_TIMEOUT(holds(), 30000);
}

void TstPixelMapItems::demoLoadsWithoutWarnings()
{
    WarningCounter warnings;
    QQuickItem *root = load(QByteArray(), QUrl::fromLocalFile(QStringLiteral(MAP_DEMO_DIR "/MapDemo.qml")));
    QVERIFY(root);
    MapView *map = mapOf(root);
    const QImage image = grab();
    // The route lights up under the mouse, on its stroke.
    const QPoint onRoute = map->fromCoordinate(QGeoCoordinate(51.47, -0.45)).toPoint() + QPoint(-1, 0);
    QTest::mouseMove(m_window.get(), onRoute);
    QTRY_VERIFY(root->property("routeHovered").toBool());
    map->setZoomLevel(5);
    map->pan(100, 50);
    grab();
    QCOMPARE(warnings.count(), 0);
    QVERIFY(!image.isNull());
}

QTEST_MAIN(TstPixelMapItems)
#include "tst_pixel_mapitems.moc"

void TstPixelMapItems::symbolTakesTheTint_data()
{
    // clang-format off
    QTest::addColumn<QString>("tint");
    QTest::addColumn<QColor>("inside");
    // The picture: its left half opaque dark green (0, 100, 0), its right half clear.
    QTest::newRow("opaque tint") << "#3f51b5" << QColor(0x3f, 0x51, 0xb5);
    QTest::newRow("no tint keeps the picture's colour") << "transparent" << QColor(0, 100, 0);
    // Alpha 0x80 weighs the tint by 128/255: 0 + 63 * 0.502 = 32, 100 + (81 - 100) * 0.502 = 90,
    // 0 + 181 * 0.502 = 91.
    QTest::newRow("half tint mixes") << "#803f51b5" << QColor(32, 90, 91);
    // clang-format on
}

void TstPixelMapItems::symbolTakesTheTint()
{
    QFETCH(QString, tint);
    QFETCH(QColor, inside);
    QTemporaryDir dir;
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 5; ++x)
            picture.setPixelColor(x, y, QColor(0, 100, 0));
    }
    const QString path = dir.filePath(QStringLiteral("symbol.png"));
    QVERIFY(picture.save(path));

    // Three symbols of one picture and colour, side by side on white.
    const QByteArray qml = QStringLiteral(R"(
        import QtQuick
        import Corvel.Map
        import Waylore.MapLayers
        Rectangle {
            width: 100; height: 40; color: "white"
            Row {
                x: 10; y: 10; spacing: 10
                Repeater {
                    model: 3
                    SymbolImage { source: "%1"; color: "%2" }
                }
            }
        })")
                               .arg(QUrl::fromLocalFile(path).toString(), tint)
                               .toUtf8();
    QQuickItem *root = load(qml);
    QVERIFY(root);
    const QQuickItem *row = root->childItems().value(0);
    QVERIFY(row);
    QTRY_COMPARE(row->childItems().size(), 4); // the symbols and their repeater
    QCOMPARE(row->childItems().first()->size(), QSizeF(10, 10));
    const QImage image = grab();
    for (int i = 0; i < 3; ++i) {
        const int left = 10 + 20 * i;
        QVERIFY2(near(image.pixel(left + 2, 15), inside, 3), qPrintable(QColor(image.pixel(left + 2, 15)).name()));
        QVERIFY2(near(image.pixel(left + 8, 15), Qt::white, 3), "the clear half shows what lies below");
    }
}

void TstPixelMapItems::outlineFillsAndStrokes_data()
{
    // clang-format off
    QTest::addColumn<qreal>("strokeWidth");
    QTest::addColumn<QColor>("edge");
    QTest::addColumn<QColor>("beside");
    // A 40 x 20 box with a point 10 px out on the right, its points about the item's origin at
    // (50, 50): the edge at x = 30 is stroked half inside, half outside.
    QTest::newRow("stroked") << 4.0 << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("no stroke") << 0.0 << QColor(Qt::red) << QColor(Qt::white);
    // clang-format on
}

void TstPixelMapItems::outlineFillsAndStrokes()
{
    QFETCH(qreal, strokeWidth);
    QFETCH(QColor, edge);
    QFETCH(QColor, beside);
    const QByteArray qml = QStringLiteral(R"(
        import QtQuick
        import Corvel.Map
        import Waylore.MapLayers
        Rectangle {
            width: 100; height: 100; color: "white"
            OutlineItem {
                x: 50; y: 50
                fillColor: "red"; strokeColor: "blue"; strokeWidth: %1
                points: [Qt.point(-20, -10), Qt.point(-20, 10), Qt.point(20, 10), Qt.point(30, 0), Qt.point(20, -10)]
            }
        })")
                               .arg(strokeWidth)
                               .toUtf8();
    QVERIFY(load(qml));
    const QImage image = grab();
    QVERIFY2(near(image.pixel(50, 50), Qt::red, 3), "filled inside");
    QVERIFY2(near(image.pixel(74, 50), Qt::red, 3), "the pointed end is filled");
    QVERIFY2(near(image.pixel(30, 50), edge, 3), qPrintable(QColor(image.pixel(30, 50)).name()));
    QVERIFY2(near(image.pixel(29, 50), beside, 3), qPrintable(QColor(image.pixel(29, 50)).name()));
    QVERIFY2(near(image.pixel(85, 50), Qt::white, 3), "nothing past the point");
    QVERIFY2(near(image.pixel(50, 35), Qt::white, 3), "nothing above the box");
}
