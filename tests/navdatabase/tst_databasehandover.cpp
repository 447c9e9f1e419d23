#include "basemodel.h"
#include "database.h"
#include "databasestore.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "xploader.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <thread>

// How the contents travel between the threads: an import or a load fills a store on its own
// thread, finds there what it added, and hands the store to the main thread whole; the main
// thread's lookups and views never read a list that another thread is filling.
class TestDatabaseHandover : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void removeIfKeepsIndexExact_data();
    void removeIfKeepsIndexExact();
    void swapContentsTakesListAndIndex();
    void storeIsSeenOnlyByItsThread();
    void droppedStoreDeletesItsItems();
    void importWhileMainThreadReads();
    void loadResetsModelsOnce();
    void trackReplacementRefreshesSegmentsOnly();

private:
    QString simulator(int fixes);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

Point *fix(const QString &code, double latitude = 46.0, double longitude = 7.0)
{
    return new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, QStringLiteral("ENRT"),
                     QStringLiteral("K1"), QString(), 0, 0.0f, QString());
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

} // namespace

void TestDatabaseHandover::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void TestDatabaseHandover::init()
{
    m_db->clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// The simulator folder of the test data, with as many extra fixes as asked for and an airway
// from each to the next, so that the airway reader must find the fixes the import added.
QString TestDatabaseHandover::simulator(int fixes)
{
    const QString root = m_dir->filePath(QStringLiteral("X-Plane 12"));
    if (!copyTree(TestSupport::dataPath(QStringLiteral("xplane")), root))
        return QString();
    QByteArray fixFile("I\n1101 Version - data cycle 2302, build\n");
    QByteArray awyFile("I\n1101 Version - data cycle 2302, build\n");
    for (int i = 0; i < fixes; ++i) {
        fixFile += " 46.5 " + QByteArray::number(5.0 + i * 0.0001, 'f', 4) + " F" + QByteArray::number(i)
                   + " ENRT K1 2105430\n";
        if (i > 0)
            awyFile += "F" + QByteArray::number(i - 1) + " K1 11 F" + QByteArray::number(i) + " K1 11 N 2 180 450 J9\n";
    }
    fixFile += "99\n";
    awyFile += "99\n";
    TestSupport::writeFile(root + QStringLiteral("/Resources/default data/earth_fix.dat"), fixFile);
    TestSupport::writeFile(root + QStringLiteral("/Resources/default data/earth_awy.dat"), awyFile);
    return root;
}

void TestDatabaseHandover::removeIfKeepsIndexExact_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("uids");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("nothing") << QStringList{"A", "B", "C"} << "X" << QStringList{"A", "B", "C"};
    QTest::newRow("last") << QStringList{"A", "B", "C"} << "C" << QStringList{"A", "B"};
    QTest::newRow("middle") << QStringList{"A", "B", "C", "D"} << "B" << QStringList{"A", "C", "D"};
    QTest::newRow("first") << QStringList{"A", "B", "C"} << "A" << QStringList{"B", "C"};
    QTest::newRow("scattered") << QStringList{"A", "T", "B", "T", "C", "T"} << "T" << QStringList{"A", "B", "C"};
    QTest::newRow("all") << QStringList{"T", "T"} << "T" << QStringList{};
    // clang-format on
}

void TestDatabaseHandover::removeIfKeepsIndexExact()
{
    QFETCH(QStringList, uids);
    QFETCH(QString, removed);
    QFETCH(QStringList, left);
    BaseModel<Point>::Contents contents;
    QList<Point *> points;
    for (const QString &uid : uids) {
        points.append(fix(uid));
        points.last()->setUid(uid);
        contents.add(points.last());
    }
    const QList<Point *> taken = contents.removeIf([&](const Point *point) { return point->uid() == removed; });
    QCOMPARE(taken.size(), uids.count(removed));
    QCOMPARE(contents.count(), left.size());
    for (int row = 0; row < left.size(); ++row) {
        QCOMPARE(contents.at(row)->uid(), left.at(row));
        QCOMPARE(contents.rowOf(left.at(row)), row);
    }
    QCOMPARE(contents.find(removed), nullptr);
    qDeleteAll(points);
}

void TestDatabaseHandover::swapContentsTakesListAndIndex()
{
    BaseModel<Point> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    std::unique_ptr<Point> a(fix(QStringLiteral("A")));
    std::unique_ptr<Point> b(fix(QStringLiteral("B")));
    BaseModel<Point>::Contents contents;
    contents.assign({a.get(), nullptr, b.get()});
    model.beginReset();
    model.swapContents(contents);
    model.endReset();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.find(b->uid()), b.get());
    QCOMPARE(model.rowOf(b->uid()), 2);
    QVERIFY(!model.data(model.index(1), Qt::DisplayRole).isValid());
    QCOMPARE(contents.count(), 0);
}

