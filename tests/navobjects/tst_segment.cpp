#include "basemodel.h"
#include "database.h"
#include "point.h"
#include "richtext.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QDataStream>
#include <QGeoPath>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

// Airway segments: end tests, geometry, texts, role table and the database record, whose end
// points are resolved through the database.
using TestSupport::recordOf;

class TestSegment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void roleNames_data();
    void roleNames();

    void endTests_data();
    void endTests();
    void otherEnd();

    void rotations_data();
    void rotations();
    void geometry();
    void bounding_data();
    void bounding();

    void isInDirection_data();
    void isInDirection();

    void routeText_data();
    void routeText();
    void uidsDiffer();
    void infoHtmlEscapesNames();
    void roleValues();

    void roundTrip_data();
    void roundTrip();
    void missingEndGivesNoSegment_data();
    void missingEndGivesNoSegment();
    void truncatedRecord();

    void model();

private:
    Point *addFix(const QString &code, double latitude, double longitude);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    Point *m_a = nullptr;
    Point *m_b = nullptr;
    Point *m_c = nullptr;
};

Point *TestSegment::addFix(const QString &code, double latitude, double longitude)
{
    auto *point = new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, QStringLiteral("ENRT"),
                            QStringLiteral("ED"), QString(), 0, 0.0f, QString());
    m_database->addPoint(point);
    return point;
}

void TestSegment::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    m_a = addFix(QStringLiteral("AAA"), 50.0, 8.0);
    m_b = addFix(QStringLiteral("BBB"), 50.0, 9.0);
    m_c = addFix(QStringLiteral("CCC"), 51.0, 8.0);
}

void TestSegment::cleanupTestCase()
{
    // The database keeps its items for the life of the process; only the objects go.
    m_database.reset();
    m_settings.reset();
}

void TestSegment::roleNames_data()
{
    // clang-format off
    QTest::addColumn<int>("role");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("code") << 0x70FFFF << QByteArray("role_code");
    QTest::newRow("uid p0") << 0x710000 << QByteArray("role_uid_p0");
    QTest::newRow("uid p1") << 0x710001 << QByteArray("role_uid_p1");
    QTest::newRow("code p0") << 0x710002 << QByteArray("role_code_p0");
    QTest::newRow("code p1") << 0x710003 << QByteArray("role_code_p1");
    QTest::newRow("direction") << 0x710004 << QByteArray("role_direction");
    QTest::newRow("type") << 0x710005 << QByteArray("role_type");
    QTest::newRow("min level") << 0x710006 << QByteArray("role_min_level");
    QTest::newRow("max level") << 0x710007 << QByteArray("role_max_level");
    QTest::newRow("line") << 0x710008 << QByteArray("role_line");
    QTest::newRow("tooltip") << 0x710009 << QByteArray("role_tooltip");
    QTest::newRow("center") << 0x71000A << QByteArray("role_center");
    QTest::newRow("distance") << 0x71000B << QByteArray("role_distance");
    QTest::newRow("arrow rotation") << 0x71000C << QByteArray("role_arrow_rotation");
    QTest::newRow("text rotation") << 0x71000D << QByteArray("role_text_rotation");
    QTest::newRow("base uid") << 0x1FFFF << QByteArray("role_uid");
    QTest::newRow("base bounding") << 0x20000 << QByteArray("role_bounding");
    QTest::newRow("base search") << 0x20001 << QByteArray("role_search");
    QTest::newRow("base minzoom") << 0x20002 << QByteArray("role_minzoom");
    QTest::newRow("base minzoom details") << 0x20003 << QByteArray("role_minzoom_details");
    // clang-format on
}

void TestSegment::roleNames()
{
    QFETCH(int, role);
    QFETCH(QByteArray, name);
    QCOMPARE(Segment::roleNames().size(), 20);
    QCOMPARE(Segment::roleNames().value(role), name);
}

void TestSegment::endTests_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("at"); // "A" = from, "B" = to, "C" = neither
    QTest::addColumn<bool>("canStart");
    QTest::addColumn<bool>("canEnd");
    QTest::addColumn<bool>("outgoing");   // isLinkedTo(p, true, false)
    QTest::addColumn<bool>("incoming");   // isLinkedTo(p, false, true)
    QTest::addColumn<bool>("both");       // isLinkedTo(p, true, true)

    QTest::newRow("forward at from") << 1 << "A" << true << false << true << false << true;
    QTest::newRow("forward at to") << 1 << "B" << false << true << false << true << false;
    QTest::newRow("backward at from") << -1 << "A" << false << true << false << true << false;
    QTest::newRow("backward at to") << -1 << "B" << true << false << true << false << true;
    QTest::newRow("none at from") << 0 << "A" << true << true << true << true << true;
    QTest::newRow("none at to") << 0 << "B" << true << true << true << true << true;
    QTest::newRow("none elsewhere") << 0 << "C" << false << false << false << false << false;
    QTest::newRow("forward elsewhere") << 1 << "C" << false << false << false << false << false;
    QTest::newRow("direction 5 at from") << 5 << "A" << false << false << false << false << false;
    QTest::newRow("direction 5 at to") << 5 << "B" << false << false << false << false << false;
    // clang-format on
}

