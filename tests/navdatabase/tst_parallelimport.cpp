#include "airport.h"
#include "aptreader.h"
#include "awyreader.h"
#include "basemodel.h"
#include "boundary.h"
#include "cifploader.h"
#include "database.h"
#include "fixreader.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <memory>

using TestSupport::recordOf;

namespace {

// Every point as its database record, in row order, and what was logged about the rows.
struct Outcome
{
    QList<QByteArray> records;
    QStringList messages;
    QStringList progress;
};

} // namespace

// The readers that use every core must give what one core gives, in the same order.
class TestParallelImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fixFileSameOnOneAndManyThreads();
    void aptFileSameOnOneAndManyThreads();
    void awyFileSameOnOneAndManyThreads();
    void procedureFilesSameAsOneByOne();
    void databaseFileSameOnOneAndManyThreads();
    void replacedItemsDeletedInSlices();

private:
    Outcome readFix(const QString &path, int threads);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestParallelImport::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
}

void TestParallelImport::cleanup()
{
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    TestSupport::releaseMessages();
}

Outcome TestParallelImport::readFix(const QString &path, int threads)
{
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    m_database->clear();
    TestSupport::captureMessages();
    TestSupport::capturedMessages().clear();
    Outcome outcome;
    FixReader reader(m_database.get(), [&outcome](const QString &text) { outcome.progress.append(text); });
    if (reader.read(path) != 0)
        return outcome;
    for (const Point *point : m_database->pointModel()->items())
        outcome.records.append(recordOf(*point) + point->uid().toUtf8());
    outcome.messages = TestSupport::capturedMessages();
    TestSupport::releaseMessages();
    return outcome;
}

void TestParallelImport::fixFileSameOnOneAndManyThreads()
{
    // About 1.5 MB: several pieces for the other cores. Short rows, a cut-off row, blank
    // lines, duplicate UIDs (renamed in the order of the rows) and names with spaces.
    QByteArray content("I\n1101 Version - data cycle 2302,\n");
    for (int i = 0; i < 40000; ++i) {
        const QByteArray n = QByteArray::number(i % 30000);
        if (i % 4999 == 7)
            content += " 1.5 2.5 SHORT" + n + "\n";
        else if (i % 9000 == 11)
            content += "\n";
        else
            content += " 4" + n + ".25 -7." + n + " F" + n + " ENRT K" + QByteArray::number(i % 3) + " 2105430"
                       + (i % 5 == 0 ? " NAME OF " + n : QByteArray()) + "\n";
    }
    content += QByteArray(70 * 1024, 'x') + "\n";
    content += " 1 2 LAST ENRT K1 0\n99\n";
    QTemporaryDir dir;
    const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("earth_fix.dat")), content);

    const Outcome one = readFix(path, 1);
    QCOMPARE(one.records.size(), 40000 - 9 - 5 + 1);
    const Outcome many = readFix(path, 8);
    QCOMPARE(many.records.size(), one.records.size());
    for (qsizetype i = 0; i < one.records.size(); ++i)
        QCOMPARE(many.records.at(i), one.records.at(i));
    QCOMPARE(many.messages, one.messages);
    QCOMPARE(many.progress, one.progress);
}

