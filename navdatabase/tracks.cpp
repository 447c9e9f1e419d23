#include "tracks.h"

#include "database.h"
#include "orderedparallel.h"
#include "point.h"
#include "predefinedtracks.h"
#include "replyguard.h"
#include "richtext.h"
#include "segment.h"
#include "settings.h"
#include "unit.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUrl>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A slice hands the event loop back once it has worked this long; one more item never
// takes it past 5 ms.
constexpr qint64 SliceNanoseconds = 3'500'000;
constexpr int TrackTransferTimeoutMs = 30000;
// A day's tracks are a few tens of kilobytes; a longer or endless answer is broken off.
constexpr qint64 MaxAnswerBytes = 4 * 1024 * 1024;
constexpr int DeadlineMs = 120000;
constexpr int NatKind = 1;
constexpr int PacotsKind = 2;
// A coordinate's fix lies at the coordinate; data sets round positions to far less than this.
constexpr double kAtCoordinateNm = 1.0;
// Where a name of a track may lie. The bounds come from real tracks' geometry, measured on the
// built-in tracks and on NAT and PACOTS messages laid on a world's fixes (the largest real figure,
// then the wrong one it must tell apart):
// - at an end, the distance from the known point beside it: real landfalls up to 559 NM (DANNO
//   beyond 29N170W), an ocean for a namesake on the other side;
constexpr double kReachNm = 1200.0;
// - between two known points, the distance off the leg joining them: real turning points up to
//   75 NM (PORGE with its neighbour ARCAL unknown; coordinates up to 86 NM, 41N180E of PACOTS 14),
//   a wrong name 448 NM (DOGIF). A long leg gives a name no more room than a short one;
constexpr double kOffLegNm = 200.0;
// - at an end, the turn from the track's direction there: landfalls up to 84 degrees (DANNO beyond
//   30N160W), 69 (LOGSU beyond 54N50W), 32 (PRAWN), those of the built-in tracks up to 25 (BAART);
//   beyond a right angle a name lies back along the track (BACKF 152). Between two known points a
//   name turns the track at them by 19 degrees at most (KYLLE at KANUA, ORNAI unknown), never back;
constexpr double kEndTurnDegrees = 90.0;
// - and there, the distance off the line the track draws on: landfalls up to 395 NM (the same
//   DANNO, 397 NM away), a name at right angles 1,155 NM (NADMA in Baffin Bay). Measured from the
//   track's direction rather than from its last leg, neither depends on that leg's length.
constexpr double kEndOffLineNm = 600.0;
// More misfits in one track than a real track has names.
constexpr qsizetype kManyMisfits = 24;
// A track's direction at an end is taken over at least this much of it: from a point a few miles
// off, it would point anywhere. Real tracks' coordinates lie 250 NM and more apart.
constexpr double kDirectionBaseNm = 100.0;
// The radius QGeoCoordinate measures distances with.
constexpr double kEarthRadiusNm = 6371.0072 / 1.852;

double distanceNm(const QGeoCoordinate &from, const QGeoCoordinate &to)
{
    return Unit::convertMeterToNm(from.distanceTo(to));
}

// How far the position lies off the great circle from one place through another, and how far
// along it from the first, negative behind it.
std::pair<double, double> offAndAlongNm(const QGeoCoordinate &from, const QGeoCoordinate &to,
                                        const QGeoCoordinate &position)
{
    const double arc = distanceNm(from, position) / kEarthRadiusNm;
    const double angle = qDegreesToRadians(from.azimuthTo(position) - from.azimuthTo(to));
    const double off = std::asin(std::sin(arc) * std::sin(angle));
    const double along = std::acos(std::clamp(std::cos(arc) / std::cos(off), -1.0, 1.0));
    return {std::abs(off) * kEarthRadiusNm, (std::cos(angle) < 0.0 ? -along : along) * kEarthRadiusNm};
}

// How far the position lies from the leg between two places: off its line beside it, from its
// nearer end beyond it.
double offLegNm(const QGeoCoordinate &from, const QGeoCoordinate &to, const QGeoCoordinate &position)
{
    const double length = distanceNm(from, to);
    if (length <= kAtCoordinateNm)
        return distanceNm(from, position);
    const auto [off, along] = offAndAlongNm(from, to, position);
    if (along < 0.0)
        return distanceNm(from, position);
    if (along > length)
        return distanceNm(to, position);
    return off;
}

