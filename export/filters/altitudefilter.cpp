#include "altitudefilter.h"

#include "filtervalue.h"
#include "unit.h"

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
    // The level the flight-plan table shows for the same altitude.
    return QStringLiteral("FL%1").arg(Unit::convertAltitudeToLevel(int(rounded)), 3, 10, QLatin1Char('0'));
}
