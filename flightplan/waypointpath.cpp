// Where a waypoint's leg is drawn on the map.

#include "waypoint.h"

#include "point.h"

// The reference position; the runway ends of the departure and arrival airports come with
// the turn geometry of the legs.
QGeoCoordinate Waypoint::coordinate() const
{
    return position();
}

// The leg's polyline with its turns; until the turn geometry exists, the straight leg.
QVariantList Waypoint::path() const
{
    const Waypoint *nextPoint = nextWaypoint();
    if (!nextPoint)
        return {};
    return {QVariant::fromValue(coordinate()), QVariant::fromValue(nextPoint->coordinate())};
}
