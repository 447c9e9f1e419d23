#include "mappointlayer.h"

#include "activerowsmodel.h"
#include "mapview.h"
#include "pointbatchnode.h"
#include "symbolimage.h"

#include <QAbstractProxyModel>
#include <QFontMetricsF>
#include <QGeoCoordinate>
#include <QGlyphRun>
#include <QHoverEvent>
#include <QPainter>
#include <QQuickWindow>
#include <QUrl>
#include <QVarLengthArray>
#include <QMetaMethod>
#include <cmath>

namespace {

// A symbol and a label show their details this much larger under the pointer.
constexpr qreal HoveredDot = 1.5;
constexpr qreal HoveredSymbol = 1.1;
// A dot narrower than this is still this easy to hit.
constexpr qreal MinimumHit = 4.0;

} // namespace

MapPointLayer::MapPointLayer(QQuickItem *parent)
    : MapItemBase(parent)
    , m_active(new ActiveRowsModel(this))
{
    setFlag(ItemHasContents, true);
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::NoButton);
}

MapPointLayer::~MapPointLayer()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
}

QAbstractItemModel *MapPointLayer::activeRows() const
{
    return m_active;
}

void MapPointLayer::setModel(QObject *model)
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

void MapPointLayer::setStyle(QObject *style)
{
    if (style == m_style)
        return;
    m_style = style;
    m_styleDirty = true;
    placementChanged();
    emit styleChanged();
}

void MapPointLayer::setSmallDiscType(int type)
{
    if (type == m_smallDiscType)
        return;
    m_smallDiscType = type;
    m_styleDirty = true;
    placementChanged();
    emit styleChanged();
}

void MapPointLayer::setHiddenUids(const QStringList &uids)
{
    if (uids == m_hiddenList)
        return;
    m_hiddenList = uids;
    m_hidden = QSet<QString>(uids.cbegin(), uids.cend());
    // A point that goes to the other layer leaves the pointer behind here.
    if (m_hidden.contains(m_hoveredUid))
        setHovered(-1);
    placementChanged();
    emit hiddenUidsChanged();
}

void MapPointLayer::setDetailUids(const QStringList &uids)
{
    if (uids == m_detailList)
        return;
    m_detailList = uids;
    m_detail = QSet<QString>(uids.cbegin(), uids.cend());
    placementChanged();
    emit detailUidsChanged();
}

void MapPointLayer::setSelectedSourceRow(int row)
{
    if (row == m_selectedSourceRow)
        return;
    m_selectedSourceRow = row;
    updateActive();
    emit selectedSourceRowChanged();
}

void MapPointLayer::setHoverable(bool hoverable)
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

void MapPointLayer::hold(int row, bool held)
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

void MapPointLayer::connectModel()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    m_rows.clear();
    m_roles = Roles();
    if (m_model) {
        QAbstractItemModel *model = m_model;
        m_modelConnections
            << connect(model, &QAbstractItemModel::rowsInserted, this,
                       [this](const QModelIndex &parent, int first, int last) {
                           if (parent.isValid())
                               return;
                           m_rows.insert(m_rows.begin() + std::min<qsizetype>(first, m_rows.size()), last - first + 1, Row());
                           readRows(first, last);
                           rowsChanged();
                       })
            << connect(model, &QAbstractItemModel::rowsRemoved, this,
                       [this](const QModelIndex &parent, int first, int last) {
                           if (parent.isValid() || first >= qsizetype(m_rows.size()))
                               return;
                           m_rows.erase(m_rows.begin() + first, m_rows.begin() + std::min<qsizetype>(last + 1, m_rows.size()));
                           rowsChanged();
                       })
            << connect(model, &QAbstractItemModel::dataChanged, this,
                       [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                           readRows(topLeft.row(), std::min(bottomRight.row(), int(m_rows.size()) - 1));
                           placementChanged();
                       })
            << connect(model, &QAbstractItemModel::modelReset, this, &MapPointLayer::reloadRows)
            << connect(model, &QAbstractItemModel::layoutChanged, this, &MapPointLayer::reloadRows)
            << connect(model, &QAbstractItemModel::rowsMoved, this, &MapPointLayer::reloadRows);
    }
    reloadRows();
}

