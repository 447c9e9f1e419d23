#include "zerofillfilter.h"

#include "filtervalue.h"

#include <cmath>

namespace {

qint64 toNumber(const QVariant &value, bool *ok)
{
    const double number = filterNumber(value, ok);
    if (*ok && !(std::abs(number) < 1e15))
        *ok = false;
    return *ok ? qint64(std::llround(number)) : 0;
}

} // namespace

QVariant ZerofillFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    bool ok = false;
    const qint64 value = toNumber(input, &ok);
    if (!ok || value < 0)
        return QString();
    bool widthOk = false;
    const int width = int(qBound(qint64(0), toNumber(argument, &widthOk), qint64(32)));
    return QStringLiteral("%1").arg(value, widthOk ? width : 0, 10, QLatin1Char('0'));
}
