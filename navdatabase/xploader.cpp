#include "xploader.h"

#include "aptreader.h"
#include "awyreader.h"
#include "database.h"
#include "databasestore.h"
#include "fixreader.h"
#include "lookupindex.h"
#include "memoryheadroom.h"
#include "navreader.h"
#include "orderedparallel.h"
#include "settings.h"
#include "threadstart.h"
#include "tracks.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStandardPaths>

#include <memory>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
extern "C" void __tsan_release(void *address);
#endif

namespace {

// Bits of the files the import needs; earth_nav.dat counts as much as the others.
constexpr int kImportFailure = 1 | 2 | 4 | 8;
// How often the import, waiting for the main thread before it replaces the file, asks for a stop.
constexpr int kStopPollMs = 20;

Database *checked(Database *database)
{
    if (!database)
        qFatal("Cannot create XpLoader object with NULL pointers!");
    return database;
}

} // namespace

XpLoader::XpLoader(Database *database)
    : QThread(nullptr)
    , m_database(checked(database))
    , m_cifpLoader(database)
{
}

// Quitting while an import runs: the readers stop at their next checkpoint, nothing is saved,
// and the thread is waited for so that it never outlives the database it writes to.
XpLoader::~XpLoader()
{
    requestInterruption();
    wait();
#if defined(__SANITIZE_THREAD__)
    // The end of the thread reaches wait() inside the Qt library, which the sanitizer does
    // not see into.
    __tsan_acquire(this);
#endif
}

QStringList XpLoader::autodetectCandidates() const
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    QStringList candidates;
    for (const int version : {12, 11}) {
        const QString name = QStringLiteral("X-Plane ") + QString::number(version);
        candidates << QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + QLatin1Char('/') + name
                   << QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QLatin1Char('/') + name
                   << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') + name
                   << home + QLatin1Char('/') + name << QStringLiteral("C:/Program Files/") + name
                   << QStringLiteral("C:/Program Files (x86)/") + name
                   << QStringLiteral("C:/Program Files/Steam/steamapps/common/") + name
                   << QStringLiteral("C:/Program Files (x86)/Steam/steamapps/common/") + name
                   << home + QStringLiteral("/Library/Application Support/Steam/steamapps/common/") + name
                   << QStringLiteral("/opt/x-plane/") + name << QStringLiteral("/Users/Shared/") + name;
    }
    return candidates;
}

QString XpLoader::autodetectXPPath()
{
    const QStringList candidates = autodetectCandidates();
    for (const QString &candidate : candidates) {
        if (QFile::exists(candidate))
            return candidate;
    }
    return QString();
}

QString XpLoader::activeCycle()
{
    static const QRegularExpression cyclePattern(QStringLiteral("\\bdata\\s+cycle\\s+([0-9]{4})\\b"),
                                                 QRegularExpression::CaseInsensitiveOption);

    const QString xpPath = Settings::getString(QStringLiteral("database/xpPath"), QString());
    if (xpPath.isEmpty() || !QDir(xpPath).exists())
        return QString();
    const QDir folder(xpPath);
    if (!QFile::exists(
            folder.filePath(QStringLiteral("Resources/default scenery/default apt dat/Earth nav data/apt.dat")))
        && !QFile::exists(folder.filePath(QStringLiteral("Global Scenery/Global Airports/Earth nav data/apt.dat"))))
        return QString();

    QString navFile = folder.filePath(QStringLiteral("Custom Data/earth_nav.dat"));
    if (!QFile::exists(navFile))
        navFile = folder.filePath(QStringLiteral("Resources/default data/earth_nav.dat"));
    QFile file(navFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();

    QString line;
    NavDataReader::readLine(file, line);
    line = line.trimmed();
    if (line != QLatin1String("I") && line != QLatin1String("A"))
        return QString();
    NavDataReader::readLine(file, line);
    return cyclePattern.match(line).captured(1);
}

void XpLoader::loadAsync()
{
    if (isRunning())
        return;
    setPaths(Settings::getString(QStringLiteral("database/xpPath"), QString()),
             Settings::getBool(QStringLiteral("database/customData"), false));
    // The working database stays loaded, and on disk, until the import has a whole new one.
    m_database->beginModifying();
    m_prepared = true;
    if (ThreadStart::start(*this))
        return;
    // Failed like an import that could not read its files: the working database stays, and the
    // end comes on the main thread's next turn, as from the thread.
    qWarning() << "Import failed: no thread can be made for it";
    m_prepared = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            reportProgress(tr("ERROR: no thread can be started for the import"));
            m_database->endModifying();
            emit done();
        },
        Qt::QueuedConnection);
}

