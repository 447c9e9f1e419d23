#include "basemodel.h"
#include "itemselectionmodel.h"
#include "listproxymodel.h"
#include "mapproxymodel.h"
#include "planfixture.h"

#include <QGeoRectangle>
#include <QTest>

namespace {

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

// The shared selection over a live database and flight plan: rows in the three views, the
// order of the signals, hover, flight-plan changes and a reload of the database.
class TestItemSelectionModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void selectFrom_data();
    void selectFrom();
    void outOfRangeChangesNothing();
    void routeRowFollowsPlan();
    void hoverRules();
    void clearEmitsEmpty();
    void reloadKeepsSelectionByUid();
    void reloadWithoutThePointClears();
    void listRowBackAfterBackgroundIndex();

private:
    void record();
    int baseRowOf(const QString &uid) const { return m_fixture.db()->pointModel()->rowOf(uid); }

    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<ItemSelectionModel> m_ism;
    QHash<QString, QString> m_uid; // code -> UID
    QStringList m_signals;
    QList<QMetaObject::Connection> m_connections;
};

void TestItemSelectionModel::initTestCase()
{
    m_fixture.setUp();
    // Airports show in the point list, fixes do not.
    m_uid.insert(QStringLiteral("BBBB"), m_fixture.airport(QStringLiteral("BBBB"), 0.0, 2.0, 100)->uid());
    m_uid.insert(QStringLiteral("P"), m_fixture.fix(QStringLiteral("P"), 0.0, 0.5)->uid());
    m_uid.insert(QStringLiteral("AAAA"), m_fixture.airport(QStringLiteral("AAAA"), 0.0, 0.0, 300)->uid());
    m_uid.insert(QStringLiteral("Q"), m_fixture.fix(QStringLiteral("Q"), 0.0, 1.0)->uid());
    m_fixture.db()->pointModel()->reset();
    m_fixture.db()->pointMapModel()->setGeoFilter(QGeoRectangle(QGeoCoordinate(10, -10), QGeoCoordinate(-10, 10)), 20);
    m_plan = std::make_unique<Flightplan>();
}

void TestItemSelectionModel::init()
{
    m_plan->clear(false);
    m_ism = std::make_unique<ItemSelectionModel>(m_fixture.db()->pointModel(), m_plan.get(),
                                                 m_fixture.db()->pointListModel(), m_fixture.db()->pointMapModel());
    record();
}

void TestItemSelectionModel::cleanupTestCase()
{
    m_ism.reset();
    m_plan.reset();
    m_fixture.tearDown();
}

// Every signal of the selection as "name(argument)". The selection's own signal-to-signal
// connections run before these, so the list holds what was emitted, not in emission order:
// compare it sorted.
void TestItemSelectionModel::record()
{
    m_signals.clear();
    ItemSelectionModel *ism = m_ism.get();
    connect(ism, &ItemSelectionModel::selected, this, [this](const QString &u) { m_signals << "selected(" + u + ")"; });
    connect(ism, &ItemSelectionModel::hovered, this, [this](const QString &u) { m_signals << "hovered(" + u + ")"; });
    connect(ism, &ItemSelectionModel::hoveredorselected, this,
            [this](const QString &u) { m_signals << "hoveredorselected(" + u + ")"; });
    connect(ism, &ItemSelectionModel::selectedNoParam, this,
            [this] { m_signals << QStringLiteral("selectedNoParam"); });
    connect(ism, &ItemSelectionModel::hoveredorselectedNoParam, this,
            [this] { m_signals << QStringLiteral("hoveredorselectedNoParam"); });
}

void TestItemSelectionModel::selectFrom_data()
{
    // clang-format off
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("listRow");
    QTest::addColumn<int>("tableRow");
    // The list holds the two airports sorted by UID; the plan is AAAA, Q, BBBB.
    QTest::newRow("list airport") << "list" << "BBBB" << 1 << 2;
    QTest::newRow("UID fix hidden from the list") << "UID" << "Q" << -1 << 1;
    QTest::newRow("UID point not in the plan") << "UID" << "P" << -1 << -1;
    QTest::newRow("route") << "route" << "AAAA" << 0 << 0;
    QTest::newRow("map") << "map" << "P" << -1 << -1;
    // clang-format on
}

