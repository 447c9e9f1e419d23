#pragma once

#include <QVariant>

#include <grantlee/util.h>

// Template values reach a filter as numbers from properties, or as text from literals and
// from other filters; both read as a number here.
inline double filterNumber(const QVariant &value, bool *ok)
{
    if (value.userType() == qMetaTypeId<Grantlee::SafeString>())
        return QString(Grantlee::getSafeString(value).get()).trimmed().toDouble(ok);
    if (value.userType() == QMetaType::QString)
        return value.toString().trimmed().toDouble(ok);
    return value.toDouble(ok);
}

inline QString filterText(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<Grantlee::SafeString>())
        return Grantlee::getSafeString(value).get();
    return value.toString();
}
