#pragma once

#include "bezierpath.h"

#include <QDataStream>

// The boundary polygon of an airport; every boundary carries the UID "NOUID".
class Boundary : public BezierPath
{
    Q_OBJECT

public:
    enum BoundaryRoles { RolePolyline = BaseRoleBounday };

    Boundary();
    ~Boundary() override;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();
};

QDataStream &operator<<(QDataStream &stream, const Boundary &boundary);
// A record that cannot be read completely yields null and no boundary.
QDataStream &operator>>(QDataStream &stream, Boundary *&boundary);
