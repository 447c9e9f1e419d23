#include "allocationfailure.h"
#include "basemodel.h"
#include "busyhelpers.h"
#include "database.h"
#include "filesizelimit.h"
#include "listproxymodel.h"
#include "point.h"
#include "runway.h"
#include "settings.h"
#include "testsupport.h"
#include "threadstart.h"
#include "xploader.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <stdexcept>

namespace {

const QString kNoInstallation = QStringLiteral("ERROR: no valid X-Plane installation \nat given path!");
const QString kFaaCifp = QStringLiteral("ERROR: FAACIFP cannot be loaded as of now!\nPlease uncheck custom data.");
const QString kCycleWarning = QStringLiteral("WARNING: incoherent data cycles among FIX/NAV/AWY files!");
const QString kDefaultApt = QStringLiteral("Resources/default scenery/default apt dat/Earth nav data/apt.dat");
const QString kGlobalApt = QStringLiteral("Global Scenery/Global Airports/Earth nav data/apt.dat");
const QString kNoMemory = QStringLiteral("ERROR: the import needs more memory than there is");

enum Fault { NavMissing, NavFolder, OutOfMemory, OtherFailure, NoThread, AddressSpaceShort, Airports, Written };

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

} // namespace

// Re-emits the loader's and the database's signals on the main thread, so that the spies
// read lists that only the main thread writes; it also notes on which threads they came.
class Relay : public QObject
{
    Q_OBJECT

public:
    explicit Relay(XpLoader *loader, Database *database)
        : m_loader(loader)
    {
        connect(loader, &XpLoader::progress, this, &Relay::progress, Qt::QueuedConnection);
        connect(loader, &XpLoader::done, this, &Relay::done, Qt::QueuedConnection);
        connect(loader, &XpLoader::started, this, &Relay::started, Qt::QueuedConnection);
        connect(database, &Database::loaded, this, &Relay::loaded, Qt::QueuedConnection);
        // What the status line reads while the new lists go in, which holds the main thread.
        connect(this, &Relay::progress, this, [this](const QString &text) { status = text; });
        connect(
            database, &Database::loaded, this, [this]() { statusAtLoad = status; }, Qt::DirectConnection);
        connect(
            loader, &XpLoader::progress, loader, [this]() { note(); }, Qt::DirectConnection);
        connect(
            loader, &XpLoader::done, loader, [this]() { note(); }, Qt::DirectConnection);
    }

    // The import thread calls this relay directly: a relay that goes first (a test that returns
    // early) stops the import and waits for its end, as the loader's own end would.
    ~Relay() override
    {
        if (m_loader) {
            m_loader->requestInterruption();
            m_loader->wait();
        }
    }

    QList<QThread *> emitters() const
    {
        QMutexLocker locker(&m_mutex);
        return m_emitters;
    }
    QString status, statusAtLoad;

signals:
    void progress(const QString &text);
    void done();
    void started();
    void loaded(bool result);

private:
    void note()
    {
        QMutexLocker locker(&m_mutex);
        m_emitters.append(QThread::currentThread());
    }

    QPointer<XpLoader> m_loader;
    mutable QMutex m_mutex;
    QList<QThread *> m_emitters;
};

class TestXpLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void missingApt();
    void faaCifpInCustomData();
    void navFileFailsImport_data();
    void navFileFailsImport();
    void cycleWarning_data();
    void cycleWarning();
    void threadsAndModels();
    void secondLoadAsyncWhileRunning();
    void destructorStopsRunningImport_data();
    void destructorStopsRunningImport();
    void importSucceeds();

    void activeCycle_data();
    void activeCycle();
    void autodetect();

private:
    // A simulator folder made of the test data, with apt.dat files as asked.
    QString simulator(bool defaultApt, bool globalApt = false);
    // Runs one import to its end and returns the progress texts.
    QStringList runImport(const QString &xpPath, bool customData, QList<bool> *loaded = nullptr);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    // Called on the import thread with each progress text of runImport's loader.
    std::function<void(const QString &)> m_onProgress;
    QString m_statusAtLoad; // of runImport's last import
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestXpLoader::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void TestXpLoader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile::remove(m_database->filePath());
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), false);
    m_onProgress = nullptr;
}

