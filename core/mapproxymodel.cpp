#include "mapproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"

#include <QDebug>

namespace {

// The longitude comparison below is the geometric one only for boxes that do not cross the
// antimeridian (west < east) and do not reach a pole, where every longitude meets.
bool lonTestable(double north, double south, double west, double east)
{
    return west < east && north != 90.0 && south != -90.0;
}

} // namespace

MapProxyModel::MapProxyModel()
    : QSortFilterProxyModel(nullptr)
{
}

MapProxyModel::~MapProxyModel() = default;

void MapProxyModel::setSourceModel(QAbstractItemModel *sourceModel)
{
    // Connected before the base connects its own handlers, so the cache is marked stale
    // before the base filters the changed rows again.
    m_items = ItemListAccess::follow(
        sourceModel, this, &m_sourceConnections, [this] { m_rowsDirty = true; },
        [this] {
            // The base forgets a destroyed source without telling us.
            m_items = nullptr;
            m_rows.clear();
            m_rowsDirty = true;
        });
    m_rows.clear();
    m_rowsDirty = true;
    QSortFilterProxyModel::setSourceModel(sourceModel);
}

void MapProxyModel::setMinZoom(double minZoom)
{
    m_minZoom = minZoom;
    invalidateRowsFilter();
}

void MapProxyModel::setGeoFilter(const QGeoRectangle &area, double zoom)
{
    m_area = area;
    m_zoom = zoom;
    m_areaValid = area.isValid();
    const QGeoCoordinate topLeft = area.topLeft();
    const QGeoCoordinate bottomRight = area.bottomRight();
    m_north = topLeft.latitude();
    m_south = bottomRight.latitude();
    m_west = topLeft.longitude();
    m_east = bottomRight.longitude();
    m_areaLonTestable = lonTestable(m_north, m_south, m_west, m_east);
    invalidateRowsFilter();
}

void MapProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set map type filter" << type << "visible" << (visible ? "true" : "false");
    m_typeMask = BaseItem::withTypeInMask(m_typeMask, type, visible);
    invalidateRowsFilter();
}

void MapProxyModel::setUidFilter(const QStringList &uids)
{
    m_uids = uids;
    m_uidSet = QSet<QString>(uids.cbegin(), uids.cend());
    m_pinnedDirty = true;
    invalidateRowsFilter();
}

bool MapProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent)
    const BaseItem *item = m_items ? m_items->itemAt(sourceRow) : nullptr;

    if (!m_uidSet.isEmpty()) {
        if (!item)
            return false;
        if (pinned(sourceRow, item))
            return true;
    }
    if (m_minZoom > m_zoom)
        return false;
    if (!item)
        return false;
    return visible(sourceRow, item);
}

// Whether the item's UID is on the list: looked up once per list and row, not on every pass.
bool MapProxyModel::pinned(int sourceRow, const BaseItem *item) const
{
    if (m_rowsDirty)
        rebuildRows();
    if (sourceRow >= m_rows.size() || m_rows.at(sourceRow).item != item)
        return m_uidSet.contains(item->uid());
    if (m_pinnedDirty) {
        m_pinnedDirty = false;
        for (Row &row : m_rows)
            row.pinned = row.item && m_uidSet.contains(row.item->uid());
    }
    return m_rows.at(sourceRow).pinned;
}

// Exactly BaseItem::isVisible(m_area, m_zoom, m_typeMask).
bool MapProxyModel::visible(int sourceRow, const BaseItem *item) const
{
    if (m_rowsDirty)
        rebuildRows();
    if (sourceRow >= m_rows.size() || m_rows.at(sourceRow).item != item) {
        // A change the source did not announce (yet): no cached values for this row.
        return item->isVisible(m_area, m_zoom, m_typeMask);
    }
    const Row &row = m_rows.at(sourceRow);
    if (row.minzoom > m_zoom)
        return false;
    if (!BaseItem::typeInMask(row.type, m_typeMask))
        return false;
    if (!m_areaValid)
        return false;
    // Boxes apart in latitude never meet; with NaN in play neither comparison holds.
    if (row.north < m_south || row.south > m_north)
        return false;
    if (row.lonTestable && m_areaLonTestable && (row.west > m_east || row.east < m_west))
        return false;
    return item->bounding().intersects(m_area);
}

void MapProxyModel::rebuildRows() const
{
    m_rowsDirty = false;
    m_pinnedDirty = true;
    m_rows.clear();
    if (!m_items)
        return;
    const int count = m_items->itemCount();
    m_rows.resize(count);
    for (int i = 0; i < count; ++i) {
        const BaseItem *item = m_items->itemAt(i);
        Row &row = m_rows[i];
        row.item = item;
        if (!item)
            continue;
        const QGeoRectangle bounding = item->bounding();
        const QGeoCoordinate topLeft = bounding.topLeft();
        const QGeoCoordinate bottomRight = bounding.bottomRight();
        row.north = topLeft.latitude();
        row.south = bottomRight.latitude();
        row.west = topLeft.longitude();
        row.east = bottomRight.longitude();
        row.minzoom = item->minzoom();
        row.type = item->type();
        row.lonTestable = lonTestable(row.north, row.south, row.west, row.east);
    }
}
