#include "astar.h"
#include "basemodel.h"
#include "database.h"
#include "graph.h"
#include "point.h"
#include "router.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "threadstart.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <atomic>
#include <limits>
#include <memory>
#include <queue>

using Routing::AStar;
using Routing::Graph;

namespace {

// A hand-made graph: nodes by name at latitude/longitude, edges by names.
struct Net
{
    std::shared_ptr<Graph> graph = std::make_shared<Graph>();

    int add(const QString &uid, double lat, double lon, int type = Point::FIX, bool enroute = true)
    {
        graph->nodes.append({uid, QGeoCoordinate(lat, lon), type, enroute});
        return int(graph->nodes.size() - 1);
    }
    void edge(const QString &from, const QString &to, int kind, int direction = 0)
    {
        graph->edges.append({index(from), index(to), kind, direction});
    }
    int index(const QString &uid) const
    {
        for (qsizetype i = 0; i < graph->nodes.size(); ++i) {
            if (graph->nodes.at(i).uid == uid)
                return int(i);
        }
        return -1;
    }
    std::shared_ptr<const Graph> built()
    {
        Routing::buildGraphIndexes(*graph);
        return graph;
    }
    QString route(const AStar &astar) const
    {
        QStringList names;
        for (int n : astar.path())
            names.append(graph->nodes.at(n).uid);
        return names.join(QLatin1Char(' '));
    }
};

AStar::Options airways(int option)
{
    AStar::Options options;
    options.airwayOption = option;
    return options;
}

AStar::Options radio()
{
    AStar::Options options;
    options.radio = true;
    return options;
}

QString search(Net &net, const QString &from, const QString &to, const AStar::Options &options,
               const QString &output = QString(), const QString &input = QString())
{
    AStar astar;
    AStar::Request request{net.index(from), net.index(to), output.isEmpty() ? -1 : net.index(output),
                           input.isEmpty() ? -1 : net.index(input)};
    const auto result = astar.search(net.built(), request, options);
    if (result == AStar::NoPath)
        return QStringLiteral("no path");
    if (result == AStar::InvalidEnds)
        return QStringLiteral("invalid");
    return net.route(astar);
}

} // namespace

class TestRouter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void directions_data();
    void directions();
    void airwayOptions_data();
    void airwayOptions();
    void highGapBridgedByLow_data();
    void highGapBridgedByLow();
    void joins_data();
    void joins();
    void radioNavigation_data();
    void radioNavigation();
    void noPath();
    void unlinkedParts_data();
    void unlinkedParts();
    void directSearchAimsAtExitAndEntry_data();
    void directSearchAimsAtExitAndEntry();
    void invalidEnds();
    void stopFlag();
    void progressReachesHundred();
    void neverLongerThanDijkstra_data();
    void neverLongerThanDijkstra();

    void routerMessages_data();
    void routerMessages();
    void routerFindsRoute();
    void routerStopsWithinMilliseconds();
    void routerRefusesRouteOfOlderGeneration();
    void routerDestroyedWhileSearching();

private:
    // A square grid of fixes with LOW airways both ways between neighbours.
    void fillGrid(int side);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
};

void TestRouter::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
}

void TestRouter::cleanupTestCase()
{
    m_db.reset();
    m_settings.reset();
}

// ---- the search on hand-made graphs

void TestRouter::directions_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("backward");
    // A-B-C is straight, A-D-C a detour; only the direction of A-B changes.
    QTest::newRow("both ways") << 0 << "A B C" << "C B A";
    QTest::newRow("forward only") << 1 << "A B C" << "C D A";
    QTest::newRow("backward only") << -1 << "A D C" << "C B A";
    // clang-format on
}

void TestRouter::directions()
{
    QFETCH(int, direction);
    QFETCH(QString, forward);
    QFETCH(QString, backward);
    Net net;
    net.add("A", 0, 0);
    net.add("B", 0, 1);
    net.add("C", 0, 2);
    net.add("D", 1, 1);
    net.edge("A", "B", Segment::HIGH, direction);
    net.edge("B", "C", Segment::HIGH);
    net.edge("A", "D", Segment::HIGH);
    net.edge("D", "C", Segment::HIGH);
    QCOMPARE(search(net, "A", "C", airways(0)), forward);
    QCOMPARE(search(net, "C", "A", airways(0)), backward);
}

void TestRouter::airwayOptions_data()
{
    // clang-format off
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("route");
    // LOW straight (600 NM, 240 of them in cruise), HIGH with an 8 % detour, M an en-route
    // fix on no airway.
    QTest::newRow("prefer HIGH") << 0 << "X H Y";
    QTest::newRow("only LOW") << 1 << "X L1 L2 Y";
    QTest::newRow("no preference") << 2 << "X L1 L2 Y";
    QTest::newRow("ignore airways") << 3 << "X L1 M L2 Y";
    // clang-format on
}

