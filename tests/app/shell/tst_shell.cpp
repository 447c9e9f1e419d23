#include "shell.h"

#include "airplanelistmodel.h"
#include "database.h"
#include "flightplan.h"
#include "ganalytics.h"
#include "httptestserver.h"
#include "infomanager.h"
#include "itemselectionmodel.h"
#include "logging.h"
#include "point.h"
#include "proceduremanager.h"
#include "settings.h"
#include "testsupport.h"
#include "xploader.h"

#include <QApplication>
#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString kCollectPath = QStringLiteral("/mp/collect?measurement_id=G-SHELLTEST1&api_secret=shellsecret0123456789a");

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    return QDir().mkpath(QFileInfo(path).path()) && !TestSupport::writeFile(path, content).isEmpty();
}

// Child process: the program from its start to its quit in the home the parent chose; prints
// the log file's path, then logs once more after the shell is gone.
int runProgram(int argc, char *argv[])
{
    Shell::nameApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString settings = QDir::homePath() + QStringLiteral("/settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    int code = 0;
    {
        Shell shell;
        if (!shell.start())
            return 3;
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        code = app.exec();
        printf("%s\n", qPrintable(Logging::logFilePath()));
    }
    qWarning("Logged after the shell");
    return code;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void contextProperties_data();
    void contextProperties();
    void registeredTypes_data();
    void registeredTypes();
    void startEventReachesTheService();
    void connections();
    void rootDocument();
    void tileCaches_data();
    void tileCaches();
    void startsTwiceWithOneClientId();
    // Last: it destroys the shell.
    void quitDuringImportWaits();

private:
    template<typename T>
    T *published(const char *name) const
    {
        return qobject_cast<T *>(m_shell->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject *>());
    }
    bool import(const QString &folder);

    HttpTestServer m_server;
    std::unique_ptr<Shell> m_shell;
    QTemporaryDir m_dir;
};

void TestShell::initTestCase()
{
    TestSupport::initApplication();
    QVERIFY(m_dir.isValid());
    QVERIFY(m_server.listen());
    HttpTestServer::Reply accepted;
    accepted.status = 204;
    m_server.setReply(kCollectPath, accepted);
    {
        // The store as a user left it: registered analytics, pounds, export into the simulator.
        QSettings store;
        store.setValue(QStringLiteral("analytics/measurementId"), QStringLiteral("G-SHELLTEST1"));
        store.setValue(QStringLiteral("analytics/apiSecret"), QStringLiteral("shellsecret0123456789a"));
        store.setValue(QStringLiteral("units/mass"), 1);
        store.setValue(QStringLiteral("exporter/exportToFmsDirectory"), true);
    }
    GAnalytics::instance()->setHost(m_server.url(QString()));
    m_shell = std::make_unique<Shell>();
    QVERIFY(m_shell->start());
    QVERIFY(m_shell->engine());
}

void TestShell::contextProperties_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const std::pair<const char *, const char *> rows[] = {
        {"ga", "GAnalytics"},
        {"constants", "Constants"},
        {"settings", "Settings"},
        {"translationManager", "TranslationManager"},
        {"unit", "Unit"},
        {"generator", "Generator"},
        {"database", "Database"},
        {"exporter", "Exporter"},
        {"xploader", "XpLoader"},
        {"netloader", "NetLoader"},
        {"tracks", "Tracks"},
        {"ism", "ItemSelectionModel"},
        {"infoManager", "InfoManager"},
        {"airplanes", "AirplaneListModel"},
        {"printManager", "PrintManager"},
        {"procedureManager", "ProcedureManager"},
        {"themeManager", "ThemeManager"},
        {"flightplan", "Flightplan"},
        {"document", "Document"},
        {"xpconnect", "XpConnect"},
        {"pointModel", "BaseModel<Point>"},
        {"pointListModel", "ListProxyModel"},
        {"airportListModel", "ListProxyModel"},
        {"segmentMapModel", "MapProxyModel"},
        {"boundaryMapModel", "MapProxyModel"},
        {"pointMapModel", "MapProxyModel"},
        {"runwayMapModel", "MapProxyModel"},
        {"taxiwayMapModel", "MapProxyModel"},
        {"paintlightMapModel", "MapProxyModel"},
        {"taxinameMapModel", "MapProxyModel"},
        {"startupMapModel", "MapProxyModel"},
        // Before the root document: its bindings read it while they are created.
        {"theme", "Theme"},
    };
    for (const auto &[name, className] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
}

// All 33 exist once the shell has started, each of its class; the first one is a plain false.
void TestShell::contextProperties()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QQmlContext *context = m_shell->engine()->rootContext();
    const QVariant screenshotMode = context->contextProperty(QStringLiteral("screenshot_mode"));
    QCOMPARE(screenshotMode.typeId(), QMetaType::Bool);
    QCOMPARE(screenshotMode.toBool(), false);

    const QObject *object = context->contextProperty(name).value<QObject *>();
    QVERIFY(object);
    const QString actual = QString::fromLatin1(object->metaObject()->className());
    // The point model's class is a template; its meta-object names the base model.
    if (className.startsWith(QLatin1String("BaseModel")))
        QVERIFY(object->inherits("QAbstractListModel"));
    else
        QCOMPARE(actual, className);
}

