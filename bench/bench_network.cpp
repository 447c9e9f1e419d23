// The memory a network answer costs while it arrives: a local server answers the database
// download or the METAR request with far more than either can need (1.5 GiB by default, with a
// Content-Length, without one, or in chunks), and the benchmark prints the peak resident size
// of the whole process (its server thread included) and what stays resident once the answer is refused.
// With "metar-cut", METAR answers sent chunked and cut before their last chunk, asked in sessions of
// 40 stations: how many of them the panel shows as a report; with "metar-gzip-cut" the same for
// answers sent compressed with their length and cut at half, with "metar-length-cut" plain ones with
// their length, with "metar-redirect-cut" chunked ones reached through a redirect. With "metar-busy",
// the peak of each of 10 runs of a 1 GiB METAR answer, chunked or with its length, while the main
// thread is kept busy. With "held", a server's headers without end against the METAR, the tracks
// and the download, each ended by its own time-out: how many of two later requests of each are
// answered, the threads before and after 15 METAR time-outs against a silent server, the time
// until the held managers go once the headers end, and the time a service takes to go while its
// manager is held (the program's end).

#include "airport.h"
#include "basemodel.h"
#include "benchsupport.h"
#include "database.h"
#include "flightplan.h"
#include "httptestserver.h"
#include "infomanager.h"
#include "netloader.h"
#include "settings.h"
#include "tracks.h"
#include "translationmanager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGeoRectangle>
#include <QNetworkProxy>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <future>
#include <memory>

namespace {

// Peak resident size the whole run may reach, whatever the server sends.
constexpr qint64 kGoalPeakMb = 250;
constexpr int kStationsPerSession = 40;
// The peak of one METAR answer, the main thread busy.
constexpr qint64 kGoalBusyPeakMb = 100;
// Milliseconds of each busy spell of the main thread, and between two.
constexpr int kBusySpellMs = 40;
constexpr int kBusyPauseMs = 5;

// The one station the METAR modes ask for.
Airport *addKennedy(Database &database)
{
    auto *airport = new Airport(QStringLiteral("KJFK"), QStringLiteral("Kennedy"), 13);
    const QGeoCoordinate centre(40.64, -73.78);
    airport->setPosition(centre, QGeoRectangle(centre, centre));
    database.addPoint(airport);
    database.pointModel()->reset();
    return airport;
}

// Each request's station a new one, a session a new panel (and network manager); returns how many
// cut answers the panel showed as a report.
int cutMetarsShown(Database &database, const QString &serverUrl, int requests)
{
    QList<Airport *> airports;
    for (int i = 0; i < kStationsPerSession; ++i) {
        auto *airport = new Airport(QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Field"), 13);
        const QGeoCoordinate centre(40 + i * 0.1, -73.78);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        database.addPoint(airport);
        airports.append(airport);
    }
    database.pointModel()->reset();
    Flightplan plan;
    TranslationManager translations;
    int shown = 0;
    for (int done = 0; done < requests;) {
        InfoManager info(&plan, &translations);
        info.setMetarBase(QUrl(serverUrl));
        for (int i = 0; i < kStationsPerSession && done < requests; ++i, ++done) {
            info.showPointInfo(airports.at(i)->uid());
            QEventLoop loop;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
                if (!info.metarPending())
                    loop.quit();
            });
            poll.start(1);
            loop.exec();
            if (info.html().contains(QStringLiteral(" 272225Z 27010KT 99")))
                ++shown;
        }
    }
    return shown;
}

// Figures of the "held" mode.
constexpr int kSilentTimeouts = 15;
constexpr int kLaterRequests = 2;
// A service that goes while its manager's thread is held must not wait for that thread.
constexpr qint64 kGoalCloseMs = 100;

