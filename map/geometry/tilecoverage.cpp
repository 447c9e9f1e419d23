#include "tilecoverage.h"

#include <QPolygonF>
#include <QSet>
#include <algorithm>
#include <cmath>

TileCoverage::TileCoverage(const MapCamera &camera, int minimumZoom, int maximumZoom)
    : m_camera(camera)
    , m_minimumZoom(minimumZoom)
    , m_maximumZoom(maximumZoom)
    , m_level(std::clamp(int(std::lround(camera.zoom())), minimumZoom, maximumZoom))
{
}

TileKey TileCoverage::wrapped(int level, int x, int y)
{
    const int count = 1 << level;
    return TileKey{level, ((x % count) + count) % count, y};
}

QRectF TileCoverage::rect(int level, int x, int y) const
{
    const double world = m_camera.worldSize();
    const QPointF centre = m_camera.centerMercator();
    const QSizeF view = m_camera.viewportSize();
    const bool upright = m_camera.bearing() == 0.0;
    const double size = 1.0 / double(1 << level);
    auto edge = [&](double m, double c, double half) {
        const double v = (m - c) * world;
        return upright ? std::round(v + half) - half : v;
    };
    const double left = edge(x * size, centre.x(), view.width() / 2.0);
    const double right = edge((x + 1) * size, centre.x(), view.width() / 2.0);
    const double top = edge(y * size, centre.y(), view.height() / 2.0);
    const double bottom = edge((y + 1) * size, centre.y(), view.height() / 2.0);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

bool TileCoverage::visible(int level, int x, int y) const
{
    const double size = 1.0 / double(1 << level);
    QPolygonF corners;
    for (const QPointF &m : {QPointF(x, y), QPointF(x + 1, y), QPointF(x + 1, y + 1), QPointF(x, y + 1)})
        corners.append(m_camera.worldToItem(m * size));
    return corners.boundingRect().intersects(QRectF(QPointF(0, 0), m_camera.viewportSize()));
}

QList<TileCoverage::Tile> TileCoverage::visibleTiles() const
{
    QList<Tile> tiles;
    const QSizeF view = m_camera.viewportSize();
    if (view.width() <= 0 || view.height() <= 0)
        return tiles;
    const int z = m_level;
    const int n = 1 << z;
    const QPointF centre = m_camera.centerMercator();
    const QRectF box = m_camera.viewportMercator().boundingRect();
    const int x0 = int(std::floor(box.left() * n)), x1 = int(std::floor(box.right() * n));
    const int y0 = std::max(0, int(std::floor(box.top() * n))), y1 = std::min(n - 1, int(std::floor(box.bottom() * n)));
    if (double(x1 - x0 + 1) * double(y1 - y0 + 1) > MaxTilesInView)
        return tiles;
    QList<double> distance;
    for (int x = x0; x <= x1 && x - x0 <= 3 * n; ++x) {
        for (int y = y0; y <= y1; ++y) {
            if (!visible(z, x, y))
                continue;
            const double dx = (x + 0.5) / n - centre.x(), dy = (y + 0.5) / n - centre.y();
            tiles.append({z, x, y});
            distance.append(dx * dx + dy * dy);
        }
    }
    QList<int> order(tiles.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return distance[a] < distance[b]; });
    QList<Tile> sorted;
    sorted.reserve(tiles.size());
    for (int i : std::as_const(order))
        sorted.append(tiles[i]);
    return sorted;
}

QList<TileCoverage::Placed> TileCoverage::drawList(const QList<Tile> &tiles,
                                                   const std::function<bool(const TileKey &)> &loaded) const
{
    QList<Placed> top, fallback;
    QSet<QPair<int, QPair<int, int>>> fallbackSeen;
    for (const Tile &tile : tiles) {
        const int z = tile.z;
        const TileKey key = wrapped(z, tile.x, tile.y);
        if (loaded(key)) {
            top.append({key, rect(z, tile.x, tile.y)});
            continue;
        }
        bool covered = false;
        for (int up = 1; up <= 6 && z - up >= m_minimumZoom && !covered; ++up) {
            const int ax = tile.x >> up, ay = tile.y >> up;
            const TileKey ancestor = wrapped(z - up, ax, ay);
            if (!loaded(ancestor))
                continue;
            covered = true;
            // Keyed by the unwrapped place: a copy of the world beside this one draws its own.
            const QPair<int, QPair<int, int>> place{z - up, {ax, ay}};
            if (!fallbackSeen.contains(place)) {
                fallbackSeen.insert(place);
                fallback.append({ancestor, rect(z - up, ax, ay)});
            }
        }
        if (covered || z + 1 > m_maximumZoom)
            continue;
        for (int i = 0; i < 4; ++i) {
            const int cx = tile.x * 2 + (i & 1), cy = tile.y * 2 + (i >> 1);
            const TileKey child = wrapped(z + 1, cx, cy);
            if (loaded(child))
                fallback.append({child, rect(z + 1, cx, cy)});
        }
    }
    std::stable_sort(fallback.begin(), fallback.end(),
                     [](const Placed &a, const Placed &b) { return a.key.z < b.key.z; });
    return fallback + top;
}
