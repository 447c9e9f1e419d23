#include "airport.h"
#include "basemodel.h"
#include "markingtranslator.h"
#include "point.h"
#include "richtext.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDataStream>
#include <QGeoRectangle>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

using TestSupport::readRecord;
using TestSupport::recordOf;

namespace {

// Airports are always built as Airport, as the loaders do.
std::unique_ptr<Point> makePoint(int type, const QString &code, const QString &terminal, const QString &region,
                                 const QString &name, const QGeoCoordinate &position = QGeoCoordinate(50.0, 8.5),
                                 float frequency = 0.0f, const QString &waypointType = QString(), int elevation = 100)
{
    if (type == Point::AIRP) {
        auto airport = std::make_unique<Airport>(code, name, elevation);
        airport->setPosition(position, QGeoRectangle(position, 0.01, 0.01));
        return airport;
    }
    return std::make_unique<Point>(type, position, code, terminal, region, name, elevation, frequency, waypointType);
}

} // namespace

class TestPoint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void construction_data();
    void construction();
    void boundingSquare_data();
    void boundingSquare();
    void coordinateCode();
    void setCodeKeepsSearchText();
    void narrowing();
    void azimuth_data();
    void azimuth();
    void direction_data();
    void direction();
    void distance_data();
    void distance();
    void nullOther();
    void enrouteIntersection_data();
    void enrouteIntersection();
    void waypointTypeText_data();
    void waypointTypeText();
    void roleNames_data();
    void roleNames();
    void rolesByType_data();
    void rolesByType();
    void frequencyText_data();
    void frequencyText();
    void tooltipLines_data();
    void tooltipLines();
    void tooltipTerminal();
    void dataDerivedTextsAreEscaped();
    void recordBytes();
    void recordRoundTrip_data();
    void recordRoundTrip();
    void airportRecordDropsPointFields();
    void truncatedRecordYieldsNothing();
    void corruptedAirportRecord_data();
    void corruptedAirportRecord();
    void modelServesRoles();
};

void TestPoint::construction_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("description");
    QTest::addColumn<double>("minzoom");
    QTest::addColumn<double>("minzoomDetails");

    QTest::newRow("airport") << 1 << "KSFO" << "*" << "*" << "San Francisco Intl" << "KSFO"
                             << "ksfo * * san francisco intl" << "San Francisco Intl" << 6.0 << 8.0;
    QTest::newRow("airport with digit") << 1 << "ED1F" << "*" << "*" << "Field" << "ED1F" << "ed1f * * field"
                                        << "Field" << 10.0 << 8.0;
    QTest::newRow("airport three letters") << 1 << "ABC" << "*" << "*" << "" << "ABC" << "abc * * " << "" << 10.0
                                           << 8.0;
    QTest::newRow("enroute fix") << 11 << "ABC" << "ENRT" << "K2" << "" << "K2/ENRT/ABC" << "abc enrt k2 "
                                 << "Region K2, enroute" << 8.5 << 10.8;
    QTest::newRow("terminal vor") << 3 << "SFO" << "KSFO" << "K2" << "San Francisco" << "K2/KSFO/SFO"
                                  << "sfo ksfo k2 san francisco" << "San Francisco, attached to KSFO" << 5.2 << 7.0;
    QTest::newRow("empty region") << 2 << "XY" << "ENRT" << "" << "Beacon" << "/ENRT/XY" << "xy enrt  beacon"
                                  << "Beacon, enroute" << 3.0 << 6.5;
    QTest::newRow("empty terminal") << 13 << "DM" << "" << "ED" << "Dme" << "ED//DM" << "dm  ed dme"
                                    << "Dme, attached to " << 5.2 << 7.0;
    QTest::newRow("dmeils") << 12 << "IFR" << "EDDF" << "ED" << "" << "ED/EDDF/IFR" << "ifr eddf ed "
                            << "Region ED, attached to EDDF" << 3.0 << 6.5;
    QTest::newRow("coordinate") << 28 << "N50E008" << "ENRT" << "*" << "" << "ENRT/N50E008" << "n50e008 enrt * "
                                << "Region *, enroute" << 8.5 << 6.5;
    // Letters outside ASCII are folded by the full rules, A to Z alike.
    QTest::newRow("name outside ASCII") << 11 << "ABC" << "ENRT" << "LS" << QStringLiteral("ZÜRICH Öst") << "LS/ENRT/ABC"
                                        << QStringLiteral("abc enrt ls zürich öst") << QStringLiteral("ZÜRICH Öst, enroute")
                                        << 8.5 << 10.8;
    QTest::newRow("star is case-sensitive whole text") << 4 << "IX" << "**" << "*" << "Loc" << "**/IX"
                                                       << "ix ** * loc" << "Loc, attached to **" << 3.0 << 6.5;
    // clang-format on
}

