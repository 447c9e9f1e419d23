#include "procedurepath.h"

#include "bezier.h"
#include "database.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "runway.h"
#include "unit.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The sphere QGeoCoordinate measures and moves on (metres); the walks' skip bounds use it.
constexpr double kEarthRadius = 6371007.2;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;

constexpr int kCurvePoints = 50;
constexpr int kWalkLast = 99999;
constexpr int kManualFirst = 1852;
// A racetrack is drawn with turns of 1 NM radius; so is a procedure turn without a next fix.
constexpr double kTurnRadiusNm = 1.0;
constexpr int kCurveDeviation = 15;
constexpr int kInterceptTolerance = 5;

// Nearest whole number (halves away from zero), then the remainder with the sign of x.
qint64 nearestMod360(double x)
{
    return std::llround(x) % 360;
}

QGeoCoordinate moved(const QGeoCoordinate &from, double metres, double azimuth)
{
    return from.atDistanceAndAzimuth(metres, azimuth);
}

double nm(double value)
{
    return Unit::convertNmToMeter(value);
}

void appendVariants(QList<QGeoCoordinate> &path, const QVariantList &points)
{
    for (const QVariant &point : points)
        path.append(point.value<QGeoCoordinate>());
}

// How far the walk may skip from a point where the condition does not hold: floor of a safe
// fraction of the metres in which it cannot change, at least one.
qint64 skipOf(double metres)
{
    if (!std::isfinite(metres) || metres < 2.0)
        return 1;
    return std::max<qint64>(1, qint64(std::floor(metres)));
}

// One walked leg with its points looked up once: every lookup searches the database and logs
// a warning when the point is missing.
class Leg
{
public:
    explicit Leg(const Record &record)
        : m_record(&record)
    {
    }

    const Record &record() const { return *m_record; }
    int terminator() const { return m_record->pathTerminator(); }
    int course() const { return m_record->course(); }

    Point *fixPoint()
    {
        if (!m_fixLooked) {
            m_fix = m_record->fixPoint();
            m_fixLooked = true;
        }
        return m_fix;
    }

    QGeoCoordinate fixPosition()
    {
        if (m_record->isRunwayFix()) {
            if (!m_runwayLooked) {
                m_runway = m_record->fixPosition();
                m_runwayLooked = true;
            }
            return m_runway;
        }
        const Point *point = fixPoint();
        return point ? point->position() : QGeoCoordinate();
    }

    QGeoCoordinate navaidPosition()
    {
        if (!m_navaidLooked) {
            const Point *point = m_record->navaidPoint();
            if (point)
                m_navaid = point->position();
            m_navaidLooked = true;
        }
        return m_navaid;
    }

private:
    const Record *m_record;
    bool m_fixLooked = false;
    Point *m_fix = nullptr;
    bool m_navaidLooked = false;
    QGeoCoordinate m_navaid;
    bool m_runwayLooked = false;
    QGeoCoordinate m_runway;
};

class Builder
{
public:
    Builder(const Procedure &procedure, const QString &transition)
        : m_procedure(procedure)
        , m_transition(transition)
        , m_records(procedure.recordsOfTransition(transition))
    {
        m_legs.reserve(m_records.size());
        for (const Record &record : std::as_const(m_records))
            m_legs.emplace_back(record);
    }

    QList<QGeoCoordinate> build()
    {
        if (m_procedure.type() == Procedure::SID) {
            if (const Runway *runway = findRunway()) {
                m_path.append(runway->endPosition(runway->oppositeEndName(m_threshold)));
                qInfo() << "Found runway" << runway->codes() << "for SID" << m_procedure.name() << "transition"
                        << m_transition;
            }
        }

        for (std::size_t i = 0; i < m_legs.size(); ++i) {
            if (m_legs[i].record().isMissedApproach())
                break;
            addLeg(i);
        }

        if (m_procedure.type() == Procedure::APPCH) {
            if (const Runway *runway = findRunway()) {
                m_path.append(runway->endPosition(m_threshold));
                qInfo() << "Found runway" << runway->codes() << "for APPCH" << m_procedure.name() << "transition"
                        << m_transition;
            }
        }
        return m_path;
    }

private:
    const Runway *findRunway()
    {
        m_threshold = m_procedure.runwayThreshold(m_transition);
        if (m_threshold.isEmpty())
            return nullptr;
        return Database::findRunwayOfAirport(m_procedure.airport(), m_threshold);
    }

