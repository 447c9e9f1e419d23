#include "altitudefilter.h"

#include "filtervalue.h"

#include <cmath>

QVariant AltitudeFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    bool ok = false;
    const double feet = filterNumber(input, &ok);
    if (!ok || !(feet >= 1.0) || feet > 1e6)
        return QString();
    bool transitionOk = false;
    const double transition = qMax(0.0, filterNumber(argument, &transitionOk));
    const long long rounded = std::llround(feet);
    if (rounded < transition)
        return QStringLiteral("%1ft").arg(rounded);
    return QStringLiteral("FL%1").arg(std::llround(feet / 100.0), 3, 10, QLatin1Char('0'));
}
