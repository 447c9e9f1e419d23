// Prints the frame times of a 1280 x 800 map holding 3,000 point symbols with labels and airway-
// like polylines of 10,000 vertices in all, while it pans and zooms, and the time from a filter
// pass that swaps 2,000 of the points to the next frame on screen. Run it under Xvfb (Mesa's
// software OpenGL):  xvfb-run -a -s "-screen 0 1280x800x24" build/bench/bench_map
// Not a test: it checks nothing, it prints figures.

#include "basemodel.h"
#include "benchsupport.h"
#include "mapproxymodel.h"
#include "mapview.h"
#include "point.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QSurfaceFormat>
#include <QTextStream>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

namespace {

QTextStream out(stdout);

// Airway-like lines: each row a path of connected legs.
class PathModel : public QAbstractListModel
{
public:
    explicit PathModel(QList<QVariantList> paths)
        : m_paths(std::move(paths))
    {
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_paths.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::UserRole && index.row() < m_paths.size() ? QVariant(m_paths.at(index.row())) : QVariant();
    }
    QHash<int, QByteArray> roleNames() const override { return {{Qt::UserRole, "role_line"}}; }

private:
    QList<QVariantList> m_paths;
};

// The point layer's delegate as a map layer draws it: a plain square symbol and a natively
// rendered label, no rounded or bordered rectangles, no per-item handlers; the roles it reads
// declared as required properties (so that no other role is fetched) and delegates reused when
// the filter swaps rows.
const char *const Scene = R"(
import QtQuick
import QtPositioning
import Corvel.Map
Map {
    width: 1280; height: 800; color: "#dfe8ef"
    plugin: Plugin { name: "itemsoverlay" }
    center: QtPositioning.coordinate(50, 0)
    zoomLevel: 7
    MapItemView {
        model: pathModel
        delegate: MapPolyline {
            required property var role_line
            referenceSurface: ReferenceSurface.Globe
            line.width: 2
            line.color: "#8060a0"
            path: role_line
        }
    }
    MapItemView {
        model: pointModel
        reuseItems: true
        delegate: MapQuickItem {
            required property var role_position
            required property string role_code
            coordinate: role_position
            sourceItem: Item {
                Rectangle { x: -4; y: -4; width: 8; height: 8; color: "#204080" }
                Text { x: 6; y: -6; text: role_code; color: "#204080"; font.pixelSize: 10; renderType: Text.NativeRendering }
            }
        }
    }
}
)";

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_map\n"
                                  "Prints the frame times of a busy map while it pans and zooms. Run it under Xvfb.\n"))
        return 0;
    qputenv("QSG_RENDER_LOOP", "basic");
    // Frames are driven back to back: no idle wait of the platform between an update request and
    // the frame, so the figures are the cost of the update and the render alone.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
    QGuiApplication app(argc, argv);
    BenchSupport::initQuietApplication();

    // 5,000 points in three bands: the view first holds the west and middle bands (3,000), then
    // the middle and east bands, so that one filter pass swaps 2,000 points.
    QRandomGenerator random(7);
    BaseModel<Point> points;
    points.beginReset();
    auto band = [&](int count, double west, double east) {
        for (int i = 0; i < count; ++i) {
            const QGeoCoordinate position(46.5 + random.generateDouble() * 7.0,
                                          west + random.generateDouble() * (east - west));
            points.add(new Point(Point::VOR, position, BenchSupport::letters(random, 3), QStringLiteral("ENRT"),
                                 BenchSupport::letters(random, 2), QString(), 100, 0.0f, QString()));
        }
    };
    band(2000, -12.0, -4.0);
    band(1000, -4.0, 4.0);
    band(2000, 4.0, 12.0);
    // 10,000 more over the middle, NDB and DME by turns and hidden at first: switching one type
    // off and the other on changes 10,000 rows in as many runs.
    for (int i = 0; i < 10000; ++i) {
        const QGeoCoordinate position(46.5 + random.generateDouble() * 7.0, -4.0 + random.generateDouble() * 8.0);
        points.add(new Point(i % 2 == 0 ? Point::NDB : Point::DME, position, BenchSupport::letters(random, 3),
                             QStringLiteral("ENRT"), BenchSupport::letters(random, 2), QString(), 100, 0.0f,
                             QString()));
    }
    points.endReset();
    MapProxyModel filtered;
    filtered.setSourceModel(&points);
    filtered.setMinZoom(3.0);
    filtered.setTypeFilter(true, Point::VOR);
    const QGeoRectangle westArea(QGeoCoordinate(54, -12), QGeoCoordinate(46, 4));
    const QGeoRectangle eastArea(QGeoCoordinate(54, -4), QGeoCoordinate(46, 12));
    filtered.setGeoFilter(westArea, 18.0);

    // 100 lines of 100 vertices, as airways run: legs of 10 to 30 km that turn by up to 25
    // degrees at each point.
    QList<QVariantList> paths;
    for (int l = 0; l < 100; ++l) {
        QVariantList path;
        QGeoCoordinate point(47.0 + random.generateDouble() * 6.0, -10.0 + random.generateDouble() * 8.0);
        double heading = random.bounded(360.0);
        for (int v = 0; v < 100; ++v) {
            path.append(QVariant::fromValue(point));
            heading += (random.generateDouble() - 0.5) * 50.0;
            point = point.atDistanceAndAzimuth(10000.0 + random.generateDouble() * 20000.0, heading);
        }
        paths.append(path);
    }
    PathModel lines(paths);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.rootContext()->setContextProperty(QStringLiteral("pointModel"), &filtered);
    engine.rootContext()->setContextProperty(QStringLiteral("pathModel"), &lines);
    QQuickWindow window;
    window.resize(1280, 800);
    QQmlComponent component(&engine);
    component.setData(Scene, QUrl());
    auto *map = qobject_cast<MapView *>(component.create());
    if (!map) {
        out << component.errorString() << "\n";
        return 1;
    }
    map->setParentItem(window.contentItem());
    window.show();

    bool swapped = false;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &window, [&swapped] { swapped = true; });
    QElapsedTimer timer;
    auto frame = [&](const std::function<void()> &change) {
        swapped = false;
        timer.start();
        change();
        window.update();
        while (!swapped)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        return timer.nsecsElapsed() / 1e6;
    };
    for (int i = 0; i < 20; ++i)
        frame([] {});

    QList<double> pan, zoom;
    for (int i = 0; i < 200; ++i)
        pan.append(frame([&] { map->pan(i < 100 ? 6 : -6, i % 50 < 25 ? 2 : -2); }));
    for (int i = 0; i < 50; ++i)
        zoom.append(frame([&] { map->setZoomLevel(7.0 + (i < 25 ? i : 50 - i) * 0.02); }));
    const BenchSupport::Figures panned = BenchSupport::figures(pan), zoomed = BenchSupport::figures(zoom);
    const BenchSupport::Figures all = BenchSupport::figures(pan + zoom);

    // The same pan with the points following the view five times a second, as the map keeps them
    // while it moves: one frame in twelve (200 ms at 60 frames a second) carries a filter pass.
    const auto followView = [&] { filtered.setGeoFilter(map->visibleRegion().boundingGeoRectangle(), 18.0); };
    frame(followView);
    QList<double> following;
    for (int i = 0; i < 200; ++i) {
        following.append(frame([&] {
            map->pan(i < 100 ? 6 : -6, i % 50 < 25 ? 2 : -2);
            if (i % 12 == 11)
                followView();
        }));
    }
    const BenchSupport::Figures followed = BenchSupport::figures(following);
    const double followedWorst = *std::max_element(following.cbegin(), following.cend());
    filtered.setGeoFilter(westArea, 18.0);
    frame([] {});

    // A filter pass that swaps 2,000 of the 3,000 points, timed to the frame that shows it.
    QList<double> swaps, passes;
    for (int i = 0; i < 6; ++i) {
        swaps.append(frame([&] {
            QElapsedTimer pass;
            pass.start();
            filtered.setGeoFilter(i % 2 == 0 ? eastArea : westArea, 18.0);
            passes.append(pass.nsecsElapsed() / 1e6);
        }));
    }
    std::sort(swaps.begin(), swaps.end());
    std::sort(passes.begin(), passes.end());

    // 10,000 rows in 10,000 runs: every other row leaves, the rows between them arrive.
    filtered.setTypeFilter(true, Point::NDB);
    frame([] {});
    QList<double> scattered;
    for (int i = 0; i < 4; ++i) {
        scattered.append(frame([&] {
            filtered.setTypeFilter(i % 2 != 0, Point::NDB);
            filtered.setTypeFilter(i % 2 == 0, Point::DME);
        }));
    }
    std::sort(scattered.begin(), scattered.end());

    out << "Map of 1280 x 800 with 3,000 symbols and labels and 10,000 polyline vertices ("
        << window.rendererInterface()->graphicsApi() << " scene graph)\n";
    out << QStringLiteral("  frame time, 200 pan + 50 zoom frames: median %1 ms (goal < 16), p95 %2 ms (goal < 33)\n")
               .arg(all.median, 0, 'f', 1)
               .arg(all.p95, 0, 'f', 1);
    out << QStringLiteral("    pan only: median %1 ms, p95 %2 ms; zoom only: median %3 ms, p95 %4 ms\n")
               .arg(panned.median, 0, 'f', 1)
               .arg(panned.p95, 0, 'f', 1)
               .arg(zoomed.median, 0, 'f', 1)
               .arg(zoomed.p95, 0, 'f', 1);
    out << QStringLiteral("  pan with a filter pass following the view every 12 frames: median %1 ms, p95 %2 ms "
                          "(goal < 33), worst %3 ms\n")
               .arg(followed.median, 0, 'f', 1)
               .arg(followed.p95, 0, 'f', 1)
               .arg(followedWorst, 0, 'f', 1);
    out << QStringLiteral(
               "  filter pass swapping 2,000 points to the next frame: median %1 ms, worst %2 ms (goal < 50)\n")
               .arg(swaps.at(swaps.size() / 2), 0, 'f', 1)
               .arg(swaps.last(), 0, 'f', 1);
    out << QStringLiteral("    of which the filter pass with its delegate changes: median %1 ms\n")
               .arg(passes.at(passes.size() / 2), 0, 'f', 1);
    out << QStringLiteral(
               "  filter passes changing 10,000 rows in 10,000 runs, to the next frame: median %1 ms, worst %2 ms\n")
               .arg(scattered.at(scattered.size() / 2), 0, 'f', 1)
               .arg(scattered.last(), 0, 'f', 1);
    out.flush();

    delete map;
    return 0;
}
