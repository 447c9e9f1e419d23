#include "graph.h"

#include <cmath>

namespace Routing {

namespace {

// Polling a callback per item would cost more than the work it guards.
constexpr int PollInterval = 4096;

bool pollCancelled(const std::function<bool()> &cancelled, qsizetype done)
{
    return cancelled && done % PollInterval == 0 && cancelled();
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
    return !(cancelled && cancelled());
}

} // namespace Routing
