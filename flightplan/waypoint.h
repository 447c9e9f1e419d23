#pragma once

#include "baseitem.h"
#include "linkeditem.h"

#include <QGeoCoordinate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class Point;
class Procedure;
class Record;
class Segment;

// One point of the flight plan: a navigation point of the database, optionally part of a SID,
// STAR or approach, with the pilot's altitude and speed choices, constraints, comment and
// runway end, and the computed values of the leg that starts here.
//
// The point, airway and procedure belong to the navigation database, which keeps its items
// alive for the whole process; the waypoint never deletes them. The computed fields hold the
// result of the last update pass of the plan; every reader tests the no-value markers
// (altitude -1, heading -1, altitude difference 100001, slope 5001.0, vertical speed 5001,
// temperature -274.0).
class Waypoint : public LinkedItem
{
    Q_OBJECT
    Q_PROPERTY(QString code READ code CONSTANT)
    Q_PROPERTY(QString rawCode READ rawCode CONSTANT)
    Q_PROPERTY(int type READ type CONSTANT)
    Q_PROPERTY(QString typeString READ typeString CONSTANT)
    Q_PROPERTY(QString icon READ icon CONSTANT)
    Q_PROPERTY(QString route READ route CONSTANT)
    Q_PROPERTY(QString airway READ airwayText CONSTANT)
    Q_PROPERTY(QString inAirway READ inAirway CONSTANT)
    Q_PROPERTY(QString filedAirway READ filedAirway CONSTANT)
    Q_PROPERTY(QString filedInAirway READ filedInAirway CONSTANT)
    Q_PROPERTY(double latitude READ latitude CONSTANT)
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    Q_PROPERTY(QString latitudeShort READ latitudeShort CONSTANT)
    Q_PROPERTY(QString longitudeShort READ longitudeShort CONSTANT)
    Q_PROPERTY(QString latitudeShortRte READ latitudeShortRte CONSTANT)
    Q_PROPERTY(QString longitudeShortRte READ longitudeShortRte CONSTANT)
    Q_PROPERTY(int altitude READ altitude CONSTANT)
    Q_PROPERTY(int level READ level CONSTANT)
    Q_PROPERTY(QString altitudeIcon READ altitudeIcon CONSTANT)
    Q_PROPERTY(QString top READ topText CONSTANT)
    Q_PROPERTY(QString iasString READ iasString CONSTANT)
    Q_PROPERTY(int ias READ ias CONSTANT)
    Q_PROPERTY(int gs READ gs CONSTANT)
    Q_PROPERTY(QString next READ nextCode CONSTANT)
    Q_PROPERTY(int headingToNext READ headingToNext CONSTANT)
    Q_PROPERTY(double distanceToNext READ distanceToNext CONSTANT)
    Q_PROPERTY(double remainingDistance READ remainingDistance CONSTANT)
    Q_PROPERTY(int altDiff READ altDiff CONSTANT)
    Q_PROPERTY(int verticalSpeed READ verticalSpeed CONSTANT)
    Q_PROPERTY(double slope READ slope CONSTANT)
    Q_PROPERTY(int temperature READ temperatureTruncated CONSTANT)
    Q_PROPERTY(int timeToNext READ timeToNext CONSTANT)
    Q_PROPERTY(int elapsedTime READ elapsedTime CONSTANT)
    Q_PROPERTY(int burnedFuel READ burnedFuel CONSTANT)
    Q_PROPERTY(int remainingFuel READ remainingFuel CONSTANT)
    Q_PROPERTY(QString comment READ comment CONSTANT)
    Q_PROPERTY(QString procedureIdentifier READ procedureIdentifier CONSTANT)
    Q_PROPERTY(QString procedureType READ procedureType CONSTANT)
    Q_PROPERTY(QString runwayEnd READ runwayEnd CONSTANT)
    Q_PROPERTY(QString descriptionTxt READ descriptionTxt CONSTANT)
    Q_PROPERTY(QString descriptionKml READ descriptionKml CONSTANT)

public:
    enum Roles {
        Altitude = BaseItem::BaseRoleWaypoint,
        IndicatedAirSpeed,
        HeadingToNext,
        DistanceToNext,
        FlownDistance,
        RemainingDistance,
        Airway,
        TimeToNext,
        ElapsedTime,
        RemainingTime,
        BurnedFuel,
        RemainingFuel,
        Comment,
        ToolTip,
        IsFirst,
        IsLast,
        IsDepartureAirport,
        IsArrivalAirport,
        AltitudeIcon,
        IsTOC,
        IsTOD,
        ProcedureUID,
        ProcedureIdentifier,
        ProcedureType,
        ProcedureAllTransitions,
        ProcedureMainTransition,
        RunwayEnd,
        Path
    };
    Q_ENUM(Roles)

