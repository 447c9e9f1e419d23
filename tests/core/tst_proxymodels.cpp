#include "basemodel.h"
#include "filtertesthelpers.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "proxyrows.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <memory>

namespace {

constexpr int Airport = 1;
constexpr int Fix = 2;
constexpr int AllTypes = -1;

class Spot : public BaseItem
{
public:
    Spot(const QString &uid, const QString &search, int type, double minzoom = 0.0)
        : BaseItem(uid, search, minzoom, minzoom, type)
    {
    }
};

// Owns the items, as the database does, and a model over them.
struct Fixture
{
    BaseModel<Spot> model;
    QList<Spot *> spots;

    ~Fixture()
    {
        model.beginReset();
        model.clear();
        model.endReset();
        qDeleteAll(spots);
    }

    Spot *add(const QString &uid, const QString &search, int type, double minzoom = 0.0)
    {
        auto *spot = new Spot(uid, search, type, minzoom);
        spots << spot;
        model.add(spot);
        return spot;
    }

    Spot *addAt(const QString &uid, int type, const QGeoRectangle &bounding, double minzoom = 0.0)
    {
        Spot *spot = add(uid, uid, type, minzoom);
        spot->setBounding(bounding);
        return spot;
    }
};

// A proxy over source, checked by the model tester from before the source is set until it goes.
template <typename Proxy>
struct Tested : Proxy
{
    explicit Tested(QAbstractItemModel *source) { this->setSourceModel(source); }

    QAbstractItemModelTester tester{this, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestProxyModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void listPassesNothingAtFirst();
    void listTypeAndText_data();
    void listTypeAndText();
    void listTextAsTyped_data();
    void listTextAsTyped();
    void listOrderByUid();
    void listOrderAfterChanges();
    void listTypeBitTwice();
    void listKeepsPersistentRows();
    void listLogs();
    void listFollowsReset();
    void listForeignSource();

    void mapPassesOnlyUidsAtFirst();
    void mapLayerSwitch();
    void mapZoomThreshold();
    void mapUidOutsideAreaAndType();
    void mapUidListExactCase();
    void mapTypeBitTwice();
    void mapCacheAgreesWithItems();
    void mapFollowsReset();
    void mapUnannouncedChange();
    void mapSourceDestroyed();

    void rowsAnnouncedInRuns_data();
    void rowsAnnouncedInRuns();
    void mapGridEdges_data();
    void mapGridEdges();
    void indexedInBackground_data();
    void indexedInBackground();
    void rowsAddedQuietly_data();
    void rowsAddedQuietly();
};

void TestProxyModels::listPassesNothingAtFirst()
{
    Fixture f;
    f.add("EDDF", "EDDF Frankfurt", Airport);
    f.model.reset();
    Tested<ListProxyModel> proxy(&f.model);
    QCOMPARE(proxy.rowCount(), 0);
    QCOMPARE(proxy.typeMask(), 0);
    QVERIFY(!proxy.parent());
}

void TestProxyModels::listTypeAndText_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty") << "" << QStringList { "EDDF", "EDDM", "KSFO", "LFPG" };
    QTest::newRow("ed") << "ed" << QStringList { "EDDF", "EDDM" };
    QTest::newRow("ED") << "ED" << QStringList { "EDDF", "EDDM" };
    QTest::newRow("in the name") << "paris" << QStringList { "LFPG" };
    QTest::newRow("nothing") << "zzz" << QStringList {};
    // clang-format on
}

void TestProxyModels::listTypeAndText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    Fixture f;
    f.add("LFPG", "LFPG Paris Charles de Gaulle", Airport);
    f.add("EDDM", "EDDM Munich", Airport);
    f.add("EDDF", "EDDF Frankfurt", Airport);
    f.add("EDDFX", "EDDFX fix near Frankfurt", Fix);
    f.add("KSFO", "KSFO San Francisco", Airport);
    f.model.reset();

    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    proxy.setTextFilter(text);
    QCOMPARE(uidsOf(proxy), expected);
    QCOMPARE(proxy.textFilter(), text.toLower());
}

