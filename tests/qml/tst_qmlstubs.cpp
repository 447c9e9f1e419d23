// The Qt Quick Tests run the pages against stubs of the native objects; each stub may declare
// only what the real class offers (a member whose name starts with "stub" is the stub's own),
// so that a page that passes against a stub calls names that exist.
#include "airplanelistmodel.h"
#include "boundednetwork.h"
#include "database.h"
#include "flightplan.h"
#include "generator.h"
#include "mapproxymodel.h"
#include "netloader.h"
#include "proceduremanager.h"
#include "tracks.h"
#include "unit.h"
#include "xploader.h"

#include <QDir>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSet>
#include <QTest>

class TestQmlStubs : public QObject
{
    Q_OBJECT

private slots:
    void matchesRealClass_data();
    void matchesRealClass();
};

void TestQmlStubs::matchesRealClass_data()
{
    // clang-format off
    QTest::addColumn<QString>("file");
    QTest::addColumn<const QMetaObject *>("real");
    QTest::newRow("database") << "StubDatabase.qml" << &Database::staticMetaObject;
    QTest::newRow("xploader") << "StubXploader.qml" << &XpLoader::staticMetaObject;
    QTest::newRow("netloader") << "StubNetloader.qml" << &NetLoader::staticMetaObject;
    QTest::newRow("tracks") << "StubTracks.qml" << &Tracks::staticMetaObject;
    QTest::newRow("unit") << "StubUnit.qml" << &Unit::staticMetaObject;
    QTest::newRow("airplanes") << "StubAirplanes.qml" << &AirplaneListModel::staticMetaObject;
    QTest::newRow("flightplan") << "StubFlightplan.qml" << &Flightplan::staticMetaObject;
    QTest::newRow("generator") << "StubGenerator.qml" << &Generator::staticMetaObject;
    QTest::newRow("map model") << "StubPointMapModel.qml" << &MapProxyModel::staticMetaObject;
    QTest::newRow("procedureManager") << "StubProcedureManager.qml" << &ProcedureManager::staticMetaObject;
    QTest::newRow("network") << "StubNetwork.qml" << &BoundedNetworkFactory::staticMetaObject;
    // clang-format on
}

void TestQmlStubs::matchesRealClass()
{
    QFETCH(QString, file);
    QFETCH(const QMetaObject *, real);

    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl::fromLocalFile(QDir(QStringLiteral(WAYLORE_QML_STUB_DIR)).filePath(file)));
    std::unique_ptr<QObject> stub(component.create());
    QVERIFY2(stub, qPrintable(component.errorString()));

    QSet<QByteArray> realNames;
    for (int i = 0; i < real->propertyCount(); ++i)
        realNames.insert(real->property(i).name());
    for (int i = 0; i < real->methodCount(); ++i)
        realNames.insert(real->method(i).name());

    // Members a QML base type brings (ListModel's own, QtObject's) are not the stub's.
    const QMetaObject *stubType = stub->metaObject();
    const QMetaObject *base = stubType;
    while (base->superClass() && QByteArray(base->className()).contains("_QML"))
        base = base->superClass();

    QStringList missing;
    QSet<QByteArray> stubProperties;
    for (int i = base->propertyCount(); i < stubType->propertyCount(); ++i) {
        const QByteArray name = stubType->property(i).name();
        stubProperties.insert(name);
        if (!name.startsWith("stub") && !realNames.contains(name))
            missing << QString::fromLatin1(name);
    }
    for (int i = base->methodCount(); i < stubType->methodCount(); ++i) {
        const QByteArray name = stubType->method(i).name();
        const bool notifier = name.endsWith("Changed") && stubProperties.contains(name.chopped(7));
        if (!notifier && !name.startsWith("stub") && !realNames.contains(name))
            missing << QString::fromLatin1(name);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(real->className() + QStringLiteral(" lacks ") + missing.join(u", ")));
}

QTEST_MAIN(TestQmlStubs)
#include "tst_qmlstubs.moc"
