#include "listproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"
#include "listrowindex.h"

#include <QDebug>
#include <QtConcurrent>

struct ListProxyModel::Pending
{
    std::shared_ptr<ListRowIndex::Progress> progress = std::make_shared<ListRowIndex::Progress>();
    QFuture<std::shared_ptr<const ListRowIndex>> future;
    QFutureWatcher<std::shared_ptr<const ListRowIndex>> *watcher = nullptr;
};

ListProxyModel::ListProxyModel()
    : QAbstractProxyModel(nullptr)
{
}

ListProxyModel::~ListProxyModel()
{
    cancelPending();
}

void ListProxyModel::setSourceModel(QAbstractItemModel *sourceModel)
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
        m_sourceConnections << connect(sourceModel, &QObject::destroyed, this, &ListProxyModel::sourceGone);
        startIndex();
        if (m_index)
            m_rows.assign(acceptedPlaces());
    }
    endResetModel();
}

void ListProxyModel::setTextFilter(const QString &text)
{
    qInfo() << "Set list text filter" << text;
    m_text = text.toLower();
    refilter();
}

void ListProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set list type filter" << type << "visible" << (visible ? "true" : "false");
    m_typeMask = BaseItem::withTypeInMask(m_typeMask, type, visible);
    refilter();
}

void ListProxyModel::invalidate()
{
    refilter();
}

void ListProxyModel::sourceAboutToChange()
{
    cancelPending();
    if (!m_resetting) {
        m_resetting = true;
        beginResetModel();
    }
}

void ListProxyModel::sourceChanged()
{
    if (!m_resetting)
        sourceAboutToChange();
    m_rows.assign({});
    startIndex();
    if (m_index)
        m_rows.assign(acceptedPlaces());
    m_resetting = false;
    endResetModel();
}

void ListProxyModel::sourceGone()
{
    beginResetModel();
    cancelPending();
    m_items = nullptr;
    m_index.reset();
    m_rows.assign({});
    m_resetting = false;
    endResetModel();
}

// Waits only while the worker still reads items, which the caller may be about to free; the sort
// that follows is left to finish on its own and its result dropped.
void ListProxyModel::cancelPending()
{
    if (!m_pending)
        return;
    m_pending->progress->cancel.store(true);
    if (!m_pending->progress->itemsRead.load())
        m_pending->future.waitForFinished();
    m_pending->watcher->disconnect(this);
    m_pending->watcher->deleteLater();
    m_pending.reset();
}

void ListProxyModel::startIndex()
{
    m_index.reset();
    if (!m_items)
        return;
    QList<const BaseItem *> snapshot = m_items->itemSnapshot();
    if (snapshot.size() < m_backgroundRows) {
        m_index = ListRowIndex::build(std::move(snapshot));
        return;
    }
    m_pending = std::make_unique<Pending>();
    Pending *pending = m_pending.get();
    pending->future = QtConcurrent::run([snapshot = std::move(snapshot), progress = pending->progress]() mutable {
        return ListRowIndex::build(std::move(snapshot), progress.get());
    });
    pending->watcher = new QFutureWatcher<std::shared_ptr<const ListRowIndex>>(this);
    connect(pending->watcher, &QFutureWatcherBase::finished, this, [this, pending] {
        if (pending != m_pending.get() || pending->progress->cancel.load())
            return;
        m_index = pending->future.result();
        m_pending->watcher->deleteLater();
        m_pending.reset();
        refilter();
        emit indexed();
    });
    pending->watcher->setFuture(pending->future);
}

std::vector<int> ListProxyModel::acceptedPlaces(bool *rebuilt)
{
    if (!m_items || !m_index)
        return {};
    const int count = m_items->itemCount();
    bool current = m_items->unchangedRows(m_index->items()) == m_index->rows();
    // Rows added at the end without a word matter only when one of them passes.
    for (int row = m_index->rows(); current && row < count; ++row) {
        const BaseItem *item = m_items->itemAt(row);
        current = !item || !item->matches(m_text, m_typeMask);
    }
    if (!current) {
        m_index = ListRowIndex::build(m_items->itemSnapshot());
        if (rebuilt)
            *rebuilt = true;
    }
    return m_index->matching(m_text, m_typeMask);
}

void ListProxyModel::refilter()
{
    if (m_resetting || m_pending)
        return;
    bool rebuilt = false;
    std::vector<int> places = acceptedPlaces(&rebuilt);
    if (rebuilt) {
        // Places in the old order mean nothing in the new one.
        beginResetModel();
        m_rows.assign(std::move(places));
        endResetModel();
        return;
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<int> keys;
    keys.reserve(before.size());
    for (const QModelIndex &index : before)
        keys << m_rows.at(index.row());
    m_rows.assign(places);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int row = m_rows.find(keys.at(i));
        after << (row < 0 ? QModelIndex() : createIndex(row, before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

QModelIndex ListProxyModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel() || !m_index
        || proxyIndex.row() >= m_rows.count())
        return {};
    return sourceModel()->index(m_index->rowAt(m_rows.at(proxyIndex.row())), proxyIndex.column());
}

QModelIndex ListProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel() || !m_index)
        return {};
    const int place = m_index->placeOf(sourceIndex.row());
    const int row = place < 0 ? -1 : m_rows.find(place);
    return row < 0 ? QModelIndex() : createIndex(row, sourceIndex.column());
}

QModelIndex ListProxyModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= m_rows.count() || column != 0)
        return {};
    return createIndex(row, column);
}

QModelIndex ListProxyModel::parent(const QModelIndex &child) const
{
    Q_UNUSED(child)
    return {};
}

int ListProxyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

int ListProxyModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool ListProxyModel::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid() && m_rows.count() > 0;
}
