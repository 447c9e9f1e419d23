#include "airport.h"
#include "basemodel.h"
#include "boundary.h"
#include "database.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "startup.h"
#include "taxiway.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <climits>
#include <memory>

namespace {

QStringList s_messages;

// A French catalogue of one entry.
class GpsPointTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return qstrcmp(context, "Point") || qstrcmp(text, "GPS point") ? QString() : QStringLiteral("Point GPS");
    }
    bool isEmpty() const override { return false; }
};

void captureMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    s_messages.append(message);
}

Point *fix(const QString &code, double lat, double lon, const QString &region = QStringLiteral("K1"),
           int type = Point::FIX, const QString &name = QString())
{
    return new Point(type, QGeoCoordinate(lat, lon), code, QStringLiteral("ENRT"), region, name.isEmpty() ? code : name,
                     0, 0.0f, QStringLiteral("    "));
}

Airport *airport(const QString &code, double lat, double lon)
{
    auto *a = new Airport(code, code + QStringLiteral(" airport"), 100);
    const QGeoCoordinate centre(lat, lon);
    a->setPosition(centre, QGeoRectangle(centre, centre));
    return a;
}

// A runway through the airport's position, about 3000 m long when long is set, else 800 m.
Runway *runway(Airport *a, const QString &name0, const QString &name1, bool hardLong)
{
    const QGeoCoordinate centre = a->position();
    const double half = hardLong ? 1500.0 : 400.0;
    return new Runway(a->code(), centre.atDistanceAndAzimuth(half, 270.0), name0, 0.0f,
                      centre.atDistanceAndAzimuth(half, 90.0), name1, 0.0f, 45.0f, 1, 0, 0);
}

QGeoCoordinate offset(const QGeoCoordinate &from, double nm, double azimuth)
{
    return from.atDistanceAndAzimuth(nm * 1852.0, azimuth);
}

// The alternate search as the plain scan in row order defines it.
Point *referenceAlternate(Point *origin)
{
    int best = INT_MAX;
    Point *choice = nullptr;
    for (int row = 0; row < Database::pointCount(); ++row) {
        Point *p = Database::pointAt(row);
        if (!p || p->type() != Point::AIRP || !Airport::isFourLetterCode(p->code()))
            continue;
        const double d = p->distanceTo(origin);
        if (!(d > 10.0) || !(double(best) > d))
            continue;
        if (static_cast<Airport *>(p)->hasHardLongRunway()) {
            choice = p;
            best = int(d);
        }
    }
    return choice;
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void construction();
    void modificationProtocol();
    void duplicatePointUids();
    void uidLookups();
    void rowLookups();
    void runwayIndex_data();
    void runwayIndex();
    void runwaysOfMatchesScan();
    void runwayEndNames();
    void findNear_data();
    void findNear();
    void findByNameAndEnrouteFix();
    void nearestPoint_data();
    void nearestPoint();
    void nearestAlternateRules();
    void nearestAlternateMatchesScan();
    void randomAirport();
    void segmentQueries();
    void removeSegmentsOfType();
    void replaceSegments();
    void segmentWithMissingEndIsSkipped();
    void coordPoint();
    void readStartups_data();
    void readStartups();
    void clearReleasesItems();
    void clearReturnsPages();
    void emptiness();
    void goesWhileIndexing();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
};

void TestDatabase::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    Settings::setBool(QStringLiteral("map/ndbVisibility"), false);
    m_db = std::make_unique<Database>();
    Settings::setBool(QStringLiteral("map/ndbVisibility"), true);
}

void TestDatabase::init()
{
    if (m_db->generation() > 1)
        m_db->clear();
}

void TestDatabase::construction()
{
    QCOMPARE(m_db->generation(), 1);
    QVERIFY(m_db->empty());
    QVERIFY(Database::cycle().isEmpty());
    QCOMPARE(Database::pointCount(), 0);
    QCOMPARE(Database::segmentCount(), 0);
    QCOMPARE(Database::instance(), m_db.get());
    QVERIFY(Database::placeholderPoint());
    QVERIFY(m_db->fileName().startsWith(QStringLiteral("database_v")));

    // The NDB setting was off when the database was made: the map hides NDBs, the list keeps them.
    QVERIFY(!BaseItem::typeInMask(Point::NDB, m_db->pointMapModel()->typeMask()));
    QVERIFY(BaseItem::typeInMask(Point::VOR, m_db->pointMapModel()->typeMask()));
    QVERIFY(BaseItem::typeInMask(Point::COORD, m_db->pointMapModel()->typeMask()));
    QCOMPARE(m_db->pointMapModel()->minZoom(), 3.0);
    QCOMPARE(m_db->startupMapModel()->minZoom(), 10.0);

    m_db->registerModels(nullptr);
}

