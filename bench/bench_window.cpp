// Prints how fast the program's main window comes up over the synthetic world and how smoothly
// its map moves: the time from process start to the first frame that shows the map (the stored
// world database loaded behind the splash), the frame times while panning over central Europe
// at zoom 7 and zoom 10 with every layer on, and the time from the end of a zoom to the frame
// that shows the refiltered layers, and the time from the pilot's closing of the window to the end
// of the process (each run closes it), also when it is closed one second into an import of the
// world, which must leave the stored database as it was. Run it under Xvfb:
//
//     xvfb-run -a -s "-screen 0 1280x800x24" ./build/bench/bench_window [--scale 0.25]
//
// The benchmark runs in a temporary home folder: it generates the world, imports it as the
// program would, then starts itself a second time as the program (the same objects, the same
// root document) and reads the figures that run prints. The map's tiles come from a closed
// port of this machine, so nothing leaves it.
#include "benchsupport.h"
#include "shell.h"
#include "worldgen.h"

#include "database.h"
#include "settings.h"
#include "xploader.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QGeoShape>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>
#include <functional>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

namespace {

const char *const kRootDocument = "qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml";
// How long an import runs before the window is closed.
constexpr int kImportBeforeQuitMs = 1000;

// The stored database files' contents, to tell whether a run changed them.
QByteArray storedDatabase()
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString &name : folder.entryList({QStringLiteral("database_v*.bin")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        hash.addData(name.toUtf8());
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
    }
    return hash.result();
}

// Runs the event loop until `done` or the time is up; false on time-out.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

// The program itself, as main() builds it; prints "figure <name> <value>" lines.
int runWindow(int argc, char **argv)
{
    qputenv("QSG_RENDER_LOOP", "basic");
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
    Shell::nameApplication();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    // Milliseconds since the parent started this process, for the stages of the start-up.
    const qint64 passedStart = qgetenv("WAYLORE_BENCH_STARTED").toLongLong();
    const qint64 startedAt = passedStart > 0 ? passedStart : QDateTime::currentMSecsSinceEpoch();
    QStringList stages;
    const auto stage = [&stages, startedAt](const char *name) {
        stages << QStringLiteral("%1:%2").arg(QLatin1String(name)).arg(QDateTime::currentMSecsSinceEpoch() - startedAt);
    };
    stage("app");
    Shell shell;
    if (!shell.start())
        return 1;
    stage("objects");
    QObject::connect(Database::instance(), &Database::loaded, &app, [&stage] { stage("loaded"); });
    // The start-up emptied the provider cache: the map takes these descriptions at once.
    const QString providers
        = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map/background/providers");
    QDir().mkpath(providers);
    for (const char *type : {"street", "satellite", "cycle", "transit", "night-transit", "terrain", "hiking"}) {
        QFile file(providers + u'/' + QLatin1String(type) + QStringLiteral(".json"));
        if (file.open(QIODevice::WriteOnly))
            file.write("{\"url\": \"http://127.0.0.1:9/%z/%x/%y.png\", \"format\": \"png\"}");
    }
    if (!shell.loadInterface(QUrl(QLatin1String(kRootDocument))))
        return 1;
    stage("window");
    auto *window = qobject_cast<QQuickWindow *>(shell.engine()->rootObjects().value(0));
    auto *overlay = window ? window->findChild<QQuickItem *>(QStringLiteral("overlayMap")) : nullptr;
    QQuickItem *map = overlay ? overlay->parentItem() : nullptr;
    QObject *database = shell.engine()->rootContext()->contextProperty(QStringLiteral("database")).value<QObject *>();
    auto *points
        = shell.engine()->rootContext()->contextProperty(QStringLiteral("pointMapModel")).value<QAbstractItemModel *>();
    if (!map || !database || !points) {
        out << "no map in the window\n";
        return 1;
    }

    bool swapped = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [&swapped] { swapped = true; });
    // The first frame after the map has been shown.
    if (!waitFor([&] { return map->property("dbloaded").toBool(); }, 60000)) {
        out << "the database did not load\n";
        return 1;
    }
    swapped = false;
    window->update();
    waitFor([&] { return swapped; }, 10000);
    stage("frame");
    out << "figure firstframe " << QDateTime::currentMSecsSinceEpoch() << "\n";
    out << "figure stages " << stages.join(u' ') << "\n";
    QStringList firstRows;
    for (const char *name : {"boundaryMapModel", "pointMapModel", "runwayMapModel", "segmentMapModel",
                             "taxiwayMapModel", "paintlightMapModel", "taxinameMapModel", "startupMapModel"}) {
        auto *model = shell.engine()->rootContext()->contextProperty(QLatin1String(name)).value<QAbstractItemModel *>();
        firstRows << QStringLiteral("%1:%2").arg(QLatin1String(name).chopped(8)).arg(model ? model->rowCount() : -1);
    }
    out << "figure firstrows " << firstRows.join(u' ') << "\n";
    out.flush();
    // The pilot closes the window: the closing flow of the program (nothing to save), then the
    // process ends as main() ends it; the parent takes the time of the process's end.
    const auto closeWindow = [&]() -> int {
        out << "figure closing " << QDateTime::currentMSecsSinceEpoch() << "\n";
        out.flush();
        QObject::connect(window, &QWindow::visibleChanged, window, [&out](bool visible) {
            if (!visible) {
                out << "figure windowgone " << QDateTime::currentMSecsSinceEpoch() << "\n";
                out.flush();
            }
        });
        QTimer::singleShot(0, window, &QWindow::close);
        shell.exitNow(app.exec());
    };
    if (app.arguments().contains(QStringLiteral("--start-only")))
        return closeWindow();
    if (app.arguments().contains(QStringLiteral("--quit-importing"))) {
        // As the database dialog starts it; the simulator folder is the generated world's.
        auto *loader = qobject_cast<QThread *>(
            shell.engine()->rootContext()->contextProperty(QStringLiteral("xploader")).value<QObject *>());
        QMetaObject::invokeMethod(loader, "loadAsync");
        waitFor([] { return false; }, kImportBeforeQuitMs);
        out << "figure stillimporting " << (loader->isRunning() ? 1 : 0) << "\n";
        return closeWindow();
    }

