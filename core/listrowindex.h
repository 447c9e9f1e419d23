#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class BaseItem;
struct IndexProgress;

// What a list filter needs of each row of its source: the rows of items in ascending UID order
// (rows of one UID in row order), each with its type and, when plain ASCII, its search text in one
// block of text, so that a keystroke runs down one array instead of items all over the heap.
// Built once per source reset, from a snapshot of the rows' items; immutable afterwards, so it may
// be built on another thread.
class ListRowIndex
{
public:
    // Null when cancelled before the end.
    static std::shared_ptr<const ListRowIndex> build(QList<const BaseItem *> items, IndexProgress *progress = nullptr);

    const QList<const BaseItem *> &items() const { return m_items; }
    int rows() const { return int(m_items.size()); }
    // The source row at a place in UID order, and back (-1 for a null row).
    int rowAt(int place) const { return m_order[size_t(place)].row; }
    int placeOf(int row) const { return row >= 0 && row < int(m_placeOf.size()) ? m_placeOf[size_t(row)] : -1; }
    // The places, ascending, whose items pass BaseItem::matches(text, mask); text lower-cased.
    std::vector<int> matching(const QString &text, int mask) const;

private:
    struct Entry
    {
        int row = 0;
        int type = 0;
        qsizetype searchFrom = 0;
        qsizetype searchLength = -1; // -1: not plain ASCII, ask the item
    };

    QList<const BaseItem *> m_items;
    std::vector<Entry> m_order;
    std::vector<int> m_placeOf;
    QByteArray m_search;
};
