#include "basemodel.h"
#include "database.h"
#include "graph.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThreadPool>
#include <QtMath>

#include <memory>

#include <atomic>
#include <thread>

using Routing::Graph;

namespace {

Point *fix(const QString &code, double lat, double lon, int type = Point::FIX)
{
    return new Point(type, QGeoCoordinate(lat, lon), code, QStringLiteral("ENRT"), QStringLiteral("K1"), code, 0, 0.0f,
                     QStringLiteral("C   "));
}

Graph::Node node(const QString &uid, double lat, double lon)
{
    return {uid, QGeoCoordinate(lat, lon), Point::FIX, false};
}

} // namespace

class TestRoutingGraph : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void edgeNext_data();
    void edgeNext();
    void cellOf_data();
    void cellOf();
    void indexes();
    void indexCancellation();
    void directNetworks_data();
    void directNetworks();
    void gapLegs_data();
    void gapLegs();

    void graphFromDatabase();
    void cacheAndInvalidation();
    void refusedWhileModifying();
    void cancelledCallback();
    void changeDuringIndexBuild();
    void trackSegmentsAfterReplace();
    void concurrentCallersShareOneBuild();

private:
    bool mutexFree();
    // Points P0..P(n-1) on a line and a chain of HIGH segments between neighbours.
    void fillChain(int count);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
};

void TestRoutingGraph::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
}

void TestRoutingGraph::init()
{
    m_db->clear();
}

void TestRoutingGraph::fillChain(int count)
{
    m_db->beginModifying();
    QList<Point *> points;
    for (int i = 0; i < count; ++i) {
        points.append(fix(QStringLiteral("P%1").arg(i), 10.0 + (i % 500) * 0.05, 20.0 + (i / 500) * 0.05));
        m_db->addPoint(points.last());
    }
    for (int i = 1; i < count; ++i)
        m_db->addSegment(new Segment(Segment::NONE, Segment::HIGH, points.at(i - 1), points.at(i),
                                     QStringLiteral("J%1").arg(i % 100), 180, 450));
    m_db->endModifying();
}

void TestRoutingGraph::edgeNext_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("fromFrom");
    QTest::addColumn<int>("fromTo");
    QTest::addColumn<int>("fromElsewhere");
    QTest::newRow("both ways") << 0 << 7 << 3 << -1;
    QTest::newRow("forward") << 1 << 7 << -1 << -1;
    QTest::newRow("backward") << -1 << -1 << 3 << -1;
    // clang-format on
}

void TestRoutingGraph::edgeNext()
{
    QFETCH(int, direction);
    QFETCH(int, fromFrom);
    QFETCH(int, fromTo);
    QFETCH(int, fromElsewhere);
    const Graph::Edge edge{3, 7, Segment::HIGH, direction};
    QCOMPARE(edge.next(3), fromFrom);
    QCOMPARE(edge.next(7), fromTo);
    QCOMPARE(edge.next(5), fromElsewhere);
}

void TestRoutingGraph::cellOf_data()
{
    // clang-format off
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<int>("cell");
    QTest::newRow("south-west corner") << -90.0 << -180.0 << 0;
    QTest::newRow("just inside the first cell") << -89.5 << -179.5 << 0;
    QTest::newRow("origin") << 0.0 << 0.0 << 90 * 360 + 180;
    QTest::newRow("west of Greenwich") << 51.48 << -0.01 << 141 * 360 + 179;
    QTest::newRow("north pole, date line") << 90.0 << 180.0 << 179 * 360 + 359;
    QTest::newRow("invalid") << qQNaN() << 0.0 << -1;
    // clang-format on
}

void TestRoutingGraph::cellOf()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(int, cell);
    QCOMPARE(Graph::cellOf(QGeoCoordinate(lat, lon)), cell);
}

