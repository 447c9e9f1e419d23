#include "basemodel.h"
#include "database.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// The route search takes a generation, computes without any lock, and applies its result
// through runIfUnchanged. These tests run that protocol on real threads against a writer
// that keeps changing the database, the way an import or a track refresh does.
class TestDatabaseConcurrency : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readersAgainstWriter();
    void refusalDuringLongModification();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
};

void TestDatabaseConcurrency::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
}

void TestDatabaseConcurrency::readersAgainstWriter()
{
    // Quiet: the writer logs a line per removal and renamed UID.
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    Database *db = m_db.get();
    QList<Point *> anchors;
    for (int i = 0; i < 8; ++i) {
        anchors.append(new Point(Point::FIX, QGeoCoordinate(40, i), QStringLiteral("A%1").arg(i),
                                 QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f, QString()));
        db->addPoint(anchors.last());
    }
    const qint64 start = db->generation();

    std::atomic<bool> writing{true};
    std::atomic<bool> inBracket{false};
    std::atomic<int> failures{0};
    std::atomic<int> applied{0};
    std::atomic<int> dropped{0};
    std::atomic<int> refused{0};
    // The writer waits for every reader to be running: on a busy machine it would otherwise
    // finish its 3,000 changes before a reader got a core, and nothing would be tested.
    std::atomic<int> running{0};
    constexpr int kReaders = 3;

    std::thread writer([&] {
        while (running.load() < kReaders)
            std::this_thread::yield();
        for (int i = 0; i < 3000; ++i) {
            Point *from = anchors.at(i % anchors.size());
            Point *to = anchors.at((i + 3) % anchors.size());
            db->addSegment(new Segment(Segment::FORWARD, i % 3 == 0 ? Segment::TRACK : Segment::LOW, from, to,
                                       QStringLiteral("W%1").arg(i), 0, 0));
            if (i % 50 == 0)
                db->removeSegmentsOfType(Segment::TRACK);
            if (i % 200 == 0) {
                QList<Segment *> tracks{
                    new Segment(Segment::FORWARD, Segment::TRACK, from, to, QStringLiteral("NAT"), 0, 0)};
                db->replaceSegments(Segment::TRACK, tracks);
            }
            if (i % 100 == 0) {
                db->beginModifying();
                inBracket = true;
                for (int k = 0; k < 5; ++k)
                    db->addPoint(new Point(Point::FIX, QGeoCoordinate(41, k), QStringLiteral("B%1").arg(i),
                                           QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f,
                                           QString()));
                inBracket = false;
                db->endModifying();
            }
        }
        writing = false;
    });

    auto reader = [&] {
        qint64 last = 0;
        ++running;
        while (writing) {
            const qint64 generation = db->generation();
            if (generation == 0) {
                ++refused;
                continue;
            }
            if (generation < last)
                ++failures;
            last = generation;
            // The search itself runs here, unlocked; then its result is applied.
            std::this_thread::yield();
            bool ran = false;
            const bool ok = db->runIfUnchanged(generation, [&] {
                ran = true;
                if (inBracket || db->isModifying() || db->generation() != generation)
                    ++failures;
                // Nothing may change the lists while the result is being applied.
                const int segments = db->segmentModel()->count();
                const int points = db->pointModel()->count();
                std::this_thread::yield();
                if (segments != db->segmentModel()->count() || points != db->pointModel()->count())
                    ++failures;
            });
            if (ok != ran)
                ++failures;
            ok ? ++applied : ++dropped;
        }
    };
    std::vector<std::thread> readers;
    for (int i = 0; i < kReaders; ++i)
        readers.emplace_back(reader);
    writer.join();
    for (std::thread &t : readers)
        t.join();
    qInstallMessageHandler(previous);

    QCOMPARE(failures.load(), 0);
    QVERIFY(applied.load() + dropped.load() > 0);
    QVERIFY(db->generation() > start);
    QVERIFY(!db->isModifying());
    // Every remaining segment is found under its UID at its row.
    for (int row = 0; row < Database::segmentCount(); ++row) {
        Segment *segment = Database::segmentAt(row);
        QCOMPARE(db->segmentModel()->rowOf(segment->uid()) >= 0, true);
        QCOMPARE(Database::findSegment(segment->uid(), false)->uid(), segment->uid());
        QVERIFY(segment->type() != Segment::TRACK || segment->name() == QStringLiteral("NAT")
                || segment->name().startsWith(QLatin1Char('W')));
    }
    qInfo() << "applied" << applied.load() << "dropped" << dropped.load() << "refused" << refused.load();
}

void TestDatabaseConcurrency::refusalDuringLongModification()
{
    Database *db = m_db.get();
    const qint64 before = db->generation();
    std::atomic<bool> started{false};
    std::atomic<bool> release{false};

    // A load holds the mutex for its whole run; the readers must be refused at once rather
    // than wait for it.
    std::thread loader([&] {
        db->beginModifying();
        QMutexLocker locker(db->mutex());
        started = true;
        while (!release)
            std::this_thread::yield();
        locker.unlock();
        db->endModifying();
    });
    while (!started)
        std::this_thread::yield();

    std::atomic<int> answers{0};
    std::thread reader([&] {
        bool ran = false;
        if (db->generation() == 0)
            ++answers;
        if (!db->runIfUnchanged(before, [&] { ran = true; }) && !ran)
            ++answers;
    });
    reader.join(); // would hang here if the reader waited for the mutex
    release = true;
    loader.join();

    QCOMPARE(answers.load(), 2);
    QVERIFY(db->generation() > before);
}

QTEST_MAIN(TestDatabaseConcurrency)
#include "tst_databaseconcurrency.moc"
