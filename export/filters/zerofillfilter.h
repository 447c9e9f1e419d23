#pragma once

#include <grantlee/filter.h>

// {{ value|zerofill:"3" }}: a whole number padded on the left with "0" to the width, as
// courses and flight levels are written ("005", "FL045"). Empty for a negative value, which
// in the plan means "none", and for a value that is no number.
class ZerofillFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }
};
