#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

// Whether a point falls on a drawn shape rather than merely inside its bounding box.
class ShapeHitTest
{
public:
    // Shortest distance from the point to the line (its segments, and the closing one if closed).
    static double distanceToPolyline(QPointF point, const QPolygonF &line, bool closed);
    // Inside under the even-odd rule over all rings: inside the outer ring and outside its holes.
    static bool insideRings(QPointF point, const QList<QPolygonF> &rings);
};
