#include "mapview.h"

#include "mapplugin.h"
#include "maptype.h"
#include "tilecoverage.h"
#include "tileengine.h"

#include <QFont>
#include <QFontMetrics>
#include <QGeoCircle>
#include <QGeoPath>
#include <QGeoPolygon>
#include <QGeoRectangle>
#include <QPainter>
#include <QQuickWindow>
#include <QSet>
#include <QtMath>
#include <cmath>

namespace {
// Past this distance (pixels) from the layer origin, single-precision scene coordinates start to
// lose sub-pixel accuracy, so the origin follows the centre.
constexpr double MaxLayerOffset = 100000.0;
// A quarter of the world keeps the wrapped layer x of nearby items continuous.
constexpr double MaxLayerOffsetWorld = 0.25;
} // namespace

MapView::MapView(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
    setClip(true);
    m_rotor = new QQuickItem(this);
    m_rotor->setTransformOrigin(QQuickItem::TopLeft);
    m_layer = new QQuickItem(m_rotor);
    m_camera.setZoom(std::clamp(m_camera.zoom(), m_minimumZoom, m_maximumZoom));
}

MapView::~MapView() = default;

MapView *MapView::mapFor(const QQuickItem *item)
{
    for (QQuickItem *p = item ? item->parentItem() : nullptr; p; p = p->parentItem()) {
        if (auto *map = qobject_cast<MapView *>(p))
            return map;
    }
    return nullptr;
}

bool MapView::isMapItem(const QQuickItem *item)
{
    if (!item)
        return false;
    if (item->inherits("MapItemBase"))
        return true;
    const QMetaObject *meta = item->metaObject();
    const int index = meta->indexOfClassInfo("MapItem");
    return index >= 0 && qstrcmp(meta->classInfo(index).value(), "true") == 0;
}

MapView::CameraState MapView::state() const
{
    return {m_camera.center(), m_camera.zoom(), m_camera.bearing()};
}

void MapView::setCenter(const QGeoCoordinate &center)
{
    if (!center.isValid() || center == m_camera.center())
        return;
    const CameraState before = state();
    m_camera.setCenter(center);
    cameraUpdated(before);
}

void MapView::setZoomLevel(double zoom)
{
    if (!std::isfinite(zoom))
        return;
    const CameraState before = state();
    m_camera.setZoom(std::clamp(zoom, m_minimumZoom, m_maximumZoom));
    cameraUpdated(before);
}

void MapView::setMinimumZoomLevel(double zoom)
{
    zoom = std::clamp(zoom, 0.0, 30.0);
    if (!std::isfinite(zoom) || zoom == m_minimumZoom)
        return;
    m_minimumZoom = zoom;
    if (m_maximumZoom < zoom) {
        m_maximumZoom = zoom;
        emit maximumZoomLevelChanged();
    }
    emit minimumZoomLevelChanged();
    if (zoomLevel() < zoom)
        setZoomLevel(zoom);
}

void MapView::setMaximumZoomLevel(double zoom)
{
    zoom = std::clamp(zoom, 0.0, 30.0);
    if (!std::isfinite(zoom) || zoom == m_maximumZoom)
        return;
    m_maximumZoom = zoom;
    if (m_minimumZoom > zoom) {
        m_minimumZoom = zoom;
        emit minimumZoomLevelChanged();
    }
    emit maximumZoomLevelChanged();
    if (zoomLevel() > zoom)
        setZoomLevel(zoom);
}

void MapView::setBearing(double bearing)
{
    if (!std::isfinite(bearing))
        return;
    const CameraState before = state();
    m_camera.setBearing(bearing);
    cameraUpdated(before);
}

void MapView::setCopyrightsVisible(bool visible)
{
    if (visible == m_copyrightsVisible)
        return;
    m_copyrightsVisible = visible;
    emit copyrightsVisibleChanged();
    updateCopyright();
}

void MapView::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
    update();
}

