#include "terminal.h"

#include "database.h"
#include "flightplan.h"
#include "linkedlist.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "waypoint.h"

#include <QDebug>
#include <QMutexLocker>

#include <algorithm>

Terminal::Terminal(QList<Waypoint *> *waypoints, Flightplan *flightplan)
    : m_waypoints(waypoints)
    , m_flightplan(flightplan)
{
    if (!m_waypoints || !m_flightplan)
        qFatal("Cannot create Procedures object with NULL pointers!");
}

void Terminal::clear()
{
    m_sid = nullptr;
    m_star = nullptr;
    m_appch = nullptr;
}

void Terminal::setSid(Procedure *procedure)
{
    m_sid = procedure;
    setProcedureForAll(procedure);
}

void Terminal::setStar(Procedure *procedure)
{
    m_star = procedure;
    setProcedureForAll(procedure);
}

void Terminal::setAppch(Procedure *procedure)
{
    m_appch = procedure;
    setProcedureForAll(procedure);
}

void Terminal::reattachToDatabase()
{
    const auto again = [](const Procedure *procedure) {
        return procedure ? Database::findProcedure(procedure->uid(), false) : nullptr;
    };
    m_sid = again(m_sid);
    m_star = again(m_star);
    m_appch = again(m_appch);
}

void Terminal::setProcedureForAll(Procedure *procedure)
{
    if (!procedure)
        return;
    qInfo() << "Set procedure" << procedure->typeString() << procedure->uid() << "for all waypoints";
    for (Waypoint *waypoint : std::as_const(*m_waypoints))
        updateWaypointProcedure(waypoint, procedure);
}

void Terminal::unsetProcedureForAll(Procedure *procedure)
{
    if (!procedure)
        return;
    qInfo() << "Unset procedure" << procedure->typeString() << procedure->uid() << "for all waypoints";
    for (Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint && waypoint->procedure() == procedure)
            waypoint->setProcedure(nullptr);
    }
}

void Terminal::updateWaypoint(Waypoint *waypoint)
{
    updateWaypointProcedure(waypoint, m_sid);
    updateWaypointProcedure(waypoint, m_star);
    updateWaypointProcedure(waypoint, m_appch);
}

void Terminal::updateWaypointProcedure(Waypoint *waypoint, Procedure *procedure)
{
    if (!waypoint || !procedure || !waypoint->point())
        return;
    const int type = procedure->type();
    if (procedure->usesPoint(waypoint->point()))
        waypoint->setProcedure(procedure);
    else if (waypoint->procedureTypeId() == type)
        waypoint->setProcedure(nullptr);

    Point *point = waypoint->point();
    if (point->type() == Point::AIRP && procedure->isAirport(point->code())) {
        const bool first = !m_waypoints->isEmpty() && m_waypoints->constFirst() == waypoint;
        const bool last = !m_waypoints->isEmpty() && m_waypoints->constLast() == waypoint;
        if ((first && type == Procedure::SID) || (last && type == Procedure::STAR)
            || (last && type == Procedure::APPCH))
            waypoint->setProcedure(procedure);
    }
}

QStringList Terminal::availableProcedures(int row) const
{
    if (row < 0 || row >= m_waypoints->size())
        return {};
    Waypoint *waypoint = m_waypoints->at(row);
    Waypoint *first = m_waypoints->constFirst();
    Waypoint *last = m_waypoints->constLast();
    if (!waypoint || !first || !last)
        return {};
    Point *departure = first->point() && first->point()->type() == Point::AIRP ? first->point() : nullptr;
    Point *arrival = last->point() && last->point()->type() == Point::AIRP ? last->point() : nullptr;
    QStringList uids;
    const auto collect = [&](Point *airport, int type) {
        for (Procedure *procedure : Database::proceduresThrough(waypoint->point(), airport, type)) {
            if (procedure && !uids.contains(procedure->uid()))
                uids.append(procedure->uid());
        }
    };
    collect(departure, Procedure::SID);
    collect(arrival, Procedure::STAR);
    collect(arrival, Procedure::APPCH);
    std::sort(uids.begin(), uids.end());
    return uids;
}

QStringList Terminal::availableRunways(int row) const
{
    if (row < 0 || row >= m_waypoints->size() || !m_waypoints->at(row))
        return {};
    return Database::runwayEndNames(m_waypoints->at(row)->point());
}

Waypoint *Terminal::waypointAt(int row) const
{
    return row >= 0 && row < m_waypoints->size() ? m_waypoints->at(row) : nullptr;
}

// ---- texts for the templates

