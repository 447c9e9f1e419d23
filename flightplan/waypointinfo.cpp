// The texts a waypoint gives about itself: wordings of its phase and top, coordinate texts
// for the export templates and the log lines of the update pass.

#include "waypoint.h"

#include "point.h"
#include "procedure.h"
#include "segment.h"
#include "unit.h"

#include <QGeoCoordinate>

namespace {

// "27.46758° S" and " 153.02789° E": the two parts of the coordinate text, split at the comma.
QStringList coordinateParts(const Point *point)
{
    if (!point)
        return {};
    return point->position().toString(QGeoCoordinate::DegreesWithHemisphere).split(QLatin1Char(','));
}

QString withHemisphereInFront(QString part, const QString &letters)
{
    part = part.trimmed();
    if (!part.isEmpty() && letters.contains(part.back())) {
        const QChar hemisphere = part.back();
        part.chop(1);
        part = QString(hemisphere) + QLatin1Char(' ') + part;
    }
    return part.remove(QStringLiteral("° "));
}

} // namespace

QString Waypoint::phaseText(bool shortText, bool dash) const
{
    switch (m_phase) {
    case 1:
        return shortText ? tr("INI") : tr("Initial climb");
    case 2:
        return shortText ? tr("CLB") : tr("Climb");
    case 3:
        return shortText ? tr("CRU") : tr("Cruise");
    case 4:
        return shortText ? tr("DES") : tr("Descent");
    case 5:
        return shortText ? tr("APP") : tr("Approach");
    default:
        return dash ? QStringLiteral("---") : QString();
    }
}

QString Waypoint::top(bool shortText, bool dash) const
{
    switch (m_top) {
    case 1:
        return shortText ? tr("TOC") : tr("Top of climb (TOC)");
    case 2:
        return shortText ? tr("TOD") : tr("Top of descent (TOD)");
    case 3:
        return shortText ? tr("APO") : tr("Apogee (TOC/TOD)");
    default:
        return dash ? QStringLiteral("---") : QString();
    }
}

QString Waypoint::latitudeShort() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.isEmpty() ? QString() : QString(parts.at(0)).remove(QStringLiteral("° "));
}

QString Waypoint::longitudeShort() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.size() < 2 ? QString() : QString(parts.at(1)).remove(QStringLiteral("° "));
}

QString Waypoint::latitudeShortRte() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.isEmpty() ? QString() : withHemisphereInFront(parts.at(0), QStringLiteral("NS"));
}

QString Waypoint::longitudeShortRte() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.size() < 2 ? QString() : withHemisphereInFront(parts.at(1), QStringLiteral("WE"));
}

QString Waypoint::profileText() const
{
    return code() + QLatin1Char(' ') + distanceToNextString(true) + QLatin1Char(' ') + altitudeString(true)
           + QLatin1Char(' ') + iasString(true) + QStringLiteral(" (") + Unit::iasToString(m_ias, true)
           + QLatin1Char(')');
}

QString Waypoint::logText() const
{
    QString text = code();
    if (m_airway) {
        const Point *other = m_airway->otherEnd(m_point);
        text += QStringLiteral("(-") + m_airway->name() + QStringLiteral("->") + (other ? other->code() : QString())
                + QLatin1Char(')');
    }
    if (nextWaypoint())
        text += QLatin1Char(' ') + headingToNextString(false);
    text += QLatin1Char(' ') + distanceToNextString(true) + QLatin1Char('[') + flownDistanceString(true)
            + QLatin1Char('|') + remainingDistanceString(true) + QLatin1Char(']');
    text += QLatin1Char(' ') + altitudeString(true) + QLatin1Char('[') + phaseText(true, true) + QLatin1Char('|')
            + top(true, true) + QLatin1Char(']');
    text += QLatin1Char(' ') + iasString(true) + QLatin1Char('(') + gsString(true) + QLatin1Char(')');
    text += QLatin1Char(' ') + timeToNextString(true) + QLatin1Char('[') + elapsedTimeString(true)
            + QLatin1Char('|') + remainingTimeString(true) + QLatin1Char(']');
    text += QStringLiteral(" (") + burnedFuelString(true) + QLatin1Char('|') + remainingFuelString(true)
            + QLatin1Char(')');
    text += QLatin1Char(' ') + (m_procedure ? m_procedure->name() : QStringLiteral("NONE"));
    return text;
}

// The information panel's blocks and the descriptions derived from them are built by the
// information texts of the waypoint; until then they are empty.
QString Waypoint::infoHtml() const
{
    return QString();
}

QString Waypoint::nextLegHtml() const
{
    return QString();
}

QString Waypoint::tooltip() const
{
    return QString();
}

QString Waypoint::descriptionTxt() const
{
    return QString();
}

QString Waypoint::descriptionKml() const
{
    return QString();
}
