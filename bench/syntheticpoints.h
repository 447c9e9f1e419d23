#pragma once

#include "airport.h"
#include "benchsupport.h"
#include "database.h"
#include "point.h"

#include <QGeoRectangle>
#include <QRandomGenerator>

namespace BenchSupport {

// The points of a synthetic world-size navigation database, added in this order: airports,
// enroute fixes, navaids (every third an NDB, the others VORs), each with random codes at
// random land positions. So Database::pointAt(airports + i) is fix i. The caller brackets the
// additions with Database::beginModifying() and endModifying().
inline void addSyntheticPoints(Database &db, QRandomGenerator &random, int airports, int fixes, int navaids)
{
    for (int i = 0; i < airports; ++i) {
        auto *airport = new Airport(letters(random, 4), QStringLiteral("Airport"), 100);
        const QGeoCoordinate centre = landPosition(random);
        airport->setPosition(centre, QGeoRectangle(centre, centre));
        db.addPoint(airport);
    }
    for (int i = 0; i < fixes; ++i)
        db.addPoint(new Point(Point::FIX, landPosition(random), letters(random, 5), QStringLiteral("ENRT"),
                              letters(random, 2), QString(), 0, 0.0f, QStringLiteral("C   ")));
    for (int i = 0; i < navaids; ++i)
        db.addPoint(new Point(i % 3 == 0 ? Point::NDB : Point::VOR, landPosition(random), letters(random, 3),
                              QStringLiteral("ENRT"), letters(random, 2), QStringLiteral("Navaid"), 0, 115.0f,
                              QString()));
}

} // namespace BenchSupport
