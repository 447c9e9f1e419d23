#include "strokebuilder.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
// Largest angle one triangle of a round join or cap spans: its chord stays within a quarter
// pixel of the arc, so thin lines get few triangles and wide ones a smooth round.
double roundStep(double radius)
{
    return radius <= 0.25 ? Pi : 2.0 * std::acos(1.0 - 0.25 / radius);
}

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF unit(QPointF v)
{
    const double l = length(v);
    return l > 0.0 ? v / l : QPointF();
}

// Left normal of a direction, scaled.
QPointF normal(QPointF direction, double scale)
{
    return QPointF(-direction.y(), direction.x()) * scale;
}

// A fan of triangles about the centre from one radius vector to another, turning the short way
// unless a half turn is asked for (then on the side of `through`).
void fan(QPointF centre, QPointF from, QPointF to, double sweep, QList<QPointF> &triangles)
{
    const double radius = length(from);
    const int steps = std::max(1, int(std::ceil(std::abs(sweep) / roundStep(radius))));
    const double start = std::atan2(from.y(), from.x());
    QPointF previous = centre + from;
    for (int i = 1; i <= steps; ++i) {
        const QPointF next
            = i == steps
                  ? centre + to
                  : centre + QPointF(std::cos(start + sweep * i / steps), std::sin(start + sweep * i / steps)) * radius;
        triangles << centre << previous << next;
        previous = next;
    }
}

void quad(QPointF a, QPointF b, QPointF c, QPointF d, QList<QPointF> &triangles)
{
    // a-b on one side, c-d on the other, in the same direction.
    triangles << a << b << c << c << b << d;
}

QPolygonF withoutRepeats(const QPolygonF &line, bool closed)
{
    QPolygonF clean;
    clean.reserve(line.size());
    for (const QPointF &p : line) {
        if (clean.isEmpty() || length(p - clean.last()) > 1e-9)
            clean.append(p);
    }
    if (closed) {
        while (clean.size() > 1 && length(clean.first() - clean.last()) <= 1e-9)
            clean.removeLast();
    }
    return clean;
}

} // namespace

void StrokeBuilder::stroke(const QPolygonF &line, bool closed, const Style &style, QList<QPointF> &triangles)
{
    if (!(style.width > 0.0) || line.isEmpty())
        return;
    double patternLength = 0.0;
    bool patternValid = !style.dashPattern.isEmpty();
    for (qreal v : style.dashPattern) {
        if (!(v >= 0.0))
            patternValid = false;
        patternLength += v;
    }
    if (!patternValid || patternLength <= 0.0) {
        strokeSolid(line, closed, style.width, style.cap, triangles);
        return;
    }
    for (const QPolygonF &dash : dashes(line, closed, style.dashPattern, style.width))
        strokeSolid(dash, false, style.width, style.cap, triangles);
}

QList<QPolygonF> StrokeBuilder::dashes(const QPolygonF &line, bool closed, const QList<qreal> &pattern, double width)
{
    QList<QPolygonF> result;
    QPolygonF path = withoutRepeats(line, closed);
    if (path.isEmpty())
        return result;
    if (closed && path.size() > 2)
        path.append(path.first());
    double patternLength = 0.0;
    for (qreal v : pattern)
        patternLength += std::max(0.0, double(v));
    if (!(patternLength > 0.0))
        return {path};
    // A pattern of an odd count repeats itself once so that dashes and gaps alternate.
    QList<qreal> entries;
    for (qreal v : pattern)
        entries.append(std::max(0.0, double(v)));
    if (entries.size() % 2 == 1)
        entries += entries;

    qsizetype entry = 0;
    double left = entries.at(0) * width;
    bool on = true;
    QPolygonF current{path.first()};
    auto advance = [&]() {
        if (on)
            result.append(current);
        entry = (entry + 1) % entries.size();
        left = entries.at(entry) * width;
        on = entry % 2 == 0;
    };
    // A zero-length first dash is a dot at the start.
    while (left <= 0.0 && on) {
        advance();
        current = QPolygonF{path.first()};
    }
    for (qsizetype i = 1; i < path.size(); ++i) {
        QPointF from = path.at(i - 1);
        const QPointF to = path.at(i);
        double segment = length(to - from);
        const QPointF direction = unit(to - from);
        while (segment >= left) {
            from += direction * left;
            segment -= left;
            if (on)
                current.append(from);
            advance();
            current = QPolygonF{from};
            // Zero-length entries (dots) end where they start.
            while (left <= 0.0) {
                advance();
                current = QPolygonF{from};
            }
        }
        left -= segment;
        if (on && current.last() != to)
            current.append(to);
    }
    if (on && current.size() > 1)
        result.append(current);
    return result;
}

void StrokeBuilder::strokeSolid(const QPolygonF &line, bool closed, double width, Qt::PenCapStyle cap,
                                QList<QPointF> &triangles)
{
    const QPolygonF path = withoutRepeats(line, closed);
    const double half = width / 2.0;
    if (path.isEmpty())
        return;
    if (path.size() == 1) {
        // A dash of no length: a dot under a round cap, a square under a square cap.
        const QPointF c = path.first();
        if (cap == Qt::RoundCap)
            fan(c, QPointF(half, 0.0), QPointF(half, 0.0), 2.0 * Pi, triangles);
        else if (cap == Qt::SquareCap)
            quad(c + QPointF(-half, -half), c + QPointF(half, -half), c + QPointF(-half, half), c + QPointF(half, half),
                 triangles);
        return;
    }
    closed = closed && path.size() > 2;
    const qsizetype segments = closed ? path.size() : path.size() - 1;
    for (qsizetype i = 0; i < segments; ++i) {
        QPointF a = path.at(i);
        QPointF b = path.at((i + 1) % path.size());
        const QPointF d = unit(b - a);
        if (!closed && cap == Qt::SquareCap) {
            if (i == 0)
                a -= d * half;
            if (i == segments - 1)
                b += d * half;
        }
        const QPointF n = normal(d, half);
        quad(a + n, b + n, a - n, b - n, triangles);
    }
    // Round joins fill the wedge on the outer side of each bend; the inner side is covered by the
    // overlapping quads.
    const qsizetype firstJoin = closed ? 0 : 1;
    const qsizetype lastJoin = closed ? path.size() - 1 : path.size() - 2;
    for (qsizetype i = firstJoin; i <= lastJoin; ++i) {
        const QPointF p = path.at(i);
        const QPointF d0 = unit(p - path.at((i - 1 + path.size()) % path.size()));
        const QPointF d1 = unit(path.at((i + 1) % path.size()) - p);
        const double cross = d0.x() * d1.y() - d0.y() * d1.x();
        const double dot = d0.x() * d1.x() + d0.y() * d1.y();
        const double turn = std::atan2(cross, dot);
        // The wedge of a slight bend (a densified great circle) is narrower than a quarter pixel.
        if (std::abs(turn) * half < 0.25)
            continue;
        // Turning towards the left normal puts the outer side on the right.
        const double side = turn > 0.0 ? -1.0 : 1.0;
        fan(p, normal(d0, half * side), normal(d1, half * side), turn, triangles);
    }
    if (!closed && cap == Qt::RoundCap) {
        const QPointF d0 = unit(path.at(1) - path.at(0));
        fan(path.first(), normal(d0, half), normal(d0, -half), Pi, triangles);
        const QPointF d1 = unit(path.last() - path.at(path.size() - 2));
        fan(path.last(), normal(d1, -half), normal(d1, half), Pi, triangles);
    }
}
