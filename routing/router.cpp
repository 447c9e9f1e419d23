#include "router.h"

#include "database.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "threadstart.h"

#include <QDebug>

#include <new>

Router::Router(QObject *parent)
    : QThread(parent)
{
    // Queued: the router lives in the main thread, so done() is emitted there.
    connect(this, &QThread::finished, this, &Router::finish, Qt::QueuedConnection);
    if (Database *database = Database::existing())
        connect(database, &Database::itemsReplaced, this, &Router::forgetRoute, Qt::DirectConnection);
}

Router::~Router()
{
    m_stop.store(true);
    wait();
}

void Router::setEndpoints(const QString &departure, const QString &arrival, const QString &output, const QString &input)
{
    m_departure = departure;
    m_arrival = arrival;
    m_output = output;
    m_input = input;
}

void Router::start()
{
    if (m_busy || isRunning())
        return;
    const bool airway = Settings::getBool(QStringLiteral("generator/airwayNavigation"), false);
    const bool radio = Settings::getBool(QStringLiteral("generator/radioNavigation"), false);
    m_request.departure = m_departure;
    m_request.arrival = m_arrival;
    // The two choices exclude one another; with neither set the airways are used.
    m_request.options.radio = radio && !airway;
    m_request.options.airwayOption
        = qBound(0, Settings::getInt(QStringLiteral("generator/airwayRoutingOptions"), 0), 3);
    // SID exits and STAR entries are airway choices.
    m_request.output = m_request.options.radio ? QString() : m_output;
    m_request.input = m_request.options.radio ? QString() : m_input;
    m_stop.store(false);
    m_busy = true;
    if (ThreadStart::start(*this))
        return;
    qWarning() << "Routing failed: no thread can be made for the search";
    m_outcome = Outcome();
    m_outcome.message = tr("Routing failed: no thread can be started for the search");
    // done() comes on the main thread's next turn, as after a search.
    QMetaObject::invokeMethod(this, &Router::finish, Qt::QueuedConnection);
}

void Router::stop()
{
    m_stop.store(true);
}

void Router::run()
{
    // Memory running out (the routing graph's build, the search's arrays) fails the search; the
    // plan and the graph of an earlier build stay as they were.
    try {
        m_outcome = search();
    } catch (const std::bad_alloc &) {
        qWarning() << "Routing failed: out of memory";
        m_outcome = Outcome();
        m_outcome.message = tr("Routing failed: there is not enough memory for the search");
    }
}

Router::Outcome Router::search()
{
    Outcome outcome;
    const QString changed = tr("Navigation database changed. Please generate the route again.");
    const QString invalid = tr("Need two valid, different points for departure and arrival");
    const QString interrupted = tr("Routing interrupted");
    const Request &request = m_request;
    qInfo() << "Routing from" << request.departure << "to" << request.arrival << "through" << request.output
            << request.input << "radio" << request.options.radio << "option" << request.options.airwayOption;

    if (request.departure.isEmpty() || request.arrival.isEmpty() || request.departure == request.arrival) {
        outcome.message = invalid;
        return outcome;
    }
    Database *db = Database::instance();
    const qint64 generation = db->generation();
    if (generation == 0) {
        outcome.message = changed;
        return outcome;
    }
    const std::shared_ptr<const Routing::Graph> graph = db->routingGraph([this] { return m_stop.load(); });
    if (m_stop.load()) {
        outcome.message = interrupted;
        return outcome;
    }
    if (!graph || graph->generation != generation) {
        outcome.message = changed;
        return outcome;
    }

    Routing::AStar::Request ends;
    ends.departure = graph->nodeOf(request.departure);
    ends.arrival = graph->nodeOf(request.arrival);
    ends.output = request.output.isEmpty() ? -1 : graph->nodeOf(request.output);
    ends.input = request.input.isEmpty() ? -1 : graph->nodeOf(request.input);
    const Routing::AStar::Result result
        = m_astar.search(graph, ends, request.options, &m_stop, [this](int percent) { emit progress(percent); });
    outcome.expanded = m_astar.expanded();
    // An interruption wins over a route found meanwhile: the pilot no longer wants it.
    if (result == Routing::AStar::Interrupted || m_stop.load()) {
        outcome.message = interrupted;
        return outcome;
    }
    if (result == Routing::AStar::InvalidEnds) {
        outcome.message = invalid;
        return outcome;
    }
    if (result == Routing::AStar::NoPath) {
        outcome.message = tr("No path found between departure and arrival");
        return outcome;
    }

    // The points are taken from the database only while it still holds the data searched.
    QList<Point *> route;
    QList<Segment *> legSegments;
    const QList<int> &path = m_astar.path();
    const QList<int> &legEdges = m_astar.legEdges();
    const bool unchanged = db->runIfUnchanged(generation, [&] {
        outcome.storeSerial = db->storeSerial();
        for (int node : path) {
            Point *point = Database::findPoint(graph->nodes.at(node).uid, false);
            if (!point)
                return;
            route.append(point);
        }
        for (int edge : legEdges)
            legSegments.append(edge >= 0 ? segmentOf(*graph, edge) : nullptr);
    });
    if (!unchanged || route.size() != path.size()) {
        outcome.message = changed;
        return outcome;
    }
    outcome.status = true;
    outcome.message = tr("Routing done!");
    outcome.distance = m_astar.distance();
    outcome.route = route;
    for (int edge : legEdges)
        outcome.airwayLegs.append(edge >= 0);
    outcome.legSegments = legSegments;
    outcome.generation = generation;
    qInfo() << "Route found:" << route.size() << "points," << outcome.distance << "nm," << outcome.expanded
            << "nodes expanded";
    return outcome;
}

