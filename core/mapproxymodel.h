#pragma once

#include "proxyrows.h"

#include <QAbstractProxyModel>
#include <QFutureWatcher>
#include <QGeoRectangle>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class BaseItem;
class ItemListAccess;
class MapRowIndex;

// Filter of one map layer: passes the items of the types switched on that lie in the visible
// area at the current zoom, and always the items whose UIDs are on the UID list (the points of a
// shown procedure), in the order of the source. The source must be a BaseModel<T>; with any
// other source nothing passes.
//
// The map sets a new area several times a second over layers of hundreds of thousands of items,
// so a pass visits only the rows that the grid of a MapRowIndex places near the area (plus the
// pinned ones), and announces what changed as runs of removed and inserted rows: its cost follows
// the rows shown and changed, not the rows of the source. The index is made again after each
// reset of the source; for a large source that happens on a worker thread, and the layer stays
// empty until it is ready. A change of rows the source does not announce is caught at the next
// pass or invalidate(), which test rows added at the end directly and index again otherwise.
class MapProxyModel : public QAbstractProxyModel
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
    Q_INVOKABLE void invalidate();

    double minZoom() const { return m_minZoom; }
    QGeoRectangle area() const { return m_area; }
    double zoom() const { return m_zoom; }
    int typeMask() const { return m_typeMask; }
    QStringList uidFilter() const { return m_uids; }

    // Sources of at least this many rows are indexed on a worker thread.
    int backgroundRows() const { return m_backgroundRows; }
    void setBackgroundRows(int rows) { m_backgroundRows = rows; }
    // True while an index is being made on a worker thread.
    bool indexing() const { return m_pending != nullptr; }

    void setSourceModel(QAbstractItemModel *sourceModel) override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    using QObject::parent;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;

signals:
    // An index made on a worker thread has been taken and the rows filtered with it.
    void indexed();

private:
    struct Pending;

    void sourceAboutToChange();
    void sourceChanged();
    void sourceGone();
    void cancelPending();
    // Makes the index of the source's rows now, or starts making it on a worker thread.
    void startIndex();
    void takeIndex(const std::shared_ptr<const MapRowIndex> &index, const Pending *from);
    std::vector<int> acceptedRows(bool *rebuilt = nullptr);
    void refilter();

    double m_minZoom = 0.0;
    QGeoRectangle m_area;
    double m_zoom = 0.0;
    qint32 m_typeMask = 0;
    QStringList m_uids;
    QSet<QString> m_uidSet;
    int m_backgroundRows = 20000;

    const ItemListAccess *m_items = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    std::shared_ptr<const MapRowIndex> m_index;
    std::vector<int> m_pinned; // rows of the index whose UIDs are on the list
    bool m_pinnedDirty = true;
    std::unique_ptr<Pending> m_pending;
    bool m_resetting = false;
    ProxyRows m_rows;
    std::vector<int> m_candidates;
};
