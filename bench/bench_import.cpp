// Imports a simulator folder exactly as the database dialog does (the settings
// "database/xpPath", "database/customData" and "database/userFix", then XpLoader::loadAsync on
// its own thread) and prints the wall time of each reader and of the whole import, the peak
// memory, the size of the database file and what was imported. Then, each beside its goal:
// the database file written again and loaded back (with the longest stall of the main thread
// during the load), every reader alone on one core beside the floor of a plain field split of
// the same file, and the whole import again on all cores in a second process, whose database
// file must be the same, byte for byte, as the one-core import's.
//
//   bench_import                        generate a world into a temporary folder and import it
//   bench_import --generate DIR         generate into DIR (kept) and import it
//   bench_import FOLDER                 import an existing simulator folder
// Options: --scale S (world size, default 1), --seed N, --custom-data, --user-fix,
// --all-cores (do not pin the import to one core), --import-only (the import figures alone),
// --no-readers, --no-all-cores, --keep-file PATH (copy the database file written to PATH).
//
// The settings and the database file go to the test locations of QStandardPaths under a
// temporary home, so neither the user's preferences nor the program's own database are touched.

#include "aptreader.h"
#include "awyreader.h"
#include "basemodel.h"
#include "cifploader.h"
#include "database.h"
#include "databasestore.h"
#include "fieldsplit.h"
#include "fixreader.h"
#include "loadwatch.h"
#include "navreader.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "worldgen.h"
#include "xploader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHashSeed>
#include <QMap>
#include <QMetaEnum>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include <sched.h>

namespace {

constexpr double kGoalOneCoreSeconds = 5.0;
constexpr double kGoalAllCoresSeconds = 2.0;
constexpr double kGoalMegabytes = 1024.0;
constexpr double kGoalWriteSeconds = 0.5;
constexpr double kGoalLoadSeconds = 0.6;
constexpr double kGoalStallMilliseconds = 16.0;
constexpr double kGoalFloorRatio = 3.0;

QElapsedTimer g_clock;
QMutex g_mutex;
// Start and end of each reader, from its own "Loading <file> ..." and "Loaded ..." log lines.
QMap<QString, qint64> g_marks;
QString g_reading;
QHash<int, int> g_messageCounts;
QMap<QString, int> g_warningKinds;
QMap<QString, int> g_infoKinds;
QHash<QString, QString> g_firstOfKind;

qint64 now()
{
    return g_clock.isValid() ? g_clock.nsecsElapsed() : -1;
}

QString readerOf(const QString &message)
{
    for (const char *file : {"apt.dat", "earth_fix.dat", "earth_nav.dat", "earth_awy.dat", "user_fix.dat"}) {
        if (message.contains(QLatin1String(file)))
            return QString::fromLatin1(file);
    }
    return QString();
}

// Counts the import's messages instead of printing them (a world import logs thousands), and
// takes the readers' own log lines as their start and end marks.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const qint64 at = now();
    QMutexLocker locker(&g_mutex);
    ++g_messageCounts[type];
    if (type == QtInfoMsg) {
        if (message.startsWith(QLatin1String("Loading "))) {
            g_reading = readerOf(message);
            if (!g_reading.isEmpty())
                g_marks.insert(g_reading + QStringLiteral(":start"), at);
        } else if (message.startsWith(QLatin1String("Loaded ")) && !g_reading.isEmpty()) {
            g_marks.insert(g_reading + QStringLiteral(":end"), at);
            g_reading.clear();
        }
        const QString kind = message.section(QLatin1Char(' '), 0, 1);
        if (++g_infoKinds[kind] == 1)
            g_firstOfKind.insert(kind, message.left(140));
    } else if (type == QtWarningMsg || type == QtCriticalMsg) {
        const QString kind = message.section(QLatin1Char(' '), 0, 1);
        if (++g_warningKinds[kind] == 1)
            g_firstOfKind.insert(kind, message.left(140));
    } else if (type == QtFatalMsg) {
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
        std::fflush(stderr);
        std::abort();
    }
}

QString statusFigure(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(int(qstrlen(key))).trimmed());
    }
    return QString();
}

