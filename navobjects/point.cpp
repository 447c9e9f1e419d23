#include "point.h"

#include "airport.h"
#include "recordformat.h"
#include "region.h"
#include "richtext.h"
#include "streampacker.h"
#include "streamunpacker.h"
#include "unit.h"

#include <QCoreApplication>
#include <QGeoRectangle>
#include <QGeoShape>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

namespace {

const QString kStar = QStringLiteral("*");
const QString kEnroute = QStringLiteral("ENRT");

// One icon of the icon font, as the item texts show it; RichText::stripImages removes it again
// for the map tooltips.
constexpr char16_t kGlyphMapPin = 0xF276;
constexpr char16_t kGlyphGlobe = 0xF0AC;
constexpr char16_t kGlyphFrequency = 0xE585;
constexpr char16_t kGlyphElevation = 0xE52F;

// A default rectangle still allocates: the points that get their own share this one, one per
// thread so that readers building points on several cores do not contend for its count.
const QGeoRectangle &noBounding()
{
    thread_local const QGeoRectangle none;
    return none;
}

// Nearest whole degree, halves away from zero.
int roundDegrees(double azimuth)
{
    return static_cast<int>(azimuth > 0 ? azimuth + 0.5 : azimuth - 0.5);
}

// The parts of a derived text copied into room made for them at once: QString::append checks
// and grows its array on every call, which cost more than the few letters of each part.
class TextJoiner
{
public:
    explicit TextJoiner(qsizetype size)
        : m_text(size, Qt::Uninitialized)
        , m_at(reinterpret_cast<char16_t *>(m_text.data()))
    {
    }
    // Plain letters A to Z go in lower-cased when lower is set.
    void add(const QString &part, bool lower = false)
    {
        const char16_t *from = reinterpret_cast<const char16_t *>(part.constData());
        for (qsizetype i = 0, size = part.size(); i < size; ++i) {
            const char16_t c = from[i];
            *m_at++ = lower && c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        }
    }
    void add(char16_t c) { *m_at++ = c; }
    QString text() { return std::move(m_text); }

private:
    QString m_text;
    char16_t *m_at;
};

// Built in one allocation with its plain letters A to Z already lower-cased: for a text in
// plain ASCII (nearly all) the base's toLower then finds nothing to change and shares the text
// instead of copying it. Letters outside ASCII are left for the base to fold, as only the full
// Unicode rules get them right; folding A to Z first changes nothing of what those rules give.
QString searchTextFor(const QString &code, const QString &terminal, const QString &region, const QString &name)
{
    TextJoiner search(code.size() + terminal.size() + region.size() + name.size() + 3);
    search.add(code, true);
    search.add(u' ');
    search.add(terminal, true);
    search.add(u' ');
    search.add(region, true);
    search.add(u' ');
    search.add(name, true);
    return search.text();
}

QString descriptionFor(int type, const QString &name, const QString &region, const QString &terminal)
{
    if (type == Point::AIRP)
        return name;
    // A coordinate point's name is the program's own label ("GPS point"), stored untranslated
    // with the point and shown in the interface language.
    const QString shown = type == Point::COORD ? QCoreApplication::translate("Point", name.toUtf8().constData()) : name;
    const QString head = shown.isEmpty() ? Point::tr("Region %1").arg(region) : shown;
    const QString tail = terminal == kEnroute ? Point::tr("enroute") : Point::tr("attached to %1").arg(terminal);
    QString description;
    description.reserve(head.size() + 2 + tail.size());
    description.append(head);
    description.append(QLatin1String(", "));
    description.append(tail);
    return description;
}

// ARINC 424 waypoint-type columns 1 to 3.
QString waypointColumn1(QChar c)
{
    // clang-format off
    switch (c.unicode()) {
    case 'A': return Point::tr("ARC Center Fix Waypoint");
    case 'C': return Point::tr("Combined Named Intersection and RNAV");
    case 'I': return Point::tr("Unnamed Charted Intersection");
    case 'M': return Point::tr("Middle Marker as Waypoint");
    case 'N': return Point::tr("NDB Navaid as Waypoint");
    case 'O': return Point::tr("Outer Marker as Waypoint");
    case 'R': return Point::tr("Named Intersection");
    case 'W': return Point::tr("RNAV Waypoint");
    default: return QString();
    }
    // clang-format on
}

QString waypointColumn2(QChar c)
{
    // clang-format off
    switch (c.unicode()) {
    case 'A': return Point::tr("Final Approach Fix");
    case 'B': return Point::tr("Initial and Final Approach Fix");
    case 'C': return Point::tr("Final Approach Course Fix");
    case 'D': return Point::tr("Intermediate Approach Fix");
    case 'F': return Point::tr("Off-Route Intersection");
    case 'I': return Point::tr("Initial Approach Fix");
    case 'K': return Point::tr("Final Approach Course Fix at Initial Approach Fix");
    case 'L': return Point::tr("Final Approach Course Fix at Intermediate Approach Fix");
    case 'M': return Point::tr("Missed Approach Fix");
    case 'N': return Point::tr("Initial Approach Fix and Missed Approach Fix");
    case 'O': return Point::tr("Oceanic Entry/Exit Waypoint");
    case 'P': return Point::tr("Unnamed Stepdown Fix");
    case 'S': return Point::tr("Named Stepdown Fix");
    case 'U': return Point::tr("FIR/UIR or Controlled Airspace Intersection");
    case 'V': return Point::tr("Latitude/Longitude Intersection Full Degree of Latitude");
    case 'W': return Point::tr("Latitude/Longitude Intersection Half Degree of Latitude");
    default: return QString();
    }
    // clang-format on
}

QString waypointColumn3(QChar c)
{
    // clang-format off
    switch (c.unicode()) {
    case 'D': return Point::tr("SID");
    case 'E': return Point::tr("STAR");
    case 'F': return Point::tr("Approach");
    case 'Z': return Point::tr("Multiple");
    default: return QString();
    }
    // clang-format on
}

} // namespace