void TestSegment::endTests()
{
    QFETCH(int, direction);
    QFETCH(QString, at);
    QFETCH(bool, canStart);
    QFETCH(bool, canEnd);
    QFETCH(bool, outgoing);
    QFETCH(bool, incoming);
    QFETCH(bool, both);

    const Segment segment(direction, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 0, 0);
    Point *point = at == "A" ? m_a : at == "B" ? m_b : m_c;

    QCOMPARE(segment.canStartAt(point), canStart);
    QCOMPARE(segment.canEndAt(point), canEnd);
    QCOMPARE(segment.isLinkedTo(point, true, false), outgoing);
    QCOMPARE(segment.isLinkedTo(point, false, true), incoming);
    QCOMPARE(segment.isLinkedTo(point, true, true), both);
    QCOMPARE(segment.isLinkedTo(point, false, false), false);
    // The UID form answers the same.
    QCOMPARE(segment.isLinkedTo(point->uid(), true, false), outgoing);
    QCOMPARE(segment.isLinkedTo(point->uid(), false, true), incoming);
    QCOMPARE(segment.isLinkedTo(point->uid(), true, true), both);
    QCOMPARE(segment.canStartAt(nullptr), false);
}

void TestSegment::otherEnd()
{
    const Segment segment(Segment::FORWARD, Segment::LOW, m_a, m_b, QStringLiteral("V1"), 0, 0);
    QCOMPARE(segment.otherEnd(m_a), m_b);
    QCOMPARE(segment.otherEnd(m_b), m_a);
    QCOMPARE(segment.otherEnd(m_c), m_a);
    QCOMPARE(segment.otherEnd(nullptr), nullptr);
}

void TestSegment::rotations_data()
{
    // clang-format off
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<int>("arrowRotation");
    QTest::addColumn<int>("textRotation");

    QTest::newRow("east") << 90.0 << 0 << 0;
    QTest::newRow("west") << 270.0 << 180 << 0;
    QTest::newRow("north") << 0.0 << -90 << -90;
    QTest::newRow("south") << 180.0 << 90 << -90;
    QTest::newRow("359.5") << 359.5 << 269 << 89;
    QTest::newRow("45.5") << 45.5 << -44 << -45;
    QTest::newRow("200") << 200.0 << 110 << -70;
    // clang-format on
}

void TestSegment::rotations()
{
    QFETCH(double, azimuth);
    QFETCH(int, arrowRotation);
    QFETCH(int, textRotation);

    // On the equator the azimuths east, west, north and south come back exact.
    const QGeoCoordinate start(0.0, 10.0);
    Point from(Point::FIX, start, QStringLiteral("P1"), QStringLiteral("ENRT"), QStringLiteral("XX"), QString(), 0,
               0.0f, QString());
    Point to(Point::FIX, start.atDistanceAndAzimuth(50000.0, azimuth), QStringLiteral("P2"), QStringLiteral("ENRT"),
             QStringLiteral("XX"), QString(), 0, 0.0f, QString());
    const Segment segment(Segment::NONE, Segment::HIGH, &from, &to, QStringLiteral("R"), 0, 0);

    QCOMPARE(segment.data(Segment::RoleArrowRotation).toInt(), arrowRotation);
    QCOMPARE(segment.data(Segment::RoleTextRotation).toInt(), textRotation);
}

