#include "waypoint.h"

#include "airplanelistmodel.h"
#include "database.h"
#include "fuel.h"
#include "planlimits.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "segment.h"
#include "unit.h"
#include "waypointtext.h"

#include <QDebug>

#include <cmath>

namespace {

// ten-thousandths of a degree, rounded half away from zero, without sign
QString scaledDegrees(double degrees)
{
    return QString::number(std::llabs(std::llround(degrees * 10000.0)));
}

} // namespace

Waypoint::Waypoint(Point *point)
    : m_point(point)
{
    if (!m_point)
        qFatal("Cannot create Waypoint object with NULL pointers!");
}

Waypoint::Waypoint(const Waypoint *other)
    : LinkedItem(other)
{
    if (!other || !other->m_point)
        qFatal("Cannot create Waypoint object with NULL pointers!");
    m_point = other->m_point;
    m_phase = other->m_phase;
    m_top = other->m_top;
    m_altitude = other->m_altitude;
    m_ias = other->m_ias;
    m_altitudeByPilot = other->m_altitudeByPilot;
    m_iasByPilot = other->m_iasByPilot;
    m_comment = other->m_comment;
    m_fileComment = other->m_fileComment;
    m_headingToNext = other->m_headingToNext;
    m_distanceToNext = other->m_distanceToNext;
    m_flownDistance = other->m_flownDistance;
    m_remainingDistance = other->m_remainingDistance;
    m_tas = other->m_tas;
    m_gs = other->m_gs;
    m_temperature = other->m_temperature;
    m_altDiff = other->m_altDiff;
    m_timeToNext = other->m_timeToNext;
    m_elapsedTime = other->m_elapsedTime;
    m_remainingTime = other->m_remainingTime;
    m_burnedFuel = other->m_burnedFuel;
    m_remainingFuel = other->m_remainingFuel;
    m_slope = other->m_slope;
    m_verticalSpeed = other->m_verticalSpeed;
    m_airway = other->m_airway;
    m_legTo = other->m_legTo;
    m_legAirway = other->m_legAirway;
    m_legType = other->m_legType;
    m_runwayEnd = other->m_runwayEnd;
    m_procedure = other->m_procedure;
    m_minAltitude = other->m_minAltitude;
    m_maxAltitude = other->m_maxAltitude;
    m_maxIas = other->m_maxIas;
}

Waypoint::~Waypoint() = default;

void Waypoint::setPoint(Point *point)
{
    if (point)
        m_point = point;
}

Waypoint *Waypoint::previousWaypoint() const
{
    return static_cast<Waypoint *>(previous());
}

Waypoint *Waypoint::nextWaypoint() const
{
    return static_cast<Waypoint *>(next());
}

bool Waypoint::samePoint(const Waypoint *other) const
{
    return other && other->m_point == m_point;
}

QString Waypoint::uid() const
{
    return m_point ? m_point->uid() : QString();
}

QString Waypoint::comboText() const
{
    return m_point ? m_point->comboText() : QString();
}

QGeoCoordinate Waypoint::position() const
{
    return m_point ? m_point->position() : QGeoCoordinate();
}

int Waypoint::elevation() const
{
    return m_point ? m_point->elevation() : 0;
}

QString Waypoint::coordinateCode(const QGeoCoordinate &position)
{
    const double latitude = position.latitude();
    const double longitude = position.longitude();
    const QString lat = scaledDegrees(latitude) + (latitude < 0.0 ? QLatin1Char('S') : QLatin1Char('N'));
    const QString lon = scaledDegrees(longitude) + (longitude > 0.0 ? QLatin1Char('E') : QLatin1Char('W'));
    return lat.rightJustified(7, QLatin1Char('0')) + lon.rightJustified(8, QLatin1Char('0'));
}

QString Waypoint::code() const
{
    if (!m_point)
        return QString();
    if (m_point->type() == Point::COORD)
        return coordinateCode(m_point->position());
    return m_point->code();
}

QString Waypoint::rawCode() const
{
    return m_point ? m_point->code() : QString();
}

int Waypoint::type() const
{
    return m_point ? m_point->type() : 0;
}

