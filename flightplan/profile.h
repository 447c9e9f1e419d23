#pragma once

#include <QAbstractSeries>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRecursiveMutex>
#include <QString>
#include <QValueAxis>

class Airplane;
class Waypoint;

// The vertical profile of the flight plan: phases, planned altitudes and speeds from a
// forward climb and a backward descent with the current airplane's rates; and the two axes
// and the altitude series of the profile chart.
//
// It has no mutex of its own: it takes the plan's recursive one while it reads or writes the
// list. The chart objects belong to the thread of the chart (the main thread); a caller on
// another thread has its results handed over to that thread instead of touching them.
class Profile : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString topOfCruise READ topOfCruise NOTIFY modified)

public:
    // A null argument ends the program.
    Profile(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex);
    // Deletes the axes that no chart has taken over.
    ~Profile() override;

    // The distance axis (nautical miles), its range 0 to the plan's length as last computed.
    Q_INVOKABLE QValueAxis *getDistanceAxis();
    // The altitude axis (flight levels), its range 0 to 1.25 times the current airplane's
    // ceiling.
    Q_INVOKABLE QValueAxis *getAltitudeAxis();
    // Appends one point per waypoint (flown distance, flight level) to the upper series of an
    // area series; existing points stay.
    Q_INVOKABLE void updateWithSeries(QAbstractSeries *series) const;

    // The code of the first top of climb (or apogee); empty when the plan has none.
    QString topOfCruise() const;

    // Phases, altitudes and IAS of the waypoints for a cruise level and a cruise TAS. True
    // when both passes ran (the plan has three waypoints or more).
    bool computeProfile(int cruiseLevel, int cruiseTas, bool log);
    // True when the two airplanes climb and descend alike: the figures computeProfile reads.
    static bool sameFigures(const Airplane &a, const Airplane &b);

signals:
    void modified();

private:
    // A chart that took an axis over deletes it with itself; the next chart gets a new one.
    void ensureAxes();

    QPointer<QValueAxis> m_distanceAxis;
    QPointer<QValueAxis> m_altitudeAxis;
    QList<Waypoint *> *m_waypoints = nullptr;
    QRecursiveMutex *m_mutex = nullptr;
};
