// How long a track download holds the event loop at a time: a world-size set of fixes, a
// reply with many NAT and PACOTS tracks from a local server, and the longest single event
// handled on the main thread while the run lasts.
// Given a simulator folder, it first lays the predefined tracks on that folder's fixes and
// lists each track's legs and pieces and the legs that reach a fix on another ocean, then
// downloads tracks as a service may send them (coordinates written as their fixes' codes, names
// known only far from the track or off it, coordinates without fixes) and lists their legs and
// the log.

#include "benchsupport.h"
#include "database.h"
#include "fixreader.h"
#include "orderedparallel.h"
#include "point.h"
#include "predefinedtracks.h"
#include "segment.h"
#include "settings.h"
#include "tracks.h"
#include "unit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {

// The CPU time the calling thread has had: on a shared machine an event may take long while its
// thread waits for a core.
qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Times every event delivered at the outermost level, which is what the user interface
// waits for between two frames.
class TimedApplication : public QCoreApplication
{
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        // Every thread's events come through here, the network layer's own thread's among them:
        // the figures are the main thread's, and the members are only its to touch.
        if (QThread::currentThread() != thread())
            return QCoreApplication::notify(receiver, event);
        if (m_depth++ > 0 || !m_measuring) {
            const bool result = QCoreApplication::notify(receiver, event);
            --m_depth;
            return result;
        }
        // A single-shot timer deletes itself while its event is handled: what is shown of the
        // receiver is read before.
        const char *receiverClass = m_verbose ? receiver->metaObject()->className() : nullptr;
        const QEvent::Type type = event->type();
        const qint64 cpuStart = threadCpuNanoseconds();
        QElapsedTimer timer;
        timer.start();
        const bool result = QCoreApplication::notify(receiver, event);
        const qint64 ns = timer.nsecsElapsed();
        const qint64 cpu = threadCpuNanoseconds() - cpuStart;
        --m_depth;
        m_longest = std::max(m_longest, ns);
        m_longestCpu = std::max(m_longestCpu, cpu);
        m_durations.append(ns);
        ++m_events;
        if (ns > 4'000'000)
            ++m_over4ms;
        if (ns > 16'000'000)
            ++m_over16ms;
        if (ns > 5'000'000) {
            ++m_over5ms;
            if (m_verbose)
                QTextStream(stdout) << "  " << ns / 1e6 << " ms (" << cpu / 1e6 << " ms on a core): " << receiverClass
                                    << " event " << type << "\n";
        }
        return result;
    }

    QList<qint64> m_durations;
    const bool m_verbose = qEnvironmentVariableIsSet("BENCH_VERBOSE");
    bool m_measuring = false;
    int m_depth = 0;
    qint64 m_longest = 0;
    qint64 m_longestCpu = 0;
    int m_events = 0;
    int m_over4ms = 0;
    int m_over5ms = 0;
    int m_over16ms = 0;
};

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QJsonObject track(const QString &type, const QString &code, const QStringList &points)
{
    QJsonObject object;
    object.insert(QStringLiteral("type"), type);
    object.insert(QStringLiteral("code"), code);
    object.insert(QStringLiteral("p0_code"), points.first());
    QJsonArray route;
    for (int i = 1; i + 1 < points.size(); ++i)
        route.append(points.at(i));
    object.insert(QStringLiteral("route"), route);
    object.insert(QStringLiteral("p1_code"), points.last());
    return object;
}

// Where a track's coordinate entries lie, read the plain way: 56/20 and 5620N are 56N 20W,
// 26N170W and 3030N14000W say their hemispheres.
QList<QGeoCoordinate> coordinatesOf(const QStringList &row)
{
    static const QRegularExpression slash(QStringLiteral("^(\\d{2})(\\d{2})?/(\\d{2})(\\d{2})?$"));
    static const QRegularExpression code(QStringLiteral("^(\\d{2})()(\\d{2})()N$"));
    static const QRegularExpression letters(QStringLiteral("^(\\d{2})(\\d{2})?([NS])(\\d{3})(\\d{2})?([EW])$"));
    QList<QGeoCoordinate> result;
    for (const QString &entry : row.mid(1)) {
        const auto angle = [](const QRegularExpressionMatch &match, int degrees) {
            return match.captured(degrees).toInt() + match.captured(degrees + 1).toInt() / 60.0;
        };
        QRegularExpressionMatch match = slash.match(entry);
        if (!match.hasMatch())
            match = code.match(entry);
        if (match.hasMatch()) {
            result.append(QGeoCoordinate(angle(match, 1), -angle(match, 3)));
            continue;
        }
        match = letters.match(entry);
        if (match.hasMatch())
            result.append(QGeoCoordinate(match.captured(3) == QLatin1String("S") ? -angle(match, 1) : angle(match, 1),
                                         match.captured(6) == QLatin1String("W") ? -angle(match, 4) : angle(match, 4)));
    }
    return result;
}