void TestPoint::construction()
{
    QFETCH(int, type);
    QFETCH(QString, code);
    QFETCH(QString, terminal);
    QFETCH(QString, region);
    QFETCH(QString, name);

    const auto point = makePoint(type, code, terminal, region, name);
    QTEST(point->uid(), "uid");
    QTEST(point->search(), "search");
    QTEST(point->description(), "description");
    QTEST(point->minzoom(), "minzoom");
    QTEST(point->minzoomDetails(), "minzoomDetails");
    QCOMPARE(point->type(), type);
    QCOMPARE(point->BaseItem::type(), type);
    QCOMPARE(point->terminal(), terminal);
    QCOMPARE(point->region(), region);
    // A 0.001 degree square around the position.
    QVERIFY(point->bounding().center().distanceTo(point->position()) < 0.01);
    QVERIFY(qAbs(point->bounding().width() - (type == Point::AIRP ? 0.01 : 0.001)) < 1e-9);
}

void TestPoint::boundingSquare_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("position");
    QTest::addColumn<QGeoCoordinate>("topLeft");
    QTest::addColumn<QGeoCoordinate>("bottomRight");
    QTest::newRow("mid-latitudes") << QGeoCoordinate(50.0, 8.5, 1500.0) << QGeoCoordinate(50.0005, 8.4995)
                                   << QGeoCoordinate(49.9995, 8.5005);
    // Across the date line the rectangle wraps; at the pole it is cut, keeping its centre.
    QTest::newRow("date line") << QGeoCoordinate(-17.75, 179.9998) << QGeoCoordinate(-17.7495, 179.9993)
                               << QGeoCoordinate(-17.7505, -179.9997);
    QTest::newRow("north pole") << QGeoCoordinate(89.9998, 0.0) << QGeoCoordinate(90.0, -0.0005)
                                << QGeoCoordinate(89.9996, 0.0005);
    // clang-format on
}

// Corners worked out by hand, and bit for bit those of Qt's own centred rectangle, which the
// stored airport records and the map rely on.
void TestPoint::boundingSquare()
{
    QFETCH(QGeoCoordinate, position);
    QFETCH(QGeoCoordinate, topLeft);
    QFETCH(QGeoCoordinate, bottomRight);
    const Point point(Point::FIX, position, QStringLiteral("ABC"), QStringLiteral("ENRT"), QStringLiteral("K2"),
                      QString(), 0, 0.0f, QString());
    const QGeoRectangle qt(position, 0.001, 0.001);
    const auto corners = [](const QGeoRectangle &r) {
        return QList<double>{r.topLeft().latitude(), r.topLeft().longitude(), r.bottomRight().latitude(),
                             r.bottomRight().longitude(), r.topLeft().altitude()};
    };
    const QList<double> got = corners(point.bounding());
    const QList<double> expected{topLeft.latitude(), topLeft.longitude(), bottomRight.latitude(),
                                 bottomRight.longitude()};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(got.at(i), expected.at(i));
    QVERIFY(std::isnan(got.last()));
    QVERIFY(std::memcmp(got.constData(), corners(qt).constData(), 4 * sizeof(double)) == 0);
}

void TestPoint::coordinateCode()
{
    const auto point
        = makePoint(Point::COORD, QStringLiteral("N50E008"), QStringLiteral("ENRT"), QStringLiteral("*"), QString());
    QCOMPARE(point->code(), QStringLiteral("COORD"));
    QCOMPARE(point->data(Point::RoleCode).toString(), QStringLiteral("COORD"));
    QCOMPARE(point->data(Point::RoleListText).toString(), QStringLiteral("N50E008\tRegion *, enroute"));
    QCOMPARE(point->comboText(), QStringLiteral("N50E008 Region *, enroute"));
    QCOMPARE(point->uid(), QStringLiteral("ENRT/N50E008"));
}

void TestPoint::setCodeKeepsSearchText()
{
    Airport airport(QStringLiteral("KSFO"), QStringLiteral("San Francisco"), 13);
    airport.setCode(QStringLiteral("KSFX"));
    QCOMPARE(airport.uid(), QStringLiteral("KSFX"));
    QCOMPARE(airport.code(), QStringLiteral("KSFX"));
    QCOMPARE(airport.search(), QStringLiteral("ksfo * * san francisco"));

    Point fix(Point::FIX, QGeoCoordinate(1, 2), QStringLiteral("ABC"), QStringLiteral("ENRT"), QStringLiteral("K2"),
              QString(), 0, 0.0f, QString());
    fix.setCode(QStringLiteral("XYZ"));
    QCOMPARE(fix.uid(), QStringLiteral("K2/ENRT/XYZ"));
    QCOMPARE(fix.description(), QStringLiteral("Region K2, enroute"));
}

void TestPoint::narrowing()
{
    QTest::ignoreMessage(QtWarningMsg, "Check int16_t failed (too big)!");
    Point high(Point::VOR, QGeoCoordinate(1, 2), QStringLiteral("V"), QStringLiteral("ENRT"), QStringLiteral("K1"),
               QStringLiteral("Vor"), 40000, 112.5f, QString());
    QCOMPARE(high.elevation(), 32767);

    QTest::ignoreMessage(QtWarningMsg, "Check int16_t failed (too small)!");
    Point low(Point::VOR, QGeoCoordinate(1, 2), QStringLiteral("V"), QStringLiteral("ENRT"), QStringLiteral("K1"),
              QStringLiteral("Vor"), -40000, 112.5f, QString());
    QCOMPARE(low.elevation(), -32768);

    // The stored type is clamped; the zoom limits and the type bit keep the value given.
    QTest::ignoreMessage(QtWarningMsg, "Check int8_t failed (too big)!");
    Point odd(200, QGeoCoordinate(1, 2), QStringLiteral("O"), QStringLiteral("ENRT"), QStringLiteral("K1"),
              QStringLiteral("Odd"), 0, 0.0f, QString());
    QCOMPARE(odd.type(), 127);
    QCOMPARE(odd.BaseItem::type(), 200);
    QCOMPARE(odd.minzoom(), 3.0);
}

