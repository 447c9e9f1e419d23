#include "coordinatefilter.h"

#include "filtervalue.h"

#include <cmath>

CoordinateFilter::CoordinateFilter(bool latitude)
    : m_latitude(latitude)
{
}

QVariant CoordinateFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    bool ok = false;
    const double degrees = filterNumber(input, &ok);
    if (!ok || !std::isfinite(degrees))
        return QString();
    return format(degrees, m_latitude, filterText(argument));
}

QString CoordinateFilter::format(double degrees, bool latitude, const QString &notation)
{
    const QChar hemisphere = latitude ? (degrees < 0.0 ? QLatin1Char('S') : QLatin1Char('N'))
                                      : (degrees < 0.0 ? QLatin1Char('W') : QLatin1Char('E'));
    if (notation == QLatin1String("h"))
        return hemisphere + QLatin1Char(' ') + QString::number(std::abs(degrees), 'f', 6);
    if (notation == QLatin1String("dm")) {
        // Tenths of a minute, rounded once, so that 59.96' becomes the next degree.
        const long long tenths = std::llround(std::abs(degrees) * 600.0);
        return hemisphere
               + QStringLiteral("%1%2.%3")
                     .arg(tenths / 600, latitude ? 2 : 3, 10, QLatin1Char('0'))
                     .arg(tenths % 600 / 10, 2, 10, QLatin1Char('0'))
                     .arg(tenths % 10);
    }
    // Never "-0.000000" for a position a hair west of Greenwich.
    const QString text = QString::number(degrees, 'f', 6);
    return text == QLatin1String("-0.000000") ? QStringLiteral("0.000000") : text;
}
