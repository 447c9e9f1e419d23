#pragma once

#include "maprowlayer.h"

#include <QSet>
#include <QStringList>

// The navigation points of a list model, drawn in one batch: a dot each, or the point's symbol
// and code label once it is worth details (zoomed in to its own details zoom, on the displayed
// procedure, or selected). Colours, sizes and the label font come from the theme by point type.
// Only the hovered, selected and menu-holding points are items (see MapRowLayer).
class MapPointLayer : public MapRowLayer
{
    Q_OBJECT
    QML_ELEMENT
    // Points of this type have a disc 1.3 times smaller behind their symbol.
    Q_PROPERTY(int smallDiscType READ smallDiscType WRITE setSmallDiscType NOTIFY styleChanged)
    // Points not drawn at all (another layer draws them).
    Q_PROPERTY(QStringList hiddenUids READ hiddenUids WRITE setHiddenUids NOTIFY hiddenUidsChanged)
    // Points that show their details at any zoom.
    Q_PROPERTY(QStringList detailUids READ detailUids WRITE setDetailUids NOTIFY detailUidsChanged)

public:
    enum Shape { None, Dot, Details };
    Q_ENUM(Shape)

    explicit MapPointLayer(QQuickItem *parent = nullptr);

    int smallDiscType() const { return m_smallDiscType; }
    void setSmallDiscType(int type);
    QStringList hiddenUids() const { return m_hiddenList; }
    void setHiddenUids(const QStringList &uids);
    QStringList detailUids() const { return m_detailList; }
    void setDetailUids(const QStringList &uids);

    // What a row shows, whether the batch or its item draws it.
    Q_INVOKABLE Shape shapeOf(int row) const;

signals:
    void hiddenUidsChanged();
    void detailUidsChanged();

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

private:
    struct Row
    {
        QPointF mercator;
        QString uid;
        QString code;
        QString icon;
        int type = 0;
        double iconOffset = 0.0;
        double textOffset = 0.0;
        double minZoomDetails = 0.0;
        bool valid = false;
    };
    struct TypeStyle
    {
        QColor color;
        QColor label;
        double dot = 0.0;
        double disc = 0.0;
        QColor discFill;
        QColor labelFill;
        QColor labelBorder;
        double labelBorderWidth = 0.0;
    };
    // A row as the last build placed it: its anchor in the layer and whether it shows details
    // (the selection aside).
    struct Placed
    {
        int row;
        QPointF anchor;
        bool details;
    };

    Row readRow(int row) const;
    const TypeStyle &typeStyle(int type) const;
    QSizeF symbolSize(const QString &icon) const;
    bool details(const Row &row) const;
    QPointF anchorOf(const Row &row) const;
    bool hits(int row, QPointF anchor, bool details, QPointF position) const;
    bool appendSymbol(QPointF anchor, const Row &row, const QColor &color, std::vector<Quad> &quads);

    struct Roles
    {
        int uid = -1, position = -1, type = -1, code = -1, icon = -1, iconOffset = -1, textOffset = -1,
            minZoomDetails = -1;
    } m_roles;
    std::vector<Row> m_rows;

    int m_smallDiscType = -1;
    mutable QHash<int, TypeStyle> m_typeStyles;
    double m_discWidth = 0.0;
    double m_discBorderWidth = 0.0;
    QColor m_discBorderColor;
    double m_labelRadius = 0.0;
    mutable QHash<QString, QSizeF> m_symbolSizes;

    QStringList m_hiddenList;
    QSet<QString> m_hidden;
    QStringList m_detailList;
    QSet<QString> m_detail;

    std::vector<Placed> m_placed;
    // How far from its anchor any placed row can be hit.
    qreal m_reach = 0.0;
    double m_zoom = 0.0;
    // Turns a symbol's upright offsets into the layer, which the map turns by the bearing.
    QTransform m_upright;
    QTransform m_uprightInverse;
};