// How far the course from an end of a track to the position turns from the track's own course
// there, which comes from the point beyond that end.
double turnDegrees(const QGeoCoordinate &beyond, const QGeoCoordinate &end, const QGeoCoordinate &position)
{
    const double onward = end.azimuthTo(beyond) + 180.0;
    const double turn = std::fmod(std::abs(end.azimuthTo(position) - onward), 360.0);
    return turn > 180.0 ? 360.0 - turn : turn;
}

QString jsonString(const QJsonObject &object, const QString &key)
{
    return object.value(key).toString();
}

bool isWhole(double value)
{
    return value == std::floor(value);
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// NAT coordinates name their fixes 5620N (whole degrees) or H5420 (half degrees); anything
// else has no fix of its own.
QString natCode(const QGeoCoordinate &position)
{
    const double latitude = position.latitude();
    const double longitude = position.longitude();
    if (latitude < 0.0 || longitude > 0.0 || longitude < -99.0 || !isWhole(longitude))
        return QString();
    const int degrees = int(std::floor(latitude));
    const double minutes = (latitude - degrees) * 60.0;
    const QString code = QStringLiteral("%1%2").arg(twoDigits(degrees), twoDigits(int(-longitude)));
    if (std::abs(minutes) < 1e-6)
        return code + QLatin1Char('N');
    if (std::abs(minutes - 30.0) < 1e-6)
        return QLatin1Char('H') + code;
    return QString();
}

// A NAT message may write a coordinate as the code of its fix (5620N for 56N 20W, H5420 for
// 54°30'N 20W), which a data set may name otherwise (56N20): read as the coordinate it is, whatever
// names the fix there marks it.
QGeoCoordinate natCodeCoordinate(const QString &entry)
{
    static const QRegularExpression form(QStringLiteral("\\A(?:(\\d{2})(\\d{2})N|H(\\d{2})(\\d{2}))\\z"));
    const QRegularExpressionMatch match = form.match(entry);
    if (!match.hasMatch())
        return QGeoCoordinate();
    const bool half = match.capturedLength(1) == 0;
    const QGeoCoordinate position(match.captured(half ? 3 : 1).toInt() + (half ? 0.5 : 0.0),
                                  -match.captured(half ? 4 : 2).toInt());
    return position.isValid() ? position : QGeoCoordinate();
}

// PACOTS coordinates of whole degrees name their fixes by quadrant letter: 26N70 for 26N170W,
// 1550W for 15S050W.
QString pacotsCode(const QGeoCoordinate &position)
{
    const double latitude = position.latitude();
    const double longitude = position.longitude();
    if (!isWhole(latitude) || !isWhole(longitude))
        return QString();
    const bool north = latitude >= 0.0;
    const bool east = longitude >= 0.0;
    const QChar letter
        = north ? (east ? QLatin1Char('E') : QLatin1Char('N')) : (east ? QLatin1Char('S') : QLatin1Char('W'));
    const int absLongitude = int(std::abs(longitude));
    const QString lat = twoDigits(int(std::abs(latitude)));
    const QString lon = twoDigits(absLongitude % 100);
    if (absLongitude < 100)
        return lat + lon + letter;
    return lat + letter + lon;
}

// Where each kind of track lies, roughly: a NAT over the North Atlantic between the Americas and
// Europe, a PACOTS over the Pacific on either side of the date line; the middle of North America
// belongs to neither.
bool onOcean(int kind, const QGeoCoordinate &position)
{
    const double longitude = position.longitude();
    if (kind == NatKind)
        return position.latitude() >= 0.0 && longitude >= -100.0 && longitude <= 5.0;
    if (kind == PacotsKind)
        return longitude >= 100.0 || longitude <= -110.0;
    return true;
}

// The index key of a place, by whole minutes; 180°E and 180°W share their keys.
qint64 placeKey(qint64 latitudeMinutes, qint64 longitudeMinutes)
{
    constexpr qint64 kHalfTurn = 180 * 60;
    const qint64 longitude = ((longitudeMinutes + kHalfTurn) % (2 * kHalfTurn) + 2 * kHalfTurn) % (2 * kHalfTurn);
    return latitudeMinutes * 4 * kHalfTurn + longitude;
}

qint64 placeKey(const QGeoCoordinate &position)
{
    return placeKey(qRound64(position.latitude() * 60.0), qRound64(position.longitude() * 60.0));
}

// One track's entries on their way to fixes: the fixes each may name, where it lies once known,
// the fix it takes, and which entries are names rather than coordinates.
struct Entries
{
    explicit Entries(qsizetype count)
        : found(count)
        , known(count)
        , chosen(count, nullptr)
    {
    }

    qsizetype count() const { return found.size(); }
    void choose(qsizetype i, Point *point)
    {
        chosen[i] = point;
        known[i] = point->position();
    }
    void leaveOut(qsizetype i)
    {
        chosen[i] = nullptr;
        known[i] = QGeoCoordinate();
    }

    QList<QList<Point *>> found;
    QList<QGeoCoordinate> known;
    QList<Point *> chosen;
    QList<qsizetype> names;
};

// The track passes a coordinate whether or not a fix marks it: its position stays known.
void placeCoordinate(Entries &entries, qsizetype i)
{
    Point *nearest = Database::nearestTo(entries.found.at(i), entries.known.at(i));
    if (nearest && distanceNm(nearest->position(), entries.known.at(i)) <= kAtCoordinateNm)
        entries.chosen[i] = nearest;
}

// A track of names alone: its unambiguous fixes place it where two of them agree, or where the
// only one lies. With nothing to go by, the first name that has fixes takes the first of them.
void placeUnambiguousNames(Entries &entries)
{
    QList<qsizetype> seeds;
    for (qsizetype i : std::as_const(entries.names)) {
        if (entries.found.at(i).size() == 1)
            seeds.append(i);
    }
    const auto agree = [&entries](qsizetype i, qsizetype j) {
        return j != i
               && distanceNm(entries.found.at(i).constFirst()->position(), entries.found.at(j).constFirst()->position())
                      <= kReachNm;
    };
    QList<qsizetype> agreed;
    for (qsizetype i : std::as_const(seeds)) {
        if (seeds.size() == 1 || std::any_of(seeds.cbegin(), seeds.cend(), [&](qsizetype j) { return agree(i, j); }))
            agreed.append(i);
    }
    for (qsizetype i : std::as_const(agreed))
        entries.choose(i, entries.found.at(i).constFirst());
    if (!seeds.isEmpty())
        return;
    for (qsizetype i : std::as_const(entries.names)) {
        if (!entries.found.at(i).isEmpty()) {
            entries.choose(i, entries.found.at(i).constFirst());
            return;
        }
    }
}

// The nearest known point before (step -1) or after (step 1) the entry; -1 when none is known.
qsizetype knownBeside(const Entries &entries, qsizetype i, qsizetype step)
{
    for (qsizetype j = i + step; j >= 0 && j < entries.count(); j += step) {
        if (entries.known.at(j).isValid())
            return j;
    }
    return -1;
}

// The known point beyond an end of the track, which gives the track's direction there: the nearest
// one at least kDirectionBaseNm away.
qsizetype knownBeyond(const Entries &entries, qsizetype end, qsizetype step)
{
    qsizetype beyond = knownBeside(entries, end, step);
    while (beyond >= 0 && distanceNm(entries.known.at(beyond), entries.known.at(end)) < kDirectionBaseNm)
        beyond = knownBeside(entries, beyond, step);
    return beyond;
}

// How far the name's fix at the position lies from where the message puts it, as a share of what
// real tracks allow (up to 1 it fits): between the known points on either side, off the leg joining
// them; at an end, its distance from the known point beside it, its turn from the track's direction
// there and its distance off the line the track draws on.
double misfit(const Entries &entries, qsizetype i, const QGeoCoordinate &position)
{
    const qsizetype before = knownBeside(entries, i, -1);
    const qsizetype after = knownBeside(entries, i, 1);
    if (before >= 0 && after >= 0) {
        // Nor does the track turn back at either of them, as a row of names behind an end would.
        double fit = offLegNm(entries.known.at(before), entries.known.at(after), position) / kOffLegNm;
        for (const auto &[at, step] : {std::pair(before, qsizetype(-1)), std::pair(after, qsizetype(1))}) {
            const qsizetype beyond = knownBeyond(entries, at, step);
            if (beyond >= 0 && distanceNm(entries.known.at(at), position) > kAtCoordinateNm)
                fit = std::max(fit,
                               turnDegrees(entries.known.at(beyond), entries.known.at(at), position) / kEndTurnDegrees);
        }
        return fit;
    }
    const qsizetype end = before >= 0 ? before : after;
    if (end < 0)
        return 0.0;
    const QGeoCoordinate &at = entries.known.at(end);
    const double reach = distanceNm(at, position) / kReachNm;
    const qsizetype beyond = knownBeyond(entries, end, end < i ? -1 : 1);
    if (beyond < 0 || distanceNm(at, position) <= kAtCoordinateNm)
        return reach;
    const QGeoCoordinate &from = entries.known.at(beyond);
    return std::max({reach, turnDegrees(from, at, position) / kEndTurnDegrees,
                     offAndAlongNm(from, at, position).first / kEndOffLineNm});
}

double misfit(const Entries &entries, qsizetype i)
{
    return misfit(entries, i, entries.known.at(i));
}

// The placed names whose fit may change once the name is left out: the name itself, the known
// points beside it, and on either side the one beyond those, which judge by it the track's
// direction there (and the next ones, where a point close by leaves it to the one behind).
QList<qsizetype> judgedWith(const Entries &entries, qsizetype out)
{
    QList<qsizetype> judged{out};
    for (const qsizetype step : {qsizetype(-1), qsizetype(1)}) {
        qsizetype at = knownBeside(entries, out, step);
        judged.append(at);
        for (qsizetype next = at >= 0 ? knownBeside(entries, at, step) : -1; next >= 0;
             at = std::exchange(next, knownBeside(entries, next, step))) {
            judged.append(next);
            if (distanceNm(entries.known.at(at), entries.known.at(next)) >= kDirectionBaseNm)
                break;
        }
    }
    judged.removeIf([&entries](qsizetype i) {
        return i < 0 || !entries.chosen.at(i) || !std::binary_search(entries.names.cbegin(), entries.names.cend(), i);
    });
    return judged;
}

// Each name still open takes, of its fixes, the one that fits best where the points known so far
// put it; names placed before count for the names after, as the names in a row at an end of a
// track place each other. Whether a name fits is judged only once every name has its place, and
// for all of them together: a name that fits nowhere may pull its neighbours off the track. While
// any misfits, the name left out is the one whose leaving out leaves the fewest misfits, so that a
// wrong name goes with the misfits it causes and never costs a right one; of those, the one that
// fits worst.
void placeNamesOnTheWay(Entries &entries)
{
    for (qsizetype i : std::as_const(entries.names)) {
        if (entries.chosen.at(i) || entries.found.at(i).isEmpty())
            continue;
        if (knownBeside(entries, i, -1) < 0 && knownBeside(entries, i, 1) < 0)
            continue;
        const QList<Point *> &found = entries.found.at(i);
        entries.choose(i, *std::min_element(found.cbegin(), found.cend(), [&](const Point *a, const Point *b) {
                           return misfit(entries, i, a->position()) < misfit(entries, i, b->position());
                       }));
    }
    // Each placed name's misfit, kept as names are left out: only those judged with a name change.
    QList<double> fits(entries.count(), 0.0);
    const auto judge = [&entries, &fits](const QList<qsizetype> &names) {
        for (qsizetype i : names) {
            if (entries.chosen.at(i))
                fits[i] = misfit(entries, i);
        }
    };
    judge(entries.names);
    const auto misfitting = [&](qsizetype i) { return entries.chosen.at(i) && fits.at(i) > 1.0; };
    for (;;) {
        QList<qsizetype> misfits;
        std::copy_if(entries.names.cbegin(), entries.names.cend(), std::back_inserter(misfits), misfitting);
        if (misfits.isEmpty())
            return;
        // No real track has this many names: where they misfit at once, none can vouch for another,
        // and weighing each against all would hold the event loop for seconds.
        if (misfits.size() > kManyMisfits) {
            for (qsizetype i : std::as_const(misfits))
                entries.leaveOut(i);
            judge(entries.names);
            continue;
        }
        QList<qsizetype> candidates;
        for (qsizetype i : std::as_const(misfits))
            candidates.append(judgedWith(entries, i));
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
        qsizetype worst = -1;
        qsizetype fewest = 0;
        for (qsizetype i : std::as_const(candidates)) {
            const QList<qsizetype> judged = judgedWith(entries, i);
            Point *const point = entries.chosen.at(i);
            const qsizetype before = std::count_if(judged.cbegin(), judged.cend(), misfitting);
            entries.leaveOut(i);
            const qsizetype after = std::count_if(judged.cbegin(), judged.cend(), [&entries](qsizetype j) {
                return entries.chosen.at(j) && misfit(entries, j) > 1.0;
            });
            entries.choose(i, point);
            const qsizetype left = misfits.size() - before + after;
            if (worst < 0 || left < fewest || (left == fewest && fits.at(i) > fits.at(worst))) {
                worst = i;
                fewest = left;
            }
        }
        const QList<qsizetype> judged = judgedWith(entries, worst);
        entries.leaveOut(worst);
        judge(judged);
    }
}

} // namespace

