#include "filesizelimit.h"
#include "httptestserver.h"
#include "mapview.h"
#include "testsupport.h"
#include "tileengine.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>
#include <memory>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

namespace {
const QColor Background(0x40, 0x40, 0x40);

QByteArray png(const QColor &color, int size = 256, const char *format = "PNG")
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool near(QRgb a, const QColor &b)
{
    return std::abs(qRed(a) - b.red()) < 8 && std::abs(qGreen(a) - b.green()) < 8 && std::abs(qBlue(a) - b.blue()) < 8;
}

QStringList tileFiles(const QString &dir, const QString &prefix = QStringLiteral("street"))
{
    return QDir(dir).entryList({prefix + QStringLiteral("-*")}, QDir::Files, QDir::Name);
}
} // namespace

// The zoom 2 view of 512 px around (0, 0) shows four tiles, one per quadrant.
class TstMapTiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fetchesCachesAndWorksOffline_data();
    void fetchesCachesAndWorksOffline();
    void lowerLevelWhileLoadingAndTilesKept();
    void turnedMapTurnsTilesAndShowsCopyright();
    void diskCacheKeepsItsSize();
    void damagedCacheFileIsFetchedAgain();
    void brokenAndSlowTilesDoNotBlock();
    void requestsAreBoundedAndDroppedOutOfView_data();
    void requestsAreBoundedAndDroppedOutOfView();
    void unusableRepository_data();
    void unusableRepository();
    void mapTypes();
    void shippedDescriptions_data();
    void shippedDescriptions();
    void cachedDescriptionRefreshed_data();
    void cachedDescriptionRefreshed();
    void wrongSizedTilesRefused_data();
    void wrongSizedTilesRefused();
    void oversizedTileBodiesBrokenOff_data();
    void oversizedTileBodiesBrokenOff();

private:
    MapView *makeMap(const QString &repository, const QByteArray &extra = QByteArray(), bool shown = true);
    void serveDescription(const QString &path = QStringLiteral("/osm/street"), bool highDpi = false);
    void serveQuadrants(const QString &folder = QStringLiteral("tiles"), int size = 256);
    void serveQuadrants(const QString &folder, const QList<int> &sizes);
    QImage grab() { return m_window->grabWindow(); }
    bool showsQuadrants(const QImage &image, const QList<QColor> &colors) const;

    QQmlEngine m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<QTemporaryDir> m_cache;
    QList<QColor> m_colors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
};

void TstMapTiles::initTestCase()
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
}

void TstMapTiles::init()
{
    m_server = std::make_unique<HttpTestServer>();
    QVERIFY(m_server->listen());
    m_cache = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(512, 512);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstMapTiles::cleanup()
{
    qDeleteAll(m_window->contentItem()->childItems());
    m_window.reset();
    m_server.reset();
}

MapView *TstMapTiles::makeMap(const QString &repository, const QByteArray &extra, bool shown)
{
    const QString qml
        = QStringLiteral(
              "import QtQuick\nimport Corvel.Map\n"
              "Map { width: 512; height: 512; zoomLevel: 2; color: \"%1\"; copyrightsVisible: false\n"
              "  plugin: Plugin { name: \"osm\"\n"
              "    PluginParameter { name: \"osm.mapping.providersrepository.address\"; value: \"%2\" }\n"
              "    PluginParameter { name: \"osm.mapping.cache.directory\"; value: \"%3\" }\n"
              "    PluginParameter { name: \"osm.mapping.cache.disk.cost_strategy\"; value: \"unitary\" }\n"
              "    PluginParameter { name: \"osm.mapping.cache.memory.cost_strategy\"; value: \"unitary\" }\n"
              "    PluginParameter { name: \"osm.mapping.cache.memory.size\"; value: \"100\" }\n"
              "    %4\n"
              "  }\n}")
              .arg(Background.name(), repository, m_cache->path(), QString::fromUtf8(extra));
    QQmlComponent component(&m_engine);
    component.setData(qml.toUtf8(), QUrl());
    auto *map = qobject_cast<MapView *>(component.create());
    if (!map) {
        qWarning() << component.errors();
        return nullptr;
    }
    if (shown)
        map->setParentItem(m_window->contentItem());
    return map;
}

void TstMapTiles::serveDescription(const QString &path, bool highDpi)
{
    HttpTestServer::Reply description;
    description.body = QStringLiteral(R"({"url": "%1", "format": "png", "minimumZoomLevel": 0, "maximumZoomLevel": 19,
                                          "copyright": "test tiles" %2})")
                           .arg(m_server->url(QStringLiteral("/tiles/%z/%x/%y.png")),
                                highDpi ? QStringLiteral(", \"highDpiUrl\": \"%1\"")
                                              .arg(m_server->url(QStringLiteral("/hd/%z/%x/%y.png")))
                                        : QString())
                           .toUtf8();
    m_server->setReply(path, description);
}

