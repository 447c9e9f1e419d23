#include "taxiname.h"

#include "richtext.h"

Taxiname::Taxiname(const QGeoCoordinate &position, double heading, int direction, QChar wingspan, const QString &name)
    : BaseItem(QStringLiteral("NOUID"), QStringLiteral("nosearch"), 14.0, 14.0, -1)
    , m_position(cornerOf(position))
    , m_heading(heading)
    , m_direction(direction)
    , m_wingspan(wingspan)
    , m_name(name)
{
    setBoundingFromCoordinate(position);
}

Taxiname::~Taxiname() = default;

QString Taxiname::directionText() const
{
    switch (m_direction) {
    case OneWay:
        return QStringLiteral("One-way");
    case TwoWay:
        return QStringLiteral("Two-way");
    default:
        return QString();
    }
}

QString Taxiname::tooltipHtml() const
{
    RichText text;
    text.addH1(tr("Taxiway"));
    text.beginParagraph(QString());
    text.addLabelValue(tr("Name"), RichText::escape(m_name), 2);
    text.addLabelValue(tr("Direction"), directionText(), 2);
    text.addLabelValue(tr("Wingspan"), RichText::escape(QString(m_wingspan)), 0);
    text.endParagraph();
    return text.html();
}

QVariant Taxiname::data(int role) const
{
    switch (role) {
    case RolePosition:
        return QVariant::fromValue(position());
    case RoleHeading:
        return m_heading;
    case RoleDirection:
        return m_direction;
    case RoleName:
        return m_name;
    case RoleTooltip:
        return tooltipHtml();
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Taxiname::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RolePosition, "role_position");
    roles.insert(RoleHeading, "role_heading");
    roles.insert(RoleDirection, "role_direction");
    roles.insert(RoleName, "role_name");
    roles.insert(RoleTooltip, "role_tooltip");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Taxiname &taxiname)
{
    stream << taxiname.position() << taxiname.heading() << static_cast<qint32>(taxiname.direction())
           << taxiname.wingspan() << taxiname.name();
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Taxiname *&taxiname)
{
    taxiname = nullptr;

    QGeoCoordinate position;
    double heading = 0.0;
    qint32 direction = 0;
    QChar wingspan;
    QString name;
    stream >> position >> heading >> direction >> wingspan >> name;
    if (stream.status() != QDataStream::Ok)
        return stream;

    taxiname = new Taxiname(position, heading, direction, wingspan, name);
    return stream;
}
