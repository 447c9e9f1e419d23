#include "airport.h"
#include "allocationfailure.h"
#include "basemodel.h"
#include "boundary.h"
#include "busyhelpers.h"
#include "chunkedfile.h"
#include "database.h"
#include "filesizelimit.h"
#include "listcount.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"
#include "testsupport.h"
#include "threadstart.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGeoPath>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include <sys/stat.h>

namespace {

// The program writes its file in chunks; the cases below forge the single-stream layout that
// downloads and earlier versions bring, which the reader must take as well. The same records,
// each list behind its count, in one compressed stream.
QByteArray singleStream(const QByteArray &file)
{
    QList<ChunkedFile::Chunk> chunks;
    if (!ChunkedFile::split(file, chunks, nullptr))
        return file;
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    for (quint32 list = 0; list <= 9; ++list) {
        qint64 count = 0;
        QByteArray records;
        for (ChunkedFile::Chunk &chunk : chunks) {
            if (chunk.list != list)
                continue;
            if (!ChunkedFile::expand(chunk))
                return QByteArray();
            count += chunk.items;
            records += chunk.bytes;
        }
        if (list > 0)
            ListCount::write(stream, count);
        stream.writeRawData(records.constData(), int(records.size()));
    }
    return qCompress(payload, 1);
}

// The most address space the process has held so far, in megabytes: a list sized for billions
// of items shows there even when its pages are never touched.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1.0;
}

QStringList s_warnings;
QtMessageHandler s_previousHandler = nullptr;

void captureWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        s_warnings.append(message);
    if (type != QtInfoMsg && s_previousHandler)
        s_previousHandler(type, context, message);
}

Point *fix(const QString &code, double lat, double lon, int type = Point::FIX)
{
    return new Point(type, QGeoCoordinate(lat, lon), code, QStringLiteral("ENRT"), QStringLiteral("ED"), code, 0,
                     type == Point::VOR ? 114.5f : 0.0f, QStringLiteral("C   "));
}

template <typename T>
QList<QByteArray> recordsOf(const QList<T *> &items)
{
    QList<QByteArray> records;
    for (const T *item : items) {
        QByteArray bytes;
        if (item) {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << *item;
        }
        records.append(bytes);
    }
    return records;
}

template <typename T>
QStringList uidsOf(const QList<T *> &items)
{
    QStringList uids;
    for (const T *item : items)
        uids.append(item ? item->uid() : QStringLiteral("<null>"));
    return uids;
}

