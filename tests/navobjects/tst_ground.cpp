#include "basemodel.h"
#include "bezier.h"
#include "boundary.h"
#include "paintlight.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QHashSeed>
#include <QRegularExpression>
#include <QTest>

// Start-up positions, taxiway names and the curved ground items: parsers, texts, polylines,
// paint styles, role tables and database records.
class TestGround : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void roleNames_data();
    void roleNames();

    void startupTypeFromString_data();
    void startupTypeFromString();
    void startupAirplanesFromString_data();
    void startupAirplanesFromString();
    void startupAirplanesText_data();
    void startupAirplanesText();
    void startupTooltip();
    void startupRecordBytes();
    void startupRoundTrip();

    void taxinameTexts();
    void taxinameRoundTrip();

    void polyline_data();
    void polyline();
    void polylineIsKept();
    void invalidControlStoresNothing();
    void taxiwaySurfaceClamped();
    void pathRoundTrip_data();
    void pathRoundTrip();
    void controlsInNodeOrder_data();
    void controlsInNodeOrder();
    void boundingAsQGeoPath_data();
    void boundingAsQGeoPath();
    void controlsOfFormerFiles();

    void paintlightStyle_data();
    void paintlightStyle();
    void paintlightNegativeCode();
    void paintlightRoundTrip_data();
    void paintlightRoundTrip();

    void truncatedRecords_data();
    void truncatedRecords();
    void failedStreamYieldsNothing();

    void models();
};

using TestSupport::recordOf;

namespace {

const QGeoCoordinate n0(50.0, 8.0);
const QGeoCoordinate n1(50.0, 8.01);
const QGeoCoordinate n2(50.01, 8.01);
const QGeoCoordinate c0(50.005, 8.005);

QList<QGeoCoordinate> coordinates(const QVariantList &list)
{
    QList<QGeoCoordinate> result;
    for (const QVariant &v : list)
        result.append(v.value<QGeoCoordinate>());
    return result;
}

template <typename T>
T *readBack(const QByteArray &bytes, QDataStream::Status *status = nullptr)
{
    QDataStream in(bytes);
    T *item = reinterpret_cast<T *>(quintptr(1)); // must be overwritten, also on failure
    in >> item;
    if (status)
        *status = in.status();
    return item;
}

struct PathNode
{
    QGeoCoordinate node;
    QGeoCoordinate control;
};

} // namespace

Q_DECLARE_METATYPE(QList<QGeoCoordinate>)
Q_DECLARE_METATYPE(QList<PathNode>)

void TestGround::initTestCase()
{
    TestSupport::initApplication();
}

void TestGround::roleNames_data()
{
    // clang-format off
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("role");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("startup position") << "Startup" << 0xC0FFFF << QByteArray("role_position");
    QTest::newRow("startup heading") << "Startup" << 0xC10000 << QByteArray("role_heading");
    QTest::newRow("startup code") << "Startup" << 0xC10001 << QByteArray("role_code");
    QTest::newRow("startup tooltip") << "Startup" << 0xC10002 << QByteArray("role_tooltip");
    QTest::newRow("startup uid") << "Startup" << 0x1FFFF << QByteArray("role_uid");

    QTest::newRow("taxiname position") << "Taxiname" << 0x90FFFF << QByteArray("role_position");
    QTest::newRow("taxiname heading") << "Taxiname" << 0x910000 << QByteArray("role_heading");
    QTest::newRow("taxiname direction") << "Taxiname" << 0x910001 << QByteArray("role_direction");
    QTest::newRow("taxiname name") << "Taxiname" << 0x910002 << QByteArray("role_name");
    QTest::newRow("taxiname tooltip") << "Taxiname" << 0x910003 << QByteArray("role_tooltip");
    QTest::newRow("taxiname minzoom") << "Taxiname" << 0x20002 << QByteArray("role_minzoom");

    QTest::newRow("boundary polyline") << "Boundary" << 0x20FFFF << QByteArray("role_polyline");
    QTest::newRow("boundary bounding") << "Boundary" << 0x20000 << QByteArray("role_bounding");

    QTest::newRow("taxiway surface") << "Taxiway" << 0x80FFFF << QByteArray("role_surface");
    QTest::newRow("taxiway polyline") << "Taxiway" << 0x810000 << QByteArray("role_polyline");
    QTest::newRow("taxiway color") << "Taxiway" << 0x810001 << QByteArray("role_color");
    QTest::newRow("taxiway search") << "Taxiway" << 0x20001 << QByteArray("role_search");

    QTest::newRow("paintlight polyline") << "Paintlight" << 0xB0FFFF << QByteArray("role_polyline");
    QTest::newRow("paintlight unknown") << "Paintlight" << 0xB10000 << QByteArray("role_unknown");
    QTest::newRow("paintlight unknownstring") << "Paintlight" << 0xB10001 << QByteArray("role_unknownstring");
    QTest::newRow("paintlight hasline") << "Paintlight" << 0xB10002 << QByteArray("role_hasline");
    QTest::newRow("paintlight linewidth") << "Paintlight" << 0xB10003 << QByteArray("role_linewidth");
    QTest::newRow("paintlight dashedline") << "Paintlight" << 0xB10004 << QByteArray("role_dashedline");
    QTest::newRow("paintlight linepattern") << "Paintlight" << 0xB10005 << QByteArray("role_linepattern");
    QTest::newRow("paintlight linecolor") << "Paintlight" << 0xB10006 << QByteArray("role_linecolor");
    QTest::newRow("paintlight haslight") << "Paintlight" << 0xB10007 << QByteArray("role_haslight");
    QTest::newRow("paintlight lightcolor") << "Paintlight" << 0xB10008 << QByteArray("role_lightcolor");
    QTest::newRow("paintlight minzoom details") << "Paintlight" << 0x20003 << QByteArray("role_minzoom_details");
    // clang-format on
}

