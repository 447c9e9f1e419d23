#pragma once

#include <QRegularExpression>
#include <QString>

#include <limits>

// A number as a pilot types it in any interface language, read alike by every number box of the
// pages and by the waypoint's altitude and speed fields; a header alone, so that the pages'
// native module reads it too. Qt's own reading would not do: its Spanish refuses a group in a
// four-digit number ("2.100") and each language takes only some blanks.
//
// Any blank, point, comma or apostrophe groups digits by three; the last mark is a decimal point
// where it is the language's own, or where it stands before one or two digits ("147,5" in
// English, "147.5" in German), which it can only be.
class TypedNumber
{
public:
    // The number with its sign; NaN for a text that does not read wholly as one number (empty,
    // with a letter, grouped wrongly, marks of two kinds in its groups, or its decimal mark among
    // them): a part of it ("2" of "2 1x0") would be taken for what the pilot meant. Infinite past
    // what a double holds.
    static double read(const QString &typed, const QString &decimalPoint)
    {
        static const QRegularExpression last(QStringLiteral("^(.*)([ .,'])([0-9]+)$"));
        static const QRegularExpression grouped(QStringLiteral("^[0-9]{1,3}([ .,'])[0-9]{3}(?:\\1[0-9]{3})*$"));
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        QString text = typed.trimmed();
        for (QChar &character : text) {
            if (character.isSpace())
                character = u' ';
        }
        const bool negative = text.startsWith(u'-');
        if (negative)
            text.remove(0, 1);
        const QRegularExpressionMatch end = last.match(text);
        const QString mark = end.captured(2);
        const bool decimal
            = end.hasMatch()
              && (mark == decimalPoint || ((mark == u"." || mark == u",") && end.capturedLength(3) <= 2));
        const QString whole = decimal ? end.captured(1) : text;
        const QRegularExpressionMatch groups = grouped.match(whole);
        if (!digits.match(whole).hasMatch() && !(groups.hasMatch() && (!decimal || groups.captured(1) != mark)))
            return std::numeric_limits<double>::quiet_NaN();
        QString number;
        for (const QChar character : whole) {
            if (character.isDigit())
                number += character;
        }
        if (decimal)
            number += u'.' + end.captured(3);
        // Only digits and a point: read as the C locale does, an infinity where it overflows.
        const double magnitude = number.toDouble();
        return negative ? -magnitude : magnitude;
    }
};