void TestRouter::airwayOptions()
{
    QFETCH(int, option);
    QFETCH(QString, route);
    Net net;
    net.add("X", 0, 0);
    net.add("Y", 0, 10);
    net.add("H", 2, 5);
    net.add("L1", 0, 3);
    net.add("L2", 0, 7);
    net.add("M", 0, 5);
    net.edge("X", "H", Segment::HIGH);
    net.edge("H", "Y", Segment::HIGH);
    net.edge("X", "L1", Segment::LOW);
    net.edge("L1", "L2", Segment::LOW);
    net.edge("L2", "Y", Segment::LOW);
    QCOMPARE(search(net, "X", "Y", airways(option)), route);
}

void TestRouter::highGapBridgedByLow_data()
{
    // clang-format off
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("route");
    QTest::newRow("prefer HIGH: LOW across the gap") << 0 << "X A B C D Y";
    QTest::newRow("no preference") << 2 << "X A B C D Y";
    // clang-format on
}

void TestRouter::highGapBridgedByLow()
{
    QFETCH(int, option);
    QFETCH(QString, route);
    Net net;
    const QStringList chain = {"X", "A", "B", "C", "D", "Y"};
    for (int i = 0; i < chain.size(); ++i)
        net.add(chain.at(i), 0, 2 * i);
    net.add("E", 3, 5);
    for (int i = 1; i < chain.size(); ++i)
        net.edge(chain.at(i - 1), chain.at(i), chain.at(i) == "C" ? Segment::LOW : Segment::HIGH);
    // The HIGH way round the gap is three times as long.
    net.edge("B", "E", Segment::HIGH);
    net.edge("E", "C", Segment::HIGH);
    QCOMPARE(search(net, "X", "Y", airways(option)), route);
}

void TestRouter::joins_data()
{
    // clang-format off
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("route");
    QTest::newRow("nearest network points") << "" << "" << "AAAA F0 F1 F2 F3 BBBB";
    QTest::newRow("SID exit on the airway") << "F1" << "" << "AAAA F1 F2 F3 BBBB";
    QTest::newRow("STAR entry on the airway") << "" << "F2" << "AAAA F0 F1 F2 BBBB";
    QTest::newRow("exit off the network, joined") << "S" << "" << "AAAA S F0 F1 F2 F3 BBBB";
    QTest::newRow("both") << "F1" << "F2" << "AAAA F1 F2 BBBB";
    // clang-format on
}

void TestRouter::joins()
{
    QFETCH(QString, output);
    QFETCH(QString, input);
    QFETCH(QString, route);
    Net net;
    net.add("AAAA", 0, -1, Point::AIRP, false);
    net.add("BBBB", 0, 4, Point::AIRP, false);
    for (int i = 0; i < 4; ++i)
        net.add(QStringLiteral("F%1").arg(i), 0, i);
    // Beside the departure, on no airway.
    net.add("S", 0.5, -0.8);
    // Far away: never a join.
    net.add("Z", 20, 20);
    for (int i = 1; i < 4; ++i)
        net.edge(QStringLiteral("F%1").arg(i - 1), QStringLiteral("F%1").arg(i), Segment::HIGH);
    net.edge("Z", "F0", Segment::HIGH);
    QCOMPARE(search(net, "AAAA", "BBBB", airways(0), output, input), route);
}

void TestRouter::radioNavigation_data()
{
    // clang-format off
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("route");
    // VOR to VOR up to 200 NM, VOR to NDB 150, NDB to NDB 100; fixes never count.
    QTest::newRow("VOR chain") << "V1" << "V3" << "V1 V2 V3";
    QTest::newRow("NDB to NDB too far") << "N1" << "N3" << "no path";
    QTest::newRow("VOR over an NDB") << "N1" << "V4" << "N1 N2 V4";
    // clang-format on
}

void TestRouter::radioNavigation()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, route);
    Net net;
    net.add("V1", 0, 0, Point::VOR, false);
    net.add("V2", 0, 3, Point::VOR, false);
    net.add("V3", 0, 6, Point::VOR, false);
    net.add("F", 0, 1.5);
    net.add("N1", 10, 0, Point::NDB, false);
    net.add("N2", 10, 1.6, Point::NDB, false); // 95 NM from N1
    net.add("N3", 10, -2, Point::NDB, false);  // 118 NM from N1
    net.add("V4", 11.5, 3, Point::VOR, false); // 122 NM from N2, 199 from N1
    // Radio navigation flies no airway.
    net.edge("N1", "N3", Segment::HIGH);
    QCOMPARE(search(net, from, to, radio()), route);
}

void TestRouter::noPath()
{
    // Two airway networks 2,000 NM apart: no join leg reaches across.
    Net net;
    net.add("A", 0, 0);
    net.add("B", 0, 1);
    net.add("C", 30, 30);
    net.add("D", 30, 31);
    net.edge("A", "B", Segment::HIGH);
    net.edge("C", "D", Segment::HIGH);
    for (int option = 0; option < 4; ++option)
        QCOMPARE(search(net, "A", "D", airways(option)), QStringLiteral("no path"));
    QCOMPARE(search(net, "A", "B", airways(1)), QStringLiteral("no path"));
}

