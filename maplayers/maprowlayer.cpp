#include "maprowlayer.h"

#include "activerowsmodel.h"
#include "mapview.h"
#include "pointbatchnode.h"

#include <QAbstractProxyModel>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHoverEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QQuickWindow>
#include <cmath>

MapRowLayer::MapRowLayer(QQuickItem *parent)
    : MapItemBase(parent)
    , m_active(new ActiveRowsModel(this))
{
    setFlag(ItemHasContents, true);
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::NoButton);
}

MapRowLayer::~MapRowLayer()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
}

QAbstractItemModel *MapRowLayer::activeRows() const
{
    return m_active;
}

bool MapRowLayer::isActive(int row) const
{
    return m_active->contains(row);
}

const QList<QPersistentModelIndex> &MapRowLayer::activeList() const
{
    return m_active->rows();
}

void MapRowLayer::setModel(QObject *model)
{
    auto *itemModel = qobject_cast<QAbstractItemModel *>(model);
    if (itemModel == m_model)
        return;
    m_model = itemModel;
    m_held.clear();
    m_hovered = QPersistentModelIndex();
    m_hoveredUid.clear();
    m_active->setSource(itemModel);
    connectModel();
    emit modelChanged();
}

void MapRowLayer::setStyle(QObject *style)
{
    if (style == m_style)
        return;
    m_style = style;
    m_styleDirty = true;
    placementChanged();
    emit styleChanged();
}

void MapRowLayer::setSelectedSourceRow(int row)
{
    if (row == m_selectedSourceRow)
        return;
    m_selectedSourceRow = row;
    updateActive();
    emit selectedSourceRowChanged();
}

void MapRowLayer::setHoverable(bool hoverable)
{
    if (hoverable == m_hoverable)
        return;
    m_hoverable = hoverable;
    if (!hoverable)
        setHovered(-1);
    else if (m_cursorKnown)
        setHovered(rowAt(mapFromScene(m_cursor)));
    emit hoverableChanged();
}

void MapRowLayer::hold(int row, bool held)
{
    if (!m_model)
        return;
    for (qsizetype i = m_held.size() - 1; i >= 0; --i) {
        if (!m_held.at(i).isValid() || m_held.at(i).row() == row)
            m_held.removeAt(i);
    }
    if (held && row >= 0 && row < m_model->rowCount())
        m_held.append(QPersistentModelIndex(m_model->index(row, 0)));
    updateActive();
}

void MapRowLayer::connectModel()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    if (m_model) {
        QAbstractItemModel *model = m_model;
        m_modelConnections << connect(model, &QAbstractItemModel::rowsInserted, this,
                                      [this](const QModelIndex &parent, int first, int last) {
                                          if (parent.isValid())
                                              return;
                                          splice(std::min(first, keptRows()), 0, last - first + 1);
                                          rowsChanged();
                                      })
                           << connect(model, &QAbstractItemModel::rowsRemoved, this,
                                      [this](const QModelIndex &parent, int first, int last) {
                                          if (parent.isValid() || first >= keptRows())
                                              return;
                                          splice(first, std::min(last, keptRows() - 1) - first + 1, 0);
                                          rowsChanged();
                                      })
                           << connect(model, &QAbstractItemModel::dataChanged, this,
                                      [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                                          readRows(std::max(topLeft.row(), 0),
                                                   std::min(bottomRight.row(), keptRows() - 1));
                                          placementChanged();
                                      })
                           << connect(model, &QAbstractItemModel::modelReset, this, &MapRowLayer::reloadRows)
                           << connect(model, &QAbstractItemModel::layoutChanged, this, &MapRowLayer::reloadRows)
                           << connect(model, &QAbstractItemModel::rowsMoved, this, &MapRowLayer::reloadRows);
    }
    reloadRows();
}

void MapRowLayer::reloadRows()
{
    readRoles(m_model ? m_model->roleNames() : QHash<int, QByteArray>());
    splice(0, keptRows(), m_model ? m_model->rowCount() : 0);
    rowsChanged();
}

void MapRowLayer::rowsChanged()
{
    updateActive();
    placementChanged();
    emit countChanged();
}

void MapRowLayer::placementChanged()
{
    m_placementDirty = true;
    polish();
}

void MapRowLayer::itemChange(ItemChange change, const ItemChangeData &data)
{
    MapItemBase::itemChange(change, data);
    if (change == ItemSceneChange && data.window) {
        m_dpr = data.window->effectiveDevicePixelRatio();
        m_styleDirty = true;
        placementChanged();
    }
}

int MapRowLayer::selectedRow() const
{
    if (!m_model || m_selectedSourceRow < 0)
        return -1;
    if (auto *proxy = qobject_cast<QAbstractProxyModel *>(m_model.data())) {
        QAbstractItemModel *source = proxy->sourceModel();
        if (!source || m_selectedSourceRow >= source->rowCount())
            return -1;
        return proxy->mapFromSource(source->index(m_selectedSourceRow, 0)).row();
    }
    return m_selectedSourceRow < m_model->rowCount() ? m_selectedSourceRow : -1;
}