    // Markers of the computed values that have none.
    static constexpr int NoAltitude = -1;
    static constexpr int NoHeading = -1;
    static constexpr int NoAltDiff = 100001;
    static constexpr double NoSlope = 5001.0;
    static constexpr int NoVerticalSpeed = 5001;
    static constexpr double NoTemperature = -274.0;

    // A null point ends the program.
    explicit Waypoint(Point *point);
    // Copies the links as they stand (the list relinks the copy), the point, airway and
    // procedure, the pilot's choices and every computed value except the air pressure, which
    // the next leg computation sets.
    explicit Waypoint(const Waypoint *other);
    ~Waypoint() override;

    // ---- identity and neighbours
    Point *point() const { return m_point; }
    // For the document reader, which reads into a waypoint on a placeholder point first;
    // a null point is refused.
    void setPoint(Point *point);
    Waypoint *previousWaypoint() const;
    Waypoint *nextWaypoint() const;
    bool samePoint(const Waypoint *other) const;
    QString uid() const;
    QString comboText() const;
    QGeoCoordinate position() const;
    int elevation() const;

    QString code() const;
    QString rawCode() const;
    int type() const;
    QString typeString() const;
    QString icon() const;
    double latitude() const;
    double longitude() const;
    // "455000N0732500W": the code of a coordinate point, ten-thousandths of a degree.
    static QString coordinateCode(const QGeoCoordinate &position);

    // ---- pilot's choices and constraints
    // 0 when not set; the stored value (-1 when not set) is storedAltitude().
    int altitude() const { return m_altitude == NoAltitude ? 0 : m_altitude; }
    int storedAltitude() const { return m_altitude; }
    int level() const;
    // constrained: held within the own and the next waypoint's altitude constraints.
    void setAltitude(int altitude, bool constrained);
    int ias() const { return m_ias; }
    // A speed of 5.0 or less is a Mach number; limited: held at or below maxIas.
    void setIas(double speed, bool limited);
    // Typed by the pilot (setData): the profile computation keeps them, whatever starts it,
    // until the pilot empties the field.
    bool altitudeByPilot() const { return m_altitudeByPilot; }
    bool iasByPilot() const { return m_iasByPilot; }
    int minAltitude() const { return m_minAltitude; }
    int maxAltitude() const { return m_maxAltitude; }
    int maxIas() const { return m_maxIas; }
    void setMinAltitude(int altitude) { m_minAltitude = altitude; }
    void setMaxAltitude(int altitude) { m_maxAltitude = altitude; }
    void setMaxIas(int ias) { m_maxIas = ias; }
    // In the locale of whoever reads it: the interface's on the screen, the C locale in files
    // and logs (Unit::FileTexts), so that a plan reads the same for every pilot.
    QString comment() const;
    void setComment(const QString &comment);
    // The text of a procedure leg's fix roles, kept in both forms.
    void setLegComment(const Record &leg);
    QString runwayEnd() const { return m_runwayEnd; }
    void setRunwayEnd(const QString &end);

