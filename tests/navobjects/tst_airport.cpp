#include "airport.h"
#include "atc.h"
#include "database.h"
#include "runway.h"
#include "settings.h"
#include "testsupport.h"

#include <QDataStream>
#include <QGeoRectangle>
#include <QtTest>

#include <memory>

using TestSupport::readRecord;
using TestSupport::recordOf;

namespace {

QStringList names(const QList<Atc> &atcs)
{
    QStringList result;
    for (const Atc &atc : atcs)
        result.append(atc.name());
    return result;
}

} // namespace

class TestAirport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void fourLetterCode_data();
    void fourLetterCode();
    void constructorInvariants();
    void uidStaysTheBareCode();
    void setPosition();
    void atcTypeText_data();
    void atcTypeText();
    void atcFrequencyText_data();
    void atcFrequencyText();
    void atcCopiesAreIndependent();
    void atcRecordBytes();
    void atcRoundTrip_data();
    void atcRoundTrip();
    void atcsOfTypeKeepOrder();
    void airportRecordRoundTrip_data();
    void airportRecordRoundTrip();
    void emptyAtcListRecord();
    void failedAtcEntryYieldsNoAirport();
    void runwayQueries();
};

void TestAirport::fourLetterCode_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("expected");
    QTest::newRow("EDDF") << "EDDF" << true;
    QTest::newRow("kjfk") << "kjfk" << true;
    QTest::newRow("mixed case") << "KjFk" << true;
    QTest::newRow("three letters") << "JFK" << false;
    QTest::newRow("five letters") << "EDDFX" << false;
    QTest::newRow("digit") << "ED1F" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "ED F" << false;
    QTest::newRow("accented letters") << QStringLiteral("\u00c9\u00e7\u00f1\u00fc") << true;
    // clang-format on
}

void TestAirport::fourLetterCode()
{
    QFETCH(QString, code);
    QTEST(Airport::isFourLetterCode(code), "expected");
    // The point's zoom rule follows the same test.
    QFETCH(bool, expected);
    QCOMPARE(Point::minZoomFor(Point::AIRP, code), expected ? 6.0 : 10.0);
}

void TestAirport::constructorInvariants()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt Main"), 364);
    QCOMPARE(airport.type(), int(Point::AIRP));
    QCOMPARE(airport.terminal(), QStringLiteral("*"));
    QCOMPARE(airport.region(), QStringLiteral("*"));
    QVERIFY(!airport.position().isValid());
    QCOMPARE(airport.frequencyText(), QStringLiteral("0MHz"));
    QCOMPARE(airport.waypointTypeText(), QString());
    QCOMPARE(airport.description(), QStringLiteral("Frankfurt Main"));
    QCOMPARE(airport.search(), QStringLiteral("eddf * * frankfurt main"));
    QCOMPARE(airport.elevation(), 364);
    for (int type = -1; type <= 7; ++type)
        QVERIFY(airport.atcsOfType(type).isEmpty());
}

void TestAirport::uidStaysTheBareCode()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    QCOMPARE(airport.uid(), QStringLiteral("EDDF"));
    QCOMPARE(Airport::uidForCode(QStringLiteral("EDDF")), QStringLiteral("EDDF"));

    airport.setRegion(QStringLiteral("ED"));
    QCOMPARE(airport.region(), QStringLiteral("ED"));
    QCOMPARE(airport.uid(), QStringLiteral("EDDF"));
    QCOMPARE(airport.search(), QStringLiteral("eddf * * frankfurt"));

    airport.setIcaoCode(QStringLiteral("EDDX"));
    QCOMPARE(airport.code(), QStringLiteral("EDDX"));
    QCOMPARE(airport.uid(), QStringLiteral("EDDX"));
}

void TestAirport::setPosition()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    const QGeoCoordinate position(50.0333, 8.5706);
    const QGeoRectangle bounding(QGeoCoordinate(50.05, 8.52), QGeoCoordinate(50.01, 8.60));
    airport.setPosition(position, bounding);
    QCOMPARE(airport.position(), position);
    QCOMPARE(airport.bounding(), bounding);
    QCOMPARE(airport.data(Point::RolePosition).value<QGeoCoordinate>(), position);
    QCOMPARE(airport.data(BaseItem::Bounding).value<QGeoRectangle>(), bounding);
}

void TestAirport::atcTypeText_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "AWOS, ASOS, ATIS";
    QTest::newRow("1") << 1 << "Unicom, CTAF, Radio";
    QTest::newRow("2") << 2 << "Clearance delivery";
    QTest::newRow("3") << 3 << "Ground";
    QTest::newRow("4") << 4 << "Tower";
    QTest::newRow("5") << 5 << "Approach";
    QTest::newRow("6") << 6 << "Departure";
    QTest::newRow("7") << 7 << "Unknown ATC type";
    QTest::newRow("-1") << -1 << "Unknown ATC type";
    // clang-format on
}

