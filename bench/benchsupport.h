#pragma once

#include <QByteArray>
#include <QChar>
#include <QCoreApplication>
#include <QFile>
#include <QGeoCoordinate>
#include <QList>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstdio>

// Helpers the benchmarks share.
namespace BenchSupport {

// True, after printing the usage, when the command line asks for help (--help or -h): the
// benchmark then ends at once instead of running. Called before the application object, which
// some benchmarks build only after setting up a world.
inline bool answersHelp(int argc, char **argv, const char *usage)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
    }
    return false;
}

// Names the process as the program, with its settings and data in test-mode folders, never a
// user's own, and drops every log message: they would drown the figures.
inline void initQuietApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

// A figure of /proc/self/status, such as "VmRSS:", as the kernel writes it ("unknown" where
// there is none).
inline QString memoryFigure(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(key.size()).trimmed());
    }
    return QStringLiteral("unknown");
}

// Median and 95th percentile of a series of times.
struct Figures
{
    double median;
    double p95;
};

inline Figures figures(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.at(std::min(times.size() - 1, qsizetype(times.size() * 0.95)))};
}

// count random capital letters: codes and regions of synthetic points.
inline QString letters(QRandomGenerator &random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar('A' + random.bounded(26)));
    return text;
}

// A random position between 60 degrees south and 70 degrees north, where most land is.
inline QGeoCoordinate landPosition(QRandomGenerator &random)
{
    return QGeoCoordinate(-60.0 + random.generateDouble() * 130.0, -180.0 + random.generateDouble() * 360.0);
}

} // namespace BenchSupport