void MapView::cameraUpdated(const CameraState &before, bool sizeChanged)
{
    const bool centerMoved = before.center != m_camera.center();
    const bool zoomed = before.zoom != m_camera.zoom();
    const bool turned = before.bearing != m_camera.bearing();
    if (!centerMoved && !zoomed && !turned && !sizeChanged)
        return;

    bool originMoved = false;
    if (zoomed) {
        m_camera.setLayerOrigin(m_camera.centerMercator());
    } else if (centerMoved) {
        const QPointF offset = m_camera.centerInLayer();
        if (std::abs(offset.x()) > MaxLayerOffset || std::abs(offset.y()) > MaxLayerOffset
            || std::abs(offset.x()) > MaxLayerOffsetWorld * m_camera.worldSize()) {
            m_camera.setLayerOrigin(m_camera.centerMercator());
            originMoved = true;
        }
    }
    updateLayerTransform();

    if (zoomed)
        emit zoomLevelChanged(m_camera.zoom());
    if (originMoved)
        emit layerOriginChanged();
    if (centerMoved)
        emit centerChanged(m_camera.center());
    if (turned)
        emit bearingChanged(m_camera.bearing());
    emit cameraChanged();
    emit visibleRegionChanged();
    polish();
}

void MapView::updateLayerTransform()
{
    const QSizeF size = m_camera.viewportSize();
    m_rotor->setPosition(QPointF(size.width() / 2.0, size.height() / 2.0));
    m_rotor->setRotation(-m_camera.bearing());
    m_layer->setPosition(-m_camera.centerInLayer());
}

void MapView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    const CameraState before = state();
    m_camera.setViewportSize(newGeometry.size());
    cameraUpdated(before, true);
    if (m_completed && !m_mapReady && m_plugin && width() > 0 && height() > 0) {
        m_mapReady = true;
        emit mapReadyChanged(true);
    }
}

void MapView::componentComplete()
{
    QQuickItem::componentComplete();
    m_completed = true;
    adoptChildren();
    pluginUpdated();
    updateLayerTransform();
    polish();
    if (!m_mapReady && m_plugin && width() > 0 && height() > 0) {
        m_mapReady = true;
        emit mapReadyChanged(true);
    }
}

void MapView::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemChildAddedChange && m_completed && isMapItem(data.item))
        addMapItem(data.item);
    // The notice is drawn for the screen's pixel ratio.
    if (change == ItemSceneChange && data.window && m_completed)
        updateCopyright();
    QQuickItem::itemChange(change, data);
}

void MapView::adoptChildren()
{
    // The layer takes the place of the first declared map item, so that plain children declared
    // before the items (a mouse area under everything) stay below them and later ones above.
    const QList<QQuickItem *> children = childItems();
    for (QQuickItem *child : children) {
        if (isMapItem(child)) {
            m_rotor->stackBefore(child);
            break;
        }
    }
    for (QQuickItem *child : children) {
        if (isMapItem(child))
            addMapItem(child);
    }
}

void MapView::addMapItem(QQuickItem *item)
{
    if (item && item->parentItem() != m_layer)
        item->setParentItem(m_layer);
}

void MapView::setPlugin(MapPlugin *plugin)
{
    if (plugin == m_plugin)
        return;
    if (m_plugin)
        m_plugin->disconnect(this);
    m_plugin = plugin;
    if (m_plugin)
        connect(m_plugin, &MapPlugin::changed, this, &MapView::pluginUpdated);
    emit pluginChanged();
    // Map types are known at once, for bindings made while the map is being created.
    pluginUpdated();
}

QQmlListProperty<MapType> MapView::supportedMapTypes()
{
    return QQmlListProperty<MapType>(this, &m_mapTypes);
}

void MapView::setActiveMapType(MapType *type)
{
    if (type == m_activeMapType)
        return;
    m_activeMapType = type;
    emit activeMapTypeChanged();
    providersUpdated();
}

QGeoShape MapView::visibleRegion() const
{
    const QPolygonF corners = m_camera.viewportMercator();
    if (corners.boundingRect().width() >= 1.0 || m_camera.viewportSize().isEmpty())
        return m_camera.visibleBoundingBox();
    QGeoPolygon polygon;
    for (const QPointF &m : corners)
        polygon.addCoordinate(MapCamera::fromMercator(m));
    return polygon;
}

QGeoCoordinate MapView::toCoordinate(const QPointF &position, bool clip) const
{
    if (clip && !QRectF(0, 0, width(), height()).contains(position))
        return QGeoCoordinate();
    return m_camera.fromItem(position);
}

