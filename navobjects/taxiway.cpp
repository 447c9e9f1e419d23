#include "taxiway.h"

#include "runway.h"

Taxiway::Taxiway(int surface)
    : BezierPath(QString(), QStringLiteral("nosearch"), 10.0, 12.0, -1)
    , m_surface(checkInt8(Runway::knownSurface(surface)))
{
}

Taxiway::~Taxiway() = default;

QVariant Taxiway::data(int role) const
{
    switch (role) {
    case RoleSurface:
        return int(m_surface);
    case RolePolyline:
        return polyline();
    case RoleColor:
        return Runway::surfaceText(m_surface);
    case RoleHoles:
        return holes();
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Taxiway::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RoleSurface, "role_surface");
    roles.insert(RolePolyline, "role_polyline");
    roles.insert(RoleColor, "role_color");
    roles.insert(RoleHoles, "role_holes");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Taxiway &taxiway)
{
    stream << static_cast<qint8>(taxiway.surface());
    taxiway.writePath(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Taxiway *&taxiway)
{
    taxiway = nullptr;

    qint8 surface = 0;
    stream >> surface;
    if (stream.status() != QDataStream::Ok)
        return stream;

    auto *item = new Taxiway(surface);
    item->readPath(stream);
    if (stream.status() != QDataStream::Ok) {
        delete item;
        return stream;
    }
    taxiway = item;
    return stream;
}
