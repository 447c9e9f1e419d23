#include "shell.h"

#include "airplanelistmodel.h"
#include "baseitem.h"
#include "boundednetwork.h"
#include "constants.h"
#include "database.h"
#include "document.h"
#include "exporter.h"
#include "flightplan.h"
#include "ganalytics.h"
#include "generator.h"
#include "infomanager.h"
#include "itemselectionmodel.h"
#include "logging.h"
#include "netloader.h"
#include "point.h"
#include "printmanager.h"
#include "procedure.h"
#include "proceduremanager.h"
#include "quitsignals.h"
#include "segment.h"
#include "settings.h"
#include "taxiname.h"
#include "templating.h"
#include "thememanager.h"
#include "tracks.h"
#include "translationmanager.h"
#include "unit.h"
#include "waypoint.h"
#include "xpconnect.h"
#include "xploader.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QScreen>
#include <QSslSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUuid>

#include <cstdio>
#include <cstdlib>

namespace {

// A leftover of version 4.0.0 is recognised by its maintenance tool, which only its Windows
// installer put beside the program.
#if defined(Q_OS_WIN)
constexpr bool kMaintenanceToolCheck = true;
#else
constexpr bool kMaintenanceToolCheck = false;
#endif

const char *const kIconFont = ":/fa/ttf/fa-solid-900.ttf";
const char *const kWindowIcon = ":/icon/wylr/app.iconset/icon_256x256.png";

template <typename T>
void registerUncreatable(const char *element)
{
    const QByteArray uri = QByteArray(WAYLORE_ORGANIZATION) + '.' + element;
    qmlRegisterUncreatableType<T>(uri.constData(), 1, 0, element, QString());
}

} // namespace

Shell::AttachedLogFile::~AttachedLogFile()
{
    Logging::uninstall();
}

Shell::Shell() = default;

Shell::~Shell() = default;

void Shell::exitNow(int code)
{
    // Everything that reaches outside the process stops before the interface is torn down, whose
    // end runs the pages' handlers: a fault there can then leave X-Plane streaming to a port
    // nobody reads no more than it can leave a search running. An import winds down beside the
    // teardown, not after it.
    if (m_xpConnect)
        m_xpConnect->disconnect();
    if (m_generator) {
        m_generator->stop();
        m_generator->wait();
    }
    if (m_xpLoader)
        m_xpLoader->requestInterruption();
    if (m_netLoader)
        m_netLoader->discard();
    m_engine.reset();
    m_xpConnect.reset();
    m_generator.reset();
    // Not destroyed: what a stopped import had read is left to the end of the process.
    if (m_xpLoader)
        m_xpLoader->wait();
    qInfo() << "Exiting with code" << code;
    m_settings.reset();
    m_logFile.reset();
    std::fflush(nullptr);
    std::_Exit(code);
}

void Shell::nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral(WAYLORE_ORGANIZATION));
    QCoreApplication::setOrganizationDomain(QLatin1String(organizationDomain));
    QCoreApplication::setApplicationName(QStringLiteral(WAYLORE_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAYLORE_APP_VERSION));
}

