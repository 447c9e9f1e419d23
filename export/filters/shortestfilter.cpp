#include "shortestfilter.h"

#include "filtervalue.h"

#include <QLocale>

#include <cmath>

QVariant ShortestFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    if (filterText(argument) == QLatin1String("metres")) {
        bool ok = false;
        const double feet = filterNumber(input, &ok);
        if (!ok || !std::isfinite(feet))
            return QString();
        return format(std::round(feet * 3.048) / 10.0);
    }
    return format(input);
}

QString ShortestFilter::format(const QVariant &value)
{
    if (value.userType() == QMetaType::Float) {
        // A float has at most nine significant digits; the first precision that reads back
        // as the same float is its own shortest form.
        const float number = value.toFloat();
        for (int precision = 1; precision < 9; ++precision) {
            const QString text = QString::number(double(number), 'g', precision);
            if (text.toFloat() == number)
                return text;
        }
        return QString::number(double(number), 'g', 9);
    }
    bool ok = false;
    const double number = filterNumber(value, &ok);
    if (!ok || !std::isfinite(number))
        return QString();
    // Plain decimals ("0.0001", "123456789"), never an exponent in a file or a plan text.
    QString text = QString::number(number, 'f', QLocale::FloatingPointShortest);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}
