// Where a waypoint's leg is drawn on the map: the route turns on a curve at every inner
// waypoint, sized by the ground speed, and starts and ends on the runways when they are known.

#include "waypoint.h"

#include "airport.h"
#include "bezier.h"
#include "database.h"
#include "point.h"
#include "runway.h"
#include "unit.h"

namespace {

// radius (ft) = ground speed (kt)² / divisor: the radius of a rate-one turn.
constexpr double kTurnDivisor = 6.500398000000001;
// The radius at 200 knots, for a waypoint whose ground speed is not known.
constexpr double kDefaultRadiusFeet = 6153.469372183056;
constexpr int kCurvePoints = 25;
// The outgoing half of a waypoint's own curve and the incoming half of the next one's.
constexpr int kOutgoingFrom = 11;
constexpr int kIncomingTo = 11;
constexpr int kBisectionSteps = 32;

double unwrapped(double longitude, double reference)
{
    if (longitude - reference > 180.0)
        return longitude - 360.0;
    if (longitude - reference < -180.0)
        return longitude + 360.0;
    return longitude;
}

double wrapped(double longitude)
{
    if (longitude > 180.0)
        return longitude - 360.0;
    if (longitude < -180.0)
        return longitude + 360.0;
    return longitude;
}

// The point where the geodesic from c0 to c1 reaches the meridian of target (180 eastward,
// -180 westward), on the side of c0.
QGeoCoordinate meridianCrossing(const QGeoCoordinate &c0, const QGeoCoordinate &c1, double target)
{
    const bool eastward = target > 0.0;
    const double azimuth = c0.azimuthTo(c1);
    double lower = 0.0;
    double upper = c0.distanceTo(c1);
    for (int step = 0; step < kBisectionSteps; ++step) {
        const double middle = (lower + upper) / 2.0;
        double longitude = c0.atDistanceAndAzimuth(middle, azimuth).longitude();
        if (eastward && longitude < c0.longitude())
            longitude += 360.0;
        else if (!eastward && longitude > c0.longitude())
            longitude -= 360.0;
        const bool reached = eastward ? longitude >= 180.0 : longitude <= -180.0;
        if (reached)
            upper = middle;
        else
            lower = middle;
    }
    QGeoCoordinate crossing = c0.atDistanceAndAzimuth((lower + upper) / 2.0, azimuth);
    crossing.setLongitude(target);
    return crossing;
}

// Map polylines cannot cross the 180th meridian: each crossing gets a point on either side of
// it, at longitude 180 and -180.
void splitAtAntimeridian(QVariantList &path)
{
    for (int i = 1; i < path.size(); ++i) {
        const QGeoCoordinate c0 = path.at(i - 1).value<QGeoCoordinate>();
        const QGeoCoordinate c1 = path.at(i).value<QGeoCoordinate>();
        const double d = c1.longitude() - c0.longitude();
        double target = 0.0;
        if (d < -180.0)
            target = 180.0;
        else if (d > 180.0)
            target = -180.0;
        else
            continue;
        QGeoCoordinate crossing = meridianCrossing(c0, c1, target);
        path.insert(i, QVariant::fromValue(crossing));
        crossing.setLongitude(-target);
        path.insert(i + 1, QVariant::fromValue(crossing));
        i += 2;
    }
}

} // namespace

QGeoCoordinate Waypoint::coordinate() const
{
    const QGeoCoordinate position = this->position();
    const bool first = isFirst();
    const bool last = isLast();
    if (!m_point || m_point->type() != Point::AIRP || (!first && !last))
        return position;
    const auto *airport = qobject_cast<const Airport *>(m_point);
    if (!airport || !airport->hasRunwayEnd(m_runwayEnd))
        return position;
    const Runway *runway = Database::findRunwayOfAirport(m_point->code(), m_runwayEnd);
    if (!runway)
        return position;
    // The departure leg starts where the take-off run ends; the arrival ends at the threshold.
    return first ? runway->endPosition(runway->oppositeEndName(m_runwayEnd)) : runway->endPosition(m_runwayEnd);
}

float Waypoint::turnRadius(int groundSpeed)
{
    float feet = float(kDefaultRadiusFeet);
    if (groundSpeed != 0) {
        const float speed = float(groundSpeed * groundSpeed);
        feet = float(speed / kTurnDivisor);
    }
    return float(Unit::convertFeetToMeter(feet));
}

QVariantList Waypoint::turnCurve(const Waypoint *waypoint, int count)
{
    QVariantList curve;
    if (!waypoint)
        return curve;
    const Waypoint *previous = waypoint->previousWaypoint();
    const Waypoint *next = waypoint->nextWaypoint();
    if (!previous || !next)
        return curve;

    const QGeoCoordinate p = waypoint->coordinate();
    const QGeoCoordinate a = previous->coordinate();
    const QGeoCoordinate b = next->coordinate();

    // The turn never takes more than half of either leg, so the curves of two neighbours
    // cannot overlap.
    float radius = turnRadius(waypoint->gs());
    const float halfToPrevious = float(p.distanceTo(a) / 2.0);
    if (radius > halfToPrevious)
        radius = halfToPrevious;
    const float halfToNext = float(p.distanceTo(b) / 2.0);
    if (radius > halfToNext)
        radius = halfToNext;

    const QGeoCoordinate entry = p.atDistanceAndAzimuth(radius, p.azimuthTo(a));
    const QGeoCoordinate exit = p.atDistanceAndAzimuth(radius, p.azimuthTo(b));
    const double entryLongitude = unwrapped(entry.longitude(), p.longitude());
    const double exitLongitude = unwrapped(exit.longitude(), p.longitude());

    curve.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i + 1) / double(count + 1);
        const double latitude = Bezier::quadratic(entry.latitude(), p.latitude(), exit.latitude(), t);
        const double longitude = Bezier::quadratic(entryLongitude, p.longitude(), exitLongitude, t);
        curve.append(QVariant::fromValue(QGeoCoordinate(latitude, wrapped(longitude))));
    }
    return curve;
}

QVariantList Waypoint::path() const
{
    const Waypoint *nextPoint = nextWaypoint();
    if (!nextPoint)
        return {};

    QVariantList path;
    path.reserve(2 * kCurvePoints);
    const QVariantList outgoing = turnCurve(this, kCurvePoints);
    if (outgoing.isEmpty())
        path.append(QVariant::fromValue(coordinate()));
    else
        path.append(outgoing.mid(kOutgoingFrom));

    const QVariantList incoming = turnCurve(nextPoint, kCurvePoints);
    if (incoming.isEmpty())
        path.append(QVariant::fromValue(nextPoint->coordinate()));
    else
        path.append(incoming.mid(0, kIncomingTo + 1));

    splitAtAntimeridian(path);
    return path;
}