void TstMapTiles::serveQuadrants(const QString &folder, int size)
{
    serveQuadrants(folder, QList<int>(4, size));
}

void TstMapTiles::serveQuadrants(const QString &folder, const QList<int> &sizes)
{
    const QStringList tiles = {"2/1/1", "2/2/1", "2/1/2", "2/2/2"};
    for (int i = 0; i < 4; ++i) {
        HttpTestServer::Reply tile;
        tile.contentType = "image/png";
        tile.body = png(m_colors.at(i), sizes.at(i));
        m_server->setReply(QStringLiteral("/%1/%2.png").arg(folder, tiles.at(i)), tile);
    }
}

bool TstMapTiles::showsQuadrants(const QImage &image, const QList<QColor> &colors) const
{
    const QList<QPoint> centres = {{128, 128}, {384, 128}, {128, 384}, {384, 384}};
    for (int i = 0; i < 4; ++i) {
        if (!near(image.pixel(centres.at(i)), colors.at(i)))
            return false;
    }
    return true;
}

void TstMapTiles::fetchesCachesAndWorksOffline_data()
{
    // clang-format off
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("256 px tiles") << false << "tiles" << "street";
    QTest::newRow("512 px tiles for high-dpi screens") << true << "hd" << "street@2x";
    QTest::newRow("disk full") << false << "tiles" << "street";
    // clang-format on
}

void TstMapTiles::fetchesCachesAndWorksOffline()
{
    QFETCH(bool, highDpi);
    QFETCH(QString, folder);
    QFETCH(QString, prefix);
    const bool diskFull = QByteArray(QTest::currentDataTag()) == "disk full";
    const FileSizeLimit limit(diskFull ? 16 : -1);
    serveDescription(QStringLiteral("/osm/street"), highDpi);
    serveQuadrants(folder, highDpi ? 512 : 256);
    const QByteArray parameter = "PluginParameter { name: \"osm.mapping.highdpi_tiles\"; value: "
                                 + QByteArray(highDpi ? "true" : "false") + " }";
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")), parameter);
    QVERIFY(map);
    QSignalSpy refused(map, &MapView::tileCacheFailed);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), m_colors), 5000);
    QStringList requested = m_server->requests();
    requested.sort();
    QStringList expected;
    for (const char *tile : {"2/1/1", "2/1/2", "2/2/1", "2/2/2"})
        expected.append(QStringLiteral("/%1/%2.png").arg(folder, QLatin1String(tile)));
    expected.append(QStringLiteral("/osm/street"));
    expected.sort();
    QCOMPARE(requested, expected);
    QStringList files;
    for (const char *tile : {"2-1-1", "2-1-2", "2-2-1", "2-2-2"})
        files.append(QStringLiteral("%1-%2.png").arg(prefix, QLatin1String(tile)));
    if (diskFull) {
        QVERIFY(!QDirIterator(m_cache->path(), QDir::Files, QDirIterator::Subdirectories).hasNext());
        // Told once, in the disk's own words (this limit stands for a full disk), for the
        // description and all four tiles.
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), QStringLiteral("File too large"));
        return;
    }
    QCOMPARE(refused.count(), 0);
    QTRY_COMPARE(tileFiles(m_cache->path(), prefix), files);
    QVERIFY(QFile::exists(m_cache->path() + "/providers/street.json"));

    // Next run, server gone: the cached description and tiles still show the map.
    delete map;
    m_server.reset();
    map = makeMap(QStringLiteral("http://127.0.0.1:1/osm/"), parameter);
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), m_colors), 5000);
    QVERIFY(!map->tileEngine()->usesBuiltInProvider());
}

