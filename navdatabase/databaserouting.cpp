// The routing graph of the database: built on request from the points and segments, kept for
// the generation it was built from, and shared by every search until the data changes.

#include "database.h"

#include "basemodel.h"
#include "databaselocker.h"
#include "graph.h"
#include "orderedparallel.h"
#include "point.h"
#include "segment.h"

#include <unordered_map>

std::shared_ptr<const Routing::Graph> Database::routingGraph(const std::function<bool()> &cancelled)
{
    // Closing the database stops a build as a caller's cancellation would.
    const std::function<bool()> stop
        = [this, &cancelled] { return m_closing.loadAcquire() != 0 || (cancelled && cancelled()); };

    if (isModifying())
        return nullptr;
    {
        DatabaseLocker locker(&m_mutex);
        if (isModifying() || stop())
            return nullptr;
        if (m_routingGraph)
            return m_routingGraph;
    }

    // One build at a time: a caller arriving during a build waits for it and takes its graph
    // rather than building a second one. The wait stays responsive to cancellation.
    while (!m_graphBuildMutex.tryLock(10)) {
        if (isModifying() || stop())
            return nullptr;
    }
    struct BuildRelease
    {
        QMutex *mutex;
        ~BuildRelease() { mutex->unlock(); }
    } release{&m_graphBuildMutex};

    auto graph = std::make_shared<Routing::Graph>();
    {
        DatabaseLocker locker(&m_mutex);
        if (isModifying() || stop())
            return nullptr;
        if (m_routingGraph)
            return m_routingGraph;
        graph->generation = m_generation;

        const QList<Point *> &points = m_pointModel->items();
        // Not a QHash: its insert cannot pass a failed allocation on (it ends the program), and
        // the build must fail as the search's failure, not end it.
        std::unordered_map<const Point *, int> nodeOf;
        nodeOf.reserve(points.size());
        graph->nodes.reserve(points.size());
        // The points' fields are read on every core (each point's a few places in memory apart),
        // the nodes taken in order; stop() is asked once per part.
        using Nodes = QList<Routing::Graph::Node>;
        constexpr qsizetype PointsPerPart = 16384;
        auto pointRows = [&points](qsizetype part) {
            return std::pair(part * PointsPerPart, std::min(points.size(), (part + 1) * PointsPerPart));
        };
        bool stopped = false;
        OrderedParallel::run<Nodes>(
            (points.size() + PointsPerPart - 1) / PointsPerPart,
            [&points, &pointRows](qsizetype part) {
                Nodes nodes;
                auto [row, last] = pointRows(part);
                nodes.reserve(last - row);
                for (; row < last; ++row) {
                    if (const Point *point = points.at(row))
                        nodes.append({point->uid(), point->position(), point->type(), point->isEnrouteIntersection()});
                }
                return nodes;
            },
            [&](qsizetype part, Nodes &&nodes) {
                int node = int(graph->nodes.size());
                for (auto [row, last] = pointRows(part); row < last; ++row) {
                    if (const Point *point = points.at(row))
                        nodeOf.insert_or_assign(point, node++);
                }
                graph->nodes.append(std::move(nodes));
            },
            [&] { return stopped = stop(); });
        if (stopped)
            return nullptr;

        // The lookups of the segments' ends are shared among the cores, the edges taken in order.
        const QList<Segment *> &segments = m_segmentModel->items();
        graph->edges.reserve(segments.size());
        using Edges = QList<Routing::Graph::Edge>;
        constexpr qsizetype SegmentsPerPart = 16384;
        auto rowsOf = [&segments](qsizetype part) {
            return std::pair(part * SegmentsPerPart, std::min(segments.size(), (part + 1) * SegmentsPerPart));
        };
        const auto nodeOfPoint = [&nodeOf](const Point *point) {
            const auto found = nodeOf.find(point);
            return found == nodeOf.end() ? -1 : found->second;
        };
        auto edgesOf = [&segments, &nodeOfPoint, &rowsOf](qsizetype part) {
            Edges edges;
            for (auto [row, last] = rowsOf(part); row < last; ++row) {
                const Segment *segment = segments.at(row);
                if (!segment)
                    continue;
                const int from = nodeOfPoint(segment->from());
                const int to = nodeOfPoint(segment->to());
                if (from < 0 || to < 0)
                    continue;
                const int direction = segment->isForward() ? 1 : (segment->isBackward() ? -1 : 0);
                edges.append({from, to, segment->type(), direction, int(row)});
            }
            return edges;
        };
        auto take = [&](qsizetype, Edges &&edges) { graph->edges.append(std::move(edges)); };
        OrderedParallel::run<Edges>((segments.size() + SegmentsPerPart - 1) / SegmentsPerPart, edgesOf, take,
                                    [&] { return stopped = stop(); });
        if (stopped)
            return nullptr;
    }

    // Without the database mutex: the indexes need only the graph, and the generation test
    // below catches any change made meanwhile.
    if (!Routing::buildGraphIndexes(*graph, stop))
        return nullptr;

    DatabaseLocker locker(&m_mutex);
    if (isModifying() || graph->generation != m_generation)
        return nullptr;
    if (!m_routingGraph)
        m_routingGraph = graph;
    return m_routingGraph;
}
