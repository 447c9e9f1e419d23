#include "astar.h"

#include "point.h"
#include "segment.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace Routing {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct OpenEntry
{
    double f;
    double g;
    int node;
};

// Lowest estimate first; among equal estimates the deeper node, which reaches the arrival
// with fewer expansions when many routes are equally good.
struct OpenOrder
{
    bool operator()(const OpenEntry &a, const OpenEntry &b) const
    {
        if (a.f != b.f)
            return a.f > b.f;
        return a.g < b.g;
    }
};

// Radii tried, in order, to find the nearest network point of a departure or an arrival.
constexpr double JoinRadiiNm[] = {25.0, 50.0, 100.0, 200.0, 350.0, AStar::MaxJoinNm};

} // namespace

AStar::AStar() = default;
AStar::~AStar() = default;

double AStar::airwayFactor(int option, int kind, bool cruise)
{
    const bool high = kind == Segment::HIGH || kind == Segment::TRACK;
    const bool low = kind == Segment::LOW;
    switch (option) {
    case PreferHigh:
        if (high)
            return 1.0;
        if (low)
            return cruise ? LowCruiseFactor : 1.0;
        return -1.0;
    case LowOnly:
        return low ? 1.0 : -1.0;
    case NoPreference:
        return (high || low) ? 1.0 : -1.0;
    default:
        return -1.0;
    }
}

bool AStar::isRadioAid(int type)
{
    return type == Point::VOR || type == Point::NDB;
}

double AStar::receptionRange(int type)
{
    if (type == Point::VOR)
        return VorRangeNm;
    if (type == Point::NDB)
        return NdbRangeNm;
    return 0.0;
}

bool AStar::isEnroutePoint(const Graph::Node &node)
{
    return node.enrouteIntersection || isRadioAid(node.type);
}

double AStar::distanceNm(const QGeoCoordinate &a, const QGeoCoordinate &b)
{
    const double lat1 = qDegreesToRadians(a.latitude());
    const double lat2 = qDegreesToRadians(b.latitude());
    const double dLat = lat2 - lat1;
    const double dLon = qDegreesToRadians(b.longitude() - a.longitude());
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * EarthRadiusNm * std::asin(std::min(1.0, std::sqrt(h)));
}

void AStar::prepare(const std::shared_ptr<const Graph> &graph)
{
    const bool sameGraph = !m_graphRef.expired() && m_graphRef.lock() == graph;
    m_graph = graph.get();
    if (!sameGraph) {
        m_graphRef = graph;
        const size_t count = size_t(graph->nodes.size());
        m_state.assign(count, NodeState{0.0, 0.0, -1, -1, 0, 0});
        m_back.clear();
        m_enroutePoint.clear();
        m_radioPoint.clear();
        m_joinIn.assign(count, 0);
        m_stamp = 0;
    }
    if (++m_stamp == 0) {
        // Wrapped after four billion searches: old stamps could pass for new ones.
        for (auto *side : {&m_state, &m_back}) {
            for (NodeState &state : *side)
                state.seen = state.closed = 0;
        }
        std::fill(m_joinIn.begin(), m_joinIn.end(), 0);
        m_stamp = 1;
    }
}

double AStar::chord2(int a, int b) const
{
    const Vec &u = vec(a);
    const Vec &v = vec(b);
    const double dx = u[0] - v[0], dy = u[1] - v[1], dz = u[2] - v[2];
    return dx * dx + dy * dy + dz * dz;
}

double AStar::nmOfChord2(double chord2)
{
    const double x = std::sqrt(chord2) / 2.0;
    // Up to about 200 NM four terms of the series of asin agree with it to 1e-13, at a fraction
    // of its cost: a search through dense direct legs converts thousands per step.
    if (x < 0.03) {
        const double x2 = x * x;
        return 2.0 * EarthRadiusNm * x * (1.0 + x2 * (1.0 / 6.0 + x2 * (3.0 / 40.0 + x2 * (5.0 / 112.0))));
    }
    return 2.0 * EarthRadiusNm * std::asin(std::min(1.0, x));
}

double AStar::dist(int a, int b) const
{
    return nmOfChord2(chord2(a, b));
}

bool AStar::usable(int kind) const
{
    return airwayFactor(m_options.airwayOption, kind, false) > 0.0;
}

bool AStar::isDirectNetworkNode(int node) const
{
    const Graph::Node &n = m_graph->nodes.at(node);
    return m_options.radio ? isRadioAid(n.type) : isEnroutePoint(n);
}

