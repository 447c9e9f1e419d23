#include "unit.h"

#include <QLocale>

#include <climits>
#include <cmath>

#include "airplanelistmodel.h"
#include "settings.h"

namespace {

const QString massKey = QStringLiteral("units/mass");
const QString volumeKey = QStringLiteral("units/volume");
const QString transitionAltitudeKey = QStringLiteral("units/transitionAltitude");

constexpr double metersPerNm = 1852.0;
constexpr double metersPerFoot = 0.3048;
constexpr double kgPerLbs = 0.453592;
constexpr double litersPerGal = 3.78541;
constexpr double densityKerosene = 0.802837;
constexpr double densityAvgas = 0.718958;
constexpr double kelvinOffset = 273.15;

constexpr int noHeading = -1;
constexpr int noAltitude = -1;
constexpr int noAltDiff = 100001;
constexpr double noSlope = 5001.0;
constexpr int noVerticalSpeed = 5001;
constexpr double noTemperature = -274.0;

constexpr int tropopause = 36152; // top of the lowest layer
constexpr int modelTop = 262448;

// The standard atmosphere's pressure law.
constexpr double kIsaSeaLevelHpa = 1013.25;
constexpr double kIsaSeaLevelKelvin = 288.15;
constexpr double kIsaLapseRate = 0.0065; // K/m
constexpr double kIsaGravity = 9.80665;
constexpr double kIsaMolarMass = 0.0289644;
constexpr double kIsaGasConstant = 8.31432;
constexpr double kIsaExponent = kIsaGravity * kIsaMolarMass / (kIsaGasConstant * kIsaLapseRate);
constexpr double kIsaTropopauseMeters = 11000.0;
constexpr double kIsaTropopauseKelvin = kIsaSeaLevelKelvin - kIsaLapseRate * kIsaTropopauseMeters;
const double kIsaTropopauseHpa = kIsaSeaLevelHpa * std::pow(kIsaTropopauseKelvin / kIsaSeaLevelKelvin, kIsaExponent);

// A simulated climb or descent that has not covered its distance after two days of flight
// never will at any real speed; the cap keeps a bad input from hanging the caller.
constexpr int maxReachSteps = 48 * 3600;

// Nearest int, halves away from zero. A value without meaning (NaN or infinite, as the
// density factor gives outside the atmosphere model) becomes 0, and a finite value beyond the
// int range is clamped: converting either to int directly is undefined behaviour.
int roundToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = std::round(value);
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

// Truncation toward zero with the same guards.
int truncToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = std::trunc(value);
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

double density(int fuelType)
{
    switch (fuelType) {
    case 0:
        return densityKerosene;
    case 1:
        return densityAvgas;
    default:
        return 0.0;
    }
}

// The temperature layers in °C, evaluated in Fahrenheit. The lowest layer reaches below sea
// level down to Unit::lowestAltitude.
double modelCelsius(int h)
{
    if (h < Unit::lowestAltitude)
        return noTemperature;
    if (h <= tropopause)
        return (58.93 - h * 0.00356 - 32.0) * 5.0 / 9.0;
    if (h <= 82345)
        return (-69.69 - 32.0) * 5.0 / 9.0;
    if (h <= 155348)
        return ((h - 82345) * 0.001645 - 69.69 - 32.0) * 5.0 / 9.0;
    if (h <= 175346)
        return (49.118 - 32.0) * 5.0 / 9.0;
    if (h <= modelTop)
        return (49.118 - (h - 175346) * 0.00246888 - 32.0) * 5.0 / 9.0;
    return noTemperature;
}

double modelKelvin(int h)
{
    return modelCelsius(h) + kelvinOffset;
}

QString withSuffix(const QString &number, const char *suffix)
{
    return number + QString::fromUtf8(suffix);
}

// Set once at start-up, before any other thread runs; read-only afterwards.
QLocale s_interfaceLocale = QLocale::c();
thread_local int t_fileTexts = 0;

QString number(double value, char format, int precision)
{
    return Unit::textLocale().toString(value, format, precision);
}

QString number(qint64 value)
{
    return Unit::textLocale().toString(value);
}

} // namespace

void Unit::setInterfaceLocale(const QLocale &locale)
{
    s_interfaceLocale = locale;
}

QLocale Unit::textLocale()
{
    return t_fileTexts > 0 ? QLocale::c() : s_interfaceLocale;
}

Unit::FileTexts::FileTexts()
{
    ++t_fileTexts;
}