// Heading east: north-east lies top left, south-east top right, north-west bottom left.
void TstMapTiles::turnedMapTurnsTilesAndShowsCopyright()
{
    serveDescription();
    serveQuadrants();
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    map->setBearing(90);
    const QList<QColor> turned = {Qt::green, Qt::yellow, Qt::red, Qt::blue};
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), turned), 5000);
    QVERIFY(near(grab().pixel(508, 506), Qt::blue));
    map->setCopyrightsVisible(true);
    QTRY_VERIFY(!near(grab().pixel(508, 506), Qt::blue));
}

// Zoom 3 tiles are slow; the zoom 2 tiles stand in for them, scaled, until they come.
void TstMapTiles::lowerLevelWhileLoadingAndTilesKept()
{
    serveDescription();
    serveQuadrants();
    for (int x = 2; x <= 5; ++x) {
        for (int y = 2; y <= 5; ++y) {
            HttpTestServer::Reply tile;
            tile.contentType = "image/png";
            tile.body = png(Qt::magenta);
            tile.delayMs = 1500;
            m_server->setReply(QStringLiteral("/tiles/3/%1/%2.png").arg(x).arg(y), tile);
        }
    }
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), m_colors), 5000);

    // A fractional zoom scales the nearest level: 2.4 still shows level 2, asking nothing new.
    map->setZoomLevel(2.4);
    QVERIFY(showsQuadrants(grab(), m_colors));
    // Panning away and back finds the tiles in memory.
    map->pan(700, 0);
    QTest::qWait(100);
    map->pan(-700, 0);
    QVERIFY(showsQuadrants(grab(), m_colors));
    QCOMPARE(m_server->requests().filter(QStringLiteral("/tiles/2/1/1.png")).size(), 1);

    // The finer tiles come 1.5 s after they are asked for, so only a look within that time can
    // see them missing: a busy machine may take longer for it.
    QElapsedTimer clock;
    clock.start();
    map->setZoomLevel(3);
    QTest::qWait(300);
    const int pending = map->tileEngine()->pendingRequests();
    const QImage meanwhile = grab();
    if (clock.elapsed() < 1500) {
        QVERIFY(pending > 0);
        QVERIFY(showsQuadrants(meanwhile, m_colors));
    }
    const QList<QColor> finer(4, QColor(Qt::magenta));
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), finer), 5000);
}

void TstMapTiles::diskCacheKeepsItsSize()
{
    serveDescription();
    serveQuadrants();
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")),
                           "PluginParameter { name: \"osm.mapping.cache.disk.size\"; value: \"2\" }");
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), m_colors), 5000);
    QTRY_COMPARE(tileFiles(m_cache->path()).size(), 2);
}

void TstMapTiles::damagedCacheFileIsFetchedAgain()
{
    serveDescription();
    serveQuadrants();
    QVERIFY(!TestSupport::writeFile(m_cache->path() + "/street-2-1-1.png", "truncated").isEmpty());
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), m_colors), 5000);
    QVERIFY(m_server->requests().contains(QStringLiteral("/tiles/2/1/1.png")));
    QTRY_VERIFY(!QImage(m_cache->path() + "/street-2-1-1.png").isNull());
}