    Leg *next(std::size_t i) { return i + 1 < m_legs.size() ? &m_legs[i + 1] : nullptr; }

    void addLeg(std::size_t i)
    {
        Leg &leg = m_legs[i];
        const bool empty = m_path.isEmpty();
        switch (leg.terminator()) {
        case Record::CA:
            if (!empty)
                return courseLeg(leg);
            break;
        case Record::CF:
            return courseToFix(i);
        case Record::FC:
        case Record::FD:
        case Record::CD:
            if (!empty)
                return distanceLeg(leg);
            break;
        case Record::RF:
            if (!empty)
                return arcLeg(leg, false);
            break;
        case Record::AF:
            if (!empty)
                return arcLeg(leg, true);
            break;
        case Record::FM:
            return manualTermination(i);
        case Record::HA:
        case Record::HF:
        case Record::HM:
            return racetrack(leg);
        case Record::PI:
            return procedureTurn(i);
        default:
            break;
        }
        fixOnly(leg);
    }

    void fixOnly(Leg &leg)
    {
        const QGeoCoordinate fix = leg.fixPosition();
        if (fix.isValid())
            m_path.append(fix);
    }

    static double side(const Leg &leg) { return leg.record().turnDirection() == 1 ? 90.0 : -90.0; }

    void courseLeg(const Leg &leg)
    {
        // The altitude the leg climbs to is unknown here: drawn 1 NM long.
        m_path.append(moved(m_path.last(), nm(1.0), leg.course()));
    }

    void courseToFix(std::size_t i)
    {
        Leg &leg = m_legs[i];
        const QGeoCoordinate fix = leg.fixPosition();
        if (!fix.isValid())
            return;
        if (m_path.isEmpty()) {
            m_path.append(fix);
            return;
        }
        const QGeoCoordinate last = m_path.last();
        if (!last.isValid())
            return;
        if (i > 0) {
            const int course = leg.course();
            const int inbound = inboundDirection(m_legs[i - 1]);
            const double bearing = last.azimuthTo(fix);
            if (inbound != -1 && nearestMod360(std::abs(bearing - course)) > kCurveDeviation) {
                const double distance = last.distanceTo(fix);
                const int factor = (std::abs(inbound - course) % 360) / 180 + 1;
                // How well the inbound direction, and the leg's course, point from the last
                // point to the fix: the better aligned, the longer that control arm.
                double w1 = std::abs(180 - std::abs(nearestMod360(inbound - bearing)));
                double w2 = std::abs(180 - std::abs(nearestMod360(course - bearing)));
                if (w1 + w2 <= 0.0) {
                    w1 = 1.0;
                    w2 = 1.0;
                }
                const QGeoCoordinate c1 = moved(last, factor * distance * w1 / (w1 + w2), inbound);
                const QGeoCoordinate c2 = moved(fix, factor * distance * w2 / (w1 + w2), course - 180.0);
                appendVariants(m_path, Bezier::cubicPath(kCurvePoints, last, c1, c2, fix));
            }
        }
        m_path.append(fix);
    }

    // The direction the previous leg arrives in, -1 when unknown (no curve is drawn then).
    int inboundDirection(const Leg &previous) const
    {
        switch (previous.terminator()) {
        case Record::RF:
        case Record::AF:
        case Record::PI:
            // A one-point path gives no direction to arrive in.
            if (m_path.size() < 2)
                return -1;
            return int(m_path.at(m_path.size() - 2).azimuthTo(m_path.last()));
        default:
            return previous.course();
        }
    }