void TestRoutingGraph::indexes()
{
    Graph graph;
    graph.nodes = {node(QStringLiteral("A"), 50.5, 8.5),
                   node(QStringLiteral("B"), 50.7, 8.9),
                   node(QStringLiteral("C"), -33.9, 151.2),
                   {QStringLiteral("D"), QGeoCoordinate(), 0, false}};
    graph.edges = {{0, 1, Segment::HIGH, 0},
                   {1, 2, Segment::LOW, 1},
                   {2, 2, Segment::DRCT, 0},
                   {0, 9, Segment::HIGH, 0},
                   {2, 0, Segment::TRACK, -1}};
    QVERIFY(Routing::buildGraphIndexes(graph));

    QCOMPARE(graph.nodeOf(QStringLiteral("C")), 2);
    QCOMPARE(graph.nodeOf(QStringLiteral("D")), 3);
    QCOMPARE(graph.nodeOf(QStringLiteral("Z")), -1);
    QCOMPARE(graph.adjacency.size(), size_t(4));
    // Edge order per node; an edge to a node that does not exist is left out, a loop once.
    QCOMPARE(graph.adjacency[0], (QList<int>{0, 4}));
    QCOMPARE(graph.adjacency[1], (QList<int>{0, 1}));
    QCOMPARE(graph.adjacency[2], (QList<int>{1, 2, 4}));
    QCOMPARE(graph.adjacency[3], QList<int>());
    const int frankfurtCell = Graph::cellOf(QGeoCoordinate(50.5, 8.5));
    QCOMPARE(graph.cells.at(frankfurtCell), (QList<int>{0, 1}));
    QCOMPARE(graph.cells.at(Graph::cellOf(QGeoCoordinate(-33.9, 151.2))), QList<int>{2});
    qsizetype placed = 0;
    for (const QList<int> &cell : graph.cells)
        placed += cell.size();
    QCOMPARE(placed, qsizetype(3));

    // The legs that may be flown away from each node: no loop, no leg against the direction.
    auto arcsOf = [&graph](int n) {
        QList<QPair<int, int>> result;
        for (int i = graph.arcStart[n]; i < graph.arcStart[n + 1]; ++i)
            result.append({graph.arcs[i].to, graph.arcs[i].edge});
        return result;
    };
    QCOMPARE(arcsOf(0), (QList<QPair<int, int>>{{1, 0}, {2, 4}}));
    QCOMPARE(arcsOf(1), (QList<QPair<int, int>>{{0, 0}, {2, 1}}));
    QCOMPARE(arcsOf(2), (QList<QPair<int, int>>{}));
    QCOMPARE(arcsOf(3), (QList<QPair<int, int>>{}));
    // Airways of every kind link A, B and C; LOW ones only B and C; none is an en-route point.
    QCOMPARE(graph.components[Graph::Airways], (std::vector<int>{0, 0, 0, -1}));
    QCOMPARE(graph.components[Graph::LowAirways], (std::vector<int>{-1, 0, 0, -1}));
    QCOMPARE(graph.components[Graph::EnrouteDirect], (std::vector<int>{-1, -1, -1, -1}));
    QCOMPARE(graph.components[Graph::RadioDirect], (std::vector<int>{-1, -1, -1, -1}));

    // A second build starts over rather than adding to the first.
    QVERIFY(Routing::buildGraphIndexes(graph));
    QCOMPARE(graph.adjacency[2], (QList<int>{1, 2, 4}));
    QCOMPARE(graph.cells.at(frankfurtCell), (QList<int>{0, 1}));
}

void TestRoutingGraph::indexCancellation()
{
    Graph graph;
    for (int i = 0; i < 10000; ++i)
        graph.nodes.append(node(QString::number(i), 0.0, 0.0));
    int polls = 0;
    QVERIFY(!Routing::buildGraphIndexes(graph, [&] { return ++polls > 1; }));
    QVERIFY(Routing::buildGraphIndexes(graph, [] { return false; }));
    QVERIFY(!Routing::buildGraphIndexes(graph, [] { return true; }));
    Graph empty;
    QVERIFY(Routing::buildGraphIndexes(empty));
    QCOMPARE(empty.cells.size(), size_t(Graph::CellRows * Graph::CellColumns));
}

