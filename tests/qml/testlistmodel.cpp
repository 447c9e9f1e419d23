#include "testlistmodel.h"

TestListModel::TestListModel(const QVariantList &rows, QObject *parent)
    : QAbstractListModel(parent)
{
    for (const QVariant &row : rows) {
        m_rows.append(row.toMap());
        for (const QString &name : m_rows.last().keys()) {
            if (m_roleNames.key(name.toUtf8(), -1) == -1)
                m_roleNames.insert(Qt::UserRole + int(m_roleNames.size()), name.toUtf8());
        }
    }
}

int TestListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant TestListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    return m_rows.at(index.row()).value(QString::fromUtf8(m_roleNames.value(role)));
}

void TestListModel::setRole(int row, const QString &name, const QVariant &value)
{
    const int role = m_roleNames.key(name.toUtf8(), -1);
    if (role == -1 || row < 0 || row >= m_rows.size())
        return;
    m_rows[row].insert(name, value);
    emit dataChanged(index(row, 0), index(row, 0), {role});
}