void MapRowLayer::updateActive()
{
    if (!m_model) {
        m_active->setRows({});
        return;
    }
    if (!m_hovered.isValid() && !m_hoveredUid.isEmpty()) {
        // The row left the model under the pointer.
        const QString uid = std::exchange(m_hoveredUid, QString());
        emit hoverChanged(false, uid);
    }
    m_held.removeIf([](const QPersistentModelIndex &index) { return !index.isValid(); });
    QList<QPersistentModelIndex> rows;
    const int selected = selectedRow();
    if (selected >= 0)
        rows.append(QPersistentModelIndex(m_model->index(selected, 0)));
    for (const QPersistentModelIndex &index : QList<QPersistentModelIndex>{m_hovered} + m_held) {
        if (index.isValid() && !rows.contains(index))
            rows.append(index);
    }
    const bool changed = rows.size() != m_active->rows().size()
                         || std::any_of(rows.cbegin(), rows.cend(), [this](const QPersistentModelIndex &i) {
                                return !m_active->rows().contains(i);
                            });
    m_active->setRows(rows);
    if (changed)
        placementChanged();
    // Items learn their moved rows before the next frame (see updatePolish).
    polish();
}

void MapRowLayer::setHovered(int row)
{
    if (row >= 0 && (!m_model || row >= keptRows()))
        row = -1;
    const QPersistentModelIndex index
        = row >= 0 ? QPersistentModelIndex(m_model->index(row, 0)) : QPersistentModelIndex();
    if (index == m_hovered && (row >= 0 || m_hoveredUid.isEmpty()))
        return;
    const QString left = std::exchange(m_hoveredUid, row >= 0 ? uidOf(row) : QString());
    m_hovered = index;
    if (!left.isEmpty())
        emit hoverChanged(false, left);
    // The row's item exists before anything else hears of it: a press follows at once.
    updateActive();
    if (row >= 0)
        emit hoverChanged(true, m_hoveredUid);
    m_shownHoveredRow = hoveredRow();
    emit hoveredRowChanged();
}

void MapRowLayer::pointerAt(QPointF position)
{
    m_cursor = mapToScene(position);
    m_cursorKnown = true;
    setHovered(m_hoverable ? rowAt(position) : -1);
    pointerMoved(position);
}

void MapRowLayer::hoverEnterEvent(QHoverEvent *event)
{
    pointerAt(event->position());
}

void MapRowLayer::hoverMoveEvent(QHoverEvent *event)
{
    pointerAt(event->position());
}

void MapRowLayer::hoverLeaveEvent(QHoverEvent *)
{
    m_cursorKnown = false;
    setHovered(-1);
}

bool MapRowLayer::contains(const QPointF &point) const
{
    return rowAt(point) >= 0;
}

int MapRowLayer::rowAt(const QPointF &position) const
{
    if (!map() || !m_model)
        return -1;
    if (m_placementDirty)
        const_cast<MapRowLayer *>(this)->build();
    // Items stand above the batch, the latest on top.
    const QList<QPersistentModelIndex> &active = m_active->rows();
    for (qsizetype i = active.size() - 1; i >= 0; --i) {
        const int row = active.at(i).row();
        if (row >= 0 && row < keptRows() && activeHits(row, position))
            return row;
    }
    return pick(position);
}

QVariant MapRowLayer::ask(const char *method, const QString &key, int type) const
{
    QVariant result;
    if (!m_style)
        return result;
    const QMetaObject *meta = m_style->metaObject();
    const int index = meta->indexOfMethod(QByteArray(method) + "(QString,int)");
    if (index < 0)
        return result;
    const QMetaMethod call = meta->method(index);
    result = QVariant(call.returnMetaType());
    call.invoke(m_style, Qt::DirectConnection, QGenericReturnArgument(call.typeName(), result.data()),
                Q_ARG(QString, key), Q_ARG(int, type));
    return result;
}

void MapRowLayer::refreshStyle()
{
    if (!m_styleDirty)
        return;
    m_styleDirty = false;
    m_labels.clear();
    m_atlas.clear();
    m_glyphs.clear();
    styleReset();
}

void MapRowLayer::setLabelFont(const QFont &font)
{
    m_font = font;
    m_boldFont = m_font;
    m_boldFont.setBold(true);
    m_rawFont = QRawFont::fromFont(m_font);
    m_rasterFont = m_rawFont;
    if (m_dpr != 1.0)
        m_rasterFont.setPixelSize(m_rawFont.pixelSize() * m_dpr);
    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_textHeight = std::ceil(metrics.height());
    m_labels.clear();
}

const MapRowLayer::Label &MapRowLayer::label(const QString &code) const
{
    auto found = m_labels.find(code);
    if (found != m_labels.end())
        return *found;
    Label label;
    label.glyphs = m_rawFont.glyphIndexesForString(code);
    const QList<QPointF> advances = m_rawFont.advancesForGlyphIndexes(label.glyphs, QRawFont::KernedAdvances);
    qreal x = 0.0;
    for (const QPointF &advance : advances) {
        label.x.append(x);
        x += advance.x();
    }
    label.advance = x;
    label.width = std::ceil(x);
    return *m_labels.insert(code, label);
}