void TestDatabaseHandover::storeIsSeenOnlyByItsThread()
{
    auto store = std::make_shared<DatabaseStore>();
    Point *added = nullptr;
    bool foundThere = false;
    int countThere = 0;
    std::thread worker([&] {
        DatabaseStore::Scope scope(store.get());
        m_db->beginModifying();
        added = fix(QStringLiteral("WORKR"));
        m_db->addPoint(added);
        m_db->addRunway(new Runway(QStringLiteral("KXYZ"), QGeoCoordinate(46, 7), QStringLiteral("09"), 0.0f,
                                   QGeoCoordinate(46, 7.01), QStringLiteral("27"), 0.0f, 45.0f, 1, 0, 0));
        Database::setCycle(QStringLiteral("2401"));
        foundThere = Database::findPoint(added->uid(), false) == added;
        countThere = Database::pointCount();
        store->handOver();
        m_db->endModifying();
    });
    worker.join();
    QVERIFY(foundThere);
    QCOMPARE(countThere, 1);
    QCOMPARE(Database::pointCount(), 0);
    QCOMPARE(Database::findPoint(added->uid(), false), nullptr);
    QVERIFY(Database::cycle().isEmpty());

    QSignalSpy reset(m_db->pointModel(), &QAbstractItemModel::modelReset);
    m_db->installStore(*store, true);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(Database::findPoint(added->uid(), false), added);
    QCOMPARE(Database::cycle(), QStringLiteral("2401"));
    QVERIFY(m_db->runwayIndex().value({QStringLiteral("KXYZ"), QStringLiteral("27")}));
    // Shared, not moved: the thread that filled the store can still write it to the file.
    QCOMPARE(store->points.count(), 1);
}

void TestDatabaseHandover::droppedStoreDeletesItsItems()
{
    QPointer<Point> kept;
    QPointer<Point> dropped;
    {
        DatabaseStore store;
        DatabaseStore::Scope scope(&store);
        dropped = fix(QStringLiteral("GONE"));
        m_db->addPoint(dropped);
    }
    QVERIFY(dropped.isNull());
    {
        DatabaseStore store;
        {
            DatabaseStore::Scope scope(&store);
            kept = fix(QStringLiteral("KEPT"));
            m_db->addPoint(kept);
        }
        store.handOver();
        m_db->installStore(store, false);
    }
    QVERIFY(!kept.isNull());
    QCOMPARE(Database::findPoint(kept->uid(), false), kept.data());
}

// A real import thread fills the database while the main thread keeps reading lookups and
// model rows: until the contents are handed over, the main thread sees the emptied database.
void TestDatabaseHandover::importWhileMainThreadReads()
{
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    constexpr int Fixes = 20000;
    const QString root = simulator(Fixes);
    QVERIFY(!root.isEmpty());
    Settings::setString(QStringLiteral("database/xpPath"), root);
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), false);

    QAbstractItemModelTester pointTester(m_db->pointModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester segmentTester(m_db->segmentModel(),
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listTester(m_db->pointListModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_db->pointMapModel()->setGeoFilter(QGeoRectangle(QGeoCoordinate(50, 0), QGeoCoordinate(40, 10)), 12.0);

    auto loader = std::make_unique<XpLoader>(m_db.get());
    // Counted on this thread: done is emitted on the import thread. Queued to the loader, which
    // lives here: an answer still on its way when the function ends goes with it.
    QList<bool> done;
    connect(
        loader.get(), &XpLoader::done, loader.get(), [&done] { done.append(true); }, Qt::QueuedConnection);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    loader->loadAsync();
    int rounds = 0;
    int seenBeforeLoaded = 0;
    QElapsedTimer timer;
    timer.start();
    while (done.isEmpty() && timer.elapsed() < 60000) {
        const bool handedOver = !loaded.isEmpty();
        for (int i = 0; i < 50; ++i) {
            const QString uid = QStringLiteral("K1/ENRT/F%1").arg((rounds * 50 + i) % Fixes);
            Point *point = Database::findPoint(uid, false);
            if (!handedOver && (point || Database::pointCount() != 0))
                ++seenBeforeLoaded;
            Database::findEnrouteFix(QStringLiteral("F%1").arg(i), {QStringLiteral("K1")}, false);
            Database::findRunwayOfAirport(QStringLiteral("KXYZ"), QStringLiteral("13R"));
        }
        for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(m_db->pointModel()),
                                          static_cast<QAbstractItemModel *>(m_db->pointListModel()),
                                          static_cast<QAbstractItemModel *>(m_db->pointMapModel()),
                                          static_cast<QAbstractItemModel *>(m_db->segmentMapModel())}) {
            const int rows = model->rowCount();
            for (int row = 0; row < qMin(rows, 20); ++row)
                model->data(model->index(row, 0), Qt::UserRole + 1);
        }
        ++rounds;
        QCoreApplication::processEvents();
    }
    QCOMPARE(done.size(), 1);
    loader.reset();
    QCoreApplication::processEvents();
    qInstallMessageHandler(previous);

    QCOMPARE(seenBeforeLoaded, 0);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first().first().toBool(), true);
    QVERIFY(rounds > 1);
    // The airway reader found the fixes the fix reader had added on the import thread.
    for (const int i : {0, Fixes / 2, Fixes - 1})
        QVERIFY(Database::findPoint(QStringLiteral("K1/ENRT/F%1").arg(i), false));
    QVERIFY(Database::findSegmentBetween(Database::findPoint(QStringLiteral("K1/ENRT/F0"), false),
                                         Database::findPoint(QStringLiteral("K1/ENRT/F1"), false)));
    QVERIFY(Database::segmentCount() >= Fixes - 1);
    QCOMPARE(m_db->pointModel()->rowCount(), Database::pointCount());
    QCOMPARE(Database::cycle(), QStringLiteral("2302"));
    QVERIFY(m_db->generation() != 0);
    QFile::remove(m_db->filePath());
}