bool Shell::start()
{
    m_settings = std::make_unique<Settings>();
    m_translationManager = std::make_unique<TranslationManager>();
    // Before the log file: this line stays on the console.
    qInfo() << "Running from" << QCoreApplication::applicationDirPath();

    m_maintenanceTool = QFileInfo(QCoreApplication::applicationDirPath(), QStringLiteral("maintenancetool.exe"));
    if (leftoverInstallation())
        return false;

    openLog();
    // Found before the log was open.
    if (!m_settings->problem().isEmpty())
        qWarning().noquote() << m_settings->problem();
    m_quitSignals = std::make_unique<QuitSignals>();
    m_sslBuildVersion = QSslSocket::sslLibraryBuildVersionString();
    m_sslVersion = QSslSocket::sslLibraryVersionString();
    recordEnvironment();

    m_constants = std::make_unique<Constants>();
    m_unit = std::make_unique<Unit>();

    m_cacheFolder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    m_clearedCaches = clearTileCaches(m_cacheFolder);

    startAnalytics();
    Settings::setString(QStringLiteral("path"), QCoreApplication::applicationDirPath());

    m_database = std::make_unique<Database>();
    // The stored database is read while the rest of the program and its interface are built;
    // the splash's load takes it from there.
    m_database->readAhead();
    m_xpLoader = std::make_unique<XpLoader>(m_database.get());
    m_netLoader = std::make_unique<NetLoader>(m_database.get());
    m_tracks = std::make_unique<Tracks>(m_database.get());

    m_airplanes = std::make_unique<AirplaneListModel>();
    m_flightplan = std::make_unique<Flightplan>();
    QObject::connect(m_airplanes.get(), &AirplaneListModel::changed, m_flightplan.get(), &Flightplan::airplaneChanged);

    m_document = std::make_unique<Document>(m_flightplan.get());
    m_exporter = std::make_unique<Exporter>(m_flightplan.get());
    m_templating = std::make_unique<Templating>();
    m_generator = std::make_unique<Generator>(m_flightplan.get());
    m_selection = std::make_unique<ItemSelectionModel>(m_database->pointModel(), m_flightplan.get(),
                                                       m_database->pointListModel(), m_database->pointMapModel());
    m_infoManager = std::make_unique<InfoManager>(m_flightplan.get(), m_translationManager.get());
    QObject::connect(m_infoManager.get(), &InfoManager::pointLinkActivated, m_selection.get(),
                     &ItemSelectionModel::selectFromUID);
    // Queued: the page is made again once the database has finished its change, not from
    // inside it.
    QObject::connect(m_database.get(), &Database::updated, m_infoManager.get(), &InfoManager::databaseReplaced,
                     Qt::QueuedConnection);
    QObject::connect(m_database.get(), &Database::loaded, m_infoManager.get(), &InfoManager::databaseReplaced,
                     Qt::QueuedConnection);

    m_procedureManager = std::make_unique<ProcedureManager>(m_database->pointMapModel());
    QObject::connect(m_infoManager.get(), &InfoManager::clear, m_procedureManager.get(), &ProcedureManager::removeAll);
    QObject::connect(m_infoManager.get(), &InfoManager::displayProcedure, m_procedureManager.get(),
                     &ProcedureManager::setProcedure);

    m_printManager = std::make_unique<PrintManager>(m_flightplan.get());
    m_themeManager = std::make_unique<ThemeManager>();
    m_xpConnect = std::make_unique<XpConnect>();

    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_engine->setNetworkAccessManagerFactory(BoundedNetworkFactory::instance());
    // An import gives up the moment the quit is decided, not once the event loop has ended: the
    // loop may run on for a model reset or a frame, and the stored file must not change meanwhile.
    QObject::connect(
        m_engine.get(), &QQmlEngine::quit, m_xpLoader.get(),
        [loader = m_xpLoader.get()]() { loader->requestInterruption(); }, Qt::DirectConnection);
    publish();
    return true;
}

bool Shell::leftoverInstallation() const
{
    if (!kMaintenanceToolCheck || !m_maintenanceTool.exists())
        return false;
    const QString name = QCoreApplication::applicationName();
    QMessageBox box(QMessageBox::Critical, QObject::tr("Upgrading from %1 version 4.0.0").arg(name),
                    QObject::tr("In order to run %1 version %2 you must uninstall version 4.0.0 from Windows "
                                "settings before! Then install (or repair) version %2 again.")
                        .arg(name, QCoreApplication::applicationVersion()),
                    QMessageBox::Abort);
    box.setDefaultButton(QMessageBox::NoButton);
    box.exec();
    return true;
}

void Shell::openLog()
{
    m_dataFolder.mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    m_logFile = std::make_unique<AttachedLogFile>();
    const QString path = Logging::logFilePath();
    m_logFile->file.setFileName(path);
    if (Logging::openLogFile(&m_logFile->file))
        qDebug() << "Log file opened in" << path;
    else
        qCritical() << "Unable to open log file!" << path;
    Logging::install(&m_logFile->file);
}

