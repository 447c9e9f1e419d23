#include "mapproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"
#include "maprowindex.h"

#include <QDebug>
#include <QtConcurrent>

#include <algorithm>
#include <iterator>

struct MapProxyModel::Pending
{
    std::shared_ptr<std::atomic_bool> cancel = std::make_shared<std::atomic_bool>(false);
    QFuture<std::shared_ptr<const MapRowIndex>> future;
    QFutureWatcher<std::shared_ptr<const MapRowIndex>> *watcher = nullptr;
};

MapProxyModel::MapProxyModel()
    : QAbstractProxyModel(nullptr)
{
}

MapProxyModel::~MapProxyModel()
{
    cancelPending();
}

void MapProxyModel::setSourceModel(QAbstractItemModel *sourceModel)
{
    beginResetModel();
    cancelPending();
    for (const auto &connection : std::as_const(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    m_items = nullptr;
    m_index.reset();
    m_rows.assign({});
    QAbstractProxyModel::setSourceModel(sourceModel);
    if (sourceModel) {
        m_items = dynamic_cast<const ItemListAccess *>(sourceModel);
        m_sourceConnections = ItemListAccess::watchChanges(
            sourceModel, this, [this] { sourceAboutToChange(); }, [this] { sourceChanged(); });
        m_sourceConnections << connect(sourceModel, &QObject::destroyed, this, &MapProxyModel::sourceGone);
        startIndex();
        if (m_index)
            m_rows.assign(acceptedRows());
    }
    endResetModel();
}

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

void MapProxyModel::invalidate()
{
    refilter();
}

// The rows are about to change under the index: whatever was made of them is dropped, and a
// worker still reading their items is stopped before they can go.
void MapProxyModel::sourceAboutToChange()
{
    cancelPending();
    if (!m_resetting) {
        m_resetting = true;
        beginResetModel();
    }
}

void MapProxyModel::sourceChanged()
{
    if (!m_resetting)
        sourceAboutToChange();
    m_index.reset();
    m_rows.assign({});
    startIndex();
    if (m_index)
        m_rows.assign(acceptedRows());
    m_resetting = false;
    endResetModel();
}

void MapProxyModel::sourceGone()
{
    beginResetModel();
    cancelPending();
    m_items = nullptr;
    m_index.reset();
    m_rows.assign({});
    m_resetting = false;
    endResetModel();
}

void MapProxyModel::cancelPending()
{
    if (!m_pending)
        return;
    m_pending->cancel->store(true);
    m_pending->future.waitForFinished();
    m_pending->watcher->disconnect(this);
    m_pending->watcher->deleteLater();
    m_pending.reset();
}

void MapProxyModel::startIndex()
{
    m_index.reset();
    m_pinnedDirty = true;
    if (!m_items)
        return;
    QList<const BaseItem *> snapshot = m_items->itemSnapshot();
    if (snapshot.size() < m_backgroundRows) {
        m_index = MapRowIndex::build(std::move(snapshot));
        return;
    }
    m_pending = std::make_unique<Pending>();
    Pending *pending = m_pending.get();
    pending->future = QtConcurrent::run([snapshot = std::move(snapshot), cancel = pending->cancel]() mutable {
        return MapRowIndex::build(std::move(snapshot), cancel.get());
    });
    pending->watcher = new QFutureWatcher<std::shared_ptr<const MapRowIndex>>(this);
    connect(pending->watcher, &QFutureWatcherBase::finished, this, [this, pending] {
        if (pending == m_pending.get() && !pending->cancel->load())
            takeIndex(pending->future.result(), pending);
    });
    pending->watcher->setFuture(pending->future);
}

void MapProxyModel::takeIndex(const std::shared_ptr<const MapRowIndex> &index, const Pending *from)
{
    if (from != m_pending.get())
        return;
    m_pending->watcher->deleteLater();
    m_pending.reset();
    m_index = index;
    m_pinnedDirty = true;
    refilter();
    emit indexed();
}

std::vector<int> MapProxyModel::acceptedRows(bool *rebuilt)
{
    std::vector<int> accepted;
    if (!m_items || !m_index)
        return accepted;
    if (m_items->unchangedRows(m_index->items()) < m_index->rows()) {
        // Rows changed without a word: the index no longer describes them.
        m_index = MapRowIndex::build(m_items->itemSnapshot());
        m_pinnedDirty = true;
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
        accepted.reserve(m_candidates.size() / 2 + m_pinned.size());
        std::vector<int> visible;
        for (const int row : m_candidates) {
            if (m_index->mayShow(row, area, m_zoom, m_typeMask) && m_index->items().at(row)->bounding().intersects(m_area))
                visible.push_back(row);
        }
        std::set_union(visible.begin(), visible.end(), m_pinned.begin(), m_pinned.end(), std::back_inserter(accepted));
    } else {
        accepted = m_pinned;
    }
    // Rows added at the end since the index was made, as the database adds coordinate points.
    const int count = m_items->itemCount();
    for (int row = m_index->rows(); row < count; ++row) {
        const BaseItem *item = m_items->itemAt(row);
        if (item && ((!m_uidSet.isEmpty() && m_uidSet.contains(item->uid()))
                     || (m_minZoom <= m_zoom && item->isVisible(m_area, m_zoom, m_typeMask))))
            accepted.push_back(row);
    }
    return accepted;
}

void MapProxyModel::refilter()
{
    if (m_resetting)
        return;
    bool rebuilt = false;
    std::vector<int> accepted = acceptedRows(&rebuilt);
    if (rebuilt) {
        // The rows kept may hold other items now: every row is new to the views.
        beginResetModel();
        m_rows.assign(std::move(accepted));
        endResetModel();
        return;
    }
    const QModelIndex root;
    m_rows.update(accepted, { [this, root](int first, int last) { beginRemoveRows(root, first, last); },
                              [this] { endRemoveRows(); },
                              [this, root](int first, int last) { beginInsertRows(root, first, last); },
                              [this] { endInsertRows(); } });
}

QModelIndex MapProxyModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel() || proxyIndex.row() >= m_rows.count())
        return {};
    return sourceModel()->index(m_rows.at(proxyIndex.row()), proxyIndex.column());
}

QModelIndex MapProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel())
        return {};
    const int row = m_rows.find(sourceIndex.row());
    return row < 0 ? QModelIndex() : createIndex(row, sourceIndex.column());
}

QModelIndex MapProxyModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= m_rows.count() || column != 0)
        return {};
    return createIndex(row, column);
}

QModelIndex MapProxyModel::parent(const QModelIndex &child) const
{
    Q_UNUSED(child)
    return {};
}

int MapProxyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

int MapProxyModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool MapProxyModel::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid() && m_rows.count() > 0;
}
