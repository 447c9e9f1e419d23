#pragma once

#include "mapcamera.h"
#include "mapplugin.h"
#include "maptype.h"
#include "tilenode.h"

#include <QColor>
#include <QGeoCoordinate>
#include <QGeoShape>
#include <QImage>
#include <QPointer>
#include <QQmlListProperty>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class TileEngine;

// The map element: a Web Mercator tile map with map items drawn in one layer above the tiles
// (moved as a whole when the map pans) and plain Quick children in screen space. The layer stands
// where the first map item was declared: plain children declared before it lie below the items.
class MapView : public QQuickItem
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Map)
    Q_PROPERTY(MapPlugin *plugin READ plugin WRITE setPlugin NOTIFY pluginChanged)
    Q_PROPERTY(QGeoCoordinate center READ center WRITE setCenter NOTIFY centerChanged)
    Q_PROPERTY(double zoomLevel READ zoomLevel WRITE setZoomLevel NOTIFY zoomLevelChanged)
    Q_PROPERTY(double minimumZoomLevel READ minimumZoomLevel WRITE setMinimumZoomLevel NOTIFY minimumZoomLevelChanged)
    Q_PROPERTY(double maximumZoomLevel READ maximumZoomLevel WRITE setMaximumZoomLevel NOTIFY maximumZoomLevelChanged)
    Q_PROPERTY(double bearing READ bearing WRITE setBearing NOTIFY bearingChanged)
    // Accepted for callers written against tilting maps, but this map stays flat.
    Q_PROPERTY(double tilt READ tilt WRITE setTilt NOTIFY neutralChanged)
    Q_PROPERTY(double minimumTilt READ tilt WRITE setTilt NOTIFY neutralChanged)
    Q_PROPERTY(double maximumTilt READ tilt WRITE setTilt NOTIFY neutralChanged)
    Q_PROPERTY(double fieldOfView READ fieldOfView WRITE setFieldOfView NOTIFY neutralChanged)
    Q_PROPERTY(double minimumFieldOfView READ fieldOfView WRITE setFieldOfView NOTIFY neutralChanged)
    Q_PROPERTY(double maximumFieldOfView READ fieldOfView WRITE setFieldOfView NOTIFY neutralChanged)
    Q_PROPERTY(bool copyrightsVisible READ copyrightsVisible WRITE setCopyrightsVisible NOTIFY copyrightsVisibleChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QQmlListProperty<MapType> supportedMapTypes READ supportedMapTypes NOTIFY supportedMapTypesChanged)
    Q_PROPERTY(MapType *activeMapType READ activeMapType WRITE setActiveMapType NOTIFY activeMapTypeChanged)
    Q_PROPERTY(QGeoShape visibleRegion READ visibleRegion NOTIFY visibleRegionChanged)
    Q_PROPERTY(bool mapReady READ mapReady NOTIFY mapReadyChanged)

public:
    explicit MapView(QQuickItem *parent = nullptr);
    ~MapView() override;

    // The Map an item belongs to: the nearest Map among its parents (or null).
    static MapView *mapFor(const QQuickItem *item);
    // Map items (MapItemBase and classes that carry Q_CLASSINFO("MapItem", "true")) live in the
    // item layer instead of on top in screen space.
    static bool isMapItem(const QQuickItem *item);

    const MapCamera &camera() const { return m_camera; }
    // Parent of the map items: world pixels at the current zoom around the camera's layer origin.
    QQuickItem *itemLayer() const { return m_layer; }

    MapPlugin *plugin() const { return m_plugin; }
    void setPlugin(MapPlugin *plugin);
    QGeoCoordinate center() const { return m_camera.center(); }
    void setCenter(const QGeoCoordinate &center);
    double zoomLevel() const { return m_camera.zoom(); }
    void setZoomLevel(double zoom);
    double minimumZoomLevel() const { return m_minimumZoom; }
    void setMinimumZoomLevel(double zoom);
    double maximumZoomLevel() const { return m_maximumZoom; }
    void setMaximumZoomLevel(double zoom);
    double bearing() const { return m_camera.bearing(); }
    void setBearing(double bearing);
    double tilt() const { return 0.0; }
    void setTilt(double) {}
    double fieldOfView() const { return 45.0; }
    void setFieldOfView(double) {}
    bool copyrightsVisible() const { return m_copyrightsVisible; }
    void setCopyrightsVisible(bool visible);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QQmlListProperty<MapType> supportedMapTypes();
    const QList<MapType *> &mapTypes() const { return m_mapTypes; }
    MapType *activeMapType() const { return m_activeMapType; }
    void setActiveMapType(MapType *type);
    QGeoShape visibleRegion() const;
    bool mapReady() const { return m_mapReady; }
    TileEngine *tileEngine() const { return m_engine; }

    // clip: a point outside the view gives an invalid coordinate (and a coordinate outside the
    // view gives the point (NaN, NaN)).
    Q_INVOKABLE QGeoCoordinate toCoordinate(const QPointF &position, bool clip = true) const;
    Q_INVOKABLE QPointF fromCoordinate(const QGeoCoordinate &coordinate, bool clip = true) const;
    Q_INVOKABLE void alignCoordinateToPoint(const QGeoCoordinate &coordinate, const QPointF &point);
    Q_INVOKABLE void pan(int dx, int dy);
    // shape: any geo shape (or a list of coordinates); margin in pixels.
    Q_INVOKABLE void fitViewportToGeoShape(const QVariant &shape, const QVariant &margin = QVariant());
    Q_INVOKABLE void addMapItem(QQuickItem *item);

signals:
    void pluginChanged();
    void centerChanged(const QGeoCoordinate &center);
    void zoomLevelChanged(double zoomLevel);
    void minimumZoomLevelChanged();
    void maximumZoomLevelChanged();
    void bearingChanged(double bearing);
    void neutralChanged();
    void copyrightsVisibleChanged();
    void colorChanged();
    void supportedMapTypesChanged();
    void activeMapTypeChanged();
    void visibleRegionChanged();
    void mapReadyChanged(bool ready);
    // The tile cache on disk refused a file: the map goes on, fetching its tiles again.
    void tileCacheFailed(const QString &reason);
    // Any change of centre, zoom, bearing or size.
    void cameraChanged();
    // The layer origin moved: map items recompute their layer positions (also after zoom changes,
    // which are announced by zoomLevelChanged alone).
    void layerOriginChanged();

protected:
    void componentComplete() override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    struct CameraState
    {
        QGeoCoordinate center;
        double zoom;
        double bearing;
    };
    CameraState state() const;
    // Emits what changed since `before`, moves the layer and schedules the tile pass.
    void cameraUpdated(const CameraState &before, bool sizeChanged = false);
    void updateLayerTransform();
    void adoptChildren();
    void pluginUpdated();
    void updateMapTypes();
    void providersUpdated();
    void updateCopyright();
    QList<TileDraw> tilePass();

    MapCamera m_camera;
    QQuickItem *m_rotor = nullptr;
    QQuickItem *m_layer = nullptr;
    QPointer<MapPlugin> m_plugin;
    TileEngine *m_engine = nullptr;
    QList<MapType *> m_mapTypes;
    QPointer<MapType> m_activeMapType;
    double m_minimumZoom = 0.0;
    double m_maximumZoom = 20.0;
    QColor m_color = QColor(0xe0, 0xe0, 0xe0);
    bool m_copyrightsVisible = true;
    bool m_mapReady = false;
    bool m_completed = false;
    // Built on the interface thread by the tile pass, read by the paint pass.
    QList<TileDraw> m_draw;
    QImage m_copyright;
};
