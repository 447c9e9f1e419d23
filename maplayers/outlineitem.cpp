#include "outlineitem.h"

#include "mapgeometrynode.h"
#include "polygontriangulator.h"
#include "strokebuilder.h"

#include <cmath>

OutlineItem::OutlineItem(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
}

void OutlineItem::setPoints(const QList<QPointF> &points)
{
    if (points == m_points)
        return;
    m_points = points;
    geometryUpdated();
    emit pointsChanged();
}

void OutlineItem::setFillColor(const QColor &color)
{
    if (color == m_fillColor)
        return;
    m_fillColor = color;
    update();
    emit fillColorChanged();
}

void OutlineItem::setStrokeColor(const QColor &color)
{
    if (color == m_strokeColor)
        return;
    m_strokeColor = color;
    update();
    emit strokeColorChanged();
}

void OutlineItem::setStrokeWidth(qreal width)
{
    if (width == m_strokeWidth || !std::isfinite(width))
        return;
    m_strokeWidth = width;
    geometryUpdated();
    emit strokeWidthChanged();
}

void OutlineItem::geometryUpdated()
{
    m_geometryDirty = true;
    update();
}

QSGNode *OutlineItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    QSGNode *root = oldNode;
    if (!root) {
        root = new QSGNode;
        root->appendChildNode(new MapGeometryNode);
        root->appendChildNode(new MapGeometryNode);
        m_geometryDirty = true;
    }
    auto *fill = static_cast<MapGeometryNode *>(root->firstChild());
    auto *stroke = static_cast<MapGeometryNode *>(root->lastChild());
    if (m_geometryDirty) {
        const QPolygonF ring(m_points);
        fill->setTriangles(PolygonTriangulator::triangulate(ring));
        QList<QPointF> triangles;
        if (m_strokeWidth > 0.0) {
            StrokeBuilder::Style style;
            style.width = m_strokeWidth;
            StrokeBuilder::stroke(ring, true, style, triangles);
        }
        stroke->setTriangles(triangles);
        m_geometryDirty = false;
    }
    fill->setColor(m_fillColor);
    stroke->setColor(m_strokeColor);
    return root;
}
