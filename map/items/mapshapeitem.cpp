#include "mapshapeitem.h"

#include "mapgeometrynode.h"
#include "mapplugin.h"
#include "maptype.h"
#include "mapview.h"

#include <algorithm>
#include <utility>

MapShapeItem::MapShapeItem(QQuickItem *parent)
    : MapItemBase(parent)
{
    setFlag(ItemHasContents);
}

void MapShapeItem::geometryDirty()
{
    if (!isVisible()) {
        m_dirtyWhileHidden = true;
        return;
    }
    polish();
}

void MapShapeItem::itemChange(ItemChange change, const ItemChangeData &data)
{
    MapItemBase::itemChange(change, data);
    if (change == ItemVisibleHasChanged && data.boolValue && std::exchange(m_dirtyWhileHidden, false))
        polish();
}

void MapShapeItem::updatePolish()
{
    m_fill.clear();
    m_stroke.clear();
    MapView *view = map();
    if (view && !isParked())
        buildGeometry(view->camera(), m_fill, m_stroke);

    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    bool first = true;
    for (const QList<QPointF> *list : {&m_fill, &m_stroke}) {
        for (const QPointF &p : *list) {
            if (first) {
                left = right = p.x();
                top = bottom = p.y();
                first = false;
                continue;
            }
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    }
    const QPointF origin(left, top);
    for (QList<QPointF> *list : {&m_fill, &m_stroke}) {
        for (QPointF &p : *list)
            p -= origin;
    }
    setPosition(origin);
    setSize(QSizeF(right - left, bottom - top));
    m_nodeDirty = true;
    update();
}

QSGNode *MapShapeItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    QSGNode *root = oldNode;
    if (!root) {
        root = new QSGNode;
        root->appendChildNode(new MapGeometryNode);
        root->appendChildNode(new MapGeometryNode);
        m_nodeDirty = true;
    }
    auto *fill = static_cast<MapGeometryNode *>(root->firstChild());
    auto *stroke = static_cast<MapGeometryNode *>(root->lastChild());
    if (m_nodeDirty) {
        fill->setTriangles(fillColor().alpha() > 0 ? m_fill : QList<QPointF>());
        stroke->setTriangles(strokeColor().alpha() > 0 ? m_stroke : QList<QPointF>());
        m_nodeDirty = false;
    }
    fill->setColor(fillColor());
    stroke->setColor(strokeColor());
    return root;
}