// Airway rows looked up on other cores: the same legs in row order, and every warning (backward
// rows, ends of another kind once each, missing ends, short rows) in the order one core gives.
void TestParallelImport::awyFileSameOnOneAndManyThreads()
{
    QByteArray content("I\n1100 Version - data cycle 2302,\n");
    int expected = 0;
    for (int i = 0; i < 40000; ++i) {
        const QByteArray a = " F" + QByteArray::number(i % 1000) + " K1 " + (i % 101 == 5 ? "2 " : "11 ");
        const QByteArray b = i % 97 == 3 ? "GONE K1 11 " : "F" + QByteArray::number((i + 1) % 1000) + " K1 11 ";
        content += i % 4999 == 7 ? a + "\n" : a + b + (i % 103 == 9 ? "B" : "N") + " 1 180 450 A" + b.left(2) + "\n";
        expected += i % 4999 != 7 && i % 97 != 3;
    }
    QTemporaryDir dir;
    const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("earth_awy.dat")), content + "99\n");
    const auto read = [this, &path](int threads) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        m_database->clear();
        for (int i = 0; i < 1000; ++i)
            m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(50.0, 8.0 + i * 0.01),
                                           QStringLiteral("F%1").arg(i), QStringLiteral("ENRT"), QStringLiteral("K1"),
                                           QString(), 0, 0.0f, {}));
        // A fix and an NDB under one UID: the row's kind picks one.
        m_database->addPoint(new Point(Point::NDB, QGeoCoordinate(50.0, 30.0), QStringLiteral("F7"),
                                       QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f, {}));
        TestSupport::captureMessages();
        TestSupport::capturedMessages().clear();
        Outcome outcome;
        AwyReader(m_database.get(), [&outcome](const QString &text) { outcome.progress.append(text); }).read(path);
        for (const Segment *segment : m_database->segmentModel()->items())
            outcome.records.append(recordOf(*segment) + segment->uid().toUtf8());
        // The missing-end warning names the points by address, which differs from run to run.
        static const QRegularExpression address(QStringLiteral("0x[0-9a-f]+"));
        for (const QString &message : TestSupport::capturedMessages())
            outcome.messages.append(QString(message).replace(address, QStringLiteral("0x")));
        TestSupport::releaseMessages();
        return outcome;
    };
    const Outcome one = read(1);
    const Outcome many = read(8);
    QCOMPARE(one.records.size(), expected);
    QCOMPARE(many.records, one.records);
    QVERIFY(one.messages.size() > 400);
    QCOMPARE(many.messages, one.messages);
    QCOMPARE(many.progress, one.progress);
}