void TestDatabase::modificationProtocol()
{
    const qint64 before = m_db->generation();
    QVERIFY(before > 0);
    bool ran = false;
    QVERIFY(!m_db->runIfUnchanged(0, [&] { ran = true; }));
    QVERIFY(!ran);
    QVERIFY(m_db->runIfUnchanged(before, [&] { ran = true; }));
    QVERIFY(ran);

    m_db->beginModifying();
    QCOMPARE(m_db->generation(), 0);
    ran = false;
    QVERIFY(!m_db->runIfUnchanged(before, [&] { ran = true; }));
    m_db->addPoint(fix(QStringLiteral("MODIF"), 1, 1));
    m_db->endModifying();
    QVERIFY(!ran);
    const qint64 after = m_db->generation();
    QVERIFY(after > before);
    QVERIFY(!m_db->runIfUnchanged(before, [&] { ran = true; }));
    QVERIFY(!ran);

    // Every adding step advances the generation, so an older result is dropped.
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::LOW, Database::pointAt(0), Database::pointAt(0),
                                 QStringLiteral("X"), 0, 0));
    QVERIFY(m_db->generation() > after);
    QVERIFY(!m_db->runIfUnchanged(after, [&] { ran = true; }));
    QVERIFY(!ran);
}

void TestDatabase::duplicatePointUids()
{
    QTest::ignoreMessage(QtInfoMsg, "Point UID \"K1/ENRT/ABC\" already exists");
    QTest::ignoreMessage(QtInfoMsg, " - using new UID \"K1/ENRT/ABC_1\"");
    QTest::ignoreMessage(QtInfoMsg, "Point UID \"K1/ENRT/ABC\" already exists");
    QTest::ignoreMessage(QtInfoMsg, " - using new UID \"K1/ENRT/ABC_1_2\"");
    QList<Point *> points;
    for (int i = 0; i < 3; ++i) {
        points.append(fix(QStringLiteral("ABC"), 10 + i, 10));
        m_db->addPoint(points.last());
    }
    QCOMPARE(points.at(0)->uid(), QStringLiteral("K1/ENRT/ABC"));
    QCOMPARE(points.at(1)->uid(), QStringLiteral("K1/ENRT/ABC_1"));
    QCOMPARE(points.at(2)->uid(), QStringLiteral("K1/ENRT/ABC_1_2"));
    for (Point *p : points) {
        QCOMPARE(Database::findPoint(p->uid(), false), p);
        QCOMPARE(Database::pointAt(Database::pointIndex(p->uid())), p);
    }
}

void TestDatabase::uidLookups()
{
    Airport *a = airport(QStringLiteral("EDDM"), 48.35, 11.78);
    m_db->addPoint(a);
    QCOMPARE(Database::findAirport(QStringLiteral("EDDM"), true), a);
    QCOMPARE(Database::lookupPoint(QStringLiteral("EDDM"), true), a);

    // Silent without the flag, one warning with it.
    QCOMPARE(Database::findPoint(QStringLiteral("NOPE"), false), nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"NOPE\" not found in database!");
    QCOMPARE(Database::findPoint(QStringLiteral("NOPE"), true), nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"NOPE\" not found in database!");
    QCOMPARE(Database::findPointOrWarn(QStringLiteral("NOPE")), nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Segment with UID \"S\" not found in database!");
    QCOMPARE(Database::findSegment(QStringLiteral("S"), true), nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Procedure with UID \"EDDM/X\" not found in database!");
    QCOMPARE(Database::findProcedure(QStringLiteral("EDDM/X"), true), nullptr);
    QCOMPARE(Database::findRunway(QStringLiteral("none")), nullptr);
    QCOMPARE(Database::pointIndex(QStringLiteral("NOPE")), -1);
    QVERIFY(!Database::hasProcedures(a));
    QVERIFY(Database::proceduresOf(a, 0).isEmpty());
    QVERIFY(Database::proceduresThrough(a, nullptr, 0).isEmpty());
}

void TestDatabase::rowLookups()
{
    m_db->addPoint(fix(QStringLiteral("ROW"), 1, 1));
    QVERIFY(Database::pointAt(0));
    QCOMPARE(Database::pointAt(-1), nullptr);
    QCOMPARE(Database::pointAt(Database::pointCount()), nullptr);
    QCOMPARE(Database::segmentAt(0), nullptr);
    QCOMPARE(Database::segmentFrom(nullptr), nullptr);
}