void XpLoader::setPaths(const QString &xpPath, bool customData)
{
    const QString dataFolder
        = xpPath + (customData ? QStringLiteral("/Custom Data") : QStringLiteral("/Resources/default data"));
    m_aptDefaultPath = xpPath + QStringLiteral("/Resources/default scenery/default apt dat/Earth nav data")
                       + QStringLiteral("/apt.dat");
    m_aptGlobalPath
        = xpPath + QStringLiteral("/Global Scenery/Global Airports/Earth nav data") + QStringLiteral("/apt.dat");
    m_fixPath = dataFolder + QStringLiteral("/earth_fix.dat");
    m_navPath = dataFolder + QStringLiteral("/earth_nav.dat");
    m_awyPath = dataFolder + QStringLiteral("/earth_awy.dat");
    m_cifpPath = dataFolder + QStringLiteral("/CIFP");
    m_cifpLoader.setPath(m_cifpPath);
}

int XpLoader::missingFiles()
{
    m_aptPath.clear();
    if (QFile::exists(m_aptDefaultPath))
        m_aptPath = m_aptDefaultPath;
    if (QFile::exists(m_aptGlobalPath))
        m_aptPath = m_aptGlobalPath;

    if (m_aptPath.isEmpty() || !QFile::exists(m_aptPath))
        return 1;
    if (!QFile::exists(m_fixPath))
        return 2;
    if (!QFile::exists(m_navPath))
        return 4;
    if (!QFile::exists(m_awyPath))
        return 8;
    return 0;
}

void XpLoader::run()
{
    // An import that runs out of memory (for its items, or for a thread) fails like any other:
    // what it read goes with its store, and the working database stays, loaded and on disk.
    // Only a failed allocation is reported as lack of memory: any other failure says what it was.
    QString failure;
    try {
        import();
    } catch (const std::bad_alloc &) {
        qWarning() << "Import failed: it needs more memory than there is";
        failure = tr("ERROR: the import needs more memory than there is");
    } catch (const std::exception &error) {
        qWarning() << "Import failed:" << error.what();
        failure = tr("ERROR: the import failed: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    if (!failure.isEmpty()) {
        reportProgress(failure);
        QMetaObject::invokeMethod(
            m_database, [database = m_database]() { database->endModifying(); }, Qt::QueuedConnection);
        emit done();
    }
#if defined(__SANITIZE_THREAD__)
    __tsan_release(this);
#endif
}

void XpLoader::import()
{
    if (!m_prepared) {
        // Started without loadAsync: the live lists stay as they are until the import hands
        // its contents over (or a failure clears them, on the main thread).
        m_database->beginModifying();
    }
    m_prepared = false;
    m_stopped.reset();
    // An import makes well over a gigabyte of small items on this thread's arena; growing it in
    // the allocator's small default steps costs a system call each, on one core as on many.
    OrderedParallel::prepareAllocator();

    // The readers fill a store of this thread's own, never the lists that the main thread's
    // lookups and views read; on this thread the database's lookups and add operations work
    // on the store, so each reader finds what the earlier ones added.
    auto store = std::make_shared<DatabaseStore>();
    DatabaseStore::Scope scope(store.get());

    int result = missingFiles();
    if (result == 0) {
        // Every reader runs whatever the others return; the order matters: localizers need
        // the runways of apt.dat, airways the points of the fix and navaid files.
        // Once the application is quitting, the readers still to come are not started.
        result |= loadAirports();
        if (!stopping())
            result |= loadFix();
        if (!stopping())
            result |= loadNav();
        if (!stopping())
            result |= loadAwy();
    }

    const bool userFix = Settings::getBool(QStringLiteral("database/userFix"), false);
    if (result == 0 && !stopping()) {
        if (userFix)
            loadUserFix();
        reportProgress(tr("Loading tracks..."));
        addPredefinedTracks();
    }

    // The application is quitting: nothing of a partial import is announced or saved, and
    // what it read is left to the loader's end.
    const auto stop = [this, &store] {
        m_database->endModifying();
        m_stopped = std::move(store);
        emit done();
    };
    if (stopping()) {
        stop();
        return;
    }

    const QString navCycle = Database::cycle();
    if (navCycle != m_fixCycle || navCycle != m_awyCycle)
        reportProgress(tr("WARNING: incoherent data cycles among FIX/NAV/AWY files!"));

    Database *database = m_database;
    if (result & kImportFailure) {
        m_navPath.replace(QStringLiteral("earth_nav.dat"), QStringLiteral("FAACIFP18"));
        if (QFile::exists(m_navPath))
            reportProgress(tr("ERROR: FAACIFP cannot be loaded as of now!\nPlease uncheck custom data."));
        else
            reportProgress(tr("ERROR: no valid X-Plane installation \nat given path!"));
        // A failed import keeps the working database, loaded and on disk; what the readers got
        // through is dropped with the store.
        QMetaObject::invokeMethod(
            database, [database]() { database->endModifying(); }, Qt::QueuedConnection);
        emit done();
        return;
    }

    finish(store, stop);
}

// The new file, written whole, replaces the old one only once the main thread has handled every
// event that came before it was ready: a quit the pilot asked meanwhile (a window's close waiting
// behind a frame) still finds the stored file as it was. Then the lists go to the main thread
// whole, in one model reset; the modification ends there, once they are in, and loaded follows.
void XpLoader::finish(const std::shared_ptr<DatabaseStore> &store, const std::function<void()> &stop)
{
    MemoryHeadroom::check();
    // The first lookups on the main thread find their indexes ready. They are built beside the
    // writing of the file, which only reads the items too.
    const OrderedParallel::Task indexes = OrderedParallel::beside([&store] {
        store->lookupIndex->prepare(store->points.items(), store->runways.items(), store->segments.items());
    });
    reportProgress(tr("Compressing database..."));
    // The indexes are whole before the new file replaces the old one: should they fail for lack
    // of memory, the import fails with the working database's file still in place.
    QString error;
    const bool saved = m_database->save([this]() { return cancelled(); },
                                        [this, &indexes]() {
                                            indexes.wait();
                                            return mainThreadAgrees();
                                        },
                                        &error);
    indexes.wait();
    if (!saved && stopping()) {
        // Quit during the save: the stored file stays the working database's.
        stop();
        return;
    }
    // The file's fate is told before the lists go to the main thread: their install holds it
    // for a while, and the status would go on saying the file is being compressed meanwhile.
    reportProgress(saved             ? tr("Done")
                   : error.isEmpty() ? tr("ERROR: cannot write databasefile")
                                     : tr("ERROR: cannot write databasefile: %1").arg(error));
    store->handOver();
    Database *database = m_database;
    QMetaObject::invokeMethod(
        database,
        [database, store]() {
            database->installStore(*store, false);
            database->endModifying();
            database->announceLoaded(true);
        },
        Qt::QueuedConnection);
    emit done();
}

bool XpLoader::mainThreadAgrees() const
{
    auto agreed = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        m_database,
        [agreed, loader = QPointer<const XpLoader>(this)]() {
            // A quit decided on the main thread meanwhile wins, even before the import has seen it.
            if (loader && !loader->isInterruptionRequested())
                agreed->release();
        },
        Qt::QueuedConnection);
    while (!agreed->tryAcquire(1, kStopPollMs)) {
        if (stopping())
            return false;
    }
    return !stopping();
}