Tracks::Tracks(Database *database)
    : QNetworkAccessManager(nullptr)
    , m_database(database)
{
    if (!database)
        qFatal("Cannot create Tracks object with NULL pointers!");
    m_regions = {QStringLiteral("EI"), QStringLiteral("EG"), QStringLiteral("CY"), QStringLiteral("KZ"),
                 QStringLiteral("K6"), QStringLiteral("K2"), QStringLiteral("K1"), QStringLiteral("P"),
                 QStringLiteral("PH"), QStringLiteral("PA"), QStringLiteral("RJ"), QStringLiteral("RO")};
    connect(this, &QNetworkAccessManager::finished, this, &Tracks::received);
    setAutoDeleteReplies(true);
    setTransferTimeout(TrackTransferTimeoutMs);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &Tracks::process);
}

Tracks::~Tracks()
{
    clearIndexes();
    qDeleteAll(m_segments);
    m_segments.clear();
}

void Tracks::setUpdating(bool updating)
{
    if (m_updating == updating)
        return;
    m_updating = updating;
    emit updated();
}

void Tracks::setLog(const QString &log)
{
    if (m_log == log)
        return;
    m_log = log;
    emit updated();
}

QString Tracks::serviceUrl()
{
    return Settings::getString(QStringLiteral("database/tracksUrl"),
                               QStringLiteral("https://tracks.waylore.example/track"));
}