bool AStar::onNetwork(int node, bool outgoing) const
{
    if (m_options.radio || m_options.airwayOption == IgnoreAirways)
        return isDirectNetworkNode(node);
    for (int e : m_graph->adjacency.at(node)) {
        const Graph::Edge &edge = m_graph->edges.at(e);
        if (!usable(edge.kind))
            continue;
        if (outgoing ? edge.next(node) >= 0 : edge.next(edge.from == node ? edge.to : edge.from) == node)
            return true;
    }
    return false;
}

double AStar::directLimit(int from, int to) const
{
    if (!m_options.radio)
        return DirectLegNm;
    return receptionRange(m_graph->nodes.at(from).type) + receptionRange(m_graph->nodes.at(to).type);
}

const Graph::DirectIndex *AStar::directIndex() const
{
    if (m_options.radio)
        return &m_graph->radioIndex;
    if (m_options.airwayOption == IgnoreAirways)
        return &m_graph->enrouteIndex;
    return nullptr;
}

namespace {

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
    auto consider = [&](int node, double x, double y, double z, int point) {
        if (node == centre)
            return;
        const double dx = u[0] - x, dy = u[1] - y, dz = u[2] - z;
        const double d2 = dx * dx + dy * dy + dz * dz;
        if (d2 > chord2)
            return;
        if (skip) {
            const double sx = (*skip)[0] - x, sy = (*skip)[1] - y, sz = (*skip)[2] - z;
            if (sx * sx + sy * sy + sz * sz <= skipChord2)
                return;
        }
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
    auto readColumns = [&](int row, int first, int last) {
        for (int col = first; col <= last;) {
            const int wrapped = wrap(col);
            const int run = std::min(last - col, Graph::CellColumns - 1 - wrapped);
            const size_t cell = size_t(row * Graph::CellColumns + wrapped);
            const int end = index->cellStart[cell + size_t(run) + 1];
            for (int i = index->cellStart[cell]; i < end; ++i) {
                const Graph::DirectPoint &p = index->points[size_t(i)];
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

bool AStar::offersDirectLegs(int node) const
{
    if (node == m_request.departure)
        return m_request.output < 0 && m_departureOnNetwork;
    return node != m_request.output || m_outputOnNetwork;
}

bool AStar::mayConnect() const
{
    Graph::Network network = Graph::Airways;
    if (m_options.radio)
        network = Graph::RadioDirect;
    else if (m_options.airwayOption == IgnoreAirways)
        network = Graph::EnrouteDirect;
    else if (m_options.airwayOption == LowOnly)
        network = Graph::LowAirways;
    const std::vector<int> &part = m_graph->components[network];
    if (part.size() != size_t(m_graph->nodes.size()))
        return true;

    // Every leg of a route links two points of one part, but for the legs that leave the
    // departure or its SID exit and those that reach the STAR entry or the arrival.
    const int output = m_request.output;
    if (output >= 0 && output == m_approach)
        return true;
    std::vector<int> starts;
    starts.reserve(size_t(m_departureJoins.size()) + 2);
    for (int node : std::as_const(m_departureJoins))
        starts.push_back(part[size_t(node)]);
    starts.push_back(part[size_t(m_request.departure)]);
    if (output >= 0)
        starts.push_back(part[size_t(output)]);
    std::sort(starts.begin(), starts.end());
    auto reached = [&](int node) {
        const int p = part[size_t(node)];
        return p >= 0 && std::binary_search(starts.begin(), starts.end(), p);
    };
    if (reached(m_approach) || reached(m_request.arrival))
        return true;
    return std::any_of(m_arrivalJoins.cbegin(), m_arrivalJoins.cend(), reached);
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
    for (size_t i = 0; i < out.size(); ++i) {
        const int to = out[i].node;
        // A point already settled gains nothing from another way in.
        if (side[size_t(to)].closed == m_stamp)
            continue;
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

void AStar::successors(int node, std::vector<Step> &out)
{
    out.clear();
    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;

    auto direct = [&](int to) { out.push_back({to, -1, dist(node, to)}); };

    const bool network = offersDirectLegs(node);
    if (node == departure) {
        if (output >= 0) {
            direct(output);
        } else if (!m_departureOnNetwork) {
            for (int to : std::as_const(m_departureJoins))
                direct(to);
        }
    } else if (node == output && !m_outputOnNetwork) {
        for (int to : std::as_const(m_departureJoins))
            direct(to);
    }

    if (network) {
        const int option = m_options.airwayOption;
        const int end = m_graph->arcStart[size_t(node) + 1];
        for (int i = m_graph->arcStart[size_t(node)]; i < end; ++i) {
            const Graph::Arc &arc = m_graph->arcs[size_t(i)];
            const int to = arc.to;
            // With a STAR entry chosen the arrival is reached through it only.
            if (to == arrival && m_approach != arrival)
                continue;
            double factor = airwayFactor(option, arc.kind, false);
            if (factor < 0.0)
                continue;
            if (option == PreferHigh && arc.kind == Segment::LOW) {
                const double zone = m_terminalChord2;
                const bool cruise = chord2(node, departure) > zone && chord2(to, departure) > zone
                                    && chord2(node, arrival) > zone && chord2(to, arrival) > zone;
                factor = airwayFactor(option, arc.kind, cruise);
            }
            out.push_back({to, arc.edge, dist(node, to) * factor});
        }
    }

    if (m_joinIn[node] == m_stamp)
        direct(m_approach);
    if (node == m_approach && m_approach != arrival)
        direct(arrival);
}

AStar::Result AStar::search(const std::shared_ptr<const Graph> &graph, const Request &request, const Options &options,
                            const std::atomic<bool> *stop, const std::function<void(int)> &progress)
{
    m_path.clear();
    m_legEdges.clear();
    m_distance = 0.0;
    m_cost = 0.0;
    m_expanded = 0;
    if (!graph)
        return InvalidEnds;
    const int count = int(graph->nodes.size());
    auto valid = [&](int node) { return node >= 0 && node < count && graph->nodes.at(node).coordinate.isValid(); };
    if (!valid(request.departure) || !valid(request.arrival) || request.departure == request.arrival)
        return InvalidEnds;
    if (graph->cells.size() != size_t(Graph::CellRows * Graph::CellColumns) || graph->adjacency.size() != size_t(count)
        || graph->unit.size() != size_t(count) || graph->arcStart.size() != size_t(count) + 1
        || graph->gapLegStart.size() != size_t(count) + 1)
        return InvalidEnds;

    prepare(graph);
    m_options = options;
    m_request = request;
    // A chosen exit or entry that is not a usable point, or is an end itself, counts as none.
    if (!valid(m_request.output) || m_request.output == request.departure || m_request.output == request.arrival)
        m_request.output = -1;
    if (!valid(m_request.input) || m_request.input == request.departure || m_request.input == request.arrival)
        m_request.input = -1;

    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;
    m_approach = m_request.input >= 0 ? m_request.input : arrival;

    // The network joins of both ends, worked out once.
    m_departureJoins.clear();
    m_departureOnNetwork = onNetwork(departure, true);
    m_outputOnNetwork = output >= 0 && onNetwork(output, true);
    const int joinFrom = output >= 0 ? output : departure;
    if (!(output >= 0 ? m_outputOnNetwork : m_departureOnNetwork))
        m_departureJoins = joins(joinFrom, true);
    m_arrivalJoins.clear();
    if (!onNetwork(m_approach, false)) {
        m_arrivalJoins = joins(m_approach, false);
        for (int node : std::as_const(m_arrivalJoins))
            m_joinIn[node] = m_stamp;
    }
    // Otherwise a search between two parts of the world that no leg links would visit every
    // point the departure reaches before it could tell.
    if (!mayConnect())
        return NoPath;

    const double zoneChord = 2.0 * std::sin(TerminalZoneNm / EarthRadiusNm / 2.0);
    m_terminalChord2 = zoneChord * zoneChord;
    const double directChord = 2.0 * std::sin(DirectLegNm / EarthRadiusNm / 2.0);
    m_directChord2 = directChord * directChord;
    if (directIndex())
        return searchDirect(stop, progress);
    const double total = dist(departure, arrival);
    int lastPercent = -1;
    std::vector<OpenEntry> open;
    open.reserve(1024);
    std::vector<Step> steps;
    steps.reserve(64);

    NodeState &start = m_state[size_t(departure)];
    start.g = 0.0;
    start.parent = -1;
    start.parentEdge = -1;
    start.seen = m_stamp;
    start.h = total;
    open.push_back({total, 0.0, departure});

    while (!open.empty()) {
        if (stop && stop->load(std::memory_order_relaxed))
            return Interrupted;
        std::pop_heap(open.begin(), open.end(), OpenOrder());
        const OpenEntry entry = open.back();
        open.pop_back();
        const int node = entry.node;
        if (m_state[size_t(node)].closed == m_stamp)
            continue;
        m_state[size_t(node)].closed = m_stamp;
        ++m_expanded;

        if (node == arrival) {
            m_cost = m_state[size_t(arrival)].g;
            for (int n = arrival; n >= 0; n = m_state[size_t(n)].parent) {
                m_path.prepend(n);
                const NodeState &state = m_state[size_t(n)];
                if (state.parent >= 0) {
                    m_legEdges.prepend(state.parentEdge);
                    m_distance += dist(state.parent, n);
                }
            }
            if (progress && lastPercent < 100)
                progress(100);
            return Found;
        }

        if (progress && total > 0.0) {
            const int percent = qBound(0, int(100.0 * (1.0 - dist(node, arrival) / total)), 99);
            if (percent > lastPercent) {
                lastPercent = percent;
                progress(percent);
            }
        }

        successors(node, steps);
        const double g = m_state[size_t(node)].g;
        for (const Step &step : steps) {
            const int to = step.node;
            NodeState &state = m_state[size_t(to)];
            if (state.closed == m_stamp)
                continue;
            const double candidate = g + step.cost;
            if (state.seen == m_stamp) {
                if (candidate >= state.g)
                    continue;
            } else {
                state.seen = m_stamp;
                state.h = dist(to, arrival);
            }
            state.g = candidate;
            state.parent = node;
            state.parentEdge = step.edge;
            open.push_back({candidate + state.h, candidate, to});
            std::push_heap(open.begin(), open.end(), OpenOrder());
        }
    }
    return NoPath;
}

AStar::Result AStar::searchDirect(const std::atomic<bool> *stop, const std::function<void(int)> &progress)
{
    const int departure = m_request.departure;
    const int arrival = m_request.arrival;
    const int output = m_request.output;
    const int approach = m_approach;
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
    if (output >= 0 && output == approach) {
        m_path = {departure, output, arrival};
        return finish(dist(departure, output) + dist(output, arrival));
    }

    // Both sides search the network's legs, which are flown both ways: the departure's from
    // the points where the route enters the network, the arrival's from those it leaves by.
    // Each stops the whole once its lowest estimate reaches the best meeting found. Where the
    // great circle is a poor estimate on one side (a crossing far off the line, a dense coast
    // beside it) that side alone would settle every point of the coast that looks promising;
    // the other side finds the crossing. The side with the fewer points open goes next, the
    // smaller frontier whether over sea or land: on world-size data that settles a quarter to a
    // third fewer points than taking turns by the points each side's scans have read.
    struct Side
    {
        std::vector<NodeState> *state;
        std::vector<OpenEntry> open;
    };
    Side sides[2] = {{&m_state, {}}, {&m_back, {}}};
    // With a SID exit chosen the departure flies to it only, and is no point on the way.
    const int start = output >= 0 ? output : departure;
    const double startCost = output >= 0 ? dist(departure, output) : 0.0;
    const double approachCost = approach != arrival ? dist(approach, arrival) : 0.0;
    const bool arrivalOnNetwork = isDirectNetworkNode(arrival);
    // Each side estimates by the great circle to what its route must pass: the departure's
    // side to the STAR entry and on to the arrival, but where the arrival is itself a point of
    // the network; the arrival's side back to the SID exit. Aimed at the airport, a side whose
    // point to pass lies off the line settles everything that looks no worse than the detour.
    const Graph::DirectIndex &index = *directIndex();
    auto distTo = [&](const Graph::DirectPoint &p, int node) {
        const Vec &v = vec(node);
        const double dx = p.x - v[0], dy = p.y - v[1], dz = p.z - v[2];
        return nmOfChord2(dx * dx + dy * dy + dz * dz);
    };
    auto estimate = [&](int k, int point) {
        const Graph::DirectPoint &p = index.points[size_t(point)];
        if (k == 1)
            return startCost + distTo(p, start);
        if (approach == arrival)
            return distTo(p, arrival);
        const double viaApproach = distTo(p, approach) + approachCost;
        return arrivalOnNetwork ? std::min(distTo(p, arrival), viaApproach) : viaApproach;
    };
    // The sides' states and open lists are by position in the network's index, where points
    // near each other lie together, not by node: a step reads the states of the points around
    // it.
    const std::vector<int> &pointOf = pointsOfNodes();
    double best = Infinity;
    int meeting = -1;
    auto reach = [&](int k, int point, double g, int parent) {
        if (point < 0)
            return;
        NodeState &state = (*sides[k].state)[size_t(point)];
        if (state.closed == m_stamp)
            return;
        if (state.seen == m_stamp) {
            if (g >= state.g)
                return;
        } else {
            state.seen = m_stamp;
            state.h = estimate(k, point);
        }
        state.g = g;
        state.parent = parent;
        const NodeState &other = (*sides[1 - k].state)[size_t(point)];
        if (other.seen == m_stamp && g + other.g < best) {
            best = g + other.g;
            meeting = point;
        }
        // Settled from the other side, the point has nothing more to tell this one; nor has a
        // point through which no route beats the best meeting.
        if (other.closed == m_stamp || g + state.h >= best)
            return;
        sides[k].open.push_back({g + state.h, g, point});
        std::push_heap(sides[k].open.begin(), sides[k].open.end(), OpenOrder());
    };

    const bool startOnNetwork = output >= 0 ? m_outputOnNetwork : m_departureOnNetwork;
    if (start != departure && pointOf[size_t(departure)] >= 0)
        m_state[size_t(pointOf[size_t(departure)])].closed = m_back[size_t(pointOf[size_t(departure)])].closed
            = m_stamp;
    if (startOnNetwork)
        reach(0, pointOf[size_t(start)], startCost, -1);
    for (int node : std::as_const(m_departureJoins))
        reach(0, pointOf[size_t(node)], startCost + dist(start, node), -1);
    // An en-route arrival is flown to directly, with a STAR entry chosen or not.
    if (arrivalOnNetwork)
        reach(1, pointOf[size_t(arrival)], 0.0, -1);
    if (approach != arrival && isDirectNetworkNode(approach))
        reach(1, pointOf[size_t(approach)], approachCost, -1);
    for (int node : std::as_const(m_arrivalJoins))
        reach(1, pointOf[size_t(node)], dist(node, approach) + approachCost, -1);

    const double total = dist(departure, arrival);
    int lastPercent = -1;
    std::vector<Step> steps;
    steps.reserve(256);
    for (;;) {
        if (stop && stop->load(std::memory_order_relaxed))
            return Interrupted;
        bool exhausted = false;
        for (Side &side : sides) {
            while (!side.open.empty() && (*side.state)[size_t(side.open.front().node)].closed == m_stamp) {
                std::pop_heap(side.open.begin(), side.open.end(), OpenOrder());
                side.open.pop_back();
            }
            exhausted = exhausted || side.open.empty() || side.open.front().f >= best;
        }
        if (exhausted)
            break;
        const int k = sides[0].open.size() <= sides[1].open.size() ? 0 : 1;
        Side &side = sides[k];
        std::pop_heap(side.open.begin(), side.open.end(), OpenOrder());
        const int point = side.open.back().node;
        side.open.pop_back();
        NodeState &state = (*side.state)[size_t(point)];
        state.closed = m_stamp;
        ++m_expanded;
        if (progress && total > 0.0) {
            const int percent = qBound(0, int(100.0 * (1.0 - state.h / total)), 99);
            if (percent > lastPercent) {
                lastPercent = percent;
                progress(percent);
            }
        }
        directLegs(point, *side.state, steps);
        const double g = state.g;
        for (const Step &step : steps)
            reach(k, step.node, g + step.cost, point);
    }
    if (meeting < 0)
        return NoPath;

    // The departure's side from its network entry to the meeting point, the arrival's on.
    for (int p = meeting; p >= 0; p = m_state[size_t(p)].parent)
        m_path.prepend(index.points[size_t(p)].node);
    const int entry = m_path.first();
    if (entry != departure) {
        if (output >= 0 && entry != output)
            m_path.prepend(output);
        m_path.prepend(departure);
    }
    for (int p = m_back[size_t(meeting)].parent; p >= 0; p = m_back[size_t(p)].parent)
        m_path.append(index.points[size_t(p)].node);
    if (m_path.last() != arrival) {
        if (m_path.last() != approach)
            m_path.append(approach);
        if (approach != arrival)
            m_path.append(arrival);
    }
    return finish(best);
}

} // namespace Routing
