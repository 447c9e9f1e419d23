#include "record.h"

#include "baseitem.h"
#include "database.h"
#include "point.h"
#include "recordformat.h"
#include "richtext.h"
#include "runway.h"
#include "streampacker.h"
#include "streamunpacker.h"

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

Record::Record() = default;

Record::Record(int sequence, int routeType, const QString &transition, const QString &fixIdentifier,
               const QString &navaidIdentifier, const QString &terminal, const QString &region, quint32 description,
               int turnDirection, int pathTerminator, int course, double distance, int isTime, int altitudeDescription,
               int altitude1, int altitude2, int transitionAltitude, int speed, double arcRadius, int theta)
    : m_transition(transition)
    , m_fixIdentifier(fixIdentifier)
    , m_navaidIdentifier(navaidIdentifier)
    , m_terminal(terminal)
    , m_region(region)
    , m_altitude1(checkAltitude(altitude1))
    , m_altitude2(checkAltitude(altitude2))
    , m_transitionAltitude(checkAltitude(transitionAltitude))
    , m_description(description)
    , m_distance(static_cast<float>(distance))
    , m_arcRadius(static_cast<float>(arcRadius))
    , m_sequence(BaseItem::checkInt16(sequence))
    , m_course(BaseItem::checkInt16(course))
    , m_speed(BaseItem::checkInt16(speed))
    , m_theta(BaseItem::checkInt16(theta))
    , m_routeType(BaseItem::checkInt8(routeType))
    , m_turnDirection(BaseItem::checkInt8(turnDirection))
    , m_pathTerminator(BaseItem::checkInt8(pathTerminator))
    , m_isTime(BaseItem::checkInt8(isTime))
    , m_altitudeDescription(BaseItem::checkInt8(altitudeDescription))
{
}

