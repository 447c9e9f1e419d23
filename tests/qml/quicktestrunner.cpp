// Runs the Qt Quick Tests of the interface module. Each test file gets a fresh engine whose
// root context holds what the entry function publishes: the real constants and settings, and
// a stub (stubs/Stub<Name>.qml, published as <name>) for every other native object. A test
// swaps a stub for the real object with testSupport.useNative(name); the real objects live as
// long as the run, so a test brings them to the state it needs.
#include "airplanelistmodel.h"
#include "constants.h"
#include "database.h"
#include "document.h"
#include "filesizelimit.h"
#include "flightplan.h"
#include "generator.h"
#include "settings.h"
#include "templating.h"
#include "testlistmodel.h"
#include "thememanager.h"
#include "unit.h"
#include "xploader.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <cstdio>
#include <memory>
#include <optional>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

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
    TestSupport(QQmlContext *context, const QHash<QString, QObject *> &natives, Database *database, QObject *parent)
        : QObject(parent)
        , m_context(context)
        , m_natives(natives)
        , m_database(database)
    {
    }

    Q_INVOKABLE void setContextProperty(const QString &name, const QVariant &value)
    {
        m_context->setContextProperty(name, value);
    }

    // Publishes the real object in place of the stub: "airplanes", "unit", "flightplan",
    // "generator".
    Q_INVOKABLE bool useNative(const QString &name)
    {
        QObject *object = m_natives.value(name);
        if (!object) {
            qWarning() << "No native object" << name;
            return false;
        }
        m_context->setContextProperty(name, object);
        return true;
    }

    // Imports the route test simulator folder (airports XRTA, XRTB, XRTC) into the real
    // database, once per run, and publishes the database's models (airportListModel...).
    Q_INVOKABLE bool importTestSimulator()
    {
        static bool imported = import(m_database);
        m_database->registerModels(m_context);
        return imported;
    }

    // Every in-window dialog and question below the object (dialogs and message boxes).
    Q_INVOKABLE QVariantList dialogs(QObject *root) const
    {
        QVariantList found;
        for (QObject *object : root->findChildren<QObject *>())
            if (object->inherits("QQuickDialog") || object->inherits("QQuickMessageDialog"))
                found.append(QVariant::fromValue(object));
        return found;
    }

    // The preferences store as the native code reads and writes it.
    Q_INVOKABLE QVariant storedValue(const QString &key) const { return QSettings().value(key); }
    Q_INVOKABLE void storeValue(const QString &key, const QVariant &value) { QSettings().setValue(key, value); }
    Q_INVOKABLE void clearStore() { QSettings().clear(); }

    // Folders and files of the temporary folder, for tests of what the pages write.
    Q_INVOKABLE QString makeFolder(const QString &name) const
    {
        QDir().mkpath(m_temporary.filePath(name));
        return m_temporary.filePath(name);
    }
    Q_INVOKABLE bool removeFolder(const QString &path) const { return QDir(path).removeRecursively(); }
    Q_INVOKABLE bool exists(const QString &path) const { return QFileInfo::exists(path); }
    Q_INVOKABLE QStringList folderEntries(const QString &path) const
    {
        return QDir(path).entryList(QDir::Files, QDir::Name);
    }
    Q_INVOKABLE qint64 fileSize(const QString &path) const { return QFileInfo(path).size(); }
    // Until called with -1, no file grows past that many bytes, as on a full disk.
    Q_INVOKABLE void limitFileSize(qint64 bytes) { m_sizeLimit.emplace(bytes); }

    // A file path in this run's own temporary folder.
    Q_INVOKABLE QString temporaryPath(const QString &name) const { return m_temporary.filePath(name); }
    // A list model of the test's own: one row per object, one role per property (lists of
    // coordinates stay lists). It lives as long as the test file's engine.
    Q_INVOKABLE QObject *listModel(const QVariantList &rows)
    {
        auto *model = new TestListModel(rows, this);
        QQmlEngine::setObjectOwnership(model, QQmlEngine::CppOwnership);
        return model;
    }

    // The program's own texts in the language of the code ("fr", "de", "es"; "en" for the
    // source texts), on every page at once.
    Q_INVOKABLE bool useLanguage(const QString &code)
    {
        QCoreApplication::removeTranslator(&m_translator);
        const bool used = code == QLatin1String("en")
                          || (m_translator.load(QStringLiteral(":/i18n/waylore_%1.qm").arg(code))
                              && QCoreApplication::installTranslator(&m_translator));
        m_context->engine()->retranslate();
        return used;
    }

    // Moves the pointer onto a point of the item through the window system, as a pilot's mouse
    // does: the test case's mouseMove() hands the window its event alone, and Qt Quick reads
    // where a resting pointer is from the window system.
    Q_INVOKABLE void movePointer(QQuickItem *item, qreal x, qreal y)
    {
        QTest::mouseMove(item->window(), item->mapToScene(QPointF(x, y)).toPoint());
    }

    // Where screenshots are kept for a person to look at: WAYLORE_SCREENSHOT_DIR, else the
    // temporary folder.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("WAYLORE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return temporaryPath(name);
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }

