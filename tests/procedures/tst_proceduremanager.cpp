#include "airport.h"
#include "basemodel.h"
#include "cifploader.h"
#include "database.h"
#include "mapproxymodel.h"
#include "point.h"
#include "procedure.h"
#include "procedurefixes.h"
#include "proceduremanager.h"
#include "settings.h"
#include "testsupport.h"
#include "transitionmapmodel.h"

#include <QAbstractItemModelTester>
#include <QGeoRectangle>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The shown transitions of the map: the manager's choice, the model's rows under the model
// tester, the point map model's pinned UIDs, and what survives a database reload.

namespace {

QStringList rows(const QAbstractItemModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result.append(model->index(row, 0).data(TransitionMapModel::RoleTransition).toString());
    return result;
}

} // namespace

class TestProcedureManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void setProcedure();
    void removeOtherTransitions_data();
    void removeOtherTransitions();
    void removeTransition();
    void removeAllKeepsTheProcedure();
    void nothingBeforeAProcedure();
    void failedSetProcedureClearsTheMap();
    void pointuidsProperty();
    void roles();
    void modelAlone();
    void databaseClearedOrReloaded();

private:
    void loadProcedures();
    const Procedure *find(const QString &uid) const { return Database::findProcedure(uid, false); }

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<ProcedureManager> m_manager;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestProcedureManager::loadProcedures()
{
    for (const auto &[code, lat, lon] :
         {std::tuple{"ANEKI", 50.0, 8.0}, std::tuple{"TOBAK", 50.3, 8.3}, std::tuple{"KERAX", 50.6, 8.1}})
        addProcedureFix(*m_database, QString::fromLatin1(code), QGeoCoordinate(lat, lon));
    CifpLoader loader(m_database.get());
    loader.setPath(TestSupport::dataPath(QStringLiteral("cifp")));
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    QVERIFY(loader.load(&airport));
}

void TestProcedureManager::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    QVERIFY(m_database->procedureModel());
    loadProcedures();
    QVERIFY(find(QStringLiteral("EDDF/ANEK1A")));
}

void TestProcedureManager::init()
{
    m_manager = std::make_unique<ProcedureManager>(m_database->pointMapModel());
    m_tester = std::make_unique<QAbstractItemModelTester>(m_manager->transitionMapModel(),
                                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestProcedureManager::cleanup()
{
    m_tester.reset();
    m_manager.reset();
    m_database->pointMapModel()->setUidFilter({});
}

void TestProcedureManager::setProcedure()
{
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    m_manager->setProcedure(QStringLiteral("EDDF/ANEK1A"));
    const Procedure *sid = find(QStringLiteral("EDDF/ANEK1A"));
    QCOMPARE(m_manager->procedure(), sid);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rows(m_manager->transitionMapModel()), (QStringList{"RW25C", "ALL", "KERAX"}));
    QCOMPARE(m_manager->pointuids(), sid->pointUids(QString(), false));
    QVERIFY(m_manager->pointuids().contains(QStringLiteral("ED/ENRT/KERAX")));
    QCOMPARE(m_database->pointMapModel()->uidFilter(), m_manager->pointuids());
    QCOMPARE(m_manager->property("pointuids").toStringList(), m_manager->pointuids());
    QCOMPARE(m_manager->property("transitionMapModel").value<QAbstractListModel *>(), m_manager->transitionMapModel());

    // The approach's points leave out the missed-approach leg.
    m_manager->setProcedure(QStringLiteral("EDDF/I25L"));
    QCOMPARE(rows(m_manager->transitionMapModel()), (QStringList{"ANEKI", "KERAX", "ALL"}));
    QCOMPARE(m_manager->pointuids(), find(QStringLiteral("EDDF/I25L"))->pointUids(QString(), false));
}

void TestProcedureManager::removeOtherTransitions_data()
{
    // clang-format off
    QTest::addColumn<QString>("transition");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("runway") << "RW25C" << QStringList{"RW25C", "ALL"};
    QTest::newRow("common part") << "ALL" << QStringList{"ALL"};
    QTest::newRow("not of the procedure") << "NOPE" << QStringList{"NOPE", "ALL"};
    // clang-format on
}

void TestProcedureManager::removeOtherTransitions()
{
    QFETCH(QString, transition);
    QFETCH(QStringList, shown);
    m_manager->setProcedure(QStringLiteral("EDDF/ANEK1A"));
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    m_manager->removeOtherTransitions(transition);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rows(m_manager->transitionMapModel()), shown);
    QCOMPARE(m_manager->shownTransitions(), shown);
    const Procedure *sid = find(QStringLiteral("EDDF/ANEK1A"));
    QStringList points;
    for (const QString &name : shown)
        points += sid->pointUids(name, false);
    QCOMPARE(m_manager->pointuids(), points);
    QCOMPARE(m_database->pointMapModel()->uidFilter(), points);
}

