#pragma once

#include "mapitembase.h"

#include <QPointF>

// A Quick item (symbol, label...) pinned to a coordinate. It keeps its screen size, or with a
// zoom level of its own it is drawn at the size it has at that zoom (scaled by
// 2^(map zoom - item zoom)); it stays upright when the map turns.
class MapQuickItem : public MapItemBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QGeoCoordinate coordinate READ coordinate WRITE setCoordinate NOTIFY coordinateChanged)
    Q_PROPERTY(QQuickItem *sourceItem READ sourceItem WRITE setSourceItem NOTIFY sourceItemChanged)
    Q_PROPERTY(QPointF anchorPoint READ anchorPoint WRITE setAnchorPoint NOTIFY anchorPointChanged)
    Q_PROPERTY(qreal zoomLevel READ zoomLevel WRITE setZoomLevel NOTIFY zoomLevelChanged)

public:
    explicit MapQuickItem(QQuickItem *parent = nullptr);

    QGeoCoordinate coordinate() const { return m_coordinate; }
    void setCoordinate(const QGeoCoordinate &coordinate);
    QQuickItem *sourceItem() const { return m_sourceItem; }
    void setSourceItem(QQuickItem *item);
    QPointF anchorPoint() const { return m_anchorPoint; }
    void setAnchorPoint(QPointF point);
    qreal zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(qreal zoom);

signals:
    void coordinateChanged();
    void sourceItemChanged();
    void anchorPointChanged();
    void zoomLevelChanged();

protected:
    void mapGeometryChanged() override;
    bool followsBearing() const override { return true; }
    void mapBearingChanged() override;
    void parkedChanged() override;

private:
    // Turns and scales the source item about the coordinate, and hides it without touching the
    // item's own visible flag, which delegates bind.
    QQuickItem *m_holder = nullptr;
    QPointer<QQuickItem> m_sourceItem;
    QGeoCoordinate m_coordinate;
    QPointF m_mercator;
    QPointF m_anchorPoint;
    qreal m_zoomLevel = 0.0;
};
