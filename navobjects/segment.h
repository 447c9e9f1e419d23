#pragma once

#include "baseitem.h"

#include <QDataStream>
#include <QString>
#include <QVariant>
#include <QVariantList>

class Point;

// One leg of the route network between two navigation points: an airway leg, an oceanic-track
// leg, a procedure leg or a direct leg. The geometry the map draws (label centre, rotations,
// length) is worked out once by the constructor; a segment never changes after that. Its line
// is the two end positions, handed out as asked for rather than kept twice.
//
// The end points are not owned: the database's point model owns them and outlives every segment.
class Segment : public BaseItem
{
    Q_OBJECT

public:
    enum Types { LOW = 1, HIGH = 2, TRACK = 20, PROC = 21, DRCT = 22 };
    Q_ENUM(Types)

    enum Directions { BACKWARD = -1, NONE = 0, FORWARD = 1 };
    Q_ENUM(Directions)

    enum SegmentRoles {
        RoleCode = BaseRoleSegment,
        RoleUidP0,
        RoleUidP1,
        RoleCodeP0,
        RoleCodeP1,
        RoleDirection,
        RoleType,
        RoleMinLevel,
        RoleMaxLevel,
        RoleLine,
        RoleTooltip,
        RoleCenter,
        RoleDistance,
        RoleArrowRotation,
        RoleTextRotation
    };

    // A null end point is a programming error and ends the program.
    Segment(int direction, int type, Point *from, Point *to, const QString &name, int minLevel, int maxLevel);
    ~Segment() override;

    Point *from() const { return m_from; }
    Point *to() const { return m_to; }
    QString name() const { return m_name; }
    int direction() const { return m_direction; }
    int type() const { return m_segmentType; }
    int minLevel() const { return m_minLevel; }
    int maxLevel() const { return m_maxLevel; }

    bool isForward() const { return m_direction == FORWARD; }
    bool isBackward() const { return m_direction == BACKWARD; }
    bool isUnrestricted() const { return m_direction == NONE; }

    // The end that is not the given point; from for any point that is not from, null for null.
    Point *otherEnd(const Point *point) const;

    bool canStartAt(const Point *point) const;
    bool canEndAt(const Point *point) const;
    bool isLinkedTo(const Point *point, bool outgoing, bool incoming) const;
    bool isLinkedTo(const QString &pointUid, bool outgoing, bool incoming) const;
    // Outgoing takes precedence over incoming when both are asked for.
    bool isLinkedTo(bool matchesFrom, bool matchesTo, bool outgoing, bool incoming) const;

    // Whether the segment, flown the way its direction allows, runs along the course within the
    // tolerance (whole degrees); an unrestricted segment is tried both ways.
    bool isInDirection(int course, int tolerance) const;

    // Whole nautical miles, truncated.
    int distance() const;

    static double minZoomForType(int type);

    QString segmentTypeText(bool shortText) const;
    QString segmentDirectionText(bool shortText) const;
    QString levelText(bool shortText) const;
    QString distanceText() const;
    QString routeText() const;
    QString icon() const;
    QString link() const;
    QString infoHtml() const;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    static QString makeUid(const Point *from, const Point *to, const QString &name);

    Point *m_from;
    Point *m_to;
    QString m_name;
    qint8 m_direction;
    qint8 m_segmentType;
    qint16 m_minLevel;
    qint16 m_maxLevel;
    QGeoCoordinate m_centre;
    double m_distance;
    qint32 m_arrowRotation;
    qint32 m_textRotation;
};

QDataStream &operator<<(QDataStream &stream, const Segment &segment);
// Resolves both end points through the database. A record that cannot be read, or whose end
// points the database does not hold, yields null and no segment; only a read error changes
// the stream status, so the database keeps reading after a segment whose point is missing.
QDataStream &operator>>(QDataStream &stream, Segment *&segment);