QString TestXpLoader::simulator(bool defaultApt, bool globalApt)
{
    const QString root = m_dir->filePath(QStringLiteral("X-Plane 12"));
    if (!copyTree(TestSupport::dataPath(QStringLiteral("xplane")), root))
        return QString();
    // The airport files of the test data when they are wanted, a header-only one otherwise.
    const QByteArray header("I\n1100 Version - data cycle 2302, build 20230119, metadata AptXP1100.\n\n99\n");
    for (const auto &[wanted, relative] : {std::pair{defaultApt, kDefaultApt}, std::pair{globalApt, kGlobalApt}}) {
        const QString path = root + QLatin1Char('/') + relative;
        if (!wanted)
            QFile::remove(path);
        else if (!QFile::exists(path))
            writeFile(path, header);
    }
    return root;
}

QStringList TestXpLoader::runImport(const QString &xpPath, bool customData, QList<bool> *loaded)
{
    Settings::setString(QStringLiteral("database/xpPath"), xpPath);
    Settings::setBool(QStringLiteral("database/customData"), customData);
    // The loader goes first: its destructor waits for the thread.
    auto loader = std::make_unique<XpLoader>(m_database.get());
    Relay relay(loader.get(), m_database.get());
    QSignalSpy progress(&relay, &Relay::progress);
    QSignalSpy done(&relay, &Relay::done);
    QSignalSpy loadedSpy(&relay, &Relay::loaded);
    if (m_onProgress)
        connect(loader.get(), &XpLoader::progress, loader.get(), m_onProgress, Qt::DirectConnection);
    loader->loadAsync();
    if (!done.wait(30000))
        return {QStringLiteral("no done")};
    loader.reset();
    QTest::qWait(20);
    QStringList texts;
    for (const QList<QVariant> &arguments : std::as_const(progress))
        texts.append(arguments.first().toString());
    if (done.size() != 1)
        texts.append(QStringLiteral("done %1 times").arg(done.size()));
    if (loaded) {
        for (const QList<QVariant> &arguments : std::as_const(loadedSpy))
            loaded->append(arguments.first().toBool());
    }
    m_statusAtLoad = relay.statusAtLoad;
    return texts;
}

void TestXpLoader::missingApt()
{
    QList<bool> loaded;
    const QStringList texts = runImport(simulator(false), false, &loaded);
    QCOMPARE(texts.last(), kNoInstallation);
    QVERIFY(loaded.isEmpty());
    QCOMPARE(Database::pointCount(), 0);
    QVERIFY(m_database->generation() != 0);
    QVERIFY(!QFile::exists(m_database->filePath()));
}

void TestXpLoader::faaCifpInCustomData()
{
    const QString root = simulator(true);
    QVERIFY(QFile::remove(root + QStringLiteral("/Custom Data/earth_fix.dat")));
    QVERIFY(QFile::rename(root + QStringLiteral("/Custom Data/earth_nav.dat"),
                          root + QStringLiteral("/Custom Data/FAACIFP18")));
    const QStringList texts = runImport(root, true);
    QCOMPARE(texts.last(), kFaaCifp);
    QVERIFY(!QFile::exists(m_database->filePath()));
}

// Without earth_nav.dat, or with one that cannot be opened, the import fails like for any
// other file: an error text, no loaded(true), and the working database stays loaded and on
// disk as it was. So it does when no thread can be made for it.
void TestXpLoader::navFileFailsImport_data()
{
    // clang-format off
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing") << int(NavMissing) << kNoInstallation;
    QTest::newRow("cannot be opened") << int(NavFolder) << kNoInstallation;
    QTest::newRow("out of memory") << int(OutOfMemory) << kNoMemory;
    QTest::newRow("another failure") << int(OtherFailure) << QStringLiteral("ERROR: the import failed: disk gone");
    QTest::newRow("no thread for the import") << int(NoThread)
                                              << QStringLiteral("ERROR: no thread can be started for the import");
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // The sanitizers map their shadow memory as they go: no limit on it holds for them.
    QTest::newRow("address space short") << int(AddressSpaceShort) << kNoMemory;
#endif
    QTest::newRow("memory short taking the airports") << int(Airports) << kNoMemory;
    QTest::newRow("memory short once the file is written, indexes still to build") << int(Written) << kNoMemory;
    // clang-format on
}