void TestItemSelectionModel::selectFrom()
{
    QFETCH(QString, how);
    QFETCH(QString, code);
    QFETCH(int, listRow);
    QFETCH(int, tableRow);
    for (const char *c : {"AAAA", "Q", "BBBB"})
        QVERIFY(m_plan->append(m_uid.value(c), false));
    const QString uid = m_uid.value(code);
    m_signals.clear();
    if (how == QLatin1String("list")) {
        m_ism->selectFromList(listRow);
    } else if (how == QLatin1String("route")) {
        m_ism->selectFromRoute(tableRow);
    } else if (how == QLatin1String("map")) {
        MapProxyModel *map = m_fixture.db()->pointMapModel();
        int mapRow = -1;
        for (int r = 0; r < map->rowCount(); ++r) {
            if (map->index(r, 0).data(BaseItem::UID).toString() == uid)
                mapRow = r;
        }
        QVERIFY(mapRow >= 0);
        m_ism->selectFromMap(mapRow);
    } else {
        m_ism->selectFromUID(uid);
    }
    QCOMPARE(sorted(m_signals), sorted({"selected(" + uid + ")", "hoveredorselected(" + uid + ")",
                                        "hoveredorselectedNoParam", "selectedNoParam"}));
    QCOMPARE(m_ism->currentUID, uid);
    QCOMPARE(m_ism->currentBaseRow, baseRowOf(uid));
    QCOMPARE(m_ism->currentListRow, listRow);
    QCOMPARE(m_ism->currentTableRow, tableRow);
    QVERIFY(m_ism->hasSelection());
    QCOMPARE(m_ism->getSelectedItemRole(BaseItem::UID).toString(), uid);
}

void TestItemSelectionModel::outOfRangeChangesNothing()
{
    QVERIFY(m_plan->append(m_uid.value("P"), false));
    m_ism->selectFromUID(m_uid.value("Q"));
    m_signals.clear();
    TestSupport::captureMessages();
    m_ism->selectFromList(-1);
    m_ism->selectFromList(m_fixture.db()->pointListModel()->rowCount());
    m_ism->selectFromMap(m_fixture.db()->pointMapModel()->rowCount());
    m_ism->selectFromRoute(1);
    TestSupport::releaseMessages();
    QCOMPARE(TestSupport::capturedMessages(), QStringList());
    QCOMPARE(m_signals, QStringList());
    QCOMPARE(m_ism->currentUID, m_uid.value("Q"));
    QCOMPARE(m_ism->getBaseRow(-1), -1);
}

void TestItemSelectionModel::routeRowFollowsPlan()
{
    // Q stands twice: the clicked row is kept until the plan changes.
    for (const char *c : {"AAAA", "Q", "P"})
        QVERIFY(m_plan->append(m_uid.value(c), false));
    QVERIFY(m_plan->duplicate(1));
    QCOMPARE(m_plan->uidAt(2), m_uid.value("Q"));
    m_ism->selectFromRoute(2);
    QCOMPARE(m_ism->currentTableRow, 2);
    QCOMPARE(m_ism->selectedFrom(), QStringLiteral("route"));
    m_signals.clear();
    QVERIFY(m_plan->remove(0));
    QCOMPARE(m_ism->currentTableRow, 0);
    QVERIFY(m_signals.contains("selected(" + m_uid.value("Q") + ")"));
    // Announced as a follow-up of the plan, which the map does not move for.
    QCOMPARE(m_ism->selectedFrom(), QStringLiteral("signal"));
    QVERIFY(m_plan->remove(m_uid.value("Q")));
    while (m_plan->contains(m_uid.value("Q")))
        QVERIFY(m_plan->remove(m_uid.value("Q")));
    QCOMPARE(m_ism->currentTableRow, -1);
    QCOMPARE(m_ism->currentUID, m_uid.value("Q"));

    // Nothing selected: a change of the plan emits nothing.
    m_ism->clear();
    QCOMPARE(m_ism->selectedFrom(), QString());
    m_signals.clear();
    QVERIFY(m_plan->append(m_uid.value("BBBB"), false));
    QCOMPARE(m_signals, QStringList());
}