void TestSegment::geometry()
{
    const Segment segment(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 100, 450);

    const QVariantList line = segment.data(Segment::RoleLine).toList();
    QCOMPARE(line.size(), 2);
    QCOMPARE(line.at(0).value<QGeoCoordinate>(), m_a->position());
    QCOMPARE(line.at(1).value<QGeoCoordinate>(), m_b->position());

    const double nm = m_a->position().distanceTo(m_b->position()) / 1852.0;
    QCOMPARE(segment.data(Segment::RoleDistance).toDouble(), nm);
    QCOMPARE(segment.distance(), int(nm));

    // The label stands halfway along the great circle.
    const QGeoCoordinate centre = segment.data(Segment::RoleCenter).value<QGeoCoordinate>();
    QVERIFY(qAbs(centre.distanceTo(m_a->position()) - centre.distanceTo(m_b->position())) < 0.01);
    QVERIFY(centre.latitude() > 50.0); // north of the rhumb line at 50 N

    QVERIFY(segment.bounding().contains(m_a->position()));
    QVERIFY(segment.bounding().contains(m_b->position()));
    QCOMPARE(segment.minzoom(), 6.0);
    QCOMPARE(segment.minzoomDetails(), 8.0);
    QCOMPARE(segment.search(), QStringLiteral("nosearch"));
    QCOMPARE(Segment::minZoomForType(Segment::LOW), 7.5);
    QCOMPARE(Segment::minZoomForType(Segment::TRACK), 3.0);
    QCOMPARE(Segment::minZoomForType(99), 3.0);
}

void TestSegment::bounding_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("from");
    QTest::addColumn<QGeoCoordinate>("to");
    QTest::addColumn<QGeoCoordinate>("topLeft");
    QTest::addColumn<QGeoCoordinate>("bottomRight");
    QTest::newRow("south-west") << QGeoCoordinate(50.0, 8.0) << QGeoCoordinate(49.0, 7.0) << QGeoCoordinate(50.0, 7.0)
                                << QGeoCoordinate(49.0, 8.0);
    // The short way across the date line, from the western end to the eastern one.
    QTest::newRow("date line eastbound") << QGeoCoordinate(-20.0, 179.0) << QGeoCoordinate(-19.0, -178.0)
                                         << QGeoCoordinate(-19.0, 179.0) << QGeoCoordinate(-20.0, -178.0);
    // clang-format on
}

// Worked out by hand; also what Qt's path of the two ends gives.
void TestSegment::bounding()
{
    QFETCH(QGeoCoordinate, from);
    QFETCH(QGeoCoordinate, to);
    QFETCH(QGeoCoordinate, topLeft);
    QFETCH(QGeoCoordinate, bottomRight);
    Point a(Point::FIX, from, QStringLiteral("A"), QStringLiteral("ENRT"), QStringLiteral("ED"), QString(), 0, 0, {});
    Point b(Point::FIX, to, QStringLiteral("B"), QStringLiteral("ENRT"), QStringLiteral("ED"), QString(), 0, 0, {});
    const Segment segment(Segment::NONE, Segment::HIGH, &a, &b, QStringLiteral("UL1"), 100, 400);
    QCOMPARE(segment.bounding().topLeft(), topLeft);
    QCOMPARE(segment.bounding().bottomRight(), bottomRight);
    QCOMPARE(segment.bounding(), QGeoPath({from, to}).boundingGeoRectangle());
}

void TestSegment::isInDirection_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("course");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("expected");

    // AAA to BBB runs about east, BBB to AAA about west.
    QTest::newRow("forward along") << 1 << 90 << 5 << true;
    QTest::newRow("forward against") << 1 << 270 << 5 << false;
    QTest::newRow("backward along") << -1 << 270 << 5 << true;
    QTest::newRow("backward against") << -1 << 90 << 5 << false;
    QTest::newRow("none east") << 0 << 90 << 5 << true;
    QTest::newRow("none west") << 0 << 270 << 5 << true;
    QTest::newRow("none north") << 0 << 0 << 5 << false;
    QTest::newRow("tolerance 0") << 1 << 90 << 0 << false;
    QTest::newRow("across north through 360") << 1 << 450 << 5 << true;
    QTest::newRow("negative course") << -1 << -90 << 5 << true;
    // clang-format on
}

void TestSegment::isInDirection()
{
    QFETCH(int, direction);
    QFETCH(int, course);
    QFETCH(int, tolerance);
    QFETCH(bool, expected);

    const Segment segment(direction, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 0, 0);
    // The great circle from AAA leaves at about 86 degrees and reaches BBB from about 274.
    QVERIFY(qAbs(m_a->azimuthTo(m_b) - 90) <= 5);
    QCOMPARE(segment.isInDirection(course, tolerance), expected);
}

void TestSegment::routeText_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");

    QTest::newRow("forward high") << 1 << 2 << "AAA--J1->BBB (H)";
    QTest::newRow("backward low") << -1 << 1 << "AAA<-J1--BBB (L)";
    QTest::newRow("none track") << 0 << 20 << "AAA<-J1->BBB (T)";
    QTest::newRow("odd direction, odd type") << 4 << 9 << "AAA<-J1->BBB ()";
    // clang-format on
}

