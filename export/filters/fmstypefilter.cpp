#include "fmstypefilter.h"

#include "filtervalue.h"

QVariant FmsTypeFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(argument)
    Q_UNUSED(autoescape)
    bool ok = false;
    // The point types of the navigation data: airport 1, NDB 2, VOR 3, DME-ILS 12, DME 13,
    // coordinate 28.
    switch (int(filterNumber(input, &ok))) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
    case 12:
    case 13:
        return 3;
    case 28:
        return 28;
    default:
        return 11;
    }
}
