#include "record.h"

#include "baseitem.h"
#include "database.h"
#include "point.h"
#include "richtext.h"

#include <QDebug>

namespace {

// 0xFFFF on the file is "no altitude"; every other value is feet, read unsigned.
constexpr quint16 kStreamAltitudeNone = 0xFFFF;

quint16 altitudeToStream(qint32 altitude)
{
    return altitude < 0 ? kStreamAltitudeNone : static_cast<quint16>(altitude);
}

qint32 altitudeFromStream(quint16 value)
{
    return value == kStreamAltitudeNone ? Record::kAltitudeNone : static_cast<qint32>(value);
}

// A UID part: left out when it is "*", else followed by "/" (an empty part stays as "/").
QString uidPart(const QString &part)
{
    return part == QLatin1String("*") ? QString() : part + QLatin1Char('/');
}

} // namespace

Record::Record()
    : QObject(nullptr)
{ }

Record::Record(int sequence, int routeType, const QString &transition, const QString &fixIdentifier,
               const QString &navaidIdentifier, const QString &terminal, const QString &region, quint32 description,
               int turnDirection, int pathTerminator, int course, double distance, int isTime, int altitudeDescription,
               int altitude1, int altitude2, int transitionAltitude, int speed, double arcRadius, int theta)
    : QObject(nullptr)
    , m_sequence(BaseItem::checkInt16(sequence))
    , m_routeType(BaseItem::checkInt8(routeType))
    , m_transition(transition)
    , m_fixIdentifier(fixIdentifier)
    , m_navaidIdentifier(navaidIdentifier)
    , m_terminal(terminal)
    , m_region(region)
    , m_description(description)
    , m_turnDirection(BaseItem::checkInt8(turnDirection))
    , m_pathTerminator(BaseItem::checkInt8(pathTerminator))
    , m_course(BaseItem::checkInt16(course))
    , m_distance(static_cast<float>(distance))
    , m_isTime(BaseItem::checkInt8(isTime))
    , m_altitudeDescription(BaseItem::checkInt8(altitudeDescription))
    , m_altitude1(checkAltitude(altitude1))
    , m_altitude2(checkAltitude(altitude2))
    , m_transitionAltitude(checkAltitude(transitionAltitude))
    , m_speed(BaseItem::checkInt16(speed))
    , m_arcRadius(static_cast<float>(arcRadius))
    , m_theta(BaseItem::checkInt16(theta))
{ }

Record::Record(const Record &other)
    : QObject(nullptr)
{
    *this = other;
}

Record &Record::operator=(const Record &other)
{
    if (this == &other)
        return *this;
    m_sequence = other.m_sequence;
    m_routeType = other.m_routeType;
    m_transition = other.m_transition;
    m_fixIdentifier = other.m_fixIdentifier;
    m_navaidIdentifier = other.m_navaidIdentifier;
    m_terminal = other.m_terminal;
    m_region = other.m_region;
    m_description = other.m_description;
    m_turnDirection = other.m_turnDirection;
    m_pathTerminator = other.m_pathTerminator;
    m_course = other.m_course;
    m_distance = other.m_distance;
    m_isTime = other.m_isTime;
    m_altitudeDescription = other.m_altitudeDescription;
    m_altitude1 = other.m_altitude1;
    m_altitude2 = other.m_altitude2;
    m_transitionAltitude = other.m_transitionAltitude;
    m_speed = other.m_speed;
    m_arcRadius = other.m_arcRadius;
    m_theta = other.m_theta;
    return *this;
}

Record::~Record() = default;

bool Record::operator==(const Record &other) const
{
    return m_sequence == other.m_sequence && m_routeType == other.m_routeType && m_transition == other.m_transition
           && m_fixIdentifier == other.m_fixIdentifier && m_navaidIdentifier == other.m_navaidIdentifier
           && m_terminal == other.m_terminal && m_region == other.m_region && m_description == other.m_description
           && m_turnDirection == other.m_turnDirection && m_pathTerminator == other.m_pathTerminator
           && m_course == other.m_course && m_distance == other.m_distance && m_isTime == other.m_isTime
           && m_altitudeDescription == other.m_altitudeDescription && m_altitude1 == other.m_altitude1
           && m_altitude2 == other.m_altitude2 && m_transitionAltitude == other.m_transitionAltitude
           && m_speed == other.m_speed && m_arcRadius == other.m_arcRadius && m_theta == other.m_theta;
}