void Tracks::update()
{
    if (m_updating)
        return;
    m_updating = true;
    m_failed = false;
    if (!m_log.isEmpty())
        m_log.clear();
    emit updated();
    loadFile(serviceUrl());
}

void Tracks::loadFile(const QString &url)
{
    qInfo() << "Start downloading" << url;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(transferTimeout());
    ReplyGuard::attach(ReplyGuard::get(this, request), MaxAnswerBytes, DeadlineMs);
}

void Tracks::received(QNetworkReply *reply)
{
    if (!reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    const QByteArray body = ReplyGuard::body(reply);
    qInfo() << "Download finished" << error << body.size();
    if (!m_updating) {
        // Only a run asks for tracks; a reply without one has nobody to hand its tracks to.
        qWarning() << "Track reply outside an update run ignored";
        return;
    }
    if (error != QNetworkReply::NoError || ReplyGuard::stopped(reply) != ReplyGuard::Stop::None) {
        qWarning() << "Cannot download tracks, error" << error << reply->errorString();
        // Only the transfer timeout cancels a request here.
        const QString why = ReplyGuard::failure(reply);
        fail(tr("Cannot download tracks: %1").arg(why.isEmpty() ? reply->errorString() : why));
        return;
    }
    if (body.trimmed().isEmpty()) {
        fail(tr("Cannot read tracks: the answer is empty."));
        return;
    }
    parse(QString::fromUtf8(body));
}

void Tracks::parse(const QString &text)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qWarning() << "JSON parse error:" << parseError.errorString();
        fail(tr("Cannot read tracks: %1").arg(parseError.errorString()));
        return;
    }
    if (!document.isArray()) {
        fail(tr("Cannot read tracks: expected a list of tracks."));
        return;
    }
    // Laying no track would take every track from the plans that fly one.
    if (document.array().isEmpty()) {
        fail(tr("Cannot read tracks: the answer holds no track."));
        return;
    }
    m_array = document.array();
    m_nextObject = 0;
    m_nextPoint = 0;
    m_generation = m_database->generation();
    m_timer.start();
}