QPointF MapView::fromCoordinate(const QGeoCoordinate &coordinate, bool clip) const
{
    if (!coordinate.isValid())
        return QPointF(qQNaN(), qQNaN());
    const QPointF point = m_camera.toItem(coordinate);
    if (clip && !QRectF(0, 0, width(), height()).contains(point))
        return QPointF(qQNaN(), qQNaN());
    return point;
}

void MapView::alignCoordinateToPoint(const QGeoCoordinate &coordinate, const QPointF &point)
{
    if (!coordinate.isValid())
        return;
    const CameraState before = state();
    m_camera.alignCoordinateToPoint(coordinate, point);
    cameraUpdated(before);
}

void MapView::pan(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    const CameraState before = state();
    m_camera.pan(dx, dy);
    cameraUpdated(before);
}

void MapView::fitViewportToGeoShape(const QVariant &shape, const QVariant &margin)
{
    QGeoRectangle box;
    const QMetaType type = shape.metaType();
    if (type == QMetaType::fromType<QGeoRectangle>())
        box = shape.value<QGeoRectangle>();
    else if (type == QMetaType::fromType<QGeoCircle>())
        box = shape.value<QGeoCircle>().boundingGeoRectangle();
    else if (type == QMetaType::fromType<QGeoPath>())
        box = shape.value<QGeoPath>().boundingGeoRectangle();
    else if (type == QMetaType::fromType<QGeoPolygon>())
        box = shape.value<QGeoPolygon>().boundingGeoRectangle();
    else if (type == QMetaType::fromType<QGeoShape>())
        box = shape.value<QGeoShape>().boundingGeoRectangle();
    else if (shape.canConvert<QVariantList>()) {
        QList<QGeoCoordinate> path;
        for (const QVariant &v : shape.toList()) {
            if (v.metaType() == QMetaType::fromType<QGeoCoordinate>())
                path.append(v.value<QGeoCoordinate>());
        }
        if (!path.isEmpty())
            box = QGeoRectangle(path);
    }
    if (!box.isValid()) {
        qWarning() << "Map cannot fit the view to" << shape;
        return;
    }
    const double pixels = margin.isValid() ? margin.toDouble() : 0.0;
    const CameraState before = state();
    m_camera.fitRectangle(box, std::isfinite(pixels) ? std::max(pixels, 0.0) : 0.0, m_minimumZoom, m_maximumZoom);
    cameraUpdated(before);
}

void MapView::updateMapTypes()
{
    // Types by the repository's names, in the order the themes count them.
    struct TypeInfo
    {
        MapType::MapStyle style;
        const char *key;
        const char *name;
        const char *description;
        bool night;
    };
    static const TypeInfo osmTypes[] = {
        {MapType::StreetMap, "street", "Street Map", "Streets and places", false},
        {MapType::SatelliteMapDay, "satellite", "Satellite Map", "Aerial imagery", false},
        {MapType::CycleMap, "cycle", "Cycle Map", "Cycle routes over streets", false},
        {MapType::TransitMap, "transit", "Transit Map", "Public transport lines", false},
        {MapType::TransitMap, "night-transit", "Night Transit Map", "Public transport lines, dark", true},
        {MapType::TerrainMap, "terrain", "Terrain Map", "Relief and elevation shading", false},
        {MapType::PedestrianMap, "hiking", "Hiking Map", "Trails and paths", false},
    };
    QList<TypeInfo> wanted;
    if (m_plugin && m_plugin->hasTiles()) {
        wanted = QList<TypeInfo>(std::begin(osmTypes), std::end(osmTypes));
        if (!m_plugin->parameter(QStringLiteral("osm.mapping.custom.host")).toString().isEmpty())
            wanted.append({MapType::CustomMap, "custom", "Custom URL Map", "Tiles from the custom address", false});
    } else if (m_plugin) {
        wanted.append({MapType::NoMap, "itemsoverlay", "Items Overlay", "A map with no tiles, for items", false});
    }

    QStringList oldKeys, newKeys;
    for (const MapType *type : std::as_const(m_mapTypes))
        oldKeys.append(type->key());
    for (const TypeInfo &info : std::as_const(wanted))
        newKeys.append(QString::fromLatin1(info.key));
    if (oldKeys == newKeys)
        return;
    const QString activeKey = m_activeMapType ? m_activeMapType->key() : QString();
    const QList<MapType *> old = m_mapTypes;
    m_mapTypes.clear();
    for (const TypeInfo &info : std::as_const(wanted)) {
        m_mapTypes.append(new MapType(info.style, QString::fromLatin1(info.key), QString::fromLatin1(info.name),
                                      QString::fromLatin1(info.description), info.night, this));
    }
    // The default first: a binding that picks from the new list runs on the change signal and wins.
    m_activeMapType = m_mapTypes.value(std::max<qsizetype>(newKeys.indexOf(activeKey), 0));
    emit activeMapTypeChanged();
    emit supportedMapTypesChanged();
    qDeleteAll(old);
}