void TestGround::roleNames()
{
    QFETCH(QString, item);
    QFETCH(int, role);
    QFETCH(QByteArray, name);

    static const QHash<QString, QPair<QHash<int, QByteArray>, int>> tables = {
        {"Startup", {Startup::roleNames(), 5 + 4}},        {"Taxiname", {Taxiname::roleNames(), 5 + 5}},
        {"Boundary", {Boundary::roleNames(), 5 + 2}},      {"Taxiway", {Taxiway::roleNames(), 5 + 4}},
        {"Paintlight", {Paintlight::roleNames(), 5 + 10}},
    };
    const auto table = tables.value(item);
    QCOMPARE(table.first.size(), table.second);
    QCOMPARE(table.first.value(role), name);
}

void TestGround::startupTypeFromString_data()
{
    // clang-format off
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("warns");

    QTest::newRow("gate") << "gate" << 1 << false;
    QTest::newRow("hangar") << "hangar" << 2 << false;
    QTest::newRow("misc") << "misc" << 3 << false;
    QTest::newRow("tie_down") << "tie_down" << 4 << false;
    QTest::newRow("capital Gate") << "Gate" << 0 << true;
    QTest::newRow("empty") << "" << 0 << true;
    QTest::newRow("gate with blank") << "gate " << 0 << true;
    // clang-format on
}

void TestGround::startupTypeFromString()
{
    QFETCH(QString, word);
    QFETCH(int, type);
    QFETCH(bool, warns);

    if (warns)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unknown startup type"));
    QCOMPARE(Startup::typeFromString(word), type);
}

void TestGround::startupAirplanesFromString_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bits");

    QTest::newRow("heavy|jets") << "heavy|jets" << 6;
    QTest::newRow("turboprops alone") << "turboprops" << 8;
    QTest::newRow("props alone") << "props" << 16;
    QTest::newRow("turboprops|props") << "turboprops|props" << 24;
    QTest::newRow("all five") << "heavy|jets|turboprops|props|helos" << 62;
    QTest::newRow("order and separators") << "helos jets,heavy" << 38;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("inside a word") << "superheavy jetsetter" << 0;
    QTest::newRow("digits around") << "1props2" << 16;
    QTest::newRow("case sensitive") << "Heavy|JETS" << 0;
    // clang-format on
}

void TestGround::startupAirplanesFromString()
{
    QFETCH(QString, text);
    QFETCH(int, bits);
    QCOMPARE(Startup::airplanesFromString(text), bits);
}

void TestGround::startupAirplanesText_data()
{
    // clang-format off
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("text");

    QTest::newRow("heavy and jet") << 6 << "Heavy, Jet";
    QTest::newRow("none") << 0 << "Unknown airplanes";
    QTest::newRow("outside the table") << 1 << "";
    QTest::newRow("all") << 62 << "Heavy, Jet, Turboprop, Propeller, Helicopter";
    QTest::newRow("helicopter and props") << 48 << "Propeller, Helicopter";
    // clang-format on
}

void TestGround::startupAirplanesText()
{
    QFETCH(int, bits);
    QFETCH(QString, text);
    QCOMPARE(Startup::airplanesText(bits), text);
}