double megabytes(const QString &kilobytesText)
{
    return kilobytesText.section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0;
}

// Peak memory of the import alone: the generator ran in this process before.
bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

double processCpuSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

cpu_set_t g_allCores;

// The import thread inherits the mask of the thread that starts it.
int pinToOneCore()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        return -1;
    g_allCores = set;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &set)) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            return sched_setaffinity(0, sizeof one, &one) == 0 ? cpu : -1;
        }
    }
    return -1;
}

// The global thread pool sized itself to the one core it saw when it started.
void unpin()
{
    sched_setaffinity(0, sizeof g_allCores, &g_allCores);
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
}

const char *verdict(bool met)
{
    return met ? "[met]" : "[MISSED]";
}

QString seconds(qint64 from, qint64 to)
{
    if (from < 0 || to < 0 || to < from)
        return QStringLiteral("     -");
    return QString::asprintf("%6.2f", double(to - from) / 1e9);
}

struct DataPaths
{
    QString apt;
    QString fix;
    QString nav;
    QString awy;
    QString cifp;
};

// The files the import reads, chosen as the loader chooses them.
DataPaths dataPaths(const QString &xpPath, bool customData)
{
    const QString data
        = xpPath + (customData ? QStringLiteral("/Custom Data") : QStringLiteral("/Resources/default data"));
    DataPaths paths;
    paths.apt = xpPath + QLatin1Char('/') + WorldGen::globalAptPath();
    if (!QFile::exists(paths.apt))
        paths.apt = xpPath + QLatin1Char('/') + WorldGen::defaultAptPath();
    paths.fix = data + QStringLiteral("/earth_fix.dat");
    paths.nav = data + QStringLiteral("/earth_nav.dat");
    paths.awy = data + QStringLiteral("/earth_awy.dat");
    paths.cifp = data + QStringLiteral("/CIFP");
    return paths;
}

// The stored file written again from the imported lists, then loaded back as at start-up.
void measureWriteAndLoad(Database &database)
{
    std::printf("\nDatabase file (all cores)\n");
    QElapsedTimer timer;
    timer.start();
    const bool saved = database.save();
    const double write = timer.nsecsElapsed() / 1e9;
    std::printf("  %6.2f s  write%s    goal: under %.1f s  %s\n", write, saved ? "" : " FAILED", kGoalWriteSeconds,
                verdict(saved && write < kGoalWriteSeconds));
    if (!saved)
        return;
    const int points = database.pointModel()->count();
    // As at start-up, where the splash waits for it: nothing loaded before, nothing left to
    // delete of what was.
    database.clear();
    while (database.retiring())
        QCoreApplication::processEvents();
    // The lists themselves are freed on the pool.
    QThreadPool::globalInstance()->waitForDone();

    const LoadWatch watch = LoadWatch::run(database);
    const bool result = watch.result;
    const double load = watch.nanoseconds / 1e9;
    const qint64 longestGap = watch.longestStall;
    const bool same = result && database.pointModel()->count() == points;
    std::printf("  %6.2f s  load to loaded(true), into an empty database as at start-up%s    goal: under %.1f s  %s\n",
                load, same ? "" : " FAILED or incomplete", kGoalLoadSeconds, verdict(same && load < kGoalLoadSeconds));
    std::printf("  %6.1f ms longest main-thread stall during the load    goal: under %.0f ms  %s\n", longestGap / 1e6,
                kGoalStallMilliseconds, verdict(longestGap / 1e6 < kGoalStallMilliseconds));
}

void printReader(const char *name, qint64 readerNs, const FieldSplit::Figure &floor)
{
    const double ratio = floor.nanoseconds > 0 ? double(readerNs) / double(floor.nanoseconds) : 0.0;
    std::printf(
        "  %-16s %7.3f s   floor %7.3f s (%6.1f MB, %9lld lines, %10lld fields)   %5.1fx    goal: under %.0fx  %s\n",
        name, readerNs / 1e9, floor.nanoseconds / 1e9, floor.bytes / (1024.0 * 1024.0),
        static_cast<long long>(floor.lines), static_cast<long long>(floor.fields), ratio, kGoalFloorRatio,
        verdict(ratio > 0.0 && ratio < kGoalFloorRatio));
}

