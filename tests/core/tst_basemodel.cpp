#include "basemodel.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QTest>

namespace {

// An item class with a role of its own, as the navigation items have.
class Spot : public BaseItem
{
public:
    enum Roles { Code = BaseItem::BaseRolePoint };

    Spot(const QString &uid, int type = 0)
        : BaseItem(uid, uid, 0.0, 0.0, type)
    {
    }

    QVariant data(int role) const
    {
        if (role == Code)
            return QStringLiteral("code of ") + uid();
        return BaseItem::data(role);
    }

    static QHash<int, QByteArray> roleNames()
    {
        QHash<int, QByteArray> roles = BaseItem::roleNames();
        roles.insert(Code, "role_code");
        return roles;
    }
};

// Serves only the base roles, as procedures do: it declares no data() or roleNames().
class Plain : public BaseItem
{
public:
    explicit Plain(const QString &uid)
        : BaseItem(uid, uid, 0.0, 0.0, 0)
    {
    }
};

// Makes indexes of any row, as a view holding a stale index would present them.
class SpotModel : public BaseModel<Spot>
{
public:
    QModelIndex forge(int row) const { return createIndex(row, 0); }
};

} // namespace

class TestBaseModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }
    void init();
    void cleanup();

    void emptyModel();
    void dataForwardsToItemClass();
    void dataOutsideRows_data();
    void dataOutsideRows();
    void flags();
    void rowCountIgnoresParent();
    void baseRoleNamesOnly();
    void duplicateUidPointsToLastAdded();
    void removeAt_data();
    void removeAt();
    void removeDuplicateKeepsOtherEntry();
    void removeTypeFromLastToFirst();
    void clearAndReset();

private:
    void verifyIndexExact() const;

    SpotModel *m_model = nullptr;
    QAbstractItemModelTester *m_tester = nullptr;
    QList<Spot *> m_spots;
};

void TestBaseModel::init()
{
    m_model = new SpotModel;
    m_tester = new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestBaseModel::cleanup()
{
    delete m_tester;
    delete m_model;
    qDeleteAll(m_spots);
    m_spots.clear();
}

// Every item that the index names is found at its real row.
void TestBaseModel::verifyIndexExact() const
{
    for (int row = 0; row < m_model->count(); ++row) {
        Spot *spot = m_model->at(row);
        if (!spot)
            continue;
        Spot *found = m_model->find(spot->uid());
        QVERIFY2(found, qPrintable(spot->uid()));
        const int foundRow = m_model->rowOf(spot->uid());
        QCOMPARE(m_model->at(foundRow), found);
        QCOMPARE(found->uid(), spot->uid());
    }
}

void TestBaseModel::emptyModel()
{
    QCOMPARE(m_model->rowCount(), 0);
    QVERIFY(!m_model->parent());
    QCOMPARE(m_model->find("X"), nullptr);
    QCOMPARE(m_model->rowOf("X"), -1);
    QVERIFY(!m_model->data(m_model->index(0, 0), BaseItem::UID).isValid());
}

void TestBaseModel::dataForwardsToItemClass()
{
    m_spots << new Spot("EDDF") << new Spot("LFPG");
    m_model->beginReset();
    for (Spot *spot : std::as_const(m_spots))
        m_model->add(spot);
    m_model->endReset();

    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->data(m_model->index(1, 0), Spot::Code), QVariant("code of LFPG"));
    QCOMPARE(m_model->data(m_model->index(0, 0), BaseItem::UID), QVariant("EDDF"));
    QCOMPARE(m_model->data(m_model->index(0, 0), BaseItem::Search), QVariant("eddf"));
    QVERIFY(!m_model->data(m_model->index(0, 0), Qt::DisplayRole).isValid());
    QCOMPARE(m_model->roleNames().value(Spot::Code), QByteArray("role_code"));
    QCOMPARE(m_model->roleNames().size(), 6);
}

void TestBaseModel::dataOutsideRows_data()
{
    // clang-format off
    QTest::addColumn<int>("row");
    QTest::newRow("negative") << -1;
    QTest::newRow("row count") << 3;
    QTest::newRow("far beyond") << 1000;
    QTest::newRow("null entry") << 1;
    // clang-format on
}

void TestBaseModel::dataOutsideRows()
{
    QFETCH(int, row);
    m_spots << new Spot("A") << new Spot("C");
    m_model->beginReset();
    m_model->add(m_spots[0]);
    m_model->add(nullptr);
    m_model->add(m_spots[1]);
    m_model->endReset();

    QCOMPARE(m_model->rowCount(), 3);
    const QModelIndex forged = m_model->forge(row);
    for (int role : {int(BaseItem::UID), int(BaseItem::Bounding), int(Spot::Code)})
        QVERIFY(!m_model->data(forged, role).isValid());
    QCOMPARE(m_model->at(row), nullptr);
    QCOMPARE(m_model->find("C"), m_spots[1]);
}