void TestSegment::routeText()
{
    QFETCH(int, direction);
    QFETCH(int, type);
    QFETCH(QString, text);
    const Segment segment(direction, type, m_a, m_b, QStringLiteral("J1"), 0, 0);
    QCOMPARE(segment.routeText(), text);
}

void TestSegment::uidsDiffer()
{
    const Segment ab(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 0, 0);
    const Segment cb(Segment::FORWARD, Segment::HIGH, m_c, m_b, QStringLiteral("J1"), 0, 0);
    QCOMPARE(ab.uid(), QStringLiteral("ED/ENRT/AAA:J1:ED/ENRT/BBB"));
    QVERIFY(ab.uid() != cb.uid());

    const Segment levels(Segment::NONE, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 0, 0);
    QCOMPARE(levels.levelText(false), QStringLiteral("no restriction"));
    QCOMPARE(levels.levelText(true), QStringLiteral("FL0-FL0"));
    const Segment band(Segment::NONE, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 245, 460);
    QCOMPARE(band.levelText(false), QStringLiteral("FL245-FL460"));
    QCOMPARE(band.distanceText(), QString::number(m_a->distanceTo(m_b), 'f', 2) + "nm");
}

void TestSegment::infoHtmlEscapesNames()
{
    const Segment segment(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("<b>J&1"), 0, 0);
    const QString html = segment.infoHtml();
    QVERIFY(html.startsWith(QStringLiteral("<body><h1>Route &lt;b&gt;J&amp;1</h1><p>Segment from AAA to BBB</p>")));
    QVERIFY(!html.contains(QStringLiteral("<b>J&1")));
    QVERIFY(html.contains(QStringLiteral("<b>Type</b>: HIGH (Jet) enroute (H)<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Flight level</b>: no restriction<br/>")));
    QVERIFY(html.contains(m_a->link()));
    QVERIFY(html.contains(m_b->link()));
    QVERIFY(html.endsWith(QStringLiteral("</p></body>")));

    const QString link = segment.link();
    QVERIFY(link.contains(QStringLiteral(">&lt;b&gt;J&amp;1</a>")));
    QVERIFY(link.startsWith(QStringLiteral("<a href=\"SEGMENT&gt;ED/ENRT/AAA:&lt;b&gt;J&amp;1:ED/ENRT/BBB\"")));

    // The text views hand the link target back decoded, so the panel still gets the plain key.
    QTextDocument document;
    document.setHtml(link);
    const QTextFragment fragment = document.begin().begin().fragment();
    QCOMPARE(fragment.charFormat().anchorHref(), QStringLiteral("SEGMENT>") + segment.uid());
    QCOMPARE(fragment.text(), QStringLiteral("<b>J&1"));
}

void TestSegment::roleValues()
{
    const Segment segment(Segment::BACKWARD, Segment::LOW, m_a, m_c, QStringLiteral("V12"), 30, 180);
    QCOMPARE(segment.data(Segment::RoleUidP1).toString(), m_c->uid());
    QCOMPARE(segment.data(Segment::RoleCodeP0).toString(), QStringLiteral("AAA"));
    QCOMPARE(segment.data(Segment::RoleDirection).toInt(), -1);
    QCOMPARE(segment.data(BaseItem::UID).toString(), segment.uid());

    const QString tooltip = segment.data(Segment::RoleTooltip).toString();
    QCOMPARE(tooltip, RichText::stripImages(segment.infoHtml()));
    QVERIFY(!tooltip.contains(QStringLiteral("Font Awesome")));
    QVERIFY(!segment.data(0).isValid());
}

void TestSegment::roundTrip_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minLevel");
    QTest::addColumn<int>("maxLevel");

    QTest::newRow("forward high") << 1 << 2 << "UL607" << 245 << 660;
    QTest::newRow("backward low") << -1 << 1 << "V1" << 0 << 180;
    QTest::newRow("track") << 0 << 20 << "NATA" << 310 << 400;
    QTest::newRow("negative level") << 0 << 22 << "" << -5 << 0;
    // clang-format on
}