// Runs the event loop until `done` holds or `ms` pass; whether it held.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// A server's headers without end held the first request of each service; its later requests go
// to a path answered at once.
int heldMode(Database &database, QTextStream &out)
{
    // One server a behaviour, each at the root: "silent", "endless", "ok".
    std::promise<std::pair<QHash<QString, QString>, QObject *>> started;
    QThread *serving = QThread::create([&started, &database] {
        HttpTestServer silent, server, ok;
        HttpTestServer::Reply endless, late, report, track;
        endless.endlessHeaders = true;
        late.delayMs = 600000;
        report.body = "KJFK 061251Z 18010KT 10SM FEW250";
        track.body = "[]";
        for (const QString &path :
             {QStringLiteral("/KJFK"), QStringLiteral("/track"), QLatin1Char('/') + database.fileName()})
            server.setReply(path, endless);
        silent.setReply(QStringLiteral("/KJFK"), late);
        ok.setReply(QStringLiteral("/KJFK"), report);
        ok.setReply(QStringLiteral("/track"), track);
        silent.listen(), server.listen(), ok.listen();
        QObject context;
        started.set_value({{{QStringLiteral("silent"), silent.url(QString())},
                            {QStringLiteral("endless"), server.url(QString())},
                            {QStringLiteral("ok"), ok.url(QString())}},
                           &context});
        QEventLoop loop;
        QObject::connect(&context, &QObject::destroyed, &loop, &QEventLoop::quit);
        QObject::connect(QThread::currentThread(), &QThread::finished, &loop, &QEventLoop::quit);
        QObject::connect(&context, &QObject::objectNameChanged, &context, [&server] { server.hangUp(); });
        loop.exec();
    });
    serving->start();
    const auto servers = started.get_future().get();
    const QHash<QString, QString> root = servers.first;
    QObject *const context = servers.second;
    const auto hangUp = [context] {
        QMetaObject::invokeMethod(context, [context] { context->setObjectName(context->objectName() + 'x'); });
    };

    const Airport *airport = addKennedy(database);
    Flightplan plan;
    TranslationManager translations;
    auto info = std::make_unique<InfoManager>(&plan, &translations);
    info->setMetarTimeout(400);
    const auto metar = [&](const QString &base) {
        info->setMetarBase(QUrl(root.value(base)));
        info->showPointInfo(airport->uid());
        waitFor([&] { return !info->metarPending(); }, 60000);
        return info->html().contains(QStringLiteral("061251Z"));
    };

    // Silent: every time-out's thread is free.
    metar(QStringLiteral("silent"));
    const int before = HttpTestServer::threads();
    for (int i = 0; i < kSilentTimeouts; ++i)
        metar(QStringLiteral("silent"));
    out << "threads before and after " << kSilentTimeouts << " METAR time-outs against a silent server: " << before
        << " and " << HttpTestServer::threads() << " (goal: the same)\n";

    Tracks tracks(&database);
    tracks.setTransferTimeout(300);
    const auto track = [&](const QString &base) {
        Settings::setString(QStringLiteral("database/tracksUrl"), root.value(base) + QStringLiteral("/track"));
        tracks.update();
        waitFor([&] { return !tracks.updating(); }, 60000);
        return !tracks.log().contains(QStringLiteral("in time"));
    };
    NetLoader loader(&database);
    loader.setTransferTimeout(500);
    QString said;
    QObject::connect(&loader, &NetLoader::progress, &loader, [&said](const QString &text) { said = text; });
    const auto download = [&](const QString &base) {
        Settings::setString(QStringLiteral("database/downloadUrl"), root.value(base));
        bool done = false;
        const QMetaObject::Connection ended = QObject::connect(&loader, &NetLoader::done, [&done] { done = true; });
        loader.loadAsync();
        waitFor([&] { return done; }, 60000);
        QObject::disconnect(ended);
        return !said.contains(QStringLiteral("in time"));
    };
    // Headers without end, each ended by the service's own time-out, after a first request each.
    track(QStringLiteral("ok"));
    download(QStringLiteral("ok"));
    const int calm = HttpTestServer::threads();
    int answered = 0;
    metar(QStringLiteral("endless"));
    for (int i = 0; i < kLaterRequests; ++i)
        answered += metar(QStringLiteral("ok"));
    out << "METAR (its deadline): " << answered << " of " << kLaterRequests << " later requests answered (goal: all)\n";

    track(QStringLiteral("endless"));
    answered = 0;
    for (int i = 0; i < kLaterRequests; ++i)
        answered += track(QStringLiteral("ok"));
    out << "tracks (Qt's transfer time-out): " << answered << " of " << kLaterRequests
        << " later requests answered (goal: all)\n";

    download(QStringLiteral("endless"));
    answered = 0;
    for (int i = 0; i < kLaterRequests; ++i)
        answered += download(QStringLiteral("ok"));
    out << "database download (Qt's transfer time-out): " << answered << " of " << kLaterRequests
        << " later requests answered (goal: all)\n";

    const int held = HttpTestServer::threads();
    QElapsedTimer clock;
    clock.start();
    hangUp();
    const bool freed = waitFor([&] { return HttpTestServer::threads() <= calm; }, 60000);
    out << "threads " << calm << " before the headers, " << held << " while held, " << HttpTestServer::threads()
        << (freed ? " once the held ones went, " : " still, ") << clock.elapsed()
        << " ms after the server stopped (goal: back to " << calm << ")\n";

    // The program's end while a manager's thread is held.
    metar(QStringLiteral("endless"));
    clock.restart();
    info.reset();
    out << "a service going while its manager is held: " << clock.elapsed() << " ms (goal: under " << kGoalCloseMs
        << " ms)\n";
    hangUp();
    waitFor([&] { return HttpTestServer::threads() <= calm - 1; }, 60000);
    serving->exit();
    serving->wait();
    delete serving;
    return 0;
}