void TestGround::startupTooltip()
{
    const QGeoCoordinate position(50.0, 8.5);
    Startup gate(1, 4, position, 90.0f, QStringLiteral("A12"));
    const QString html = gate.tooltipHtml();

    QVERIFY(html.startsWith(QStringLiteral("<body><h1>Startup location A12</h1><p>")));
    QVERIFY(html.contains(QStringLiteral("<b>Type</b>: Gate<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Airplanes</b>: Jet<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Position</b>: ")
                          + position.toString(QGeoCoordinate::DegreesMinutesSecondsWithHemisphere) + "</p></body>"));
    QCOMPARE(gate.data(Startup::RoleTooltip).toString(), html);
    QCOMPARE(gate.data(Startup::RoleCode).toString(), QStringLiteral("A12"));
    QCOMPARE(gate.uid(), QStringLiteral("NOUID"));

    // Names come from the simulator's files and must not become markup.
    Startup odd(0, 0, position, 0.0f, QStringLiteral("<i>B&1</i>"));
    const QString oddHtml = odd.tooltipHtml();
    QVERIFY(oddHtml.contains(QStringLiteral("&lt;i&gt;B&amp;1&lt;/i&gt;")));
    QVERIFY(!oddHtml.contains(QStringLiteral("<i>")));
    QVERIFY(oddHtml.contains(QStringLiteral("Unknown startup type")));
    QVERIFY(oddHtml.contains(QStringLiteral("Unknown airplanes")));
}

void TestGround::startupRecordBytes()
{
    const Startup gate(1, 4, QGeoCoordinate(50.0, 8.5), 90.5f, QStringLiteral("A12"));
    const QByteArray expected = QByteArray::fromHex("01"                     // type
                                                    "04"                     // airplanes
                                                    "4049000000000000"       // latitude 50.0
                                                    "4021000000000000"       // longitude 8.5
                                                    "7ff8000000000000"       // no altitude
                                                    "4056a00000000000"       // heading as an 8-byte double
                                                    "00000006004100310032"); // "A12", UTF-16
    QCOMPARE(recordOf(gate).toHex(), expected.toHex());
}

void TestGround::startupRoundTrip()
{
    const Startup original(4, 48, QGeoCoordinate(-33.9461, 151.1772), 271.25f, QStringLiteral("GA 7"));
    QDataStream::Status status;
    std::unique_ptr<Startup> copy(readBack<Startup>(recordOf(original), &status));
    QCOMPARE(status, QDataStream::Ok);
    QVERIFY(copy);
    QCOMPARE(copy->startupType(), 4);
    QCOMPARE(copy->airplanes(), 48);
    QCOMPARE(copy->position(), original.position());
    QCOMPARE(copy->heading(), 271.25f);
    QCOMPARE(copy->name(), QStringLiteral("GA 7"));
    QCOMPARE(copy->bounding(), original.bounding());
    QCOMPARE(copy->data(Startup::RolePosition).value<QGeoCoordinate>(), original.position());
}

void TestGround::taxinameTexts()
{
    Taxiname b(QGeoCoordinate(50.0, 8.5), 45.0, Taxiname::TwoWay, QChar('D'), QStringLiteral("B"));
    QCOMPARE(b.tooltipHtml(), QStringLiteral("<body><h1>Taxiway</h1><p><b>Name</b>: B<br/><b>Direction</b>: "
                                             "Two-way<br/><b>Wingspan</b>: D</p></body>"));

    Taxiname oneWay(QGeoCoordinate(50.0, 8.5), 45.0, Taxiname::OneWay, QChar('C'), QStringLiteral("A"));
    QCOMPARE(oneWay.directionText(), QStringLiteral("One-way"));
    QCOMPARE(oneWay.data(Taxiname::RoleDirection).toInt(), int(Taxiname::OneWay));

    Taxiname odd(QGeoCoordinate(50.0, 8.5), 45.0, 2, QChar('<'), QStringLiteral("A&B"));
    QCOMPARE(odd.directionText(), QString());
    QVERIFY(odd.tooltipHtml().contains(QStringLiteral("<b>Name</b>: A&amp;B")));
    QVERIFY(odd.tooltipHtml().contains(QStringLiteral("<b>Wingspan</b>: &lt;")));
}

void TestGround::taxinameRoundTrip()
{
    const Taxiname original(QGeoCoordinate(47.46, 8.55), 123.456, Taxiname::OneWay, QChar(u'É'),
                            QStringLiteral("Alpha 2"));
    const QByteArray bytes = recordOf(original);
    // position 24, heading 8, direction 4, wingspan 2, name 4 + 14
    QCOMPARE(bytes.size(), 24 + 8 + 4 + 2 + 4 + 14);

    QDataStream::Status status;
    std::unique_ptr<Taxiname> copy(readBack<Taxiname>(bytes, &status));
    QCOMPARE(status, QDataStream::Ok);
    QVERIFY(copy);
    QCOMPARE(copy->position(), original.position());
    QCOMPARE(copy->heading(), 123.456);
    QCOMPARE(copy->direction(), int(Taxiname::OneWay));
    QCOMPARE(copy->wingspan(), QChar(u'É'));
    QCOMPARE(copy->name(), QStringLiteral("Alpha 2"));
    QCOMPARE(copy->bounding(), original.bounding());
}

