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
    QStandardPaths::setTestModeEnabled(true);

    // Suites run in parallel: each process keeps its preferences in a folder of its own,
    // removed when the process ends.
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

QString dataPath(const QString &relative)
{
    return QDir(QStringLiteral(WAYLORE_TEST_DATA_DIR)).filePath(relative);
}

} // namespace TestSupport
