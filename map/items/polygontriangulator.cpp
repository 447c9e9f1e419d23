#include "polygontriangulator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

double cross(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

double signedArea(const std::vector<QPointF> &ring)
{
    double area = 0.0;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
        area += (ring[j].x() - ring[i].x()) * (ring[j].y() + ring[i].y());
    return area / 2.0;
}

// Without repeated points; oriented so that signedArea is positive (outer) or negative (hole).
std::vector<QPointF> cleanRing(const QPolygonF &ring, bool outer)
{
    std::vector<QPointF> points;
    points.reserve(ring.size());
    for (const QPointF &p : ring) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue;
        if (points.empty() || points.back() != p)
            points.push_back(p);
    }
    while (points.size() > 1 && points.front() == points.back())
        points.pop_back();
    if (points.size() < 3)
        return {};
    const double area = signedArea(points);
    if (std::abs(area) < 1e-18)
        return {};
    if ((area > 0.0) != outer)
        std::reverse(points.begin(), points.end());
    return points;
}

bool inTriangle(QPointF p, QPointF a, QPointF b, QPointF c)
{
    return cross(a, b, p) >= 0.0 && cross(b, c, p) >= 0.0 && cross(c, a, p) >= 0.0;
}

// Joins the hole into the ring through a bridge from the hole's rightmost vertex to a ring vertex
// it can see (the vertex found by casting a ray to the right).
void bridgeHole(std::vector<QPointF> &ring, const std::vector<QPointF> &hole)
{
    size_t m = 0;
    for (size_t i = 1; i < hole.size(); ++i) {
        if (hole[i].x() > hole[m].x())
            m = i;
    }
    const QPointF M = hole[m];

    // Nearest edge hit by the ray from M to the right.
    double nearestX = std::numeric_limits<double>::infinity();
    size_t hitEdge = ring.size();
    for (size_t i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
        if ((a.y() > M.y()) == (b.y() > M.y()) && a.y() != M.y() && b.y() != M.y())
            continue;
        if (a.y() == b.y()) {
            if (a.y() != M.y())
                continue;
            const double x = std::min(a.x(), b.x());
            if (x >= M.x() && x < nearestX) {
                nearestX = x;
                hitEdge = i;
            }
            continue;
        }
        const double x = a.x() + (M.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
        if (x >= M.x() && x < nearestX) {
            nearestX = x;
            hitEdge = i;
        }
    }
    if (hitEdge == ring.size())
        return; // the hole lies outside the ring: nothing to cut out

    const QPointF I(nearestX, M.y());
    const size_t ia = hitEdge, ib = (hitEdge + 1) % ring.size();
    size_t p = ring[ia].x() > ring[ib].x() ? ia : ib;
    if (ring[ia] == I)
        p = ia;
    else if (ring[ib] == I)
        p = ib;
    else {
        // A ring vertex inside the triangle M, I, P would block the view: take the one at the
        // smallest angle from the ray instead.
        const QPointF P = ring[p];
        double bestAngle = std::numeric_limits<double>::infinity();
        double bestDistance = std::numeric_limits<double>::infinity();
        for (size_t i = 0; i < ring.size(); ++i) {
            if (i == p)
                continue;
            const QPointF v = ring[i];
            const bool inside = inTriangle(v, M, I, P) || inTriangle(v, M, P, I);
            if (!inside || v == M)
                continue;
            const double angle = std::abs(std::atan2(v.y() - M.y(), v.x() - M.x()));
            const double distance = std::hypot(v.x() - M.x(), v.y() - M.y());
            if (angle < bestAngle || (angle == bestAngle && distance < bestDistance)) {
                bestAngle = angle;
                bestDistance = distance;
                p = i;
            }
        }
    }

    std::vector<QPointF> merged;
    merged.reserve(ring.size() + hole.size() + 2);
    merged.insert(merged.end(), ring.begin(), ring.begin() + p + 1);
    for (size_t k = 0; k <= hole.size(); ++k)
        merged.push_back(hole[(m + k) % hole.size()]);
    merged.insert(merged.end(), ring.begin() + p, ring.end());
    ring.swap(merged);
}

bool isEar(const std::vector<QPointF> &points, const std::vector<size_t> &prev, const std::vector<size_t> &next,
           size_t b)
{
    const QPointF A = points[prev[b]], B = points[b], C = points[next[b]];
    if (cross(A, B, C) <= 0.0)
        return false;
    const double minX = std::min({A.x(), B.x(), C.x()}), maxX = std::max({A.x(), B.x(), C.x()});
    const double minY = std::min({A.y(), B.y(), C.y()}), maxY = std::max({A.y(), B.y(), C.y()});
    for (size_t v = next[next[b]]; v != prev[b]; v = next[v]) {
        const QPointF P = points[v];
        if (P.x() < minX || P.x() > maxX || P.y() < minY || P.y() > maxY)
            continue;
        if (P == A || P == B || P == C)
            continue;
        if (inTriangle(P, A, B, C))
            return false;
    }
    return true;
}

} // namespace

