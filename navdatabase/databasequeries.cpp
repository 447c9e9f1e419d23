// Lookups and cross-model queries of the navigation database. None takes the database mutex;
// the modification protocol tells callers when the lists are being changed.

#include "database.h"

#include "airport.h"
#include "basemodel.h"
#include "databasestore.h"
#include "lookupindex.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"

#include <QRandomGenerator64>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The lists the calling thread sees: those of the store it fills, or the live ones. A thread
// that fills a store finds what it added; every other thread sees only the live lists.
const BaseModel<Point>::Contents &pointList(const Database *db)
{
    return DatabaseStore::pick(&DatabaseStore::points, db->pointModel()->contents());
}

const BaseModel<Segment>::Contents &segmentList(const Database *db)
{
    return DatabaseStore::pick(&DatabaseStore::segments, db->segmentModel()->contents());
}

const BaseModel<Procedure>::Contents &procedureList(const Database *db)
{
    return DatabaseStore::pick(&DatabaseStore::procedures, db->procedureModel()->contents());
}

const BaseModel<Runway>::Contents &runwayList(const Database *db)
{
    return DatabaseStore::pick(&DatabaseStore::runways, db->runwayModel()->contents());
}

// A great-circle distance in nautical miles is never shorter than the latitude difference
// times this (a nautical mile is about 1/60 degree; 59 leaves room for any earth radius the
// distance function may use). Used only to skip candidates that cannot win.
constexpr double NmPerDegreeLowerBound = 59.0;

bool isQualifiedAlternate(Point *point, const Point *airport, double distance)
{
    if (!point || point == airport || point->type() != Point::AIRP || !Airport::isFourLetterCode(point->code()))
        return false;
    if (!(distance > 10.0))
        return false;
    auto *candidate = qobject_cast<Airport *>(point);
    return candidate && candidate->hasHardLongRunway();
}

} // namespace

// ---- by UID

Point *Database::findPoint(const QString &uid, bool warn)
{
    Point *point = pointList(instance()).find(uid);
    if (!point && warn)
        qWarning() << "Point with UID" << uid << "not found in database!";
    return point;
}

QList<Point *> Database::pointsOfType(const QString &uid, std::initializer_list<int> types)
{
    const auto &points = pointList(instance());
    Point *first = points.find(uid);
    if (!first)
        return {};
    // Nearly every point is alone under its UID: one probe for the next UID settles it. A UID
    // without "_" (nearly all of them) has "_1" as its next; the general rule splits the text.
    QString next = uid.contains(QLatin1Char('_')) ? BaseItem::nextUid(uid) : uid + QStringLiteral("_1");
    Point *second = points.find(next);
    if (!second) {
        for (const int type : types) {
            if (first->type() == type)
                return {first};
        }
        return {};
    }
    QList<Point *> chain{first, second};
    for (next = BaseItem::nextUid(next); Point *point = points.find(next); next = BaseItem::nextUid(next))
        chain.append(point);
    for (const int type : types) {
        QList<Point *> ofType;
        for (Point *point : std::as_const(chain)) {
            if (point->type() == type)
                ofType.append(point);
        }
        if (!ofType.isEmpty())
            return ofType;
    }
    return {};
}

QList<Point *> Database::pointsOfUid(const QString &uid)
{
    const auto &points = pointList(instance());
    QList<Point *> chain;
    QString next = uid;
    for (Point *point = points.find(next); point; point = points.find(next)) {
        chain.append(point);
        next = BaseItem::nextUid(next);
    }
    return chain;
}

Point *Database::nearestTo(const QList<Point *> &candidates, const QGeoCoordinate &near)
{
    if (candidates.isEmpty())
        return nullptr;
    if (candidates.size() == 1 || !near.isValid())
        return candidates.constFirst();
    Point *nearest = nullptr;
    double best = 0.0;
    for (Point *point : candidates) {
        const double distance = point->position().distanceTo(near);
        if (!nearest || distance < best) {
            nearest = point;
            best = distance;
        }
    }
    return nearest;
}

