#pragma once

#include <grantlee/filter.h>

// {{ seconds|duration }}: a time in whole seconds as hours and minutes, "1:05" for 3900; the
// seconds are cut, as a clock shows them. Empty for a value that is no number. With the
// argument "hhmm" the four digits of a filed flight plan, "0105".
class DurationFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }

    static QString format(qint64 seconds);
};