    void distanceLeg(Leg &leg)
    {
        const QGeoCoordinate last = m_path.last();
        const QGeoCoordinate reference = leg.terminator() == Record::FC ? last : leg.navaidPosition();
        if (!reference.isValid())
            return;
        const double target = nm(leg.record().distance());
        // Towards the DME the leg ends where the distance comes down to the target; away from
        // it where the distance grows to it.
        if (last.distanceTo(reference) > target)
            m_path.append(ProcedurePath::walkToDistanceAtMost(last, leg.course(), 1, kWalkLast, reference, target));
        else
            m_path.append(ProcedurePath::walkToDistanceAtLeast(last, leg.course(), 1, kWalkLast, reference, target));
    }

    void arcLeg(Leg &leg, bool dmeArc)
    {
        const QGeoCoordinate fix = leg.fixPosition();
        const QGeoCoordinate centre = leg.navaidPosition();
        if (!fix.isValid() || !centre.isValid())
            return;
        const double radius = dmeArc ? centre.distanceTo(fix) : nm(leg.record().arcRadius());
        appendVariants(
            m_path, Bezier::arc(kCurvePoints, centre, radius, centre.azimuthTo(m_path.last()), centre.azimuthTo(fix)));
        m_path.append(fix);
    }

    void manualTermination(std::size_t i)
    {
        Leg &leg = m_legs[i];
        const QGeoCoordinate fix = leg.fixPosition();
        if (!fix.isValid())
            return;
        const int course = leg.course();
        Leg *following = next(i);
        if (!following) {
            m_path.append(moved(fix, nm(3.0), course));
            return;
        }
        const QGeoCoordinate nextFix = following->fixPosition();
        if (!nextFix.isValid())
            return;
        const qint64 limit = std::min<qint64>(nearestMod360(std::abs(following->course() - course)) - 45, 90);
        m_path.append(ProcedurePath::walkToBearing(fix, course, kManualFirst, kWalkLast, nextFix, course,
                                                   [limit](int deviation) { return deviation > limit; }));
    }

    void racetrack(Leg &leg)
    {
        const QGeoCoordinate fix = leg.fixPosition();
        if (!fix.isValid())
            return;
        const double r = nm(kTurnRadiusNm);
        const double course = leg.course();
        const double s = course + side(leg);
        const QGeoCoordinate c1 = moved(fix, r, s);
        const QGeoCoordinate o1 = moved(fix, 2 * r, s);
        const QGeoCoordinate t1 = moved(c1, r, course);
        // A leg given in minutes is drawn as that many nautical miles.
        const QGeoCoordinate e = moved(fix, nm(leg.record().distance()), course - 180.0);
        const QGeoCoordinate c2 = moved(e, r, s);
        const QGeoCoordinate o2 = moved(e, 2 * r, s);
        const QGeoCoordinate b2 = moved(c2, r, course - 180.0);
        appendVariants(m_path, Bezier::arc(kCurvePoints, c1, r, c1.azimuthTo(fix), c1.azimuthTo(t1)));
        appendVariants(m_path, Bezier::arc(kCurvePoints, c1, r, c1.azimuthTo(t1), c1.azimuthTo(o1)));
        appendVariants(m_path, Bezier::arc(kCurvePoints, c2, r, c2.azimuthTo(o2), c2.azimuthTo(b2)));
        appendVariants(m_path, Bezier::arc(kCurvePoints, c2, r, c2.azimuthTo(b2), c2.azimuthTo(e)));
        m_path.append(fix);
    }