namespace {

QString nameOf(const Procedure *procedure)
{
    return procedure ? procedure->name() : QString();
}

// The runway end that a transition names, when the airport has it.
bool isRunwayOf(const QString &threshold, Point *airport)
{
    return !threshold.isEmpty() && airport && Database::runwayEndNames(airport).contains(threshold);
}

} // namespace

// A SID or STAR names its enroute transitions after the fix where they leave or join the
// route, an approach its transitions after the fix where they begin. The plan holds one when
// the procedure has a transition of the name of the fix where the plan meets it, or of a fix
// the plan flies on from there (after a SID, before a STAR or approach) through fixes of the
// procedure alone, linked to it or kept en route (a SID's exit fix that is the STAR's entry
// belongs to the SID), and the plan flies that transition's legs. Nothing else names one: legs
// that did not resolve leave the airport there, a STAR flown from its common part starts at a
// fix of no transition, and an approach's first fix of the plan is no transition by itself.
QString Terminal::enrouteTransitionOf(const Procedure *procedure) const
{
    const Waypoint *waypoint = transitionWaypoint(procedure);
    if (!waypoint)
        return QString();
    const bool sid = procedure->type() == Procedure::SID;
    const QStringList transitions = procedure->transitions();
    const auto onward = [sid](const Waypoint *from) { return sid ? from->nextWaypoint() : from->previousWaypoint(); };
    // The plan meets the procedure at its airport when every fix of it was in the plan before.
    const Waypoint *candidate = waypoint->type() == Point::AIRP ? onward(waypoint) : waypoint;
    for (; candidate && candidate->type() != Point::AIRP; candidate = onward(candidate)) {
        if (candidate != waypoint && (!candidate->point() || !procedure->usesPoint(candidate->point())))
            break;
        const QString code = candidate->code();
        if (!code.isEmpty() && code != QLatin1String("ALL") && transitions.contains(code)
            && fliesTransition(procedure, code, candidate))
            return code;
    }
    return QString();
}

// A simulator that reads the transition's name flies all of its legs: a fix the plan lacks, or
// one the database cannot place, would add a waypoint the plan does not hold, and a waypoint of
// the plan between two of its fixes would be dropped. So the fixes must follow one another in
// the plan, in the legs' order, through the waypoint that names the transition.
bool Terminal::fliesTransition(const Procedure *procedure, const QString &transition, const Waypoint *through) const
{
    QList<const Point *> fixes;
    for (const Record &leg : procedure->transitionRecords(transition, false)) {
        // Legs to an altitude, along a heading or to a runway end add no waypoint.
        if (leg.fixIdentifier().isEmpty() || leg.isRunwayFix())
            continue;
        const Point *fix = leg.fixPoint();
        if (!fix)
            return false;
        // A holding repeats the fix it starts at.
        if (fixes.isEmpty() || fixes.constLast() != fix)
            fixes.append(fix);
    }
    const qsizetype count = fixes.size();
    const qsizetype row = m_waypoints->indexOf(through);
    if (count == 0 || row < 0)
        return false;
    for (qsizetype first = std::max<qsizetype>(0, row - count + 1); first <= row; ++first) {
        if (first + count > m_waypoints->size())
            break;
        bool all = true;
        for (qsizetype i = 0; all && i < count; ++i) {
            const Waypoint *waypoint = m_waypoints->at(first + i);
            all = waypoint && waypoint->point() == fixes.at(i);
        }
        if (all)
            return true;
    }
    return false;
}

// One-line members, kept as a table.
// clang-format off
QString Terminal::sidIdentifier() const { return nameOf(m_sid); }
QString Terminal::starIdentifier() const { return nameOf(m_star); }
QString Terminal::appchIdentifier() const { return nameOf(m_appch); }
QString Terminal::sidTransition() const { return enrouteTransitionOf(m_sid); }
QString Terminal::starTransition() const { return enrouteTransitionOf(m_star); }
QString Terminal::appchTransition() const { return enrouteTransitionOf(m_appch); }
// clang-format on

QString Terminal::departureRunway() const
{
    const Waypoint *first = m_waypoints->isEmpty() ? nullptr : m_waypoints->constFirst();
    return first ? first->runwayEnd() : QString();
}

QString Terminal::arrivalRunway() const
{
    // A lone waypoint is the departure, not the arrival.
    const Waypoint *last = m_waypoints->size() < 2 ? nullptr : m_waypoints->constLast();
    return last ? last->runwayEnd() : QString();
}

// ---- waypoints of a procedure

