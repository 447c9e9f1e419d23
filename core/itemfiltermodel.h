#pragma once

#include "indexprogress.h"
#include "proxyrows.h"

#include <QAbstractProxyModel>
#include <QFutureWatcher>
#include <QList>

#include <memory>
#include <vector>

class BaseItem;
class ItemListAccess;

// Base of the filters over a BaseModel<T>: a flat list of some of the source's rows, kept as
// ascending keys, over an index of the source's rows that is made again after every change the
// source announces. For a large source the index is made on a worker thread from a snapshot of
// the rows' items, while the filter shows nothing; a change of the source meanwhile stops that
// worker (waiting only while it reads items) and starts another. The same happens in the
// destructor and in sourceItemsReplaced(), so that no worker reads an item that may be deleted.
// With any other source nothing passes.
class ItemFilterModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    // An index, of whatever kind the filter uses; null when the build was cancelled.
    using Index = std::shared_ptr<const void>;
    // Makes an index; runs on any thread and reads nothing but the items it is given.
    using Builder = Index (*)(QList<const BaseItem *> items, IndexProgress *progress);
    // How a new set of rows is announced: as runs of removed and inserted rows, or as one layout
    // change (which keeps persistent indexes on their rows).
    enum class Announce { Runs, Layout };

    ItemFilterModel(Builder builder, Announce announce);
    ~ItemFilterModel() override;

    // Sources of at least this many rows are indexed on a worker thread.
    int backgroundRows() const { return m_backgroundRows; }
    void setBackgroundRows(int rows) { m_backgroundRows = rows; }
    // True while an index is being made on a worker thread.
    bool indexing() const { return m_pending != nullptr; }
    // The holder of the items is about to delete items that were rows of the source, which may
    // have changed without a word: a worker still reading a snapshot that holds rows the source
    // no longer has is stopped before this returns, and the rows as they are now are indexed
    // again. A worker over the rows as they are is left alone.
    void sourceItemsReplaced();

    void setSourceModel(QAbstractItemModel *sourceModel) override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    using QObject::parent;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;

signals:
    // An index made on a worker thread has been taken and the rows filtered with it.
    void indexed();

protected:
    // The filter takes a new index, or drops its own (null).
    virtual void takeIndex(const Index &index) = 0;
    // The keys of the rows that pass now, ascending; rebuilt is set when the index had to be made
    // again (rows changed without a word), so that the old keys mean nothing.
    virtual std::vector<int> acceptedKeys(bool *rebuilt) = 0;

    // Filters again with the current settings and announces the change.
    void refilter();
    // Makes the index of the source's rows as they are, on this thread.
    void indexNow();
    const ItemListAccess *items() const { return m_items; }
    const ProxyRows &rows() const { return m_rows; }

private:
    struct Pending;

    void sourceAboutToChange();
    void sourceChanged();
    void sourceGone();
    void cancelPending();
    void startIndex();
    void finishIndex(quint64 serial);

    const Builder m_builder;
    const Announce m_announce;
    int m_backgroundRows = 20000;
    const ItemListAccess *m_items = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    std::unique_ptr<Pending> m_pending;
    bool m_resetting = false;
    ProxyRows m_rows;
};