void TestXpLoader::navFileFailsImport()
{
    QFETCH(int, fault);
    QFETCH(QString, text);
    const QString root = simulator(true);
    const QString nav = root + QStringLiteral("/Resources/default data/earth_nav.dat");
    if (fault <= NavFolder)
        QVERIFY(QFile::remove(nav));
    if (fault == NavFolder)
        QVERIFY(QDir().mkdir(nav));
    // The 100th airport's pavement left open joins it to the next.
    QByteArray apt("I\n1200 Version - data cycle 2401, build 20240110, metadata AptXP1200.\n\n");
    for (int i = 1; i <= 150 && fault == Airports; ++i)
        apt += "1 100 0 0 X" + QByteArray::number(1000 + i) + " Field\n" + (i == 100 ? "110 1 0.25 150.00 A\n" : "");
    QByteArray fix("I\n1101 Version - data cycle 2401, build\n");
    for (int i = 0; i < 20000 && fault == Written; ++i)
        fix += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    QVERIFY(fault != Airports || writeFile(root + '/' + kGlobalApt, apt + "99\n"));
    QVERIFY(fault != Written || writeFile(root + "/Resources/default data/earth_fix.dat", fix + "99\n"));
    std::optional<AddressSpaceLimit> limit;
    const auto disarm = qScopeGuard([] { AllocationFailure::failNext(0); });
    m_onProgress = [fault, &limit, once = std::make_shared<bool>(true)](const QString &text) {
        if ((fault == Airports && text != QStringLiteral("Loading airports: 100"))
            || (fault == Written && text != QStringLiteral("Compressing database...")))
            return;
        if (!std::exchange(*once, false))
            return;
        if (fault == OutOfMemory || fault == Airports)
            throw std::bad_alloc();
        if (fault == Written) // larger than anything writing the file asks for
            AllocationFailure::failNext(256 * 1024);
        if (fault == OtherFailure)
            throw std::runtime_error("disk gone");
        // Room for the whole import of this small world, not for the margin the import keeps.
        if (fault == AddressSpaceShort)
            limit.emplace(TestSupport::mappedBytes() + 100 * 1024 * 1024);
    };

    m_database->beginModifying();
    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(1, 2), QStringLiteral("WORK"), QStringLiteral("ENRT"),
                                   QStringLiteral("ZZ"), QString(), 0, 0.0f, QString()));
    m_database->endModifying();
    QVERIFY(m_database->save());
    QFile file(m_database->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray working = file.readAll();
    file.close();

    QList<bool> loaded;
    ThreadStart::failNext(fault == NoThread ? 1 : 0);
    std::optional<BusyHelpers> busy;
    if (fault == Written)
        QVERIFY(busy.emplace().holding());
    const QStringList texts = runImport(root, false, &loaded);
    busy.reset();
    QCOMPARE(limit.has_value(), fault == AddressSpaceShort);
    limit.reset();
    QCOMPARE(texts.last(), text);
    QVERIFY(!loaded.contains(true));
    QCOMPARE(Database::pointCount(), 1);
    QVERIFY(Database::findPoint(QStringLiteral("ZZ/ENRT/WORK"), false));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), working);
    QVERIFY(m_database->generation() != 0);
    m_database->clear();
}

void TestXpLoader::cycleWarning_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("awyHeader");
    QTest::addColumn<bool>("warned");
    QTest::newRow("same cycles") << QByteArray("1101 Version - data cycle 2401, build") << false;
    QTest::newRow("airways newer") << QByteArray("1101 Version - data cycle 2402, build") << true;
    // clang-format on
}

void TestXpLoader::cycleWarning()
{
    QFETCH(QByteArray, awyHeader);
    QFETCH(bool, warned);
    const QString root = simulator(true);
    QVERIFY(writeFile(root + QStringLiteral("/Custom Data/earth_awy.dat"),
                      "I\n" + awyHeader + "\nALPHA K1 11 BRAVO K1 11 N 2 180 450 Q1\n99\n"));
    const QStringList texts = runImport(root, true);
    QCOMPARE(texts.contains(kCycleWarning), warned);
}

