#pragma once

#include "internedtext.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QGeoCoordinate>
#include <QString>

class Point;

// One leg of a SID, STAR or approach, as read from a line of the simulator's CIFP procedure
// files, reduced to the values the program uses. A Procedure holds its legs by value and the
// database holds about a million of them, so a leg is a plain value of packed fields: no
// QObject (its texts keep the translation context "Record" all the same).
//
// The fix and the navaid are named by identifiers only; the points are looked up in the
// navigation database on every request and never cached, since the legs outlive a reload.
//
// The three altitude fields are 32-bit: CIFP files write high constraints as flight levels
// (FL330 is 33000 ft), which a 16-bit field would clamp. On the database file they keep their
// 2-byte slot, read as unsigned with 0xFFFF for "none", so files written before stay readable.
class Record
{
    Q_GADGET
    Q_DECLARE_TR_FUNCTIONS(Record)

public:
    enum RouteType {
        ENGINE_OUT_SID = 0,
        SID_RUNWAY_TRANSITION = 1,
        SID_COMMON_ROUTE = 2,
        SID_ENROUTE_TRANSITION = 3,
        STAR_ENROUTE_TRANSITION = 4,
        STAR_COMMON_ROUTE = 5,
        STAR_RUNWAY_TRANSITION = 6,
        APPROACH_TRANSITION = 7,
        LOCALIZER_BACKCOURSE_APPROACH = 8,
        VORDME_APPROACH = 9,
        FMS_APPROACH = 10,
        IGS_APPROACH = 11,
        ILS_APPROACH = 12,
        GLS_APPROACH = 13,
        LOC_APPROACH = 14,
        MLS_APPROACH = 15,
        NDB_APPROACH = 16,
        GPS_APPROACH = 17,
        NDBDME_APPROACH = 18,
        RNAV_APPROACH = 19,
        VOR_VORDME_APPROACH = 20,
        TACAN_APPROACH = 21,
        SDF_APPROACH = 22,
        VOR_APPROACH = 23,
        LDA_APPROACH = 24,
        MISSED_APPROACH = 25
    };

    // ARINC 424 path terminators; the two-letter code is the name.
    enum PathTerminator {
        IF = 0,
        TF,
        CF,
        DF,
        FA,
        FC,
        FD,
        FM,
        CA,
        CD,
        CI,
        CR,
        RF,
        AF,
        VA,
        VD,
        VI,
        VM,
        VR,
        PI,
        HA,
        HF,
        HM
    };

    // Altitude description codes "+", "-", " ", "B", "C", "G", "H", "I", "J", "V".
    enum AltitudeDescription {
        AT_OR_ABOVE = 0,
        AT_OR_BELOW = 1,
        AT = 2,
        BETWEEN = 3,
        AT_OR_ABOVE_SECOND = 4,
        GLIDESLOPE_AT = 5,
        GLIDESLOPE_AT_OR_ABOVE = 6,
        GLIDESLOPE_INTERCEPT_AT = 7,
        GLIDESLOPE_INTERCEPT_AT_OR_ABOVE = 8,
        STEPDOWN_AT_OR_ABOVE = 9
    };

    // What kind of point a leg's fix or navaid is, from the section and subsection codes of
    // the procedure file: a fix of another kind may share its ident and region (an NDB and a
    // DME beside it, a waypoint named after a navaid). AnyKind for legs that do not tell.
    enum PointKind : qint8 {
        AnyKind = 0,
        VhfNavaid = 1,
        NdbNavaid = 2,
        WaypointFix = 3,
        RunwayEnd = 4,
        AirportReference = 5
    };

    // Lowest and highest altitude (feet) an altitude field holds; -1 means none.
    static constexpr int kAltitudeNone = -1;
    static constexpr int kAltitudeMax = 65534;

    // Only for the database-file reader, which fills every field right after.
    Record();
    // Used by the CIFP reader. Integers are narrowed to their fields with a warning and
    // clamped; the doubles are stored as floats.
    Record(int sequence, int routeType, const QString &transition, const QString &fixIdentifier,
           const QString &navaidIdentifier, const QString &terminal, const QString &region, quint32 description,
           int turnDirection, int pathTerminator, int course, double distance, int isTime, int altitudeDescription,
           int altitude1, int altitude2, int transitionAltitude, int speed, double arcRadius, int theta);

    bool operator==(const Record &other) const = default;