void TestGround::polyline_data()
{
    // clang-format off
    QTest::addColumn<QList<PathNode>>("nodes");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QList<QGeoCoordinate>>("expected");

    const QGeoCoordinate none;
    const auto curve = [](const QGeoCoordinate &from, const QGeoCoordinate &control, const QGeoCoordinate &to) {
        return coordinates(Bezier::quadraticPath(6, from, control, to));
    };

    QTest::newRow("straight open") << QList<PathNode>{{n0, none}, {n1, none}, {n2, none}} << false
                                   << QList<QGeoCoordinate>{n0, n1, n2};
    QTest::newRow("straight closed") << QList<PathNode>{{n0, none}, {n1, none}, {n2, none}} << true
                                     << QList<QGeoCoordinate>{n0, n1, n2, n0};
    QTest::newRow("curve after first node") << QList<PathNode>{{n0, c0}, {n1, none}, {n2, none}} << false
                                            << (QList<QGeoCoordinate>{n0} + curve(n0, c0, n1) + QList{n1, n2});
    QTest::newRow("control on last node, open") << QList<PathNode>{{n0, none}, {n1, none}, {n2, c0}} << false
                                                << QList<QGeoCoordinate>{n0, n1, n2};
    QTest::newRow("control on last node, closed") << QList<PathNode>{{n0, none}, {n1, none}, {n2, c0}} << true
                                                  << (QList<QGeoCoordinate>{n0, n1, n2} + curve(n2, c0, n0) + QList{n0});
    QTest::newRow("next node at the same place") << QList<PathNode>{{n0, c0}, {n0, none}, {n1, none}} << false
                                                 << QList<QGeoCoordinate>{n0, n0, n1};
    QTest::newRow("single node closed") << QList<PathNode>{{n0, c0}} << true << QList<QGeoCoordinate>{n0, n0};
    QTest::newRow("single node open") << QList<PathNode>{{n0, c0}} << false << QList<QGeoCoordinate>{n0};
    QTest::newRow("empty open") << QList<PathNode>{} << false << QList<QGeoCoordinate>{};
    QTest::newRow("empty closed") << QList<PathNode>{} << true << QList<QGeoCoordinate>{};
    // clang-format on
}

void TestGround::polyline()
{
    QFETCH(QList<PathNode>, nodes);
    QFETCH(bool, closed);
    QFETCH(QList<QGeoCoordinate>, expected);

    Boundary boundary;
    for (const PathNode &node : nodes)
        boundary.addNode(node.node, node.control);
    if (closed)
        boundary.close();
    boundary.updateBounding();

    QCOMPARE(coordinates(boundary.polyline()), expected);
    QCOMPARE(coordinates(boundary.data(Boundary::RolePolyline).toList()), expected);
}

void TestGround::polylineIsKept()
{
    Taxiway taxiway(1);
    taxiway.addNode(n0, c0);
    taxiway.addNode(n1, QGeoCoordinate());
    const QVariantList *first = &taxiway.polyline();
    QCOMPARE(first->size(), 8);
    QCOMPARE(&taxiway.polyline(), first);
    QCOMPARE(taxiway.data(Taxiway::RolePolyline).toList().size(), 8);
}

void TestGround::invalidControlStoresNothing()
{
    Boundary boundary;
    boundary.addNode(n0, QGeoCoordinate());
    boundary.addNode(n1, c0);
    boundary.addNode(n1, c0);
    boundary.addNode(n2, QGeoCoordinate());
    QCOMPARE(boundary.controls().keys().size(), 2);
    QVERIFY(!boundary.controls().contains(0));
    QVERIFY(boundary.controls().contains(1));
    QVERIFY(boundary.controls().contains(2));
    QVERIFY(!boundary.controls().contains(3));

    boundary.updateBounding();
    QVERIFY(boundary.bounding().contains(n0));
    QVERIFY(boundary.bounding().contains(n2));
}

void TestGround::taxiwaySurfaceClamped()
{
    // A code outside the simulator's range is asphalt, warned about once.
    QTest::ignoreMessage(QtWarningMsg, "Unknown surface type 300 fallback to asphalt");
    Taxiway taxiway(300);
    QCOMPARE(taxiway.surface(), 1);
    QCOMPARE(taxiway.data(Taxiway::RoleSurface).toInt(), 1);
    QCOMPARE(taxiway.data(Taxiway::RoleColor).toString(), QStringLiteral("asphalt"));
    QCOMPARE(taxiway.uid(), QString());

    Taxiway grass(3);
    QCOMPARE(grass.data(Taxiway::RoleColor).toString(), QStringLiteral("grass"));
}

void TestGround::pathRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("nodeCount");

    QTest::newRow("boundary ring") << "Boundary" << true << 40;
    QTest::newRow("boundary empty") << "Boundary" << false << 0;
    QTest::newRow("taxiway open") << "Taxiway" << false << 7;
    QTest::newRow("taxiway ring") << "Taxiway" << true << 25;
    // clang-format on
}