void Tracks::clearIndexes()
{
    if (!m_pointsByCode.holdsMemory() && !m_pointsByName.holdsMemory() && !m_pointsByPlace.holdsMemory())
        return;
    // Freeing a world's worth of index blocks takes milliseconds: another thread frees them, as
    // the database frees the lists it retires. They hold only pointers, never followed there,
    // and texts whose counts are atomic.
    OrderedParallel::beside([code = std::exchange(m_pointsByCode, {}), name = std::exchange(m_pointsByName, {}),
                             place = std::exchange(m_pointsByPlace, {})] {
    }).detach();
}

void Tracks::restartResolution()
{
    clearIndexes();
    qDeleteAll(m_segments);
    m_segments.clear();
    m_nextObject = 0;
    m_nextPoint = 0;
    m_log.clear();
}

void Tracks::process()
{
    QElapsedTimer elapsed;
    elapsed.start();

    // The indexes point into the database's point list: while a load or import rewrites
    // it nothing is read, and once it has changed the resolution starts over.
    const qint64 generation = m_database->generation();
    if (generation == 0)
        return;
    if (generation != m_generation) {
        qInfo() << "Navigation database changed, resolving tracks again";
        restartResolution();
        m_generation = generation;
    }

    // Phase 1: index the fixes, all of them before the first track. Sized up front, the
    // hashes never rehash a hundred thousand entries inside one slice.
    if (m_nextPoint == 0 && !m_array.isEmpty()) {
        m_pointsByCode.reserve(Database::pointCount());
        m_pointsByName.reserve(Database::pointCount());
        m_pointsByPlace.reserve(Database::pointCount());
    }
    while (m_nextPoint < Database::pointCount() && !m_array.isEmpty()) {
        Point *point = Database::pointAt(m_nextPoint);
        ++m_nextPoint;
        indexPoint(point);
        if (elapsed.nsecsElapsed() > SliceNanoseconds)
            return;
    }

    // Phase 2: one track per object.
    while (m_nextObject < m_array.size()) {
        const QJsonObject object = m_array.at(m_nextObject).toObject();
        ++m_nextObject;

        QStringList items;
        items.append(jsonString(object, QStringLiteral("code")));
        items.append(jsonString(object, QStringLiteral("p0_code")));
        const QJsonArray route = object.value(QStringLiteral("route")).toArray();
        for (qsizetype k = 0; k < route.size(); ++k)
            items.append(route.at(k).toString());
        items.append(jsonString(object, QStringLiteral("p1_code")));

        const QString type = jsonString(object, QStringLiteral("type"));
        QStringList leftOut;
        if (type == QLatin1String("N"))
            leftOut = addTrack(NatKind, items);
        else if (type == QLatin1String("P"))
            leftOut = addTrack(PacotsKind, items);
        else
            qWarning() << "Unknown track type" << object.value(QStringLiteral("code"));
        logTrack(type, items, leftOut);

        if (elapsed.nsecsElapsed() > SliceNanoseconds) {
            emit updated();
            return;
        }
    }

    // The handover takes milliseconds: it gets a slice of its own.
    clearIndexes();
    if (elapsed.nsecsElapsed() > SliceNanoseconds / 4)
        return;

    m_timer.stop();
    if (m_segments.isEmpty()) {
        fail(tr("No track could be laid on the fixes of the database."));
        return;
    }
    m_database->replaceSegments(Segment::TRACK, m_segments);
    m_segments.clear();
    // Only the segments changed: their model alone is refreshed, and the database's updated
    // still reaches everyone who listens to it.
    m_database->segmentsReplaced();
    reset();
}