    QElapsedTimer timer;
    auto frame = [&](const std::function<void()> &change) {
        swapped = false;
        timer.start();
        change();
        window->update();
        waitFor([&] { return swapped; }, 10000);
        return timer.nsecsElapsed() / 1e6;
    };
    // The point layer's rows changed: the filter pass of a view has come.
    bool viewFiltered = false;
    const auto viewRefiltered = [&viewFiltered] { viewFiltered = true; };
    QObject::connect(points, &QAbstractItemModel::layoutChanged, window, viewRefiltered);
    QObject::connect(points, &QAbstractItemModel::modelReset, window, viewRefiltered);
    QObject::connect(points, &QAbstractItemModel::rowsInserted, window, viewRefiltered);
    QObject::connect(points, &QAbstractItemModel::rowsRemoved, window, viewRefiltered);
    auto pan = [&](double zoom) {
        viewFiltered = false;
        map->setProperty("center", QVariant::fromValue(QGeoCoordinate(50.0, 9.0)));
        map->setProperty("zoomLevel", zoom);
        // The filter pass of the new view (the map's redraw timer starts it once the view stands
        // still), then the frames it brings: a pan is measured over the layers of its own view,
        // not over those left from the view before.
        QElapsedTimer settle;
        settle.start();
        while (!viewFiltered && settle.elapsed() < 10000)
            frame([] {});
        settle.start();
        while (settle.elapsed() < 400)
            frame([] {});
        QList<double> times;
        for (int i = 0; i < 200; ++i)
            times.append(frame([&] {
                QMetaObject::invokeMethod(overlay, "pan", Q_ARG(int, i < 100 ? 6 : -6),
                                          Q_ARG(int, i % 50 < 25 ? 2 : -2));
            }));
        return BenchSupport::figures(times);
    };
    const BenchSupport::Figures zoom7 = pan(7.0);
    const BenchSupport::Figures zoom10 = pan(10.0);
    out << "figure pan7 " << zoom7.median << " " << zoom7.p95 << "\n";
    out << "figure pan10 " << zoom10.median << " " << zoom10.p95 << "\n";