QString Waypoint::typeString() const
{
    return m_point ? m_point->typeString() : QString();
}

QString Waypoint::icon() const
{
    return m_point ? m_point->icon() : QString();
}

double Waypoint::latitude() const
{
    return m_point ? m_point->latitude() : 0.0;
}

double Waypoint::longitude() const
{
    return m_point ? m_point->longitude() : 0.0;
}

// ---- pilot's choices

int Waypoint::level() const
{
    if (m_altitude == NoAltitude)
        return 0;
    return int(std::lround(m_altitude / 100.0));
}

void Waypoint::setAltitude(int altitude, bool constrained)
{
    m_altitude = altitude;
    if (!constrained)
        return;
    if (m_minAltitude != -1 && altitude < m_minAltitude)
        m_altitude = m_minAltitude;
    if (m_maxAltitude != -1 && altitude > m_maxAltitude)
        m_altitude = m_maxAltitude;
    const Waypoint *nextPoint = nextWaypoint();
    if (!nextPoint)
        return;
    if (m_phase == 1 || m_phase == 2) {
        if (m_maxAltitude == -1 && nextPoint->m_maxAltitude != -1 && altitude > nextPoint->m_maxAltitude)
            m_altitude = nextPoint->m_maxAltitude;
    } else if (m_phase == 4 || m_phase == 5) {
        if (m_minAltitude == -1 && nextPoint->m_minAltitude != -1 && altitude < nextPoint->m_minAltitude)
            m_altitude = nextPoint->m_minAltitude;
    }
}

void Waypoint::setIas(double speed, bool limited)
{
    int ias = speed <= 5.0 ? Unit::convertMachToIas(speed, m_altitude) : PlanLimits::saturated(speed);
    if (limited && m_maxIas != 0 && m_maxIas < ias)
        ias = m_maxIas;
    m_ias = ias;
}

QString Waypoint::comment() const
{
    return Unit::FileTexts::active() && !m_fileComment.isEmpty() ? m_fileComment : m_comment;
}

void Waypoint::setComment(const QString &comment)
{
    m_comment = comment;
    m_fileComment.clear();
}

void Waypoint::setLegComment(const Record &leg)
{
    m_comment = leg.fixRolesText(false);
    const Unit::FileTexts fileTexts;
    m_fileComment = leg.fixRolesText(false);
}

void Waypoint::setRunwayEnd(const QString &end)
{
    qInfo() << "Set runway" << end << "for waypoint" << code();
    m_runwayEnd = end;
}

QString Waypoint::altitudeIcon() const
{
    switch (m_top) {
    case 3:
        return QStringLiteral("qrc:/icon/fainspired/apo.svg");
    case 1:
        return QStringLiteral("qrc:/icon/fainspired/toc.svg");
    case 2:
        return QStringLiteral("qrc:/icon/fainspired/tod.svg");
    default:
        break;
    }
    switch (m_phase) {
    case 1:
    case 2:
        return QStringLiteral("qrc:/icon/fainspired/climb.svg");
    case 3:
        return QStringLiteral("qrc:/icon/fainspired/cruise.svg");
    case 4:
    case 5:
        return QStringLiteral("qrc:/icon/fainspired/descent.svg");
    default:
        return QString();
    }
}

// ---- airway and procedure

QString Waypoint::airwayName() const
{
    return m_airway ? m_airway->name() : QString();
}

QString Waypoint::airwayText() const
{
    if (!m_airway)
        return QString();
    if (m_airway->type() != Segment::HIGH && m_airway->type() != Segment::LOW)
        return QStringLiteral("DRCT");
    return m_airway->name();
}

QString Waypoint::inAirway() const
{
    const Waypoint *previousPoint = previousWaypoint();
    return previousPoint ? previousPoint->airwayText() : QString();
}

namespace {

// The airways of the leg from the waypoint: none for a direct leg, several for a segment that
// the data shares among airways.
QStringList airwaysOf(const Waypoint *waypoint)
{
    const QString text = waypoint ? waypoint->airwayText() : QString();
    if (text.isEmpty() || text == QLatin1String("DRCT"))
        return {};
    return text.split(QLatin1Char('-'), Qt::SkipEmptyParts);
}

bool sharesAirway(const QStringList &a, const QStringList &b)
{
    for (const QString &name : a) {
        if (b.contains(name))
            return true;
    }
    return false;
}

} // namespace

