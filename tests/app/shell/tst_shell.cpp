#include "shell.h"

#include "airplanelistmodel.h"
#include "database.h"
#include "flightplan.h"
#include "ganalytics.h"
#include "infomanager.h"
#include "itemselectionmodel.h"
#include "logging.h"
#include "netloader.h"
#include "point.h"
#include "proceduremanager.h"
#include "settings.h"
#include "testsupport.h"
#include "xpconnect.h"
#include "xploader.h"

#include <QApplication>
#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

#include <csignal>
#include <functional>

#include <memory>

#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#include <sys/wait.h>
#endif

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    return QDir().mkpath(QFileInfo(path).path()) && !TestSupport::writeFile(path, content).isEmpty();
}

// One run of the program in a home of its own (runProgram below): whether it ended cleanly, and
// what it wrote.
struct ProgramRun
{
    bool clean = false;
    QByteArray output;
    QByteArray errors;
};

// With a simulator port, the program connects to it before it quits; with a download port, it
// downloads the database from there.
ProgramRun runOnce(const QString &home, const QString &mode = QStringLiteral("1"), int *exitCode = nullptr,
                   quint16 simulatorPort = 0, quint16 downloadPort = 0,
                   const std::function<void(QProcess &)> &whileRunning = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("WAYLORE_SHELL_PROGRAM"), mode);
    if (simulatorPort != 0)
        environment.insert(QStringLiteral("WAYLORE_SHELL_SIMULATOR"), QString::number(simulatorPort));
    if (downloadPort != 0)
        environment.insert(QStringLiteral("WAYLORE_SHELL_DOWNLOAD"), QString::number(downloadPort));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationFilePath(), {});
    if (whileRunning && program.waitForStarted(60000))
        whileRunning(program);
    const bool ended = program.waitForFinished(60000);
    if (exitCode)
        *exitCode = program.exitCode();
    return {ended && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
            program.readAllStandardOutput(), program.readAllStandardError()};
}

// Child process: the program from its start to its quit in the home the parent chose; prints
// the log file's path, then logs once more after the shell is gone.
int runProgram(int argc, char *argv[])
{
    Shell::nameApplication();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::homePath() + QStringLiteral("/settings"));
    {
        Shell shell;
        if (!shell.start())
            return 3;
        if (const int port = qEnvironmentVariableIntValue("WAYLORE_SHELL_SIMULATOR")) {
            Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("127.0.0.1"));
            Settings::setString(QStringLiteral("tracking/xpPort"), QString::number(port));
            QVariant link = shell.engine()->rootContext()->contextProperty(QStringLiteral("xpconnect"));
            link.value<XpConnect *>()->connect();
        }
        if (const int port = qEnvironmentVariableIntValue("WAYLORE_SHELL_DOWNLOAD")) {
            Settings::setString(QStringLiteral("database/downloadUrl"),
                                QStringLiteral("http://127.0.0.1:%1/").arg(port));
            QVariant loader = shell.engine()->rootContext()->contextProperty(QStringLiteral("netloader"));
            loader.value<NetLoader *>()->loadAsync();
        }
        const QString mode = qEnvironmentVariable("WAYLORE_SHELL_PROGRAM");
        // Ended from outside ("signal"), else at once.
        if (mode != QLatin1String("signal"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        if (mode == QLatin1String("exit") || mode == QLatin1String("signal")) {
            // As the program quits: a setting changed, a downloaded database being read, the quick exit.
            Settings::setString(QStringLiteral("test/keptAtExit"), QStringLiteral("kept"));
            auto *database
                = shell.engine()->rootContext()->contextProperty(QStringLiteral("database")).value<Database *>();
            if (!writeFile(database->filePath() + QStringLiteral(".download"), QByteArray(16 << 20, 'd')))
                return 4;
            database->loadReplacementAsync(database->filePath() + QStringLiteral(".download"));
            printf("%s\n", qPrintable(Logging::logFilePath()));
            fflush(stdout);
            shell.exitNow(app.exec() + (mode == QLatin1String("exit") ? 7 : 0));
        }
        app.exec();
        printf("%s\n", qPrintable(Logging::logFilePath()));
    }
    qWarning("Logged after the shell");
    return 0;
}

