#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QStringList s_messages;
QtMessageHandler s_previous = nullptr;

void keepMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    s_messages.append(message);
    if (type == QtFatalMsg && s_previous)
        s_previous(type, context, message);
}

} // namespace

namespace TestSupport {

void initApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.10.0"));

    // Suites run in parallel: each process keeps its data folder (the database file) and its
    // preferences in a home of its own, removed when the process ends.
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    const QString settingsDir = home.path() + QStringLiteral("/settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir);
}

QString dataPath(const QString &relative)
{
    return QDir(QStringLiteral(WAYLORE_TEST_DATA_DIR)).filePath(relative);
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return path;
}

void captureMessages()
{
    s_messages.clear();
    s_previous = qInstallMessageHandler(keepMessage);
}

void releaseMessages()
{
    qInstallMessageHandler(s_previous);
}

QStringList &capturedMessages()
{
    return s_messages;
}

QStringList capturedStartingWith(const QString &prefix)
{
    QStringList found;
    for (const QString &message : std::as_const(s_messages)) {
        if (message.startsWith(prefix))
            found.append(message);
    }
    return found;
}

bool runFatalCase(const QByteArray &which, QByteArray *standardError)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WAYLORE_FATAL_CASE"), QString::fromLatin1(which));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(30000))
        return false;
    *standardError = child.readAllStandardError();
    return child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0;
}

long long mappedBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readLine().split(' ').first().toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace TestSupport