QString Waypoint::filedAirway() const
{
    const QStringList own = airwaysOf(this);
    if (own.size() <= 1)
        return airwayText();
    // The choice of a leg depends on the previous one only where the two share an airway:
    // the chain of such legs is worked through from its start.
    QList<const Waypoint *> chain{this};
    for (const Waypoint *previous = previousWaypoint(); previous; previous = previous->previousWaypoint()) {
        if (!sharesAirway(airwaysOf(previous), airwaysOf(chain.constFirst())))
            break;
        chain.prepend(previous);
    }
    QString chosen;
    for (const Waypoint *leg : std::as_const(chain)) {
        const QStringList names = airwaysOf(leg);
        if (names.contains(chosen))
            continue;
        int longest = 0;
        for (const QString &name : names) {
            int run = 0;
            for (const Waypoint *next = leg; next && airwaysOf(next).contains(name); next = next->nextWaypoint())
                ++run;
            if (run > longest) {
                longest = run;
                chosen = name;
            }
        }
    }
    return chosen;
}

QString Waypoint::filedInAirway() const
{
    const Waypoint *previousPoint = previousWaypoint();
    return previousPoint ? previousPoint->filedAirway() : QString();
}

void Waypoint::chooseLeg(const Segment *airway, const Point *toward)
{
    chooseLeg(airway ? airway->uid() : QString(), airway ? airway->type() : 0, toward ? toward->uid() : QString());
}

void Waypoint::chooseLeg(const QString &airwayUid, int airwayType, const QString &towardUid)
{
    m_legTo = towardUid;
    m_legAirway = towardUid.isEmpty() ? QString() : airwayUid;
    m_legType = m_legAirway.isEmpty() ? 0 : airwayType;
}

Segment *Waypoint::legTo(Point *next)
{
    if (!m_legTo.isEmpty() && next->uid() == m_legTo) {
        if (m_legAirway.isEmpty())
            return nullptr;
        // Segments of one name between the same points share their UID whatever their type.
        const auto chosen = [&](const Segment *segment) {
            return segment && segment->uid() == m_legAirway && segment->type() == m_legType
                   && segment->canStartAt(m_point) && segment->canEndAt(next);
        };
        Segment *segment = Database::findSegment(m_legAirway, false);
        if (chosen(segment))
            return segment;
        for (Segment *other : Database::segmentsAt(m_point, true, false)) {
            if (chosen(other))
                return other;
        }
    }
    // Another point follows now, or the database lost the segment: the choice no longer applies.
    chooseLeg(QString(), 0, QString());
    return Database::findSegmentBetween(m_point, next);
}

int Waypoint::airwayType() const
{
    return m_airway ? m_airway->type() : -1;
}

QString Waypoint::airwayIcon() const
{
    return m_airway ? m_airway->icon() : QString();
}

QString Waypoint::airwayRouteText() const
{
    return m_airway ? m_airway->routeText() : QString();
}

int Waypoint::procedureTypeId() const
{
    return m_procedure ? m_procedure->type() : 0;
}

QString Waypoint::procedureUid() const
{
    return m_procedure ? m_procedure->uid() : QString();
}

QString Waypoint::procedureIdentifier() const
{
    return m_procedure ? m_procedure->name() : QString();
}

QString Waypoint::procedureType() const
{
    return m_procedure ? m_procedure->typeString() : QString();
}

QStringList Waypoint::procedureTransitions() const
{
    return m_procedure ? m_procedure->transitions() : QStringList();
}

QString Waypoint::procedureMainTransition() const
{
    return m_procedure ? m_procedure->mainTransition() : QString();
}

// ---- pass-through texts

QString Waypoint::description() const
{
    return m_point ? m_point->description() : QString();
}

QString Waypoint::positionText() const
{
    return m_point ? m_point->positionText() : QString();
}

