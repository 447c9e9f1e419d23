#pragma once

#include <QByteArray>
#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QVariant>

// Common base of every navigation item held by the database's list models: identity, map
// extent, search text, zoom limits and type. Items have no QObject parent: whoever holds them
// in a model (the database) deletes them.
//
// data() and roleNames() are deliberately not virtual: every item class declares its own
// under the same names and BaseModel<T> calls the ones of T. A class that declares neither
// (procedures) serves just the five base roles below.
class BaseItem : public QObject
{
    Q_OBJECT

public:
    // Model roles. The base roles lie below every class base; each item class numbers its own
    // roles upward from its base (its first role has the base's value).
    enum Roles {
        UID = 0x1FFFF,
        Bounding = 0x20000,
        Search = 0x20001,
        MinZoom = 0x20002,
        MinZoomDetails = 0x20003,
        BaseRoleAirport = 0x10FFFF,
        BaseRoleBounday = 0x20FFFF,
        BaseRolePoint = 0x30FFFF,
        BaseRoleProcedure = 0x40FFFF,
        BaseRoleRecord = 0x50FFFF,
        BaseRoleRunway = 0x60FFFF,
        BaseRoleSegment = 0x70FFFF,
        BaseRoleTaxiway = 0x80FFFF,
        BaseRoleTaxiname = 0x90FFFF,
        BaseRoleWaypoint = 0xA0FFFF,
        BaseRolePaintlight = 0xB0FFFF,
        BaseRoleStartup = 0xC0FFFF,
        BaseRoleFlightPlan = 0xD0FFFF
    };
    Q_ENUM(Roles)

    BaseItem(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type);
    ~BaseItem() override;

    QString uid() const { return m_uid; }
    void setUid(const QString &uid);

    // Built on each call from the stored corners.
    QGeoRectangle bounding() const;
    // Its edges as bounding() has them, without building the rectangle: for indexes that read
    // every item.
    double boundingNorth() const { return m_topLeft.latitude; }
    double boundingWest() const { return m_topLeft.longitude; }
    double boundingSouth() const { return m_bottomRight.latitude; }
    double boundingEast() const { return m_bottomRight.longitude; }
    void setBounding(const QGeoRectangle &bounding);
    void setBoundingFromCoordinate(const QGeoCoordinate &position);

    QString search() const { return m_search; }
    double minzoom() const { return m_minzoom; }
    double minzoomDetails() const { return m_minzoomDetails; }
    int type() const { return m_type; }

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

    bool isVisible(const QGeoRectangle &area, double zoom, int mask) const;
    bool matches(const QString &text, int mask) const;

    // True when bit (type modulo 32) of mask is set; type -1 selects bit 31.
    static bool typeInMask(int type, int mask);
    // The mask with that bit of type set (in) or cleared.
    static int withTypeInMask(int mask, int type, bool in);
    // Plain ASCII and, unless upper case is allowed, no capital letter: texts on which a
    // case-sensitive search gives the answer of the case-folding one.
    static bool isPlainAscii(QStringView text, bool allowUpper);

    static quint16 checkUint16(int value);
    static quint8 checkUint8(int value);
    static qint16 checkInt16(int value);
    static qint8 checkInt8(int value);

    static QString nextUid(const QString &uid);

protected:
    // A bounding corner component by component, altitude included: a QGeoRectangle takes three
    // heap blocks, and a world holds about a million items. A default corner is the invalid
    // coordinate, so default corners make the default (invalid) rectangle.
    struct Corner
    {
        double latitude = qQNaN();
        double longitude = qQNaN();
        double altitude = qQNaN();
    };
    // The components as the coordinate holds them, out-of-range values included.
    static Corner cornerOf(const QGeoCoordinate &coordinate);
    static QGeoCoordinate coordinateOf(const Corner &corner);

    QString m_uid;
    Corner m_topLeft;
    Corner m_bottomRight;
    QString m_search;
    double m_minzoom;
    double m_minzoomDetails;
    qint32 m_type;
};
