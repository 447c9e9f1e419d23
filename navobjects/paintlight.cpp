#include "paintlight.h"

Paintlight::Paintlight()
    : BezierPath(QStringLiteral("NOUID"), QStringLiteral("nosearch"), 12.0, 12.0, -1)
{
}

Paintlight::~Paintlight() = default;

void Paintlight::addType(int code)
{
    if (m_style || m_typeCount == 2)
        ensureStyle()->apply(code);

    // Sign-extended on purpose: a negative code fills the previous code's byte as well.
    const qint16 narrowed = checkInt8(code);
    m_types = static_cast<qint16>((quint16(m_types) << 8) | quint16(narrowed));
    if (m_typeCount < 2)
        ++m_typeCount;
}

PaintlightStyle *Paintlight::ensureStyle() const
{
    if (!m_style) {
        m_style = std::make_unique<PaintlightStyle>();
        m_style->apply(previousCode());
        m_style->apply(latestCode());
    }
    return m_style.get();
}

const PaintlightStyle *Paintlight::getStyle() const
{
    return ensureStyle();
}

QVariant Paintlight::data(int role) const
{
    switch (role) {
    case RolePolyline:
        return polyline();
    case RoleUnknown:
        return getStyle()->unknown;
    case RoleUnknownString:
        return QStringLiteral("Unknown paintlight code %1|%2").arg(previousCode()).arg(latestCode());
    case RoleHasLine:
        return getStyle()->hasLine;
    case RoleLineWidth:
        return 2.0 * getStyle()->lineWidth;
    case RoleDashedLine:
        return getStyle()->dashedLine;
    case RoleLinePattern:
        return getStyle()->linePattern;
    case RoleLineColor:
        return getStyle()->lineColor;
    case RoleHasLight:
        return getStyle()->hasLight;
    case RoleLightColor:
        return getStyle()->lightColor;
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Paintlight::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RolePolyline, "role_polyline");
    roles.insert(RoleUnknown, "role_unknown");
    roles.insert(RoleUnknownString, "role_unknownstring");
    roles.insert(RoleHasLine, "role_hasline");
    roles.insert(RoleLineWidth, "role_linewidth");
    roles.insert(RoleDashedLine, "role_dashedline");
    roles.insert(RoleLinePattern, "role_linepattern");
    roles.insert(RoleLineColor, "role_linecolor");
    roles.insert(RoleHasLight, "role_haslight");
    roles.insert(RoleLightColor, "role_lightcolor");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Paintlight &paintlight)
{
    stream << paintlight.types();
    paintlight.writePath(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Paintlight *&paintlight)
{
    paintlight = nullptr;

    qint16 types = 0;
    stream >> types;
    if (stream.status() != QDataStream::Ok)
        return stream;

    // The stored pair is taken back as it stands, which is what adding its two bytes as codes
    // does for every code the file format knows; a byte above 127 (left by a negative code)
    // would otherwise be clamped and come back changed.
    auto *item = new Paintlight;
    item->m_types = types;
    item->m_typeCount = 2;
    item->readPath(stream);
    if (stream.status() != QDataStream::Ok) {
        delete item;
        return stream;
    }
    paintlight = item;
    return stream;
}
