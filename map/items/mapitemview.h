#pragma once

#include "mapitembase.h"

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>

#include <vector>

// One delegate per row of a list model, each a map item. Delegates read the model's roles by name
// (and `index`) as context properties, or, as Qt's views do, only through the required
// properties they declare when they declare any (then only those roles are fetched from the
// model). `add` and `remove` transitions play on rows that arrive and leave. Several views may
// share a model, and a view may sit inside another view or inside a delegate. With `reuseItems`
// (as ListView has it) delegates of rows that leave are kept and handed to rows that arrive,
// which spares creating them when a filter swaps thousands of rows at once; delegates that keep
// state of their own beyond their roles must not be reused.
class MapItemView : public MapItemBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QQmlComponent *delegate READ delegate WRITE setDelegate NOTIFY delegateChanged)
    Q_PROPERTY(QObject *add READ add WRITE setAdd NOTIFY addChanged)
    Q_PROPERTY(QObject *remove READ remove WRITE setRemove NOTIFY removeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool reuseItems READ reuseItems WRITE setReuseItems NOTIFY reuseItemsChanged)

public:
    explicit MapItemView(QQuickItem *parent = nullptr);
    ~MapItemView() override;

    QVariant model() const;
    void setModel(const QVariant &model);
    QQmlComponent *delegate() const { return m_delegate; }
    void setDelegate(QQmlComponent *delegate);
    QObject *add() const { return m_add; }
    void setAdd(QObject *transition);
    QObject *remove() const { return m_remove; }
    void setRemove(QObject *transition);
    // Delegates standing for rows (not those still playing their remove transition).
    int count() const { return int(m_entries.size()); }
    bool reuseItems() const { return m_reuseItems; }
    void setReuseItems(bool reuse);

    // The delegate of a row, or null.
    Q_INVOKABLE QQuickItem *itemAt(int row) const;

signals:
    void modelChanged();
    void delegateChanged();
    void addChanged();
    void removeChanged();
    void countChanged();
    void reuseItemsChanged();

protected:
    void componentComplete() override;
    void updatePolish() override;

private:
    struct Entry
    {
        QPointer<QQuickItem> item;
        QQmlContext *context = nullptr;
        int row = -1;
    };

    // The delegates in row order, with a gap where the last change was: a filter announces its
    // changes as runs in row order, and each run then moves only the entries between it and the
    // one before, not every entry behind it.
    class Entries
    {
    public:
        qsizetype size() const { return qsizetype(m_items.size()) - (m_gapEnd - m_gapStart); }
        bool isEmpty() const { return size() == 0; }
        Entry &operator[](qsizetype i) { return m_items[size_t(i < m_gapStart ? i : i + m_gapEnd - m_gapStart)]; }
        const Entry &at(qsizetype i) const { return m_items[size_t(i < m_gapStart ? i : i + m_gapEnd - m_gapStart)]; }
        void clear();
        void insert(qsizetype at, const QList<Entry> &entries);
        void remove(qsizetype at, qsizetype count);

    private:
        void moveGap(qsizetype to);

        std::vector<Entry> m_items;
        qsizetype m_gapStart = 0;
        qsizetype m_gapEnd = 0;
    };

    // How the delegate reads its row: not known until the first one exists.
    enum class Binding { Unknown, Context, Required };
    struct RequiredRole
    {
        QByteArray name;
        int role;     // -1 for `index`
        int property; // index in the delegate's meta object
    };
    // The delegate's `index` property, when it declares one.
    int indexProperty() const;

    void connectModel();
    void rebuild();
    void clear();
    void clearPool();
    Entry create(int row, bool animate);
    QQuickItem *instantiate(int row, QQmlContext **context);
    void learnBinding(QQuickItem *item);
    QVariantMap requiredValues(int row) const;
    void release(Entry &entry, bool animate);
    void setRoles(Entry &entry, int row, const QList<int> &roles);

    void rowsInserted(const QModelIndex &parent, int first, int last);
    void rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    // Rows after a change shift: their `index` is brought up to date before the next frame.
    void indicesShifted(qsizetype from);

    QVariant m_modelValue;
    QPointer<QAbstractItemModel> m_model;
    QList<QMetaObject::Connection> m_modelConnections;
    QPointer<QQmlComponent> m_delegate;
    QPointer<QObject> m_add;
    QPointer<QObject> m_remove;
    Entries m_entries;
    QList<Entry> m_pool;
    bool m_reuseItems = false;
    Binding m_binding = Binding::Unknown;
    QList<RequiredRole> m_required;
    QHash<int, QByteArray> m_roleNames;
    qsizetype m_indicesFrom = -1;
};