void Tracks::logTrack(const QString &type, const QStringList &items, const QStringList &leftOut)
{
    // The service's texts end up in rich text: escaped, so that they stay plain text.
    m_log += QLatin1Char('-') + RichText::nbsp() + type.toHtmlEscaped() + QLatin1Char('/')
             + items.join(QLatin1Char(' ')).toHtmlEscaped() + RichText::br();
    if (!leftOut.isEmpty())
        m_log += RichText::nbsp() + RichText::nbsp()
                 + tr("Left out: %1").arg(leftOut.join(QLatin1Char(' '))).toHtmlEscaped() + RichText::br();
}

void Tracks::indexPoint(Point *point)
{
    if (!point || point->type() != Point::FIX || point->terminal() != QLatin1String("ENRT"))
        return;
    // A coordinate's fix is told by its place, so that it serves whatever its region.
    m_pointsByPlace.insert(placeKey(point->position()), point);
    if (!m_regions.contains(point->region()))
        return;
    const QString code = point->code();
    if (!code.isEmpty())
        m_pointsByCode.insert(code, point);
    const QString name = point->name();
    if (!name.isEmpty())
        m_pointsByName.insert(name, point);
}

QGeoCoordinate Tracks::parseCoordinate(const QString &text)
{
    // clang-format off
    static const QRegularExpression formA(QStringLiteral(
        "\\A(?<latdeg>\\d{2})(?<latmin>[0-5]\\d)?(?<latstr>[NS])(?<londeg>\\d{3})(?<lonmin>[0-5]\\d)?(?<lonstr>[EW])\\z"));
    // clang-format on
    static const QRegularExpression formB(
        QStringLiteral("\\A(?<latdeg>\\d{2})(?<latmin>[0-5]\\d)?/(?<londeg>\\d{2})(?<lonmin>[0-5]\\d)?\\z"));

    auto value = [](const QRegularExpressionMatch &match, const char *degrees, const char *minutes) {
        return match.captured(QLatin1String(degrees)).toInt() + match.captured(QLatin1String(minutes)).toInt() / 60.0;
    };

    QGeoCoordinate position;
    QRegularExpressionMatch match = formA.match(text);
    if (match.hasMatch()) {
        double latitude = value(match, "latdeg", "latmin");
        double longitude = value(match, "londeg", "lonmin");
        if (match.captured(QStringLiteral("latstr")) == QLatin1String("S"))
            latitude = -latitude;
        if (match.captured(QStringLiteral("lonstr")) == QLatin1String("W"))
            longitude = -longitude;
        position = QGeoCoordinate(latitude, longitude);
    } else {
        match = formB.match(text);
        if (!match.hasMatch())
            return QGeoCoordinate();
        position = QGeoCoordinate(value(match, "latdeg", "latmin"), -value(match, "londeg", "lonmin"));
    }
    return position.isValid() ? position : QGeoCoordinate();
}

