#pragma once

#include "mapitembase.h"
#include "spriteatlas.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QRawFont>
#include <QSGGeometry>
#include <QSet>
#include <QStringList>
#include <QTransform>

#include <vector>

class ActiveRowsModel;

// The navigation points of a list model, drawn in one batch: a dot each, or the point's symbol
// and code label once it is worth details (zoomed in to its own details zoom, on the displayed
// procedure, or selected). Colours, sizes and the label font come from the theme by point type.
// A pan only moves the map's item layer; the batch is built again when the rows, the zoom, the
// bearing or the theme change.
//
// The pointer finds points against the batch itself. The rows it rests on, the selected row and
// rows held by their item (an open menu) are listed in `activeRows`: the view over it makes
// items for those few, and the batch leaves them out.
class MapPointLayer : public MapItemBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QObject *model READ model WRITE setModel NOTIFY modelChanged)
    // The theme: an object with color(), width(), radius(), fontFamily() and fontSize() of a key
    // and a point type.
    Q_PROPERTY(QObject *style READ style WRITE setStyle NOTIFY styleChanged)
    // Points of this type have a disc 1.3 times smaller behind their symbol.
    Q_PROPERTY(int smallDiscType READ smallDiscType WRITE setSmallDiscType NOTIFY styleChanged)
    // Points not drawn at all (another layer draws them).
    Q_PROPERTY(QStringList hiddenUids READ hiddenUids WRITE setHiddenUids NOTIFY hiddenUidsChanged)
    // Points that show their details at any zoom.
    Q_PROPERTY(QStringList detailUids READ detailUids WRITE setDetailUids NOTIFY detailUidsChanged)
    // The selected row of the model's source (of the model itself when it is no proxy), or -1.
    Q_PROPERTY(int selectedSourceRow READ selectedSourceRow WRITE setSelectedSourceRow NOTIFY selectedSourceRowChanged)
    // While false (the map moves) no point is hovered.
    Q_PROPERTY(bool hoverable READ hoverable WRITE setHoverable NOTIFY hoverableChanged)
    Q_PROPERTY(int hoveredRow READ hoveredRow NOTIFY hoveredRowChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QAbstractItemModel *activeRows READ activeRows CONSTANT)

public:
    enum Shape { None, Dot, Details };
    Q_ENUM(Shape)

    explicit MapPointLayer(QQuickItem *parent = nullptr);
    ~MapPointLayer() override;

    QObject *model() const { return m_model; }
    void setModel(QObject *model);
    QObject *style() const { return m_style; }
    void setStyle(QObject *style);
    int smallDiscType() const { return m_smallDiscType; }
    void setSmallDiscType(int type);
    QStringList hiddenUids() const { return m_hiddenList; }
    void setHiddenUids(const QStringList &uids);
    QStringList detailUids() const { return m_detailList; }
    void setDetailUids(const QStringList &uids);
    int selectedSourceRow() const { return m_selectedSourceRow; }
    void setSelectedSourceRow(int row);
    bool hoverable() const { return m_hoverable; }
    void setHoverable(bool hoverable);
    int hoveredRow() const { return m_hovered.isValid() ? m_hovered.row() : -1; }
    int count() const { return int(m_rows.size()); }
    QAbstractItemModel *activeRows() const;

    // The row whose dot, label or symbol lies under a point of this item (the map's item layer),
    // the topmost; -1 for none.
    Q_INVOKABLE int rowAt(const QPointF &position) const;
    // What a row shows, whether the batch or its item draws it.
    Q_INVOKABLE Shape shapeOf(int row) const;
    // Keeps a row's item while `held` (its menu is open), wherever the pointer goes.
    Q_INVOKABLE void hold(int row, bool held);

signals:
    void modelChanged();
    void styleChanged();
    void hiddenUidsChanged();
    void detailUidsChanged();
    void selectedSourceRowChanged();
    void hoverableChanged();
    void hoveredRowChanged();
    void countChanged();
    // The pointer came onto (hovered) or left a point.
    void hoverChanged(bool hovered, const QString &uid);

