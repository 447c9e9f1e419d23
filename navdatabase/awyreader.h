#pragma once

#include "linefilereader.h"

#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class Point;

// Reader of earth_awy.dat: each row joins two enroute points, found by ident, region and kind
// among those the fix and navaid files added, by one airway segment.
//
// An ident, region and kind may name several points (namesakes, at times oceans apart). The
// rows of one airway and level that meet at such a name must meet at one point, or the airway
// is cut there; so the namesakes are chosen once the whole file is read, per airway chain, for
// the shortest legs the data allows. Namesakes a few miles apart are copies of one place: every
// airway that names them meets at one, where routes can turn from one airway to another.
class AwyReader : public LineFileReader
{
public:
    AwyReader(Database *database, ProgressFn progress, CancelFn cancelled = {});
    ~AwyReader() override;

protected:
    Format format() const override;
    bool preparesApart() const override { return true; }
    std::unique_ptr<PreparedRow> prepareRow(const Fields &fields) const override;
    void finishRow(std::unique_ptr<PreparedRow> row) override;
    void finishRows() override;

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
        // Among several candidates: the choice this end shares with the rows it meets.
        int choice = -1;
    };
    struct Row;
    struct Pending;
    class Choices;

    static End findEnd(QByteArrayView identifier, QByteArrayView region, int kind);
    // The warnings of an end not found as its kind: one per end joined to a point of another
    // kind, and the database's own for an end not found at all.
    void reportEnd(const End &end, const QString &airway);
    // The warnings of a row whose ends are chosen: backward, ends of another kind or none.
    void warn(const Row &row);

    // The segments in file order, held until every namesake is chosen.
    std::vector<Pending> m_pending;
    QSet<QString> m_warnedEnds;
};
