#pragma once

#include "baseitem.h"

#include <QByteArray>
#include <QDataStream>
#include <QGeoCoordinate>
#include <QHash>
#include <QString>
#include <QVariant>

// One navigation point of the database: an airport (always the subclass Airport), a radio
// navigation aid, a fix or a coordinate waypoint.
//
// The map and the lists read the roles of every point they show whenever the view moves, so
// the derived texts that lookups and filters read (UID, search text) and both zoom limits are
// worked out once by the constructor and kept. The description, shown only for the few rows
// and pages in view, is made as it is asked for: building it for each of a few hundred
// thousand points took a fifth of an import's point construction. The position goes into a
// QVariant as it is asked for, which
// shares its data rather than copying it. The stored fields are narrow
// (qint8 type, qint16 elevation, float frequency) because the database holds every point of
// the world; the database file keeps the same widths.
class Point : public BaseItem
{
    Q_OBJECT

public:
    // The value is also the item's type bit in the list and map filters, so it stays below 32.
    enum Types {
        UNKNOWN = 0,
        AIRP = 1,
        NDB = 2,
        VOR = 3,
        ILS = 4,
        LOC = 5,
        GS = 6,
        OM = 7,
        MM = 8,
        IM = 9,
        FIX = 11,
        DMEILS = 12,
        DME = 13,
        COORD = 28
    };
    Q_ENUM(Types)

    enum PointRoles {
        RoleCode = BaseRolePoint,
        RoleListText,
        RoleComboText,
        RolePosition,
        RoleType,
        RoleIcon,
        RoleIconOffset,
        RoleTextOffset,
        RoleTooltip,
        RoleTypeString
    };

    // frequency: MHz, kHz for an NDB. waypointType: empty, or four characters of which the
    // first three are the ARINC 424 waypoint-type columns.
    Point(int type, const QGeoCoordinate &position, const QString &code, const QString &terminal, const QString &region,
          const QString &name, int elevation, float frequency, const QString &waypointType);
    ~Point() override;

    // "COORD" for a coordinate waypoint, whatever code it was built with.
    QString code() const;
    QString name() const { return m_name; }
    // The name for an airport; for other points the name (or the region) and what the point
    // is attached to, in the language of the moment.
    QString description() const;
    QGeoCoordinate position() const { return m_position; }
    double latitude() const { return m_position.latitude(); }
    double longitude() const { return m_position.longitude(); }
    QString positionText() const;
    QString terminal() const { return m_terminal; }
    QString region() const { return m_region; }
    int type() const { return m_pointType; }
    int elevation() const { return m_elevation; }
    // MHz, kHz for an NDB; 0 for a point without radio.
    float frequency() const;

    // Replaces the code and the UID; search text, description and zoom limits stay as built.
    void setCode(const QString &code);

    double distanceTo(const Point *other) const;
    int azimuthTo(const Point *other) const;
    bool isWithinDistance(const Point *other, double minNm, double maxNm) const;
    bool isInDirection(const Point *other, int heading, int tolerance) const;
    bool isWithinDistanceAndDirection(const Point *other, double minNm, double maxNm, int heading, int tolerance) const;

    bool isEnrouteIntersection() const;
    bool isProcedureWaypoint() const;

    static double minZoomFor(int type, const QString &code);
    static double minZoomDetailsFor(int type);

    static QHash<int, QByteArray> roleNames();
    QVariant data(int role) const;

    QString comboText() const;
    QString icon() const;
    // The kind's code as files write it ("Airport", "VOR"); typeText() is the same kind as the
    // pilot reads it in a sentence, translated where it is a word.
    QString typeString() const;
    QString typeText() const;
    QString frequencyText() const;
    QString elevationText() const;
    QString link() const;
    QString terminalLink() const;
    QString waypointTypeText() const;
    QString tooltip() const;
    // What is attached to the point: the procedures that leave or reach it and the airway
    // segments that may be flown away from it and towards it.
    QString infoHtml() const;

    // The UID rule: region part, terminal part, code; a part that is exactly "*" is left out,
    // any other (the empty text included) is followed by "/".
    static QString uidFor(const QString &region, const QString &terminal, const QString &code);

signals:
    void selectionChanged();

protected:
    // For an item whose bounding rectangle is known already (an airport read from the database
    // file): the same item as the public constructor builds, but with that bounding.
    Point(int type, const QGeoCoordinate &position, const QGeoRectangle &bounding, const QString &code,
          const QString &terminal, const QString &region, const QString &name, int elevation, float frequency,
          const QString &waypointType);

    QString m_code;
    QString m_name;
    QGeoCoordinate m_position;
    QString m_region;
    QString m_terminal;
    qint8 m_pointType;
    qint16 m_elevation;
    float m_frequency;
    QString m_waypointType;
    bool m_enroute;

    friend QDataStream &operator<<(QDataStream &stream, const Point &point);
    friend QDataStream &operator>>(QDataStream &stream, Point *&point);
};

// The point's record in the navigation database file. An airport's record also carries its
// bounding rectangle and its ATC list.
QDataStream &operator<<(QDataStream &stream, const Point &point);
// Hands back a new object owned by the caller: an Airport for a record of type AIRP, a Point
// otherwise. When the stream fails part-way the pointer is set to null and nothing is built,
// so a damaged file never yields an item made of whatever the stream delivered.
QDataStream &operator>>(QDataStream &stream, Point *&point);

// A QGeoCoordinate of a database record, read exactly as QDataStream's own operator reads it.
QGeoCoordinate readRecordCoordinate(QDataStream &stream);