// The engine quits just before the first call queued to the watched object once armed is handled.
struct QuitBeforeCall : QObject
{
    QQmlEngine *engine = nullptr;
    QAtomicInt armed = 0;
    bool sent = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!sent && event->type() == QEvent::MetaCall && armed.loadAcquire() == 1)
            sent = true, emit engine->quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contextProperties();
    void registeredTypes();
    void analyticsSetUp();
    void connections();
    void rootDocument();
    void tileCaches();
    void startsTwiceWithOneClientId();
    void quitWhileReadingAhead();
    void exitNowKeepsWhatIsWritten_data();
    void exitNowKeepsWhatIsWritten();
    // Last: its last row destroys the shell.
    void quitDuringImportWaits_data();
    void quitDuringImportWaits();

private:
    template <typename T = QObject>
    T *published(const QString &name) const
    {
        return qobject_cast<T *>(m_shell->engine()->rootContext()->contextProperty(name).value<QObject *>());
    }

    std::unique_ptr<Shell> m_shell;
    QTemporaryDir m_dir;
};

void TestShell::initTestCase()
{
    TestSupport::initApplication();
    QVERIFY(m_dir.isValid());
    m_shell = std::make_unique<Shell>();
    QVERIFY(m_shell->start());
}

// All 33 exist once the shell has started, each of its class; "theme" too, before any document.
void TestShell::contextProperties()
{
    const QVariant screenshotMode
        = m_shell->engine()->rootContext()->contextProperty(QStringLiteral("screenshot_mode"));
    QCOMPARE(screenshotMode.typeId(), QMetaType::Bool);
    QCOMPARE(screenshotMode.toBool(), false);
    const QStringList published
        = QStringLiteral(
              "ga:GAnalytics constants:Constants settings:Settings translationManager:TranslationManager unit:Unit "
              "generator:Generator database:Database exporter:Exporter xploader:XpLoader netloader:NetLoader "
              "tracks:Tracks ism:ItemSelectionModel infoManager:InfoManager airplanes:AirplaneListModel "
              "printManager:PrintManager procedureManager:ProcedureManager themeManager:ThemeManager "
              "flightplan:Flightplan document:Document xpconnect:XpConnect pointModel:QAbstractListModel "
              "pointListModel:ListProxyModel airportListModel:ListProxyModel segmentMapModel:MapProxyModel "
              "boundaryMapModel:MapProxyModel pointMapModel:MapProxyModel runwayMapModel:MapProxyModel "
              "taxiwayMapModel:MapProxyModel paintlightMapModel:MapProxyModel taxinameMapModel:MapProxyModel "
              "startupMapModel:MapProxyModel theme:Theme")
              .split(QLatin1Char(' '));
    QCOMPARE(published.size(), 32);
    for (const QString &entry : published) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        const QObject *object = this->published(name);
        QVERIFY2(object && object->inherits(qPrintable(entry.section(QLatin1Char(':'), 1))), qPrintable(name));
    }
}

// Each type under its own URI, version 1.0, for its enumerations; none can be created.
void TestShell::registeredTypes()
{
    const QStringList values
        = QStringLiteral("Exporter.IcaoRoute=2 BaseItem.UID=131071 Point.COORD=28 Procedure.APPCH=3 "
                         "Segment.TRACK=20 Taxiname.TwoWay=1 Waypoint.Altitude=10551295")
              .split(QLatin1Char(' '));
    for (const QString &entry : values) {
        const QString element = entry.section(QLatin1Char('.'), 0, 0);
        const QString import = QStringLiteral("import QtQml\nimport Corvel.%1 1.0\n").arg(element);
        QQmlComponent reader(m_shell->engine());
        reader.setData(
            (import + QStringLiteral("QtObject { property int value: %1 }").arg(entry.section(QLatin1Char('='), 0, 0)))
                .toUtf8(),
            QUrl());
        std::unique_ptr<QObject> object(reader.create());
        QVERIFY2(object, qPrintable(reader.errorString()));
        QCOMPARE(object->property("value").toInt(), entry.section(QLatin1Char('='), 1).toInt());
        QQmlComponent creator(m_shell->engine());
        creator.setData((import + element + QStringLiteral(" {}")).toUtf8(), QUrl());
        QVERIFY2(!std::unique_ptr<QObject>(creator.create()), qPrintable(element));
    }
}