QString Waypoint::terminal() const
{
    return m_point ? m_point->terminal() : QString();
}

QString Waypoint::region() const
{
    return m_point ? m_point->region() : QString();
}

float Waypoint::frequency() const
{
    return m_point ? m_point->frequency() : 0.0f;
}

QString Waypoint::frequencyText() const
{
    return m_point ? m_point->frequencyText() : QString();
}

QString Waypoint::link() const
{
    return m_point ? m_point->link() : QString();
}

QVariant Waypoint::pointData(int role) const
{
    return m_point ? m_point->data(role) : QVariant();
}

QString Waypoint::nextCode() const
{
    const Waypoint *nextPoint = nextWaypoint();
    return nextPoint ? nextPoint->code() : QString();
}

double Waypoint::distanceTo(const Waypoint *other) const
{
    if (!other || !m_point)
        return 0.0;
    return m_point->distanceTo(other->m_point);
}

int Waypoint::azimuthTo(const Waypoint *other) const
{
    if (!other || !m_point)
        return 0;
    return m_point->azimuthTo(other->m_point);
}

// ---- leg computation

void Waypoint::compute(double *totalDistance, int *totalTime, int *totalFuel, int cruiseTas)
{
    if (!m_point)
        return;
    const Waypoint *previousPoint = previousWaypoint();
    const Waypoint *nextPoint = nextWaypoint();
    const bool altitudeSet = m_altitude != NoAltitude;

    const int gs = Unit::convertIasToGs(m_ias, m_altitude);
    m_gs = gs;
    m_tas = gs < 0 ? 0 : gs;

    m_temperature = Unit::temperature(m_altitude);
    m_airPressure = Unit::airPressure(m_altitude, m_temperature);

    if (nextPoint) {
        const int nextAltitude = nextPoint->altitude();
        if (m_altitude < nextAltitude)
            m_phase = 2;
        else if (m_altitude > nextAltitude)
            m_phase = 4;
        else
            m_phase = 3;
    }

    const bool airport = m_point->type() == Point::AIRP;
    if (!previousPoint && airport)
        m_phase = 1;
    if (!nextPoint && airport)
        m_phase = 5;

    m_top = 0;
    if (previousPoint && nextPoint) {
        const int before = previousPoint->altitude();
        const int after = nextPoint->altitude();
        const int own = m_altitude;
        if (own > before && own == after)
            m_top = 1;
        if (own == before && own > after)
            m_top = 2;
        if (own > before && own > after)
            m_top = 3;
    }

    if (nextPoint) {
        m_airway = legTo(nextPoint->m_point);
        m_headingToNext = m_point->azimuthTo(nextPoint->m_point);
        m_distanceToNext = m_point->distanceTo(nextPoint->m_point);
        m_altDiff = altitudeSet ? PlanLimits::saturated(qint64(nextPoint->altitude()) - m_altitude) : NoAltDiff;
        m_timeToNext = m_ias != 0 ? Unit::time(m_ias, m_distanceToNext, m_altitude) : 0;
        m_slope = Unit::slope(m_altDiff, m_distanceToNext);
        m_verticalSpeed = Unit::verticalSpeed(m_altitude, m_altDiff, m_distanceToNext, m_ias);
    } else {
        m_headingToNext = NoHeading;
        m_airway = nullptr;
        m_distanceToNext = 0.0;
        m_gs = 0;
        m_slope = NoSlope;
        m_verticalSpeed = NoVerticalSpeed;
        m_altDiff = NoAltDiff;
        m_timeToNext = 0;
    }

    // Two waypoints, usually two airports: no profile is computed for them, so the leg is flown
    // in cruise at two thirds of the cruise speed, taken as an IAS at the own altitude.
    if (!previousPoint && nextPoint && !nextPoint->nextWaypoint()) {
        m_phase = 3;
        m_top = 0;
        m_ias = 0;
        m_tas = 0;
        m_gs = 0;
        m_altDiff = NoAltDiff;
        m_timeToNext = Unit::time(int(qint64(2) * cruiseTas / 3), m_distanceToNext, m_altitude);
        m_verticalSpeed = NoVerticalSpeed;
        m_slope = NoSlope;
    }

    if (totalDistance) {
        m_flownDistance = *totalDistance;
        *totalDistance += m_distanceToNext;
    } else {
        m_flownDistance = 0.0;
    }

    if (totalTime) {
        m_elapsedTime = *totalTime;
        *totalTime = PlanLimits::saturated(qint64(*totalTime) + m_timeToNext);
    } else {
        m_elapsedTime = 0;
    }

    if (!totalFuel) {
        m_burnedFuel = 0;
        return;
    }
    const Airplane airplane = AirplaneListModel::currentAirplane();
    m_burnedFuel = *totalFuel;
    int flow = 0;
    switch (m_phase) {
    case 1:
    case 2:
        flow = airplane.climbfuel;
        break;
    case 3:
        flow = airplane.cruisefuel;
        break;
    case 4:
    case 5:
        flow = airplane.descentfuel;
        break;
    default:
        break;
    }
    *totalFuel = PlanLimits::saturated(qint64(*totalFuel) + Fuel::fuelForDuration(flow, m_timeToNext));
}