void TestItemSelectionModel::hoverRules()
{
    const QString p = m_uid.value("P");
    const QString q = m_uid.value("Q");
    m_ism->selectFromUID(q);
    m_signals.clear();
    m_ism->setHovered(true, p);
    m_ism->setHovered(false, q);
    QCOMPARE(sorted(m_signals),
             sorted({"hovered(" + p + ")", "hoveredorselected(" + p + ")", "hoveredorselectedNoParam",
                     "hovered(" + p + ")", "hoveredorselected(" + p + ")", "hoveredorselectedNoParam"}));
    QCOMPARE(m_ism->getHoveredOrCurrentUID(), p);
    m_ism->setHovered(false, p);
    QCOMPARE(m_ism->getHoveredOrCurrentUID(), q);
    QVERIFY(m_ism->hasHoverOrSelection());
}

void TestItemSelectionModel::clearEmitsEmpty()
{
    m_ism->setHovered(true, m_uid.value("P"));
    m_signals.clear();
    m_ism->clear();
    QCOMPARE(sorted(m_signals),
             sorted({"selected()", "hoveredorselected()", "hoveredorselectedNoParam", "selectedNoParam", "hovered()",
                     "hoveredorselected()", "hoveredorselectedNoParam"}));
    // selected comes before hovered.
    QVERIFY(m_signals.indexOf("selected()") < m_signals.indexOf("hovered()"));
    QVERIFY(!m_ism->hasSelection());
    QVERIFY(!m_ism->hasHoverOrSelection());
    QCOMPARE(m_ism->currentBaseRow, -1);
}

// A load or an import replaces every point object and may reorder them, inside one reset.
void TestItemSelectionModel::reloadKeepsSelectionByUid()
{
    BaseModel<Point> *points = m_fixture.db()->pointModel();
    const QString q = m_uid.value("Q");
    m_ism->selectFromUID(q);
    QCOMPARE(m_ism->currentBaseRow, 3);
    BaseModel<Point>::Contents reloaded;
    for (int row = points->count() - 1; row >= 0; --row) {
        const Point *old = points->at(row);
        reloaded.add(new Point(old->type(), old->position(), old->code(), QStringLiteral("ENRT"), QStringLiteral("K1"),
                               QString(), 0, 0.0f, QStringLiteral("C   ")));
    }
    m_signals.clear();
    points->beginReset();
    points->swapContents(reloaded);
    points->endReset();
    QCOMPARE(m_ism->currentUID, q);
    QCOMPARE(m_ism->currentBaseRow, 0);
    QCOMPARE(m_ism->getSelectedItemRole(BaseItem::UID).toString(), q);
    QCOMPARE(m_signals, QStringList{QStringLiteral("selectedNoParam")});
    points->beginReset();
    points->swapContents(reloaded);
    points->endReset();
    // The fixture's points are back; the copies were the test's own.
    qDeleteAll(reloaded.items());
}

void TestItemSelectionModel::reloadWithoutThePointClears()
{
    BaseModel<Point> *points = m_fixture.db()->pointModel();
    m_ism->selectFromUID(m_uid.value("P"));
    BaseModel<Point>::Contents without;
    for (Point *point : points->items()) {
        if (point->uid() != m_uid.value("P"))
            without.add(point);
    }
    m_signals.clear();
    points->beginReset();
    points->swapContents(without);
    points->endReset();
    QVERIFY(!m_ism->hasSelection());
    QCOMPARE(m_ism->currentUID, QString());
    QCOMPARE(m_ism->currentBaseRow, -1);
    QVERIFY(m_signals.contains("selected()"));
    points->beginReset();
    points->swapContents(without);
    points->endReset();
}

void TestItemSelectionModel::listRowBackAfterBackgroundIndex()
{
    ListProxyModel *list = m_fixture.db()->pointListModel();
    m_ism->selectFromUID(m_uid.value("BBBB"));
    const int listRow = m_ism->currentListRow;
    QVERIFY(listRow >= 0);
    QCOMPARE(list->index(listRow, 0).data(BaseItem::UID).toString(), m_uid.value("BBBB"));
    const int backgroundRows = list->backgroundRows();
    list->setBackgroundRows(1);
    m_fixture.db()->pointModel()->reset();
    QVERIFY(list->indexing());
    QCOMPARE(m_ism->currentListRow, -1);
    m_signals.clear();
    QTRY_VERIFY(!list->indexing());
    QCOMPARE(m_ism->currentListRow, listRow);
    QCOMPARE(m_signals, QStringList{QStringLiteral("selectedNoParam")});
    list->setBackgroundRows(backgroundRows);
}

QTEST_MAIN(TestItemSelectionModel)
#include "tst_itemselectionmodel.moc"
