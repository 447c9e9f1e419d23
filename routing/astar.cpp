#include "astar.h"

#include "point.h"
#include "segment.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Routing {

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

} // namespace Routing
