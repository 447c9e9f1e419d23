#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QVariantList>
#include <QVariantMap>

// A list model built from script objects, one row per object, one role per property name, for
// QML tests that need rows whose roles hold lists of coordinates (a ListModel turns every list
// into a nested model). Roles are numbered from Qt::UserRole in the order their names first
// appear; setData stores the value and reports the change.
class TestListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    explicit TestListModel(const QVariantList &rows, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

    Q_INVOKABLE void append(const QVariantMap &row);
    Q_INVOKABLE void remove(int row);
    // Sets one role of one row by name, as the native models change their data.
    Q_INVOKABLE void setRole(int row, const QString &name, const QVariant &value);
    Q_INVOKABLE int role(const QString &name) const { return m_roleNames.key(name.toUtf8(), -1); }

signals:
    void countChanged();

private:
    void learnRoles(const QVariantMap &row);

    QList<QVariantMap> m_rows;
    QHash<int, QByteArray> m_roleNames;
};
