#pragma once

#include "linefilereader.h"

// Reader of earth_awy.dat: each row joins two enroute points, found by UID among those the
// fix and navaid files added, by one airway segment.
class AwyReader : public LineFileReader
{
public:
    AwyReader(Database *database, ProgressFn progress, CancelFn cancelled = {});

    // UID of an airway end: the enroute point of that identifier and region.
    static QString endUid(const QString &identifier, const QString &region);

protected:
    Format format() const override;
    void readRow(const QStringList &fields) override;
};