void TestRoutingGraph::directNetworks_data()
{
    // clang-format off
    QTest::addColumn<int>("typeA");
    QTest::addColumn<QGeoCoordinate>("a");
    QTest::addColumn<int>("typeB");
    QTest::addColumn<QGeoCoordinate>("b");
    QTest::addColumn<int>("network");
    QTest::addColumn<bool>("linked");

    const int fix = Point::FIX;
    const int vor = Point::VOR;
    const int ndb = Point::NDB;
    const int enroute = Graph::EnrouteDirect;
    const int radio = Graph::RadioDirect;
    // Direct legs between en-route points reach 200 NM (198.1 NM), and where no other point lies
    // within 200 NM in the direction, the nearest there up to 600 NM (204.1, 594.4, 606.4 NM).
    QTest::newRow("fixes 198 NM") << fix << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 3.3) << enroute << true;
    QTest::newRow("fixes 204 NM") << fix << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 3.4) << enroute << true;
    QTest::newRow("fixes 594 NM") << fix << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 9.9) << enroute << true;
    QTest::newRow("fixes 606 NM") << fix << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 10.1) << enroute << false;
    // From near the top of one row to four rows north: 198.7 NM.
    QTest::newRow("fixes 199 NM four rows apart") << fix << QGeoCoordinate(0.99, 10) << fix << QGeoCoordinate(4.3, 10)
                                                  << enroute << true;
    // Far north a leg spans many one-degree columns: 197.2, 207.5, 598.1 and 607.2 NM along 80 N.
    QTest::newRow("fixes 197 NM at 80 N")
        << fix << QGeoCoordinate(80, 0) << fix << QGeoCoordinate(80, 19) << enroute << true;
    QTest::newRow("fixes 207 NM at 80 N")
        << fix << QGeoCoordinate(80, 0) << fix << QGeoCoordinate(80, 20) << enroute << true;
    QTest::newRow("fixes 598 NM at 80 N")
        << fix << QGeoCoordinate(80, 0) << fix << QGeoCoordinate(80, 60) << enroute << true;
    QTest::newRow("fixes 607 NM at 80 N")
        << fix << QGeoCoordinate(80, 0) << fix << QGeoCoordinate(80, 61) << enroute << false;
    // Radio aids are en-route points too; a fix is no radio aid.
    QTest::newRow("VOR and fix") << vor << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 1) << enroute << true;
    QTest::newRow("fix among radio aids")
        << vor << QGeoCoordinate(0, 0) << fix << QGeoCoordinate(0, 1) << radio << false;
    // Between radio aids the two reception ranges add up: NDBs 100 NM (96.1 and 102.1 NM).
    QTest::newRow("NDBs 96 NM") << ndb << QGeoCoordinate(10, 5) << ndb << QGeoCoordinate(11.6, 5) << radio << true;
    QTest::newRow("NDBs 102 NM") << ndb << QGeoCoordinate(10, 5) << ndb << QGeoCoordinate(11.7, 5) << radio << false;
    // A VOR and an NDB 150 NM: 146.7 and 158.0 NM along 20 S.
    QTest::newRow("VOR and NDB 147 NM") << vor << QGeoCoordinate(-20, 30) << ndb << QGeoCoordinate(-20, 32.6) << radio
                                        << true;
    QTest::newRow("VOR and NDB 158 NM") << vor << QGeoCoordinate(-20, 30) << ndb << QGeoCoordinate(-20, 32.8) << radio
                                        << false;
    // Two VORs 200 NM, across the date line: 150.1 and 204.1 NM.
    QTest::newRow("VORs across the date line")
        << vor << QGeoCoordinate(0, 179.5) << vor << QGeoCoordinate(0, -178.0) << radio << true;
    QTest::newRow("VORs 204 NM across the date line")
        << vor << QGeoCoordinate(0, 179.5) << vor << QGeoCoordinate(0, -177.1) << radio << false;
    // clang-format on
}

// Two points, with a third point 3 degrees east of the second that links nothing new: the
// points are in one part of the network exactly when a direct leg joins them.
void TestRoutingGraph::directNetworks()
{
    QFETCH(int, typeA);
    QFETCH(QGeoCoordinate, a);
    QFETCH(int, typeB);
    QFETCH(QGeoCoordinate, b);
    QFETCH(int, network);
    QFETCH(bool, linked);

    Graph graph;
    graph.nodes = {{QStringLiteral("A"), a, typeA, typeA == Point::FIX},
                   {QStringLiteral("B"), b, typeB, typeB == Point::FIX},
                   {QStringLiteral("C"), QGeoCoordinate(b.latitude(), b.longitude() + 3.0), Point::VOR, false}};
    QVERIFY(Routing::buildGraphIndexes(graph));
    const std::vector<int> &part = graph.components[network];
    QVERIFY(part.at(0) >= 0);
    QCOMPARE(part.at(0) == part.at(1), linked);
    const bool radio = network == Graph::RadioDirect;
    // Each point is in the network's index, in its cell, with its position.
    const Graph::DirectIndex &index = radio ? graph.radioIndex : graph.enrouteIndex;
    for (int n = 0; n < 3; ++n) {
        const bool member = !radio || graph.nodes.at(n).type != Point::FIX;
        QCOMPARE(part.at(n) >= 0, member);
        const int cell = Graph::cellOf(graph.nodes.at(n).coordinate);
        int found = 0;
        for (int i = index.cellStart[cell]; i < index.cellStart[cell + 1]; ++i) {
            if (index.points[i].node == n) {
                ++found;
                QCOMPARE(index.points[i].z, std::sin(qDegreesToRadians(graph.nodes.at(n).coordinate.latitude())));
            }
        }
        QCOMPARE(found, member ? 1 : 0);
    }
}

