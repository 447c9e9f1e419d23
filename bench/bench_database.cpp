// Fills the navigation database with a synthetic world (35,000 airports with two runways each,
// 250,000 fixes, 30,000 navaids, 120,000 airway segments) and times the adds and the lookups
// that run per row or per position.

#include "airport.h"
#include "basemodel.h"
#include "benchsupport.h"
#include "database.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>
#include <memory>

using BenchSupport::landPosition;
using BenchSupport::letters;
using BenchSupport::memoryFigure;

namespace {

constexpr int Airports = 35000;
constexpr int Fixes = 250000;
constexpr int Navaids = 30000;
constexpr int Segments = 120000;
constexpr int UidLookups = 100000;
constexpr int Positions = 1000;

void report(const char *what, qint64 nanoseconds, int count)
{
    std::printf("%-44s %10.1f ms total %10.3f us each\n", what, nanoseconds / 1e6, nanoseconds / 1e3 / count);
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_database\n"
                                  "Fills the navigation database with a synthetic world and times the adds and the lookups.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    // The adds log renamed UIDs; the figures are what matters here.
    BenchSupport::initQuietApplication();

    Settings settings;
    Database db;
    QRandomGenerator random(2024);

    // Items are built first so that the add timing is the database's own cost.
    QElapsedTimer timer;
    timer.start();
    QList<Airport *> airports;
    QList<Runway *> runways;
    QList<Point *> points;
    airports.reserve(Airports);
    for (int i = 0; i < Airports; ++i) {
        auto *airport = new Airport(letters(random, i % 10 == 0 ? 3 : 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = landPosition(random);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        airports.append(airport);
        const double half = (i % 3 == 0) ? 400.0 : 1500.0;
        for (int r = 0; r < 2; ++r) {
            const double azimuth = r * 60.0;
            runways.append(new Runway(airport->code(), centre.atDistanceAndAzimuth(half, azimuth + 180.0),
                                      QString::number(10 + r), 0.0f, centre.atDistanceAndAzimuth(half, azimuth),
                                      QString::number(28 + r), 0.0f, 45.0f, 1, 0, 0));
        }
    }
    for (int i = 0; i < Fixes; ++i)
        points.append(new Point(Point::FIX, landPosition(random), letters(random, 5), QStringLiteral("ENRT"),
                                letters(random, 2), QString(), 0, 0.0f, QStringLiteral("C   ")));
    for (int i = 0; i < Navaids; ++i)
        points.append(new Point(i % 3 == 0 ? Point::NDB : Point::VOR, landPosition(random), letters(random, 3),
                                QStringLiteral("ENRT"), letters(random, 2), QStringLiteral("Navaid"), 0, 115.0f,
                                QString()));
    const qint64 buildTime = timer.nsecsElapsed();
    std::printf("Memory with the items built (VmRSS): %s\n", qPrintable(memoryFigure("VmRSS:")));

    timer.restart();
    db.beginModifying();
    for (Airport *airport : std::as_const(airports))
        db.addPoint(airport);
    for (Runway *runway : std::as_const(runways))
        db.addRunway(runway);
    for (Point *point : std::as_const(points))
        db.addPoint(point);
    const qint64 pointAddTime = timer.nsecsElapsed();
    QList<Segment *> segments;
    segments.reserve(Segments);
    const int count = Database::pointCount();
    QElapsedTimer segmentBuild;
    segmentBuild.start();
    for (int i = 0; i < Segments; ++i) {
        Point *from = Database::pointAt(Airports + random.bounded(Fixes));
        Point *to = Database::pointAt(Airports + random.bounded(Fixes));
        segments.append(new Segment(Segment::NONE, i % 2 ? Segment::HIGH : Segment::LOW, from, to,
                                    QStringLiteral("UL%1").arg(i % 900), 0, 0));
    }
    const qint64 segmentBuildTime = segmentBuild.nsecsElapsed();
    timer.restart();
    for (Segment *segment : std::as_const(segments))
        db.addSegment(segment);
    db.endModifying();
    const qint64 segmentAddTime = timer.nsecsElapsed();

    std::printf("Memory with everything added (VmRSS): %s\n", qPrintable(memoryFigure("VmRSS:")));
    std::printf("Synthetic world: %d points, %d runways, %d segments\n", count, int(runways.size()),
                Database::segmentCount());
    report("build items (not database work)", buildTime + segmentBuildTime, count + int(runways.size()) + Segments);
    report("add points and runways", pointAddTime, count + int(runways.size()));
    report("add segments", segmentAddTime, Segments);
    report("add everything", pointAddTime + segmentAddTime, count + int(runways.size()) + Segments);

    QStringList uids;
    for (int i = 0; i < UidLookups; ++i)
        uids.append(Database::pointAt(random.bounded(count))->uid());
    timer.restart();
    int found = 0;
    for (const QString &uid : std::as_const(uids))
        found += Database::findPoint(uid, false) != nullptr;
    report("findPoint by UID", timer.nsecsElapsed(), UidLookups);

    QList<Point *> references;
    for (int i = 0; i < Positions; ++i)
        references.append(new Point(Point::COORD, landPosition(random), QStringLiteral("R%1").arg(i),
                                    QStringLiteral("*"), QStringLiteral("*"), QString(), 0, 0.0f, QString()));
    // Candidate lists as the route search hands them: the points of a region, and the whole
    // point list as the worst case.
    QList<Point *> regional;
    for (Point *point : db.pointModel()->items())
        if (point->latitude() > 40 && point->latitude() < 55 && point->longitude() > -10 && point->longitude() < 20)
            regional.append(point);
    const QList<Point *> everything = db.pointModel()->items();

    timer.restart();
    for (Point *reference : std::as_const(references))
        found += Database::nearestPoint(reference, regional) != nullptr;
    std::printf("(regional candidate list: %d points)\n", int(regional.size()));
    report("nearestPoint, regional candidates", timer.nsecsElapsed(), Positions);
    timer.restart();
    for (Point *reference : std::as_const(references))
        found += Database::nearestPoint(reference, everything) != nullptr;
    report("nearestPoint, all points as candidates", timer.nsecsElapsed(), Positions);

    QList<Point *> origins;
    for (int i = 0; i < Positions; ++i)
        origins.append(airports.at(random.bounded(Airports)));
    timer.restart();
    for (Point *origin : std::as_const(origins))
        found += Database::nearestAlternate(origin) != nullptr;
    report("nearestAlternate (first call indexes)", timer.nsecsElapsed(), Positions);
    timer.restart();
    for (Point *origin : std::as_const(origins))
        found += Database::nearestAlternate(origin) != nullptr;
    report("nearestAlternate", timer.nsecsElapsed(), Positions);

    for (int round = 0; round < 2; ++round) {
        timer.restart();
        int total = 0;
        for (Airport *airport : std::as_const(airports))
            total += Database::runwaysOf(airport).size();
        report(round == 0 ? "runwaysOf every airport (first call indexes)" : "runwaysOf every airport",
               timer.nsecsElapsed(), Airports);
        found += total;
    }

    timer.restart();
    found += Database::findNear(QStringLiteral("NONE"), 0, 0.0, 0.0) != nullptr;
    report("findNear, first call (indexes the codes)", timer.nsecsElapsed(), 1);
    timer.restart();
    for (int i = 0; i < Positions; ++i) {
        Point *point = points.at(random.bounded(Fixes));
        found += Database::findNear(point->code(), point) != nullptr;
    }
    report("findNear by code", timer.nsecsElapsed(), Positions);

    std::printf("(checksum %d)\n", found);
    std::printf("Memory at the end, indexes built (VmRSS): %s\n", qPrintable(memoryFigure("VmRSS:")));
    std::printf("Peak memory (VmHWM): %s\n", qPrintable(memoryFigure("VmHWM:")));
    return 0;
}