void TestSegment::roundTrip()
{
    QFETCH(int, direction);
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(int, minLevel);
    QFETCH(int, maxLevel);

    const Segment original(direction, type, m_a, m_c, name, minLevel, maxLevel);
    const QByteArray bytes = recordOf(original);
    // Two UIDs, the name, two bytes and two 16-bit levels.
    const int strings = 3 * 4 + 2 * (m_a->uid().size() + m_c->uid().size() + name.size());
    QCOMPARE(bytes.size(), strings + 1 + 1 + 2 + 2);
    QCOMPARE(bytes.right(6), QByteArray::fromHex(QStringLiteral("%1%2%3%4")
                                                     .arg(quint8(qint8(direction)), 2, 16, QLatin1Char('0'))
                                                     .arg(quint8(qint8(type)), 2, 16, QLatin1Char('0'))
                                                     .arg(quint16(qint16(minLevel)), 4, 16, QLatin1Char('0'))
                                                     .arg(quint16(qint16(maxLevel)), 4, 16, QLatin1Char('0'))
                                                     .toLatin1()));

    QDataStream in(bytes);
    Segment *read = nullptr;
    in >> read;
    std::unique_ptr<Segment> copy(read);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(copy);
    QCOMPARE(copy->from(), m_a);
    QCOMPARE(copy->to(), m_c);
    QCOMPARE(copy->uid(), original.uid());
    QCOMPARE(copy->name(), name);
    QCOMPARE(copy->direction(), direction);
    QCOMPARE(copy->type(), type);
    QCOMPARE(copy->minLevel(), minLevel);
    QCOMPARE(copy->maxLevel(), maxLevel);
    QCOMPARE(copy->data(Segment::RoleLine), original.data(Segment::RoleLine));
    QCOMPARE(copy->data(Segment::RoleCenter), original.data(Segment::RoleCenter));
    QCOMPARE(copy->bounding(), original.bounding());
}

void TestSegment::missingEndGivesNoSegment_data()
{
    // clang-format off
    QTest::addColumn<bool>("fromKnown");
    QTest::addColumn<bool>("toKnown");
    QTest::newRow("to missing") << true << false;
    QTest::newRow("from missing") << false << true;
    QTest::newRow("both missing") << false << false;
    // clang-format on
}

void TestSegment::missingEndGivesNoSegment()
{
    QFETCH(bool, fromKnown);
    QFETCH(bool, toKnown);

    const QString fromUid = fromKnown ? m_a->uid() : QStringLiteral("ED/ENRT/GONE1");
    const QString toUid = toKnown ? m_b->uid() : QStringLiteral("ED/ENRT/GONE2");
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << fromUid << toUid << QStringLiteral("J9") << qint8(1) << qint8(2) << qint16(0) << qint16(0);
        // The next record in the list must still be readable.
        out << Segment(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("J10"), 0, 0);
    }

    if (!fromKnown)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Point with UID .*GONE1.* not found in database!$"));
    if (!toKnown)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Point with UID .*GONE2.* not found in database!$"));

    QDataStream in(bytes);
    Segment *segment = reinterpret_cast<Segment *>(quintptr(1));
    in >> segment;
    QCOMPARE(segment, nullptr);
    QCOMPARE(in.status(), QDataStream::Ok);

    Segment *next = nullptr;
    in >> next;
    std::unique_ptr<Segment> owned(next);
    QVERIFY(next);
    QCOMPARE(next->name(), QStringLiteral("J10"));
}

void TestSegment::truncatedRecord()
{
    const QByteArray bytes
        = recordOf(Segment(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 100, 200));
    // No lookup is made for a record that could not be read: no warning either.
    QTest::failOnWarning(QRegularExpression("."));
    for (int cut : {0, 3, 20, int(bytes.size()) - 1}) {
        QDataStream in(bytes.left(cut));
        Segment *segment = reinterpret_cast<Segment *>(quintptr(1));
        in >> segment;
        QCOMPARE(segment, nullptr);
        QVERIFY(in.status() != QDataStream::Ok);
    }
}

void TestSegment::model()
{
    BaseModel<Segment> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    Segment ab(Segment::FORWARD, Segment::HIGH, m_a, m_b, QStringLiteral("J1"), 0, 0);
    Segment bc(Segment::NONE, Segment::LOW, m_b, m_c, QStringLiteral("V2"), 0, 0);
    model.beginReset();
    model.add(&ab);
    model.add(&bc);
    model.endReset();

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.roleNames(), Segment::roleNames());
    QCOMPARE(model.data(model.index(1), Segment::RoleCode).toString(), QStringLiteral("V2"));
    QCOMPARE(model.data(model.index(0), Segment::RoleUidP1).toString(), m_b->uid());
    QCOMPARE(model.find(bc.uid()), &bc);

    model.removeAt(0);
    model.reset();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.find(bc.uid()), &bc);
    QCOMPARE(model.find(ab.uid()), nullptr);
}

QTEST_MAIN(TestSegment)
#include "tst_segment.moc"
