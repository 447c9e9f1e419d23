#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>

class XmlStreamReader;
class XmlStreamWriter;

// One airplane performance profile. Masses are kilograms; fuel quantities and flows are
// kilograms too, whatever the unit type: the unit type (0 "Mass", 1 "Volume") and the fuel type
// only choose how fuel is shown and entered, so that the plan adds fuel to its weights as it is.
// Speeds are knots, vertical speeds feet per minute (descent and approach rates are negative),
// the ceiling a flight level.
//
// A default-constructed profile is a generic medium jet, so that a plan computed before any
// airplane exists (an empty list) still climbs, cruises and burns fuel at plausible figures
// instead of dividing by zero speeds.
class Airplane
{
    Q_GADGET
    Q_PROPERTY(QString icao MEMBER icao)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString manufacturer MEMBER manufacturer)
    Q_PROPERTY(int maxpassengers MEMBER maxpassengers)
    Q_PROPERTY(int passengerweight MEMBER passengerweight)
    Q_PROPERTY(int maxcargo MEMBER maxcargo)
    Q_PROPERTY(int eow MEMBER eow)
    Q_PROPERTY(int mzfw MEMBER mzfw)
    Q_PROPERTY(int mtow MEMBER mtow)
    Q_PROPERTY(int mlw MEMBER mlw)
    Q_PROPERTY(int v2 MEMBER v2)
    Q_PROPERTY(int takeoffdistance MEMBER takeoffdistance)
    Q_PROPERTY(int vat MEMBER vat)
    Q_PROPERTY(int landingdistance MEMBER landingdistance)
    Q_PROPERTY(int ceilinglvl MEMBER ceilinglvl)
    Q_PROPERTY(int maxcruisetas MEMBER maxcruisetas)
    Q_PROPERTY(int initialias MEMBER initialias)
    Q_PROPERTY(int initialvs MEMBER initialvs)
    Q_PROPERTY(int climbias MEMBER climbias)
    Q_PROPERTY(int climbvs MEMBER climbvs)
    Q_PROPERTY(int descentias MEMBER descentias)
    Q_PROPERTY(int descentvs MEMBER descentvs)
    Q_PROPERTY(int approachias MEMBER approachias)
    Q_PROPERTY(int approachvs MEMBER approachvs)
    Q_PROPERTY(int fueltype MEMBER fueltype)
    Q_PROPERTY(int unittype MEMBER unittype)
    Q_PROPERTY(int taxifuel MEMBER taxifuel)
    Q_PROPERTY(int climbfuel MEMBER climbfuel)
    Q_PROPERTY(int cruisefuel MEMBER cruisefuel)
    Q_PROPERTY(int descentfuel MEMBER descentfuel)
    Q_PROPERTY(int alternatefuel MEMBER alternatefuel)
    Q_PROPERTY(int contingencyfuel MEMBER contingencyfuel)
    Q_PROPERTY(int extrafuel MEMBER extrafuel)
    Q_PROPERTY(int finalfuel MEMBER finalfuel)
    Q_PROPERTY(int fuelcapacity MEMBER fuelcapacity)
    Q_PROPERTY(QString registration MEMBER registration)
    Q_PROPERTY(QString equipment MEMBER equipment)
    Q_PROPERTY(QString transponder MEMBER transponder)
    Q_PROPERTY(QString fullName READ fullName)

public:
    // Manufacturer and name joined by a blank, as lists and selectors show an airplane.
    QString fullName() const;

    // One element "airplane" holding one element per field, named and ordered as the fields
    // are declared: the layout of the stored list and of airplane files alike.
    void write(XmlStreamWriter &writer) const;
    // Reads that element strictly in order; false, with the reader's message, on any deviation.
    // An empty number element keeps the field's default.
    bool read(XmlStreamReader &reader);
    // Holds every number within the range the airplane dialog allows it (the Constants limits),
    // logging each value that had to change with its field and the source's name: values read
    // from a file pass through here before any computation sees them.
    void bringWithinLimits(const QString &source);
    // A value for the number field of that name held within the field's own range there (a
    // maximum weight not yet from the weight it builds on, which may be written after it), with
    // the same log line; any other field's value as it is.
    static int heldWithinLimits(QStringView field, int value, const QString &source);

    bool operator==(const Airplane &other) const = default;

    QString icao; // ICAO type designator
    QString name;
    QString manufacturer;
    int maxpassengers = 150;    // seats
    int passengerweight = 100;  // kg per passenger with baggage
    int maxcargo = 5000;        // kg
    int eow = 42000;            // empty operating weight, kg
    int mzfw = 62000;           // maximum zero-fuel weight, kg
    int mtow = 78000;           // maximum take-off weight, kg
    int mlw = 66000;            // maximum landing weight, kg
    int v2 = 145;               // take-off safety speed, kts
    int takeoffdistance = 2000; // m
    int vat = 140;              // threshold speed, kts
    int landingdistance = 1500; // m
    int ceilinglvl = 390;       // flight level
    int maxcruisetas = 450;     // kts
    int initialias = 250;       // kts, below 10000 ft
    int initialvs = 2500;       // ft/min
    int climbias = 290;
    int climbvs = 2000;
    int descentias = 280;
    int descentvs = -2000;
    int approachias = 250;
    int approachvs = -1500;
    int fueltype = 0;     // 0 "Kerosen", 1 "Avgas"
    int unittype = 0;     // 0 "Mass", 1 "Volume"
    int taxifuel = 200;   // kg
    int climbfuel = 3000; // kg per hour
    int cruisefuel = 2500;
    int descentfuel = 1000;
    int alternatefuel = 2500;
    int contingencyfuel = 5;  // percent of the trip fuel
    int extrafuel = 0;        // kg
    int finalfuel = 30;       // minutes of holding
    int fuelcapacity = 24000; // kg
    QString registration;
    QString equipment = QStringLiteral("S");   // flight plan item 10a: standard equipment
    QString transponder = QStringLiteral("C"); // item 10b: Mode C
};

Q_DECLARE_METATYPE(Airplane)
