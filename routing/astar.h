#pragma once

#include "graph.h"

#include <QList>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace Routing {

// The route search: A* over the routing graph from a departure node to an arrival node, with
// costs in nautical miles. Every leg costs at least its great-circle length, so the
// great-circle distance to the arrival never overestimates what is left and the first route
// that reaches the arrival is the cheapest one.
//
// The legs a node offers depend on the options:
// - airway navigation (options 0 to 2): the airway edges in their allowed direction; LOW,
//   HIGH and TRACK edges as the option allows, LOW ones costlier in cruise under option 0;
// - airway option 3: direct legs between en-route points of up to DirectLegNm, and the longer
//   legs across a gap (Graph::gapLegs) where a point has no other within DirectLegNm in a
//   direction;
// - radio navigation: direct legs between VOR and NDB stations, one of them always in range.
// The departure reaches the network through the chosen SID exit or, without one, by direct
// legs to the nearest points of the network; the arrival likewise through the chosen STAR
// entry or from nearby network points.
//
// Direct legs are flown both ways, so options 3 and radio navigation search from both ends at
// once, each side estimating by the great circle to the other end, through the SID exit or
// STAR entry that its route must pass: a side that starts beside
// a dense coast, with the route crossing the sea far off the line, would on its own settle
// every point of the coast that looks no worse than the route; from the far end the detour is
// paid by the time the coast is reached, and few points are settled there.
//
// Before it visits any point, a search whose departure side and arrival side lie in different
// parts of the network (Graph::components) answers that there is no path.
//
// One object keeps its per-node work arrays between searches on the same graph, so a search
// costs what it visits, not the size of the world. Not thread-safe: one search at a time.
class AStar
{
public:
    enum AirwayOption { PreferHigh = 0, LowOnly = 1, NoPreference = 2, IgnoreAirways = 3 };
    enum Result { Found, NoPath, Interrupted, InvalidEnds };

    struct Options
    {
        bool radio = false;
        int airwayOption = PreferHigh;
    };

    // Node indexes; output and input -1 when none was chosen.
    struct Request
    {
        int departure = -1;
        int arrival = -1;
        int output = -1;
        int input = -1;
    };

    // Mean earth radius of QGeoCoordinate, so that leg lengths agree with the flight plan's.
    static constexpr double EarthRadiusNm = 6371007.2 / 1852.0;
    // Cost factor of a LOW segment in cruise when HIGH ones are preferred: a HIGH detour of up
    // to this much is taken rather than the LOW airway.
    static constexpr double LowCruiseFactor = 1.3;
    // Within this distance of the departure or the arrival the airplane climbs or descends,
    // and LOW segments cost what HIGH ones do.
    static constexpr double TerminalZoneNm = 100.0;
    // Longest direct leg between en-route points when airways are ignored, but across a gap.
    static constexpr double DirectLegNm = 200.0;
    // Across a gap, where an en-route point has no other within DirectLegNm in one of eight
    // directions (sectors of 45 degrees of initial bearing clockwise from north, each holding
    // its first bearing), it flies in that direction to the nearest points there: those up to
    // GapReachFactor times as far as the nearest, never beyond GapLegNm. So an ocean is crossed
    // from one line of oceanic points to the next, the way random routes report every 10
    // degrees of longitude (600 NM on the equator, less farther north), and an island is
    // reached from the coast; over land, where some point lies within DirectLegNm in every
    // direction, no longer leg is ever flown. A leg across a gap is flown both ways, also from
    // the end that has other points near it in that direction: a route and its reverse are
    // equally long.
    static constexpr double GapLegNm = 600.0;
    static constexpr double GapReachFactor = 1.25;
    static constexpr int Sectors = 8;
    // Reception ranges: a leg between two stations is flown with one of them always in range.
    static constexpr double VorRangeNm = 100.0;
    static constexpr double NdbRangeNm = 50.0;
    // Farthest network point a departure, arrival, SID exit or STAR entry is joined to.
    static constexpr double MaxJoinNm = 500.0;