void MapPointLayer::reloadRows()
{
    m_rows.clear();
    m_roles = Roles();
    if (m_model) {
        const QHash<int, QByteArray> names = m_model->roleNames();
        m_roles.uid = names.key("role_uid", -1);
        m_roles.position = names.key("role_position", -1);
        m_roles.type = names.key("role_type", -1);
        m_roles.code = names.key("role_code", -1);
        m_roles.icon = names.key("role_icon", -1);
        m_roles.iconOffset = names.key("role_icon_offset", -1);
        m_roles.textOffset = names.key("role_text_offset", -1);
        m_roles.minZoomDetails = names.key("role_minzoom_details", -1);
        m_rows.resize(size_t(m_model->rowCount()));
        readRows(0, int(m_rows.size()) - 1);
    }
    rowsChanged();
}

void MapPointLayer::readRows(int first, int last)
{
    for (int row = std::max(first, 0); row <= last && row < int(m_rows.size()); ++row)
        m_rows[size_t(row)] = readRow(row);
}

MapPointLayer::Row MapPointLayer::readRow(int row) const
{
    Row r;
    const QModelIndex index = m_model->index(row, 0);
    const QGeoCoordinate position = index.data(m_roles.position).value<QGeoCoordinate>();
    if (!position.isValid())
        return r;
    r.mercator = MapCamera::mercator(position);
    r.uid = index.data(m_roles.uid).toString();
    r.code = index.data(m_roles.code).toString();
    r.icon = index.data(m_roles.icon).toString();
    r.type = index.data(m_roles.type).toInt();
    r.iconOffset = index.data(m_roles.iconOffset).toDouble();
    r.textOffset = index.data(m_roles.textOffset).toDouble();
    r.minZoomDetails = index.data(m_roles.minZoomDetails).toDouble();
    r.valid = true;
    return r;
}

void MapPointLayer::rowsChanged()
{
    updateActive();
    placementChanged();
    emit countChanged();
}

void MapPointLayer::placementChanged()
{
    m_placementDirty = true;
    polish();
}

void MapPointLayer::mapGeometryChanged()
{
    placementChanged();
}

void MapPointLayer::itemChange(ItemChange change, const ItemChangeData &data)
{
    MapItemBase::itemChange(change, data);
    if (change == ItemSceneChange && data.window) {
        m_dpr = data.window->effectiveDevicePixelRatio();
        m_styleDirty = true;
        placementChanged();
    }
}

int MapPointLayer::selectedRow() const
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

void MapPointLayer::updateActive()
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
        || std::any_of(rows.cbegin(), rows.cend(), [this](const QPersistentModelIndex &i) { return !m_active->rows().contains(i); });
    m_active->setRows(rows);
    if (changed)
        placementChanged();
    // Items learn their moved rows before the next frame (see updatePolish).
    polish();
}

void MapPointLayer::setHovered(int row)
{
    if (row >= 0 && (!m_model || row >= int(m_rows.size())))
        row = -1;
    const QPersistentModelIndex index = row >= 0 ? QPersistentModelIndex(m_model->index(row, 0)) : QPersistentModelIndex();
    if (index == m_hovered && (row >= 0 || m_hoveredUid.isEmpty()))
        return;
    const QString left = std::exchange(m_hoveredUid, row >= 0 ? m_rows[size_t(row)].uid : QString());
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

void MapPointLayer::pointerAt(QPointF position)
{
    m_cursor = mapToScene(position);
    m_cursorKnown = true;
    setHovered(m_hoverable ? rowAt(position) : -1);
}

void MapPointLayer::hoverEnterEvent(QHoverEvent *event)
{
    pointerAt(event->position());
}

void MapPointLayer::hoverMoveEvent(QHoverEvent *event)
{
    pointerAt(event->position());
}

void MapPointLayer::hoverLeaveEvent(QHoverEvent *)
{
    m_cursorKnown = false;
    setHovered(-1);
}

bool MapPointLayer::contains(const QPointF &point) const
{
    return rowAt(point) >= 0;
}

QVariant MapPointLayer::ask(const char *method, const QString &key, int type) const
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
    call.invoke(m_style, Qt::DirectConnection, QGenericReturnArgument(call.typeName(), result.data()), Q_ARG(QString, key),
                Q_ARG(int, type));
    return result;
}