qreal MapRowLayer::boldWidth(const QString &code) const
{
    label(code);
    Label &entry = m_labels[code];
    if (entry.boldWidth < 0.0)
        entry.boldWidth = std::ceil(QFontMetricsF(m_boldFont).horizontalAdvance(code));
    return entry.boldWidth;
}

bool MapRowLayer::appendGlyphs(const QTransform &place, const QRectF &text, const Label &label, const QColor &color,
                               std::vector<Quad> &quads)
{
    const qreal baseline = text.top() + m_ascent;
    for (qsizetype i = 0; i < label.glyphs.size(); ++i) {
        const quint32 glyph = label.glyphs.at(i);
        const quint64 key = quint64(glyph) << 32 | color.rgba();
        auto found = m_glyphs.constFind(key);
        if (found == m_glyphs.cend()) {
            Glyph entry;
            const QRectF bounds = m_rawFont.boundingRect(glyph);
            if (!bounds.isEmpty()) {
                // A pixel to spare around the glyph's box, for its smoothed edge.
                const QRect cell(QPoint(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1),
                                 QPoint(int(std::ceil(bounds.right())), int(std::ceil(bounds.bottom()))));
                entry.cell = cell;
                entry.pixels = m_atlas.sprite(QStringLiteral("g%1:%2").arg(glyph).arg(color.rgba(), 0, 16),
                                              (QSizeF(cell.size()) * m_dpr).toSize(), [&](QImage &image) {
                                                  QPainter painter(&image);
                                                  painter.setPen(color);
                                                  QGlyphRun run;
                                                  run.setRawFont(m_rasterFont);
                                                  run.setGlyphIndexes({glyph});
                                                  run.setPositions({QPointF(0, 0)});
                                                  painter.drawGlyphRun(QPointF(-cell.left(), -cell.top()) * m_dpr, run);
                                              });
                if (entry.pixels.isEmpty())
                    return false;
            }
            found = m_glyphs.insert(key, entry);
        }
        if (found->pixels.isEmpty())
            continue;
        quads.push_back({place,
                         QRectF(QPointF(text.left() + label.x.at(i) + found->cell.left(), baseline + found->cell.top()),
                                QSizeF(found->cell.size())),
                         found->pixels});
    }
    return true;
}

void MapRowLayer::build()
{
    m_placementDirty = false;
    m_shapeVertices.clear();
    m_spriteVertices.clear();
    m_geometryChanged = true;
    if (!map() || !m_model)
        return;
    refreshStyle();
    std::vector<Quad> quads;
    if (!buildInto(quads)) {
        // The atlas ran full of pictures of earlier themes and zooms: start it afresh.
        m_atlas.clear();
        m_glyphs.clear();
        m_shapeVertices.clear();
        quads.clear();
        buildInto(quads);
    }
    const QSizeF atlas = m_atlas.image().size();
    m_spriteVertices.reserve(quads.size() * 6);
    for (const Quad &quad : quads) {
        const QRectF uv(quad.pixels.x() / atlas.width(), quad.pixels.y() / atlas.height(),
                        quad.pixels.width() / atlas.width(), quad.pixels.height() / atlas.height());
        const QPointF corners[4]
            = {quad.rect.topLeft(), quad.rect.topRight(), quad.rect.bottomRight(), quad.rect.bottomLeft()};
        const QPointF texture[4] = {uv.topLeft(), uv.topRight(), uv.bottomRight(), uv.bottomLeft()};
        for (int corner : {0, 1, 2, 0, 2, 3}) {
            const QPointF p = quad.place.map(corners[corner]);
            QSGGeometry::TexturedPoint2D vertex;
            vertex.set(float(p.x()), float(p.y()), float(texture[corner].x()), float(texture[corner].y()));
            m_spriteVertices.push_back(vertex);
        }
    }
}

void MapRowLayer::updatePolish()
{
    if (m_placementDirty)
        build();
    // Rows moved under the items: they learn their rows, then whoever watches the hover.
    m_active->refreshIndexes();
    if (m_shownHoveredRow != hoveredRow()) {
        m_shownHoveredRow = hoveredRow();
        emit hoveredRowChanged();
    }
    if (m_geometryChanged)
        update();
}

QSGNode *MapRowLayer::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<PointBatchNode *>(oldNode);
    if (!node) {
        node = new PointBatchNode;
        m_uploadedAtlas = -1;
        m_geometryChanged = true;
    }
    if (m_geometryChanged) {
        node->setShapes(m_shapeVertices);
        node->setSprites(m_spriteVertices);
        m_geometryChanged = false;
    }
    if (m_uploadedAtlas != m_atlas.generation()) {
        m_uploadedAtlas = m_atlas.generation();
        node->setTexture(m_atlas.image().isNull() ? nullptr : window()->createTextureFromImage(m_atlas.image()));
    }
    return node;
}