void TestAirport::atcTypeText()
{
    QFETCH(int, type);
    QTEST(Atc::typeToString(type), "text");
    QTEST(Atc(type, 118.0f, QStringLiteral("X")).typeText(), "text");
}

void TestAirport::atcFrequencyText_data()
{
    // clang-format off
    QTest::addColumn<float>("frequency");
    QTest::addColumn<QString>("text");
    QTest::newRow("118.1") << 118.1f << "118.1MHz";
    QTest::newRow("121.725") << 121.725f << "121.725MHz";
    QTest::newRow("whole") << 122.0f << "122MHz";
    QTest::newRow("8.33 spacing") << 132.105f << "132.105MHz";
    // clang-format on
}

void TestAirport::atcFrequencyText()
{
    QFETCH(float, frequency);
    QTEST(Atc(4, frequency, QStringLiteral("Tower")).frequencyText(), "text");
}

void TestAirport::atcCopiesAreIndependent()
{
    const Atc defaultMade;
    QCOMPARE(defaultMade.type(), -1);
    QCOMPARE(defaultMade.frequency(), 0.0f);
    QVERIFY(defaultMade.name().isEmpty());
    QCOMPARE(defaultMade.typeText(), QStringLiteral("Unknown ATC type"));

    QObject owner;
    Atc source(4, 118.1f, QStringLiteral("Tower"));
    source.setParent(&owner);
    Atc copy(source);
    QCOMPARE(copy.parent(), nullptr);
    QVERIFY(&copy != &source);
    QCOMPARE(copy.type(), 4);
    QCOMPARE(copy.frequency(), 118.1f);
    QCOMPARE(copy.name(), QStringLiteral("Tower"));

    copy = Atc(3, 121.9f, QStringLiteral("Ground"));
    QCOMPARE(copy.parent(), nullptr);
    QCOMPARE(source.type(), 4);
    QCOMPARE(source.name(), QStringLiteral("Tower"));
    QCOMPARE(source.parent(), &owner);
    source.setParent(nullptr);
}

void TestAirport::atcRecordBytes()
{
    // qint32 type, the float as an 8-byte double, then the name in UTF-16.
    // clang-format off
    const QByteArray expected = QByteArray::fromHex("00000004" "405d866660000000" "0000000a" "0054006f007700650072");
    // clang-format on
    QCOMPARE(recordOf(Atc(4, 118.1f, QStringLiteral("Tower"))).toHex(), expected.toHex());
}

void TestAirport::atcRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<QString>("name");
    QTest::newRow("tower") << 4 << 118.1f << QStringLiteral("Frankfurt Tower");
    QTest::newRow("null name") << 0 << 127.125f << QString();
    QTest::newRow("empty name") << 1 << 122.8f << QStringLiteral("");
    QTest::newRow("unicode") << 5 << 119.0f << QStringLiteral("M\u00fcnchen Radar");
    QTest::newRow("out-of-range type") << 99 << 0.0f << QStringLiteral("X");
    // clang-format on
}

void TestAirport::atcRoundTrip()
{
    QFETCH(int, type);
    QFETCH(float, frequency);
    QFETCH(QString, name);
    const QByteArray bytes = recordOf(Atc(type, frequency, name));
    QDataStream in(bytes);
    Atc read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read.type(), type);
    QCOMPARE(read.frequency(), frequency);
    QCOMPARE(read.name(), name);
    QCOMPARE(read.name().isNull(), name.isNull());
}

void TestAirport::atcsOfTypeKeepOrder()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    airport.addAtc(4, 119.9f, QStringLiteral("Tower 1"));
    airport.addAtc(3, 121.9f, QStringLiteral("Ground"));
    airport.addAtc(4, 124.85f, QStringLiteral("Tower 2"));
    airport.addAtc(4, 118.775f, QStringLiteral("Tower 3"));
    QCOMPARE(names(airport.atcsOfType(4)),
             QStringList({QStringLiteral("Tower 1"), QStringLiteral("Tower 2"), QStringLiteral("Tower 3")}));
    QCOMPARE(names(airport.atcsOfType(3)), QStringList({QStringLiteral("Ground")}));
    QVERIFY(airport.atcsOfType(0).isEmpty());
    QCOMPARE(airport.atcsOfType(4).at(1).frequency(), 124.85f);
}

void TestAirport::airportRecordRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<int>("atcCount");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("seven") << 7;
    QTest::newRow("a hundred") << 100;
    // clang-format on
}