Unit::FileTexts::~FileTexts()
{
    --t_fileTexts;
}

bool Unit::FileTexts::active()
{
    return t_fileTexts > 0;
}

Unit::Unit(QObject *parent)
    : QObject(parent)
{
}

QStringList Unit::massUnitStrings() const
{
    static const QStringList strings{QStringLiteral("kg"), QStringLiteral("lbs")};
    return strings;
}

QStringList Unit::volumeUnitStrings() const
{
    static const QStringList strings{QStringLiteral("L"), QStringLiteral("gal")};
    return strings;
}

QStringList Unit::fuelTypeStrings() const
{
    static const QStringList strings{QStringLiteral("Kerosen"), QStringLiteral("Avgas")};
    return strings;
}

QStringList Unit::fuelUnitString() const
{
    static const QStringList strings{QStringLiteral("Mass"), QStringLiteral("Volume")};
    return strings;
}

double Unit::convertMeterToNm(double meters)
{
    return meters / metersPerNm;
}

double Unit::convertNmToMeter(double nm)
{
    return nm * metersPerNm;
}

double Unit::convertMeterToFeet(double meters)
{
    return meters / metersPerFoot;
}

double Unit::convertFeetToMeter(double feet)
{
    return feet * metersPerFoot;
}

int Unit::convertLevelToAltitude(int level)
{
    // In 64 bits, so that an absurd level saturates instead of overflowing.
    const qint64 altitude = qint64(level) * 100;
    return int(qBound(qint64(INT_MIN), altitude, qint64(INT_MAX)));
}

double Unit::convertCentigradToKelvin(double celsius)
{
    return celsius + kelvinOffset;
}

double Unit::convertLbsToKg(double lbs)
{
    return lbs * kgPerLbs;
}

double Unit::convertKgToLbs(double kg)
{
    return kg / kgPerLbs;
}

double Unit::convertGalToLiter(double gal)
{
    return gal * litersPerGal;
}

double Unit::convertLiterToGal(double liter)
{
    return liter / litersPerGal;
}

double Unit::convertVolumeToMass(double liter, int fuelType)
{
    const double d = density(fuelType);
    return d == 0.0 ? 0.0 : liter * d;
}

double Unit::convertMassToVolume(double kg, int fuelType)
{
    const double d = density(fuelType);
    return d == 0.0 ? 0.0 : kg / d;
}

double Unit::convertFuelUnit(double value, int targetUnitType, int fuelType)
{
    return targetUnitType == 0 ? convertVolumeToMass(value, fuelType) : convertMassToVolume(value, fuelType);
}

double Unit::fromStorableMass(double kg, int unit)
{
    if (unit == -1)
        unit = Settings::getInt(massKey, 0);
    return unit != 0 ? kg / kgPerLbs : kg;
}

double Unit::toStorableMass(double value, int unit)
{
    if (unit == -1)
        unit = Settings::getInt(massKey, 0);
    return unit != 0 ? value * kgPerLbs : value;
}

double Unit::fromStorableVolume(double liter, int unit)
{
    return unit != 0 ? liter / litersPerGal : liter;
}

double Unit::toStorableVolume(double value, int unit)
{
    return unit != 0 ? value * litersPerGal : value;
}

double Unit::fromStorableFuel(double kg, int fuelType, int fuelUnitType, int displayUnit)
{
    if (fuelUnitType != 1)
        return fromStorableMass(kg, displayUnit);
    const double liter = convertMassToVolume(kg, fuelType);
    return displayUnit != 0 ? liter / litersPerGal : liter;
}

double Unit::toStorableFuel(double value, int fuelType, int fuelUnitType, int displayUnit)
{
    if (fuelUnitType != 1)
        return toStorableMass(value, displayUnit);
    const double kg = convertVolumeToMass(value, fuelType);
    return displayUnit != 0 ? kg * litersPerGal : kg;
}

QString Unit::massUnitToString(int unit)
{
    if (unit == -1)
        unit = Settings::getInt(massKey, 0);
    return unit != 0 ? QStringLiteral("lbs") : QStringLiteral("kg");
}

QString Unit::volumeUnitToString(int unit)
{
    return unit != 0 ? QStringLiteral("gal") : QStringLiteral("L");
}

QString Unit::fuelUnitToString(int fuelUnitType, int displayUnit)
{
    if (fuelUnitType == 1) {
        if (displayUnit == -1)
            displayUnit = Settings::getInt(volumeKey, 0);
        return volumeUnitToString(displayUnit);
    }
    return massUnitToString(displayUnit);
}