// The items a reader made, built again from their own fields with nothing read, parsed or
// indexed: how much of the reader's time (and of its ratio to the floor) the items themselves
// take, each a QObject with texts of its own.
template <typename T>
void printConstruction(const QList<T *> &items, const char *what, const FieldSplit::Figure &floor,
                       const std::function<T *(const T *)> &copy)
{
    std::vector<std::unique_ptr<T>> built;
    built.reserve(size_t(items.size()));
    QElapsedTimer timer;
    timer.start();
    for (const T *item : items) {
        if (item)
            built.emplace_back(copy(item));
    }
    const qint64 ns = timer.nsecsElapsed();
    const double ratio = floor.nanoseconds > 0 ? double(ns) / double(floor.nanoseconds) : 0.0;
    std::printf("    its %lld %s built alone from their fields (nothing read or indexed): %.3f s = %.1fx the floor\n",
                static_cast<long long>(built.size()), what, ns / 1e9, ratio);
}

// Every reader alone, into a store of its own on a thread of its own, each right after the
// floor of its file(s): the same bytes split into fields and nothing else.
void measureReaders(Database &database, const DataPaths &paths)
{
    std::printf("\nReaders alone on one core, beside the field-split floor of the same files\n");
    std::fflush(stdout);
    QThread *thread = QThread::create([&database, &paths] {
        DatabaseStore store;
        DatabaseStore::Scope scope(&store);
        QElapsedTimer timer;

        FieldSplit::Figure floor = FieldSplit::blanks({paths.apt});
        {
            AptReader reader(&database, {}, {}, nullptr);
            timer.start();
            reader.read(paths.apt);
            printReader("apt.dat", timer.nsecsElapsed(), floor);
        }
        floor = FieldSplit::blanks({paths.fix});
        {
            FixReader reader(&database, {}, {}, FixReader::EarthFix);
            timer.start();
            reader.read(paths.fix);
            printReader("earth_fix.dat", timer.nsecsElapsed(), floor);
        }
        {
            QList<Point *> fixes;
            for (Point *point : store.points.items()) {
                if (point && point->type() == Point::FIX)
                    fixes.append(point);
            }
            const QString waypointType = QStringLiteral("C   ");
            printConstruction<Point>(fixes, "fixes", floor, [&waypointType](const Point *fix) {
                return new Point(Point::FIX, fix->position(), fix->code(), fix->terminal(), fix->region(), fix->name(),
                                 0, 0.0f, waypointType);
            });
        }
        floor = FieldSplit::blanks({paths.nav});
        {
            NavReader reader(&database, {}, {});
            timer.start();
            reader.read(paths.nav);
            printReader("earth_nav.dat", timer.nsecsElapsed(), floor);
        }
        floor = FieldSplit::blanks({paths.awy});
        {
            AwyReader reader(&database, {}, {});
            timer.start();
            reader.read(paths.awy);
            printReader("earth_awy.dat", timer.nsecsElapsed(), floor);
        }
        printConstruction<Segment>(store.segments.items(), "segments", floor, [](const Segment *segment) {
            return new Segment(segment->direction(), segment->type(), segment->from(), segment->to(), segment->name(),
                               segment->minLevel(), segment->maxLevel());
        });
        QList<Point *> airports;
        QStringList files;
        for (Point *point : store.points.items()) {
            if (point && point->type() == Point::AIRP) {
                airports.append(point);
                files.append(paths.cifp + QLatin1Char('/') + point->code() + QStringLiteral(".dat"));
            }
        }
        floor = FieldSplit::commas(files);
        {
            CifpLoader reader(&database);
            reader.setPath(paths.cifp);
            timer.start();
            for (Point *airport : std::as_const(airports))
                reader.load(airport);
            printReader("procedure files", timer.nsecsElapsed(), floor);
        }
        std::fflush(stdout);
    });
    database.beginModifying();
    thread->start();
    thread->wait();
    database.endModifying();
    delete thread;
}

