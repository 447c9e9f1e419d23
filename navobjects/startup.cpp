#include "startup.h"

#include "richtext.h"

#include <QDebug>
#include <QStringList>

namespace {

struct AirplaneClass
{
    const char *word;
    int bit;
    const char *text;
};

// In the order the texts list them: heavy first, helicopter last.
// clang-format off
constexpr AirplaneClass airplaneClasses[] = {
    {"heavy", 2, "Heavy"},
    {"jets", 4, "Jet"},
    {"turboprops", 8, "Turboprop"},
    {"props", 16, "Propeller"},
    {"helos", 32, "Helicopter"},
};
// clang-format on

// True when the word occurs with no letter directly before or after it, so that "props"
// inside "turboprops" does not count.
bool containsWord(const QString &text, const QString &word)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(word, from);
        if (at < 0)
            return false;
        const qsizetype end = at + word.size();
        const bool letterBefore = at > 0 && text.at(at - 1).isLetter();
        const bool letterAfter = end < text.size() && text.at(end).isLetter();
        if (!letterBefore && !letterAfter)
            return true;
        from = at + 1;
    }
}

} // namespace

Startup::Startup(int type, int airplanes, const QGeoCoordinate &position, float heading, const QString &name)
    : BaseItem(QStringLiteral("NOUID"), QStringLiteral("nosearch"), 14.0, 14.0, -1)
    , m_startupType(checkInt8(type))
    , m_airplanes(checkInt8(airplanes))
    , m_position(cornerOf(position))
    , m_heading(heading)
    , m_name(name)
{
    setBoundingFromCoordinate(position);
}

Startup::~Startup() = default;

int Startup::typeFromString(const QString &word)
{
    if (word == QLatin1String("gate"))
        return 1;
    if (word == QLatin1String("hangar"))
        return 2;
    if (word == QLatin1String("misc"))
        return 3;
    if (word == QLatin1String("tie_down"))
        return 4;
    qWarning() << "Unknown startup type" << word;
    return 0;
}

int Startup::airplanesFromString(const QString &text)
{
    int bits = 0;
    for (const AirplaneClass &c : airplaneClasses) {
        if (containsWord(text, QLatin1String(c.word)))
            bits |= c.bit;
    }
    return bits;
}

QString Startup::typeText(int type)
{
    switch (type) {
    case 1:
        return QStringLiteral("Gate");
    case 2:
        return QStringLiteral("Hangar");
    case 3:
        return QStringLiteral("Misc.");
    case 4:
        return QStringLiteral("Tie-down");
    default:
        return tr("Unknown startup type");
    }
}

QString Startup::airplanesText(int airplanes)
{
    if (airplanes == 0)
        return tr("Unknown airplanes");
    QStringList texts;
    for (const AirplaneClass &c : airplaneClasses) {
        if (airplanes & c.bit)
            texts.append(QLatin1String(c.text));
    }
    return texts.join(QStringLiteral(", "));
}

QString Startup::tooltipHtml() const
{
    RichText text;
    text.addH1(tr("Startup location %1").arg(RichText::escape(m_name)));
    text.beginParagraph(QString());
    text.addLabelValue(tr("Type"), typeText(m_startupType), 2);
    text.addLabelValue(tr("Airplanes"), airplanesText(m_airplanes), 2);
    text.addLabelValue(tr("Position"), position().toString(QGeoCoordinate::DegreesMinutesSecondsWithHemisphere), 0);
    text.endParagraph();
    return text.html();
}

QVariant Startup::data(int role) const
{
    switch (role) {
    case RolePosition:
        return QVariant::fromValue(position());
    case RoleHeading:
        return m_heading;
    case RoleCode:
        return m_name;
    case RoleTooltip:
        return tooltipHtml();
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Startup::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RolePosition, "role_position");
    roles.insert(RoleHeading, "role_heading");
    roles.insert(RoleCode, "role_code");
    roles.insert(RoleTooltip, "role_tooltip");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Startup &startup)
{
    stream << static_cast<qint8>(startup.startupType()) << static_cast<qint8>(startup.airplanes()) << startup.position()
           << startup.heading() << startup.name();
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Startup *&startup)
{
    startup = nullptr;

    qint8 type = 0;
    qint8 airplanes = 0;
    QGeoCoordinate position;
    float heading = 0.0f;
    QString name;
    stream >> type >> airplanes >> position >> heading >> name;
    if (stream.status() != QDataStream::Ok)
        return stream;

    startup = new Startup(type, airplanes, position, heading, name);
    return stream;
}