    // From the last zoom step to the frame that shows the layers refiltered for it.
    QList<double> refilter;
    QList<double> toFilter;
    QList<double> zoomCall;
    QList<double> zoomFrame;
    QStringList zoomRows;
    bool filtered = false;
    const auto refiltered = [&filtered] { filtered = true; };
    QObject::connect(points, &QAbstractItemModel::layoutChanged, window, refiltered);
    QObject::connect(points, &QAbstractItemModel::modelReset, window, refiltered);
    QObject::connect(points, &QAbstractItemModel::rowsInserted, window, refiltered);
    QObject::connect(points, &QAbstractItemModel::rowsRemoved, window, refiltered);
    for (int i = 0; i < 6; ++i) {
        map->setProperty("center", QVariant::fromValue(QGeoCoordinate(50.0 + (i % 2), 9.0)));
        map->setProperty("zoomLevel", i % 2 == 0 ? 8.0 : 9.0);
        frame([] {});
        waitFor([] { return false; }, 300);
        filtered = false;
        QElapsedTimer gesture;
        gesture.start();
        map->setProperty("zoomLevel", i % 2 == 0 ? 9.0 : 8.0);
        zoomCall.append(gesture.nsecsElapsed() / 1e6);
        swapped = false;
        window->update();
        waitFor([&] { return swapped || filtered; }, 5000);
        zoomFrame.append(gesture.nsecsElapsed() / 1e6);
        if (!waitFor([&] { return filtered; }, 5000))
            continue;
        toFilter.append(gesture.nsecsElapsed() / 1e6);
        swapped = false;
        window->update();
        waitFor([&] { return swapped; }, 5000);
        refilter.append(gesture.nsecsElapsed() / 1e6);
        zoomRows << QString::number(points->rowCount());
    }
    if (!refilter.isEmpty()) {
        std::sort(refilter.begin(), refilter.end());
        out << "figure refilter " << refilter.at(refilter.size() / 2) << " " << refilter.last() << "\n";
        std::sort(toFilter.begin(), toFilter.end());
        out << "figure tofilter " << toFilter.at(toFilter.size() / 2) << "\n";
        std::sort(zoomCall.begin(), zoomCall.end());
        out << "figure zoomcall " << zoomCall.at(zoomCall.size() / 2) << "\n";
        std::sort(zoomFrame.begin(), zoomFrame.end());
        out << "figure zoomframe " << zoomFrame.at(zoomFrame.size() / 2) << "\n";
        out << "figure zoomrows " << zoomRows.join(u',') << "\n";
    }
    // The filter pass of one such zoom step, model by model, with what the layers do on each
    // model's change (their items follow the rows at once): the view of zoom 9 taken from zoom 8.
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(50.0, 9.0)));
    map->setProperty("zoomLevel", 9.0);
    const QGeoRectangle region = overlay->property("visibleRegion").value<QGeoShape>().boundingGeoRectangle();
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(51.0, 9.0)));
    map->setProperty("zoomLevel", 8.0);
    frame([] {});
    waitFor([] { return false; }, 500);
    QStringList passes;
    for (const char *name : {"boundaryMapModel", "pointMapModel", "runwayMapModel", "segmentMapModel",
                             "taxiwayMapModel", "paintlightMapModel", "taxinameMapModel", "startupMapModel"}) {
        QObject *model = shell.engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject *>();
        QElapsedTimer pass;
        pass.start();
        QMetaObject::invokeMethod(model, "setGeoFilter", Q_ARG(QGeoRectangle, region), Q_ARG(double, 9.0));
        passes << QStringLiteral("%1:%2").arg(QLatin1String(name).chopped(8)).arg(pass.nsecsElapsed() / 1e6, 0, 'f', 1);
    }
    out << "figure passes " << passes.join(u' ') << "\n";
    out << "figure api "
        << (window->rendererInterface()->graphicsApi() == QSGRendererInterface::OpenGL ? "OpenGL" : "non-OpenGL")
        << "\n";
    out.flush();
    return closeWindow();
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(
            argc, argv,
            "Usage: bench_window [--scale FACTOR] [--home FOLDER] [--runs N] [--import-quits N]\n"
            "Prints how fast the main window comes up over the synthetic world and how smoothly its map moves.\n"
            "Run it under Xvfb.\n"
            "  --scale FACTOR     size of the world (1 = the whole world)\n"
            "  --home FOLDER      home folder kept between runs (the world is imported once)\n"
            "  --runs N           starts of the program measured (the median is printed)\n"
            "  --import-quits N   closes of the window during an import measured (the median is printed)\n"))
        return 0;
    if (argc > 1 && qstrcmp(argv[1], "--window") == 0)
        return runWindow(argc, argv);

    // Everything of both runs lives in a home folder of its own; --home keeps it (and its
    // imported world) for the next run.
    QString homePath;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--home") == 0)
            homePath = QFile::decodeName(argv[i + 1]);
    }
    QTemporaryDir temporaryHome;
    const QDir home(homePath.isEmpty() ? temporaryHome.path() : homePath);
    home.mkpath(QStringLiteral("."));
    qputenv("HOME", QFile::encodeName(home.absolutePath()));
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qunsetenv(variable);
    // Named as the program, so that the database file is the one it loads.
    Shell::nameApplication();
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCommandLineParser parser;
    QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("Size of the world (1 = the whole world)."),
                                   QStringLiteral("factor"), QStringLiteral("1"));
    QCommandLineOption homeOption(QStringLiteral("home"),
                                  QStringLiteral("Home folder kept between runs (the world is imported once)."),
                                  QStringLiteral("folder"));
    QCommandLineOption runsOption(QStringLiteral("runs"),
                                  QStringLiteral("Starts of the program measured (the median is printed)."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    QCommandLineOption importQuitsOption(
        QStringLiteral("import-quits"),
        QStringLiteral("Closes of the window during an import measured (the median is printed)."), QStringLiteral("n"),
        QStringLiteral("3"));
    parser.addOptions({scaleOption, homeOption, runsOption, importQuitsOption});
    parser.process(app);

    WorldGen::Options options;
    options.scale = parser.value(scaleOption).toDouble();
    WorldGen world(options);
    const QString xpPath = home.filePath(QStringLiteral("X-Plane 12"));
    // What a kept home already holds: the counts of its imported world.
    QFile counts(home.filePath(QStringLiteral("world-counts.txt")));
    int points = 0, segments = 0;
    if (!homePath.isEmpty() && counts.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> values = counts.readAll().split(' ');
        points = values.value(0).toInt();
        segments = values.value(1).toInt();
        counts.close();
    }
    if (points == 0) {
        if (!world.write(xpPath)) {
            std::fprintf(stderr, "%s\n", qPrintable(world.errorString()));
            return 1;
        }
        Settings settings;
        Database database;
        Settings::setString(QStringLiteral("database/xpPath"), xpPath);
        XpLoader loader(&database);
        QEventLoop loop;
        QObject::connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loader.loadAsync();
        loop.exec();
        loader.wait();
        points = Database::pointCount();
        segments = Database::segmentCount();
        // The views index the new items on pool threads: the items must outlive that.
        QThreadPool::globalInstance()->waitForDone();
        if (counts.open(QIODevice::WriteOnly))
            counts.write(QByteArray::number(points) + ' ' + QByteArray::number(segments));
    }

    // The first runs only start the program; the last one measures the map as well.
    const int runs = std::max(1, parser.value(runsOption).toInt());
    QList<double> starts;
    // From the window's close to the end of the process, and to the window gone from the screen.
    QList<double> closes;
    QList<double> windowGone;
    QHash<QString, QList<double>> stageTimes;
    QHash<QString, QStringList> figure;
    for (int run = 0; run < runs; ++run) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 startedAt = QDateTime::currentMSecsSinceEpoch();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WAYLORE_BENCH_STARTED"), QString::number(startedAt));
        program.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("--window")};
        if (run + 1 < runs)
            arguments << QStringLiteral("--start-only");
        program.start(QCoreApplication::applicationFilePath(), arguments);
        if (!program.waitForFinished(600000)) {
            std::fprintf(stderr, "the program run did not end\n");
            return 1;
        }
        const qint64 endedAt = QDateTime::currentMSecsSinceEpoch();
        figure.clear();
        for (const QByteArray &line : program.readAllStandardOutput().split('\n')) {
            const QStringList parts = QString::fromUtf8(line).split(u' ');
            if (parts.size() > 2 && parts.first() == QLatin1String("figure"))
                figure.insert(parts.at(1), parts.mid(2));
            else if (!line.isEmpty() && run + 1 == runs)
                std::printf("%s\n", line.constData());
        }
        if (!figure.contains(QStringLiteral("firstframe")))
            break;
        starts.append(figure.value(QStringLiteral("firstframe")).value(0).toLongLong() - startedAt);
        const qint64 closing = figure.value(QStringLiteral("closing")).value(0).toLongLong();
        if (closing > 0 && program.exitCode() == 0) {
            closes.append(endedAt - closing);
            const qint64 gone = figure.value(QStringLiteral("windowgone")).value(0).toLongLong();
            windowGone.append(gone > 0 ? gone - closing : closes.constLast());
        }
        for (const QString &entry : figure.value(QStringLiteral("stages"))) {
            const qsizetype colon = entry.indexOf(u':');
            stageTimes[entry.left(colon)].append(entry.mid(colon + 1).toDouble());
        }
    }
    if (!figure.contains(QStringLiteral("firstframe"))) {
        std::fprintf(stderr, "the program run gave no figures\n");
        return 1;
    }
    // The window closed one second into an import of the whole world: the import stops, its
    // thread ends and nothing of it reaches the stored database.
    QList<double> importQuits;
    int importing = 0;
    int unchanged = 0;
    const int importQuitRuns = parser.value(importQuitsOption).toInt();
    for (int run = 0; run < importQuitRuns; ++run) {
        const QByteArray before = storedDatabase();
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--window"), QStringLiteral("--quit-importing")});
        if (!program.waitForFinished(600000)) {
            std::fprintf(stderr, "the program run did not end\n");
            return 1;
        }
        const qint64 endedAt = QDateTime::currentMSecsSinceEpoch();
        qint64 closing = 0;
        for (const QByteArray &line : program.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 3 && parts.at(0) == "figure" && parts.at(1) == "closing")
                closing = parts.at(2).toLongLong();
            if (parts.size() == 3 && parts.at(0) == "figure" && parts.at(1) == "stillimporting")
                importing += parts.at(2).toInt();
        }
        if (closing > 0 && program.exitCode() == 0)
            importQuits.append(endedAt - closing);
        unchanged += storedDatabase() == before ? 1 : 0;
    }
    std::printf("Main window over a synthetic world of %d points and %d segments (scale %g), %s scene graph\n", points,
                segments, options.scale, qPrintable(figure.value(QStringLiteral("api")).join(u' ')));
    std::printf("  process start to the first frame with the map: %.0f ms (goal < 2500, database load included)%s\n",
                BenchSupport::figures(starts).median,
                runs > 1 ? qPrintable(QStringLiteral(", median of %1 starts").arg(starts.size())) : "");
    // When each step of the start-up ended, from the process start (medians).
    QStringList stageLine;
    for (const char *name : {"app", "objects", "window", "loaded", "frame"}) {
        if (stageTimes.contains(QLatin1String(name)))
            stageLine << QStringLiteral("%1 %2")
                             .arg(QLatin1String(name))
                             .arg(BenchSupport::figures(stageTimes.value(QLatin1String(name))).median);
    }
    std::printf("    steps done at (ms): %s\n", qPrintable(stageLine.join(QStringLiteral(", "))));
    if (!closes.isEmpty())
        std::printf("  window closed to the end of the process: %.0f ms (goal < 500), worst %.0f ms; the window went "
                    "after %.0f ms\n",
                    BenchSupport::figures(closes).median, *std::max_element(closes.cbegin(), closes.cend()),
                    BenchSupport::figures(windowGone).median);
    if (!importQuits.isEmpty())
        std::printf(
            "  window closed %d ms into an import of the world to the end of the process: %.0f ms (goal < 500), "
            "worst %.0f ms, median of %lld (%d still importing at the close); stored database unchanged "
            "after %d of %d\n",
            kImportBeforeQuitMs, BenchSupport::figures(importQuits).median,
            *std::max_element(importQuits.cbegin(), importQuits.cend()), qlonglong(importQuits.size()), importing,
            unchanged, importQuitRuns);
    for (const auto &[key, zoom] : {std::pair{"pan7", 7}, std::pair{"pan10", 10}}) {
        const QStringList values = figure.value(QLatin1String(key));
        std::printf("  frame time panning over central Europe at zoom %d: median %.1f ms (goal < 16), p95 %.1f ms "
                    "(goal < 33)\n",
                    zoom, values.value(0).toDouble(), values.value(1).toDouble());
    }
    const QStringList refilter = figure.value(QStringLiteral("refilter"));
    std::printf("  end of a zoom to the refiltered layers drawn: median %.0f ms, worst %.0f ms (goal < 150); "
                "point rows after each zoom: %s\n",
                refilter.value(0).toDouble(), refilter.value(1).toDouble(),
                qPrintable(figure.value(QStringLiteral("zoomrows")).join(u' ')));
    std::printf("    of which the zoom change itself (the layers' bindings): median %.0f ms; to the first frame at the "
                "new zoom: "
                "%.0f ms; to the point rows changed (debounce and filter passes): %.0f ms\n",
                figure.value(QStringLiteral("zoomcall")).value(0).toDouble(),
                figure.value(QStringLiteral("zoomframe")).value(0).toDouble(),
                figure.value(QStringLiteral("tofilter")).value(0).toDouble());
    std::printf("    of which the filter pass, model by model, with the layers' items (ms, without the redraw): %s\n",
                qPrintable(figure.value(QStringLiteral("passes")).join(u' ')));
    return 0;
}