void MapView::pluginUpdated()
{
    updateMapTypes();
    if (!m_completed)
        return;
    const bool tiles = m_plugin && m_plugin->hasTiles();
    if (tiles) {
        if (!m_engine) {
            m_engine = new TileEngine(this);
            connect(m_engine, &TileEngine::tileReady, this, &QQuickItem::polish);
            connect(m_engine, &TileEngine::cacheFailed, this, &MapView::tileCacheFailed);
            connect(m_engine, &TileEngine::providerChanged, this, [this] {
                updateCopyright();
                polish();
            });
        }
        m_engine->configure(TileEngineSettings::fromPlugin(*m_plugin));
    } else if (m_engine) {
        delete m_engine;
        m_engine = nullptr;
    }
    providersUpdated();
    if (!m_mapReady && m_plugin && width() > 0 && height() > 0) {
        m_mapReady = true;
        emit mapReadyChanged(true);
    }
}

void MapView::providersUpdated()
{
    if (m_engine && m_activeMapType)
        m_engine->setMapType(m_activeMapType->key());
    updateCopyright();
    polish();
}

void MapView::updateCopyright()
{
    const QString text = m_engine && m_copyrightsVisible ? m_engine->provider().copyright : QString();
    if (text.isEmpty()) {
        m_copyright = QImage();
        update();
        return;
    }
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    QFont font;
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
    QImage image(size * dpr, QImage::Format_RGBA8888_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(255, 255, 255, 180));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    painter.end();
    m_copyright = image;
    update();
}

QList<TileDraw> MapView::tilePass()
{
    QList<TileDraw> draw;
    if (!m_engine || width() <= 0 || height() <= 0)
        return draw;
    const TileProvider &provider = m_engine->provider();
    const TileCoverage coverage(m_camera, provider.minimumZoom, provider.maximumZoom);
    const QList<TileCoverage::Tile> tiles = coverage.visibleTiles();

    QList<TileKey> wanted;
    QSet<quint64> seen;
    for (const TileCoverage::Tile &tile : tiles) {
        const TileKey key = TileCoverage::wrapped(tile.z, tile.x, tile.y);
        if (!seen.contains(key.packed())) {
            seen.insert(key.packed());
            wanted.append(key);
        }
    }
    m_engine->request(wanted);

    const auto loaded = [this](const TileKey &key) { return !m_engine->image(key).isNull(); };
    for (const TileCoverage::Placed &tile : coverage.drawList(tiles, loaded))
        draw.append({tile.key.packed(), tile.rect, m_engine->image(tile.key)});
    return draw;
}

void MapView::updatePolish()
{
    m_draw = tilePass();
    update();
}

QSGNode *MapView::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<TileNode *>(oldNode);
    if (!node)
        node = new TileNode(window());
    TileNode::Frame frame;
    frame.bounds = boundingRect();
    frame.color = m_color;
    frame.matrix.translate(float(width() / 2.0), float(height() / 2.0));
    frame.matrix.rotate(float(-m_camera.bearing()), 0.0f, 0.0f, 1.0f);
    frame.tiles = m_draw;
    frame.generation = m_engine ? m_engine->generation() : 0;
    frame.textureCapacity = m_engine ? m_engine->memoryTiles() : 0;
    frame.copyright = m_copyright;
    node->update(frame);
    return node;
}