Point::Point(int type, const QGeoCoordinate &position, const QString &code, const QString &terminal,
             const QString &region, const QString &name, int elevation, float frequency, const QString &waypointType)
    : Point(type, position, noBounding(), code, terminal, region, name, elevation, frequency, waypointType)
{
    setBoundingFromCoordinate(position);
}

Point::Point(int type, const QGeoCoordinate &position, const QGeoRectangle &bounding, const QString &code,
             const QString &terminal, const QString &region, const QString &name, int elevation, float frequency,
             const QString &waypointType)
    : BaseItem(uidFor(region, terminal, code), searchTextFor(code, terminal, region, name), minZoomFor(type, code),
               minZoomDetailsFor(type), type)
    , m_code(code)
    , m_name(name)
    , m_position(position)
    , m_region(region)
    , m_terminal(terminal)
    , m_pointType(checkInt8(type))
    , m_elevation(checkInt16(elevation))
    , m_frequency(frequency)
    , m_waypointType(waypointType)
    , m_enroute(terminal == kEnroute)
{
    setBounding(bounding);
}

Point::~Point() = default;

QString Point::uidFor(const QString &region, const QString &terminal, const QString &code)
{
    const bool withRegion = region != kStar;
    const bool withTerminal = terminal != kStar;
    // An airport's UID is its code, shared rather than copied.
    if (!withRegion && !withTerminal)
        return code;
    TextJoiner uid((withRegion ? region.size() + 1 : 0) + (withTerminal ? terminal.size() + 1 : 0) + code.size());
    if (withRegion) {
        uid.add(region);
        uid.add(u'/');
    }
    if (withTerminal) {
        uid.add(terminal);
        uid.add(u'/');
    }
    uid.add(code);
    return uid.text();
}

QString Point::code() const
{
    if (m_pointType == COORD)
        return QStringLiteral("COORD");
    return m_code;
}

