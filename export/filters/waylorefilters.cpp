#include "waylorefilters.h"

#include "durationfilter.h"
#include "zerofillfilter.h"

WayloreFilters::WayloreFilters(QObject *parent)
    : QObject(parent)
{
}

QHash<QString, Grantlee::Filter *> WayloreFilters::filters(const QString &name)
{
    Q_UNUSED(name)
    // The engine takes the filters over and deletes them.
    return {{QStringLiteral("duration"), new DurationFilter()}, {QStringLiteral("zerofill"), new ZerofillFilter()}};
}
