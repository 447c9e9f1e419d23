#include "segment.h"

#include "database.h"
#include "point.h"
#include "richtext.h"
#include "streampacker.h"
#include "unit.h"

#include <QGeoRectangle>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// What QGeoPath's bounding rectangle is for the two ends, without building the path: the
// longitudes are followed across the date line the short way, and the rectangle runs from the
// more western end (top, at the greater latitude) to the more eastern one.
QGeoRectangle boundingOf(const QGeoCoordinate &from, const QGeoCoordinate &to)
{
    const double fromLongitude = from.longitude();
    double toLongitude = to.longitude();
    double delta = toLongitude - fromLongitude;
    if (std::fabs(delta) > 180.0) {
        toLongitude += toLongitude > 0.0 ? -360.0 : 360.0;
        delta = toLongitude - fromLongitude;
    }
    const double north = std::max(from.latitude(), to.latitude());
    const double south = std::min(from.latitude(), to.latitude());
    const double west = delta < 0.0 ? to.longitude() : fromLongitude;
    const double east = delta > 0.0 ? to.longitude() : fromLongitude;
    return QGeoRectangle(QGeoCoordinate(north, west), QGeoCoordinate(south, east));
}

} // namespace

QString Segment::makeUid(const Point *from, const Point *to, const QString &name)
{
    // Checked before the base is built: the UID is the first thing that reads the end points.
    if (!from || !to)
        qFatal("Cannot create Segment object with NULL pointers!");
    const QString fromUid = from->uid();
    const QString toUid = to->uid();
    QString uid;
    uid.reserve(fromUid.size() + name.size() + toUid.size() + 2);
    uid.append(fromUid);
    uid.append(QLatin1Char(':'));
    uid.append(name);
    uid.append(QLatin1Char(':'));
    uid.append(toUid);
    return uid;
}

Segment::Segment(int direction, int type, Point *from, Point *to, const QString &name, int minLevel, int maxLevel)
    : BaseItem(makeUid(from, to, name), QStringLiteral("nosearch"), minZoomForType(type), 8.0, type)
    , m_from(from)
    , m_to(to)
    , m_name(name)
    , m_direction(checkInt8(direction))
    , m_segmentType(checkInt8(type))
    , m_minLevel(checkInt16(minLevel))
    , m_maxLevel(checkInt16(maxLevel))
{
    const QGeoCoordinate p1 = m_from->position();
    const QGeoCoordinate p2 = m_to->position();

    setBounding(boundingOf(p1, p2));
    // Point::distanceTo's figure, from the one distance the centre needs as well.
    const double metres = p1.distanceTo(p2);
    m_distance = Unit::convertMeterToNm(metres);

    const double azimuth = p1.azimuthTo(p2);
    m_centre = p1.atDistanceAndAzimuth(metres / 2.0, azimuth, 0.0);
    // The label reads left to right whatever the course; the arrow follows the true course.
    m_arrowRotation = static_cast<qint32>(azimuth - 90.0);
    m_textRotation = static_cast<qint32>(azimuth) % 180 - 90;
}

Segment::~Segment() = default;

Point *Segment::otherEnd(const Point *point) const
{
    if (!point)
        return nullptr;
    return point == m_from ? m_to : m_from;
}

bool Segment::canStartAt(const Point *point) const
{
    switch (m_direction) {
    case FORWARD:
        return point == m_from;
    case BACKWARD:
        return point == m_to;
    case NONE:
        return point == m_from || point == m_to;
    default:
        return false;
    }
}

bool Segment::canEndAt(const Point *point) const
{
    switch (m_direction) {
    case FORWARD:
        return point == m_to;
    case BACKWARD:
        return point == m_from;
    case NONE:
        return point == m_from || point == m_to;
    default:
        return false;
    }
}

bool Segment::isLinkedTo(const Point *point, bool outgoing, bool incoming) const
{
    return isLinkedTo(point == m_from, point == m_to, outgoing, incoming);
}

bool Segment::isLinkedTo(const QString &pointUid, bool outgoing, bool incoming) const
{
    return isLinkedTo(m_from->uid() == pointUid, m_to->uid() == pointUid, outgoing, incoming);
}