QList<Point *> Tracks::candidates(int kind, const QString &entry, QGeoCoordinate *position) const
{
    *position = kind == NatKind ? natCodeCoordinate(entry) : QGeoCoordinate();
    if (!position->isValid())
        *position = parseCoordinate(entry);
    if (!position->isValid()) {
        QList<Point *> points = m_pointsByName.values(entry);
        // Of namesakes, only those on the track's own ocean serve; on a NAT not even a name's only
        // fix beyond the North Atlantic does: with unknown entries between it and the track's
        // known points, the reach allowed per entry spans the ocean.
        if (points.size() > 1 || kind == NatKind)
            points.removeIf([kind](const Point *point) { return !onOcean(kind, point->position()); });
        return points;
    }
    if (kind != NatKind && kind != PacotsKind)
        return {};
    const QString code = kind == NatKind ? natCode(*position) : pacotsCode(*position);
    QList<Point *> points = code.isEmpty() ? QList<Point *>() : m_pointsByCode.values(code);
    // The fixes of the code first; for a PACOTS the name serves where none of them lies at the
    // coordinate.
    if (kind == PacotsKind)
        points.append(m_pointsByName.values(entry));
    // Data sets write some coordinate fixes the other way round (45N50 at 45N 50W): whatever its
    // code, a fix at the coordinate marks it.
    points.append(fixesAt(*position));
    return points;
}

QList<Point *> Tracks::fixesAt(const QGeoCoordinate &position) const
{
    // A mile is a minute of latitude, and more minutes of longitude the further from the equator.
    const double cosine = std::cos(qDegreesToRadians(position.latitude()));
    const int spread = cosine > 1.0 / 60.0 ? int(std::ceil(1.0 / cosine)) + 1 : 60;
    const qint64 latitude = qRound64(position.latitude() * 60.0);
    const qint64 longitude = qRound64(position.longitude() * 60.0);
    QList<Point *> points;
    for (qint64 dLatitude = -2; dLatitude <= 2; ++dLatitude)
        for (qint64 dLongitude = -spread; dLongitude <= spread; ++dLongitude)
            points.append(m_pointsByPlace.values(placeKey(latitude + dLatitude, longitude + dLongitude)));
    return points;
}

