#include "profile.h"

#include <QDebug>

Profile::Profile(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex)
    : m_waypoints(waypoints)
    , m_mutex(mutex)
{
    if (!m_waypoints || !m_mutex)
        qFatal("Cannot create Profile object with NULL pointers!");
}

bool Profile::computeProfile(int cruiseLevel, int cruiseTas, bool log)
{
    Q_UNUSED(log)
    qInfo() << "Will compute flight plan profile" << QStringLiteral("FL%1").arg(cruiseLevel)
            << QStringLiteral("%1kts").arg(cruiseTas);
    if (m_waypoints->size() <= 2) {
        qInfo() << "No profile when flight plan does not contain 2 waypoints at least";
        return false;
    }
    // The forward climb and backward descent passes are not computed yet: the waypoints keep
    // the phases, altitudes and speeds they have.
    return false;
}
