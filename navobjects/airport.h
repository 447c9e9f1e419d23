#pragma once

#include "atc.h"
#include "point.h"

#include <QDataStream>
#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QList>
#include <QString>

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

    // Both ask the database for the airport's runways.
    bool hasRunwayEnd(const QString &endName) const;
    bool hasHardLongRunway() const;

private:
    // The ATC list's part of the airport record: a count in Qt's container-size form, then
    // one Atc record per entry.
    void writeAtcs(QDataStream &stream) const;
    void readAtcs(QDataStream &stream);

    QList<Atc> m_atcs;

    friend QDataStream &operator<<(QDataStream &stream, const Point &point);
    friend QDataStream &operator>>(QDataStream &stream, Point *&point);
};
