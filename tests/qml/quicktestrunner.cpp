// Runs the Qt Quick Tests of the interface module. Each test file gets a fresh engine whose
// root context holds what the entry function publishes: the real constants and settings, and
// a stub (stubs/Stub<Name>.qml, published as <name>) for every other native object.
#include "constants.h"
#include "settings.h"

#include <QApplication>
#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)

namespace {

// Warnings outside a test function (while a test file loads) fail the run too.
int g_warningsOutsideTests = 0;
QtMessageHandler g_previousHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type >= QtWarningMsg)
        ++g_warningsOutsideTests;
    g_previousHandler(type, context, message);
}

} // namespace

// Lets a test change a root-context property, e.g. screenshot_mode.
class TestSupport : public QObject
{
    Q_OBJECT

public:
    explicit TestSupport(QQmlContext *context, QObject *parent) : QObject(parent), m_context(context) {}

    Q_INVOKABLE void setContextProperty(const QString &name, const QVariant &value)
    {
        m_context->setContextProperty(name, value);
    }

private:
    QQmlContext *m_context;
};

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
        QCoreApplication::setApplicationName(QStringLiteral("WayloreQmlTests"));
        m_settings = std::make_unique<Settings>();
        m_settings->clear();
        m_constants = std::make_unique<Constants>();
        g_previousHandler = qInstallMessageHandler(countWarnings);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("screenshot_mode"), false);
        context->setContextProperty(QStringLiteral("constants"), m_constants.get());
        context->setContextProperty(QStringLiteral("settings"), m_settings.get());
        context->setContextProperty(QStringLiteral("testSupport"), new TestSupport(context, engine));

        const QDir stubs(QStringLiteral(WAYLORE_QML_STUB_DIR));
        for (const QString &file : stubs.entryList({QStringLiteral("Stub*.qml")}, QDir::Files)) {
            QQmlComponent component(engine, QUrl::fromLocalFile(stubs.filePath(file)));
            QObject *stub = component.create();
            if (!stub) {
                qWarning().noquote() << component.errorString();
                continue;
            }
            stub->setParent(engine);
            QString name = file.mid(4).chopped(4);
            name[0] = name[0].toLower();
            context->setContextProperty(name, stub);
        }
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previousHandler);
    }

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Constants> m_constants;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Setup setup;
    const int result = quick_test_main_with_setup(argc, argv, "tst_qml", QUICK_TEST_SOURCE_DIR, &setup);
    if (g_warningsOutsideTests > 0) {
        std::fprintf(stderr, "FAIL: %d warning(s) outside the test functions\n", g_warningsOutsideTests);
        return result == 0 ? 1 : result;
    }
    return result;
}

#include "quicktestrunner.moc"