void TestGround::pathRoundTrip()
{
    QFETCH(QString, kind);
    QFETCH(bool, closed);
    QFETCH(int, nodeCount);

    const auto fill = [&](BezierPath &path) {
        for (int i = 0; i < nodeCount; ++i) {
            const QGeoCoordinate node(50.0 + i * 0.001, 8.0 + (i % 3) * 0.001);
            // Every third node curved, so the hash holds several entries in its own order.
            path.addNode(node,
                         i % 3 == 0 ? QGeoCoordinate(node.latitude() + 0.0005, node.longitude()) : QGeoCoordinate());
        }
        if (closed) {
            path.close();
            // A closed ring with two holes, one of them curved.
            for (int hole = 0; hole < 2; ++hole) {
                path.beginHole();
                path.addNode(QGeoCoordinate(50.0001, 8.0001 + hole * 0.0002), QGeoCoordinate());
                path.addNode(QGeoCoordinate(50.0002, 8.0001 + hole * 0.0002),
                             hole ? QGeoCoordinate(50.0003, 8.0002) : QGeoCoordinate());
                path.addNode(QGeoCoordinate(50.0002, 8.0002 + hole * 0.0002), QGeoCoordinate());
            }
        }
        path.updateBounding();
    };
    const auto compare = [&](const BezierPath &original, const BezierPath &copy) {
        QCOMPARE(copy.nodes().path(), original.nodes().path());
        QCOMPARE(copy.isClosed(), original.isClosed());
        QCOMPARE(copy.controls(), original.controls());
        QCOMPARE(copy.bounding(), original.bounding());
        QCOMPARE(copy.polyline(), original.polyline());
        QCOMPARE(copy.holeCount(), closed ? 2 : 0);
        QCOMPARE(copy.holes(), original.holes());
    };

    QDataStream::Status status;
    if (kind == "Boundary") {
        Boundary original;
        fill(original);
        std::unique_ptr<Boundary> copy(readBack<Boundary>(recordOf(original), &status));
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(copy);
        compare(original, *copy);
        QCOMPARE(copy->uid(), QStringLiteral("NOUID"));
    } else {
        Taxiway original(13);
        fill(original);
        const QByteArray bytes = recordOf(original);
        QCOMPARE(bytes.at(0), char(13));
        std::unique_ptr<Taxiway> copy(readBack<Taxiway>(bytes, &status));
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(copy);
        compare(original, *copy);
        QCOMPARE(copy->surface(), 13);
    }
}

void TestGround::controlsInNodeOrder_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("curved");
    QTest::addColumn<QList<int>>("holeCurved");
    QTest::newRow("outer chain") << QList<int>{0, 3, 7, 12, 20, 31, 39} << QList<int>{};
    QTest::newRow("hole too") << QList<int>{5, 6, 18} << QList<int>{1, 2, 4, 9, 10, 11};
    // clang-format on
}

// The stored controls follow the node indexes, not the hash: two processes (each with its own
// hash seed) write the same bytes.
void TestGround::controlsInNodeOrder()
{
    QFETCH(QList<int>, curved);
    QFETCH(QList<int>, holeCurved);
    const auto written = [&] {
        Taxiway path(1);
        for (int i = 0; i < 40; ++i)
            path.addNode(QGeoCoordinate(50.0 + i * 0.001, 8.0), curved.contains(i) ? c0 : QGeoCoordinate());
        path.beginHole();
        for (int i = 0; i < 12; ++i)
            path.addNode(QGeoCoordinate(50.01, 8.0 + i * 0.0001), holeCurved.contains(i) ? c0 : QGeoCoordinate());
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        path.writePath(out);
        return bytes;
    };
    QHashSeed::setDeterministicGlobalSeed();
    const QByteArray first = written();
    QHashSeed::resetRandomGlobalSeed();
    QCOMPARE(written(), first);

    // After the path (type, width, count, 40 nodes) and the closed flag; after the hole's nodes.
    QDataStream in(first);
    const auto indexes = [&in](int skip) {
        in.skipRawData(skip);
        quint32 count = 0;
        in >> count;
        QList<int> result;
        for (qint32 index = -1; result.size() < qsizetype(count) && in.status() == QDataStream::Ok;
             in.skipRawData(24), result.append(index))
            in >> index;
        return result;
    };
    QCOMPARE(indexes(4 + 8 + 8 + 40 * 24 + 1), curved);
    QCOMPARE(indexes(4 + 4 + 12 * 24), holeCurved);
    QVERIFY(in.atEnd());
}

void TestGround::boundingAsQGeoPath_data()
{
    // clang-format off
    QTest::addColumn<QList<QGeoCoordinate>>("nodes");
    QTest::newRow("empty") << QList<QGeoCoordinate>{};
    QTest::newRow("one node") << QList<QGeoCoordinate>{n0};
    QTest::newRow("apron") << QList<QGeoCoordinate>{n0, n1, n2, c0, QGeoCoordinate(49.99, 7.995)};
    QTest::newRow("eastwards over the date line")
        << QList<QGeoCoordinate>{QGeoCoordinate(-17.0, 179.99), QGeoCoordinate(-17.01, -179.995),
                                 QGeoCoordinate(-17.02, -179.98), QGeoCoordinate(-17.0, 179.97)};
    QTest::newRow("westwards over the date line")
        << QList<QGeoCoordinate>{QGeoCoordinate(52.0, -179.99), QGeoCoordinate(52.01, 179.99),
                                 QGeoCoordinate(51.99, 179.95)};
    // clang-format on
}

