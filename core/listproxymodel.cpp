#include "listproxymodel.h"

#include "baseitem.h"
#include "basemodel.h"
#include "listrowindex.h"

#include <QDebug>

namespace {

ItemFilterModel::Index buildListIndex(QList<const BaseItem *> items, IndexProgress *progress)
{
    return ListRowIndex::build(std::move(items), progress);
}

} // namespace

ListProxyModel::ListProxyModel()
    : ItemFilterModel(&buildListIndex, Announce::Layout)
{
}

ListProxyModel::~ListProxyModel() = default;

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

void ListProxyModel::takeIndex(const Index &index)
{
    m_index = std::static_pointer_cast<const ListRowIndex>(index);
}

std::vector<int> ListProxyModel::acceptedKeys(bool *rebuilt)
{
    if (!items() || !m_index)
        return {};
    const int count = items()->itemCount();
    bool current = items()->unchangedRows(m_index->items()) == m_index->rows();
    // Rows added at the end without a word matter only when one of them passes.
    for (int row = m_index->rows(); current && row < count; ++row) {
        const BaseItem *item = items()->itemAt(row);
        current = !item || !item->matches(m_text, m_typeMask);
    }
    if (!current) {
        indexNow();
        if (rebuilt)
            *rebuilt = true;
    }
    return m_index->matching(m_text, m_typeMask);
}

QModelIndex ListProxyModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel() || !m_index
        || proxyIndex.row() >= rows().count())
        return {};
    return sourceModel()->index(m_index->rowAt(rows().at(proxyIndex.row())), proxyIndex.column());
}

QModelIndex ListProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel() || !m_index)
        return {};
    const int place = m_index->placeOf(sourceIndex.row());
    const int row = place < 0 ? -1 : rows().find(place);
    return row < 0 ? QModelIndex() : createIndex(row, sourceIndex.column());
}
