#include "maprowindex.h"

#include "baseitem.h"
#include "indexprogress.h"

#include <QGeoRectangle>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kColumns = 360;
constexpr int kLines = 180;
// Boxes over more cells than this are tested on every pass rather than listed in each cell.
constexpr int kMostCells = 64;
constexpr int kMapCancelEvery = 4096;

// The longitude comparison is the geometric one only for boxes that do not cross the
// antimeridian (west < east) and do not reach a pole, where every longitude meets.
bool lonTestable(double north, double south, double west, double east)
{
    return west < east && north != 90.0 && south != -90.0;
}

int column(double longitude)
{
    return std::clamp(int(std::floor(longitude + 180.0)), 0, kColumns - 1);
}

int line(double latitude)
{
    return std::clamp(int(std::floor(latitude + 90.0)), 0, kLines - 1);
}

} // namespace

MapRowIndex::Area::Area(const QGeoRectangle &area)
{
    valid = area.isValid();
    if (!valid)
        return;
    const QGeoCoordinate topLeft = area.topLeft();
    const QGeoCoordinate bottomRight = area.bottomRight();
    north = topLeft.latitude();
    south = bottomRight.latitude();
    west = topLeft.longitude();
    east = bottomRight.longitude();
    lonTestable = ::lonTestable(north, south, west, east);
}

std::shared_ptr<const MapRowIndex> MapRowIndex::build(QList<const BaseItem *> items, IndexProgress *progress)
{
    // A build stopped before it ran sets nothing up.
    if (progress && progress->cancel.load())
        return {};
    auto index = std::make_shared<MapRowIndex>();
    index->m_items = std::move(items);
    const int count = int(index->m_items.size());
    index->m_rows.resize(size_t(count));
    index->m_uidHashes.resize(size_t(count));
    std::vector<int> cellCount(size_t(kColumns) * kLines + 1, 0);
    // First and last cell line and column of each gridded row; -1: not in the grid.
    struct Span
    {
        short line0 = -1, line1 = -1, column0 = -1, column1 = -1;
    };
    std::vector<Span> spans;
    spans.resize(size_t(count));
    IndexProgress::ReadingItems reading(progress);
    for (int i = 0; i < count; ++i) {
        if (i % kMapCancelEvery == 0 && reading.cancelled())
            return {};
        const BaseItem *item = index->m_items.at(i);
        if (!item)
            continue;
        Row &row = index->m_rows[size_t(i)];
        row.north = item->boundingNorth();
        row.south = item->boundingSouth();
        row.west = item->boundingWest();
        row.east = item->boundingEast();
        row.minzoom = item->minzoom();
        row.type = item->type();
        row.lonTestable = lonTestable(row.north, row.south, row.west, row.east);
        index->m_uidHashes[size_t(i)] = qHash(item->uid());
        // NaN fails every comparison, so such boxes end up wide.
        if (!row.lonTestable || !(row.south <= row.north) || !(row.south >= -90.0) || !(row.north <= 90.0)
            || !(row.west >= -180.0) || !(row.east <= 180.0)) {
            index->m_wide.push_back(i);
            continue;
        }
        Span span{short(line(row.south)), short(line(row.north)), short(column(row.west)), short(column(row.east))};
        if ((span.line1 - span.line0 + 1) * (span.column1 - span.column0 + 1) > kMostCells) {
            index->m_wide.push_back(i);
            continue;
        }
        spans[size_t(i)] = span;
        for (int l = span.line0; l <= span.line1; ++l) {
            for (int c = span.column0; c <= span.column1; ++c)
                ++cellCount[size_t(l * kColumns + c)];
        }
    }
    // From here on no item is read.
    reading.finish();
    if (progress && progress->cancel.load())
        return {};
    // Counts into starts, then the rows into their cells in ascending order.
    index->m_cellStart.resize(cellCount.size());
    int total = 0;
    for (size_t cell = 0; cell < cellCount.size(); ++cell) {
        index->m_cellStart[cell] = total;
        total += cellCount[cell];
    }
    index->m_cellRows.resize(size_t(total));
    std::vector<int> fill(index->m_cellStart.begin(), index->m_cellStart.end());
    for (int i = 0; i < count; ++i) {
        const Span &span = spans[size_t(i)];
        if (span.line0 < 0)
            continue;
        for (int l = span.line0; l <= span.line1; ++l) {
            for (int c = span.column0; c <= span.column1; ++c)
                index->m_cellRows[size_t(fill[size_t(l * kColumns + c)]++)] = i;
        }
    }
    return index;
}

void MapRowIndex::candidates(const Area &area, std::vector<int> &out) const
{
    out.clear();
    if (!area.valid)
        return;
    const int line0 = line(area.south);
    const int line1 = line(area.north);
    // Column ranges as Qt's rectangles see them: west == east covers every longitude, west > east
    // crosses the antimeridian.
    int ranges[2][2] = {{column(area.west), column(area.east)}, {1, 0}};
    if (area.west == area.east) {
        ranges[0][0] = 0;
        ranges[0][1] = kColumns - 1;
    } else if (area.west > area.east) {
        ranges[0][0] = column(area.west);
        ranges[0][1] = kColumns - 1;
        ranges[1][0] = 0;
        ranges[1][1] = column(area.east);
    }
    int cells = 0;
    for (const auto &range : ranges)
        cells += std::max(0, range[1] - range[0] + 1) * (line1 - line0 + 1);
    // Over a large part of the globe, all rows in order are cheaper than sorting the cells' rows.
    if (cells * 4 > kColumns * kLines) {
        out.resize(size_t(rows()));
        for (int i = 0; i < rows(); ++i)
            out[size_t(i)] = i;
        return;
    }
    for (int l = line0; l <= line1; ++l) {
        for (const auto &range : ranges) {
            if (range[1] < range[0])
                continue;
            const int from = m_cellStart[size_t(l * kColumns + range[0])];
            const int to = m_cellStart[size_t(l * kColumns + range[1] + 1)];
            out.insert(out.end(), m_cellRows.begin() + from, m_cellRows.begin() + to);
        }
    }
    out.insert(out.end(), m_wide.begin(), m_wide.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

bool MapRowIndex::mayShow(int i, const Area &area, double zoom, int mask) const
{
    if (!m_items.at(i))
        return false;
    const Row &row = m_rows[size_t(i)];
    if (row.minzoom > zoom)
        return false;
    if (!BaseItem::typeInMask(row.type, mask))
        return false;
    if (!area.valid)
        return false;
    // Boxes apart in latitude never meet; with NaN in play neither comparison holds.
    if (row.north < area.south || row.south > area.north)
        return false;
    if (row.lonTestable && area.lonTestable && (row.west > area.east || row.east < area.west))
        return false;
    return true;
}

std::vector<int> MapRowIndex::rowsWithUids(const QSet<QString> &uids) const
{
    std::vector<int> found;
    if (uids.isEmpty())
        return found;
    QSet<size_t> hashes;
    for (const QString &uid : uids)
        hashes.insert(qHash(uid));
    for (int i = 0; i < rows(); ++i) {
        if (hashes.contains(m_uidHashes[size_t(i)]) && m_items.at(i) && uids.contains(m_items.at(i)->uid()))
            found.push_back(i);
    }
    return found;
}