void TestPoint::azimuth_data()
{
    // clang-format off
    // Seen from the equator, a point one degree north and d degrees east lies at about
    // atan(d) east of north; the rows stay 0.1 degree clear of every rounding boundary.
    QTest::addColumn<double>("bearing");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.4 rounds down") << 0.4 << 0;
    QTest::newRow("0.6 rounds up") << 0.6 << 1;
    QTest::newRow("359.6 gives 360") << -0.4 << 360;
    QTest::newRow("359.4 gives 359") << -0.6 << 359;
    QTest::newRow("45") << 45.0 << 45;
    // clang-format on
}

void TestPoint::azimuth()
{
    QFETCH(double, bearing);
    const QGeoCoordinate origin(0.0, 0.0);
    const QGeoCoordinate target = origin.atDistanceAndAzimuth(100000.0, bearing < 0 ? 360.0 + bearing : bearing);
    const auto from
        = makePoint(Point::FIX, QStringLiteral("A"), QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), origin);
    const auto to
        = makePoint(Point::FIX, QStringLiteral("B"), QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), target);
    QTEST(from->azimuthTo(to.get()), "expected");
}

void TestPoint::direction_data()
{
    // clang-format off
    // The azimuth that counts is the one from the other point to this one.
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<bool>("expected");
    QTest::newRow("350 against 10, tolerance 20") << 10.0 << 350 << 20 << true;
    QTest::newRow("350 against 10, tolerance 19") << 10.0 << 350 << 19 << false;
    QTest::newRow("exact, tolerance 0") << 90.0 << 90 << 0 << false;
    QTest::newRow("exact, tolerance 1") << 90.0 << 90 << 1 << true;
    QTest::newRow("heading beyond 360") << 10.0 << 730 << 0 + 1 << true;
    QTest::newRow("opposite") << 180.0 << 0 << 90 << false;
    // clang-format on
}

void TestPoint::direction()
{
    QFETCH(double, azimuth);
    QFETCH(int, heading);
    QFETCH(int, tolerance);
    const QGeoCoordinate origin(10.0, 20.0);
    const auto other = makePoint(Point::VOR, QStringLiteral("O"), QStringLiteral("ENRT"), QStringLiteral("K1"),
                                 QStringLiteral("Other"), origin);
    const auto point = makePoint(Point::FIX, QStringLiteral("P"), QStringLiteral("ENRT"), QStringLiteral("K1"),
                                 QString(), origin.atDistanceAndAzimuth(50000.0, azimuth));
    QTEST(point->isInDirection(other.get(), heading, tolerance), "expected");
    QTEST(point->isWithinDistanceAndDirection(other.get(), 0.0, 100.0, heading, tolerance), "expected");
}

void TestPoint::distance_data()
{
    // clang-format off
    QTest::addColumn<double>("nm");
    QTest::addColumn<double>("minNm");
    QTest::addColumn<double>("maxNm");
    QTest::addColumn<bool>("expected");
    QTest::newRow("9.99 below 10") << 9.99 << 10.0 << 20.0 << false;
    QTest::newRow("10.99 counts as 10") << 10.99 << 0.0 << 10.0 << true;
    QTest::newRow("11.01 above 10") << 11.01 << 0.0 << 10.0 << false;
    QTest::newRow("inside") << 5.5 << 5.0 << 6.0 << true;
    // clang-format on
}

void TestPoint::distance()
{
    QFETCH(double, nm);
    QFETCH(double, minNm);
    QFETCH(double, maxNm);
    const QGeoCoordinate origin(45.0, 7.0);
    const auto a = makePoint(Point::NDB, QStringLiteral("A"), QStringLiteral("ENRT"), QStringLiteral("LI"),
                             QStringLiteral("A"), origin);
    const auto b = makePoint(Point::NDB, QStringLiteral("B"), QStringLiteral("ENRT"), QStringLiteral("LI"),
                             QStringLiteral("B"), origin.atDistanceAndAzimuth(nm * 1852.0, 73.0));
    QVERIFY(qAbs(a->distanceTo(b.get()) - nm) < 1e-4);
    QTEST(a->isWithinDistance(b.get(), minNm, maxNm), "expected");
    // Direction passes for any heading with tolerance 180, so only the distance decides.
    QTEST(a->isWithinDistanceAndDirection(b.get(), minNm, maxNm, 0, 180), "expected");
}

void TestPoint::nullOther()
{
    const auto point
        = makePoint(Point::FIX, QStringLiteral("A"), QStringLiteral("ENRT"), QStringLiteral("K1"), QString());
    QCOMPARE(point->distanceTo(nullptr), 0.0);
    QCOMPARE(point->azimuthTo(nullptr), -1);
    QVERIFY(!point->isWithinDistance(nullptr, 0.0, 100.0));
    QVERIFY(!point->isInDirection(nullptr, 0, 180));
    QVERIFY(!point->isWithinDistanceAndDirection(nullptr, 0.0, 100.0, 0, 180));
}

