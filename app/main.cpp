#include "shell.h"

#include <QApplication>
#include <QUrl>

namespace {

// The document the interface starts from; the main window takes this place once it exists.
const char *const kRootDocument = "qrc:/qt/qml/Waylore/App/qml/Main.qml";

} // namespace

int main(int argc, char *argv[])
{
    Shell::nameApplication();
    QApplication app(argc, argv);

    Shell shell;
    if (!shell.start())
        return 0;
    // The engine has written why to the log.
    if (!shell.loadInterface(QUrl(QLatin1String(kRootDocument))))
        return 1;
    return app.exec();
}
