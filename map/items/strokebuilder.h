#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <Qt>

// Triangles that cover the stroke of a polyline in screen pixels: segments as quads, round joins,
// flat, square or round caps, and dash patterns counted in line widths (as QPen counts them).
class StrokeBuilder
{
public:
    struct Style
    {
        double width = 1.0;
        Qt::PenCapStyle cap = Qt::SquareCap;
        // Dash and gap lengths in line widths; empty or summing to nothing draws a solid line.
        QList<qreal> dashPattern;
    };

    // Appends the triangles (three points each) of the stroke of the line; a closed line also
    // joins its last point to its first and has no caps.
    static void stroke(const QPolygonF &line, bool closed, const Style &style, QList<QPointF> &triangles);

    // The dashes of the line as open polylines. The pattern starts afresh at the line's start.
    static QList<QPolygonF> dashes(const QPolygonF &line, bool closed, const QList<qreal> &pattern, double width);

private:
    static void strokeSolid(const QPolygonF &line, bool closed, double width, Qt::PenCapStyle cap,
                            QList<QPointF> &triangles);
};
