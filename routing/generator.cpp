#include "generator.h"

#include "basemodel.h"
#include "database.h"
#include "databaselocker.h"
#include "flightplan.h"
#include "point.h"
#include "procedure.h"
#include "segment.h"
#include "waypoint.h"

#include <QDebug>
#include <QHash>
#include <QMutexLocker>

#include <algorithm>

Generator::Generator(Flightplan *flightplan, QObject *parent)
    : Router(parent)
    , m_flightplan(flightplan)
{
    if (!flightplan)
        qFatal("Cannot create Generator object with NULL pointers!");
    if (Database *database = Database::existing())
        connect(database, &Database::itemsReplaced, this, &Generator::reattachToDatabase, Qt::DirectConnection);
}

void Generator::reattachToDatabase()
{
    const auto again = [](const Point *point) { return point ? Database::findPoint(point->uid(), false) : nullptr; };
    const Point *output = m_outputIndex >= 0 ? m_outputs.at(m_outputIndex) : nullptr;
    const Point *input = m_inputIndex >= 0 ? m_inputs.at(m_inputIndex) : nullptr;
    const QString outputUid = output ? output->uid() : QString();
    const QString inputUid = input ? input->uid() : QString();
    m_departure = again(m_departure);
    m_arrival = again(m_arrival);
    collect(m_departure, Procedure::SID, m_outputs, m_outputNames);
    collect(m_arrival, Procedure::STAR, m_inputs, m_inputNames);
    const auto rowOf = [](const QList<Point *> &points, const QString &uid) {
        for (int row = 0; row < points.size(); ++row) {
            if (!uid.isEmpty() && points.at(row)->uid() == uid)
                return row;
        }
        return -1;
    };
    m_outputIndex = rowOf(m_outputs, outputUid);
    m_inputIndex = rowOf(m_inputs, inputUid);
    publishEndpoints();
    emit changed();
}

Generator::~Generator() = default;

void Generator::init()
{
    m_outputs.clear();
    m_inputs.clear();
    m_outputNames.clear();
    m_inputNames.clear();
    m_outputIndex = -1;
    m_inputIndex = -1;
    const Waypoint *first = m_flightplan->first();
    const Waypoint *last = m_flightplan->last();
    m_departure = first ? first->point() : nullptr;
    m_arrival = last ? last->point() : nullptr;
    publishEndpoints();
    emit changed();
}

QString Generator::getDepartureUID() const
{
    return m_departure ? m_departure->uid() : QString();
}

QString Generator::getArrivalUID() const
{
    return m_arrival ? m_arrival->uid() : QString();
}

bool Generator::setDeparture(const QString &uid)
{
    Point *point = uid.isEmpty() ? nullptr : Database::findPoint(uid, false);
    if (!point) {
        qWarning() << "Cannot set departure" << uid << "from dialog!";
        return false;
    }
    m_departure = point;
    collect(point, Procedure::SID, m_outputs, m_outputNames);
    m_outputIndex = -1;
    publishEndpoints();
    emit changed();
    return true;
}

bool Generator::setArrival(const QString &uid)
{
    Point *point = uid.isEmpty() ? nullptr : Database::findPoint(uid, false);
    if (!point) {
        qWarning() << "Cannot set arrival" << uid << "from dialog!";
        return false;
    }
    m_arrival = point;
    collect(point, Procedure::STAR, m_inputs, m_inputNames);
    m_inputIndex = -1;
    publishEndpoints();
    emit changed();
    return true;
}

void Generator::setOutput(int index)
{
    if (index < -1 || index >= m_outputs.size()) {
        qWarning() << "Cannot set SID output" << index << "of" << m_outputs.size();
        return;
    }
    if (index == m_outputIndex)
        return;
    m_outputIndex = index;
    publishEndpoints();
    emit changed();
}

void Generator::setInput(int index)
{
    if (index < -1 || index >= m_inputs.size()) {
        qWarning() << "Cannot set STAR input" << index << "of" << m_inputs.size();
        return;
    }
    if (index == m_inputIndex)
        return;
    m_inputIndex = index;
    publishEndpoints();
    emit changed();
}

void Generator::publishEndpoints()
{
    const Point *output = m_outputIndex >= 0 ? m_outputs.at(m_outputIndex) : nullptr;
    const Point *input = m_inputIndex >= 0 ? m_inputs.at(m_inputIndex) : nullptr;
    setEndpoints(getDepartureUID(), getArrivalUID(), output ? output->uid() : QString(),
                 input ? input->uid() : QString());
}

QString Generator::exitName(const Point *point, const QStringList &procedures)
{
    if (!point)
        return QString();
    if (procedures.isEmpty())
        return point->code();
    return QStringLiteral("%1 (%2)").arg(point->code(), procedures.join(QStringLiteral(", ")));
}

void Generator::collect(Point *airport, int type, QList<Point *> &points, QStringList &names)
{
    points.clear();
    names.clear();
    if (!airport || airport->type() != Point::AIRP)
        return;
    const bool sid = type == Procedure::SID;

    // The queries take no lock of their own; holding the database's keeps an import from
    // changing the lists while they are walked.
    Database *db = Database::instance();
    QList<Point *> ends;
    QHash<QString, QStringList> procedures; // point UID -> procedures leaving or joining there
    {
        DatabaseLocker locker(db->mutex());
        ends = sid ? Database::sidOutputs(airport) : Database::starInputs(airport);
        for (const Procedure *procedure : Database::proceduresOf(airport, type)) {
            for (const QString &uid : sid ? procedure->outputs(false) : procedure->inputs(false)) {
                QStringList &list = procedures[uid];
                if (!list.contains(procedure->name()))
                    list.append(procedure->name());
            }
        }
    }

    // By code then UID, so that the list reads in alphabetical order and a code used by two
    // points stays two entries.
    std::sort(ends.begin(), ends.end(), [](const Point *a, const Point *b) {
        return std::make_pair(a->code(), a->uid()) < std::make_pair(b->code(), b->uid());
    });
    for (Point *point : std::as_const(ends)) {
        QStringList through = procedures.value(point->uid());
        through.sort();
        points.append(point);
        names.append(exitName(point, through));
    }
}

bool Generator::activateFlightplan()
{
    if (isBusy() || !getStatus())
        return false;
    const QList<Point *> points = route();
    if (points.size() < 2)
        return false;
    const QList<Segment *> legs = legSegments();
    // The points themselves stay alive whatever happens to the database; what must not have
    // changed is the network they were chosen from. Each waypoint takes the leg the search
    // flew from it, so that the plan names the very airway (not the first one joining the
    // two points) and files it.
    QList<Waypoint *> waypoints;
    waypoints.reserve(points.size());
    const bool unchanged = Database::instance()->runIfUnchanged(routeGeneration(), [&] {
        for (int i = 0; i < points.size(); ++i) {
            auto *waypoint = new Waypoint(points.at(i));
            if (i + 1 < points.size())
                waypoint->chooseLeg(legs.value(i), points.at(i + 1));
            waypoints.append(waypoint);
        }
    });
    if (!unchanged) {
        qDeleteAll(waypoints);
        setMessage(tr("Navigation database changed. Please generate the route again."));
        return false;
    }

    // Only the waypoints are replaced: the header keeps what the pilot chose for this flight
    // (cruise level and speed, times, names), as the dialog sets them before generating.
    {
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        m_flightplan->beginResetModelPrivate();
        m_flightplan->waypointList()->clear();
        m_flightplan->endResetModelPrivate();
    }
    const bool inserted = m_flightplan->bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, true);
    qDeleteAll(waypoints);
    return inserted;
}
