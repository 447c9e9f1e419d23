#pragma once

#include "airplane.h"
#include "linkedlist.h"

#include <QAbstractListModel>
#include <QList>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class General;
class Terminal;
class Profile;
class Fuel;
class Weight;
class Procedure;
class Waypoint;

// The one flight plan of the program: the chain of waypoints as a list model for the plan
// table and the map, its header, terminal procedures, vertical profile, fuel and weights, and
// the totals of the last update pass. Every edit checks its arguments, changes nothing when
// it fails, and ends in the update pass that recomputes every leg.
//
// The waypoint list is guarded by one process-wide recursive mutex, which the header and the
// profile take too while they read the list.
class Flightplan : public QAbstractListModel
{
    Q_OBJECT
    Q_MOC_INCLUDE("waypoint.h")
    Q_MOC_INCLUDE("general.h")
    Q_MOC_INCLUDE("terminal.h")
    Q_MOC_INCLUDE("profile.h")
    Q_MOC_INCLUDE("fuel.h")
    Q_MOC_INCLUDE("weight.h")
    Q_PROPERTY(QList<Waypoint *> waypoints READ waypoints NOTIFY modified)
    Q_PROPERTY(QList<Waypoint *> fewpoints READ fewpoints NOTIFY modified)
    Q_PROPERTY(QList<Waypoint *> nosidstarwaypoints READ nosidstarwaypoints NOTIFY modified)
    Q_PROPERTY(General *general READ general CONSTANT)
    Q_PROPERTY(Terminal *terminal READ terminal CONSTANT)
    Q_PROPERTY(Profile *profile READ profile CONSTANT)
    Q_PROPERTY(Fuel *fuel READ fuel CONSTANT)
    Q_PROPERTY(Weight *weight READ weight CONSTANT)
    Q_PROPERTY(int count READ count NOTIFY modified)
    Q_PROPERTY(bool empty READ empty NOTIFY modified)
    Q_PROPERTY(double distance READ distance WRITE setDistance NOTIFY modified)
    Q_PROPERTY(int duration READ duration WRITE setDuration NOTIFY modified)
    Q_PROPERTY(bool binding READ binding WRITE setBinding NOTIFY modified)

public:
    enum Roles {
        RoleIndex = 13697023, // BaseItem::BaseRoleFlightPlan
        RoleAvailableProcedures,
        RoleAvailableRunways
    };

    explicit Flightplan(QObject *parent = nullptr);
    ~Flightplan() override;

    static QRecursiveMutex *mutex();

    // ---- model
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // ---- properties
    QList<Waypoint *> waypoints() const;
    QList<Waypoint *> fewpoints() const;
    QList<Waypoint *> nosidstarwaypoints() const;
    General *general() const { return m_general; }
    Terminal *terminal() const { return m_terminal; }
    Profile *profile() const { return m_profile; }
    Fuel *fuel() const { return m_fuel; }
    Weight *weight() const { return m_weight; }
    int count() const;
    bool empty() const;
    double distance() const { return m_distance; }
    void setDistance(double distance);
    int duration() const { return m_duration; }
    void setDuration(int duration);
    bool binding() const { return m_binding; }
    void setBinding(bool binding);

    // The chain itself, for the plan's own parts that insert into it (the terminal's
    // transitions): its operations keep the links. Callers hold mutex() and wrap their
    // changes in beginResetModelPrivate() / endResetModelPrivate().
    LinkedList *waypointList() { return &m_waypoints; }

    // ---- edits from the interface
    Q_INVOKABLE void clear(bool log = true);
    Q_INVOKABLE bool prepend(const QString &uid, bool select = true);
    Q_INVOKABLE bool append(const QString &uid, bool select = true);
    Q_INVOKABLE bool add(const QString &uid, bool removeIfPresent = false, bool select = true);
    Q_INVOKABLE bool contains(const QString &uid) const;
    Q_INVOKABLE QString uidAt(int row) const;
    Q_INVOKABLE QString codeAt(int row) const;
    Q_INVOKABLE bool remove(const QString &uid);
    Q_INVOKABLE bool remove(int row, bool log = true);
    Q_INVOKABLE bool insert(int position, const QString &uid, bool log = true);
    Q_INVOKABLE bool duplicate(int row);
    Q_INVOKABLE bool moveRow(int from, int to);
    Q_INVOKABLE bool moveUp(int row);
    Q_INVOKABLE bool moveDown(int row);
    Q_INVOKABLE bool reverse();
    Q_INVOKABLE void computeProfile();
    Q_INVOKABLE void addRandomAirport(bool select = true);
    Q_INVOKABLE void setAsEdited();
    // An altitude or speed typed for a waypoint, for the current airplane: { text, message }, the
    // text as setData takes it, or the reason it is refused.
    Q_INVOKABLE QVariantMap readAltitude(const QString &text) const;
    Q_INVOKABLE QVariantMap readSpeed(const QString &text) const;

    // ---- for the rest of the program
    // The update pass: profile when asked (or configured), every leg, fuel, weights, the
    // remaining values and the header's modification time. Emits nothing.
    void update(bool computeProfile, bool log);
    // Takes the waypoint over when it returns true; the caller keeps (and deletes) it otherwise.
    bool insertWaypoint(int position, Waypoint *waypoint, bool log = true);
    // Inserts copies; the caller keeps its list. False (nothing inserted) for a position
    // outside the plan.
    bool bulkInsert(int position, const QList<Waypoint *> &waypoints, Procedure *sid, Procedure *star,
                    Procedure *approach, bool computeProfile, bool log);
    Waypoint *first() const;
    Waypoint *last() const;
    Waypoint *findWaypoint(const QString &uid) const;
    int indexOf(const QString &uid) const;

signals:
    void edited();
    void modified();
    void needselection(int row);
    // After a database load or import: count waypoints whose point the new data lacks became
    // coordinate points (an edit of the plan).
    void pointsLost(int count);

public slots:
    void airplaneChanged();
    void forceUpdate();
    void beginResetModelPrivate();
    void endResetModelPrivate();
    void signalDataHasChanged(int first = -1, int last = -1);
    // After a database load or import: the waypoints take the items of the new lists
    // (flightplanreattach.cpp).
    void reattachToDatabase();

private:
    void cruiseChanged();
    // Brings the header's cruise level and speed within the current airplane's ceiling and
    // maximum TAS; true when either changed.
    bool fitCruise();
    bool validRow(int row) const;
    static bool dropsFromNoSidStar(const Waypoint *waypoint);

    LinkedList m_waypoints;
    General *m_general = nullptr;
    Terminal *m_terminal = nullptr;
    Profile *m_profile = nullptr;
    Fuel *m_fuel = nullptr;
    Weight *m_weight = nullptr;
    double m_distance = 0.0;
    int m_duration = 0;
    bool m_binding = true;
    // The airplane of the last computation: only another airplane, or other figures, computes
    // the plan anew.
    Airplane m_computedFor;
    // While fitCruise writes the header: its caller computes the plan once.
    bool m_fittingCruise = false;
};