QString where(const Point *point)
{
    return QStringLiteral("%1 (%2 %3)")
        .arg(point->code())
        .arg(point->latitude(), 0, 'f', 1)
        .arg(point->longitude(), 0, 'f', 1);
}

// A fix this far from every coordinate of its track lies on another ocean: the entry and exit
// fixes of a real track lie a few hundred miles from its first and last coordinates.
constexpr double kOceanAwayNm = 1500.0;
// A coordinate's fix lies at the coordinate.
constexpr double kAtCoordinateNm = 1.0;

// The track segments of one name as the chains they form, in the order laid: "A-B-C | D-E".
QString pieces(const QString &name, int *legs, int *count, double *longest)
{
    QStringList chains;
    const Point *last = nullptr;
    for (int row = 0; row < Database::segmentCount(); ++row) {
        const Segment *segment = Database::segmentAt(row);
        if (!segment || segment->type() != Segment::TRACK || segment->name() != name)
            continue;
        ++*legs;
        *longest = std::max(*longest, segment->from()->distanceTo(segment->to()));
        if (segment->from() != last)
            chains.append(segment->from()->code());
        chains.last() += QLatin1Char('-') + segment->to()->code();
        last = segment->to();
    }
    *count = int(chains.size());
    return chains.join(QStringLiteral(" | "));
}

// The predefined tracks laid on the fixes of the folder's earth_fix.dat: each track's legs and
// pieces, and the points that lie on another ocean (kOceanAwayNm or more from every coordinate
// of their track; for a track of names only, a leg that long). -1 when the file cannot be read.
int predefinedOnFolder(Database &database, const QString &folder, QTextStream &out)
{
    const QString path = QDir(folder).filePath(QStringLiteral("Resources/default data/earth_fix.dat"));
    if (!QFileInfo::exists(path))
        return -1;
    database.clear();
    database.beginModifying();
    FixReader reader(&database, [](const QString &) {});
    const int result = reader.read(path);
    database.endModifying();
    if (result != 0)
        return -1;
    {
        Tracks predefined(&database);
        predefined.defaults();
    }
    QList<QPair<QString, QStringList>> rows;
    for (const QStringList &row : PredefinedTracks::nat())
        rows.append({QStringLiteral("NAT") + row.first(), row});
    for (const QStringList &row : PredefinedTracks::pacots())
        rows.append({QStringLiteral("PACOT") + row.first(), row});

    int legs = 0;
    int broken = 0;
    double longest = 0.0;
    for (const auto &[name, row] : std::as_const(rows)) {
        int trackLegs = 0;
        int count = 0;
        double trackLongest = 0.0;
        const QString chains = pieces(name, &trackLegs, &count, &trackLongest);
        legs += trackLegs;
        broken += count > 1 ? 1 : 0;
        longest = std::max(longest, trackLongest);
        out << "  " << name << ": " << trackLegs << " legs in " << count << (count == 1 ? " piece" : " pieces")
            << ", the longest " << qRound(trackLongest) << " NM: " << chains << "\n";
    }

    QHash<QString, QList<QGeoCoordinate>> coordinates;
    for (const auto &[name, row] : std::as_const(rows))
        coordinates.insert(name, coordinatesOf(row));
    const auto away = [](const Point *point, const QList<QGeoCoordinate> &track) {
        return std::all_of(track.begin(), track.end(), [point](const QGeoCoordinate &position) {
            return Unit::convertMeterToNm(point->position().distanceTo(position)) >= kOceanAwayNm;
        });
    };
    int count = 0;
    QSet<QString> tracks;
    for (int row = 0; row < Database::segmentCount(); ++row) {
        const Segment *segment = Database::segmentAt(row);
        if (!segment || segment->type() != Segment::TRACK)
            continue;
        const QList<QGeoCoordinate> track = coordinates.value(segment->name());
        const double nm = segment->from()->distanceTo(segment->to());
        const bool wrong
            = track.isEmpty() ? nm >= kOceanAwayNm : away(segment->from(), track) || away(segment->to(), track);
        if (!wrong)
            continue;
        ++count;
        tracks.insert(segment->name());
        out << "  " << segment->name() << ": " << where(segment->from()) << " to " << where(segment->to()) << ", "
            << qRound(nm) << " NM\n";
    }
    out << "predefined tracks on " << folder << ": " << legs << " legs, " << broken
        << " tracks in more than one piece, the longest leg " << qRound(longest) << " NM\n";
    out << "legs reaching a fix on another ocean: " << count << ", in " << tracks.size() << " tracks (goal 0)\n";
    return count;
}

