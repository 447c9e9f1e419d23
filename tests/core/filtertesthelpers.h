#pragma once

#include "baseitem.h"

#include <QAbstractItemModel>
#include <QGeoRectangle>
#include <QStringList>

inline QGeoRectangle rect(double north, double west, double south, double east)
{
    return QGeoRectangle(QGeoCoordinate(north, west), QGeoCoordinate(south, east));
}

// The UIDs of the filter's rows, in its order.
inline QStringList uidsOf(const QAbstractItemModel &proxy)
{
    QStringList uids;
    for (int row = 0; row < proxy.rowCount(); ++row)
        uids << proxy.index(row, 0).data(BaseItem::UID).toString();
    return uids;
}
