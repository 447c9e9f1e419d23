// The flight plan's side of a database reload.

#include "flightplan.h"

#include "database.h"
#include "point.h"
#include "procedure.h"
#include "segment.h"
#include "terminal.h"
#include "waypoint.h"

#include <QDebug>
#include <QMutexLocker>

// The database has replaced its lists and deletes the previous items once this returns: every
// waypoint takes the point, airway and procedure of the same UID from the new lists. A point
// that is gone becomes a coordinate point where it was, as when a plan file names an unknown
// point; an airway or procedure that is gone is dropped. Another database brought back later
// does not make such a waypoint its point again: the plan has changed, and is an edit.
void Flightplan::reattachToDatabase()
{
    if (m_waypoints.size() == 0)
        return;
    int lost = 0;
    {
        QMutexLocker<QRecursiveMutex> locker(mutex());
        Point *placeholder = Database::placeholderPoint();
        for (Waypoint *waypoint : std::as_const(m_waypoints)) {
            Point *old = waypoint->point();
            if (old && old != placeholder) {
                Point *point = Database::findPoint(old->uid(), false);
                if (!point) {
                    if (old->type() != Point::COORD) {
                        qWarning() << "Point" << old->uid()
                                   << "is no longer in the navigation database, it becomes a COORD point";
                        ++lost;
                    }
                    point = Database::getOrAddCoordPoint(old->position(), false);
                }
                waypoint->setPoint(point);
            }
            if (const Segment *airway = waypoint->airwaySegment())
                waypoint->setAirway(Database::findSegment(airway->uid(), false));
            if (const Procedure *procedure = waypoint->procedure())
                waypoint->setProcedure(Database::findProcedure(procedure->uid(), false));
        }
        m_terminal->reattachToDatabase();
    }
    update(false, false);
    signalDataHasChanged();
    emit modified();
    if (lost > 0) {
        emit edited();
        emit pointsLost(lost);
    }
}