void TestProcedureManager::removeTransition()
{
    m_manager->setProcedure(QStringLiteral("EDDF/ANEK1A"));
    m_manager->removeTransition(QStringLiteral("ALL"));
    QCOMPARE(rows(m_manager->transitionMapModel()), (QStringList{"RW25C", "KERAX"}));
    m_manager->removeOtherTransitions(QStringLiteral("KERAX"));
    m_manager->removeTransition(QStringLiteral("ALL"));
    QCOMPARE(rows(m_manager->transitionMapModel()), QStringList{"KERAX"});

    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    m_manager->removeTransition(QStringLiteral("KERAX"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
    QVERIFY(m_manager->pointuids().isEmpty());
    QVERIFY(m_database->pointMapModel()->uidFilter().isEmpty());

    // A name the procedure does not have removes nothing but still refreshes.
    m_manager->removeTransition(QStringLiteral("NOPE"));
    QCOMPARE(changed.count(), 2);
}

void TestProcedureManager::removeAllKeepsTheProcedure()
{
    m_manager->setProcedure(QStringLiteral("EDDF/KERA2B"));
    m_manager->removeAll();
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
    QVERIFY(m_manager->pointuids().isEmpty());
    QCOMPARE(m_manager->procedure(), find(QStringLiteral("EDDF/KERA2B")));
    m_manager->removeOtherTransitions(QStringLiteral("KERAX"));
    QCOMPARE(rows(m_manager->transitionMapModel()), (QStringList{"KERAX", "ALL"}));
}

void TestProcedureManager::nothingBeforeAProcedure()
{
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    m_manager->removeAll();
    m_manager->removeTransition(QStringLiteral("ALL"));
    m_manager->removeOtherTransitions(QStringLiteral("ALL"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
}

void TestProcedureManager::failedSetProcedureClearsTheMap()
{
    m_manager->setProcedure(QStringLiteral("EDDF/ANEK1A"));
    QVERIFY(!m_database->pointMapModel()->uidFilter().isEmpty());
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    QTest::ignoreMessage(QtWarningMsg, "Procedure with UID \"EDDF/NOPE1A\" not found in database!");
    m_manager->setProcedure(QStringLiteral("EDDF/NOPE1A"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_manager->procedure());
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
    QVERIFY(m_manager->pointuids().isEmpty());
    QVERIFY(m_database->pointMapModel()->uidFilter().isEmpty());
    m_manager->removeAll();
    QCOMPARE(changed.count(), 1);
}

void TestProcedureManager::pointuidsProperty()
{
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    QVERIFY(m_manager->setProperty("pointuids", QStringList{"ED/ENRT/KERAX"}));
    QCOMPARE(changed.count(), 1);
    m_manager->setPointuids({QStringLiteral("ED/ENRT/KERAX")});
    QCOMPARE(changed.count(), 1);
    // The map filter is the manager's to set, not the property's.
    QVERIFY(m_database->pointMapModel()->uidFilter().isEmpty());
}

void TestProcedureManager::roles()
{
    m_manager->setProcedure(QStringLiteral("EDDF/I25L"));
    const QAbstractItemModel *model = m_manager->transitionMapModel();
    const Procedure *approach = find(QStringLiteral("EDDF/I25L"));

    const QHash<int, QByteArray> names = model->roleNames();
    QCOMPARE(names.size(), 7);
    QCOMPARE(names.value(0), QByteArray("role_transition"));
    QCOMPARE(names.value(1), QByteArray("role_polyline"));
    QCOMPARE(names.value(6), QByteArray("role_transitions_bounding"));

    const QModelIndex kerax = model->index(1, 0);
    QCOMPARE(kerax.data(TransitionMapModel::RoleProcedureUid).toString(), QStringLiteral("EDDF/I25L"));
    QCOMPARE(kerax.data(TransitionMapModel::RoleProcedureIdentifier).toString(), QStringLiteral("I25L"));
    QCOMPARE(kerax.data(TransitionMapModel::RoleProcedureType).toInt(), int(Procedure::APPCH));
    QCOMPARE(kerax.data(TransitionMapModel::RoleTooltip).toString(),
             approach->transitionTooltip(QStringLiteral("KERAX")));
    const QVariantList line = kerax.data(TransitionMapModel::RolePolyline).toList();
    QCOMPARE(line, approach->buildProcedurePath(QStringLiteral("KERAX")));
    QVERIFY(!line.isEmpty());

    const QGeoRectangle box = kerax.data(TransitionMapModel::RoleTransitionsBounding).value<QGeoRectangle>();
    QVERIFY(box.isValid());
    for (const QString &transition : approach->transitions()) {
        for (const QVariant &point : approach->buildProcedurePath(transition))
            QVERIFY(box.contains(point.value<QGeoCoordinate>()));
    }

    QVERIFY(!kerax.data(7).isValid());
    QVERIFY(!model->index(0, 0).data(-1).isValid());
    QVERIFY(!model->index(model->rowCount(), 0).isValid());
    QCOMPARE(model->flags(kerax), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
}

void TestProcedureManager::modelAlone()
{
    TransitionMapModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    Procedure *sid = Database::findProcedure(QStringLiteral("EDDF/ANEK1A"), false);
    QVERIFY(!model.index(0, 0).data(TransitionMapModel::RoleTransition).isValid());
    QVERIFY(!model.transitionsBounding().isValid());
    model.setTransitions(sid, {QStringLiteral("ALL"), QStringLiteral("KERAX")});
    QCOMPARE(model.rowCount(), 2);
    model.setTransitions(sid, {QStringLiteral("KERAX")});
    QCOMPARE(model.rowCount(), 1);
    // A row whose transition has no legs has an empty line.
    model.setTransitions(sid, {QStringLiteral("NOPE")});
    QVERIFY(model.index(0, 0).data(TransitionMapModel::RolePolyline).toList().isEmpty());
    QVERIFY(!model.transitionsBounding().isValid());
    model.setTransitions(nullptr, {QStringLiteral("ALL")});
    QVERIFY(!model.index(0, 0).data(TransitionMapModel::RoleTransition).isValid());
}

void TestProcedureManager::databaseClearedOrReloaded()
{
    // Reloaded: the same transitions of the new procedure object stay shown.
    m_manager->setProcedure(QStringLiteral("EDDF/ANEK1A"));
    m_manager->removeOtherTransitions(QStringLiteral("KERAX"));
    m_database->blockSignals(true);
    m_database->clear();
    loadProcedures();
    m_database->blockSignals(false);
    const Procedure *reloaded = find(QStringLiteral("EDDF/ANEK1A"));
    QVERIFY(reloaded);
    QSignalSpy changed(m_manager.get(), &ProcedureManager::changed);
    emit m_database->loaded(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_manager->procedure(), reloaded);
    QCOMPARE(rows(m_manager->transitionMapModel()), (QStringList{"KERAX", "ALL"}));
    QCOMPARE(m_manager->transitionMapModel()->index(0, 0).data(TransitionMapModel::RolePolyline).toList(),
             reloaded->buildProcedurePath(QStringLiteral("KERAX")));

    // Cleared: nothing of it stays.
    m_database->clear();
    QCOMPARE(changed.count(), 2);
    QVERIFY(!m_manager->procedure());
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
    QVERIFY(m_manager->pointuids().isEmpty());
    QVERIFY(m_database->pointMapModel()->uidFilter().isEmpty());

    // And a reload after that does not bring it back.
    loadProcedures();
    emit m_database->loaded(true);
    QCOMPARE(m_manager->transitionMapModel()->rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestProcedureManager)
#include "tst_proceduremanager.moc"
