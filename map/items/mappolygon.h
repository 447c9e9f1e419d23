#pragma once

#include "maplineproperties.h"
#include "mapshapeitem.h"

#include <QPolygonF>

// A filled area on the map, straight edges between its points, with holes (inner rings) left
// empty and an optional border along every ring.
class MapPolygon : public MapShapeItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QVariantList holes READ holes WRITE setHoles NOTIFY holesChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(MapLineProperties *border READ border CONSTANT)

public:
    explicit MapPolygon(QQuickItem *parent = nullptr);

    QVariant path() const { return variantList(m_path); }
    void setPath(const QVariant &path);
    QVariantList holes() const;
    void setHoles(const QVariantList &holes);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    MapLineProperties *border() { return &m_border; }

    bool contains(const QPointF &point) const override;

signals:
    void pathChanged();
    void holesChanged();
    void colorChanged();

protected:
    void buildGeometry(const MapCamera &camera, QList<QPointF> &fill, QList<QPointF> &stroke) override;
    QColor fillColor() const override { return m_color; }
    QColor strokeColor() const override { return m_border.color(); }

private:
    void triangulate();

    MapLineProperties m_border;
    QList<QGeoCoordinate> m_path;
    QList<QList<QGeoCoordinate>> m_holes;
    QColor m_color = Qt::transparent;
    // Kept across zooms: rings in Mercator units about the shape's centre, triangles in units of
    // TriangleScale times smaller (so that the triangulation works on numbers of a sane size).
    QPointF m_centre;
    QList<QPolygonF> m_rings;
    QList<QPointF> m_triangles;
    bool m_triangulated = false;
    // What was drawn, in layer coordinates, for the hit test.
    QList<QPolygonF> m_layerRings;
};