void Shell::recordEnvironment() const
{
    qInfo() << QCoreApplication::applicationName() << QCoreApplication::applicationVersion();
    qInfo() << "  - QSysInfo::buildAbi" << QSysInfo::buildAbi();
    qInfo() << "  - QSysInfo::buildCpuArchitecture" << QSysInfo::buildCpuArchitecture();
    qInfo() << "  - QSysInfo::currentCpuArchitecture" << QSysInfo::currentCpuArchitecture();
    qInfo() << "  - QSysInfo::kernelType" << QSysInfo::kernelType();
    qInfo() << "  - QSysInfo::kernelVersion" << QSysInfo::kernelVersion();
    qInfo() << "  - QSysInfo::machineHostName" << QSysInfo::machineHostName();
    qInfo() << "  - QSysInfo::prettyProductName" << QSysInfo::prettyProductName();
    qInfo() << "  - QSysInfo::productType" << QSysInfo::productType();
    qInfo() << "  - QSysInfo::productVersion" << QSysInfo::productVersion();

    const std::pair<const char *, Qt::ApplicationAttribute> attributes[] = {
        {"  - QCoreApplication::AA_Use96Dpi", Qt::AA_Use96Dpi},
        {"  - QCoreApplication::AA_SynthesizeTouchForUnhandledMouseEvents",
         Qt::AA_SynthesizeTouchForUnhandledMouseEvents},
        {"  - QCoreApplication::AA_SynthesizeMouseForUnhandledTouchEvents",
         Qt::AA_SynthesizeMouseForUnhandledTouchEvents},
        {"  - QCoreApplication::AA_ForceRasterWidgets", Qt::AA_ForceRasterWidgets},
        {"  - QCoreApplication::AA_UseDesktopOpenGL", Qt::AA_UseDesktopOpenGL},
        {"  - QCoreApplication::AA_UseOpenGLES", Qt::AA_UseOpenGLES},
        {"  - QCoreApplication::AA_UseSoftwareOpenGL", Qt::AA_UseSoftwareOpenGL},
        {"  - QCoreApplication::AA_ShareOpenGLContexts", Qt::AA_ShareOpenGLContexts},
    };
    for (const auto &[label, attribute] : attributes)
        qInfo() << label << QCoreApplication::testAttribute(attribute);
    qInfo() << "SSL" << QSslSocket::supportsSsl() << m_sslBuildVersion << m_sslVersion;
}

QStringList Shell::clearTileCaches(const QString &cacheFolder)
{
    QStringList removed;
    const bool usable = !cacheFolder.isEmpty() && QDir::isAbsolutePath(cacheFolder);
    const auto clear = [&](const char *below) {
        if (!usable)
            return;
        QDir folder(cacheFolder + QLatin1String(below));
        removed.append(folder.path());
        folder.removeRecursively();
    };
    clear("/map/background/providers");
    qInfo() << "Cleared osmproviders cache in" << cacheFolder;
    clear("/map/clouds_new");
    clear("/map/precipitation_new");
    clear("/map/wind_new");
    qInfo() << "Cleared weather tile cache in" << cacheFolder;
    return removed;
}