// The models are reset once, with their new contents, and not once more by the refresh that
// loaded triggers.
void TestDatabaseHandover::loadResetsModelsOnce()
{
    for (int i = 0; i < 50; ++i)
        m_db->addPoint(fix(QStringLiteral("P%1").arg(i), 46.0, 7.0 + i * 0.01));
    QVERIFY(m_db->save());
    m_db->clear();

    QAbstractItemModelTester listTester(m_db->pointListModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(m_db->pointModel(), &QAbstractItemModel::modelReset);
    QSignalSpy listResets(m_db->pointListModel(), &QAbstractItemModel::modelReset);
    QSignalSpy listLayouts(m_db->pointListModel(), &QAbstractItemModel::layoutChanged);
    QSignalSpy updated(m_db.get(), &Database::updated);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    m_db->wait();
    QCOMPARE(loaded.first().first().toBool(), true);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(listResets.size(), 1);
    QCOMPARE(listLayouts.size(), 0);
    QCOMPARE(updated.size(), 1);
    QCOMPARE(Database::pointCount(), 50);
    QCOMPARE(m_db->pointListModel()->rowCount(), 0); // fixes are not in the point list
    // A refresh of its own (not one that follows a load) still resets everything.
    m_db->invalidateModels();
    QCOMPARE(resets.size(), 2);
    QFile::remove(m_db->filePath());
}

void TestDatabaseHandover::trackReplacementRefreshesSegmentsOnly()
{
    Point *a = fix(QStringLiteral("TA"), 50.0, -20.0);
    Point *b = fix(QStringLiteral("TB"), 51.0, -30.0);
    m_db->addPoint(a);
    m_db->addPoint(b);
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::LOW, a, b, QStringLiteral("L1"), 0, 0));
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::TRACK, a, b, QStringLiteral("NATA"), 0, 0));
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::HIGH, b, a, QStringLiteral("H1"), 0, 0));
    m_db->invalidateModels();

    QAbstractItemModelTester mapTester(m_db->segmentMapModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy pointResets(m_db->pointModel(), &QAbstractItemModel::modelReset);
    QSignalSpy segmentResets(m_db->segmentModel(), &QAbstractItemModel::modelReset);
    QSignalSpy updated(m_db.get(), &Database::updated);
    m_db->replaceSegments(Segment::TRACK,
                          {new Segment(Segment::FORWARD, Segment::TRACK, b, a, QStringLiteral("NATB"), 0, 0)});
    m_db->segmentsReplaced();
    QCOMPARE(updated.size(), 1);
    QCOMPARE(segmentResets.size(), 1);
    QCOMPARE(pointResets.size(), 0);
    QCOMPARE(Database::segmentCount(), 3);
    QCOMPARE(Database::segmentAt(2)->name(), QStringLiteral("NATB"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(Database::findSegment(Database::segmentAt(row)->uid(), false), Database::segmentAt(row));
}

QTEST_GUILESS_MAIN(TestDatabaseHandover)
#include "tst_databasehandover.moc"
