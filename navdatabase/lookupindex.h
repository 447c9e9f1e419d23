#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <vector>

class Point;
class Runway;
class Segment;

// Secondary indexes over the database's point and runway lists, so that the lookups that are
// defined as scans in row order (by code, by name, runways of an airport, nearest alternate)
// stay fast on a world-size database while giving the very same answer: every bucket holds
// rows in ascending order, and callers still test each candidate as the scan would.
//
// The indexes follow the lists lazily: each query first indexes the rows appended since the
// last query, and rebuilds from scratch when the list was emptied or replaced. Lists only
// ever grow between clears, so catching up is cheap. The index has its own lock because
// lookups run on several threads (main, route search) without the database mutex.
class LookupIndex
{
public:
    LookupIndex();

    // Forgets everything; the next query reindexes from the lists.
    void reset();
    // Indexes the lists now rather than at the first query: a loader builds the index on its
    // own thread along with the lists, and hands both over.
    void prepare(const QList<Point *> &points, const QList<Runway *> &runways, const QList<Segment *> &segments);
    // The point part of prepare alone (codes, names, airport grid), the bulk of the work.
    void preparePoints(const QList<Point *> &points);

    // Rows of points whose code was the given one when indexed, ascending.
    QList<int> rowsWithCode(const QList<Point *> &points, const QString &code);
    // Rows of points whose name was the given one when indexed, ascending.
    QList<int> rowsWithName(const QList<Point *> &points, const QString &name);
    // Runways of the airport code, in runway-list order.
    QList<Runway *> runwaysOf(const QList<Runway *> &runways, const QString &airportCode);
    // Segments with the point as one of their ends, in segment-list order: every segment that
    // can be flown from or to the point is among them.
    QList<Segment *> segmentsWithEnd(const QList<Segment *> &segments, const Point *point);
    // Forgets the segment index alone, for a segment list that lost rows.
    void resetSegments();
    // Number of indexed airports with a four-letter code (those the grid holds).
    int airportCount(const QList<Point *> &points);

    struct Candidate
    {
        int row;
        double distance;
    };
    // Four-letter airports whose distance (Point::distanceTo, nautical miles) from the reference
    // is at most the radius; some farther ones may be included. covered is set when the search
    // looked at every indexed airport.
    QList<Candidate> airportsNear(const QList<Point *> &points, const Point *reference, double radiusNm, bool *covered);

private:
    struct Progress
    {
        qsizetype rows = 0;
        const void *first = nullptr;
    };
    template <typename T>
    static bool needsRebuild(const Progress &progress, const QList<T *> &list);

    void syncCodes(const QList<Point *> &points);
    void syncNames(const QList<Point *> &points);
    void syncRunways(const QList<Runway *> &runways);
    void syncGrid(const QList<Point *> &points);
    void syncSegments(const QList<Segment *> &segments);
    static int cellOf(double latitude, double longitude);

    // Rows keyed by the hash of a text, 12 bytes a row instead of a hash node and a list per
    // text: ordered by (hash, row) plus a short unsorted tail of the latest rows, which are
    // all above the ordered ones, so matches come out in ascending row order. Callers compare
    // the text itself, which also settles hash collisions.
    class HashedRows
    {
    public:
        void clear();
        void append(size_t hash, int row);
        QList<int> rows(size_t hash) const;

    private:
        void merge();
        std::vector<std::pair<size_t, int>> m_sorted;
        std::vector<std::pair<size_t, int>> m_tail;
    };

    QMutex m_mutex;
    HashedRows m_byCode;
    Progress m_codeProgress;
    HashedRows m_byName;
    Progress m_nameProgress;
    // Keyed by the end point's address rather than a text hash: no two points share one.
    HashedRows m_segmentEnds;
    Progress m_segmentProgress;
    QHash<QString, QList<Runway *>> m_runways;
    Progress m_runwayProgress;
    // One-degree cells of four-letter airports, row-major from the south-west corner; none
    // until the first airport.
    std::vector<QList<int>> m_grid;
    int m_gridCount = 0;
    Progress m_gridProgress;
};