    AStar();
    ~AStar();

    Result search(const std::shared_ptr<const Graph> &graph, const Request &request, const Options &options,
                  const std::atomic<bool> *stop = nullptr, const std::function<void(int)> &progress = {});

    // The last route found: nodes from departure to arrival, and per leg the edge flown
    // (-1 for a direct leg).
    const QList<int> &path() const { return m_path; }
    const QList<int> &legEdges() const { return m_legEdges; }
    // Great-circle length of the route, and what the search paid for it.
    double distance() const { return m_distance; }
    double cost() const { return m_cost; }
    int expanded() const { return m_expanded; }

    // Cost factor of an airway edge of the kind under the option, or -1 when the option
    // does not fly that kind. cruise: the edge lies outside both terminal zones.
    static double airwayFactor(int option, int kind, bool cruise);
    static bool isRadioAid(int type);
    static double receptionRange(int type);
    static bool isEnroutePoint(const Graph::Node &node);
    static double distanceNm(const QGeoCoordinate &a, const QGeoCoordinate &b);
    // The sector (0 to Sectors - 1) of the initial bearing from one position to another, both
    // as unit vectors.
    static int sectorOf(const std::array<double, 3> &from, const std::array<double, 3> &to)
    {
        static_assert(Sectors == 8, "the sectors are told apart by the signs and sizes of two components");
        // East and north components of the direction in the tangent plane, both scaled by the
        // cosine of the latitude: the bearing is atan2(east, north). Told apart by their signs
        // and sizes, cheaper than the angle: the graph's build asks for every point near every
        // other.
        double east = from[0] * to[1] - from[1] * to[0];
        const double north
            = (from[0] * from[0] + from[1] * from[1]) * to[2] - from[2] * (from[0] * to[0] + from[1] * to[1]);
        // Points on one meridian, as oceanic points often are, lie due north or south whatever
        // the rounding of the products: 0 and 180 degrees, in the sectors they begin.
        if (std::abs(east) <= 1e-12 * std::abs(north))
            east = 0.0;
        const bool west = east < 0.0 || (east == 0.0 && north < 0.0);
        const bool south = north < 0.0 || (north == 0.0 && east > 0.0);
        // By west, south and east-west-wider: 0-45, 45-90, 135-180, 90-135, 315-360, 270-315,
        // 180-225, 225-270 degrees.
        static constexpr int Table[8] = {0, 1, 3, 2, 7, 6, 4, 5};
        return Table[int(west) << 2 | int(south) << 1 | int(std::abs(east) >= std::abs(north))];
    }

private:
    using Vec = std::array<double, 3>;

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

    struct Step
    {
        int node;
        int edge; // -1 direct
        double cost;
    };

    void prepare(const std::shared_ptr<const Graph> &graph);
    const Vec &vec(int node) const { return m_graph->unit[size_t(node)]; }
    double dist(int a, int b) const;
    // Squared chord between two nodes' unit vectors: grows with the distance, without
    // trigonometry.
    double chord2(int a, int b) const;
    bool usable(int kind) const;
    bool onNetwork(int node, bool outgoing) const;
    bool isDirectNetworkNode(int node) const;
    double directLimit(int from, int to) const;
    // Great-circle nautical miles of a squared chord of the unit sphere.
    static double nmOfChord2(double chord2);
    // Calls visit(node, squared chord) for every node within the radius of the centre but the
    // centre itself: from the direct-leg index when one is given, else from all nodes. Nodes
    // whose squared chord to the position skip is at most skipChord2 are left out.
    template <typename Visit>
    void forEachWithin(int centre, double radiusNm, const Graph::DirectIndex *index, Visit &&visit,
                       const Vec *skip = nullptr, double skipChord2 = 0.0);
    // Whether the node, expanded, offers its direct legs to every point within reach rather
    // than only its joins.
    bool offersDirectLegs(int node) const;
    const Graph::DirectIndex *directIndex() const;
    QList<int> joins(int centre, bool outgoing);
    // False when no route can exist: no network part that the departure side reaches holds
    // a point the arrival is reached from.
    bool mayConnect() const;
    void successors(int node, std::vector<Step> &out);

