#include "flightplan.h"

#include "airplanelistmodel.h"
#include "database.h"
#include "fuel.h"
#include "general.h"
#include "point.h"
#include "procedure.h"
#include "profile.h"
#include "settings.h"
#include "terminal.h"
#include "waypoint.h"
#include "waypointtext.h"
#include "weight.h"

#include <QDebug>
#include <QMutexLocker>
#include <QScopedValueRollback>

namespace {

QRecursiveMutex s_mutex;

using Locker = QMutexLocker<QRecursiveMutex>;

} // namespace

Flightplan::Flightplan(QObject *parent)
    : QAbstractListModel(parent)
{
    m_general = new General(&m_waypoints, &s_mutex, this);
    m_terminal = new Terminal(&m_waypoints, this);
    m_profile = new Profile(&m_waypoints, &s_mutex);
    m_fuel = new Fuel();
    m_weight = new Weight(m_fuel);
    if (!m_general || !m_terminal || !m_profile || !m_fuel)
        qFatal("Cannot create Flightplan object with NULL pointers!");

    connect(this, &Flightplan::modified, m_general, &General::modified);
    connect(this, &Flightplan::modified, m_terminal, &Terminal::modified);
    connect(this, &Flightplan::modified, m_profile, &Profile::modified);
    connect(this, &Flightplan::modified, m_fuel, &Fuel::modified);
    connect(this, &Flightplan::modified, m_weight, &Weight::modified);
    connect(m_terminal, &Terminal::edited, this, &Flightplan::edited);
    connect(m_general, &General::cruiseChanged, this, &Flightplan::cruiseChanged);
    if (AirplaneListModel::existing())
        m_computedFor = AirplaneListModel::currentAirplane();
    // Direct: the previous items are deleted as soon as the signal returns.
    if (Database *database = Database::existing())
        connect(database, &Database::itemsReplaced, this, &Flightplan::reattachToDatabase, Qt::DirectConnection);
}

Flightplan::~Flightplan()
{
    {
        Locker locker(&s_mutex);
        m_waypoints.clear();
    }
    delete m_weight;
    delete m_fuel;
    delete m_profile;
    delete m_terminal;
    delete m_general;
}

QRecursiveMutex *Flightplan::mutex()
{
    return &s_mutex;
}

// ---- model

int Flightplan::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_waypoints.size();
}

QVariant Flightplan::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model() || index.row() >= m_waypoints.size())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case RoleIndex:
        return row;
    case RoleAvailableProcedures:
        return m_terminal->availableProcedures(row);
    case RoleAvailableRunways:
        return m_terminal->availableRunways(row);
    default:
        break;
    }
    const Waypoint *waypoint = m_waypoints.at(row);
    return waypoint ? waypoint->data(role) : QVariant();
}

bool Flightplan::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (index.row() < 0 || index.column() < 0 || !index.model() || index.row() >= m_waypoints.size())
        return false;
    const int row = index.row();
    Waypoint *waypoint = m_waypoints.at(row);
    if (!waypoint)
        return false;

    // The procedure and the runway end are the plan's own edits; the waypoint itself takes
    // only altitude, speed and comment. Both are accepted edits of the plan: the document
    // must learn of them, or the choice is lost with the next close.
    bool accepted = false;
    if (role == Waypoint::ProcedureUID) {
        Procedure *procedure = Database::findProcedure(value.toString(), true);
        if (!procedure)
            return false;
        switch (procedure->type()) {
        case Procedure::SID:
            if (m_terminal->sid() == procedure) {
                m_terminal->unsetProcedureForAll(procedure);
                m_terminal->setSid(nullptr);
            } else {
                m_terminal->setSid(procedure);
            }
            break;
        case Procedure::STAR:
            if (m_terminal->star() == procedure) {
                m_terminal->unsetProcedureForAll(procedure);
                m_terminal->setStar(nullptr);
            } else {
                m_terminal->setStar(procedure);
            }
            break;
        case Procedure::APPCH:
            if (m_terminal->appch() == procedure) {
                m_terminal->unsetProcedureForAll(procedure);
                m_terminal->setAppch(nullptr);
            } else {
                m_terminal->setAppch(procedure);
            }
            break;
        default:
            m_terminal->setProcedureForAll(procedure);
            break;
        }
        signalDataHasChanged(-1, -1);
        accepted = true;
    } else if (role == Waypoint::RunwayEnd) {
        const QString end = value.toString();
        waypoint->setRunwayEnd(end == waypoint->runwayEnd() ? QString() : end);
        signalDataHasChanged(row, row);
        accepted = true;
    }

    if (waypoint->setData(role, value))
        accepted = true;
    if (!accepted)
        return false;
    update(false, true);
    signalDataHasChanged(-1, -1);
    emit edited();
    return true;
}

