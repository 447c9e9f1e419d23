#include <QtTest>

#include <QElapsedTimer>
#include <cmath>
#include <memory>
#include <tuple>

#include "airplanelistmodel.h"
#include "settings.h"
#include "testsupport.h"
#include "unit.h"

class TstUnit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::initApplication();
        m_settings = std::make_unique<Settings>();
        m_airplanes = std::make_unique<AirplaneListModel>();
    }

    void init()
    {
        m_settings->clear();
        m_airplanes->setAirplanes({});
    }

    void cleanupTestCase()
    {
        m_airplanes.reset();
        m_settings.reset();
    }

    void plainConversions_data()
    {
        // clang-format off
        QTest::addColumn<double>("actual");
        QTest::addColumn<double>("expected");
        QTest::newRow("altitude to level truncates") << double(Unit::convertAltitudeToLevel(-150)) << -1.0;
        QTest::newRow("level 350") << double(Unit::convertLevelToAltitude(350)) << 35000.0;
        QTest::newRow("absurd level saturates") << double(Unit::convertLevelToAltitude(INT_MAX)) << double(INT_MAX);
        QTest::newRow("1852 m") << Unit::convertMeterToNm(1852.0) << 1.0;
        QTest::newRow("1000 ft in m") << Unit::convertFeetToMeter(1000.0) << 304.8;
        QTest::newRow("kerosene 1000 L") << Unit::convertVolumeToMass(1000.0, 0) << 802.837;
        QTest::newRow("avgas 718.958 kg") << Unit::convertMassToVolume(718.958, 1) << 1000.0;
        QTest::newRow("unknown fuel type") << Unit::convertMassToVolume(1000.0, 2) << 0.0;
        QTest::newRow("fuel unit to mass") << Unit::convertFuelUnit(1000.0, 0, 0) << 802.837;
        QTest::newRow("fuel unit any non-zero is volume") << Unit::convertFuelUnit(802.837, 7, 0) << 1000.0;
        QTest::newRow("1000 kg in lbs") << Unit::fromStorableMass(1000.0, 1) << 2204.6244201837776;
        QTest::newRow("lbs back to kg") << Unit::toStorableMass(2204.6244201837776, 1) << 1000.0;
        QTest::newRow("kg stay kg") << Unit::fromStorableMass(1000.0, 0) << 1000.0;
        QTest::newRow("any non-zero volume unit is gal") << Unit::fromStorableVolume(3.78541, -1) << 1.0;
        QTest::newRow("gal to storage") << Unit::toStorableVolume(1.0, 1) << 3.78541;
        QTest::newRow("kerosene kg to L") << Unit::fromStorableFuel(802.837, 0, 1, 0) << 1000.0;
        QTest::newRow("kerosene kg to gal") << Unit::fromStorableFuel(802.837, 0, 1, 1) << 264.172176857989;
        QTest::newRow("volume unit -1 counts as gal") << Unit::fromStorableFuel(802.837, 0, 1, -1) << 264.172176857989;
        QTest::newRow("unknown fuel type to volume") << Unit::fromStorableFuel(802.837, 2, 1, 0) << 0.0;
        QTest::newRow("mass fuel in lbs") << Unit::fromStorableFuel(1000.0, 0, 0, 1) << 2204.6244201837776;
        QTest::newRow("gal back to kg") << Unit::toStorableFuel(264.172176857989, 0, 1, 1) << 802.837;
        QTest::newRow("L back to kg") << Unit::toStorableFuel(1000.0, 1, 1, 0) << 718.958;
        // clang-format on
    }

    void plainConversions()
    {
        QFETCH(double, actual);
        QFETCH(double, expected);
        if (expected == 0.0)
            QCOMPARE(actual, 0.0);
        else
            QVERIFY2(std::abs(actual - expected) <= 1e-9 * std::abs(expected),
                     qPrintable(QString::number(actual, 'g', 17)));
    }

    void storableMassFollowsPreference()
    {
        QCOMPARE(Unit::fromStorableMass(1000.0), 1000.0);
        QCOMPARE(Unit::massUnitToString(), QStringLiteral("kg"));
        Settings::setInt(QStringLiteral("units/mass"), 1);
        QCOMPARE(Unit::fromStorableMass(1000.0), 2204.6244201837776);
        QCOMPARE(Unit::toStorableMass(2204.6244201837776), 1000.0);
        QCOMPARE(Unit::massUnitToString(), QStringLiteral("lbs"));
        QCOMPARE(Unit::fromStorableFuel(1000.0, 0, 0, -1), 2204.6244201837776);
    }

    void unitNames_data()
    {
        // clang-format off
        QTest::addColumn<int>("volumePreference");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mass 5") << 0 << Unit::massUnitToString(5) << "lbs";
        QTest::newRow("volume -1") << 0 << Unit::volumeUnitToString(-1) << "gal";
        QTest::newRow("fuel type 2 as mass") << 0 << Unit::fuelUnitToString(2, 0) << "kg";
        QTest::newRow("fuel volume litres") << 0 << Unit::fuelUnitToString(1, 0) << "L";
        // clang-format on
    }

    void unitNames()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void fuelUnitNameReadsVolumePreference()
    {
        QCOMPARE(Unit::fuelUnitToString(1), QStringLiteral("L"));
        Settings::setInt(QStringLiteral("units/volume"), 1);
        QCOMPARE(Unit::fuelUnitToString(1), QStringLiteral("gal"));
        QCOMPARE(Unit::fuelUnitToString(0), QStringLiteral("kg"));
    }

    void temperature_data()
    {
        // clang-format off
        QTest::addColumn<int>("altitude");
        QTest::addColumn<double>("celsius");
        QTest::newRow("sea level") << 0 << 14.961111111111112;
        QTest::newRow("top of lowest layer") << 36152 << -56.539511111111111;
        QTest::newRow("tropopause") << 36153 << -56.49444444444444;
        QTest::newRow("top of isothermal layer") << 82345 << -56.49444444444444;
        QTest::newRow("upper isothermal layer") << 160000 << 9.51;
        QTest::newRow("top of the model") << 262448 << -109.95910320000002;
        QTest::newRow("above the model") << 262449 << -274.0;
        QTest::newRow("altitude marker") << -1 << -274.0;
        // Airports below sea level sit in the lowest layer, a little warmer than at 0 ft.
        QTest::newRow("1000 ft below sea level") << -1000 << 16.93888888888889;
        QTest::newRow("lowest altitude of the model") << Unit::lowestAltitude << 47.404577777777774;
        QTest::newRow("below the model") << Unit::lowestAltitude - 1 << -274.0;
        // clang-format on
    }

    void temperature()
    {
        QFETCH(int, altitude);
        QFETCH(double, celsius);
        const double actual = Unit::temperature(altitude);
        QVERIFY2(std::abs(actual - celsius) < 1e-6, qPrintable(QString::number(actual, 'g', 17)));
    }

    void atmosphere()
    {
        QCOMPARE(Unit::temperature(0), 14.961111111111112);
        QCOMPARE(Unit::temperature(36153), -56.49444444444444);
        QVERIFY(std::abs(Unit::machspeed(0) - 661.71) < 0.01);
        QCOMPARE(Unit::machspeed(40000), 573.8169751814987);
        QCOMPARE(Unit::machspeed(262448), 0.0);
        QCOMPARE(Unit::machspeed(262449), 0.0);
        QVERIFY(Unit::machspeed(-1000) > Unit::machspeed(0));
        QCOMPARE(Unit::factorIasTas(0), 1.0000464304349403);
        QCOMPARE(Unit::factorIasTas(10000), 0.8593360845289066);
        // Denser air below sea level: the factor exceeds 1 and grows with depth.
        QVERIFY(Unit::factorIasTas(-1) > Unit::factorIasTas(0));
        QVERIFY(Unit::factorIasTas(-1400) > Unit::factorIasTas(-1));
        QCOMPARE(Unit::airPressure(0, 15.0), 1013.25);
        QCOMPARE(Unit::airPressure(0, -50.0), 1013.25);
        // A flight level is a pressure altitude: the standard atmosphere's pressure whatever the
        // air's temperature, isothermal above 11,000 m (36,089 ft).
        using Row = std::tuple<int, double, double>; // feet, °C, hPa
        for (const auto &[feet, celsius, hpa] :
             {Row{5000, 5.0, 843.07}, Row{10000, -5.0, 696.82}, Row{30000, -44.4, 300.90}, Row{39000, -56.5, 196.77},
              Row{39000, 15.0, 196.77}, Row{39000, -80.0, 196.77}})
            QVERIFY2(std::abs(Unit::airPressure(feet, celsius) - hpa) < 0.01, qPrintable(QString::number(feet)));
        QVERIFY(Unit::airPressure(-1000, Unit::temperature(-1000)) > 1013.25);
        // Outside the model the temperature marker would give an infinite pressure.
        QCOMPARE(Unit::airPressure(262449, Unit::temperature(262449)), 0.0);
    }

    void speeds_data()
    {
        // clang-format off
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("IAS to TAS") << Unit::convertIasToTas(250, 10000) << 291;
        QTest::newRow("TAS to IAS") << Unit::convertTasToIas(291, 10000) << 250;
        QTest::newRow("Mach to TAS") << Unit::convertMachToTas(0.78, 35000) << 450;
        QTest::newRow("Mach to IAS") << Unit::convertMachToIas(0.78, 35000) << 250;
        QTest::newRow("ground speed is TAS") << Unit::convertIasToGs(250, 10000) << 291;
        QTest::newRow("time 100 nm") << Unit::time(250, 100.0, 10000) << 1237;
        QTest::newRow("time without speed") << Unit::time(0, 100.0, 10000) << 0;
        QTest::newRow("vertical speed") << Unit::verticalSpeed(10000, 1000, 10.0, 250) << 485;
        QTest::newRow("vertical speed without altitude") << Unit::verticalSpeed(-1, 1000, 10.0, 250) << 5001;
        QTest::newRow("vertical speed without IAS") << Unit::verticalSpeed(5000, 1000, 10.0, 0) << 5001;
        QTest::newRow("vertical speed without distance") << Unit::verticalSpeed(5000, 1000, 0.0, 250) << 5001;
        QTest::newRow("vertical speed without difference") << Unit::verticalSpeed(5000, 100001, 1.0, 250) << 5001;
        // Below sea level the density factor is defined and the airspeed a little lower than IAS.
        QTest::newRow("TAS below sea level") << Unit::convertIasToTas(150, -1000) << 148;
        QTest::newRow("ground speed at -1 ft") << Unit::convertIasToGs(150, -1) << 150;
        QTest::newRow("time below sea level") << Unit::time(150, 10.0, -200) << 240;
        // Above about 145440 ft the factor is NaN; none of it may reach an int conversion.
        QTest::newRow("TAS above the factor's range") << Unit::convertIasToTas(250, 200000) << 0;
        QTest::newRow("IAS above the factor's range") << Unit::convertTasToIas(250, 200000) << 0;
        QTest::newRow("Mach to TAS outside the model") << Unit::convertMachToTas(0.8, 300000) << 0;
        QTest::newRow("Mach to IAS outside the model") << Unit::convertMachToIas(0.8, 300000) << 0;
        QTest::newRow("time outside the model") << Unit::time(250, 100.0, 200000) << 0;
        QTest::newRow("vertical speed outside the model") << Unit::verticalSpeed(200000, 1000, 10.0, 250) << 0;
        QTest::newRow("infinite distance has no time") << Unit::time(250, qInf(), 10000) << 0;
        QTest::newRow("NaN distance") << Unit::time(250, qQNaN(), 10000) << 0;
        // clang-format on
    }

    void speeds()
    {
        QFETCH(int, actual);
        QFETCH(int, expected);
        QCOMPARE(actual, expected);
    }

    // In still air the ground speed is the TAS: IAS over the density factor, rounded.
    void groundSpeedEqualsTas()
    {
        QCOMPARE(Unit::convertIasToGs(400, 35000), 719);
        QCOMPARE(Unit::convertIasToGs(150, 20000), 206);
        QCOMPARE(Unit::convertIasToGs(0, 20000), 0);
    }

    void slope()
    {
        QCOMPARE(Unit::slope(1000, 0.0), 5001.0);
        QCOMPARE(Unit::slope(100001, 3.0), 5001.0);
        QCOMPARE(Unit::slope(-318, 1.0), -3.18);
    }

    void reachedAltitude_data()
    {
        // clang-format off
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("distance");
        QTest::addColumn<int>("ias");
        QTest::addColumn<int>("vs");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("no distance") << 3000 << 0.0 << 250 << 2000 << 3000 << 3000;
        QTest::newRow("negative distance") << 3000 << -5.0 << 250 << 2000 << 3000 << 3000;
        QTest::newRow("NaN distance") << 3000 << qQNaN() << 250 << 2000 << 3000 << 3000;
        // 10 nm at about 255 kts TAS take about 141 s: some 4700 ft at 2000 ft/min.
        QTest::newRow("climb") << 0 << 10.0 << 250 << 2000 << 4500 << 4900;
        // Descent from FL350 at 280 kts IAS, 1500 ft/min over 30 nm.
        QTest::newRow("descent") << 35000 << 30.0 << 280 << -1500 << 28000 << 31000;
        // An approach into an airport below sea level keeps descending through 0 ft.
        QTest::newRow("descent below sea level") << 500 << 20.0 << 150 << -1000 << -8000 << -7000;
        QTest::newRow("a tiny step still runs once") << 1000 << 1e-9 << 250 << 6000 << 1100 << 1100;
        // Without airspeed the distance is never covered: the altitude stays.
        QTest::newRow("no airspeed") << 5000 << 10.0 << 0 << 2000 << 5000 << 5000;
        QTest::newRow("negative airspeed") << 5000 << 10.0 << -250 << 2000 << 5000 << 5000;
        // Climbing out of the atmosphere model stops where the speed loses its meaning.
        QTest::newRow("climb out of the model") << 100000 << 1e6 << 250 << 5000 << 140000 << 150000;
        QTest::newRow("start outside the model") << 300000 << 10.0 << 250 << 2000 << 300000 << 300000;
        // clang-format on
    }

    void reachedAltitude()
    {
        QFETCH(int, start);
        QFETCH(double, distance);
        QFETCH(int, ias);
        QFETCH(int, vs);
        QFETCH(int, low);
        QFETCH(int, high);
        const int reached = Unit::reachedAltitude(start, distance, ias, vs);
        QVERIFY2(reached >= low && reached <= high, qPrintable(QString::number(reached)));
    }

    void reachedAltitudeIsBounded()
    {
        QElapsedTimer timer;
        timer.start();
        // An endless leg at a level flight: the loop must give up, not hang.
        QCOMPARE(Unit::reachedAltitude(10000, qInf(), 250, 0), 10000);
        // A huge rate must not overflow the int result.
        const int reached = Unit::reachedAltitude(0, 1e9, 250, INT_MAX);
        QVERIFY(reached > 0);
        QVERIFY(timer.elapsed() < 20000);
    }

    void texts_data()
    {
        // clang-format off
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("heading") << Unit::headingToString(90) << QStringLiteral("90°");
        QTest::newRow("heading marker") << Unit::headingToString(-1) << QString();
        QTest::newRow("heading marker forced") << Unit::headingToString(-1, true) << QStringLiteral("-1°");
        QTest::newRow("distance rounds up to 10.0") << Unit::distanceToString(9.96) << "10.0nm";
        QTest::newRow("distance 10") << Unit::distanceToString(10.0) << "10nm";
        QTest::newRow("distance 123.6") << Unit::distanceToString(123.6) << "124nm";
        QTest::newRow("distance marker") << Unit::distanceToString(0.0) << QString();
        QTest::newRow("distance marker forced") << Unit::distanceToString(0.0, true) << "0.0nm";
        QTest::newRow("altdiff 0 forced") << Unit::altdiffToString(0, true) << QString();
        QTest::newRow("altdiff marker") << Unit::altdiffToString(100001) << QString();
        QTest::newRow("altdiff marker forced") << Unit::altdiffToString(100001, true) << "+100001ft";
        QTest::newRow("altdiff negative") << Unit::altdiffToString(-300) << "-300ft";
        QTest::newRow("temperature marker") << Unit::temperatureToString(-274.0) << QString();
        QTest::newRow("temperature marker forced") << Unit::temperatureToString(-274.0, true) << QStringLiteral("-274°C");
        QTest::newRow("temperature") << Unit::temperatureToString(14.961111111111112) << QStringLiteral("15°C");
        QTest::newRow("pressure") << Unit::airPressureToString(1013.25) << "1013hPa";
        QTest::newRow("pressure marker") << Unit::airPressureToString(0.0) << QString();
        QTest::newRow("ias") << Unit::iasToString(250.0) << "250kts";
        QTest::newRow("ias fraction") << Unit::iasToString(250.5) << "250.5kts";
        QTest::newRow("ias marker forced") << Unit::iasToString(0.0, true) << "0kts";
        QTest::newRow("mach") << Unit::machToString(250.9, 35000) << "M0.78";
        QTest::newRow("mach marker") << Unit::machToString(0.0, 35000) << QString();
        QTest::newRow("time h m s") << Unit::timeToString(5430) << "1h30m30s";
        QTest::newRow("time hour") << Unit::timeToString(3600) << "1h";
        QTest::newRow("time m s") << Unit::timeToString(61) << "1m1s";
        QTest::newRow("time marker") << Unit::timeToString(0) << QString();
        QTest::newRow("time marker forced") << Unit::timeToString(0, true) << "0s";
        QTest::newRow("negative time") << Unit::timeToString(-61) << QString();
        QTest::newRow("slope") << Unit::slopeToString(-3.18) << QStringLiteral("-3.2°");
        QTest::newRow("slope marker") << Unit::slopeToString(5001.0) << QString();
        QTest::newRow("vertical speed") << Unit::vertspeedToString(-1500) << "-1500ft/min";
        QTest::newRow("vertical speed marker") << Unit::vertspeedToString(5001) << QString();
        QTest::newRow("mass") << Unit::massToString(1500) << "1500kg";
        QTest::newRow("mass marker") << Unit::massToString(0) << QString();
        QTest::newRow("volume") << Unit::volumeToString(420) << "420L";
        QTest::newRow("volume marker forced") << Unit::volumeToString(0, true) << "0L";
        // clang-format on
    }

    void texts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void altitudeText_data()
    {
        // clang-format off
        QTest::addColumn<int>("transition");
        QTest::addColumn<int>("altitude");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("expected");
        QTest::newRow("below transition") << 5000 << 4500 << false << "4500ft";
        QTest::newRow("at transition") << 5000 << 5000 << false << "FL50";
        QTest::newRow("cruise") << 5000 << 35000 << false << "FL350";
        QTest::newRow("level truncates") << 5000 << 35099 << false << "FL350";
        QTest::newRow("no transition altitude") << -1 << 0 << false << "FL0";
        QTest::newRow("marker") << 5000 << -1 << false << QString();
        QTest::newRow("marker forced") << 5000 << -1 << true << "-1ft";
        QTest::newRow("below sea level") << 5000 << -120 << false << "-120ft";
        // clang-format on
    }

    void altitudeText()
    {
        QFETCH(int, transition);
        QFETCH(int, altitude);
        QFETCH(bool, force);
        QFETCH(QString, expected);
        if (transition >= 0)
            Settings::setInt(QStringLiteral("units/transitionAltitude"), transition);
        QCOMPARE(Unit::altitudeToString(altitude, force), expected);
    }

    void displayUnitsFollowPreferences()
    {
        Settings::setInt(QStringLiteral("units/mass"), 1);
        Settings::setInt(QStringLiteral("units/volume"), 1);
        QCOMPARE(Unit::massToString(1500), QStringLiteral("1500lbs"));
        QCOMPARE(Unit::volumeToString(420), QStringLiteral("420gal"));
        Unit::setInterfaceLocale(QLocale(QLocale::German));
        const auto restore = qScopeGuard([] { Unit::setInterfaceLocale(QLocale::c()); });
        QCOMPARE(Unit::massToString(6314) + Unit::distanceToString(5.44), QStringLiteral("6.314lbs5,4nm"));
        const Unit::FileTexts file;
        QCOMPARE(Unit::massToString(6314) + Unit::distanceToString(5.44), QStringLiteral("6314lbs5.4nm"));
    }

    void fuelText_data()
    {
        // clang-format off
        QTest::addColumn<int>("unitType");
        QTest::addColumn<int>("fuelType");
        QTest::addColumn<int>("massPreference");
        QTest::addColumn<int>("volumePreference");
        QTest::addColumn<int>("kg");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kg") << 0 << 0 << 0 << 0 << 1234 << false << "1234kg";
        QTest::newRow("kg beyond six digits") << 0 << 0 << 0 << 0 << 2000000 << false << "2000000kg";
        QTest::newRow("lbs") << 0 << 0 << 1 << 0 << 1000 << false << "2205lbs";
        QTest::newRow("marker") << 0 << 0 << 0 << 0 << 0 << false << QString();
        QTest::newRow("marker forced") << 0 << 0 << 0 << 0 << 0 << true << "0kg";
        QTest::newRow("kerosene litres") << 1 << 0 << 0 << 0 << 803 << false << "1000L";
        QTest::newRow("kerosene gallons") << 1 << 0 << 1 << 1 << 803 << false << "264gal";
        QTest::newRow("avgas litres") << 1 << 1 << 0 << 0 << 719 << false << "1000L";
        QTest::newRow("unknown fuel type") << 1 << 5 << 0 << 0 << 719 << false << "0L";
        // clang-format on
    }

    void fuelText()
    {
        QFETCH(int, unitType);
        QFETCH(int, fuelType);
        QFETCH(int, massPreference);
        QFETCH(int, volumePreference);
        QFETCH(int, kg);
        QFETCH(bool, force);
        QFETCH(QString, expected);
        Airplane airplane;
        airplane.unittype = unitType;
        airplane.fueltype = fuelType;
        m_airplanes->setAirplanes({airplane});
        Settings::setInt(QStringLiteral("units/mass"), massPreference);
        Settings::setInt(QStringLiteral("units/volume"), volumePreference);
        QCOMPARE(Unit::fuelToString(kg, force), expected);
    }

    void fuelTextFollowsCurrentAirplane()
    {
        Airplane mass;
        Airplane volume;
        volume.unittype = 1;
        m_airplanes->setAirplanes({mass, volume});
        QCOMPARE(Unit::fuelToString(803), QStringLiteral("803kg"));
        m_airplanes->setCurrentIndex(1);
        QCOMPARE(Unit::fuelToString(803), QStringLiteral("1000L"));
        // An empty list falls back to a default airplane, which counts fuel by mass.
        m_airplanes->setAirplanes({});
        QCOMPARE(Unit::fuelToString(803), QStringLiteral("803kg"));
    }

    void callableThroughMetaObject()
    {
        Unit unit;
        QCOMPARE(unit.property("fuelTypeStrings").toStringList(), QStringList({"Kerosen", "Avgas"}));
        QCOMPARE(unit.property("fuelUnitString").toStringList(), QStringList({"Mass", "Volume"}));
        QCOMPARE(unit.property("massUnitStrings").toStringList(), QStringList({"kg", "lbs"}));
        QCOMPARE(unit.property("volumeUnitStrings").toStringList(), QStringList({"L", "gal"}));
        QString text;
        QVERIFY(QMetaObject::invokeMethod(&unit, "timeToString", Q_RETURN_ARG(QString, text), Q_ARG(int, 5430)));
        QCOMPARE(text, QStringLiteral("1h30m30s"));
        int tas = 0;
        QVERIFY(QMetaObject::invokeMethod(&unit, "convertIasToTas", Q_RETURN_ARG(int, tas), Q_ARG(int, 250),
                                          Q_ARG(int, 10000)));
        QCOMPARE(tas, 291);
    }

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AirplaneListModel> m_airplanes;
};

QTEST_GUILESS_MAIN(TstUnit)
#include "tst_unit.moc"