    // ---- phase and tops
    int phase() const { return m_phase; }
    void setPhase(int phase) { m_phase = phase; }
    // 0 none, 1 top of climb, 2 top of descent, 3 apogee.
    int topId() const { return m_top; }
    bool isTOC() const { return m_top == 1 || m_top == 3; }
    bool isTOD() const { return m_top == 2 || m_top == 3; }
    QString altitudeIcon() const;

    // ---- airway and procedure
    Segment *airwaySegment() const { return m_airway; }
    void setAirway(Segment *airway) { m_airway = airway; }
    // The leg to the next waypoint as the route search or the document chose it: the airway
    // segment flown (null for a direct leg) to the point toward. The leg computation keeps it
    // while that point follows and the database holds the segment; otherwise the leg takes
    // the first segment that joins the two points, as for a leg nobody chose.
    void chooseLeg(const Segment *airway, const Point *toward);
    void chooseLeg(const QString &airwayUid, int airwayType, const QString &towardUid);
    QString airwayName() const;
    QString route() const { return airwayName(); }
    // "DRCT" for a leg on a segment that is no HIGH or LOW airway.
    QString airwayText() const;
    QString inAirway() const;
    // The airway of the leg as a route written for an FMS or a controller names it. The data
    // names a segment that several airways share by all of them joined with "-" ("UL607-UL608"),
    // which nobody else knows: the leg takes one of them, the one that continues the previous
    // leg's airway, else the one that runs on furthest along the next legs, else the first.
    QString filedAirway() const;
    // filedAirway of the leg that leads to this waypoint.
    QString filedInAirway() const;
    int airwayType() const;
    QString airwayIcon() const;
    QString airwayRouteText() const;
    Procedure *procedure() const { return m_procedure; }
    void setProcedure(Procedure *procedure) { m_procedure = procedure; }
    int procedureTypeId() const;
    QString procedureUid() const;
    QString procedureIdentifier() const;
    QString procedureType() const;
    QStringList procedureTransitions() const;
    QString procedureMainTransition() const;

    // ---- pass-through texts of the point
    QString description() const;
    QString positionText() const;
    QString terminal() const;
    QString region() const;
    float frequency() const;
    QString frequencyText() const;
    QString link() const;
    QVariant pointData(int role) const;

    // ---- computed values
    int headingToNext() const { return m_headingToNext; }
    double distanceToNext() const { return m_distanceToNext; }
    double flownDistance() const { return m_flownDistance; }
    double remainingDistance() const { return m_remainingDistance; }
    int tas() const { return m_tas; }
    int gs() const { return m_gs; }
    double temperature() const { return m_temperature; }
    int temperatureTruncated() const { return int(m_temperature); }
    double airPressure() const { return m_airPressure; }
    int altDiff() const { return m_altDiff; }
    int timeToNext() const { return m_timeToNext; }
    int elapsedTime() const { return m_elapsedTime; }
    int remainingTime() const { return m_remainingTime; }
    int burnedFuel() const { return m_burnedFuel; }
    int remainingFuel() const { return m_remainingFuel; }
    double slope() const { return m_slope; }
    int verticalSpeed() const { return m_verticalSpeed; }
    QString nextCode() const;

    double distanceTo(const Waypoint *other) const;
    int azimuthTo(const Waypoint *other) const;

    // The leg that starts here, with the running totals of the plan (each may be null) and
    // the plan's cruise TAS in knots.
    void compute(double *totalDistance, int *totalTime, int *totalFuel, int cruiseTas);
    void setRemaining(double totalDistance, int totalTime, int fuel);

