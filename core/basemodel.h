#pragma once

#include "baseitem.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>

#include <algorithm>

// Read access to the items of a BaseModel<T> without knowing T, for the filter models, which
// test the items themselves rather than going through QVariant roles.
class ItemListAccess
{
public:
    virtual ~ItemListAccess() = default;
    virtual int itemCount() const = 0;
    // Null for a row outside the list as well as for a null entry.
    virtual const BaseItem *itemAt(int row) const = 0;
    // Every row's item, in row order, for a filter to index on another thread.
    virtual QList<const BaseItem *> itemSnapshot() const = 0;
    // How many leading rows still hold the items of a snapshot: what is left of it after
    // changes that were not announced.
    virtual qsizetype unchangedRows(const QList<const BaseItem *> &snapshot) const = 0;
};

// List model of the navigation items of one class, with an index from UID to row. The model
// does not own the items: the database deletes what it removes or clears.
//
// Adding, removing and clearing emit no row signals: the database changes the models in bulk
// and then resets them (beginReset/endReset around the change, or reset() afterwards).
//
// The rows and their index form one Contents value, which a loader fills and indexes on its
// own thread and the database then hands to the model whole (swapContents, inside a reset):
// the thread the views live on never does per-item work for a bulk change.
template <typename T>
class BaseModel
    : public QAbstractListModel
    , public ItemListAccess
{
public:
    // The rows and the UID index. Implicitly shared, so a copy costs nothing until one side
    // changes; the two sides may then live on different threads.
    class Contents
    {
    public:
        // Records the UID under the next row (overwriting an older entry of the same UID, so
        // the index names the item added last) and appends the item. A null item takes a row
        // but no index entry.
        void add(T *item)
        {
            if (item)
                m_index.insert(item->uid(), int(m_items.size()));
            m_items.append(item);
        }

        // Takes a finished list and builds its index: every non-null row in order, a later
        // row of the same UID replacing an earlier one.
        void assign(QList<T *> items)
        {
            m_items = std::move(items);
            rebuildIndex();
        }

        // Takes a list that only waits to be deleted (its reading failed), without an index:
        // nothing is allocated, so it may run while an exception unwinds.
        void adopt(QList<T *> &&items) noexcept
        {
            m_index.clear();
            m_items = std::move(items);
        }

        void rebuildIndex()
        {
            m_index.clear();
            m_index.reserve(m_items.size());
            for (qsizetype row = 0; row < m_items.size(); ++row) {
                if (const T *item = m_items.at(row))
                    m_index.insert(item->uid(), int(row));
            }
        }

        // Row of the UID as the index holds it; -1 when absent or when the entry lies outside
        // the list.
        int rowOf(const QString &uid) const
        {
            const int row = m_index.value(uid, -1);
            if (row < 0 || row >= m_items.size())
                return -1;
            return row;
        }

        T *find(const QString &uid) const
        {
            const int row = rowOf(uid);
            return row < 0 ? nullptr : m_items.at(row);
        }

        bool contains(const QString &uid) const { return rowOf(uid) >= 0; }

        T *at(qsizetype row) const { return (row >= 0 && row < m_items.size()) ? m_items.at(row) : nullptr; }

        int count() const { return int(m_items.size()); }
        const QList<T *> &items() const { return m_items; }

        // Removes one row without deleting its item; the rows behind it move up by one and
        // their index entries move with them, so the index stays exact. An index entry of the
        // removed item's UID is dropped only when it names this row: a later item of the same
        // UID keeps its entry.
        void removeAt(int row)
        {
            if (row < 0 || row >= m_items.size())
                return;
            const T *item = m_items.at(row);
            if (item && !m_index.isEmpty()) {
                auto it = m_index.find(item->uid());
                if (it != m_index.end() && it.value() == row)
                    m_index.erase(it);
            }
            m_items.removeAt(row);
            for (qsizetype r = row; r < m_items.size(); ++r) {
                const T *moved = m_items.at(r);
                if (!moved)
                    continue;
                auto it = m_index.find(moved->uid());
                if (it != m_index.end() && it.value() == r + 1)
                    it.value() = int(r);
            }
        }

        // Removes, in one pass, every row whose item the predicate picks, without deleting
        // them, and returns those items in row order. The rows that stay keep their order and
        // their index entries follow them, as with removeAt.
        template <typename Predicate>
        QList<T *> removeIf(Predicate picks)
        {
            QList<T *> removed;
            qsizetype write = 0;
            const qsizetype size = m_items.size();
            for (qsizetype read = 0; read < size; ++read) {
                T *item = m_items.at(read);
                if (item && picks(item)) {
                    auto it = m_index.find(item->uid());
                    if (it != m_index.end() && it.value() == read)
                        m_index.erase(it);
                    removed.append(item);
                    continue;
                }
                if (write != read) {
                    m_items[write] = item;
                    if (item) {
                        auto it = m_index.find(item->uid());
                        if (it != m_index.end() && it.value() == read)
                            it.value() = int(write);
                    }
                }
                ++write;
            }
            if (write != size)
                m_items.resize(write);
            return removed;
        }

        // Forgets every row and the index; the items are not deleted.
        void clear()
        {
            m_index.clear();
            m_items.clear();
        }

        void swap(Contents &other) noexcept
        {
            m_index.swap(other.m_index);
            m_items.swap(other.m_items);
        }

    private:
        QHash<QString, int> m_index;
        QList<T *> m_items;
    };

    BaseModel()
        : QAbstractListModel(nullptr)
    {
    }
    ~BaseModel() override = default;

    // The parent is ignored: every caller asks for the one list.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        Q_UNUSED(parent)
        return m_contents.count();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row();
        if (row < 0 || row >= rowCount())
            return QVariant();
        const T *item = m_contents.at(row);
        if (!item)
            return QVariant();
        return item->data(role);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    }

    QHash<int, QByteArray> roleNames() const override { return T::roleNames(); }

    void add(T *item) { m_contents.add(item); }
    int rowOf(const QString &uid) const { return m_contents.rowOf(uid); }
    T *find(const QString &uid) const { return m_contents.find(uid); }
    bool contains(const QString &uid) const { return m_contents.contains(uid); }
    T *at(int row) const { return m_contents.at(row); }
    int count() const { return m_contents.count(); }
    const QList<T *> &items() const { return m_contents.items(); }
    void removeAt(int row) { m_contents.removeAt(row); }
    void clear() { m_contents.clear(); }

    const Contents &contents() const { return m_contents; }
    Contents &contents() { return m_contents; }

    // Exchanges the rows and the index with a finished set in constant time; like every bulk
    // change it emits nothing, so the caller resets the model around it.
    void swapContents(Contents &other) noexcept { m_contents.swap(other); }

    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

    int itemCount() const override { return m_contents.count(); }
    const BaseItem *itemAt(int row) const override { return at(row); }
    QList<const BaseItem *> itemSnapshot() const override
    {
        const QList<T *> &items = m_contents.items();
        return QList<const BaseItem *>(items.cbegin(), items.cend());
    }
    qsizetype unchangedRows(const QList<const BaseItem *> &snapshot) const override
    {
        const QList<T *> &items = m_contents.items();
        const qsizetype common = std::min(items.size(), snapshot.size());
        qsizetype row = 0;
        while (row < common && static_cast<const BaseItem *>(items.at(row)) == snapshot.at(row))
            ++row;
        return row;
    }

private:
    Contents m_contents;
};