void TestBaseModel::flags()
{
    m_spots << new Spot("A");
    m_model->add(m_spots[0]);
    m_model->reset();
    QCOMPARE(m_model->flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(m_model->flags(m_model->index(0, 0)), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void TestBaseModel::rowCountIgnoresParent()
{
    m_spots << new Spot("A") << new Spot("B");
    m_model->add(m_spots[0]);
    m_model->add(m_spots[1]);
    m_model->reset();
    QCOMPARE(m_model->rowCount(m_model->index(0, 0)), 2);
}

void TestBaseModel::baseRoleNamesOnly()
{
    BaseModel<Plain> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    Plain plain("KJFK/ILS04L");
    model.add(&plain);
    model.reset();

    QList<QByteArray> names = model.roleNames().values();
    std::sort(names.begin(), names.end());
    const QList<QByteArray> expected
        = {"role_bounding", "role_minzoom", "role_minzoom_details", "role_search", "role_uid"};
    QCOMPARE(names, expected);
    QCOMPARE(model.data(model.index(0, 0), BaseItem::UID), QVariant("KJFK/ILS04L"));
    QVERIFY(!model.data(model.index(0, 0), BaseItem::BaseRoleProcedure).isValid());
    model.clear();
    model.reset();
}

void TestBaseModel::duplicateUidPointsToLastAdded()
{
    m_spots << new Spot("DUP") << new Spot("DUP");
    m_model->add(m_spots[0]);
    m_model->add(m_spots[1]);
    m_model->reset();
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->find("DUP"), m_spots[1]);
    QCOMPARE(m_model->rowOf("DUP"), 1);
}

void TestBaseModel::removeAt_data()
{
    // clang-format off
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 2;
    QTest::newRow("last") << 4;
    // clang-format on
}

void TestBaseModel::removeAt()
{
    QFETCH(int, row);
    for (const char *uid : {"A", "B", "C", "D", "E"})
        m_spots << new Spot(uid);
    for (Spot *spot : std::as_const(m_spots))
        m_model->add(spot);
    m_model->reset();

    Spot *removed = m_spots[row];
    const QPointer<Spot> alive(removed);
    m_model->beginReset();
    m_model->removeAt(row);
    m_model->endReset();

    QCOMPARE(m_model->rowCount(), 4);
    QCOMPARE(m_model->find(removed->uid()), nullptr);
    QCOMPARE(m_model->rowOf(removed->uid()), -1);
    // The rows behind moved up by one, and the index moved with them.
    for (int r = 0; r < 4; ++r) {
        Spot *expected = m_spots[r < row ? r : r + 1];
        QCOMPARE(m_model->at(r), expected);
        QCOMPARE(m_model->rowOf(expected->uid()), r);
    }
    verifyIndexExact();
    // The model never deletes: the item is still ours to delete (cleanup does).
    QVERIFY(!alive.isNull());
}

void TestBaseModel::removeDuplicateKeepsOtherEntry()
{
    m_spots << new Spot("DUP") << new Spot("X") << new Spot("DUP");
    for (Spot *spot : std::as_const(m_spots))
        m_model->add(spot);
    m_model->reset();

    // The older DUP is gone; the index still finds the newer one, now a row higher.
    m_model->removeAt(0);
    m_model->reset();
    QCOMPARE(m_model->find("DUP"), m_spots[2]);
    QCOMPARE(m_model->rowOf("DUP"), 1);
    QCOMPARE(m_model->rowOf("X"), 0);
}

void TestBaseModel::removeTypeFromLastToFirst()
{
    // As the database replaces the oceanic tracks: every segment of one type, walked backwards.
    const int trackType = 4;
    for (int i = 0; i < 40; ++i)
        m_spots << new Spot(QStringLiteral("S%1").arg(i), (i % 3 == 0) ? trackType : 1);
    for (Spot *spot : std::as_const(m_spots))
        m_model->add(spot);
    m_model->reset();

    QList<Spot *> kept;
    for (Spot *spot : std::as_const(m_spots)) {
        if (spot->type() != trackType)
            kept << spot;
    }

    m_model->beginReset();
    for (int row = m_model->count() - 1; row >= 0; --row) {
        if (m_model->at(row)->type() == trackType)
            m_model->removeAt(row);
    }
    m_model->endReset();

    QCOMPARE(m_model->items(), kept);
    verifyIndexExact();
    for (Spot *spot : std::as_const(m_spots)) {
        if (spot->type() == trackType)
            QCOMPARE(m_model->find(spot->uid()), nullptr);
    }
}

void TestBaseModel::clearAndReset()
{
    m_spots << new Spot("A") << new Spot("B");
    m_model->add(m_spots[0]);
    m_model->add(m_spots[1]);
    m_model->reset();
    const QPointer<Spot> first(m_spots[0]);
    m_model->beginReset();
    m_model->clear();
    m_model->endReset();
    QCOMPARE(m_model->rowCount(), 0);
    QCOMPARE(m_model->find("A"), nullptr);
    // The model does not delete its items.
    QVERIFY(!first.isNull());
}

QTEST_GUILESS_MAIN(TestBaseModel)
#include "tst_basemodel.moc"
