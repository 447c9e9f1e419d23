#pragma once

#include <grantlee/filter.h>

// {{ w.type|fmstype }}: the type code of a point in the simulator's FMS files: 1 airport,
// 2 NDB, 3 VOR (DMEs too), 28 latitude/longitude, 11 fix for every other point.
class FmsTypeFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }
};