// The file and any temporary file of its safe write; the folder is shared with other suites.
QStringList filesNamedAfter(Database *db)
{
    return QDir(QFileInfo(db->filePath()).absolutePath())
        .entryList(QStringList{db->fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestDatabaseFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void roundTrip();
    void limitedDetail();
    void routeIndexes_data();
    void routeIndexes();
    void missingSegmentEnd();
    void formerFormatReadable();
    void zlibChunkedFileReadable();
    void damagedFile_data();
    void damagedFile();
    void damagedChunk_data();
    void damagedChunk();
    void changedWhileLoading_data();
    void changedWhileLoading();
    void saveFailure();
    void removeBinFile();
    void loadAsyncOnMainThread();
    void loadAsyncTwice();
    void clearOnWorkerTellsViewsOnMainThread();
    // Last: it destroys the database.
    void readAhead_data();
    void readAhead();
    void failureWhileLoading_data();
    void failureWhileLoading();
    void destroyWhileLoading();

private:
    void fillWorld(int extraFixes = 0);
    QByteArray fileBytes() const;
    void writeFile(const QByteArray &bytes);
    void verifyEmpty();

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
};

void TestDatabaseFile::initTestCase()
{
    TestSupport::initApplication();
    // A file of this suite's own: the other suites write the database file of the real version.
    QCoreApplication::setApplicationVersion(QStringLiteral("4.10.0-file-test"));
    s_previousHandler = qInstallMessageHandler(captureWarnings);
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    QDir().mkpath(QFileInfo(m_db->filePath()).absolutePath());
}

void TestDatabaseFile::cleanupTestCase()
{
    if (m_db)
        QFile::remove(m_db->filePath());
}

void TestDatabaseFile::init()
{
    Settings::setInt(QStringLiteral("map/limitAirportDetail"), 0);
    QFile::remove(m_db->filePath());
    m_db->clear();
    s_warnings.clear();
}

// Two airports with ground data, fixes, a navaid, airways in every direction, a procedure.
void TestDatabaseFile::fillWorld(int extraFixes)
{
    Database &db = *m_db;
    db.beginModifying();
    Database::setCycle(QStringLiteral("2403"));
    auto *eddf = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt Main"), 364);
    eddf->setPosition(QGeoCoordinate(50.033, 8.570),
                      QGeoRectangle(QGeoCoordinate(50.05, 8.52), QGeoCoordinate(50.01, 8.60)));
    eddf->addAtc(0, 118.025f, QStringLiteral("ATIS"));
    eddf->addAtc(3, 119.9f, QStringLiteral("TOWER"));
    auto *edds = new Airport(QStringLiteral("EDDS"), QStringLiteral("Stuttgart"), 1276);
    edds->setPosition(QGeoCoordinate(48.69, 9.22),
                      QGeoRectangle(QGeoCoordinate(48.70, 9.19), QGeoCoordinate(48.68, 9.25)));
    db.addPoint(eddf);
    db.addPoint(edds);
    Point *a = fix(QStringLiteral("ANEKI"), 49.9, 8.9);
    Point *b = fix(QStringLiteral("TOBAK"), 49.5, 9.0);
    Point *c = fix(QStringLiteral("FFM"), 50.05, 8.64, Point::VOR);
    db.addPoint(a);
    db.addPoint(b);
    db.addPoint(c);
    for (int i = 0; i < extraFixes; ++i)
        db.addPoint(
            fix(QStringLiteral("X%1").arg(i, 5, 10, QLatin1Char('0')), 40.0 + (i % 200) * 0.1, (i / 200) * 0.1));
    db.addSegment(new Segment(Segment::NONE, Segment::HIGH, a, b, QStringLiteral("UL607"), 245, 460));
    db.addSegment(new Segment(Segment::FORWARD, Segment::LOW, b, c, QStringLiteral("T104"), 50, 190));
    db.addSegment(new Segment(Segment::BACKWARD, Segment::LOW, c, a, QStringLiteral("Y163"), 0, 0));

    auto *runway = new Runway(QStringLiteral("EDDF"), QGeoCoordinate(50.0325, 8.5346), QStringLiteral("25C"), 0.0f,
                              QGeoCoordinate(50.0450, 8.5870), QStringLiteral("07C"), 120.0f, 45.0f, 1, 1, 1);
    db.addRunway(runway);
    db.addRunway(new Runway(QStringLiteral("EDDS"), QGeoCoordinate(48.687, 9.203), QStringLiteral("07"), 0.0f,
                            QGeoCoordinate(48.693, 9.240), QStringLiteral("25"), 0.0f, 45.0f, 2, 0, 1));

    auto *procedure = new Procedure(QStringLiteral("ANEK1F"), QStringLiteral("EDDF"), Procedure::SID);
    procedure->addRecord(Record(10, 5, QStringLiteral("RW25C"), QStringLiteral("ANEKI"), QString(),
                                QStringLiteral("ENRT"), QStringLiteral("ED"), 0, 0, 0, 2480, 5.5, 0, 0, 5000, 0, 5000,
                                220, 0.0, 0));
    db.addProcedure(procedure);

    auto *boundary = new Boundary;
    boundary->addNode(QGeoCoordinate(50.05, 8.52), QGeoCoordinate());
    boundary->addNode(QGeoCoordinate(50.01, 8.60), QGeoCoordinate(50.02, 8.58));
    boundary->addNode(QGeoCoordinate(50.00, 8.50), QGeoCoordinate());
    boundary->close();
    db.addBoundary(boundary);
    auto *taxiway = new Taxiway(1);
    taxiway->addNode(QGeoCoordinate(50.03, 8.55), QGeoCoordinate());
    taxiway->addNode(QGeoCoordinate(50.04, 8.56), QGeoCoordinate());
    taxiway->close();
    db.addTaxiway(taxiway);
    auto *paintlight = new Paintlight;
    paintlight->addType(1);
    paintlight->addType(102);
    paintlight->addNode(QGeoCoordinate(50.031, 8.551), QGeoCoordinate());
    paintlight->addNode(QGeoCoordinate(50.032, 8.552), QGeoCoordinate());
    db.addPaintlight(paintlight);
    db.addTaxiname(new Taxiname(QGeoCoordinate(50.035, 8.56), 70.0, 1, QChar('E'), QStringLiteral("N")));
    db.addStartup(new Startup(1, 15, QGeoCoordinate(50.036, 8.57), 250.0f, QStringLiteral("A20")));
    db.endModifying();
}

QByteArray TestDatabaseFile::fileBytes() const
{
    QFile file(m_db->filePath());
    return file.open(QIODevice::ReadOnly) ? singleStream(file.readAll()) : QByteArray();
}

void TestDatabaseFile::writeFile(const QByteArray &bytes)
{
    QVERIFY(m_db->writeBinFile(bytes));
    QCOMPARE(fileBytes(), bytes);
}

void TestDatabaseFile::verifyEmpty()
{
    QCOMPARE(Database::cycle(), QString());
    QCOMPARE(m_db->pointModel()->count(), 0);
    QCOMPARE(m_db->segmentModel()->count(), 0);
    QCOMPARE(m_db->runwayModel()->count(), 0);
    QCOMPARE(m_db->boundaryModel()->count(), 0);
    QCOMPARE(m_db->taxiwayModel()->count(), 0);
    QCOMPARE(m_db->paintlightModel()->count(), 0);
    QCOMPARE(m_db->taxinameModel()->count(), 0);
    QCOMPARE(m_db->startupModel()->count(), 0);
    QVERIFY(m_db->runwayIndex().isEmpty());
    QVERIFY(!m_db->isModifying());
}

void TestDatabaseFile::roundTrip()
{
    fillWorld();
    const QList<QByteArray> points = recordsOf(m_db->pointModel()->items());
    const QStringList pointUids = uidsOf(m_db->pointModel()->items());
    const QStringList segmentUids = uidsOf(m_db->segmentModel()->items());
    const QList<QByteArray> segments = recordsOf(m_db->segmentModel()->items());
    const QList<QByteArray> runways = recordsOf(m_db->runwayModel()->items());
    const QList<QByteArray> boundaries = recordsOf(m_db->boundaryModel()->items());
    const QList<QByteArray> taxiways = recordsOf(m_db->taxiwayModel()->items());
    const QList<QByteArray> paintlights = recordsOf(m_db->paintlightModel()->items());
    const QList<QByteArray> taxinames = recordsOf(m_db->taxinameModel()->items());
    const QList<QByteArray> startups = recordsOf(m_db->startupModel()->items());
    // Watched rather than kept as an address: a new item may well be given the old one's memory.
    const QPointer<Point> oldFrankfurt = Database::findAirport(QStringLiteral("EDDF"));
    QVERIFY(oldFrankfurt);

    QVERIFY(m_db->save());
    const QByteArray saved = fileBytes();
    QVERIFY(saved.size() > 4);
    QCOMPARE(qFromBigEndian<quint32>(saved.constData()), quint32(qUncompress(saved).size()));
    // No temporary file of the safe write is left behind.
    QCOMPARE(filesNamedAfter(m_db.get()), QStringList{m_db->fileName()});

    m_db->clear();
    QVERIFY(m_db->load());
    QVERIFY(!m_db->isModifying());
    QCOMPARE(Database::cycle(), QStringLiteral("2403"));
    QCOMPARE(uidsOf(m_db->pointModel()->items()), pointUids);
    QCOMPARE(recordsOf(m_db->pointModel()->items()), points);
    QCOMPARE(uidsOf(m_db->segmentModel()->items()), segmentUids);
    QCOMPARE(recordsOf(m_db->segmentModel()->items()), segments);
    QCOMPARE(recordsOf(m_db->runwayModel()->items()), runways);
    QCOMPARE(recordsOf(m_db->boundaryModel()->items()), boundaries);
    QCOMPARE(recordsOf(m_db->taxiwayModel()->items()), taxiways);
    QCOMPARE(recordsOf(m_db->paintlightModel()->items()), paintlights);
    QCOMPARE(recordsOf(m_db->taxinameModel()->items()), taxinames);
    QCOMPARE(recordsOf(m_db->startupModel()->items()), startups);

    // New items, found through the rebuilt indexes; an airport comes back as an Airport.
    Point *frankfurt = Database::findAirport(QStringLiteral("EDDF"));
    QVERIFY(frankfurt);
    QVERIFY(oldFrankfurt.isNull());
    QVERIFY(qobject_cast<Airport *>(frankfurt));
    QCOMPARE(qobject_cast<Airport *>(frankfurt)->atcsOfType(3).size(), 1);
    QVERIFY(Database::findRunwayOfAirport(QStringLiteral("EDDF"), QStringLiteral("07C")));
    QVERIFY(Database::findRunwayOfAirport(QStringLiteral("EDDS"), QStringLiteral("07-25")));
    Segment *airway = m_db->segmentModel()->at(1);
    QCOMPARE(airway->from(), Database::findPoint(pointUids.at(3)));
    QVERIFY(airway->isForward());
    QCOMPARE(m_db->segmentModel()->at(2)->direction(), int(Segment::BACKWARD));
    QCOMPARE(Database::findNear(QStringLiteral("ANEKI"), Point::FIX, 49.9, 8.9), Database::pointAt(2));

    // Everything, the procedures included, survives: the next file is byte for byte the same.
    QVERIFY(m_db->save());
    QCOMPARE(qUncompress(fileBytes()), qUncompress(saved));
}

void TestDatabaseFile::limitedDetail()
{
    fillWorld();
    QVERIFY(m_db->save());
    Settings::setInt(QStringLiteral("map/limitAirportDetail"), 1);
    QSignalSpy progress(m_db.get(), &Database::progress);
    QVERIFY(m_db->load());
    QCOMPARE(m_db->pointModel()->count(), 5);
    QCOMPARE(m_db->segmentModel()->count(), 3);
    QCOMPARE(m_db->runwayModel()->count(), 2);
    QCOMPARE(m_db->boundaryModel()->count(), 1);
    QCOMPARE(m_db->taxiwayModel()->count(), 1);
    QCOMPARE(m_db->paintlightModel()->count(), 0);
    QCOMPARE(m_db->taxinameModel()->count(), 0);
    QCOMPARE(m_db->startupModel()->count(), 0);
    QStringList texts;
    for (const QList<QVariant> &args : std::as_const(progress))
        texts.append(args.at(0).toString());
    QCOMPARE(texts, (QStringList{QStringLiteral("Uncompressing database..."), QStringLiteral("Loading points..."),
                                 QStringLiteral("Loading procedures..."), QStringLiteral("Loading segments..."),
                                 QStringLiteral("Loading runways..."), QStringLiteral("Loading airport boundaries..."),
                                 QStringLiteral("Loading taxiways...")}));
}

void TestDatabaseFile::routeIndexes_data()
{
    // clang-format off
    // Runways in the file: their index and the segment ends are built while the ground lists
    // are read. None: built once every list is in.
    QTest::addColumn<bool>("withRunways");
    QTest::addColumn<int>("runwayKeys");
    QTest::newRow("runways in the file") << true << 6;
    QTest::newRow("no runways in the file") << false << 0;
    // clang-format on
}

void TestDatabaseFile::routeIndexes()
{
    QFETCH(bool, withRunways);
    QFETCH(int, runwayKeys);
    fillWorld();
    if (!withRunways) {
        const QList<Runway *> runways = m_db->runwayModel()->items();
        m_db->runwayModel()->contents().clear();
        qDeleteAll(runways);
    }
    QVERIFY(m_db->save());
    m_db->clear();
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.at(0).at(0).toBool(), true);

    // Two runways, each under both ends and the pair: EDDF 25C, 07C, 25C-07C; EDDS 07, 25, 07-25.
    QCOMPARE(m_db->runwayIndex().size(), runwayKeys);
    QCOMPARE(Database::findRunwayOfAirport(QStringLiteral("EDDF"), QStringLiteral("07C")) != nullptr, withRunways);
    QCOMPARE(Database::findRunwayOfAirport(QStringLiteral("EDDS"), QStringLiteral("25")) != nullptr, withRunways);
    // Found through the segment ends: UL607 ANEKI-TOBAK both ways, T104 TOBAK to FFM only.
    Point *aneki = Database::pointAt(2);
    Point *tobak = Database::pointAt(3);
    Point *ffm = Database::pointAt(4);
    QCOMPARE(Database::findSegmentBetween(aneki, tobak), m_db->segmentModel()->at(0));
    QCOMPARE(Database::findSegmentBetween(tobak, ffm), m_db->segmentModel()->at(1));
    QCOMPARE(Database::findSegmentBetween(ffm, tobak), nullptr);
    QCOMPARE(Database::findSegmentBetween(aneki, Database::pointAt(0)), nullptr);
}

void TestDatabaseFile::missingSegmentEnd()
{
    fillWorld();
    // A segment to a point the database does not hold: written by UID, unresolvable on load.
    const std::unique_ptr<Point> stray(fix(QStringLiteral("STRAY"), 10.0, 10.0));
    m_db->beginModifying();
    m_db->addSegment(
        new Segment(Segment::NONE, Segment::LOW, Database::pointAt(2), stray.get(), QStringLiteral("A1"), 0, 0));
    m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, Database::pointAt(2), Database::pointAt(3),
                                 QStringLiteral("A2"), 0, 0));
    m_db->endModifying();
    const QString lastUid = m_db->segmentModel()->at(4)->uid();
    QVERIFY(m_db->save());

    m_db->clear();
    s_warnings.clear();
    QVERIFY(m_db->load());
    QCOMPARE(m_db->segmentModel()->count(), 5);
    QCOMPARE(m_db->segmentModel()->at(3), nullptr);
    QCOMPARE(m_db->segmentModel()->at(4)->uid(), lastUid);
    QVERIFY(s_warnings.join(QLatin1Char('\n')).contains(QStringLiteral("not found in database")));
}