void TestRouter::unlinkedParts_data()
{
    // clang-format off
    QTest::addColumn<bool>("radioNav");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("route");
    const QString none;
    QTest::newRow("HIGH across the ocean") << false << 0 << "AAAA"
                                           << "BBBB" << none << none << "AAAA W0 W1 W2 W3 E0 E1 E2 E3 BBBB";
    QTest::newRow("no LOW across") << false << 1 << "AAAA"
                                   << "BBBB" << none << none << "no path";
    QTest::newRow("too far for direct legs") << false << 3 << "AAAA"
                                             << "BBBB" << none << none << "no path";
    QTest::newRow("no radio aid") << true << 0 << "AAAA"
                                  << "BBBB" << none << none << "no path";
    QTest::newRow("to an island") << false << 0 << "AAAA"
                                  << "CCCC" << none << none << "no path";
    // Legs that leave or reach no network: departure to SID exit, STAR entry to arrival.
    QTest::newRow("SID exit is the STAR entry") << false << 1 << "AAAA"
                                                << "BBBB"
                                                << "X"
                                                << "X"
                                                << "AAAA X BBBB";
    QTest::newRow("direct to an en-route arrival") << false << 3 << "F"
                                                   << "G" << none << "I"
                                                   << "F G";
    QTest::newRow("SID exit flown, near the arrival too") << false << 3 << "F" << "H" << "G" << none << "F G H";
    // Across gaps, to the nearest point in the direction and not 1.25 times as far (OM to OL);
    // no longer leg where a point lies within 200 NM that way (OL to OM), none beyond 600 NM.
    QTest::newRow("across gaps") << false << 3 << "OA" << "OL" << none << none << "OA OM OB OL";
    QTest::newRow("back across gaps") << false << 3 << "OL" << "OA" << none << none << "OL OB OM OA";
    // PQ has PR within 200 NM toward PA, yet flies back the leg PA flies across its gap.
    QTest::newRow("across a gap one side has") << false << 3 << "PA" << "PQ" << none << none << "PA PQ";
    QTest::newRow("back across it") << false << 3 << "PQ" << "PA" << none << none << "PQ PA";
    QTest::newRow("gap over 600 NM") << false << 3 << "OA" << "OZ" << none << none << "no path";
    QTest::newRow("no airway across gaps") << false << 0 << "OA" << "OL" << none << none << "no path";
    // clang-format on
}

// Two airway networks over the equator 37 degrees apart, joined by one HIGH airway; an island
// network far south; a fix X halfway on no airway, too far from both networks to join them;
// en-route fixes F and G 120 NM apart far north, H, no en-route point, halfway, and I, none
// either, far east of them;
// along 10 N far east, en-route fixes 356 NM (OA-OM, OM-OB), 177 NM (OB-OL) and 650 NM (OL-OZ)
// apart, OM 533 NM from OL; farther east PQ 473 NM from PA, PR 390 NM from PA and 118 NM from PQ.
void TestRouter::unlinkedParts()
{
    QFETCH(bool, radioNav);
    QFETCH(int, option);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, output);
    QFETCH(QString, input);
    QFETCH(QString, route);
    Net net;
    net.add("AAAA", 0, -1, Point::AIRP, false);
    net.add("BBBB", 0, 44, Point::AIRP, false);
    net.add("CCCC", -40, 21, Point::AIRP, false);
    for (int i = 0; i < 4; ++i) {
        net.add(QStringLiteral("W%1").arg(i), 0, i);
        net.add(QStringLiteral("E%1").arg(i), 0, 40 + i);
        net.add(QStringLiteral("S%1").arg(i), -40, 20 + i);
    }
    for (const QString &chain : QStringList{"W", "E", "S"}) {
        for (int i = 1; i < 4; ++i)
            net.edge(chain + QString::number(i - 1), chain + QString::number(i), Segment::LOW);
    }
    net.edge("W3", "E0", Segment::HIGH);
    net.add("X", 0, 21.5, Point::FIX, false);
    net.add("F", 30, 0);
    net.add("G", 30, 2);
    net.add("I", 30, 30, Point::FIX, false);
    net.add("H", 30, 1, Point::FIX, false);
    net.add("OA", 10, 100);
    net.add("OM", 10.5, 106);
    net.add("OB", 10, 112);
    net.add("OL", 10, 115);
    net.add("OZ", 10, 126);
    net.add("PA", 10, 140);
    net.add("PQ", 10.3, 148);
    net.add("PR", 9, 146.5);

    AStar::Options options;
    options.radio = radioNav;
    options.airwayOption = option;
    AStar astar;
    const AStar::Result result
        = astar.search(net.built(),
                       {net.index(from), net.index(to), output.isEmpty() ? -1 : net.index(output),
                        input.isEmpty() ? -1 : net.index(input)},
                       options);
    if (route == QLatin1String("no path")) {
        QCOMPARE(result, AStar::NoPath);
        // Told before a single point is visited.
        QCOMPARE(astar.expanded(), 0);
        return;
    }
    QCOMPARE(result, AStar::Found);
    QCOMPARE(net.route(astar), route);
}

