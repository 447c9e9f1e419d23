#pragma once

#include "linefilereader.h"

#include <QList>
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
    bool preparesApart() const override { return true; }
    std::unique_ptr<PreparedRow> prepareRow(const Fields &fields) const override;
    void finishRow(std::unique_ptr<PreparedRow> row) override;

private:
    struct End
    {
        QString uid;
        int kind = 0;
        // The points of the UID of that kind (11 fix, 2 NDB, 3 VHF navaid), or failing that,
        // every point of the UID; namesakes far apart each.
        QList<Point *> candidates;
        bool ofKind = false;
        // The candidate the segment joins.
        Point *point = nullptr;
    };
    struct Row;

    static End findEnd(QByteArrayView identifier, QByteArrayView region, int kind);
    // Picks the candidates of both ends that lie nearest each other.
    static void pickNearest(End &a, End &b);
    // The warnings of an end not found as its kind: one per end joined to a point of another
    // kind, and the database's own for an end not found at all.
    void reportEnd(const End &end, const QString &airway);

    QSet<QString> m_warnedEnds;
};
