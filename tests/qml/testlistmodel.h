#pragma once

#include <QAbstractListModel>
#include <QVariantMap>

// A list model of script objects for QML tests, one row per object and one role per property
// name (Qt::UserRole on, in order of first appearance). Unlike a ListModel it keeps lists of
// coordinates as lists.
class TestListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount CONSTANT)

public:
    explicit TestListModel(const QVariantList &rows, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

    // Changes one role of one row, as the native models change their data.
    Q_INVOKABLE void setRole(int row, const QString &name, const QVariant &value);

private:
    QList<QVariantMap> m_rows;
    QHash<int, QByteArray> m_roleNames;
};