bool Segment::isLinkedTo(bool matchesFrom, bool matchesTo, bool outgoing, bool incoming) const
{
    switch (m_direction) {
    case FORWARD:
        if (outgoing)
            return matchesFrom;
        if (incoming)
            return matchesTo;
        return false;
    case BACKWARD:
        if (outgoing)
            return matchesTo;
        if (incoming)
            return matchesFrom;
        return false;
    case NONE:
        return (outgoing || incoming) && (matchesFrom || matchesTo);
    default:
        return false;
    }
}

bool Segment::isInDirection(int course, int tolerance) const
{
    if (tolerance == 0)
        return false;

    const auto within = [course, tolerance](int reference) {
        const int d = std::abs(course - reference) % 360;
        return std::min(360 - d, d) <= tolerance;
    };

    const int reference = isForward() ? m_from->azimuthTo(m_to) : m_to->azimuthTo(m_from);
    if (within(reference))
        return true;
    if (!isUnrestricted())
        return false;
    return within(m_from->azimuthTo(m_to));
}

int Segment::distance() const
{
    return static_cast<int>(m_distance);
}

double Segment::minZoomForType(int type)
{
    switch (type) {
    case LOW:
        return 7.5;
    case HIGH:
        return 6.0;
    default:
        return 3.0;
    }
}

QString Segment::segmentTypeText(bool shortText) const
{
    switch (m_segmentType) {
    case LOW:
        return shortText ? QStringLiteral("L") : tr("LOW (Victor) enroute");
    case HIGH:
        return shortText ? QStringLiteral("H") : tr("HIGH (Jet) enroute");
    case TRACK:
        return shortText ? QStringLiteral("T") : tr("TRACK route");
    case PROC:
        return shortText ? QStringLiteral("P") : tr("Procedure route");
    case DRCT:
        return shortText ? QStringLiteral("D") : tr("DRCT direct route");
    default:
        return QString();
    }
}

QString Segment::segmentDirectionText(bool shortText) const
{
    switch (m_direction) {
    case BACKWARD:
        return shortText ? QStringLiteral("B") : tr("backward");
    case NONE:
        return shortText ? QStringLiteral("N") : tr("no restriction");
    case FORWARD:
        return shortText ? QStringLiteral("F") : tr("forward");
    default:
        return QString();
    }
}

QString Segment::levelText(bool shortText) const
{
    if (!shortText && m_minLevel == 0 && m_maxLevel == 0)
        return tr("no restriction");
    return QStringLiteral("FL%1-FL%2").arg(m_minLevel).arg(m_maxLevel);
}

QString Segment::distanceText() const
{
    return Unit::textLocale().toString(m_from->distanceTo(m_to), 'f', 2) + QStringLiteral("nm");
}

QString Segment::routeText() const
{
    QString left = QStringLiteral("<-");
    QString right = QStringLiteral("->");
    if (isForward())
        left = QStringLiteral("--");
    else if (isBackward())
        right = QStringLiteral("--");
    return m_from->code() + left + m_name + right + m_to->code() + QStringLiteral(" (") + segmentTypeText(true)
           + QLatin1Char(')');
}

QString Segment::icon() const
{
    switch (m_direction) {
    case BACKWARD:
        return RichText::glyph(0xF177);
    case NONE:
        return RichText::glyph(0xF07E);
    case FORWARD:
        return RichText::glyph(0xF178);
    default:
        return QString();
    }
}

QString Segment::link() const
{
    return RichText::link(RichText::escape(m_name), RichText::escape(QStringLiteral("SEGMENT>") + uid()));
}