protected:
    bool contains(const QPointF &point) const override;
    void hoverEnterEvent(QHoverEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;
    void hoverLeaveEvent(QHoverEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void mapGeometryChanged() override;
    bool followsBearing() const override { return true; }
    void mapBearingChanged() override { mapGeometryChanged(); }
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

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
        double dot = 0.0;
        double disc = 0.0;
        QColor discFill;
        QColor labelFill;
        QColor labelBorder;
        double labelBorderWidth = 0.0;
    };
    struct Label
    {
        QList<quint32> glyphs;
        QList<qreal> x;
        qreal width = 0.0;
        qreal boldWidth = -1.0;
    };
    // A row as the last build placed it: its anchor in the layer and whether it shows details
    // (the selection aside).
    struct Placed
    {
        int row;
        QPointF anchor;
        bool details;
    };
    // A letter of one colour in the atlas: its box about the pen position, its pixels.
    struct Glyph
    {
        QRect cell;
        QRect pixels;
    };
    struct Quad
    {
        QPointF anchor;
        QRectF rect;
        QRect pixels;
    };

    void connectModel();
    // Everything read again: after a reset or a change of the row order.
    void reloadRows();
    void readRows(int first, int last);
    Row readRow(int row) const;
    void rowsChanged();
    void placementChanged();
    // Brings the rows with items up to date: the hovered, the selected and the held ones.
    void updateActive();
    int selectedRow() const;
    void setHovered(int row);
    void pointerAt(QPointF position);

    void refreshStyle();
    QVariant ask(const char *method, const QString &key, int type = 0) const;
    const TypeStyle &typeStyle(int type) const;
    const Label &label(const QString &code) const;
    qreal boldWidth(const QString &code) const;
    QSizeF symbolSize(const QString &icon) const;
    bool details(const Row &row) const;
    QPointF anchorOf(const Row &row) const;
    bool hits(int row, QPointF anchor, bool details, QPointF position) const;

    void build();
    bool buildInto(std::vector<Quad> &quads);
    bool appendGlyphs(QPointF anchor, const QRectF &text, const Label &label, const QColor &color, std::vector<Quad> &quads);
    bool appendSymbol(QPointF anchor, const Row &row, const QColor &color, std::vector<Quad> &quads);

    QPointer<QAbstractItemModel> m_model;
    QList<QMetaObject::Connection> m_modelConnections;
    struct Roles
    {
        int uid = -1, position = -1, type = -1, code = -1, icon = -1, iconOffset = -1, textOffset = -1, minZoomDetails = -1;
    } m_roles;
    std::vector<Row> m_rows;

    QPointer<QObject> m_style;
    int m_smallDiscType = -1;
    bool m_styleDirty = true;
    mutable QHash<int, TypeStyle> m_typeStyles;
    double m_discWidth = 0.0;
    double m_discBorderWidth = 0.0;
    QColor m_discBorderColor;
    double m_labelRadius = 0.0;
    QFont m_font;
    QFont m_boldFont;
    QRawFont m_rawFont;
    QRawFont m_rasterFont;
    qreal m_ascent = 0.0;
    qreal m_textHeight = 0.0;
    mutable QHash<QString, Label> m_labels;
    mutable QHash<QString, QSizeF> m_symbolSizes;

    QStringList m_hiddenList;
    QSet<QString> m_hidden;
    QStringList m_detailList;
    QSet<QString> m_detail;
    int m_selectedSourceRow = -1;
    bool m_hoverable = true;
    QPersistentModelIndex m_hovered;
    QString m_hoveredUid;
    int m_shownHoveredRow = -1;
    QList<QPersistentModelIndex> m_held;
    ActiveRowsModel *m_active;
    QPointF m_cursor;
    bool m_cursorKnown = false;

    std::vector<Placed> m_placed;
    // How far from its anchor any placed row can be hit.
    qreal m_reach = 0.0;
    bool m_placementDirty = true;
    double m_zoom = 0.0;
    // Turns a symbol's upright offsets into the layer, which the map turns by the bearing.
    QTransform m_upright;
    QTransform m_uprightInverse;
    qreal m_dpr = 1.0;
    std::vector<QSGGeometry::ColoredPoint2D> m_shapeVertices;
    std::vector<QSGGeometry::TexturedPoint2D> m_spriteVertices;
    bool m_geometryChanged = false;
    SpriteAtlas m_atlas;
    QHash<quint64, Glyph> m_glyphs;
    int m_uploadedAtlas = -1;
};