void MapPointLayer::refreshStyle()
{
    if (!m_styleDirty)
        return;
    m_styleDirty = false;
    m_typeStyles.clear();
    m_labels.clear();
    m_symbolSizes.clear();
    m_atlas.clear();
    m_glyphs.clear();
    m_discWidth = ask("width", QStringLiteral("point.fill")).toDouble();
    m_discBorderWidth = ask("width", QStringLiteral("point.border")).toDouble();
    m_discBorderColor = ask("color", QStringLiteral("point.border")).value<QColor>();
    m_labelRadius = ask("radius", QStringLiteral("pointlabel.border")).toDouble();
    m_font = QFont(ask("fontFamily", QStringLiteral("pointlabel")).toString());
    const double size = ask("fontSize", QStringLiteral("pointlabel")).toDouble();
    if (size > 0.0)
        m_font.setPointSizeF(size);
    m_boldFont = m_font;
    m_boldFont.setBold(true);
    m_rawFont = QRawFont::fromFont(m_font);
    m_rasterFont = m_rawFont;
    if (m_dpr != 1.0)
        m_rasterFont.setPixelSize(m_rawFont.pixelSize() * m_dpr);
    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_textHeight = std::ceil(metrics.height());
}

const MapPointLayer::TypeStyle &MapPointLayer::typeStyle(int type) const
{
    auto found = m_typeStyles.find(type);
    if (found != m_typeStyles.end())
        return *found;
    TypeStyle style;
    style.color = ask("color", QStringLiteral("point"), type).value<QColor>();
    style.dot = ask("width", QStringLiteral("point.dot"), type).toDouble();
    style.disc = m_discWidth / (type == m_smallDiscType ? 1.3 : 1.0);
    style.discFill = ask("color", QStringLiteral("point.fill"), type).value<QColor>();
    style.labelFill = ask("color", QStringLiteral("pointlabel.fill"), type).value<QColor>();
    style.labelBorder = ask("color", QStringLiteral("pointlabel.border"), type).value<QColor>();
    style.labelBorderWidth = ask("width", QStringLiteral("pointlabel.border"), type).toDouble();
    return *m_typeStyles.insert(type, style);
}

const MapPointLayer::Label &MapPointLayer::label(const QString &code) const
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
    label.width = std::ceil(x);
    return *m_labels.insert(code, label);
}

qreal MapPointLayer::boldWidth(const QString &code) const
{
    label(code);
    Label &entry = m_labels[code];
    if (entry.boldWidth < 0.0)
        entry.boldWidth = std::ceil(QFontMetricsF(m_boldFont).horizontalAdvance(code));
    return entry.boldWidth;
}

QSizeF MapPointLayer::symbolSize(const QString &icon) const
{
    if (icon.isEmpty())
        return QSizeF();
    auto found = m_symbolSizes.constFind(icon);
    if (found != m_symbolSizes.cend())
        return *found;
    const QImage image = SymbolImage::tinted(QUrl(icon), Qt::transparent, m_dpr);
    const QSizeF size = image.isNull() ? QSizeF() : QSizeF(image.size()) / m_dpr;
    m_symbolSizes.insert(icon, size);
    return size;
}

bool MapPointLayer::details(const Row &row) const
{
    return m_zoom >= row.minZoomDetails || m_detail.contains(row.uid);
}

QPointF MapPointLayer::anchorOf(const Row &row) const
{
    const QPointF p = map()->camera().mercatorToLayer(row.mercator);
    // Whole pixels of the layer: a pan moves it by whole pixels, so letters stay sharp.
    return QPointF(std::round(p.x()), std::round(p.y()));
}