int Terminal::firstIndexOf(const Procedure *procedure) const
{
    for (int row = 0; row < m_waypoints->size(); ++row) {
        const Waypoint *waypoint = m_waypoints->at(row);
        if (waypoint && waypoint->procedure() == procedure)
            return row;
    }
    return -1;
}

int Terminal::lastIndexOf(const Procedure *procedure) const
{
    for (int row = int(m_waypoints->size()) - 1; row >= 0; --row) {
        const Waypoint *waypoint = m_waypoints->at(row);
        if (waypoint && waypoint->procedure() == procedure)
            return row;
    }
    return -1;
}

Waypoint *Terminal::firstWaypointOf(const Procedure *procedure) const
{
    return waypointAt(firstIndexOf(procedure));
}

Waypoint *Terminal::lastWaypointOf(const Procedure *procedure) const
{
    return waypointAt(lastIndexOf(procedure));
}

Waypoint *Terminal::transitionWaypoint(const Procedure *procedure) const
{
    if (!procedure)
        return nullptr;
    switch (procedure->type()) {
    case Procedure::SID:
        return lastWaypointOf(procedure);
    case Procedure::STAR:
    case Procedure::APPCH:
        return firstWaypointOf(procedure);
    default:
        return nullptr;
    }
}

// ---- transitions

int Terminal::insertPosition(const QString &procedureUid, const QString &transition) const
{
    return insertPosition(Database::findProcedure(procedureUid, false), transition);
}

int Terminal::insertPosition(const Procedure *procedure, const QString &transition) const
{
    if (!procedure || m_waypoints->isEmpty())
        return 0;
    const int count = int(m_waypoints->size());
    const auto rowOfUid = [this, count](const QString &uid) {
        if (uid.isEmpty())
            return -1;
        for (int row = 0; row < count; ++row) {
            const Waypoint *waypoint = m_waypoints->at(row);
            if (waypoint && waypoint->uid() == uid)
                return row;
        }
        return -1;
    };

    // A transition that continues from a fix of the plan, or leads into one.
    const QList<Record> legs = procedure->transitionRecords(transition, false);
    if (!legs.isEmpty()) {
        const int from = rowOfUid(legs.constFirst().fixUid());
        if (from >= 0)
            return from + 1;
        const int into = rowOfUid(legs.constLast().fixUid());
        if (into >= 0)
            return into;
    }

    const QString threshold = procedure->runwayThreshold(transition);
    const Waypoint *first = m_waypoints->constFirst();
    const Waypoint *last = m_waypoints->constLast();
    const int type = procedure->type();

    if (first && first->point() && type == Procedure::SID && procedure->airport() == first->code())
        return isRunwayOf(threshold, first->point()) || !m_sid ? 1 : -1;

    if (!last || !last->point())
        return -1;

    if (type == Procedure::STAR && procedure->airport() == last->code()) {
        if (isRunwayOf(threshold, last->point()))
            return count - 1;
        if (m_star)
            return -1;
        // Without a STAR the legs go before the approach, or before the arrival airport.
        return m_appch ? firstIndexOf(m_appch) : count - 1;
    }

    if (type == Procedure::APPCH && procedure->airport() == last->code())
        return isRunwayOf(threshold, last->point()) || !m_appch ? count - 1 : -1;

    return -1;
}

bool Terminal::canAddTransition(const QString &procedureUid, const QString &transition) const
{
    const int position = insertPosition(procedureUid, transition);
    if (position < 0)
        qInfo() << "Transition" << procedureUid << transition << "cannot be inserted into flight plan";
    else
        qInfo() << "Transition" << procedureUid << transition << "can be inserted at position" << position;
    return position >= 0;
}

int Terminal::addTransition(const QString &procedureUid, const QString &transition)
{
    Procedure *procedure = Database::findProcedure(procedureUid, false);
    if (!procedure)
        return -1;
    return insertTransition(procedure, transition, insertPosition(procedure, transition));
}

int Terminal::insertTransition(const QString &procedureUid, const QString &transition, int position)
{
    return insertTransition(Database::findProcedure(procedureUid, false), transition, position);
}

