#include "graph.h"

#include "astar.h"
#include "orderedparallel.h"
#include "point.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numeric>

namespace Routing {

namespace {

// Polling a callback per item would cost more than the work it guards.
constexpr int PollInterval = 4096;
// The parts of the gap-leg search shared among threads: enough for the threads to even out,
// few enough that handing them out costs nothing.
constexpr int CellsPerPart = 360;
constexpr qsizetype NodesPerPart = 512;

bool pollCancelled(const std::function<bool()> &cancelled, qsizetype done)
{
    return cancelled && done % PollInterval == 0 && cancelled();
}

// Union-find over node indexes, by size with path halving.
class Parts
{
public:
    explicit Parts(qsizetype count)
        : m_parent(size_t(count))
        , m_size(size_t(count), 1)
    {
        std::iota(m_parent.begin(), m_parent.end(), 0);
    }
    int find(int node)
    {
        while (m_parent[node] != node) {
            m_parent[node] = m_parent[m_parent[node]];
            node = m_parent[node];
        }
        return node;
    }
    void join(int a, int b)
    {
        a = find(a);
        b = find(b);
        if (a == b)
            return;
        if (m_size[a] < m_size[b])
            std::swap(a, b);
        m_parent[b] = a;
        m_size[a] += m_size[b];
    }
    // Per node its part numbered from 0, or -1 where member is false.
    std::vector<int> numbered(const std::vector<uint8_t> &member)
    {
        std::vector<int> result(member.size(), -1);
        std::vector<int> number(member.size(), -1);
        int next = 0;
        for (size_t n = 0; n < member.size(); ++n) {
            if (!member[n])
                continue;
            const int root = find(int(n));
            if (number[root] < 0)
                number[root] = next++;
            result[n] = number[root];
        }
        return result;
    }

private:
    std::vector<int> m_parent;
    std::vector<int> m_size;
};

// The cell of a valid position (Graph::cellOf).
int cellAt(double latitude, double longitude)
{
    const int row = qBound(0, int(std::floor(latitude + 90.0)), Graph::CellRows - 1);
    const int column = qBound(0, int(std::floor(longitude + 180.0)), Graph::CellColumns - 1);
    return row * Graph::CellColumns + column;
}

// The longest distance within a one-degree cell: corner to corner on the equator, 84.9 NM.
constexpr double CellSpanNm = 85.0;

double chordOf(double nm)
{
    return 2.0 * std::sin(std::min(nm / AStar::EarthRadiusNm, M_PI) / 2.0);
}

Graph::DirectIndex buildDirectIndex(const Graph &graph, const std::vector<uint8_t> &member,
                                    const std::vector<int> &cellOfNode)
{
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    Graph::DirectIndex index;
    index.cellStart.assign(CellCount + 1, 0);
    for (size_t n = 0; n < member.size(); ++n) {
        if (member[n] && cellOfNode[n] >= 0)
            ++index.cellStart[size_t(cellOfNode[n]) + 1];
    }
    std::partial_sum(index.cellStart.begin(), index.cellStart.end(), index.cellStart.begin());
    index.points.resize(size_t(index.cellStart.back()));
    std::vector<int> fill(index.cellStart.begin(), index.cellStart.end() - 1);
    for (size_t n = 0; n < member.size(); ++n) {
        if (!member[n] || cellOfNode[n] < 0)
            continue;
        const auto &u = graph.unit[n];
        index.points[size_t(fill[size_t(cellOfNode[n])]++)] = {u[0], u[1], u[2], int(n)};
    }
    return index;
}

// The connected parts of a direct-leg network. Two points of one cell are never more than
// CellSpanNm apart, within the shortest direct leg, so a cell is joined whole; two cells are
// joined by the first pair of their points that a leg links. limit(a, b) gives the squared
// chord of the longest leg between two nodes, longestLeg the longest of all in NM. The legs
// across a gap, when given, join their two ends as well.
template <typename Limit>
std::vector<int> directComponents(const Graph::DirectIndex &index, const std::vector<uint8_t> &member,
                                  const std::vector<int> &cellOfNode, double shortestLeg, double longestLeg,
                                  Limit limit, const std::function<bool()> &cancelled, const Graph *gapLegsOf = nullptr)
{
    static_assert(2 * AStar::NdbRangeNm > CellSpanNm && AStar::DirectLegNm > CellSpanNm);
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    // The parts are unions of whole cells, so cells are joined rather than nodes: far fewer
    // entries, and every lookup stays in the cache.
    Parts parts(CellCount);
    auto first = [&index](int cell) { return index.cellStart[size_t(cell)]; };
    auto end = [&index](int cell) { return index.cellStart[size_t(cell) + 1]; };

    // Two points of neighbouring cells are never more than two cells' span apart: where every
    // leg reaches that far, neighbours are joined without reading their points, and most of the
    // pairs below are then found joined already.
    if (shortestLeg > 2.0 * CellSpanNm) {
        for (int cell = 0; cell < CellCount; ++cell) {
            if (first(cell) == end(cell))
                continue;
            const int row = cell / Graph::CellColumns;
            const int column = cell % Graph::CellColumns;
            const int next[4][2] = {{0, 1}, {1, -1}, {1, 0}, {1, 1}};
            for (const auto &[dr, dc] : next) {
                if (row + dr >= Graph::CellRows)
                    continue;
                const int other
                    = (row + dr) * Graph::CellColumns + (column + dc + Graph::CellColumns) % Graph::CellColumns;
                if (first(other) != end(other))
                    parts.join(cell, other);
            }
        }
    }
    const double rho = longestLeg / AStar::EarthRadiusNm;
    // Squared chord beyond which the first points of two cells are too far apart for any leg
    // between their cells.
    const double farChord = chordOf(longestLeg + 2.0 * CellSpanNm);
    const double farApart = farChord * farChord * (1.0 + 1e-9);
    // Two latitudes (or longitudes) d degrees apart lie at most ceil(d) one-degree cells apart.
    const int rowReach = int(std::ceil(qRadiansToDegrees(rho)));
    for (int cell = 0; cell < CellCount; ++cell) {
        if (pollCancelled(cancelled, cell + 1))
            return {};
        if (first(cell) == end(cell))
            continue;
        const int row = cell / Graph::CellColumns;
        const int column = cell % Graph::CellColumns;
        // The widest longitude span of a leg from anywhere in the cell.
        const double poleward = std::max(std::abs(row - 90.0), std::abs(row + 1 - 90.0));
        int columnReach = Graph::CellColumns;
        if (poleward < 90.0 && std::sin(rho) < std::cos(qDegreesToRadians(poleward)))
            columnReach
                = int(std::ceil(qRadiansToDegrees(std::asin(std::sin(rho) / std::cos(qDegreesToRadians(poleward))))));
        columnReach = std::min(columnReach, Graph::CellColumns / 2);
        // Each pair of cells once: the rows below were paired with this one when theirs came.
        for (int r = row; r <= std::min(Graph::CellRows - 1, row + rowReach); ++r) {
            for (int dc = -columnReach; dc <= columnReach; ++dc) {
                int c = column + dc;
                c += c < 0 ? Graph::CellColumns : (c >= Graph::CellColumns ? -Graph::CellColumns : 0);
                const int other = r * Graph::CellColumns + c;
                if (other <= cell || first(other) == end(other))
                    continue;
                if (parts.find(cell) == parts.find(other))
                    continue;
                // Every point lies within a cell's span of the first point of its cell.
                const Graph::DirectPoint &p = index.points[size_t(first(cell))];
                const Graph::DirectPoint &q = index.points[size_t(first(other))];
                const double px = p.x - q.x, py = p.y - q.y, pz = p.z - q.z;
                if (px * px + py * py + pz * pz > farApart)
                    continue;
                bool linked = false;
                for (int i = first(cell); i < end(cell) && !linked; ++i) {
                    const Graph::DirectPoint &a = index.points[size_t(i)];
                    for (int j = first(other); j < end(other); ++j) {
                        const Graph::DirectPoint &b = index.points[size_t(j)];
                        const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
                        if (dx * dx + dy * dy + dz * dz <= limit(a.node, b.node)) {
                            linked = true;
                            break;
                        }
                    }
                }
                if (linked)
                    parts.join(cell, other);
            }
        }
    }
    if (gapLegsOf) {
        for (size_t n = 0; n + 1 < gapLegsOf->gapLegStart.size(); ++n) {
            for (int i = gapLegsOf->gapLegStart[n]; i < gapLegsOf->gapLegStart[n + 1]; ++i)
                parts.join(cellOfNode[n], cellOfNode[size_t(gapLegsOf->gapLegs[size_t(i)])]);
        }
    }
    // Numbered in node order, as a union of the nodes themselves would be.
    std::vector<int> result(member.size(), -1);
    std::vector<int> number(CellCount, -1);
    int next = 0;
    for (size_t n = 0; n < member.size(); ++n) {
        if (!member[n])
            continue;
        if (cellOfNode[n] < 0) {
            result[n] = next++;
            continue;
        }
        const int root = parts.find(cellOfNode[n]);
        if (number[size_t(root)] < 0)
            number[size_t(root)] = next++;
        result[n] = number[size_t(root)];
    }
    return result;
}

// Calls visit(point) for the points of the index in the cells that a cap of the radius around
// the node may touch, until visit returns false; but for the cells of more than a few points
// that skip(row, column) tells to leave out.
template <typename Visit, typename Skip>
void forEachIndexed(const Graph &graph, const Graph::DirectIndex &index, int node, double radiusNm, Visit &&visit,
                    Skip &&skip)
{
    // Below this a cell costs less to read than to judge.
    constexpr int FewPoints = 3;
    const Graph::CellSpan span = Graph::cellsWithin(graph.nodes.at(node).coordinate, radiusNm);
    for (int row = span.row0; row <= span.row1; ++row) {
        for (int column = span.column0; column <= span.column1; ++column) {
            const int wrapped = (column % Graph::CellColumns + Graph::CellColumns) % Graph::CellColumns;
            const size_t cell = size_t(row * Graph::CellColumns + wrapped);
            if (index.cellStart[cell + 1] - index.cellStart[cell] > FewPoints && skip(row, wrapped))
                continue;
            for (int i = index.cellStart[cell]; i < index.cellStart[cell + 1]; ++i) {
                if (!visit(index.points[size_t(i)]))
                    return;
            }
        }
    }
}

// Tells the cells that lie wholly outside some sectors around a point (AStar::sectorOf). Each
// sector lies within two half-spaces bounded by planes through the point and the earth's
// centre; a cell whose four corners are all beyond one of them, by more than a parallel bulges
// between two corners, lies outside it.
class SectorCells
{
public:
    SectorCells(const std::array<double, 3> &u, int sectors)
    {
        // East and north in the tangent plane, both of the length of the cosine of the latitude.
        const Vec east{-u[1], u[0], 0.0};
        const Vec north{-u[2] * u[0], -u[2] * u[1], u[0] * u[0] + u[1] * u[1]};
        const double length = std::sqrt(north[2]);
        auto plus = [](const Vec &a, const Vec &b, double f) {
            return Vec{a[0] + f * b[0], a[1] + f * b[1], a[2] + f * b[2]};
        };
        auto minus = [](const Vec &a) { return Vec{-a[0], -a[1], -a[2]}; };
        // Per sector from north clockwise, the two half-spaces holding it (see AStar::sectorOf).
        const Vec bounds[AStar::Sectors][2] = {
            {east, plus(north, east, -1.0)},        {north, plus(east, north, -1.0)},
            {minus(north), plus(east, north, 1.0)}, {east, minus(plus(north, east, 1.0))},
            {minus(east), plus(east, north, -1.0)}, {minus(north), plus(north, east, -1.0)},
            {north, minus(plus(east, north, 1.0))}, {minus(east), plus(east, north, 1.0)},
        };
        // Near a pole the directions are lost: no cell is told outside.
        if (length < 1e-6)
            return;
        for (int sector = 0; sector < AStar::Sectors; ++sector) {
            if (!(sectors & (1 << sector)))
                continue;
            for (const Vec &normal : bounds[sector]) {
                const double size = std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
                m_planes[m_count++] = {normal, Bulge * size};
            }
        }
        m_valid = true;
    }