// Clusters of fixes, dense enough that whole cells can be passed over, with gaps of 200 to
// 600 NM between some of them, lines along meridians and points at one position; every
// node's legs across a gap against the rule applied by brute force.
void TestRoutingGraph::gapLegs_data()
{
    // The search is shared among the pool's threads, or done in the caller alone.
    QTest::addColumn<int>("threads");
    QTest::newRow("one thread") << 1;
    QTest::newRow("four threads") << 4;
}

void TestRoutingGraph::gapLegs()
{
    QFETCH(int, threads);
    QThreadPool *pool = QThreadPool::globalInstance();
    const int before = pool->maxThreadCount();
    pool->setMaxThreadCount(threads);
    const auto restore = qScopeGuard([pool, before] { pool->setMaxThreadCount(before); });
    QRandomGenerator random(77);
    Graph graph;
    for (int cluster = 0; cluster < 14; ++cluster) {
        const double lat = 40.0 + random.generateDouble() * 30.0;
        const double lon = -30.0 + random.generateDouble() * 60.0;
        for (int i = 0; i < 30; ++i) {
            graph.nodes.append(
                {QString::number(graph.nodes.size()),
                 QGeoCoordinate(lat + random.generateDouble() * 1.5, lon + random.generateDouble() * 1.5), Point::FIX,
                 true});
        }
    }
    for (int lat = 35; lat <= 75; ++lat) {
        for (double lon : {-40.0, -40.0, 40.0})
            graph.nodes.append({QString::number(graph.nodes.size()), QGeoCoordinate(lat, lon), Point::FIX, true});
    }
    // Far from the rest, in cells before theirs: two fixes 70 NM apart and a lone one.
    for (const QGeoCoordinate &far : {QGeoCoordinate(-40, 150), QGeoCoordinate(-40.5, 151.2), QGeoCoordinate(-50, 100)})
        graph.nodes.append({QString::number(graph.nodes.size()), far, Point::FIX, true});
    QVERIFY(Routing::buildGraphIndexes(graph));

    const auto &nodes = graph.nodes;
    const int count = int(nodes.size());
    // The rule gives u a leg to v; the leg is flown both ways.
    std::vector<QSet<int>> expected(count);
    for (int u = 0; u < count; ++u) {
        double nearest[8];
        std::fill(std::begin(nearest), std::end(nearest), 1e9);
        auto sector = [&](int v) { return int(nodes.at(u).coordinate.azimuthTo(nodes.at(v).coordinate) / 45.0) % 8; };
        auto distance = [&](int v) { return nodes.at(u).coordinate.distanceTo(nodes.at(v).coordinate) / 1852.0; };
        for (int v = 0; v < count; ++v) {
            if (distance(v) > 0.0)
                nearest[sector(v)] = std::min(nearest[sector(v)], distance(v));
        }
        for (int v = 0; v < count; ++v) {
            const double across = nearest[sector(v)];
            if (distance(v) > 200.0 && across > 200.0 && distance(v) <= std::min(600.0, 1.25 * across)) {
                expected[u].insert(v);
                expected[v].insert(u);
            }
        }
    }
    int legs = 0;
    for (int u = 0; u < count; ++u) {
        QSet<int> actual;
        for (int i = graph.gapLegStart[u]; i < graph.gapLegStart[u + 1]; ++i)
            actual.insert(graph.gapLegs[i]);
        QVERIFY2(actual == expected[u], qPrintable(QString::number(u)));
        legs += actual.size();
    }
    QVERIFY2(legs > 100, qPrintable(QString::number(legs)));

    // The network's parts join legs up to 200 NM and across gaps, numbered in node order.
    std::vector<int> part(count, -1);
    int parts = 0;
    for (int start = 0; start < count; ++start) {
        if (part[start] >= 0)
            continue;
        part[start] = parts++;
        for (QList<int> open{start}; !open.isEmpty();) {
            const int u = open.takeLast();
            for (int v = 0; v < count; ++v) {
                const double nm = nodes.at(u).coordinate.distanceTo(nodes.at(v).coordinate) / 1852.0;
                if (part[v] < 0 && (nm <= 200.0 || expected[u].contains(v))) {
                    part[v] = part[start];
                    open.append(v);
                }
            }
        }
    }
    QCOMPARE(graph.components[Graph::EnrouteDirect], part);
    QCOMPARE(part.back(), 2);
}