// A file of the format before UIDs were stored: two fixes of one region and code, the later
// one named "_1" by the segment that the import had joined to it, and a pavement.
void TestDatabaseFile::formerFormatReadable()
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << qint32(6) << QCoreApplication::applicationVersion() << QStringLiteral("2401");
        out << quint32(2);
        for (const double latitude : {10.0, 20.0}) {
            out << QStringLiteral("DUP") << QGeoCoordinate(latitude, 5.0) << QStringLiteral("ENRT")
                << QStringLiteral("ED") << QString() << qint8(Point::FIX) << qint16(0) << 0.0f
                << QStringLiteral("C   ");
        }
        out << quint32(0); // procedures
        out << quint32(1) << QStringLiteral("ED/ENRT/DUP") << QStringLiteral("ED/ENRT/DUP_1") << QStringLiteral("A1")
            << qint8(0) << qint8(Segment::LOW) << qint16(0) << qint16(0);
        out << quint32(0) << quint32(0); // runways, boundaries
        out << quint32(1) << qint8(1)
            << static_cast<const QGeoShape &>(
                   QGeoPath({QGeoCoordinate(1, 1), QGeoCoordinate(1, 2), QGeoCoordinate(2, 2)}))
            << true << QHash<int, QGeoCoordinate>();
        out << quint32(0) << quint32(0) << quint32(0);
    }
    writeFile(qCompress(payload, 1));
    QVERIFY(m_db->load());
    QCOMPARE(uidsOf(m_db->pointModel()->items()),
             (QStringList{QStringLiteral("ED/ENRT/DUP"), QStringLiteral("ED/ENRT/DUP_1")}));
    const Segment *airway = m_db->segmentModel()->at(0);
    QVERIFY(airway);
    QCOMPARE(airway->to()->latitude(), 20.0);
    QCOMPARE(m_db->taxiwayModel()->count(), 1);
    QCOMPARE(m_db->taxiwayModel()->at(0)->nodes().size(), 3);
}