void TestProxyModels::listTextAsTyped_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("space") << "de g" << QStringList { "LFPG" };
    QTest::newRow("dot") << "st." << QStringList { "TNCM" };
    QTest::newRow("dot is literal") << "s." << QStringList {};
    QTest::newRow("hyphen") << "saint-ex" << QStringList { "LFLL" };
    QTest::newRow("brackets") << "(private)" << QStringList { "XPRV" };
    QTest::newRow("backslash") << "a\\b" << QStringList { "XBSL" };
    QTest::newRow("beyond ASCII") << "zür" << QStringList { "XZRH" };
    QTest::newRow("beyond ASCII, capitals") << "ZÜR" << QStringList { "XZRH" };
    QTest::newRow("beyond ASCII, in the text only") << "urich" << QStringList {};
    // clang-format on
}

void TestProxyModels::listTextAsTyped()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    Fixture f;
    f.add("LFPG", "LFPG Paris Charles de Gaulle", Airport);
    f.add("TNCM", "TNCM St. Maarten", Airport);
    f.add("LFLL", "LFLL Lyon Saint-Exupery", Airport);
    f.add("XPRV", "XPRV Field (private)", Airport);
    f.add("XBSL", "XBSL a\\b", Airport);
    f.add("XZRH", "xzrh zürich", Airport);
    f.model.reset();

    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    proxy.setTextFilter(text);
    QCOMPARE(uidsOf(proxy), expected);
}

void TestProxyModels::listOrderByUid()
{
    Fixture f;
    f.add("B", "b", Airport);
    f.add("a", "a", Airport);
    f.add("A", "a", Airport);
    f.model.reset();

    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    QCOMPARE(uidsOf(proxy), (QStringList{"A", "B", "a"}));
    proxy.setTextFilter("a");
    QCOMPARE(uidsOf(proxy), (QStringList{"A", "a"}));
}

void TestProxyModels::listOrderAfterChanges()
{
    Fixture f;
    f.add("M", "m", Airport);
    f.add("FIXB", "fixb", Fix);
    f.add("C", "c", Airport);
    f.model.add(nullptr);
    f.add("FIXA", "fixa", Fix);
    f.model.reset();

    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    QCOMPARE(uidsOf(proxy), (QStringList{"C", "M"}));
    // A type switched on later is sorted in among the rest.
    proxy.setTypeFilter(true, Fix);
    QCOMPARE(uidsOf(proxy), (QStringList{"C", "FIXA", "FIXB", "M"}));

    // Renamed and added inside a reset, as the database does with a taken UID.
    f.model.beginReset();
    f.spots[0]->setUid("A_1");
    f.add("B", "b", Airport);
    f.model.endReset();
    QCOMPARE(uidsOf(proxy), (QStringList{"A_1", "B", "C", "FIXA", "FIXB"}));
    proxy.setTextFilter("fix");
    QCOMPARE(uidsOf(proxy), (QStringList{"FIXA", "FIXB"}));

    // Removed without a signal: a new filter reads the rows as they are, not as they were.
    f.model.removeAt(0);
    proxy.setTextFilter("");
    QCOMPARE(uidsOf(proxy), (QStringList{"B", "C", "FIXA", "FIXB"}));
    f.model.reset();
    QCOMPARE(uidsOf(proxy), (QStringList{"B", "C", "FIXA", "FIXB"}));
}

void TestProxyModels::listTypeBitTwice()
{
    ListProxyModel proxy;
    proxy.setTypeFilter(true, 3);
    proxy.setTypeFilter(true, 3);
    QCOMPARE(proxy.typeMask(), 0x8);
    proxy.setTypeFilter(false, 5);
    QCOMPARE(proxy.typeMask(), 0x8);
    proxy.setTypeFilter(true, -1);
    QCOMPARE(proxy.typeMask(), int(0x80000008));
    proxy.setTypeFilter(false, 3);
    proxy.setTypeFilter(false, 3);
    QCOMPARE(proxy.typeMask(), int(0x80000000));
}