void TestDatabase::runwayIndex_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected"); // 0 first runway, 1 second, -1 none

    QTest::newRow("combined") << "EDDF" << "09-27" << 0;
    QTest::newRow("end 1") << "EDDF" << "09" << 0; // shared by both runways: the first keeps it
    QTest::newRow("end 2") << "EDDF" << "27" << 0;
    QTest::newRow("other end 2") << "EDDF" << "18" << 1;
    QTest::newRow("other combined") << "EDDF" << "09-18" << 1;
    QTest::newRow("prefixed") << "EDDF" << "RW09" << -1;
    QTest::newRow("unknown end") << "EDDF" << "36" << -1;
    // clang-format on
}

void TestDatabase::runwayIndex()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(int, expected);

    Airport *a = airport(QStringLiteral("EDDF"), 50.03, 8.57);
    m_db->addPoint(a);
    Runway *first = runway(a, QStringLiteral("09"), QStringLiteral("27"), true);
    Runway *second = runway(a, QStringLiteral("09"), QStringLiteral("18"), true);
    m_db->addRunway(first);
    m_db->addRunway(second);
    Runway *wanted = expected == 0 ? first : expected == 1 ? second : nullptr;
    QCOMPARE(Database::findRunwayOfAirport(code, name), wanted);
    QCOMPARE(Database::findRunwayEnd(a, name), wanted);
    QCOMPARE(Database::findRunwayEnd(nullptr, name), nullptr);

    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"XXXX\" not found in database!");
    QCOMPARE(Database::findRunwayOfAirport(QStringLiteral("XXXX"), name), nullptr);
}

void TestDatabase::runwaysOfMatchesScan()
{
    // Runways arrive interleaved across airports, before and after their airports, and the
    // lookups run between the adds: the answer must be the belongsTo scan in list order.
    QList<Airport *> airports;
    for (int i = 0; i < 20; ++i) {
        airports.append(airport(QStringLiteral("K%1").arg(QChar('A' + i)) + QStringLiteral("AA"), 30 + i, -90));
        m_db->addPoint(airports.last());
    }
    QRandomGenerator random(7);
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 40; ++i) {
            Airport *a = airports.at(random.bounded(airports.size()));
            m_db->addRunway(runway(a, QString::number(i), QString(), i % 2));
        }
        for (Airport *a : std::as_const(airports)) {
            QList<Runway *> scan;
            for (Runway *r : m_db->runwayModel()->items())
                if (r->belongsTo(a))
                    scan.append(r);
            QCOMPARE(Database::runwaysOf(a), scan);
        }
    }
    QVERIFY(Database::runwaysOf(nullptr).isEmpty());

    m_db->clear();
    Airport *again = airport(QStringLiteral("KAAA"), 30, -90);
    m_db->addPoint(again);
    QVERIFY(Database::runwaysOf(again).isEmpty());
    m_db->addRunway(runway(again, QStringLiteral("01"), QStringLiteral("19"), true));
    QCOMPARE(Database::runwaysOf(again).size(), 1);
}

void TestDatabase::runwayEndNames()
{
    Airport *a = airport(QStringLiteral("LOWI"), 47.26, 11.34);
    m_db->addPoint(a);
    m_db->addRunway(runway(a, QStringLiteral("08"), QString(), true));
    QCOMPARE(Database::runwayEndNames(a), QStringList{QStringLiteral("08")});
    m_db->addRunway(runway(a, QStringLiteral("08"), QStringLiteral("26"), true));
    QCOMPARE(Database::runwayEndNames(a), (QStringList{"08", "08", "26"}));
    QVERIFY(Database::runwayEndNames(nullptr).isEmpty());
    // A one-ended runway is indexed under its end and under the empty name.
    QVERIFY(Database::findRunwayEnd(a, QString()));
}

void TestDatabase::findNear_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QString>("expectedName"); // empty: none

    // Rows: far ABC (NDB), ABC 0.4 deg off (NDB), ABC exactly at the query (VOR), XYZ.
    QTest::newRow("first row wins, not the nearest") << "ABC" << 0 << 50.0 << 10.0 << "ndb near";
    QTest::newRow("type skips the NDB") << "ABC" << int(Point::VOR) << 50.0 << 10.0 << "vor";
    QTest::newRow("half a degree still matches") << "ABC" << int(Point::NDB) << 49.9 << 9.9 << "ndb near";
    QTest::newRow("beyond half a degree") << "ABC" << int(Point::NDB) << 51.0 << 10.0 << "";
    QTest::newRow("codes are case-sensitive") << "abc" << 0 << 50.0 << 10.0 << "";
    QTest::newRow("unknown code") << "QQQ" << 0 << 50.0 << 10.0 << "";
    // clang-format on
}

