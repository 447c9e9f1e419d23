#pragma once

#include <QList>
#include <QObject>
#include <QRecursiveMutex>

class Waypoint;

// The vertical profile of the flight plan: phases, planned altitudes and speeds from a
// forward climb and a backward descent with the current airplane's rates. It has no mutex of
// its own: it takes the plan's while it reads the list for the chart.
class Profile : public QObject
{
    Q_OBJECT

public:
    // A null argument ends the program.
    Profile(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex);

    // True when both passes ran (the plan has three waypoints or more).
    bool computeProfile(int cruiseLevel, int cruiseTas, bool log);

signals:
    void modified();

private:
    QList<Waypoint *> *m_waypoints = nullptr;
    QRecursiveMutex *m_mutex = nullptr;
};
