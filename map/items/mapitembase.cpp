#include "mapitembase.h"

#include "mapplugin.h"
#include "maptype.h"
#include "mapview.h"

#include <QJSValue>
#include <QSequentialIterable>

#include <utility>

MapItemBase::MapItemBase(QQuickItem *parent)
    : QQuickItem(parent)
{
}

MapItemBase::~MapItemBase() = default;

MapView *MapItemBase::map() const
{
    return m_map.data();
}

void MapItemBase::refreshMap()
{
    MapView *map = MapView::mapFor(this);
    if (map != m_map) {
        for (const QMetaObject::Connection &c : std::as_const(m_connections))
            disconnect(c);
        m_connections.clear();
        m_map = map;
        if (map) {
            m_connections << connect(map, &MapView::zoomLevelChanged, this, &MapItemBase::mapMoved)
                          << connect(map, &MapView::layerOriginChanged, this, &MapItemBase::mapMoved);
            if (followsBearing())
                m_connections << connect(map, &MapView::bearingChanged, this, &MapItemBase::mapTurned);
        }
        mapGeometryChanged();
        if (followsBearing())
            mapBearingChanged();
    }
    const QList<QQuickItem *> children = childItems();
    for (QQuickItem *child : children) {
        if (auto *item = qobject_cast<MapItemBase *>(child))
            item->refreshMap();
    }
}

void MapItemBase::mapMoved()
{
    if (isVisible())
        mapGeometryChanged();
    else
        m_movedWhileHidden = true;
}

void MapItemBase::mapTurned()
{
    if (isVisible())
        mapBearingChanged();
    else
        m_turnedWhileHidden = true;
}

void MapItemBase::setParked(bool parked)
{
    if (parked == m_parked)
        return;
    m_parked = parked;
    parkedChanged();
}

void MapItemBase::componentComplete()
{
    QQuickItem::componentComplete();
    refreshMap();
}

void MapItemBase::itemChange(ItemChange change, const ItemChangeData &data)
{
    QQuickItem::itemChange(change, data);
    if (change == ItemParentHasChanged && isComponentComplete())
        refreshMap();
    if (change == ItemVisibleHasChanged && data.boolValue) {
        if (std::exchange(m_movedWhileHidden, false))
            mapGeometryChanged();
        if (std::exchange(m_turnedWhileHidden, false))
            mapBearingChanged();
    }
}

QList<QGeoCoordinate> MapItemBase::coordinateList(const QVariant &value)
{
    QVariant v = value;
    if (v.metaType() == QMetaType::fromType<QJSValue>())
        v = v.value<QJSValue>().toVariant();
    if (v.metaType() == QMetaType::fromType<QList<QGeoCoordinate>>())
        return v.value<QList<QGeoCoordinate>>();
    QList<QGeoCoordinate> coordinates;
    if (!v.canConvert<QVariantList>())
        return coordinates;
    const QSequentialIterable iterable = v.value<QSequentialIterable>();
    coordinates.reserve(iterable.size());
    for (const QVariant &element : iterable) {
        QVariant e = element;
        if (e.metaType() == QMetaType::fromType<QJSValue>())
            e = e.value<QJSValue>().toVariant();
        coordinates.append(e.value<QGeoCoordinate>());
    }
    return coordinates;
}

QVariantList MapItemBase::variantList(const QList<QGeoCoordinate> &coordinates)
{
    QVariantList list;
    list.reserve(coordinates.size());
    for (const QGeoCoordinate &c : coordinates)
        list.append(QVariant::fromValue(c));
    return list;
}
