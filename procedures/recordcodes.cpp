// The ARINC 424 codes of a leg and the words that describe it: parsers for the CIFP reader,
// the waypoint description tests, the limits the flight plan takes over, and the texts.

#include "record.h"

#include "procedure.h"
#include "unit.h"

#include <QDebug>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <array>
#include <charconv>

namespace {

struct RouteTypeCodes
{
    const char *sid;
    const char *star;
    const char *approach;
};

// Codes per route type value; a code only counts within its own procedure type. The names are
// shown translated on the procedure's pages, and in English in the log.
const std::array<const char *, 26> kRouteTypeTexts = {
    QT_TRANSLATE_NOOP("Record", "Engine Out SID"),
    QT_TRANSLATE_NOOP("Record", "SID Runway Transition"),
    QT_TRANSLATE_NOOP("Record", "SID or SID Common Route"),
    QT_TRANSLATE_NOOP("Record", "SID Enroute Transition"),
    QT_TRANSLATE_NOOP("Record", "STAR Enroute Transition"),
    QT_TRANSLATE_NOOP("Record", "STAR or STAR Common Route"),
    QT_TRANSLATE_NOOP("Record", "STAR Runway Transition"),
    QT_TRANSLATE_NOOP("Record", "Approach Transition"),
    QT_TRANSLATE_NOOP("Record", "Localizer/Backcourse Approach"),
    QT_TRANSLATE_NOOP("Record", "VORDME Approach"),
    QT_TRANSLATE_NOOP("Record", "Flight Management System (FMS) Approach"),
    QT_TRANSLATE_NOOP("Record", "Instrument Guidance System (IGS) Approach"),
    QT_TRANSLATE_NOOP("Record", "Instrument Landing System (ILS) Approach"),
    QT_TRANSLATE_NOOP("Record", "GNSS Landing System (GLS)Approach"),
    QT_TRANSLATE_NOOP("Record", "Localizer Only (LOC) Approach"),
    QT_TRANSLATE_NOOP("Record", "Microwave Landing System (MLS) Approach"),
    QT_TRANSLATE_NOOP("Record", "Non-Directional Beacon (NDB) Approach"),
    QT_TRANSLATE_NOOP("Record", "Global Positioning System (GPS) Approach"),
    QT_TRANSLATE_NOOP("Record", "Non-Directional Beacon + DME (NDB+DME) Approach"),
    QT_TRANSLATE_NOOP("Record", "Area Navigation (RNAV) Approach"),
    QT_TRANSLATE_NOOP("Record", "VOR Approach using VORDME/VORTAC"),
    QT_TRANSLATE_NOOP("Record", "TACAN Approach"),
    QT_TRANSLATE_NOOP("Record", "Simplified Directional Facility (SDF) Approach"),
    QT_TRANSLATE_NOOP("Record", "VOR Approach"),
    QT_TRANSLATE_NOOP("Record", "Localizer Directional Aid (LDA) Approach"),
    QT_TRANSLATE_NOOP("Record", "Missed Approach"),
};

const QHash<QString, int> &sidRouteTypes()
{
    static const QHash<QString, int> codes = {
        {QStringLiteral("0"), 0}, {QStringLiteral("1"), 1}, {QStringLiteral("4"), 1}, {QStringLiteral("F"), 1},
        {QStringLiteral("T"), 1}, {QStringLiteral("2"), 2}, {QStringLiteral("5"), 2}, {QStringLiteral("M"), 2},
        {QStringLiteral("3"), 3}, {QStringLiteral("6"), 3}, {QStringLiteral("S"), 3}, {QStringLiteral("V"), 3},
    };
    return codes;
}

const QHash<QString, int> &starRouteTypes()
{
    static const QHash<QString, int> codes = {
        {QStringLiteral("1"), 4}, {QStringLiteral("4"), 4}, {QStringLiteral("7"), 4},
        {QStringLiteral("2"), 5}, {QStringLiteral("5"), 5}, {QStringLiteral("8"), 5},
        {QStringLiteral("3"), 6}, {QStringLiteral("6"), 6}, {QStringLiteral("9"), 6},
    };
    return codes;
}

const QHash<QString, int> &approachRouteTypes()
{
    static const QHash<QString, int> codes = {
        {QStringLiteral("A"), 7},  {QStringLiteral("B"), 8},  {QStringLiteral("D"), 9},  {QStringLiteral("F"), 10},
        {QStringLiteral("G"), 11}, {QStringLiteral("I"), 12}, {QStringLiteral("J"), 13}, {QStringLiteral("L"), 14},
        {QStringLiteral("M"), 15}, {QStringLiteral("N"), 16}, {QStringLiteral("P"), 17}, {QStringLiteral("Q"), 18},
        {QStringLiteral("R"), 19}, {QStringLiteral("S"), 20}, {QStringLiteral("T"), 21}, {QStringLiteral("U"), 22},
        {QStringLiteral("V"), 23}, {QStringLiteral("X"), 24}, {QStringLiteral("Z"), 25},
    };
    return codes;
}

const std::array<const char *, 23> kPathTerminators
    = {"IF", "TF", "CF", "DF", "FA", "FC", "FD", "FM", "CA", "CD", "CI", "CR",
       "RF", "AF", "VA", "VD", "VI", "VM", "VR", "PI", "HA", "HF", "HM"};

const std::array<const char *, 10> kAltitudeDescriptions = {"+", "-", " ", "B", "C", "G", "H", "I", "J", "V"};

template <std::size_t N>
int indexOf(const std::array<const char *, N> &codes, const QString &code)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (code == QLatin1String(codes[i]))
            return static_cast<int>(i);
    }
    return -1;
}