void TestProxyModels::listKeepsPersistentRows()
{
    Fixture f;
    for (int i = 0; i < 200; ++i)
        f.add(QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("name %1").arg(i), Airport);
    f.model.reset();
    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    QCOMPARE(proxy.rowCount(), 200);

    // A selected row stays on its item while the list narrows and widens around it.
    const QPersistentModelIndex selected = proxy.index(150, 0);
    QCOMPARE(selected.data(BaseItem::UID).toString(), QString("P150"));
    proxy.setTextFilter("15");
    QCOMPARE(proxy.rowCount(), 12); // 15, 115 and 150 to 159
    QVERIFY(selected.isValid());
    QCOMPARE(selected.data(BaseItem::UID).toString(), QString("P150"));
    proxy.setTextFilter("1");
    QVERIFY(selected.isValid());
    QCOMPARE(selected.data(BaseItem::UID).toString(), QString("P150"));
    proxy.setTextFilter("name 2");
    QVERIFY(!selected.isValid());
    QCOMPARE(proxy.textFilter(), QString("name 2"));
    proxy.setTypeFilter(false, Airport);
    QCOMPARE(proxy.rowCount(), 0);
}

void TestProxyModels::listLogs()
{
    ListProxyModel proxy;
    QTest::ignoreMessage(QtInfoMsg, "Set list type filter 1 visible true");
    proxy.setTypeFilter(true, 1);
    QTest::ignoreMessage(QtInfoMsg, "Set list text filter \"Paris\"");
    proxy.setTextFilter("Paris");
    MapProxyModel map;
    QTest::ignoreMessage(QtInfoMsg, "Set map type filter -1 visible false");
    map.setTypeFilter(false);
}

void TestProxyModels::listFollowsReset()
{
    Fixture f;
    f.add("EDDF", "EDDF", Airport);
    f.model.reset();
    Tested<ListProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    proxy.setTextFilter("ed");
    QCOMPARE(uidsOf(proxy), QStringList{"EDDF"});

    // The database adds quietly, then resets; the list reads everything again, in order.
    f.model.beginReset();
    f.add("EDDB", "EDDB", Airport);
    f.add("LFPG", "LFPG", Airport);
    f.model.endReset();
    QCOMPARE(uidsOf(proxy), (QStringList{"EDDB", "EDDF"}));
}

void TestProxyModels::listForeignSource()
{
    QStandardItemModel other;
    other.appendRow(new QStandardItem("x"));
    ListProxyModel list;
    list.setSourceModel(&other);
    list.setTypeFilter(true, AllTypes);
    QCOMPARE(list.rowCount(), 0);

    MapProxyModel map;
    map.setSourceModel(&other);
    map.setTypeFilter(true, AllTypes);
    map.setUidFilter({"x"});
    map.setGeoFilter(rect(90, -180, -90, 180), 20);
    QCOMPARE(map.rowCount(), 0);
}

void TestProxyModels::mapPassesOnlyUidsAtFirst()
{
    Fixture f;
    f.addAt("P1", Fix, rect(1, 0, 0, 1));
    f.addAt("P2", Fix, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Fix);
    QCOMPARE(proxy.rowCount(), 0);
    QVERIFY(!proxy.area().isValid());
    QVERIFY(!proxy.parent());
    proxy.setUidFilter({"P2"});
    QCOMPARE(uidsOf(proxy), QStringList{"P2"});
    proxy.setGeoFilter(rect(2, -1, -1, 2), 12);
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"P1", "P2"}));
}

void TestProxyModels::mapLayerSwitch()
{
    Fixture f;
    f.addAt("RWY1", -1, rect(1, 0, 0, 1));
    f.addAt("RWY2", -1, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setMinZoom(10.0);
    proxy.setGeoFilter(rect(2, -1, -1, 2), 14);
    QCOMPARE(proxy.rowCount(), 0);
    proxy.setTypeFilter(true);
    QCOMPARE(proxy.typeMask(), int(0x80000000));
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"RWY1", "RWY2"}));
    proxy.setUidFilter({"RWY2"});
    proxy.setTypeFilter(false);
    QCOMPARE(uidsOf(proxy), QStringList{"RWY2"});
}