void TstMapTiles::brokenAndSlowTilesDoNotBlock()
{
    serveDescription();
    serveQuadrants();
    HttpTestServer::Reply missing;
    missing.status = 404;
    m_server->setReply(QStringLiteral("/tiles/2/1/1.png"), missing);
    HttpTestServer::Reply slow;
    slow.contentType = "image/png";
    slow.body = png(Qt::green);
    // Far longer than the others take, even on a busy machine.
    slow.delayMs = 8000;
    m_server->setReply(QStringLiteral("/tiles/2/2/1.png"), slow);
    HttpTestServer::Reply garbage;
    garbage.contentType = "image/png";
    garbage.body = "<html>quota exceeded</html>";
    m_server->setReply(QStringLiteral("/tiles/2/1/2.png"), garbage);

    QElapsedTimer clock;
    qint64 last = 0, longestGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    ticker.start(10);

    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    const QList<QColor> meanwhile = {Background, Background, Background, Qt::yellow};
    // Its place still empty: the others did not wait for it.
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), meanwhile), 7000);
    QVERIFY(map->tileEngine()->pendingRequests() >= 1);
    // Nudging the view does not ask again for the missing tile.
    map->pan(3, 0);
    map->pan(-3, 0);
    QTest::qWait(200);
    QCOMPARE(m_server->requests().count(QStringLiteral("/tiles/2/1/1.png")), 1);
    QCOMPARE(m_server->requests().count(QStringLiteral("/tiles/2/1/2.png")), 1);
    QCOMPARE(tileFiles(m_cache->path()), QStringList({"street-2-2-2.png"}));
    // Waiting for the slow tile would stop the loop for seconds; a busy machine stops it for less.
    QVERIFY2(longestGap < 2000, qPrintable(QString::number(longestGap)));
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), {Background, Qt::green, Background, Qt::yellow}), 20000);
}

// Zoom 5 on a 512 px view shows 9 tiles around (10, 10); six requests at most are under way.
void TstMapTiles::requestsAreBoundedAndDroppedOutOfView_data()
{
    QTest::addColumn<bool>("endlessHeaders");
    QTest::newRow("answers late") << false;
    // A dropped request leaves its manager's thread reading them: the new view asks through another.
    QTest::newRow("headers without end") << true;
}