void TestDatabase::findNear()
{
    QFETCH(QString, code);
    QFETCH(int, type);
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QString, expectedName);

    m_db->addPoint(fix(QStringLiteral("ABC"), 10, 10, QStringLiteral("A1"), Point::NDB, QStringLiteral("ndb far")));
    m_db->addPoint(
        fix(QStringLiteral("ABC"), 50.4, 10.4, QStringLiteral("A2"), Point::NDB, QStringLiteral("ndb near")));
    m_db->addPoint(fix(QStringLiteral("ABC"), 50.0, 10.0, QStringLiteral("A3"), Point::VOR, QStringLiteral("vor")));
    m_db->addPoint(fix(QStringLiteral("XYZ"), 50.0, 10.0));

    const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
    s_messages.clear();
    Point *found = Database::findNear(code, type, lat, lon);
    qInstallMessageHandler(previous);
    QCOMPARE(found ? found->name() : QString(), expectedName);
    QCOMPARE(s_messages.size(), 1);
    QVERIFY(s_messages.first().startsWith(QStringLiteral("Search for \"") + code));

    QCOMPARE(Database::findNear(code, nullptr), nullptr);
}

void TestDatabase::findByNameAndEnrouteFix()
{
    m_db->addPoint(fix(QStringLiteral("DEF"), 1, 1, QStringLiteral("K2"), Point::FIX, QStringLiteral("Delta")));
    Point *k1 = fix(QStringLiteral("DEF"), 2, 2, QStringLiteral("K1"), Point::FIX, QStringLiteral("Delta"));
    m_db->addPoint(k1);
    m_db->addPoint(fix(QStringLiteral("DEF"), 3, 3, QStringLiteral("K1"), Point::VOR, QStringLiteral("Delta")));

    const QStringList k1Only{QStringLiteral("K1")};
    QCOMPARE(Database::findEnrouteFix(QStringLiteral("DEF"), k1Only, true), k1);
    QCOMPARE(Database::findPointByName(QStringLiteral("Delta"), QStringLiteral("ENRT"), k1Only, Point::FIX, true), k1);
    QCOMPARE(Database::findPointByName(QString(), QStringLiteral("ENRT"), k1Only, Point::FIX, true), nullptr);
    QCOMPARE(Database::findEnrouteFix(QString(), k1Only, true), nullptr);
    QTest::ignoreMessage(QtInfoMsg, "Point with name \"Delta\" not found!");
    QCOMPARE(Database::findPointByName(QStringLiteral("Delta"), QStringLiteral("*"), k1Only, Point::FIX, true),
             nullptr);
    QTest::ignoreMessage(QtInfoMsg, "Point with code \"DEF\" not found!");
    QCOMPARE(Database::findEnrouteFix(QStringLiteral("DEF"), {QStringLiteral("ZZ")}, true), nullptr);
}

void TestDatabase::nearestPoint_data()
{
    // clang-format off
    QTest::addColumn<QList<double>>("distances");
    QTest::addColumn<int>("expected");

    QTest::newRow("20.7 then 20.2 keeps the first") << QList<double>{20.7, 20.2} << 0;
    QTest::newRow("12.9 then 12.5 keeps the first") << QList<double>{12.9, 12.5} << 0;
    QTest::newRow("12.9 then 11.99 takes the second") << QList<double>{12.9, 11.99} << 1;
    QTest::newRow("far, near, nearer in the same mile") << QList<double>{300.0, 5.6, 5.1} << 1;
    QTest::newRow("single") << QList<double>{4000.0} << 0;
    // clang-format on
}

void TestDatabase::nearestPoint()
{
    QFETCH(QList<double>, distances);
    QFETCH(int, expected);

    Point reference(Point::FIX, QGeoCoordinate(45.0, 7.0), QStringLiteral("REF"), QStringLiteral("ENRT"),
                    QStringLiteral("K1"), QStringLiteral("REF"), 0, 0.0f, QString());
    QList<Point *> candidates;
    std::vector<std::unique_ptr<Point>> owned;
    for (int i = 0; i < distances.size(); ++i) {
        owned.push_back(std::make_unique<Point>(
            Point::FIX, offset(reference.position(), distances.at(i), 10.0 + 40 * i), QStringLiteral("C%1").arg(i),
            QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f, QString()));
        candidates.append(nullptr);
        candidates.append(owned.back().get());
    }
    QCOMPARE(Database::nearestPoint(&reference, candidates), owned.at(expected).get());
    QCOMPARE(Database::nearestPoint(nullptr, candidates), nullptr);
    QCOMPARE(Database::nearestPoint(&reference, {}), nullptr);
}

