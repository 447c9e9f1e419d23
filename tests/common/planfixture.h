#pragma once

// A navigation database, preferences and an airplane of known figures for the suites that work
// on a flight plan; each suite owns one for its whole run.

#include "airplane.h"
#include "airplanelistmodel.h"
#include "airport.h"
#include "database.h"
#include "flightplan.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "waypoint.h"

#include <QGeoRectangle>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class PlanFixture
{
public:
    void setUp()
    {
        TestSupport::initApplication();
        // Suites run in parallel: each keeps its preferences in a folder of its own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        m_settings = std::make_unique<Settings>();
        m_db = std::make_unique<Database>();
        m_airplanes = std::make_unique<AirplaneListModel>();
        m_airplanes->setAirplanes({airplane()});
    }

    void tearDown()
    {
        m_airplanes.reset();
        m_db.reset();
        m_settings.reset();
    }

    static Airplane airplane()
    {
        Airplane a;
        a.icao = QStringLiteral("TEST");
        a.name = QStringLiteral("Test jet");
        a.climbfuel = 3000;
        a.cruisefuel = 2400;
        a.descentfuel = 1200;
        a.alternatefuel = 2000;
        a.finalfuel = 30;
        a.extrafuel = 0;
        a.contingencyfuel = 5;
        a.taxifuel = 200;
        a.maxpassengers = 150;
        a.passengerweight = 100;
        a.maxcargo = 2000;
        a.eow = 40000;
        a.ceilinglvl = 350;
        a.maxcruisetas = 450;
        return a;
    }

    void setAirplane(const Airplane &a) { m_airplanes->setAirplanes({a}); }

    Point *fix(const QString &code, double latitude, double longitude)
    {
        auto *point = new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, QStringLiteral("ENRT"),
                                QStringLiteral("K1"), QString(), 0, 0.0f, QStringLiteral("C   "));
        m_db->addPoint(point);
        return point;
    }

    Point *airport(const QString &code, double latitude, double longitude, int elevation)
    {
        auto *airport = new Airport(code, QStringLiteral("Airport ") + code, elevation);
        const QGeoCoordinate centre(latitude, longitude);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        m_db->addPoint(airport);
        return airport;
    }

    Segment *segment(int direction, int type, Point *from, Point *to, const QString &name)
    {
        auto *segment = new Segment(direction, type, from, to, name, 0, 0);
        m_db->addSegment(segment);
        return segment;
    }

    Database *db() const { return m_db.get(); }
    AirplaneListModel *airplanes() const { return m_airplanes.get(); }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<AirplaneListModel> m_airplanes;
};

// The flight phase and the top of each waypoint of a plan, in route order.
inline QList<int> planPhases(const Flightplan &plan)
{
    QList<int> result;
    for (const Waypoint *w : plan.waypoints())
        result.append(w->phase());
    return result;
}

inline QList<int> planTops(const Flightplan &plan)
{
    QList<int> result;
    for (const Waypoint *w : plan.waypoints())
        result.append(w->topId());
    return result;
}
