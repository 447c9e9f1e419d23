#pragma once

#include "linefilereader.h"

// Reader of the fix files: earth_fix.dat (the simulator's fixes, with the AIRAC cycle in its
// header) and user_fix.dat (the user's own fixes in the custom data). Every accepted row
// becomes one point of type FIX.
class FixReader : public LineFileReader
{
public:
    enum Source { EarthFix, UserFix };

    FixReader(Database *database, ProgressFn progress, CancelFn cancelled = {}, Source source = EarthFix);

    // 2 when earth_fix.dat cannot be opened; user_fix.dat never fails.
    int read(const QString &path) override;

    // The four-character waypoint type packed, least significant byte first, into the
    // integer of an earth_fix.dat row.
    static QString waypointType(int packed);

protected:
    Format format() const override;
    void readFields(const Fields &fields) override;
    bool buildsApart() const override { return true; }
    Point *buildPoint(const Fields &fields) const override;

private:
    Source m_source;
};