void TestDatabase::nearestAlternateRules()
{
    Airport *origin = airport(QStringLiteral("LFPG"), 49.0, 2.5);
    m_db->addPoint(origin);
    m_db->addRunway(runway(origin, QStringLiteral("09"), QStringLiteral("27"), true));
    auto add = [&](const QString &code, double nm, double azimuth, bool hardLong) {
        const QGeoCoordinate at = offset(origin->position(), nm, azimuth);
        Airport *a = airport(code, at.latitude(), at.longitude());
        m_db->addPoint(a);
        m_db->addRunway(runway(a, QStringLiteral("01"), QStringLiteral("19"), hardLong));
        return a;
    };
    add(QStringLiteral("LFAA"), 9.99, 0, true);    // too close
    add(QStringLiteral("LFB"), 12.0, 90, true);    // three letters
    add(QStringLiteral("LFCC"), 13.0, 180, false); // short runway
    Airport *far = add(QStringLiteral("LFDD"), 40.0, 270, true);
    QCOMPARE(Database::nearestAlternate(origin), far);
    Airport *sameMileLater = add(QStringLiteral("LFEE"), 40.2, 300, true);
    QCOMPARE(Database::nearestAlternate(origin), far);
    Q_UNUSED(sameMileLater)
    Airport *nearer = add(QStringLiteral("LFFF"), 38.9, 120, true);
    QCOMPARE(Database::nearestAlternate(origin), nearer);
    QCOMPARE(Database::nearestAlternate(nullptr), nullptr);
}

void TestDatabase::nearestAlternateMatchesScan()
{
    // Random airports over the whole globe, dense clusters and the poles included; the indexed
    // search must pick exactly what the row-order scan picks.
    QRandomGenerator random(42);
    QList<Airport *> airports;
    for (int i = 0; i < 1500; ++i) {
        double lat, lon;
        if (i % 3 == 0) {
            lat = 48.0 + random.generateDouble() * 2.0;
            lon = 8.0 + random.generateDouble() * 2.0;
        } else {
            lat = -89.9 + random.generateDouble() * 179.8;
            lon = -180.0 + random.generateDouble() * 360.0;
        }
        QString code;
        for (int c = 0; c < 4; ++c)
            code.append(QChar('A' + random.bounded(26)));
        if (i % 17 == 0)
            code.chop(1);
        Airport *a = airport(code + QString::number(i % 10).left(i % 5 == 0 ? 0 : 0), lat, lon);
        m_db->addPoint(a);
        airports.append(a);
        if (random.bounded(4) != 0)
            m_db->addRunway(runway(a, QStringLiteral("01"), QStringLiteral("19"), random.bounded(3) != 0));
    }
    Airport *lonely = airport(QStringLiteral("NZSP"), -89.99, 0.0);
    m_db->addPoint(lonely);
    airports.append(lonely);
    for (int i = 0; i < airports.size(); i += 5)
        QCOMPARE(Database::nearestAlternate(airports.at(i)), referenceAlternate(airports.at(i)));
    QCOMPARE(Database::nearestAlternate(lonely), referenceAlternate(lonely));
}

void TestDatabase::randomAirport()
{
    QCOMPARE(Database::randomAirport(), nullptr);
    for (int i = 0; i < 50; ++i)
        m_db->addPoint(fix(QStringLiteral("F%1").arg(i), 1, i));
    m_db->addPoint(airport(QStringLiteral("ABC"), 1, 1));
    QCOMPARE(Database::randomAirport(), nullptr);
    Airport *a = airport(QStringLiteral("ABCD"), 1, 1);
    m_db->addPoint(a);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(Database::randomAirport(), a);
}

void TestDatabase::segmentQueries()
{
    Point *a = fix(QStringLiteral("AAA"), 50, 10);
    Point *b = fix(QStringLiteral("BBB"), 50, 11); // east of A
    Point *c = fix(QStringLiteral("CCC"), 51, 10); // north of A
    for (Point *p : {a, b, c})
        m_db->addPoint(p);
    auto *ab = new Segment(Segment::FORWARD, Segment::LOW, a, b, QStringLiteral("L1"), 0, 0);
    auto *ca = new Segment(Segment::FORWARD, Segment::HIGH, c, a, QStringLiteral("H1"), 0, 0);
    auto *ac = new Segment(Segment::NONE, Segment::LOW, a, c, QStringLiteral("L2"), 0, 0);
    for (Segment *s : {ab, ca, ac})
        m_db->addSegment(s);

    QCOMPARE(Database::segmentsAt(a, true, false), (QList<Segment *>{ab, ac}));
    QCOMPARE(Database::segmentsAt(a, false, true), (QList<Segment *>{ca, ac}));
    QCOMPARE(Database::segmentsToward(a, true, false, b, 20), QList<Segment *>{ab});
    QCOMPARE(Database::segmentsToward(a, true, false, c, 20), QList<Segment *>{ac});
    QVERIFY(Database::segmentsToward(a, true, false, b, 0).isEmpty());
    QCOMPARE(Database::findSegmentBetween(a, b), ab);
    QCOMPARE(Database::findSegmentBetween(b, a), nullptr);
    QCOMPARE(Database::findSegmentBetween(c, a), ca);
    QVERIFY(Database::hasSegmentsAt(a, false, true, true, false));
    QVERIFY(!Database::hasSegmentsAt(b, true, false, true, true));
    QVERIFY(!Database::hasSegmentsAt(c, false, true, false, false));
    QCOMPARE(Database::segmentFrom(ca), c);
    QCOMPARE(Database::segmentTo(ca), a);
    QCOMPARE(Database::findSegment(ab->uid(), false), ab);
}