    // ---- display texts (always: print a value that means none too)
    QString altitudeString(bool always = false) const;
    QString iasString(bool always = false) const;
    QString headingToNextString(bool always = false) const;
    QString distanceToNextString(bool always = false) const;
    QString flownDistanceString(bool always = false) const;
    QString remainingDistanceString(bool always = false) const;
    QString gsString(bool always = false) const;
    QString tasString(bool always = false) const;
    QString temperatureString(bool always = false) const;
    QString airPressureString(bool always = false) const;
    QString altDiffString(bool always = false) const;
    QString timeToNextString(bool always = false) const;
    QString elapsedTimeString(bool always = false) const;
    QString remainingTimeString(bool always = false) const;
    QString burnedFuelString(bool always = false) const;
    QString remainingFuelString(bool always = false) const;
    QString slopeString(bool always = false) const;
    QString verticalSpeedString(bool always = false) const;

    // ---- information texts (waypointinfo.cpp)
    QString phaseText(bool shortText, bool dash) const;
    QString top(bool shortText, bool dash) const;
    QString topText() const { return top(true, false); }
    QString infoHtml() const;
    QString nextLegHtml() const;
    QString tooltip() const;
    QString descriptionTxt() const;
    QString descriptionKml() const;
    QString latitudeShort() const;
    QString longitudeShort() const;
    QString latitudeShortRte() const;
    QString longitudeShortRte() const;
    QString profileText() const;
    QString logText() const;

    // ---- leg path on the map (waypointpath.cpp)
    // The point's position; for the departure and arrival airports with a known runway end,
    // the far end of the departure runway and the threshold of the arrival runway.
    QGeoCoordinate coordinate() const;
    // The leg to the next waypoint, with the halves of the turns at both ends, split where it
    // crosses the 180th meridian; empty for the last waypoint.
    QVariantList path() const;
    // The turn radius in metres at a ground speed in knots, before it is held within half of
    // each neighbouring leg.
    static float turnRadius(int groundSpeed);
    // count points of the turn at the waypoint, from the incoming to the outgoing leg; empty
    // for a waypoint without a previous or next one.
    static QVariantList turnCurve(const Waypoint *waypoint, int count);

    // ---- model
    QVariant data(int role) const;
    // An edit from the plan's table; false, and nothing changed, for a role that cannot be
    // edited or an altitude or speed text that WaypointText refuses.
    bool setData(int role, const QVariant &value);
    static QHash<int, QByteArray> roleNames();

public slots:
    void linkChanged(bool changed) override;

private:
    Segment *legTo(Point *next);

    Point *m_point = nullptr;
    int m_phase = 0;
    int m_top = 0;
    int m_altitude = NoAltitude;
    int m_ias = 0;
    bool m_altitudeByPilot = false;
    bool m_iasByPilot = false;
    QString m_comment;
    // The comment as files take it; empty while it reads the same in every locale.
    QString m_fileComment;
    int m_headingToNext = NoHeading;
    double m_distanceToNext = 0.0;
    double m_flownDistance = 0.0;
    double m_remainingDistance = 0.0;
    int m_tas = 0;
    int m_gs = 0;
    double m_temperature = NoTemperature;
    // 0.0 (shown as none) until the first leg computation.
    double m_airPressure = 0.0;
    int m_altDiff = NoAltDiff;
    int m_timeToNext = 0;
    int m_elapsedTime = 0;
    int m_remainingTime = 0;
    int m_burnedFuel = 0;
    int m_remainingFuel = 0;
    double m_slope = NoSlope;
    int m_verticalSpeed = NoVerticalSpeed;
    Segment *m_airway = nullptr;
    // The chosen leg by UIDs, so that it outlives a reload of the database: the next point,
    // and the segment's UID (empty for a direct leg) with its type, which tells apart a LOW
    // and a HIGH airway of one name between the same points.
    QString m_legTo;
    QString m_legAirway;
    int m_legType = 0;
    QString m_runwayEnd;
    Procedure *m_procedure = nullptr;
    int m_minAltitude = -1;
    int m_maxAltitude = -1;
    int m_maxIas = 0;
};
