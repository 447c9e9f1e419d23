#include "listproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"

#include <QDebug>

#include <algorithm>

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
    // Connected before the base's own handlers, so the rows are stale before it filters.
    m_items = ItemListAccess::follow(
        sourceModel, this, &m_sourceConnections, [this] { m_rowsDirty = true; },
        [this] {
            // The base forgets a destroyed source without telling us.
            m_items = nullptr;
            m_rows.clear();
            m_ranks.clear();
            m_rowsDirty = true;
        });
    m_rows.clear();
    m_rowsDirty = true;
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
    m_textAsciiLower = BaseItem::isPlainAscii(m_text, false);
    refilter();
}

void ListProxyModel::setTypeFilter(bool visible, int type)
{
    qInfo() << "Set list type filter" << type << "visible" << (visible ? "true" : "false");
    m_typeMask = BaseItem::withTypeInMask(m_typeMask, type, visible);
    m_ranksDirty = true;
    m_searchTextsDirty = true;
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
    const Row *row = cachedRow(sourceRow, item);
    if (!row)
        return item->matches(m_text, m_typeMask);
    // What BaseItem::matches answers, from the copies.
    if (!BaseItem::typeInMask(row->type, m_typeMask))
        return false;
    if (m_text.isEmpty())
        return true;
    if (m_searchTextsDirty)
        rebuildSearchTexts();
    if (row->searchLength < 0 || !m_textAsciiLower)
        return item->matches(m_text, m_typeMask);
    return QStringView(m_searchTexts).mid(row->searchFrom, row->searchLength).contains(m_text);
}

bool ListProxyModel::lessThan(const QModelIndex &sourceLeft, const QModelIndex &sourceRight) const
{
    if (!m_items)
        return false;
    const int leftRow = sourceLeft.row();
    const int rightRow = sourceRight.row();
    if (m_rowsDirty)
        rebuildRows();
    if (m_ranksDirty)
        rebuildRanks();
    // A sort compares each row many times: it reads the ranks alone, which lie close together,
    // and trusts them while the source has as many rows as when they were taken (the source
    // announces its changes; the database resets it after changing it). Rows without a rank
    // (null items, types outside the mask) go the long way.
    if (m_ranks.size() == m_items->itemCount() && leftRow >= 0 && rightRow >= 0
        && leftRow < m_ranks.size() && rightRow < m_ranks.size()) {
        const int leftRank = m_ranks.at(leftRow);
        const int rightRank = m_ranks.at(rightRow);
        if (leftRank >= 0 && rightRank >= 0)
            return leftRank < rightRank;
    }
    const BaseItem *left = m_items->itemAt(leftRow);
    const BaseItem *right = m_items->itemAt(rightRow);
    if (!left || !right)
        return false;
    return left->uid() < right->uid();
}

// Null when the row holds another item than when the rows were taken: a change that the source
// has not announced (yet).
const ListProxyModel::Row *ListProxyModel::cachedRow(int row, const BaseItem *item) const
{
    if (m_rowsDirty)
        rebuildRows();
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).item != item)
        return nullptr;
    return &m_rows.at(row);
}

void ListProxyModel::rebuildRows() const
{
    m_rowsDirty = false;
    m_ranksDirty = true;
    m_searchTextsDirty = true;
    m_rows.clear();
    m_ranks.clear();
    m_searchTexts.clear();
    if (!m_items)
        return;
    const int count = m_items->itemCount();
    m_rows.resize(count);
    for (int row = 0; row < count; ++row) {
        const BaseItem *item = m_items->itemAt(row);
        Row &entry = m_rows[row];
        entry.item = item;
        if (item)
            entry.type = item->type();
    }
}

void ListProxyModel::rebuildSearchTexts() const
{
    m_searchTextsDirty = false;
    m_searchTexts.clear();
    for (Row &entry : m_rows) {
        entry.searchFrom = 0;
        entry.searchLength = -1;
        if (!entry.item || !BaseItem::typeInMask(entry.type, m_typeMask))
            continue;
        const QString search = entry.item->search();
        if (BaseItem::isPlainAscii(search, true)) {
            entry.searchFrom = m_searchTexts.size();
            entry.searchLength = search.size();
            m_searchTexts += search;
        }
    }
    m_searchTexts.squeeze();
}

// Only once something is sorted, and only for the types that can pass: it costs a sort of
// their UIDs. The UIDs are copied into one block first, so that the sort reads them side by
// side instead of from items all over the heap; a source that already lies in UID order (filled
// that way) is not sorted at all.
void ListProxyModel::rebuildRanks() const
{
    m_ranksDirty = false;
    struct Entry
    {
        qsizetype from;
        qsizetype length;
        int row;
    };
    QList<Entry> entries;
    QString uids;
    m_ranks.fill(-1, m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row &entry = m_rows.at(row);
        if (entry.item && BaseItem::typeInMask(entry.type, m_typeMask)) {
            const QString uid = entry.item->uid();
            entries.append({ uids.size(), uid.size(), row });
            uids += uid;
        }
    }
    const QStringView block(uids);
    const auto uidOf = [block](const Entry &entry) { return block.mid(entry.from, entry.length); };
    const auto before = [&uidOf](const Entry &a, const Entry &b) { return uidOf(a) < uidOf(b); };
    if (!std::is_sorted(entries.cbegin(), entries.cend(), before))
        std::sort(entries.begin(), entries.end(), before);
    // Equal UIDs share a rank: neither sorts before the other.
    int rank = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0 && before(entries.at(i - 1), entries.at(i)))
            ++rank;
        m_ranks[entries.at(i).row] = rank;
    }
}
