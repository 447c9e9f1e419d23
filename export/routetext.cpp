#include "routetext.h"

#include "point.h"
#include "procedure.h"
#include "terminal.h"
#include "waypoint.h"

#include <QStringList>
#include <QVariantHash>

#include <cmath>

namespace {

// Degrees and whole minutes, rounded to the nearest minute: what a filed route can hold.
QString degreesMinutes(double value, int degreeDigits, QChar positive, QChar negative)
{
    const long long minutes = std::llround(std::abs(value) * 60.0);
    return QStringLiteral("%1%2%3")
        .arg(minutes / 60, degreeDigits, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(value < 0.0 ? negative : positive);
}

bool isLastOf(const Waypoint *waypoint, const Waypoint *next)
{
    return !next || next->procedure() != waypoint->procedure();
}

bool isFirstOf(const Waypoint *waypoint, const Waypoint *previous)
{
    return !previous || previous->procedure() != waypoint->procedure();
}

} // namespace

QString RouteText::code(const Waypoint *waypoint)
{
    if (waypoint->type() == Point::COORD) {
        const QGeoCoordinate position = waypoint->position();
        return degreesMinutes(position.latitude(), 2, QLatin1Char('N'), QLatin1Char('S'))
               + degreesMinutes(position.longitude(), 3, QLatin1Char('E'), QLatin1Char('W'));
    }
    return waypoint->code();
}

QString RouteText::airwayInto(const Waypoint *waypoint)
{
    const QString airway = waypoint->filedInAirway();
    return airway == QLatin1String("DRCT") ? QString() : airway;
}

int RouteText::procedureType(const Waypoint *waypoint)
{
    // The airports carry the link of their procedures too; they stay the route's ends.
    if (waypoint->type() == Point::AIRP)
        return 0;
    return waypoint->procedureTypeId();
}

QString RouteText::icao(const QList<Waypoint *> &waypoints, bool direct)
{
    QStringList tokens;
    const auto via = [&tokens, direct](const Waypoint *waypoint) {
        const QString airway = airwayInto(waypoint);
        if (!airway.isEmpty())
            tokens.append(airway);
        else if (direct)
            tokens.append(QStringLiteral("DCT"));
    };
    const qsizetype count = waypoints.size();
    for (qsizetype i = 0; i < count; ++i) {
        const Waypoint *waypoint = waypoints.at(i);
        const Waypoint *previous = i > 0 ? waypoints.at(i - 1) : nullptr;
        const Waypoint *next = i + 1 < count ? waypoints.at(i + 1) : nullptr;
        if (!previous) {
            tokens.append(code(waypoint));
            continue;
        }
        switch (procedureType(waypoint)) {
        case Procedure::SID:
            // Only the exit fix, after the SID's name.
            if (isLastOf(waypoint, next)) {
                tokens.append(waypoint->procedureIdentifier());
                tokens.append(code(waypoint));
            }
            continue;
        case Procedure::STAR:
            if (isFirstOf(waypoint, previous)) {
                via(waypoint);
                tokens.append(code(waypoint));
                tokens.append(waypoint->procedureIdentifier());
            }
            continue;
        case Procedure::APPCH:
            continue;
        default:
            break;
        }
        if (!next) {
            // The arrival follows its STAR (or approach) without a connector.
            if (procedureType(previous) == 0)
                via(waypoint);
            tokens.append(code(waypoint));
            continue;
        }
        // A point passed along the same airway is not named.
        const QString airway = airwayInto(waypoint);
        if (!airway.isEmpty() && airwayInto(next) == airway && procedureType(next) != Procedure::APPCH)
            continue;
        via(waypoint);
        tokens.append(code(waypoint));
    }
    return tokens.join(QLatin1Char(' '));
}

QString RouteText::full(const QList<Waypoint *> &waypoints)
{
    QStringList codes;
    for (const Waypoint *waypoint : waypoints)
        codes.append(code(waypoint));
    return codes.join(QLatin1Char(' '));
}

QString RouteText::enroute(const QList<Waypoint *> &waypoints)
{
    QStringList codes;
    const qsizetype count = waypoints.size();
    for (qsizetype i = 1; i + 1 < count; ++i) {
        const Waypoint *waypoint = waypoints.at(i);
        switch (procedureType(waypoint)) {
        case Procedure::SID:
            if (!isLastOf(waypoint, waypoints.at(i + 1)))
                continue;
            break;
        case Procedure::STAR:
            if (!isFirstOf(waypoint, waypoints.at(i - 1)))
                continue;
            break;
        case Procedure::APPCH:
            continue;
        default:
            break;
        }
        codes.append(code(waypoint));
    }
    return codes.join(QLatin1Char(' '));
}

QString RouteText::allWaypoints(const QList<Waypoint *> &waypoints)
{
    QStringList lines;
    for (const Waypoint *waypoint : waypoints) {
        QString leg = procedureType(waypoint) != 0 ? waypoint->procedureIdentifier() : airwayInto(waypoint);
        if (leg.isEmpty())
            leg = QStringLiteral("DCT");
        if (waypoint == waypoints.constFirst())
            leg = QStringLiteral("-");
        lines.append(QStringLiteral("%1 %2 %3 %4")
                         .arg(code(waypoint), leg, QString::number(waypoint->latitude(), 'f', 6),
                              QString::number(waypoint->longitude(), 'f', 6)));
    }
    return lines.join(QLatin1Char('\n'));
}

QList<const Waypoint *> RouteText::namedTransitionFixes(const Terminal *terminal, const QList<Waypoint *> &waypoints)
{
    QList<const Waypoint *> result;
    if (!terminal)
        return result;
    // The transition is named after a fix the plan reaches from the procedure's own waypoints,
    // onward after a SID and back before a STAR.
    const auto passedTo = [&](const Waypoint *from, const QString &name, int step) {
        QList<const Waypoint *> passed;
        for (qsizetype i = waypoints.indexOf(from); !name.isEmpty() && i >= 0 && i < waypoints.size(); i += step) {
            const Waypoint *waypoint = waypoints.at(i);
            if (waypoint->code() == name && waypoint->type() != Point::AIRP) {
                result.append(passed);
                return;
            }
            if (waypoint->type() != Point::AIRP)
                passed.append(waypoint);
        }
    };
    passedTo(terminal->sidTransitionWaypoint(), terminal->sidTransition(), 1);
    passedTo(terminal->starTransitionWaypoint(), terminal->starTransition(), -1);
    return result;
}

QVariantList RouteText::parts(const QList<Waypoint *> &waypoints, const QList<const Waypoint *> &leftOut)
{
    // The en-route points: the plan less its inner SID and STAR fixes, approach and ends.
    QList<const Waypoint *> points;
    const qsizetype count = waypoints.size();
    for (qsizetype i = 1; i + 1 < count; ++i) {
        const Waypoint *waypoint = waypoints.at(i);
        const int type = procedureType(waypoint);
        if ((type == Procedure::SID && !isLastOf(waypoint, waypoints.at(i + 1)))
            || (type == Procedure::STAR && !isFirstOf(waypoint, waypoints.at(i - 1))) || type == Procedure::APPCH
            || leftOut.contains(waypoint))
            continue;
        points.append(waypoint);
    }
    QVariantList result;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const Waypoint *waypoint = points.at(i);
        const QString airway = i == 0 ? QString() : airwayInto(waypoint);
        if (!airway.isEmpty() && i + 1 < points.size() && airwayInto(points.at(i + 1)) == airway)
            continue;
        QString from;
        if (!airway.isEmpty()) {
            qsizetype start = i;
            while (start > 1 && airwayInto(points.at(start - 1)) == airway)
                --start;
            from = code(points.at(start - 1));
        }
        result.append(QVariantHash{{QStringLiteral("airway"), airway},
                                   {QStringLiteral("from"), from},
                                   {QStringLiteral("code"), code(waypoint)},
                                   {QStringLiteral("type"), waypoint->type()},
                                   {QStringLiteral("latitude"), waypoint->latitude()},
                                   {QStringLiteral("longitude"), waypoint->longitude()}});
    }
    return result;
}
