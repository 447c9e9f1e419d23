#include "tracks.h"

#include "database.h"
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

#include <algorithm>
#include <cmath>

namespace {

// A slice hands the event loop back once it has worked this long; one more item never
// takes it past 5 ms.
constexpr qint64 SliceNanoseconds = 3'500'000;
constexpr int TransferTimeoutMs = 30000;
// A day's tracks are a few tens of kilobytes; a longer or endless answer is broken off.
constexpr qint64 MaxAnswerBytes = 4 * 1024 * 1024;
constexpr int DeadlineMs = 120000;
constexpr int NatKind = 1;
constexpr int PacotsKind = 2;
// A coordinate's fix lies at the coordinate; data sets round positions to far less than this.
constexpr double kAtCoordinateNm = 1.0;
// A named fix lies at most this far, per entry between them, from the track's nearest known
// point: further than any leg of a real track, much less than an ocean.
constexpr double kReachPerEntryNm = 1200.0;

double distanceNm(const QGeoCoordinate &from, const QGeoCoordinate &to)
{
    return Unit::convertMeterToNm(from.distanceTo(to));
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
    setTransferTimeout(TransferTimeoutMs);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &Tracks::process);
}

Tracks::~Tracks()
{
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
    ReplyGuard::attach(get(request), MaxAnswerBytes, DeadlineMs);
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
        const QString stopped = ReplyGuard::reason(reply);
        m_log
            = tr("Cannot download tracks: %1").arg(stopped.isEmpty() ? reply->errorString() : stopped).toHtmlEscaped();
        reset();
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
        m_log = tr("Cannot read tracks: %1").arg(parseError.errorString()).toHtmlEscaped();
        reset();
        return;
    }
    if (!document.isArray()) {
        m_log = tr("Cannot read tracks: expected a list of tracks.");
        reset();
        return;
    }
    m_array = document.array();
    m_nextObject = 0;
    m_nextPoint = 0;
    m_generation = m_database->generation();
    m_timer.start();
}

void Tracks::restartResolution()
{
    m_pointsByCode.clear();
    m_pointsByName.clear();
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
        for (const QJsonValue &value : route)
            items.append(value.toString());
        items.append(jsonString(object, QStringLiteral("p1_code")));

        const QString type = jsonString(object, QStringLiteral("type"));
        if (type == QLatin1String("N"))
            addTrack(NatKind, items);
        else if (type == QLatin1String("P"))
            addTrack(PacotsKind, items);
        else
            qWarning() << "Unknown track type" << object.value(QStringLiteral("code"));

        // The service's texts end up in rich text: escaped, so that they stay plain text.
        m_log += QLatin1Char('-') + RichText::nbsp() + type.toHtmlEscaped() + QLatin1Char('/')
                 + items.join(QLatin1Char(' ')).toHtmlEscaped() + RichText::br();

        if (elapsed.nsecsElapsed() > SliceNanoseconds) {
            emit updated();
            return;
        }
    }

    // Releasing a world's worth of index entries takes milliseconds, and so does the
    // handover: each gets a slice of its own.
    for (QMultiHash<QString, Point *> *index : {&m_pointsByCode, &m_pointsByName}) {
        auto it = index->begin();
        while (it != index->end()) {
            it = index->erase(it);
            if (elapsed.nsecsElapsed() > SliceNanoseconds)
                return;
        }
        index->squeeze();
    }
    if (elapsed.nsecsElapsed() > SliceNanoseconds / 4)
        return;

    m_timer.stop();
    m_database->replaceSegments(Segment::TRACK, m_segments);
    m_segments.clear();
    // Only the segments changed: their model alone is refreshed, and the database's updated
    // still reaches everyone who listens to it.
    m_database->segmentsReplaced();
    reset();
}

