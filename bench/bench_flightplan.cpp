// Times the flight plan's update pass, the recomputation that follows every edit, on plans of
// 100 and 1,000 waypoints over a synthetic world-size navigation database (35,000 airports,
// 250,000 fixes, 30,000 navaids, 120,000 airway segments plus the plans' own airways).

#include "airplanelistmodel.h"
#include "benchsupport.h"
#include "database.h"
#include "flightplan.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "syntheticpoints.h"
#include "waypoint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>

namespace {

constexpr int Airports = 35000;
constexpr int Fixes = 250000;
constexpr int Navaids = 30000;
constexpr int Segments = 120000;
constexpr int Passes = 50;

// A plan of airport, count - 2 fixes along a chain of airways, airport.
void fillPlan(Flightplan &plan, Database &db, QRandomGenerator &random, int count)
{
    plan.clear(false);
    QList<Waypoint *> waypoints;
    Point *previous = nullptr;
    for (int i = 0; i < count; ++i) {
        Point *point = (i == 0 || i == count - 1) ? db.pointAt(random.bounded(Airports))
                                                  : db.pointAt(Airports + random.bounded(Fixes));
        if (previous && i % 3 != 0)
            db.addSegment(new Segment(Segment::NONE, Segment::HIGH, previous, point,
                                      QStringLiteral("UB%1").arg(i % 500), 0, 0));
        auto *waypoint = new Waypoint(point);
        waypoint->setAltitude(i == 0 || i == count - 1 ? 500 : 35000, false);
        waypoint->setIas(i == 0 || i == count - 1 ? 250.0 : 0.78, false);
        waypoints.append(waypoint);
        previous = point;
    }
    plan.bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, false);
    qDeleteAll(waypoints);
}

void timePasses(Flightplan &plan, const char *what)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Passes; ++i)
        plan.update(false, false);
    const double each = timer.nsecsElapsed() / 1e6 / Passes;
    std::printf("%-44s %8.3f ms each (%d passes, %d waypoints, %.0f nm)\n", what, each, Passes, plan.count(),
                plan.distance());
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_flightplan\n"
                                  "Times the flight plan's update pass on plans of 100 and 1,000 waypoints.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();

    Settings settings;
    Database db;
    AirplaneListModel airplanes;
    QRandomGenerator random(2024);

    db.beginModifying();
    BenchSupport::addSyntheticPoints(db, random, Airports, Fixes, Navaids);
    for (int i = 0; i < Segments; ++i)
        db.addSegment(new Segment(Segment::NONE, i % 2 ? Segment::HIGH : Segment::LOW,
                                  db.pointAt(Airports + random.bounded(Fixes)),
                                  db.pointAt(Airports + random.bounded(Fixes)), QStringLiteral("UL%1").arg(i % 900),
                                  0, 0));
    db.endModifying();
    std::printf("Synthetic world: %d points, %d segments\n", Database::pointCount(), Database::segmentCount());

    Flightplan plan;
    for (int count : {100, 1000}) {
        fillPlan(plan, db, random, count);
        QElapsedTimer timer;
        timer.start();
        plan.update(false, false);
        std::printf("%-44s %8.3f ms\n",
                    qPrintable(QStringLiteral("first pass after filling, %1 waypoints").arg(count)),
                    timer.nsecsElapsed() / 1e6);
        timePasses(plan, qPrintable(QStringLiteral("update pass, %1 waypoints").arg(count)));
        int airways = 0;
        for (const Waypoint *w : plan.waypoints())
            airways += w->airwaySegment() != nullptr;
        std::printf("  legs on an airway: %d\n", airways);
    }

    // An edit as the interface makes it: insertion, update pass and model notification.
    QElapsedTimer timer;
    timer.start();
    const QString uid = db.pointAt(Airports + 7)->uid();
    plan.insert(500, uid, false);
    plan.remove(500, false);
    std::printf("%-44s %8.3f ms\n", "insert and remove one waypoint, 1000 waypoints", timer.nsecsElapsed() / 1e6);
    return 0;
}
