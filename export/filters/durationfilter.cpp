#include "durationfilter.h"

#include <grantlee/util.h>

QVariant DurationFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(argument)
    Q_UNUSED(autoescape)
    bool ok = false;
    // Template values arrive as numbers from properties or as text from literals.
    const qint64 seconds = input.userType() == qMetaTypeId<Grantlee::SafeString>()
                               ? Grantlee::getSafeString(input).get().toLongLong(&ok)
                               : input.toLongLong(&ok);
    return ok ? format(seconds) : QString();
}

QString DurationFilter::format(qint64 seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const qint64 minutes = qAbs(seconds) / 60;
    return sign + QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
