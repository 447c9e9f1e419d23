#include "mapquickitem.h"

#include "mapplugin.h"
#include "maptype.h"
#include "mapview.h"

#include <cmath>

MapQuickItem::MapQuickItem(QQuickItem *parent)
    : MapItemBase(parent)
    , m_holder(new QQuickItem(this))
{
    m_holder->setTransformOrigin(QQuickItem::TopLeft);
    m_holder->setVisible(false);
}

void MapQuickItem::setCoordinate(const QGeoCoordinate &coordinate)
{
    if (coordinate == m_coordinate && coordinate.isValid() == m_coordinate.isValid())
        return;
    m_coordinate = coordinate;
    if (coordinate.isValid())
        m_mercator = MapCamera::mercator(coordinate);
    mapGeometryChanged();
    emit coordinateChanged();
}

void MapQuickItem::setSourceItem(QQuickItem *item)
{
    if (item == m_sourceItem)
        return;
    if (m_sourceItem && m_sourceItem->parentItem() == m_holder)
        m_sourceItem->setParentItem(nullptr);
    m_sourceItem = item;
    if (item) {
        item->setParentItem(m_holder);
        item->setPosition(-m_anchorPoint);
    }
    emit sourceItemChanged();
}

void MapQuickItem::setAnchorPoint(QPointF point)
{
    if (point == m_anchorPoint)
        return;
    m_anchorPoint = point;
    if (m_sourceItem)
        m_sourceItem->setPosition(-point);
    emit anchorPointChanged();
}

void MapQuickItem::setZoomLevel(qreal zoom)
{
    if (zoom == m_zoomLevel)
        return;
    m_zoomLevel = zoom;
    mapGeometryChanged();
    emit zoomLevelChanged();
}

void MapQuickItem::mapGeometryChanged()
{
    MapView *view = map();
    if (!view || !m_coordinate.isValid() || isParked()) {
        m_holder->setVisible(false);
        return;
    }
    const MapCamera &camera = view->camera();
    setPosition(camera.mercatorToLayer(m_mercator));
    m_holder->setScale(m_zoomLevel > 0.0 ? std::exp2(camera.zoom() - m_zoomLevel) : 1.0);
    m_holder->setVisible(true);
}

void MapQuickItem::parkedChanged()
{
    mapGeometryChanged();
    mapBearingChanged();
}

void MapQuickItem::mapBearingChanged()
{
    // The layer turns by -bearing; turning back keeps the symbol upright on screen.
    MapView *view = map();
    if (view && !isParked())
        m_holder->setRotation(view->bearing());
}