void TestDatabase::removeSegmentsOfType()
{
    QList<Point *> points;
    for (int i = 0; i < 6; ++i) {
        points.append(fix(QStringLiteral("P%1").arg(i), 40, i));
        m_db->addPoint(points.last());
    }
    QList<Segment *> segments;
    for (int i = 0; i < 5; ++i) {
        const int type = (i == 1 || i == 3) ? Segment::TRACK : Segment::HIGH;
        segments.append(
            new Segment(Segment::FORWARD, type, points.at(i), points.at(i + 1), QStringLiteral("N%1").arg(i), 0, 0));
        m_db->addSegment(segments.last());
    }
    const qint64 before = m_db->generation();
    QTest::ignoreMessage(QtInfoMsg, "Removing segments with type 20");
    m_db->removeSegmentsOfType(Segment::TRACK);
    QVERIFY(m_db->generation() > before);
    QCOMPARE(Database::segmentCount(), 3);
    for (int i : {0, 2, 4})
        QCOMPARE(Database::findSegment(segments.at(i)->uid(), false), segments.at(i));
    for (int i : {1, 3}) {
        QCOMPARE(Database::findSegment(segments.at(i)->uid(), false), nullptr);
        // A waypoint may still hold a removed segment: it must stay a live object.
        QCOMPARE(segments.at(i)->from(), points.at(i));
        QCOMPARE(segments.at(i)->name(), QStringLiteral("N%1").arg(i));
    }
    QCOMPARE(Database::segmentsAt(points.at(1), false, true), QList<Segment *>{segments.at(0)});
    QVERIFY(Database::segmentsAt(points.at(1), true, false).isEmpty());

    const qint64 again = m_db->generation();
    QTest::ignoreMessage(QtInfoMsg, "Removing segments with type 22");
    m_db->removeSegmentsOfType(Segment::DRCT);
    QVERIFY(m_db->generation() > again);
    QCOMPARE(Database::segmentCount(), 3);
}

void TestDatabase::replaceSegments()
{
    Point *a = fix(QStringLiteral("T1"), 50, -30);
    Point *b = fix(QStringLiteral("T2"), 51, -20);
    m_db->addPoint(a);
    m_db->addPoint(b);
    auto *high = new Segment(Segment::FORWARD, Segment::HIGH, a, b, QStringLiteral("UN1"), 0, 0);
    m_db->addSegment(high);
    auto *track = new Segment(Segment::FORWARD, Segment::TRACK, a, b, QStringLiteral("NATA"), 0, 0);
    QTest::ignoreMessage(QtInfoMsg, "Removing segments with type 20");
    m_db->replaceSegments(Segment::TRACK, {track});
    QCOMPARE(m_db->segmentModel()->items(), (QList<Segment *>{high, track}));

    auto *next = new Segment(Segment::FORWARD, Segment::TRACK, b, a, QStringLiteral("NATB"), 0, 0);
    QTest::ignoreMessage(QtInfoMsg, "Removing segments with type 20");
    m_db->replaceSegments(Segment::TRACK, {next});
    QCOMPARE(m_db->segmentModel()->items(), (QList<Segment *>{high, next}));
    QCOMPARE(Database::findSegment(track->uid(), false), nullptr);
    QCOMPARE(Database::findSegment(next->uid(), false), next);
}