void TestXpLoader::threadsAndModels()
{
    const QString root = simulator(true);
    QByteArray fixes("I\n1101 Version - data cycle 2302, build\n");
    for (int i = 0; i < 1000; ++i)
        fixes += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixes));

    QAbstractItemModelTester pointTester(m_database->pointModel(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listTester(m_database->pointListModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QMutex mutex;
    QList<QThread *> modelThreads;
    // The models outlive the function: the lambdas go with this receiver, whatever way it ends.
    QObject receiver;
    const auto note = [&]() {
        QMutexLocker locker(&mutex);
        modelThreads.append(QThread::currentThread());
    };
    BaseModel<Point> *model = m_database->pointModel();
    connect(model, &QAbstractItemModel::modelAboutToBeReset, &receiver, note, Qt::DirectConnection);
    connect(model, &QAbstractItemModel::modelReset, &receiver, note, Qt::DirectConnection);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, &receiver, note, Qt::DirectConnection);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, &receiver, note, Qt::DirectConnection);

    Settings::setString(QStringLiteral("database/xpPath"), root);
    {
        auto loader = std::make_unique<XpLoader>(m_database.get());
        Relay relay(loader.get(), m_database.get());
        QSignalSpy started(&relay, &Relay::started);
        QSignalSpy progress(&relay, &Relay::progress);
        QSignalSpy done(&relay, &Relay::done);
        loader->loadAsync();
        QVERIFY(done.wait(30000));
        QCOMPARE(started.size(), 1);
        QStringList texts;
        for (const QList<QVariant> &arguments : std::as_const(progress))
            texts.append(arguments.first().toString());
        for (int n = 100; n <= 1000; n += 100)
            QVERIFY(texts.contains(QStringLiteral("Loading fix points: %1").arg(n)));
        QVERIFY(texts.contains(QStringLiteral("Loading nav points: 100")) == false);

        const QList<QThread *> emitters = relay.emitters();
        QVERIFY(!emitters.isEmpty());
        for (QThread *thread : emitters)
            QVERIFY(thread != QThread::currentThread());
        loader.reset();
    }
    QVERIFY(!modelThreads.isEmpty());
    for (QThread *thread : std::as_const(modelThreads))
        QCOMPARE(thread, QThread::currentThread());
}

void TestXpLoader::secondLoadAsyncWhileRunning()
{
    const QString root = simulator(true);
    QByteArray fixes("I\n1101 Version - data cycle 2302, build\n");
    for (int i = 0; i < 20000; ++i)
        fixes += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixes));
    Settings::setString(QStringLiteral("database/xpPath"), root);

    auto loader = std::make_unique<XpLoader>(m_database.get());
    Relay relay(loader.get(), m_database.get());
    QSignalSpy started(&relay, &Relay::started);
    QSignalSpy done(&relay, &Relay::done);
    loader->loadAsync();
    const qint64 during = m_database->generation();
    loader->loadAsync();
    QVERIFY(done.wait(30000));
    loader.reset();
    QTest::qWait(50);
    QCOMPARE(started.size(), 1);
    QCOMPARE(done.size(), 1);
    QCOMPARE(during, qint64(0));
    QVERIFY(m_database->generation() != 0);
}

// Quitting during an import stops the readers or the save and leaves the stored file as it was.
void TestXpLoader::destructorStopsRunningImport_data()
{
    QTest::addColumn<int>("fixes");      // enough for the save to have chunks left after its first check
    QTest::addColumn<QString>("quitAt"); // the progress text quit at; empty: the first
    QTest::addColumn<bool>("busyMain");  // quit by the main thread, whose loop stood still meanwhile
    QTest::newRow("reading") << 1000000 << QString() << false;
    QTest::newRow("saving") << 20000 << QStringLiteral("Compressing database...") << false;
    QTest::newRow("compressing, main thread busy") << 20000 << QStringLiteral("Compressing database...") << true;
}

