#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

// Conversions of physical quantities, the standard atmosphere and the display texts of
// distances, altitudes, speeds, times, masses, volumes and fuel.
//
// Storage units throughout the program: kilograms, litres, fuel as kilograms, feet, nautical
// miles, knots, seconds. The display units follow the preferences "units/mass" (0 kg, 1 lbs)
// and "units/volume" (0 L, 1 gal), read afresh on every call; fuel follows the current
// airplane's fuel unit type. Every operation is static and re-entrant; the one instance exists
// only so that QML can call them through the context property "unit".
//
// Missing quantities travel as no-value markers: heading and altitude -1, altitude difference
// 100001, slope 5001.0, vertical speed 5001, temperature -274.0, and 0 for distance, pressure,
// IAS, time, mass, volume and fuel. The display texts print a marker as the empty text unless
// forced, and write their numbers with the separators of the interface language; files and
// printouts, read by programs and pilots of any language, take them in the C locale (FileTexts).
class Unit : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList massUnitStrings READ massUnitStrings CONSTANT)
    Q_PROPERTY(QStringList volumeUnitStrings READ volumeUnitStrings CONSTANT)
    Q_PROPERTY(QStringList fuelTypeStrings READ fuelTypeStrings CONSTANT)
    Q_PROPERTY(QStringList fuelUnitString READ fuelUnitString CONSTANT)

public:
    explicit Unit(QObject *parent = nullptr);

    // The interface language's locale, set once at start-up before other threads run; the
    // C locale until then.
    static void setInterfaceLocale(const QLocale &locale);
    // What the display texts of the calling thread are written in.
    static QLocale textLocale();

    // While one lives, the display texts of its thread are written in the C locale.
    class FileTexts
    {
    public:
        FileTexts();
        ~FileTexts();
        FileTexts(const FileTexts &) = delete;
        FileTexts &operator=(const FileTexts &) = delete;
        // Whether the calling thread writes a file or a log now: a text kept in both forms
        // hands over the C locale's.
        static bool active();
    };

    // Index = the code stored in the preferences and the airplane fields.
    QStringList massUnitStrings() const;
    QStringList volumeUnitStrings() const;
    QStringList fuelTypeStrings() const;
    QStringList fuelUnitString() const;

    // Lowest altitude of the standard atmosphere: 5000 m below sea level, where the ICAO
    // table starts. Airports and pressure altitudes lie below sea level; the lowest layer's
    // lapse rate holds there too.
    static constexpr int lowestAltitude = -16404;

    // Plain conversions.
    Q_INVOKABLE static double convertMeterToNm(double meters);
    Q_INVOKABLE static double convertNmToMeter(double nm);
    Q_INVOKABLE static double convertMeterToFeet(double meters);
    Q_INVOKABLE static double convertFeetToMeter(double feet);
    // Feet to a flight level: whole hundreds of feet, truncated (11360 ft is FL113). Defined
    // here so that the template filters, a plugin without the core library, show the same level.
    Q_INVOKABLE static int convertAltitudeToLevel(int altitude) { return altitude / 100; }
    Q_INVOKABLE static int convertLevelToAltitude(int level);
    Q_INVOKABLE static double convertCentigradToKelvin(double celsius);
    Q_INVOKABLE static double convertLbsToKg(double lbs);
    Q_INVOKABLE static double convertKgToLbs(double kg);
    Q_INVOKABLE static double convertGalToLiter(double gal);
    Q_INVOKABLE static double convertLiterToGal(double liter);
    Q_INVOKABLE static double convertVolumeToMass(double liter, int fuelType);
    Q_INVOKABLE static double convertMassToVolume(double kg, int fuelType);
    Q_INVOKABLE static double convertFuelUnit(double value, int targetUnitType, int fuelType);

    // Between storage units and display units; a unit of -1 stands for the preference.
    Q_INVOKABLE static double fromStorableMass(double kg, int unit = -1);
    Q_INVOKABLE static double toStorableMass(double value, int unit = -1);
    Q_INVOKABLE static double fromStorableVolume(double liter, int unit);
    Q_INVOKABLE static double toStorableVolume(double value, int unit);
    Q_INVOKABLE static double fromStorableFuel(double kg, int fuelType, int fuelUnitType, int displayUnit);
    Q_INVOKABLE static double toStorableFuel(double value, int fuelType, int fuelUnitType, int displayUnit);

    Q_INVOKABLE static QString massUnitToString(int unit = -1);
    Q_INVOKABLE static QString volumeUnitToString(int unit);
    Q_INVOKABLE static QString fuelUnitToString(int fuelUnitType, int displayUnit = -1);

    // Standard atmosphere over pressure altitudes in feet; speeds in knots.
    // temperature() returns -274.0 outside the model and for the altitude marker -1.
    Q_INVOKABLE static double temperature(int altitude);
    Q_INVOKABLE static double airPressure(int altitude, double temperature);
    Q_INVOKABLE static double machspeed(int altitude);
    Q_INVOKABLE static double factorIasTas(int altitude);
    Q_INVOKABLE static double convertTasToMach(int tas, int altitude);
    Q_INVOKABLE static int convertMachToTas(double mach, int altitude);
    Q_INVOKABLE static double convertIasToMach(int ias, int altitude);
    Q_INVOKABLE static int convertMachToIas(double mach, int altitude);
    Q_INVOKABLE static int convertIasToTas(int ias, int altitude);
    Q_INVOKABLE static int convertTasToIas(int tas, int altitude);
    Q_INVOKABLE static int convertIasToGs(int ias, int altitude);
    Q_INVOKABLE static int reachedAltitude(int altitude, double distance, int ias, int verticalSpeed);
    Q_INVOKABLE static int time(int ias, double distance, int altitude);
    Q_INVOKABLE static double slope(int altDiff, double distance);
    Q_INVOKABLE static int verticalSpeed(int altitude, int altDiff, double distance, int ias);

    // Display texts: the empty text for the no-value marker unless forced.
    Q_INVOKABLE static QString headingToString(int heading, bool force = false);
    Q_INVOKABLE static QString distanceToString(double nm, bool force = false);
    Q_INVOKABLE static QString altitudeToString(int altitude, bool force = false);
    Q_INVOKABLE static QString altdiffToString(int altDiff, bool force = false);
    Q_INVOKABLE static QString temperatureToString(double celsius, bool force = false);
    Q_INVOKABLE static QString airPressureToString(double hpa, bool force = false);
    Q_INVOKABLE static QString iasToString(double ias, bool force = false);
    Q_INVOKABLE static QString machToString(double ias, int altitude, bool force = false);
    Q_INVOKABLE static QString timeToString(int seconds, bool force = false);
    Q_INVOKABLE static QString slopeToString(double slope, bool force = false);
    Q_INVOKABLE static QString vertspeedToString(int verticalSpeed, bool force = false);
    Q_INVOKABLE static QString massToString(int mass, bool force = false);
    Q_INVOKABLE static QString volumeToString(int volume, bool force = false);
    Q_INVOKABLE static QString fuelToString(int kg, bool force = false);
};
