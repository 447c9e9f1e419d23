#include "astar.h"

#include "point.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

// The searches of the direct-leg networks (airways ignored, radio navigation) and the scans of
// the points around a position they and the joins make.
namespace Routing {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Radii tried, in order, to find the nearest network point of a departure or an arrival.
constexpr double JoinRadiiNm[] = {25.0, 50.0, 100.0, 200.0, 350.0, AStar::MaxJoinNm};

// Sine and cosine of each whole degree of latitude, -90 to 90, the edges of the cell rows.
struct RowEdges
{
    double sinLat[Graph::CellRows + 1], cosLat[Graph::CellRows + 1];
    RowEdges()
    {
        for (int r = 0; r <= Graph::CellRows; ++r) {
            sinLat[r] = std::sin(qDegreesToRadians(r - 90.0));
            cosLat[r] = std::cos(qDegreesToRadians(r - 90.0));
        }
    }
};
const RowEdges CellRowEdges;

// A cap of the unit sphere: its centre, the centre's distance from the axis, and the squared
// chord of its radius.
struct Cap
{
    std::array<double, 3> centre;
    double axial;
    double chord2;
    Cap(const std::array<double, 3> &v, double c2)
        : centre(v)
        , axial(std::sqrt(v[0] * v[0] + v[1] * v[1]))
        , chord2(c2)
    {
    }
    // A point of latitude phi lies within the cap where the cosine of its longitude from the
    // centre's is at least this; +-infinity where no or every longitude does.
    double cosHalfWidth(double sinPhi, double cosPhi) const
    {
        const double numerator = 1.0 - chord2 / 2.0 - centre[2] * sinPhi;
        const double denominator = axial * cosPhi;
        if (denominator < 1e-12)
            return numerator <= 0.0 ? -Infinity : Infinity;
        return numerator / denominator;
    }
};

// Half the width in degrees of the longitudes within reach for a cosine of cosHalfWidth:
// negative for none, 180 for all. Within 0.003 degrees (the arc cosine of Abramowitz and
// Stegun, 4.4.45, good to 5e-5 radians): a scan computes two a row.
double halfWidthDegrees(double q)
{
    if (q > 1.0)
        return -1.0;
    if (q <= -1.0)
        return 180.0;
    const double x = std::abs(q);
    const double angle = std::sqrt(1.0 - x) * (1.5707288 + x * (-0.2121144 + x * (0.0742610 + x * -0.0187293)));
    return qRadiansToDegrees(q < 0.0 ? M_PI - angle : angle);
}

// The column coordinate (degrees of longitude from 180 W) of a unit vector, within 180 of near.
double columnOf(const std::array<double, 3> &v, double near)
{
    double x = qRadiansToDegrees(std::atan2(v[1], v[0])) + 180.0;
    while (x - near > 180.0)
        x -= 360.0;
    while (near - x > 180.0)
        x += 360.0;
    return x;
}

// The cells Graph::cellsWithin gives, from the position as a unit vector: a scan then reads
// no coordinate, which lies elsewhere in memory for each point. Widened by a hair, so that
// rounding never leaves a cell out.
Graph::CellSpan cellsWithin(const std::array<double, 3> &u, double radiusNm)
{
    const double rho = radiusNm / AStar::EarthRadiusNm;
    const double dLat = qRadiansToDegrees(rho) + 1e-9;
    const double lat = qRadiansToDegrees(std::asin(std::clamp(u[2], -1.0, 1.0)));
    const double lon = qRadiansToDegrees(std::atan2(u[1], u[0]));
    Graph::CellSpan span{qBound(0, int(std::floor(lat - dLat + 90.0)), Graph::CellRows - 1),
                         qBound(0, int(std::floor(lat + dLat + 90.0)), Graph::CellRows - 1), 0, Graph::CellColumns - 1};
    const double cosLat = std::sqrt(u[0] * u[0] + u[1] * u[1]);
    if (lat + dLat < 90.0 && lat - dLat > -90.0 && std::sin(rho) < cosLat) {
        const double dLon = qRadiansToDegrees(std::asin(std::sin(rho) / cosLat)) + 1e-9;
        const int first = int(std::floor(lon - dLon + 180.0));
        const int last = int(std::floor(lon + dLon + 180.0));
        if (last - first + 1 < Graph::CellColumns) {
            span.column0 = first;
            span.column1 = last;
        }
    }
    return span;
}

} // namespace