void TstMapTiles::requestsAreBoundedAndDroppedOutOfView()
{
    QFETCH(bool, endlessHeaders);
    serveDescription();
    for (int x = 0; x < 32; ++x) {
        for (int y = 0; y < 32; ++y) {
            HttpTestServer::Reply tile;
            tile.contentType = "image/png";
            tile.body = png(Qt::cyan);
            // Longer than any wait below: no answer frees a place for another request. The
            // far view's tiles answer at once.
            tile.endlessHeaders = x > 6 && endlessHeaders;
            tile.delayMs = x > 6 && !endlessHeaders ? 60000 : 0;
            m_server->setReply(QStringLiteral("/tiles/5/%1/%2.png").arg(x).arg(y), tile);
        }
    }
    auto tileRequests = [this] { return m_server->requests().filter(QStringLiteral("/tiles/")); };
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    map->setZoomLevel(5);
    map->setCenter(QGeoCoordinate(10, 10));
    // Held reading the first answer's headers, the network layer sends no more of the six.
    QTRY_VERIFY(tileRequests().size() >= (endlessHeaders ? 1 : 6));
    QTest::qWait(300);
    const qsizetype first = tileRequests().size();
    if (!endlessHeaders)
        QCOMPARE(first, 6);

    // Far away at once: the waiting requests are dropped, so the new view's tiles start now.
    QSignalSpy ready(map->tileEngine(), &TileEngine::tileReady);
    map->setCenter(QGeoCoordinate(-40, -120));
    const auto newer = [&] {
        QStringList paths = tileRequests().mid(first);
        paths.removeIf([](const QString &path) { return path.split('/').at(3).toInt() > 6; });
        return paths;
    };
    QTRY_VERIFY_WITH_TIMEOUT(newer().size() >= 6, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(ready.size() >= 6, 20000);
    QCOMPARE(tileRequests().mid(first, 6), newer().mid(0, 6));
}

void TstMapTiles::unusableRepository_data()
{
    // clang-format off
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("unreachable") << 200 << QByteArray() << false;
    QTest::newRow("no description") << 404 << QByteArray("gone") << true;
    QTest::newRow("not JSON") << 200 << QByteArray("<html>maintenance</html>") << true;
    QTest::newRow("address of a local file") << 200 << QByteArray(R"({"url": "file:///etc/%z/%x/%y"})") << true;
    QTest::newRow("no tile numbers") << 200 << QByteArray(R"({"url": "https://example.org/tile.png"})") << true;
    QTest::newRow("zoom range upside down")
        << 200 << QByteArray(R"({"url": "https://example.org/%z/%x/%y.png", "minimumZoomLevel": 9, "maximumZoomLevel": 4})")
        << true;
    QTest::newRow("format with a path")
        << 200 << QByteArray(R"({"url": "https://example.org/%z/%x/%y.png", "format": "../../x"})") << true;
    QTest::newRow("description of 100 kB")
        << 200 << R"({"url": "https://example.org/%z/%x/%y.png", "copyright": ")" + QByteArray(100000, 'c') + "\"}"
        << true;
    // clang-format on
}

void TstMapTiles::unusableRepository()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, reachable);
    QString repository = m_server->url(QStringLiteral("/osm/"));
    if (reachable) {
        HttpTestServer::Reply reply;
        reply.status = status;
        reply.body = body;
        m_server->setReply(QStringLiteral("/osm/street"), reply);
    } else {
        m_server.reset();
    }
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Map provider description .*/osm/street unusable")));
    // Not shown, so that no tile is asked of the public server.
    std::unique_ptr<MapView> map(makeMap(repository, QByteArray(), false));
    QVERIFY(map);
    QTRY_VERIFY(!map->tileEngine()->fetchingDescription());
    QVERIFY(map->tileEngine()->usesBuiltInProvider());
    QCOMPARE(map->tileEngine()->provider().urlTemplate, QStringLiteral("https://tile.openstreetmap.org/%z/%x/%y.png"));
    QVERIFY(!QFile::exists(m_cache->path() + "/providers/street.json"));
}

void TstMapTiles::mapTypes()
{
    serveDescription(QStringLiteral("/osm/satellite"));
    // The first type's description never comes: the next type's is asked and answered all the same.
    HttpTestServer::Reply endless;
    endless.endlessHeaders = true;
    m_server->setReply(QStringLiteral("/osm/street"), endless);
    std::unique_ptr<MapView> map(makeMap(m_server->url(QStringLiteral("/osm/")),
                                         "PluginParameter { name: \"osm.mapping.custom.host\"; "
                                         "value: \"https://weather.example/map/clouds_new/%z/%x/%y?appid=k\" }",
                                         false));
    QVERIFY(map);
    // Known at once, in the themes' order, the custom address last.
    QStringList names;
    for (const MapType *type : map->mapTypes())
        names.append(type->name());
    QCOMPARE(names, QStringList({"Street Map", "Satellite Map", "Cycle Map", "Transit Map", "Night Transit Map",
                                 "Terrain Map", "Hiking Map", "Custom URL Map"}));
    QCOMPARE(map->activeMapType(), map->mapTypes().first());
    QTRY_VERIFY(m_server->requests().contains(QStringLiteral("/osm/street")));

    map->setActiveMapType(map->mapTypes().at(1));
    QTRY_VERIFY(!map->tileEngine()->fetchingDescription());
    QCOMPARE(map->tileEngine()->provider().copyright, QStringLiteral("test tiles"));
    QVERIFY(m_server->requests().contains(QStringLiteral("/osm/satellite")));

    map->setActiveMapType(map->mapTypes().last());
    QCOMPARE(map->tileEngine()->provider().url(3, 4, 5, false),
             QUrl(QStringLiteral("https://weather.example/map/clouds_new/3/4/5?appid=k")));
}

// Without a repository each map type has a description of its own, shipped with the program: the
// n-th theme's background is the n-th type's. Not shown, so no tile is asked of those hosts.
void TstMapTiles::shippedDescriptions_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("copyright");
    const QString carto = QStringLiteral("© OpenStreetMap contributors © CARTO");
    QTest::newRow("Light") << 0 << "https://tile.openstreetmap.org/3/4/5.png" << "© OpenStreetMap contributors";
    QTest::newRow("Dark") << 1 << "https://a.basemaps.cartocdn.com/dark_all/3/4/5.png" << carto;
    QTest::newRow("Voyager") << 2 << "https://a.basemaps.cartocdn.com/rastertiles/voyager/3/4/5.png" << carto;
    QTest::newRow("Paper") << 3 << "https://a.basemaps.cartocdn.com/light_all/3/4/5.png" << carto;
    QTest::newRow("Midnight") << 4 << "https://a.basemaps.cartocdn.com/dark_nolabels/3/4/5.png" << carto;
    QTest::newRow("Terrain") << 5 << "https://a.tile.opentopomap.org/3/4/5.png"
                             << "Map data: © OpenStreetMap contributors, SRTM | Map style: © OpenTopoMap (CC-BY-SA)";
    // The imagery service numbers rows before columns.
    QTest::newRow("Satellite") << 6 << "https://tiles.maps.eox.at/wmts/1.0.0/s2cloudless_3857/default/g/3/5/4.jpg"
                               << "Sentinel-2 cloudless - https://s2maps.eu by EOX IT Services GmbH (Contains modified "
                                  "Copernicus Sentinel data 2016)";
    // clang-format on
}

void TstMapTiles::shippedDescriptions()
{
    QFETCH(int, type);
    QFETCH(QString, tile);
    QFETCH(QString, copyright);
    std::unique_ptr<MapView> map(makeMap(QString(), QByteArray(), false));
    QVERIFY(map);
    map->setActiveMapType(map->mapTypes().at(type));
    const TileEngine *engine = map->tileEngine();
    QVERIFY(engine->usesBuiltInProvider());
    QVERIFY(!engine->fetchingDescription());
    QCOMPARE(engine->provider().url(3, 4, 5, false), QUrl(tile));
    QCOMPARE(engine->provider().copyright, copyright);
    QCOMPARE(m_server->requests(), QStringList());
}

void TstMapTiles::cachedDescriptionRefreshed_data()
{
    // clang-format off
    QTest::addColumn<int>("ageSecs");
    QTest::addColumn<bool>("repository");
    QTest::addColumn<QString>("tile");
    QTest::newRow("an hour old") << 3600 << true << "http://127.0.0.1:1/old/3/4/5.png";
    QTest::newRow("two days old") << 2 * 86400 << true << "/tiles/3/4/5.png";
    QTest::newRow("two days old, no repository") << 2 * 86400 << false << "https://tile.openstreetmap.org/3/4/5.png";
    // clang-format on
}

void TstMapTiles::cachedDescriptionRefreshed()
{
    QFETCH(int, ageSecs);
    QFETCH(bool, repository);
    QFETCH(QString, tile);
    serveDescription();
    const QString cached = m_cache->path() + "/providers/street.json";
    QVERIFY(QDir().mkpath(m_cache->path() + "/providers"));
    const QByteArray old = "{\"url\": \"http://127.0.0.1:1/old/%z/%x/%y.png\"}";
    QVERIFY(!TestSupport::writeFile(cached, old).isEmpty());
    QFile file(cached);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSecs), QFileDevice::FileModificationTime));
    file.close();

    std::unique_ptr<MapView> map(
        makeMap(repository ? m_server->url(QStringLiteral("/osm/")) : QString(), QByteArray(), false));
    QVERIFY(map);
    QTRY_VERIFY(!map->tileEngine()->fetchingDescription());
    const QString expected = tile.startsWith(u'/') ? m_server->url(tile) : tile;
    QCOMPARE(map->tileEngine()->provider().url(3, 4, 5, false), QUrl(expected));
    const bool refreshed = tile.startsWith(u'/');
    QCOMPARE(m_server->requests(), refreshed ? QStringList{QStringLiteral("/osm/street")} : QStringList());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains("/tiles/%z/%x/%y.png"), refreshed);
}