void TestDatabase::segmentWithMissingEndIsSkipped()
{
    Point *a = fix(QStringLiteral("MS1"), 10, 10);
    Point *b = fix(QStringLiteral("MS2"), 10, 11);
    m_db->addPoint(a);
    m_db->addPoint(b);
    QByteArray bytes;
    {
        Segment segment(Segment::FORWARD, Segment::LOW, a, b, QStringLiteral("V1"), 0, 0);
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << segment;
    }
    m_db->clear();
    m_db->addPoint(fix(QStringLiteral("MS1"), 10, 10)); // the other end is no longer in the database

    QDataStream in(bytes);
    Segment *read = reinterpret_cast<Segment *>(quintptr(1));
    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"K1/ENRT/MS2\" not found in database!");
    in >> read;
    QCOMPARE(read, nullptr);
    QCOMPARE(in.status(), QDataStream::Ok);
    const qint64 before = m_db->generation();
    m_db->addSegment(read);
    QCOMPARE(Database::segmentCount(), 0);
    QCOMPARE(m_db->generation(), before);
}

void TestDatabase::coordPoint()
{
    const QGeoCoordinate position(48.5, 11.0);
    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"48.5;11\" not found in database!");
    QTest::ignoreMessage(QtInfoMsg, "Added COORD point \"48.5;11\"");
    Point *p = Database::getOrAddCoordPoint(position, true);
    QVERIFY(p);
    QCOMPARE(p->uid(), QStringLiteral("48.5;11"));
    QCOMPARE(p->name(), QStringLiteral("GPS point"));
    QCOMPARE(p->type(), int(Point::COORD));
    // Stored as made (the name above), shown in the interface language.
    GpsPointTranslator french;
    QVERIFY(QCoreApplication::installTranslator(&french));
    const QString shown = p->description();
    QCoreApplication::removeTranslator(&french);
    QCOMPARE(shown, QStringLiteral("Point GPS, attached to *"));
    const int count = Database::pointCount();
    QCOMPARE(Database::getOrAddCoordPoint(position, true), p);
    QCOMPARE(Database::pointCount(), count);
    QCOMPARE(m_db->getOrAddCoordPointUid(position), QStringLiteral("48.5;11"));

    const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
    s_messages.clear();
    Point *quiet = Database::getOrAddCoordPoint(QGeoCoordinate(-33.123456789, 151.987654321), false);
    qInstallMessageHandler(previous);
    QVERIFY(quiet);
    QCOMPARE(quiet->uid(), QStringLiteral("-33.1234568;151.987654"));
    QVERIFY2(s_messages.isEmpty(), qPrintable(s_messages.join('\n')));
    QCOMPARE(Database::pointCount(), count + 1);
}

void TestDatabase::readStartups_data()
{
    // clang-format off
    QTest::addColumn<int>("cut");          // bytes cut from the end; -1: a negative count
    QTest::addColumn<int>("expectedRows");
    QTest::addColumn<int>("expectedStatus");

    QTest::newRow("whole list") << 0 << 3 << int(QDataStream::Ok);
    QTest::newRow("ends early") << 5 << 0 << int(QDataStream::ReadPastEnd);
    QTest::newRow("negative count") << -1 << 0 << int(QDataStream::ReadCorruptData);
    // clang-format on
}

void TestDatabase::readStartups()
{
    QFETCH(int, cut);
    QFETCH(int, expectedRows);
    QFETCH(int, expectedStatus);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        if (cut < 0) {
            out << quint32(0xfffffffeU) << qint64(-5);
        } else {
            out << quint32(3);
            for (int i = 0; i < 3; ++i) {
                Startup s(1, 2, QGeoCoordinate(50, 8 + i), 90.0f, QStringLiteral("Gate %1").arg(i));
                out << s;
            }
        }
    }
    if (cut > 0)
        bytes.chop(cut);
    BaseModel<Startup> model;
    QDataStream in(bytes);
    Database::readStartups(in, &model);
    QCOMPARE(model.count(), expectedRows);
    QCOMPARE(int(in.status()), expectedStatus);
    // Repeated UIDs are allowed; the index names the last row of each.
    for (int row = 0; row < model.count(); ++row)
        QCOMPARE(model.at(model.rowOf(model.at(row)->uid()))->uid(), model.at(row)->uid());
    if (model.count() > 0)
        QCOMPARE(model.rowOf(model.at(model.count() - 1)->uid()), model.count() - 1);

    // A status the stream had before survives the read.
    QDataStream failed(bytes);
    failed.setStatus(QDataStream::ReadCorruptData);
    BaseModel<Startup> other;
    Database::readStartups(failed, &other);
    QCOMPARE(failed.status(), QDataStream::ReadCorruptData);
    // A bare model owns nothing.
    qDeleteAll(model.items());
    qDeleteAll(other.items());
}