// Tracks as a service may send them: NAT coordinates written as their fixes' codes, which a real
// world names otherwise (56N20); and messages whose entries lie where no fix of theirs does (a
// name known only a continent away, Pacific coordinates without fixes). Type, identifier, points.
constexpr const char *kMessages[] = {
    "N I PIKIL 5620N 5730N 5740N 5650N PRAWN",
    "N J RESNO 5520N 5630N 56/40 5550N OYSTR",
    "N K DOGAL 5420N 5530N 55/40 5450N LOGSU",
    "N E MALOT 5320N NOSUCH NOSUC2 REUTR NOSUC3 5350N CRONO",
    // ADVEG, in Quebec, lies 850 NM beyond 53N50's end of the leg.
    "N L MALOT 5320N NOSUCH NOSUC2 ADVEG NOSUC3 5350N CRONO",
    "P 11 SEALS 36N150E 37N160E 36N170E 33N180E 29N170W DANNO",
    // NADMA lies in Baffin Bay, at right angles to the track 1,156 NM off its end.
    "N T MALOT 5320N 5430N 5440N 5350N NADMA",
    // BACKF, added below at 53N 20W, lies back over the whole track beyond a short last leg.
    "N M 53/40 53/50 CRONO BACKF",
    // DOGIF lies 448 NM south of the leg it is named on; DANNO is the right last entry.
    "P S SEALS 36N150E 36N160E 34N180E DOGIF 30N160W DANNO",
};

// Downloads kMessages from the local server onto the database's fixes with the given tracks and
// lists every leg and what the log names as left out; returns the coordinates of the NAT
// messages that no fix of their track marks.
int messagesLaid(Database &database, Tracks &tracks, QByteArray &body, QTextStream &out)
{
    QJsonArray array;
    QList<QStringList> rows;
    for (const char *line : kMessages) {
        rows.append(QString::fromLatin1(line).split(QLatin1Char(' ')));
        array.append(track(rows.last().at(0), rows.last().at(1), rows.last().mid(2)));
    }
    body = QJsonDocument(array).toJson(QJsonDocument::Compact);
    database.addPoint(new Point(Point::FIX, QGeoCoordinate(53.0, -20.0), QStringLiteral("BACKF"),
                                QStringLiteral("ENRT"), QStringLiteral("EI"), QStringLiteral("BACKF"), 0, 0.0f,
                                QString()));
    QEventLoop loop;
    QObject::connect(&tracks, &Tracks::updated, &loop, [&] {
        if (!tracks.updating())
            loop.quit();
    });
    tracks.update();
    loop.exec();

    int coordinates = 0;
    int leftOut = 0;
    for (const QStringList &fields : std::as_const(rows)) {
        const bool nat = fields.first() == QLatin1String("N");
        const QStringList row = fields.mid(1);
        const QString name = (nat ? QStringLiteral("NAT") : QStringLiteral("PACOT")) + row.first();
        QList<const Point *> ends;
        for (int i = 0; i < Database::segmentCount(); ++i) {
            const Segment *segment = Database::segmentAt(i);
            if (!segment || segment->type() != Segment::TRACK || segment->name() != name)
                continue;
            ends << segment->from() << segment->to();
            out << "  " << name << ": " << where(segment->from()) << " to " << where(segment->to()) << ", "
                << qRound(segment->from()->distanceTo(segment->to())) << " NM\n";
        }
        if (!nat)
            continue;
        for (const QGeoCoordinate &position : coordinatesOf(row)) {
            ++coordinates;
            if (std::none_of(ends.cbegin(), ends.cend(), [&position](const Point *point) {
                    return Unit::convertMeterToNm(point->position().distanceTo(position)) <= kAtCoordinateNm;
                }))
                ++leftOut;
        }
    }
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QString log = tracks.log();
    log.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("<br/>"), QStringLiteral("\n"));
    log.remove(tags);
    out << "the log:\n" << log;
    out << "NAT coordinates on a fix at the coordinate: " << coordinates - leftOut << " of " << coordinates
        << " (goal all)\n";
    return leftOut;
}

} // namespace

