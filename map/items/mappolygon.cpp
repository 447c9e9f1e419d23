#include "mappolygon.h"

#include "geopathprojector.h"
#include "mapcamera.h"
#include "polygontriangulator.h"
#include "shapehittest.h"
#include "strokebuilder.h"

#include <algorithm>

namespace {
// Triangles are computed in pixels of a zoom of 20, where airport features span hundreds of units.
constexpr double TriangleScale = MapCamera::TileSize * 1048576.0;
} // namespace

MapPolygon::MapPolygon(QQuickItem *parent)
    : MapShapeItem(parent)
{
    connect(&m_border, &MapLineProperties::shapeChanged, this, &MapPolygon::geometryDirty);
    connect(&m_border, &MapLineProperties::colorChanged, this, [this] { update(); });
}

void MapPolygon::setPath(const QVariant &path)
{
    const QList<QGeoCoordinate> coordinates = coordinateList(path);
    if (coordinates == m_path)
        return;
    m_path = coordinates;
    m_triangulated = false;
    geometryDirty();
    emit pathChanged();
}

QVariantList MapPolygon::holes() const
{
    QVariantList list;
    for (const QList<QGeoCoordinate> &hole : m_holes)
        list.append(QVariant(variantList(hole)));
    return list;
}

void MapPolygon::setHoles(const QVariantList &holes)
{
    QList<QList<QGeoCoordinate>> rings;
    for (const QVariant &hole : holes)
        rings.append(coordinateList(hole));
    if (rings == m_holes)
        return;
    m_holes = rings;
    m_triangulated = false;
    geometryDirty();
    emit holesChanged();
}

void MapPolygon::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged();
}

void MapPolygon::triangulate()
{
    m_triangulated = true;
    m_rings.clear();
    m_triangles.clear();
    QList<QGeoCoordinate> validPath;
    for (const QGeoCoordinate &c : std::as_const(m_path)) {
        if (c.isValid())
            validPath.append(c);
    }
    if (validPath.size() < 3)
        return;
    const QPolygonF outer = GeoPathProjector::unwrappedRing(validPath, MapCamera::mercator(validPath.first()).x());
    m_centre = outer.boundingRect().center();
    m_rings.append(outer.translated(-m_centre));
    for (const QList<QGeoCoordinate> &hole : std::as_const(m_holes)) {
        const QPolygonF ring = GeoPathProjector::unwrappedRing(hole, outer.first().x());
        if (ring.size() >= 3)
            m_rings.append(ring.translated(-m_centre));
    }
    auto scaled = [](const QPolygonF &ring) {
        QPolygonF s;
        s.reserve(ring.size());
        for (const QPointF &p : ring)
            s.append(p * TriangleScale);
        return s;
    };
    QList<QPolygonF> holes;
    for (qsizetype i = 1; i < m_rings.size(); ++i)
        holes.append(scaled(m_rings.at(i)));
    m_triangles = PolygonTriangulator::triangulate(scaled(m_rings.first()), holes);
}

void MapPolygon::buildGeometry(const MapCamera &camera, QList<QPointF> &fill, QList<QPointF> &stroke)
{
    if (!m_triangulated)
        triangulate();
    m_layerRings.clear();
    if (m_rings.isEmpty())
        return;
    const double worldSize = camera.worldSize();
    const QPointF anchor = camera.mercatorToLayer(m_centre);
    const double factor = worldSize / TriangleScale;
    fill.reserve(m_triangles.size());
    for (const QPointF &t : std::as_const(m_triangles))
        fill.append(anchor + t * factor);
    const StrokeBuilder::Style style{m_border.width(), Qt::FlatCap, m_border.effectiveDashPattern()};
    for (const QPolygonF &ring : std::as_const(m_rings)) {
        QPolygonF layerRing;
        layerRing.reserve(ring.size());
        for (const QPointF &m : ring)
            layerRing.append(anchor + m * worldSize);
        StrokeBuilder::stroke(layerRing, true, style, stroke);
        m_layerRings.append(layerRing);
    }
}

bool MapPolygon::contains(const QPointF &point) const
{
    if (isParked())
        return false;
    const QPointF p = toLayer(point);
    if (ShapeHitTest::insideRings(p, m_layerRings))
        return true;
    if (m_border.width() <= 0.0)
        return false;
    const double reach = m_border.width() / 2.0;
    return std::any_of(m_layerRings.begin(), m_layerRings.end(),
                       [&](const QPolygonF &ring) { return ShapeHitTest::distanceToPolyline(p, ring, true) <= reach; });
}
