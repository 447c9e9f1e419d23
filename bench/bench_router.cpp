// Times route searches from start() to done() with the routing graph already built.
//
// Without arguments it fills the database with a synthetic world in memory (35,000 airports,
// 250,000 fixes on a jittered grid joined by HIGH and LOW airways, 30,000 VORs and NDBs) and
// searches 500 NM and 5,000 NM routes under every airway option and by radio aids, printing
// the time, the nodes expanded and the route length over the great-circle distance.
//
// bench_router <simulator folder | database file> DEP ARR [DEP ARR ...] imports the folder
// (or loads the file) and prints, for each pair and option, the route with its airways. The
// folder is read with the simulator's own data folder ("Resources/default data" and its CIFP/)
// and, as the import does, the Global Airports apt.dat in place of the default one when both
// exist; only the airports of the file read can be given.

#include "airport.h"
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

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int Airports = 35000;
constexpr int FixRows = 300;
constexpr int FixColumns = 833;
constexpr int Navaids = 30000;

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
            auto *fix = new Point(Point::FIX, QGeoCoordinate(lat, lon), code(r * FixColumns + c, 5),
                                  QStringLiteral("ENRT"), QStringLiteral("ZZ"), QString(), 0, 0.0f,
                                  QStringLiteral("C   "));
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

int syntheticWorld(Database &db)
{
    QElapsedTimer timer;
    timer.start();
    buildWorld(db);
    std::printf("Built in %.1f s\n", timer.elapsed() / 1000.0);
    timer.restart();
    const auto graph = db.routingGraph();
    std::printf("Routing graph: %lld nodes, %lld edges, built in %lld ms\n", qlonglong(graph->nodes.size()),
                qlonglong(graph->edges.size()), timer.elapsed());

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
        std::printf("\n%.0f NM routes (%lld pairs)          mean ms   max ms   expanded  length/gc  found\n", nm,
                    qlonglong(pairs.size()));
        for (const Mode &mode : Modes) {
            applyMode(mode);
            double total = 0.0, worst = 0.0, ratio = 0.0;
            qint64 expanded = 0;
            int found = 0;
            for (const auto &pair : pairs) {
                route(router, pair.first, pair.second); // warm the work arrays
                const double ms = route(router, pair.first, pair.second);
                total += ms;
                worst = std::max(worst, ms);
                expanded += router.expandedNodes();
                if (router.getStatus()) {
                    ++found;
                    ratio += router.distance() / (pair.first->distanceTo(pair.second));
                }
            }
            std::printf("  %-28s %9.2f %8.2f %10lld %10.3f %4d/%lld\n", mode.name, total / pairs.size(), worst,
                        expanded / pairs.size(), found ? ratio / found : 0.0, found, qlonglong(pairs.size()));
        }
    }
    return 0;
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
        QObject::connect(&loader, &XpLoader::progress, &loader, [&texts](const QString &text) { texts.append(text); },
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
    db.routingGraph();
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
            route(router, from, to);
            const double ms = route(router, from, to);
            if (!router.getStatus()) {
                std::printf("  %-24s %s (%.2f ms)\n", mode.name, qPrintable(router.getMessage()), ms);
                continue;
            }
            std::printf("  %-24s %.0f NM, ratio %.3f, %.2f ms, %d expanded\n    %s\n", mode.name, router.distance(),
                        router.distance() / gc, ms, router.expandedNodes(), qPrintable(routeText(router)));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_router [<simulator folder | database file> DEP ARR [DEP ARR ...]]\n"
                                  "Times route searches over a synthetic world, or prints the routes between the airports given.\n"))
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
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "Usage: bench_router [<simulator folder | database file> DEP ARR [DEP ARR ...]]\n");
        return 2;
    }
    return syntheticWorld(db);
}