// The same import in a second process that may use every core; its figures are printed as it
// gives them, and its database file must equal this one's.
void measureAllCores(const QString &xpPath, bool customData, bool userFix, const QString &oneCoreFile)
{
    std::printf("\nThe same import on all cores (%d), in a second process\n", QThread::idealThreadCount());
    std::fflush(stdout);
    QTemporaryDir keep;
    const QString copy = keep.filePath(QStringLiteral("all-cores.bin"));
    QStringList arguments{xpPath, QStringLiteral("--all-cores"), QStringLiteral("--no-readers"),
                          QStringLiteral("--keep-file"), copy};
    if (customData)
        arguments << QStringLiteral("--custom-data");
    if (userFix)
        arguments << QStringLiteral("--user-fix");
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::printf("  the second process failed\n");
        return;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (line.contains("whole import") || line.contains("Memory:") || line.contains("goal:"))
            std::printf("  %s\n", line.trimmed().constData());
    }
    QFile first(oneCoreFile);
    QFile second(copy);
    const bool same
        = first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly) && first.readAll() == second.readAll();
    std::printf("  database file of the all-cores import identical to the one-core one: %s\n", same ? "yes" : "NO");
}

template <typename Enum>
QString enumKey(int value)
{
    const char *key = QMetaEnum::fromType<Enum>().valueToKey(value);
    return key ? QString::fromLatin1(key) : QString::number(value);
}

void printGenerated(const WorldGen::Summary &s)
{
    std::printf("Generated in %.1f s, %.0f MB:\n", s.milliseconds / 1000.0, s.bytes / (1024.0 * 1024.0));
    std::printf("  apt.dat      %d airports (+%d seaplane bases and heliports), %d runways, %lld lines\n", s.airports,
                s.skippedAirports, s.runways, static_cast<long long>(s.aptLines));
    std::printf("  earth_fix    %d fixes (%d enroute, %d terminal); user_fix %d\n", s.enrouteFixes + s.terminalFixes,
                s.enrouteFixes, s.terminalFixes, s.userFixes);
    std::printf("  earth_nav    %d rows: %d NDB, %d VOR, %d DME, %d ILS localizers, %d other\n",
                s.ndbs + s.vors + s.dmes + s.localizers + s.otherNavaids, s.ndbs, s.vors, s.dmes, s.localizers,
                s.otherNavaids);
    std::printf("  earth_awy    %d rows (%d high, %d low)\n", s.airwayRows, s.highAirwayRows, s.lowAirwayRows);
    std::printf("  CIFP         %d files, %lld legs: %d SIDs, %d STARs, %d approaches\n", s.cifpFiles,
                static_cast<long long>(s.cifpLines), s.sids, s.stars, s.approaches);
}

} // namespace

