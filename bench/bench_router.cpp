// Times route searches from start() to done() with the routing graph already built.
//
// Without arguments it fills the database with a synthetic world in memory (35,000 airports,
// 250,000 fixes on a jittered grid joined by HIGH and LOW airways, 30,000 VORs and NDBs) and
// searches 500 NM and 5,000 NM routes under every airway option and by radio aids, both ways,
// printing the time, the nodes expanded and the route length over the great-circle distance.
// Then it replaces that world by two continents with an ocean between them that oceanic tracks
// and oceanic points cross, a dense coast with a thin chain of oceanic points beside it, an
// island off a coast and an island that nothing reaches, and times each crossing and a pair
// with no path both ways, telling whether each option found a route where it should. The
// routing graph's build of each world is timed too.
// Each time is the median of several runs (the machine may be busy with other work), from
// start() to done() and printed beside the time it should stay under, and, as "search ms",
// the processor time of the search alone on the benchmark's thread.
//
// bench_router <simulator folder | database file> DEP ARR [DEP ARR ...] imports the folder
// (or loads the file) and prints, for each pair and option, the route with its airways. The
// folder is read with the simulator's own data folder ("Resources/default data" and its CIFP/)
// and, as the import does, the Global Airports apt.dat in place of the default one when both
// exist; only the airports of the file read can be given.
// Given alone or with a seed, the folder or file has the search timed on random pairs of its
// airports (randomPairs): the slowest ten beside the goal, and a checksum of the routes.

#include "airport.h"
#include "astar.h"
#include "basemodel.h"
#include "benchsupport.h"
#include "database.h"
#include "graph.h"
#include "point.h"
#include "procedure.h"
#include "router.h"
#include "segment.h"
#include "settings.h"
#include "xploader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGeoRectangle>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr int Airports = 35000;
constexpr int FixRows = 300;
constexpr int FixColumns = 833;
constexpr int Navaids = 30000;
// Timed runs per pair and option, after one that warms the work arrays.
constexpr int Repeats = 9;
// What a search should stay under, in milliseconds.
constexpr double ShortGoalMs = 2.0;
constexpr double LongGoalMs = 20.0;
// What any search should stay under, either way, and the routing graph's build.
constexpr double AnyGoalMs = 50.0;
constexpr double GraphGoalMs = 500.0;
// Random airport pairs of a simulator folder or database file given alone.
constexpr int RandomPairs = 300;
constexpr quint32 RandomPairsSeed = 40;

struct Mode
{
    const char *name;
    bool radio;
    int option;
};

const Mode Modes[] = {
    {"airways, prefer HIGH", false, 0}, {"airways, LOW only", false, 1}, {"airways, no preference", false, 2},
    {"airways ignored", false, 3},      {"radio aids", true, 0},
};

QString code(int index, int letters)
{
    QString text(letters, QLatin1Char('A'));
    for (int i = letters - 1; i >= 0; --i) {
        text[i] = QChar('A' + index % 26);
        index /= 26;
    }
    return text;
}

void applyMode(const Mode &mode)
{
    Settings::setBool(QStringLiteral("generator/airwayNavigation"), !mode.radio);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), mode.radio);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), mode.option);
    // The store writes itself back on a posted event, a few milliseconds of disk work that
    // must not fall into a timed search.
    QCoreApplication::sendPostedEvents();
}

