// How long a track download holds the event loop at a time: a world-size set of fixes, a
// reply with many NAT and PACOTS tracks from a local server, and the longest single event
// handled on the main thread while the run lasts.

#include "benchsupport.h"
#include "database.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "tracks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace {

// Times every event delivered at the outermost level, which is what the user interface
// waits for between two frames.
class TimedApplication : public QCoreApplication
{
public:
    using QCoreApplication::QCoreApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0 || !m_measuring) {
            const bool result = QCoreApplication::notify(receiver, event);
            --m_depth;
            return result;
        }
        QElapsedTimer timer;
        timer.start();
        const bool result = QCoreApplication::notify(receiver, event);
        const qint64 ns = timer.nsecsElapsed();
        --m_depth;
        m_longest = std::max(m_longest, ns);
        m_durations.append(ns);
        ++m_events;
        if (ns > 4'000'000)
            ++m_over4ms;
        if (ns > 5'000'000) {
            ++m_over5ms;
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                QTextStream(stdout) << "  " << ns / 1e6 << " ms: " << receiver->metaObject()->className() << " event " << event->type() << "\n";
        }
        return result;
    }

    QList<qint64> m_durations;
    bool m_measuring = false;
    int m_depth = 0;
    qint64 m_longest = 0;
    int m_events = 0;
    int m_over4ms = 0;
    int m_over5ms = 0;
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

} // namespace

int main(int argc, char *argv[])
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_tracks\n"
                                  "Prints the longest event a track download holds the event loop for.\n"))
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

    // About the size of the simulator's world data: enroute fixes everywhere, the oceanic
    // coordinate fixes among them, navaids and airways.
    QRandomGenerator random(4711);
    const QStringList regions = { "EI", "EG", "CY", "KZ", "K6", "K2", "K1", "P", "PH", "PA", "RJ", "RO",
                                  "ED", "LF", "LI", "ZB", "YM", "SB", "FA", "UU" };
    for (int i = 0; i < 220000; ++i) {
        const QString region = regions.at(int(random.bounded(regions.size())));
        const QString code = QStringLiteral("F%1").arg(i, 5, 36, QLatin1Char('0')).toUpper();
        database.addPoint(new Point(Point::FIX, QGeoCoordinate(random.bounded(140.0) - 70.0, random.bounded(360.0) - 180.0),
                                    code, QStringLiteral("ENRT"), region, code, 0, 0.0f, QString()));
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
                const QString code = twoDigits(lat) + (east ? QLatin1Char('E') : QLatin1Char('N')) + twoDigits(lon % 100);
                database.addPoint(new Point(Point::FIX, QGeoCoordinate(lat, east ? lon : -lon), code,
                                            QStringLiteral("ENRT"), QStringLiteral("PA"), code, 0, 0.0f, QString()));
            }
        }
    for (int i = 0; i < 25000; ++i) {
        const QString code = QStringLiteral("N%1").arg(i, 4, 36, QLatin1Char('0')).toUpper();
        database.addPoint(new Point(i % 3 ? Point::VOR : Point::NDB, QGeoCoordinate(random.bounded(140.0) - 70.0, random.bounded(360.0) - 180.0),
                                    code, QStringLiteral("ENRT"), QStringLiteral("ED"), code, 0, 113.0f, QString()));
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
        QStringList natPoints{ QStringLiteral("F%1").arg(t * 97, 5, 36, QLatin1Char('0')).toUpper() };
        const int lat = 45 + t % 15;
        for (int lon = 10; lon <= 60; lon += 10)
            natPoints.append(t % 2 ? QStringLiteral("%1/%2").arg(lat).arg(lon) : QStringLiteral("%130/%2").arg(lat).arg(lon));
        natPoints.append(QStringLiteral("F%1").arg(t * 89 + 7, 5, 36, QLatin1Char('0')).toUpper());
        array.append(track(QStringLiteral("N"), QString(QChar('A' + t % 26)) + QString::number(t), natPoints));

        QStringList pacPoints{ QStringLiteral("F%1").arg(t * 53 + 3, 5, 36, QLatin1Char('0')).toUpper() };
        const int plat = 25 + t % 30;
        for (int lon = 140; lon <= 180; lon += 10)
            pacPoints.append(QStringLiteral("%1N%2W").arg(plat).arg(lon, 3, 10, QLatin1Char('0')));
        for (int lon = 170; lon >= 140; lon -= 10)
            pacPoints.append(QStringLiteral("%1N%2E").arg(plat).arg(lon, 3, 10, QLatin1Char('0')));
        pacPoints.append(QStringLiteral("F%1").arg(t * 61 + 11, 5, 36, QLatin1Char('0')).toUpper());
        array.append(track(QStringLiteral("P"), QString::number(t + 1), pacPoints));
    }
    const QByteArray body = QJsonDocument(array).toJson(QJsonDocument::Compact);

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

    Tracks tracks(&database);
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
    out << "longest event: " << QString::number(app.m_longest / 1e6, 'f', 2) << " ms; over 4 ms: "
        << app.m_over4ms << ", over 5 ms: " << app.m_over5ms << "\n";
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