private:
    static bool import(Database *database)
    {
        QSettings().setValue(QStringLiteral("database/xpPath"),
                             QStringLiteral(WAYLORE_QML_TEST_DATA_DIR "/xplane-route"));
        XpLoader loader(database);
        QEventLoop loop;
        QObject::connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loader.loadAsync();
        loop.exec();
        const bool ended = loader.wait(30000);
        QCoreApplication::processEvents();
        return ended && Database::pointCount() > 0;
    }

    QTemporaryDir m_temporary;
    std::optional<FileSizeLimit> m_sizeLimit;
    QTranslator m_translator;
    QQmlContext *m_context;
    QHash<QString, QObject *> m_natives;
    Database *m_database;
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
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        describeLocalTiles();
        m_unit = std::make_unique<Unit>();
        // The plan's briefing is rendered from a template.
        m_templating = std::make_unique<Templating>();
        m_database = std::make_unique<Database>();
        m_airplanes = std::make_unique<AirplaneListModel>();
        m_flightplan = std::make_unique<Flightplan>();
        m_generator = std::make_unique<Generator>(m_flightplan.get());
        m_themeManager = std::make_unique<ThemeManager>();
        m_document = std::make_unique<Document>(m_flightplan.get());
        QObject::connect(m_airplanes.get(), &AirplaneListModel::changed, m_flightplan.get(),
                         &Flightplan::airplaneChanged);
        g_previousHandler = qInstallMessageHandler(countWarnings);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("screenshot_mode"), false);
        context->setContextProperty(QStringLiteral("constants"), m_constants.get());
        context->setContextProperty(QStringLiteral("settings"), m_settings.get());
        // The real themes: the map pages read "theme" from their first binding on.
        m_themeManager->setContext(context);
        context->setContextProperty(QStringLiteral("themeManager"), m_themeManager.get());
        // The document has no stand-in: it writes only the files a test names.
        context->setContextProperty(QStringLiteral("document"), m_document.get());
        const QHash<QString, QObject *> natives{{QStringLiteral("airplanes"), m_airplanes.get()},
                                                {QStringLiteral("unit"), m_unit.get()},
                                                {QStringLiteral("flightplan"), m_flightplan.get()},
                                                {QStringLiteral("generator"), m_generator.get()}};
        context->setContextProperty(QStringLiteral("testSupport"),
                                    new TestSupport(context, natives, m_database.get(), engine));

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

    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

public:
    // The background map takes a cached provider description at once and asks the repository
    // nothing; its tiles are asked of this run's own server, which takes every request and
    // never answers: no tile request leaves the machine, fails or finishes while a test runs.
    void describeLocalTiles()
    {
        if (!m_tiles.listen(QHostAddress::LocalHost, 0))
            qFatal("No local tile server");
        QObject::connect(&m_tiles, &QTcpServer::newConnection, &m_tiles, [this] {
            while (QTcpSocket *socket = m_tiles.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
            }
        });
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                               + QStringLiteral("/map/background/providers");
        QDir().mkpath(folder);
        const QByteArray description = "{\"url\": \"http://127.0.0.1:" + QByteArray::number(m_tiles.serverPort())
                                       + "/%z/%x/%y.png\", \"format\": \"png\"}";
        for (const char *type : {"street", "satellite", "cycle", "transit", "night-transit", "terrain", "hiking"}) {
            QFile file(folder + u'/' + QLatin1String(type) + QStringLiteral(".json"));
            if (file.open(QIODevice::WriteOnly))
                file.write(description);
        }
    }

    ~Setup() override
    {
        // The generator stops its search; the plan goes before the airplanes it reads.
        m_generator.reset();
        m_document.reset();
        m_flightplan.reset();
        m_airplanes.reset();
        m_database.reset();
        m_templating.reset();
    }

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Constants> m_constants;
    std::unique_ptr<Unit> m_unit;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    std::unique_ptr<Flightplan> m_flightplan;
    std::unique_ptr<Generator> m_generator;
    std::unique_ptr<ThemeManager> m_themeManager;
    QTcpServer m_tiles;
    std::unique_ptr<Document> m_document;
};

int main(int argc, char **argv)
{
    // CTest runs several of these runners at once: each keeps its preferences, data and cache
    // folders in a home of its own, so one run never reads what another wrote.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CACHE_HOME");
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