// Configured as the program runs it; without a registration in the settings nothing is sent.
void TestShell::analyticsSetUp()
{
    auto *ga = published<GAnalytics>(QStringLiteral("ga"));
    QCOMPARE(ga->sendInterval(), 3000);
    QCOMPARE(ga->logLevel(), GAnalytics::Error);
    QVERIFY(!ga->debugMode() && !ga->isEnabled());
    QCOMPARE(Settings::getString(QStringLiteral("path")), QCoreApplication::applicationDirPath());
}

// The four wires between the objects, followed on the imported test world.
void TestShell::connections()
{
    Settings::setString(QStringLiteral("database/xpPath"), TestSupport::dataPath(QStringLiteral("xplane-route")));
    QSignalSpy loaded(published<Database>(QStringLiteral("database")), &Database::loaded);
    published<XpLoader>(QStringLiteral("xploader"))->loadAsync();
    QVERIFY(loaded.wait(30000) && loaded.first().first().toBool());
    QVERIFY(published<XpLoader>(QStringLiteral("xploader"))->wait(30000));

    auto *info = published<InfoManager>(QStringLiteral("infoManager"));
    const QString airport = Database::findAirport(QStringLiteral("XRTA"), false)->uid();
    emit info->pointLinkActivated(airport);
    QCOMPARE(published<ItemSelectionModel>(QStringLiteral("ism"))->currentUID, airport);
    auto *procedures = published<ProcedureManager>(QStringLiteral("procedureManager"));
    emit info->displayProcedure(QStringLiteral("XRTA/ALDA1A"));
    QCOMPARE(procedures->pointuids().filter(QStringLiteral("ALDAX")).size(), 1);
    emit info->clear();
    QVERIFY(procedures->pointuids().isEmpty());
    auto *flightplan = published<Flightplan>(QStringLiteral("flightplan"));
    QVERIFY(flightplan->append(airport, false));
    QSignalSpy edited(flightplan, &Flightplan::edited);
    auto *airplanes = published<AirplaneListModel>(QStringLiteral("airplanes"));
    QVERIFY(airplanes->rowCount() > 1);
    airplanes->setCurrentIndex(airplanes->currentIndex() == 0 ? 1 : 0);
    QCOMPARE(edited.size(), 1);
    // A refresh of the list with the same airplane recomputes the plan but is no edit of it.
    emit airplanes->changed();
    QCOMPARE(edited.size(), 1);
}

// The root document reads "theme" while it is created; one that gives no root object is reported.
void TestShell::rootDocument()
{
    QList<QQmlError> warnings;
    // The engine outlives the function: the lambda goes with this receiver, whatever way it ends.
    QObject receiver;
    connect(m_shell->engine(), &QQmlEngine::warnings, &receiver,
            [&warnings](const QList<QQmlError> &list) { warnings += list; });
    QVERIFY(!m_shell->loadInterface(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("Missing.qml")))));
    QCOMPARE(warnings.size(), 1);
    const QString path = m_dir.filePath(QStringLiteral("Root.qml"));
    QVERIFY(writeFile(path, "import QtQuick\nItem { property string themeName: theme.name }\n"));
    QVERIFY(m_shell->loadInterface(QUrl::fromLocalFile(path)));
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(m_shell->engine()->rootObjects().constLast()->property("themeName").toString(), QStringLiteral("Light"));
}

// The four tile folders go with their contents, the rest of the cache stays; a location that is
// empty or relative (below the filesystem root or the working folder) removes nothing.
void TestShell::tileCaches()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QStringList tiles = {QStringLiteral("cache/map/background/providers"), QStringLiteral("cache/map/clouds_new"),
                               QStringLiteral("cache/map/precipitation_new"), QStringLiteral("cache/map/wind_new"),
                               QStringLiteral("cache/map/background/other")};
    for (const QString &folder : tiles)
        QVERIFY(writeFile(dir.filePath(folder + QStringLiteral("/7/66/42.png")), "tile"));
    QCOMPARE(Shell::clearTileCaches(QString()), QStringList());
    QCOMPARE(Shell::clearTileCaches(QStringLiteral("cache")), QStringList());
    QDir::setCurrent(previous);
    for (const QString &folder : tiles)
        QVERIFY(QFileInfo::exists(dir.filePath(folder)));
    const QStringList removed = Shell::clearTileCaches(dir.filePath(QStringLiteral("cache")));
    QCOMPARE(removed.size(), 4);
    for (const QString &folder : tiles.mid(0, 4))
        QVERIFY(removed.contains(dir.filePath(folder)) && !QFileInfo::exists(dir.filePath(folder)));
    QVERIFY(QFileInfo::exists(dir.filePath(tiles.last())));
}