// The packed nodes give the rectangle Qt gives for the same chain.
void TestGround::boundingAsQGeoPath()
{
    QFETCH(QList<QGeoCoordinate>, nodes);
    Taxiway path(1);
    for (const QGeoCoordinate &node : nodes)
        path.addNode(node, QGeoCoordinate());
    // A hole's nodes lie outside the outer chain, yet do not count.
    path.beginHole();
    path.addNode(QGeoCoordinate(-60.0, 20.0), QGeoCoordinate());
    path.updateBounding();
    QCOMPARE(path.bounding(), QGeoPath(nodes).boundingGeoRectangle());
    QCOMPARE(path.nodes().path(), nodes);
}

// Files written before controls were sorted list them in hash order; read, a later entry of a
// node replaces an earlier one, as the hash did.
void TestGround::controlsOfFormerFiles()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const QList<QGeoCoordinate> nodes{n0, n1, n2, c0};
    out << quint32(QGeoShape::PathType) << 0.0 << qint64(nodes.size());
    for (const QGeoCoordinate &node : nodes)
        out << node;
    out << true << quint32(4);
    out << qint32(2) << QGeoCoordinate(50.1, 8.2) << qint32(0) << QGeoCoordinate(50.2, 8.3) << qint32(2)
        << QGeoCoordinate(50.3, 8.4) << qint32(1) << QGeoCoordinate(50.4, 8.5);
    out << quint32(0); // no holes

    Taxiway path(1);
    QDataStream in(bytes);
    path.readPath(in);
    QCOMPARE(in.status(), QDataStream::Ok);
    const QHash<int, QGeoCoordinate> expected{
        {0, QGeoCoordinate(50.2, 8.3)}, {1, QGeoCoordinate(50.4, 8.5)}, {2, QGeoCoordinate(50.3, 8.4)}};
    QCOMPARE(path.controls(), expected);
}

void TestGround::paintlightStyle_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("pair");
    QTest::addColumn<bool>("unknown");
    QTest::addColumn<bool>("hasLine");
    QTest::addColumn<double>("drawnWidth");
    QTest::addColumn<bool>("dashed");
    QTest::addColumn<QVariantList>("pattern");
    QTest::addColumn<QString>("lineColor");
    QTest::addColumn<bool>("hasLight");
    QTest::addColumn<QString>("lightColor");

    const QVariantList solid{-1};
    const QVariantList dash33{3, 3};
    QTest::newRow("yellow line, blue light") << QList<int>{1, 102} << 0x0166 << false << true << 1.0 << false << solid
                                             << "#eaea00" << true << "deepskyblue";
    QTest::newRow("nothing") << QList<int>{0, 0} << 0 << false << false << 2.0 << false << solid << "black" << false
                             << "white";
    QTest::newRow("cyan dashed") << QList<int>{42, 0} << 0x2A00 << false << true << 1.0 << true << dash33 << "#2db4be"
                                 << false << "white";
    QTest::newRow("108 is a line") << QList<int>{108, 0} << 0x6C00 << false << true << 1.0 << false << solid
                                   << "#eaea00" << false << "white";
    QTest::newRow("wide yellow") << QList<int>{53, 0} << 0x3500 << false << true << 2.0 << false << solid << "#eaea00"
                                 << false << "white";
    QTest::newRow("wide gap") << QList<int>{58, 105} << 0x3A69 << false << true << 1.0 << true << QVariantList{3, 6}
                              << "#eaea00" << true << "limegreen";
    QTest::newRow("unrecognised 15") << QList<int>{15} << 0x000F << true << false << 2.0 << false << solid << "black"
                                     << false << "white";
    QTest::newRow("dashed then solid keeps dashes") << QList<int>{2, 20} << 0x0214 << false << true << 1.0 << true
                                                    << dash33 << "#f5f5f5" << false << "white";
    QTest::newRow("third code on top") << QList<int>{1, 102, 42} << 0x662A << false << true << 1.0 << true << dash33
                                       << "#2db4be" << true << "deepskyblue";
    QTest::newRow("red and pink") << QList<int>{90, 107} << 0x5A6B << false << true << 1.0 << false << solid
                                  << "#a74c4c" << true << "deeppink";
    // clang-format on
}

