#include "logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTextStream>
#include <QTime>

#include <cstdlib>

namespace {

// The database load and the simulator import log from their own threads.
QMutex &logMutex()
{
    static QMutex mutex;
    return mutex;
}

QTextStream &logStream()
{
    static QTextStream stream;
    return stream;
}

const char *label(QtMsgType type)
{
    // clang-format off
    switch (type) {
    case QtDebugMsg: return " Debug: ";
    case QtWarningMsg: return " Warning: ";
    case QtCriticalMsg: return " Critical: ";
    case QtFatalMsg: return " Fatal: ";
    case QtInfoMsg: return " Info: ";
    }
    // clang-format on
    return nullptr;
}

} // namespace

namespace Logging {

QString logFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName() + QStringLiteral(".log");
}

bool openLogFile(QFile *file)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return file->open(QIODevice::WriteOnly | QIODevice::Text);
}

void install(QFile *file)
{
    {
        QMutexLocker locker(&logMutex());
        logStream().setDevice(file);
    }
    qInstallMessageHandler(messageHandler);
}

void uninstall()
{
    qInstallMessageHandler(nullptr);
    // A thread that entered the handler just before still holds the lock while it writes.
    QMutexLocker locker(&logMutex());
    logStream().flush();
    logStream().setDevice(nullptr);
}

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    QMutexLocker locker(&logMutex());
    QTextStream &stream = logStream();
    // A log file that could not be opened takes nothing; the program runs on without a log.
    const bool writable = stream.device() && stream.device()->isWritable();
    const char *text = label(type);
    if (writable && text)
        stream << QTime::currentTime().toString(Qt::TextDate) << text << message << '\n';
    if (writable)
        stream.flush();
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace Logging