void Waypoint::setRemaining(double totalDistance, int totalTime, int fuel)
{
    m_remainingDistance = totalDistance - m_flownDistance;
    m_remainingTime = PlanLimits::saturated(qint64(totalTime) - m_elapsedTime);
    m_remainingFuel = PlanLimits::saturated(qint64(fuel) - m_burnedFuel);
}

// ---- display texts

// One-line members, kept as a table.
// clang-format off
QString Waypoint::altitudeString(bool always) const { return Unit::altitudeToString(m_altitude, always); }

QString Waypoint::iasString(bool always) const
{
    if (m_phase == 3)
        return Unit::machToString(m_ias, m_altitude, always);
    return Unit::iasToString(m_ias, always);
}

QString Waypoint::headingToNextString(bool always) const { return Unit::headingToString(m_headingToNext, always); }
QString Waypoint::distanceToNextString(bool always) const { return Unit::distanceToString(m_distanceToNext, always); }
QString Waypoint::flownDistanceString(bool always) const { return Unit::distanceToString(m_flownDistance, always); }
QString Waypoint::remainingDistanceString(bool always) const
{
    return Unit::distanceToString(m_remainingDistance, always);
}
QString Waypoint::gsString(bool always) const { return Unit::iasToString(m_gs, always); }
QString Waypoint::tasString(bool always) const { return Unit::iasToString(m_tas, always); }
QString Waypoint::temperatureString(bool always) const { return Unit::temperatureToString(m_temperature, always); }
QString Waypoint::airPressureString(bool always) const { return Unit::airPressureToString(m_airPressure, always); }
QString Waypoint::altDiffString(bool always) const { return Unit::altdiffToString(m_altDiff, always); }
QString Waypoint::timeToNextString(bool always) const { return Unit::timeToString(m_timeToNext, always); }
QString Waypoint::elapsedTimeString(bool always) const { return Unit::timeToString(m_elapsedTime, always); }
QString Waypoint::remainingTimeString(bool always) const { return Unit::timeToString(m_remainingTime, always); }
QString Waypoint::burnedFuelString(bool always) const { return Unit::fuelToString(m_burnedFuel, always); }
QString Waypoint::remainingFuelString(bool always) const { return Unit::fuelToString(m_remainingFuel, always); }
QString Waypoint::slopeString(bool always) const { return Unit::slopeToString(m_slope, always); }
QString Waypoint::verticalSpeedString(bool always) const { return Unit::vertspeedToString(m_verticalSpeed, always); }
// clang-format on

// ---- model