// Files of earlier versions keep their chunks as zlib streams: the same records load from them.
void TestDatabaseFile::zlibChunkedFileReadable()
{
    fillWorld();
    QVERIFY(m_db->save());
    QFile file(m_db->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    QCOMPARE(saved.mid(4, 4), QByteArray("WLDZ"));
    const QByteArray payload = fileBytes();

    QList<ChunkedFile::Chunk> chunks;
    QVERIFY(ChunkedFile::split(saved, chunks, nullptr));
    for (ChunkedFile::Chunk &chunk : chunks) {
        QVERIFY(ChunkedFile::expand(chunk));
        chunk.stored.clear();
        chunk.codec = ChunkedFile::Codec::Zlib;
    }
    const QByteArray older = ChunkedFile::compose(chunks);
    QCOMPARE(older.mid(4, 4), QByteArray("WLDC"));
    QVERIFY(m_db->writeBinFile(older));

    const QList<QByteArray> points = recordsOf(m_db->pointModel()->items());
    const QList<QByteArray> taxiways = recordsOf(m_db->taxiwayModel()->items());
    m_db->clear();
    QVERIFY(m_db->load());
    QCOMPARE(Database::cycle(), QStringLiteral("2403"));
    QCOMPARE(recordsOf(m_db->pointModel()->items()), points);
    QCOMPARE(recordsOf(m_db->taxiwayModel()->items()), taxiways);
    // Saved again, it is a zstd file of the same records.
    QVERIFY(m_db->save());
    QCOMPARE(qUncompress(fileBytes()), qUncompress(payload));
}

namespace {

enum class ChunkForgery { Count, Expansion, Latitude };

// Puts `to` in place of the first value `from` in the records, as a forger would; by default the
// latitude -6e+303 in place of Frankfurt's (50.033).
bool forgeValue(QByteArray &records, double from = 50.033, double to = -6e303)
{
    QByteArray frankfurt(8, '\0');
    QByteArray forged(8, '\0');
    qToBigEndian(from, frankfurt.data());
    qToBigEndian(to, forged.data());
    const qsizetype at = records.indexOf(frankfurt);
    if (at < 0)
        return false;
    records.replace(at, 8, forged);
    return true;
}

enum Damage {
    Empty,
    CutCompressed,
    CutChunked,
    GarbageCompressed,
    HugeDeclaredSize,
    SizeBeyondNeed,
    SizeUnderstated,
    FormatFive,
    VersionOneCharOff,
    InvalidPointCount,
    PointCountBeyondData,
    CutInsideLists,
    TrailingBytes,
    BoundaryNodeCount,
    TaxiwayNodeCount,
    PaintedLineNodeCount,
    TaxiwayControlCount,
    BoundaryHoleCount,
    AirportLatitude,
    TaxiwayNodeLongitude,
    PointLatitudeNaN,
    PointLongitudeNaN,
    RunwayThresholdNaN,
    TaxiwayNodeNaN,
    NamedPipe
};

// Offset of the node count of the nth stored path (taxiways and painted lines of fillWorld
// have two nodes, the boundary three): shape type 3, width 0.0, then the count in 64 bits.
qsizetype pathCountOffset(const QByteArray &payload, qint64 nodes, int nth)
{
    // clang-format off
    QByteArray header = QByteArray::fromHex("00000003" "0000000000000000" "0000000000000000");
    // clang-format on
    qToBigEndian<qint64>(nodes, header.data() + 12);
    qsizetype at = -1;
    for (int i = 0; i <= nth; ++i) {
        at = payload.indexOf(header, at + 1);
        if (at < 0)
            return -1;
    }
    return at + 12;
}

} // namespace

void TestDatabaseFile::damagedFile_data()
{
    // clang-format off
    QTest::addColumn<int>("damage");
    QTest::newRow("zero bytes") << int(Empty);
    QTest::newRow("cut inside the compressed stream") << int(CutCompressed);
    QTest::newRow("cut at half, in chunks") << int(CutChunked);
    QTest::newRow("garbage after the size") << int(GarbageCompressed);
    QTest::newRow("size claims 4 GB") << int(HugeDeclaredSize);
    // Beyond 32 times the compressed bytes and a megabyte; below what the stream holds.
    QTest::newRow("size beyond what the bytes can need") << int(SizeBeyondNeed);
    QTest::newRow("size stated as 64 bytes") << int(SizeUnderstated);
    QTest::newRow("format 5") << int(FormatFive);
    QTest::newRow("version one character off") << int(VersionOneCharOff);
    QTest::newRow("point count 0xFFFFFFFF") << int(InvalidPointCount);
    QTest::newRow("point count beyond the data") << int(PointCountBeyondData);
    QTest::newRow("payload cut inside the last list") << int(CutInsideLists);
    QTest::newRow("bytes after the last list") << int(TrailingBytes);
    // Counts inside the ground shapes, which once made the reader allocate for them.
    QTest::newRow("boundary node count forged") << int(BoundaryNodeCount);
    QTest::newRow("taxiway node count forged") << int(TaxiwayNodeCount);
    QTest::newRow("painted line node count forged") << int(PaintedLineNodeCount);
    QTest::newRow("taxiway control count forged") << int(TaxiwayControlCount);
    QTest::newRow("boundary hole count forged") << int(BoundaryHoleCount);
    // Read cleanly, but a value the import never makes.
    QTest::newRow("airport latitude -6e+303") << int(AirportLatitude);
    QTest::newRow("taxiway node longitude 200") << int(TaxiwayNodeLongitude);
    QTest::newRow("airport latitude NaN") << int(PointLatitudeNaN);
    QTest::newRow("airport longitude NaN") << int(PointLongitudeNaN);
    QTest::newRow("runway threshold longitude NaN") << int(RunwayThresholdNaN);
    QTest::newRow("taxiway node longitude NaN") << int(TaxiwayNodeNaN);
    QTest::newRow("named pipe") << int(NamedPipe);
    // clang-format on
}

void TestDatabaseFile::damagedFile()
{
    QFETCH(int, damage);
    // What the database dialog tells.
    const QString refusal = damage == CutCompressed || damage == CutChunked       ? "cut"
                            : damage == FormatFive || damage == VersionOneCharOff ? "version"
                            : damage == NamedPipe                                 ? "unreadable"
                                                                                  : "damaged";
    fillWorld();
    QVERIFY(m_db->save());
    const QByteArray good = fileBytes();
    QByteArray payload = qUncompress(good);
    const QString version = QCoreApplication::applicationVersion();
    const int versionOffset = 4 + 4;
    const int pointCountOffset = versionOffset + 2 * version.size() + 4 + 2 * 4;

    QByteArray bad;
    switch (damage) {
    case Empty:
        break;
    case CutCompressed:
        bad = good.left(good.size() / 2);
        break;
    case CutChunked: {
        QFile saved(m_db->filePath());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        bad = saved.read(saved.size() / 2);
        break;
    }
    case GarbageCompressed:
        bad = good.left(4) + QByteArray(good.size() - 4, '\x5a');
        break;
    case HugeDeclaredSize:
        bad = good;
        qToBigEndian<quint32>(0xffffffffU, bad.data());
        break;
    case SizeBeyondNeed:
    case SizeUnderstated:
        // Padded behind the stream (which the reader passes over) so that the claim stays below the
        // 1,100 times its bytes that the reader once let through.
        bad = good + QByteArray(damage == SizeBeyondNeed ? 65536 : 0, 'x');
        qToBigEndian<quint32>(damage == SizeUnderstated ? 64 : (bad.size() - 4) * 32 + (1 << 20) + 1, bad.data());
        break;
    case FormatFive:
        qToBigEndian<qint32>(5, payload.data());
        bad = qCompress(payload, 1);
        break;
    case VersionOneCharOff:
        // The last UTF-16 unit of the version, "t" -> "u".
        payload[versionOffset + 2 * version.size() - 1] = 'u';
        bad = qCompress(payload, 1);
        break;
    case InvalidPointCount:
        qToBigEndian<quint32>(0xffffffffU, payload.data() + pointCountOffset);
        bad = qCompress(payload, 1);
        break;
    case PointCountBeyondData:
        qToBigEndian<quint32>(0x7ffffff0U, payload.data() + pointCountOffset);
        bad = qCompress(payload, 1);
        break;
    case CutInsideLists:
        payload.chop(10);
        bad = qCompress(payload, 1);
        break;
    case TrailingBytes:
        payload.append(QByteArray(16, '\0'));
        bad = qCompress(payload, 1);
        break;
    case BoundaryNodeCount:
    case TaxiwayNodeCount:
    case PaintedLineNodeCount: {
        const qsizetype at = damage == BoundaryNodeCount
                                 ? pathCountOffset(payload, 3, 0)
                                 : pathCountOffset(payload, 2, damage == TaxiwayNodeCount ? 0 : 1);
        QVERIFY(at > 0);
        qToBigEndian<qint64>(0x0fffffffffffffffLL, payload.data() + at);
        bad = qCompress(payload, 1);
        break;
    }
    case TaxiwayControlCount:
    case BoundaryHoleCount: {
        // After the nodes (24 bytes each) and the closed flag; the hole count follows the
        // boundary's one control (4 + 24 bytes).
        const bool taxiway = damage == TaxiwayControlCount;
        const qsizetype nodes = taxiway ? 2 : 3;
        qsizetype at = pathCountOffset(payload, nodes, 0);
        QVERIFY(at > 0);
        at += 8 + nodes * 24 + 1;
        if (!taxiway)
            at += 4 + 28;
        qToBigEndian<quint32>(0x7ffffff0U, payload.data() + at);
        bad = qCompress(payload, 1);
        break;
    }
    case AirportLatitude:
        QVERIFY(forgeValue(payload));
        bad = qCompress(payload, 1);
        break;
    case TaxiwayNodeLongitude: {
        // The first node after the count: latitude, then longitude.
        const qsizetype at = pathCountOffset(payload, 2, 0);
        QVERIFY(at > 0);
        qToBigEndian(200.0, payload.data() + at + 8 + 8);
        bad = qCompress(payload, 1);
        break;
    }
    case PointLatitudeNaN:
    case PointLongitudeNaN:
    case RunwayThresholdNaN:
    case TaxiwayNodeNaN: {
        // Frankfurt's latitude and longitude, runway 25C's threshold longitude, the first taxiway node's.
        const double values[] = {50.033, 8.570, 8.5346, 8.55};
        QVERIFY(forgeValue(payload, values[damage - PointLatitudeNaN], qQNaN()));
        bad = qCompress(payload, 1);
        break;
    }
    case NamedPipe:
        break;
    }
    const auto damageFile = [&] {
        if (damage != NamedPipe)
            return writeFile(bad);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is no plain file$")));
        QVERIFY(QFile::remove(m_db->filePath()));
        QCOMPARE(mkfifo(QFile::encodeName(m_db->filePath()).constData(), 0600), 0);
    };
    // A good load first: a damaged file must also take away what was there.
    QVERIFY(m_db->load());
    QVERIFY(m_db->pointModel()->count() > 0);

    damageFile();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!m_db->load());
    QCOMPARE(m_db->loadRefusal(), refusal);
    verifyEmpty();
    // Refused from the count, without allocating or reading for it.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));

    QVERIFY(m_db->writeBinFile(good));
    QVERIFY(m_db->load());
    damageFile();
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.at(0).at(0).toBool(), false);
    QCOMPARE(m_db->loadRefusal(), refusal);
    verifyEmpty();
}

