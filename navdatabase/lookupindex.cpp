#include "lookupindex.h"

#include "airport.h"
#include "point.h"
#include "runway.h"
#include "segment.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {

constexpr int GridRows = 180;
constexpr int GridColumns = 360;

// Deliberately generous bounds of the earth, so that the cells searched always cover the
// radius whatever radius Point::distanceTo uses: at most 1/59 degree of latitude per nautical
// mile, and an earth radius of at least 3380 nautical miles.
constexpr double DegreesPerNmBound = 1.0 / 59.0;
constexpr double EarthRadiusNmBound = 3380.0;
constexpr double Pi = 3.14159265358979323846;

} // namespace

void LookupIndex::HashedRows::clear()
{
    m_sorted.clear();
    m_tail.clear();
}

void LookupIndex::HashedRows::append(size_t hash, int row)
{
    m_tail.emplace_back(hash, row);
    if (m_tail.size() >= 4096)
        merge();
}

void LookupIndex::HashedRows::merge()
{
    std::sort(m_tail.begin(), m_tail.end());
    const auto middle = m_sorted.insert(m_sorted.end(), m_tail.begin(), m_tail.end());
    std::inplace_merge(m_sorted.begin(), middle, m_sorted.end());
    m_tail.clear();
}

QList<int> LookupIndex::HashedRows::rows(size_t hash) const
{
    QList<int> result;
    const auto range = std::equal_range(m_sorted.begin(), m_sorted.end(), std::pair<size_t, int>(hash, 0),
                                        [](const auto &a, const auto &b) { return a.first < b.first; });
    for (auto it = range.first; it != range.second; ++it)
        result.append(it->second);
    for (const auto &entry : m_tail) {
        if (entry.first == hash)
            result.append(entry.second);
    }
    return result;
}

LookupIndex::LookupIndex() = default;

void LookupIndex::reset()
{
    QMutexLocker locker(&m_mutex);
    m_byCode.clear();
    m_codeProgress = Progress();
    m_byName.clear();
    m_nameProgress = Progress();
    m_runways.clear();
    m_runwayProgress = Progress();
    m_segmentEnds.clear();
    m_segmentProgress = Progress();
    for (QList<int> &cell : m_grid)
        cell.clear();
    m_gridCount = 0;
    m_gridProgress = Progress();
}

void LookupIndex::prepare(const QList<Point *> &points, const QList<Runway *> &runways,
                          const QList<Segment *> &segments)
{
    QMutexLocker locker(&m_mutex);
    syncCodes(points);
    syncNames(points);
    syncGrid(points);
    syncRunways(runways);
    syncSegments(segments);
}

void LookupIndex::preparePoints(const QList<Point *> &points)
{
    QMutexLocker locker(&m_mutex);
    syncCodes(points);
    syncNames(points);
    syncGrid(points);
}

template <typename T>
bool LookupIndex::needsRebuild(const Progress &progress, const QList<T *> &list)
{
    if (list.size() < progress.rows)
        return true;
    return progress.rows > 0 && list.constFirst() != progress.first;
}

void LookupIndex::syncCodes(const QList<Point *> &points)
{
    if (needsRebuild(m_codeProgress, points)) {
        m_byCode.clear();
        m_codeProgress = Progress();
    }
    for (qsizetype row = m_codeProgress.rows; row < points.size(); ++row) {
        if (const Point *point = points.at(row))
            m_byCode.append(qHash(point->code()), int(row));
    }
    m_codeProgress.rows = points.size();
    m_codeProgress.first = points.isEmpty() ? nullptr : points.constFirst();
}

void LookupIndex::syncNames(const QList<Point *> &points)
{
    if (needsRebuild(m_nameProgress, points)) {
        m_byName.clear();
        m_nameProgress = Progress();
    }
    for (qsizetype row = m_nameProgress.rows; row < points.size(); ++row) {
        if (const Point *point = points.at(row))
            m_byName.append(qHash(point->name()), int(row));
    }
    m_nameProgress.rows = points.size();
    m_nameProgress.first = points.isEmpty() ? nullptr : points.constFirst();
}

void LookupIndex::syncRunways(const QList<Runway *> &runways)
{
    if (needsRebuild(m_runwayProgress, runways)) {
        m_runways.clear();
        m_runwayProgress = Progress();
    }
    for (qsizetype row = m_runwayProgress.rows; row < runways.size(); ++row) {
        if (Runway *runway = runways.at(row))
            m_runways[runway->airport()].append(runway);
    }
    m_runwayProgress.rows = runways.size();
    m_runwayProgress.first = runways.isEmpty() ? nullptr : runways.constFirst();
}

void LookupIndex::resetSegments()
{
    QMutexLocker locker(&m_mutex);
    m_segmentEnds.clear();
    m_segmentProgress = Progress();
}

void LookupIndex::syncSegments(const QList<Segment *> &segments)
{
    if (needsRebuild(m_segmentProgress, segments)) {
        m_segmentEnds.clear();
        m_segmentProgress = Progress();
    }
    for (qsizetype row = m_segmentProgress.rows; row < segments.size(); ++row) {
        if (const Segment *segment = segments.at(row)) {
            m_segmentEnds.append(size_t(quintptr(segment->from())), int(row));
            if (segment->to() != segment->from())
                m_segmentEnds.append(size_t(quintptr(segment->to())), int(row));
        }
    }
    m_segmentProgress.rows = segments.size();
    m_segmentProgress.first = segments.isEmpty() ? nullptr : segments.constFirst();
}

