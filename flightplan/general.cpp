#include "general.h"

#include "airplanelistmodel.h"
#include "segment.h"
#include "settings.h"
#include "templating.h"
#include "waypoint.h"

#include <QGeoCoordinate>
#include <QMutexLocker>
#include <QRandomGenerator64>

namespace {

using Locker = QMutexLocker<QRecursiveMutex>;

// Right-justified with "0" to the width, a longer text cut to it: the ICAO group has fixed
// fields.
QString fixedField(int value, int width)
{
    return QString::number(qMax(value, 0)).rightJustified(width, QLatin1Char('0'), true);
}

} // namespace

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
    m_departuretime = m_modificationtime.toUTC().addSecs(10800);
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

template <typename T>
bool General::write(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    emit modified();
    return true;
}

// One-line members, kept as a table.
// clang-format off
void General::setModificationtime(const QDateTime &value) { write(m_modificationtime, value); }
// A departure time is a UTC time wherever the planner sits: the briefing, the filing pages and the
// exports print it as such, so a local time handed in (QML dates arrive in local time) is turned.
void General::setDeparturetime(const QDateTime &value) { write(m_departuretime, value.isValid() ? value.toUTC() : value); }
void General::setCompany(const QString &value) { write(m_company, value); }
void General::setNumber(const QString &value) { write(m_number, value); }
void General::setPic(const QString &value) { write(m_pic, value); }
void General::setSequence(int value) { write(m_sequence, value); }
void General::setCruiselvl(int value) { if (write(m_cruiselvl, value)) emit cruiseChanged(); }
void General::setCruisetas(int value) { if (write(m_cruisetas, value)) emit cruiseChanged(); }
void General::setTransition(int value) { write(m_transition, value); }
void General::setAlternate(const QString &value) { write(m_alternate, value); }
// clang-format on

// ---- derived from the waypoint list

Waypoint *General::firstWaypoint() const
{
    return m_waypoints->isEmpty() ? nullptr : m_waypoints->constFirst();
}

Waypoint *General::lastWaypoint() const
{
    return m_waypoints->isEmpty() ? nullptr : m_waypoints->constLast();
}

QString General::departureCode() const
{
    Locker locker(m_mutex);
    const Waypoint *first = firstWaypoint();
    return first ? first->code() : QString();
}

QString General::arrivalCode() const
{
    Locker locker(m_mutex);
    const Waypoint *last = lastWaypoint();
    return last ? last->code() : QString();
}

QString General::departureName() const
{
    Locker locker(m_mutex);
    const Waypoint *first = firstWaypoint();
    return first ? first->comboText() : QString();
}

QString General::arrivalName() const
{
    Locker locker(m_mutex);
    const Waypoint *last = lastWaypoint();
    return last ? last->comboText() : QString();
}

QString General::shortName() const
{
    Locker locker(m_mutex);
    const Waypoint *first = firstWaypoint();
    const Waypoint *last = lastWaypoint();
    if (!first || !last)
        return QString();
    return first->code() + QLatin1Char('-') + last->code();
}

QString General::fileName() const
{
    Locker locker(m_mutex);
    const Waypoint *first = firstWaypoint();
    const Waypoint *last = lastWaypoint();
    if (!first || !last)
        return QString();
    return first->code() + last->code();
}

QString General::suggestedFileName() const
{
    const QString name = fileName();
    return name.isEmpty() ? QStringLiteral("untitled") : name;
}

QVariantList General::waypointuids() const
{
    Locker locker(m_mutex);
    QVariantList uids;
    uids.reserve(m_waypoints->size());
    for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint)
            uids.append(waypoint->uid());
    }
    return uids;
}

QVariantList General::segmentuids() const
{
    Locker locker(m_mutex);
    QVariantList uids;
    for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (const Segment *segment = waypoint ? waypoint->airwaySegment() : nullptr)
            uids.append(segment->uid());
    }
    return uids;
}

QGeoRectangle General::bounding() const
{
    Locker locker(m_mutex);
    QList<QGeoCoordinate> positions;
    positions.reserve(m_waypoints->size());
    for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint)
            positions.append(waypoint->position());
    }
    return positions.isEmpty() ? QGeoRectangle() : QGeoRectangle(positions);
}

QString General::ofp() const
{
    // The template walks the whole list; the lock is recursive, so a read from within an
    // operation of the plan that holds it already is fine.
    Locker locker(m_mutex);
    return Templating::render(m_flightplan, QStringLiteral("ofp.txt"));
}

// ---- derived from the stored fields

int General::departureseconds() const
{
    // An invalid time reads -1 for the hour and the minute; a departure time that was never
    // set is no time of day at all.
    const QTime time = m_departuretime.time();
    if (!m_departuretime.isValid() || !time.isValid())
        return 0;
    return time.hour() * 3600 + time.minute() * 60;
}

QString General::performance() const
{
    return QLatin1Char('N') + fixedField(m_cruisetas, 4) + QLatin1Char('F') + fixedField(m_cruiselvl, 3);
}
