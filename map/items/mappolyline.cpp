#include "mappolyline.h"

#include "geopathprojector.h"
#include "mapcamera.h"
#include "shapehittest.h"
#include "strokebuilder.h"

#include <algorithm>
#include <cmath>

MapPolyline::MapPolyline(QQuickItem *parent)
    : MapShapeItem(parent)
{
    connect(&m_line, &MapLineProperties::shapeChanged, this, &MapPolyline::geometryDirty);
    connect(&m_line, &MapLineProperties::colorChanged, this, [this] { update(); });
}

void MapPolyline::setPath(const QVariant &path)
{
    const QList<QGeoCoordinate> coordinates = coordinateList(path);
    if (coordinates == m_path)
        return;
    m_path = coordinates;
    m_piecesDirty = true;
    geometryDirty();
    emit pathChanged();
}

void MapPolyline::setReferenceSurface(int surface)
{
    if (surface == m_surface)
        return;
    m_surface = surface;
    m_piecesDirty = true;
    geometryDirty();
    emit referenceSurfaceChanged();
}

void MapPolyline::buildGeometry(const MapCamera &camera, QList<QPointF> &, QList<QPointF> &stroke)
{
    const bool globe = m_surface == ReferenceSurface::Globe;
    const int zoom = globe ? int(std::ceil(camera.zoom())) : 0;
    if (m_piecesDirty || zoom != m_densifiedZoom) {
        // Densified for the next whole zoom: points stay a few pixels apart up to it.
        m_pieces = GeoPathProjector::project(m_path, globe, MapCamera::TileSize * std::exp2(zoom));
        m_densifiedZoom = zoom;
        m_piecesDirty = false;
    }
    m_lines.clear();
    const StrokeBuilder::Style style{m_line.width(), Qt::PenCapStyle(m_line.capStyle()), m_line.effectiveDashPattern()};
    for (const QPolygonF &piece : std::as_const(m_pieces)) {
        const QPolygonF line = camera.mercatorToLayer(piece);
        StrokeBuilder::stroke(line, false, style, stroke);
        m_lines.append(line);
    }
}

bool MapPolyline::contains(const QPointF &point) const
{
    if (isParked())
        return false;
    const QPointF p = toLayer(point);
    const double reach = std::max(m_line.width() / 2.0, MinimumHitHalfWidth);
    for (const QPolygonF &line : m_lines) {
        if (ShapeHitTest::distanceToPolyline(p, line, false) <= reach)
            return true;
    }
    return false;
}
