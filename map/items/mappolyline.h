#pragma once

#include "maplineproperties.h"
#include "mapshapeitem.h"
#include "referencesurface.h"

#include <QPolygonF>

// A line through a list of coordinates, straight on the map or along great circles.
class MapPolyline : public MapShapeItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(MapLineProperties *line READ line CONSTANT)
    Q_PROPERTY(int referenceSurface READ referenceSurface WRITE setReferenceSurface NOTIFY referenceSurfaceChanged)

public:
    explicit MapPolyline(QQuickItem *parent = nullptr);

    QVariant path() const { return variantList(m_path); }
    void setPath(const QVariant &path);
    MapLineProperties *line() { return &m_line; }
    int referenceSurface() const { return m_surface; }
    void setReferenceSurface(int surface);

    bool contains(const QPointF &point) const override;

signals:
    void pathChanged();
    void referenceSurfaceChanged();

protected:
    void buildGeometry(const MapCamera &camera, QList<QPointF> &fill, QList<QPointF> &stroke) override;
    QColor strokeColor() const override { return m_line.color(); }

private:
    MapLineProperties m_line;
    QList<QGeoCoordinate> m_path;
    int m_surface = ReferenceSurface::Map;
    // Mercator pieces, kept across zooms; great circles are densified again per whole zoom level.
    QList<QPolygonF> m_pieces;
    bool m_piecesDirty = true;
    int m_densifiedZoom = -1;
    // What was drawn, in layer coordinates, for the hit test.
    QList<QPolygonF> m_lines;
};
