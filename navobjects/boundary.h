#pragma once

#include "bezierpath.h"

#include <QDataStream>

// The boundary polygon of an airport; every boundary carries the UID "NOUID".
class Boundary : public BezierPath
{
    Q_OBJECT

public:
    // RoleHoles: the holes of the polygon, one closed polyline each (BezierPath::holes).
    enum BoundaryRoles { RolePolyline = BaseRoleBounday, RoleHoles };

    Boundary();
    ~Boundary() override;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();
};

QDataStream &operator<<(QDataStream &stream, const Boundary &boundary);
// A record that cannot be read completely yields null and no boundary.
QDataStream &operator>>(QDataStream &stream, Boundary *&boundary);