template <typename Visit>
void AStar::forEachWithin(int centre, double radiusNm, const Graph::DirectIndex *index, Visit &&visit, const Vec *skip,
                          double skipChord2)
{
    const double rho = radiusNm / EarthRadiusNm;
    const Vec u = vec(centre);
    const Graph::CellSpan span
        = index ? cellsWithin(u, radiusNm) : Graph::cellsWithin(m_graph->nodes.at(centre).coordinate, radiusNm);

    // Compared as chords, which costs no trigonometry per candidate.
    const double chord = 2.0 * std::sin(std::min(rho, M_PI) / 2.0);
    const double chord2 = chord * chord * (1.0 + 1e-12);
    // What a point is compared with is held by value, in registers through the loops over the
    // points: through references it would be read again after every point visited.
    auto consider = [&visit, centre, from = u, reach2 = chord2, away = skip ? *skip : Vec{9.0, 9.0, 9.0},
                     skipped2 = skip ? skipChord2 : -1.0](int node, double x, double y, double z, int point) {
        const double dx = from[0] - x, dy = from[1] - y, dz = from[2] - z;
        const double d2 = dx * dx + dy * dy + dz * dz;
        if (d2 > reach2)
            return;
        // Without a cap to skip, nothing lies within a negative square.
        const double sx = away[0] - x, sy = away[1] - y, sz = away[2] - z;
        if (sx * sx + sy * sy + sz * sz <= skipped2 || node == centre)
            return;
        if constexpr (std::is_invocable_v<Visit, int, double, int>)
            visit(node, d2, point);
        else
            visit(node, d2);
    };
    auto wrap = [](int col) { return ((col % Graph::CellColumns) + Graph::CellColumns) % Graph::CellColumns; };
    if (!index) {
        for (int row = span.row0; row <= span.row1; ++row) {
            for (int col = span.column0; col <= span.column1; ++col) {
                for (int node : m_graph->cells[size_t(row * Graph::CellColumns + wrap(col))]) {
                    const Vec &v = vec(node);
                    consider(node, v[0], v[1], v[2], -1);
                }
            }
        }
        return;
    }

    // The cells of a row follow each other in the index: a run of columns is one run of
    // points. A scan reads, per row, the columns the cap reaches there rather than every cell
    // of the span, and leaves out those the skipped cap holds whole: away from the poles the
    // farthest point of a cell is a corner, and a cap holds the corners of a parallel within a
    // run of longitudes. A margin beyond the error of the widths keeps them on the side of
    // reading a cell.
    constexpr double Margin = 0.01;
    const bool allColumns = span.column1 - span.column0 + 1 >= Graph::CellColumns;
    const double centreColumn = columnOf(u, 0.5 * (span.column0 + span.column1 + 1));
    const double skipColumn = skip ? columnOf(*skip, centreColumn) : 0.0;
    const Cap cap(u, chord2 * (1.0 + 1e-9));
    const Cap skipCap(skip ? *skip : u, skipChord2);
    const double tangentSin = u[2] / (1.0 - cap.chord2 / 2.0);
    const Graph::DirectPoint *const points = index->points.data();
    const int *const cellStart = index->cellStart.data();
    auto readColumns = [consider, points, cellStart, wrap](int row, int first, int last) {
        for (int col = first; col <= last;) {
            const int wrapped = wrap(col);
            const int run = std::min(last - col, Graph::CellColumns - 1 - wrapped);
            const size_t cell = size_t(row * Graph::CellColumns + wrapped);
            const int end = cellStart[cell + size_t(run) + 1];
            for (int i = cellStart[cell]; i < end; ++i) {
                const Graph::DirectPoint &p = points[i];
                consider(p.node, p.x, p.y, p.z, i);
            }
            col += run + 1;
        }
    };
    for (int row = span.row0; row <= span.row1; ++row) {
        int first = span.column0;
        int last = span.column1;
        const bool polar = row < Graph::PolarRows || row >= Graph::CellRows - Graph::PolarRows;
        if (!allColumns && !polar) {
            // The widest the cap is within the row: at an edge or where a meridian touches it.
            double q = std::min(cap.cosHalfWidth(CellRowEdges.sinLat[row], CellRowEdges.cosLat[row]),
                                cap.cosHalfWidth(CellRowEdges.sinLat[row + 1], CellRowEdges.cosLat[row + 1]));
            if (tangentSin > CellRowEdges.sinLat[row] && tangentSin < CellRowEdges.sinLat[row + 1])
                q = std::min(q, cap.cosHalfWidth(tangentSin, std::sqrt(1.0 - tangentSin * tangentSin)));
            const double width = halfWidthDegrees(q);
            if (width < 0.0)
                continue;
            if (width < 180.0) {
                first = std::max(first, int(std::floor(centreColumn - width - Margin)));
                last = std::min(last, int(std::floor(centreColumn + width + Margin)));
            }
        }
        if (skip && !polar && first <= last) {
            // The narrower of the two parallels bounding the row.
            const double inside = halfWidthDegrees(
                std::max(skipCap.cosHalfWidth(CellRowEdges.sinLat[row], CellRowEdges.cosLat[row]),
                         skipCap.cosHalfWidth(CellRowEdges.sinLat[row + 1], CellRowEdges.cosLat[row + 1])));
            if (inside > Margin) {
                const int innerFirst = int(std::ceil(skipColumn - inside + Margin));
                const int innerLast = int(std::floor(skipColumn + inside - Margin)) - 1;
                if (innerFirst <= innerLast) {
                    readColumns(row, first, std::min(last, innerFirst - 1));
                    readColumns(row, std::max(first, innerLast + 1), last);
                    continue;
                }
            }
        }
        readColumns(row, first, last);
    }
}