Qt::ItemFlags Flightplan::flags(const QModelIndex &index) const
{
    // The root of a list is no item: Qt's model contract allows it no flags but drops.
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractListModel::flags(index) | Qt::ItemIsSelectable;
}

QHash<int, QByteArray> Flightplan::roleNames() const
{
    QHash<int, QByteArray> names = Waypoint::roleNames();
    names.insert(RoleIndex, "role_index");
    names.insert(RoleAvailableProcedures, "role_available_procedures");
    names.insert(RoleAvailableRunways, "role_available_runways");
    return names;
}

// ---- properties

QList<Waypoint *> Flightplan::waypoints() const
{
    Locker locker(&s_mutex);
    return QList<Waypoint *>(m_waypoints);
}

bool Flightplan::dropsFromNoSidStar(const Waypoint *waypoint)
{
    const Procedure *procedure = waypoint->procedure();
    if (!procedure)
        return false;
    const Waypoint *previous = waypoint->previousWaypoint();
    const Waypoint *next = waypoint->nextWaypoint();
    switch (procedure->type()) {
    case Procedure::SID:
        return next && next->procedure() == procedure && next->nextWaypoint();
    case Procedure::STAR:
        return previous && previous->procedure() == procedure && previous->previousWaypoint();
    case Procedure::APPCH:
        return true;
    default:
        return false;
    }
}

QList<Waypoint *> Flightplan::fewpoints() const
{
    QList<Waypoint *> result;
    for (Waypoint *waypoint : waypoints()) {
        if (!waypoint)
            continue;
        const Waypoint *previous = waypoint->previousWaypoint();
        const Waypoint *next = waypoint->nextWaypoint();
        if (previous && next) {
            const QString airway = waypoint->airwayName();
            const bool alongAirway
                = !airway.isEmpty() && airway == previous->airwayName() && next->type() != Point::AIRP;
            if (alongAirway || dropsFromNoSidStar(waypoint))
                continue;
        }
        result.append(waypoint);
    }
    return result;
}

QList<Waypoint *> Flightplan::nosidstarwaypoints() const
{
    QList<Waypoint *> result;
    for (Waypoint *waypoint : waypoints()) {
        if (!waypoint)
            continue;
        if (waypoint->previousWaypoint() && waypoint->nextWaypoint() && dropsFromNoSidStar(waypoint))
            continue;
        result.append(waypoint);
    }
    return result;
}

int Flightplan::count() const
{
    Locker locker(&s_mutex);
    return m_waypoints.size();
}

bool Flightplan::empty() const
{
    Locker locker(&s_mutex);
    return m_waypoints.isEmpty();
}

void Flightplan::setDistance(double distance)
{
    if (distance == m_distance)
        return;
    m_distance = distance;
    emit modified();
}

void Flightplan::setDuration(int duration)
{
    if (duration == m_duration)
        return;
    m_duration = duration;
    emit modified();
}

void Flightplan::setBinding(bool binding)
{
    if (binding == m_binding)
        return;
    m_binding = binding;
    emit modified();
}

// ---- edits

bool Flightplan::validRow(int row) const
{
    return row >= 0 && row < m_waypoints.size() && m_waypoints.at(row);
}

void Flightplan::clear(bool log)
{
    if (log)
        qInfo() << "Clearing flightplan";
    beginResetModel();
    {
        Locker locker(&s_mutex);
        m_waypoints.clear();
    }
    endResetModel();
    m_general->reset();
    m_terminal->clear();
    // Otherwise the totals, fuel and weights of the plan that is gone would still be shown.
    update(false, false);
    signalDataHasChanged(-1, -1);
    emit edited();
}

bool Flightplan::prepend(const QString &uid, bool select)
{
    if (contains(uid))
        return false;
    qInfo() << "Prepend" << uid << "at begining of the flightplan";
    const bool inserted = insert(0, uid, false);
    if (select)
        emit needselection(0);
    return inserted;
}

bool Flightplan::append(const QString &uid, bool select)
{
    if (contains(uid))
        return false;
    qInfo() << "Append" << uid << "at end of the flightplan";
    const int n = count();
    const bool inserted = insert(n, uid, false);
    if (select)
        emit needselection(n);
    return inserted;
}