int XpLoader::loadAirports()
{
    AptReader reader(
        m_database, [this](const QString &text) { reportProgress(text); }, [this]() { return cancelled(); },
        &m_cifpLoader);
    return reader.read(m_aptPath);
}

int XpLoader::loadFix()
{
    FixReader reader(
        m_database, [this](const QString &text) { reportProgress(text); }, [this]() { return cancelled(); },
        FixReader::EarthFix);
    reader.setCycle(m_fixCycle);
    const int result = reader.read(m_fixPath);
    m_fixCycle = reader.cycle();
    return result;
}

int XpLoader::loadNav()
{
    NavReader reader(
        m_database, [this](const QString &text) { reportProgress(text); }, [this]() { return cancelled(); });
    return reader.read(m_navPath);
}

int XpLoader::loadAwy()
{
    AwyReader reader(
        m_database, [this](const QString &text) { reportProgress(text); }, [this]() { return cancelled(); });
    reader.setCycle(m_awyCycle);
    const int result = reader.read(m_awyPath);
    m_awyCycle = reader.cycle();
    return result;
}

int XpLoader::loadUserFix()
{
    FixReader reader(
        m_database, [this](const QString &text) { reportProgress(text); }, [this]() { return cancelled(); },
        FixReader::UserFix);
    const QString path = Settings::getString(QStringLiteral("database/xpPath"), QString())
                         + QStringLiteral("/Custom Data/user_fix.dat");
    return reader.read(path);
}

void XpLoader::reportProgress(const QString &text)
{
    emit progress(text);
}

bool XpLoader::stopping() const
{
    return isInterruptionRequested();
}

bool XpLoader::cancelled() const
{
    MemoryHeadroom::check();
    return stopping();
}

// The predefined oceanic tracks, on a short-lived track object of the import thread.
void XpLoader::addPredefinedTracks()
{
    Tracks tracks(m_database);
    tracks.defaults();
}