void Tracks::indexPoint(Point *point)
{
    if (!point || point->type() != Point::FIX || point->terminal() != QLatin1String("ENRT")
        || !m_regions.contains(point->region()))
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

QList<Point *> Tracks::valuesOf(const QMultiHash<QString, Point *> &index, const QString &key)
{
    // The hash gives the latest first; row order keeps the first fix first on a tie.
    QList<Point *> values = index.values(key);
    std::reverse(values.begin(), values.end());
    return values;
}

QList<Point *> Tracks::candidates(int kind, const QString &entry, QGeoCoordinate *position) const
{
    *position = parseCoordinate(entry);
    if (!position->isValid())
        return valuesOf(m_pointsByName, entry);
    if (kind == NatKind) {
        const QString code = natCode(*position);
        return code.isEmpty() ? QList<Point *>() : valuesOf(m_pointsByCode, code);
    }
    if (kind == PacotsKind) {
        // The fixes of the code first: the name serves where none of them lies at the coordinate.
        const QString code = pacotsCode(*position);
        QList<Point *> points = code.isEmpty() ? QList<Point *>() : valuesOf(m_pointsByCode, code);
        points.append(valuesOf(m_pointsByName, entry));
        return points;
    }
    return {};
}

void Tracks::addTrack(int kind, const QStringList &items)
{
    qInfo() << "Adding track" << items;
    if (items.size() < 3)
        return;
    const QString prefix = kind == NatKind      ? QStringLiteral("NAT")
                           : kind == PacotsKind ? QStringLiteral("PACOT")
                                                : QString();
    const QString name = prefix + items.first();

    // Data sets name coordinate fixes differently (56N50 may be 56N 50W or 56N 150W), and fixes
    // of one name may lie oceans apart: a coordinate takes only a fix at itself, a name only a
    // fix within reach of the track's nearest known point.
    const qsizetype count = items.size() - 1;
    QList<QList<Point *>> found(count);
    QList<QGeoCoordinate> known(count);
    QList<Point *> chosen(count, nullptr);
    QList<qsizetype> names;
    for (qsizetype i = 0; i < count; ++i) {
        found[i] = candidates(kind, items.at(i + 1), &known[i]);
        if (!known.at(i).isValid()) {
            names.append(i);
            continue;
        }
        // The track passes the coordinate whether or not a fix marks it.
        Point *nearest = Database::nearestTo(found.at(i), known.at(i));
        if (nearest && distanceNm(nearest->position(), known.at(i)) <= kAtCoordinateNm)
            chosen[i] = nearest;
    }
    const bool hasCoordinates = names.size() < count;
    if (!hasCoordinates) {
        // A track of names alone: its unambiguous fixes place it where two of them agree, or
        // where the only one lies.
        QList<qsizetype> seeds;
        for (qsizetype i : std::as_const(names)) {
            if (found.at(i).size() == 1)
                seeds.append(i);
        }
        for (qsizetype i : std::as_const(seeds)) {
            const QGeoCoordinate here = found.at(i).constFirst()->position();
            const bool agreed = seeds.size() == 1 || std::any_of(seeds.cbegin(), seeds.cend(), [&](qsizetype j) {
                                    return j != i
                                           && distanceNm(here, found.at(j).constFirst()->position())
                                                  <= kReachPerEntryNm * double(std::abs(j - i));
                                });
            if (agreed) {
                chosen[i] = found.at(i).constFirst();
                known[i] = here;
            }
        }
        // Nothing to go by: the first name that has fixes takes the first of them.
        if (seeds.isEmpty()) {
            for (qsizetype i : std::as_const(names)) {
                if (!found.at(i).isEmpty()) {
                    chosen[i] = found.at(i).constFirst();
                    known[i] = chosen.at(i)->position();
                    break;
                }
            }
        }
    }
    // The nearest known point along the track, the one before on a tie.
    auto anchor = [&](qsizetype i) -> qsizetype {
        for (qsizetype step = 1; step < count; ++step) {
            if (i - step >= 0 && known.at(i - step).isValid())
                return i - step;
            if (i + step < count && known.at(i + step).isValid())
                return i + step;
        }
        return -1;
    };
    for (qsizetype i : std::as_const(names)) {
        if (chosen.at(i) || found.at(i).isEmpty())
            continue;
        const qsizetype j = anchor(i);
        if (j < 0)
            continue;
        Point *nearest = Database::nearestTo(found.at(i), known.at(j));
        if (distanceNm(nearest->position(), known.at(j)) <= kReachPerEntryNm * double(std::abs(j - i))) {
            chosen[i] = nearest;
            known[i] = nearest->position();
        }
    }

    QList<Point *> points;
    for (qsizetype i = 0; i < count; ++i) {
        if (chosen.at(i))
            points.append(chosen.at(i));
        else
            qInfo() << "Track point" << items.at(i + 1) << "not found!";
    }
    if (points.isEmpty()) {
        qWarning() << "Skipping track" << name << "since no points could be resolved";
        return;
    }
    for (int i = 1; i < points.size(); ++i) {
        if (m_updating)
            m_segments.append(
                new Segment(Segment::FORWARD, Segment::TRACK, points.at(i - 1), points.at(i), name, 0, 0));
        else
            addPredefinedSegment(points.at(i - 1), points.at(i), name);
    }
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

    m_pointsByCode.clear();
    m_pointsByName.clear();
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

    m_pointsByCode.clear();
    m_pointsByName.clear();
}

void Tracks::reset()
{
    m_timer.stop();
    m_array = QJsonArray();
    m_pointsByCode.clear();
    m_pointsByName.clear();
    qDeleteAll(m_segments);
    m_segments.clear();
    m_updating = false;
    emit updated();
}