QList<QPointF> PolygonTriangulator::triangulate(const QPolygonF &outer, const QList<QPolygonF> &holes)
{
    std::vector<QPointF> ring = cleanRing(outer, true);
    if (ring.empty())
        return {};
    std::vector<std::vector<QPointF>> cleanHoles;
    for (const QPolygonF &hole : holes) {
        std::vector<QPointF> h = cleanRing(hole, false);
        if (!h.empty())
            cleanHoles.push_back(std::move(h));
    }
    auto maxX = [](const std::vector<QPointF> &h) {
        return std::max_element(h.begin(), h.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); })->x();
    };
    std::sort(cleanHoles.begin(), cleanHoles.end(),
              [&](const std::vector<QPointF> &a, const std::vector<QPointF> &b) { return maxX(a) > maxX(b); });
    for (const std::vector<QPointF> &hole : cleanHoles)
        bridgeHole(ring, hole);

    const size_t n = ring.size();
    std::vector<size_t> prev(n), next(n);
    for (size_t i = 0; i < n; ++i) {
        prev[i] = (i + n - 1) % n;
        next[i] = (i + 1) % n;
    }
    QList<QPointF> triangles;
    triangles.reserve(qsizetype(3 * (n - 2)));
    size_t remaining = n;
    size_t current = 0;
    size_t sinceLastEar = 0;
    auto clip = [&](size_t b) {
        if (cross(ring[prev[b]], ring[b], ring[next[b]]) != 0.0)
            triangles << ring[prev[b]] << ring[b] << ring[next[b]];
        next[prev[b]] = next[b];
        prev[next[b]] = prev[b];
        --remaining;
        sinceLastEar = 0;
        return next[b];
    };
    while (remaining > 3) {
        if (isEar(ring, prev, next, current)) {
            current = clip(current);
            continue;
        }
        current = next[current];
        if (++sinceLastEar < remaining)
            continue;
        // No ear in a whole round: the ring touches or crosses itself. Drop a vertex that adds
        // no area if there is one, else clip the first convex one, so the loop always ends.
        auto firstWhere = [&](auto predicate) {
            size_t v = current;
            for (size_t k = 0; k < remaining; ++k, v = next[v]) {
                if (predicate(cross(ring[prev[v]], ring[v], ring[next[v]])))
                    return v;
            }
            return n;
        };
        size_t v = firstWhere([](double c) { return c == 0.0; });
        if (v == n)
            v = firstWhere([](double c) { return c > 0.0; });
        const bool found = v != n;
        current = clip(found ? v : current);
    }
    if (remaining == 3 && cross(ring[prev[current]], ring[current], ring[next[current]]) > 0.0)
        triangles << ring[prev[current]] << ring[current] << ring[next[current]];
    return triangles;
}
