#pragma once

#include <QGeoCoordinate>
#include <QObject>
#include <QVariantList>

// Samples curves between geographic points into coordinate lists that QML takes directly as the
// path of a map polyline or polygon. Every operation is a pure static function.
class Bezier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    static double quadratic(double p0, double p1, double p2, double t);
    static double cubic(double p0, double p1, double p2, double p3, double t);

    // The count inner points of the curve, at t = (i + 1) / (count + 1); the ends themselves are
    // left to the caller. Latitude and longitude are interpolated independently as plain numbers.
    static QVariantList quadraticPath(int count, const QGeoCoordinate &start, const QGeoCoordinate &control,
                                      const QGeoCoordinate &end);
    static QVariantList cubicPath(int count, const QGeoCoordinate &p0, const QGeoCoordinate &p1,
                                  const QGeoCoordinate &p2, const QGeoCoordinate &p3);

    // count points on a circle of radius metres around centre, from the start bearing along the
    // shorter way towards the end bearing (degrees); the point on the end bearing is left out.
    static QVariantList arc(int count, const QGeoCoordinate &centre, double radius, double startBearing,
                            double endBearing);
};