QString Point::description() const
{
    return descriptionFor(m_pointType, m_name, m_region, m_terminal);
}

QString Point::positionText() const
{
    return m_position.toString(QGeoCoordinate::DegreesMinutesSecondsWithHemisphere);
}

void Point::setCode(const QString &code)
{
    m_code = code;
    setUid(uidFor(m_region, m_terminal, m_code));
}

double Point::distanceTo(const Point *other) const
{
    if (!other)
        return 0.0;
    return Unit::convertMeterToNm(m_position.distanceTo(other->m_position));
}

int Point::azimuthTo(const Point *other) const
{
    if (!other)
        return -1;
    return roundDegrees(m_position.azimuthTo(other->m_position));
}

bool Point::isWithinDistance(const Point *other, double minNm, double maxNm) const
{
    if (!other)
        return false;
    // Whole nautical miles, cut toward zero: 10.99 NM counts as 10.
    const double distance = std::trunc(distanceTo(other));
    return minNm <= distance && distance <= maxNm;
}

bool Point::isInDirection(const Point *other, int heading, int tolerance) const
{
    if (!other || tolerance == 0)
        return false;
    const int azimuth = roundDegrees(other->m_position.azimuthTo(m_position));
    const int m = std::abs(heading - azimuth) % 360;
    const int difference = qMin(m, 360 - m);
    return difference <= tolerance;
}

bool Point::isWithinDistanceAndDirection(const Point *other, double minNm, double maxNm, int heading,
                                         int tolerance) const
{
    if (!isWithinDistance(other, minNm, maxNm))
        return false;
    return isInDirection(other, heading, tolerance);
}

bool Point::isEnrouteIntersection() const
{
    if (m_waypointType.size() != 4 || !m_enroute)
        return false;
    const QChar c1 = m_waypointType.at(0);
    const QChar c2 = m_waypointType.at(1);
    const QChar c3 = m_waypointType.at(2);
    if (QStringLiteral("DEF").contains(c3))
        return false;
    if (QStringLiteral("ABCDIKLMNPSVW").contains(c2))
        return false;
    if (c1 == QLatin1Char('I') || c1 == QLatin1Char('U'))
        return false;
    return c1 == QLatin1Char('R') || c1 == QLatin1Char('C') || QStringLiteral("FOU").contains(c2);
}

bool Point::isProcedureWaypoint() const
{
    return m_waypointType.size() == 4 && QStringLiteral("DEFZ").contains(m_waypointType.at(2));
}

double Point::minZoomFor(int type, const QString &code)
{
    switch (type) {
    case AIRP:
        return Airport::isFourLetterCode(code) ? 6.0 : 10.0;
    case VOR:
    case DME:
        return 5.2;
    case FIX:
    case COORD:
        return 8.5;
    default:
        return 3.0;
    }
}

double Point::minZoomDetailsFor(int type)
{
    switch (type) {
    case AIRP:
        return 8.0;
    case VOR:
    case DME:
        return 7.0;
    case FIX:
        return 10.8;
    default:
        return 6.5;
    }
}

QHash<int, QByteArray> Point::roleNames()
{
    QHash<int, QByteArray> names = BaseItem::roleNames();
    names.insert(RoleCode, "role_code");
    names.insert(RoleListText, "role_list_text");
    names.insert(RoleComboText, "role_combo_text");
    names.insert(RolePosition, "role_position");
    names.insert(RoleType, "role_type");
    names.insert(RoleIcon, "role_icon");
    names.insert(RoleIconOffset, "role_icon_offset");
    names.insert(RoleTextOffset, "role_text_offset");
    names.insert(RoleTooltip, "role_tooltip");
    names.insert(RoleTypeString, "role_type_string");
    return names;
}

