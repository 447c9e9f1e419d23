#pragma once

#include "baseitem.h"

#include <QDataStream>
#include <QGeoCoordinate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Point;

// One physical runway of an airport with its two ends. Everything the map draws (length,
// headings, the paved and the inner polygon, the centre line) is worked out once by the
// constructor and only handed out afterwards; the ILS setters change the ILS data alone.
//
// An end index is valid only when it is 0 or 1; any other index gives false, the empty text or
// no change, and never reaches the two-entry lists.
class Runway : public BaseItem
{
    Q_OBJECT

public:
    enum RunwayRoles {
        RoleName = BaseRoleRunway,
        RoleCodes,
        RoleVerticalCodes,
        RoleWidth,
        RoleSurface,
        RoleHasCenterLights,
        RoleHasEdgeLights,
        RoleHasMarkings,
        RoleRect,
        RoleInRect,
        RoleLine,
        RoleHeadings,
        RoleColor,
        RoleLineColor,
        RoleLightColor,
        RoleTooltip
    };

    // Thresholds are the landing thresholds; an outward extension is how far the pavement
    // reaches beyond its threshold, away from the other end (metres).
    Runway(const QString &airport, const QGeoCoordinate &threshold0, const QString &name0, float extension0,
           const QGeoCoordinate &threshold1, const QString &name1, float extension1, float width, int surface,
           int centreLights, int edgeLights);
    ~Runway() override;

    QString airport() const { return m_airport; }
    bool hasAirportCode(const QString &code) const;
    bool belongsTo(const Point *airport) const;
    bool hasEnd(int index) const;
    QString endName(int index, bool withPrefix = false) const;
    QString oppositeEndName(const QString &end) const;
    QGeoCoordinate endPosition(const QString &end) const;
    QString codes() const;
    bool isHardLong() const;
    bool hasIls(int index) const;
    void setIls(const QString &end, float frequency, const QString &ident);
    void setIlsAt(int index, float frequency, const QString &ident);

    QString widthText() const;
    QString lengthText() const;
    QString headingText(int index) const;
    QString ilsText(int index) const;
    QString surfaceText() const;

    static QString surfaceText(int code);
    // The surface code the program keeps for a code of the simulator's airport file: the newer
    // shades of asphalt (20 to 38) and concrete (50 to 57) become 1 and 2; codes up to 19 stay;
    // any other becomes asphalt. An unknown code is warned about once for the whole run.
    static int knownSurface(int code);
    static QString verticalCode(const QString &name);
    static QString toggleRwPrefix(const QString &name);
    static QGeoCoordinate pointTowards(const QGeoCoordinate &from, float distance, const QGeoCoordinate &to);
    static QString findOppositeEndName(const QString &airport, const QString &end);

    QGeoCoordinate threshold(int index) const;
    float extension(int index) const;
    float width() const { return m_width; }
    int surface() const { return m_surface; }
    bool hasCentreLights() const { return m_centreLights; }
    bool hasEdgeLights() const { return m_edgeLights; }
    float ilsFrequency(int index) const;
    QString ilsIdent(int index) const;
    double length() const { return m_length; }
    double heading(int index) const;

    // Information texts. flags of detailsHtml go to RichText::addLabelValue: 2 for the runway
    // page (with the UID line), 4 for the list inside an airport's page.
    QString infoHtml() const;
    QString detailsHtml(int flags, bool withIls) const;
    QString proceduresHtml() const;
    QString link() const;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    static bool validIndex(int index) { return index == 0 || index == 1; }

    QString m_airport;
    QStringList m_names;
    QList<QGeoCoordinate> m_thresholds;
    float m_extensions[2];
    float m_width;
    qint8 m_surface;
    bool m_centreLights;
    bool m_edgeLights;
    float m_ilsFrequencies[2];
    QStringList m_ilsIdents;
    double m_length;
    double m_headings[2];
    QVariantList m_outerPolygon;
    QVariantList m_innerPolygon;
    QVariantList m_centreLine;
};

QDataStream &operator<<(QDataStream &stream, const Runway &runway);
// A record that cannot be read completely yields null and no runway.
QDataStream &operator>>(QDataStream &stream, Runway *&runway);
