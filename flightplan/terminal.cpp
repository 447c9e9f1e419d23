#include "terminal.h"

#include "database.h"
#include "point.h"
#include "procedure.h"
#include "waypoint.h"

#include <QDebug>

#include <algorithm>

Terminal::Terminal(QList<Waypoint *> *waypoints, Flightplan *flightplan)
    : m_waypoints(waypoints)
    , m_flightplan(flightplan)
{
    if (!m_waypoints || !m_flightplan)
        qFatal("Cannot create Procedures object with NULL pointers!");
}

void Terminal::clear()
{
    m_sid = nullptr;
    m_star = nullptr;
    m_appch = nullptr;
}

void Terminal::setSid(Procedure *procedure)
{
    m_sid = procedure;
    setProcedureForAll(procedure);
}

void Terminal::setStar(Procedure *procedure)
{
    m_star = procedure;
    setProcedureForAll(procedure);
}

void Terminal::setAppch(Procedure *procedure)
{
    m_appch = procedure;
    setProcedureForAll(procedure);
}

void Terminal::setProcedureForAll(Procedure *procedure)
{
    if (!procedure)
        return;
    qInfo() << "Set procedure" << procedure->typeString() << procedure->uid() << "for all waypoints";
    for (Waypoint *waypoint : std::as_const(*m_waypoints))
        updateWaypointProcedure(waypoint, procedure);
}

void Terminal::unsetProcedureForAll(Procedure *procedure)
{
    if (!procedure)
        return;
    qInfo() << "Unset procedure" << procedure->typeString() << procedure->uid() << "for all waypoints";
    for (Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint && waypoint->procedure() == procedure)
            waypoint->setProcedure(nullptr);
    }
}

void Terminal::updateWaypoint(Waypoint *waypoint)
{
    updateWaypointProcedure(waypoint, m_sid);
    updateWaypointProcedure(waypoint, m_star);
    updateWaypointProcedure(waypoint, m_appch);
}

void Terminal::updateWaypointProcedure(Waypoint *waypoint, Procedure *procedure)
{
    if (!waypoint || !procedure || !waypoint->point())
        return;
    const int type = procedure->type();
    if (procedure->usesPoint(waypoint->point()))
        waypoint->setProcedure(procedure);
    else if (waypoint->procedureTypeId() == type)
        waypoint->setProcedure(nullptr);

    Point *point = waypoint->point();
    if (point->type() == Point::AIRP && procedure->isAirport(point->code())) {
        const bool first = !m_waypoints->isEmpty() && m_waypoints->constFirst() == waypoint;
        const bool last = !m_waypoints->isEmpty() && m_waypoints->constLast() == waypoint;
        if ((first && type == Procedure::SID) || (last && type == Procedure::STAR)
            || (last && type == Procedure::APPCH))
            waypoint->setProcedure(procedure);
    }
}

QStringList Terminal::availableProcedures(int row) const
{
    if (row < 0 || row >= m_waypoints->size())
        return {};
    Waypoint *waypoint = m_waypoints->at(row);
    Waypoint *first = m_waypoints->constFirst();
    Waypoint *last = m_waypoints->constLast();
    if (!waypoint || !first || !last)
        return {};
    Point *departure = first->point() && first->point()->type() == Point::AIRP ? first->point() : nullptr;
    Point *arrival = last->point() && last->point()->type() == Point::AIRP ? last->point() : nullptr;
    QStringList uids;
    const auto collect = [&](Point *airport, int type) {
        for (Procedure *procedure : Database::proceduresThrough(waypoint->point(), airport, type)) {
            if (procedure && !uids.contains(procedure->uid()))
                uids.append(procedure->uid());
        }
    };
    collect(departure, Procedure::SID);
    collect(arrival, Procedure::STAR);
    collect(arrival, Procedure::APPCH);
    std::sort(uids.begin(), uids.end());
    return uids;
}

QStringList Terminal::availableRunways(int row) const
{
    if (row < 0 || row >= m_waypoints->size() || !m_waypoints->at(row))
        return {};
    return Database::runwayEndNames(m_waypoints->at(row)->point());
}
