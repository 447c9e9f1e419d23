#pragma once

#include <QGeoCoordinate>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QQuickItem>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class MapView;

// Common base of the map items. A map item lives in the map's item layer (or in a container that
// sits at the layer's origin), so its coordinates are world pixels at the current zoom: a pan
// moves the layer and leaves the items alone, while a zoom change or a move of the layer origin
// makes each item recompute where it lies.
class MapItemBase : public QQuickItem
{
    Q_OBJECT
    Q_CLASSINFO("MapItem", "true")
    QML_ANONYMOUS

public:
    explicit MapItemBase(QQuickItem *parent = nullptr);
    ~MapItemBase() override;

    MapView *map() const;
    // Looks the map up again, for this item and the map items inside it: a container that moves
    // into a map brings its children along without them being told.
    void refreshMap();

    // A list of coordinates from what QML or a model role hands over: a list of coordinates, a
    // list of variants holding coordinates, or a script array of them.
    static QList<QGeoCoordinate> coordinateList(const QVariant &value);

    // A delegate its view keeps for reuse: it stays in the scene (its nodes stay built) but draws
    // nothing, takes no pointer events and ignores the map until it serves a row again.
    void setParked(bool parked);
    bool isParked() const { return m_parked; }
    static QVariantList variantList(const QList<QGeoCoordinate> &coordinates);

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;

    // The map, its zoom or the layer origin changed: layer positions must be recomputed.
    virtual void mapGeometryChanged() {}
    // Only items that keep an upright orientation on a turned map need to hear of the bearing.
    virtual bool followsBearing() const { return false; }
    virtual void mapBearingChanged() {}
    virtual void parkedChanged() { mapGeometryChanged(); }

private:
    // Hidden items (a layer switched off, a delegate hidden by its binding) put their work off
    // until they are shown.
    void mapMoved();
    void mapTurned();

    QPointer<MapView> m_map;
    QList<QMetaObject::Connection> m_connections;
    bool m_parked = false;
    bool m_movedWhileHidden = false;
    bool m_turnedWhileHidden = false;
};
