#pragma once

#include <grantlee/filter.h>

// {{ text|wrap:80 }}: the text broken into lines of at most that many characters, each line
// filled with as many whole words as fit, as a route is printed. A word longer than the width
// stands alone on its line; line breaks in the text are kept. Without a width the text is
// left as it is.
//
// Grantlee's own wordwrap filter counts the characters of a line from the first line's start
// on: after the first break every further word gets a line of its own.
class WrapFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }

    static QString wrap(const QString &text, int width);
};