// Quadrants of other sizes than the provider's are neither shown, nor kept in memory or on
// disk; the memory holds the one tile that fits, counted in bytes.
void TstMapTiles::wrongSizedTilesRefused_data()
{
    // clang-format off
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<qint64>("bytes");
    QTest::newRow("256 px tiles") << false << QList<int>{4096, 512, 128, 256} << qint64(256 * 256 * 4);
    QTest::newRow("512 px tiles") << true << QList<int>{4096, 256, 1024, 512} << qint64(512 * 512 * 4);
    // clang-format on
}

void TstMapTiles::wrongSizedTilesRefused()
{
    QFETCH(bool, highDpi);
    QFETCH(QList<int>, sizes);
    QFETCH(qint64, bytes);
    serveDescription(QStringLiteral("/osm/street"), highDpi);
    const QString folder = highDpi ? QStringLiteral("hd") : QStringLiteral("tiles");
    serveQuadrants(folder, sizes);
    const QByteArray parameter = "PluginParameter { name: \"osm.mapping.highdpi_tiles\"; value: "
                                 + QByteArray(highDpi ? "true" : "false") + " }";
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")), parameter);
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(
        m_server->requests().filter(folder + "/2/").size() == 4 && map->tileEngine()->pendingRequests() == 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), {Background, Background, Background, Qt::yellow}), 5000);
    QCOMPARE(map->tileEngine()->memoryBytes(), bytes);
    const QString prefix = highDpi ? QStringLiteral("street@2x") : QStringLiteral("street");
    QCOMPARE(tileFiles(m_cache->path(), prefix), QStringList{prefix + "-2-2-2.png"});
}