void TestProxyModels::mapZoomThreshold()
{
    Fixture f;
    f.addAt("A", Fix, rect(1, 0, 0, 1));
    f.addAt("B", Fix, rect(1, 0, 0, 1));
    f.addAt("C", Fix, rect(1, 0, 0, 1), 12.0);
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Fix);
    proxy.setUidFilter({"B"});
    proxy.setMinZoom(10.0);
    proxy.setGeoFilter(rect(2, -1, -1, 2), 9.0);
    QCOMPARE(uidsOf(proxy), QStringList{"B"});
    proxy.setGeoFilter(rect(2, -1, -1, 2), 10.0);
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"A", "B"}));
    proxy.setGeoFilter(rect(2, -1, -1, 2), 12.0);
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"A", "B", "C"}));
}

void TestProxyModels::mapUidOutsideAreaAndType()
{
    Fixture f;
    f.addAt("FAR", Fix, rect(-40, 100, -41, 101));
    f.addAt("NEAR", Airport, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Airport);
    proxy.setGeoFilter(rect(2, -1, -1, 2), 5.0);
    QCOMPARE(uidsOf(proxy), QStringList{"NEAR"});
    proxy.setUidFilter({"FAR"});
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"FAR", "NEAR"}));
    proxy.setUidFilter({});
    QCOMPARE(uidsOf(proxy), QStringList{"NEAR"});
}