bool Flightplan::add(const QString &uid, bool removeIfPresent, bool select)
{
    if (contains(uid)) {
        if (removeIfPresent)
            remove(uid);
        return false;
    }
    qInfo() << "Add" << uid << "to the flightplan, if exists remove" << (removeIfPresent ? "true" : "false");
    Point *point = Database::findPoint(uid, true);
    if (!point)
        return false;

    const int n = count();
    int position = n;
    if (n >= 2) {
        double bestDistance = 2147483647.0;
        position = -1;
        const Waypoint *firstPoint = m_waypoints.at(0);
        double d = point->distanceTo(firstPoint->point()) + m_distance;
        qDebug() << " - candidate before" << firstPoint->uid() << d << "at pos" << 0;
        if (d < bestDistance) {
            bestDistance = d;
            position = 0;
        }
        // Sums of the legs before and after each gap, so that every candidate costs the same.
        QList<double> legsBefore(n + 1, 0.0);
        for (int i = 0; i < n; ++i) {
            const Waypoint *waypoint = m_waypoints.at(i);
            legsBefore[i + 1] = legsBefore[i] + (waypoint ? waypoint->distanceToNext() : 0.0);
        }
        for (int i = 1; i < n; ++i) {
            const Waypoint *p = m_waypoints.at(i - 1);
            const Waypoint *q = m_waypoints.at(i);
            if (!p || !q)
                continue;
            // legs 0 .. i-2 and legs i .. n-2
            d = point->distanceTo(p->point()) + point->distanceTo(q->point()) + legsBefore[i - 1]
                + (legsBefore[n - 1] - legsBefore[i]);
            qDebug() << " - candidate before" << q->uid() << d << "at pos" << i;
            if (d < bestDistance) {
                bestDistance = d;
                position = i;
            }
        }
        const Waypoint *lastPoint = m_waypoints.at(n - 1);
        d = point->distanceTo(lastPoint->point()) + m_distance;
        qDebug() << " - candidate after" << lastPoint->uid() << d << "at pos" << n;
        if (d < bestDistance)
            position = n;
        qDebug() << "Choosing pos" << position;
    }
    const bool inserted = insert(position, uid, false);
    if (select)
        emit needselection(position);
    return inserted;
}

bool Flightplan::contains(const QString &uid) const
{
    Locker locker(&s_mutex);
    return m_waypoints.contains(uid);
}

QString Flightplan::uidAt(int row) const
{
    const Waypoint *waypoint = m_waypoints.at(row);
    return waypoint ? waypoint->uid() : QString();
}

QString Flightplan::codeAt(int row) const
{
    const Waypoint *waypoint = m_waypoints.at(row);
    return waypoint ? waypoint->code() : QString();
}

bool Flightplan::remove(const QString &uid)
{
    qInfo() << "Removing" << uid << "from the flightplan";
    const int row = indexOf(uid);
    if (row < 0)
        return false;
    const bool removed = remove(row, false);
    emit edited();
    return removed;
}

bool Flightplan::remove(int row, bool log)
{
    if (!validRow(row))
        return false;
    Waypoint *waypoint = m_waypoints.at(row);
    if (log)
        qInfo() << "Remove waypoint" << waypoint->uid() << "from flightplan at position" << row;
    beginRemoveRows(QModelIndex(), row, row);
    {
        Locker locker(&s_mutex);
        m_waypoints.removeAt(row);
    }
    endRemoveRows();
    // Views and bindings may still hold the object until control returns to the event loop.
    waypoint->deleteLater();
    update(false, log);
    signalDataHasChanged(-1, -1);
    emit edited();
    return true;
}

bool Flightplan::insert(int position, const QString &uid, bool log)
{
    if (contains(uid))
        return false;
    if (position != -1 && (position < 0 || position > count())) {
        qWarning() << "Cannot insert" << uid << "at position" << position << "outside the flightplan";
        return false;
    }
    if (log)
        qInfo() << "Insert" << uid << "into the flightplan at position" << position;
    Point *point = Database::findPoint(uid, true);
    if (!point)
        return false;
    auto *waypoint = new Waypoint(point);
    if (!insertWaypoint(position, waypoint, log)) {
        delete waypoint;
        return false;
    }
    emit edited();
    return true;
}