QVariant Waypoint::data(int role) const
{
    switch (role) {
    case Altitude:
        return altitudeString();
    case IndicatedAirSpeed:
        return iasString();
    case HeadingToNext:
        return headingToNextString();
    case DistanceToNext:
        return distanceToNextString();
    case FlownDistance:
        return flownDistanceString();
    case RemainingDistance:
        return remainingDistanceString();
    case Airway:
        return airwayName();
    case TimeToNext:
        return timeToNextString();
    case ElapsedTime:
        return elapsedTimeString();
    case RemainingTime:
        return remainingTimeString();
    case BurnedFuel:
        return burnedFuelString();
    case RemainingFuel:
        return remainingFuelString();
    case Comment:
        return comment();
    case ToolTip:
        return tooltip();
    case IsFirst:
        return isFirst();
    case IsLast:
        return isLast();
    case IsDepartureAirport:
        return isFirst() && type() == Point::AIRP;
    case IsArrivalAirport:
        return isLast() && type() == Point::AIRP;
    case AltitudeIcon:
        return altitudeIcon();
    case IsTOC:
        return isTOC();
    case IsTOD:
        return isTOD();
    case ProcedureUID:
        return procedureUid();
    case ProcedureIdentifier:
        return procedureIdentifier();
    case ProcedureType:
        return procedureType();
    case ProcedureAllTransitions:
        return procedureTransitions();
    case ProcedureMainTransition:
        return procedureMainTransition();
    case RunwayEnd:
        return m_runwayEnd;
    case Path:
        return path();
    default:
        return pointData(role);
    }
}

// A text the reader refuses changes nothing: read as 0 it would have set an altitude or speed
// nobody meant, and -1 ft would have cleared the altitude.
bool Waypoint::setData(int role, const QVariant &value)
{
    qInfo() << "Manual edit role" << role << "value" << value;
    switch (role) {
    case IndicatedAirSpeed: {
        const WaypointText::Reading speed = WaypointText::speed(value.toString());
        if (speed.refused())
            return false;
        m_ias = speed.mach ? Unit::convertMachToIas(speed.value, m_altitude) : PlanLimits::saturated(speed.value);
        m_iasByPilot = !speed.text.isEmpty();
        return true;
    }
    case Comment:
        setComment(value.toString());
        return true;
    case Altitude: {
        const WaypointText::Reading altitude = WaypointText::altitude(value.toString());
        if (altitude.refused())
            return false;
        m_altitude = int(altitude.value);
        m_altitudeByPilot = !altitude.text.isEmpty();
        return true;
    }
    default:
        return false;
    }
}

QHash<int, QByteArray> Waypoint::roleNames()
{
    QHash<int, QByteArray> names = Point::roleNames();
    for (auto it = names.begin(); it != names.end();) {
        if (it.value() == "role_tooltip")
            it = names.erase(it);
        else
            ++it;
    }
    names.insert(Altitude, "role_altitude");
    names.insert(IndicatedAirSpeed, "role_ias");
    names.insert(HeadingToNext, "role_heading_to_next");
    names.insert(DistanceToNext, "role_distance_to_next");
    names.insert(FlownDistance, "role_flown_distance");
    names.insert(RemainingDistance, "role_remaining_distance");
    names.insert(Airway, "role_airway");
    names.insert(TimeToNext, "role_time_to_next");
    names.insert(ElapsedTime, "role_elapsed_time");
    names.insert(RemainingTime, "role_remaining_time");
    names.insert(BurnedFuel, "role_burned_fuel");
    names.insert(RemainingFuel, "role_remaining_fuel");
    names.insert(Comment, "role_comment");
    names.insert(ToolTip, "role_tooltip");
    names.insert(IsFirst, "role_is_first");
    names.insert(IsLast, "role_is_last");
    names.insert(IsDepartureAirport, "role_is_departure_airport");
    names.insert(IsArrivalAirport, "role_is_arrival_airport");
    names.insert(AltitudeIcon, "role_altitude_icon");
    names.insert(IsTOC, "role_is_toc");
    names.insert(IsTOD, "role_is_tod");
    names.insert(ProcedureUID, "role_procedure_uid");
    names.insert(ProcedureIdentifier, "role_procedure_identifier");
    names.insert(ProcedureType, "role_procedure_type");
    names.insert(ProcedureAllTransitions, "role_procedure_all_transitions");
    names.insert(ProcedureMainTransition, "role_procedure_main_transition");
    names.insert(RunwayEnd, "role_runway");
    names.insert(Path, "role_path");
    return names;
}

void Waypoint::linkChanged(bool changed)
{
    Q_UNUSED(changed)
}
