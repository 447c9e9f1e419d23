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
    Q_PROPERTY(QString sidIdentifier READ sidIdentifier NOTIFY modified)
    Q_PROPERTY(QString starIdentifier READ starIdentifier NOTIFY modified)
    Q_PROPERTY(QString appchIdentifier READ appchIdentifier NOTIFY modified)
    Q_PROPERTY(QString sidTransition READ sidTransition NOTIFY modified)
    Q_PROPERTY(QString starTransition READ starTransition NOTIFY modified)
    Q_PROPERTY(QString appchTransition READ appchTransition NOTIFY modified)
    Q_PROPERTY(QString departureRunway READ departureRunway NOTIFY modified)
    Q_PROPERTY(QString arrivalRunway READ arrivalRunway NOTIFY modified)

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
    // After a database load or import: the procedures of the same UIDs, or none.
    void reattachToDatabase();
    void unsetProcedureForAll(Procedure *procedure);
    // Links the waypoint to the SID, then the STAR, then the approach where they apply.
    void updateWaypoint(Waypoint *waypoint);
    void updateWaypointProcedure(Waypoint *waypoint, Procedure *procedure);

    QStringList availableProcedures(int row) const;
    QStringList availableRunways(int row) const;

    // ---- texts for the templates
    QString sidIdentifier() const;
    QString starIdentifier() const;
    QString appchIdentifier() const;
    QString sidTransition() const;
    QString starTransition() const;
    QString appchTransition() const;
    QString departureRunway() const;
    QString arrivalRunway() const;

    // ---- waypoints of a procedure (rows -1 and null when none)
    int firstIndexOf(const Procedure *procedure) const;
    int lastIndexOf(const Procedure *procedure) const;
    Waypoint *firstWaypointOf(const Procedure *procedure) const;
    Waypoint *lastWaypointOf(const Procedure *procedure) const;
    // The fix where the plan meets the procedure's transition: a SID's last waypoint, the first
    // waypoint of a STAR or approach.
    Waypoint *transitionWaypoint(const Procedure *procedure) const;
    Waypoint *sidTransitionWaypoint() const { return transitionWaypoint(m_sid); }
    Waypoint *starTransitionWaypoint() const { return transitionWaypoint(m_star); }
    Waypoint *appchTransitionWaypoint() const { return transitionWaypoint(m_appch); }

    // ---- transitions
    // The row where the legs of the transition go; -1 when they fit nowhere. An unknown
    // procedure (or an empty plan) gives 0.
    int insertPosition(const QString &procedureUid, const QString &transition) const;
    int insertPosition(const Procedure *procedure, const QString &transition) const;
    Q_INVOKABLE bool canAddTransition(const QString &procedureUid, const QString &transition) const;
    // The row of the insertion, -1 when nothing could be inserted.
    Q_INVOKABLE int addTransition(const QString &procedureUid, const QString &transition);
    // Inserts the legs' fixes from the row on; returns the row given, or -1 (nothing changed)
    // for an unknown procedure or a row outside the plan.
    Q_INVOKABLE int insertTransition(const QString &procedureUid, const QString &transition, int position);
    // An import keeps the altitudes its file gives: it asks for no profile computation.
    int insertTransition(Procedure *procedure, const QString &transition, int position, bool computeProfile = true);
    // Takes the procedure's waypoints out of the plan; the airports stay and lose the link.
    Q_INVOKABLE void removeProcedureWaypoints(const QString &procedureUid);
    void removeProcedureWaypoints(Procedure *procedure);

signals:
    void modified();
    void edited();

private:
    Waypoint *waypointAt(int row) const;
    // The transition of the SID, STAR or approach the plan flies, empty when it flies none of them.
    QString enrouteTransitionOf(const Procedure *procedure) const;
    bool fliesTransition(const Procedure *procedure, const QString &transition, const Waypoint *through) const;
    void adoptEnroutePoints(Procedure *procedure);

    Procedure *m_sid = nullptr;
    Procedure *m_star = nullptr;
    Procedure *m_appch = nullptr;
    QList<Waypoint *> *m_waypoints = nullptr;
    Flightplan *m_flightplan = nullptr;
};
