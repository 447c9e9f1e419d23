#include "waylorefilters.h"

#include "altitudefilter.h"
#include "coordinatefilter.h"
#include "durationfilter.h"
#include "fmstypefilter.h"
#include "shortestfilter.h"
#include "wrapfilter.h"
#include "zerofillfilter.h"

WayloreFilters::WayloreFilters(QObject *parent)
    : QObject(parent)
{
}

QHash<QString, Grantlee::Filter *> WayloreFilters::filters(const QString &name)
{
    Q_UNUSED(name)
    // The engine takes the filters over and deletes them.
    // clang-format off
    return {{QStringLiteral("duration"), new DurationFilter()},
            {QStringLiteral("zerofill"), new ZerofillFilter()},
            {QStringLiteral("lat"), new CoordinateFilter(true)},
            {QStringLiteral("lon"), new CoordinateFilter(false)},
            {QStringLiteral("altitude"), new AltitudeFilter()},
            {QStringLiteral("fmstype"), new FmsTypeFilter()},
            {QStringLiteral("shortest"), new ShortestFilter()},
            {QStringLiteral("wrap"), new WrapFilter()}};
    // clang-format on
}