double Unit::temperature(int altitude)
{
    // -1 is the altitude marker of a waypoint without an altitude: it has no temperature.
    if (altitude == noAltitude)
        return noTemperature;
    return modelCelsius(altitude);
}

double Unit::airPressure(int altitude, double temperature)
{
    // A temperature at or below absolute zero (the marker -274.0) has no pressure.
    if (!(temperature + kelvinOffset > 0.0))
        return 0.0;
    // The altitude is a pressure altitude: its pressure is the standard atmosphere's by
    // definition, whatever the air's temperature there. The lapse-rate law holds up to the
    // tropopause at 11,000 m, the air above it is taken as isothermal.
    const double meters = altitude * metersPerFoot;
    if (meters <= kIsaTropopauseMeters)
        return kIsaSeaLevelHpa * std::pow(1.0 - kIsaLapseRate * meters / kIsaSeaLevelKelvin, kIsaExponent);
    return kIsaTropopauseHpa
           * std::exp(-kIsaGravity * kIsaMolarMass * (meters - kIsaTropopauseMeters)
                      / (kIsaGasConstant * kIsaTropopauseKelvin));
}

double Unit::machspeed(int altitude)
{
    if (altitude < lowestAltitude || altitude > modelTop)
        return 0.0;
    if (altitude > tropopause && altitude <= 82345)
        return 573.8169751814987;
    if (altitude >= 155349 && altitude <= 175346)
        return 655.4214556449828;
    const double t = modelCelsius(altitude);
    if (t < -100.0 || t > 60.0)
        return 0.0;
    if (t > 20.0)
        return 643.855 * std::pow((t + kelvinOffset) / kelvinOffset, 0.5);
    return std::sqrt((t * 9.0 / 5.0 + 491.67) * 2405.2) * 0.592484;
}

double Unit::factorIasTas(int altitude)
{
    const double t = modelKelvin(altitude);
    const double pa = altitude + 1.1653014367831134;
    const double ts = 288.15 - pa * 0.0019812;
    const double p = std::pow(ts / t, 0.234969);
    const double da = (ts / 0.0019812) * (1.0 - p) + pa;
    const double sigma = std::pow((288.15 - da * 0.0019812) / 288.15, 4.255880562967881);
    return std::pow(sigma, 0.5);
}

double Unit::convertTasToMach(int tas, int altitude)
{
    return tas / machspeed(altitude);
}

int Unit::convertMachToTas(double mach, int altitude)
{
    return roundToInt(mach * machspeed(altitude));
}

double Unit::convertIasToMach(int ias, int altitude)
{
    return roundToInt(ias / factorIasTas(altitude)) / machspeed(altitude);
}

int Unit::convertMachToIas(double mach, int altitude)
{
    return roundToInt(factorIasTas(altitude) * roundToInt(machspeed(altitude) * mach));
}

int Unit::convertIasToTas(int ias, int altitude)
{
    return roundToInt(ias / factorIasTas(altitude));
}

int Unit::convertTasToIas(int tas, int altitude)
{
    return roundToInt(factorIasTas(altitude) * tas);
}

int Unit::convertIasToGs(int ias, int altitude)
{
    // Still air: the ground speed is the true airspeed.
    return convertIasToTas(ias, altitude);
}

int Unit::reachedAltitude(int altitude, double distance, int ias, int verticalSpeed)
{
    if (!(distance > 0.0))
        return altitude;
    double reached = altitude;
    double flown = 0.0;
    // One-second steps; each step flies at the speed of the altitude where it starts.
    for (int step = 0; step < maxReachSteps; ++step) {
        const int tas = roundToInt(ias / factorIasTas(truncToInt(reached)));
        // No airspeed, or an altitude outside the atmosphere model: the distance cannot be
        // covered, and the altitude stays where the last real step left it.
        if (tas <= 0)
            break;
        reached += verticalSpeed / 60.0;
        flown += tas * 1.000639525 / 3600.0;
        if (!(distance > flown))
            break;
    }
    return truncToInt(reached);
}

int Unit::time(int ias, double distance, int altitude)
{
    const int tas = convertIasToTas(ias, altitude);
    if (tas == 0)
        return 0;
    return roundToInt(distance * 3600.0 / tas);
}

double Unit::slope(int altDiff, double distance)
{
    if (distance == 0.0 || altDiff == noAltDiff)
        return noSlope;
    return altDiff / (distance * 100.0);
}