QVariant Point::data(int role) const
{
    switch (role) {
    case RoleCode:
        return code();
    case RoleListText:
        return m_code + QLatin1Char('\t') + description();
    case RoleComboText:
        return comboText();
    case RolePosition:
        return QVariant::fromValue(m_position);
    case RoleType:
        return int(m_pointType);
    case RoleIcon:
        return icon();
    case RoleIconOffset:
        return 0;
    case RoleTextOffset:
        switch (m_pointType) {
        case FIX:
            return 6;
        case AIRP:
            return 12;
        case NDB:
        case VOR:
        case DME:
            return 10;
        default:
            return 0;
        }
    case RoleTooltip:
        // Airports have a tooltip of their own; Point::tooltip is not virtual. A point of type
        // AIRP that is not an Airport breaks a loader invariant and gets no tooltip.
        if (m_pointType == AIRP) {
            const auto *airport = qobject_cast<const Airport *>(this);
            return airport ? RichText::stripImages(airport->tooltip()) : QString();
        }
        return RichText::stripImages(tooltip());
    case RoleTypeString:
        return typeText();
    default:
        return BaseItem::data(role);
    }
}

QString Point::comboText() const
{
    return m_code + QLatin1Char(' ') + description();
}

QString Point::icon() const
{
    // clang-format off
    switch (m_pointType) {
    case AIRP: return QStringLiteral("qrc:/icon/airp.svg");
    case NDB: return QStringLiteral("qrc:/icon/ndb.svg");
    case VOR: return QStringLiteral("qrc:/icon/vor.svg");
    case FIX: return QStringLiteral("qrc:/icon/fix.svg");
    case DME: return QStringLiteral("qrc:/icon/dme.svg");
    case COORD: return QStringLiteral("qrc:/icon/coord.svg");
    default: return QString();
    }
    // clang-format on
}

QString Point::typeString() const
{
    // clang-format off
    switch (m_pointType) {
    case AIRP: return QStringLiteral("Airport");
    case NDB: return QStringLiteral("NDB");
    case VOR: return QStringLiteral("VOR");
    case FIX: return QStringLiteral("FIX");
    case DME: return QStringLiteral("DME");
    case COORD: return QStringLiteral("COORD");
    default: return QString();
    }
    // clang-format on
}

QString Point::typeText() const
{
    return m_pointType == AIRP ? tr("Airport") : typeString();
}

float Point::frequency() const
{
    return m_frequency;
}

QString Point::frequencyText() const
{
    // Six significant digits: a frequency stored as a float reads 116.8, not 116.800003.
    const QString format = m_pointType == NDB ? QStringLiteral("%1kHz") : QStringLiteral("%1MHz");
    return format.arg(double(m_frequency), 0, 'g', 6);
}

QString Point::elevationText() const
{
    return QStringLiteral("%1ft").arg(int(m_elevation));
}

// Codes, terminals and UIDs come from data files and servers, so they are escaped both as
// link text and inside the link target; the panel gets the target back unescaped.
QString Point::link() const
{
    const QString uid = RichText::escape(m_uid);
    return RichText::link(RichText::escape(m_code), QStringLiteral("POINT>") + uid) + QLatin1Char(' ')
           + RichText::link(RichText::glyph(kGlyphMapPin), QStringLiteral("SELECT>") + uid + QLatin1Char('>'))
           + QLatin1Char(' ');
}

QString Point::terminalLink() const
{
    const QString terminal = RichText::escape(m_terminal);
    return RichText::link(terminal, QStringLiteral("POINT>") + terminal) + QLatin1Char(' ')
           + RichText::link(RichText::glyph(kGlyphMapPin), QStringLiteral("SELECT>") + terminal + QLatin1Char('>'))
           + QLatin1Char(' ');
}

QString Point::waypointTypeText() const
{
    if (m_waypointType.isEmpty())
        return QString();
    QStringList texts;
    // Characters above 255 have no row; QChar::unicode() keeps them out of every case.
    const auto add = [&texts](const QString &text) {
        if (!text.isEmpty())
            texts.append(text);
    };
    if (m_waypointType.size() > 0)
        add(waypointColumn1(m_waypointType.at(0)));
    if (m_waypointType.size() > 1)
        add(waypointColumn2(m_waypointType.at(1)));
    if (m_waypointType.size() > 2)
        add(waypointColumn3(m_waypointType.at(2)));
    return texts.join(QStringLiteral(", "));
}