QStringList Tracks::addTrack(int kind, const QStringList &items)
{
    qInfo() << "Adding track" << items;
    if (items.size() < 3)
        return {};
    const QString prefix = kind == NatKind      ? QStringLiteral("NAT")
                           : kind == PacotsKind ? QStringLiteral("PACOT")
                                                : QString();

    // Data sets name coordinate fixes differently (56N50 may be 56N 50W or 56N 150W), and fixes
    // of one name may lie oceans apart: a coordinate takes only a fix at itself, a name only a
    // fix where its neighbours in the message put it.
    Entries entries(items.size() - 1);
    for (qsizetype i = 0; i < entries.count(); ++i) {
        entries.found[i] = candidates(kind, items.at(i + 1), &entries.known[i]);
        if (entries.known.at(i).isValid())
            placeCoordinate(entries, i);
        else
            entries.names.append(i);
    }
    if (entries.names.size() == entries.count())
        placeUnambiguousNames(entries);
    placeNamesOnTheWay(entries);
    return layTrack(prefix + items.first(), items.mid(1), entries.chosen);
}

QStringList Tracks::layTrack(const QString &name, const QStringList &entries, const QList<Point *> &chosen)
{
    QStringList leftOut;
    Point *last = nullptr;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Point *point = chosen.at(i);
        if (!point) {
            qInfo() << "Track point" << entries.at(i) << "not found!";
            leftOut.append(entries.at(i));
            continue;
        }
        // The entries left out between two points that lie where the message puts them are
        // bridged by one leg, however long: the track flies it.
        if (Point *from = std::exchange(last, point)) {
            if (m_updating)
                m_segments.append(new Segment(Segment::FORWARD, Segment::TRACK, from, point, name, 0, 0));
            else
                addPredefinedSegment(from, point, name);
        }
    }
    if (!last)
        qWarning() << "Skipping track" << name << "since no points could be resolved";
    return leftOut;
}

// A second import or a second call must not lay the same track twice over itself.
void Tracks::addPredefinedSegment(Point *from, Point *to, const QString &name)
{
    auto *segment = new Segment(Segment::FORWARD, Segment::TRACK, from, to, name, 0, 0);
    const Segment *existing = Database::findSegment(segment->uid(), false);
    if (existing && existing->type() == Segment::TRACK && existing->from() == from && existing->to() == to) {
        delete segment;
        return;
    }
    m_database->addSegment(segment);
}

void Tracks::defaults()
{
    if (m_updating)
        return;

    // The fix that the NAT rule names for 41°30'N 60°W, which the navigation data lacks; an
    // earlier call (or the data itself) may have brought it already.
    const QGeoCoordinate extraPosition(41.5, -60.0);
    const QString extraUid = Point::uidFor(QStringLiteral("K6"), QStringLiteral("ENRT"), QStringLiteral("H4160"));
    const Point *present = Database::findPoint(extraUid, false);
    if (!present || present->type() != Point::FIX || present->position() != extraPosition)
        m_database->addPoint(new Point(Point::FIX, extraPosition, QStringLiteral("H4160"), QStringLiteral("ENRT"),
                                       QStringLiteral("K6"), QStringLiteral("4130N06000W"), 0, 0.0f, QString()));

    clearIndexes();
    const int count = Database::pointCount();
    for (int row = 0; row < count; ++row)
        indexPoint(Database::pointAt(row));

    qInfo() << "Adding predefined NAT";
    for (const QStringList &row : PredefinedTracks::nat())
        addTrack(NatKind, row);
    qInfo() << "Adding predefined PACOTS";
    for (const QStringList &row : PredefinedTracks::pacots())
        addTrack(PacotsKind, row);
    qInfo() << "Adding predefined AUSSOTS";

    clearIndexes();
}

void Tracks::fail(const QString &message)
{
    m_log += message.toHtmlEscaped();
    m_failed = true;
    reset();
}

void Tracks::reset()
{
    m_timer.stop();
    m_array = QJsonArray();
    clearIndexes();
    qDeleteAll(m_segments);
    m_segments.clear();
    m_updating = false;
    emit updated();
}
