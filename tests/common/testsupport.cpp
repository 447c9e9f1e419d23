#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace TestSupport {

void initApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.10.0"));
    QStandardPaths::setTestModeEnabled(true);
}

QString dataPath(const QString &relative)
{
    return QDir(QStringLiteral(WAYLORE_TEST_DATA_DIR)).filePath(relative);
}

} // namespace TestSupport
