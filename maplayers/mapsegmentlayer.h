#pragma once

#include "maprowlayer.h"

#include <QGeoCoordinate>
#include <QPolygonF>
#include <QSet>
#include <QStringList>

// The airway and track segments of a list model, drawn in one batch: a line along the great
// circle each, thinner while zoomed out, and from the detail zoom a label with the airway name
// and its levels, pointed at the end the segment runs to. Colours, widths, dashes and the label
// font come from the theme by segment type. Segments of the flight plan show at any zoom, at full
// width, and their lines take no pointer. Only the hovered and menu-holding segments are items
// (see MapRowLayer).
class MapSegmentLayer : public MapRowLayer
{
    Q_OBJECT
    QML_ELEMENT
    // Segments of this type thin out slower while zoomed out (long and few).
    Q_PROPERTY(int trackType READ trackType WRITE setTrackType NOTIFY styleChanged)
    // Segments of the flight plan.
    Q_PROPERTY(QStringList planUids READ planUids WRITE setPlanUids NOTIFY planUidsChanged)
    // The map's scale at its centre, for the labels: one shows only while its segment is longer
    // on screen than 1.75 labels.
    Q_PROPERTY(qreal pixelPerNm READ pixelPerNm WRITE setPixelPerNm NOTIFY pixelPerNmChanged)
    // Whether the pointer rests on the hovered segment's label rather than on its line.
    Q_PROPERTY(bool labelHovered READ labelHovered NOTIFY labelHoveredChanged)

public:
    // From this zoom lines have their full width, labels their full size.
    static constexpr double FullWidthZoom = 10.5;
    static constexpr double FullLabelZoom = 9.5;

    explicit MapSegmentLayer(QQuickItem *parent = nullptr);

    int trackType() const { return m_trackType; }
    void setTrackType(int type);
    QStringList planUids() const { return m_planList; }
    void setPlanUids(const QStringList &uids);
    qreal pixelPerNm() const { return m_pixelPerNm; }
    void setPixelPerNm(qreal pixelPerNm);
    bool labelHovered() const { return m_labelHovered; }

    // The width a row's line has at the current zoom, unhovered; 0 while it does not show.
    Q_INVOKABLE double lineWidth(int row) const;
    // Whether a row shows its label at the current zoom and scale.
    Q_INVOKABLE bool labelShown(int row) const;

signals:
    void planUidsChanged();
    void pixelPerNmChanged();
    void labelHoveredChanged();

protected:
    bool followsBearing() const override { return true; }
    void mapBearingChanged() override { mapGeometryChanged(); }
    void readRoles(const QHash<int, QByteArray> &roleNames) override;
    void splice(int first, int removed, int inserted) override;
    void readRows(int first, int last) override;
    int keptRows() const override { return int(m_rows.size()); }
    QString uidOf(int row) const override { return m_rows[size_t(row)].uid; }
    int pick(QPointF position) const override;
    bool activeHits(int row, QPointF position) const override;
    bool buildInto(std::vector<Quad> &quads) override;
    void styleReset() override;
    void pointerMoved(QPointF position) override;

private:
    struct Row
    {
        QString uid;
        QString code;
        QList<QGeoCoordinate> path;
        QPointF centerMercator;
        int type = 0;
        int direction = 0;
        int minLevel = 0;
        int maxLevel = 0;
        int arrowRotation = 0;
        int textRotation = 0;
        double minZoom = 0.0;
        double minZoomDetails = 0.0;
        double distance = 0.0;
        bool valid = false;
        // Mercator pieces of the great circle, densified for a whole zoom.
        QList<QPolygonF> pieces;
        int densifiedZoom = -1;
    };
    struct TypeStyle
    {
        QColor color;
        QColor label;
        QColor labelFill;
        double width = 0.0;
        bool dashed = false;
    };
    // A row as the last build placed it: its lines in the layer, how close the pointer must come,
    // and its label's frame (from the layer into the label's own upright box) when it shows.
    struct Placed
    {
        int row;
        QList<QPolygonF> lines;
        QRectF reach;
        double halfWidth = 0.0;
        bool takesPointer = true;
        bool labelled = false;
        QTransform toLabel;
        QRectF labelBox;
    };

    Row readRow(int row) const;
    const TypeStyle &typeStyle(int type) const;
    bool inPlan(const Row &row) const { return m_plan.contains(row.uid); }
    double widthAt(const Row &row, double zoom) const;
    bool labelShownAt(const Row &row, double zoom) const;
    Placed place(int row);
    bool appendLabel(const Row &row, const Placed &placed, std::vector<Quad> &quads);
    // 1 on the line, 2 on the label, 0 off the placed row.
    static int hitPart(const Placed &placed, QPointF position);
    const Placed *placedOf(int row) const;

    struct Roles
    {
        int uid = -1, type = -1, line = -1, minZoom = -1, code = -1, direction = -1, center = -1, minLevel = -1,
            maxLevel = -1, distance = -1, arrowRotation = -1, textRotation = -1, minZoomDetails = -1;
    } m_roles;
    std::vector<Row> m_rows;

    int m_trackType = -1;
    mutable QHash<int, TypeStyle> m_typeStyles;
    QStringList m_planList;
    QSet<QString> m_plan;
    qreal m_pixelPerNm = 0.0;
    bool m_labelHovered = false;

    std::vector<Placed> m_placed;
    // Rows placed, by row, for the hit test of an item's row.
    QHash<int, qsizetype> m_placedIndex;
    // The label widths over segment lengths (nm) at which placed rows' labels show or hide: a
    // change of scale that crosses none of them leaves the batch as it is.
    std::vector<double> m_labelThresholds;
    double m_builtPixelPerNm = 0.0;
};
