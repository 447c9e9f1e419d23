#pragma once

#include <grantlee/filter.h>

// {{ w.latitude|lat:"h" }}, {{ w.longitude|lon:"dm" }}: a coordinate in the notation a file
// format wants. Without argument the signed degrees with six decimals ("-17.755000"); "h"
// the hemisphere letter, a blank and the unsigned degrees ("S 17.755000"); "dm" the
// hemisphere, the degrees zero-padded to two (latitude) or three (longitude) digits and the
// minutes with one decimal ("S1745.3", "E17726.6"). Empty for a value that is no number.
class CoordinateFilter : public Grantlee::Filter
{
public:
    explicit CoordinateFilter(bool latitude);
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }

    static QString format(double degrees, bool latitude, const QString &notation);

private:
    bool m_latitude;
};