// Two runs of the program from an empty store: the log starts with the name and version, holds
// nothing of what was said before it opened, and both runs use the one client id made by the
// first. What is logged once the log file is closed goes to the console, not to a dead file.
void TestShell::startsTwiceWithOneClientId()
{
    QTemporaryDir home;
    const QRegularExpression clientLine(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Info: Analytics client ID \"(\\{[0-9a-f]{8}-"
                       "[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\})\"$"),
        QRegularExpression::MultilineOption);
    QStringList ids;
    for (int run = 0; run < 2; ++run) {
        const ProgramRun program = runOnce(home.path());
        const QByteArray &errors = program.errors;
        QVERIFY2(program.clean, errors.constData());
        const QString log = QString::fromUtf8(fileBytes(QString::fromLocal8Bit(program.output.trimmed())));
        QVERIFY2(log.contains(
                     QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Info: \"Waylore\" \"4\\.10\\.0\"\n"))),
                 qPrintable(log.left(80)));
        for (const char *early : {"Running from", "Log file opened in", "Logged after the shell"}) {
            QVERIFY2(errors.contains(early) && !log.contains(QLatin1String(early)), early);
        }
        const QRegularExpressionMatch client = clientLine.match(log);
        QVERIFY(client.hasMatch());
        ids.append(client.captured(1));
    }
    QCOMPARE(ids.at(1), ids.at(0));
}

void TestShell::exitNowKeepsWhatIsWritten_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("code");
    QTest::newRow("quit") << QStringLiteral("exit") << 7;
#if defined(Q_OS_UNIX)
    QTest::newRow("SIGTERM") << QStringLiteral("signal") << 128 + SIGTERM;
#endif
}

// Closing the program, or the system ending it, leaves the process at once, but not before the
// settings store and the log are written, the simulator's eight subscriptions are cancelled, and
// the downloaded database being read, never installed, and the part of one still downloading
// (from a server that answers nothing) are removed.
// No process of its own outlives it (the test adopts any orphan and finds none).
void TestShell::exitNowKeepsWhatIsWritten()
{
    QFETCH(QString, mode);
    QFETCH(int, code);
    QTemporaryDir home;
    QUdpSocket simulator;
    QVERIFY(simulator.bind(QHostAddress::LocalHost, 0));
    QList<QPair<qint32, qint32>> requests; // frequency, index
    const auto receive = [&] {
        while (simulator.hasPendingDatagrams()) {
            const QByteArray request = simulator.receiveDatagram().data();
            if (request.size() >= 13)
                requests.append({qFromLittleEndian<qint32>(request.constData() + 5),
                                 qFromLittleEndian<qint32>(request.constData() + 9)});
        }
        return requests.size();
    };
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    int ended = -1;
#if defined(Q_OS_LINUX)
    QVERIFY(prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
#endif
    const ProgramRun program
        = runOnce(home.path(), mode, &ended, simulator.localPort(), server.serverPort(), [&](QProcess &running) {
              if (mode == QLatin1String("signal") && QTest::qWaitFor([&] { return receive() >= 8; }, 60000))
                  running.terminate();
          });
#if defined(Q_OS_LINUX)
    const pid_t orphan = waitpid(-1, nullptr, WNOHANG);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    QCOMPARE(orphan, pid_t(-1));
#endif
    QCOMPARE(ended, code);
    receive();
    QCOMPARE(requests.size(), 16);
    for (qint32 index = 0; index < 8; ++index) {
        QCOMPARE(requests.at(index), qMakePair(5, index));
        QCOMPARE(requests.at(8 + index), qMakePair(0, index));
    }
    QSettings stored(home.filePath(QStringLiteral("settings/Corvel/Waylore.conf")), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("test/keptAtExit")).toString(), QStringLiteral("kept"));
    const QDir data(home.filePath(QStringLiteral(".qttest/share/Corvel/Waylore")));
    QVERIFY(data.exists());
    QCOMPARE(data.entryList({QStringLiteral("*.download*")}, QDir::Files | QDir::Hidden), QStringList());
    const QString log = QString::fromUtf8(fileBytes(QString::fromLocal8Bit(program.output.trimmed())));
    QVERIFY2(log.trimmed().endsWith(QStringLiteral("Info: Exiting with code %1").arg(code)),
             qPrintable(log.right(200)));
}

