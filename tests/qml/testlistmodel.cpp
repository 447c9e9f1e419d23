#include "testlistmodel.h"

TestListModel::TestListModel(const QVariantList &rows, QObject *parent) : QAbstractListModel(parent)
{
    for (const QVariant &row : rows) {
        const QVariantMap map = row.toMap();
        learnRoles(map);
        m_rows.append(map);
    }
}

void TestListModel::learnRoles(const QVariantMap &row)
{
    // Roles are known before the first view reads them; later rows may not bring new ones.
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        const QByteArray name = it.key().toUtf8();
        if (m_roleNames.key(name, -1) == -1)
            m_roleNames.insert(Qt::UserRole + int(m_roleNames.size()), name);
    }
}

int TestListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TestListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || !m_roleNames.contains(role))
        return QVariant();
    return m_rows.at(index.row()).value(QString::fromUtf8(m_roleNames.value(role)));
}

bool TestListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || !m_roleNames.contains(role))
        return false;
    m_rows[index.row()].insert(QString::fromUtf8(m_roleNames.value(role)), value);
    emit dataChanged(index, index, {role});
    return true;
}

void TestListModel::append(const QVariantMap &row)
{
    learnRoles(row);
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size()));
    m_rows.append(row);
    endInsertRows();
    emit countChanged();
}

void TestListModel::remove(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}

void TestListModel::setRole(int row, const QString &name, const QVariant &value)
{
    const int role = m_roleNames.key(name.toUtf8(), -1);
    if (role != -1)
        setData(index(row, 0), value, role);
}