void TestRoutingGraph::graphFromDatabase()
{
    m_db->beginModifying();
    Point *a = fix(QStringLiteral("A"), 10.0, 20.0);
    Point *b = fix(QStringLiteral("B"), 11.0, 21.0, Point::VOR);
    Point *c = fix(QStringLiteral("C"), 12.0, 22.0);
    // Never handed to the database: the test owns it.
    const std::unique_ptr<Point> outsider(fix(QStringLiteral("OUT"), 13.0, 23.0));
    Point *outside = outsider.get();
    m_db->addPoint(a);
    m_db->addPoint(b);
    m_db->addPoint(c);
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::HIGH, a, b, QStringLiteral("J1"), 0, 0));
    m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, b, outside, QStringLiteral("V2"), 0, 0));
    m_db->addSegment(new Segment(Segment::BACKWARD, Segment::LOW, c, b, QStringLiteral("V3"), 0, 0));
    m_db->addSegment(new Segment(Segment::NONE, Segment::TRACK, c, a, QStringLiteral("NATA"), 0, 0));
    m_db->endModifying();
    const qint64 generation = m_db->generation();

    const auto graph = m_db->routingGraph();
    QVERIFY(graph);
    QCOMPARE(graph->generation, generation);
    QCOMPARE(graph->nodes.size(), 3);
    QCOMPARE(graph->nodes.at(1).uid, b->uid());
    QCOMPARE(graph->nodes.at(1).type, int(Point::VOR));
    QCOMPARE(graph->nodes.at(1).coordinate, b->position());
    QCOMPARE(graph->nodes.at(0).enrouteIntersection, a->isEnrouteIntersection());
    // The segment to a point outside the database gives no edge; the rest keep their order.
    QCOMPARE(graph->edges.size(), 3);
    QCOMPARE(graph->edges.at(0).from, 0);
    QCOMPARE(graph->edges.at(0).to, 1);
    QCOMPARE(graph->edges.at(0).kind, int(Segment::HIGH));
    QCOMPARE(graph->edges.at(0).direction, 1);
    QCOMPARE(graph->edges.at(1).direction, -1);
    QCOMPARE(graph->edges.at(1).from, 2);
    QCOMPARE(graph->edges.at(2).kind, int(Segment::TRACK));
    QCOMPARE(graph->edges.at(2).direction, 0);
    // Each edge knows the row of its segment in the segment model.
    QCOMPARE(graph->edges.at(0).segment, 0);
    QCOMPARE(graph->edges.at(1).segment, 2);
    QCOMPARE(graph->edges.at(2).segment, 3);
    QCOMPARE(graph->nodeOf(c->uid()), 2);
    QCOMPARE(graph->adjacency[1], (QList<int>{0, 1}));
}

void TestRoutingGraph::cacheAndInvalidation()
{
    fillChain(100);
    const auto first = m_db->routingGraph();
    QVERIFY(first);
    QCOMPARE(m_db->routingGraph().get(), first.get());

    m_db->addPoint(fix(QStringLiteral("NEW"), 1.0, 1.0));
    const auto second = m_db->routingGraph();
    QVERIFY(second);
    QVERIFY(second.get() != first.get());
    QCOMPARE(second->nodes.size(), 101);
    // A holder keeps its graph after the database let go of it.
    QCOMPARE(first->nodes.size(), 100);

    m_db->beginModifying();
    m_db->endModifying();
    QVERIFY(m_db->routingGraph().get() != second.get());
}

