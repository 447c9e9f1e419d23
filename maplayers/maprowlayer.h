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
#include <QTransform>

#include <vector>

class ActiveRowsModel;

// Common ground of the layers that draw all rows of a list model in one batch (plain-coloured
// triangles below letters and pictures from one atlas) and find the row under the pointer against
// the batch itself. A pan only moves the map's item layer; the batch is built again when the rows,
// the zoom, the bearing or the theme change.
//
// The rows the pointer rests on, the selected row and rows held by their item (an open menu) are
// listed in `activeRows`: the view over it makes items for those few, and the batch leaves them out.
class MapRowLayer : public MapItemBase
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(QObject *model READ model WRITE setModel NOTIFY modelChanged)
    // The theme: an object with color(), width(), fontFamily(), fontSize()... of a key and a type.
    Q_PROPERTY(QObject *style READ style WRITE setStyle NOTIFY styleChanged)
    // The selected row of the model's source (of the model itself when it is no proxy), or -1.
    Q_PROPERTY(int selectedSourceRow READ selectedSourceRow WRITE setSelectedSourceRow NOTIFY selectedSourceRowChanged)
    // While false (the map moves) no row is hovered.
    Q_PROPERTY(bool hoverable READ hoverable WRITE setHoverable NOTIFY hoverableChanged)
    Q_PROPERTY(int hoveredRow READ hoveredRow NOTIFY hoveredRowChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QAbstractItemModel *activeRows READ activeRows CONSTANT)

public:
    explicit MapRowLayer(QQuickItem *parent = nullptr);
    ~MapRowLayer() override;

    QObject *model() const { return m_model; }
    void setModel(QObject *model);
    QObject *style() const { return m_style; }
    void setStyle(QObject *style);
    int selectedSourceRow() const { return m_selectedSourceRow; }
    void setSelectedSourceRow(int row);
    bool hoverable() const { return m_hoverable; }
    void setHoverable(bool hoverable);
    int hoveredRow() const { return m_hovered.isValid() ? m_hovered.row() : -1; }
    int count() const { return keptRows(); }
    QAbstractItemModel *activeRows() const;

    // The topmost row drawn under a point of this item (the map's item layer); -1 for none.
    Q_INVOKABLE int rowAt(const QPointF &position) const;
    // Keeps a row's item while `held` (its menu is open), wherever the pointer goes.
    Q_INVOKABLE void hold(int row, bool held);

signals:
    void modelChanged();
    void styleChanged();
    void selectedSourceRowChanged();
    void hoverableChanged();
    void hoveredRowChanged();
    void countChanged();
    // The pointer came onto (hovered) or left a row.
    void hoverChanged(bool hovered, const QString &uid);

protected:
    // A line of text as the label font lays it out.
    struct Label
    {
        QList<quint32> glyphs;
        QList<qreal> x;
        // Its advance, and that in whole pixels.
        qreal advance = 0.0;
        qreal width = 0.0;
        qreal boldWidth = -1.0;
    };
    // A picture of the atlas, drawn over `rect` as `place` takes it into the layer.
    struct Quad
    {
        QTransform place;
        QRectF rect;
        QRect pixels;
    };

    // What a layer keeps of its rows: the roles it reads found by name (after a reset), `removed`
    // rows from `first` replaced by `inserted` ones read from the model, rows read again after a
    // change. spliceRows() and rereadRows() do it for a vector of rows read by readRow(row).
    virtual void readRoles(const QHash<int, QByteArray> &roleNames) = 0;
    virtual void splice(int first, int removed, int inserted) = 0;
    virtual void readRows(int first, int last) = 0;
    virtual int keptRows() const = 0;
    virtual QString uidOf(int row) const = 0;
    // The topmost row under the point among those the batch draws, after the active ones.
    virtual int pick(QPointF position) const = 0;
    // Whether an active row's shape lies under the point.
    virtual bool activeHits(int row, QPointF position) const = 0;
    // Fills the shape vertices and the quads; false when the atlas ran full.
    virtual bool buildInto(std::vector<Quad> &quads) = 0;
    // The theme changed: cached looks go.
    virtual void styleReset() {}
    // The pointer moved over the layer (after the hovered row was found).
    virtual void pointerMoved(QPointF) {}

    template <typename Row, typename Reader>
    static void spliceRows(std::vector<Row> &rows, int first, int removed, int inserted, Reader readRow)
    {
        rows.erase(rows.begin() + first, rows.begin() + first + removed);
        rows.insert(rows.begin() + first, size_t(inserted), Row());
        rereadRows(rows, first, first + inserted - 1, readRow);
    }
    template <typename Row, typename Reader>
    static void rereadRows(std::vector<Row> &rows, int first, int last, Reader readRow)
    {
        for (int row = std::max(first, 0); row <= last && row < int(rows.size()); ++row)
            rows[size_t(row)] = readRow(row);
    }

    QVariant ask(const char *method, const QString &key, int type = 0) const;
    void setLabelFont(const QFont &font);
    const Label &label(const QString &code) const;
    qreal boldWidth(const QString &code) const;
    // The letters of a label whose box (its top left and height: the font's) is `text`, as `place`
    // takes them into the layer. False when the atlas ran full.
    bool appendGlyphs(const QTransform &place, const QRectF &text, const Label &label, const QColor &color,
                      std::vector<Quad> &quads);
    void refreshStyle();
    void placementChanged();
    // Brings the rows with items up to date: the hovered, the selected and the held ones.
    void updateActive();
    int selectedRow() const;
    void setHovered(int row);
    bool isActive(int row) const;
    const QList<QPersistentModelIndex> &activeList() const;

    bool contains(const QPointF &point) const override;
    void hoverEnterEvent(QHoverEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;
    void hoverLeaveEvent(QHoverEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void mapGeometryChanged() override { placementChanged(); }
    void updatePolish() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

    QPointer<QAbstractItemModel> m_model;
    QPointer<QObject> m_style;
    bool m_styleDirty = true;
    QRawFont m_rawFont;
    qreal m_ascent = 0.0;
    qreal m_textHeight = 0.0;
    qreal m_dpr = 1.0;
    bool m_placementDirty = true;
    std::vector<QSGGeometry::ColoredPoint2D> m_shapeVertices;
    SpriteAtlas m_atlas;

private:
    void connectModel();
    void reloadRows();
    void rowsChanged();
    void pointerAt(QPointF position);
    void build();

    QList<QMetaObject::Connection> m_modelConnections;
    QFont m_font;
    QFont m_boldFont;
    QRawFont m_rasterFont;
    mutable QHash<QString, Label> m_labels;
    // A letter of one colour in the atlas: its box about the pen position, its pixels.
    struct Glyph
    {
        QRect cell;
        QRect pixels;
    };
    QHash<quint64, Glyph> m_glyphs;

    int m_selectedSourceRow = -1;
    bool m_hoverable = true;
    QPersistentModelIndex m_hovered;
    QString m_hoveredUid;
    int m_shownHoveredRow = -1;
    QList<QPersistentModelIndex> m_held;
    ActiveRowsModel *m_active;
    QPointF m_cursor;
    bool m_cursorKnown = false;

    std::vector<QSGGeometry::TexturedPoint2D> m_spriteVertices;
    bool m_geometryChanged = false;
    int m_uploadedAtlas = -1;
};
