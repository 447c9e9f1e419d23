#include "itemfiltermodel.h"

#include "basemodel.h"

#include "orderedparallel.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>

struct ItemFilterModel::Pending
{
    // Shared with the worker's copy: only pointers, compared with the source's rows.
    QList<const BaseItem *> snapshot;
    std::shared_ptr<IndexProgress> progress = std::make_shared<IndexProgress>();
    // Written by the worker before it hands the pending build back to the model's thread.
    std::shared_ptr<Index> result = std::make_shared<Index>();
    OrderedParallel::Task task;
    // Tells this build's end from that of one dropped before it.
    const quint64 serial = nextSerial.fetch_add(1);
    static inline std::atomic<quint64> nextSerial = 0;
};

ItemFilterModel::ItemFilterModel(Builder builder, Announce announce)
    : QAbstractProxyModel(nullptr)
    , m_builder(builder)
    , m_announce(announce)
{
}

ItemFilterModel::~ItemFilterModel()
{
    cancelPending();
}

void ItemFilterModel::setSourceModel(QAbstractItemModel *sourceModel)
{
    beginResetModel();
    cancelPending();
    for (const auto &connection : std::as_const(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    m_items = nullptr;
    takeIndex(nullptr);
    m_rows.assign({});
    QAbstractProxyModel::setSourceModel(sourceModel);
    if (sourceModel) {
        m_items = dynamic_cast<const ItemListAccess *>(sourceModel);
        // The database only ever resets its models; any other change is taken as a reset too.
        using M = QAbstractItemModel;
        const auto before = [this] { sourceAboutToChange(); };
        const auto after = [this] { sourceChanged(); };
        m_sourceConnections = {connect(sourceModel, &M::modelAboutToBeReset, this, before),
                               connect(sourceModel, &M::modelReset, this, after),
                               connect(sourceModel, &M::rowsAboutToBeInserted, this, before),
                               connect(sourceModel, &M::rowsInserted, this, after),
                               connect(sourceModel, &M::rowsAboutToBeRemoved, this, before),
                               connect(sourceModel, &M::rowsRemoved, this, after),
                               connect(sourceModel, &M::rowsAboutToBeMoved, this, before),
                               connect(sourceModel, &M::rowsMoved, this, after),
                               connect(sourceModel, &M::layoutAboutToBeChanged, this, before),
                               connect(sourceModel, &M::layoutChanged, this, after),
                               connect(sourceModel, &M::dataChanged, this,
                                       [this] {
                                           sourceAboutToChange();
                                           sourceChanged();
                                       }),
                               connect(sourceModel, &QObject::destroyed, this, &ItemFilterModel::sourceGone)};
        startIndex();
        if (!m_pending)
            m_rows.assign(acceptedKeys(nullptr));
    }
    endResetModel();
}

// The rows are about to change under the index: it is dropped with the rows, and a worker still
// reading their items is stopped before they can go.
void ItemFilterModel::sourceAboutToChange()
{
    cancelPending();
    if (!m_resetting) {
        m_resetting = true;
        beginResetModel();
    }
}

void ItemFilterModel::sourceChanged()
{
    if (!m_resetting)
        sourceAboutToChange();
    m_rows.assign({});
    startIndex();
    if (!m_pending)
        m_rows.assign(acceptedKeys(nullptr));
    m_resetting = false;
    endResetModel();
}

void ItemFilterModel::sourceItemsReplaced()
{
    if (!m_pending || !m_items)
        return;
    // Rows added behind the snapshot's take none of its items away.
    if (m_items->unchangedRows(m_pending->snapshot) == m_pending->snapshot.size())
        return;
    sourceAboutToChange();
    sourceChanged();
}

void ItemFilterModel::sourceGone()
{
    beginResetModel();
    cancelPending();
    m_items = nullptr;
    takeIndex(nullptr);
    m_rows.assign({});
    m_resetting = false;
    endResetModel();
}

// The rest of a build that has read its items is left to finish on its own, its result dropped.
void ItemFilterModel::cancelPending()
{
    if (!m_pending)
        return;
    m_pending->progress->stop();
    m_pending->task.detach();
    m_pending.reset();
}

void ItemFilterModel::startIndex()
{
    takeIndex(nullptr);
    if (!m_items)
        return;
    QList<const BaseItem *> snapshot = m_items->itemSnapshot();
    if (snapshot.size() < m_backgroundRows) {
        takeIndex(m_builder(std::move(snapshot), nullptr));
        return;
    }
    m_pending = std::make_unique<Pending>();
    Pending *pending = m_pending.get();
    pending->snapshot = snapshot;
    // The build refers to nothing of the model's: a model gone first leaves it to finish alone.
    // Its end, whatever it is, is handed to the model's thread, where the model (if still
    // there, and still waiting for this build) takes the index.
    pending->task = OrderedParallel::beside(
        [builder = m_builder, snapshot = std::move(snapshot), progress = pending->progress, result = pending->result,
         model = QPointer<ItemFilterModel>(this), serial = pending->serial]() mutable {
            struct Finish
            {
                QPointer<ItemFilterModel> &model;
                quint64 serial;
                ~Finish()
                {
                    if (!QCoreApplication::instance())
                        return;
                    QMetaObject::invokeMethod(
                        QCoreApplication::instance(),
                        [model = std::move(model), serial = serial] {
                            if (model)
                                model->finishIndex(serial);
                        },
                        Qt::QueuedConnection);
                }
            } finish{model, serial};
            try {
                *result = builder(std::move(snapshot), progress.get());
            } catch (const std::exception &error) {
                // The list then shows no rows until its source changes and the index is built anew.
                qWarning() << "Filter index not built:" << error.what();
            }
        });
}

void ItemFilterModel::finishIndex(quint64 serial)
{
    Pending *pending = m_pending.get();
    if (!pending || pending->serial != serial || pending->progress->cancel.load())
        return;
    const Index index = *pending->result;
    // The build is over but for its last steps: nothing here waits for them.
    pending->task.detach();
    m_pending.reset();
    takeIndex(index);
    refilter();
    emit indexed();
}

void ItemFilterModel::indexNow()
{
    takeIndex(m_items ? m_builder(m_items->itemSnapshot(), nullptr) : nullptr);
}

void ItemFilterModel::refilter()
{
    if (m_resetting || m_pending)
        return;
    bool rebuilt = false;
    std::vector<int> keys = acceptedKeys(&rebuilt);
    if (rebuilt) {
        // The rows kept may hold other items now: every row is new to the views.
        beginResetModel();
        m_rows.assign(std::move(keys));
        endResetModel();
        return;
    }
    if (m_announce == Announce::Runs) {
        const QModelIndex root;
        m_rows.update(keys, {[this, root](int first, int last) { beginRemoveRows(root, first, last); },
                             [this] { endRemoveRows(); },
                             [this, root](int first, int last) { beginInsertRows(root, first, last); },
                             [this] { endInsertRows(); }});
        return;
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<int> oldKeys;
    oldKeys.reserve(before.size());
    for (const QModelIndex &index : before)
        oldKeys << m_rows.at(index.row());
    m_rows.assign(std::move(keys));
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int row = m_rows.find(oldKeys.at(i));
        after << (row < 0 ? QModelIndex() : createIndex(row, before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

QModelIndex ItemFilterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || row >= m_rows.count() || column != 0)
        return {};
    return createIndex(row, column);
}

QModelIndex ItemFilterModel::parent(const QModelIndex &child) const
{
    Q_UNUSED(child)
    return {};
}

int ItemFilterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

int ItemFilterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool ItemFilterModel::hasChildren(const QModelIndex &parent) const
{
    return !parent.isValid() && m_rows.count() > 0;
}