void TestPoint::enrouteIntersection_data()
{
    // clang-format off
    QTest::addColumn<QString>("waypointType");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<bool>("expected");
    QTest::newRow("R blank blank") << "R  E" << "ENRT" << true;
    QTest::newRow("C blank blank") << "C   " << "ENRT" << true;
    QTest::newRow("W then O") << "WO  " << "ENRT" << true;
    QTest::newRow("W then F") << "WF  " << "ENRT" << true;
    QTest::newRow("W then U") << "WU  " << "ENRT" << true;
    QTest::newRow("W blank blank") << "W   " << "ENRT" << false;
    QTest::newRow("U") << "UF  " << "ENRT" << false;
    QTest::newRow("I") << "IO  " << "ENRT" << false;
    QTest::newRow("R then S") << "RS  " << "ENRT" << false;
    QTest::newRow("R with SID column") << "R D " << "ENRT" << false;
    QTest::newRow("R with approach column") << "R F " << "ENRT" << false;
    QTest::newRow("not enroute") << "R   " << "EDDF" << false;
    QTest::newRow("three characters") << "R  " << "ENRT" << false;
    QTest::newRow("empty") << "" << "ENRT" << false;
    // clang-format on
}

void TestPoint::enrouteIntersection()
{
    QFETCH(QString, waypointType);
    QFETCH(QString, terminal);
    Point point(Point::FIX, QGeoCoordinate(1, 1), QStringLiteral("FX"), terminal, QStringLiteral("ED"), QString(), 0,
                0.0f, waypointType);
    QTEST(point.isEnrouteIntersection(), "expected");
}

void TestPoint::waypointTypeText_data()
{
    // clang-format off
    QTest::addColumn<QString>("waypointType");
    QTest::addColumn<QString>("expected");
    QTest::newRow("W F blank") << "WF  " << "RNAV Waypoint, Off-Route Intersection";
    QTest::newRow("R S E") << "RSE " << "Named Intersection, Named Stepdown Fix, STAR";
    QTest::newRow("only column 3") << "  Z " << "Multiple";
    QTest::newRow("no rows") << "XYQ " << "";
    QTest::newRow("character above 255") << QString(QChar(0x152)) + QStringLiteral("A  ") << "Final Approach Fix";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("short field") << "C" << "Combined Named Intersection and RNAV";
    // clang-format on
}

void TestPoint::waypointTypeText()
{
    QFETCH(QString, waypointType);
    Point point(Point::FIX, QGeoCoordinate(1, 1), QStringLiteral("FX"), QStringLiteral("ENRT"), QStringLiteral("ED"),
                QString(), 0, 0.0f, waypointType);
    QTEST(point.waypointTypeText(), "expected");
}

void TestPoint::roleNames_data()
{
    // clang-format off
    QTest::addColumn<int>("role");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("uid") << 0x1FFFF << QByteArray("role_uid");
    QTest::newRow("bounding") << 0x20000 << QByteArray("role_bounding");
    QTest::newRow("search") << 0x20001 << QByteArray("role_search");
    QTest::newRow("minzoom") << 0x20002 << QByteArray("role_minzoom");
    QTest::newRow("minzoom details") << 0x20003 << QByteArray("role_minzoom_details");
    QTest::newRow("code") << 3211263 << QByteArray("role_code");
    QTest::newRow("list text") << 3211264 << QByteArray("role_list_text");
    QTest::newRow("combo text") << 3211265 << QByteArray("role_combo_text");
    QTest::newRow("position") << 3211266 << QByteArray("role_position");
    QTest::newRow("type") << 3211267 << QByteArray("role_type");
    QTest::newRow("icon") << 3211268 << QByteArray("role_icon");
    QTest::newRow("icon offset") << 3211269 << QByteArray("role_icon_offset");
    QTest::newRow("text offset") << 3211270 << QByteArray("role_text_offset");
    QTest::newRow("tooltip") << 3211271 << QByteArray("role_tooltip");
    QTest::newRow("type string") << 3211272 << QByteArray("role_type_string");
    // clang-format on
}

void TestPoint::roleNames()
{
    QFETCH(int, role);
    QFETCH(QByteArray, name);
    const QHash<int, QByteArray> names = Point::roleNames();
    QCOMPARE(names.size(), 15);
    QCOMPARE(names.value(role), name);
}

void TestPoint::rolesByType_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("typeString");
    QTest::addColumn<int>("textOffset");
    QTest::newRow("AIRP") << 1 << "qrc:/icon/airp.svg" << "Airport" << 12;
    QTest::newRow("NDB") << 2 << "qrc:/icon/ndb.svg" << "NDB" << 10;
    QTest::newRow("VOR") << 3 << "qrc:/icon/vor.svg" << "VOR" << 10;
    QTest::newRow("ILS") << 4 << "" << "" << 0;
    QTest::newRow("LOC") << 5 << "" << "" << 0;
    QTest::newRow("GS") << 6 << "" << "" << 0;
    QTest::newRow("OM") << 7 << "" << "" << 0;
    QTest::newRow("MM") << 8 << "" << "" << 0;
    QTest::newRow("IM") << 9 << "" << "" << 0;
    QTest::newRow("FIX") << 11 << "qrc:/icon/fix.svg" << "FIX" << 6;
    QTest::newRow("DMEILS") << 12 << "" << "" << 0;
    QTest::newRow("DME") << 13 << "qrc:/icon/dme.svg" << "DME" << 10;
    QTest::newRow("COORD") << 28 << "qrc:/icon/coord.svg" << "COORD" << 0;
    QTest::newRow("UNKNOWN") << 0 << "" << "" << 0;
    // clang-format on
}

