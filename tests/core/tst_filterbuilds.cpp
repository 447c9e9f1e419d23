#include "basemodel.h"
#include "filtertesthelpers.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr int Airport = 1;
constexpr int Fix = 2;

class Spot : public BaseItem
{
public:
    Spot(const QString &uid, int type, const QGeoRectangle &box)
        : BaseItem(uid, uid, 0.0, 0.0, type)
    {
        setBounding(box);
    }
};

// Enough rows for the filters to index them on a worker; every thousandth a fix inside the
// area below, the others airports far from it.
QList<Spot *> manySpots(const QString &prefix)
{
    QList<Spot *> spots;
    for (int i = 0; i < 60000; ++i) {
        const bool fix = i % 1000 == 0;
        spots << new Spot(prefix + QString::number(i).rightJustified(5, u'0'), fix ? Fix : Airport,
                          fix ? rect(1, 0, 0, 1) : rect(41, 10, 40, 11));
    }
    return spots;
}

// Last row first, so that a worker reading from the front meets freed items.
void deleteAll(QList<Spot *> &spots)
{
    while (!spots.isEmpty())
        delete spots.takeLast();
}

} // namespace

class TestFilterBuilds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void noBuildOutlivesItsItems_data();
    void noBuildOutlivesItsItems();
    void mapBoxes_data();
    void mapBoxes();
};

enum class Change { Reset, Quiet, QuietSameRows, FilterGone };
Q_DECLARE_METATYPE(Change)

void TestFilterBuilds::noBuildOutlivesItsItems_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("reset, old items deleted at once") << Change::Reset;
    // As lists installed on another thread: the rows change without a word, the holder says the
    // items go, deletes them, and only then resets the model.
    QTest::newRow("rows replaced quietly") << Change::Quiet;
    QTest::newRow("items replaced, rows unchanged") << Change::QuietSameRows;
    QTest::newRow("filters destroyed while building") << Change::FilterGone;
}

// A build on a worker reads the items of its snapshot: whatever happens to the rows, none of
// them may be deleted under it (run under AddressSanitizer to see a read of a freed item).
void TestFilterBuilds::noBuildOutlivesItsItems()
{
    QFETCH(Change, change);

    BaseModel<Spot> model;
    QList<Spot *> old = manySpots("O");
    model.contents().assign(old);
    QList<Spot *> fresh = change == Change::QuietSameRows ? QList<Spot *>() : manySpots("N");
    // Made ready beforehand and swapped in, as the database does.
    BaseModel<Spot>::Contents freshRows;
    freshRows.assign(fresh);
    auto map = std::make_unique<MapProxyModel>();
    auto list = std::make_unique<ListProxyModel>();
    map->setTypeFilter(true, Fix);
    map->setGeoFilter(rect(2, -1, -1, 2), 10);
    list->setTypeFilter(true, Fix);
    map->setSourceModel(&model);
    list->setSourceModel(&model);
    QVERIFY(map->indexing());
    QVERIFY(list->indexing());
    QSignalSpy mapResets(map.get(), &QAbstractItemModel::modelReset);

    switch (change) {
    case Change::Reset:
        model.beginReset();
        model.swapContents(freshRows);
        model.endReset();
        deleteAll(old);
        break;
    case Change::Quiet:
        model.swapContents(freshRows);
        map->sourceItemsReplaced();
        list->sourceItemsReplaced();
        deleteAll(old);
        model.reset();
        break;
    case Change::QuietSameRows:
        map->sourceItemsReplaced();
        list->sourceItemsReplaced();
        QVERIFY(map->indexing());
        QCOMPARE(mapResets.size(), 0);
        fresh = std::exchange(old, {});
        break;
    case Change::FilterGone:
        map.reset();
        list.reset();
        deleteAll(old);
        model.beginReset();
        model.swapContents(freshRows);
        model.endReset();
        break;
    }
    if (map) {
        // 60 fixes in 60,000 rows, all inside the area.
        QTRY_VERIFY(!map->indexing() && !list->indexing());
        const QString first = fresh.first()->uid();
        QCOMPARE(map->rowCount(), 60);
        QCOMPARE(list->rowCount(), 60);
        QCOMPARE(uidsOf(*list).first(), first);
        QCOMPARE(uidsOf(*map).last(), first.left(1) + "59000");
    }
    model.beginReset();
    model.clear();
    model.endReset();
    deleteAll(fresh);
}

void TestFilterBuilds::mapBoxes_data()
{
    QTest::addColumn<QGeoRectangle>("area");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("around the middle box") << rect(1.5, -0.5, -0.5, 0.5) << QStringList { "MID" };
    QTest::newRow("edges touching") << rect(1, 1, 0.5, 3) << QStringList { "MID", "CORNER" };
    QTest::newRow("area across 180") << rect(2, 178, -1, -178) << QStringList { "ACROSS", "EAST", "WEST" };
    QTest::newRow("east of 180, within a box across it") << rect(2, -179.4, -1, -170) << QStringList { "ACROSS" };
    QTest::newRow("west of 180, short of a box across it") << rect(2, 170, -1, 178.9) << QStringList {};
    // Boxes that reach the same pole meet, whatever their longitudes.
    QTest::newRow("up to the north pole") << rect(90, 100, 80, 110) << QStringList { "NPOLE" };
    QTest::newRow("short of the north pole") << rect(89.5, 100, 80, 110) << QStringList {};
    QTest::newRow("down to the south pole") << rect(-80, -60, -90, -50) << QStringList { "SPOLE" };
    QTest::newRow("across 180 down to the south pole") << rect(-80, 170, -90, -170) << QStringList { "SPOLE" };
}

// Each row's box against the area as Qt's rectangles meet, across the antimeridian and at the
// poles.
void TestFilterBuilds::mapBoxes()
{
    QFETCH(QGeoRectangle, area);
    QFETCH(QStringList, expected);

    BaseModel<Spot> model;
    const QList<Spot *> spots { new Spot("MID", Fix, rect(1, 0, 0, 1)),
                                new Spot("CORNER", Fix, rect(2, 1, 1, 2)),
                                new Spot("ACROSS", Fix, rect(1, 179, 0, -179)),
                                new Spot("EAST", Fix, rect(1, 179.5, 0, 179.9)),
                                new Spot("WEST", Fix, rect(1, -179.9, 0, -179.5)),
                                new Spot("NPOLE", Fix, rect(90, 10, 89, 20)),
                                new Spot("SPOLE", Fix, rect(-89, 10, -90, 20)) };
    model.contents().assign(spots);
    MapProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setTypeFilter(true, Fix);
    proxy.setGeoFilter(area, 10);
    QCOMPARE(uidsOf(proxy), expected);
    proxy.setSourceModel(nullptr);
    qDeleteAll(spots);
}

QTEST_GUILESS_MAIN(TestFilterBuilds)
#include "tst_filterbuilds.moc"