void TestXpLoader::destructorStopsRunningImport()
{
    QFETCH(int, fixes);
    QFETCH(QString, quitAt);
    QFETCH(bool, busyMain);
    const QString root = simulator(true);
    QByteArray fixFile("I\n1101 Version - data cycle 2302, build\n");
    fixFile.reserve(40 * fixes);
    for (int i = 0; i < fixes; ++i)
        fixFile += " 46.5 7.5 F" + QByteArray::number(i) + " ENRT K1 2105430\n";
    QVERIFY(writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixFile));
    Settings::setString(QStringLiteral("database/xpPath"), root);
    const QByteArray stored("the stored database");
    QVERIFY(writeFile(m_database->filePath(), stored));
    const int points = Database::pointCount();

    auto loader = std::make_unique<XpLoader>(m_database.get());
    Relay relay(loader.get(), m_database.get());
    QSignalSpy progress(&relay, &Relay::progress);
    QSignalSpy loaded(&relay, &Relay::loaded);
    // On the import thread, so the stop is there when the save begins.
    connect(
        loader.get(), &XpLoader::progress, loader.get(),
        [importer = loader.get(), quitAt = busyMain ? QString() : quitAt](const QString &text) {
            if (!quitAt.isEmpty() && text == quitAt)
                importer->requestInterruption();
        },
        Qt::DirectConnection);
    // As a window's close waiting behind a frame: the file is written meanwhile.
    connect(&relay, &Relay::progress, loader.get(), [importer = loader.get(), quitAt, busyMain](const QString &text) {
        if (busyMain && text == quitAt) {
            importer->wait(1000);
            importer->requestInterruption();
        }
    });
    loader->loadAsync();
    if (quitAt.isEmpty())
        QVERIFY(progress.wait(30000));
    else
        QTRY_VERIFY_WITH_TIMEOUT(loader->isFinished(), 30000);
    QElapsedTimer timer;
    timer.start();
    loader.reset();
    const qint64 stopMs = timer.elapsed();
    qInfo() << "Import stopped" << stopMs << "ms after the destructor began";
    QVERIFY(stopMs < 5000);
    QTest::qWait(20);
    QCOMPARE(Database::pointCount(), points);
    QVERIFY(loaded.isEmpty());
    QVERIFY(progress.isEmpty() || progress.constLast().constFirst().toString() != QStringLiteral("Done"));
    QFile file(m_database->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
    QCOMPARE(
        QDir(QFileInfo(file).path()).entryList({m_database->fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden),
        QStringList{m_database->fileName()});
    QVERIFY(m_database->generation() != 0);
}

void TestXpLoader::importSucceeds()
{
    const QString root = simulator(true, true);
    // The Global Airports file wins over the default one; its runway takes the localizer of
    // earth_nav.dat, which is read after it.
    QVERIFY(writeFile(root + QLatin1Char('/') + kGlobalApt,
                      "I\n1200 Version - data cycle 2302\n\n1 410 0 0 KXYZ Test Field\n"
                      "100 45.72 1 0 0.25 0 2 1 13R 46.91 7.91 0 0 3 0 0 1 31L 46.90 7.93 0 0 3 0 0 1\n99\n"));
    Settings::setBool(QStringLiteral("database/userFix"), true);
    QList<bool> loaded;
    const QStringList texts = runImport(root, false, &loaded);
    QCOMPARE(loaded, QList<bool>({true}));
    QCOMPARE(m_statusAtLoad, QStringLiteral("Done")); // the file is written by then
    QVERIFY(!texts.contains(kCycleWarning));
    QVERIFY(texts.contains(QStringLiteral("Loading tracks...")));
    QVERIFY(texts.contains(QStringLiteral("Compressing database...")));
    QCOMPARE(texts.last(), QStringLiteral("Done"));
    QVERIFY(QFile::exists(m_database->filePath()));
    QCOMPARE(Database::cycle(), QStringLiteral("2302"));
    // Fixes and navaids of the default data, the user's own fixes of the custom folder.
    QVERIFY(Database::findPoint(QStringLiteral("K1/ENRT/ALPHA"), false));
    QVERIFY(Database::findPoint(QStringLiteral("K1/ENRT/ABC_1"), false));
    QVERIFY(Database::findPoint(QStringLiteral("K1/ENRT/MYFX2"), false));
    QVERIFY(Database::segmentCount() >= 4);
    QVERIFY(m_database->generation() != 0);
    Runway *runway
        = Database::findRunwayEnd(Database::findAirport(QStringLiteral("KXYZ"), false), QStringLiteral("13R"));
    QVERIFY(runway);
    QCOMPARE(runway->ilsFrequency(0), float(10950 / 100.0));
    QCOMPARE(runway->ilsIdent(0), QStringLiteral("ILS-cat-I"));
}

void TestXpLoader::activeCycle_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("nav");
    QTest::addColumn<bool>("inCustomData");
    QTest::addColumn<bool>("apt");
    QTest::addColumn<QString>("cycle");

    QTest::newRow("default data") << QByteArray("I\n1150 Version - data cycle 2302, build\n") << false << true << "2302";
    QTest::newRow("custom data first") << QByteArray("I\n1200 Version - data cycle 2401, build\n") << true << true << "2401";
    QTest::newRow("any case and spacing") << QByteArray("A\r\n1200 DATA \t CYCLE   2405\r\n") << false << true << "2405";
    QTest::newRow("first line trimmed") << QByteArray("  I  \n1200 data cycle 2405\n") << false << true << "2405";
    QTest::newRow("five digits") << QByteArray("I\n1200 data cycle 24051\n") << false << true << "";
    QTest::newRow("no cycle words") << QByteArray("I\n1200 Version 2405\n") << false << true << "";
    QTest::newRow("first line other") << QByteArray("X\n1200 data cycle 2405\n") << false << true << "";
    QTest::newRow("empty file") << QByteArray() << false << true << "";
    QTest::newRow("no apt.dat") << QByteArray("I\n1150 data cycle 2302\n") << false << false << "";
    // clang-format on
}