void TestDatabaseFile::damagedChunk_data()
{
    // clang-format off
    // The list whose first chunk claims one record more than it holds; the lists before it
    // have been read whole (and handed to the store) by then.
    QTest::addColumn<quint32>("list");
    // The count the chunk claims; 0 for one more than it holds.
    QTest::addColumn<quint32>("claimed");
    // Instead of the count: the chunk's bytes replaced by 2 MB claiming to expand 1,100 times,
    // or altered to hold an airport at latitude -6e+303, compressed again with a valid checksum.
    QTest::addColumn<int>("forged");
    QTest::newRow("procedures") << 2U << 0U << int(ChunkForgery::Count);
    QTest::newRow("segments") << 3U << 0U << int(ChunkForgery::Count);
    QTest::newRow("taxiways") << 6U << 0U << int(ChunkForgery::Count);
    QTest::newRow("startup locations") << 9U << 0U << int(ChunkForgery::Count);
    // 18 GB of pointers, were the list sized by the claim.
    QTest::newRow("points, billions") << 1U << 2248149504U << int(ChunkForgery::Count);
    QTest::newRow("points, 2.2 GB expanded") << 1U << 0U << int(ChunkForgery::Expansion);
    QTest::newRow("airport latitude") << 1U << 0U << int(ChunkForgery::Latitude);
    // clang-format on
}

