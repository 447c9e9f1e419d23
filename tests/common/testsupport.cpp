#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

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

} // namespace TestSupport