void TestRouter::directSearchAimsAtExitAndEntry_data()
{
    // clang-format off
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("seas");
    QTest::addColumn<int>("most");
    // Under three settled per column: aimed at the airports, an exit or entry off the line
    // costs more, and most of the grid where the route must turn back twice.
    QTest::newRow("no exit or entry") << "" << "" << false << 120;
    QTest::newRow("exit off the line") << "G12x4" << "" << false << 120;
    QTest::newRow("entry off the line") << "" << "G0x36" << false << 120;
    QTest::newRow("exit near the arrival, entry near the departure") << "G6x38" << "G6x2" << false << 120;
    // Both airports beyond a sea that a bent chain crosses: once each side has crossed, the other
    // side's estimates leave behind its ways that strayed (555 settled by the best meeting alone).
    QTest::newRow("both airports beyond a sea") << "" << "" << true << 450;
    // clang-format on
}

// A grid of en-route fixes 40 by 12 degrees, 533 of them, with the airports beyond its west
// and east ends: searches that aim at what they must pass settle a band along the route.
void TestRouter::directSearchAimsAtExitAndEntry()
{
    QFETCH(QString, output);
    QFETCH(QString, input);
    QFETCH(bool, seas);
    QFETCH(int, most);
    Net net;
    net.add("AAAA", seas ? -14 : 6, seas ? 20 : -1, Point::AIRP, false);
    net.add("BBBB", 6, seas ? 60 : 41, Point::AIRP, false);
    for (int row = 0; row <= 12; ++row) {
        for (int column = 0; column <= 40; ++column)
            net.add(QStringLiteral("G%1x%2").arg(row).arg(column), row + 0.1 * ((row * 7 + column * 3) % 5),
                    column + 0.1 * ((row * 3 + column * 7) % 5));
    }
    // South of the grid a chain west, then north to its corner, 3 degrees apart; east of it a
    // chain that zigzags between 3 and 9 north.
    for (int step = 0; seas && step < 11; ++step)
        net.add(QStringLiteral("S%1").arg(step), step < 7 ? -14.0 : -14.0 + 3.0 * (step - 6),
                step < 7 ? 17.0 - 3.0 * step : -1.0);
    for (int step = 0; seas && step < 5; ++step)
        net.add(QStringLiteral("E%1").arg(step), step % 2 ? 3.0 : 9.0, 43.0 + 3.0 * step);
    AStar astar;
    const AStar::Request request{net.index("AAAA"), net.index("BBBB"), output.isEmpty() ? -1 : net.index(output),
                                 input.isEmpty() ? -1 : net.index(input)};
    QCOMPARE(astar.search(net.built(), request, airways(AStar::IgnoreAirways)), AStar::Found);
    if (!output.isEmpty())
        QCOMPARE(astar.path().at(1), net.index(output));
    if (!input.isEmpty())
        QCOMPARE(astar.path().at(astar.path().size() - 2), net.index(input));
    QVERIFY2(astar.expanded() <= most, qPrintable(QString::number(astar.expanded())));
}

void TestRouter::invalidEnds()
{
    Net net;
    net.add("A", 0, 0);
    net.add("B", 0, 1);
    net.add("NOWHERE", qQNaN(), qQNaN());
    net.edge("A", "B", Segment::HIGH);
    QCOMPARE(search(net, "A", "A", airways(0)), QStringLiteral("invalid"));
    QCOMPARE(search(net, "A", "MISSING", airways(0)), QStringLiteral("invalid"));
    QCOMPARE(search(net, "A", "NOWHERE", airways(0)), QStringLiteral("invalid"));
    AStar astar;
    QCOMPARE(astar.search(nullptr, {0, 1, -1, -1}, airways(0)), AStar::InvalidEnds);
    // Without indexes the graph cannot be searched.
    Net bare;
    bare.add("A", 0, 0);
    bare.add("B", 0, 1);
    QCOMPARE(astar.search(bare.graph, {0, 1, -1, -1}, airways(0)), AStar::InvalidEnds);
}

void TestRouter::stopFlag()
{
    Net net;
    net.add("A", 0, 0);
    net.add("B", 0, 1);
    net.edge("A", "B", Segment::HIGH);
    std::atomic<bool> stop{true};
    AStar astar;
    QCOMPARE(astar.search(net.built(), {0, 1, -1, -1}, airways(0), &stop), AStar::Interrupted);
    QVERIFY(astar.path().isEmpty());
    stop = false;
    QCOMPARE(astar.search(net.built(), {0, 1, -1, -1}, airways(0), &stop), AStar::Found);
}

void TestRouter::progressReachesHundred()
{
    Net net;
    for (int i = 0; i < 10; ++i)
        net.add(QStringLiteral("P%1").arg(i), 0, i);
    for (int i = 1; i < 10; ++i)
        net.edge(QStringLiteral("P%1").arg(i - 1), QStringLiteral("P%1").arg(i), Segment::LOW);
    QList<int> seen;
    AStar astar;
    QCOMPARE(astar.search(net.built(), {0, 9, -1, -1}, airways(2), nullptr, [&](int p) { seen.append(p); }),
             AStar::Found);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), 0);
    QCOMPARE(seen.last(), 100);
    for (int i = 1; i < seen.size(); ++i)
        QVERIFY(seen.at(i) > seen.at(i - 1));
    QCOMPARE(astar.legEdges().size(), 9);
    QVERIFY(qAbs(astar.distance() - 9 * AStar::distanceNm({0, 0}, {0, 1})) < 1e-6);
}

