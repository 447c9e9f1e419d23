#include "profile.h"

#include "airplanelistmodel.h"
#include "planlimits.h"
#include "point.h"
#include "unit.h"
#include "waypoint.h"

#include <QAreaSeries>
#include <QCoreApplication>
#include <QDebug>
#include <QLineSeries>
#include <QMutexLocker>
#include <QPointF>
#include <QThread>

#include <climits>
#include <tuple>

namespace {

using Locker = QMutexLocker<QRecursiveMutex>;

enum Phase { NoPhase = 0, FirstAirport = 1, Climb = 2, Cruise = 3, Descent = 4, LastAirport = 5 };

// Feet of a flight level.
int levelToFeet(int level)
{
    return PlanLimits::saturated(qint64(level) * 100);
}

// The step between an axis's labels: the smallest of 1, 2 or 5 times a power of ten that leaves
// at most mostSteps steps up to the top, so that the labels fall on round values (FL100, FL200;
// 50nm, 100nm...) rather than on fractions of the range (FL121, FL243; 58nm, 116nm...).
double roundStep(double top, int mostSteps)
{
    for (double power = 1.0;; power *= 10.0) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            if (top <= mostSteps * factor * power)
                return factor * power;
        }
    }
}

// Runs fn on the thread of the chart object: directly when the caller is there already,
// queued otherwise, so that a chart's signals never fire on another thread.
template <typename Fn>
void onObjectThread(QObject *object, Fn fn)
{
    if (!object)
        return;
    if (QThread::currentThread() == object->thread()) {
        fn();
        return;
    }
    QPointer<QObject> guard(object);
    QMetaObject::invokeMethod(
        object,
        [guard, fn]() {
            if (guard)
                fn();
        },
        Qt::QueuedConnection);
}

} // namespace

Profile::Profile(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex)
    : m_waypoints(waypoints)
    , m_mutex(mutex)
{
    if (!m_waypoints || !m_mutex)
        qFatal("Cannot create Profile object with NULL pointers!");
    ensureAxes();
    if (!m_distanceAxis || !m_altitudeAxis)
        qFatal("Cannot create Profile object with NULL axes!");
}

Profile::~Profile()
{
    // Once a chart has the axes it owns them; those still without parent are ours.
    if (m_distanceAxis && !m_distanceAxis->parent())
        delete m_distanceAxis.data();
    if (m_altitudeAxis && !m_altitudeAxis->parent())
        delete m_altitudeAxis.data();
}

void Profile::ensureAxes()
{
    // New axes belong to the application's thread, where the chart lives, whoever asks.
    QThread *chartThread = QCoreApplication::instance() ? QCoreApplication::instance()->thread() : nullptr;
    if (!m_distanceAxis) {
        auto *axis = new QValueAxis();
        axis->setLabelFormat(QStringLiteral("%dnm"));
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setMinorTickCount(10);
        if (chartThread && axis->thread() != chartThread)
            axis->moveToThread(chartThread);
        m_distanceAxis = axis;
    }
    if (!m_altitudeAxis) {
        auto *axis = new QValueAxis();
        axis->setLabelFormat(QStringLiteral("FL%d"));
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        if (chartThread && axis->thread() != chartThread)
            axis->moveToThread(chartThread);
        m_altitudeAxis = axis;
    }
}

QValueAxis *Profile::getDistanceAxis()
{
    double length = 0.0;
    {
        Locker locker(m_mutex);
        for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
            if (waypoint)
                length += waypoint->distanceToNext();
        }
    }
    ensureAxes();
    QValueAxis *axis = m_distanceAxis;
    // The chart is wider than high: room for ten labels along the route.
    const double step = roundStep(length, 10);
    onObjectThread(axis, [axis, length, step]() {
        axis->setRange(0.0, length);
        axis->setTickInterval(step);
    });
    return axis;
}

QValueAxis *Profile::getAltitudeAxis()
{
    double top = 0.0;
    {
        Locker locker(m_mutex);
        top = 1.25 * AirplaneListModel::currentAirplane().ceilinglvl;
    }
    ensureAxes();
    QValueAxis *axis = m_altitudeAxis;
    const double step = roundStep(top, 6);
    onObjectThread(axis, [axis, top, step]() {
        axis->setRange(0.0, top);
        axis->setTickInterval(step);
    });
    return axis;
}

void Profile::updateWithSeries(QAbstractSeries *series) const
{
    auto *area = qobject_cast<QAreaSeries *>(series);
    QLineSeries *upper = area ? area->upperSeries() : nullptr;
    if (!upper)
        return;

    QList<QPointF> points;
    {
        Locker locker(m_mutex);
        points.reserve(m_waypoints->size());
        for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
            if (waypoint)
                points.append(QPointF(waypoint->flownDistance(), waypoint->altitude() / 100.0));
        }
    }
    if (points.isEmpty())
        return;
    // The series is appended outside the plan's lock: the chart reacts to it at once.
    onObjectThread(upper, [upper, points]() { upper->append(points); });
}

QString Profile::topOfCruise() const
{
    Locker locker(m_mutex);
    for (const Waypoint *waypoint : std::as_const(*m_waypoints)) {
        if (waypoint && waypoint->isTOC())
            return waypoint->code();
    }
    return QString();
}