bool MapPointLayer::hits(int row, QPointF anchor, bool details, QPointF position) const
{
    const Row &r = m_rows[size_t(row)];
    const bool hovered = row == hoveredRow();
    const QPointF p = m_uprightInverse.map(position - anchor);
    if (!details && row != selectedRow()) {
        const qreal half = std::max(typeStyle(r.type).dot * (hovered ? HoveredDot : 1.0), MinimumHit) / 2.0;
        return std::abs(p.x()) <= half && std::abs(p.y()) <= half;
    }
    const QSizeF symbol = symbolSize(r.icon) * (hovered ? HoveredSymbol : 1.0);
    if (!symbol.isEmpty() && QRectF(QPointF(-symbol.width() / 2, r.iconOffset - symbol.height() / 2), symbol).contains(p))
        return true;
    const qreal width = hovered ? boldWidth(r.code) : label(r.code).width;
    return QRectF(-width / 2, m_textHeight / 2 + r.textOffset, width, m_textHeight).contains(p);
}

int MapPointLayer::rowAt(const QPointF &position) const
{
    if (!map() || !m_model)
        return -1;
    if (m_placementDirty)
        const_cast<MapPointLayer *>(this)->build();
    // Items stand above the batch, the latest on top; in the batch later rows lie above.
    const QList<QPersistentModelIndex> &active = m_active->rows();
    for (qsizetype i = active.size() - 1; i >= 0; --i) {
        const int row = active.at(i).row();
        if (row < 0 || row >= int(m_rows.size()) || !m_rows[size_t(row)].valid || m_hidden.contains(m_rows[size_t(row)].uid))
            continue;
        if (hits(row, anchorOf(m_rows[size_t(row)]), details(m_rows[size_t(row)]), position))
            return row;
    }
    for (auto it = m_placed.crbegin(); it != m_placed.crend(); ++it) {
        // Most points lie far from the pointer: no need to look at their shapes.
        if (std::abs(position.x() - it->anchor.x()) > m_reach || std::abs(position.y() - it->anchor.y()) > m_reach)
            continue;
        if (!m_active->contains(it->row) && hits(it->row, it->anchor, it->details, position))
            return it->row;
    }
    return -1;
}

MapPointLayer::Shape MapPointLayer::shapeOf(int row) const
{
    if (row < 0 || row >= int(m_rows.size()) || !m_rows[size_t(row)].valid || m_hidden.contains(m_rows[size_t(row)].uid))
        return None;
    const double zoom = map() ? map()->zoomLevel() : m_zoom;
    const Row &r = m_rows[size_t(row)];
    return zoom >= r.minZoomDetails || m_detail.contains(r.uid) || row == selectedRow() ? Details : Dot;
}

void MapPointLayer::build()
{
    m_placementDirty = false;
    m_placed.clear();
    m_shapeVertices.clear();
    m_spriteVertices.clear();
    m_geometryChanged = true;
    MapView *view = map();
    if (!view || !m_model)
        return;
    m_zoom = view->zoomLevel();
    m_upright = QTransform().rotate(view->bearing());
    m_uprightInverse = m_upright.inverted();
    refreshStyle();
    std::vector<Quad> quads;
    if (!buildInto(quads)) {
        // The atlas ran full of pictures of earlier themes and zooms: start it afresh.
        m_atlas.clear();
        m_glyphs.clear();
        m_placed.clear();
        m_shapeVertices.clear();
        quads.clear();
        buildInto(quads);
    }
    const QSizeF atlas = m_atlas.image().size();
    m_spriteVertices.reserve(quads.size() * 6);
    for (const Quad &quad : quads) {
        const QRectF uv(quad.pixels.x() / atlas.width(), quad.pixels.y() / atlas.height(), quad.pixels.width() / atlas.width(),
                        quad.pixels.height() / atlas.height());
        const QPointF corners[4] = {quad.rect.topLeft(), quad.rect.topRight(), quad.rect.bottomRight(), quad.rect.bottomLeft()};
        const QPointF texture[4] = {uv.topLeft(), uv.topRight(), uv.bottomRight(), uv.bottomLeft()};
        for (int corner : {0, 1, 2, 0, 2, 3}) {
            const QPointF p = quad.anchor + m_upright.map(corners[corner]);
            QSGGeometry::TexturedPoint2D vertex;
            vertex.set(float(p.x()), float(p.y()), float(texture[corner].x()), float(texture[corner].y()));
            m_spriteVertices.push_back(vertex);
        }
    }
}