void TestRouter::neverLongerThanDijkstra_data()
{
    // clang-format off
    QTest::addColumn<bool>("radioNav");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("ocean");
    QTest::addColumn<bool>("polar");
    QTest::newRow("prefer HIGH") << false << 0 << false << false;
    QTest::newRow("only LOW") << false << 1 << false << false;
    QTest::newRow("no preference") << false << 2 << false << false;
    QTest::newRow("ignore airways") << false << 3 << false << false;
    QTest::newRow("radio") << true << 0 << false << false;
    // Only direct legs across the gaps cross the ocean: no airway does, no radio aid lies there.
    QTest::newRow("ocean, prefer HIGH") << false << 0 << true << false;
    QTest::newRow("ocean, ignore airways") << false << 3 << true << false;
    QTest::newRow("ocean, radio") << true << 0 << true << false;
    // Around the north pole, where a leg spans many cells of a row and the cells' rows end.
    QTest::newRow("pole, ignore airways") << false << 3 << false << true;
    QTest::newRow("pole, radio") << true << 0 << false << true;
    // clang-format on
}

// A plain Dijkstra over the same costs, with the legs enumerated by brute force rather than
// through the graph's cells, on random pairs of a random network.
void TestRouter::neverLongerThanDijkstra()
{
    QFETCH(bool, radioNav);
    QFETCH(int, option);
    QFETCH(bool, ocean);
    QFETCH(bool, polar);
    AStar::Options options;
    options.radio = radioNav;
    options.airwayOption = option;

    QRandomGenerator random(20250101u + option + (radioNav ? 10 : 0) + (ocean ? 100 : 0) + (polar ? 1000 : 0));
    Net net;
    const int randomCount = 350;
    // The last random nodes lie 30 degrees beyond the others, further than any leg: no route
    // links the two groups.
    const int farFirst = 300;
    for (int i = 0; i < randomCount; ++i) {
        const int roll = random.bounded(100);
        const int type = roll < 20 ? Point::VOR : (roll < 35 ? Point::NDB : Point::FIX);
        // Across the date line and at high latitudes, where the cells are narrow. Over the
        // ocean, the others lie on two coasts 20 degrees apart, every second one on the east.
        double lon = (i < farFirst ? 172.0 : 218.0) + random.generateDouble() * 16.0;
        double lat = 58.0 + random.generateDouble() * 8.0;
        if (ocean) {
            lon = (i >= farFirst ? 240.0 : (i % 2 ? 200.0 : 170.0)) + (lon - (i < farFirst ? 172.0 : 218.0)) / 1.6;
            lat -= 8.0;
        }
        // Around the pole, 83 to 89.5 N at every longitude; the last ones 25 degrees south.
        if (polar) {
            lon = random.generateDouble() * 360.0;
            lat = i < farFirst ? 83.0 + random.generateDouble() * 6.5 : 50.0 + random.generateDouble() * 8.0;
        }
        if (lon > 180.0)
            lon -= 360.0;
        net.add(QStringLiteral("N%1").arg(i), lat, lon, type, type == Point::FIX);
    }
    // Between the coasts two lines of oceanic fixes at every degree of latitude, 6 and 14
    // degrees east of the west coast: 190 to 310 NM from the coasts and from each other.
    for (int line = 0; ocean && line < 2; ++line) {
        for (int lat = 48; lat <= 60; ++lat)
            net.add(QStringLiteral("O%1N%2").arg(lat).arg(line), lat, line ? -166.0 : -174.0);
    }
    const int count = int(net.graph->nodes.size());
    auto west = [&](int n) { return ocean && n < farFirst && n % 2 == 0; };
    auto east = [&](int n) { return ocean && n < farFirst && n % 2 == 1; };
    auto far = [&](int n) { return n >= farFirst && n < randomCount; };
    // Each node gets airways to a few of its neighbours within 150 NM, of random kind and direction.
    const int kinds[] = {Segment::LOW, Segment::HIGH, Segment::TRACK};
    for (int i = 0; i < count; ++i) {
        QList<int> near;
        for (int j = 0; j < count; ++j) {
            if (j != i
                && AStar::distanceNm(net.graph->nodes.at(i).coordinate, net.graph->nodes.at(j).coordinate) < 150.0)
                near.append(j);
        }
        for (int k = 0; k < 4 && !near.isEmpty(); ++k) {
            const int j = near.takeAt(random.bounded(int(near.size())));
            // Half of them both ways, the others one way.
            const int direction = random.bounded(2) == 0 ? 0 : (random.bounded(2) == 0 ? 1 : -1);
            net.graph->edges.append({i, j, kinds[random.bounded(3)], direction});
        }
    }
    const std::shared_ptr<const Graph> graph = net.built();
    const auto &nodes = graph->nodes;
    // Each distance once: the searches below ask for the same ones millions of times.
    std::vector<double> distances(size_t(count) * size_t(count), 0.0);
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            const double d = AStar::distanceNm(nodes.at(a).coordinate, nodes.at(b).coordinate);
            distances[size_t(a) * size_t(count) + size_t(b)] = d;
            distances[size_t(b) * size_t(count) + size_t(a)] = d;
        }
    }
    auto distance = [&](int a, int b) { return distances[size_t(a) * size_t(count) + size_t(b)]; };
    const bool direct = radioNav || option == AStar::IgnoreAirways;
    auto member
        = [&](int n) { return radioNav ? AStar::isRadioAid(nodes.at(n).type) : AStar::isEnroutePoint(nodes.at(n)); };
    // Legs across a gap: per point and sector of 45 degrees of bearing from north, the nearest
    // other en-route point there.
    auto sector = [&](int a, int b) {
        return int(std::floor(nodes.at(a).coordinate.azimuthTo(nodes.at(b).coordinate) / 45.0)) % 8;
    };
    std::vector<std::array<double, 8>> nearest(count);
    for (int a = 0; a < count; ++a) {
        nearest[a].fill(std::numeric_limits<double>::infinity());
        for (int b = 0; direct && !radioNav && b < count; ++b) {
            if (b != a && member(a) && member(b))
                nearest[a][sector(a, b)] = std::min(nearest[a][sector(a, b)], distance(a, b));
        }
    }
    // A leg across a gap is flown both ways.
    auto across = [&](int u, int v, double d) {
        return nearest[u][sector(u, v)] > AStar::DirectLegNm && d <= 600.0 && d <= 1.25 * nearest[u][sector(u, v)];
    };
    auto directLeg = [&](int u, int v) {
        const double d = distance(u, v);
        if (radioNav)
            return d <= AStar::receptionRange(nodes.at(u).type) + AStar::receptionRange(nodes.at(v).type);
        return d <= AStar::DirectLegNm || across(u, v, d) || across(v, u, d);
    };
    // Every leg out of each point, by brute force over all points or all airways.
    std::vector<std::vector<int>> legs(count);
    std::vector<std::vector<const Graph::Edge *>> ways(count);
    for (int u = 0; u < count; ++u) {
        for (int v = 0; direct && v < count; ++v) {
            if (v != u && member(v) && directLeg(u, v))
                legs[u].push_back(v);
        }
        for (const Graph::Edge &e : graph->edges) {
            if (!direct && e.next(u) >= 0 && e.next(u) != u)
                ways[u].push_back(&e);
        }
    }

    AStar astar;
    int found = 0;
    int compared = 0;
    int crossings = 0;
    // Few random pairs join two radio aids.
    const int pairs = radioNav ? 500 : 150;
    for (int pair = 0; pair < pairs; ++pair) {
        const int from = random.bounded(count);
        const int to = random.bounded(count);
        if (from == to)
            continue;
        // The ends are network points, so that no join legs come in.
        if (direct && (!member(from) || !member(to)))
            continue;
        if (!direct) {
            bool out = false, in = false;
            for (const Graph::Edge &e : graph->edges) {
                if (AStar::airwayFactor(option, e.kind, false) < 0)
                    continue;
                out = out || e.next(from) >= 0;
                in = in || (e.from == to && e.next(e.to) == to) || (e.to == to && e.next(e.from) == to);
            }
            if (!out || !in)
                continue;
        }

        // Over direct legs, one pair in three has a SID exit and a STAR entry on the network:
        // the departure flies to the exit only, the arrival is flown to from the entry or
        // directly.
        int exit = direct && pair % 3 == 0 ? random.bounded(count) : -1;
        int entry = direct && pair % 3 == 0 ? random.bounded(count) : -1;
        if (exit >= 0 && (!member(exit) || exit == from || exit == to))
            exit = -1;
        if (entry >= 0 && (!member(entry) || entry == from || entry == to))
            entry = -1;
        const int source = exit >= 0 ? exit : from;

        std::vector<double> best(count, std::numeric_limits<double>::infinity());
        std::vector<bool> done(count, false);
        done[from] = exit >= 0;
        using Item = std::pair<double, int>;
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
        best[source] = 0.0;
        queue.push({0.0, source});
        while (!queue.empty()) {
            const double g = queue.top().first;
            const int u = queue.top().second;
            queue.pop();
            if (done[u])
                continue;
            done[u] = true;
            auto relax = [&](int v, double cost) {
                if (g + cost < best[v]) {
                    best[v] = g + cost;
                    queue.push({best[v], v});
                }
            };
            for (int v : legs[u])
                relax(v, distance(u, v));
            for (const Graph::Edge *e : ways[u]) {
                const int v = e->next(u);
                const bool cruise = std::min({distance(u, from), distance(v, from), distance(u, to), distance(v, to)})
                                    > AStar::TerminalZoneNm;
                const double factor = AStar::airwayFactor(option, e->kind, cruise);
                if (factor > 0)
                    relax(v, distance(u, v) * factor);
            }
        }

        const double shortest = (exit >= 0 ? distance(from, exit) : 0.0)
                                + std::min(best[to], entry >= 0 ? best[entry] + distance(entry, to) : best[to]);
        const auto result = astar.search(graph, {from, to, exit, entry}, options);
        ++compared;
        if (std::isinf(shortest)) {
            QCOMPARE(result, AStar::NoPath);
            // Between the two groups that is clear before any point is visited.
            if (far(from) != far(to) && exit < 0 && entry < 0)
                QCOMPARE(astar.expanded(), 0);
            continue;
        }
        QCOMPARE(result, AStar::Found);
        ++found;
        // A leg to a SID exit or from a STAR entry may be of any length.
        if (exit < 0 && entry < 0 && ((west(from) && east(to)) || (east(from) && west(to))))
            ++crossings;
        QVERIFY2(
            qAbs(astar.cost() - shortest) <= 1e-6 * shortest,
            qPrintable(QStringLiteral("%1 -> %2: %3 against %4").arg(from).arg(to).arg(astar.cost()).arg(shortest)));
        QCOMPARE(astar.path().first(), from);
        if (exit >= 0)
            QCOMPARE(astar.path().at(1), exit);
        QCOMPARE(astar.path().last(), to);
        QVERIFY(astar.distance() <= astar.cost() + 1e-9);
    }
    QVERIFY2(found >= 10, qPrintable(QStringLiteral("only %1 of %2 pairs connected").arg(found).arg(compared)));
    if (ocean)
        QCOMPARE(crossings > 0, direct && !radioNav);
}

