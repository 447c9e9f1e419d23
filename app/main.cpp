#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QUrl>

int main(int argc, char *argv[])
{
    QApplication::setOrganizationName(QStringLiteral(WAYLORE_ORGANIZATION));
    QApplication::setApplicationName(QStringLiteral(WAYLORE_APP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
    qputenv("QT_QUICK_CONTROLS_MATERIAL_VARIANT", "Dense");

    QApplication app(argc, argv);

    QQmlApplicationEngine engine;
    // Qt 6.4 does not look for module QML under the 6.5 default prefix by itself.
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Waylore/App/qml/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return app.exec();
}