QList<int> AStar::joins(int centre, bool outgoing)
{
    QList<int> result;
    double nearest = Infinity;
    auto candidate = [this, outgoing](int node) { return onNetwork(node, outgoing); };
    // The direct-leg networks have an index of their own points.
    const Graph::DirectIndex *index = directIndex();
    for (double radius : JoinRadiiNm) {
        forEachWithin(centre, radius, index, [&](int node, double d2) {
            const double d = nmOfChord2(d2);
            if (d < nearest && candidate(node))
                nearest = d;
        });
        if (nearest < Infinity)
            break;
    }
    if (nearest == Infinity)
        return result;
    // A few candidates beyond the nearest, so that the search may pick the one that suits the
    // direction of flight; not so many that a join leg skips a good part of the route.
    const double reach = std::min(MaxJoinNm, std::max(1.5 * nearest, nearest + 25.0));
    forEachWithin(centre, reach, index, [&](int node, double) {
        if (candidate(node))
            result.append(node);
    });
    return result;
}

const std::vector<int> &AStar::pointsOfNodes()
{
    const Graph::DirectIndex *index = directIndex();
    std::vector<int> &points = m_options.radio ? m_radioPoint : m_enroutePoint;
    if (points.size() != size_t(m_graph->nodes.size())) {
        points.assign(size_t(m_graph->nodes.size()), -1);
        for (size_t i = 0; i < index->points.size(); ++i)
            points[size_t(index->points[i].node)] = int(i);
    }
    return points;
}

void AStar::directLegs(int point, const std::vector<NodeState> &side, std::vector<Step> &out)
{
    out.clear();
    const Graph::DirectIndex &index = *directIndex();
    const int node = index.points[size_t(point)].node;
    const double radius = m_options.radio ? receptionRange(m_graph->nodes.at(node).type) + VorRangeNm : DirectLegNm;
    // Gathered first, with the state of each point fetched ahead: in dense parts of the world
    // a step reaches thousands of points.
    auto gather = [&](int, double d2, int to) {
        __builtin_prefetch(&side[size_t(to)]);
        out.push_back({to, -1, d2});
    };
    // A point within a direct leg of the parent was offered from there, and by the triangle
    // inequality no shorter through this node: only the others are gathered. Radio legs have a
    // reach of their own per pair of stations; their points are few.
    const int parent = side[size_t(point)].parent;
    if (!m_options.radio && parent >= 0) {
        const Graph::DirectPoint &p = index.points[size_t(parent)];
        const Vec skip{p.x, p.y, p.z};
        forEachWithin(node, radius, &index, gather, &skip, m_directChord2 * (1.0 - 1e-9));
    } else {
        forEachWithin(node, radius, &index, gather);
    }
    size_t kept = 0;
    const double g = side[size_t(point)].g;
    constexpr double Radius2 = EarthRadiusNm * EarthRadiusNm;
    for (size_t i = 0; i < out.size(); ++i) {
        const int to = out[i].node;
        // A point already settled gains nothing from another way in; nor does a point already
        // reached at no more than the leg's chord beyond this one, shorter than the leg: most
        // points of a step in dense parts of the world, told apart without the arc's length.
        const NodeState &state = side[size_t(to)];
        if (state.closed == m_stamp)
            continue;
        if (state.seen == m_stamp) {
            const double margin = state.g - g;
            if (margin <= 0.0 || margin * margin <= Radius2 * out[i].cost)
                continue;
        }
        const double d = nmOfChord2(out[i].cost);
        if (d <= (m_options.radio ? directLimit(node, index.points[size_t(to)].node) : DirectLegNm))
            out[kept++] = {to, -1, d};
    }
    out.resize(kept);
    if (!m_options.radio) {
        const std::vector<int> &pointOf = m_enroutePoint;
        const int end = m_graph->gapLegStart[size_t(node) + 1];
        for (int i = m_graph->gapLegStart[size_t(node)]; i < end; ++i) {
            const int toNode = m_graph->gapLegs[size_t(i)];
            const int to = pointOf[size_t(toNode)];
            if (to >= 0 && side[size_t(to)].closed != m_stamp)
                out.push_back({to, -1, dist(node, toNode)});
        }
    }
}