// apt.dat cut into runs of airports for the other cores: the same lists in the same order,
// renamed duplicate airports included, and an item left open still runs on into the next airport.
void TestParallelImport::aptFileSameOnOneAndManyThreads()
{
    QByteArray content("I\n1200 Version\n");
    for (int i = 0; i < 3000; ++i) {
        const QByteArray n = QByteArray::number(i % 2900);
        const QByteArray lat = QByteArray::number(40 + (i % 50) / 10.0);
        content += (i % 97 == 5 ? "16 0 0 0 S" : "1 100 0 0 A") + n + " Field " + n + "\n";
        if (i % 50 == 0 && i > 0)
            content += "113 " + lat + " 8.3\n";
        content += "1302 region_code K" + QByteArray::number(i % 4) + "\n";
        content += "100 30 1 0 0 0 0 0 09 " + lat + " 8.0 0 0 1 0 0 0 27 " + lat + " 8.1 0 0 1\n";
        content += "110 1 0.25 0 Pavement\n111 " + lat + " 8 \n112 " + lat + " 8.01 " + lat + " 8.02\n113 " + lat
                   + " 8.03\n";
        content += "120 Line\n111 " + lat + " 8 51 101\n115 " + lat + " 8.01\n";
        content
            += "1201 " + lat + " 8 both 1 a\n1201 " + lat + " 8.01 both 2 b\n1202 1 2 twoway taxiway_C A" + n + "\n";
        content += "1300 " + lat + " 8 45 gate jets Gate " + n + "\n";
        // Now and then a boundary whose closing row comes after the next airport's row.
        if (i % 50 == 49)
            content += "130 Open\n111 " + lat + " 8\n112 " + lat + " 8.1 " + lat + " 8.2\n";
    }
    content += "99\n";
    QTemporaryDir dir;
    const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("apt.dat")), content);

    auto lists = [this, &path](int threads) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        m_database->clear();
        TestSupport::captureMessages();
        TestSupport::capturedMessages().clear();
        QStringList progress;
        AptReader reader(
            m_database.get(), [&progress](const QString &text) { progress.append(text); }, {}, nullptr);
        QList<QByteArray> records;
        if (reader.read(path) != 0)
            return records;
        for (const Point *point : m_database->pointModel()->items())
            records.append(point->uid().toUtf8() + recordOf(*point));
        for (const Runway *runway : m_database->runwayModel()->items())
            records.append(recordOf(*runway));
        for (const Taxiway *taxiway : m_database->taxiwayModel()->items())
            records.append(recordOf(*taxiway));
        for (const Boundary *boundary : m_database->boundaryModel()->items())
            records.append(recordOf(*boundary));
        for (const Paintlight *paintlight : m_database->paintlightModel()->items())
            records.append(recordOf(*paintlight));
        for (const Taxiname *taxiname : m_database->taxinameModel()->items())
            records.append(recordOf(*taxiname));
        for (const Startup *startup : m_database->startupModel()->items())
            records.append(recordOf(*startup));
        records.append(progress.join(QLatin1Char('|')).toUtf8());
        records.append(QByteArray::number(reader.airportCount()) + ' ' + QByteArray::number(reader.runwayCount()));
        records.append(TestSupport::capturedMessages().join(QLatin1Char('|')).toUtf8());
        TestSupport::releaseMessages();
        return records;
    };
    const QList<QByteArray> one = lists(1);
    // Opened after airports 49, 99, ... 2949 and closed after the next one's row; the one after
    // 199 never opened (a seaplane base's rows are skipped), the one after 2999 never closes.
    QCOMPARE(m_database->boundaryModel()->count(), 58);
    QVERIFY(m_database->pointModel()->contains(QStringLiteral("A10_1")));
    const QList<QByteArray> many = lists(8);
    QCOMPARE(many.size(), one.size());
    for (qsizetype i = 0; i < one.size(); ++i)
        QCOMPARE(many.at(i), one.at(i));
}

// The procedure files of many airports read on every core give the procedures that reading them
// one airport after the other gives, in the same order.
void TestParallelImport::procedureFilesSameAsOneByOne()
{
    QFile sample(TestSupport::dataPath(QStringLiteral("xplane-route/Resources/default data/CIFP/XRTA.dat")));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray legs = sample.readAll();
    QTemporaryDir dir;
    QList<Point *> airports;
    for (int i = 0; i < 90; ++i) {
        const QString code = QStringLiteral("Q%1").arg(i, 3, 10, QLatin1Char('0'));
        airports.append(new Airport(code, QStringLiteral("Airport"), 0));
        if (i % 7 == 3)
            continue; // no file: no procedures
        QByteArray content = legs;
        content.replace("ALDA", code.toLatin1());
        if (i % 5 == 0)
            content.replace("\n", "\r\n");
        if (i % 6 == 0)
            content.prepend("\xEF\xBB\xBFRWY:RW09 ,,,\nSID:010,4,SHORT,RW09\n");
        TestSupport::writeFile(dir.filePath(code + QStringLiteral(".dat")), content);
    }
    QList<QList<QByteArray>> outcomes;
    for (const int threads : {1, 8}) {
        for (const bool all : {false, true}) {
            QThreadPool::globalInstance()->setMaxThreadCount(threads);
            m_database->clear();
            m_database->beginModifying();
            CifpLoader loader(m_database.get());
            loader.setPath(dir.path());
            if (all) {
                loader.loadAll(airports);
            } else {
                for (Point *airport : std::as_const(airports))
                    QVERIFY(loader.load(airport));
            }
            m_database->endModifying();
            QList<QByteArray> records;
            for (const Procedure *procedure : m_database->procedureModel()->items())
                records.append(procedure->uid().toUtf8() + recordOf(*procedure));
            outcomes.append(records);
        }
    }
    // Three procedures per file, in the order of the airports.
    QCOMPARE(outcomes.first().size(), (90 - 13) * 3);
    QVERIFY(outcomes.first().first().startsWith("Q000/Q0001A"));
    for (qsizetype i = 1; i < outcomes.size(); ++i)
        QCOMPARE(outcomes.at(i), outcomes.first());
    qDeleteAll(airports);
}