// The previous items are announced, while they still exist, then deleted.
void TestDatabase::clearReleasesItems()
{
    QAbstractItemModelTester pointTester(m_db->pointModel());
    QAbstractItemModelTester listTester(m_db->pointListModel());
    Airport *a = airport(QStringLiteral("KJFK"), 40.6, -73.8);
    m_db->addPoint(a);
    Database::setCycle(QStringLiteral("2401"));
    m_db->invalidateModels();
    QCOMPARE(m_db->pointListModel()->rowCount(), 1);

    QSignalSpy spy(m_db.get(), &Database::updated);
    QPointer<Airport> watched(a);
    QStringList seenDuringAnnouncement;
    connect(m_db.get(), &Database::itemsReplaced, this, [&] {
        seenDuringAnnouncement.append(watched ? watched->code() : QStringLiteral("gone"));
        seenDuringAnnouncement.append(QString::number(Database::pointCount()));
    });
    const qint64 before = m_db->generation();
    const quint64 serial = m_db->storeSerial();
    m_db->clear();
    disconnect(m_db.get(), &Database::itemsReplaced, this, nullptr);
    QCOMPARE(spy.count(), 1);
    QVERIFY(Database::cycle().isEmpty());
    QVERIFY(m_db->generation() > before);
    QCOMPARE(m_db->storeSerial(), serial + 1);
    QCOMPARE(Database::pointCount(), 0);
    QCOMPARE(m_db->pointListModel()->rowCount(), 0);
    QCOMPARE(seenDuringAnnouncement, (QStringList{QStringLiteral("KJFK"), QStringLiteral("0")}));
    QTRY_VERIFY(watched.isNull());
    QTRY_VERIFY(!m_db->retiring());
    QCOMPARE(Database::findAirport(QStringLiteral("KJFK"), false), nullptr);
}

namespace {

// Unused where the test is skipped.
[[maybe_unused]] double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1.0;
}

} // namespace

// Deleted items leave their pages among blocks still in use, which the allocator keeps unless
// asked: every reload would add a world's worth to the process.
void TestDatabase::clearReturnsPages()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || !defined(__GLIBC__)
    QSKIP("The pages belong to the sanitizer's allocator, or to an allocator other than glibc's");
#else
    const double empty = residentMegabytes();
    QVERIFY(empty > 0.0);
    m_db->beginModifying();
    for (int i = 0; i < 300000; ++i)
        m_db->addPoint(fix(QStringLiteral("P%1").arg(i), -60.0 + (i % 1200) * 0.1, -170.0 + (i / 1200) * 0.1));
    m_db->endModifying();
    // A block taken after the items keeps the heap from shrinking at its end.
    auto later = std::make_unique<char[]>(64);
    later[0] = 1;
    const double filled = residentMegabytes();
    QVERIFY2(filled - empty > 40.0, qPrintable(QStringLiteral("%1 MB").arg(filled - empty)));

    m_db->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!m_db->retiring(), 60000);
    const double cleared = residentMegabytes();
    QVERIFY2(filled - cleared > (filled - empty) / 2,
             qPrintable(
                 QStringLiteral("%1 MB before the items, %2 with them, %3 after").arg(empty).arg(filled).arg(cleared)));
    QVERIFY(later[0] == 1);
#endif
}

void TestDatabase::emptiness()
{
    QVERIFY(m_db->empty());
    QCOMPARE(m_db->emptyLists(), QStringList({"points", "segments", "runways", "boundaries", "taxiways"}));
    Airport *a = airport(QStringLiteral("EGLL"), 51.47, -0.45);
    Point *f = fix(QStringLiteral("EMP"), 51, 0);
    m_db->addPoint(a);
    m_db->addPoint(f);
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::LOW, a, f, QStringLiteral("E1"), 0, 0));
    m_db->addRunway(runway(a, QStringLiteral("09L"), QStringLiteral("27R"), true));
    // The airports of a small simulator folder: runways, but no ground outline and no taxiway.
    QVERIFY(m_db->empty());
    QCOMPARE(m_db->emptyLists(), QStringList({"boundaries", "taxiways"}));
    m_db->addBoundary(new Boundary());
    QVERIFY(m_db->empty()); // no taxiway yet
    QCOMPARE(m_db->emptyLists(), QStringList({"taxiways"}));
    m_db->addTaxiway(new Taxiway(1));
    QVERIFY(!m_db->empty());
    QCOMPARE(m_db->emptyLists(), QStringList());
}

// The database deletes its items when it goes, while its filters may still index a snapshot of
// them on a worker (run under AddressSanitizer to see a read of a freed item). Last of the suite:
// there is one database per process.
void TestDatabase::goesWhileIndexing()
{
    for (int i = 0; i < 40000; ++i)
        m_db->addPoint(fix(QStringLiteral("G%1").arg(i), i % 80, i % 170));
    m_db->invalidateModels();
    QVERIFY(m_db->pointMapModel()->indexing());
    m_db.reset();
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