void TestShell::registeredTypes_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("Exporter") << "Exporter" << "FMSv11" << 0;
    QTest::newRow("Exporter copy") << "Exporter" << "IcaoRoute" << 2;
    QTest::newRow("BaseItem") << "BaseItem" << "UID" << 131071;
    QTest::newRow("Point") << "Point" << "AIRP" << 1;
    QTest::newRow("Point coordinate") << "Point" << "COORD" << 28;
    QTest::newRow("Procedure") << "Procedure" << "APPCH" << 3;
    QTest::newRow("Segment") << "Segment" << "TRACK" << 20;
    QTest::newRow("Taxiname") << "Taxiname" << "TwoWay" << 1;
    QTest::newRow("Waypoint") << "Waypoint" << "Altitude" << 10551295;
}

// Each type under its own URI, version 1.0, for its enumerations; none can be created.
void TestShell::registeredTypes()
{
    QFETCH(QString, element);
    QFETCH(QString, value);
    QFETCH(int, expected);
    QQmlEngine *engine = m_shell->engine();
    const QString import = QStringLiteral("import QtQml\nimport Corvel.%1 1.0\n").arg(element);

    QQmlComponent reader(engine);
    reader.setData((import + QStringLiteral("QtObject { property int value: %1.%2 }").arg(element, value)).toUtf8(),
                   QUrl());
    std::unique_ptr<QObject> object(reader.create());
    QVERIFY2(object, qPrintable(reader.errorString()));
    QCOMPARE(object->property("value").toInt(), expected);

    QQmlComponent creator(engine);
    creator.setData((import + element + QStringLiteral(" {}")).toUtf8(), QUrl());
    std::unique_ptr<QObject> created(creator.create());
    QVERIFY(!created);
}

