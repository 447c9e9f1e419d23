#include "activerowsmodel.h"

ActiveRowsModel::ActiveRowsModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void ActiveRowsModel::setSource(QAbstractItemModel *source)
{
    beginResetModel();
    disconnect(m_dataConnection);
    m_source = source;
    m_rows.clear();
    m_shownRows.clear();
    m_roleNames = source ? source->roleNames() : QHash<int, QByteArray>();
    int highest = Qt::UserRole;
    for (auto it = m_roleNames.cbegin(); it != m_roleNames.cend(); ++it)
        highest = std::max(highest, it.key());
    m_indexRole = highest + 1;
    m_roleNames.insert(m_indexRole, "index");
    if (source)
        m_dataConnection = connect(source, &QAbstractItemModel::dataChanged, this, &ActiveRowsModel::sourceDataChanged);
    endResetModel();
}

void ActiveRowsModel::setRows(const QList<QPersistentModelIndex> &rows)
{
    for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
        if (m_rows.at(i).isValid() && rows.contains(m_rows.at(i)))
            continue;
        beginRemoveRows(QModelIndex(), int(i), int(i));
        m_rows.removeAt(i);
        m_shownRows.removeAt(i);
        endRemoveRows();
    }
    for (const QPersistentModelIndex &row : rows) {
        if (!row.isValid() || m_rows.contains(row))
            continue;
        const int at = int(m_rows.size());
        beginInsertRows(QModelIndex(), at, at);
        m_rows.append(row);
        m_shownRows.append(row.row());
        endInsertRows();
    }
}

bool ActiveRowsModel::contains(int sourceRow) const
{
    for (const QPersistentModelIndex &row : m_rows) {
        if (row.isValid() && row.row() == sourceRow)
            return true;
    }
    return false;
}

void ActiveRowsModel::refreshIndexes()
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (!m_rows.at(i).isValid() || m_rows.at(i).row() == m_shownRows.at(i))
            continue;
        m_shownRows[i] = m_rows.at(i).row();
        emit dataChanged(index(int(i)), index(int(i)), {m_indexRole});
    }
}

int ActiveRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ActiveRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const QPersistentModelIndex &source = m_rows.at(index.row());
    if (role == m_indexRole)
        return source.isValid() ? source.row() : -1;
    return source.isValid() ? source.data(role) : QVariant();
}

void ActiveRowsModel::sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                        const QList<int> &roles)
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const int row = m_rows.at(i).row();
        if (m_rows.at(i).isValid() && row >= topLeft.row() && row <= bottomRight.row())
            emit dataChanged(index(int(i)), index(int(i)), roles);
    }
}