int main(int argc, char *argv[])
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_tracks [simulator folder]\n"
                                  "Prints the longest event a track download holds the event loop for;\n"
                                  "given a simulator folder, first the predefined tracks' legs and pieces on\n"
                                  "its fixes and the legs that reach a fix on another ocean, then the legs\n"
                                  "and the log of downloaded tracks laid on its fixes.\n"))
        return 0;
    TimedApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.10.0"));
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QTextStream out(stdout);

    Settings settings;
    Database database;

    QByteArray body;
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, &body] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &body] {
            if (!socket->readAll().contains("\r\n\r\n"))
                return;
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                          + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    Settings::setString(QStringLiteral("database/tracksUrl"),
                        QStringLiteral("http://127.0.0.1:%1/track").arg(server.serverPort()));

    // One for both downloads, as the program has one.
    Tracks tracks(&database);
    if (app.arguments().size() > 1) {
        if (predefinedOnFolder(database, app.arguments().at(1), out) < 0) {
            out << "cannot read the fixes of " << app.arguments().at(1) << "\n";
            return 1;
        }
        messagesLaid(database, tracks, body, out);
        database.clear();
    }

    // About the size of the simulator's world data: enroute fixes everywhere, the oceanic
    // coordinate fixes among them, navaids and airways.
    QRandomGenerator random(4711);
    const QStringList regions = {"EI", "EG", "CY", "KZ", "K6", "K2", "K1", "P",  "PH", "PA",
                                 "RJ", "RO", "ED", "LF", "LI", "ZB", "YM", "SB", "FA", "UU"};
    for (int i = 0; i < 220000; ++i) {
        const QString region = regions.at(int(random.bounded(regions.size())));
        const QString code = QStringLiteral("F%1").arg(i, 5, 36, QLatin1Char('0')).toUpper();
        database.addPoint(new Point(Point::FIX,
                                    QGeoCoordinate(random.bounded(140.0) - 70.0, random.bounded(360.0) - 180.0), code,
                                    QStringLiteral("ENRT"), region, code, 0, 0.0f, QString()));
    }
    for (int lat = 40; lat <= 65; ++lat)
        for (int lon = 10; lon <= 70; lon += 10) {
            const QString code = twoDigits(lat) + twoDigits(lon) + QLatin1Char('N');
            database.addPoint(new Point(Point::FIX, QGeoCoordinate(lat, -lon), code, QStringLiteral("ENRT"),
                                        QStringLiteral("CY"), code, 0, 0.0f, QString()));
            const QString half = QLatin1Char('H') + twoDigits(lat) + twoDigits(lon);
            database.addPoint(new Point(Point::FIX, QGeoCoordinate(lat + 0.5, -lon), half, QStringLiteral("ENRT"),
                                        QStringLiteral("EG"), half, 0, 0.0f, QString()));
        }
    for (int lat = 20; lat <= 57; ++lat)
        for (int lon = 130; lon <= 180; lon += 10) {
            for (const bool east : {false, true}) {
                const QString code
                    = twoDigits(lat) + (east ? QLatin1Char('E') : QLatin1Char('N')) + twoDigits(lon % 100);
                database.addPoint(new Point(Point::FIX, QGeoCoordinate(lat, east ? lon : -lon), code,
                                            QStringLiteral("ENRT"), QStringLiteral("PA"), code, 0, 0.0f, QString()));
            }
        }
    for (int i = 0; i < 25000; ++i) {
        const QString code = QStringLiteral("N%1").arg(i, 4, 36, QLatin1Char('0')).toUpper();
        database.addPoint(new Point(i % 3 ? Point::VOR : Point::NDB,
                                    QGeoCoordinate(random.bounded(140.0) - 70.0, random.bounded(360.0) - 180.0), code,
                                    QStringLiteral("ENRT"), QStringLiteral("ED"), code, 0, 113.0f, QString()));
    }
    const int points = Database::pointCount();
    for (int i = 0; i < 150000; ++i) {
        Point *from = Database::pointAt(int(random.bounded(points)));
        Point *to = Database::pointAt(int(random.bounded(points)));
        database.addSegment(new Segment(Segment::FORWARD, i % 2 ? Segment::HIGH : Segment::LOW, from, to,
                                        QStringLiteral("UN%1").arg(i % 900), 0, 0));
    }
    {
        Tracks predefined(&database);
        predefined.defaults();
    }

    // The reply: 60 NAT and 60 PACOTS tracks of seven to eleven points.
    QJsonArray array;
    for (int t = 0; t < 60; ++t) {
        QStringList natPoints{QStringLiteral("F%1").arg(t * 97, 5, 36, QLatin1Char('0')).toUpper()};
        const int lat = 45 + t % 15;
        for (int lon = 10; lon <= 60; lon += 10)
            natPoints.append(t % 2 ? QStringLiteral("%1/%2").arg(lat).arg(lon)
                                   : QStringLiteral("%130/%2").arg(lat).arg(lon));
        natPoints.append(QStringLiteral("F%1").arg(t * 89 + 7, 5, 36, QLatin1Char('0')).toUpper());
        array.append(track(QStringLiteral("N"), QString(QChar('A' + t % 26)) + QString::number(t), natPoints));

        QStringList pacPoints{QStringLiteral("F%1").arg(t * 53 + 3, 5, 36, QLatin1Char('0')).toUpper()};
        const int plat = 25 + t % 30;
        for (int lon = 140; lon <= 180; lon += 10)
            pacPoints.append(QStringLiteral("%1N%2W").arg(plat).arg(lon, 3, 10, QLatin1Char('0')));
        for (int lon = 170; lon >= 140; lon -= 10)
            pacPoints.append(QStringLiteral("%1N%2E").arg(plat).arg(lon, 3, 10, QLatin1Char('0')));
        pacPoints.append(QStringLiteral("F%1").arg(t * 61 + 11, 5, 36, QLatin1Char('0')).toUpper());
        array.append(track(QStringLiteral("P"), QString::number(t + 1), pacPoints));
    }
    // And a broken one: between two coordinates, 1,000 names of fixes strewn over the earth.
    QStringList strewn{QStringLiteral("50/20")};
    for (int i = 0; i < 1000; ++i)
        strewn.append(QStringLiteral("F%1").arg(i * 71 + 5, 5, 36, QLatin1Char('0')).toUpper());
    strewn.append(QStringLiteral("50/50"));
    array.append(track(QStringLiteral("N"), QStringLiteral("STREWN"), strewn));
    body = QJsonDocument(array).toJson(QJsonDocument::Compact);

    // The folder's fixes, cleared above, are freed by the database in slices of its own, and the
    // settings written above by a posted event: both are done before the run is timed, so that
    // its figures are the track run's alone.
    QCoreApplication::processEvents();
    while (database.retiring())
        QCoreApplication::processEvents();
    OrderedParallel::waitForIdle();

    QElapsedTimer total;
    total.start();
    app.m_measuring = true;
    QObject::connect(&tracks, &Tracks::updated, &app, [&] {
        if (!tracks.updating())
            app.quit();
    });
    tracks.update();
    app.exec();
    app.m_measuring = false;

    int trackSegments = 0;
    for (int row = 0; row < Database::segmentCount(); ++row)
        if (Database::segmentAt(row)->type() == Segment::TRACK)
            ++trackSegments;

    out << "points: " << Database::pointCount() << ", segments: " << Database::segmentCount()
        << ", reply: " << array.size() << " tracks, " << body.size() << " bytes\n";
    out << "track segments after the run: " << trackSegments << "\n";
    out << "run: " << total.elapsed() << " ms over " << app.m_events << " events\n";
    out << "longest main-thread pause: " << QString::number(app.m_longest / 1e6, 'f', 2)
        << " ms (goal under 16 ms); over 16 ms: " << app.m_over16ms << ", over 5 ms: " << app.m_over5ms
        << ", over 4 ms: " << app.m_over4ms << "\n";
    out << "longest main-thread work on a core: " << QString::number(app.m_longestCpu / 1e6, 'f', 2)
        << " ms of its own CPU time (a longer pause waited for a core)\n";
    std::sort(app.m_durations.begin(), app.m_durations.end(), std::greater<qint64>());
    out << "longest five:";
    for (int i = 0; i < std::min<qsizetype>(5, app.m_durations.size()); ++i)
        out << " " << QString::number(app.m_durations.at(i) / 1e6, 'f', 2);
    out << " ms\n";

    // The handover ends in the database's updated(), which refreshes every model and view:
    // timed on its own, since it is the database's cost rather than the resolution's.
    QElapsedTimer refresh;
    refresh.start();
    emit database.updated();
    out << "database refresh on updated(): " << QString::number(refresh.nsecsElapsed() / 1e6, 'f', 2) << " ms\n";
    return 0;
}
