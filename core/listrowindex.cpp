#include "listrowindex.h"

#include "baseitem.h"
#include "indexprogress.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kListCancelEvery = 1024;

} // namespace

std::shared_ptr<const ListRowIndex> ListRowIndex::build(QList<const BaseItem *> items, IndexProgress *progress)
{
    // A build stopped before it ran sets nothing up.
    if (progress && progress->cancel.load())
        return {};
    auto index = std::make_shared<ListRowIndex>();
    index->m_items = std::move(items);
    const int count = int(index->m_items.size());
    // The UIDs side by side in one block, so that the sort reads them from there.
    struct Key
    {
        qsizetype from;
        qsizetype length;
        int entry;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(count));
    QString uids;
    std::vector<Entry> entries;
    entries.reserve(size_t(count));
    IndexProgress::ReadingItems reading(progress);
    for (int row = 0; row < count; ++row) {
        if (row % kListCancelEvery == 0 && reading.cancelled())
            return {};
        const BaseItem *item = index->m_items.at(row);
        if (!item)
            continue;
        Entry entry;
        entry.row = row;
        entry.type = item->type();
        const QString search = item->search();
        if (BaseItem::isPlainAscii(search, true)) {
            entry.searchFrom = index->m_search.size();
            entry.searchLength = search.size();
            index->m_search += search.toLatin1();
        }
        const QString uid = item->uid();
        keys.push_back({uids.size(), uid.size(), int(entries.size())});
        uids += uid;
        entries.push_back(entry);
    }
    // From here on no item is read: a reset of the source need not wait for the rest.
    reading.finish();
    if (progress && progress->cancel.load())
        return {};
    const QStringView block(uids);
    const auto before = [block](const Key &a, const Key &b) {
        const int order = block.mid(a.from, a.length).compare(block.mid(b.from, b.length));
        return order != 0 ? order < 0 : a.entry < b.entry;
    };
    if (!std::is_sorted(keys.cbegin(), keys.cend(), before))
        std::sort(keys.begin(), keys.end(), before);
    index->m_order.reserve(keys.size());
    index->m_placeOf.assign(size_t(count), -1);
    for (const Key &key : keys) {
        const Entry &entry = entries[size_t(key.entry)];
        index->m_placeOf[size_t(entry.row)] = int(index->m_order.size());
        index->m_order.push_back(entry);
    }
    return index;
}

std::vector<int> ListRowIndex::matching(const QString &text, int mask) const
{
    std::vector<int> places;
    const bool asciiText = BaseItem::isPlainAscii(text, false);
    const QByteArray latin = text.toLatin1();
    const std::string_view needle(latin.constData(), size_t(latin.size()));
    for (int place = 0; place < int(m_order.size()); ++place) {
        const Entry &entry = m_order[size_t(place)];
        if (!BaseItem::typeInMask(entry.type, mask))
            continue;
        bool passes;
        if (text.isEmpty())
            passes = true;
        else if (asciiText && entry.searchLength >= 0)
            passes = std::string_view(m_search.constData() + entry.searchFrom, size_t(entry.searchLength)).find(needle)
                     != std::string_view::npos;
        else
            passes = m_items.at(entry.row)->matches(text, mask);
        if (passes)
            places.push_back(place);
    }
    return places;
}
