#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Flightplan;
class Procedure;
class Waypoint;

// The terminal procedures of the flight plan: the SID at the departure, the STAR and the
// approach at the arrival, and the procedure link of every waypoint kept in step with them.
// The procedures belong to the navigation database.
class Terminal : public QObject
{
    Q_OBJECT

public:
    // A null argument ends the program.
    Terminal(QList<Waypoint *> *waypoints, Flightplan *flightplan);

    void clear();
    Procedure *sid() const { return m_sid; }
    Procedure *star() const { return m_star; }
    Procedure *appch() const { return m_appch; }
    void setSid(Procedure *procedure);
    void setStar(Procedure *procedure);
    void setAppch(Procedure *procedure);

    void setProcedureForAll(Procedure *procedure);
    void unsetProcedureForAll(Procedure *procedure);
    // Links the waypoint to the SID, then the STAR, then the approach where they apply.
    void updateWaypoint(Waypoint *waypoint);
    void updateWaypointProcedure(Waypoint *waypoint, Procedure *procedure);

    QStringList availableProcedures(int row) const;
    QStringList availableRunways(int row) const;

signals:
    void modified();
    void edited();

private:
    Procedure *m_sid = nullptr;
    Procedure *m_star = nullptr;
    Procedure *m_appch = nullptr;
    QList<Waypoint *> *m_waypoints = nullptr;
    Flightplan *m_flightplan = nullptr;
};