// Files of format 6 do not tell the kind of a fix; a runway fix is the runway's name ("09",
// "34C") under the airport's terminal.
bool Record::runwayFixOfFormerFile() const
{
    const QString &name = m_fixIdentifier.text();
    if (m_terminal.text() == QLatin1String("ENRT") || name.size() < 2 || name.size() > 3 || !name.at(0).isDigit()
        || !name.at(1).isDigit())
        return false;
    return name.size() == 2 || name.at(2) == QLatin1Char('L') || name.at(2) == QLatin1Char('R')
           || name.at(2) == QLatin1Char('C');
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

void Record::setKinds(int fixKind, int navaidKind)
{
    m_fixKind = BaseItem::checkInt8(fixKind);
    m_navaidKind = BaseItem::checkInt8(navaidKind);
}

int Record::kindFromSection(QStringView section, QStringView subsection)
{
    const QChar sub = subsection.isEmpty() ? QLatin1Char(' ') : subsection.front();
    if (section == QLatin1String("D"))
        return sub == QLatin1Char('B') ? NdbNavaid : VhfNavaid;
    if (section == QLatin1String("E"))
        return sub == QLatin1Char('A') ? WaypointFix : AnyKind;
    if (section == QLatin1String("P")) {
        // clang-format off
        switch (sub.unicode()) {
        case 'C': return WaypointFix;
        case 'N': return NdbNavaid;
        case 'G': return RunwayEnd;
        case 'A': return AirportReference;
        default: return AnyKind;
        }
        // clang-format on
    }
    return AnyKind;
}

// ---- points of the leg

Point *Record::lookup(const QString &identifier, int kind) const
{
    if (identifier.isEmpty() || kind == RunwayEnd)
        return nullptr;
    const QString region = uidPart(m_region.text());
    const QString terminal = uidPart(m_terminal.text());
    // The fix under its own terminal, then as an enroute point of its region, then without region.
    const QString candidates[]
        = {region + terminal + identifier, region + QLatin1String("ENRT/") + identifier, terminal + identifier};
    // Points that share region, code and kind may lie far apart; the procedure means the one
    // nearest its airport.
    auto nearest = [&](const QList<Point *> &points) -> Point * {
        if (points.size() <= 1)
            return points.value(0);
        const Point *airport = Database::findAirport(m_terminal.text(), false);
        return Database::nearestTo(points, airport ? airport->position() : QGeoCoordinate());
    };
    auto ofKind = [&](std::initializer_list<int> types) -> Point * {
        for (const QString &uid : candidates) {
            if (Point *point = nearest(Database::pointsOfType(uid, types)))
                return point;
        }
        return nullptr;
    };
    Point *point = nullptr;
    // clang-format off
    switch (kind) {
    case VhfNavaid: point = ofKind({Point::VOR, Point::DME, Point::DMEILS}); break;
    case NdbNavaid: point = ofKind({Point::NDB}); break;
    case WaypointFix: point = ofKind({Point::FIX}); break;
    case AirportReference: point = Database::findAirport(identifier, false); break;
    default: break;
    }
    // clang-format on
    if (point)
        return point;
    // Where the data holds no point of the kind named, the point of the ident is still better
    // than none.
    for (const QString &uid : candidates) {
        if (Point *any = nearest(Database::pointsOfUid(uid)))
            return any;
    }
    return nullptr;
}

Point *Record::fixPoint() const
{
    Point *point = lookup(m_fixIdentifier.text(), m_fixKind);
    if (!point && !m_fixIdentifier.isEmpty() && m_fixKind != RunwayEnd)
        qWarning() << "Cannot find FIX point" << m_fixIdentifier.text() << "for transition" << m_transition.text();
    return point;
}

Point *Record::navaidPoint() const
{
    Point *point = lookup(m_navaidIdentifier.text(), m_navaidKind);
    if (!point && !m_navaidIdentifier.isEmpty())
        qWarning() << "Cannot find complementary point" << m_navaidIdentifier.text() << "for transition"
                   << m_transition.text();
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
    if (m_fixKind == RunwayEnd) {
        const Runway *runway = Database::findRunwayOfAirport(m_terminal.text(), m_fixIdentifier.text());
        return runway ? runway->endPosition(m_fixIdentifier.text()) : QGeoCoordinate();
    }
    const Point *point = fixPoint();
    return point ? point->position() : QGeoCoordinate();
}

QGeoCoordinate Record::navaidPosition() const
{
    const Point *point = navaidPoint();
    return point ? point->position() : QGeoCoordinate();
}

// The plain texts need no lookup: a plan's comments are made of them on every read.
QString Record::fixText(bool link) const
{
    if (!link)
        return m_fixIdentifier.text();
    const Point *point = fixPoint();
    return point ? point->link() : RichText::escape(m_fixIdentifier.text());
}

QString Record::navaidText(bool link) const
{
    if (!link)
        return m_navaidIdentifier.text();
    const Point *point = navaidPoint();
    return point ? point->link() : RichText::escape(m_navaidIdentifier.text());
}

// ---- database file

QDataStream &operator<<(QDataStream &stream, const Record &record)
{
    // A million legs of 22 fields each: packed, the stream's device is called once per leg.
    StreamPacker packer(stream);
    packer << record.m_sequence << record.m_routeType << record.m_transition << record.m_fixIdentifier
           << record.m_navaidIdentifier << record.m_terminal << record.m_region
           << static_cast<qint32>(record.m_description) << record.m_turnDirection << record.m_pathTerminator
           << record.m_course << record.m_distance << record.m_isTime << record.m_altitudeDescription
           << altitudeToStream(record.m_altitude1) << altitudeToStream(record.m_altitude2)
           << altitudeToStream(record.m_transitionAltitude) << record.m_speed << record.m_arcRadius << record.m_theta
           << record.m_fixKind << record.m_navaidKind;
    packer.flush();
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Record &record)
{
    qint32 description = 0;
    quint16 altitude1 = kStreamAltitudeNone;
    quint16 altitude2 = kStreamAltitudeNone;
    quint16 transitionAltitude = kStreamAltitudeNone;
    // Twenty fields a leg, a million legs: read in place where the stream allows it.
    StreamUnpacker in(stream);
    in >> record.m_sequence >> record.m_routeType >> record.m_transition >> record.m_fixIdentifier
        >> record.m_navaidIdentifier >> record.m_terminal >> record.m_region >> description >> record.m_turnDirection
        >> record.m_pathTerminator >> record.m_course >> record.m_distance >> record.m_isTime
        >> record.m_altitudeDescription >> altitude1 >> altitude2 >> transitionAltitude >> record.m_speed
        >> record.m_arcRadius >> record.m_theta;
    if (RecordFormat::reading() >= 7) {
        in >> record.m_fixKind >> record.m_navaidKind;
    } else {
        record.m_fixKind = record.runwayFixOfFormerFile() ? Record::RunwayEnd : Record::AnyKind;
        record.m_navaidKind = Record::AnyKind;
    }
    record.m_description = static_cast<quint32>(description);
    record.m_altitude1 = altitudeFromStream(altitude1);
    record.m_altitude2 = altitudeFromStream(altitude2);
    record.m_transitionAltitude = altitudeFromStream(transitionAltitude);
    return stream;
}