void Shell::startAnalytics()
{
    m_clientId = Settings::getString(QStringLiteral("analytics/clientid"), QString());
    if (m_clientId.isEmpty()) {
        m_clientId = QUuid::createUuid().toString(QUuid::WithBraces);
        Settings::setString(QStringLiteral("analytics/clientid"), m_clientId);
    }
    qInfo() << "Analytics client ID" << m_clientId;
    const bool share = Settings::getBool(QStringLiteral("analytics/share"), true);

    GAnalytics *ga = GAnalytics::instance();
    ga->setClientId(m_clientId);
    // The registration with the collection service is configuration; without it nothing is sent.
    ga->setRegistrationFromSettings();
    ga->setSendInterval(3000);
    ga->enable(share);
    ga->setDebugMode(false);
    ga->setLogLevel(GAnalytics::Error);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const auto setting = [](const char *key) { return Settings::getInt(QLatin1String(key), 0); };
    const auto flag = [](const char *key) { return Settings::getBool(QLatin1String(key), false); };
    m_userProperties = {
        {QStringLiteral("cpu_architecture"), QSysInfo::currentCpuArchitecture()},
        {QStringLiteral("screen_dpi"), screen ? screen->physicalDotsPerInch() : 0.0},
        {QStringLiteral("setting_window_width"), setting("window/width")},
        {QStringLiteral("setting_window_height"), setting("window/height")},
        {QStringLiteral("setting_ui_darkmode"), setting("ui/darkMode")},
        {QStringLiteral("setting_units_mass"), setting("units/mass")},
        {QStringLiteral("setting_units_volume"), setting("units/volume")},
        {QStringLiteral("setting_exporter_defaultexportformat"), setting("exporter/defaultExportFormat")},
        {QStringLiteral("setting_exporter_exporttofmsdirectory"), flag("exporter/exportToFmsDirectory")},
        {QStringLiteral("setting_map_limitairportdetail"), flag("map/limitAirportDetail")},
        {QStringLiteral("setting_update_checkforupdateautomatically"), flag("update/checkForUpdateAutomatically")},
    };
    ga->sendEvent(QStringLiteral("start"), QStringLiteral("/"), QStringLiteral("Main"), m_userProperties);
}

void Shell::publish()
{
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("screenshot_mode"), false);

    // For their enumerations only.
    registerUncreatable<Exporter>("Exporter");
    registerUncreatable<BaseItem>("BaseItem");
    registerUncreatable<Point>("Point");
    registerUncreatable<Procedure>("Procedure");
    registerUncreatable<Segment>("Segment");
    registerUncreatable<Taxiname>("Taxiname");
    registerUncreatable<Waypoint>("Waypoint");

    const std::pair<const char *, QObject *> objects[] = {
        {"ga", GAnalytics::instance()},
        {"network", BoundedNetworkFactory::instance()},
        {"constants", m_constants.get()},
        {"settings", m_settings.get()},
        {"translationManager", m_translationManager.get()},
        {"unit", m_unit.get()},
        {"generator", m_generator.get()},
        {"database", m_database.get()},
        {"exporter", m_exporter.get()},
        {"xploader", m_xpLoader.get()},
        {"netloader", m_netLoader.get()},
        {"tracks", m_tracks.get()},
        {"ism", m_selection.get()},
        {"infoManager", m_infoManager.get()},
        {"airplanes", m_airplanes.get()},
        {"printManager", m_printManager.get()},
        {"procedureManager", m_procedureManager.get()},
        {"themeManager", m_themeManager.get()},
        {"flightplan", m_flightplan.get()},
        {"document", m_document.get()},
        {"xpconnect", m_xpConnect.get()},
    };
    for (const auto &[name, object] : objects)
        context->setContextProperty(QLatin1String(name), object);

    m_database->registerModels(context);
    // Publishes "theme" at once, so that no binding of the root document meets it undefined.
    m_themeManager->setContext(context);
}

bool Shell::loadInterface(const QUrl &rootDocument)
{
    const bool fontAdded = QFontDatabase::addApplicationFont(QLatin1String(kIconFont)) >= 0;
    qInfo() << "Loading font awesome solid" << fontAdded;
    qDebug() << QFontDatabase::families();

    QQuickStyle::setStyle(QStringLiteral("Material"));
    qputenv("QT_QUICK_CONTROLS_MATERIAL_VARIANT", "Dense");

    if (QFile::exists(QLatin1String(kWindowIcon)))
        QGuiApplication::setWindowIcon(QIcon(QLatin1String(kWindowIcon)));

    // Qt 6.4 does not look for module QML under the 6.5 default prefix by itself.
    m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    const qsizetype before = m_engine->rootObjects().size();
    m_engine->load(rootDocument);
    return m_engine->rootObjects().size() > before;
}
