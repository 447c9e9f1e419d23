// Reads synthetic CIFP files the size of a large airport's and streams the procedures through
// the database-file records, printing lines per second and bytes per leg.

#include "airport.h"
#include "benchsupport.h"
#include "cifploader.h"
#include "database.h"
#include "procedure.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kAirports = 50;
constexpr int kProceduresPerAirport = 200;
constexpr int kLegsPerProcedure = 12;

QString procedureLine(int procedure, int leg)
{
    static const char *terminators[] = {"IF", "TF", "CF", "DF", "RF", "AF", "FD", "CA", "HM", "PI", "FC", "TF"};
    const char *section = procedure % 3 == 0 ? "SID" : (procedure % 3 == 1 ? "STAR" : "APPCH");
    const char *route = procedure % 3 == 2 ? "A" : "2";
    QStringList fields(38, QStringLiteral(" "));
    fields[0] = QStringLiteral("%1:%2").arg(QLatin1String(section)).arg((leg + 1) * 10, 3, 10, QLatin1Char('0'));
    fields[1] = QLatin1String(route);
    fields[2] = QStringLiteral("P%1").arg(procedure);
    fields[3] = leg < 4 ? QStringLiteral("RW25L") : QStringLiteral("     ");
    fields[4] = QStringLiteral("F%1").arg(leg, 4, 10, QLatin1Char('0'));
    fields[5] = QStringLiteral("ED");
    fields[6] = QStringLiteral("E");
    fields[8] = leg == kLegsPerProcedure - 1 ? QStringLiteral("EE  ") : QStringLiteral("E   ");
    fields[11] = QLatin1String(terminators[leg]);
    fields[13] = QStringLiteral("FFM ");
    fields[17] = QStringLiteral("002500");
    fields[20] = QStringLiteral("2495");
    fields[21] = leg % 2 ? QStringLiteral("T010") : QStringLiteral("0125");
    fields[22] = QStringLiteral("+");
    fields[23] = leg % 4 ? QStringLiteral("05000") : QStringLiteral("FL120");
    fields[27] = QStringLiteral("250");
    fields[30] = QStringLiteral("CENTR");
    fields[37] = QStringLiteral(";");
    return fields.join(QLatin1Char(','));
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_cifploader\n"
                                  "Reads synthetic CIFP files of a large airport's size and prints lines per second and bytes per leg.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("WayloreBench"));
    QStandardPaths::setTestModeEnabled(true);
    Settings settings;
    Database database;

    QTemporaryDir dir;
    qint64 lines = 0;
    for (int a = 0; a < kAirports; ++a) {
        QFile file(dir.filePath(QStringLiteral("X%1.dat").arg(a, 3, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return 1;
        QTextStream out(&file);
        for (int p = 0; p < kProceduresPerAirport; ++p) {
            for (int l = 0; l < kLegsPerProcedure; ++l) {
                out << procedureLine(p, l) << '\n';
                ++lines;
            }
        }
    }

    CifpLoader loader(&database);
    loader.setPath(dir.path());
    QList<Airport *> airports;
    for (int a = 0; a < kAirports; ++a)
        airports.append(new Airport(QStringLiteral("X%1").arg(a, 3, 10, QLatin1Char('0')), QStringLiteral("Bench"), 0));

    QElapsedTimer timer;
    timer.start();
    for (Airport *airport : std::as_const(airports))
        loader.load(airport);
    const qint64 readMs = qMax<qint64>(1, timer.elapsed());
    std::printf("CIFP read: %lld lines of %d airports in %lld ms (%.0f lines/s)\n", static_cast<long long>(lines),
                kAirports, static_cast<long long>(readMs), lines * 1000.0 / readMs);

    // One procedure of twelve legs through its database-file record, many times over.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        Procedure procedure(QStringLiteral("P0"), QStringLiteral("X000"), Procedure::SID);
        for (int l = 0; l < kLegsPerProcedure; ++l) {
            procedure.addRecord(Record(
                l * 10, 2,
                QStringLiteral("RW25L"),
                               QStringLiteral("F0001"),
                                              QStringLiteral("FFM"), QStringLiteral("ENRT"),
                                                                                    QStringLiteral("ED"), 0x45202020,
                                                                                                   -1, Record::TF, 250,
                                                                                                   12.5, 0, 0, 5000, -1,
                                                                                                   -1, 250, 2.5, -1));
        }
        timer.restart();
        constexpr int rounds = 20000;
        for (int i = 0; i < rounds; ++i)
            out << procedure;
        const qint64 writeMs = qMax<qint64>(1, timer.elapsed());
        std::printf("Procedure record: %lld bytes for %d legs (%.1f bytes per leg); %d written in %lld ms\n",
                    static_cast<long long>(bytes.size() / rounds), kLegsPerProcedure,
                    double(bytes.size()) / rounds / kLegsPerProcedure, rounds, static_cast<long long>(writeMs));
        QDataStream in(bytes);
        timer.restart();
        int read = 0;
        while (!in.atEnd()) {
            Procedure *p = nullptr;
            in >> p;
            delete p;
            ++read;
        }
        std::printf("Procedure record: %d read in %lld ms\n", read, static_cast<long long>(timer.elapsed()));
    }
    qDeleteAll(airports);
    return 0;
}