// The peak resident size in kB since the last reset, which starts a new one.
qint64 takePeakKb()
{
    const qint64 peak = BenchSupport::memoryFigure("VmHWM:").section(QLatin1Char(' '), 0, 0).toLongLong();
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
    return peak;
}

// One METAR answer asked while the main thread spends most of its time elsewhere, as when the
// map redraws; returns what the panel said.
QString busyMetar(InfoManager &info, const QString &uid)
{
    QEventLoop loop;
    QTimer busy;
    QObject::connect(&busy, &QTimer::timeout, &loop, [&] {
        if (!info.metarPending()) {
            loop.quit();
            return;
        }
        QElapsedTimer spell;
        spell.start();
        while (spell.elapsed() < kBusySpellMs) {
        }
    });
    info.showPointInfo(uid);
    busy.start(kBusyPauseMs);
    loop.exec();
    const qsizetype at = info.html().indexOf(QStringLiteral("METAR for KJFK"));
    return at < 0 ? QStringLiteral("a report shown") : info.html().mid(at, 60);
}

} // namespace

int main(int argc, char *argv[])
{
    if (BenchSupport::answersHelp(
            argc, argv,
            "Usage: bench_network [database|metar] [MiB, default 1536] [length|none|chunked]\n"
            "       bench_network metar-[gzip-|length-|redirect-]cut [requests, default 280]\n"
            "       bench_network metar-busy [MiB, default 1024] [runs, default 10] [chunked|length]\n"
            "       bench_network held\n"
            "Prints the peak resident size while an answer of that size is refused;\n"
            "with metar-cut, how many chunked answers cut short are shown, with\n"
            "metar-gzip-cut how many compressed ones cut at half, with metar-length-cut\n"
            "plain ones with their length, with metar-redirect-cut chunked ones\n"
            "redirected; with metar-busy, the peak of each answer while the main\n"
            "thread is busy; with held, each service asked again after headers\n"
            "without end, the threads of time-outs, and the time to go while held.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral("4.10.0"));
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    const QStringList arguments = app.arguments();
    const QString kind = arguments.value(1, QStringLiteral("database"));
    const qint64 mebibytes = arguments.value(2, QStringLiteral("1536")).toLongLong();
    const QString framing = arguments.value(3, QStringLiteral("length"));
    QTextStream out(stdout);

    HttpTestServer::Reply reply;
    reply.contentType = "application/octet-stream";
    reply.filler = mebibytes * 1024 * 1024;
    reply.contentLength = framing == QLatin1String("none") ? -2 : -1;
    reply.chunked = framing == QLatin1String("chunked");

    Settings settings;
    Database database;
    if (kind == QLatin1String("held"))
        return heldMode(database, out);
    if (kind.startsWith(QLatin1String("metar-")) && kind.endsWith(QLatin1String("-cut"))) {
        const int requests = arguments.value(2, QStringLiteral("280")).toInt();
        const bool gzip = kind == QLatin1String("metar-gzip-cut");
        const bool withLength = kind == QLatin1String("metar-length-cut");
        const bool redirected = kind == QLatin1String("metar-redirect-cut");
        std::promise<QString> root;
        QThread *serving = QThread::create([&root, gzip, withLength, redirected] {
            HttpTestServer server;
            server.listen();
            for (int i = 0; i < kStationsPerSession; ++i) {
                const QString code = QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0'));
                HttpTestServer::Reply cut;
                cut.contentType = "text/plain";
                cut.chunked = true;
                cut.body = code.toLatin1() + " 272225Z 27010KT 9999 FEW040 12/08 Q1013";
                cut.sendOnly = code.size() + 19;
                if (gzip) {
                    cut.chunked = false;
                    cut.encoding = "gzip";
                    // Remarks after the report, so that its first half unpacks to the report.
                    cut.body = HttpTestServer::gzip(cut.body + " RMK AO2 " + QByteArray(72, '/'));
                    cut.sendOnly = cut.body.size() / 2;
                }
                cut.chunked = cut.chunked && !withLength;
                if (redirected) {
                    HttpTestServer::Reply moved;
                    moved.status = 302;
                    moved.location = "/moved/" + code.toLatin1();
                    server.setReply(QLatin1Char('/') + code, moved);
                    server.setReply(QStringLiteral("/moved/") + code, cut);
                    continue;
                }
                server.setReply(QLatin1Char('/') + code, cut);
            }
            root.set_value(server.url(QString()));
            QEventLoop loop;
            loop.exec();
        });
        serving->start();
        const int shown = cutMetarsShown(database, root.get_future().get(), requests);
        out << (gzip         ? "METAR answers compressed with their length and cut at half"
                : withLength ? "METAR answers with their length and cut before their end"
                : redirected ? "METAR answers redirected, chunked and cut before their last chunk"
                             : "METAR answers chunked and cut before their last chunk")
            << ", in sessions of " << kStationsPerSession << " stations: " << shown << " of " << requests
            << " shown as the report (goal: none)\n";
        serving->exit();
        serving->wait();
        delete serving;
        return 0;
    }
    const bool busy = kind == QLatin1String("metar-busy");
    if (busy) {
        reply.filler = arguments.value(2, QStringLiteral("1024")).toLongLong() * 1024 * 1024;
        reply.chunked = arguments.value(4) != QLatin1String("length");
    }
    const QString path
        = kind == QLatin1String("database") ? QLatin1Char('/') + database.fileName() : QStringLiteral("/KJFK");
    // The server sends on a thread of its own, as a remote one does, whatever this one is doing.
    std::promise<QString> root;
    QThread *serving = QThread::create([&root, path, reply] {
        HttpTestServer server;
        server.listen();
        server.setReply(path, reply);
        root.set_value(server.url(QString()));
        QEventLoop loop;
        loop.exec();
    });
    serving->start();
    const QString serverUrl = root.get_future().get();
    QElapsedTimer clock;
    QString outcome;
    if (kind == QLatin1String("database")) {
        Settings::setString(QStringLiteral("database/downloadUrl"), serverUrl);
        auto *loader = new NetLoader(&database);
        QObject::connect(loader, &NetLoader::progress, &app, [&outcome](const QString &text) { outcome = text; });
        QObject::connect(loader, &NetLoader::done, &app, &QCoreApplication::quit);
        clock.start();
        loader->loadAsync();
        app.exec();
        delete loader;
    } else {
        const Airport *airport = addKennedy(database);
        Flightplan plan;
        TranslationManager translations;
        InfoManager info(&plan, &translations);
        info.setMetarBase(QUrl(serverUrl));
        info.setMetarTimeout(600000);
        if (busy) {
            const int runs = arguments.value(3, QStringLiteral("10")).toInt();
            out << "METAR, " << reply.filler / (1024 * 1024) << " MiB " << (reply.chunked ? "chunked" : "with-length")
                << " answer, main thread busy " << kBusySpellMs << " ms of every " << kBusySpellMs + kBusyPauseMs
                << " ms; peak resident of each run (goal: under " << kGoalBusyPeakMb << " MB each):\n";
            qint64 worst = 0;
            takePeakKb();
            for (int run = 0; run < runs; ++run) {
                const QString said = busyMetar(info, airport->uid());
                const qint64 peak = takePeakKb();
                worst = std::max(worst, peak);
                out << "  run " << run + 1 << ": " << peak / 1024 << " MB, " << said << '\n';
                out.flush();
            }
            out << "  highest " << worst / 1024 << " MB (goal: under " << kGoalBusyPeakMb << " MB)\n";
            serving->exit();
            serving->wait();
            delete serving;
            return 0;
        }
        clock.start();
        info.showPointInfo(airport->uid());
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &app, [&] {
            if (!info.metarPending())
                app.quit();
        });
        poll.start(10);
        app.exec();
        const qsizetype at = info.html().indexOf(QStringLiteral("METAR for KJFK"));
        outcome = at < 0 ? QStringLiteral("a report shown") : info.html().mid(at, 60);
    }
    const qint64 elapsed = clock.elapsed();
    out << kind << ", " << mebibytes << " MiB answer (" << framing << "): " << outcome << " after " << elapsed
        << " ms\n"
        << "  peak resident " << BenchSupport::memoryFigure("VmHWM:") << " (goal: under " << kGoalPeakMb
        << " MB whatever the answer), resident after " << BenchSupport::memoryFigure("VmRSS:") << '\n';
    serving->exit();
    serving->wait();
    delete serving;
    return 0;
}