void TestXpLoader::activeCycle()
{
    QFETCH(QByteArray, nav);
    QFETCH(bool, inCustomData);
    QFETCH(bool, apt);
    QFETCH(QString, cycle);

    const QString root = simulator(apt);
    QVERIFY(writeFile(root
                          + (inCustomData ? QStringLiteral("/Custom Data/earth_nav.dat")
                                          : QStringLiteral("/Resources/default data/earth_nav.dat")),
                      nav));
    if (!inCustomData)
        QVERIFY(QFile::remove(root + QStringLiteral("/Custom Data/earth_nav.dat")));
    Settings::setString(QStringLiteral("database/xpPath"), root);
    XpLoader loader(m_database.get());
    QCOMPARE(loader.activeCycle(), cycle);

    Settings::setString(QStringLiteral("database/xpPath"), QString());
    QCOMPARE(loader.activeCycle(), QString());
    Settings::setString(QStringLiteral("database/xpPath"), root + QStringLiteral("/absent"));
    QCOMPARE(loader.activeCycle(), QString());
}

void TestXpLoader::autodetect()
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", m_dir->path().toLocal8Bit());
    XpLoader loader(m_database.get());
    const QString none = loader.autodetectXPPath();
    QDir(m_dir->path()).mkdir(QStringLiteral("X-Plane 11"));
    const QString eleven = loader.autodetectXPPath();
    QDir(m_dir->path()).mkdir(QStringLiteral("X-Plane 12"));
    const QString twelve = loader.autodetectXPPath();
    const QStringList candidates = loader.autodetectCandidates();
    qputenv("HOME", home);

    QVERIFY(none.isEmpty());
    // Where the search looked, as the dialog tells it: eleven places per version, 12 first.
    QCOMPARE(candidates.size(), 22);
    QCOMPARE(candidates.at(3), m_dir->filePath(QStringLiteral("X-Plane 12")));
    QCOMPARE(candidates.at(9), QStringLiteral("/opt/x-plane/X-Plane 12"));
    QCOMPARE(candidates.at(14), m_dir->filePath(QStringLiteral("X-Plane 11")));
    QCOMPARE(candidates.at(21), QStringLiteral("/Users/Shared/X-Plane 11"));
    QCOMPARE(eleven, m_dir->filePath(QStringLiteral("X-Plane 11")));
    QCOMPARE(twelve, m_dir->filePath(QStringLiteral("X-Plane 12")));
}

QTEST_GUILESS_MAIN(TestXpLoader)
#include "tst_xploader.moc"