QString Point::tooltip() const
{
    const QString uid = RichText::escape(m_uid);
    RichText text;
    const QString kind = m_pointType == FIX ? QStringLiteral("Fix") : QStringLiteral("Navaid");
    text.addH1(tr("%1 %2").arg(kind, RichText::escape(code())) + QLatin1Char(' ') + RichText::image(icon(), 20));
    text.addH2(RichText::escape(description()));
    text.beginParagraph();
    text.addLabelValue(
        tr("Region"),
        RichText::glyph(kGlyphGlobe) + QLatin1Char(' ')
            + QStringLiteral("%1 (%2)").arg(RichText::escape(Region::regionName(m_region)), RichText::escape(m_region)),
        2);
    text.addLabelValue(tr("UID"), uid, 2);
    text.addLabelValue(tr("Type"), RichText::image(icon(), 10) + QLatin1Char(' ') + typeText(), 2);
    if (m_pointType == NDB || m_pointType == VOR || m_pointType == DME)
        text.addLabelValue(tr("Frequency"), RichText::glyph(kGlyphFrequency) + QLatin1Char(' ') + frequencyText(), 2);
    if (!m_waypointType.isEmpty())
        text.addLabelValue(tr("FIX type"), waypointTypeText(), 2);
    text.addLabelValue(tr("Terminal"), m_enroute ? tr("enroute (no terminal)") : terminalLink(), 2);
    if (m_pointType == VOR || m_pointType == DME)
        text.addLabelValue(tr("Elevation"), RichText::glyph(kGlyphElevation) + QLatin1Char(' ') + elevationText(), 2);
    text.addLabelValue(tr("Position"),
                       RichText::link(RichText::glyph(kGlyphMapPin), QStringLiteral("SELECT>") + uid + QLatin1Char('>'))
                           + QLatin1Char(' ') + positionText(),
                       0);
    text.endParagraph();
    return text.html();
}

namespace {

// Whether uid is what Point::uidFor makes of the parts, compared in place: every point of the
// database file asks.
bool isUidFor(QStringView uid, const QString &region, const QString &terminal, const QString &code)
{
    const auto take = [&uid](QStringView part) {
        if (!uid.startsWith(part) || uid.size() == part.size() || uid.at(part.size()) != QLatin1Char('/'))
            return false;
        uid = uid.sliced(part.size() + 1);
        return true;
    };
    if (region != kStar && !take(region))
        return false;
    if (terminal != kStar && !take(terminal))
        return false;
    return uid == code;
}

} // namespace

QDataStream &operator<<(QDataStream &stream, const Point &point)
{
    {
        StreamPacker packer(stream);
        packer << point.m_code << point.m_position << point.m_terminal << point.m_region << point.m_name
               << point.m_pointType << point.m_elevation << point.m_frequency << point.m_waypointType;
        // The UID the import gave it where the fields alone do not tell it (a second point of the
        // same region, terminal and code); empty where they do, which keeps the file small.
        const bool airport = point.m_pointType == Point::AIRP;
        const bool natural
            = isUidFor(point.m_uid, airport ? kStar : point.m_region, airport ? kStar : point.m_terminal, point.m_code);
        packer << (natural ? QString() : point.m_uid);
    }
    if (point.m_pointType == Point::AIRP) {
        stream << QGeoShape(point.bounding());
        // A point of type AIRP that is not an Airport breaks an invariant of the loaders; its
        // record still gets an (empty) ATC list so the file stays readable.
        if (const auto *airport = qobject_cast<const Airport *>(&point))
            airport->writeAtcs(stream);
        else
            stream << quint32(0);
    }
    return stream;
}