void TestPoint::rolesByType()
{
    QFETCH(int, type);
    const QGeoCoordinate position(48.1, 11.5);
    const auto point = makePoint(type, QStringLiteral("EDDM"), QStringLiteral("ENRT"), QStringLiteral("ED"),
                                 QStringLiteral("Name"), position);
    QTEST(point->icon(), "icon");
    QTEST(point->typeString(), "typeString");
    QTEST(point->data(Point::RoleIcon).toString(), "icon");
    QTEST(point->data(Point::RoleTypeString).toString(), "typeString");
    // The kind a pilot reads is translated where it is a word; the one files carry is not.
    MarkingTranslator translator("Point");
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QStringList texts{point->data(Point::RoleTypeString).toString(), point->typeString()};
    QCoreApplication::removeTranslator(&translator);
    QFETCH(QString, typeString);
    QCOMPARE(texts, QStringList({type == Point::AIRP ? QStringLiteral("<Airport>") : typeString, typeString}));
    QTEST(point->data(Point::RoleTextOffset).toInt(), "textOffset");
    QCOMPARE(point->data(Point::RoleIconOffset), QVariant(0));
    QCOMPARE(point->data(Point::RoleType), QVariant(type));
    QCOMPARE(point->data(Point::RolePosition).value<QGeoCoordinate>(), position);
    QCOMPARE(point->data(BaseItem::UID).toString(), point->uid());
    QCOMPARE(point->data(BaseItem::MinZoom).toDouble(), point->minzoom());
    QVERIFY(!point->data(0).isValid());
    QVERIFY(!point->data(Point::RoleTypeString + 1).isValid());
}

void TestPoint::frequencyText_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<QString>("expected");
    QTest::newRow("VOR 116.8") << 3 << 116.8f << "116.8MHz";
    QTest::newRow("VOR 121.725") << 3 << 121.725f << "121.725MHz";
    QTest::newRow("NDB 350") << 2 << 350.0f << "350kHz";
    QTest::newRow("NDB 415.5") << 2 << 415.5f << "415.5kHz";
    QTest::newRow("ILS 110.3") << 4 << 110.3f << "110.3MHz";
    QTest::newRow("none") << 11 << 0.0f << "0MHz";
    // clang-format on
}

void TestPoint::frequencyText()
{
    QFETCH(int, type);
    QFETCH(float, frequency);
    Point point(type, QGeoCoordinate(1, 1), QStringLiteral("X"), QStringLiteral("ENRT"), QStringLiteral("ED"),
                QStringLiteral("X"), -12, frequency, QString());
    QTEST(point.frequencyText(), "expected");
    QCOMPARE(point.elevationText(), QStringLiteral("-12ft"));
}

void TestPoint::tooltipLines_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("hasFrequency");
    QTest::addColumn<bool>("hasElevation");
    QTest::newRow("NDB") << 2 << "<h1>Navaid NB " << true << false;
    QTest::newRow("VOR") << 3 << "<h1>Navaid NB " << true << true;
    QTest::newRow("DME") << 13 << "<h1>Navaid NB " << true << true;
    QTest::newRow("FIX") << 11 << "<h1>Fix NB " << false << false;
    QTest::newRow("ILS") << 4 << "<h1>Navaid NB " << false << false;
    QTest::newRow("LOC") << 5 << "<h1>Navaid NB " << false << false;
    QTest::newRow("GS") << 6 << "<h1>Navaid NB " << false << false;
    QTest::newRow("OM") << 7 << "<h1>Navaid NB " << false << false;
    QTest::newRow("DMEILS") << 12 << "<h1>Navaid NB " << false << false;
    QTest::newRow("COORD") << 28 << "<h1>Navaid COORD " << false << false;
    // clang-format on
}