    void procedureTurn(std::size_t i)
    {
        Leg &leg = m_legs[i];
        const QGeoCoordinate fix = leg.fixPosition();
        if (!fix.isValid())
            return;
        const int course = leg.course();
        Leg *following = next(i);
        const QGeoCoordinate nextFix = following ? following->fixPosition() : QGeoCoordinate();
        double r = nm(kTurnRadiusNm);
        bool towardsNextFix = false;
        if (following && nextFix.isValid() && following->fixPoint() != leg.fixPoint()) {
            // Half the next fix's distance from the course line through this fix, so that the
            // turn ends abeam of it.
            const double bearing = fix.azimuthTo(nextFix);
            const double distance = fix.distanceTo(nextFix);
            const qint64 angle = nearestMod360(std::abs(course - bearing));
            const double radius = std::abs(std::sin(angle * kDegToRad) * distance * 0.5);
            qDebug() << course;
            qDebug() << bearing;
            qDebug() << distance;
            qDebug() << angle;
            qDebug() << radius;
            // A next fix on the course line leaves no room for a turn: the usual radius then.
            if (radius >= 1.0)
                r = radius;
            towardsNextFix = true;
        }
        const double s = course + side(leg);
        const QGeoCoordinate a = moved(fix, nm(leg.record().distance()) - r, course);
        const QGeoCoordinate c = moved(a, r, s);
        const QGeoCoordinate t = moved(c, r, course);
        const QGeoCoordinate o = moved(a, 2 * r, s);
        m_path.append(fix);
        appendVariants(m_path, Bezier::arc(kCurvePoints, c, r, c.azimuthTo(a), c.azimuthTo(t)));
        appendVariants(m_path, Bezier::arc(kCurvePoints, c, r, c.azimuthTo(t), c.azimuthTo(o)));
        if (towardsNextFix)
            return;
        // Without a next fix to turn towards, the turn returns to its own fix.
        if (!following || !nextFix.isValid()) {
            m_path.append(fix);
            return;
        }
        const int nextCourse = following->course();
        m_path.append(ProcedurePath::walkToBearing(o, course + 180.0, 1, kWalkLast, nextFix, nextCourse,
                                                   [](int deviation) { return deviation < kInterceptTolerance; }));
    }

    const Procedure &m_procedure;
    const QString m_transition;
    const QList<Record> m_records;
    std::vector<Leg> m_legs;
    QString m_threshold;
    QList<QGeoCoordinate> m_path;
};

// Bearings at which accept(nearest(|bearing − course|) mod 360) may change its answer.
QList<double> bearingBoundaries(int course, const std::function<bool(int)> &accept)
{
    QList<double> result;
    auto accepted = [&accept](double x) { return accept(int(nearestMod360(x))); };
    // |bearing − course| lies in [0, 361] for bearings in [0, 360) and courses in [-1, 360].
    for (int n = 0; n <= 361; ++n) {
        if (accept(n % 360) == accept((n + 1) % 360))
            continue;
        for (const double bearing : {course + n + 0.5, course - n - 0.5})
            result.append(std::fmod(std::fmod(bearing, 360.0) + 360.0, 360.0));
    }
    // The bearing itself wraps from 360 to 0.
    if (accepted(std::abs(0.0 - course)) != accepted(std::abs(360.0 - course)))
        result.append(0.0);
    return result;
}

} // namespace

QList<QGeoCoordinate> ProcedurePath::build(const Procedure &procedure, const QString &transition)
{
    return Builder(procedure, transition).build();
}

QVariantList ProcedurePath::toVariantList(const QList<QGeoCoordinate> &points)
{
    QVariantList result;
    result.reserve(points.size());
    for (const QGeoCoordinate &point : points)
        result.append(QVariant::fromValue(point));
    return result;
}

