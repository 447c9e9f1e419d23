#include "shapehittest.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lengthSquared = ab.x() * ab.x() + ab.y() * ab.y();
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x() - a.x()) * ab.x() + (p.y() - a.y()) * ab.y()) / lengthSquared, 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

double ShapeHitTest::distanceToPolyline(QPointF point, const QPolygonF &line, bool closed)
{
    if (line.isEmpty())
        return std::numeric_limits<double>::infinity();
    if (line.size() == 1)
        return std::hypot(point.x() - line.first().x(), point.y() - line.first().y());
    double best = std::numeric_limits<double>::infinity();
    for (qsizetype i = 1; i < line.size(); ++i)
        best = std::min(best, distanceToSegment(point, line.at(i - 1), line.at(i)));
    if (closed)
        best = std::min(best, distanceToSegment(point, line.last(), line.first()));
    return best;
}

bool ShapeHitTest::insideRings(QPointF point, const QList<QPolygonF> &rings)
{
    bool inside = false;
    for (const QPolygonF &ring : rings) {
        const qsizetype n = ring.size();
        for (qsizetype i = 0, j = n - 1; i < n; j = i++) {
            const QPointF a = ring.at(i), b = ring.at(j);
            if ((a.y() > point.y()) != (b.y() > point.y())
                && point.x() < (b.x() - a.x()) * (point.y() - a.y()) / (b.y() - a.y()) + a.x())
                inside = !inside;
        }
    }
    return inside;
}
