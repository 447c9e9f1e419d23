#include "durationfilter.h"

#include <grantlee/util.h>

QVariant DurationFilter::doFilter(const QVariant &input, const QVariant &argument, bool autoescape) const
{
    Q_UNUSED(autoescape)
    bool ok = false;
    // Template values arrive as numbers from properties or as text from literals.
    const qint64 seconds = input.userType() == qMetaTypeId<Grantlee::SafeString>()
                               ? Grantlee::getSafeString(input).get().toLongLong(&ok)
                               : input.toLongLong(&ok);
    if (!ok)
        return QString();
    // Flight-plan forms file times as four digits, "0215".
    if (Grantlee::getSafeString(argument).get() == QLatin1String("hhmm") && seconds >= 0)
        return QStringLiteral("%1%2")
            .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
    return format(seconds);
}

QString DurationFilter::format(qint64 seconds)
{
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const qint64 minutes = qAbs(seconds) / 60;
    return sign + QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
