#pragma once

#include "baseitem.h"

#include <QChar>
#include <QDataStream>
#include <QGeoCoordinate>
#include <QString>
#include <QVariant>

// One taxiway name label on the airport ground, with the taxiway's heading there, whether it is
// one-way and the wingspan class it admits. Every label carries the UID "NOUID".
class Taxiname : public BaseItem
{
    Q_OBJECT

public:
    enum Directions { OneWay = 0, TwoWay = 1 };
    Q_ENUM(Directions)

    enum TaxinameRoles { RolePosition = BaseRoleTaxiname, RoleHeading, RoleDirection, RoleName, RoleTooltip };

    // The direction is kept as given: the map draws the one-way arrow for anything but TwoWay.
    Taxiname(const QGeoCoordinate &position, double heading, int direction, QChar wingspan, const QString &name);
    ~Taxiname() override;

    QGeoCoordinate position() const { return coordinateOf(m_position); }
    double heading() const { return m_heading; }
    int direction() const { return m_direction; }
    QChar wingspan() const { return m_wingspan; }
    QString name() const { return m_name; }

    QString directionText() const;
    QString tooltipHtml() const;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    // Packed: a QGeoCoordinate is a heap block of its own, for some 200,000 items each.
    Corner m_position;
    double m_heading;
    int m_direction;
    QChar m_wingspan;
    QString m_name;
};

QDataStream &operator<<(QDataStream &stream, const Taxiname &taxiname);
// A record that cannot be read completely yields null and no label.
QDataStream &operator>>(QDataStream &stream, Taxiname *&taxiname);