// Qt Positioning's reader takes latitude, longitude and altitude as doubles, set one by one on a
// default coordinate, so that values out of range stay as they were written. The three are read in one go, which a load
// of a few hundred thousand records notices; a stream that stores doubles otherwise, has no device or has failed
// already (Qt goes on reading then) gets Qt's own reader.
QGeoCoordinate readRecordCoordinate(QDataStream &stream)
{
    QGeoCoordinate coordinate;
    if (!stream.device() || stream.status() != QDataStream::Ok
        || stream.floatingPointPrecision() != QDataStream::DoublePrecision) {
        stream >> coordinate;
        return coordinate;
    }
    char bytes[3 * sizeof(double)];
    if (stream.readRawData(bytes, sizeof bytes) != int(sizeof bytes))
        return coordinate; // the stream says ReadPastEnd, as Qt's reader would leave it
    double values[3];
    for (int i = 0; i < 3; ++i) {
        values[i] = stream.byteOrder() == QDataStream::BigEndian
                        ? qFromBigEndian<double>(bytes + i * sizeof(double))
                        : qFromLittleEndian<double>(bytes + i * sizeof(double));
    }
    coordinate.setLatitude(values[0]);
    coordinate.setLongitude(values[1]);
    coordinate.setAltitude(values[2]);
    return coordinate;
}

namespace {

// The bounding rectangle of an airport record, in Qt Positioning's QGeoShape form. Only the
// rectangle (and the empty shape) is ever written; any other shape type means a damaged
// record, which is failed here rather than handed to the shape reader, whose path and polygon
// forms would trust a list count from the damaged bytes.
QGeoRectangle readBounding(QDataStream &stream)
{
    quint32 shapeType = 0;
    stream >> shapeType;
    if (stream.status() != QDataStream::Ok)
        return QGeoRectangle();
    switch (shapeType) {
    case QGeoShape::UnknownType:
        return QGeoRectangle();
    case QGeoShape::RectangleType: {
        const QGeoCoordinate topLeft = readRecordCoordinate(stream);
        const QGeoCoordinate bottomRight = readRecordCoordinate(stream);
        return QGeoRectangle(topLeft, bottomRight);
    }
    default:
        stream.setStatus(QDataStream::ReadCorruptData);
        return QGeoRectangle();
    }
}

} // namespace

QDataStream &operator>>(QDataStream &stream, Point *&point)
{
    point = nullptr;

    QString code;
    QString terminal;
    QString region;
    QString name;
    qint8 type = 0;
    qint16 elevation = 0;
    float frequency = 0.0f;
    QString waypointType;
    QGeoCoordinate position;
    QString uid;
    {
        // A few hundred thousand records of a dozen fields: read in place where the stream allows.
        StreamUnpacker in(stream);
        double latitude = 0.0;
        double longitude = 0.0;
        double altitude = 0.0;
        in >> code >> latitude >> longitude >> altitude;
        position.setLatitude(latitude);
        position.setLongitude(longitude);
        position.setAltitude(altitude);
        in >> terminal >> region >> name >> type >> elevation >> frequency >> waypointType;
        if (RecordFormat::reading() >= 7)
            in >> uid;
    }
    if (stream.status() != QDataStream::Ok)
        return stream;

    if (type != Point::AIRP) {
        point = new Point(type, position, code, terminal, region, name, elevation, frequency, waypointType);
        if (!uid.isEmpty() && uid != point->m_uid)
            point->setUid(uid);
        return stream;
    }

    // Terminal, frequency and waypoint type of an airport record are not used.
    const QGeoRectangle bounding = readBounding(stream);
    if (stream.status() != QDataStream::Ok)
        return stream;
    auto *airport = new Airport(code, name, elevation, region, position, bounding);
    airport->readAtcs(stream);
    if (stream.status() != QDataStream::Ok) {
        delete airport;
        return stream;
    }
    if (!uid.isEmpty() && uid != airport->m_uid)
        airport->setUid(uid);
    point = airport;
    return stream;
}
