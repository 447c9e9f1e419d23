#pragma once

#include "atc.h"
#include "point.h"

#include <QByteArray>
#include <QDataStream>
#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// A navigation point of type AIRP that also carries its ATC frequencies. Its UID is the bare
// airport code, also after the importer gives it a real region.
class Airport : public Point
{
    Q_OBJECT

public:
    // Type AIRP, terminal and region "*", no position until setPosition, frequency 0 and no
    // waypoint type.
    Airport(const QString &code, const QString &name, int elevation);
    ~Airport() override;

    // Exactly four characters, each a letter (Unicode letters above code 127 included).
    static bool isFourLetterCode(const QString &code);
    static QString uidForCode(const QString &code);

    void setPosition(const QGeoCoordinate &position, const QGeoRectangle &bounding);
    // The UID and the search text stay as built.
    void setRegion(const QString &region);
    // Replaces code and UID; the UID is the bare code again.
    void setIcaoCode(const QString &code);

    void addAtc(int type, float frequency, const QString &name);
    QList<Atc> atcsOfType(int type) const;

    // Hides Point::tooltip; the point model reaches it through Point::data for type AIRP.
    QString tooltip() const;
    // The information panel's page. section: empty for all, or exactly one of "metar",
    // "runways", "atcs", "sidstars". metar: the raw report, empty while it is being fetched.
    QString infoHtml(QString section, QString metar) const;

    static QHash<int, QByteArray> roleNames();
    // BaseRoleAirport gives the tooltip without icons; every other role is Point::data's.
    QVariant data(int role) const;

    // Both ask the database for the airport's runways.
    bool hasRunwayEnd(const QString &endName) const;
    bool hasHardLongRunway() const;

private:
    // The record reader's: the airport the public constructor, setPosition and setRegion make,
    // built in one go.
    Airport(const QString &code, const QString &name, int elevation, const QString &region,
            const QGeoCoordinate &position, const QGeoRectangle &bounding);

    // The ATC list's part of the airport record: a count in Qt's container-size form, then
    // one Atc record per entry.
    void writeAtcs(QDataStream &stream) const;
    void readAtcs(QDataStream &stream);

    QList<Atc> m_atcs;

    friend QDataStream &operator<<(QDataStream &stream, const Point &point);
    friend QDataStream &operator>>(QDataStream &stream, Point *&point);
};
