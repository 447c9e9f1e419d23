#include "bezier.h"

#include <array>
#include <cmath>

namespace {

constexpr double degToRad = 0.017453292519943295;
constexpr double radToDeg = 57.29577951308232;
constexpr double earthRadius = 6378100.0; // metres, the sphere the map's procedure arcs are drawn on

// QGeoCoordinate rejects a longitude outside [-180, 180], and the map then silently drops the
// point, so every produced longitude is brought back into (-180, 180].
double normalizedLongitude(double longitude)
{
    double result = std::fmod(longitude, 360.0);
    if (result <= -180.0)
        result += 360.0;
    else if (result > 180.0)
        result -= 360.0;
    return result;
}

// Makes the longitudes continuous along the control polygon, so that a curve whose points lie on
// both sides of the antimeridian is interpolated across it rather than around the whole earth.
template <std::size_t N>
std::array<double, N> unwrappedLongitudes(std::array<double, N> longitudes)
{
    for (std::size_t i = 1; i < N; ++i) {
        const double step = longitudes[i] - longitudes[i - 1];
        if (step > 180.0)
            longitudes[i] -= 360.0 * std::ceil((step - 180.0) / 360.0);
        else if (step < -180.0)
            longitudes[i] += 360.0 * std::ceil((-step - 180.0) / 360.0);
    }
    return longitudes;
}

QVariant coordinate(double latitude, double longitude)
{
    return QVariant::fromValue(QGeoCoordinate(latitude, normalizedLongitude(longitude)));
}

} // namespace

double Bezier::quadratic(double p0, double p1, double p2, double t)
{
    const double u = 1.0 - t;
    return u * u * (p0 - p1) + p1 + t * t * (p2 - p1);
}

double Bezier::cubic(double p0, double p1, double p2, double p3, double t)
{
    const double u = 1.0 - t;
    return u * u * u * p0 + 3.0 * u * u * t * p1 + 3.0 * u * t * t * p2 + t * t * t * p3;
}

QVariantList Bezier::quadraticPath(int count, const QGeoCoordinate &start, const QGeoCoordinate &control,
                                   const QGeoCoordinate &end)
{
    QVariantList path;
    if (count <= 0)
        return path;
    path.reserve(count);
    const auto lon = unwrappedLongitudes<3>({start.longitude(), control.longitude(), end.longitude()});
    for (int i = 0; i < count; ++i) {
        const double t = double(i + 1) / double(count + 1);
        path.append(coordinate(quadratic(start.latitude(), control.latitude(), end.latitude(), t),
                               quadratic(lon[0], lon[1], lon[2], t)));
    }
    return path;
}

QVariantList Bezier::cubicPath(int count, const QGeoCoordinate &p0, const QGeoCoordinate &p1, const QGeoCoordinate &p2,
                               const QGeoCoordinate &p3)
{
    QVariantList path;
    if (count <= 0)
        return path;
    path.reserve(count);
    const auto lon = unwrappedLongitudes<4>({p0.longitude(), p1.longitude(), p2.longitude(), p3.longitude()});
    for (int i = 0; i < count; ++i) {
        const double t = double(i + 1) / double(count + 1);
        path.append(coordinate(cubic(p0.latitude(), p1.latitude(), p2.latitude(), p3.latitude(), t),
                               cubic(lon[0], lon[1], lon[2], lon[3], t)));
    }
    return path;
}

QVariantList Bezier::arc(int count, const QGeoCoordinate &centre, double radius, double startBearing, double endBearing)
{
    QVariantList path;
    if (count <= 0)
        return path;
    path.reserve(count);

    // The signed shorter way between the bearings: 350 to 10 is +20, 0 to 270 is -90.
    const double delta = (endBearing - startBearing) * degToRad;
    const double span = std::atan2(std::sin(delta), std::cos(delta));
    const double angularRadius = radius / earthRadius;
    const double phi1 = centre.latitude() * degToRad;
    const double lambda1 = centre.longitude() * degToRad;

    for (int i = 0; i < count; ++i) {
        const double theta = startBearing * degToRad + i * span / count;
        const double phi2 = std::asin(std::sin(phi1) * std::cos(angularRadius)
                                      + std::cos(phi1) * std::sin(angularRadius) * std::cos(theta));
        const double lambda2 = lambda1
                               + std::atan2(std::sin(theta) * std::sin(angularRadius) * std::cos(phi1),
                                            std::cos(angularRadius) - std::sin(phi1) * std::sin(phi2));
        path.append(coordinate(phi2 * radToDeg, lambda2 * radToDeg));
    }
    return path;
}