void TestDatabaseFile::damagedChunk()
{
    QFETCH(quint32, list);
    QFETCH(quint32, claimed);
    QFETCH(int, forged);
    fillWorld();
    QVERIFY(m_db->save());
    QFile file(m_db->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    QList<ChunkedFile::Chunk> chunks;
    QVERIFY(ChunkedFile::split(saved, chunks, nullptr));
    const auto chunk = std::find_if(chunks.begin(), chunks.end(), [list](const auto &c) { return c.list == list; });
    QVERIFY(chunk != chunks.end());
    switch (ChunkForgery(forged)) {
    case ChunkForgery::Count:
        chunk->items = claimed == 0 ? chunk->items + 1 : claimed;
        break;
    case ChunkForgery::Expansion:
        chunk->stored = QByteArray(2 << 20, 'Z');
        chunk->expandedSize = 1100U * chunk->stored.size();
        break;
    case ChunkForgery::Latitude:
        QVERIFY(ChunkedFile::expand(*chunk));
        QVERIFY(forgeValue(chunk->bytes));
        chunk->stored.clear();
        break;
    }
    const QByteArray bytes = ChunkedFile::compose(chunks);
    QVERIFY(!bytes.isEmpty());
    QVERIFY(m_db->load());
    QVERIFY(m_db->writeBinFile(bytes));

    const double peak = peakMegabytes();
    QVERIFY(peak > 0.0);
    QVERIFY(!m_db->load());
    verifyEmpty();
    QCOMPARE(m_db->procedureModel()->count(), 0);
    QVERIFY(s_warnings.join(u'\n').contains(forged == int(ChunkForgery::Expansion)
                                                ? QLatin1String("a chunk claims more than its records can need")
                                                : QLatin1String("a chunk cannot be read")));
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.at(0).at(0).toBool(), false);
    verifyEmpty();
    QVERIFY2(peakMegabytes() - peak < 1024.0, qPrintable(QStringLiteral("%1 MB more").arg(peakMegabytes() - peak)));
}

void TestDatabaseFile::changedWhileLoading_data()
{
    QTest::addColumn<bool>("sameLists"); // copied over it; otherwise it is cut to nothing
    QTest::addColumn<bool>("timeKept");  // by a copy that keeps the time of modification (cp -p)
    QTest::addColumn<bool>("singleStream");
    QTest::newRow("cut to nothing") << false << false << false;
    // Every chunk whole and sound: only the header is of the file that was there.
    QTest::newRow("the same lists of another cycle copied over it") << true << false << false;
    QTest::newRow("the same lists copied over it, its time kept") << true << true << false;
    // Read whole before its lists: a mix of two files only in its bytes.
    QTest::newRow("single stream, the same lists copied over it, its time kept") << true << true << true;
}

