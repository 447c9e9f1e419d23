#include "geopathprojector.h"

#include "mapcamera.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

struct Vector3
{
    double x, y, z;
};

Vector3 toVector(const QGeoCoordinate &c)
{
    const double lat = qDegreesToRadians(c.latitude());
    const double lon = qDegreesToRadians(c.longitude());
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

QGeoCoordinate fromVector(const Vector3 &v)
{
    return QGeoCoordinate(qRadiansToDegrees(std::atan2(v.z, std::hypot(v.x, v.y))),
                          qRadiansToDegrees(std::atan2(v.y, v.x)));
}

// x moved by whole worlds to within half a world of the reference.
double unwrapNear(double x, double reference)
{
    return x + std::round(reference - x);
}

// Screen length of a leg and how far its great circle strays from the straight chord, both in
// pixels, measured over a coarse sampling so that a leg that bows far is not under-counted.
struct LegMeasure
{
    double length = 0.0;
    double deviation = 0.0;
};

LegMeasure measureLeg(const QGeoCoordinate &a, const QGeoCoordinate &b, double worldSize)
{
    const QList<QGeoCoordinate> coarse = GeoPathProjector::greatCircle(a, b, 16);
    QList<QPointF> points;
    points.reserve(coarse.size());
    double previousX = MapCamera::mercator(coarse.first()).x();
    for (const QGeoCoordinate &c : coarse) {
        QPointF m = MapCamera::mercator(c);
        m.setX(unwrapNear(m.x(), previousX));
        previousX = m.x();
        points.append(m * worldSize);
    }
    LegMeasure measure;
    const QPointF chord = points.last() - points.first();
    const double chordLength = std::hypot(chord.x(), chord.y());
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPointF step = points.at(i) - points.at(i - 1);
        measure.length += std::hypot(step.x(), step.y());
        const QPointF offset = points.at(i) - points.first();
        const double away = chordLength > 0.0 ? std::abs(chord.x() * offset.y() - chord.y() * offset.x()) / chordLength
                                              : std::hypot(offset.x(), offset.y());
        measure.deviation = std::max(measure.deviation, away);
    }
    return measure;
}

// Cuts an unwrapped polyline where x crosses a whole number (the 180th meridian of some copy) and
// moves every piece into the copy [0, 1].
QList<QPolygonF> splitAtAntimeridian(const QPolygonF &line)
{
    QList<QPolygonF> pieces;
    if (line.size() < 2)
        return pieces;
    // Each segment belongs to the copy its middle lies in; a segment across a whole number is cut
    // there, and a new piece starts wherever the copy changes.
    QPolygonF current{line.first()};
    double currentCopy = std::floor((line.at(0).x() + line.at(1).x()) / 2.0);
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line.at(i - 1), b = line.at(i);
        const double lo = std::min(a.x(), b.x()), hi = std::max(a.x(), b.x());
        const double boundary = std::ceil(lo);
        if (boundary > lo && boundary < hi) {
            const double t = (boundary - a.x()) / (b.x() - a.x());
            const QPointF cut(boundary, a.y() + t * (b.y() - a.y()));
            current.append(cut);
            pieces.append(current);
            current = QPolygonF{cut};
            currentCopy = std::floor((cut.x() + b.x()) / 2.0);
        } else if (const double copy = std::floor((a.x() + b.x()) / 2.0); copy != currentCopy) {
            if (current.size() > 1)
                pieces.append(current);
            current = QPolygonF{a};
            currentCopy = copy;
        }
        current.append(b);
    }
    pieces.append(current);
    for (QPolygonF &piece : pieces) {
        double minX = piece.first().x(), maxX = minX;
        for (const QPointF &p : piece) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
        }
        piece.translate(-std::floor((minX + maxX) / 2.0), 0.0);
    }
    return pieces;
}

} // namespace

QList<QGeoCoordinate> GeoPathProjector::greatCircle(const QGeoCoordinate &a, const QGeoCoordinate &b, int segments)
{
    segments = std::max(1, segments);
    const Vector3 va = toVector(a), vb = toVector(b);
    const double dot = std::clamp(va.x * vb.x + va.y * vb.y + va.z * vb.z, -1.0, 1.0);
    const double omega = std::acos(dot);
    const double sinOmega = std::sin(omega);
    QList<QGeoCoordinate> points;
    points.reserve(segments + 1);
    points.append(a);
    for (int i = 1; i < segments; ++i) {
        const double t = double(i) / segments;
        if (sinOmega < 1e-9) {
            // Same point or antipodes: no single great circle, draw straight.
            points.append(QGeoCoordinate(a.latitude() + t * (b.latitude() - a.latitude()),
                                         a.longitude() + t * (b.longitude() - a.longitude())));
            continue;
        }
        const double wa = std::sin((1.0 - t) * omega) / sinOmega;
        const double wb = std::sin(t * omega) / sinOmega;
        points.append(fromVector({wa * va.x + wb * vb.x, wa * va.y + wb * vb.y, wa * va.z + wb * vb.z}));
    }
    points.append(b);
    return points;
}

QList<QPolygonF> GeoPathProjector::project(const QList<QGeoCoordinate> &path, bool greatCircle, double worldSize,
                                           double stepPixels)
{
    QList<QGeoCoordinate> valid;
    valid.reserve(path.size());
    for (const QGeoCoordinate &c : path) {
        if (c.isValid())
            valid.append(c);
    }
    if (valid.size() < 2)
        return {};

    QPolygonF line;
    line.reserve(valid.size());
    auto append = [&line](const QGeoCoordinate &c) {
        QPointF m = MapCamera::mercator(c);
        if (!line.isEmpty())
            m.setX(unwrapNear(m.x(), line.last().x()));
        line.append(m);
    };
    append(valid.first());
    for (qsizetype i = 1; i < valid.size(); ++i) {
        const QGeoCoordinate &a = valid.at(i - 1), &b = valid.at(i);
        if (greatCircle) {
            // A point every few pixels where the great circle bends; where a chord cannot be told
            // from the arc (its error shrinks with the square of the count) fewer do.
            const LegMeasure leg = measureLeg(a, b, worldSize);
            const double byBend = std::ceil(std::sqrt(leg.deviation / ChordTolerancePixels));
            const double byLength = std::ceil(leg.length / std::max(stepPixels, 0.5));
            const int segments = int(std::clamp(std::min(byBend, byLength), 1.0, double(MaxSegmentsPerLeg)));
            const QList<QGeoCoordinate> points = GeoPathProjector::greatCircle(a, b, segments);
            for (qsizetype k = 1; k < points.size(); ++k)
                append(points.at(k));
        } else {
            append(b);
        }
    }
    return splitAtAntimeridian(line);
}

QPolygonF GeoPathProjector::unwrappedRing(const QList<QGeoCoordinate> &ring, double referenceX)
{
    QPolygonF points;
    points.reserve(ring.size());
    double previous = referenceX;
    for (const QGeoCoordinate &c : ring) {
        if (!c.isValid())
            continue;
        QPointF m = MapCamera::mercator(c);
        m.setX(unwrapNear(m.x(), previous));
        previous = m.x();
        points.append(m);
    }
    return points;
}
