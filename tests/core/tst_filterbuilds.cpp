#include "basemodel.h"
#include "filtertesthelpers.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "testsupport.h"

#include <QTest>

#include <memory>

namespace {

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

// Enough rows to be indexed on a worker: every thousandth a fix in the area the test shows.
QList<Spot *> manySpots(const QString &prefix)
{
    QList<Spot *> spots;
    for (int i = 0; i < 60000; ++i)
        spots << new Spot(prefix + QString::number(i).rightJustified(5, u'0'), i % 1000 ? 1 : Fix, rect(1, 0, 0, 1));
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
};

void TestFilterBuilds::noBuildOutlivesItsItems_data()
{
    // clang-format off
    QTest::addColumn<int>("change");
    QTest::newRow("reset, old items deleted at once") << 0;
    // As lists installed on another thread: the rows change without a word, the holder says the
    // items go and deletes them, and only then resets the model.
    QTest::newRow("rows replaced quietly") << 1;
    QTest::newRow("filters destroyed while building") << 2;
    // clang-format on
}

// Whatever happens to the rows, no item may be deleted under a build that reads it (run under
// AddressSanitizer to see such a read).
void TestFilterBuilds::noBuildOutlivesItsItems()
{
    QFETCH(int, change);
    BaseModel<Spot> model;
    QList<Spot *> old = manySpots("O");
    QList<Spot *> fresh = manySpots("N");
    model.contents().assign(old);
    BaseModel<Spot>::Contents freshRows; // made ready beforehand, as the database does
    freshRows.assign(fresh);
    auto map = std::make_unique<MapProxyModel>();
    auto list = std::make_unique<ListProxyModel>();
    map->setTypeFilter(true, Fix);
    map->setGeoFilter(rect(2, -1, -1, 2), 10);
    list->setTypeFilter(true, Fix);
    map->setSourceModel(&model);
    list->setSourceModel(&model);
    QVERIFY(map->indexing() && list->indexing());

    if (change == 2) {
        map.reset();
        list.reset();
    } else if (change == 1) {
        model.swapContents(freshRows);
        map->sourceItemsReplaced();
        list->sourceItemsReplaced();
    } else {
        model.beginReset();
        model.swapContents(freshRows);
        model.endReset();
    }
    deleteAll(old);
    if (map) {
        model.reset();
        QTRY_VERIFY(!map->indexing() && !list->indexing());
        QCOMPARE(map->rowCount(), 60);
        QCOMPARE(uidsOf(*map).last(), "N59000");
        QCOMPARE(uidsOf(*list).first(), "N00000");
    }
    model.clear();
    deleteAll(fresh);
}

QTEST_GUILESS_MAIN(TestFilterBuilds)
#include "tst_filterbuilds.moc"
