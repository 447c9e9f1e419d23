// Times saving and opening a flight-plan document of 1,000 waypoints (airports, fixes and
// coordinate points, with comments and constraints) over a navigation database of 20,000
// airports (each with a runway long enough for an alternate) and 100,000 fixes: the document's saveAs (text, safe
// write) and open (read, check, insertion and the update pass that follows it). Then the reads'
// bounds: a preferences file of 3 GiB at the start, one of 100,000 lines ending in '\' mended at
// the start, the plan and a small FMS file opened with 60 MiB of address space left (about what a
// real world loaded leaves under a tight limit), and a named pipe opened as a plan.

#include "airplanelistmodel.h"
#include "airport.h"
#include "benchsupport.h"
#include "database.h"
#include "document.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "point.h"
#include "runway.h"
#include "settings.h"
#include "waypoint.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGeoRectangle>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using BenchSupport::letters;

namespace {

constexpr int Airports = 20000;
constexpr int Fixes = 100000;
constexpr int Waypoints = 1000;
constexpr int Runs = 20;

QGeoCoordinate position(QRandomGenerator &random)
{
    return QGeoCoordinate(-60.0 + random.generateDouble() * 130.0, -180.0 + random.generateDouble() * 360.0);
}

qint64 mappedBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readLine().split(' ').first().toLongLong() * sysconf(_SC_PAGESIZE);
}

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %8.3f ms, best %8.3f ms, worst %8.3f ms (%d runs)\n", what, times[times.size() / 2],
                times.front(), times.back(), int(times.size()));
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_document\n"
                                  "Times saving and opening a flight-plan document of 1,000 waypoints.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    {
        const QString store = QSettings().fileName();
        QDir().mkpath(QFileInfo(store).path());
        QFile huge(store);
        if (!huge.open(QIODevice::WriteOnly) || huge.write("[General]\nkept=1\n") < 0 || !huge.resize(3LL << 30)) {
            std::printf("cannot make the 3 GiB preferences file\n");
            return 1;
        }
        huge.close();
        QElapsedTimer start;
        start.start();
        const Settings aside;
        const double ms = start.nsecsElapsed() / 1e6;
        const bool setAside = !QFile::exists(store) || QFileInfo(store).size() < 1024;
        std::printf("3 GiB preferences file: %s in %.1f ms, peak resident %s (goal: set aside at once, under 100 MB)\n",
                    setAside ? "set aside" : "READ", ms, qPrintable(BenchSupport::memoryFigure("VmHWM:")));
    }
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));
    {
        // Lines ending in '\' go on into the next: each is left out on its own.
        const QString store = QSettings().fileName();
        // The 3 GiB file set aside in the same second would hold the name this one is set aside as.
        QDir folder = QFileInfo(store).dir();
        for (const QString &name : folder.entryList(QDir::Files))
            folder.remove(name);
        QByteArray text("[General]\nkept=1\n");
        for (int i = 0; i < 100000; ++i)
            text += "a note of mine \\\n";
        QFile file(store);
        if (!file.open(QIODevice::WriteOnly) || file.write(text + "[test]\nlast=2\n") < 0) {
            std::printf("cannot make the preferences file of continued lines\n");
            return 1;
        }
        file.close();
        QElapsedTimer start;
        start.start();
        const Settings mended;
        const double ms = start.nsecsElapsed() / 1e6;
        QStringList keys = Settings::dump().keys();
        keys.sort();
        std::printf("100,000 lines ending in '\\': mended in %.1f ms, keys kept: %s (goal: under 1 s, kept and "
                    "test/last)\n",
                    ms, qPrintable(keys.join(QLatin1Char(' '))));
    }
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));

    Settings settings;
    Database db;
    AirplaneListModel airplanes;
    QRandomGenerator random(1104);

    db.beginModifying();
    for (int i = 0; i < Airports; ++i) {
        auto *airport = new Airport(letters(random, 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = position(random);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        db.addPoint(airport);
        // Every airport qualifies as an alternate, as most airports with airline traffic do.
        db.addRunway(new Runway(airport->code(), centre, QStringLiteral("09"), 0.0f,
                                centre.atDistanceAndAzimuth(3000.0, 90.0), QStringLiteral("27"), 0.0f, 45.0f, 1, 0, 0));
    }
    for (int i = 0; i < Fixes; ++i)
        db.addPoint(new Point(Point::FIX, position(random), letters(random, 5), QStringLiteral("ENRT"),
                              letters(random, 2), QString(), 0, 0.0f, QStringLiteral("C   ")));
    db.endModifying();

    Flightplan plan;
    Document document(&plan);
    QList<Waypoint *> waypoints;
    for (int i = 0; i < Waypoints; ++i) {
        Point *point = nullptr;
        if (i == 0 || i == Waypoints - 1)
            point = Database::pointAt(random.bounded(Airports));
        else if (i % 50 == 0)
            point = Database::getOrAddCoordPoint(position(random), false);
        else
            point = Database::pointAt(Airports + random.bounded(Fixes));
        auto *waypoint = new Waypoint(point);
        waypoint->setAltitude(i == 0 || i == Waypoints - 1 ? 500 : 35000, false);
        waypoint->setIas(i == 0 || i == Waypoints - 1 ? 250.0 : 0.78, false);
        if (i % 10 == 0) {
            waypoint->setComment(QStringLiteral("Expect FL%1 & \"direct\" <%2>").arg(i).arg(i));
            waypoint->setMinAltitude(10000);
            waypoint->setMaxIas(280);
        }
        if (i == 0)
            waypoint->setRunwayEnd(QStringLiteral("25C"));
        waypoints.append(waypoint);
    }
    plan.bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, false);
    qDeleteAll(waypoints);

    const QString file = dir.filePath(QStringLiteral("plan.fpxml"));
    std::vector<double> saves;
    std::vector<double> texts;
    std::vector<double> opens;
    QElapsedTimer timer;
    for (int run = 0; run < Runs; ++run) {
        timer.start();
        const QString text = FlightplanXml::toXml(&plan);
        texts.push_back(timer.nsecsElapsed() / 1e6);
        Q_UNUSED(text)

        timer.start();
        if (!document.saveAs(file)) {
            std::printf("save failed: %s\n", qPrintable(document.msgtext()));
            return 1;
        }
        saves.push_back(timer.nsecsElapsed() / 1e6);
    }
    for (int run = 0; run < Runs; ++run) {
        document.niew();
        timer.start();
        if (!document.open(file)) {
            std::printf("open failed: %s\n", qPrintable(document.msgtext()));
            return 1;
        }
        opens.push_back(timer.nsecsElapsed() / 1e6);
        if (plan.count() != Waypoints) {
            std::printf("open read %d waypoints instead of %d\n", plan.count(), Waypoints);
            return 1;
        }
    }
    std::printf("Document of %d waypoints, %lld bytes, over %d points\n", plan.count(), QFileInfo(file).size(),
                Database::pointCount());
    report("document text (toXml)", texts);
    report("save (text and safe write)", saves);
    report("open (read, insert, update pass)", opens);

    const QString fms = dir.filePath(QStringLiteral("small.fms"));
    QFile fmsFile(fms);
    if (!fmsFile.open(QIODevice::WriteOnly)
        || fmsFile.write("I\n3 version\n1\n1\n28 N5000E00800 0.000000 50.000000 8.000000\n"
                         "28 N5100E00900 0.000000 51.000000 9.000000\n")
               < 0) {
        std::printf("cannot write the FMS file\n");
        return 1;
    }
    fmsFile.close();
    rlimit before{};
    getrlimit(RLIMIT_AS, &before);
    rlimit tight{rlim_t(mappedBytes() + 60 * 1024 * 1024), before.rlim_max};
    setrlimit(RLIMIT_AS, &tight);
    const bool planOpened = document.open(file);
    const bool fmsOpened = document.import(fms);
    setrlimit(RLIMIT_AS, &before);
    if (!planOpened || !fmsOpened)
        std::printf("%s\n", qPrintable(document.msgtext()));
    std::printf("With 60 MiB of address space left: the plan %s, the FMS file %s (goal: both opened)\n",
                planOpened ? "opened" : "REFUSED", fmsOpened ? "opened" : "REFUSED");

    const QString pipe = dir.filePath(QStringLiteral("pipe.fpxml"));
    mkfifo(QFile::encodeName(pipe).constData(), 0600);
    timer.start();
    const bool pipeRefused = !document.open(pipe);
    std::printf("Named pipe opened as a plan: %s in %.1f ms (goal: refused at once)\n",
                pipeRefused ? "refused" : "OPENED", timer.nsecsElapsed() / 1e6);
    return planOpened && fmsOpened && pipeRefused ? 0 : 1;
}