bool Flightplan::insertWaypoint(int position, Waypoint *waypoint, bool log)
{
    if (!waypoint)
        return false;
    if (position == -1) {
        qWarning() << "FIXME: no more insertion at -1!";
        position = m_waypoints.size();
    }
    if (position < 0 || position > m_waypoints.size()) {
        qWarning() << "Cannot insert waypoint" << waypoint->code() << "at position" << position
                   << "outside the flightplan";
        return false;
    }
    // The list owns its entries once: a second insertion of the same object would corrupt the chain.
    if (m_waypoints.QList<Waypoint *>::contains(waypoint))
        return false;
    if (log)
        qInfo() << "Insert waypoint" << waypoint->code() << "at position" << position;

    beginInsertRows(QModelIndex(), position, position);
    {
        Locker locker(&s_mutex);
        m_waypoints.insert(position, waypoint);
    }
    endInsertRows();
    if (waypoint->type() == Point::AIRP)
        waypoint->setAltitude(waypoint->elevation(), false);
    m_terminal->updateWaypoint(waypoint);
    update(false, log);
    signalDataHasChanged(-1, -1);
    return true;
}

bool Flightplan::duplicate(int row)
{
    if (!validRow(row))
        return false;
    const Waypoint *source = m_waypoints.at(row);
    qInfo() << "Duplicate" << source->uid() << "into the flightplan from position" << row << "to position" << row + 1;
    auto *waypoint = new Waypoint(source->point());
    if (!insertWaypoint(row + 1, waypoint, false)) {
        delete waypoint;
        return false;
    }
    emit edited();
    return true;
}

bool Flightplan::moveRow(int from, int to)
{
    const int n = count();
    if (from < 0 || from >= n || to < 0 || to >= n || !validRow(from))
        return false;
    qInfo() << "Move waypoint" << m_waypoints.at(from)->uid() << "from position" << from << "to postion" << to;
    if (from == to) {
        qWarning() << "WARNING: move waypoint at the same position, move ignored!";
        return false;
    }
    beginResetModel();
    {
        Locker locker(&s_mutex);
        m_waypoints.move(from, to);
    }
    endResetModel();
    update(false, false);
    signalDataHasChanged(-1, -1);
    emit edited();
    emit needselection(to);
    return true;
}

bool Flightplan::moveUp(int row)
{
    return moveRow(row, row - 1);
}

bool Flightplan::moveDown(int row)
{
    return moveRow(row, row + 1);
}

bool Flightplan::reverse()
{
    const int n = count();
    if (n < 2)
        return false;
    qInfo() << "Reverse flightplan order (has" << n << "waypoints)";
    beginResetModel();
    {
        Locker locker(&s_mutex);
        for (int i = 0; i < n - 1; ++i)
            m_waypoints.move(n - 1, i);
    }
    endResetModel();
    update(false, false);
    signalDataHasChanged(-1, -1);
    emit edited();
    return true;
}

void Flightplan::computeProfile()
{
    update(true, true);
    signalDataHasChanged(-1, -1);
}

void Flightplan::addRandomAirport(bool select)
{
    Point *airport = Database::randomAirport();
    if (!airport)
        return;
    add(airport->uid(), false, select);
}

void Flightplan::setAsEdited()
{
    emit edited();
}

QVariantMap Flightplan::readAltitude(const QString &text) const
{
    return WaypointText::altitude(text, AirplaneListModel::currentAirplane()).toVariantMap();
}

QVariantMap Flightplan::readSpeed(const QString &text) const
{
    return WaypointText::speed(text, AirplaneListModel::currentAirplane()).toVariantMap();
}

// ---- for the rest of the program

void Flightplan::update(bool computeProfile, bool log)
{
    if (log)
        qInfo() << "Updating waypoint properties:";
    m_computedFor = AirplaneListModel::currentAirplane();
    const int cruiseLevel = m_general->cruiselvl();
    const int cruiseTas = m_general->cruisetas();
    if (computeProfile || Settings::getBool(QStringLiteral("flightplan/autocompute"), false))
        m_profile->computeProfile(cruiseLevel, cruiseTas, log);

    m_distance = 0.0;
    m_duration = 0;
    int *enroute = m_fuel->enroutePointer();
    *enroute = 0;
    for (Waypoint *waypoint : std::as_const(m_waypoints)) {
        if (waypoint)
            waypoint->compute(&m_distance, &m_duration, enroute, cruiseTas);
    }

    m_fuel->update();
    m_weight->compute();

    const int takeoff = m_fuel->takeoff();
    for (Waypoint *waypoint : std::as_const(m_waypoints)) {
        if (!waypoint)
            continue;
        waypoint->setRemaining(m_distance, m_duration, takeoff);
        if (log)
            qInfo().noquote() << " -" << waypoint->logText();
    }
    m_general->touchModificationTime();
}

