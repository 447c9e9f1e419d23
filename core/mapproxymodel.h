#pragma once

#include "itemfiltermodel.h"

#include <QGeoRectangle>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class MapRowIndex;

// Filter of one map layer: passes the items of the types switched on that lie in the visible
// area at the current zoom, and always the items whose UIDs are on the UID list (the points of a
// shown procedure), in the order of the source.
//
// The map sets a new area several times a second over layers of hundreds of thousands of items,
// so a pass visits only the rows that the grid of a MapRowIndex places near the area (plus the
// pinned ones), gives each of them the item's own test, and announces what changed as runs of
// removed and inserted rows: its cost follows the rows shown and changed, not the rows of the
// source. Rows the database adds at the end without a signal (coordinate points) are tested
// directly; any other change that was not announced makes the index again.
class MapProxyModel : public ItemFilterModel
{
    Q_OBJECT

public:
    MapProxyModel();
    ~MapProxyModel() override;

    void setMinZoom(double minZoom);
    Q_INVOKABLE void setGeoFilter(const QGeoRectangle &area, double zoom);
    Q_INVOKABLE void setTypeFilter(bool visible, int type = -1);
    Q_INVOKABLE void setUidFilter(const QStringList &uids);
    // Reads the source's rows again: after rows were added or changed without a signal.
    Q_INVOKABLE void invalidate() { refilter(); }

    double minZoom() const { return m_minZoom; }
    QGeoRectangle area() const { return m_area; }
    double zoom() const { return m_zoom; }
    int typeMask() const { return m_typeMask; }
    QStringList uidFilter() const { return m_uids; }

    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

protected:
    void takeIndex(const Index &index) override;
    std::vector<int> acceptedKeys(bool *rebuilt) override;

private:
    double m_minZoom = 0.0;
    QGeoRectangle m_area;
    double m_zoom = 0.0;
    qint32 m_typeMask = 0;
    QStringList m_uids;
    QSet<QString> m_uidSet;

    std::shared_ptr<const MapRowIndex> m_index;
    std::vector<int> m_pinned; // rows of the index whose UIDs are on the list
    bool m_pinnedDirty = true;
    std::vector<int> m_candidates;
};