// Changed once its points are read, on the calling thread and on the database's: refused.
void TestDatabaseFile::changedWhileLoading()
{
    QFETCH(bool, sameLists);
    QFETCH(bool, timeKept);
    QFETCH(bool, singleStream);
    const auto stored = [this, singleStream] {
        QFile file(m_db->filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return singleStream ? ::singleStream(bytes) : bytes;
    };
    fillWorld(20000);
    Database::setCycle(QStringLiteral("2404"));
    QVERIFY(m_db->save());
    const QByteArray other = sameLists ? stored() : QByteArray();
    Database::setCycle(QStringLiteral("2403"));
    QVERIFY(m_db->save());
    const QByteArray good = stored();
    QCOMPARE(good.size(), sameLists ? other.size() : good.size());
    const std::filesystem::path path = m_db->filePath().toStdString();
    std::filesystem::file_time_type saved;
    QObject receiver;
    connect(
        m_db.get(), &Database::progress, &receiver,
        [&](const QString &text) {
            QFile over(m_db->filePath());
            if (text != QLatin1String(singleStream ? "Uncompressing database..." : "Loading points...")
                || !over.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return;
            over.write(other);
            over.close();
            if (timeKept)
                std::filesystem::last_write_time(path, saved);
        },
        Qt::DirectConnection);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    for (const bool async : {false, true}) {
        // Saved long before the start, as a database is: the copy over it shows in its time.
        QVERIFY(m_db->writeBinFile(good));
        saved = std::filesystem::last_write_time(path) - std::chrono::hours(24);
        std::filesystem::last_write_time(path, saved);
        if (async)
            m_db->loadAsync();
        QVERIFY(async ? loaded.wait(10000) && !loaded.last().at(0).toBool() : !m_db->load());
        QCOMPARE(s_warnings.filter(QStringLiteral("it changed while it was read")).size(), 1 + int(async));
        QCOMPARE(m_db->loadRefusal(), QStringLiteral("changed"));
        verifyEmpty();
    }
}

void TestDatabaseFile::saveFailure()
{
    fillWorld();
    // A folder where the file should be: nothing can replace it.
    QVERIFY(QDir().mkpath(m_db->filePath()));
    QVERIFY(!m_db->save());
    QVERIFY(!m_db->writeBinFile(QByteArray("bytes")));
    QVERIFY(QFileInfo(m_db->filePath()).isDir());
    QVERIFY(QDir().rmdir(m_db->filePath()));
    QCOMPARE(filesNamedAfter(m_db.get()), QStringList());

    // Stopped after its first chunk (a quit during an import): the stored file stays whole.
    const QByteArray stored("the stored database");
    QVERIFY(m_db->writeBinFile(stored));
    int asked = 0;
    QVERIFY(!m_db->save([&asked] { return ++asked > 1; }));
    QVERIFY(asked > 1);
    QFile file(m_db->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
    QCOMPARE(filesNamedAfter(m_db.get()), QStringList{m_db->fileName()});
    QString error;
    {
        const FileSizeLimit limit(100); // a full disk under a file smaller than Qt's write buffer
        QVERIFY(!m_db->save({}, {}, &error));
    }
    QCOMPARE(error, qt_error_string(EFBIG));
    QVERIFY(file.seek(0) && file.readAll() == stored);
    QVERIFY(m_db->save([] { return false; }));
}

void TestDatabaseFile::removeBinFile()
{
    fillWorld();
    m_db->removeBinFile();
    verifyEmpty();

    fillWorld();
    QVERIFY(m_db->save());
    m_db->removeBinFile();
    verifyEmpty();
    QVERIFY(!QFile::exists(m_db->filePath()));
    QVERIFY(!m_db->load());
}

void TestDatabaseFile::loadAsyncOnMainThread()
{
    fillWorld(20000);
    QVERIFY(m_db->save());
    m_db->clear();

    QAbstractItemModelTester pointTester(m_db->pointModel());
    QAbstractItemModelTester segmentTester(m_db->segmentModel());
    QThread *main = QThread::currentThread();
    QList<QThread *> resetThreads;
    QList<QThread *> progressThreads;
    // The database outlives the function: whatever way it ends, its thread is over and the
    // lambdas gone with this receiver before the lists they fill.
    QObject receiver;
    const auto settle = qScopeGuard([this] { m_db->wait(); });
    auto record = [&] { resetThreads.append(QThread::currentThread()); };
    connect(m_db->pointModel(), &QAbstractItemModel::modelAboutToBeReset, &receiver, record, Qt::DirectConnection);
    connect(m_db->segmentModel(), &QAbstractItemModel::modelReset, &receiver, record, Qt::DirectConnection);
    connect(
        m_db.get(), &Database::progress, &receiver, [&] { progressThreads.append(QThread::currentThread()); },
        Qt::DirectConnection);

    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(m_db->isModifying());
    QVERIFY(!m_db->routingGraph());
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.at(0).at(0).toBool(), true);
    QVERIFY(!m_db->isModifying());
    QCOMPARE(Database::pointCount(), 20005);
    QCOMPARE(Database::cycle(), QStringLiteral("2403"));
    QVERIFY(Database::findPoint(Database::pointAt(20004)->uid(), false));
    QVERIFY(!resetThreads.isEmpty());
    QCOMPARE(resetThreads.count(main), resetThreads.size());
    // The reading itself ran on the database's own thread.
    QVERIFY(!progressThreads.isEmpty());
    QCOMPARE(progressThreads.count(main), 0);
    QVERIFY(m_db->wait(5000));
}

void TestDatabaseFile::loadAsyncTwice()
{
    fillWorld();
    QVERIFY(m_db->save());
    QSignalSpy started(m_db.get(), &QThread::started);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QTest::qWait(100);
    QCOMPARE(started.size(), 1);
    QCOMPARE(loaded.size(), 1);
    QVERIFY(!m_db->isModifying());
    QVERIFY(m_db->generation() > 0);

    // Once done, the next call loads again.
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(started.size(), 2);
}

void TestDatabaseFile::clearOnWorkerTellsViewsOnMainThread()
{
    fillWorld();
    QAbstractItemModelTester tester(m_db->pointModel());
    QThread *main = QThread::currentThread();
    QList<QThread *> resetThreads;
    QObject receiver;
    connect(
        m_db->pointModel(), &QAbstractItemModel::modelReset, &receiver,
        [&] { resetThreads.append(QThread::currentThread()); }, Qt::DirectConnection);
    std::thread worker([this] { m_db->clear(); });
    worker.join();
    QCOMPARE(resetThreads.size(), 0);
    QTRY_VERIFY(!resetThreads.isEmpty());
    QCOMPARE(resetThreads.count(main), resetThreads.size());
    QCOMPARE(Database::pointCount(), 0);
}

void TestDatabaseFile::destroyWhileLoading()
{
    fillWorld(50000);
    QVERIFY(m_db->save());
    QFile written(m_db->filePath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray saved = written.readAll();
    written.close();
    m_db->loadAsync();
    QTest::qWait(5);
    m_db.reset();
    QCoreApplication::processEvents();
    // The file a quit interrupted is the file that was there.
    QFile file(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/database_v")
               + QCoreApplication::applicationVersion() + QStringLiteral(".bin"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    file.remove();
}

// Memory running out while the lists are read and indexed, or no thread for the load: refused, loaded later.
enum LoadFault { NoThread, Thrown, ThrownHelpersBusy, FirstLargeAllocation, AddressSpaceShort };

void TestDatabaseFile::failureWhileLoading_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("at");
    QTest::newRow("no thread for the load") << int(NoThread) << QString();
    QTest::newRow("points") << int(Thrown) << QStringLiteral("Loading points...");
    QTest::newRow("segments, the points indexed beside") << int(Thrown) << QStringLiteral("Loading segments...");
    QTest::newRow("taxiways, the routes indexed beside") << int(Thrown) << QStringLiteral("Loading taxiways...");
    // The lists read before are still to be handed to the store as the failure unwinds.
    QTest::newRow("taxiways, every helper busy") << int(ThrownHelpersBusy) << QStringLiteral("Loading taxiways...");
    QTest::newRow("read ahead, its first megabyte short") << int(FirstLargeAllocation) << QString();
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // Room for this small world, not for the margin the load leaves the rest of the program.
    QTest::newRow("address space short") << int(AddressSpaceShort) << QString();
#endif
}

void TestDatabaseFile::failureWhileLoading()
{
    QFETCH(int, fault);
    QFETCH(QString, at);
    fillWorld(20000);
    QVERIFY(m_db->save());
    m_db->clear();
    bool failed = at.isEmpty();
    ThreadStart::failNext(fault == NoThread ? 1 : 0);
    std::optional<BusyHelpers> busy;
    const auto settle = qScopeGuard([&] { busy.reset(), AllocationFailure::failNext(0), m_db->wait(); });
    if (fault == ThrownHelpersBusy)
        QVERIFY(busy.emplace().holding());
    QObject receiver;
    connect(
        m_db.get(), &Database::progress, &receiver,
        [&](const QString &text) {
            if (text == at && !std::exchange(failed, true))
                throw std::bad_alloc();
        },
        Qt::DirectConnection);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    // A good file, short of memory or of a thread: not logged as damaged.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(fault == NoThread ? QStringLiteral("no thread can be made")
                                                                            : QStringLiteral("needs more memory")));
    const int unwinding = AllocationFailure::whileUnwinding();
    if (fault == FirstLargeAllocation)
        AllocationFailure::failNext(1024 * 1024), m_db->readAhead();
    {
        const AddressSpaceLimit limit(fault == AddressSpaceShort ? TestSupport::mappedBytes() + 40 * 1024 * 1024 : -1);
        m_db->loadAsync();
        QVERIFY(loaded.wait(10000));
    }
    QVERIFY(failed);
    QCOMPARE(loaded.at(0).at(0).toBool(), false);
    QCOMPARE(m_db->loadRefusal(), fault != NoThread ? QStringLiteral("memory") : QString());
    QVERIFY(m_db->wait(5000));
    QCOMPARE(AllocationFailure::whileUnwinding(), unwinding);
    verifyEmpty();
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.at(1).at(0).toBool(), true);
    QVERIFY(m_db->loadRefusal().isEmpty());
    QCOMPARE(Database::pointCount(), 20005);
}

enum AfterReadAhead { NoChange, LoadAtOnce, FileReplaced, FileRemoved, DetailLimited };

void TestDatabaseFile::readAhead_data()
{
    // clang-format off
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("paintlights");
    QTest::addColumn<int>("texts");
    // A load that takes the read-ahead reports as one that read the file itself: every text of a
    // full read once (the eleven below, the last one empty), one start, one finish, one loaded.
    QTest::newRow("read ahead before the load") << int(NoChange) << true << 5 << 1 << 11;
    QTest::newRow("load while reading ahead") << int(LoadAtOnce) << true << 5 << 1 << 11;
    // What the read-ahead read no longer is the file: the load reads the file of now.
    QTest::newRow("file replaced") << int(FileReplaced) << true << 8 << 1 << 11;
    QTest::newRow("file removed") << int(FileRemoved) << false << 0 << 0 << 0;
    QTest::newRow("detail limited") << int(DetailLimited) << true << 5 << 0 << 7;
    // clang-format on
}

void TestDatabaseFile::readAhead()
{
    QFETCH(int, after);
    QFETCH(bool, result);
    QFETCH(int, points);
    QFETCH(int, paintlights);
    QFETCH(int, texts);
    fillWorld();
    QVERIFY(m_db->save());
    m_db->clear();

    QSignalSpy progress(m_db.get(), &Database::progress);
    m_db->readAhead();
    if (after != LoadAtOnce)
        QTest::qWait(300);
    // Nothing is said before a load asks: the splash is not there yet.
    QCOMPARE(progress.size(), 0);
    QCOMPARE(m_db->pointModel()->count(), 0);
    switch (after) {
    case FileReplaced:
        fillWorld(3);
        QTest::qWait(20);
        QVERIFY(m_db->save());
        m_db->clear();
        break;
    case FileRemoved:
        QVERIFY(QFile::remove(m_db->filePath()));
        break;
    case DetailLimited:
        Settings::setInt(QStringLiteral("map/limitAirportDetail"), 1);
        break;
    default:
        break;
    }

    QSignalSpy started(m_db.get(), &QThread::started);
    QSignalSpy finished(m_db.get(), &QThread::finished);
    QSignalSpy loaded(m_db.get(), &Database::loaded);
    m_db->loadAsync();
    QVERIFY(loaded.wait(10000));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(started.size(), 1);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.at(0).at(0).toBool(), result);
    QCOMPARE(m_db->pointModel()->count(), points);
    QCOMPARE(m_db->paintlightModel()->count(), paintlights);
    QCOMPARE(Database::cycle(), result ? QStringLiteral("2403") : QString());
    QCOMPARE(progress.size(), texts);
    if (texts > 0) {
        QCOMPARE(progress.first().at(0).toString(), QStringLiteral("Uncompressing database..."));
        QCOMPARE(progress.at(1).at(0).toString(), QStringLiteral("Loading points..."));
        QCOMPARE(progress.last().at(0).toString(), texts == 11 ? QString() : QStringLiteral("Loading taxiways..."));
    }
    QVERIFY(!m_db->isModifying());

    // The read-ahead served one load: the next one reads the file again.
    if (result) {
        progress.clear();
        m_db->loadAsync();
        QVERIFY(loaded.wait(10000));
        QCOMPARE(loaded.last().at(0).toBool(), true);
        QCOMPARE(progress.size(), texts);
    }
}

QTEST_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
