#include "mapsegmentlayer.h"

#include "geopathprojector.h"
#include "mapcamera.h"
#include "mapshapeitem.h"
#include "mapview.h"
#include "pointbatchnode.h"
#include "shapehittest.h"
#include "strokebuilder.h"

#include <QVarLengthArray>
#include <cmath>

MapSegmentLayer::MapSegmentLayer(QQuickItem *parent)
    : MapRowLayer(parent)
{
}

void MapSegmentLayer::setTrackType(int type)
{
    if (type == m_trackType)
        return;
    m_trackType = type;
    placementChanged();
    emit styleChanged();
}

void MapSegmentLayer::setPlanUids(const QStringList &uids)
{
    if (uids == m_planList)
        return;
    m_planList = uids;
    m_plan = QSet<QString>(uids.cbegin(), uids.cend());
    // The line of a segment that joins the plan takes the pointer no more.
    if (hoveredRow() >= 0 && !m_labelHovered && m_plan.contains(uidOf(hoveredRow())))
        setHovered(-1);
    placementChanged();
    emit planUidsChanged();
}

void MapSegmentLayer::setPixelPerNm(qreal pixelPerNm)
{
    if (pixelPerNm == m_pixelPerNm)
        return;
    m_pixelPerNm = pixelPerNm;
    // The scale follows the pan; only a label that comes or goes needs a new batch.
    for (double threshold : m_labelThresholds) {
        if ((m_builtPixelPerNm > threshold) != (pixelPerNm > threshold)) {
            placementChanged();
            break;
        }
    }
    emit pixelPerNmChanged();
}

void MapSegmentLayer::readRoles(const QHash<int, QByteArray> &names)
{
    m_roles = Roles();
    m_roles.uid = names.key("role_uid", -1);
    m_roles.type = names.key("role_type", -1);
    m_roles.line = names.key("role_line", -1);
    m_roles.minZoom = names.key("role_minzoom", -1);
    m_roles.code = names.key("role_code", -1);
    m_roles.direction = names.key("role_direction", -1);
    m_roles.center = names.key("role_center", -1);
    m_roles.minLevel = names.key("role_min_level", -1);
    m_roles.maxLevel = names.key("role_max_level", -1);
    m_roles.distance = names.key("role_distance", -1);
    m_roles.arrowRotation = names.key("role_arrow_rotation", -1);
    m_roles.textRotation = names.key("role_text_rotation", -1);
    m_roles.minZoomDetails = names.key("role_minzoom_details", -1);
}

void MapSegmentLayer::splice(int first, int removed, int inserted)
{
    spliceRows(m_rows, first, removed, inserted, [this](int row) { return readRow(row); });
}

void MapSegmentLayer::readRows(int first, int last)
{
    rereadRows(m_rows, first, last, [this](int row) { return readRow(row); });
}

MapSegmentLayer::Row MapSegmentLayer::readRow(int row) const
{
    Row r;
    const QModelIndex index = m_model->index(row, 0);
    r.path = MapItemBase::coordinateList(index.data(m_roles.line));
    if (r.path.size() < 2)
        return r;
    r.uid = index.data(m_roles.uid).toString();
    r.code = index.data(m_roles.code).toString();
    const QGeoCoordinate center = index.data(m_roles.center).value<QGeoCoordinate>();
    r.centerMercator = MapCamera::mercator(center.isValid() ? center : r.path.first());
    r.type = index.data(m_roles.type).toInt();
    r.direction = index.data(m_roles.direction).toInt();
    r.minLevel = index.data(m_roles.minLevel).toInt();
    r.maxLevel = index.data(m_roles.maxLevel).toInt();
    r.arrowRotation = index.data(m_roles.arrowRotation).toInt();
    r.textRotation = index.data(m_roles.textRotation).toInt();
    r.minZoom = index.data(m_roles.minZoom).toDouble();
    r.minZoomDetails = index.data(m_roles.minZoomDetails).toDouble();
    r.distance = index.data(m_roles.distance).toDouble();
    r.valid = true;
    return r;
}

void MapSegmentLayer::styleReset()
{
    m_typeStyles.clear();
    QFont font(ask("fontFamily", QStringLiteral("segmentlabel")).toString());
    const double size = ask("fontSize", QStringLiteral("segmentlabel")).toDouble();
    if (size > 0.0)
        font.setPointSizeF(size);
    setLabelFont(font);
}

const MapSegmentLayer::TypeStyle &MapSegmentLayer::typeStyle(int type) const
{
    auto found = m_typeStyles.find(type);
    if (found != m_typeStyles.end())
        return *found;
    TypeStyle style;
    style.color = ask("color", QStringLiteral("segment"), type).value<QColor>();
    // A style that has no colour of its own for texts writes them in the line's colour.
    const QVariant label = ask("labelColor", QStringLiteral("segment"), type);
    style.label = label.isValid() ? label.value<QColor>() : style.color;
    style.labelFill = ask("color", QStringLiteral("segmentlabel.fill"), type).value<QColor>();
    style.width = ask("width", QStringLiteral("segment"), type).toDouble();
    style.dashed = ask("dashed", QStringLiteral("segment"), type).toInt() == Qt::DashLine;
    return *m_typeStyles.insert(type, style);
}