Point *Database::findPointOrWarn(const QString &uid)
{
    return findPoint(uid, true);
}

Point *Database::lookupPoint(QString uid, bool warn)
{
    return findPoint(uid, warn);
}

Point *Database::findAirport(const QString &code, bool warn)
{
    return findPoint(Airport::uidForCode(code), warn);
}

Segment *Database::findSegment(const QString &uid, bool warn)
{
    Segment *segment = segmentList(instance()).find(uid);
    if (!segment && warn)
        qWarning() << "Segment with UID" << uid << "not found in database!";
    return segment;
}

Procedure *Database::findProcedure(const QString &uid, bool warn)
{
    Procedure *procedure = procedureList(instance()).find(uid);
    if (!procedure && warn)
        qWarning() << "Procedure with UID" << uid << "not found in database!";
    return procedure;
}

Runway *Database::findRunway(const QString &uid)
{
    return runwayList(instance()).find(uid);
}

int Database::pointIndex(const QString &uid)
{
    return pointList(instance()).rowOf(uid);
}

// ---- runway index

Runway *Database::findRunwayEnd(Point *airport, const QString &name)
{
    Database *db = instance();
    if (!airport)
        return nullptr;
    return db->currentRunwayIndex().value(QPair<QString, QString>(airport->code(), name), nullptr);
}

Runway *Database::findRunwayOfAirport(const QString &airportCode, const QString &name)
{
    Point *airport = findAirport(airportCode, true);
    if (!airport)
        return nullptr;
    return findRunwayEnd(airport, name);
}

// ---- by row

Point *Database::pointAt(int row)
{
    return pointList(instance()).at(row);
}

Segment *Database::segmentAt(int row)
{
    return segmentList(instance()).at(row);
}

// ---- by attributes

Point *Database::findNear(const QString &code, int type, double latitude, double longitude)
{
    Database *db = instance();
    qInfo() << "Search for" << code << "type" << type << "near" << latitude << ";" << longitude;
    const QList<Point *> &points = pointList(db).items();
    // The rows of the code in ascending order: the first match is the scan's first match.
    for (int row : db->currentLookupIndex().rowsWithCode(points, code)) {
        Point *point = points.value(row);
        if (!point || (type != 0 && point->type() != type) || point->code() != code)
            continue;
        if (std::fabs(point->latitude() - latitude) <= 0.5 && std::fabs(point->longitude() - longitude) <= 0.5)
            return point;
    }
    return nullptr;
}

Point *Database::findNear(const QString &code, Point *near)
{
    if (!near)
        return nullptr;
    return findNear(code, 0, near->latitude(), near->longitude());
}

Point *Database::findPointByName(const QString &name, const QString &terminal, const QStringList &regions, int type,
                                 bool warn)
{
    if (name.isEmpty())
        return nullptr;
    Database *db = instance();
    const QList<Point *> &points = pointList(db).items();
    for (int row : db->currentLookupIndex().rowsWithName(points, name)) {
        Point *point = points.value(row);
        if (!point || point->type() != type || point->terminal() != terminal || !regions.contains(point->region())
            || point->name() != name)
            continue;
        return point;
    }
    if (warn)
        qInfo() << "Point with name" << name << "not found!";
    return nullptr;
}

Point *Database::findEnrouteFix(const QString &code, const QStringList &regions, bool warn)
{
    if (code.isEmpty())
        return nullptr;
    Database *db = instance();
    const QList<Point *> &points = pointList(db).items();
    for (int row : db->currentLookupIndex().rowsWithCode(points, code)) {
        Point *point = points.value(row);
        if (!point || point->type() != Point::FIX || point->terminal() != QLatin1String("ENRT")
            || !regions.contains(point->region()) || point->code() != code)
            continue;
        return point;
    }
    if (warn)
        qInfo() << "Point with code" << code << "not found!";
    return nullptr;
}