void TestPoint::tooltipLines()
{
    QFETCH(int, type);
    QFETCH(QString, heading);
    QFETCH(bool, hasFrequency);
    QFETCH(bool, hasElevation);
    Point point(type, QGeoCoordinate(50.0, 8.5), QStringLiteral("NB"), QStringLiteral("ENRT"), QStringLiteral("ED"),
                QStringLiteral("Beacon"), 364, type == Point::NDB ? 350.0f : 112.5f, QString());
    const QString html = point.tooltip();
    QVERIFY2(html.startsWith(QStringLiteral("<body>") + heading), qPrintable(html));
    QVERIFY(html.endsWith(QStringLiteral("</p></body>")));
    QVERIFY(html.contains(QStringLiteral("<h2>Beacon, enroute</h2>")));
    QVERIFY(html.contains(QStringLiteral("<b>Region</b>: ")));
    QVERIFY(html.contains(QStringLiteral(" Germany (ED)<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>UID</b>: ED/ENRT/NB<br/>")));
    QCOMPARE(html.contains(QStringLiteral("<b>Frequency</b>")), hasFrequency);
    QCOMPARE(html.contains(type == Point::NDB ? QStringLiteral("350kHz<br/>") : QStringLiteral("112.5MHz<br/>")),
             hasFrequency);
    QCOMPARE(html.contains(QStringLiteral("<b>Elevation</b>")), hasElevation);
    QCOMPARE(html.contains(QStringLiteral("364ft<br/>")), hasElevation);
    QVERIFY(!html.contains(QStringLiteral("FIX type")));
    QVERIFY(html.contains(QStringLiteral("<b>Terminal</b>: enroute (no terminal)<br/>")));
    QVERIFY(html.contains(QStringLiteral("href=\"SELECT>ED/ENRT/NB>\"")));
    QVERIFY(html.contains(point.positionText() + QStringLiteral("</p>")));

    // The map tooltip carries no icons.
    const QString stripped = point.data(Point::RoleTooltip).toString();
    QCOMPARE(stripped, RichText::stripImages(html));
    QVERIFY(!stripped.contains(QStringLiteral("<img")));
    QVERIFY(!stripped.contains(QStringLiteral("Font Awesome")));
}

void TestPoint::tooltipTerminal()
{
    Point attached(Point::FIX, QGeoCoordinate(1, 1), QStringLiteral("DF123"), QStringLiteral("EDDF"),
                   QStringLiteral("ED"), QString(), 0, 0.0f, QStringLiteral("WF  "));
    const QString html = attached.tooltip();
    QVERIFY(html.contains(QStringLiteral("<b>Terminal</b>: ") + attached.terminalLink() + QStringLiteral("<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>FIX type</b>: RNAV Waypoint, Off-Route Intersection<br/>")));
    QVERIFY(attached.terminalLink().contains(QStringLiteral("href=\"POINT>EDDF\"")));
    QVERIFY(attached.terminalLink().contains(QStringLiteral("href=\"SELECT>EDDF>\"")));
    QVERIFY(attached.terminalLink().endsWith(QStringLiteral("</a> ")));

    Point star(Point::FIX, QGeoCoordinate(1, 1), QStringLiteral("S"), QStringLiteral("*"), QStringLiteral("ED"),
               QString(), 0, 0.0f, QString());
    QVERIFY(star.tooltip().contains(QStringLiteral("href=\"POINT>*\"")));

    QVERIFY(attached.link().startsWith(QStringLiteral("<a href=\"POINT>ED/EDDF/DF123\"")));
    QVERIFY(attached.link().contains(QStringLiteral(">DF123</a> <a href=\"SELECT>ED/EDDF/DF123>\"")));
}

void TestPoint::dataDerivedTextsAreEscaped()
{
    Point point(Point::VOR, QGeoCoordinate(1, 1), QStringLiteral("A<B"), QStringLiteral("T\"1"), QStringLiteral("E&"),
                QStringLiteral("<script>x</script> & Co"), 0, 113.0f, QString());
    const QString html = point.tooltip();
    QVERIFY2(!html.contains(QStringLiteral("<script>")), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("&lt;script&gt;x&lt;/script&gt; &amp; Co")));
    QVERIFY(html.contains(QStringLiteral("<h1>Navaid A&lt;B ")));
    QVERIFY(html.contains(QStringLiteral("(E&amp;)")));
    QVERIFY(html.contains(QStringLiteral("href=\"POINT>T&quot;1\"")));
    QVERIFY(!html.contains(QStringLiteral("T\"1")));

    const QString link = point.link();
    QVERIFY(link.contains(QStringLiteral(">A&lt;B</a>")));
    QVERIFY(link.contains(QStringLiteral("href=\"POINT>E&amp;/T&quot;1/A&lt;B\"")));
    // The plain model texts stay plain.
    QCOMPARE(point.data(Point::RoleCode).toString(), QStringLiteral("A<B"));
}

void TestPoint::recordBytes()
{
    Point fix(Point::FIX, QGeoCoordinate(50.0, 8.5), QStringLiteral("ABC"), QStringLiteral("ENRT"),
              QStringLiteral("ED"), QStringLiteral("X"), 100, 0.0f, QString());
    // The bytes of the record, a field to a line.
    // clang-format off
    const QByteArray expected = QByteArray::fromHex(
        "00000006" "004100420043"                                      // code
        "4049000000000000" "4021000000000000" "7ff8000000000000"      // latitude, longitude, no altitude
        "00000008" "0045004e00520054"                                  // terminal
        "00000004" "00450044"                                          // region
        "00000002" "0058"                                              // name
        "0b"                                                           // type
        "0064"                                                         // elevation
        "0000000000000000"                                             // frequency, 8 bytes
        "ffffffff"                                                     // null waypoint type
        "ffffffff");                                                   // UID: the one the fields give
    // clang-format on
    QCOMPARE(recordOf(fix).toHex(), expected.toHex());

    // A second point of the same code keeps the UID the import gave it.
    fix.setUid(QStringLiteral("ED/ENRT/ABC_1"));
    // clang-format off
    QCOMPARE(recordOf(fix).toHex().right(2 * 30), QByteArray("0000001a" "00450044002f0045004e00520054002f004100420043005f0031"));
    QCOMPARE(readRecord<Point>(recordOf(fix))->uid(), QStringLiteral("ED/ENRT/ABC_1"));
    // One that only looks like the fields' UID is kept too; the one an empty region gives is not.
    fix.setUid(QStringLiteral("EDENRT/ABC"));
    QVERIFY(recordOf(fix).endsWith(QByteArray::fromHex("00000014" "00450044" "0045004e00520054" "002f004100420043")));
    // clang-format on
    Point noRegion(Point::FIX, QGeoCoordinate(50.0, 8.5), QStringLiteral("ABC"), QStringLiteral("ENRT"), QString(),
                   QString(), 0, 0.0f, QString());
    QVERIFY(recordOf(noRegion).endsWith(QByteArray::fromHex("ffffffffffffffff")));
}

