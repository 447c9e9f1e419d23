#pragma once

#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QString>
#include <QVariant>

class Flightplan;
class ListProxyModel;
class MapProxyModel;
class Point;
template <typename T>
class BaseModel;

// The one selected and the one hovered navigation point, shared by the map, the point list and
// the flight-plan table: the selected point's rows in each of them, its UID, and signals the
// views bind to.
class ItemSelectionModel : public QItemSelectionModel
{
    Q_OBJECT
    Q_PROPERTY(bool hasSelection READ hasSelection NOTIFY selectedNoParam)
    Q_PROPERTY(bool hasHoverOrSelection READ hasHoverOrSelection NOTIFY hoveredorselectedNoParam)
    Q_PROPERTY(int currentBaseRow MEMBER currentBaseRow NOTIFY selectedNoParam)
    Q_PROPERTY(int currentListRow MEMBER currentListRow NOTIFY selectedNoParam)
    Q_PROPERTY(int currentTableRow MEMBER currentTableRow NOTIFY selectedNoParam)
    Q_PROPERTY(QString currentUID MEMBER currentUID NOTIFY selectedNoParam)
    Q_PROPERTY(QString hoveredOrCurrentUID READ getHoveredOrCurrentUID NOTIFY hoveredorselectedNoParam)
    // Where the last selection came from: "list", "map", "route", "UID", or "signal" when a
    // change of the plan only moved the rows of the same point (the map stays where it is
    // then); empty after clear().
    Q_PROPERTY(QString selectedFrom READ selectedFrom NOTIFY selectedNoParam)

public:
    ItemSelectionModel(BaseModel<Point> *pointModel, Flightplan *flightplan, ListProxyModel *pointListModel,
                       MapProxyModel *pointMapModel);

    Q_INVOKABLE void clear() override;
    Q_INVOKABLE bool hasSelection() const;
    Q_INVOKABLE bool hasHoverOrSelection() const;
    Q_INVOKABLE void selectFromList(int row);
    Q_INVOKABLE void selectFromMap(int row);
    Q_INVOKABLE void selectFromRoute(int row);
    Q_INVOKABLE void selectFromUID(const QString &uid);
    Q_INVOKABLE QVariant getSelectedItemRole(int role) const;
    Q_INVOKABLE void setHovered(bool hovered, const QString &uid);
    Q_INVOKABLE QString getHoveredOrCurrentUID() const;
    Q_INVOKABLE int getBaseRow(int row) const;
    QString selectedFrom() const { return m_selectedFrom; }

    // Plain members published as properties.
    int currentBaseRow = -1;
    int currentListRow = -1;
    int currentTableRow = -1;
    QString currentUID;

signals:
    void selected(const QString &uid);
    void hovered(const QString &uid);
    void hoveredorselected(const QString &uid);
    void selectedNoParam();
    void hoveredorselectedNoParam();

public slots:
    void updateCurrentIndexes();

private:
    void selectCurrentIndex(const QString &origin, int row);
    QModelIndex findUid(const QString &uid) const;
    void pointModelReset();

    BaseModel<Point> *m_pointModel;
    Flightplan *m_flightplan;
    ListProxyModel *m_pointListModel;
    MapProxyModel *m_pointMapModel;
    // Persistent, so that it follows its row; a reset of the point model (a database load or
    // import swaps every point) invalidates it, and the selection is then found again by UID.
    QPersistentModelIndex m_current;
    QString m_hoveredUID;
    QString m_selectedFrom;
};