    std::weak_ptr<const Graph> m_graphRef;
    const Graph *m_graph = nullptr;
    Options m_options;
    Request m_request;

    // Per node, valid where a stamp equals the current search. Kept together, since a search
    // through dense direct legs reads them for thousands of scattered points per step.
    struct alignas(32) NodeState
    {
        double g;
        // The estimate of what is left to the other end, set when the node is first seen.
        double h;
        int parent;
        // Over direct legs, where no edge is flown: the point's place in its side's open list,
        // -1 when not in it.
        int parentEdge;
        uint32_t seen;
        uint32_t closed;
    };
    // The legs of a direct-leg network from a network point, but to the points the side has
    // settled, by position in the network's index (pointsOfNodes), as are the steps.
    void directLegs(int point, const std::vector<NodeState> &side, std::vector<Step> &out);
    // Per node, its position in the direct-leg network's index, or -1.
    const std::vector<int> &pointsOfNodes();
    // The search of a direct-leg network, from both ends at once, and its steps.
    Result searchDirect(const std::atomic<bool> *stop, const std::function<void(int)> &progress);
    void seedDirect();
    double directEstimate(int side, int point) const;
    void reachDirect(int side, int point, double g, int parent);
    // Whether no way through the point reached at g can beat the best meeting, by what the
    // other side has still open.
    bool outrun(int side, int point, double g) const;
    bool directExhausted();
    void placeOpen(int side, size_t at, const OpenEntry &entry);
    void siftUp(int side, int at);
    int popDirect(int side);
    void addStale(int side, double f);
    size_t openEntries(int side) const;
    void directPath();

    // The departure's side (m_state) and the arrival's (m_back).
    std::vector<NodeState> &sideState(int side) { return side ? m_back : m_state; }
    const std::vector<NodeState> &sideState(int side) const { return side ? m_back : m_state; }
    std::vector<OpenEntry> m_open[2];
    // Per side, the ways by which open points were reached before a shorter one, by estimate
    // in steps of StaleStepNm from base, those the lowest estimate has not yet passed counted.
    static constexpr double StaleStepNm = 1.0 / 16.0;
    struct StaleCount
    {
        std::vector<int> buckets;
        size_t count = 0;
        size_t passed = 0;
        double base = 0.0;
    };
    StaleCount m_stale[2];
    double m_best = 0.0;
    int m_meeting = -1;
    int m_start = -1; // the SID exit, or the departure
    double m_startCost = 0.0;
    double m_approachCost = 0.0;
    bool m_arrivalOnNetwork = false;

    // Searched from the departure, and, by direct legs, back from the arrival: by node over
    // airways, by position in the network's index over direct legs.
    std::vector<NodeState> m_state;
    std::vector<NodeState> m_back;
    std::vector<uint32_t> m_joinIn;
    std::vector<int> m_enroutePoint;
    std::vector<int> m_radioPoint;
    // Per corner of the cells a scan spans, whether it lies within the cap the scan skips.
    std::vector<uint8_t> m_cornerInside;
    uint32_t m_stamp = 0;

    QList<int> m_departureJoins;
    QList<int> m_arrivalJoins;
    bool m_departureOnNetwork = false;
    bool m_outputOnNetwork = false;
    int m_approach = -1; // the node the arrival is reached from: STAR entry or arrival itself
    // Squared chords of the terminal zone's radius and of the longest direct leg.
    double m_terminalChord2 = 0.0;
    double m_directChord2 = 0.0;

    QList<int> m_path;
    QList<int> m_legEdges;
    double m_distance = 0.0;
    double m_cost = 0.0;
    int m_expanded = 0;
};

} // namespace Routing
