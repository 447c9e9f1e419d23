#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <memory>

class AirplaneListModel;
class Constants;
class Database;
class Document;
class Exporter;
class Flightplan;
class Generator;
class InfoManager;
class ItemSelectionModel;
class NetLoader;
class PrintManager;
class ProcedureManager;
class QuitSignals;
class QQmlApplicationEngine;
class Settings;
class Templating;
class ThemeManager;
class Tracks;
class TranslationManager;
class Unit;
class XpConnect;
class XpLoader;

// The running program: every manager object, the log, the analytics start-up and the QML engine
// that the interface reaches them through. The application object comes first and is not part
// of it; the members are declared in the order in which they are made, so that they are
// destroyed in the exact reverse order: the engine first (no binding outlives a native object),
// the route search, the import and the database load waited for before the objects they read.
class Shell
{
public:
    static constexpr const char *organizationDomain = "waylore.example";

    Shell();
    ~Shell();
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    // The program's identity, set before the application object exists.
    static void nameApplication();

    // Everything up to the published QML engine. False when the program must not run (a leftover
    // installation beside it); what was made so far is then destroyed with the shell.
    bool start();

    // Icon font, style, window icon, then the root document. False when the document gave no
    // root object.
    bool loadInterface(const QUrl &rootDocument);

    QQmlApplicationEngine *engine() const { return m_engine.get(); }

    // Ends the process with `code` once everything that outlives it is written: the window's
    // own settings (as the engine goes), the settings store, the log; a route search and an
    // import are stopped first, so nothing is left half-written, and the simulator is told to
    // stop streaming. The navigation data and the rest are memory only: freeing a world's items
    // one by one kept a closed program running for seconds; the system frees the pages as the
    // process ends. The system's requests to end the program (SIGTERM and the like) leave the
    // event loop as a quit does, so that they come here too.
    [[noreturn]] void exitNow(int code);

    // Removes the map tile caches below cacheFolder; returns the folders it went for. A cache
    // location that is empty or relative removes nothing: its folders would resolve against the
    // filesystem root or the working folder.
    static QStringList clearTileCaches(const QString &cacheFolder);

private:
    // The log file, detached from the message handler before it closes: the destructors that run
    // after it log to Qt's default output instead of a dead object.
    struct AttachedLogFile
    {
        QFile file;
        ~AttachedLogFile();
    };

    bool leftoverInstallation() const;
    void openLog();
    void recordEnvironment() const;
    void startAnalytics();
    void publish();

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<TranslationManager> m_translationManager;
    QFileInfo m_maintenanceTool;
    QDir m_dataFolder;
    std::unique_ptr<AttachedLogFile> m_logFile;
    std::unique_ptr<QuitSignals> m_quitSignals;
    QString m_sslBuildVersion;
    QString m_sslVersion;
    std::unique_ptr<Constants> m_constants;
    std::unique_ptr<Unit> m_unit;
    QString m_cacheFolder;
    QStringList m_clearedCaches;
    QString m_clientId;
    QVariantMap m_userProperties;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<XpLoader> m_xpLoader;
    std::unique_ptr<NetLoader> m_netLoader;
    std::unique_ptr<Tracks> m_tracks;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    std::unique_ptr<Flightplan> m_flightplan;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<Exporter> m_exporter;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Generator> m_generator;
    std::unique_ptr<ItemSelectionModel> m_selection;
    std::unique_ptr<InfoManager> m_infoManager;
    std::unique_ptr<ProcedureManager> m_procedureManager;
    std::unique_ptr<PrintManager> m_printManager;
    std::unique_ptr<ThemeManager> m_themeManager;
    std::unique_ptr<XpConnect> m_xpConnect;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};