QGeoRectangle ProcedurePath::boundingOf(const QList<QGeoCoordinate> &points)
{
    QList<double> longitudes;
    double north = -90.0;
    double south = 90.0;
    for (const QGeoCoordinate &point : points) {
        if (!point.isValid())
            continue;
        north = std::max(north, point.latitude());
        south = std::min(south, point.latitude());
        longitudes.append(point.longitude());
    }
    if (longitudes.isEmpty())
        return QGeoRectangle();
    std::sort(longitudes.begin(), longitudes.end());
    // The rectangle leaves out the widest gap between neighbouring longitudes, going round.
    double west = longitudes.first();
    double east = longitudes.last();
    double widestGap = longitudes.first() + 360.0 - longitudes.last();
    for (qsizetype i = 1; i < longitudes.size(); ++i) {
        const double gap = longitudes.at(i) - longitudes.at(i - 1);
        if (gap > widestGap) {
            widestGap = gap;
            west = longitudes.at(i);
            east = longitudes.at(i - 1);
        }
    }
    return QGeoRectangle(QGeoCoordinate(north, west), QGeoCoordinate(south, east));
}

namespace {

QGeoCoordinate walkToDistance(const QGeoCoordinate &start, double azimuth, int first, int last,
                              const QGeoCoordinate &reference, double target, bool atLeast)
{
    for (qint64 k = first; k <= last;) {
        const QGeoCoordinate p = moved(start, double(k), azimuth);
        const double distance = p.distanceTo(reference);
        if (atLeast ? distance >= target : distance <= target)
            return p;
        // One metre along the walk changes the distance by one metre at most.
        k += skipOf(std::abs(distance - target) * 0.999);
    }
    return moved(start, double(last), azimuth);
}

} // namespace

QGeoCoordinate ProcedurePath::walkToDistanceAtLeast(const QGeoCoordinate &start, double azimuth, int first, int last,
                                                    const QGeoCoordinate &reference, double target)
{
    return walkToDistance(start, azimuth, first, last, reference, target, true);
}

QGeoCoordinate ProcedurePath::walkToDistanceAtMost(const QGeoCoordinate &start, double azimuth, int first, int last,
                                                   const QGeoCoordinate &reference, double target)
{
    return walkToDistance(start, azimuth, first, last, reference, target, false);
}

QGeoCoordinate ProcedurePath::walkToBearing(const QGeoCoordinate &start, double azimuth, int first, int last,
                                            const QGeoCoordinate &target, int course,
                                            const std::function<bool(int)> &accept)
{
    const QList<double> boundaries = bearingBoundaries(course, accept);
    for (qint64 k = first; k <= last;) {
        const QGeoCoordinate p = moved(start, double(k), azimuth);
        const double bearing = p.azimuthTo(target);
        if (accept(int(nearestMod360(std::abs(bearing - course)))))
            return p;
        if (boundaries.isEmpty())
            break; // the answer is the same at every bearing
        double margin = 360.0;
        for (const double boundary : boundaries) {
            const double apart = std::fmod(std::abs(bearing - boundary), 360.0);
            margin = std::min(margin, std::min(apart, 360.0 - apart));
        }
        // Moving s metres turns the bearing to the target by at most
        // s · (cot δ + tan φ) / R radians (δ the angular distance to the target, φ the
        // latitude); both are bounded over the skip by limiting it.
        const double delta = p.distanceTo(target) / kEarthRadius;
        const double near = std::min(delta, kPi - delta);
        qint64 skip = 1;
        const double fromPole = kPi / 2.0 - std::abs(p.latitude()) * kDegToRad;
        const double angle = std::min({near / 2.0, 0.05, fromPole / 2.0});
        const double span = kEarthRadius * angle;
        const double latitude = kPi / 2.0 - fromPole + angle;
        if (near > 1e-9 && fromPole > 1e-9) {
            const double rate = (1.0 / std::tan(near / 2.0) + std::tan(latitude)) / kEarthRadius;
            skip = skipOf(0.9 * std::min(span, margin * kDegToRad / rate));
        }
        k += skip;
    }
    return moved(start, double(last), azimuth);
}

QVariantList Procedure::buildProcedurePath(const QString &transition) const
{
    return ProcedurePath::toVariantList(ProcedurePath::build(*this, transition));
}