Segment *Router::segmentOf(const Routing::Graph &graph, int edge)
{
    const Routing::Graph::Edge &flown = graph.edges.at(edge);
    Point *from = Database::findPoint(graph.nodes.at(flown.from).uid, false);
    Point *to = Database::findPoint(graph.nodes.at(flown.to).uid, false);
    if (!from || !to)
        return nullptr;
    const auto matches = [&](const Segment *segment) {
        const int direction = segment->isForward() ? 1 : (segment->isBackward() ? -1 : 0);
        return segment->from() == from && segment->to() == to && segment->type() == flown.kind
               && direction == flown.direction;
    };
    // The graph knows the row of its segment: the lists are those it was built from.
    if (flown.segment >= 0 && flown.segment < Database::segmentCount()) {
        Segment *segment = Database::segmentAt(flown.segment);
        if (segment && matches(segment))
            return segment;
    }

    // Without a row: the graph holds one edge per segment, in segment order, so edges alike in
    // ends, kind and direction (parallel airways of one kind) stand in the order of their
    // segments and the rank of the edge among its like ones picks the segment.
    const auto alike = [&flown](const Routing::Graph::Edge &other) {
        return other.from == flown.from && other.to == flown.to && other.kind == flown.kind
               && other.direction == flown.direction;
    };
    int rank = 0;
    for (int other : graph.adjacency.at(flown.from)) {
        if (other < edge && alike(graph.edges.at(other)))
            ++rank;
    }
    // The first segment between the points is the usual answer and needs no scan.
    if (rank == 0) {
        for (Point *start : {from, to}) {
            Segment *first = Database::findSegmentBetween(start, start == from ? to : from);
            if (first && matches(first))
                return first;
        }
    }
    for (Segment *segment : Database::segmentsAt(from, true, true)) {
        if (matches(segment) && rank-- == 0)
            return segment;
    }
    return nullptr;
}

void Router::forgetRoute()
{
    if (m_status)
        m_message = tr("Navigation database changed. Please generate the route again.");
    m_route.clear();
    m_airwayLegs.clear();
    m_legSegments.clear();
    m_status = false;
    m_distance = 0.0;
}

void Router::finish()
{
    Outcome outcome = std::move(m_outcome);
    m_outcome = Outcome();
    // Points taken before the lists were replaced may be gone already.
    const Database *db = Database::existing();
    if (outcome.status && (!db || outcome.storeSerial != db->storeSerial())) {
        outcome = Outcome();
        outcome.message = tr("Navigation database changed. Please generate the route again.");
    }
    m_status = outcome.status;
    m_message = outcome.message;
    m_distance = outcome.distance;
    m_route = outcome.route;
    m_airwayLegs = outcome.airwayLegs;
    m_legSegments = outcome.legSegments;
    m_routeGeneration = outcome.generation;
    m_expanded = outcome.expanded;
    m_busy = false;
    emit done();
}