// The "start" event with the user's settings among its parameters, from the stored client id.
void TestShell::startEventReachesTheService()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_server.fullRequests().isEmpty(), 10000);
    QCOMPARE(m_server.requests().first(), kCollectPath);
    const QJsonObject body = QJsonDocument::fromJson(m_server.fullRequests().first().body).object();
    const QString clientId = Settings::getString(QStringLiteral("analytics/clientid"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\{[0-9a-f-]{36}\\}$")).match(clientId).hasMatch());
    QCOMPARE(body.value(QStringLiteral("client_id")).toString(), clientId);
    const QJsonObject event = body.value(QStringLiteral("events")).toArray().first().toObject();
    QCOMPARE(event.value(QStringLiteral("name")).toString(), QStringLiteral("start"));
    const QJsonObject params = event.value(QStringLiteral("params")).toObject();
    QCOMPARE(params.value(QStringLiteral("page_location")).toString(), QStringLiteral("/"));
    QCOMPARE(params.value(QStringLiteral("page_title")).toString(), QStringLiteral("Main"));
    QCOMPARE(params.value(QStringLiteral("setting_units_mass")).toString(), QStringLiteral("1"));
    QCOMPARE(params.value(QStringLiteral("setting_units_volume")).toString(), QStringLiteral("0"));
    QCOMPARE(params.value(QStringLiteral("setting_exporter_exporttofmsdirectory")).toString(), QStringLiteral("true"));
    QCOMPARE(params.value(QStringLiteral("setting_map_limitairportdetail")).toString(), QStringLiteral("false"));
    QVERIFY(params.contains(QStringLiteral("screen_dpi")));
    QVERIFY(!params.value(QStringLiteral("cpu_architecture")).toString().isEmpty());
    QCOMPARE(Settings::getString(QStringLiteral("path")), QCoreApplication::applicationDirPath());
}

bool TestShell::import(const QString &folder)
{
    Settings::setString(QStringLiteral("database/xpPath"), folder);
    Settings::setBool(QStringLiteral("database/customData"), false);
    auto *loader = published<XpLoader>("xploader");
    QSignalSpy loaded(published<Database>("database"), &Database::loaded);
    loader->loadAsync();
    return loaded.wait(30000) && loaded.first().first().toBool() && loader->wait(30000);
}

// The four wires between the objects, followed on the imported test world.
void TestShell::connections()
{
    QVERIFY(import(TestSupport::dataPath(QStringLiteral("xplane-route"))));
    QCoreApplication::processEvents();
    auto *info = published<InfoManager>("infoManager");
    auto *selection = published<ItemSelectionModel>("ism");
    auto *procedures = published<ProcedureManager>("procedureManager");

    const Point *airport = Database::findAirport(QStringLiteral("XRTA"), false);
    QVERIFY(airport);
    emit info->pointLinkActivated(airport->uid());
    QCOMPARE(selection->currentUID, airport->uid());

    emit info->displayProcedure(QStringLiteral("XRTA/ALDA1A"));
    QCOMPARE(procedures->pointuids().filter(QStringLiteral("ALDAX")).size(), 1);
    emit info->clear();
    QVERIFY(procedures->pointuids().isEmpty());

    QSignalSpy edited(published<Flightplan>("flightplan"), &Flightplan::edited);
    emit published<AirplaneListModel>("airplanes")->changed();
    QCOMPARE(edited.size(), 1);
}

// The root document finds "theme" while it is created; a document that gives no root object is
// reported.
void TestShell::rootDocument()
{
    const QString path = m_dir.filePath(QStringLiteral("Root.qml"));
    QVERIFY(writeFile(path, "import QtQuick\nItem { property string themeName: theme.name; "
                            "property bool shot: screenshot_mode }\n"));
    QList<QQmlError> warnings;
    connect(m_shell->engine(), &QQmlEngine::warnings, this,
            [&warnings](const QList<QQmlError> &list) { warnings += list; });
    QVERIFY(!m_shell->loadInterface(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("Missing.qml")))));
    QCOMPARE(warnings.size(), 1);
    warnings.clear();
    QVERIFY(m_shell->loadInterface(QUrl::fromLocalFile(path)));
    QCOMPARE(warnings.size(), 0);
    QObject *root = m_shell->engine()->rootObjects().constLast();
    QCOMPARE(root->property("themeName").toString(), QStringLiteral("Light"));
    QCOMPARE(root->property("shot").toBool(), false);
    disconnect(m_shell->engine(), &QQmlEngine::warnings, this, nullptr);
}

void TestShell::tileCaches_data()
{
    QTest::addColumn<QString>("cacheFolder");
    QTest::addColumn<bool>("removes");
    QTest::newRow("cache location") << "<dir>/cache" << true;
    // Below the filesystem root or the working folder: nothing.
    QTest::newRow("empty location") << "" << false;
    QTest::newRow("relative location") << "cache" << false;
}