Segment *Database::findSegmentBetween(Point *from, Point *to)
{
    Database *db = instance();
    if (!from || !to)
        return nullptr;
    // A segment that can start at from has from as an end: its few segments, in list order,
    // give the answer of the scan over the whole list.
    return findSegmentIn(db->currentLookupIndex().segmentsWithEnd(segmentList(db).items(), from), from, to);
}

Segment *Database::findSegmentIn(const QList<Segment *> &segments, Point *from, Point *to)
{
    if (!from || !to)
        return nullptr;
    for (Segment *segment : segments) {
        if (segment && segment->canStartAt(from) && segment->canEndAt(to))
            return segment;
    }
    return nullptr;
}

bool Database::hasSegmentsAt(Point *point, bool outgoing, bool incoming, bool high, bool low)
{
    Database *db = instance();
    if (!point)
        return false;
    for (Segment *segment : segmentList(db).items()) {
        if (!segment)
            continue;
        if (segment->type() == Segment::LOW && !low)
            continue;
        if (segment->type() == Segment::HIGH && !high)
            continue;
        if (segment->isLinkedTo(point, outgoing, incoming))
            return true;
    }
    return false;
}

bool Database::hasProcedures(Point *airport)
{
    Database *db = instance();
    if (!airport)
        return false;
    const QString code = airport->code();
    for (const Procedure *procedure : procedureList(db).items()) {
        if (procedure && procedure->isAirport(code))
            return true;
    }
    return false;
}

Point *Database::segmentFrom(Segment *segment)
{
    return segment ? segment->from() : nullptr;
}

Point *Database::segmentTo(Segment *segment)
{
    return segment ? segment->to() : nullptr;
}

// ---- by distance and chance

// Keeps the whole-mile rule: the choice changes only for a candidate nearer than the whole
// number of miles below the current choice. The latitude bound only skips candidates whose
// distance cannot be below that number, so the answer is that of the plain scan.
Point *Database::nearestPoint(Point *reference, const QList<Point *> &candidates)
{
    if (!reference || candidates.isEmpty())
        return nullptr;
    const double latitude = reference->latitude();
    int best = INT_MAX;
    Point *choice = nullptr;
    for (Point *candidate : candidates) {
        if (!candidate)
            continue;
        if (std::fabs(candidate->latitude() - latitude) * NmPerDegreeLowerBound >= double(best))
            continue;
        const double distance = candidate->distanceTo(reference);
        if (double(best) > distance) {
            choice = candidate;
            best = int(distance);
        }
    }
    return choice;
}

// The scan in row order keeps, of the qualifying airports, the first whose whole number of
// miles equals that of the nearest one. The airport grid finds the nearest qualifying airport
// by a growing radius, then the lowest row among those within the same whole mile.
Point *Database::nearestAlternate(Point *airport)
{
    Database *db = instance();
    if (!airport)
        return nullptr;
    const QList<Point *> &points = pointList(db).items();

    if (!airport->position().isValid()) {
        int best = INT_MAX;
        Point *choice = nullptr;
        for (Point *point : points) {
            if (!point || point->type() != Point::AIRP || !Airport::isFourLetterCode(point->code()))
                continue;
            const double distance = point->distanceTo(airport);
            if (!(distance > 10.0) || !(double(best) > distance))
                continue;
            auto *candidate = qobject_cast<Airport *>(point);
            if (candidate && candidate->hasHardLongRunway()) {
                choice = point;
                best = int(distance);
            }
        }
        return choice;
    }

    auto byDistance = [](const LookupIndex::Candidate &a, const LookupIndex::Candidate &b) {
        return a.distance < b.distance || (a.distance == b.distance && a.row < b.row);
    };

    double radius = 64.0;
    double nearest = -1.0;
    QList<LookupIndex::Candidate> candidates;
    bool covered = false;
    while (nearest < 0.0) {
        candidates = db->currentLookupIndex().airportsNear(points, airport, radius, &covered);
        std::sort(candidates.begin(), candidates.end(), byDistance);
        for (const LookupIndex::Candidate &candidate : std::as_const(candidates)) {
            if (!(candidate.distance > 10.0))
                continue;
            if (!covered && candidate.distance > radius)
                break;
            if (isQualifiedAlternate(points.value(candidate.row), airport, candidate.distance)) {
                nearest = candidate.distance;
                break;
            }
        }
        if (nearest >= 0.0)
            break;
        if (covered)
            return nullptr;
        radius *= 2.0;
    }

    const double mile = std::floor(nearest);
    if (!covered && mile + 1.0 > radius) {
        candidates = db->currentLookupIndex().airportsNear(points, airport, mile + 1.0, &covered);
        std::sort(candidates.begin(), candidates.end(), byDistance);
    }
    int bestRow = INT_MAX;
    for (const LookupIndex::Candidate &candidate : std::as_const(candidates)) {
        if (candidate.distance < nearest)
            continue;
        if (!(candidate.distance < mile + 1.0))
            break;
        if (candidate.row < bestRow && isQualifiedAlternate(points.value(candidate.row), airport, candidate.distance))
            bestRow = candidate.row;
    }
    return bestRow == INT_MAX ? nullptr : points.value(bestRow);
}

