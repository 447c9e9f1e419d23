#include "itemselectionmodel.h"

#include "baseitem.h"
#include "basemodel.h"
#include "flightplan.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "point.h"

#include <QDebug>

ItemSelectionModel::ItemSelectionModel(BaseModel<Point> *pointModel, Flightplan *flightplan,
                                       ListProxyModel *pointListModel, MapProxyModel *pointMapModel)
    : m_pointModel(pointModel)
    , m_flightplan(flightplan)
    , m_pointListModel(pointListModel)
    , m_pointMapModel(pointMapModel)
{
    if (!pointModel || !flightplan || !pointListModel || !pointMapModel)
        qFatal("Cannot create ItemSelectionModel object with NULL pointers!");

    connect(m_flightplan, &Flightplan::modified, this, &ItemSelectionModel::updateCurrentIndexes);
    connect(this, &ItemSelectionModel::hovered, this, &ItemSelectionModel::hoveredorselected);
    connect(this, &ItemSelectionModel::selected, this, &ItemSelectionModel::hoveredorselected);
    connect(this, &ItemSelectionModel::selected, this, &ItemSelectionModel::selectedNoParam);
    connect(this, &ItemSelectionModel::hoveredorselected, this, &ItemSelectionModel::hoveredorselectedNoParam);
    connect(m_pointModel, &QAbstractItemModel::modelReset, this, &ItemSelectionModel::pointModelReset);
    // A large list is ordered on a worker after a reset: the selected point gets its list row
    // once the list is back.
    connect(m_pointListModel, &ItemFilterModel::indexed, this, [this] {
        if (!m_current.isValid())
            return;
        currentListRow = m_pointListModel->mapFromSource(m_current).row();
        emit selectedNoParam();
    });
}

void ItemSelectionModel::clear()
{
    m_current = QPersistentModelIndex();
    currentBaseRow = -1;
    currentListRow = -1;
    currentTableRow = -1;
    currentUID.clear();
    m_hoveredUID.clear();
    m_selectedFrom.clear();
    QItemSelectionModel::clear();
    emit selected(currentUID);
    emit hovered(m_hoveredUID);
}

bool ItemSelectionModel::hasSelection() const
{
    return m_current.isValid();
}

bool ItemSelectionModel::hasHoverOrSelection() const
{
    return !m_hoveredUID.isEmpty() || hasSelection();
}

void ItemSelectionModel::selectFromList(int row)
{
    if (row < 0 || row >= m_pointListModel->rowCount())
        return;
    m_current = m_pointListModel->mapToSource(m_pointListModel->index(row, 0));
    selectCurrentIndex(QStringLiteral("list"), row);
}

void ItemSelectionModel::selectFromMap(int row)
{
    if (row < 0 || row >= m_pointMapModel->rowCount())
        return;
    m_current = m_pointMapModel->mapToSource(m_pointMapModel->index(row, 0));
    selectCurrentIndex(QStringLiteral("map"), row);
}

void ItemSelectionModel::selectFromRoute(int row)
{
    if (row < 0 || row >= m_flightplan->rowCount())
        return;
    const QModelIndex hit = findUid(m_flightplan->uidAt(row));
    if (!hit.isValid())
        return;
    m_current = hit;
    selectCurrentIndex(QStringLiteral("route"), row);
}

void ItemSelectionModel::selectFromUID(const QString &uid)
{
    const QModelIndex hit = findUid(uid);
    if (!hit.isValid()) {
        qWarning() << "Cannot find UID" << uid << "for selection";
        return;
    }
    m_current = hit;
    selectCurrentIndex(QStringLiteral("UID"), -1);
}

QVariant ItemSelectionModel::getSelectedItemRole(int role) const
{
    if (!m_pointModel)
        return {};
    return m_pointModel->data(m_current, role);
}

void ItemSelectionModel::setHovered(bool isHovered, const QString &uid)
{
    if (isHovered)
        m_hoveredUID = uid;
    else if (uid == m_hoveredUID)
        m_hoveredUID.clear();
    emit hovered(m_hoveredUID);
}

QString ItemSelectionModel::getHoveredOrCurrentUID() const
{
    return m_hoveredUID.isEmpty() ? currentUID : m_hoveredUID;
}

int ItemSelectionModel::getBaseRow(int row) const
{
    if (row < 0 || row >= m_pointMapModel->rowCount())
        return -1;
    return m_pointMapModel->mapToSource(m_pointMapModel->index(row, 0)).row();
}

void ItemSelectionModel::updateCurrentIndexes()
{
    selectCurrentIndex(QStringLiteral("signal"), -1);
}

void ItemSelectionModel::selectCurrentIndex(const QString &origin, int row)
{
    if (!m_current.isValid())
        return;
    currentBaseRow = m_current.row();
    currentListRow = m_pointListModel->mapFromSource(m_current).row();
    currentUID = m_current.data(BaseItem::UID).toString();
    currentTableRow = origin == QLatin1String("route") ? row : m_flightplan->indexOf(currentUID);
    m_selectedFrom = origin;
    qInfo() << "Select from" << origin << currentUID << row;
    emit selected(currentUID);
}

QModelIndex ItemSelectionModel::findUid(const QString &uid) const
{
    if (uid.isEmpty() || m_pointModel->rowCount() == 0)
        return {};
    const QModelIndexList hits = m_pointModel->match(m_pointModel->index(0, 0), BaseItem::UID, uid, 1,
                                                     Qt::MatchFixedString | Qt::MatchCaseSensitive);
    return hits.isEmpty() ? QModelIndex() : hits.first();
}

// After a load or an import every point object is new: the point of the same UID, if the new
// data has one, stays selected on its new row (without moving the map); otherwise the
// selection ends, as the old rows would name other points.
void ItemSelectionModel::pointModelReset()
{
    if (currentUID.isEmpty() && !m_current.isValid())
        return;
    const QModelIndex hit = findUid(currentUID);
    if (!hit.isValid()) {
        clear();
        return;
    }
    m_current = hit;
    currentBaseRow = hit.row();
    currentListRow = m_pointListModel->mapFromSource(hit).row();
    currentTableRow = m_flightplan->indexOf(currentUID);
    emit selectedNoParam();
}