QList<Segment *> LookupIndex::segmentsWithEnd(const QList<Segment *> &segments, const Point *point)
{
    QList<Segment *> result;
    if (!point)
        return result;
    QMutexLocker locker(&m_mutex);
    syncSegments(segments);
    for (int row : m_segmentEnds.rows(size_t(quintptr(point)))) {
        Segment *segment = row < segments.size() ? segments.at(row) : nullptr;
        if (segment && (segment->from() == point || segment->to() == point))
            result.append(segment);
    }
    return result;
}

int LookupIndex::cellOf(double latitude, double longitude)
{
    int row = int(std::floor(latitude + 90.0));
    row = qBound(0, row, GridRows - 1);
    int column = int(std::floor(longitude + 180.0)) % GridColumns;
    if (column < 0)
        column += GridColumns;
    return row * GridColumns + column;
}

void LookupIndex::syncGrid(const QList<Point *> &points)
{
    if (needsRebuild(m_gridProgress, points)) {
        for (QList<int> &cell : m_grid)
            cell.clear();
        m_gridCount = 0;
        m_gridProgress = Progress();
    }
    for (qsizetype row = m_gridProgress.rows; row < points.size(); ++row) {
        const Point *point = points.at(row);
        // An airport without a valid position is 0 NM from everything and never an alternate.
        if (!point || point->type() != Point::AIRP || !point->position().isValid())
            continue;
        if (!Airport::isFourLetterCode(point->code()))
            continue;
        // Made with the first airport, on the thread that indexes a load or an import: there a
        // failed allocation refuses the data, where one in the database's making (at start, or
        // in a store) would end the program.
        if (m_grid.empty())
            m_grid.resize(GridRows * GridColumns);
        m_grid[cellOf(point->latitude(), point->longitude())].append(int(row));
        ++m_gridCount;
    }
    m_gridProgress.rows = points.size();
    m_gridProgress.first = points.isEmpty() ? nullptr : points.constFirst();
}

QList<int> LookupIndex::rowsWithCode(const QList<Point *> &points, const QString &code)
{
    QMutexLocker locker(&m_mutex);
    syncCodes(points);
    return m_byCode.rows(qHash(code));
}

QList<int> LookupIndex::rowsWithName(const QList<Point *> &points, const QString &name)
{
    QMutexLocker locker(&m_mutex);
    syncNames(points);
    return m_byName.rows(qHash(name));
}

QList<Runway *> LookupIndex::runwaysOf(const QList<Runway *> &runways, const QString &airportCode)
{
    QMutexLocker locker(&m_mutex);
    syncRunways(runways);
    return m_runways.value(airportCode);
}

int LookupIndex::airportCount(const QList<Point *> &points)
{
    QMutexLocker locker(&m_mutex);
    syncGrid(points);
    return m_gridCount;
}

QList<LookupIndex::Candidate> LookupIndex::airportsNear(const QList<Point *> &points, const Point *reference,
                                                        double radiusNm, bool *covered)
{
    QMutexLocker locker(&m_mutex);
    syncGrid(points);

    const double latitude = reference->latitude();
    const double longitude = reference->longitude();
    const double dLat = radiusNm * DegreesPerNmBound + 0.01;
    const double south = latitude - dLat;
    const double north = latitude + dLat;
    const double angle = radiusNm / EarthRadiusNmBound;

    bool allColumns = south <= -89.0 || north >= 89.0 || angle >= Pi / 2;
    double dLon = 180.0;
    if (!allColumns) {
        const double maxAbsLat = qMax(std::fabs(south), std::fabs(north)) * Pi / 180.0;
        const double s = std::sin(angle) / std::cos(maxAbsLat);
        if (s >= 1.0)
            allColumns = true;
        else
            dLon = std::asin(s) * 180.0 / Pi + 0.01;
        if (dLon >= 179.0)
            allColumns = true;
    }

    const int firstRow = qBound(0, int(std::floor(south + 90.0)), GridRows - 1);
    const int lastRow = qBound(0, int(std::floor(north + 90.0)), GridRows - 1);
    int firstColumn = 0;
    int columnCount = GridColumns;
    if (!allColumns) {
        firstColumn = int(std::floor(longitude - dLon + 180.0));
        columnCount = int(std::floor(longitude + dLon + 180.0)) - firstColumn + 1;
    }
    if (covered)
        *covered = allColumns && firstRow == 0 && lastRow == GridRows - 1;

    QList<Candidate> result;
    if (m_grid.empty())
        return result;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            int column = (firstColumn + c) % GridColumns;
            if (column < 0)
                column += GridColumns;
            for (int row : m_grid[r * GridColumns + column]) {
                const Point *point = points.value(row);
                if (!point)
                    continue;
                result.append({row, point->distanceTo(reference)});
            }
        }
    }
    return result;
}
