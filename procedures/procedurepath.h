#pragma once

#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>

class Procedure;

// The line the map draws for one transition of a procedure, leg by leg from the path
// terminators, for display only.
//
// Legs that end where a distance, a DME distance or a bearing condition is first met are
// defined by a walk in whole metres (up to 99 999 m). Walking metre by metre costs up to 10^5
// geodesic steps per leg, and the map asks for every shown row's path and bounding, so the
// walks here skip ahead by as many metres as the condition provably cannot change in: the
// distance to a point changes by at most one metre per metre, and the bearing to a point by at
// most a rate bounded by the distance to it and the latitude. The metre found is the same.
class ProcedurePath
{
public:
    static QList<QGeoCoordinate> build(const Procedure &procedure, const QString &transition);
    static QVariantList toVariantList(const QList<QGeoCoordinate> &points);
    // The smallest rectangle holding all points; one that crosses the antimeridian when that is
    // narrower. Invalid for no points.
    static QGeoRectangle boundingOf(const QList<QGeoCoordinate> &points);

    // ---- the walks, in whole metres k = first … last from start along azimuth; each gives
    // the first point that meets its condition, or the point at last when none does.
    // Distance to reference at least target metres.
    static QGeoCoordinate walkToDistanceAtLeast(const QGeoCoordinate &start, double azimuth, int first, int last,
                                                const QGeoCoordinate &reference, double target);
    // Distance to reference at most target metres.
    static QGeoCoordinate walkToDistanceAtMost(const QGeoCoordinate &start, double azimuth, int first, int last,
                                               const QGeoCoordinate &reference, double target);
    // accept(nearest(|bearing p→target − course|) mod 360) holds.
    static QGeoCoordinate walkToBearing(const QGeoCoordinate &start, double azimuth, int first, int last,
                                        const QGeoCoordinate &target, int course,
                                        const std::function<bool(int)> &accept);
};