// ---- the router thread over the database

void TestRouter::fillGrid(int side)
{
    m_db->clear();
    m_db->beginModifying();
    QList<Point *> points;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            auto *point
                = new Point(Point::FIX, QGeoCoordinate(40.0 + r * 0.1, c * 0.1), QStringLiteral("G%1X%2").arg(r).arg(c),
                            QStringLiteral("ENRT"), QStringLiteral("K1"), QString(), 0, 0.0f, QStringLiteral("C   "));
            m_db->addPoint(point);
            points.append(point);
        }
    }
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            Point *p = points.at(r * side + c);
            if (c + 1 < side)
                m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, p, points.at(r * side + c + 1),
                                             QStringLiteral("V%1").arg(r), 0, 180));
            if (r + 1 < side)
                m_db->addSegment(new Segment(Segment::NONE, Segment::LOW, p, points.at((r + 1) * side + c),
                                             QStringLiteral("V%1").arg(1000 + c), 0, 180));
        }
    }
    m_db->endModifying();
    Settings::setBool(QStringLiteral("generator/airwayNavigation"), true);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), false);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), 2);
}

void TestRouter::routerMessages_data()
{
    // clang-format off
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("Need two valid, different points for departure and arrival");
    QTest::newRow("no departure") << "" << "K1/ENRT/G0X0" << invalid;
    QTest::newRow("equal ends") << "K1/ENRT/G0X0" << "K1/ENRT/G0X0" << invalid;
    QTest::newRow("unknown arrival") << "K1/ENRT/G0X0" << "K1/ENRT/NOPE" << invalid;
    QTest::newRow("found") << "K1/ENRT/G0X0" << "K1/ENRT/G2X2" << "Routing done!";
    QTest::newRow("isolated arrival")
        << "K1/ENRT/G0X0" << "ZZ/ENRT/ALONE" << "No path found between departure and arrival";
    QTest::newRow("no thread for the search") << "K1/ENRT/G0X0" << "K1/ENRT/G2X2"
        << "Routing failed: no thread can be started for the search";
    QTest::newRow("memory runs out") << "K1/ENRT/G0X0" << "K1/ENRT/G2X2"
        << "Routing failed: there is not enough memory for the search";
    // clang-format on
}

