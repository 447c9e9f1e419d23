#pragma once

#include <QGeoCoordinate>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <unordered_map>
#include <vector>

namespace Routing {

// The navigation network as the route search reads it: one node per database point and one
// edge per segment whose two ends are points. The database fills nodes and edges, then
// buildGraphIndexes adds the lookups the search needs. A graph is never changed once handed
// out, so any number of searches may read it at once without a lock.
struct Graph
{
    struct Node
    {
        QString uid;
        QGeoCoordinate coordinate;
        int type = 0; // Point::Types
        bool enrouteIntersection = false;
    };

    struct Edge
    {
        int from = -1;     // node index
        int to = -1;       // node index
        int kind = 0;      // Segment::Types: LOW 1, HIGH 2, TRACK 20, PROC 21, DRCT 22
        int direction = 0; // 1 from->to only, -1 to->from only, 0 both ways
        // Row of the segment in the database's segment model, -1 when not known.
        int segment = -1;

        // The node reached from the given end, or -1 when the edge does not touch it or may not
        // be flown away from it.
        int next(int node) const
        {
            if (node == from && direction >= 0)
                return to;
            if (node == to && direction <= 0)
                return from;
            return -1;
        }
    };

    // One-degree cells: latitude -90..89 by longitude -180..179, row-major from the south-west.
    static constexpr int CellRows = 180;
    static constexpr int CellColumns = 360;
    // The cell of a position; 90 degrees north and 180 east fall into the last row and column.
    // -1 for an invalid coordinate.
    static int cellOf(const QGeoCoordinate &coordinate);

    // The one-degree cells that a cap of the radius around the position may touch: rows row0 to
    // row1, columns column0 to column1, where a column outside 0..CellColumns - 1 stands for
    // its wrapped value.
    struct CellSpan
    {
        int row0, row1, column0, column1;
    };
    static CellSpan cellsWithin(const QGeoCoordinate &centre, double radiusNm);
    // The south-west corner of a cell as a unit vector, for rows 0 to CellRows and columns 0 to
    // CellColumns (the last ones standing for the north and east edges of the cells before).
    static std::array<double, 3> corner(int row, int column);
    // Whether the whole cell lies within the squared chord of the position, a unit vector: for
    // caps up to AStar::DirectLegNm, and false for the cells within PolarRows of a pole.
    static bool cellInside(int row, int column, const std::array<double, 3> &centre, double chord2);
    static constexpr int PolarRows = 5;

    // Node of the UID, or -1.
    int nodeOf(const QString &uid) const
    {
        const auto found = uidIndex.find(uid);
        return found == uidIndex.end() ? -1 : found->second;
    }

    // The database generation the graph was built from.
    qint64 generation = 0;
    QList<Node> nodes;
    QList<Edge> edges;

    // Filled by buildGraphIndexes. A standard map: Qt's hash cannot pass a failed allocation on,
    // and a search short of memory must fail, not end the program.
    std::unordered_map<QString, int> uidIndex;
    // Per node, the indexes of every edge that has the node at either end, in edge order;
    // Edge::next tells whether the edge may be flown away from that node.
    std::vector<QList<int>> adjacency;
    // Per one-degree cell (cellOf), the nodes inside it in node order; empty until built.
    std::vector<QList<int>> cells;
    // Per node, its position as a unit vector (x toward 0 E on the equator, z toward the north
    // pole), NaN for an invalid coordinate.
    std::vector<std::array<double, 3>> unit;

    // A leg along an edge that may be flown away from a node.
    struct Arc
    {
        int to;
        int edge;
        int kind;
    };
    // Per node, its arcs in edge order, self-loops left out: the arcs of node n are
    // arcs[arcStart[n]] up to arcs[arcStart[n + 1]].
    std::vector<int> arcStart;
    std::vector<Arc> arcs;

    // The networks a search may fly: airway edges of any kind it flies, LOW airway edges only,
    // direct legs between en-route points, direct legs between radio aids.
    enum Network { Airways, LowAirways, EnrouteDirect, RadioDirect, NetworkCount };

    // A point that direct legs join, with its position as a unit vector so that a search
    // scanning a cell compares distances without trigonometry.
    struct DirectPoint
    {
        double x, y, z;
        int node;
    };
    // Per cell, the points of a direct-leg network inside it, in node order: the points of
    // cell c are points[cellStart[c]] up to points[cellStart[c + 1]].
    struct DirectIndex
    {
        std::vector<int> cellStart;
        std::vector<DirectPoint> points;
    };
    DirectIndex enrouteIndex;
    DirectIndex radioIndex;

    // Per en-route point, the nodes its direct legs across a gap reach (AStar::GapLegNm), in
    // node order: those of node n are gapLegs[gapLegStart[n]] up to gapLegs[gapLegStart[n + 1]].
    // Every such leg is longer than AStar::DirectLegNm, and listed at both its ends: it is
    // flown both ways, whichever end has the gap.
    std::vector<int> gapLegStart;
    std::vector<int> gapLegs;

    // Per network, per node: the connected part of the network the node lies in, taking every
    // leg as flyable both ways, or -1 when the node is not on that network. Two points in
    // different parts have no route between them.
    std::vector<int> components[NetworkCount];
};

// Builds the UID index, the adjacency lists and the cells from the nodes and edges, replacing
// any earlier indexes. Edges whose ends are not nodes are left out of the adjacency lists.
// cancelled, when given, is polled as the build goes; the result is false only when it
// reported cancellation (the indexes are then incomplete and the graph must be dropped).
bool buildGraphIndexes(Graph &graph, const std::function<bool()> &cancelled = {});

} // namespace Routing
