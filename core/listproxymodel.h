#pragma once

#include "itemfiltermodel.h"

#include <QString>

#include <memory>
#include <vector>

class ListRowIndex;

// Filter of the point and airport lists: passes the items of the types switched on whose search
// text contains the typed text, in ascending UID order.
//
// The order and the search texts are taken once per reset of the source (a ListRowIndex), for a
// large source on a worker thread, so that loading a database never holds the interface for a
// sort. A new filter runs down that index and announces the change as one layout change: a list
// view takes that in one go and at once, keeps its current row on its item, and creates delegates
// only for the rows it shows.
class ListProxyModel : public ItemFilterModel
{
    Q_OBJECT

public:
    ListProxyModel();
    ~ListProxyModel() override;

    Q_INVOKABLE void setTextFilter(const QString &text);
    Q_INVOKABLE void setTypeFilter(bool visible, int type);
    // Reads the source's rows again: after rows were changed without a signal.
    Q_INVOKABLE void invalidate() { refilter(); }

    int typeMask() const { return m_typeMask; }
    QString textFilter() const { return m_text; }

    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

protected:
    void takeIndex(const Index &index) override;
    std::vector<int> acceptedKeys(bool *rebuilt) override;

private:
    qint32 m_typeMask = 0;
    QString m_text;
    std::shared_ptr<const ListRowIndex> m_index;
};
