#include "mapproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"
#include "maprowindex.h"

#include <QDebug>

#include <algorithm>
#include <iterator>

namespace {

ItemFilterModel::Index buildMapIndex(QList<const BaseItem *> items, IndexProgress *progress)
{
    return MapRowIndex::build(std::move(items), progress);
}

// QGeoRectangle::intersects on the item's edges as bounding() has them, without building the
// rectangle: boxes that reach the same pole meet, and the longitudes are compared as Qt does for
// boxes across the antimeridian (west > east) and with NaN edges.
bool meets(const BaseItem *item, const MapRowIndex::Area &area)
{
    const double north = item->boundingNorth();
    const double south = item->boundingSouth();
    const double west = item->boundingWest();
    const double east = item->boundingEast();
    if (north < area.south || south > area.north)
        return false;
    if ((north == 90.0 && area.north == 90.0) || (south == -90.0 && area.south == -90.0))
        return true;
    if (west < east) {
        if (area.west < area.east)
            return !(west > area.east || east < area.west);
        return !(west > area.east && east < area.west);
    }
    if (area.west < area.east)
        return !(area.west > east && area.east < west);
    return true;
}

} // namespace

MapProxyModel::MapProxyModel()
    : ItemFilterModel(&buildMapIndex, Announce::Runs)
{
}

MapProxyModel::~MapProxyModel() = default;

void MapProxyModel::setMinZoom(double minZoom)
{
    m_minZoom = minZoom;
    refilter();
}

void MapProxyModel::setGeoFilter(const QGeoRectangle &area, double zoom)
{
    m_area = area;
    m_zoom = zoom;
    refilter();
}

void MapProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set map type filter" << type << "visible" << (visible ? "true" : "false");
    m_typeMask = BaseItem::withTypeInMask(m_typeMask, type, visible);
    refilter();
}

void MapProxyModel::setUidFilter(const QStringList &uids)
{
    m_uids = uids;
    m_uidSet = QSet<QString>(uids.cbegin(), uids.cend());
    m_pinnedDirty = true;
    refilter();
}

void MapProxyModel::takeIndex(const Index &index)
{
    m_index = std::static_pointer_cast<const MapRowIndex>(index);
    m_pinnedDirty = true;
}

std::vector<int> MapProxyModel::acceptedKeys(bool *rebuilt)
{
    std::vector<int> accepted;
    if (!items() || !m_index)
        return accepted;
    if (items()->unchangedRows(m_index->items()) < m_index->rows()) {
        indexNow();
        if (rebuilt)
            *rebuilt = true;
    }
    if (m_pinnedDirty) {
        m_pinned = m_index->rowsWithUids(m_uidSet);
        m_pinnedDirty = false;
    }
    if (m_minZoom <= m_zoom && m_area.isValid()) {
        const MapRowIndex::Area area(m_area);
        m_index->candidates(area, m_candidates);
        std::vector<int> visible;
        visible.reserve(m_candidates.size());
        for (const int row : m_candidates) {
            if (m_index->mayShow(row, area, m_zoom, m_typeMask) && meets(m_index->items().at(row), area))
                visible.push_back(row);
        }
        accepted.reserve(visible.size() + m_pinned.size());
        std::set_union(visible.begin(), visible.end(), m_pinned.begin(), m_pinned.end(), std::back_inserter(accepted));
    } else {
        accepted = m_pinned;
    }
    // Rows added at the end since the index was made, as the database adds coordinate points.
    const int count = items()->itemCount();
    for (int row = m_index->rows(); row < count; ++row) {
        const BaseItem *item = items()->itemAt(row);
        if (item
            && ((!m_uidSet.isEmpty() && m_uidSet.contains(item->uid()))
                || (m_minZoom <= m_zoom && item->isVisible(m_area, m_zoom, m_typeMask))))
            accepted.push_back(row);
    }
    return accepted;
}

QModelIndex MapProxyModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel() || proxyIndex.row() >= rows().count())
        return {};
    return sourceModel()->index(rows().at(proxyIndex.row()), proxyIndex.column());
}

QModelIndex MapProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel())
        return {};
    const int row = rows().find(sourceIndex.row());
    return row < 0 ? QModelIndex() : createIndex(row, sourceIndex.column());
}