bool Flightplan::bulkInsert(int position, const QList<Waypoint *> &waypoints, Procedure *sid, Procedure *star,
                            Procedure *approach, bool computeProfile, bool log)
{
    if (log)
        qInfo() << "Will bulk insert" << waypoints.size() << "waypoints...";
    QStringList codes;
    {
        Locker locker(&s_mutex);
        if (position < 0 || position > m_waypoints.size()) {
            qWarning() << "Cannot bulk insert at position" << position << "outside the flightplan";
            return false;
        }
        beginResetModel();
        int row = position;
        for (const Waypoint *source : waypoints) {
            if (!source || !source->point())
                continue;
            auto *copy = new Waypoint(source);
            m_waypoints.insert(row++, copy);
            codes.append(copy->code());
        }
        endResetModel();

        m_terminal->setSid(sid);
        m_terminal->setStar(star);
        m_terminal->setAppch(approach);

        update(computeProfile, log);

        const Waypoint *lastEntry = waypoints.isEmpty() ? nullptr : waypoints.constLast();
        if (lastEntry && lastEntry->point()) {
            if (Point *alternate = Database::nearestAlternate(lastEntry->point())) {
                m_general->setAlternate(alternate->code());
                qInfo() << "Found alternate airport" << alternate->code();
            }
        }
    }
    if (log)
        qInfo() << "Waypoints bulk inserted:" << codes;
    signalDataHasChanged(-1, -1);
    emit edited();
    return true;
}

Waypoint *Flightplan::first() const
{
    return m_waypoints.first();
}

Waypoint *Flightplan::last() const
{
    return m_waypoints.last();
}

Waypoint *Flightplan::findWaypoint(const QString &uid) const
{
    return m_waypoints.at(m_waypoints.indexOf(uid));
}

int Flightplan::indexOf(const QString &uid) const
{
    return m_waypoints.indexOf(uid);
}

// ---- slots

void Flightplan::airplaneChanged()
{
    // Only figures the plan was not computed with compute it anew, and never without the pilot
    // seeing an edit. The weights and fuel play no part in the profile: they compute the legs,
    // fuel and weights alone, and the computed altitudes and speeds stay.
    const Airplane airplane = AirplaneListModel::currentAirplane();
    if (airplane == m_computedFor)
        return;
    qInfo() << "Airplane changed" << airplane.icao << "updating flighplan";
    const bool profile = !Profile::sameFigures(airplane, m_computedFor);
    const bool cruise = fitCruise();
    update(profile || cruise, true);
    signalDataHasChanged(-1, -1);
    // An empty plan holds nothing to save: quitting must not ask for it.
    if (!empty())
        emit edited();
}

// The header names the level and speed the plan flies: however it was written (the flight
// information, a document, an airplane brought within), the legs follow it at once.
void Flightplan::cruiseChanged()
{
    if (m_fittingCruise)
        return;
    fitCruise();
    if (empty())
        return;
    qInfo() << "Cruise changed to level" << m_general->cruiselvl() << "TAS" << m_general->cruisetas()
            << "updating flighplan";
    update(true, false);
    signalDataHasChanged(-1, -1);
    emit edited();
}

bool Flightplan::fitCruise()
{
    const Airplane airplane = AirplaneListModel::currentAirplane();
    const int level = m_general->cruiselvl();
    const int tas = m_general->cruisetas();
    const QScopedValueRollback<bool> fitting(m_fittingCruise, true);
    m_general->setCruiselvl(qMin(level, airplane.ceilinglvl));
    m_general->setCruisetas(qMin(tas, airplane.maxcruisetas));
    return m_general->cruiselvl() != level || m_general->cruisetas() != tas;
}

void Flightplan::forceUpdate()
{
    qInfo() << "Force update flighplan (recomputing all wayoints)";
    update(true, true);
    signalDataHasChanged(-1, -1);
}

void Flightplan::beginResetModelPrivate()
{
    beginResetModel();
}

void Flightplan::endResetModelPrivate()
{
    endResetModel();
}

void Flightplan::signalDataHasChanged(int first, int last)
{
    // The legs of the neighbours depend on a waypoint: two rows on each side change with it.
    const int lastRow = m_waypoints.size() - 1;
    const int top = first == -1 ? 0 : qMax(first - 2, 0);
    const int bottom = last == -1 ? lastRow : qMin(last + 2, lastRow);
    if (top <= bottom && bottom >= 0)
        emit dataChanged(index(top), index(bottom), {});
    emit modified();
}
