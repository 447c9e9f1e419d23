#include "storedvalues.h"

#include "boundary.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"

#include <QGeoCoordinate>

#include <cmath>

namespace {

bool within(double value, double limit)
{
    return value >= -limit && value <= limit;
}

// A position the import cannot take is left with neither coordinate, never with one alone.
bool corner(double latitude, double longitude, double altitude)
{
    const bool none = std::isnan(latitude) && std::isnan(longitude);
    return (none || (within(latitude, 90.0) && within(longitude, 180.0))) && !std::isinf(altitude);
}

bool position(const QGeoCoordinate &coordinate)
{
    return corner(coordinate.latitude(), coordinate.longitude(), coordinate.altitude());
}

bool path(const BezierPath &path)
{
    return path.allCorners(corner);
}

} // namespace

namespace StoredValues {

bool acceptable(const Point &point)
{
    switch (point.type()) {
    case Point::UNKNOWN:
    case Point::AIRP:
    case Point::NDB:
    case Point::VOR:
    case Point::ILS:
    case Point::LOC:
    case Point::GS:
    case Point::OM:
    case Point::MM:
    case Point::IM:
    case Point::FIX:
    case Point::DMEILS:
    case Point::DME:
    case Point::COORD:
        break;
    default:
        return false;
    }
    return position(point.position()) && std::isfinite(point.frequency())
           && corner(point.boundingNorth(), point.boundingWest(), 0.0)
           && corner(point.boundingSouth(), point.boundingEast(), 0.0);
}

// A procedure names its fixes; its legs hold no position.
bool acceptable(const Procedure &)
{
    return true;
}

// Its ends are points of the file, each checked as a point.
bool acceptable(const Segment &)
{
    return true;
}

bool acceptable(const Runway &runway)
{
    for (int end = 0; end < 2; ++end) {
        if (!position(runway.threshold(end)) || !std::isfinite(runway.extension(end))
            || !std::isfinite(runway.ilsFrequency(end)))
            return false;
    }
    return std::isfinite(runway.width());
}

bool acceptable(const Boundary &boundary)
{
    return path(boundary);
}

bool acceptable(const Taxiway &taxiway)
{
    return path(taxiway);
}

bool acceptable(const Paintlight &paintlight)
{
    return path(paintlight);
}

bool acceptable(const Taxiname &taxiname)
{
    return position(taxiname.position()) && std::isfinite(taxiname.heading());
}

bool acceptable(const Startup &startup)
{
    return position(startup.position()) && std::isfinite(startup.heading());
}

} // namespace StoredValues
