// Times writing all 20 file formats (PDF included) of a 100-waypoint plan: fixes, VORs, NDBs,
// coordinate points and airway legs between two airports. Goal: the whole set under 200 ms.

#include "airplanelistmodel.h"
#include "airport.h"
#include "benchsupport.h"
#include "database.h"
#include "exporter.h"
#include "flightplan.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "templating.h"
#include "waypoint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGeoRectangle>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Waypoints = 100;
constexpr int Runs = 10;
constexpr double GoalMs = 200.0;

Point *airport(Database &database, const QString &code, const QGeoCoordinate &position)
{
    auto *point = new Airport(code, QStringLiteral("Airport ") + code, 300);
    point->setPosition(position, QGeoRectangle(position, position));
    database.addPoint(point);
    return point;
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_export\n"
                                  "Times writing all file formats of a 100-waypoint plan.\n"))
        return 0;
    QApplication app(argc, argv);
    BenchSupport::initQuietApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
    Settings settings;
    Database database;
    AirplaneListModel airplanes;
    Templating templating;
    Flightplan plan;
    Exporter exporter(&plan);

    // From 40N 10W eastwards, every fourth point a VOR, every seventh an NDB, every ninth a
    // coordinate point, legs between fixes on airways of ten legs each.
    QList<Waypoint *> waypoints;
    waypoints.append(new Waypoint(airport(database, QStringLiteral("XAAA"), QGeoCoordinate(40.0, -10.0))));
    Point *previous = nullptr;
    for (int i = 1; i < Waypoints - 1; ++i) {
        const QGeoCoordinate position(40.0 + (i % 5) * 0.1, -10.0 + i * 0.4);
        Point *point = nullptr;
        if (i % 9 == 0) {
            point = Database::getOrAddCoordPoint(position, false);
        } else {
            const int type = i % 4 == 0 ? Point::VOR : i % 7 == 0 ? Point::NDB : Point::FIX;
            point = new Point(type, position, QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("ENRT"),
                              QStringLiteral("XX"), QStringLiteral("POINT %1").arg(i), 0, 0.0f, QString());
            database.addPoint(point);
        }
        auto *waypoint = new Waypoint(point);
        waypoint->setAltitude(35000, false);
        if (previous && previous->type() == Point::FIX && point->type() == Point::FIX) {
            auto *segment = new Segment(Segment::FORWARD, Segment::HIGH, previous, point, QStringLiteral("UL%1").arg(i / 10), 0, 0);
            database.addSegment(segment);
            waypoints.last()->setAirway(segment);
        }
        waypoints.append(waypoint);
        previous = point;
    }
    waypoints.append(new Waypoint(airport(database, QStringLiteral("XBBB"), QGeoCoordinate(40.5, 30.0))));
    plan.bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, false);
    qDeleteAll(waypoints);

    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int format = Exporter::FMSv11; format <= Exporter::PDF; ++format) {
            if (!exporter.toFormat(format, dir.filePath(QStringLiteral("plan%1").arg(format)))) {
                std::printf("format %d failed: %s\n", format, qPrintable(exporter.msgerror()));
                return 1;
            }
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %8.1f ms, best %8.1f ms, worst %8.1f ms (goal < %.0f ms, %d runs)\n",
                "all 20 file formats of 100 waypoints", times[times.size() / 2], times.front(), times.back(), GoalMs, Runs);
    return 0;
}
