#pragma once

#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>

// The view of a Web Mercator map: centre, fractional zoom, bearing and viewport size, and the
// conversions between geographic coordinates, unit Mercator positions (x east in [0, 1), y south
// in [0, 1]), screen pixels of the map item and the item layer's coordinates. Plain value type
// so the math can be tested without a window.
class MapCamera
{
public:
    static constexpr double TileSize = 256.0;
    // Web Mercator stops at the latitude whose Mercator y is 0 or 1.
    static constexpr double MaxLatitude = 85.0511287798066;

    QGeoCoordinate center() const { return m_center; }
    // Latitude is held inside the Mercator square and longitude wrapped to [-180, 180).
    void setCenter(const QGeoCoordinate &center);
    QPointF centerMercator() const { return m_centerMercator; }
    void setCenterMercator(QPointF m);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom) { m_zoom = zoom; }
    // Degrees clockwise from north of the direction the top of the view points to, in [0, 360).
    double bearing() const { return m_bearing; }
    void setBearing(double bearing);
    QSizeF viewportSize() const { return m_size; }
    void setViewportSize(QSizeF size) { m_size = size; }

    static QPointF mercator(const QGeoCoordinate &coordinate);
    static QGeoCoordinate fromMercator(QPointF m);
    // A longitude difference in Mercator units taken the short way round, in [-0.5, 0.5).
    static double wrapDelta(double dx);

    // Pixels per Mercator unit: 256 * 2^zoom.
    double worldSize() const;

    // Screen pixels of the map item, bearing applied; the copy of the world nearest the centre.
    QPointF toItem(const QGeoCoordinate &coordinate) const;
    QPointF mercatorToItem(QPointF m) const;
    // Not wrapped: a Mercator x outside [0, 1) gives a copy of the world beside this one.
    QPointF worldToItem(QPointF m) const;
    QGeoCoordinate fromItem(QPointF point) const;
    // Not wrapped: x may leave [0, 1) when the view shows the world's edge.
    QPointF itemToMercator(QPointF point) const;

    // The item layer holds world pixels at the current zoom relative to the layer origin (a
    // Mercator point kept near the centre so that single-precision scene coordinates stay exact).
    void setLayerOrigin(QPointF m) { m_origin = m; }
    // x taken on the copy of the world nearest the origin.
    QPointF mercatorToLayer(QPointF m) const;
    // A Mercator polyline in the layer, placed as a whole on the copy of the world its middle
    // maps to (so a line across the 180th meridian stays one line).
    QPolygonF mercatorToLayer(const QPolygonF &line) const;
    // Where the view centre lies in layer coordinates.
    QPointF centerInLayer() const { return mercatorToLayer(m_centerMercator); }

    // The four view corners (top left, top right, bottom right, bottom left) in Mercator units,
    // unwrapped around the centre.
    QPolygonF viewportMercator() const;
    QGeoRectangle visibleBoundingBox() const;

    void pan(double dx, double dy);
    // Moves the centre so that the coordinate shows at the item point.
    void alignCoordinateToPoint(const QGeoCoordinate &coordinate, QPointF point);
    // Centre and zoom that show the rectangle with the margin (pixels) on every side, the zoom
    // held in [minZoom, maxZoom]. A rectangle whose left edge lies east of its right edge crosses
    // the 180th meridian.
    void fitRectangle(const QGeoRectangle &rectangle, double margin, double minZoom, double maxZoom);

private:
    QPointF rotateToScreen(QPointF world) const;
    QPointF rotateToWorld(QPointF screen) const;

    QGeoCoordinate m_center{0.0, 0.0};
    QPointF m_centerMercator{0.5, 0.5};
    QPointF m_origin{0.5, 0.5};
    double m_zoom = 0.0;
    double m_bearing = 0.0;
    QSizeF m_size;
};
