// Writes a synthetic world-size navigation database (35,000 airports with two runways each,
// 250,000 fixes, 30,000 navaids, 120,000 airway segments) to its file, loads it back on the
// loading thread and builds the routing graph from it.

#include "airport.h"
#include "basemodel.h"
#include "benchsupport.h"
#include "database.h"
#include "graph.h"
#include "loadwatch.h"
#include "orderedparallel.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "xploader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using BenchSupport::landPosition;
using BenchSupport::letters;

namespace {

constexpr int Airports = 35000;
constexpr int Fixes = 250000;
constexpr int Navaids = 30000;
constexpr int Segments = 120000;
constexpr int CachedCalls = 1000000;

void fillWorld(Database &db)
{
    QRandomGenerator random(2024);
    db.beginModifying();
    Database::setCycle(QStringLiteral("2403"));
    for (int i = 0; i < Airports; ++i) {
        auto *airport = new Airport(letters(random, i % 10 == 0 ? 3 : 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = landPosition(random);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        airport->addAtc(3, 118.1f, QStringLiteral("TOWER"));
        db.addPoint(airport);
        const double half = (i % 3 == 0) ? 400.0 : 1500.0;
        for (int r = 0; r < 2; ++r) {
            const double azimuth = r * 60.0;
            db.addRunway(new Runway(airport->code(), centre.atDistanceAndAzimuth(half, azimuth + 180.0),
                                    QString::number(10 + r), 0.0f, centre.atDistanceAndAzimuth(half, azimuth),
                                    QString::number(28 + r), 0.0f, 45.0f, 1, 0, 0));
        }
    }
    for (int i = 0; i < Fixes; ++i)
        db.addPoint(new Point(Point::FIX, landPosition(random), letters(random, 5), QStringLiteral("ENRT"),
                              letters(random, 2), QString(), 0, 0.0f, QStringLiteral("C   ")));
    for (int i = 0; i < Navaids; ++i)
        db.addPoint(new Point(i % 3 == 0 ? Point::NDB : Point::VOR, landPosition(random), letters(random, 3),
                              QStringLiteral("ENRT"), letters(random, 2), QStringLiteral("Navaid"), 0, 115.0f,
                              QString()));
    for (int i = 0; i < Segments; ++i) {
        Point *from = Database::pointAt(Airports + random.bounded(Fixes));
        Point *to = Database::pointAt(Airports + random.bounded(Fixes));
        db.addSegment(new Segment(Segment::NONE, i % 2 ? Segment::HIGH : Segment::LOW, from, to,
                                  QStringLiteral("UL%1").arg(i % 900), 0, 0));
    }
    db.endModifying();
}

void report(const char *what, double milliseconds, const char *goal = "")
{
    std::printf("%-52s %10.1f ms %s\n", what, milliseconds, goal);
}

// What the search reads of the graph, in one number: a build on any number of cores must give
// the same.
quint64 graphChecksum(const Routing::Graph &graph)
{
    quint64 sum = 1469598103934665603ULL;
    const auto mix = [&sum](qint64 value) { sum = (sum ^ quint64(value)) * 1099511628211ULL; };
    for (const Routing::Graph::Edge &edge : graph.edges) {
        mix(edge.from);
        mix(edge.to);
        mix(edge.kind);
    }
    for (const int start : graph.arcStart)
        mix(start);
    for (const Routing::Graph::Arc &arc : graph.arcs)
        mix(qint64(arc.to) << 32 | arc.edge);
    for (const int leg : graph.gapLegs)
        mix(leg);
    for (const std::vector<int> &network : graph.components) {
        for (const int component : network)
            mix(component);
    }
    for (const auto *index : {&graph.enrouteIndex, &graph.radioIndex}) {
        for (const Routing::Graph::DirectPoint &point : index->points)
            mix(point.node);
    }
    mix(graph.uidIndex.size());
    return sum;
}

// The routing graph built runs times from the lists loaded, each build from scratch; the slowest
// beside the goal, which is for two cores (taskset -c 0,1).
bool timeGraphBuilds(Database &db, int runs)
{
    QList<double> builds;
    quint64 checksum = 0;
    for (int run = 0; run < runs; ++run) {
        db.mutex()->lock();
        db.dropRoutingGraph();
        db.mutex()->unlock();
        QElapsedTimer timer;
        timer.start();
        const auto graph = db.routingGraph();
        builds.append(timer.nsecsElapsed() / 1e6);
        if (!graph) {
            std::printf("graph build failed\n");
            return false;
        }
        const quint64 sum = graphChecksum(*graph);
        if (run > 0 && sum != checksum) {
            std::printf("graph differs between builds\n");
            return false;
        }
        checksum = sum;
        std::printf("routing graph build: %7.1f ms (%lld nodes, %lld edges, %lld gap legs)\n", builds.last(),
                    qint64(graph->nodes.size()), qint64(graph->edges.size()), qint64(graph->gapLegs.size()));
    }
    const BenchSupport::Figures figures = BenchSupport::figures(builds);
    std::printf("routing graph build on %d threads: median %.1f ms, slowest %.1f ms (goal < 500 ms on two cores, "
                "every run); checksum %016llx\n",
                QThreadPool::globalInstance()->maxThreadCount(), figures.median,
                *std::max_element(builds.cbegin(), builds.cend()), static_cast<unsigned long long>(checksum));
    return true;
}

// Imports a simulator folder (the real world-size set bench/fgworld.py makes, say) as the program
// does, then times the routing graph's builds on it.
int graphOfFolder(const QString &folder, int runs)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
    Settings settings;
    // The preferences of an earlier run would otherwise decide which folder is read.
    Settings::setString(QStringLiteral("database/xpPath"), QDir(folder).absolutePath());
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), false);
    Database db;
    XpLoader loader(&db);
    QEventLoop loop;
    QObject::connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    loader.loadAsync();
    loop.exec();
    loader.wait();
    // The lists reach the database through queued calls after the end of the import; what the
    // import left to other threads (freeing, trimming, the lists' filter indexes) is done before
    // the builds are timed.
    QCoreApplication::processEvents();
    while (db.retiring())
        QCoreApplication::processEvents();
    QThreadPool::globalInstance()->waitForDone();
    OrderedParallel::waitForIdle();
    std::printf("%s: %d points, %d segments\n", qPrintable(folder), Database::pointCount(), Database::segmentCount());
    if (Database::pointCount() == 0)
        return 1;
    const int result = timeGraphBuilds(db, runs) ? 0 : 1;
    QFile::remove(db.filePath());
    return result;
}

} // namespace

