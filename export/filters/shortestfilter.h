#pragma once

#include <grantlee/filter.h>

// {{ value|shortest }}: a number in the fewest digits that read back as the same value: a
// distance stored as a float prints "3.19", not the "3.190000057220459" of its double. With
// the argument "metres" a value in feet becomes metres to a tenth ("110.9", "0").
class ShortestFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }

    static QString format(const QVariant &value);
};
