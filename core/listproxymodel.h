#pragma once

#include "proxyrows.h"

#include <QAbstractProxyModel>
#include <QFutureWatcher>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class BaseItem;
class ItemListAccess;
class ListRowIndex;

// Filter of the point and airport lists: passes the items of the types switched on whose search
// text contains the typed text, in ascending UID order. The source must be a BaseModel<T>; with
// any other source nothing passes.
//
// The order and the search texts are taken once per reset of the source (a ListRowIndex); for a
// large source on a worker thread, while the list stays empty, so that loading a database never
// holds the interface for a sort. A new filter runs down that index and announces the change as
// one layout change: a list view takes that in one go and at once, keeps its current row on its
// item, and creates delegates only for the rows it shows.
class ListProxyModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    ListProxyModel();
    ~ListProxyModel() override;

    Q_INVOKABLE void setTextFilter(const QString &text);
    Q_INVOKABLE void setTypeFilter(bool visible, int type);
    // Reads the source's rows again: after rows were changed without a signal.
    Q_INVOKABLE void invalidate();

    int typeMask() const { return m_typeMask; }
    QString textFilter() const { return m_text; }

    // Sources of at least this many rows are indexed on a worker thread.
    int backgroundRows() const { return m_backgroundRows; }
    void setBackgroundRows(int rows) { m_backgroundRows = rows; }
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
    // An index made on a worker thread has been taken and the list filled from it.
    void indexed();

private:
    struct Pending;

    void sourceAboutToChange();
    void sourceChanged();
    void sourceGone();
    void cancelPending();
    void startIndex();
    std::vector<int> acceptedPlaces(bool *rebuilt = nullptr);
    void refilter();

    qint32 m_typeMask = 0;
    QString m_text;
    int m_backgroundRows = 20000;

    const ItemListAccess *m_items = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    std::shared_ptr<const ListRowIndex> m_index;
    std::unique_ptr<Pending> m_pending;
    bool m_resetting = false;
    ProxyRows m_rows; // places in UID order
};
