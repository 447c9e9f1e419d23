#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

// Splits a polygon with holes into triangles by ear clipping: each hole is first joined to the
// outer ring by a bridge to a vertex it can see, which turns the shape into one simple ring.
class PolygonTriangulator
{
public:
    // Triangles (three points each) that fill the outer ring less the holes. Rings may run either
    // way round and may repeat their first point at the end; rings of fewer than three distinct
    // points or of no area are ignored.
    static QList<QPointF> triangulate(const QPolygonF &outer, const QList<QPolygonF> &holes = {});
};