bool Profile::sameFigures(const Airplane &a, const Airplane &b)
{
    const auto figures = [](const Airplane &p) {
        return std::tie(p.initialias, p.initialvs, p.climbias, p.climbvs, p.descentias, p.descentvs, p.approachias,
                        p.approachvs, p.vat);
    };
    return figures(a) == figures(b);
}

bool Profile::computeProfile(int cruiseLevel, int cruiseTas, bool log)
{
    qInfo() << "Will compute flight plan profile" << QStringLiteral("FL%1").arg(cruiseLevel)
            << QStringLiteral("%1kts").arg(cruiseTas);
    const int cruiseAlt = levelToFeet(cruiseLevel);
    const int cruiseIas = Unit::convertTasToIas(cruiseTas, cruiseAlt);

    Locker locker(m_mutex);
    const int count = int(m_waypoints->size());
    if (count <= 2) {
        qInfo() << "No profile when flight plan does not contain 2 waypoints at least";
        return false;
    }
    const Airplane airplane = AirplaneListModel::currentAirplane();
    qInfo() << " - current airplane" << airplane.name;

    Waypoint *first = m_waypoints->constFirst();
    Waypoint *last = m_waypoints->constLast();
    if (!first || !last)
        return false;

    // Phase first: the constrained altitude setter reads it to choose which neighbour's
    // constraint applies; IAS last: a Mach figure converts at the new altitude. What the pilot
    // typed stands.
    const auto assign
        = [](Waypoint *waypoint, int phase, int altitude, bool setAltitude, int ias, bool constrained = true) {
              waypoint->setPhase(phase);
              if (setAltitude && !waypoint->altitudeByPilot())
                  waypoint->setAltitude(altitude, constrained);
              if (!waypoint->iasByPilot())
                  waypoint->setIas(ias, true);
          };

    if (first->type() == Point::AIRP) {
        assign(first, FirstAirport, first->elevation(), true, airplane.initialias, false);
        if (log)
            qInfo().noquote() << " - set INITIAL to" << first->profileText();
    }
    if (last->type() == Point::AIRP) {
        assign(last, LastAirport, last->elevation(), true, airplane.vat, false);
        if (log)
            qInfo().noquote() << " - set APPROACH to" << last->profileText();
    }

    const int firstAlt = first->altitude();
    const int lastAlt = last->altitude();
    const int initialCeiling = PlanLimits::saturated(qint64(firstAlt) + 5000);
    const int approachCeiling = PlanLimits::saturated(qint64(lastAlt) + 10000);

    qInfo() << "Forward climb profile:";
    for (int i = 1; i < count - 1; ++i) {
        const Waypoint *prev = m_waypoints->at(i - 1);
        Waypoint *cur = m_waypoints->at(i);
        if (!prev || !cur)
            continue;
        if (prev->phase() == FirstAirport || prev->phase() == Climb) {
            const bool initial = prev->phase() == FirstAirport;
            const int ias = initial ? airplane.initialias : airplane.climbias;
            const int vs = initial ? airplane.initialvs : airplane.climbvs;
            const int reached = Unit::reachedAltitude(prev->altitude(), prev->distanceTo(cur), ias, vs);
            if (reached >= cruiseAlt) {
                assign(cur, Cruise, cruiseAlt, true, cruiseIas);
                if (log)
                    qInfo().noquote() << " - starting cruise" << cur->profileText();
            }
            // A cruise level below the initial ceiling: the initial climb wins.
            if (reached < initialCeiling) {
                assign(cur, FirstAirport, reached, true, airplane.initialias);
                if (log)
                    qInfo().noquote() << " - initial climb" << cur->profileText();
            } else if (reached < cruiseAlt) {
                assign(cur, Climb, reached, true, airplane.climbias);
                if (log)
                    qInfo().noquote() << " - climbing" << cur->profileText();
            }
        } else {
            assign(cur, Cruise, cruiseAlt, true, cruiseIas);
            if (log)
                qInfo().noquote() << " - cruise" << cur->profileText();
        }
    }

    qInfo() << "Backward descent profile:";
    for (int j = count - 1; j > 0; --j) {
        const Waypoint *cur = m_waypoints->at(j);
        Waypoint *prev = m_waypoints->at(j - 1);
        if (!cur || !prev)
            continue;
        if (cur->phase() != Descent && cur->phase() != LastAirport)
            continue;
        const bool approach = cur->phase() == LastAirport;
        const int ias = approach ? airplane.approachias : airplane.descentias;
        const int vs = approach ? airplane.approachvs : airplane.descentvs;
        // Backward from the lower point: the descent rate, negated, climbs toward the start.
        // The rate is stored negative; an int's negation must stay an int.
        const int backwardVs = vs == INT_MIN ? INT_MAX : -vs;
        const int reached = Unit::reachedAltitude(cur->altitude(), cur->distanceTo(prev), ias, backwardVs);
        if (reached >= cruiseAlt || prev->phase() <= Climb) {
            assign(prev, Descent, 0, false, airplane.descentias);
            if (log)
                qInfo().noquote() << " - starting descent" << prev->profileText();
            break;
        }
        if (reached < approachCeiling) {
            assign(prev, LastAirport, reached, true, airplane.approachias);
            if (log)
                qInfo().noquote() << " - approach" << prev->profileText();
        } else {
            assign(prev, Descent, reached, true, airplane.descentias);
            if (log)
                qInfo().noquote() << " - descent" << prev->profileText();
        }
    }

    qInfo() << "Compute profile done!";
    return true;
}
