#include "airplane.h"
#include "planfixture.h"
#include "unit.h"
#include "waypoint.h"
#include "waypointtext.h"

#include <QScopeGuard>
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

    // A refused text changes nothing.
    void manualEdits_data()
    {
        // clang-format off
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("altitude");
        QTest::addColumn<int>("ias");
        const int alt = Waypoint::Altitude;
        const int spd = Waypoint::IndicatedAirSpeed;
        QTest::newRow("flight level with blank") << alt << "FL 350" << true << 35000 << 0;
        QTest::newRow("level in small letters") << alt << "fl 120" << true << 12000 << 0;
        QTest::newRow("feet") << alt << "4500ft" << true << 4500 << 0;
        QTest::newRow("feet in capitals") << alt << "4500 FT" << true << 4500 << 0;
        QTest::newRow("thousands grouped as the table shows them") << alt << "5,000ft" << true << 5000 << 0;
        QTest::newRow("empty clears") << alt << "" << true << -1 << 0;
        QTest::newRow("not a number") << alt << "high" << false << -1 << 0;
        QTest::newRow("flight level beyond 32 bits") << alt << "FL99999999" << false << -1 << 0;
        QTest::newRow("below sea level") << alt << "-1200" << true << -1200 << 0;
        QTest::newRow("minus one is no altitude") << alt << "-1" << false << -1 << 0;
        QTest::newRow("knots") << spd << "250 kts" << true << -1 << 250;
        QTest::newRow("knots rounded") << spd << "250.5" << true << -1 << 251;
        QTest::newRow("decimal comma") << spd << "250,5" << true << -1 << 251;
        QTest::newRow("mach") << spd << "M.78" << true << -1 << 516; // sea level: a = 661.5 kt, TAS 516 kt = IAS
        QTest::newRow("mach in small letters") << spd << "m.78" << true << -1 << 516;
        QTest::newRow("speed not a number") << spd << "fast" << false << -1 << 0;
        // On this waypoint without an altitude, as the speed texts the program writes.
        QTest::newRow("knots written short") << spd << "250 kt" << true << -1 << 250;
        QTest::newRow("the lowest airfields") << alt << "-1500ft" << true << -1500 << 0;
        // clang-format on
    }

    void manualEdits()
    {
        QFETCH(int, role);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, altitude);
        QFETCH(int, ias);
        Waypoint waypoint(m_fixture.fix(QStringLiteral("EDT"), 3, 3));
        QCOMPARE(waypoint.setData(role, text), accepted);
        QCOMPARE(waypoint.storedAltitude(), altitude);
        QCOMPARE(waypoint.altitude(), altitude == -1 ? 0 : altitude);
        QCOMPARE(waypoint.ias(), ias);
    }

    // For an airplane with ceiling FL390 and at most 450 kts TAS: M0.78 at FL390, where sound
    // travels at 573.8 kts.
    void typedTexts_data()
    {
        // clang-format off
        QTest::addColumn<bool>("speed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        // The interface language, the C locale where empty.
        QTest::addColumn<QString>("language");
        QTest::newRow("level in small letters") << false << "fl 120" << "FL120" << "" << "";
        QTest::newRow("level") << false << "FL120" << "FL120" << "" << "";
        QTest::newRow("feet") << false << "4500" << "4500ft" << "" << "";
        QTest::newRow("emptied") << false << " " << "" << "" << "";
        QTest::newRow("-1") << false << "-1 ft" << "" << "-1ft means no altitude: empty the field" << "";
        QTest::newRow("above the ceiling") << false << "FL391" << "" << "Above the ceiling FL390" << "";
        QTest::newRow("below the lowest airfields") << false << "-1501" << "" << "Below -1500ft" << "";
        QTest::newRow("altitude garbage") << false << "FL12x" << "" << "Not an altitude: 1500ft or FL300" << "";
        QTest::newRow("mach in small letters") << true << "m.78" << "M0.78" << "" << "";
        QTest::newRow("mach, decimal comma") << true << "M0,78" << "M0.78" << "" << "";
        QTest::newRow("mach beyond") << true << "M.79" << "" << "Above the top speed M0.78" << "";
        QTest::newRow("mach 0") << true << "M0" << "" << "Not a speed: 180kts or M0.78" << "";
        QTest::newRow("knots") << true << "250 KTS" << "250kts" << "" << "";
        QTest::newRow("a few knots") << true << "5.5" << "" << "Below 6kts" << "";
        QTest::newRow("above the top speed") << true << "450.5kts" << "" << "Above the top speed 450kts" << "";
        QTest::newRow("speed garbage") << true << "fast" << "" << "Not a speed: 180kts or M0.78" << "";
        // Read as the number boxes read them: any mark groups by three, the last one is a decimal
        // point where it is the language's or before one or two digits; two kinds of marks in
        // the groups are no number. Knots as the program writes them, whole as the plan keeps them.
        QTest::newRow("knots written short") << true << "250 kt" << "250kts" << "" << "";
        QTest::newRow("German decimal comma") << true << "250,125" << "250kts" << "" << "de";
        QTest::newRow("German thousand knots") << true << "1.000" << "" << "Above the top speed 450kts" << "de";
        QTest::newRow("speed, two kinds of marks") << true << "1,234 567" << "" << "Not a speed: 180kts or M0.78" << "";
        QTest::newRow("altitude grouped by apostrophes") << false << "12'000" << "12000ft" << "" << "";
        QTest::newRow("German altitude") << false << "12.000 ft" << "12000ft" << "" << "de";
        QTest::newRow("English decimal point") << false << "12.000" << "12ft" << "" << "";
        QTest::newRow("the lowest airfields") << false << "-1,500 ft" << "-1500ft" << "" << "";
        // clang-format on
    }

    void typedTexts()
    {
        QFETCH(bool, speed);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, language);
        Unit::setInterfaceLocale(language.isEmpty() ? QLocale::c() : QLocale(language));
        const auto restore = qScopeGuard([] { Unit::setInterfaceLocale(QLocale::c()); });
        Airplane airplane;
        airplane.ceilinglvl = 390;
        airplane.maxcruisetas = 450;
        const auto reading = speed ? WaypointText::speed(typed, airplane) : WaypointText::altitude(typed, airplane);
        QCOMPARE(reading.text, text);
        QCOMPARE(reading.message, message);
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