double MapSegmentLayer::widthAt(const Row &row, double zoom) const
{
    const bool plan = inPlan(row);
    if (!row.valid || (zoom < row.minZoom && !plan))
        return 0.0;
    // Airways thin out fast below the full-width zoom, tracks (long and few) slower.
    const double factor
        = zoom >= FullWidthZoom || plan ? 1.0 : std::pow(zoom / FullWidthZoom, row.type == m_trackType ? 1.5 : 3.0);
    return typeStyle(row.type).width * factor;
}

bool MapSegmentLayer::labelShownAt(const Row &row, double zoom) const
{
    if (!row.valid || (zoom < row.minZoomDetails && !inPlan(row)))
        return false;
    return label(row.code).advance * 1.75 < row.distance * m_pixelPerNm;
}

double MapSegmentLayer::lineWidth(int row) const
{
    if (row < 0 || row >= int(m_rows.size()) || !map())
        return 0.0;
    const_cast<MapSegmentLayer *>(this)->refreshStyle();
    return widthAt(m_rows[size_t(row)], map()->zoomLevel());
}

bool MapSegmentLayer::labelShown(int row) const
{
    if (row < 0 || row >= int(m_rows.size()) || !map())
        return false;
    const_cast<MapSegmentLayer *>(this)->refreshStyle();
    return labelShownAt(m_rows[size_t(row)], map()->zoomLevel());
}

MapSegmentLayer::Placed MapSegmentLayer::place(int row)
{
    Row &r = m_rows[size_t(row)];
    const MapCamera &camera = map()->camera();
    const double zoom = camera.zoom();
    Placed placed{row, {}, {}, 0.0, !inPlan(r), false, {}, {}};
    const double width = widthAt(r, zoom);
    if (width > 0.0) {
        const int densified = int(std::ceil(zoom));
        if (r.densifiedZoom != densified) {
            // Densified for the next whole zoom: points stay a few pixels apart up to it.
            r.pieces = GeoPathProjector::project(r.path, true, MapCamera::TileSize * std::exp2(densified));
            r.densifiedZoom = densified;
        }
        for (const QPolygonF &piece : std::as_const(r.pieces)) {
            const QPolygonF line = camera.mercatorToLayer(piece);
            placed.reach |= line.boundingRect();
            placed.lines.append(line);
        }
        placed.halfWidth = width / 2.0;
        const double reach = std::max(placed.halfWidth, MapShapeItem::MinimumHitHalfWidth);
        placed.reach.adjust(-reach, -reach, reach, reach);
    }
    if (labelShownAt(r, zoom)) {
        const QPointF p = camera.mercatorToLayer(r.centerMercator);
        // Whole pixels of the layer: a pan moves it by whole pixels, so letters stay sharp.
        const QPointF anchor(std::round(p.x()), std::round(p.y()));
        const double scale = zoom < FullLabelZoom && !inPlan(r) ? std::exp2(zoom - FullLabelZoom) : 1.0;
        // The label turns along its segment inside a holder that keeps it upright on a turned map.
        const QTransform frame = QTransform().rotate(r.textRotation) * QTransform::fromScale(scale, scale)
                                 * QTransform().rotate(map()->bearing())
                                 * QTransform::fromTranslate(anchor.x(), anchor.y());
        placed.labelled = true;
        placed.toLabel = frame.inverted();
        const qreal w = label(r.code).advance;
        placed.labelBox = QRectF(-w / 2, -m_textHeight / 2, w, m_textHeight);
        placed.reach |= frame.mapRect(placed.labelBox);
    }
    return placed;
}