int Unit::verticalSpeed(int altitude, int altDiff, double distance, int ias)
{
    if (ias == 0 || distance == 0.0 || altDiff == noAltDiff || altitude == noAltitude)
        return noVerticalSpeed;
    const int tas = convertIasToTas(ias, altitude);
    return roundToInt(tas * double(altDiff) / (distance * 60.0));
}

QString Unit::headingToString(int heading, bool force)
{
    if (!force && heading == noHeading)
        return QString();
    return withSuffix(number(heading), "°");
}

QString Unit::distanceToString(double nm, bool force)
{
    if (!force && nm == 0.0)
        return QString();
    return withSuffix(number(nm, 'f', nm < 10.0 ? 1 : 0), "nm");
}

QString Unit::altitudeToString(int altitude, bool force)
{
    if (!force && altitude == noAltitude)
        return QString();
    if (altitude < Settings::getInt(transitionAltitudeKey, 0))
        return withSuffix(number(altitude), "ft");
    return QStringLiteral("FL") + QString::number(convertAltitudeToLevel(altitude));
}

QString Unit::altdiffToString(int altDiff, bool force)
{
    if (altDiff == 0 || (!force && altDiff == noAltDiff))
        return QString();
    const QString text = number(altDiff);
    return withSuffix(altDiff > 0 ? QLatin1Char('+') + text : text, "ft");
}

QString Unit::temperatureToString(double celsius, bool force)
{
    if (!force && celsius == noTemperature)
        return QString();
    return withSuffix(number(celsius, 'f', 0), "°C");
}

QString Unit::airPressureToString(double hpa, bool force)
{
    if (!force && hpa == 0.0)
        return QString();
    return withSuffix(number(hpa, 'f', 0), "hPa");
}

QString Unit::iasToString(double ias, bool force)
{
    if (!force && ias == 0.0)
        return QString();
    return withSuffix(number(ias, 'g', 6), "kts");
}

QString Unit::machToString(double ias, int altitude, bool force)
{
    if (!force && ias == 0.0)
        return QString();
    const int tas = convertIasToTas(truncToInt(ias), altitude);
    const double mach = tas / machspeed(altitude);
    return QStringLiteral("M") + number(mach, 'f', 2);
}

QString Unit::timeToString(int seconds, bool force)
{
    if (seconds == 0)
        return force ? QStringLiteral("0s") : QString();
    QString text;
    if (seconds > 3599)
        text += QString::number(seconds / 3600) + QLatin1Char('h');
    if (seconds % 3600 > 59)
        text += QString::number(seconds % 3600 / 60) + QLatin1Char('m');
    if (seconds % 60 > 0)
        text += QString::number(seconds % 60) + QLatin1Char('s');
    return text;
}

QString Unit::slopeToString(double slope, bool force)
{
    if (!force && slope == noSlope)
        return QString();
    return withSuffix(number(slope, 'f', 1), "°");
}

QString Unit::vertspeedToString(int verticalSpeed, bool force)
{
    if (!force && verticalSpeed == noVerticalSpeed)
        return QString();
    return withSuffix(number(verticalSpeed), "ft/min");
}

QString Unit::massToString(int mass, bool force)
{
    if (!force && mass == 0)
        return QString();
    return number(mass) + massUnitToString(Settings::getInt(massKey, 0));
}

QString Unit::volumeToString(int volume, bool force)
{
    if (!force && volume == 0)
        return QString();
    return number(volume) + volumeUnitToString(Settings::getInt(volumeKey, 0));
}

QString Unit::fuelToString(int kg, bool force)
{
    if (!force && kg == 0)
        return QString();
    const Airplane airplane = AirplaneListModel::currentAirplane();
    double value = 0.0;
    QString suffix;
    if (airplane.unittype == 1) {
        const int volumeUnit = Settings::getInt(volumeKey, 0);
        value = convertMassToVolume(kg, airplane.fueltype);
        if (volumeUnit != 0)
            value /= litersPerGal;
        suffix = fuelUnitToString(1, volumeUnit);
    } else {
        const int massUnit = Settings::getInt(massKey, 0);
        value = massUnit != 0 ? kg / kgPerLbs : double(kg);
        suffix = massUnitToString(massUnit);
    }
    // Whole units, as the pilot loads them and as every row of the fuel plan shows them.
    return number(std::llround(value)) + suffix;
}
