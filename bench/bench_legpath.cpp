// Times the map paths of every leg of a 100-waypoint plan, as the route layer reads them after
// each edit: two turn curves per leg, the runway ends at both airports, and the splits of the
// legs that cross the 180th meridian. The paths are computed on each request, without a cache.

#include "airplanelistmodel.h"
#include "airport.h"
#include "benchsupport.h"
#include "database.h"
#include "flightplan.h"
#include "point.h"
#include "runway.h"
#include "settings.h"
#include "waypoint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGeoRectangle>

#include <cstdio>

namespace {

constexpr int Waypoints = 100;
constexpr int Rounds = 200;

Point *addAirport(Database &db, const QString &code, const QGeoCoordinate &centre, const QString &end1,
                  const QString &end2)
{
    auto *airport = new Airport(code, QStringLiteral("Airport"), 100);
    airport->setPosition(centre, QGeoRectangle(centre, centre));
    db.addPoint(airport);
    db.addRunway(new Runway(code, centre.atDistanceAndAzimuth(1500.0, 270.0), end1, 0.0f,
                            centre.atDistanceAndAzimuth(1500.0, 90.0), end2, 0.0f, 45.0f, 1, 1, 1));
    return airport;
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_legpath\n"
                                  "Times the map paths of every leg of a 100-waypoint plan.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();

    Settings settings;
    Database db;
    AirplaneListModel airplanes;

    // Across the Pacific from west to east, zigzagging so that every inner waypoint turns.
    db.beginModifying();
    Point *departure = addAirport(db, QStringLiteral("XWST"), QGeoCoordinate(35.0, 140.0), QStringLiteral("09"),
                                  QStringLiteral("27"));
    Point *arrival = addAirport(db, QStringLiteral("XEST"), QGeoCoordinate(37.0, -122.0), QStringLiteral("10"),
                                QStringLiteral("28"));
    QList<Point *> fixes;
    for (int i = 1; i < Waypoints - 1; ++i) {
        const double longitude = 140.5 + i * 0.99;
        auto *fix = new Point(Point::FIX,
                              QGeoCoordinate(36.0 + (i % 2 ? 0.4 : -0.4), longitude > 180.0 ? longitude - 360.0 : longitude),
                              QStringLiteral("F%1").arg(i), QStringLiteral("ENRT"), QStringLiteral("XX"), QString(), 0,
                              0.0f, QStringLiteral("C   "));
        db.addPoint(fix);
        fixes.append(fix);
    }
    db.endModifying();

    Flightplan plan;
    plan.append(departure->uid(), false);
    for (Point *fix : std::as_const(fixes))
        plan.append(fix->uid(), false);
    plan.append(arrival->uid(), false);
    plan.first()->setRunwayEnd(QStringLiteral("09"));
    plan.last()->setRunwayEnd(QStringLiteral("28"));
    for (Waypoint *waypoint : plan.waypoints()) {
        waypoint->setAltitude(35000, false);
        waypoint->setIas(0.78, false);
    }
    plan.update(false, false);

    int points = 0;
    int crossings = 0;
    for (int row = 0; row < plan.rowCount(); ++row) {
        const QVariantList path = plan.data(plan.index(row), Waypoint::Path).toList();
        points += int(path.size());
        for (const QVariant &value : path)
            crossings += qAbs(value.value<QGeoCoordinate>().longitude()) == 180.0;
    }

    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int round = 0; round < Rounds; ++round) {
        for (int row = 0; row < plan.rowCount(); ++row)
            sink += plan.data(plan.index(row), Waypoint::Path).toList().size();
    }
    const double each = timer.nsecsElapsed() / 1e6 / Rounds;
    std::printf("%-48s %8.3f ms each (%d rounds, %d waypoints, %d path points, %d on the 180th meridian)\n",
                "leg paths of the whole plan (role_path)", each, Rounds, plan.count(), points, crossings);
    std::printf("%-48s %8.3f us\n", "one leg path", each * 1000.0 / plan.count());
    return sink > 0 ? 0 : 1;
}