// The stored file is written and read back on every core: the same bytes as on one core, the
// same lists back, and a damaged chunk fails the whole load.
void TestParallelImport::databaseFileSameOnOneAndManyThreads()
{
    m_database->clear();
    m_database->beginModifying();
    for (int i = 0; i < 20000; ++i)
        m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(i / 1000.0, -i / 700.0), QStringLiteral("F%1").arg(i),
                                       QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f,
                                       QStringLiteral("C   ")));
    for (int i = 0; i < 19999; ++i)
        m_database->addSegment(new Segment(Segment::NONE, 1 + i % 2, Database::pointAt(i), Database::pointAt(i + 1),
                                           QStringLiteral("V%1").arg(i % 50), 0, 0));
    m_database->endModifying();
    QList<QByteArray> expected;
    for (const Segment *segment : m_database->segmentModel()->items())
        expected.append(recordOf(*segment));

    auto saved = [this](int threads) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        if (!m_database->save())
            return QByteArray();
        QFile file(m_database->filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray one = saved(1);
    QVERIFY(!one.isEmpty());
    QCOMPARE(saved(8), one);

    for (const int threads : {1, 8}) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        QVERIFY(m_database->load());
        QCOMPARE(Database::pointCount(), 20000);
        QList<QByteArray> segments;
        for (const Segment *segment : m_database->segmentModel()->items())
            segments.append(recordOf(*segment));
        QCOMPARE(segments, expected);
        QCOMPARE(Database::findPoint(QStringLiteral("K1/ENRT/F19999"), false), Database::pointAt(19999));
    }

    QByteArray damaged = one;
    damaged[damaged.size() - 40] = char(damaged.at(damaged.size() - 40) ^ 0x21);
    QVERIFY(m_database->writeBinFile(damaged));
    QVERIFY(!m_database->load());
    QCOMPARE(Database::pointCount(), 0);
    QCOMPARE(Database::segmentCount(), 0);
}

// A world-size set of replaced items is deleted a few milliseconds at a time between events,
// all of it in the end, the points last.
void TestParallelImport::replacedItemsDeletedInSlices()
{
    m_database->clear();
    // Items an earlier case replaced are deleted first: let them go before this case starts.
    QTRY_VERIFY_WITH_TIMEOUT(!m_database->retiring(), 60000);
    m_database->beginModifying();
    for (int i = 0; i < 200000; ++i)
        m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(i / 10000.0, 1.0), QStringLiteral("S%1").arg(i),
                                       QStringLiteral("ENRT"), QStringLiteral("K2"), QString(), 0, 0.0f, QString()));
    m_database->addSegment(
        new Segment(Segment::NONE, 1, Database::pointAt(0), Database::pointAt(1), QStringLiteral("V1"), 0, 0));
    m_database->endModifying();
    const QPointer<Segment> segment = Database::segmentAt(0);
    const QPointer<Point> first = Database::pointAt(0);
    const QPointer<Point> last = Database::pointAt(199999);

    m_database->clear();
    QCOMPARE(Database::pointCount(), 0);
    // The first slice went at once: the segment first; 200,000 points take more than one.
    QVERIFY(segment.isNull());
    QVERIFY(!last.isNull());
    QVERIFY(m_database->retiring());
    QTRY_VERIFY_WITH_TIMEOUT(!m_database->retiring(), 60000);
    QVERIFY(first.isNull());
    QVERIFY(last.isNull());
}

QTEST_GUILESS_MAIN(TestParallelImport)
#include "tst_parallelimport.moc"
