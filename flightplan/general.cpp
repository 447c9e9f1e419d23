#include "general.h"

#include "airplanelistmodel.h"
#include "settings.h"

#include <QRandomGenerator64>

General::General(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex, Flightplan *flightplan)
    : m_waypoints(waypoints)
    , m_mutex(mutex)
    , m_flightplan(flightplan)
{
    if (!m_waypoints || !m_mutex || !m_flightplan)
        qFatal("Cannot create General object with NULL pointers!");
}

void General::reset()
{
    const Airplane airplane = AirplaneListModel::currentAirplane();
    m_modificationtime = QDateTime::currentDateTime();
    m_departuretime = m_modificationtime.addSecs(10800);
    m_company = Settings::getString(QStringLiteral("personal/companyName"));
    m_number = QStringLiteral("WYLR%1").arg(QRandomGenerator64::global()->bounded(999), 3, 10, QLatin1Char('0'));
    m_pic = Settings::getString(QStringLiteral("personal/pilotName"));
    m_sequence = 1;
    m_cruiselvl = airplane.ceilinglvl;
    m_cruisetas = airplane.maxcruisetas;
    m_transition = Settings::getInt(QStringLiteral("units/transitionAltitude"), 0);
    m_alternate.clear();
}

void General::touchModificationTime()
{
    m_modificationtime = QDateTime::currentDateTime();
}

template<typename T>
void General::write(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit modified();
}

void General::setModificationtime(const QDateTime &value) { write(m_modificationtime, value); }
void General::setDeparturetime(const QDateTime &value) { write(m_departuretime, value); }
void General::setCompany(const QString &value) { write(m_company, value); }
void General::setNumber(const QString &value) { write(m_number, value); }
void General::setPic(const QString &value) { write(m_pic, value); }
void General::setSequence(int value) { write(m_sequence, value); }
void General::setCruiselvl(int value) { write(m_cruiselvl, value); }
void General::setCruisetas(int value) { write(m_cruisetas, value); }
void General::setTransition(int value) { write(m_transition, value); }
void General::setAlternate(const QString &value) { write(m_alternate, value); }
