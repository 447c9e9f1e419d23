#include "memoryheadroom.h"
#include "settings.h"
#include "shell.h"

#include <QApplication>
#include <QGeoCoordinate>
#include <QUrl>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

namespace {

// The main window: the root of the user interface.
const char *const kRootDocument = "qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml";

} // namespace

int main(int argc, char *argv[])
{
    MemoryHeadroom::fitToLimit();
    Shell::nameApplication();
    Settings::setAsideBeforeStart();
    QApplication app(argc, argv);
    // The map's stored centre is a coordinate: its type must be known before the settings store
    // is first read, or the stored value is dropped as an unknown type.
    qRegisterMetaType<QGeoCoordinate>();

    Shell shell;
    if (!shell.start())
        return 0;
    // The engine has written why to the log.
    if (!shell.loadInterface(QUrl(QLatin1String(kRootDocument))))
        return 1;
    shell.exitNow(app.exec());
}