void TestRouter::routerMessages()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    const QByteArray fault = QTest::currentDataTag();
    fillGrid(3);
    // An en-route fix on no airway, far beyond any join.
    m_db->addPoint(new Point(Point::FIX, QGeoCoordinate(-40, -100), QStringLiteral("ALONE"), QStringLiteral("ENRT"),
                             QStringLiteral("ZZ"), QString(), 0, 0.0f, QStringLiteral("C   ")));
    Router router;
    QSignalSpy done(&router, &Router::done);
    router.setEndpoints(from, to);
    if (fault == "no thread for the search")
        ThreadStart::failNext(1);
    // On the router's thread, as a failed allocation inside the search would.
    if (fault == "memory runs out")
        connect(&router, &Router::progress, [] { throw std::bad_alloc(); });
    router.start();
    QVERIFY(router.isBusy());
    QVERIFY(done.wait(10000));
    QCOMPARE(done.count(), 1);
    QVERIFY(!router.isBusy());
    QCOMPARE(router.getMessage(), message);
    QCOMPARE(router.getStatus(), message == QStringLiteral("Routing done!"));
    QCOMPARE(router.route().isEmpty(), !router.getStatus());
}

void TestRouter::routerFindsRoute()
{
    fillGrid(5);
    Router router;
    QSignalSpy started(&router, SIGNAL(started()));
    QSignalSpy done(&router, &Router::done);
    QSignalSpy progress(&router, &Router::progress);
    router.setEndpoints(QStringLiteral("K1/ENRT/G0X0"), QStringLiteral("K1/ENRT/G0X4"));
    router.start();
    // A second start while searching changes nothing.
    router.start();
    QVERIFY(done.wait(10000));
    QTest::qWait(20);
    QCOMPARE(done.count(), 1);
    QCOMPARE(started.count(), 1);
    QVERIFY(router.getStatus());
    QCOMPARE(progress.last().at(0).toInt(), 100);
    QStringList codes;
    for (const Point *p : router.route())
        codes.append(p->code());
    QCOMPARE(codes, QStringList({"G0X0", "G0X1", "G0X2", "G0X3", "G0X4"}));
    QCOMPARE(router.airwayLegs(), QList<bool>({true, true, true, true}));
    QVERIFY(qAbs(router.distance() - AStar::distanceNm({40, 0}, {40, 0.4})) < 0.01);
    QVERIFY(router.routeGeneration() > 0);
}