void TestPoint::recordRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("region");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<QString>("waypointType");
    QTest::newRow("UNKNOWN") << 0 << "ENRT" << "K1" << 0.0f << "";
    QTest::newRow("AIRP") << 1 << "*" << "*" << 0.0f << "";
    QTest::newRow("NDB") << 2 << "ENRT" << "K1" << 350.5f << "";
    QTest::newRow("VOR") << 3 << "ENRT" << "K1" << 116.8f << "";
    QTest::newRow("ILS") << 4 << "KSFO" << "K2" << 109.55f << "";
    QTest::newRow("LOC") << 5 << "KSFO" << "K2" << 110.3f << "";
    QTest::newRow("GS") << 6 << "KSFO" << "K2" << 110.3f << "";
    QTest::newRow("OM") << 7 << "KSFO" << "K2" << 75.0f << "";
    QTest::newRow("MM") << 8 << "KSFO" << "K2" << 75.0f << "";
    QTest::newRow("IM") << 9 << "KSFO" << "K2" << 75.0f << "";
    QTest::newRow("FIX") << 11 << "ENRT" << "K2" << 0.0f << "WF  ";
    QTest::newRow("DMEILS") << 12 << "" << "" << 111.1f << "";
    QTest::newRow("DME") << 13 << "ENRT" << "K1" << 117.95f << "";
    QTest::newRow("COORD") << 28 << "ENRT" << "*" << 0.0f << "";
    // clang-format on
}

void TestPoint::recordRoundTrip()
{
    QFETCH(int, type);
    QFETCH(QString, terminal);
    QFETCH(QString, region);
    QFETCH(float, frequency);
    QFETCH(QString, waypointType);

    const QGeoCoordinate position(-33.9461, 151.1772, 21.0);
    const auto point = makePoint(type, QStringLiteral("SYD"), terminal, region, QStringLiteral("Sydney \u00e9"),
                                 position, frequency, waypointType, -210);
    const QByteArray bytes = recordOf(*point);

    QDataStream::Status status;
    const auto read = readRecord<Point>(bytes, &status);
    QCOMPARE(status, QDataStream::Ok);
    QVERIFY(read);
    QCOMPARE(qobject_cast<Airport *>(read.get()) != nullptr, type == Point::AIRP);
    QCOMPARE(read->type(), type);
    QCOMPARE(read->code(), point->code());
    QCOMPARE(read->position(), position);
    QCOMPARE(read->terminal(), point->terminal());
    QCOMPARE(read->region(), point->region());
    QCOMPARE(read->name(), point->name());
    QCOMPARE(read->elevation(), -210);
    QCOMPARE(read->frequencyText(), point->frequencyText());
    QCOMPARE(read->waypointTypeText(), point->waypointTypeText());
    QCOMPARE(read->uid(), point->uid());
    QCOMPARE(read->search(), point->search());
    QCOMPARE(read->description(), point->description());
    QCOMPARE(read->minzoom(), point->minzoom());
    QCOMPARE(read->minzoomDetails(), point->minzoomDetails());
    QCOMPARE(read->bounding(), point->bounding());
    QCOMPARE(read->data(Point::RolePosition).value<QGeoCoordinate>(), position);
    // Writing what was read gives the same record again, byte for byte.
    QCOMPARE(recordOf(*read), bytes);
}

void TestPoint::airportRecordDropsPointFields()
{
    // A record of type AIRP with a terminal, a frequency and a waypoint type, as a foreign
    // writer might produce it: the reader still builds an Airport with terminal "*".
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const QGeoRectangle bounding(QGeoCoordinate(50.1, 8.5), QGeoCoordinate(50.0, 8.6));
    out << QStringLiteral("EDDF") << QGeoCoordinate(50.05, 8.55) << QStringLiteral("ENRT") << QStringLiteral("ED")
        << QStringLiteral("Frankfurt") << qint8(1) << qint16(364) << 123.45f << QStringLiteral("W   ") << QString()
        << QGeoShape(bounding) << quint32(1) << qint32(4) << 119.9f << QStringLiteral("Tower");

    const auto read = readRecord<Point>(bytes);
    auto *airport = qobject_cast<Airport *>(read.get());
    QVERIFY(airport);
    QCOMPARE(airport->terminal(), QStringLiteral("*"));
    QCOMPARE(airport->region(), QStringLiteral("ED"));
    QCOMPARE(airport->uid(), QStringLiteral("EDDF"));
    QCOMPARE(airport->frequencyText(), QStringLiteral("0MHz"));
    QCOMPARE(airport->waypointTypeText(), QString());
    QCOMPARE(airport->bounding(), bounding);
    QCOMPARE(airport->position(), QGeoCoordinate(50.05, 8.55));
    QCOMPARE(airport->elevation(), 364);
    QCOMPARE(airport->atcsOfType(4).size(), 1);
    QCOMPARE(airport->atcsOfType(4).first().name(), QStringLiteral("Tower"));
}

