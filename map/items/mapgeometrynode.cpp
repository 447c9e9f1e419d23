#include "mapgeometrynode.h"

MapGeometryNode::MapGeometryNode()
    : m_geometry(QSGGeometry::defaultAttributes_Point2D(), 0)
{
    m_geometry.setDrawingMode(QSGGeometry::DrawTriangles);
    setGeometry(&m_geometry);
    setMaterial(&m_material);
}

void MapGeometryNode::setTriangles(const QList<QPointF> &triangles)
{
    m_geometry.allocate(int(triangles.size()));
    QSGGeometry::Point2D *vertices = m_geometry.vertexDataAsPoint2D();
    for (qsizetype i = 0; i < triangles.size(); ++i)
        vertices[i].set(float(triangles.at(i).x()), float(triangles.at(i).y()));
    markDirty(QSGNode::DirtyGeometry);
}

void MapGeometryNode::setColor(const QColor &color)
{
    if (m_material.color() == color)
        return;
    m_material.setColor(color);
    markDirty(QSGNode::DirtyMaterial);
}
