#pragma once

#include "mapitembase.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>

class MapCamera;

// A map item drawn as triangles in the scene graph: an optional fill below a stroke. Geometry is
// rebuilt in C++ once per frame at most, when the path, the line or the zoom changed; the item
// then spans the bounding box of what it draws, in layer coordinates.
class MapShapeItem : public MapItemBase
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit MapShapeItem(QQuickItem *parent = nullptr);

    // A line narrower than this still answers the pointer this far from its middle, so that thin
    // airways can be hovered.
    static constexpr double MinimumHitHalfWidth = 3.0;

protected:
    // Triangles (three points each) of the fill and of the stroke, in layer coordinates.
    virtual void buildGeometry(const MapCamera &camera, QList<QPointF> &fill, QList<QPointF> &stroke) = 0;
    virtual QColor fillColor() const { return Qt::transparent; }
    virtual QColor strokeColor() const = 0;

    void geometryDirty();
    void mapGeometryChanged() override { geometryDirty(); }
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

    // Layer coordinates of a point of this item (the item's parent sits at the layer origin).
    QPointF toLayer(QPointF local) const { return local + position(); }

private:
    QList<QPointF> m_fill;
    QList<QPointF> m_stroke;
    bool m_nodeDirty = true;
    // A hidden shape (many are, until a theme or zoom shows them) builds nothing until shown.
    bool m_dirtyWhileHidden = false;
};
