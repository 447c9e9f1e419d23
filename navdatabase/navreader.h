#pragma once

#include "linefilereader.h"

// Reader of earth_nav.dat: NDB, VOR and DME rows become points of the same types, ILS
// localizer rows put their frequency and text on the runway end that apt.dat has added, and
// the version line's cycle becomes the database's own.
class NavReader : public LineFileReader
{
public:
    NavReader(Database *database, ProgressFn progress, CancelFn cancelled = {});

protected:
    Format format() const override;
    void readFields(const Fields &fields) override;
    void storeCycle(const QString &cycle) override;
    QString reportedCycle() const override;
};