// The shortest text that reads back as the same float: "3.19", not the digits of the double it
// widens to ("3.190000057220459"); with the decimal separator of the interface language.
QString floatText(float value)
{
    char digits[64];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (end.ec != std::errc())
        return Unit::textLocale().toString(static_cast<double>(value), 'g', 7);
    return QString::fromLatin1(digits, end.ptr - digits).replace(u'.', Unit::textLocale().decimalPoint());
}

} // namespace

// ---- parsers

int Record::routeTypeFromString(int procedureType, const QString &code)
{
    const QHash<QString, int> *codes = nullptr;
    switch (procedureType) {
    case Procedure::SID:
        codes = &sidRouteTypes();
        break;
    case Procedure::STAR:
        codes = &starRouteTypes();
        break;
    case Procedure::APPCH:
        codes = &approachRouteTypes();
        break;
    default:
        break;
    }
    const int value = codes ? codes->value(code, -1) : -1;
    if (value < 0)
        qWarning() << "Unknown record type" << code << "for procedure type" << procedureType;
    return value;
}

int Record::pathTerminatorFromString(const QString &code)
{
    const int value = indexOf(kPathTerminators, code);
    if (value < 0)
        qWarning() << "Unknown record termination" << code;
    return value;
}

int Record::altitudeDescriptionFromString(const QString &code)
{
    const int value = indexOf(kAltitudeDescriptions, code);
    if (value < 0)
        qWarning() << "Unknown record altitude description" << code;
    return value;
}

int Record::turnDirectionFromString(const QString &code)
{
    if (code == QLatin1String("L"))
        return 0;
    if (code == QLatin1String("R"))
        return 1;
    if (code == QLatin1String("E"))
        return 2;
    return -1;
}

quint32 Record::descriptionFromString(const QString &code)
{
    if (code.size() < 4)
        return 0;
    quint32 packed = 0;
    for (int i = 0; i < 4; ++i) {
        const char16_t c = code.at(i).unicode();
        packed = (packed << 8) | (c > 0xFF ? 0u : static_cast<quint32>(c));
    }
    return packed;
}