    int sequence() const { return m_sequence; }
    QString sequenceText() const;
    int routeType() const { return m_routeType; }
    QString transition() const { return m_transition.text(); }
    QString fixIdentifier() const { return m_fixIdentifier.text(); }
    QString navaidIdentifier() const { return m_navaidIdentifier.text(); }
    QString terminal() const { return m_terminal.text(); }
    QString region() const { return m_region.text(); }
    quint32 description() const { return m_description; }
    int turnDirection() const { return m_turnDirection; }
    int pathTerminator() const { return m_pathTerminator; }
    int course() const { return m_course; }
    float distance() const { return m_distance; }
    bool isTime() const { return m_isTime == 1; }
    int altitudeDescription() const { return m_altitudeDescription; }
    int altitude1() const { return m_altitude1; }
    int altitude2() const { return m_altitude2; }
    int transitionAltitude() const { return m_transitionAltitude; }
    int speed() const { return m_speed; }
    float arcRadius() const { return m_arcRadius; }
    int theta() const { return m_theta; }
    int fixKind() const { return m_fixKind; }
    int navaidKind() const { return m_navaidKind; }
    // The CIFP reader's, right after construction.
    void setKinds(int fixKind, int navaidKind);
    // The kind of a section code ("D", "E", "P") and its subsection code.
    static int kindFromSection(QStringView section, QStringView subsection);
    // A leg that ends at a runway threshold, which is no point of the database.
    bool isRunwayFix() const { return m_fixKind == RunwayEnd; }

    // ---- points of the leg, looked up in the navigation database on every call
    Point *fixPoint() const;
    Point *navaidPoint() const;
    QString fixUid() const;
    QString navaidUid() const;
    // The fix's position; for a runway fix the threshold of that runway end.
    QGeoCoordinate fixPosition() const;
    QGeoCoordinate navaidPosition() const;
    // With link set the result is HTML: the point's link, or the escaped identifier.
    QString fixText(bool link) const;
    QString navaidText(bool link) const;

    // ---- code parsers for the CIFP reader
    static int routeTypeFromString(int procedureType, const QString &code);
    static int pathTerminatorFromString(const QString &code);
    static int altitudeDescriptionFromString(const QString &code);
    static int turnDirectionFromString(const QString &code);
    static quint32 descriptionFromString(const QString &code);
    // Clamps to the range an altitude field holds, with a warning, as checkInt16 does.
    static int checkAltitude(int value);

    // ---- waypoint description tests
    bool isFlyOver() const;
    bool isEndOfRoute() const;
    bool isStepdown() const;
    bool isMissedApproach() const;
    bool isIAF() const;
    bool isFACF() const;
    bool isFAF() const;
    bool isHolding() const;

    // ---- limits for the flight plan's procedure waypoints
    int minAltitude() const;
    int maxAltitude() const;
    int speedLimit() const;

    // ---- texts
    QString courseText() const;
    QString thetaText() const;
    QString altitude1Text() const;
    QString altitude2Text() const;
    QString distanceText() const;
    QString radiusText() const;
    QString speedText() const;
    QString turnDirectionText() const;
    static QString routeTypeText(int routeType);
    QString routeTypeText() const;
    QString descriptionText() const;
    QString altitudeText() const;
    // With link set the result is HTML.
    QString legText(bool link) const;
    QString fixRolesText(bool link) const;
    QString toDebugString() const;

private:
    Point *lookup(const QString &identifier, int kind) const;
    bool runwayFixOfFormerFile() const;
    // Character 1 to 4 of the description code, as its Latin-1 value.
    uchar descriptionChar(int position) const;

    // Widest fields first: no padding between them.
    InternedText m_transition;
    InternedText m_fixIdentifier;
    InternedText m_navaidIdentifier;
    InternedText m_terminal;
    InternedText m_region;
    qint32 m_altitude1 = kAltitudeNone;
    qint32 m_altitude2 = kAltitudeNone;
    qint32 m_transitionAltitude = kAltitudeNone;
    quint32 m_description = 0;
    float m_distance = 0.0f;
    float m_arcRadius = 0.0f;
    qint16 m_sequence = 0;
    qint16 m_course = -1;
    qint16 m_speed = 0;
    qint16 m_theta = -1;
    qint8 m_routeType = -1;
    qint8 m_turnDirection = -1;
    qint8 m_pathTerminator = -1;
    qint8 m_isTime = 0;
    qint8 m_altitudeDescription = -1;
    qint8 m_fixKind = AnyKind;
    qint8 m_navaidKind = AnyKind;

    friend QDataStream &operator<<(QDataStream &stream, const Record &record);
    friend QDataStream &operator>>(QDataStream &stream, Record &record);
};

// The leg's record in the navigation database file; no tag, count or version of its own.
QDataStream &operator<<(QDataStream &stream, const Record &record);
// Does not test the stream status: the procedure reader does after each leg.
QDataStream &operator>>(QDataStream &stream, Record &record);
