#include "mappointlayer.h"

#include "activerowsmodel.h"
#include "mapview.h"
#include "pointbatchnode.h"
#include "symbolimage.h"

#include <QGeoCoordinate>
#include <QUrl>
#include <QVarLengthArray>
#include <cmath>

namespace {

// A symbol and a label show their details this much larger under the pointer.
constexpr qreal HoveredDot = 1.5;
constexpr qreal HoveredSymbol = 1.1;
// A dot narrower than this is still this easy to hit.
constexpr qreal MinimumHit = 4.0;

} // namespace

MapPointLayer::MapPointLayer(QQuickItem *parent)
    : MapRowLayer(parent)
{
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
    if (hoveredRow() >= 0 && m_hidden.contains(uidOf(hoveredRow())))
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

void MapPointLayer::readRoles(const QHash<int, QByteArray> &names)
{
    m_roles = Roles();
    m_roles.uid = names.key("role_uid", -1);
    m_roles.position = names.key("role_position", -1);
    m_roles.type = names.key("role_type", -1);
    m_roles.code = names.key("role_code", -1);
    m_roles.icon = names.key("role_icon", -1);
    m_roles.iconOffset = names.key("role_icon_offset", -1);
    m_roles.textOffset = names.key("role_text_offset", -1);
    m_roles.minZoomDetails = names.key("role_minzoom_details", -1);
}

void MapPointLayer::splice(int first, int removed, int inserted)
{
    spliceRows(m_rows, first, removed, inserted, [this](int row) { return readRow(row); });
}

void MapPointLayer::readRows(int first, int last)
{
    rereadRows(m_rows, first, last, [this](int row) { return readRow(row); });
}

void MapPointLayer::styleReset()
{
    m_typeStyles.clear();
    m_symbolSizes.clear();
    m_discWidth = ask("width", QStringLiteral("point.fill")).toDouble();
    m_discBorderWidth = ask("width", QStringLiteral("point.border")).toDouble();
    m_discBorderColor = ask("color", QStringLiteral("point.border")).value<QColor>();
    m_labelRadius = ask("radius", QStringLiteral("pointlabel.border")).toDouble();
    QFont font(ask("fontFamily", QStringLiteral("pointlabel")).toString());
    const double size = ask("fontSize", QStringLiteral("pointlabel")).toDouble();
    if (size > 0.0)
        font.setPointSizeF(size);
    setLabelFont(font);
}

bool MapPointLayer::activeHits(int row, QPointF position) const
{
    const Row &r = m_rows[size_t(row)];
    return r.valid && !m_hidden.contains(r.uid) && hits(row, anchorOf(r), details(r), position);
}

int MapPointLayer::pick(QPointF position) const
{
    // In the batch later rows lie above.
    for (auto it = m_placed.crbegin(); it != m_placed.crend(); ++it) {
        // Most points lie far from the pointer: no need to look at their shapes.
        if (std::abs(position.x() - it->anchor.x()) > m_reach || std::abs(position.y() - it->anchor.y()) > m_reach)
            continue;
        if (!isActive(it->row) && hits(it->row, it->anchor, it->details, position))
            return it->row;
    }
    return -1;
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

const MapPointLayer::TypeStyle &MapPointLayer::typeStyle(int type) const
{
    auto found = m_typeStyles.find(type);
    if (found != m_typeStyles.end())
        return *found;
    TypeStyle style;
    style.color = ask("color", QStringLiteral("point"), type).value<QColor>();
    // A style that has no colour of its own for texts writes them in the point's colour.
    const QVariant label = ask("labelColor", QStringLiteral("point"), type);
    style.label = label.isValid() ? label.value<QColor>() : style.color;
    style.dot = ask("width", QStringLiteral("point.dot"), type).toDouble();
    style.disc = m_discWidth / (type == m_smallDiscType ? 1.3 : 1.0);
    style.discFill = ask("color", QStringLiteral("point.fill"), type).value<QColor>();
    style.labelFill = ask("color", QStringLiteral("pointlabel.fill"), type).value<QColor>();
    style.labelBorder = ask("color", QStringLiteral("pointlabel.border"), type).value<QColor>();
    style.labelBorderWidth = ask("width", QStringLiteral("pointlabel.border"), type).toDouble();
    return *m_typeStyles.insert(type, style);
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
    if (!symbol.isEmpty()
        && QRectF(QPointF(-symbol.width() / 2, r.iconOffset - symbol.height() / 2), symbol).contains(p))
        return true;
    const qreal width = hovered ? boldWidth(r.code) : label(r.code).width;
    return QRectF(-width / 2, m_textHeight / 2 + r.textOffset, width, m_textHeight).contains(p);
}

MapPointLayer::Shape MapPointLayer::shapeOf(int row) const
{
    if (row < 0 || row >= int(m_rows.size()) || !m_rows[size_t(row)].valid
        || m_hidden.contains(m_rows[size_t(row)].uid))
        return None;
    const double zoom = map() ? map()->zoomLevel() : m_zoom;
    const Row &r = m_rows[size_t(row)];
    return zoom >= r.minZoomDetails || m_detail.contains(r.uid) || row == selectedRow() ? Details : Dot;
}

bool MapPointLayer::buildInto(std::vector<Quad> &quads)
{
    m_placed.clear();
    m_placed.reserve(m_rows.size());
    m_reach = MinimumHit;
    m_zoom = map()->zoomLevel();
    m_upright = QTransform().rotate(map()->bearing());
    m_uprightInverse = m_upright.inverted();
    QVarLengthArray<int, 4> active;
    for (const QPersistentModelIndex &index : activeList())
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
            PointBatchNode::appendRoundedRect(m_shapeVertices,
                                              m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()),
                                              QRectF(-d / 2, -d / 2, d, d), d / 2, style.color, 0.0, QColor());
            continue;
        }
        if (m_discWidth != 0.0) {
            const qreal d = style.disc;
            PointBatchNode::appendRoundedRect(
                m_shapeVertices, m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()),
                QRectF(-d / 2, -d / 2, d, d), d / 2, style.discFill, m_discBorderWidth, m_discBorderColor);
        }
        // The label's top edge lies half its height plus the row's shift below the point, in a
        // frame one border width and a pixel wider on each side.
        const Label &text = label(r.code);
        const QRectF box(-text.width / 2, m_textHeight / 2 + r.textOffset, text.width, m_textHeight);
        // A bold label is at most half as wide again; a hovered symbol a tenth larger.
        m_reach
            = std::max({m_reach, box.bottom(), 0.75 * text.width, std::abs(r.iconOffset) + symbolSize(r.icon).width()});
        const qreal margin = style.labelBorderWidth + 1.0;
        PointBatchNode::appendRoundedRect(m_shapeVertices,
                                          m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()),
                                          box.adjusted(-margin, -margin, margin, margin), m_labelRadius,
                                          style.labelFill, style.labelBorderWidth, style.labelBorder);
        if (!appendGlyphs(m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()), box, text, style.label, quads)
            || !appendSymbol(anchor, r, style.color, quads))
            return false;
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
    quads.push_back({m_upright * QTransform::fromTranslate(anchor.x(), anchor.y()),
                     QRectF(QPointF(-size.width() / 2, row.iconOffset - size.height() / 2), size), pixels});
    return true;
}