// ---- waypoint description tests

uchar Record::descriptionChar(int position) const
{
    return static_cast<uchar>((m_description >> (8 * (4 - position))) & 0xFF);
}

bool Record::isFlyOver() const
{
    const uchar c = descriptionChar(2);
    return c == 'B' || c == 'Y';
}

bool Record::isEndOfRoute() const
{
    const uchar c2 = descriptionChar(2);
    const uchar c4 = descriptionChar(4);
    return c2 == 'B' || c2 == 'E' || c4 == 'E' || c4 == 'F';
}

bool Record::isStepdown() const
{
    const uchar c = descriptionChar(3);
    return c == 'A' || c == 'B' || c == 'S';
}

bool Record::isMissedApproach() const
{
    return descriptionChar(3) == 'M';
}

bool Record::isIAF() const
{
    const uchar c = descriptionChar(4);
    return c == 'A' || c == 'C' || c == 'D';
}

bool Record::isFACF() const
{
    const uchar c = descriptionChar(4);
    return c == 'D' || c == 'I';
}

bool Record::isFAF() const
{
    const uchar c = descriptionChar(4);
    return c == 'E' || c == 'F';
}

bool Record::isHolding() const
{
    const uchar c = descriptionChar(4);
    return c == 'C' || c == 'H';
}

// ---- limits

int Record::minAltitude() const
{
    switch (m_altitudeDescription) {
    case AT_OR_ABOVE:
    case AT:
    case GLIDESLOPE_AT:
    case GLIDESLOPE_AT_OR_ABOVE:
    case GLIDESLOPE_INTERCEPT_AT:
    case GLIDESLOPE_INTERCEPT_AT_OR_ABOVE:
    case STEPDOWN_AT_OR_ABOVE:
        return m_altitude1;
    // A window names its upper limit first: the floor is the second field.
    case BETWEEN:
    case AT_OR_ABOVE_SECOND:
        return m_altitude2;
    default:
        return -1;
    }
}

int Record::maxAltitude() const
{
    switch (m_altitudeDescription) {
    case AT_OR_BELOW:
    case AT:
    case BETWEEN:
    case GLIDESLOPE_AT:
    case GLIDESLOPE_INTERCEPT_AT:
        return m_altitude1;
    default:
        return -1;
    }
}

int Record::speedLimit() const
{
    return m_speed < 0 ? 0 : m_speed;
}

// ---- value texts

QString Record::courseText() const
{
    return QStringLiteral("%1°").arg(m_course);
}

QString Record::thetaText() const
{
    return QStringLiteral("%1°").arg(m_theta);
}

QString Record::altitude1Text() const
{
    return QStringLiteral("%1ft").arg(m_altitude1);
}

QString Record::altitude2Text() const
{
    return QStringLiteral("%1ft").arg(m_altitude2);
}

QString Record::distanceText() const
{
    return (m_isTime == 1 ? QStringLiteral("%1min") : QStringLiteral("%1nm")).arg(floatText(m_distance));
}

QString Record::radiusText() const
{
    return QStringLiteral("%1nm").arg(floatText(m_arcRadius));
}

QString Record::speedText() const
{
    if (m_speed < 1)
        return QString();
    return tr("limited to %1kts").arg(m_speed);
}

QString Record::turnDirectionText() const
{
    switch (m_turnDirection) {
    case 0:
        return tr("left");
    case 1:
        return tr("right");
    case 2:
        return tr("either");
    default:
        return QString();
    }
}

// ---- descriptive texts

QString Record::routeTypeText(int routeType)
{
    if (routeType < 0 || routeType >= static_cast<int>(kRouteTypeTexts.size()))
        return tr("Unknown record type");
    return tr(kRouteTypeTexts[static_cast<std::size_t>(routeType)]);
}

QString Record::routeTypeText() const
{
    return routeTypeText(m_routeType);
}