void TestGround::paintlightStyle()
{
    QFETCH(QList<int>, codes);
    QFETCH(int, pair);
    QFETCH(bool, unknown);
    QFETCH(bool, hasLine);
    QFETCH(double, drawnWidth);
    QFETCH(bool, dashed);
    QFETCH(QVariantList, pattern);
    QFETCH(QString, lineColor);
    QFETCH(bool, hasLight);
    QFETCH(QString, lightColor);

    if (unknown)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Unknown paintlight type"));
    QTest::failOnWarning(QRegularExpression("."));
    Paintlight item;
    for (int code : codes)
        item.addType(code);

    QCOMPARE(int(quint16(item.types())), pair);
    QCOMPARE(item.typeCount(), qMin<int>(codes.size(), 2));
    QCOMPARE(item.data(Paintlight::RoleUnknownString).toString(),
             QStringLiteral("Unknown paintlight code %1|%2").arg(pair >> 8).arg(pair & 0xFF));
    QCOMPARE(item.data(Paintlight::RoleUnknown).toBool(), unknown);
    QCOMPARE(item.data(Paintlight::RoleHasLine).toBool(), hasLine);
    QCOMPARE(item.data(Paintlight::RoleLineWidth).toDouble(), drawnWidth);
    QCOMPARE(item.data(Paintlight::RoleDashedLine).toBool(), dashed);
    QCOMPARE(item.data(Paintlight::RoleLinePattern).toList(), pattern);
    QCOMPARE(item.data(Paintlight::RoleLineColor).value<QColor>(), QColor::fromString(lineColor));
    QCOMPARE(item.data(Paintlight::RoleHasLight).toBool(), hasLight);
    QCOMPARE(item.data(Paintlight::RoleLightColor).value<QColor>(), QColor::fromString(lightColor));
}

void TestGround::paintlightNegativeCode()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Unknown paintlight type"));
    Paintlight item;
    item.addType(1);
    item.addType(-5);
    QCOMPARE(int(quint16(item.types())), 0xFFFB);
    QVERIFY(item.getStyle()->unknown);

    // The stored pair comes back as it was, without clamping its bytes.
    QTest::failOnWarning(QRegularExpression("."));
    std::unique_ptr<Paintlight> copy(readBack<Paintlight>(recordOf(item)));
    QVERIFY(copy);
    QCOMPARE(int(quint16(copy->types())), 0xFFFB);
    QCOMPARE(copy->typeCount(), 2);
}

void TestGround::paintlightRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("line and light") << QList<int>{1, 102};
    QTest::newRow("line only") << QList<int>{42, 0};
    QTest::newRow("three codes") << QList<int>{3, 104, 21};
    // clang-format on
}

void TestGround::paintlightRoundTrip()
{
    QFETCH(QList<int>, codes);

    Paintlight original;
    original.addNode(n0, c0);
    original.addNode(n1, QGeoCoordinate());
    original.addNode(n2, QGeoCoordinate());
    original.updateBounding();
    for (int code : codes)
        original.addType(code);

    const QByteArray bytes = recordOf(original);
    QCOMPARE(bytes.left(2),
             QByteArray::fromHex(QByteArray::number(quint16(original.types()), 16).rightJustified(4, '0')));

    QDataStream::Status status;
    std::unique_ptr<Paintlight> copy(readBack<Paintlight>(bytes, &status));
    QCOMPARE(status, QDataStream::Ok);
    QVERIFY(copy);
    QCOMPARE(copy->types(), original.types());
    QCOMPARE(copy->typeCount(), 2);
    QCOMPARE(copy->nodes().path(), original.nodes().path());
    QCOMPARE(copy->controls(), original.controls());
    QCOMPARE(copy->polyline(), original.polyline());
    // The style comes from the pair alone: equal to a fresh item fed the pair's two codes.
    Paintlight fromPair;
    fromPair.addType(quint16(original.types()) >> 8);
    fromPair.addType(quint16(original.types()) & 0xFF);
    for (int role = Paintlight::RoleUnknown; role <= Paintlight::RoleLightColor; ++role)
        QCOMPARE(copy->data(role), fromPair.data(role));
}

void TestGround::truncatedRecords_data()
{
    // clang-format off
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("cut");

    // Cut inside each part of the records: first field, coordinates, strings, the controls hash.
    for (int cut : {0, 1, 10, 30, 40})
        QTest::newRow(qPrintable(QStringLiteral("startup at %1").arg(cut))) << "Startup" << cut;
    for (int cut : {0, 5, 30, 40})
        QTest::newRow(qPrintable(QStringLiteral("taxiname at %1").arg(cut))) << "Taxiname" << cut;
    for (int cut : {0, 3, 30, -1})
        QTest::newRow(qPrintable(QStringLiteral("boundary at %1").arg(cut))) << "Boundary" << cut;
    for (int cut : {0, 1, 20, -1})
        QTest::newRow(qPrintable(QStringLiteral("taxiway at %1").arg(cut))) << "Taxiway" << cut;
    for (int cut : {0, 1, 2, 40, -1})
        QTest::newRow(qPrintable(QStringLiteral("paintlight at %1").arg(cut))) << "Paintlight" << cut;
    // clang-format on
}