// Loads a database file the program wrote (bench_import --keep-file, or the program's own) runs
// times, as at start-up, and prints each load beside the goal.
int loadFile(const QString &path, int runs, const QString &version)
{
    QCoreApplication::setApplicationVersion(version);
    Settings settings;
    Database db;
    const QString target = db.filePath();
    if (QFileInfo(target) != QFileInfo(path)) {
        QFile::remove(target);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(path, target)) {
            std::printf("cannot copy %s to %s\n", qPrintable(path), qPrintable(target));
            return 1;
        }
    }
    QList<double> loads;
    for (int run = 0; run < runs; ++run) {
        db.clear();
        while (db.retiring())
            QCoreApplication::processEvents();
        // The lists of the previous run are freed on the helper's threads: at start-up there are none.
        OrderedParallel::waitForIdle();
        const LoadWatch watch = LoadWatch::run(db);
        if (!watch.result) {
            std::printf("load failed\n");
            return 1;
        }
        loads.append(watch.nanoseconds / 1e6);
        std::printf("loadAsync to loaded(true): %7.1f ms, longest main-thread stall %5.1f ms (goals < 600, < 16)\n",
                    loads.last(), watch.longestStall / 1e6);
    }
    std::printf("%d points, %d procedures; median load %.1f ms\n", Database::pointCount(), db.procedureModel()->count(),
                BenchSupport::figures(loads).median);
    if (QFileInfo(target) != QFileInfo(path))
        QFile::remove(target);
    return 0;
}

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(
            argc, argv,
            "Usage: bench_dbfile [--file PATH [--runs N] [--app-version V] | --folder PATH [--runs N]]\n"
            "Writes a synthetic world-size database to its file, loads it back and builds the routing graph.\n"
            "  --file PATH        load that database file instead of a world of its own\n"
            "  --folder PATH      import that simulator folder and time the routing graph's build on it\n"
            "  --runs N           loads of the file (default 5)\n"
            "  --app-version V    the version the file was written under\n"))
        return 0;
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();
    // --file <path> [--runs n] [--app-version v]: loads that file instead of a world of its own.
    const QStringList arguments = app.arguments();
    const qsizetype runsArgument = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsArgument > 0 ? std::max(1, arguments.value(runsArgument + 1).toInt()) : 5;
    const qsizetype folderArgument = arguments.indexOf(QStringLiteral("--folder"));
    if (folderArgument > 0 && folderArgument + 1 < arguments.size())
        return graphOfFolder(arguments.at(folderArgument + 1), runs);
    const qsizetype fileArgument = arguments.indexOf(QStringLiteral("--file"));
    if (fileArgument > 0 && fileArgument + 1 < arguments.size()) {
        // The version the file was written under: the program's unless said otherwise.
        const qsizetype versionArgument = arguments.indexOf(QStringLiteral("--app-version"));
        return loadFile(arguments.at(fileArgument + 1), runs,
                        versionArgument > 0 ? arguments.value(versionArgument + 1)
                                            : QStringLiteral(WAYLORE_APP_VERSION));
    }
    QCoreApplication::setApplicationVersion(QStringLiteral("bench"));

    Settings settings;
    Database db;
    fillWorld(db);
    std::printf("Synthetic world: %d points, %d runways, %d segments\n", Database::pointCount(),
                db.runwayModel()->count(), Database::segmentCount());

    QElapsedTimer timer;
    timer.start();
    if (!db.save()) {
        std::printf("save failed\n");
        return 1;
    }
    report("save to file", timer.nsecsElapsed() / 1e6, "(goal < 500 ms)");
    std::printf("%-52s %10.1f MB\n", "file size", QFileInfo(db.filePath()).size() / 1e6);

    db.clear();
    // As at start-up: nothing left to delete of what was loaded before.
    while (db.retiring())
        QCoreApplication::processEvents();
    const LoadWatch watch = LoadWatch::run(db);
    const bool result = watch.result;
    const double loadTime = watch.nanoseconds / 1e6;
    const qint64 longestGap = watch.longestStall;
    if (!result || Database::pointCount() != Airports + Fixes + Navaids) {
        std::printf("load failed\n");
        return 1;
    }
    report("loadAsync to loaded(true)", loadTime, "(goal < 600 ms)");
    report("longest main-thread stall during the load", longestGap / 1e6, "(goal < 16 ms)");

    timer.restart();
    const bool synchronous = db.load();
    report("load() on the calling thread", timer.nsecsElapsed() / 1e6);
    if (!synchronous)
        return 1;

    timer.restart();
    const auto graph = db.routingGraph();
    report("first routingGraph (build)", timer.nsecsElapsed() / 1e6, "(goal < 500 ms)");
    if (!graph)
        return 1;
    std::printf("%-52s %7lld nodes %lld edges\n", "graph", qint64(graph->nodes.size()), qint64(graph->edges.size()));

    qint64 hits = 0;
    timer.restart();
    for (int i = 0; i < CachedCalls; ++i)
        hits += db.routingGraph().get() == graph.get();
    const double each = timer.nsecsElapsed() / double(CachedCalls);
    std::printf("%-52s %10.1f ns each (goal < 1000 ns), %lld hits\n", "cached routingGraph", each, hits);

    QFile::remove(db.filePath());
    return 0;
}