QString Record::descriptionText() const
{
    QStringList chars;
    for (int position = 1; position <= 4; ++position) {
        const QChar c(static_cast<char16_t>(descriptionChar(position)));
        chars.append(c.isLetter() ? QString(c) : QStringLiteral("-"));
    }
    return QStringLiteral("%1|%2|%3|%4").arg(chars.at(0), chars.at(1), chars.at(2), chars.at(3));
}

QString Record::altitudeText() const
{
    const QString alt1 = altitude1Text();
    const QString alt2 = altitude2Text();
    switch (m_altitudeDescription) {
    case AT_OR_ABOVE:
        return m_altitude1 < 1 ? QString() : tr("at or above %1").arg(alt1);
    case AT_OR_BELOW:
        return m_altitude1 < 1 ? QString() : tr("at or below %1").arg(alt1);
    case AT:
        return m_altitude1 < 1 ? QString() : tr("at %1").arg(alt1);
    case BETWEEN:
        if (m_altitude1 < 1 || m_altitude2 < 1)
            return QString();
        // The second field is the floor of the window, the first its ceiling.
        return tr("at or above %1 to at or below %2").arg(alt2, alt1);
    case AT_OR_ABOVE_SECOND:
        return m_altitude2 < 1 ? QString() : tr("at or above %2").arg(alt2);
    case GLIDESLOPE_AT:
        return tr("at %1, glide slope FAF altitude at %2").arg(alt1, alt2);
    case GLIDESLOPE_AT_OR_ABOVE:
        return tr("at or above %1, glide slope FAF altitude at %2").arg(alt1, alt2);
    case GLIDESLOPE_INTERCEPT_AT:
        return tr("at %1, glide slope FACF altitude at %2").arg(alt1, alt2);
    case GLIDESLOPE_INTERCEPT_AT_OR_ABOVE:
        return tr("at or above %1, glide slope FACF altitude at %2").arg(alt1, alt2);
    case STEPDOWN_AT_OR_ABOVE:
        return m_altitude1 < 1 ? QString() : tr("at or above %1 for stepdown fix in final approach").arg(alt1);
    default:
        return tr("Unknown record altitude description");
    }
}

QString Record::legText(bool link) const
{
    // Each text is filled in one pass, so a "%" inside a value is never substituted again.
    const QString course = courseText();
    const QString turn = turnDirectionText();
    const QString reverse = QStringLiteral("%1°").arg(((m_course + 180) % 360 + 360) % 360);
    switch (m_pathTerminator) {
    case IF:
        return tr("Initial fix %1").arg(fixText(link));
    case TF:
        return tr("Track to fix %1").arg(fixText(link));
    case CF:
        return tr("Course %1 to fix %2").arg(course, fixText(link));
    case DF:
        return tr("Direct to fix %1").arg(fixText(link));
    case FA:
        return tr("Fix %1 course %2 to an altitude").arg(fixText(link), course);
    case FC:
        return tr("Track %1 from fix %2 from to distance %3").arg(course, fixText(link), distanceText());
    case FD:
        return tr("Track %1 from fix %2 to DME %3 distance %4")
            .arg(course, fixText(link), navaidText(link), distanceText());
    case FM:
        return tr("From fix %1 heading %2 to a manual termination").arg(fixText(link), course);
    case CA:
        return tr("Course %1 to an altitude").arg(course);
    case CD:
        return tr("Course %1 to DME %2 distance %3").arg(course, navaidText(link), distanceText());
    case CI:
        return tr("Course %1 to an intercept").arg(course);
    case CR:
        return tr("Course %1 to VOR %2 radial %3 termination").arg(course, navaidText(link), thetaText());
    case RF:
        return tr("Constant radius %1 arc center %2 to fix %3").arg(radiusText(), navaidText(link), fixText(link));
    case AF:
        return tr("Arc radius center %1 to fix %2").arg(navaidText(link), fixText(link));
    case VA:
        return tr("Heading %1 to an altitude termination").arg(course);
    case VD:
        return tr("Heading %1 to DME %2 distance %3 termination").arg(course, navaidText(link), distanceText());
    case VI:
        return tr("Heading %1 to an intercept").arg(course);
    case VM:
        return tr("Heading %1 to a manual termination").arg(course);
    case VR:
        return tr("Heading %1 to VOR %2 radial %3 termination").arg(course, navaidText(link), thetaText());
    case PI:
        return tr("045/180 procedure from %1 heading %2 turn %3 %4 (%5 each)")
            .arg(fixText(link), course, turn, reverse, distanceText());
    case HA:
        return tr("Racetrack course %1 reversal %2 %3 (%4 each), altitude termination")
            .arg(course, turn, reverse, distanceText());
    case HF:
        return tr("Racetrack course %1 reversal %2 %3 (%4 each), single circuit terminating at fix %5")
            .arg(course, turn, reverse, distanceText(), fixText(link));
    case HM:
        return tr("Racetrack course %1 reversal %2 %3 (%4 each), manual termination")
            .arg(course, turn, reverse, distanceText());
    default:
        return tr("Unknown record termination");
    }
}