bool MapPointLayer::buildInto(std::vector<Quad> &quads)
{
    m_placed.reserve(m_rows.size());
    m_reach = MinimumHit;
    QVarLengthArray<int, 4> active;
    for (const QPersistentModelIndex &index : m_active->rows())
        active.append(index.row());
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const Row &r = m_rows[size_t(row)];
        if (!r.valid || m_hidden.contains(r.uid))
            continue;
        const QPointF anchor = anchorOf(r);
        const bool detailed = details(r);
        m_placed.push_back({row, anchor, detailed});
        // Its item draws it.
        if (active.contains(row))
            continue;
        const TypeStyle &style = typeStyle(r.type);
        if (!detailed) {
            const qreal d = style.dot;
            m_reach = std::max(m_reach, d * HoveredDot);
            PointBatchNode::appendRoundedRect(m_shapeVertices, m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()), QRectF(-d / 2, -d / 2, d, d), d / 2, style.color, 0.0, QColor());
            continue;
        }
        if (m_discWidth != 0.0) {
            const qreal d = style.disc;
            PointBatchNode::appendRoundedRect(m_shapeVertices, m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()), QRectF(-d / 2, -d / 2, d, d), d / 2, style.discFill, m_discBorderWidth, m_discBorderColor);
        }
        // The label's top edge lies half its height plus the row's shift below the point, in a
        // frame one border width and a pixel wider on each side.
        const Label &text = label(r.code);
        const QRectF box(-text.width / 2, m_textHeight / 2 + r.textOffset, text.width, m_textHeight);
        // A bold label is at most half as wide again; a hovered symbol a tenth larger.
        m_reach = std::max({m_reach, box.bottom(), 0.75 * text.width, std::abs(r.iconOffset) + symbolSize(r.icon).width()});
        const qreal margin = style.labelBorderWidth + 1.0;
        PointBatchNode::appendRoundedRect(m_shapeVertices, m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()), box.adjusted(-margin, -margin, margin, margin), m_labelRadius, style.labelFill,
                          style.labelBorderWidth, style.labelBorder);
        if (!appendGlyphs(anchor, box, text, style.color, quads) || !appendSymbol(anchor, r, style.color, quads))
            return false;
    }
    return true;
}

bool MapPointLayer::appendGlyphs(QPointF anchor, const QRectF &text, const Label &label, const QColor &color,
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
        quads.push_back({anchor, QRectF(QPointF(text.left() + label.x.at(i) + found->cell.left(), baseline + found->cell.top()),
                                        QSizeF(found->cell.size())),
                         found->pixels});
    }
    return true;
}

bool MapPointLayer::appendSymbol(QPointF anchor, const Row &row, const QColor &color, std::vector<Quad> &quads)
{
    if (row.icon.isEmpty())
        return true;
    const QString key = QStringLiteral("s%1:%2").arg(row.icon).arg(color.rgba(), 0, 16);
    QImage tinted;
    if (!m_atlas.contains(key)) {
        tinted = SymbolImage::tinted(QUrl(row.icon), color, m_dpr);
        // A symbol that cannot be read leaves the label alone.
            if (tinted.isNull())
            return true;
    }
    const QRect pixels = m_atlas.sprite(key, tinted.size(), [&](QImage &image) { image = tinted; });
    if (pixels.isEmpty())
        return false;
    const QSizeF size = QSizeF(pixels.size()) / m_dpr;
    quads.push_back({anchor, QRectF(QPointF(-size.width() / 2, row.iconOffset - size.height() / 2), size), pixels});
    return true;
}

void MapPointLayer::updatePolish()
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

QSGNode *MapPointLayer::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
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