QString Record::sequenceText() const
{
    return QString::number(m_sequence);
}

int Record::checkAltitude(int value)
{
    if (value > kAltitudeMax) {
        qWarning() << "Check altitude failed (too big)!" << value;
        return kAltitudeMax;
    }
    if (value < kAltitudeNone) {
        qWarning() << "Check altitude failed (too small)!" << value;
        return kAltitudeNone;
    }
    return value;
}

// ---- points of the leg

Point *Record::lookup(const QString &identifier) const
{
    if (identifier.isEmpty())
        return nullptr;
    const QString region = uidPart(m_region);
    const QString terminal = uidPart(m_terminal);
    // The fix under its own terminal, then as an enroute point of its region, then without region.
    if (Point *point = Database::findPoint(region + terminal + identifier, false))
        return point;
    if (Point *point = Database::findPoint(region + QLatin1String("ENRT/") + identifier, false))
        return point;
    return Database::findPoint(terminal + identifier, false);
}

Point *Record::fixPoint() const
{
    Point *point = lookup(m_fixIdentifier);
    if (!point && !m_fixIdentifier.isEmpty())
        qWarning() << "Cannot find FIX point" << m_fixIdentifier << "for transition" << m_transition;
    return point;
}

Point *Record::navaidPoint() const
{
    Point *point = lookup(m_navaidIdentifier);
    if (!point && !m_navaidIdentifier.isEmpty())
        qWarning() << "Cannot find complementary point" << m_navaidIdentifier << "for transition" << m_transition;
    return point;
}

QString Record::fixUid() const
{
    const Point *point = fixPoint();
    return point ? point->uid() : QString();
}

QString Record::navaidUid() const
{
    const Point *point = navaidPoint();
    return point ? point->uid() : QString();
}

QGeoCoordinate Record::fixPosition() const
{
    const Point *point = fixPoint();
    return point ? point->position() : QGeoCoordinate();
}

QGeoCoordinate Record::navaidPosition() const
{
    const Point *point = navaidPoint();
    return point ? point->position() : QGeoCoordinate();
}

QString Record::fixText(bool link) const
{
    const Point *point = fixPoint();
    if (!link)
        return m_fixIdentifier;
    return point ? point->link() : RichText::escape(m_fixIdentifier);
}

QString Record::navaidText(bool link) const
{
    const Point *point = navaidPoint();
    if (!link)
        return m_navaidIdentifier;
    return point ? point->link() : RichText::escape(m_navaidIdentifier);
}

// ---- database file

QDataStream &operator<<(QDataStream &stream, const Record &record)
{
    stream << record.m_sequence << record.m_routeType << record.m_transition << record.m_fixIdentifier
           << record.m_navaidIdentifier << record.m_terminal << record.m_region
           << static_cast<qint32>(record.m_description) << record.m_turnDirection << record.m_pathTerminator
           << record.m_course << record.m_distance << record.m_isTime << record.m_altitudeDescription
           << altitudeToStream(record.m_altitude1) << altitudeToStream(record.m_altitude2)
           << altitudeToStream(record.m_transitionAltitude) << record.m_speed << record.m_arcRadius << record.m_theta;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Record &record)
{
    qint32 description = 0;
    quint16 altitude1 = kStreamAltitudeNone;
    quint16 altitude2 = kStreamAltitudeNone;
    quint16 transitionAltitude = kStreamAltitudeNone;
    stream >> record.m_sequence >> record.m_routeType >> record.m_transition >> record.m_fixIdentifier
        >> record.m_navaidIdentifier >> record.m_terminal >> record.m_region >> description >> record.m_turnDirection
        >> record.m_pathTerminator >> record.m_course >> record.m_distance >> record.m_isTime
        >> record.m_altitudeDescription >> altitude1 >> altitude2 >> transitionAltitude >> record.m_speed
        >> record.m_arcRadius >> record.m_theta;
    record.m_description = static_cast<quint32>(description);
    record.m_altitude1 = altitudeFromStream(altitude1);
    record.m_altitude2 = altitudeFromStream(altitude2);
    record.m_transitionAltitude = altitudeFromStream(transitionAltitude);
    return stream;
}
