#pragma once

#include "bezierpath.h"

#include <QDataStream>

// A paved taxiway or apron area with the surface code of its pavement. Taxiways carry the empty
// UID.
class Taxiway : public BezierPath
{
    Q_OBJECT

public:
    // RoleHoles: the holes of the pavement, one closed polyline each (BezierPath::holes).
    enum TaxiwayRoles { RoleSurface = BaseRoleTaxiway, RolePolyline, RoleColor, RoleHoles };

    explicit Taxiway(int surface);
    ~Taxiway() override;

    int surface() const { return m_surface; }

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    qint8 m_surface;
};

QDataStream &operator<<(QDataStream &stream, const Taxiway &taxiway);
// A record that cannot be read completely yields null and no taxiway.
QDataStream &operator>>(QDataStream &stream, Taxiway *&taxiway);
