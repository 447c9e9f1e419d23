#pragma once

#include "database.h"
#include "point.h"

#include <QGeoCoordinate>
#include <QString>

// The fixes the procedure suites lay their legs over: enroute fixes of region ED, each named
// as its code.
inline void addProcedureFix(Database &database, const QString &code, const QGeoCoordinate &position)
{
    database.addPoint(new Point(Point::FIX, position, code, QStringLiteral("ENRT"), QStringLiteral("ED"), code, 0, 0.0f,
                                QStringLiteral("    ")));
}
