// Runs the Qt Quick Tests of the map items with the map module linked in. A warning outside a
// test function (a binding error while a file loads) fails the run; inside test functions the
// test cases fail on warnings themselves.
#include "warningcounter.h"

#include <QApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStringListModel>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

// A list model whose every change is a reset, for the views' reset handling.
class ResettingModel : public QStringListModel
{
    Q_OBJECT

public:
    Q_INVOKABLE void reset(const QStringList &rows) { setStringList(rows); }
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        engine->rootContext()->setContextProperty(QStringLiteral("resettingModel"), &m_model);
    }

private:
    ResettingModel m_model;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    WarningCounter warnings;
    Setup setup;
    const int failures = quick_test_main_with_setup(argc, argv, "mapitems", QUICK_TEST_SOURCE_DIR, &setup);
    if (warnings.count() > 0)
        std::fprintf(stderr, "FAIL: %d warning(s) outside the test functions\n", warnings.count());
    return failures + warnings.count();
}

#include "quicktestrunner.moc"