// Both sides search the network's legs, which are flown both ways: the departure's from the
// points where the route enters the network, the arrival's from those it leaves by. Where the
// great circle is a poor estimate on one side (a crossing far off the line, a dense coast beside
// it) that side alone would settle every point of the coast that looks promising; the other side
// finds the crossing. The side with the fewer points open goes next, the smaller frontier
// whether over sea or land.
// Each stops the whole once its lowest estimate reaches the best meeting found.
AStar::Result AStar::searchDirect(const std::atomic<bool> *stop, const std::function<void(int)> &progress)
{
    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;
    // Sized on first use: the airway searches never need it.
    if (m_back.size() != m_state.size())
        m_back.assign(m_state.size(), NodeState{0.0, 0.0, -1, -1, 0, 0});
    auto finish = [&](double cost) {
        m_cost = cost;
        for (int i = 1; i < m_path.size(); ++i) {
            m_legEdges.append(-1);
            m_distance += dist(m_path.at(i - 1), m_path.at(i));
        }
        if (progress)
            progress(100);
        return Found;
    };
    // Through a SID exit that is the STAR entry nothing is shorter than its two legs.
    if (output >= 0 && output == m_approach) {
        m_path = {departure, output, arrival};
        return finish(dist(departure, output) + dist(output, arrival));
    }
    seedDirect();

    const double total = dist(departure, arrival);
    int lastPercent = -1;
    std::vector<Step> steps;
    steps.reserve(256);
    while (!directExhausted()) {
        if (stop && stop->load(std::memory_order_relaxed))
            return Interrupted;
        const int k = openEntries(0) <= openEntries(1) ? 0 : 1;
        const int point = popDirect(k);
        NodeState &state = sideState(k)[size_t(point)];
        state.closed = m_stamp;
        ++m_expanded;
        if (progress && total > 0.0) {
            const int percent = qBound(0, int(100.0 * (1.0 - state.h / total)), 99);
            if (percent > lastPercent) {
                lastPercent = percent;
                progress(percent);
            }
        }
        directLegs(point, sideState(k), steps);
        const double g = state.g;
        for (const Step &step : steps)
            reachDirect(k, step.node, g + step.cost, point);
    }
    if (m_meeting < 0)
        return NoPath;
    directPath();
    return finish(m_best);
}

void AStar::seedDirect()
{
    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;
    const int approach = m_approach;
    for (int k = 0; k < 2; ++k) {
        m_open[k].clear();
        m_stale[k].buckets.clear();
        m_stale[k].count = 0;
        m_stale[k].passed = 0;
        m_stale[k].base = 0.0;
    }
    m_best = Infinity;
    m_meeting = -1;
    // With a SID exit chosen the departure flies to it only, and is no point on the way.
    m_start = output >= 0 ? output : departure;
    m_startCost = output >= 0 ? dist(departure, output) : 0.0;
    m_approachCost = approach != arrival ? dist(approach, arrival) : 0.0;
    m_arrivalOnNetwork = isDirectNetworkNode(arrival);

    const std::vector<int> &pointOf = pointsOfNodes();
    const bool startOnNetwork = output >= 0 ? m_outputOnNetwork : m_departureOnNetwork;
    if (m_start != departure && pointOf[size_t(departure)] >= 0)
        m_state[size_t(pointOf[size_t(departure)])].closed = m_back[size_t(pointOf[size_t(departure)])].closed
            = m_stamp;
    if (startOnNetwork)
        reachDirect(0, pointOf[size_t(m_start)], m_startCost, -1);
    for (int node : std::as_const(m_departureJoins))
        reachDirect(0, pointOf[size_t(node)], m_startCost + dist(m_start, node), -1);
    // An en-route arrival is flown to directly, with a STAR entry chosen or not.
    if (m_arrivalOnNetwork)
        reachDirect(1, pointOf[size_t(arrival)], 0.0, -1);
    if (approach != arrival && isDirectNetworkNode(approach))
        reachDirect(1, pointOf[size_t(approach)], m_approachCost, -1);
    for (int node : std::as_const(m_arrivalJoins))
        reachDirect(1, pointOf[size_t(node)], dist(node, approach) + m_approachCost, -1);
    for (int k = 0; k < 2; ++k) {
        if (!m_open[k].empty())
            m_stale[k].base = m_open[k].front().f;
    }
}

