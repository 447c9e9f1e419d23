// Writes a synthetic world-size navigation database (35,000 airports with two runways each,
// 250,000 fixes, 30,000 navaids, 120,000 airway segments) to its file, loads it back on the
// loading thread and builds the routing graph from it.

#include "airport.h"
#include "basemodel.h"
#include "benchsupport.h"
#include "database.h"
#include "graph.h"
#include "loadwatch.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"

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
        // The lists of the previous run are freed on the pool: at start-up there are none.
        QThreadPool::globalInstance()->waitForDone();
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
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_dbfile [--file PATH [--runs N] [--app-version V]]\n"
                                  "Writes a synthetic world-size database to its file, loads it back and builds the routing graph.\n"
                                  "  --file PATH        load that database file instead of a world of its own\n"
                                  "  --runs N           loads of the file (default 5)\n"
                                  "  --app-version V    the version the file was written under\n"))
        return 0;
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();
    // --file <path> [--runs n] [--app-version v]: loads that file instead of a world of its own.
    const QStringList arguments = app.arguments();
    const qsizetype fileArgument = arguments.indexOf(QStringLiteral("--file"));
    if (fileArgument > 0 && fileArgument + 1 < arguments.size()) {
        const qsizetype runsArgument = arguments.indexOf(QStringLiteral("--runs"));
        const int runs = runsArgument > 0 ? std::max(1, arguments.value(runsArgument + 1).toInt()) : 5;
        // The version the file was written under: the program's, or none for bench_import's.
        const qsizetype versionArgument = arguments.indexOf(QStringLiteral("--app-version"));
        return loadFile(arguments.at(fileArgument + 1), runs,
                        versionArgument > 0 ? arguments.value(versionArgument + 1) : QStringLiteral(WAYLORE_APP_VERSION));
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