QString Segment::infoHtml() const
{
    RichText text;
    text.addH1(tr("Route %1").arg(RichText::escape(m_name)));

    if (m_from && m_to) {
        text.addParagraph(
            tr("Segment from %1 to %2").arg(RichText::escape(m_from->code()), RichText::escape(m_to->code())));

        text.beginParagraph(QString());
        text.addLabelValue(tr("UID"), RichText::escape(uid()), 2);
        text.addLabelValue(tr("Type"),
                           segmentTypeText(false) + QStringLiteral(" (") + segmentTypeText(true) + QLatin1Char(')'), 2);
        text.addLabelValue(tr("Direction"),
                           segmentDirectionText(false) + QStringLiteral(" (") + icon() + QLatin1Char(')'), 2);
        text.addLabelValue(tr("Flight level"), levelText(false), 2);
        text.addLabelValue(tr("Distance"), RichText::glyph(0xF0DA) + QLatin1Char(' ') + distanceText(), 0);
        text.endParagraph();

        text.beginParagraph(QString());
        text.addLabelValue(tr("Start"),
                           RichText::glyph(0xF2F5) + QLatin1Char(' ') + m_from->link() + QStringLiteral(" (")
                               + m_from->typeText() + QLatin1Char(')'),
                           2);
        text.addLabelValue(tr("End"),
                           RichText::glyph(0xF2F6) + QLatin1Char(' ') + m_to->link() + QStringLiteral(" (")
                               + m_to->typeText() + QLatin1Char(')'),
                           0);
        text.endParagraph();
    }
    return text.html();
}

QVariant Segment::data(int role) const
{
    switch (role) {
    case RoleCode:
        return m_name;
    case RoleUidP0:
        return m_from->uid();
    case RoleUidP1:
        return m_to->uid();
    case RoleCodeP0:
        return m_from->code();
    case RoleCodeP1:
        return m_to->code();
    case RoleDirection:
        return int(m_direction);
    case RoleType:
        return int(m_segmentType);
    case RoleMinLevel:
        return int(m_minLevel);
    case RoleMaxLevel:
        return int(m_maxLevel);
    case RoleLine:
        // Made as asked for: the two values share the end points' positions.
        return QVariantList{QVariant::fromValue(m_from->position()), QVariant::fromValue(m_to->position())};
    case RoleTooltip:
        return RichText::stripImages(infoHtml());
    case RoleCenter:
        return QVariant::fromValue(m_centre);
    case RoleDistance:
        return m_distance;
    case RoleArrowRotation:
        return int(m_arrowRotation);
    case RoleTextRotation:
        return int(m_textRotation);
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Segment::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RoleCode, "role_code");
    roles.insert(RoleUidP0, "role_uid_p0");
    roles.insert(RoleUidP1, "role_uid_p1");
    roles.insert(RoleCodeP0, "role_code_p0");
    roles.insert(RoleCodeP1, "role_code_p1");
    roles.insert(RoleDirection, "role_direction");
    roles.insert(RoleType, "role_type");
    roles.insert(RoleMinLevel, "role_min_level");
    roles.insert(RoleMaxLevel, "role_max_level");
    roles.insert(RoleLine, "role_line");
    roles.insert(RoleTooltip, "role_tooltip");
    roles.insert(RoleCenter, "role_center");
    roles.insert(RoleDistance, "role_distance");
    roles.insert(RoleArrowRotation, "role_arrow_rotation");
    roles.insert(RoleTextRotation, "role_text_rotation");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Segment &segment)
{
    StreamPacker(stream) << segment.from()->uid() << segment.to()->uid() << segment.name()
                         << static_cast<qint8>(segment.direction()) << static_cast<qint8>(segment.type())
                         << static_cast<qint16>(segment.minLevel()) << static_cast<qint16>(segment.maxLevel());
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Segment *&segment)
{
    segment = nullptr;

    QString fromUid;
    QString toUid;
    QString name;
    qint8 direction = 0;
    qint8 type = 0;
    qint16 minLevel = 0;
    qint16 maxLevel = 0;
    stream >> fromUid >> toUid >> name >> direction >> type >> minLevel >> maxLevel;
    if (stream.status() != QDataStream::Ok)
        return stream;

    // Both looked up, so that every missing point gets its warning from the database.
    Point *from = Database::findPoint(fromUid, true);
    Point *to = Database::findPoint(toUid, true);
    if (!from || !to)
        return stream;

    segment = new Segment(direction, type, from, to, name, minLevel, maxLevel);
    return stream;
}