// Each side estimates by the great circle to what its route must pass: the departure's side to
// the STAR entry and on to the arrival, but where the arrival is itself a point of the network;
// the arrival's side back to the SID exit. Aimed at the airport, a side whose point to pass lies
// off the line settles everything that looks no worse than the detour.
double AStar::directEstimate(int side, int point) const
{
    const Graph::DirectPoint &p = directIndex()->points[size_t(point)];
    auto distTo = [&](int node) {
        const Vec &v = vec(node);
        const double dx = p.x - v[0], dy = p.y - v[1], dz = p.z - v[2];
        return nmOfChord2(dx * dx + dy * dy + dz * dz);
    };
    if (side == 1)
        return m_startCost + distTo(m_start);
    const int arrival = m_request.arrival;
    if (m_approach == arrival)
        return distTo(arrival);
    const double viaApproach = distTo(m_approach) + m_approachCost;
    return m_arrivalOnNetwork ? std::min(distTo(arrival), viaApproach) : viaApproach;
}

// A way to a point that the other side has not settled goes on through some point the other side
// has open, or was left out because no way through it beat the best meeting. Every way on from
// a point to the other side's end is at least the other side's lowest estimate less its
// estimate at the point: the estimates through the great circle never drop along a leg by more
// than its length. A way that has strayed from the great circle by more than that leaves over
// the best meeting goes on no further: where dense regions offer many ways nearly as short as
// the best, each side soon stops spreading there once the other side's estimates have risen
// close to the best meeting.
bool AStar::outrun(int k, int point, double g) const
{
    if (m_meeting < 0)
        return false;
    const std::vector<OpenEntry> &open = m_open[1 - k];
    const double lowest = open.empty() ? m_best : std::min(m_best, open.front().f);
    const NodeState &other = sideState(1 - k)[size_t(point)];
    const double estimate = other.seen == m_stamp ? other.h : directEstimate(1 - k, point);
    // Sums of legs in another order may round apart by this much.
    constexpr double RoundingNm = 1e-7;
    return g + lowest - estimate >= m_best + RoundingNm;
}

// The sides' states and open lists are by position in the network's index, where points near
// each other lie together, not by node: a step reads the states of the points around it.
void AStar::reachDirect(int k, int point, double g, int parent)
{
    if (point < 0)
        return;
    NodeState &state = sideState(k)[size_t(point)];
    if (state.closed == m_stamp)
        return;
    if (state.seen == m_stamp) {
        if (g >= state.g)
            return;
    } else {
        state.seen = m_stamp;
        state.h = directEstimate(k, point);
        state.parentEdge = -1;
    }
    state.g = g;
    state.parent = parent;
    const NodeState &other = sideState(1 - k)[size_t(point)];
    if (other.seen == m_stamp && g + other.g < m_best) {
        m_best = g + other.g;
        m_meeting = point;
    }
    // Settled from the other side, the point has nothing more to tell this one; nor has a
    // point through which no way beats the best meeting.
    if (other.closed == m_stamp || g + state.h >= m_best)
        return;
    // A point reached again at less cost moves up in place.
    std::vector<OpenEntry> &open = m_open[k];
    int at = state.parentEdge;
    // Left out, but counted as open until the lowest estimate passes it, so that the sides take
    // their turns as they would have. One already open leaves when it comes first
    // (directExhausted).
    if (at < 0 && outrun(k, point, g)) {
        addStale(k, g + state.h);
        return;
    }
    if (at < 0) {
        at = int(open.size());
        open.push_back({});
    } else {
        addStale(k, open[size_t(at)].f);
    }
    open[size_t(at)] = {g + state.h, g, point};
    siftUp(k, at);
}

