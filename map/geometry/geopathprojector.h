#pragma once

#include <QGeoCoordinate>
#include <QList>
#include <QPolygonF>

// Turns a path of geographic coordinates into Mercator polylines ready to be drawn at a zoom:
// legs follow the great circle (densified to a point every few screen pixels where it bends away
// from the chord by more than a fraction of a pixel) or run straight on the map, and the path is cut where it crosses
// the 180th meridian. Each piece lies within one copy of the world, x in [0, 1].
class GeoPathProjector
{
public:
    // worldSize: screen pixels per Mercator unit at the zoom the path is drawn at.
    static QList<QPolygonF> project(const QList<QGeoCoordinate> &path, bool greatCircle, double worldSize,
                                    double stepPixels = 4.0);

    // The points of the great circle from a to b, both ends included, segments + 1 in all. Falls
    // back to the straight line between antipodes, where the great circle is not defined.
    static QList<QGeoCoordinate> greatCircle(const QGeoCoordinate &a, const QGeoCoordinate &b, int segments);

    // The unwrapped Mercator points of a ring: each x taken within half a world of the one before,
    // so that a shape across the 180th meridian stays in one piece.
    static QPolygonF unwrappedRing(const QList<QGeoCoordinate> &ring, double referenceX);

    // Longest leg, in points, that densification makes; a leg longer on screen gets points further
    // apart rather than without bound at high zoom.
    static constexpr int MaxSegmentsPerLeg = 4096;
    // Largest distance, in pixels, between the drawn chords and the true great circle.
    static constexpr double ChordTolerancePixels = 0.25;
};