QString Record::fixRolesText(bool link) const
{
    QStringList roles;
    if (isIAF())
        roles.append(tr("IAF"));
    if (isFACF())
        roles.append(tr("FACF"));
    if (isFAF())
        roles.append(tr("FAF"));
    const QString head
        = roles.isEmpty() ? QString() : QLatin1Char('[') + roles.join(QLatin1Char('/')) + QStringLiteral("] ");

    QStringList parts;
    parts.append(legText(link));
    if (isFlyOver())
        parts.append(tr("fly-over"));
    if (isStepdown())
        parts.append(tr("stepdown"));
    if (isHolding())
        parts.append(tr("holding"));
    parts.append(altitudeText());
    if (m_speed >= 1)
        parts.append(speedText());
    parts.removeAll(QString());
    return head + parts.join(QStringLiteral(", "));
}

QString Record::toDebugString() const
{
    // A log line: its numbers in the C locale, whatever the interface's.
    const Unit::FileTexts fileTexts;
    QString radius;
    QTextStream(&radius) << m_arcRadius;

    QString text;
    text += m_transition.text() + QLatin1Char(':') + sequenceText() + QLatin1Char(' ');
    const bool known = m_routeType >= 0 && m_routeType < static_cast<int>(kRouteTypeTexts.size());
    text += QLatin1Char('(')
            + (known ? QString::fromLatin1(kRouteTypeTexts[static_cast<std::size_t>(m_routeType)])
                     : QStringLiteral("Unknown record type"))
            + QStringLiteral(") ");
    text += m_region.text() + QLatin1Char('/') + m_terminal.text() + QLatin1Char('/') + m_fixIdentifier.text()
            + QLatin1Char('-') + m_navaidIdentifier.text() + QLatin1Char(' ');
    text += QLatin1Char('(') + legText(false) + QStringLiteral(") ");
    if (m_turnDirection != -1)
        text += QStringLiteral("(turn ") + turnDirectionText() + QStringLiteral(") ");
    text += QStringLiteral("D[") + courseText() + QStringLiteral("->") + distanceText() + QStringLiteral("] ");
    text += QStringLiteral("A[%1:%2<%3:%4] ")
                .arg(QString::number(m_altitudeDescription), QString::number(m_altitude1), QString::number(m_altitude2),
                     QString::number(m_transitionAltitude));
    text += QStringLiteral("S[%1] ").arg(m_speed);
    text += QStringLiteral("R-T[") + radius + QLatin1Char(';') + QString::number(m_theta) + QStringLiteral("] ");
    text += QStringLiteral("ARINC=") + descriptionText();
    return text;
}
