#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>

// A few rows of another list model, with every role of theirs and their row in that model as the
// role `index`: what a layer drawn in one batch hands to a view that makes items for the rows the
// pointer or the selection is on.
class ActiveRowsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ActiveRowsModel(QObject *parent = nullptr);

    void setSource(QAbstractItemModel *source);
    // Rows leave and arrive one by one, so that a row present before and after keeps its item;
    // arrivals come last. Rows no longer in the source leave.
    void setRows(const QList<QPersistentModelIndex> &rows);
    bool contains(int sourceRow) const;
    const QList<QPersistentModelIndex> &rows() const { return m_rows; }
    // The source rows moved: the views learn their new `index`.
    void refreshIndexes();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

private:
    void sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);

    QPointer<QAbstractItemModel> m_source;
    QMetaObject::Connection m_dataConnection;
    QList<QPersistentModelIndex> m_rows;
    QList<int> m_shownRows;
    QHash<int, QByteArray> m_roleNames;
    int m_indexRole = Qt::UserRole;
};