int main(int argc, char *argv[])
{
    // A home of its own: the settings and the database file of the test locations then clash
    // neither with the user's nor with a test suite running at the same time.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    // The control points of ground shapes are written in the order of a QHash, which differs
    // from process to process unless the seed is fixed; the two imports compared here run in
    // two processes.
    QHashSeed::setDeterministicGlobalSeed();
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    // The program's own version: a file kept with --keep-file is one the program loads.
    QCoreApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
    QStandardPaths::setTestModeEnabled(true);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Imports a simulator folder and prints the figures."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Simulator folder to import (default: a generated world)."));
    const QCommandLineOption generateOption(QStringLiteral("generate"),
                                            QStringLiteral("Generate the world into <dir> and keep it."),
                                            QStringLiteral("dir"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("World size (default 1)."),
                                         QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the world."),
                                        QStringLiteral("n"), QStringLiteral("20240110"));
    const QCommandLineOption customOption(QStringLiteral("custom-data"),
                                          QStringLiteral("Read the Custom Data folder."));
    const QCommandLineOption userFixOption(QStringLiteral("user-fix"), QStringLiteral("Read user_fix.dat too."));
    const QCommandLineOption allCoresOption(QStringLiteral("all-cores"),
                                            QStringLiteral("Do not pin the import to one core."));
    const QCommandLineOption importOnlyOption(QStringLiteral("import-only"),
                                              QStringLiteral("Print the import figures alone."));
    const QCommandLineOption noReadersOption(QStringLiteral("no-readers"),
                                             QStringLiteral("Skip the readers alone beside their floors."));
    const QCommandLineOption noAllCoresOption(QStringLiteral("no-all-cores"),
                                              QStringLiteral("Skip the second import on all cores."));
    const QCommandLineOption keepFileOption(QStringLiteral("keep-file"),
                                            QStringLiteral("Copy the database file written to <path>."),
                                            QStringLiteral("path"));
    parser.addOptions({generateOption, scaleOption, seedOption, customOption, userFixOption, allCoresOption,
                       importOnlyOption, noReadersOption, noAllCoresOption, keepFileOption});
    parser.process(app);

    // ---- the simulator folder
    std::unique_ptr<QTemporaryDir> temporary;
    QString xpPath;
    if (!parser.positionalArguments().isEmpty()) {
        if (parser.isSet(generateOption)) {
            std::fprintf(stderr, "give either a folder to import or --generate, not both\n");
            return 2;
        }
        xpPath = parser.positionalArguments().first();
        if (!QFileInfo(xpPath).isDir()) {
            std::fprintf(stderr, "%s is not a folder\n", qPrintable(xpPath));
            return 2;
        }
    } else {
        WorldGen::Options options;
        bool ok = false;
        options.scale = parser.value(scaleOption).toDouble(&ok);
        if (!ok) {
            std::fprintf(stderr, "--scale needs a number\n");
            return 2;
        }
        options.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "--seed needs a whole number\n");
            return 2;
        }
        if (parser.isSet(generateOption)) {
            xpPath = parser.value(generateOption);
        } else {
            temporary = std::make_unique<QTemporaryDir>();
            if (!temporary->isValid()) {
                std::fprintf(stderr, "cannot create a temporary folder\n");
                return 1;
            }
            xpPath = temporary->filePath(QStringLiteral("X-Plane 12"));
        }
        WorldGen generator(options);
        std::printf("Generating a world at scale %g into %s\n", options.scale, qPrintable(xpPath));
        std::fflush(stdout);
        if (!generator.write(xpPath)) {
            std::fprintf(stderr, "%s\n", qPrintable(generator.errorString()));
            return 1;
        }
        printGenerated(generator.summary());
    }
    xpPath = QDir(xpPath).absolutePath();
    const bool customData = parser.isSet(customOption);
    const bool userFix = parser.isSet(userFixOption);

    const bool peakReset = resetPeakMemory();
    const int core = parser.isSet(allCoresOption) ? -1 : pinToOneCore();
    qInstallMessageHandler(messageHandler);

    // ---- the import, as the program runs it
    Settings settings;
    Database database;
    Settings::setString(QStringLiteral("database/xpPath"), xpPath);
    Settings::setBool(QStringLiteral("database/customData"), customData);
    Settings::setBool(QStringLiteral("database/userFix"), userFix);
    QDir().mkpath(QFileInfo(database.filePath()).path());
    QFile::remove(database.filePath());

    XpLoader loader(&database);
    QStringList progressTexts;
    qint64 tracksAt = -1;
    qint64 savingAt = -1;
    qint64 lastTextAt = -1;
    QString lastText;
    QObject::connect(
        &loader, &XpLoader::progress, &loader,
        [&](const QString &text) {
            const qint64 at = now();
            QMutexLocker locker(&g_mutex);
            if (text == QLatin1String("Loading tracks..."))
                tracksAt = at;
            else if (text == QLatin1String("Compressing database..."))
                savingAt = at;
            lastText = text;
            lastTextAt = at;
            progressTexts.append(text);
        },
        Qt::DirectConnection);
    qint64 doneAt = -1;
    QObject::connect(&loader, &XpLoader::done, &app, [&]() {
        doneAt = now();
        QCoreApplication::quit();
    });

    std::printf("\nImporting %s%s on %s\n", qPrintable(xpPath), customData ? " (custom data)" : "",
                core >= 0 ? qPrintable(QStringLiteral("core %1 only").arg(core)) : "all cores");
    std::fflush(stdout);
    const double cpuBefore = processCpuSeconds();
    g_clock.start();
    loader.loadAsync();
    QCoreApplication::exec();
    loader.wait();
    const double cpu = processCpuSeconds() - cpuBefore;
    const QString peak = statusFigure("VmHWM:");
    const QString resident = statusFigure("VmRSS:");

    QMutexLocker locker(&g_mutex);
    auto mark = [](const char *key) { return g_marks.value(QString::fromLatin1(key), -1); };
    std::printf("Last progress text: %s\n", qPrintable(QString(lastText).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::printf("\nWall time (s)\n");
    std::printf("  %s  clearing and thread start\n", qPrintable(seconds(0, mark("apt.dat:start"))));
    std::printf("  %s  apt.dat with the CIFP files of each airport\n",
                qPrintable(seconds(mark("apt.dat:start"), mark("apt.dat:end"))));
    std::printf("  %s  earth_fix.dat\n", qPrintable(seconds(mark("earth_fix.dat:start"), mark("earth_fix.dat:end"))));
    std::printf("  %s  earth_nav.dat\n", qPrintable(seconds(mark("earth_nav.dat:start"), mark("earth_nav.dat:end"))));
    std::printf("  %s  earth_awy.dat\n", qPrintable(seconds(mark("earth_awy.dat:start"), mark("earth_awy.dat:end"))));
    if (userFix)
        std::printf("  %s  user_fix.dat\n", qPrintable(seconds(mark("user_fix.dat:start"), mark("user_fix.dat:end"))));
    std::printf("  %s  predefined tracks\n", qPrintable(seconds(tracksAt, savingAt)));
    std::printf("  %s  database file\n", qPrintable(seconds(savingAt, lastTextAt)));
    std::printf("  %s  until done reached the main thread (model reset)\n", qPrintable(seconds(lastTextAt, doneAt)));
    const double total = doneAt / 1e9;
    const double goal = core >= 0 ? kGoalOneCoreSeconds : kGoalAllCoresSeconds;
    std::printf("  %6.2f  whole import, %.2f s of CPU    goal: under %.0f s on %s  %s\n", total, cpu, goal,
                core >= 0 ? "one core" : "all cores", verdict(total < goal));

    const double peakMb = megabytes(peak);
    std::printf("\nMemory: peak (VmHWM) %.0f MB%s, resident now %.0f MB    goal: peak under %.0f MB  %s\n", peakMb,
                peakReset ? "" : " (generator included: could not reset the peak)", megabytes(resident), kGoalMegabytes,
                verdict(peakMb < kGoalMegabytes));
    const QFileInfo file(database.filePath());
    if (file.exists())
        std::printf("Database file: %.1f MB (%s)\n", file.size() / (1024.0 * 1024.0),
                    qPrintable(file.absoluteFilePath()));
    else
        std::printf("Database file: not written\n");
    if (parser.isSet(keepFileOption)) {
        QFile::remove(parser.value(keepFileOption));
        QFile::copy(database.filePath(), parser.value(keepFileOption));
    }
    // The views index the imported lists on the global pool after the import; the lists (the
    // database on this stack) must outlive that work, or the process ends in a crash.
    auto finish = [] {
        std::fflush(stdout);
        QThreadPool::globalInstance()->waitForDone();
        return 0;
    };
    if (parser.isSet(importOnlyOption))
        return finish();

    // ---- what was imported
    QMap<int, int> pointTypes;
    for (Point *point : database.pointModel()->items())
        ++pointTypes[point->type()];
    int ilsEnds = 0;
    for (Runway *runway : database.runwayModel()->items())
        ilsEnds += (runway->ilsFrequency(0) > 0.0f ? 1 : 0) + (runway->ilsFrequency(1) > 0.0f ? 1 : 0);
    QMap<int, int> segmentTypes;
    QMap<int, int> directions;
    for (Segment *segment : database.segmentModel()->items()) {
        ++segmentTypes[segment->type()];
        ++directions[segment->direction()];
    }
    // The procedure model may not exist yet in this build of the database.
    BaseModel<Procedure> *procedureModel = database.procedureModel();
    QMap<int, int> procedureTypes;
    qint64 legs = 0;
    if (procedureModel) {
        for (Procedure *procedure : procedureModel->items()) {
            ++procedureTypes[procedure->type()];
            legs += procedure->recordsOfTransition(QString()).size();
        }
    }

    std::printf("\nImported (cycle %s)\n", qPrintable(Database::cycle()));
    std::printf("  airports %d, runways %d (%d ends with an ILS)\n", pointTypes.value(Point::AIRP),
                int(database.runwayModel()->items().size()), ilsEnds);
    QStringList points;
    for (auto it = pointTypes.cbegin(); it != pointTypes.cend(); ++it)
        points.append(QStringLiteral("%1 %2").arg(enumKey<Point::Types>(it.key())).arg(it.value()));
    std::printf("  points %d: %s\n", int(database.pointModel()->items().size()),
                qPrintable(points.join(QStringLiteral(", "))));
    QStringList segments;
    for (auto it = segmentTypes.cbegin(); it != segmentTypes.cend(); ++it)
        segments.append(QStringLiteral("%1 %2").arg(enumKey<Segment::Types>(it.key())).arg(it.value()));
    std::printf("  segments %d: %s; both ways %d, forward %d, backward %d\n",
                int(database.segmentModel()->items().size()), qPrintable(segments.join(QStringLiteral(", "))),
                directions.value(Segment::NONE), directions.value(Segment::FORWARD),
                directions.value(Segment::BACKWARD));
    QStringList procedures;
    for (auto it = procedureTypes.cbegin(); it != procedureTypes.cend(); ++it)
        procedures.append(QStringLiteral("%1 %2").arg(enumKey<Procedure::Types>(it.key())).arg(it.value()));
    if (procedureModel)
        std::printf("  procedures %d: %s; %lld legs\n", int(procedureModel->items().size()),
                    qPrintable(procedures.join(QStringLiteral(", "))), static_cast<long long>(legs));
    else
        std::printf("  procedures: not countable (the database has no procedure model)\n");
    std::printf(
        "  ground: %d pavements, %d painted lines and lights, %d boundaries, %d taxiway names, %d start-up locations\n",
        int(database.taxiwayModel()->items().size()), int(database.paintlightModel()->items().size()),
        int(database.boundaryModel()->items().size()), int(database.taxinameModel()->items().size()),
        int(database.startupModel()->items().size()));
    std::printf("  progress texts %d; log: %d info, %d warnings, %d critical\n", int(progressTexts.size()),
                g_messageCounts.value(QtInfoMsg), g_messageCounts.value(QtWarningMsg),
                g_messageCounts.value(QtCriticalMsg));
    // The most frequent kinds of message, by their first two words.
    for (const auto *kinds : {&g_warningKinds, &g_infoKinds}) {
        QList<QPair<int, QString>> ranked;
        for (auto it = kinds->cbegin(); it != kinds->cend(); ++it)
            ranked.append({it.value(), it.key()});
        std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        for (qsizetype i = 0; i < std::min<qsizetype>(4, ranked.size()); ++i)
            std::printf(
                "    %6d %s, e.g. %s\n", ranked.at(i).first, kinds == &g_infoKinds ? "info" : "warning",
                qPrintable(g_firstOfKind.value(ranked.at(i).second).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
    locker.unlock();

    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // The one-core import's own file, kept for the comparison with the all-cores one.
    QTemporaryDir keep;
    const QString oneCoreFile = keep.filePath(QStringLiteral("one-core.bin"));
    QFile::copy(database.filePath(), oneCoreFile);

    // Threads made while this process was held to one core stay there: the file is written and
    // loaded where every core is free from the start, in the all-cores process when there is one.
    const bool allCoresProcess = core >= 0 && !parser.isSet(noAllCoresOption);
    if (core < 0 || parser.isSet(noAllCoresOption))
        measureWriteAndLoad(database);
    if (!parser.isSet(noReadersOption)) {
        if (core >= 0)
            QThreadPool::globalInstance()->setMaxThreadCount(1);
        measureReaders(database, dataPaths(xpPath, customData));
    }
    if (allCoresProcess) {
        unpin();
        measureAllCores(xpPath, customData, userFix, oneCoreFile);
    }
    return finish();
}
