#include "waypointtext.h"

#include "airplane.h"
#include "constants.h"
#include "planlimits.h"
#include "typednumber.h"
#include "unit.h"
#include "waypoint.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// The lowest airfields lie below sea level: their elevation is the plan's altitude there.
constexpr int kLowestAltitude = -1500;
// Six digits of feet, as high as any flight level of four digits reaches.
constexpr double kHighestAltitude = 999999.0;

// A Mach number as typed: blanks anywhere, a decimal comma.
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

// Feet or knots as every number box of the interface reads them, in the interface language,
// after the unit the program writes (a blank before it or not) is taken off; NaN when not wholly
// a number.
double typedNumber(const QString &typed, const QRegularExpression &unit)
{
    return TypedNumber::read(QString(typed).remove(unit), Unit::textLocale().decimalPoint());
}

} // namespace

QVariantMap WaypointText::Reading::toVariantMap() const
{
    return {{QStringLiteral("text"), text}, {QStringLiteral("message"), message}};
}

WaypointText::Reading WaypointText::altitude(const QString &typed)
{
    static const QRegularExpression level(QStringLiteral("^FL\\s*([0-9]{1,4})$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression feet(QStringLiteral("\\s*FT$"), QRegularExpression::CaseInsensitiveOption);
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return stands(QString(), Waypoint::NoAltitude);
    if (const QRegularExpressionMatch match = level.match(text); match.hasMatch()) {
        const int number = match.captured(1).toInt();
        return stands(QStringLiteral("FL") + QString::number(number), number * 100.0);
    }
    // Whole feet: a decimal is rounded, as the boxes round it.
    const double read = std::round(typedNumber(text, feet));
    if (!(std::abs(read) <= kHighestAltitude))
        return refused(tr("Not an altitude: 1500ft or FL300"));
    const int number = int(read);
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
    static const QRegularExpression knots(QStringLiteral("\\s*KTS?$"), QRegularExpression::CaseInsensitiveOption);
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return stands(QString(), 0.0);
    if (const QRegularExpressionMatch match = mach.match(compact(text)); match.hasMatch()) {
        const double number = match.captured(1).toDouble();
        if (number > 0.0)
            return stands(QStringLiteral("M") + decimal(number), number, true);
    }
    const double number = typedNumber(text, knots);
    if (std::isnan(number))
        return refused(tr("Not a speed: 180kts or M0.78"));
    if (number < Constants::minAsKts())
        return refused(tr("Below %1kts").arg(Constants::minAsKts()));
    // Whole knots, as the plan keeps them: a decimal would read back as a group of thousands in
    // a language whose decimal mark is the comma ("250.125kts").
    return stands(QString::number(PlanLimits::saturated(number)) + QStringLiteral("kts"), number);
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
