#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class BaseItem;
class QGeoRectangle;
struct IndexProgress;

// What a map filter needs of each row of its source, as plain values, and a grid of one degree
// over the globe that names the rows whose boxes lie in each cell, so that a filter pass visits
// the rows near the visible area instead of all of them. Built once per source reset, from a
// snapshot of the rows' items; immutable afterwards, so it may be built on another thread.
//
// The grid is only ever a superset: boxes it cannot place (across the antimeridian, touching a
// pole, wider than a few cells, not a proper box at all) are candidates of every pass, and the
// filter gives each candidate the item's own test.
class MapRowIndex
{
public:
    // The area of a pass as plain values.
    struct Area
    {
        explicit Area(const QGeoRectangle &area);
        bool valid = false;
        bool lonTestable = false;
        double north = 0.0;
        double south = 0.0;
        double west = 0.0;
        double east = 0.0;
    };

    // Null when cancelled before the end.
    static std::shared_ptr<const MapRowIndex> build(QList<const BaseItem *> items, IndexProgress *progress = nullptr);

    const QList<const BaseItem *> &items() const { return m_items; }
    int rows() const { return int(m_items.size()); }

    // The rows whose boxes may meet the area, ascending, each once.
    void candidates(const Area &area, std::vector<int> &out) const;
    // False when the row's copies show that BaseItem::isVisible rejects it; true means: ask it.
    bool mayShow(int row, const Area &area, double zoom, int mask) const;
    // The rows whose UIDs are in the set, ascending.
    std::vector<int> rowsWithUids(const QSet<QString> &uids) const;

private:
    struct Row
    {
        double north = 0.0;
        double south = 0.0;
        double west = 0.0;
        double east = 0.0;
        double minzoom = 0.0;
        int type = 0;
        bool lonTestable = false;
    };

    QList<const BaseItem *> m_items;
    std::vector<Row> m_rows;
    std::vector<size_t> m_uidHashes;
    std::vector<int> m_cellStart; // per cell, into m_cellRows; one more entry than cells
    std::vector<int> m_cellRows;
    std::vector<int> m_wide;
};
