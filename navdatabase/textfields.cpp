#include "textfields.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void TextFields::splitAtBlanks(QByteArrayView line, Fields &fields)
{
    fields.clear();
    const char *p = line.data();
    const char *const end = p + line.size();
    while (p != end) {
        while (p != end && *p == ' ')
            ++p;
        if (p == end)
            break;
        const char *const start = p;
        while (p != end && *p != ' ')
            ++p;
        fields.append(QByteArrayView(start, p - start));
    }
}

int TextFields::toInt(QByteArrayView field)
{
    // The plain form of almost every field, read here; anything else goes to the full parser,
    // which gives the same value for the plain form.
    const char *p = field.data();
    const char *const end = p + field.size();
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    if (p != end && end - p <= 10) {
        qint64 value = 0;
        const char *q = p;
        while (q != end && isDigit(*q))
            value = value * 10 + (*q++ - '0');
        if (q == end) {
            value = negative ? -value : value;
            if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
                return 0;
            return int(value);
        }
    }
    bool ok = false;
    const qlonglong value = field.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return 0;
    return int(value);
}

double TextFields::toDouble(QByteArrayView field)
{
    // Digits with an optional minus and decimal point are read here or by std::from_chars,
    // which rounds as the full parser does; signs, exponents, blanks and the rest take the full
    // parser. Coordinates and most numbers have few enough digits that their digits make an
    // exact integer and their scale an exact power of ten: one division then gives the
    // correctly rounded value, the one std::from_chars gives, in a fraction of its time.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr quint64 kExact = quint64(1) << 53;
    const char *p = field.data();
    const char *const end = p + field.size();
    const char *q = p;
    const bool negative = q != end && *q == '-';
    if (negative)
        ++q;
    const char *const digits = q;
    quint64 mantissa = 0;
    int count = 0;
    while (q != end && isDigit(*q)) {
        mantissa = mantissa * 10 + quint64(*q++ - '0');
        ++count;
    }
    bool plain = q != digits;
    int scale = 0;
    if (plain && q != end && *q == '.') {
        const char *const fraction = ++q;
        while (q != end && isDigit(*q)) {
            mantissa = mantissa * 10 + quint64(*q++ - '0');
            ++count;
        }
        plain = q != fraction;
        scale = int(q - fraction);
    }
    if (plain && q == end) {
        // 19 digits never overflow 64 bits.
        if (count <= 19 && mantissa <= kExact && scale < int(std::size(kPowers))) {
            const double value = double(mantissa) / kPowers[scale];
            return negative ? -value : value;
        }
        double value = 0.0;
        const auto result = std::from_chars(p, end, value);
        if (result.ec == std::errc() && result.ptr == end)
            return std::isfinite(value) ? value : 0.0;
    }
    bool ok = false;
    const double value = field.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString TextFields::joined(const Fields &fields, qsizetype from)
{
    if (from >= fields.size())
        return QString();
    if (from == fields.size() - 1)
        return QString::fromUtf8(fields.at(from));
    QByteArray bytes;
    for (qsizetype i = from; i < fields.size(); ++i) {
        if (i > from)
            bytes.append(' ');
        bytes.append(fields.at(i));
    }
    return QString::fromUtf8(bytes);
}