// The stored database is read from the start of the program on, beside the building of the
// interface: a quit at once stops that read, leaves the file as it was and ends cleanly.
void TestShell::quitWhileReadingAhead()
{
    auto *database = published<Database>(QStringLiteral("database"));
    database->beginModifying();
    Database::setCycle(QStringLiteral("2403"));
    for (int i = 0; i < 100000; ++i)
        database->addPoint(new Point(Point::FIX, QGeoCoordinate(40.0 + (i % 200) * 0.1, (i / 200) * 0.1),
                                     QStringLiteral("X%1").arg(i), QStringLiteral("ENRT"), QStringLiteral("ED"),
                                     QString(), 0, 0.0f, QString()));
    database->endModifying();
    QVERIFY(database->save());
    database->clear();
    const QByteArray stored = fileBytes(database->filePath());

    QTemporaryDir home;
    const QString copy
        = home.path() + QStringLiteral("/.qttest/share/Corvel/Waylore/") + QFileInfo(database->filePath()).fileName();
    QVERIFY(writeFile(copy, stored));
    const ProgramRun program = runOnce(home.path());
    QVERIFY2(program.clean, program.errors.constData());
    QCOMPARE(fileBytes(copy), stored);
}

void TestShell::quitDuringImportWaits_data()
{
    QTest::addColumn<bool>("fileWaits");
    QTest::newRow("engine quits, new file waiting") << true;
    QTest::newRow("shell ends while fixes are read") << false;
}

// Quitting while the simulator data is imported: the import stops and its thread has ended
// before the loader, the flight plan and the database are destroyed; the database file of the
// last whole import stays as it was, even when the engine quits with the new file written.
void TestShell::quitDuringImportWaits()
{
    QFETCH(bool, fileWaits);
    auto *database = published<Database>(QStringLiteral("database"));
    const QString databaseFile = database->filePath();
    QVERIFY(database->save());
    const QByteArray stored = fileBytes(databaseFile);
    QVERIFY(!stored.isEmpty());
    const QString root = m_dir.filePath(QStringLiteral("X-Plane 12"));
    QByteArray fixes("I\n1101 Version - data cycle 2302, build\n");
    for (int i = 0; i < 600000; ++i)
        fixes += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    const QByteArray header("I\n1100 Version - data cycle 2302\n\n99\n");
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixes));
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_nav.dat"), header));
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_awy.dat"), header));
    QVERIFY(writeFile(root + QStringLiteral("/Global Scenery/Global Airports/Earth nav data/apt.dat"), header));
    Settings::setString(QStringLiteral("database/xpPath"), root);

    auto *loader = published<XpLoader>(QStringLiteral("xploader"));
    QAtomicInt readingFixes = 0;
    QAtomicInt ended = 0;
    QuitBeforeCall quitter;
    quitter.engine = m_shell->engine();
    // However it ends, the import thread and the connections go before the counters they write.
    QObject receiver;
    const auto quit = qScopeGuard([&] {
        if (m_shell)
            loader->requestInterruption(), loader->wait();
    });
    connect(
        loader, &XpLoader::progress, &receiver,
        [&](const QString &text) {
            if (text.startsWith(QLatin1String("Loading fix points:")))
                readingFixes.storeRelease(1);
            if (fileWaits && text == QLatin1String("Compressing database..."))
                quitter.armed.storeRelease(1);
        },
        Qt::DirectConnection);
    connect(
        loader, &QThread::finished, &receiver, [&] { ended.storeRelease(1); }, Qt::DirectConnection);
    database->installEventFilter(&quitter);
    loader->loadAsync();
    if (fileWaits) {
        QTRY_VERIFY_WITH_TIMEOUT(ended.loadAcquire() == 1, 60000);
        QVERIFY(quitter.sent);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(readingFixes.loadAcquire() == 1, 30000);
        QVERIFY(loader->isRunning());
        m_shell.reset();
        QCOMPARE(ended.loadAcquire(), 1);
    }
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
