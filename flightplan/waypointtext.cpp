#include "waypointtext.h"

#include "airplane.h"
#include "constants.h"
#include "unit.h"
#include "waypoint.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// The lowest airfields lie below sea level: their elevation is the plan's altitude there.
constexpr int kLowestAltitude = -1500;

// As typed into a field: blanks anywhere, a decimal comma.
QString compact(const QString &typed)
{
    QString text;
    text.reserve(typed.size());
    for (const QChar character : typed) {
        if (!character.isSpace())
            text += character == u',' ? QChar(u'.') : character;
    }
    return text;
}

WaypointText::Reading refused(const QString &message)
{
    WaypointText::Reading reading;
    reading.message = message;
    return reading;
}

WaypointText::Reading stands(const QString &text, double value, bool mach = false)
{
    WaypointText::Reading reading;
    reading.text = text;
    reading.value = value;
    reading.mach = mach;
    return reading;
}

// Without exponent, so that the text reads back here.
QString decimal(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

QVariantMap WaypointText::Reading::toVariantMap() const
{
    return {{QStringLiteral("text"), text}, {QStringLiteral("message"), message}};
}

WaypointText::Reading WaypointText::altitude(const QString &typed)
{
    static const QRegularExpression level(QStringLiteral("^FL([0-9]{1,4})$"),
                                          QRegularExpression::CaseInsensitiveOption);
    // Also grouped as the table shows it in the interface language ("12,000ft", "12.000ft"),
    // which the tidying has made "12.000ft".
    static const QRegularExpression feet(QStringLiteral("^(-?(?:[0-9]{1,6}|[0-9]{1,3}\\.[0-9]{3}))(?:FT)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString text = compact(typed);
    if (text.isEmpty())
        return stands(QString(), Waypoint::NoAltitude);
    if (const QRegularExpressionMatch match = level.match(text); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        return stands(QStringLiteral("FL") + QString::number(number), number * 100.0);
    }
    const QRegularExpressionMatch match = feet.match(text);
    if (!match.hasMatch())
        return refused(tr("Not an altitude: 1500ft or FL300"));
    const int number = match.captured(1).remove(u'.').toInt();
    if (number == Waypoint::NoAltitude)
        return refused(tr("-1ft means no altitude: empty the field"));
    if (number < kLowestAltitude)
        return refused(tr("Below %1ft").arg(kLowestAltitude));
    return stands(QString::number(number) + QStringLiteral("ft"), number);
}

WaypointText::Reading WaypointText::altitude(const QString &typed, const Airplane &airplane)
{
    const Reading reading = altitude(typed);
    if (!reading.text.isEmpty() && reading.value > airplane.ceilinglvl * 100.0)
        return refused(tr("Above the ceiling FL%1").arg(airplane.ceilinglvl));
    return reading;
}

WaypointText::Reading WaypointText::speed(const QString &typed)
{
    static const QRegularExpression mach(QStringLiteral("^M([0-9]*\\.?[0-9]+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression knots(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(?:KTS)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString text = compact(typed);
    if (text.isEmpty())
        return stands(QString(), 0.0);
    if (const QRegularExpressionMatch match = mach.match(text); match.hasMatch()) {
        const double number = match.captured(1).toDouble();
        if (number > 0.0)
            return stands(QStringLiteral("M") + decimal(number), number, true);
    }
    const QRegularExpressionMatch match = knots.match(text);
    if (!match.hasMatch())
        return refused(tr("Not a speed: 180kts or M0.78"));
    const double number = match.captured(1).toDouble();
    if (number < Constants::minAsKts())
        return refused(tr("Below %1kts").arg(Constants::minAsKts()));
    return stands(decimal(number) + QStringLiteral("kts"), number);
}

WaypointText::Reading WaypointText::speed(const QString &typed, const Airplane &airplane)
{
    const Reading reading = speed(typed);
    if (reading.text.isEmpty())
        return reading;
    if (reading.mach) {
        const double most
            = Unit::convertTasToMach(airplane.maxcruisetas, Unit::convertLevelToAltitude(airplane.ceilinglvl));
        // Compared as shown, to the hundredth.
        if (std::round(reading.value * 100.0) > std::round(most * 100.0))
            return refused(tr("Above the top speed M%1").arg(most, 0, 'f', 2));
    } else if (reading.value > airplane.maxcruisetas) {
        return refused(tr("Above the top speed %1kts").arg(airplane.maxcruisetas));
    }
    return reading;
}
