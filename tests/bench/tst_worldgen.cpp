#include "basemodel.h"
#include "database.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "worldgen.h"
#include "xploader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Every file of a folder with the hash of its bytes.
QMap<QString, QByteArray> digest(const QString &root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QCryptographicHash hash(QCryptographicHash::Sha1);
        hash.addData(&file);
        result.insert(path.mid(root.size()), hash.result());
    }
    return result;
}

QMutex g_mutex;
QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        QMutexLocker locker(&g_mutex);
        g_warnings.append(message);
    }
}

} // namespace

class TestWorldGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameSeedSameBytes_data();
    void sameSeedSameBytes();
    void procedureLines();
    void importReadsEverything();
    void foreignFolderRefused();
    void smallerWorldReplacesProcedureFiles();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestWorldGen::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void TestWorldGen::sameSeedSameBytes_data()
{
    // clang-format off
    QTest::addColumn<int>("threads");
    QTest::addColumn<quint64>("otherSeed");
    QTest::newRow("one thread") << 1 << quint64(7);
    QTest::newRow("four threads") << 4 << quint64(8);
    // clang-format on
}

// The benchmarks compare runs: the same options must give the same files, however many
// threads write the procedure files.
void TestWorldGen::sameSeedSameBytes()
{
    QFETCH(int, threads);
    QFETCH(quint64, otherSeed);
    QTemporaryDir dir;
    WorldGen::Options options;
    options.scale = 0.01;
    options.threads = 2;
    WorldGen first(options);
    QVERIFY2(first.write(dir.filePath(QStringLiteral("a"))), qPrintable(first.errorString()));
    options.threads = threads;
    WorldGen second(options);
    QVERIFY2(second.write(dir.filePath(QStringLiteral("b"))), qPrintable(second.errorString()));
    const QMap<QString, QByteArray> a = digest(dir.filePath(QStringLiteral("a")));
    QVERIFY(a.size() > 100);
    QCOMPARE(digest(dir.filePath(QStringLiteral("b"))), a);

    options.seed = otherSeed;
    WorldGen other(options);
    QVERIFY(other.write(dir.filePath(QStringLiteral("c"))));
    const QString apt = QLatin1Char('/') + WorldGen::globalAptPath();
    QVERIFY(digest(dir.filePath(QStringLiteral("c"))).value(apt) != a.value(apt));
}

// Procedure lines are taken only with exactly 38 fields and a field 0 of two parts.
void TestWorldGen::procedureLines()
{
    QTemporaryDir dir;
    WorldGen::Options options;
    options.scale = 0.01;
    WorldGen generator(options);
    QVERIFY(generator.write(dir.path()));
    qint64 legs = 0;
    QDirIterator it(dir.filePath(WorldGen::dataFolder() + QStringLiteral("/CIFP")), QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!file.atEnd()) {
            const QString line = QString::fromLatin1(file.readLine()).chopped(1);
            if (!line.startsWith(QLatin1String("SID")) && !line.startsWith(QLatin1String("STAR"))
                && !line.startsWith(QLatin1String("APP"))) {
                QVERIFY2(line.startsWith(QLatin1String("RWY:")), qPrintable(line));
                continue;
            }
            const QStringList fields = line.split(QLatin1Char(','));
            QVERIFY2(fields.size() == 38, qPrintable(line));
            QCOMPARE(fields.at(0).split(QLatin1Char(':')).size(), 2);
            QCOMPARE(fields.at(37), QStringLiteral(";"));
            ++legs;
        }
    }
    QCOMPARE(legs, generator.summary().cifpLines);
    QCOMPARE(generator.summary().cifpFiles, 100);
}

// A whole import of a generated folder: every row is taken, and the only warnings are the
// ones the simulator's own files give too (backward airways, track points of the real world).
void TestWorldGen::importReadsEverything()
{
    QTemporaryDir dir;
    WorldGen::Options options;
    options.scale = 0.02;
    WorldGen generator(options);
    QVERIFY(generator.write(dir.path()));
    const WorldGen::Summary &world = generator.summary();

    Settings::setString(QStringLiteral("database/xpPath"), dir.path());
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), true);
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    {
        XpLoader loader(m_database.get());
        QSignalSpy done(&loader, &XpLoader::done);
        QSignalSpy progress(&loader, &XpLoader::progress);
        loader.loadAsync();
        QVERIFY(done.wait(60000));
        QCOMPARE(progress.last().first().toString(), QStringLiteral("Done"));
    }
    qInstallMessageHandler(previous);

    QMap<int, int> types;
    for (Point *point : m_database->pointModel()->items())
        ++types[point->type()];
    QCOMPARE(types.value(Point::AIRP), world.airports);
    // The predefined tracks bring one fix of their own.
    QCOMPARE(types.value(Point::FIX), world.enrouteFixes + world.terminalFixes + world.userFixes + 1);
    QCOMPARE(types.value(Point::VOR), world.vors);
    QCOMPARE(types.value(Point::NDB), world.ndbs);
    QCOMPARE(types.value(Point::DME), world.dmes);
    QCOMPARE(int(m_database->runwayModel()->items().size()), world.runways);
    int ilsEnds = 0;
    for (Runway *runway : m_database->runwayModel()->items())
        ilsEnds += (runway->ilsFrequency(0) > 0.0f ? 1 : 0) + (runway->ilsFrequency(1) > 0.0f ? 1 : 0);
    QCOMPARE(ilsEnds, world.localizers);
    QMap<int, int> segments;
    for (Segment *segment : m_database->segmentModel()->items())
        ++segments[segment->type()];
    QCOMPARE(segments.value(Segment::HIGH), world.highAirwayRows);
    QCOMPARE(segments.value(Segment::LOW), world.lowAirwayRows);
    QVERIFY(segments.value(Segment::TRACK) > 0);
    QCOMPARE(Database::cycle(), QStringLiteral("2401"));

    for (const QString &warning : std::as_const(g_warnings)) {
        QVERIFY2(warning.startsWith(QLatin1String("Backward routes"))
                     || warning.startsWith(QLatin1String("Skipping track")),
                 qPrintable(warning));
    }
}

// Pointed at a real installation by mistake, the generator must not overwrite it.
void TestWorldGen::foreignFolderRefused()
{
    QTemporaryDir dir;
    const QString nav = dir.filePath(WorldGen::dataFolder() + QStringLiteral("/earth_nav.dat"));
    QVERIFY(QDir().mkpath(QFileInfo(nav).path()));
    QFile file(nav);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("I\nreal data\n");
    file.close();

    WorldGen generator;
    QVERIFY(!generator.write(dir.path()));
    QVERIFY(generator.errorString().contains(QLatin1String("not empty")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("I\nreal data\n"));
}

// Files of a larger world left behind would be read for airports of the same code.
void TestWorldGen::smallerWorldReplacesProcedureFiles()
{
    QTemporaryDir dir;
    WorldGen::Options options;
    options.scale = 0.02;
    QVERIFY(WorldGen(options).write(dir.path()));
    options.scale = 0.01;
    WorldGen smaller(options);
    QVERIFY(smaller.write(dir.path()));
    const QDir cifp(dir.filePath(WorldGen::dataFolder() + QStringLiteral("/CIFP")));
    QCOMPARE(int(cifp.entryList(QDir::Files).size()), smaller.summary().cifpFiles);
}

QTEST_GUILESS_MAIN(TestWorldGen)
#include "tst_worldgen.moc"
