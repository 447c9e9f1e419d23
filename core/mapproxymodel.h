#pragma once

#include <QGeoRectangle>
#include <QList>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>

class BaseItem;
class ItemListAccess;

// Filter of one map layer: passes the items of the types switched on that lie in the visible
// area at the current zoom, and always the items whose UIDs are on the UID list (the points of a
// shown procedure). The source must be a BaseModel<T>; with any other source nothing passes.
//
// The map sets a new area several times a second while it pans over layers of hundreds of
// thousands of items, so each row's bounding box, minimum zoom and type are kept here as plain
// values, as is whether its UID is on the list, and most rows are decided without touching the
// item or a QGeoRectangle. The cache only ever
// rejects rows that BaseItem::isVisible rejects too; every other row gets the item's own test.
// It is rebuilt after any change that the source model announces.
class MapProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    MapProxyModel();
    ~MapProxyModel() override;

    void setMinZoom(double minZoom);
    Q_INVOKABLE void setGeoFilter(const QGeoRectangle &area, double zoom);
    Q_INVOKABLE void setTypeFilter(bool visible, int type = -1);
    Q_INVOKABLE void setUidFilter(const QStringList &uids);

    double minZoom() const { return m_minZoom; }
    QGeoRectangle area() const { return m_area; }
    double zoom() const { return m_zoom; }
    int typeMask() const { return m_typeMask; }
    QStringList uidFilter() const { return m_uids; }

    void setSourceModel(QAbstractItemModel *sourceModel) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    struct Row
    {
        const BaseItem *item = nullptr;
        double north = 0.0;
        double south = 0.0;
        double west = 0.0;
        double east = 0.0;
        double minzoom = 0.0;
        int type = 0;
        bool lonTestable = false;   // neither crosses the antimeridian nor touches a pole
        bool pinned = false;        // its UID is on the UID list
    };

    bool pinned(int sourceRow, const BaseItem *item) const;
    bool visible(int sourceRow, const BaseItem *item) const;
    void rebuildRows() const;

    double m_minZoom = 0.0;
    QGeoRectangle m_area;
    double m_zoom = 0.0;
    qint32 m_typeMask = 0;
    QStringList m_uids;

    QSet<QString> m_uidSet;
    // The area as plain values, taken when it is set.
    bool m_areaValid = false;
    bool m_areaLonTestable = false;
    double m_north = 0.0;
    double m_south = 0.0;
    double m_west = 0.0;
    double m_east = 0.0;

    const ItemListAccess *m_items = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    mutable QList<Row> m_rows;
    mutable bool m_rowsDirty = true;
    mutable bool m_pinnedDirty = true;
};
