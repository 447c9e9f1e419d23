#include "listproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"

#include <QDebug>

ListProxyModel::ListProxyModel()
    : QSortFilterProxyModel(nullptr)
{
    setRecursiveFilteringEnabled(false);
    setDynamicSortFilter(false);
    sort(0, Qt::AscendingOrder);
}

ListProxyModel::~ListProxyModel() = default;

void ListProxyModel::setSourceModel(QAbstractItemModel *sourceModel)
{
    disconnect(m_destroyedConnection);
    m_items = dynamic_cast<const ItemListAccess *>(sourceModel);
    if (sourceModel) {
        // The base forgets a destroyed source without telling us; so must we.
        m_destroyedConnection = connect(sourceModel, &QObject::destroyed, this,
                                        [this] { m_items = nullptr; });
    }
    QSortFilterProxyModel::setSourceModel(sourceModel);
}

// Filtering a list of a few hundred thousand points row by row, as the base does when a filter
// changes, costs it time in proportion to the rows times the runs of rows that come or go: whole
// seconds for the first letter typed. So a new filter rebuilds the list in one pass instead, which
// also sorts it again, and views see one layout change.
void ListProxyModel::refilter()
{
    if (sortColumn() != 0 || sortOrder() != Qt::AscendingOrder)
        sort(0, Qt::AscendingOrder);
    invalidate();
}

void ListProxyModel::setTextFilter(const QString &text)
{
    qInfo() << "Set list text filter" << text;
    const QString lower = text.toLower();
    // The pattern is the proxy's own record of the filter; while it is set, every row keeps the
    // place it has, so that the base moves none of them.
    m_holdRows = true;
    setFilterFixedString(lower);
    m_holdRows = false;
    m_text = lower;
    refilter();
}

void ListProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set list type filter" << type << "visible" << (visible ? "true" : "false");
    const int bit = ((type % 32) + 32) % 32;
    const quint32 flag = 1u << bit;
    quint32 mask = static_cast<quint32>(m_typeMask);
    mask = visible ? (mask | flag) : (mask & ~flag);
    m_typeMask = static_cast<qint32>(mask);
    refilter();
}

bool ListProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_holdRows)
        return mapFromSource(sourceModel()->index(sourceRow, 0, sourceParent)).isValid();
    if (!m_items)
        return false;
    const BaseItem *item = m_items->itemAt(sourceRow);
    if (!item)
        return false;
    return item->matches(m_text, m_typeMask);
}

bool ListProxyModel::lessThan(const QModelIndex &sourceLeft, const QModelIndex &sourceRight) const
{
    if (!m_items)
        return false;
    const BaseItem *left = m_items->itemAt(sourceLeft.row());
    const BaseItem *right = m_items->itemAt(sourceRight.row());
    if (!left || !right)
        return false;
    return left->uid() < right->uid();
}
