#pragma once

#include "mapitembase.h"

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>

// One delegate per row of a list model, each a map item. Delegates read the model's roles by name
// (and `index`) as context properties or, when they declare them, as properties of their own;
// `add` and `remove` transitions play on rows that arrive and leave. Several views may share a
// model, and a view may sit inside another view or inside a delegate.
class MapItemView : public MapItemBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QQmlComponent *delegate READ delegate WRITE setDelegate NOTIFY delegateChanged)
    Q_PROPERTY(QObject *add READ add WRITE setAdd NOTIFY addChanged)
    Q_PROPERTY(QObject *remove READ remove WRITE setRemove NOTIFY removeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

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

    // The delegate of a row, or null.
    Q_INVOKABLE QQuickItem *itemAt(int row) const;

signals:
    void modelChanged();
    void delegateChanged();
    void addChanged();
    void removeChanged();
    void countChanged();

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

    void connectModel();
    void rebuild();
    void clear();
    Entry create(int row, bool animate);
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
    QList<Entry> m_entries;
    QHash<int, QByteArray> m_roleNames;
    qsizetype m_indicesFrom = -1;
};
