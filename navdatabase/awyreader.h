#pragma once

#include "linefilereader.h"

#include <QSet>
#include <QString>

class Point;

// Reader of earth_awy.dat: each row joins two enroute points, found by ident, region and kind
// among those the fix and navaid files added, by one airway segment.
class AwyReader : public LineFileReader
{
public:
    AwyReader(Database *database, ProgressFn progress, CancelFn cancelled = {});

    // UID of an airway end: the enroute point of that identifier and region.
    static QString endUid(const QString &identifier, const QString &region);

protected:
    Format format() const override;
    void readFields(const Fields &fields) override;

private:
    // The point of the UID of that kind (11 fix, 2 NDB, 3 VHF navaid); failing that, the one
    // of the UID, with one warning per end.
    Point *end(const QString &uid, int kind, const QString &airway);

    QSet<QString> m_warnedEnds;
};