Point *Database::randomAirport()
{
    Database *db = instance();
    const QList<Point *> &points = pointList(db).items();
    const qsizetype count = points.size();
    if (count == 0 || db->currentLookupIndex().airportCount(points) == 0)
        return nullptr;
    auto qualifies = [](const Point *point) {
        return point && point->type() == Point::AIRP && Airport::isFourLetterCode(point->code());
    };
    // Draws are uniform over rows; on a list where airports are very rare the draws give up
    // and the choice is made uniformly among the qualifying rows instead.
    for (int attempt = 0; attempt < 100000; ++attempt) {
        const quint64 row = QRandomGenerator64::global()->bounded(quint64(count));
        Point *point = points.value(qsizetype(row));
        if (qualifies(point))
            return point;
    }
    QList<Point *> qualifying;
    for (Point *point : points) {
        if (qualifies(point))
            qualifying.append(point);
    }
    if (qualifying.isEmpty())
        return nullptr;
    return qualifying.at(qsizetype(QRandomGenerator64::global()->bounded(quint64(qualifying.size()))));
}

// ---- cross-model queries

QList<Segment *> Database::segmentsAt(Point *point, bool outgoing, bool incoming)
{
    QList<Segment *> result;
    Database *db = instanceOrNull();
    if (!db || !point)
        return result;
    for (Segment *segment : segmentList(db).items()) {
        if (segment && segment->isLinkedTo(point, outgoing, incoming))
            result.append(segment);
    }
    return result;
}

QList<Segment *> Database::segmentsToward(Point *point, bool outgoing, bool incoming, Point *target, int tolerance)
{
    QList<Segment *> result;
    if (!point)
        return result;
    const int heading = point->azimuthTo(target);
    for (Segment *segment : segmentsAt(point, outgoing, incoming)) {
        Point *other = segment->otherEnd(point);
        if (other && other->isInDirection(point, heading, tolerance))
            result.append(segment);
    }
    return result;
}

QList<Runway *> Database::runwaysOf(Point *airport)
{
    Database *db = instanceOrNull();
    if (!db || !airport)
        return {};
    // Same list and order as testing Runway::belongsTo on every runway: the index buckets the
    // runways by their airport code in list order.
    return db->currentLookupIndex().runwaysOf(runwayList(db).items(), airport->code());
}

QStringList Database::runwayEndNames(Point *airport)
{
    QStringList names;
    for (Runway *runway : runwaysOf(airport)) {
        if (runway->hasEnd(0))
            names.append(runway->endName(0, false));
        if (runway->hasEnd(1))
            names.append(runway->endName(1, false));
    }
    return names;
}

namespace {

bool typeMatches(const Procedure *procedure, int type)
{
    return type == 0 || procedure->type() == type;
}

// The points a procedure joins the airway network at: a SID's exits, a STAR's or an
// approach's entries.
QStringList connections(const Procedure *procedure)
{
    switch (procedure->type()) {
    case Procedure::SID:
        return procedure->outputs(false);
    case Procedure::STAR:
    case Procedure::APPCH:
        return procedure->inputs(false);
    default:
        return {};
    }
}

} // namespace

