#include "graph.h"

#include "astar.h"
#include "point.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Routing {

namespace {

// Polling a callback per item would cost more than the work it guards.
constexpr int PollInterval = 4096;

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

// The longest distance within a one-degree cell: corner to corner on the equator, 84.9 NM.
constexpr double CellSpanNm = 85.0;

double chordOf(double nm)
{
    return 2.0 * std::sin(std::min(nm / AStar::EarthRadiusNm, M_PI) / 2.0);
}

Graph::DirectIndex buildDirectIndex(const Graph &graph, const std::vector<uint8_t> &member)
{
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    Graph::DirectIndex index;
    index.cellStart.assign(CellCount + 1, 0);
    std::vector<int> cellOfNode(member.size(), -1);
    for (size_t n = 0; n < member.size(); ++n) {
        if (!member[n])
            continue;
        cellOfNode[n] = Graph::cellOf(graph.nodes.at(qsizetype(n)).coordinate);
        if (cellOfNode[n] >= 0)
            ++index.cellStart[cellOfNode[n] + 1];
    }
    std::partial_sum(index.cellStart.begin(), index.cellStart.end(), index.cellStart.begin());
    index.points.resize(size_t(index.cellStart.back()));
    std::vector<int> fill(index.cellStart.begin(), index.cellStart.end() - 1);
    for (size_t n = 0; n < member.size(); ++n) {
        if (cellOfNode[n] < 0)
            continue;
        const auto &u = graph.unit[n];
        index.points[size_t(fill[cellOfNode[n]]++)] = {u[0], u[1], u[2], int(n)};
    }
    return index;
}

// The connected parts of a direct-leg network. Two points of one cell are never more than
// CellSpanNm apart, within the shortest direct leg, so a cell is joined whole; two cells are
// joined by the first pair of their points that a leg links. limit(a, b) gives the squared
// chord of the longest leg between two nodes, longestLeg the longest of all in NM.
template <typename Limit>
std::vector<int> directComponents(const Graph::DirectIndex &index, const std::vector<uint8_t> &member,
                                  double longestLeg, Limit limit, const std::function<bool()> &cancelled)
{
    static_assert(2 * AStar::NdbRangeNm > CellSpanNm && AStar::DirectLegNm > CellSpanNm);
    Parts parts(qsizetype(member.size()));
    constexpr int CellCount = Graph::CellRows * Graph::CellColumns;
    auto first = [&index](int cell) { return index.cellStart[size_t(cell)]; };
    auto end = [&index](int cell) { return index.cellStart[size_t(cell) + 1]; };
    for (int cell = 0; cell < CellCount; ++cell) {
        for (int i = first(cell) + 1; i < end(cell); ++i)
            parts.join(index.points[size_t(first(cell))].node, index.points[size_t(i)].node);
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
        const int root = index.points[size_t(first(cell))].node;
        for (int r = std::max(0, row - rowReach); r <= std::min(Graph::CellRows - 1, row + rowReach); ++r) {
            for (int dc = -columnReach; dc <= columnReach; ++dc) {
                const int other = r * Graph::CellColumns
                                  + ((column + dc) % Graph::CellColumns + Graph::CellColumns) % Graph::CellColumns;
                // Each pair of cells once.
                if (other <= cell || first(other) == end(other))
                    continue;
                if (parts.find(root) == parts.find(index.points[size_t(first(other))].node))
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
                    parts.join(root, index.points[size_t(first(other))].node);
            }
        }
    }
    return parts.numbered(member);
}

} // namespace

int Graph::cellOf(const QGeoCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return -1;
    const int row = qBound(0, int(std::floor(coordinate.latitude() + 90.0)), CellRows - 1);
    const int column = qBound(0, int(std::floor(coordinate.longitude() + 180.0)), CellColumns - 1);
    return row * CellColumns + column;
}

bool buildGraphIndexes(Graph &graph, const std::function<bool()> &cancelled)
{
    const qsizetype nodeCount = graph.nodes.size();

    graph.uidIndex.clear();
    graph.uidIndex.reserve(nodeCount);
    graph.cells.assign(Graph::CellRows * Graph::CellColumns, QList<int>());
    for (qsizetype i = 0; i < nodeCount; ++i) {
        if (pollCancelled(cancelled, i))
            return false;
        const Graph::Node &node = graph.nodes.at(i);
        // A later node of the same UID wins, as in the database's own UID index.
        graph.uidIndex.insert(node.uid, int(i));
        const int cell = Graph::cellOf(node.coordinate);
        if (cell >= 0)
            graph.cells[cell].append(int(i));
    }

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

    graph.unit.assign(size_t(nodeCount), {0.0, 0.0, 0.0});
    for (qsizetype i = 0; i < nodeCount; ++i) {
        const QGeoCoordinate &c = graph.nodes.at(i).coordinate;
        const double lat = qDegreesToRadians(c.latitude());
        const double lon = qDegreesToRadians(c.longitude());
        graph.unit[size_t(i)] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
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

    // The direct-leg networks: en-route points, and radio aids.
    std::vector<uint8_t> enroute(size_t(nodeCount), 0);
    std::vector<uint8_t> radio(size_t(nodeCount), 0);
    for (qsizetype i = 0; i < nodeCount; ++i) {
        const Graph::Node &node = graph.nodes.at(i);
        if (!node.coordinate.isValid())
            continue;
        enroute[size_t(i)] = AStar::isEnroutePoint(node);
        radio[size_t(i)] = AStar::isRadioAid(node.type);
    }
    graph.enrouteIndex = buildDirectIndex(graph, enroute);
    graph.radioIndex = buildDirectIndex(graph, radio);
    const double directChord = chordOf(AStar::DirectLegNm);
    graph.components[Graph::EnrouteDirect] = directComponents(
        graph.enrouteIndex, enroute, AStar::DirectLegNm,
        [limit = directChord * directChord * (1.0 + 1e-12)](int, int) { return limit; }, cancelled);
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
        graph.radioIndex, radio, 2.0 * AStar::VorRangeNm,
        [&](int a, int b) { return pairChord2[rangeIndex(a)][rangeIndex(b)]; }, cancelled);
    return !(cancelled && cancelled());
}

} // namespace Routing