void TestPoint::truncatedRecordYieldsNothing()
{
    auto airport = std::make_unique<Airport>(QStringLiteral("LFPG"), QStringLiteral("Paris"), 392);
    airport->setPosition(QGeoCoordinate(49.0, 2.5),
                         QGeoRectangle(QGeoCoordinate(49.1, 2.4), QGeoCoordinate(48.9, 2.6)));
    airport->addAtc(0, 127.125f, QStringLiteral("ATIS"));
    airport->addAtc(4, 119.25f, QStringLiteral("Tower"));
    const auto fix = makePoint(Point::FIX, QStringLiteral("ABC"), QStringLiteral("ENRT"), QStringLiteral("LF"),
                               QStringLiteral("Fix"), QGeoCoordinate(1, 2), 0.0f, QStringLiteral("R   "));

    for (const Point *point : std::initializer_list<const Point *>{airport.get(), fix.get()}) {
        const QByteArray bytes = recordOf(*point);
        for (int length = 0; length < bytes.size(); ++length) {
            QDataStream::Status status;
            const auto read = readRecord<Point>(bytes.left(length), &status);
            QVERIFY2(!read, qPrintable(QStringLiteral("%1 cut at %2").arg(point->uid()).arg(length)));
            QVERIFY(status != QDataStream::Ok);
        }
        QVERIFY(readRecord<Point>(bytes));
    }
}

void TestPoint::corruptedAirportRecord_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("tail");
    // What follows the nine point fields of an airport record.
    QByteArray rectangle;
    {
        QDataStream out(&rectangle, QIODevice::WriteOnly);
        out << QGeoShape(QGeoRectangle(QGeoCoordinate(1, 1), QGeoCoordinate(0, 2)));
    }
    QTest::newRow("path shape with a huge count") << QByteArray::fromHex("00000002" "7fffffff");
    QTest::newRow("unknown shape type") << QByteArray::fromHex("00000009");
    QTest::newRow("huge ATC count, no entries") << rectangle + QByteArray::fromHex("7ffffff0");
    QTest::newRow("negative ATC count") << rectangle + QByteArray::fromHex("ffffffff");
    QTest::newRow("ATC count beyond its entries") << rectangle + QByteArray::fromHex("00000002" "00000004")
                                                       + QByteArray::fromHex("405d866660000000" "ffffffff");
    // clang-format on
}

void TestPoint::corruptedAirportRecord()
{
    QFETCH(QByteArray, tail);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QStringLiteral("EDDF") << QGeoCoordinate(50.05, 8.55) << QStringLiteral("*") << QStringLiteral("ED")
        << QStringLiteral("Frankfurt") << qint8(1) << qint16(364) << 0.0f << QString() << QString();
    bytes += tail;

    QDataStream::Status status;
    const auto read = readRecord<Point>(bytes, &status);
    QVERIFY(!read);
    QVERIFY(status != QDataStream::Ok);
}

void TestPoint::modelServesRoles()
{
    QList<Point *> points;
    points.append(makePoint(Point::AIRP, QStringLiteral("EDDF"), QStringLiteral("*"), QStringLiteral("*"),
                            QStringLiteral("Frankfurt"))
                      .release());
    points.append(makePoint(Point::VOR, QStringLiteral("FFM"), QStringLiteral("ENRT"), QStringLiteral("ED"),
                            QStringLiteral("Frankfurt"), QGeoCoordinate(50.05, 8.64), 114.2f)
                      .release());
    points.append(makePoint(Point::FIX, QStringLiteral("ABC"), QStringLiteral("ENRT"), QStringLiteral("ED"), QString())
                      .release());

    BaseModel<Point> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.beginReset();
    for (Point *point : points)
        model.add(point);
    model.endReset();

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.roleNames(), Point::roleNames());
    QCOMPARE(model.data(model.index(1), Point::RoleCode).toString(), QStringLiteral("FFM"));
    QCOMPARE(model.data(model.index(0), Point::RoleType).toInt(), int(Point::AIRP));
    QCOMPARE(model.data(model.index(2), BaseItem::UID).toString(), QStringLiteral("ED/ENRT/ABC"));
    QCOMPARE(model.find(QStringLiteral("ED/ENRT/FFM")), points.at(1));
    QVERIFY(!model.data(model.index(3), Point::RoleCode).isValid());
    QVERIFY(model.data(model.index(1), Point::RoleTooltip).toString().contains(QStringLiteral("114.2MHz")));

    model.beginReset();
    model.clear();
    model.endReset();
    qDeleteAll(points);
}

QTEST_GUILESS_MAIN(TestPoint)
#include "tst_point.moc"
