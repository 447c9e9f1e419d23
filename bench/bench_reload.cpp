// Memory over repeated loads: a synthetic world is imported once (which writes the database
// file), then the file is loaded five times in this process, with a flight plan holding some of
// its points the whole time. The items a load replaces must be returned, so the resident memory
// after the fifth load stays within 10 % of that after the first. The bench never hands the
// allocator's pages back itself: what it measures is what the program returns.
//
// Options: --scale S (world size, default 1).

#include "airplanelistmodel.h"
#include "benchsupport.h"
#include "database.h"
#include "flightplan.h"
#include "point.h"
#include "settings.h"
#include "waypoint.h"
#include "worldgen.h"
#include "xploader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>

namespace {

constexpr int Loads = 5;

double residentMegabytes()
{
    // "123456 kB"
    return BenchSupport::memoryFigure("VmRSS:").section(QLatin1Char(' '), 0, 0).toDouble() / 1024.0;
}

// What the program holds of the allocator's memory, beside what the process keeps of it.
double inUseMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchSupport::initQuietApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral("bench"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Imports a synthetic world, loads its database file five times and prints the memory after each load."));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QStringLiteral("World size (default 1)."),
                                         QStringLiteral("S"), QStringLiteral("1"));
    parser.addOption(scaleOption);
    parser.addHelpOption();
    parser.process(app);

    QTemporaryDir folder;
    const QString xpPath = folder.filePath(QStringLiteral("X-Plane 12"));
    WorldGen::Options options;
    options.scale = parser.value(scaleOption).toDouble();
    WorldGen world(options);
    if (!world.write(xpPath)) {
        std::printf("cannot write the world: %s\n", qPrintable(world.errorString()));
        return 1;
    }

    Settings settings;
    AirplaneListModel airplanes;
    Settings::setString(QStringLiteral("database/xpPath"), xpPath);
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), false);
    Database database;
    {
        XpLoader loader(&database);
        QEventLoop loop;
        QObject::connect(&database, &Database::loaded, &loop, &QEventLoop::quit);
        loader.loadAsync();
        loop.exec();
        loader.wait();
    }
    QCoreApplication::processEvents();
    // Nothing of the import is counted: its memory goes back before the first load.
    database.clear();
    while (database.retiring())
        QCoreApplication::processEvents();

    Flightplan plan;
    std::printf("Synthetic world at scale %g, file %s\n", options.scale, qPrintable(database.filePath()));
    double first = 0.0;
    double last = 0.0;
    for (int i = 1; i <= Loads; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!database.load()) {
            std::printf("load %d failed\n", i);
            return 1;
        }
        if (i == 1) {
            const int step = qMax(1, Database::pointCount() / 20);
            for (int row = 0; row < Database::pointCount() && plan.count() < 20; row += step)
                plan.append(Database::pointAt(row)->uid(), false);
        }
        // The replaced items go between events; what the allocator keeps is not the program's.
        while (database.retiring())
            QCoreApplication::processEvents();
        last = residentMegabytes();
        if (i == 1)
            first = last;
        std::printf("load %d: %7d points, %5.0f ms, resident %7.1f MB, in use %7.1f MB\n", i, Database::pointCount(),
                    timer.nsecsElapsed() / 1e6, last, inUseMegabytes());
    }
    const double growth = (last - first) / first * 100.0;
    std::printf("resident after load %d vs load 1: %+.1f %%    goal: within 10 %%  [%s]\n", Loads, growth,
                qAbs(growth) <= 10.0 ? "met" : "missed");
    std::printf("flight plan of %d waypoints, first %s\n", plan.count(),
                plan.count() ? qPrintable(plan.first()->point()->uid()) : "none");
    QFile::remove(database.filePath());
    return 0;
}
