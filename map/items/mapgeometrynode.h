#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSGFlatColorMaterial>
#include <QSGGeometry>
#include <QSGGeometryNode>

// One colour, a list of triangles: what the polylines and polygons hand to the scene graph.
class MapGeometryNode : public QSGGeometryNode
{
public:
    MapGeometryNode();

    void setTriangles(const QList<QPointF> &triangles);
    void setColor(const QColor &color);

private:
    QSGGeometry m_geometry;
    QSGFlatColorMaterial m_material;
};