// The open lists of the direct-leg search are binary heaps that hold each point once, its place
// kept in NodeState::parentEdge: in dense parts of the world a point is reached again through
// ever so slightly shorter ways, and one entry per way made the lists several times as long as
// the points open, each left behind popped at the cost of a walk through the list.
void AStar::placeOpen(int k, size_t at, const OpenEntry &entry)
{
    m_open[k][at] = entry;
    sideState(k)[size_t(entry.node)].parentEdge = int(at);
}

void AStar::siftUp(int k, int at)
{
    std::vector<OpenEntry> &open = m_open[k];
    const OpenEntry entry = open[size_t(at)];
    while (at > 0) {
        const int up = (at - 1) / 2;
        if (!OpenOrder()(open[size_t(up)], entry))
            break;
        placeOpen(k, size_t(at), open[size_t(up)]);
        at = up;
    }
    placeOpen(k, size_t(at), entry);
}

int AStar::popDirect(int k)
{
    std::vector<OpenEntry> &open = m_open[k];
    const int point = open.front().node;
    sideState(k)[size_t(point)].parentEdge = -1;
    const OpenEntry last = open.back();
    open.pop_back();
    const size_t count = open.size();
    if (count == 0)
        return point;
    size_t at = 0;
    for (;;) {
        size_t child = 2 * at + 1;
        if (child >= count)
            break;
        if (child + 1 < count && OpenOrder()(open[child], open[child + 1]))
            ++child;
        if (!OpenOrder()(last, open[child]))
            break;
        placeOpen(k, at, open[child]);
        at = child;
    }
    placeOpen(k, at, last);
    return point;
}

// The side with the fewer points open goes next, a point counted once per way it was reached
// by until the lowest estimate passes that way's (StaleStepNm): so the sides take their turns
// as they did when each way left an entry in the list.
void AStar::addStale(int k, double f)
{
    StaleCount &stale = m_stale[k];
    const size_t bucket = size_t(std::max(0.0, (f - stale.base) / StaleStepNm));
    if (bucket >= stale.buckets.size())
        stale.buckets.resize(bucket + 1, 0);
    ++stale.buckets[bucket];
    ++stale.count;
}

size_t AStar::openEntries(int k) const
{
    return m_open[k].size() + m_stale[k].count;
}

bool AStar::directExhausted()
{
    for (int k = 0; k < 2; ++k) {
        // What can no longer beat the best meeting leaves first, so that each side's lowest
        // estimate is that of a way that still may.
        while (!m_open[k].empty() && outrun(k, m_open[k].front().node, m_open[k].front().g))
            popDirect(k);
    }
    for (int k = 0; k < 2; ++k) {
        const std::vector<OpenEntry> &open = m_open[k];
        StaleCount &stale = m_stale[k];
        const size_t passed
            = open.empty()
                  ? stale.buckets.size()
                  : std::min(stale.buckets.size(), size_t(std::max(0.0, (open.front().f - stale.base) / StaleStepNm)));
        for (; stale.passed < passed; ++stale.passed) {
            stale.count -= stale.buckets[stale.passed];
            stale.buckets[stale.passed] = 0;
        }
    }
    for (const std::vector<OpenEntry> &open : m_open) {
        if (open.empty() || open.front().f >= m_best)
            return true;
    }
    return false;
}

// The departure's side from its network entry to the meeting point, the arrival's on.
void AStar::directPath()
{
    const Graph::DirectIndex &index = *directIndex();
    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;
    for (int p = m_meeting; p >= 0; p = m_state[size_t(p)].parent)
        m_path.prepend(index.points[size_t(p)].node);
    const int entry = m_path.first();
    if (entry != departure) {
        if (output >= 0 && entry != output)
            m_path.prepend(output);
        m_path.prepend(departure);
    }
    for (int p = m_back[size_t(m_meeting)].parent; p >= 0; p = m_back[size_t(p)].parent)
        m_path.append(index.points[size_t(p)].node);
    if (m_path.last() != arrival) {
        if (m_path.last() != m_approach)
            m_path.append(m_approach);
        if (m_approach != arrival)
            m_path.append(arrival);
    }
}

} // namespace Routing