bool MapSegmentLayer::appendLabel(const Row &row, const Placed &placed, std::vector<Quad> &quads)
{
    const TypeStyle &style = typeStyle(row.type);
    const QTransform frame = placed.toLabel.inverted();
    const qreal w = placed.labelBox.width();
    const qreal h = m_textHeight;
    const qreal s = style.width;
    // A box pointed at the end the segment runs to, both ends when it runs both ways; the halves
    // of the height are whole pixels, as the item's were.
    const bool twoWay = row.direction == 0;
    const int turn = row.arrowRotation - row.textRotation;
    const qreal left = turn >= 180 || twoWay ? -std::trunc(h / 2) : 0.0;
    const qreal right = turn < 180 || twoWay ? std::trunc(h / 2) : 0.0;
    QPolygonF outline{QPointF(-w / 2, -h / 2 - s), QPointF(-w / 2 + left, 0), QPointF(-w / 2, h / 2 + s),
                      QPointF(w / 2, h / 2 + s),   QPointF(w / 2 + right, 0), QPointF(w / 2, -h / 2 - s)};
    outline = frame.map(outline);
    // The box is convex: a fan from its first corner fills it.
    QList<QPointF> fill;
    for (qsizetype i = 1; i + 1 < outline.size(); ++i)
        fill << outline.at(0) << outline.at(i) << outline.at(i + 1);
    PointBatchNode::appendTriangles(m_shapeVertices, fill, style.labelFill);
    QList<QPointF> stroke;
    StrokeBuilder::Style strokeStyle;
    // The frame turns and scales: its scale is the length of a unit step through it.
    strokeStyle.width = s * std::hypot(frame.m11(), frame.m12());
    StrokeBuilder::stroke(outline, true, strokeStyle, stroke);
    PointBatchNode::appendTriangles(m_shapeVertices, stroke, style.color);
    if (!appendGlyphs(frame, placed.labelBox, label(row.code), style.label, quads))
        return false;
    // The upper level above the name, the lower one below.
    const QList<std::pair<int, qreal>> levels{{row.maxLevel, -2 * h}, {row.minLevel, h}};
    for (const auto &[level, top] : levels) {
        if (level == 0)
            continue;
        const Label &text = label(QString::number(level));
        if (!appendGlyphs(frame, QRectF(-text.advance / 2, top, text.advance, h), text, style.label, quads))
            return false;
    }
    return true;
}

bool MapSegmentLayer::buildInto(std::vector<Quad> &quads)
{
    m_placed.clear();
    m_placedIndex.clear();
    m_labelThresholds.clear();
    m_builtPixelPerNm = m_pixelPerNm;
    const double zoom = map()->zoomLevel();
    QVarLengthArray<int, 4> active;
    for (const QPersistentModelIndex &index : activeList())
        active.append(index.row());
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const Row &r = m_rows[size_t(row)];
        if (!r.valid)
            continue;
        if (zoom >= r.minZoomDetails || inPlan(r))
            m_labelThresholds.push_back(label(r.code).advance * 1.75 / std::max(r.distance, 1e-9));
        Placed placed = place(row);
        if (placed.lines.isEmpty() && !placed.labelled)
            continue;
        // Its item draws it.
        if (!active.contains(row)) {
            const TypeStyle &style = typeStyle(r.type);
            StrokeBuilder::Style strokeStyle;
            strokeStyle.width = placed.halfWidth * 2.0;
            if (style.dashed)
                strokeStyle.dashPattern = {4.0, 2.0};
            QList<QPointF> triangles;
            for (const QPolygonF &line : std::as_const(placed.lines))
                StrokeBuilder::stroke(line, false, strokeStyle, triangles);
            PointBatchNode::appendTriangles(m_shapeVertices, triangles, style.color);
        }
        m_placedIndex.insert(row, qsizetype(m_placed.size()));
        m_placed.push_back(std::move(placed));
    }
    // Labels lie above all lines.
    for (const Placed &placed : m_placed) {
        if (placed.labelled && !active.contains(placed.row) && !appendLabel(m_rows[size_t(placed.row)], placed, quads))
            return false;
    }
    return true;
}

int MapSegmentLayer::hitPart(const Placed &placed, QPointF position)
{
    if (!placed.reach.contains(position))
        return 0;
    if (placed.labelled && placed.labelBox.contains(placed.toLabel.map(position)))
        return 2;
    if (!placed.takesPointer)
        return 0;
    const double reach = std::max(placed.halfWidth, MapShapeItem::MinimumHitHalfWidth);
    for (const QPolygonF &line : placed.lines) {
        if (ShapeHitTest::distanceToPolyline(position, line, false) <= reach)
            return 1;
    }
    return 0;
}

const MapSegmentLayer::Placed *MapSegmentLayer::placedOf(int row) const
{
    const auto found = m_placedIndex.constFind(row);
    return found == m_placedIndex.cend() ? nullptr : &m_placed[size_t(*found)];
}

bool MapSegmentLayer::activeHits(int row, QPointF position) const
{
    const Placed *placed = placedOf(row);
    return placed && hitPart(*placed, position) != 0;
}

int MapSegmentLayer::pick(QPointF position) const
{
    // Labels lie above the lines; in either, later rows above earlier ones.
    int line = -1;
    for (auto it = m_placed.crbegin(); it != m_placed.crend(); ++it) {
        if (isActive(it->row))
            continue;
        const int part = hitPart(*it, position);
        if (part == 2)
            return it->row;
        if (part == 1 && line < 0)
            line = it->row;
    }
    return line;
}

void MapSegmentLayer::pointerMoved(QPointF position)
{
    const Placed *placed = placedOf(hoveredRow());
    const bool onLabel = placed && hitPart(*placed, position) == 2;
    if (onLabel == m_labelHovered)
        return;
    m_labelHovered = onLabel;
    emit labelHoveredChanged();
}