    // Whether no point of the cell lies in any of the sectors.
    bool outside(int row, int column) const
    {
        if (!m_valid)
            return false;
        Vec corners[4];
        for (int i = 0; i < 4; ++i)
            corners[i] = Graph::corner(row + i / 2, column + i % 2);
        // Each sector's pair of planes: the cell is outside the sector beyond either.
        for (int i = 0; i < m_count; i += 2) {
            bool beyond = false;
            for (int j = i; j < i + 2 && !beyond; ++j) {
                beyond = true;
                for (const Vec &c : corners) {
                    const Vec &n = m_planes[j].normal;
                    if (n[0] * c[0] + n[1] * c[1] + n[2] * c[2] >= -m_planes[j].margin) {
                        beyond = false;
                        break;
                    }
                }
            }
            if (!beyond)
                return false;
        }
        return true;
    }

private:
    using Vec = std::array<double, 3>;
    // More than a one-degree parallel strays from the great circle through its ends, on the unit
    // sphere.
    static constexpr double Bulge = 1e-4;
    struct Plane
    {
        Vec normal;
        double margin;
    };
    Plane m_planes[2 * AStar::Sectors];
    int m_count = 0;
    bool m_valid = false;
};

constexpr int kAllSectors = (1 << AStar::Sectors) - 1;

double directLegChord2()
{
    const double chord = chordOf(AStar::DirectLegNm);
    return chord * chord;
}

double chord2To(const std::array<double, 3> &u, const Graph::DirectPoint &p)
{
    const double dx = u[0] - p.x, dy = u[1] - p.y, dz = u[2] - p.z;
    return dx * dx + dy * dy + dz * dz;
}

// Per en-route point, the sectors (AStar::sectorOf) in which another lies within a direct leg.
// False when cancelled.
bool coverSectors(const Graph &graph, const std::vector<uint8_t> &member, const std::function<bool()> &cancelled,
                  std::vector<uint8_t> &covered)
{
    const double direct2 = directLegChord2();
    const Graph::DirectIndex &index = graph.enrouteIndex;
    auto chord2 = chord2To;
    bool stopped = false;
    auto stop = [&] { return stopped = stopped || (cancelled && cancelled()); };
    // Per point, the sectors that hold another point within a direct leg. Over land the points
    // of its cell and the eight around settle it, taken in turn from each so that every
    // direction comes up early; the others search their whole reach.
    covered.assign(member.size(), kAllSectors);
    // Each cell writes only the entries of its own points: the cells are shared among threads.
    auto coverCell = [&](int cell) {
        const int row = cell / Graph::CellColumns;
        const int column = cell % Graph::CellColumns;
        int first[9], end[9], cells = 0, most = 0;
        for (int r = std::max(0, row - 1); r <= std::min(Graph::CellRows - 1, row + 1); ++r) {
            for (int c = column - 1; c <= column + 1; ++c) {
                const size_t other = size_t(r * Graph::CellColumns + (c + Graph::CellColumns) % Graph::CellColumns);
                first[cells] = index.cellStart[other];
                end[cells] = index.cellStart[other + 1];
                most = std::max(most, end[cells] - first[cells]);
                ++cells;
            }
        }
        for (int i = index.cellStart[size_t(cell)]; i < index.cellStart[size_t(cell) + 1]; ++i) {
            const int node = index.points[size_t(i)].node;
            const auto &u = graph.unit[size_t(node)];
            int sectors = 0;
            auto add = [&](const Graph::DirectPoint &p) {
                // A point at the same position lies in no direction.
                const double d2 = chord2(u, p);
                if (d2 > 0.0 && d2 <= direct2)
                    sectors |= 1 << AStar::sectorOf(u, {p.x, p.y, p.z});
                return sectors != kAllSectors;
            };
            bool settled = false;
            for (int k = 0; k < most && !settled; ++k) {
                for (int c = 0; c < cells && !settled; ++c) {
                    if (first[c] + k < end[c])
                        settled = !add(index.points[size_t(first[c] + k)]);
                }
            }
            if (!settled) {
                // Only the directions still open are looked for.
                const SectorCells open(u, kAllSectors & ~sectors);
                forEachIndexed(graph, index, node, AStar::DirectLegNm, add,
                               [&](int r, int c) { return open.outside(r, c); });
            }
            covered[size_t(node)] = uint8_t(sectors);
        }
    };
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    OrderedParallel::forEach((CellCount + CellsPerPart - 1) / CellsPerPart,
                             [&](qsizetype part) {
                                 const int last = std::min(CellCount, int(part + 1) * CellsPerPart);
                                 for (int cell = int(part) * CellsPerPart; cell < last; ++cell) {
                                     if (index.cellStart[size_t(cell)] != index.cellStart[size_t(cell) + 1])
                                         coverCell(cell);
                                 }
                             },
                             stop);
    return !stopped;
}

using Legs = std::vector<std::pair<int, int>>;

// The legs across the gaps of the points whose sectors are not all covered, each pair once per
// way and in no given order. False when cancelled.
bool findGapLegs(const Graph &graph, const std::vector<uint8_t> &member, const std::vector<uint8_t> &covered,
                 const std::function<bool()> &cancelled, Legs &legs)
{
    const double direct2 = directLegChord2();
    const Graph::DirectIndex &index = graph.enrouteIndex;
    auto chord2 = chord2To;
    bool stopped = false;
    auto stop = [&] { return stopped = stopped || (cancelled && cancelled()); };
    // Across the gap of each empty sector, the points up to GapReachFactor times as far as its
    // nearest one, within GapLegNm; each leg is flown back too, though the far end may have
    // points near it that way: a pilot flies home the way he came.
    struct Candidate
    {
        int node;
        int sector;
        double chord2;
    };
    const double gapChord = chordOf(AStar::GapLegNm);
    const double gap2 = gapChord * gapChord;
    auto gapLegsOf = [&](size_t n, std::vector<Candidate> &candidates, Legs &legs) {
        const auto &u = graph.unit[n];
        const int empty = kAllSectors & ~covered[n];
        const SectorCells wanted(u, empty);
        candidates.clear();
        double nearest[AStar::Sectors];
        std::fill(std::begin(nearest), std::end(nearest), std::numeric_limits<double>::infinity());
        forEachIndexed(
            graph, index, int(n), AStar::GapLegNm,
            [&](const Graph::DirectPoint &p) {
                const double d2 = chord2(u, p);
                if (d2 <= direct2 || d2 > gap2)
                    return true;
                const int sector = AStar::sectorOf(u, {p.x, p.y, p.z});
                if (empty & (1 << sector)) {
                    candidates.push_back({p.node, sector, d2});
                    nearest[sector] = std::min(nearest[sector], d2);
                }
                return true;
            },
            [&](int r, int c) { return wanted.outside(r, c) || Graph::cellInside(r, c, u, direct2); });
        double reach2[AStar::Sectors] = {};
        for (int sector = 0; sector < AStar::Sectors; ++sector) {
            if (std::isinf(nearest[sector]))
                continue;
            const double nearestNm = 2.0 * AStar::EarthRadiusNm * std::asin(std::sqrt(nearest[sector]) / 2.0);
            const double chord = chordOf(std::min(AStar::GapLegNm, AStar::GapReachFactor * nearestNm));
            reach2[sector] = chord * chord * (1.0 + 1e-12);
        }
        for (const Candidate &c : candidates) {
            if (c.chord2 <= reach2[c.sector]) {
                legs.push_back({int(n), c.node});
                legs.push_back({c.node, int(n)});
            }
        }
    };
    const qsizetype nodeCount = qsizetype(member.size());
    OrderedParallel::run<Legs>(
        (nodeCount + NodesPerPart - 1) / NodesPerPart,
        [&](qsizetype part) {
            Legs found;
            std::vector<Candidate> candidates;
            const size_t last = size_t(std::min(nodeCount, (part + 1) * NodesPerPart));
            for (size_t n = size_t(part * NodesPerPart); n < last; ++n) {
                if (member[n] && covered[n] != kAllSectors)
                    gapLegsOf(n, candidates, found);
            }
            return found;
        },
        [&legs](qsizetype, Legs &&found) { legs.insert(legs.end(), found.begin(), found.end()); }, stop);
    return !stopped;
}

// The legs across a gap of every en-route point (AStar::GapLegNm).
bool buildGapLegs(Graph &graph, const std::vector<uint8_t> &member, const std::function<bool()> &cancelled)
{
    std::vector<uint8_t> covered;
    Legs legs;
    if (!coverSectors(graph, member, cancelled, covered) || !findGapLegs(graph, member, covered, cancelled, legs))
        return false;
    std::sort(legs.begin(), legs.end());
    legs.erase(std::unique(legs.begin(), legs.end()), legs.end());
    graph.gapLegStart.assign(member.size() + 1, 0);
    graph.gapLegs.clear();
    graph.gapLegs.reserve(legs.size());
    for (const auto &[from, to] : legs) {
        ++graph.gapLegStart[size_t(from) + 1];
        graph.gapLegs.push_back(to);
    }
    std::partial_sum(graph.gapLegStart.begin(), graph.gapLegStart.end(), graph.gapLegStart.begin());
    return true;
}

} // namespace

Graph::CellSpan Graph::cellsWithin(const QGeoCoordinate &centre, double radiusNm)
{
    const double rho = radiusNm / AStar::EarthRadiusNm;
    const double dLat = qRadiansToDegrees(rho);
    const double lat = centre.latitude();
    const double lon = centre.longitude();
    CellSpan span{qBound(0, int(std::floor(lat - dLat + 90.0)), CellRows - 1),
                  qBound(0, int(std::floor(lat + dLat + 90.0)), CellRows - 1), 0, CellColumns - 1};
    const double cosLat = std::cos(qDegreesToRadians(lat));
    // The cap reaches a pole or spans every longitude: every column.
    if (lat + dLat < 90.0 && lat - dLat > -90.0 && std::sin(rho) < cosLat) {
        const double dLon = qRadiansToDegrees(std::asin(std::sin(rho) / cosLat));
        const int first = int(std::floor(lon - dLon + 180.0));
        const int last = int(std::floor(lon + dLon + 180.0));
        if (last - first + 1 < CellColumns) {
            span.column0 = first;
            span.column1 = last;
        }
    }
    return span;
}

std::array<double, 3> Graph::corner(int row, int column)
{
    struct Edges
    {
        double sinLat[CellRows + 1], cosLat[CellRows + 1];
        double sinLon[CellColumns + 1], cosLon[CellColumns + 1];
        Edges()
        {
            for (int r = 0; r <= CellRows; ++r) {
                sinLat[r] = std::sin(qDegreesToRadians(r - 90.0));
                cosLat[r] = std::cos(qDegreesToRadians(r - 90.0));
            }
            for (int c = 0; c <= CellColumns; ++c) {
                sinLon[c] = std::sin(qDegreesToRadians(c - 180.0));
                cosLon[c] = std::cos(qDegreesToRadians(c - 180.0));
            }
        }
    };
    static const Edges edges;
    return {edges.cosLat[row] * edges.cosLon[column], edges.cosLat[row] * edges.sinLon[column], edges.sinLat[row]};
}

bool Graph::cellInside(int row, int column, const std::array<double, 3> &centre, double chord2)
{
    // Along a parallel or a meridian near the centre the distance grows toward the ends, so the
    // farthest point of a cell is one of its corners; not so across a pole, where cells are
    // never told inside.
    if (row < PolarRows || row >= CellRows - PolarRows)
        return false;
    for (int r = row; r <= row + 1; ++r) {
        for (int c = column; c <= column + 1; ++c) {
            const std::array<double, 3> v = corner(r, c);
            const double dx = centre[0] - v[0], dy = centre[1] - v[1], dz = centre[2] - v[2];
            if (dx * dx + dy * dy + dz * dz > chord2)
                return false;
        }
    }
    return true;
}

int Graph::cellOf(const QGeoCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return -1;
    return cellAt(coordinate.latitude(), coordinate.longitude());
}

namespace {

// Each node's unit vector, and the nodes of each cell; cellOfNode takes each node's cell, -1 for
// an invalid position. False when cancelled.
bool placeNodes(Graph &graph, std::vector<int> &cellOfNode, const std::function<bool()> &cancelled)
{
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    const qsizetype nodeCount = graph.nodes.size();
    // Each coordinate is read once, on every core: its accessors are calls into the positioning
    // library, and each node's direction takes four of trigonometry.
    cellOfNode.assign(size_t(nodeCount), -1);
    graph.unit.assign(size_t(nodeCount), {0.0, 0.0, 0.0});
    constexpr qsizetype NodesPerCoordinatePart = 8192;
    bool stopped = false;
    OrderedParallel::forEach(
        (nodeCount + NodesPerCoordinatePart - 1) / NodesPerCoordinatePart,
        [&](qsizetype part) {
            const qsizetype last = std::min(nodeCount, (part + 1) * NodesPerCoordinatePart);
            for (qsizetype i = part * NodesPerCoordinatePart; i < last; ++i) {
                const QGeoCoordinate &c = graph.nodes.at(i).coordinate;
                const double latitude = c.latitude();
                const double longitude = c.longitude();
                const double lat = qDegreesToRadians(latitude);
                const double lon = qDegreesToRadians(longitude);
                graph.unit[size_t(i)] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
                if (c.isValid())
                    cellOfNode[size_t(i)] = cellAt(latitude, longitude);
            }
        },
        [&] { return stopped = stopped || (cancelled && cancelled()); });
    if (stopped)
        return false;
    std::vector<int> cellSize(CellCount, 0);
    for (const int cell : cellOfNode) {
        if (cell >= 0)
            ++cellSize[size_t(cell)];
    }
    graph.cells.assign(CellCount, QList<int>());
    for (int cell = 0; cell < CellCount; ++cell) {
        if (cellSize[size_t(cell)] > 0)
            graph.cells[size_t(cell)].reserve(cellSize[size_t(cell)]);
    }
    for (qsizetype i = 0; i < nodeCount; ++i) {
        if (cellOfNode[size_t(i)] >= 0)
            graph.cells[size_t(cellOfNode[size_t(i)])].append(int(i));
    }
    return true;
}

// The adjacency lists and the arcs. False when cancelled.
bool buildAdjacency(Graph &graph, const std::function<bool()> &cancelled)
{
    const qsizetype nodeCount = graph.nodes.size();
    // Counted first so that every list is allocated once.
    std::vector<int> degree(nodeCount, 0);
    const qsizetype edgeCount = graph.edges.size();
    auto valid = [nodeCount](int node) { return node >= 0 && node < nodeCount; };
    for (qsizetype i = 0; i < edgeCount; ++i) {
        if (pollCancelled(cancelled, i))
            return false;
        const Graph::Edge &edge = graph.edges.at(i);
        if (!valid(edge.from) || !valid(edge.to))
            continue;
        ++degree[edge.from];
        if (edge.to != edge.from)
            ++degree[edge.to];
    }
    graph.adjacency.assign(nodeCount, QList<int>());
    for (qsizetype n = 0; n < nodeCount; ++n) {
        if (degree[n] > 0)
            graph.adjacency[n].reserve(degree[n]);
    }
    for (qsizetype i = 0; i < edgeCount; ++i) {
        if (pollCancelled(cancelled, i))
            return false;
        const Graph::Edge &edge = graph.edges.at(i);
        if (!valid(edge.from) || !valid(edge.to))
            continue;
        graph.adjacency[edge.from].append(int(i));
        if (edge.to != edge.from)
            graph.adjacency[edge.to].append(int(i));
    }

    graph.arcStart.assign(size_t(nodeCount) + 1, 0);
    graph.arcs.clear();
    graph.arcs.reserve(size_t(edgeCount) * 2);
    for (qsizetype n = 0; n < nodeCount; ++n) {
        if (pollCancelled(cancelled, n))
            return false;
        for (int e : std::as_const(graph.adjacency[size_t(n)])) {
            const Graph::Edge &edge = graph.edges.at(e);
            const int to = edge.next(int(n));
            if (to >= 0 && to != n)
                graph.arcs.push_back({to, e, edge.kind});
        }
        graph.arcStart[size_t(n) + 1] = int(graph.arcs.size());
    }
    return true;
}

// The parts of the airway networks. False when cancelled.
bool buildAirwayComponents(Graph &graph, const std::function<bool()> &cancelled)
{
    const qsizetype nodeCount = graph.nodes.size();
    const qsizetype edgeCount = graph.edges.size();
    auto valid = [nodeCount](int node) { return node >= 0 && node < nodeCount; };
    // The airway networks, with the kinds of edge their options fly.
    const int airwayOptions[] = {AStar::NoPreference, AStar::LowOnly};
    for (int network : {Graph::Airways, Graph::LowAirways}) {
        const int option = airwayOptions[network];
        Parts parts(nodeCount);
        std::vector<uint8_t> member(size_t(nodeCount), 0);
        for (qsizetype i = 0; i < edgeCount; ++i) {
            if (pollCancelled(cancelled, i))
                return false;
            const Graph::Edge &edge = graph.edges.at(i);
            if (!valid(edge.from) || !valid(edge.to) || AStar::airwayFactor(option, edge.kind, false) < 0.0)
                continue;
            member[size_t(edge.from)] = member[size_t(edge.to)] = 1;
            parts.join(edge.from, edge.to);
        }
        graph.components[network] = parts.numbered(member);
    }
    return true;
}

// The indexes, gap legs and parts of the direct-leg networks. False when cancelled.
bool buildDirectNetworks(Graph &graph, const std::vector<int> &cellOfNode, const std::function<bool()> &cancelled)
{
    const qsizetype nodeCount = graph.nodes.size();
    // The direct-leg networks: en-route points, and radio aids.
    std::vector<uint8_t> enroute(size_t(nodeCount), 0);
    std::vector<uint8_t> radio(size_t(nodeCount), 0);
    for (qsizetype i = 0; i < nodeCount; ++i) {
        const Graph::Node &node = graph.nodes.at(i);
        if (cellOfNode[size_t(i)] < 0)
            continue;
        enroute[size_t(i)] = AStar::isEnroutePoint(node);
        radio[size_t(i)] = AStar::isRadioAid(node.type);
    }
    graph.enrouteIndex = buildDirectIndex(graph, enroute, cellOfNode);
    graph.radioIndex = buildDirectIndex(graph, radio, cellOfNode);
    if (!buildGapLegs(graph, enroute, cancelled))
        return false;
    const double directChord = chordOf(AStar::DirectLegNm);
    graph.components[Graph::EnrouteDirect] = directComponents(
        graph.enrouteIndex, enroute, cellOfNode, AStar::DirectLegNm, AStar::DirectLegNm,
        [limit = directChord * directChord * (1.0 + 1e-12)](int, int) { return limit; }, cancelled, &graph);
    // Squared chords of every pair of reception ranges, by point type.
    auto rangeIndex = [&graph](int node) { return graph.nodes.at(node).type == Point::VOR ? 1 : 0; };
    double pairChord2[2][2];
    for (int a = 0; a < 2; ++a) {
        for (int b = 0; b < 2; ++b) {
            const double chord
                = chordOf((a ? AStar::VorRangeNm : AStar::NdbRangeNm) + (b ? AStar::VorRangeNm : AStar::NdbRangeNm));
            pairChord2[a][b] = chord * chord * (1.0 + 1e-12);
        }
    }
    graph.components[Graph::RadioDirect] = directComponents(
        graph.radioIndex, radio, cellOfNode, 2.0 * AStar::NdbRangeNm, 2.0 * AStar::VorRangeNm,
        [&](int a, int b) { return pairChord2[rangeIndex(a)][rangeIndex(b)]; }, cancelled);
    return true;
}

} // namespace

bool buildGraphIndexes(Graph &graph, const std::function<bool()> &cancelled)
{
    // The UID index needs the nodes only and is a long run of hash inserts: it is filled
    // beside the rest of the build, and done (or dropped, unbegun) on every way out.
    const OrderedParallel::Task uidFill = OrderedParallel::beside([&graph] {
        graph.uidIndex.clear();
        graph.uidIndex.reserve(graph.nodes.size());
        // A later node of the same UID wins, as in the database's own UID index.
        for (const Graph::Node &node : std::as_const(graph.nodes))
            graph.uidIndex.insert_or_assign(node.uid, int(&node - graph.nodes.constData()));
    });
    std::vector<int> cellOfNode;
    if (!placeNodes(graph, cellOfNode, cancelled) || !buildAdjacency(graph, cancelled)
        || !buildAirwayComponents(graph, cancelled) || !buildDirectNetworks(graph, cellOfNode, cancelled))
        return false;
    uidFill.wait();
    return !(cancelled && cancelled());
}

} // namespace Routing