void TestGround::truncatedRecords()
{
    QFETCH(QString, kind);
    QFETCH(int, cut);

    const auto fillPath = [](BezierPath &path) {
        path.addNode(n0, c0);
        path.addNode(n1, QGeoCoordinate());
        path.addNode(n2, c0);
        path.close();
    };
    QByteArray bytes;
    if (kind == "Startup") {
        bytes = recordOf(Startup(1, 4, n0, 10.0f, QStringLiteral("A1")));
    } else if (kind == "Taxiname") {
        bytes = recordOf(Taxiname(n0, 10.0, 1, QChar('C'), QStringLiteral("A")));
    } else if (kind == "Boundary") {
        Boundary item;
        fillPath(item);
        bytes = recordOf(item);
    } else if (kind == "Taxiway") {
        Taxiway item(2);
        fillPath(item);
        bytes = recordOf(item);
    } else {
        Paintlight item;
        fillPath(item);
        item.addType(1);
        item.addType(101);
        bytes = recordOf(item);
    }
    // -1 cuts the last byte, which lies in the control-point hash of the path records.
    bytes.truncate(cut < 0 ? bytes.size() - 1 : cut);

    QDataStream::Status status;
    void *item = nullptr;
    if (kind == "Startup")
        item = readBack<Startup>(bytes, &status);
    else if (kind == "Taxiname")
        item = readBack<Taxiname>(bytes, &status);
    else if (kind == "Boundary")
        item = readBack<Boundary>(bytes, &status);
    else if (kind == "Taxiway")
        item = readBack<Taxiway>(bytes, &status);
    else
        item = readBack<Paintlight>(bytes, &status);
    QVERIFY(status != QDataStream::Ok);
    QCOMPARE(item, nullptr);
}

void TestGround::failedStreamYieldsNothing()
{
    // A stream that failed before the record was reached hands out nothing, even where the
    // bytes that follow would make a whole record.
    Taxiway taxiway(1);
    taxiway.addNode(n0, QGeoCoordinate());
    const QByteArray bytes = recordOf(taxiway) + recordOf(taxiway);
    QDataStream in(bytes);
    in.setStatus(QDataStream::ReadCorruptData);
    Taxiway *item = nullptr;
    in >> item;
    QCOMPARE(item, nullptr);
    Boundary *boundary = nullptr;
    in >> boundary;
    QCOMPARE(boundary, nullptr);

    // A record whose shape is not a path is corrupt.
    QByteArray rectangle;
    {
        QDataStream out(&rectangle, QIODevice::WriteOnly);
        out << QGeoShape(QGeoRectangle(n2, n1)) << false << QHash<int, QGeoCoordinate>();
    }
    QDataStream wrong(rectangle);
    wrong >> boundary;
    QCOMPARE(boundary, nullptr);
    QCOMPARE(wrong.status(), QDataStream::ReadCorruptData);
}

void TestGround::models()
{
    BaseModel<Startup> startups;
    BaseModel<Taxiname> taxinames;
    BaseModel<Paintlight> paintlights;
    QAbstractItemModelTester startupTester(&startups, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester taxinameTester(&taxinames, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester paintTester(&paintlights, QAbstractItemModelTester::FailureReportingMode::QtTest);

    Startup s1(1, 6, n0, 10.0f, QStringLiteral("A1"));
    Startup s2(2, 16, n1, 20.0f, QStringLiteral("H2"));
    Taxiname t1(n0, 90.0, 1, QChar('D'), QStringLiteral("B"));
    Paintlight p1;
    p1.addNode(n0, QGeoCoordinate());
    p1.addNode(n1, QGeoCoordinate());
    p1.addType(1);
    p1.addType(0);

    startups.beginReset();
    startups.add(&s1);
    startups.add(&s2);
    startups.endReset();
    taxinames.reset();
    taxinames.add(&t1);
    taxinames.reset();
    paintlights.add(&p1);
    paintlights.reset();

    QCOMPARE(startups.rowCount(), 2);
    QCOMPARE(startups.data(startups.index(1), Startup::RoleCode).toString(), QStringLiteral("H2"));
    QCOMPARE(startups.data(startups.index(0), Startup::RoleHeading).toFloat(), 10.0f);
    QCOMPARE(taxinames.data(taxinames.index(0), Taxiname::RoleName).toString(), QStringLiteral("B"));
    QCOMPARE(paintlights.data(paintlights.index(0), Paintlight::RolePolyline).toList().size(), 2);
    QCOMPARE(paintlights.data(paintlights.index(0), Paintlight::RoleLineColor).value<QColor>(), QColor("#eaea00"));
    QCOMPARE(startups.roleNames(), Startup::roleNames());
}

QTEST_GUILESS_MAIN(TestGround)
#include "tst_ground.moc"