// Milliseconds from start() to done().
double route(Router &router, Point *from, Point *to)
{
    router.setEndpoints(from->uid(), to->uid());
    QEventLoop loop;
    QObject::connect(&router, &Router::done, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    router.start();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

// The median of the timed runs of one search, with the last run's outcome.
double medianRoute(Router &router, Point *from, Point *to)
{
    route(router, from, to);
    std::vector<double> times;
    for (int i = 0; i < Repeats; ++i)
        times.push_back(route(router, from, to));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Processor time of this thread: on a busy machine it stays what a quiet one would take.
double threadCpuMs()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

// Processor time of every thread of the process: the graph's build shares its work among them.
double processCpuMs()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

// The median processor time of the search alone, on this thread: what start() to done() costs
// beyond it is the hand-over between threads, which grows with the load of the machine.
double medianSearch(const std::shared_ptr<const Routing::Graph> &graph, Point *from, Point *to, const Mode &mode)
{
    Routing::AStar astar;
    Routing::AStar::Options options;
    options.radio = mode.radio;
    options.airwayOption = mode.option;
    const Routing::AStar::Request request{graph->nodeOf(from->uid()), graph->nodeOf(to->uid()), -1, -1};
    astar.search(graph, request, options);
    std::vector<double> times;
    for (int i = 0; i < Repeats; ++i) {
        const double start = threadCpuMs();
        astar.search(graph, request, options);
        times.push_back(threadCpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const char *verdict(double ms, double goal)
{
    return ms < goal ? "ok" : "OVER";
}

QString routeText(const Router &router)
{
    const QList<Point *> points = router.route();
    QStringList parts;
    for (int i = 0; i < points.size(); ++i) {
        if (i > 0) {
            const Segment *segment = router.legSegments().value(i - 1);
            parts.append(segment ? segment->name() : QStringLiteral("DCT"));
        }
        parts.append(points.at(i)->code());
    }
    return parts.join(QLatin1Char(' '));
}

void buildWorld(Database &db)
{
    QRandomGenerator random(2024);
    auto land = [&random] {
        return QGeoCoordinate(-60.0 + random.generateDouble() * 130.0, -180.0 + random.generateDouble() * 360.0);
    };
    db.beginModifying();
    for (int i = 0; i < Airports; ++i) {
        auto *airport = new Airport(code(i, 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = land();
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        db.addPoint(airport);
    }
    std::vector<Point *> grid(size_t(FixRows) * FixColumns);
    const double rowStep = 130.0 / FixRows;
    const double columnStep = 360.0 / FixColumns;
    for (int r = 0; r < FixRows; ++r) {
        for (int c = 0; c < FixColumns; ++c) {
            const double lat = -60.0 + (r + 0.2 + 0.6 * random.generateDouble()) * rowStep;
            const double lon = -180.0 + (c + 0.2 + 0.6 * random.generateDouble()) * columnStep;
            auto *fix
                = new Point(Point::FIX, QGeoCoordinate(lat, lon), code(r * FixColumns + c, 5), QStringLiteral("ENRT"),
                            QStringLiteral("ZZ"), QString(), 0, 0.0f, QStringLiteral("C   "));
            db.addPoint(fix);
            grid[size_t(r) * FixColumns + c] = fix;
        }
    }
    for (int i = 0; i < Navaids; ++i)
        db.addPoint(new Point(i % 3 == 0 ? Point::NDB : Point::VOR, land(), code(i, 3), QStringLiteral("ENRT"),
                              QStringLiteral("YY"), QStringLiteral("Navaid"), 0, 115.0f, QString()));
    // Each grid link carries a HIGH airway, a LOW one, both or neither; one in ten is one-way.
    int segments = 0;
    for (int r = 0; r < FixRows; ++r) {
        for (int c = 0; c < FixColumns; ++c) {
            Point *from = grid[size_t(r) * FixColumns + c];
            Point *neighbours[2] = {grid[size_t(r) * FixColumns + (c + 1) % FixColumns],
                                    r + 1 < FixRows ? grid[size_t(r + 1) * FixColumns + c] : nullptr};
            for (int n = 0; n < 2; ++n) {
                if (!neighbours[n])
                    continue;
                for (int type : {int(Segment::HIGH), int(Segment::LOW)}) {
                    if (random.generateDouble() >= 0.6)
                        continue;
                    const int direction = random.bounded(10) == 0 ? Segment::FORWARD : Segment::NONE;
                    const QString name = (type == Segment::HIGH ? QStringLiteral("J%1") : QStringLiteral("V%1"))
                                             .arg(n == 0 ? r : 1000 + c);
                    db.addSegment(new Segment(direction, type, from, neighbours[n], name, 0, 0));
                    ++segments;
                }
            }
        }
    }
    db.endModifying();
    std::printf("World: %d points, %d segments\n", Database::pointCount(), segments);
}

// The airport nearest to the point at the distance and bearing from the departure.
Point *airportToward(const QList<Point *> &airports, Point *from, double nm, double bearing)
{
    const QGeoCoordinate target = from->position().atDistanceAndAzimuth(nm * 1852.0, bearing);
    Point *best = nullptr;
    double bestDistance = 1e12;
    for (Point *airport : airports) {
        const double d = airport->position().distanceTo(target);
        if (d < bestDistance) {
            bestDistance = d;
            best = airport;
        }
    }
    return best;
}

// A grid of en-route fixes joined by HIGH and LOW airways as in the big world, with airports
// and radio aids strewn over it, between the given latitudes and longitudes.
void addContinent(Database &db, QRandomGenerator &random, const QString &prefix, double south, double north,
                  double west, double east, double step = 130.0 / FixRows)
{
    const int rows = int((north - south) / step);
    const int columns = int((east - west) / step);
    std::vector<Point *> grid(size_t(rows) * columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QGeoCoordinate position(south + (r + 0.2 + 0.6 * random.generateDouble()) * step,
                                          west + (c + 0.2 + 0.6 * random.generateDouble()) * step);
            auto *fix = new Point(Point::FIX, position, prefix + code(r * columns + c, 4), QStringLiteral("ENRT"),
                                  QStringLiteral("ZZ"), QString(), 0, 0.0f, QStringLiteral("C   "));
            db.addPoint(fix);
            grid[size_t(r) * columns + c] = fix;
        }
    }
    auto anywhere = [&] {
        return QGeoCoordinate(south + random.generateDouble() * (north - south),
                              west + random.generateDouble() * (east - west));
    };
    const double area = (north - south) * (east - west);
    // The big world's densities: about one radio aid and one airport per 1.5 square degrees.
    for (int i = 0; i < int(area / 1.5); ++i) {
        db.addPoint(new Point(i % 3 == 0 ? Point::NDB : Point::VOR, anywhere(), prefix + code(i, 3),
                              QStringLiteral("ENRT"), QStringLiteral("YY"), QStringLiteral("Navaid"), 0, 115.0f,
                              QString()));
        auto *airport = new Airport(prefix + code(i, 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = anywhere();
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        db.addPoint(airport);
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            Point *from = grid[size_t(r) * columns + c];
            Point *neighbours[2] = {c + 1 < columns ? grid[size_t(r) * columns + c + 1] : nullptr,
                                    r + 1 < rows ? grid[size_t(r + 1) * columns + c] : nullptr};
            for (Point *to : neighbours) {
                for (int type : {int(Segment::HIGH), int(Segment::LOW)}) {
                    if (!to || random.generateDouble() >= 0.6)
                        continue;
                    const int direction = random.bounded(10) == 0 ? Segment::FORWARD : Segment::NONE;
                    db.addSegment(new Segment(
                        direction, type, from, to,
                        (type == Segment::HIGH ? QStringLiteral("J") : QStringLiteral("V")) + prefix, 0, 0));
                }
            }
        }
    }
}

// The point of the database of the type nearest to the position.
Point *nearest(int type, const QGeoCoordinate &position)
{
    Point *best = nullptr;
    double bestDistance = 1e12;
    for (int row = 0; row < Database::pointCount(); ++row) {
        Point *point = Database::pointAt(row);
        if (!point || point->type() != type)
            continue;
        const double d = point->position().distanceTo(position);
        if (d < bestDistance) {
            bestDistance = d;
            best = point;
        }
    }
    return best;
}

// The routing graph, with the time its build took.
std::shared_ptr<const Routing::Graph> timedGraph(Database &db)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = processCpuMs();
    const auto graph = db.routingGraph();
    const qint64 wallMs = timer.elapsed();
    const double cpuMs = processCpuMs() - cpu;
    const int cores = QThread::idealThreadCount();
    std::printf("Routing graph: %lld nodes, %lld edges, built in %lld ms (cores: %d), %.0f ms of processor  < %.0f ms "
                "on 2 cores %s\n",
                qlonglong(graph->nodes.size()), qlonglong(graph->edges.size()), wallMs, cores, cpuMs, GraphGoalMs,
                cores == 2 ? verdict(double(wallMs), GraphGoalMs) : "not measured (taskset -c 0,1)");
    return graph;
}

// Two continents 40 degrees of longitude apart, crossed by four oceanic tracks whose
// waypoints lie ten degrees apart, with oceanic fixes at every degree of latitude on the
// tracks' meridians as oceanic routes are reported; and an island with its own airways on the
// other side of the earth. Airways cross the ocean by the tracks, direct legs by the oceanic
// points across the gaps; LOW airways and radio aids cannot, and nothing reaches the island.
int oceanWorld(Database &db)
{
    db.clear();
    QRandomGenerator random(4242);
    db.beginModifying();
    addContinent(db, random, QStringLiteral("W"), 20.0, 60.0, -120.0, -60.0);
    addContinent(db, random, QStringLiteral("E"), 20.0, 60.0, -20.0, 40.0);
    addContinent(db, random, QStringLiteral("I"), -40.0, -10.0, 100.0, 140.0);
    for (int track = 0; track < 4; ++track) {
        const double latitude = 40.0 + 4.0 * track;
        Point *previous = nullptr;
        for (double longitude : {-61.0, -50.0, -40.0, -30.0, -19.0}) {
            Point *point = nullptr;
            if (longitude < -60.0 || longitude > -20.0) {
                // The coast fixes of the continents.
                point = nearest(Point::FIX, QGeoCoordinate(latitude, longitude));
            } else {
                point = new Point(Point::FIX, QGeoCoordinate(latitude, longitude),
                                  QStringLiteral("T%1%2").arg(track).arg(int(-longitude)), QStringLiteral("ENRT"),
                                  QStringLiteral("ZZ"), QString(), 0, 0.0f, QStringLiteral("C   "));
                db.addPoint(point);
            }
            if (previous)
                db.addSegment(new Segment(Segment::NONE, Segment::TRACK, previous, point,
                                          QStringLiteral("NAT%1").arg(QChar('A' + track)), 0, 0));
            previous = point;
        }
    }
    auto oceanic = [&db](const QString &name, double latitude, double longitude) {
        db.addPoint(new Point(Point::FIX, QGeoCoordinate(latitude, longitude), name, QStringLiteral("ENRT"),
                              QStringLiteral("ZZ"), QString(), 0, 0.0f, QStringLiteral("C   ")));
    };
    for (int longitude : {-50, -40, -30}) {
        for (int latitude = 25; latitude <= 65; ++latitude)
            oceanic(QStringLiteral("%1%2N").arg(latitude).arg(-longitude), latitude, longitude);
    }
    // A coast as dense as the busiest real ones, five fixes a degree, and a chain of oceanic
    // points that leaves it far south of the line to an island group north-east of it: the
    // route runs 1,000 NM along the coast before it crosses.
    addContinent(db, random, QStringLiteral("C"), -40.0, -15.0, -75.0, -50.0, 0.2);
    const double chain[][2] = {{-34, -40}, {-28, -37}, {-22, -35}, {-16, -34}, {-10, -35}, {-10.4, -34.6}};
    for (const auto &p : chain)
        oceanic(QStringLiteral("R%1%2S").arg(int(-p[0])).arg(int(-p[1])), p[0], p[1]);
    auto airport = [&db](const QString &code, const QGeoCoordinate &position) {
        auto *airport = new Airport(code, QStringLiteral("Airport"), 100);
        airport->setPosition(position, QGeoRectangle(position, position));
        db.addPoint(airport);
    };
    airport(QStringLiteral("RAAA"), QGeoCoordinate(-10.2, -34.8));
    // An island 560 NM off the south-east corner of the west continent, with nothing nearer:
    // a route from it to the east goes back to the coast and up it before it crosses.
    oceanic(QStringLiteral("BOFFA"), 12.0, -55.0);
    oceanic(QStringLiteral("BOFFB"), 12.3, -55.2);
    airport(QStringLiteral("BAAA"), QGeoCoordinate(12.1, -55.1));
    db.endModifying();
    std::printf("\nOcean world: %d points, %d segments\n", Database::pointCount(), Database::segmentCount());
    const auto graph = timedGraph(db);

    struct Case
    {
        const char *name;
        QGeoCoordinate from;
        QGeoCoordinate to;
        // Per mode, whether a route must be found.
        bool found[std::size(Modes)];
    };
    const QGeoCoordinate west(42.0, -95.0);
    const QGeoCoordinate east(48.0, 15.0);
    const QGeoCoordinate coast(-17.0, -52.0);
    const QGeoCoordinate isle(-10.2, -34.8);
    const Case cases[] = {
        {"across the ocean", west, east, {true, false, true, true, false}},
        {"back across the ocean", east, west, {true, false, true, true, false}},
        {"from the dense coast", coast, isle, {false, false, false, true, false}},
        {"to the dense coast", isle, coast, {false, false, false, true, false}},
        {"from an island off the coast", QGeoCoordinate(12.1, -55.1), east, {false, false, false, true, false}},
        {"to the island off the coast", east, QGeoCoordinate(12.1, -55.1), {false, false, false, true, false}},
        {"to the island", west, QGeoCoordinate(-25.0, 120.0), {false, false, false, false, false}},
        {"from the island", QGeoCoordinate(-25.0, 120.0), west, {false, false, false, false, false}},
    };
    Router router;
    for (const Case &c : cases) {
        Point *from = nearest(Point::AIRP, c.from);
        Point *to = nearest(Point::AIRP, c.to);
        const double gc = from->distanceTo(to);
        std::printf("\n%s, %s - %s, %.0f NM great circle\n  %-36s median ms  search ms  expanded  result\n", c.name,
                    qPrintable(from->code()), qPrintable(to->code()), gc, "");
        for (size_t m = 0; m < std::size(Modes); ++m) {
            const Mode &mode = Modes[m];
            applyMode(mode);
            const double ms = medianRoute(router, from, to);
            const QString result = router.getStatus() ? QStringLiteral("%1 NM, %2 x gc")
                                                            .arg(router.distance(), 0, 'f', 0)
                                                            .arg(router.distance() / gc, 0, 'f', 3)
                                                      : QStringLiteral("no path");
            std::printf("  %-36s %9.2f %10.2f %9d  %-20s %s  < %.0f ms %s\n", mode.name, ms,
                        medianSearch(graph, from, to, mode), router.expandedNodes(), qPrintable(result),
                        router.getStatus() == c.found[m] ? "as it should" : "WRONG", AnyGoalMs, verdict(ms, AnyGoalMs));
        }
    }
    return 0;
}

int syntheticWorld(Database &db)
{
    QElapsedTimer timer;
    timer.start();
    buildWorld(db);
    std::printf("Built in %.1f s\n", timer.elapsed() / 1000.0);
    const auto graph = timedGraph(db);

    QList<Point *> airports;
    for (Point *point : db.pointModel()->items()) {
        if (point && point->type() == Point::AIRP)
            airports.append(point);
    }
    QRandomGenerator random(7);
    Router router;
    for (double nm : {500.0, 5000.0}) {
        // Pairs between 50 degrees south and north, in every direction.
        QList<QPair<Point *, Point *>> pairs;
        while (pairs.size() < 6) {
            Point *from = airports.at(random.bounded(int(airports.size())));
            if (std::abs(from->latitude()) > 45.0)
                continue;
            Point *to = airportToward(airports, from, nm, random.bounded(360));
            if (to && std::abs(to->latitude()) < 60.0 && to != from)
                pairs.append(qMakePair(from, to));
        }
        const double goal = nm < 1000.0 ? ShortGoalMs : LongGoalMs;
        std::printf(
            "\n%.0f NM routes (%lld pairs)          mean ms   max ms  back max  search ms   expanded  length/gc  "
            "found   goal\n",
            nm, qlonglong(pairs.size()));
        for (const Mode &mode : Modes) {
            applyMode(mode);
            double total = 0.0, worst = 0.0, back = 0.0, ratio = 0.0, searching = 0.0;
            qint64 expanded = 0;
            int found = 0;
            for (const auto &pair : pairs) {
                back = std::max(back, medianRoute(router, pair.second, pair.first));
                const double ms = medianRoute(router, pair.first, pair.second);
                total += ms;
                worst = std::max(worst, ms);
                searching += medianSearch(graph, pair.first, pair.second, mode);
                expanded += router.expandedNodes();
                if (router.getStatus()) {
                    ++found;
                    ratio += router.distance() / (pair.first->distanceTo(pair.second));
                }
            }
            std::printf(
                "  %-28s %9.2f %8.2f %9.2f %10.2f %10lld %10.3f %4d/%lld  < %.0f ms mean %s, both ways < %.0f ms %s\n",
                mode.name, total / pairs.size(), worst, back, searching / pairs.size(), expanded / pairs.size(),
                found ? ratio / found : 0.0, found, qlonglong(pairs.size()), goal, verdict(total / pairs.size(), goal),
                AnyGoalMs, verdict(std::max(worst, back), AnyGoalMs));
        }
    }
    return oceanWorld(db);
}

// Imports the folder as the database dialog does with its defaults (the simulator's own data
// folder, no user fixes), or loads a stored database file. The import's warnings and errors
// are printed: the message handler below silences everything else.
bool loadData(Database &db, const QString &path)
{
    QFileInfo info(path);
    if (info.isDir()) {
        // The preferences of an earlier run would otherwise decide which folder is read.
        Settings::setString(QStringLiteral("database/xpPath"), QDir(path).absolutePath());
        Settings::setBool(QStringLiteral("database/customData"), false);
        Settings::setBool(QStringLiteral("database/userFix"), false);
        XpLoader loader(&db);
        QStringList texts;
        QObject::connect(
            &loader, &XpLoader::progress, &loader, [&texts](const QString &text) { texts.append(text); },
            Qt::QueuedConnection);
        QEventLoop loop;
        QObject::connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        loader.loadAsync();
        loop.exec();
        loader.wait();
        // The lists reach the views through queued calls after the end of the import.
        QCoreApplication::processEvents();
        for (const QString &text : std::as_const(texts)) {
            if (text.startsWith(QLatin1String("ERROR")) || text.startsWith(QLatin1String("WARNING")))
                std::printf("Import: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        }
        return Database::pointCount() > 0;
    }
    if (info.isFile()) {
        const QString target = db.filePath();
        // The file an earlier import of this benchmark wrote is read where it lies.
        if (QFileInfo(target).canonicalFilePath() != info.canonicalFilePath()) {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::remove(target);
            if (!QFile::copy(path, target))
                return false;
        }
        return db.load();
    }
    return false;
}

// What the data holds, so that a pair of unknown airports is easy to tell from missing data.
void printContents(Database &db)
{
    QStringList airports;
    for (const Point *point : db.pointModel()->items()) {
        if (point && point->type() == Point::AIRP)
            airports.append(point->code());
    }
    std::printf("%d points (%lld airports), %d segments, %d procedures\n", Database::pointCount(),
                qlonglong(airports.size()), Database::segmentCount(), int(db.procedureModel()->items().size()));
    if (!airports.isEmpty() && airports.size() <= 20)
        std::printf("Airports: %s\n", qPrintable(airports.join(QLatin1Char(' '))));
}

int givenPairs(Database &db, const QStringList &arguments)
{
    if (!loadData(db, arguments.first())) {
        std::fprintf(stderr, "Cannot read navigation data from %s\n", qPrintable(arguments.first()));
        return 1;
    }
    printContents(db);
    const auto graph = timedGraph(db);
    Router router;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        Point *from = Database::findAirport(arguments.at(i), false);
        Point *to = Database::findAirport(arguments.at(i + 1), false);
        if (!from || !to) {
            std::printf("\n%s - %s: unknown airport %s\n", qPrintable(arguments.at(i)), qPrintable(arguments.at(i + 1)),
                        qPrintable(from ? arguments.at(i + 1) : arguments.at(i)));
            continue;
        }
        const double gc = from->distanceTo(to);
        std::printf("\n%s - %s, %.0f NM great circle\n", qPrintable(from->code()), qPrintable(to->code()), gc);
        for (const Mode &mode : Modes) {
            applyMode(mode);
            const double ms = medianRoute(router, from, to);
            const double searching = medianSearch(graph, from, to, mode);
            if (!router.getStatus()) {
                std::printf("  %-24s %s (median %.2f ms, search %.2f ms)\n", mode.name, qPrintable(router.getMessage()),
                            ms, searching);
                continue;
            }
            std::printf("  %-24s %.0f NM, ratio %.3f, median %.2f ms, search %.2f ms, %d expanded  < %.0f ms %s\n"
                        "    %s\n",
                        mode.name, router.distance(), router.distance() / gc, ms, searching, router.expandedNodes(),
                        AnyGoalMs, verdict(ms, AnyGoalMs), qPrintable(routeText(router)));
        }
    }
    return 0;
}

// A random en-route point between 50 and 250 NM of the node, or -1.
int enrouteNear(const Routing::Graph &graph, int node, QRandomGenerator &random)
{
    using Routing::Graph;
    const QGeoCoordinate &centre = graph.nodes.at(node).coordinate;
    const Graph::CellSpan span = Graph::cellsWithin(centre, 250.0);
    QList<int> candidates;
    for (int row = span.row0; row <= span.row1; ++row) {
        for (int col = span.column0; col <= span.column1; ++col) {
            const int wrapped = ((col % Graph::CellColumns) + Graph::CellColumns) % Graph::CellColumns;
            for (int n : graph.cells[size_t(row * Graph::CellColumns + wrapped)]) {
                const double d = Routing::AStar::distanceNm(centre, graph.nodes.at(n).coordinate);
                if (d >= 50.0 && d <= 250.0 && Routing::AStar::isEnroutePoint(graph.nodes.at(n)))
                    candidates.append(n);
            }
        }
    }
    return candidates.isEmpty() ? -1 : candidates.at(random.bounded(int(candidates.size())));
}

// Random airport pairs of the data, each both ways, under every option; but for radio aids,
// which fly no SID or STAR, also with a SID exit and a STAR entry: near their own ends, or, one
// pair in eight, each near the other end, so that the route turns back on itself twice. Each
// search is timed once on this thread's processor, the slowest again as a median; the routes
// go into a checksum, which a change of the search's speed must leave as it is.
int randomPairs(Database &db, const QString &path, quint32 seed)
{
    if (!loadData(db, path)) {
        std::fprintf(stderr, "Cannot read navigation data from %s\n", qPrintable(path));
        return 1;
    }
    printContents(db);
    const auto graph = timedGraph(db);
    QList<int> airports;
    for (const Point *point : db.pointModel()->items()) {
        const int node = point && point->type() == Point::AIRP ? graph->nodeOf(point->uid()) : -1;
        if (node >= 0)
            airports.append(node);
    }
    if (airports.size() < 2)
        return 1;
    QRandomGenerator random(seed);
    struct Search
    {
        Routing::AStar::Request request;
        int mode;
        bool named = false;
        double ms = 0.0;
        int expanded = 0;
    };
    std::vector<Search> searches;
    for (int i = 0; i < RandomPairs; ++i) {
        const int from = airports.at(random.bounded(int(airports.size())));
        const int to = airports.at(random.bounded(int(airports.size())));
        if (from == to)
            continue;
        const bool crossed = i % 8 == 7;
        const int exit = enrouteNear(*graph, crossed ? to : from, random);
        const int entry = enrouteNear(*graph, crossed ? from : to, random);
        const int backExit = enrouteNear(*graph, crossed ? from : to, random);
        const int backEntry = enrouteNear(*graph, crossed ? to : from, random);
        for (int m = 0; m < int(std::size(Modes)); ++m) {
            searches.push_back({{from, to, -1, -1}, m});
            searches.push_back({{to, from, -1, -1}, m});
            if (!Modes[m].radio) {
                searches.push_back({{from, to, exit, entry}, m});
                searches.push_back({{to, from, backExit, backEntry}, m});
            }
        }
    }
    // Searches known to be hard: oceans crossed far off the line, exits and entries off it.
    // clang-format off
    const char *const named[][4] = {
        {"LPPT", "TXKF", "", ""}, {"TXKF", "LPPT", "", ""}, {"NTAA", "GCLP", "", ""}, {"GCLP", "NTAA", "", ""},
        {"KJFK", "EGLL", "KS/ENRT/ALCAR", ""}, {"EGLL", "KJFK", "", "KS/ENRT/ALCAR"},
        {"KJFK", "KLAX", "KD/ENRT/LUCER", "KS/ENRT/ALCAR"}};
    // clang-format on
    for (const auto &n : named) {
        const Point *from = Database::findAirport(QString::fromLatin1(n[0]), false);
        const Point *to = Database::findAirport(QString::fromLatin1(n[1]), false);
        const int exit = graph->nodeOf(QString::fromLatin1(n[2]));
        const int entry = graph->nodeOf(QString::fromLatin1(n[3]));
        if (!from || !to || (*n[2] && exit < 0) || (*n[3] && entry < 0)) {
            std::printf("Not in the data: %s - %s %s %s\n", n[0], n[1], n[2], n[3]);
            continue;
        }
        for (int m = 0; m < int(std::size(Modes)); ++m) {
            if (!Modes[m].radio || (exit < 0 && entry < 0))
                searches.push_back({{graph->nodeOf(from->uid()), graph->nodeOf(to->uid()), exit, entry}, m, true});
        }
    }
    Routing::AStar astar;
    auto run = [&](const Search &search) {
        Routing::AStar::Options options;
        options.radio = Modes[search.mode].radio;
        options.airwayOption = Modes[search.mode].option;
        const double start = threadCpuMs();
        const auto result = astar.search(graph, search.request, options);
        return std::make_pair(threadCpuMs() - start, result);
    };
    // FNV-1a over each search's outcome and the positions of its route.
    quint64 checksums[std::size(Modes)];
    std::fill(std::begin(checksums), std::end(checksums), 14695981039346656037ULL);
    auto mix = [](quint64 &hash, const QByteArray &bytes) {
        for (char c : bytes) {
            hash ^= quint8(c);
            hash *= 1099511628211ULL;
        }
    };
    double total[std::size(Modes)] = {};
    int counts[std::size(Modes)] = {}, found[std::size(Modes)] = {};
    for (Search &search : searches) {
        const auto [ms, result] = run(search);
        search.ms = ms;
        search.expanded = astar.expanded();
        total[search.mode] += ms;
        ++counts[search.mode];
        found[search.mode] += result == Routing::AStar::Found;
        quint64 &hash = checksums[search.mode];
        mix(hash, QByteArray::number(int(result)));
        // By positions: of two namesakes at one place, which the route names is a tie.
        for (int node : astar.path()) {
            const QGeoCoordinate &position = graph->nodes.at(node).coordinate;
            mix(hash, QByteArray::number(position.latitude(), 'f', 6) + ' '
                          + QByteArray::number(position.longitude(), 'f', 6) + ' ');
        }
    }
    // Timed once on a busy machine a search may have waited; the slowest are timed again.
    std::sort(searches.begin(), searches.end(), [](const Search &a, const Search &b) { return a.ms > b.ms; });
    const size_t again = std::min(searches.size(), size_t(30));
    for (size_t i = 0; i < again; ++i) {
        std::vector<double> times{searches[i].ms, run(searches[i]).first, run(searches[i]).first};
        std::sort(times.begin(), times.end());
        searches[i].ms = times[1];
    }
    std::sort(searches.begin(), searches.begin() + qsizetype(again),
              [](const Search &a, const Search &b) { return a.ms > b.ms; });
    quint64 all = 14695981039346656037ULL;
    std::printf("\n%lld searches: %d random airport pairs both ways, seed %u, and %d named ones (search ms, this "
                "thread's processor)\n",
                qlonglong(searches.size()), RandomPairs, seed, int(std::size(named)));
    std::printf("  %-24s %8s %8s  %-9s  %s\n", "", "mean ms", "found", "", "routes checksum");
    for (size_t m = 0; m < std::size(Modes); ++m) {
        std::printf("  %-24s %8.2f %4d/%-4d %9s  %016llx\n", Modes[m].name, counts[m] ? total[m] / counts[m] : 0.0,
                    found[m], counts[m], "", static_cast<unsigned long long>(checksums[m]));
        mix(all, QByteArray::number(checksums[m]));
    }
    std::printf("  all routes checksum %016llx\n\nSlowest ten (median of 3):\n", static_cast<unsigned long long>(all));
    auto name = [&](int node) { return node >= 0 ? graph->nodes.at(node).uid : QStringLiteral("-"); };
    auto print = [&](const Search &s) {
        const double gc = Routing::AStar::distanceNm(graph->nodes.at(s.request.departure).coordinate,
                                                     graph->nodes.at(s.request.arrival).coordinate);
        std::printf("  %-24s %s - %s, %.0f NM, exit %s, entry %s: %.2f ms, %d expanded  < %.0f ms %s\n",
                    Modes[s.mode].name, qPrintable(name(s.request.departure)), qPrintable(name(s.request.arrival)), gc,
                    qPrintable(name(s.request.output)), qPrintable(name(s.request.input)), s.ms, s.expanded, AnyGoalMs,
                    verdict(s.ms, AnyGoalMs));
    };
    for (size_t i = 0; i < std::min(searches.size(), size_t(10)); ++i)
        print(searches[i]);
    // Beyond the slowest thirty, a search timed once: on a busy machine it may count as over.
    const auto over = [&](bool ends) {
        return std::count_if(searches.begin(), searches.end(), [&](const Search &s) {
            return s.ms > AnyGoalMs && (s.request.output >= 0 || s.request.input >= 0) == ends;
        });
    };
    std::printf("Over %.0f ms: %lld searches without an exit or entry, %lld with one  (goal: none)\n", AnyGoalMs,
                qlonglong(over(false)), qlonglong(over(true)));
    std::printf("\nThe named ones, airways ignored (a median of 3 if among the slowest thirty):\n");
    for (const Search &s : searches) {
        if (s.named && Modes[s.mode].option == Routing::AStar::IgnoreAirways && !Modes[s.mode].radio)
            print(s);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(
            argc, argv,
            "Usage: bench_router [<simulator folder | database file> [SEED | DEP ARR ...]]\n"
            "Times route searches over a synthetic world, or over random airport pairs of the data given,\n"
            "or prints the routes between the airports given.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QStandardPaths::setTestModeEnabled(true);
    // The adds and searches log per item; the figures are what matters here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    Settings settings;
    Database db;
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() >= 3)
        return givenPairs(db, arguments);
    bool seeded = arguments.size() == 1;
    if (const quint32 seed = seeded ? RandomPairsSeed : arguments.value(1).toUInt(&seeded); seeded)
        return randomPairs(db, arguments.first(), seed);
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "Usage: bench_router [<simulator folder | database file> [SEED | DEP ARR ...]]\n");
        return 2;
    }
    return syntheticWorld(db);
}