// A tile body that goes on past any tile's size is broken off, not read to its end; a picture
// cut short is neither shown nor cached.
void TstMapTiles::oversizedTileBodiesBrokenOff_data()
{
    // clang-format off
    QTest::addColumn<qint64>("announced");
    QTest::newRow("300 MB announced") << qint64(300) * 1000 * 1000;
    QTest::newRow("no length announced") << qint64(-2);
    QTest::newRow("in chunks") << qint64(-3);
    QTest::newRow("a picture cut at half, no length announced") << qint64(-4);
    // clang-format on
}

void TstMapTiles::oversizedTileBodiesBrokenOff()
{
    QFETCH(qint64, announced);
    serveDescription();
    serveQuadrants();
    HttpTestServer::Reply endless;
    endless.contentType = "image/png";
    const QByteArray jpeg = png(Qt::red, 256, "JPG");
    endless.body = announced == -4 ? jpeg.left(jpeg.size() / 2) : png(Qt::red) + QByteArray(5 * 1024 * 1024, 'x');
    endless.chunked = announced == -3;
    endless.contentLength = announced == -4 ? -2 : announced;
    endless.keepOpen = announced != -4;
    m_server->setReply(QStringLiteral("/tiles/2/1/1.png"), endless);
    MapView *map = makeMap(m_server->url(QStringLiteral("/osm/")));
    QVERIFY(map);
    QTRY_VERIFY_WITH_TIMEOUT(showsQuadrants(grab(), {Background, Qt::green, Qt::blue, Qt::yellow}), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(map->tileEngine()->pendingRequests(), 0, 3000);
    QVERIFY(!map->tileEngine()->contains(TileKey{2, 1, 1}));
    QVERIFY(!QFile::exists(m_cache->path() + "/street-2-1-1.png"));
}

QTEST_MAIN(TstMapTiles)
#include "tst_maptiles.moc"