void TestProxyModels::mapUidListExactCase()
{
    Fixture f;
    f.addAt("ED/ENRT/DF", Fix, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setUidFilter({"ed/enrt/df", "ED/ENRT/D"});
    QCOMPARE(proxy.rowCount(), 0);
    proxy.setUidFilter({"ED/ENRT/DF"});
    QCOMPARE(proxy.rowCount(), 1);
    QCOMPARE(proxy.uidFilter(), QStringList{"ED/ENRT/DF"});
}

void TestProxyModels::mapTypeBitTwice()
{
    MapProxyModel proxy;
    proxy.setTypeFilter(true, 4);
    proxy.setTypeFilter(true, 4);
    QCOMPARE(proxy.typeMask(), 0x10);
    proxy.setTypeFilter(false, 36); // the same bit
    QCOMPARE(proxy.typeMask(), 0);
    proxy.setTypeFilter(false, 36);
    QCOMPARE(proxy.typeMask(), 0);
}

// The map proxy answers from its own copy of each row's box; whatever the boxes and the area,
// that must be exactly the item's own test.
void TestProxyModels::mapCacheAgreesWithItems()
{
    QRandomGenerator random(20261207);
    const double edges[] = {-180, -179.5, -90, -45, -1, 0, 0.5, 1, 45, 89.999, 90, 179.5, 180};
    auto edge = [&](double low, double high) {
        for (;;) {
            const double value = edges[random.bounded(int(std::size(edges)))];
            if (value >= low && value <= high)
                return value;
        }
    };
    auto randomRect = [&]() -> QGeoRectangle {
        switch (random.bounded(8)) {
        case 0:
            return QGeoRectangle(); // invalid
        case 1: {                   // on the grid of edges, touching poles and the antimeridian
            const double a = edge(-90, 90), b = edge(-90, 90);
            return rect(std::max(a, b), edge(-180, 180), std::min(a, b), edge(-180, 180));
        }
        case 2: // north below south
            return rect(edge(-90, 0), edge(-180, 180), edge(0.5, 90), edge(-180, 180));
        case 3: { // a point's box
            QGeoRectangle box(QGeoCoordinate(random.bounded(180.0) - 90, random.bounded(360.0) - 180), 0.001, 0.001);
            return box;
        }
        default: {
            const double north = random.bounded(180.0) - 90;
            const double south = north - random.bounded(30.0);
            const double west = random.bounded(360.0) - 180;
            double east = west + random.bounded(60.0);
            if (east > 180)
                east -= 360; // across the antimeridian
            return rect(north, west, std::max(south, -90.0), east);
        }
        }
    };

    Fixture f;
    for (int i = 0; i < 3000; ++i) {
        f.addAt(QString::number(i), random.bounded(3) - 1, randomRect(), random.bounded(3) * 4.0);
    }
    f.model.reset();

    MapProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.setTypeFilter(true, 0);
    proxy.setTypeFilter(true, 1);
    proxy.setTypeFilter(true);

    for (int round = 0; round < 300; ++round) {
        const QGeoRectangle area = randomRect();
        const double zoom = random.bounded(3) * 4.0 + (round % 2);
        proxy.setGeoFilter(area, zoom);
        QSet<int> accepted;
        for (int row = 0; row < proxy.rowCount(); ++row)
            accepted.insert(proxy.mapToSource(proxy.index(row, 0)).row());
        for (int row = 0; row < f.spots.size(); ++row) {
            const bool expected = f.spots[row]->isVisible(area, zoom, proxy.typeMask());
            if (accepted.contains(row) != expected) {
                QFAIL(qPrintable(QStringLiteral("row %1 box %2 area %3 zoom %4: expected %5")
                                     .arg(row)
                                     .arg(f.spots[row]->bounding().toString(), area.toString())
                                     .arg(zoom)
                                     .arg(expected)));
            }
        }
    }
}

void TestProxyModels::mapFollowsReset()
{
    Fixture f;
    Spot *moving = f.addAt("MOVE", Fix, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setTypeFilter(true, Fix);
    proxy.setGeoFilter(rect(2, -1, -1, 2), 10);
    QCOMPARE(proxy.rowCount(), 1);

    // Changed and added inside a reset, as the database does.
    f.model.beginReset();
    moving->setBounding(rect(51, 10, 50, 11));
    f.addAt("HERE", Fix, rect(0.5, 0.5, 0.2, 0.8));
    f.model.endReset();
    QCOMPARE(uidsOf(proxy), QStringList{"HERE"});

    // A pinned UID follows an item renamed inside a reset.
    proxy.setUidFilter({"PINNED"});
    QCOMPARE(uidsOf(proxy), QStringList{"HERE"});
    f.model.beginReset();
    moving->setUid("PINNED");
    f.model.endReset();
    QCOMPARE(sorted(uidsOf(proxy)), (QStringList{"HERE", "PINNED"}));
    proxy.setUidFilter({});

    // Everything removed and deleted, new items in their place.
    f.model.beginReset();
    f.model.clear();
    qDeleteAll(f.spots);
    f.spots.clear();
    f.addAt("NEW1", Fix, rect(1, 0, 0, 1));
    f.addAt("NEW2", Fix, rect(60, 0, 59, 1));
    f.model.endReset();
    QCOMPARE(uidsOf(proxy), QStringList{"NEW1"});
}

void TestProxyModels::mapUnannouncedChange()
{
    Fixture f;
    f.addAt("A", Fix, rect(1, 0, 0, 1));
    f.addAt("B", Fix, rect(30, 0, 29, 1));
    f.model.reset();
    MapProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.setTypeFilter(true, Fix);
    proxy.setGeoFilter(rect(2, -1, -1, 2), 10);
    QCOMPARE(uidsOf(proxy), QStringList{"A"});

    // Rows replaced before the source has announced it: each row is tested by the item that is
    // there now, not by what was kept of the one that was there before.
    f.model.removeAt(0);
    f.addAt("C", Fix, rect(1.5, 0, 1.2, 1));
    proxy.setGeoFilter(rect(2, -1, -1, 2), 10);
    QCOMPARE(uidsOf(proxy), QStringList{"C"});
    f.model.reset();
    QCOMPARE(uidsOf(proxy), QStringList{"C"});
}

void TestProxyModels::mapSourceDestroyed()
{
    auto f = std::make_unique<Fixture>();
    f->addAt("A", Fix, rect(1, 0, 0, 1));
    f->model.reset();
    MapProxyModel map;
    ListProxyModel list;
    map.setSourceModel(&f->model);
    list.setSourceModel(&f->model);
    map.setTypeFilter(true, Fix);
    list.setTypeFilter(true, Fix);
    map.setGeoFilter(rect(2, -1, -1, 2), 10);
    QCOMPARE(map.rowCount(), 1);
    QCOMPARE(list.rowCount(), 1);
    f.reset();
    map.setGeoFilter(rect(3, -1, -1, 2), 10);
    list.setTextFilter("a");
    QCOMPARE(map.rowCount(), 0);
    QCOMPARE(list.rowCount(), 0);
}

void TestProxyModels::rowsAnnouncedInRuns_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("from");
    QTest::addColumn<QList<int>>("to");
    // "-place:key" for a row removed, "+place:key" for a row inserted, as the model stands at
    // each signal.
    QTest::addColumn<QString>("announced");

    QTest::newRow("unchanged") << QList<int> { 1, 2, 3 } << QList<int> { 1, 2, 3 } << "";
    QTest::newRow("from nothing") << QList<int> {} << QList<int> { 4, 7 } << "+0:4 +1:7";
    QTest::newRow("to nothing") << QList<int> { 4, 7 } << QList<int> {} << "-0:4 -1:7";
    QTest::newRow("every other row") << QList<int> { 1, 2, 3, 4, 5 } << QList<int> { 2, 4, 6 }
                                     << "-0:1 -1:3 -2:5 +2:6";
    QTest::newRow("a run of three") << QList<int> { 1, 2, 3, 4, 5 } << QList<int> { 1, 5 } << "-1:2 -2:3 -3:4";
    QTest::newRow("all swapped") << QList<int> { 1, 3 } << QList<int> { 2, 4 } << "-0:1 +0:2 -1:3 +1:4";
    QTest::newRow("runs at both ends") << QList<int> { 5, 6, 7 } << QList<int> { 1, 2, 6, 8, 9 }
                                       << "+0:1 +1:2 -2:5 -3:7 +3:8 +4:9";
    // clang-format on
}

// Every run is announced at the place the model has at that moment, and the rows it names are
// the ones there; runs of several rows come as one signal.
void TestProxyModels::rowsAnnouncedInRuns()
{
    QFETCH(QList<int>, from);
    QFETCH(QList<int>, to);
    QFETCH(QString, announced);

    ProxyRows rows;
    rows.assign(std::vector<int>(from.cbegin(), from.cend()));
    QStringList log;
    int insertedFirst = 0;
    int insertedLast = -1;
    rows.update(std::vector<int>(to.cbegin(), to.cend()),
                {[&](int first, int last) {
                     for (int row = first; row <= last; ++row)
                         log << QStringLiteral("-%1:%2").arg(row).arg(rows.at(row));
                 },
                 [] {},
                 [&](int first, int last) {
                     insertedFirst = first;
                     insertedLast = last;
                 },
                 [&] {
                     for (int row = insertedFirst; row <= insertedLast; ++row)
                         log << QStringLiteral("+%1:%2").arg(row).arg(rows.at(row));
                 }});
    QCOMPARE(log.join(u' '), announced);
    QList<int> now;
    for (int row = 0; row < rows.count(); ++row)
        now << rows.at(row);
    QCOMPARE(now, to);
    for (int row = 0; row < to.size(); ++row)
        QCOMPARE(rows.find(to.at(row)), row);
    QCOMPARE(rows.find(0), -1);
}

void TestProxyModels::mapGridEdges_data()
{
    // clang-format off
    QTest::addColumn<QGeoRectangle>("area");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QStringList>("pinned");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("across the antimeridian") << rect(2, 178, -1, -178) << 5.0 << QStringList {}
                                             << QStringList { "EAST", "WEST", "ACROSS" };
    QTest::newRow("up to the antimeridian") << rect(2, 179.2, -1, 180) << 5.0 << QStringList {}
                                            << QStringList { "EAST", "ACROSS" };
    QTest::newRow("east of it, in a box across it") << rect(2, -179.4, -1, -170) << 5.0 << QStringList {}
                                                    << QStringList { "ACROSS", "WIDE" };
    QTest::newRow("west of it, short of a box across it") << rect(2, 170.5, -1, 178.9) << 5.0 << QStringList {}
                                                          << QStringList {};
    QTest::newRow("pinned outside the area") << rect(2, 179.2, -1, 180) << 5.0 << QStringList { "MID" }
                                             << QStringList { "MID", "EAST", "ACROSS" };
    // Two boxes that reach the same pole meet, whatever their longitudes.
    QTest::newRow("at the pole") << rect(90, 100, 88, 101) << 5.0 << QStringList {} << QStringList { "POLE" };
    QTest::newRow("near the pole") << rect(89.5, 100, 88, 101) << 5.0 << QStringList {} << QStringList {};
    // One longitude only: the rectangle counts as going round the globe.
    QTest::newRow("no width") << rect(0.5, 50, 0.2, 50) << 5.0 << QStringList {}
                              << QStringList { "MID", "EAST", "WEST", "ACROSS", "WIDE" };
    QTest::newRow("wide box") << rect(30, 100, 20, 110) << 5.0 << QStringList {} << QStringList { "WIDE" };
    QTest::newRow("invalid area") << QGeoRectangle() << 5.0 << QStringList { "POLE" } << QStringList { "POLE" };
    QTest::newRow("below the layer's zoom") << rect(2, -1, -1, 2) << 2.5 << QStringList { "WEST" }
                                            << QStringList { "WEST" };
    QTest::newRow("below the row's zoom") << rect(2, -1, -1, 2) << 3.5 << QStringList {} << QStringList { "WIDE" };
    QTest::newRow("at the row's zoom") << rect(2, -1, -1, 2) << 4.0 << QStringList {}
                                       << QStringList { "MID", "WIDE" };
    // clang-format on
}

// Boxes the grid cannot place in one cell, and areas it must not cut short, against the
// answers of Qt's rectangles.
void TestProxyModels::mapGridEdges()
{
    QFETCH(QGeoRectangle, area);
    QFETCH(double, zoom);
    QFETCH(QStringList, pinned);
    QFETCH(QStringList, expected);

    Fixture f;
    f.addAt("MID", Fix, rect(1, 0, 0, 1), 4.0);
    f.addAt("EAST", Fix, rect(1, 179.5, 0, 179.9));
    f.addAt("WEST", Fix, rect(1, -179.9, 0, -179.5));
    f.addAt("ACROSS", Fix, rect(1, 179, 0, -179));
    f.addAt("POLE", Fix, rect(90, 10, 89, 20));
    f.addAt("WIDE", Fix, rect(60, -170, -60, 170));
    f.model.reset();
    Tested<MapProxyModel> proxy(&f.model);
    proxy.setMinZoom(3.0);
    proxy.setTypeFilter(true, Fix);
    proxy.setUidFilter(pinned);
    proxy.setGeoFilter(area, zoom);
    QCOMPARE(uidsOf(proxy), expected);
    // The same answer when the rows are taken one pass after another.
    proxy.setGeoFilter(rect(-10, -10, -11, -9), 5.0);
    proxy.setGeoFilter(area, zoom);
    QCOMPARE(uidsOf(proxy), expected);
}

void TestProxyModels::indexedInBackground_data()
{
    // clang-format off
    QTest::addColumn<bool>("resetWhilePending");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("map");

    QTest::newRow("one build") << false << "" << QStringList { "A", "B", "C" } << QStringList { "B", "A" };
    QTest::newRow("typed while building") << false << "b" << QStringList { "B" } << QStringList { "B", "A" };
    // The rows of the first build are gone: only the second build counts.
    QTest::newRow("reset while building") << true << "" << QStringList { "A", "B", "D" }
                                          << QStringList { "D", "B", "A" };
    // clang-format on
}

void TestProxyModels::indexedInBackground()
{
    QFETCH(bool, resetWhilePending);
    QFETCH(QString, typed);
    QFETCH(QStringList, list);
    QFETCH(QStringList, map);

    Fixture f;
    f.addAt("C", Fix, rect(40, 0, 39, 1));
    f.addAt("B", Fix, rect(1, 0, 0, 1));
    f.addAt("A", Fix, rect(1, 1, 0, 2));
    f.model.reset();
    ListProxyModel listProxy;
    MapProxyModel mapProxy;
    QAbstractItemModelTester listTester(&listProxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester mapTester(&mapProxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    listProxy.setBackgroundRows(2);
    mapProxy.setBackgroundRows(2);
    listProxy.setTypeFilter(true, Fix);
    mapProxy.setTypeFilter(true, Fix);
    mapProxy.setGeoFilter(rect(2, -1, -1, 3), 5.0);
    QSignalSpy listIndexed(&listProxy, &ItemFilterModel::indexed);
    QSignalSpy mapIndexed(&mapProxy, &ItemFilterModel::indexed);
    listProxy.setSourceModel(&f.model);
    mapProxy.setSourceModel(&f.model);
    QVERIFY(listProxy.indexing());
    QVERIFY(mapProxy.indexing());
    QCOMPARE(listProxy.rowCount(), 0);
    QCOMPARE(mapProxy.rowCount(), 0);
    listProxy.setTextFilter(typed);
    if (resetWhilePending) {
        f.model.beginReset();
        f.spots[0]->setUid("D");
        f.spots[0]->setBounding(rect(0.5, 0.2, 0.1, 0.4));
        f.model.endReset();
    }
    QTRY_COMPARE(listIndexed.size(), 1);
    QTRY_COMPARE(mapIndexed.size(), 1);
    QVERIFY(!listProxy.indexing());
    QVERIFY(!mapProxy.indexing());
    QCOMPARE(uidsOf(listProxy), list);
    QCOMPARE(uidsOf(mapProxy), map);
    // Nothing else arrives later.
    QTest::qWait(20);
    QCOMPARE(listIndexed.size(), 1);
    QCOMPARE(mapIndexed.size(), 1);
}

void TestProxyModels::rowsAddedQuietly_data()
{
    // clang-format off
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QGeoRectangle>("box");
    QTest::addColumn<QStringList>("map");
    QTest::addColumn<QStringList>("list");

    QTest::newRow("in the area") << "B" << rect(1.5, 0, 1.2, 1) << QStringList { "Z", "B" } << QStringList { "B", "Z" };
    QTest::newRow("outside the area") << "C" << rect(30, 0, 29, 1) << QStringList { "Z" } << QStringList { "C", "Z" };
    QTest::newRow("outside, pinned") << "PIN" << rect(30, 0, 29, 1) << QStringList { "Z", "PIN" }
                                     << QStringList { "PIN", "Z" };
    // clang-format on
}

// The database adds coordinate points at the end of its model without a signal and then asks the
// filters to look again: the new row is tested on its own, in its place in each filter's order.
void TestProxyModels::rowsAddedQuietly()
{
    QFETCH(QString, uid);
    QFETCH(QGeoRectangle, box);
    QFETCH(QStringList, map);
    QFETCH(QStringList, list);

    Fixture f;
    f.addAt("Z", Fix, rect(1, 0, 0, 1));
    f.addAt("Y", Airport, rect(1, 0, 0, 1));
    f.model.reset();
    Tested<MapProxyModel> mapProxy(&f.model);
    Tested<ListProxyModel> listProxy(&f.model);
    mapProxy.setTypeFilter(true, Fix);
    listProxy.setTypeFilter(true, Fix);
    mapProxy.setUidFilter({"PIN"});
    mapProxy.setGeoFilter(rect(2, -1, -1, 2), 10);
    QSignalSpy mapResets(&mapProxy, &QAbstractItemModel::modelReset);

    f.addAt(uid, Fix, box);
    mapProxy.invalidate();
    listProxy.invalidate();
    QCOMPARE(uidsOf(mapProxy), map);
    QCOMPARE(uidsOf(listProxy), list);
    // The rows already there keep their delegates: no reset of the map layer.
    QCOMPARE(mapResets.size(), 0);
}

QTEST_GUILESS_MAIN(TestProxyModels)
#include "tst_proxymodels.moc"