QList<Procedure *> Database::proceduresOf(Point *airport, int type)
{
    QList<Procedure *> result;
    Database *db = instanceOrNull();
    if (!db || !airport)
        return result;
    const QString code = airport->code();
    for (Procedure *procedure : procedureList(db).items()) {
        if (procedure && procedure->isAirport(code) && typeMatches(procedure, type))
            result.append(procedure);
    }
    return result;
}

QList<Procedure *> Database::proceduresOfRunway(const QString &airportCode, int type, const QString &runway)
{
    QList<Procedure *> result;
    Database *db = instanceOrNull();
    if (!db || runway.isEmpty())
        return result;
    for (Procedure *procedure : procedureList(db).items()) {
        // Here type 0 selects the procedures of type 0 only.
        if (procedure && procedure->isAirport(airportCode) && procedure->type() == type
            && procedure->matchesRunway(runway))
            result.append(procedure);
    }
    return result;
}

QList<Procedure *> Database::proceduresThrough(Point *point, Point *airport, int type)
{
    QList<Procedure *> result;
    Database *db = instanceOrNull();
    if (!db || !point)
        return result;
    const QString uid = point->uid();
    const QString code = airport ? airport->code() : QString();
    const bool atAirport = airport && uid == airport->uid();
    for (Procedure *procedure : procedureList(db).items()) {
        if (!procedure || !typeMatches(procedure, type))
            continue;
        if (airport && !procedure->isAirport(code))
            continue;
        if (atAirport || connections(procedure).contains(uid))
            result.append(procedure);
    }
    return result;
}

Procedure *Database::procedureThrough(Point *point, Point *airport, int type)
{
    const QList<Procedure *> procedures = proceduresThrough(point, airport, type);
    return procedures.isEmpty() ? nullptr : procedures.constFirst();
}

namespace {

// Distinct points, in the order of first appearance, behind the UIDs of each procedure.
QList<Point *> connectionPoints(const QList<Procedure *> &procedures, bool outputs)
{
    QList<Point *> result;
    for (const Procedure *procedure : procedures) {
        const QStringList uids = outputs ? procedure->outputs(false) : procedure->inputs(false);
        for (const QString &uid : uids) {
            Point *point = Database::findPointOrWarn(uid);
            if (point && !result.contains(point))
                result.append(point);
        }
    }
    return result;
}

} // namespace

QList<Point *> Database::sidOutputs(Point *airport)
{
    return connectionPoints(proceduresOf(airport, Procedure::SID), true);
}

QList<Point *> Database::starInputs(Point *airport)
{
    return connectionPoints(proceduresOf(airport, Procedure::STAR), false);
}

QList<Point *> Database::navaidsToward(Point *point, double minNm, double maxNm, Point *target, int tolerance,
                                       bool radioOnly)
{
    QList<Point *> result;
    Database *db = instanceOrNull();
    if (!db || !point || !target)
        return result;
    const int heading = point->azimuthTo(target);
    const double latitude = point->latitude();
    // Whole miles are compared, so anything at maxNm + 1 or beyond is out of range.
    const double reach = std::floor(maxNm) + 1.0;
    for (Point *candidate : pointList(db).items()) {
        if (!candidate)
            continue;
        const int type = candidate->type();
        const bool radio = type == Point::NDB || type == Point::VOR || type == Point::DME;
        const bool fix = !radioOnly && type == Point::FIX && candidate->isEnrouteIntersection();
        if (!radio && !fix && candidate != target)
            continue;
        if (std::fabs(candidate->latitude() - latitude) * NmPerDegreeLowerBound >= reach)
            continue;
        if (candidate->isWithinDistanceAndDirection(point, minNm, maxNm, heading, tolerance))
            result.append(candidate);
    }
    return result;
}