void TestRoutingGraph::refusedWhileModifying()
{
    fillChain(10);
    QVERIFY(m_db->routingGraph());
    m_db->beginModifying();
    QVERIFY(!m_db->routingGraph());
    m_db->endModifying();
    QVERIFY(m_db->routingGraph());
}

void TestRoutingGraph::cancelledCallback()
{
    fillChain(10);
    QVERIFY(m_db->routingGraph());
    QVERIFY(!m_db->routingGraph([] { return true; }));
    QVERIFY(m_db->routingGraph([] { return false; }));
}

// True when another thread can take the database's mutex: the caller does not hold it.
bool TestRoutingGraph::mutexFree()
{
    bool free = false;
    std::thread([&] {
        if (m_db->mutex()->tryLock()) {
            free = true;
            m_db->mutex()->unlock();
        }
    }).join();
    return free;
}

void TestRoutingGraph::changeDuringIndexBuild()
{
    fillChain(50);
    // The index build runs without the database mutex (the first poll where another thread can
    // take it): another thread could change the data right then.
    bool changed = false;
    const auto graph = m_db->routingGraph([&] {
        if (!changed && mutexFree()) {
            m_db->mutex()->lock();
            m_db->dropRoutingGraph();
            m_db->mutex()->unlock();
            changed = true;
        }
        return false;
    });
    QVERIFY(changed);
    QVERIFY(!graph);
    // Nothing was cached: the next request builds for the new generation.
    const auto next = m_db->routingGraph();
    QVERIFY(next);
    QCOMPARE(next->generation, m_db->generation());
}

void TestRoutingGraph::trackSegmentsAfterReplace()
{
    fillChain(20);
    const auto before = m_db->routingGraph();
    QCOMPARE(before->edges.size(), 19);
    Point *from = Database::pointAt(0);
    Point *to = Database::pointAt(19);
    m_db->replaceSegments(Segment::TRACK,
                          {new Segment(Segment::FORWARD, Segment::TRACK, from, to, QStringLiteral("NATA"), 0, 0)});
    const auto after = m_db->routingGraph();
    QVERIFY(after && after != before);
    QCOMPARE(after->edges.size(), 20);
    QCOMPARE(after->edges.last().kind, int(Segment::TRACK));
    QCOMPARE(after->edges.last().from, 0);
    QCOMPARE(after->edges.last().to, 19);
}

void TestRoutingGraph::concurrentCallersShareOneBuild()
{
    fillChain(60000);
    constexpr int Callers = 6;
    std::atomic<int> ready{0};
    std::vector<std::shared_ptr<const Graph>> results(Callers);
    std::vector<std::thread> threads;
    for (int t = 0; t < Callers; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (ready.load() < Callers)
                std::this_thread::yield();
            results[t] = m_db->routingGraph([] { return false; });
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int t = 0; t < Callers; ++t) {
        QVERIFY(results[t]);
        QCOMPARE(results[t].get(), results[0].get());
    }
    QCOMPARE(m_db->routingGraph().get(), results[0].get());

    // A caller that waits for another's build and is stopped returns at once, the build going on.
    m_db->mutex()->lock();
    m_db->dropRoutingGraph();
    m_db->mutex()->unlock();
    std::atomic<bool> building = false;
    std::atomic<bool> waiterBack = false;
    std::atomic<bool> waiterTimely = false;
    std::shared_ptr<const Graph> built;
    std::thread builder([&] {
        built = m_db->routingGraph([&] {
            // In the index build, held until the stopped caller is back, or long past any quick stop.
            if (!building.load() && mutexFree()) {
                building = true;
                QDeadlineTimer deadline(20000);
                while (!waiterBack.load() && !deadline.hasExpired())
                    std::this_thread::yield();
                waiterTimely = waiterBack.load();
            }
            return false;
        });
    });
    while (!building.load())
        std::this_thread::yield();
    bool asked = false;
    QVERIFY(!m_db->routingGraph([&asked] { return std::exchange(asked, true); }));
    waiterBack = true;
    builder.join();
    QVERIFY(waiterTimely.load());
    QVERIFY(built);
}

QTEST_MAIN(TestRoutingGraph)
#include "tst_routinggraph.moc"
