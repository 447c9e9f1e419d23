#include "boundary.h"

Boundary::Boundary()
    : BezierPath(QStringLiteral("NOUID"), QStringLiteral("nosearch"), 10.0, 12.0, -1)
{
}

Boundary::~Boundary() = default;

QVariant Boundary::data(int role) const
{
    if (role == RolePolyline)
        return polyline();
    if (role == RoleHoles)
        return holes();
    return BaseItem::data(role);
}

QHash<int, QByteArray> Boundary::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RolePolyline, "role_polyline");
    roles.insert(RoleHoles, "role_holes");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Boundary &boundary)
{
    boundary.writePath(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Boundary *&boundary)
{
    auto *item = new Boundary;
    item->readPath(stream);
    if (stream.status() != QDataStream::Ok) {
        delete item;
        item = nullptr;
    }
    boundary = item;
    return stream;
}