// The four tile folders go with their contents; the rest of the cache stays.
void TestShell::tileCaches()
{
    QFETCH(QString, cacheFolder);
    QFETCH(bool, removes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString cache = dir.filePath(QStringLiteral("cache"));
    const QStringList tiles = {QStringLiteral("/map/background/providers"), QStringLiteral("/map/clouds_new"),
                               QStringLiteral("/map/precipitation_new"), QStringLiteral("/map/wind_new")};
    for (const QString &folder : tiles)
        QVERIFY(writeFile(cache + folder + QStringLiteral("/7/66/42.png"), "tile"));
    QVERIFY(writeFile(cache + QStringLiteral("/map/background/other/1.png"), "tile"));
    cacheFolder.replace(QLatin1String("<dir>"), dir.path());

    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QStringList removed = Shell::clearTileCaches(cacheFolder);
    QDir::setCurrent(previous);

    QStringList expected;
    for (const QString &folder : tiles) {
        QCOMPARE(QFileInfo::exists(cache + folder), !removes);
        if (removes)
            expected.append(cache + folder);
    }
    QCOMPARE(removed, expected);
    QVERIFY(QFileInfo::exists(cache + QStringLiteral("/map/background/other/1.png")));
}

// Two runs of the program from an empty store: the log starts with the name and version, holds
// nothing of what was said before it opened, and both runs use the one client id made by the
// first. What is logged once the log file is closed goes to the console, not to a dead file.
void TestShell::startsTwiceWithOneClientId()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("WAYLORE_SHELL_PROGRAM"), QStringLiteral("1"));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(name));
    const QRegularExpression clientLine(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Info: Analytics client ID "
                                                       "\"(\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\})\"$"));
    QStringList ids;
    for (int run = 0; run < 2; ++run) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(program.waitForFinished(60000));
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, errors.constData());
        const QStringList lines = fileLines(QString::fromLocal8Bit(program.readAllStandardOutput().trimmed()));
        QVERIFY(!lines.isEmpty());
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Info: \"Waylore\" \"4\\.10\\.0\"$"))
                     .match(lines.first()).hasMatch(), qPrintable(lines.first()));
        QVERIFY(errors.contains("Running from"));
        QVERIFY(errors.contains("Log file opened in"));
        QVERIFY(errors.contains("Logged after the shell"));
        for (const QString &line : lines) {
            QVERIFY2(!line.contains(QLatin1String("Running from")) && !line.contains(QLatin1String("Log file opened in"))
                         && !line.contains(QLatin1String("Logged after the shell")),
                     qPrintable(line));
        }
        const QStringList clients = lines.filter(clientLine);
        QCOMPARE(clients.size(), 1);
        ids.append(clientLine.match(clients.first()).captured(1));
    }
    QCOMPARE(ids.at(1), ids.at(0));
}

// Quitting while the simulator data is imported: the import stops and its thread has ended
// before the loader, the flight plan and the database are destroyed; the database file of the
// last whole import stays as it was.
void TestShell::quitDuringImportWaits()
{
    const QString databaseFile = published<Database>("database")->filePath();
    const QByteArray stored = fileBytes(databaseFile);
    QVERIFY(!stored.isEmpty());

    const QString root = m_dir.filePath(QStringLiteral("X-Plane 12"));
    QByteArray fixes("I\n1101 Version - data cycle 2302, build\n");
    fixes.reserve(40 * 600000);
    for (int i = 0; i < 600000; ++i)
        fixes += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixes));
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_nav.dat"), "I\n1150 Version - data cycle 2302\n99\n"));
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_awy.dat"), "I\n1100 Version - data cycle 2302\n99\n"));
    QVERIFY(writeFile(root + QStringLiteral("/Global Scenery/Global Airports/Earth nav data/apt.dat"),
                      "I\n1100 Version - data cycle 2302\n\n99\n"));
    Settings::setString(QStringLiteral("database/xpPath"), root);

    auto *loader = published<XpLoader>("xploader");
    QAtomicInt readingFixes = 0;
    QAtomicInt ended = 0;
    connect(loader, &XpLoader::progress, loader, [&](const QString &text) {
        if (text.startsWith(QLatin1String("Loading fix points:")))
            readingFixes.storeRelease(1);
    }, Qt::DirectConnection);
    connect(loader, &QThread::finished, loader, [&] { ended.storeRelease(1); }, Qt::DirectConnection);
    loader->loadAsync();
    QTRY_VERIFY_WITH_TIMEOUT(readingFixes.loadAcquire() == 1, 30000);
    QVERIFY(loader->isRunning());

    m_shell.reset();
    QCOMPARE(ended.loadAcquire(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(fileBytes(databaseFile), stored);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("WAYLORE_SHELL_PROGRAM"))
        return runProgram(argc, argv);
    QApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"