void TestRouter::routerStopsWithinMilliseconds()
{
    fillGrid(120);
    // Declared before the router: the router thread writes them until the router's end.
    QElapsedTimer clock;
    std::atomic<qint64> stoppedAt{-1};
    std::atomic<qint64> endedAt{-1};
    Router router;
    QSignalSpy done(&router, &Router::done);
    // Stops from inside the search, at its first progress report, so that it is surely running.
    connect(
        &router, &Router::progress, &router,
        [&](int) {
            if (stoppedAt.load() < 0) {
                stoppedAt = clock.nsecsElapsed();
                router.stop();
            }
        },
        Qt::DirectConnection);
    connect(
        &router, &QThread::finished, &router, [&] { endedAt = clock.nsecsElapsed(); }, Qt::DirectConnection);
    router.setEndpoints(QStringLiteral("K1/ENRT/G0X0"), QStringLiteral("K1/ENRT/G119X119"));
    clock.start();
    router.start();
    QVERIFY(done.wait(20000));
    // done() comes queued from finished(): the thread may not have run its own slot yet.
    QVERIFY(router.wait(20000));
    QVERIFY(stoppedAt.load() >= 0);
    // A few milliseconds on an idle machine; the margin keeps a busy test machine from failing it.
    QVERIFY2(endedAt.load() - stoppedAt.load() < 100'000'000,
             qPrintable(QString::number((endedAt.load() - stoppedAt.load()) / 1e6) + " ms"));
    QVERIFY(!router.getStatus());
    QCOMPARE(router.getMessage(), QStringLiteral("Routing interrupted"));
    QVERIFY(router.route().isEmpty());
    QCOMPARE(router.distance(), 0.0);

    // The next search runs to its end again.
    disconnect(&router, &Router::progress, &router, nullptr);
    router.start();
    QVERIFY(done.wait(20000));
    QVERIFY(router.getStatus());
}

void TestRouter::routerRefusesRouteOfOlderGeneration()
{
    fillGrid(10);
    std::atomic<bool> changed{false};
    Router router;
    QSignalSpy done(&router, &Router::done);
    // A modification step while the search runs, as an import thread would make.
    connect(
        &router, &Router::progress, &router,
        [&](int) {
            if (!changed.exchange(true)) {
                m_db->beginModifying();
                m_db->endModifying();
            }
        },
        Qt::DirectConnection);
    router.setEndpoints(QStringLiteral("K1/ENRT/G0X0"), QStringLiteral("K1/ENRT/G9X9"));
    router.start();
    QVERIFY(done.wait(10000));
    QVERIFY(changed.load());
    QVERIFY(!router.getStatus());
    QCOMPARE(router.getMessage(), QStringLiteral("Navigation database changed. Please generate the route again."));
    QVERIFY(router.route().isEmpty());

    // Against the data as it is now, the same request succeeds.
    disconnect(&router, &Router::progress, &router, nullptr);
    router.start();
    QVERIFY(done.wait(10000));
    QVERIFY(router.getStatus());

    // A modification open when the search starts refuses it at once.
    m_db->beginModifying();
    router.start();
    QVERIFY(done.wait(10000));
    m_db->endModifying();
    QCOMPARE(router.getMessage(), QStringLiteral("Navigation database changed. Please generate the route again."));
}

void TestRouter::routerDestroyedWhileSearching()
{
    fillGrid(120);
    // The search holds at its first progress report until the main thread is about to
    // destroy the router, then gives the destructor ample time to ask it to stop. A
    // destructor that only waited would let it run on to the arrival and report 100 %.
    QSemaphore running;
    QSemaphore destroying;
    std::atomic<int> lastPercent{-1};
    auto router = std::make_unique<Router>();
    connect(
        router.get(), &Router::progress, router.get(),
        [&](int percent) {
            if (lastPercent.exchange(percent) < 0) {
                running.release();
                destroying.acquire();
                QThread::msleep(100);
            }
        },
        Qt::DirectConnection);
    router->setEndpoints(QStringLiteral("K1/ENRT/G0X0"), QStringLiteral("K1/ENRT/G119X119"));
    router->start();
    // The graph of a busy machine may take long to build; a search that never reports must not
    // hold the destructor either.
    const bool reported = running.tryAcquire(1, 120000);
    destroying.release();
    QVERIFY(reported);
    router.reset();
    QVERIFY2(lastPercent.load() < 100, qPrintable(QString::number(lastPercent.load())));
}

QTEST_MAIN(TestRouter)
#include "tst_router.moc"
