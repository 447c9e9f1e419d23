#include "planfixture.h"
#include "unit.h"
#include "waypoint.h"

#include <QTest>

class TstWaypoint : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;

    Point *coordPoint(double latitude, double longitude)
    {
        return new Point(Point::COORD, QGeoCoordinate(latitude, longitude), QStringLiteral("x"), QStringLiteral("*"),
                         QStringLiteral("*"), QStringLiteral("GPS point"), 0, 0.0f, QString());
    }

private slots:
    void initTestCase() { m_fixture.setUp(); }
    void cleanupTestCase() { m_fixture.tearDown(); }

    void coordinateCode_data()
    {
        // clang-format off
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("code");
        QTest::newRow("north west") << 45.5 << -73.25 << "455000N0732500W";
        QTest::newRow("south, zero longitude is west") << -5.25 << 0.0 << "052500S0000000W";
        QTest::newRow("east") << 1.00005 << 153.02789 << "010001N1530279E";
        QTest::newRow("extremes") << -90.0 << 180.0 << "900000S1800000E";
        // clang-format on
    }

    void coordinateCode()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, code);
        std::unique_ptr<Point> point(coordPoint(latitude, longitude));
        Waypoint waypoint(point.get());
        QCOMPARE(waypoint.code(), code);
        QCOMPARE(waypoint.rawCode(), QStringLiteral("COORD"));
    }

    void coordinateTexts()
    {
        std::unique_ptr<Point> point(coordPoint(-27.46758, 153.02789));
        Waypoint waypoint(point.get());
        QCOMPARE(waypoint.latitudeShort(), QStringLiteral("27.46758S"));
        QCOMPARE(waypoint.longitudeShort(), QStringLiteral(" 153.02789E"));
        QCOMPARE(waypoint.latitudeShortRte(), QStringLiteral("S 27.46758"));
        QCOMPARE(waypoint.longitudeShortRte(), QStringLiteral("E 153.02789"));
    }

    void constrainedAltitude_data()
    {
        // clang-format off
        QTest::addColumn<int>("minAltitude");
        QTest::addColumn<int>("maxAltitude");
        QTest::addColumn<int>("nextMin");
        QTest::addColumn<int>("nextMax");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("stored");
        QTest::newRow("below max") << -1 << 10000 << -1 << -1 << 3 << 12000 << 10000;
        QTest::newRow("above min") << 14000 << -1 << -1 << -1 << 3 << 12000 << 14000;
        QTest::newRow("both: max tested last") << 14000 << 10000 << -1 << -1 << 3 << 12000 << 10000;
        QTest::newRow("climb under next max") << -1 << -1 << -1 << 8000 << 2 << 12000 << 8000;
        QTest::newRow("initial climb under next max") << -1 << -1 << -1 << 8000 << 1 << 12000 << 8000;
        QTest::newRow("cruise ignores next") << -1 << -1 << -1 << 8000 << 3 << 12000 << 12000;
        QTest::newRow("descent over next min") << -1 << -1 << 14000 << -1 << 4 << 12000 << 14000;
        QTest::newRow("own max wins over next") << -1 << 13000 << -1 << 8000 << 2 << 12000 << 12000;
        QTest::newRow("free") << -1 << -1 << -1 << -1 << 2 << 12000 << 12000;
        // clang-format on
    }

    void constrainedAltitude()
    {
        QFETCH(int, minAltitude);
        QFETCH(int, maxAltitude);
        QFETCH(int, nextMin);
        QFETCH(int, nextMax);
        QFETCH(int, phase);
        QFETCH(int, requested);
        QFETCH(int, stored);
        Point *a = m_fixture.fix(QStringLiteral("CAA"), 1, 1);
        Point *b = m_fixture.fix(QStringLiteral("CAB"), 1, 2);
        Waypoint waypoint(a);
        Waypoint next(b);
        LinkedItem::setNext(&waypoint, &next);
        LinkedItem::setPrevious(&next, &waypoint);
        waypoint.setMinAltitude(minAltitude);
        waypoint.setMaxAltitude(maxAltitude);
        next.setMinAltitude(nextMin);
        next.setMaxAltitude(nextMax);
        waypoint.setPhase(phase);
        waypoint.setAltitude(requested, true);
        QCOMPARE(waypoint.storedAltitude(), stored);
        waypoint.setAltitude(requested, false);
        QCOMPARE(waypoint.storedAltitude(), requested);
    }

    void speeds_data()
    {
        // clang-format off
        QTest::addColumn<double>("speed");
        QTest::addColumn<bool>("limited");
        QTest::addColumn<int>("maxIas");
        QTest::addColumn<int>("ias");
        QTest::newRow("knots limited") << 280.5 << true << 250 << 250;
        QTest::newRow("knots without limit set") << 280.5 << true << 0 << 281;
        QTest::newRow("knots not limited") << 280.5 << false << 250 << 281;
        QTest::newRow("mach") << 0.78 << false << 0 << 250; // ISA at FL350: a = 576.4 kt, TAS 450 kt, sqrt(sigma) = 0.5567
        // clang-format on
    }

    void speeds()
    {
        QFETCH(double, speed);
        QFETCH(bool, limited);
        QFETCH(int, maxIas);
        QFETCH(int, ias);
        Waypoint waypoint(m_fixture.fix(QStringLiteral("SPD"), 2, 2));
        waypoint.setAltitude(35000, false);
        waypoint.setMaxIas(maxIas);
        waypoint.setIas(speed, limited);
        QCOMPARE(waypoint.ias(), ias);
    }

    void manualEdits_data()
    {
        // clang-format off
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("altitude");
        QTest::addColumn<int>("ias");
        const int alt = Waypoint::Altitude;
        const int spd = Waypoint::IndicatedAirSpeed;
        QTest::newRow("flight level with blank") << alt << "FL 350" << 35000 << 0;
        QTest::newRow("feet") << alt << "4500ft" << 4500 << 0;
        QTest::newRow("feet in capitals") << alt << "4500 FT" << 4500 << 0;
        QTest::newRow("thousands comma") << alt << "5,000" << 0 << 0;
        QTest::newRow("empty clears") << alt << "" << -1 << 0;
        QTest::newRow("not a number") << alt << "high" << 0 << 0;
        QTest::newRow("flight level beyond 32 bits") << alt << "FL99999999" << 0 << 0;
        QTest::newRow("below sea level") << alt << "-1200" << -1200 << 0;
        QTest::newRow("knots") << spd << "250 kts" << -1 << 250;
        QTest::newRow("knots rounded") << spd << "250.5" << -1 << 251;
        QTest::newRow("decimal comma") << spd << "250,5" << -1 << 251;
        QTest::newRow("mach") << spd << "M.78" << -1 << 516; // sea level: a = 661.5 kt, TAS 516 kt = IAS
        QTest::newRow("not a number is mach 0") << spd << "fast" << -1 << 0;
        // clang-format on
    }

    void manualEdits()
    {
        QFETCH(int, role);
        QFETCH(QString, text);
        QFETCH(int, altitude);
        QFETCH(int, ias);
        Waypoint waypoint(m_fixture.fix(QStringLiteral("EDT"), 3, 3));
        QVERIFY(waypoint.setData(role, text));
        QCOMPARE(waypoint.storedAltitude(), altitude);
        QCOMPARE(waypoint.altitude(), altitude == -1 ? 0 : altitude);
        QCOMPARE(waypoint.ias(), ias);
    }

    void commentKeepsBlanksAndOtherRolesRefused()
    {
        Waypoint waypoint(m_fixture.fix(QStringLiteral("CMT"), 3, 4));
        QVERIFY(waypoint.setData(Waypoint::Comment, QStringLiteral("a, b")));
        QCOMPARE(waypoint.comment(), QStringLiteral("a, b"));
        QVERIFY(!waypoint.setData(Waypoint::RunwayEnd, QStringLiteral("09")));
        QVERIFY(!waypoint.setData(Waypoint::HeadingToNext, QStringLiteral("90")));
    }

    void unsetAltitudeReadsZero()
    {
        Waypoint waypoint(m_fixture.fix(QStringLiteral("UNS"), 3, 5));
        QCOMPARE(waypoint.storedAltitude(), -1);
        QCOMPARE(waypoint.altitude(), 0);
        QCOMPARE(waypoint.level(), 0);
        QCOMPARE(waypoint.data(Waypoint::Altitude).toString(), QString());
        waypoint.setAltitude(35050, false);
        QCOMPARE(waypoint.level(), 351);
    }

    void copyKeepsLinksAndValues()
    {
        Point *a = m_fixture.fix(QStringLiteral("CPA"), 4, 1);
        Point *b = m_fixture.fix(QStringLiteral("CPB"), 4, 2);
        Waypoint first(a);
        Waypoint second(b);
        LinkedItem::setNext(&first, &second);
        LinkedItem::setPrevious(&second, &first);
        first.setAltitude(12000, false);
        first.setIas(250, false);
        first.setComment(QStringLiteral("note"));
        first.setMaxIas(230);
        first.compute(nullptr, nullptr, nullptr, 450);
        QVERIFY(first.airPressure() != 0.0);

        Waypoint copy(&first);
        QCOMPARE(copy.nextWaypoint(), &second);
        QVERIFY(copy.isFirst());
        QVERIFY(copy.samePoint(&first));
        QCOMPARE(copy.storedAltitude(), 12000);
        QCOMPARE(copy.comment(), QStringLiteral("note"));
        QCOMPARE(copy.maxIas(), 230);
        QCOMPARE(copy.distanceToNext(), first.distanceToNext());
        QCOMPARE(copy.timeToNext(), first.timeToNext());
        QCOMPARE(copy.airPressure(), 0.0);
    }

    void airwayTexts()
    {
        Point *a = m_fixture.fix(QStringLiteral("AWA"), 5, 1);
        Point *b = m_fixture.fix(QStringLiteral("AWB"), 5, 2);
        Segment track(Segment::FORWARD, Segment::TRACK, a, b, QStringLiteral("NATA"), 0, 0);
        Segment high(Segment::NONE, Segment::HIGH, a, b, QStringLiteral("UL9"), 0, 0);
        Waypoint waypoint(a);
        Waypoint next(b);
        LinkedItem::setNext(&waypoint, &next);
        LinkedItem::setPrevious(&next, &waypoint);
        QCOMPARE(waypoint.airwayText(), QString());
        waypoint.setAirway(&track);
        QCOMPARE(waypoint.airwayText(), QStringLiteral("DRCT"));
        QCOMPARE(waypoint.route(), QStringLiteral("NATA"));
        QCOMPARE(next.inAirway(), QStringLiteral("DRCT"));
        waypoint.setAirway(&high);
        QCOMPARE(waypoint.airwayText(), QStringLiteral("UL9"));
        QCOMPARE(waypoint.data(Waypoint::Airway).toString(), QStringLiteral("UL9"));
        QCOMPARE(next.nextCode(), QString());
        QCOMPARE(waypoint.nextCode(), QStringLiteral("AWB"));
    }

    void rolesAnswerThroughThePoint()
    {
        Point *a = m_fixture.fix(QStringLiteral("ROL"), 6, 1);
        Waypoint waypoint(a);
        QCOMPARE(waypoint.data(Point::RoleCode), a->data(Point::RoleCode));
        const QHash<int, QByteArray> names = Waypoint::roleNames();
        QCOMPARE(names.keys(QByteArray("role_tooltip")), QList<int>{Waypoint::ToolTip});
        QCOMPARE(names.value(Waypoint::Altitude), QByteArray("role_altitude"));
        QCOMPARE(names.value(Waypoint::Path), QByteArray("role_path"));
        QCOMPARE(int(Waypoint::Altitude), 10551295);
        QCOMPARE(int(Waypoint::Path), 10551322);
    }

    void altitudeIcon_data()
    {
        // clang-format off
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("icon");
        QTest::newRow("none") << 0 << "";
        QTest::newRow("initial") << 1 << "qrc:/icon/fainspired/climb.svg";
        QTest::newRow("cruise") << 3 << "qrc:/icon/fainspired/cruise.svg";
        QTest::newRow("approach") << 5 << "qrc:/icon/fainspired/descent.svg";
        // clang-format on
    }

    void altitudeIcon()
    {
        QFETCH(int, phase);
        QFETCH(QString, icon);
        Waypoint waypoint(m_fixture.fix(QStringLiteral("ICN"), 7, 1));
        waypoint.setPhase(phase);
        QCOMPARE(waypoint.altitudeIcon(), icon);
    }
};

QTEST_MAIN(TstWaypoint)
#include "tst_waypoint.moc"
