#include "mapcamera.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;

double wrapUnit(double x)
{
    x -= std::floor(x);
    return x >= 1.0 ? 0.0 : x;
}
} // namespace

void MapCamera::setCenter(const QGeoCoordinate &center)
{
    if (!center.isValid())
        return;
    setCenterMercator(mercator(center));
    m_center = fromMercator(m_centerMercator);
    // Keep the caller's own values where they were representable, so a bound peer reads them back.
    if (std::abs(center.latitude()) <= MaxLatitude && center.longitude() >= -180.0 && center.longitude() < 180.0)
        m_center = QGeoCoordinate(center.latitude(), center.longitude());
}

void MapCamera::setCenterMercator(QPointF m)
{
    m_centerMercator = QPointF(wrapUnit(m.x()), std::clamp(m.y(), 0.0, 1.0));
    m_center = fromMercator(m_centerMercator);
}

void MapCamera::setBearing(double bearing)
{
    bearing = std::fmod(bearing, 360.0);
    if (bearing < 0.0)
        bearing += 360.0;
    m_bearing = bearing >= 360.0 ? 0.0 : bearing;
}

QPointF MapCamera::mercator(const QGeoCoordinate &coordinate)
{
    const double lat = qDegreesToRadians(std::clamp(coordinate.latitude(), -MaxLatitude, MaxLatitude));
    const double x = (coordinate.longitude() + 180.0) / 360.0;
    const double y = 0.5 - std::asinh(std::tan(lat)) / (2.0 * Pi);
    return QPointF(wrapUnit(x), std::clamp(y, 0.0, 1.0));
}

QGeoCoordinate MapCamera::fromMercator(QPointF m)
{
    const double lon = wrapUnit(m.x()) * 360.0 - 180.0;
    const double y = std::clamp(m.y(), 0.0, 1.0);
    const double lat = qRadiansToDegrees(std::atan(std::sinh(Pi * (1.0 - 2.0 * y))));
    return QGeoCoordinate(lat, lon);
}

double MapCamera::wrapDelta(double dx)
{
    return dx - std::floor(dx + 0.5);
}

double MapCamera::worldSize() const
{
    return TileSize * std::exp2(m_zoom);
}

QPointF MapCamera::rotateToScreen(QPointF w) const
{
    if (m_bearing == 0.0)
        return w;
    const double b = qDegreesToRadians(m_bearing);
    const double c = std::cos(b), s = std::sin(b);
    return QPointF(w.x() * c + w.y() * s, -w.x() * s + w.y() * c);
}

QPointF MapCamera::rotateToWorld(QPointF p) const
{
    if (m_bearing == 0.0)
        return p;
    const double b = qDegreesToRadians(m_bearing);
    const double c = std::cos(b), s = std::sin(b);
    return QPointF(p.x() * c - p.y() * s, p.x() * s + p.y() * c);
}

QPointF MapCamera::toItem(const QGeoCoordinate &coordinate) const
{
    return mercatorToItem(mercator(coordinate));
}

QPointF MapCamera::mercatorToItem(QPointF m) const
{
    const QPointF d(wrapDelta(m.x() - m_centerMercator.x()), m.y() - m_centerMercator.y());
    return rotateToScreen(d * worldSize()) + QPointF(m_size.width() / 2.0, m_size.height() / 2.0);
}

QPointF MapCamera::worldToItem(QPointF m) const
{
    return rotateToScreen((m - m_centerMercator) * worldSize()) + QPointF(m_size.width() / 2.0, m_size.height() / 2.0);
}

QPointF MapCamera::itemToMercator(QPointF point) const
{
    const QPointF d = point - QPointF(m_size.width() / 2.0, m_size.height() / 2.0);
    return m_centerMercator + rotateToWorld(d) / worldSize();
}

QGeoCoordinate MapCamera::fromItem(QPointF point) const
{
    return fromMercator(itemToMercator(point));
}

QPointF MapCamera::mercatorToLayer(QPointF m) const
{
    return QPointF(wrapDelta(m.x() - m_origin.x()), m.y() - m_origin.y()) * worldSize();
}

QPolygonF MapCamera::viewportMercator() const
{
    const double w = m_size.width(), h = m_size.height();
    return QPolygonF({itemToMercator(QPointF(0, 0)), itemToMercator(QPointF(w, 0)), itemToMercator(QPointF(w, h)),
                      itemToMercator(QPointF(0, h))});
}

QGeoRectangle MapCamera::visibleBoundingBox() const
{
    const QRectF box = viewportMercator().boundingRect();
    const double top = std::clamp(box.top(), 0.0, 1.0), bottom = std::clamp(box.bottom(), 0.0, 1.0);
    const double north = fromMercator(QPointF(0, top)).latitude();
    const double south = fromMercator(QPointF(0, bottom)).latitude();
    if (box.width() >= 1.0)
        return QGeoRectangle(QGeoCoordinate(north, -180.0), QGeoCoordinate(south, 180.0));
    // Longitudes in (-180, 180]: a box whose right edge lies exactly on the meridian keeps 180.
    auto longitude = [](double x) {
        const double lon = x * 360.0 - 180.0;
        return lon - 360.0 * std::ceil((lon - 180.0) / 360.0);
    };
    return QGeoRectangle(QGeoCoordinate(north, longitude(box.left())), QGeoCoordinate(south, longitude(box.right())));
}

void MapCamera::pan(double dx, double dy)
{
    setCenterMercator(itemToMercator(QPointF(m_size.width() / 2.0 + dx, m_size.height() / 2.0 + dy)));
}

void MapCamera::alignCoordinateToPoint(const QGeoCoordinate &coordinate, QPointF point)
{
    const QPointF d = rotateToWorld(point - QPointF(m_size.width() / 2.0, m_size.height() / 2.0)) / worldSize();
    setCenterMercator(mercator(coordinate) - d);
}

void MapCamera::fitRectangle(const QGeoRectangle &rectangle, double margin, double minZoom, double maxZoom)
{
    if (!rectangle.isValid())
        return;
    const QPointF topLeft = mercator(rectangle.topLeft());
    QPointF bottomRight = mercator(rectangle.bottomRight());
    if (bottomRight.x() < topLeft.x() || (rectangle.width() >= 360.0))
        bottomRight.rx() += 1.0;
    const double dx = bottomRight.x() - topLeft.x(), dy = bottomRight.y() - topLeft.y();
    setCenterMercator((topLeft + bottomRight) / 2.0);

    // Extent of the rotated rectangle on screen, per pixel of world size.
    const double b = qDegreesToRadians(m_bearing);
    const double c = std::abs(std::cos(b)), s = std::abs(std::sin(b));
    const double width = dx * c + dy * s, height = dx * s + dy * c;
    const double availableW = m_size.width() - 2.0 * margin, availableH = m_size.height() - 2.0 * margin;
    double zoom = maxZoom;
    if (availableW > 0.0 && availableH > 0.0) {
        double world = std::numeric_limits<double>::infinity();
        if (width > 0.0)
            world = std::min(world, availableW / width);
        if (height > 0.0)
            world = std::min(world, availableH / height);
        if (std::isfinite(world))
            zoom = std::log2(world / TileSize);
    }
    m_zoom = std::clamp(zoom, minZoom, maxZoom);
}

QPolygonF MapCamera::mercatorToLayer(const QPolygonF &line) const
{
    const QPointF centre = line.boundingRect().center();
    const QPointF anchor = mercatorToLayer(centre);
    const double size = worldSize();
    QPolygonF placed;
    placed.reserve(line.size());
    for (const QPointF &m : line)
        placed.append(anchor + (m - centre) * size);
    return placed;
}