int Terminal::insertTransition(Procedure *procedure, const QString &transition, int position, bool computeProfile)
{
    if (!procedure)
        return -1;
    qInfo() << "Begin insert procedure" << procedure->uid() << transition << "to flightplan at position" << position;
    if (position == -1)
        return -1;
    LinkedList *list = m_flightplan->waypointList();
    // Only the position rule is bound to the plan; a caller's row outside it changes nothing.
    if (position < 0 || position > list->size()) {
        qWarning() << "Transition" << procedure->uid() << transition << "cannot be inserted at position" << position
                   << "of a flight plan of" << list->size() << "waypoints";
        return -1;
    }

    const QString threshold = procedure->runwayThreshold(transition);
    Waypoint *first = list->first();
    Waypoint *last = list->last();
    if (first && procedure->type() == Procedure::SID && procedure->airport() == first->code()) {
        m_sid = procedure;
        first->setProcedure(procedure);
        if (!threshold.isEmpty())
            first->setRunwayEnd(threshold);
    }
    if (last) {
        if (procedure->type() == Procedure::STAR && procedure->airport() == last->code()) {
            m_star = procedure;
            last->setProcedure(procedure);
        }
        if (procedure->type() == Procedure::APPCH && procedure->airport() == last->code()) {
            m_appch = procedure;
            if (!threshold.isEmpty())
                last->setRunwayEnd(threshold);
        }
    }

    m_flightplan->beginResetModelPrivate();
    {
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        int row = position;
        for (const Record &leg : procedure->transitionRecords(transition, true)) {
            if (leg.isMissedApproach())
                break;
            qInfo() << " -" << leg.toDebugString();
            Point *fix = leg.fixPoint();
            if (!fix)
                continue;
            auto *waypoint = new Waypoint(fix);
            if (list->contains(waypoint)) {
                delete waypoint;
                continue;
            }
            waypoint->setProcedure(procedure);
            waypoint->setMinAltitude(leg.minAltitude());
            waypoint->setMaxAltitude(leg.maxAltitude());
            waypoint->setMaxIas(leg.speedLimit());
            // The roles of a leg's fix describe that fix: they go to its own waypoint, and a
            // comment the pilot wrote on a waypoint already in the plan stays.
            waypoint->setLegComment(leg);
            list->insert(row, waypoint);
            ++row;
        }
        adoptEnroutePoints(procedure);
    }
    m_flightplan->endResetModelPrivate();

    m_flightplan->update(computeProfile, true);
    qInfo() << "Done inserting transition" << transition;
    m_flightplan->signalDataHasChanged(-1, -1);
    emit edited();
    return position;
}

// A route made before its SID or STAR was chosen already holds some of the procedure's fixes,
// which the insertion skips; left en route, the files that name the procedure would list them
// after the SID or before the STAR that flies them, and the unit would fly them twice. They
// become the procedure's, as when the procedure is chosen in the table; a waypoint of another
// procedure keeps its link.
void Terminal::adoptEnroutePoints(Procedure *procedure)
{
    const bool plans = (procedure->type() == Procedure::SID && m_sid == procedure)
                       || (procedure->type() == Procedure::STAR && m_star == procedure);
    if (!plans)
        return;
    for (Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint && !waypoint->procedure() && waypoint->point() && procedure->usesPoint(waypoint->point()))
            waypoint->setProcedure(procedure);
    }
}

void Terminal::removeProcedureWaypoints(const QString &procedureUid)
{
    removeProcedureWaypoints(Database::findProcedure(procedureUid, false));
}

void Terminal::removeProcedureWaypoints(Procedure *procedure)
{
    if (!procedure)
        return;
    qInfo() << "Will remove all waypoints for procedure" << procedure->uid();
    LinkedList *list = m_flightplan->waypointList();
    QList<Waypoint *> removed;

    m_flightplan->beginResetModelPrivate();
    {
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        int row = 0;
        while (row < list->size()) {
            Waypoint *waypoint = list->at(row);
            if (!waypoint || waypoint->procedure() != procedure) {
                ++row;
            } else if (waypoint->point() && waypoint->point()->type() == Point::AIRP) {
                // The departure or arrival airport stays in the plan.
                waypoint->setProcedure(nullptr);
                ++row;
            } else {
                list->removeAt(row);
                removed.append(waypoint);
            }
        }
    }
    switch (procedure->type()) {
    case Procedure::SID:
        m_sid = nullptr;
        break;
    case Procedure::STAR:
        m_star = nullptr;
        break;
    case Procedure::APPCH:
        m_appch = nullptr;
        break;
    default:
        break;
    }
    m_flightplan->endResetModelPrivate();

    // Views and bindings may still hold the objects until control returns to the event loop.
    for (Waypoint *waypoint : std::as_const(removed))
        waypoint->deleteLater();
    // The legs on both sides of the gap changed: without the pass the plan would show the
    // distances and times of the removed waypoints until the next edit.
    m_flightplan->update(false, true);
    m_flightplan->signalDataHasChanged(-1, -1);
    emit edited();
}
