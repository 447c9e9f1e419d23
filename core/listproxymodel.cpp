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

void ListProxyModel::setTextFilter(const QString &text)
{
    qInfo() << "Set list text filter" << text;
    m_text = text.toLower();
    setFilterFixedString(m_text);
    sort(0, Qt::AscendingOrder);
}

void ListProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set list type filter" << type << "visible" << (visible ? "true" : "false");
    const int bit = ((type % 32) + 32) % 32;
    const quint32 flag = 1u << bit;
    quint32 mask = static_cast<quint32>(m_typeMask);
    mask = visible ? (mask | flag) : (mask & ~flag);
    m_typeMask = static_cast<qint32>(mask);
    invalidateRowsFilter();
    sort(0, Qt::AscendingOrder);
}

bool ListProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent)
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