void TestAirport::airportRecordRoundTrip()
{
    QFETCH(int, atcCount);
    Airport airport(QStringLiteral("KSFO"), QStringLiteral("San Francisco Intl"), 13);
    airport.setPosition(QGeoCoordinate(37.6188, -122.375),
                        QGeoRectangle(QGeoCoordinate(37.64, -122.40), QGeoCoordinate(37.60, -122.35)));
    airport.setRegion(QStringLiteral("K2"));
    for (int i = 0; i < atcCount; ++i)
        airport.addAtc(i % 8 - 1, 118.0f + i * 0.025f, QStringLiteral("Facility %1").arg(i));

    const QByteArray bytes = recordOf(airport);
    QDataStream::Status status;
    const auto read = readRecord<Point>(bytes, &status);
    QCOMPARE(status, QDataStream::Ok);
    auto *copy = qobject_cast<Airport *>(read.get());
    QVERIFY(copy);
    QCOMPARE(copy->uid(), QStringLiteral("KSFO"));
    QCOMPARE(copy->region(), QStringLiteral("K2"));
    QCOMPARE(copy->position(), airport.position());
    QCOMPARE(copy->bounding(), airport.bounding());
    QCOMPARE(copy->search(), airport.search());
    for (int type = -1; type <= 7; ++type) {
        const QList<Atc> expected = airport.atcsOfType(type);
        const QList<Atc> actual = copy->atcsOfType(type);
        QCOMPARE(names(actual), names(expected));
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(actual.at(i).frequency(), expected.at(i).frequency());
    }
    QCOMPARE(recordOf(*copy), bytes);
}

void TestAirport::emptyAtcListRecord()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    airport.setPosition(QGeoCoordinate(50.03, 8.57),
                        QGeoRectangle(QGeoCoordinate(50.05, 8.52), QGeoCoordinate(50.01, 8.6)));
    const QByteArray bytes = recordOf(airport);
    // The record ends with the bounding rectangle (shape type 1, two coordinates) and a zero count.
    QVERIFY(bytes.endsWith(QByteArray::fromHex("00000000")));
    QCOMPARE(bytes.mid(bytes.size() - 4 - 48 - 4, 4).toHex(), QByteArray("00000001"));
    QDataStream in(bytes);
    Point *point = nullptr;
    in >> point;
    std::unique_ptr<Point> owned(point);
    QVERIFY(in.atEnd());
    for (int type = -1; type <= 7; ++type)
        QVERIFY(static_cast<Airport *>(point)->atcsOfType(type).isEmpty());
}

void TestAirport::failedAtcEntryYieldsNoAirport()
{
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    airport.addAtc(4, 119.9f, QStringLiteral("Tower"));
    airport.addAtc(3, 121.9f, QStringLiteral("Ground"));
    const QByteArray bytes = recordOf(airport);
    // Cut inside the name of the second entry.
    QDataStream::Status status;
    QVERIFY(!readRecord<Point>(bytes.left(bytes.size() - 3), &status));
    QCOMPARE(status, QDataStream::ReadPastEnd);
}

void TestAirport::runwayQueries()
{
    Settings settings;
    Database database;
    auto *airport = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    airport->setPosition(QGeoCoordinate(50.03, 8.57),
                         QGeoRectangle(QGeoCoordinate(50.05, 8.52), QGeoCoordinate(50.01, 8.6)));
    auto *small = new Airport(QStringLiteral("EDFE"), QStringLiteral("Egelsbach"), 384);
    auto *bare = new Airport(QStringLiteral("EDXX"), QStringLiteral("Nothing"), 0);
    database.addPoint(airport);
    database.addPoint(small);
    database.addPoint(bare);

    // 4000 m of concrete, and a short asphalt strip with an unnamed end.
    const QGeoCoordinate west(50.0325, 8.5346);
    database.addRunway(new Runway(QStringLiteral("EDDF"), west, QStringLiteral("07C"), 0.0f,
                                  west.atDistanceAndAzimuth(4000.0, 70.0), QStringLiteral("25C"), 0.0f, 60.0f, 2, 1,
                                  1));
    const QGeoCoordinate strip(49.96, 8.64);
    database.addRunway(new Runway(QStringLiteral("EDFE"), strip, QStringLiteral("09"), 0.0f,
                                  strip.atDistanceAndAzimuth(900.0, 90.0), QString(), 0.0f, 20.0f, 1, 0, 0));

    QVERIFY(airport->hasRunwayEnd(QStringLiteral("07C")));
    QVERIFY(airport->hasRunwayEnd(QStringLiteral("25C")));
    QVERIFY(!airport->hasRunwayEnd(QStringLiteral("RW25C")));
    QVERIFY(!airport->hasRunwayEnd(QStringLiteral("25c")));
    QVERIFY(!airport->hasRunwayEnd(QString()));
    QVERIFY(small->hasRunwayEnd(QStringLiteral("09")));
    // An end without a name is never matched by the empty name.
    QVERIFY(!small->hasRunwayEnd(QString()));

    QVERIFY(airport->hasHardLongRunway());
    QVERIFY(!small->hasHardLongRunway());
    QVERIFY(!bare->hasHardLongRunway());
    QVERIFY(!bare->hasRunwayEnd(QStringLiteral("09")));
}

QTEST_GUILESS_MAIN(TestAirport)
#include "tst_airport.moc"
