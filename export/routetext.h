#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class Flightplan;
class Terminal;
class Waypoint;

// The route of the flight plan as the texts a pilot files, reads or pastes: the ICAO route
// (departure, SID, its exit fix, airways with the fixes where they change, the STAR's entry
// fix, the STAR and the arrival), the codes of every waypoint, the en-route part only, and a
// list of every waypoint with its position. Computed from the plan as it stands on each call.
class RouteText
{
public:
    // "NFFN MOKA1A MOKAR UA251 ONOVA G224 FAL DCT 1430S17400W ... KILOS KILO1B NSFA": the
    // approach is never part of it; "DCT" stands between points joined by no airway when
    // direct is true.
    static QString icao(const QList<Waypoint *> &waypoints, bool direct);
    // The codes of every waypoint, in order.
    static QString full(const QList<Waypoint *> &waypoints);
    // The points between the departure and the arrival that the en-route part flies: from the
    // SID's last fix to the STAR's first one, approach fixes left out.
    static QString enroute(const QList<Waypoint *> &waypoints);
    // One line per waypoint: code, the airway or procedure that leads to it, latitude and
    // longitude in degrees with six decimals.
    static QString allWaypoints(const QList<Waypoint *> &waypoints);

    // The en-route part as the FMC add-ons take it, from the SID's exit fix (or the first
    // point after the departure) to the STAR's entry fix (or the last point before the
    // arrival): its first point, then each point reached directly, and each run along one
    // airway as one part. Each part holds "airway" (empty for a direct point), "from" (the
    // point the airway is joined at), "code", "type", "latitude" and "longitude" of the point
    // reached. The waypoints of leftOut are left out.
    static QVariantList parts(const QList<Waypoint *> &waypoints, const QList<const Waypoint *> &leftOut = {});

    // The waypoints that a file naming the plan's SID and STAR transitions leaves out of its
    // en-route part: where the plan flies such a transition's fixes as en-route points, those
    // before the SID's exit fix and after the STAR's entry fix, which the name already flies.
    static QList<const Waypoint *> namedTransitionFixes(const Terminal *terminal, const QList<Waypoint *> &waypoints);

    // The code of a waypoint as a route names it: a coordinate point as ICAO writes one,
    // degrees and minutes ("1430S17400W"), any other point by its code.
    static QString code(const Waypoint *waypoint);
    // The airway that leads to the waypoint under one name (Waypoint::filedAirway), empty for
    // a direct leg or the first waypoint.
    static QString airwayInto(const Waypoint *waypoint);
    // The SID, STAR or approach the waypoint belongs to: 0 none, else the procedure type.
    static int procedureType(const Waypoint *waypoint);
};
