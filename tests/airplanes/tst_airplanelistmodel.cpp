#include <QtTest>

#include <QAbstractItemModelTester>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "airplanelistmodel.h"
#include "settings.h"
#include "testsupport.h"

namespace {

const QString currentKey = QStringLiteral("airplanes/current");

Airplane airplane(const QString &manufacturer, const QString &name, const QString &icao)
{
    Airplane a;
    a.manufacturer = manufacturer;
    a.name = name;
    a.icao = icao;
    return a;
}

QList<Airplane> threeAirplanes()
{
    Airplane jet = airplane(QStringLiteral("Aster"), QStringLiteral("Jet 320"), QStringLiteral("AJ32"));
    jet.mtow = 77000;
    Airplane prop = airplane(QStringLiteral("Halden"), QStringLiteral("Trainer"), QStringLiteral("HT10"));
    prop.fueltype = 1;
    prop.unittype = 1;
    Airplane stretch = airplane(QStringLiteral("Aster"), QStringLiteral("Jet 321"), QStringLiteral("AJ32"));
    return {jet, prop, stretch};
}

// Run in a child process: each ends the program with a fatal message.
int runFatalCase(const QByteArray &which, int argc, char *argv[])
{
    if (which == "second") {
        // The list reads its stored airplanes from the preferences on construction.
        QCoreApplication app(argc, argv);
        TestSupport::initApplication();
        Settings settings;
        AirplaneListModel first;
        AirplaneListModel second;
    } else if (which == "unallocated") {
        AirplaneListModel::currentAirplane();
    }
    return 0;
}

} // namespace

class TstAirplaneListModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::initApplication();
        QVERIFY(m_settingsDir.isValid());
        // Preferences go to a private folder: suites run in parallel and must not share one store.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        m_settings = std::make_unique<Settings>();
        m_model = std::make_unique<AirplaneListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void init()
    {
        m_settings->clear();
        m_model->setAirplanes(threeAirplanes());
    }

    void cleanupTestCase()
    {
        m_tester.reset();
        m_model.reset();
        m_settings.reset();
    }

    void defaultAirplaneIsUsable()
    {
        // A plan computed with no airplane at all must still have speeds and rates to work with.
        const Airplane a;
        QVERIFY(a.climbias > 0 && a.descentias > 0 && a.approachias > 0 && a.initialias > 0);
        QVERIFY(a.initialvs > 0 && a.climbvs > 0);
        QVERIFY(a.descentvs < 0 && a.approachvs < 0);
        QVERIFY(a.cruisefuel > 0 && a.maxcruisetas > 0 && a.ceilinglvl > 0);
        QVERIFY(a.eow < a.mzfw && a.mzfw <= a.mlw && a.mlw <= a.mtow);
        QCOMPARE(a.fueltype, 0);
        QCOMPARE(a.unittype, 0);
        QCOMPARE(a, Airplane());
    }

    void roles_data()
    {
        QTest::addColumn<QByteArray>("role");
        for (const char *name : {"icao", "name", "manufacturer", "maxpassengers", "passengerweight", "maxcargo",
                                 "eow", "mzfw", "mtow", "mlw", "v2", "takeoffdistance", "vat", "landingdistance",
                                 "ceilinglvl", "maxcruisetas", "initialias", "initialvs", "climbias", "climbvs",
                                 "descentias", "descentvs", "approachias", "approachvs", "fueltype", "unittype",
                                 "taxifuel", "climbfuel", "cruisefuel", "descentfuel", "alternatefuel",
                                 "contingencyfuel", "extrafuel", "finalfuel", "fuelcapacity", "registration",
                                 "equipment", "transponder", "decoration"})
            QTest::newRow(name) << QByteArray(name);
    }

    void roles()
    {
        QFETCH(QByteArray, role);
        const QList<int> roles = m_model->roleNames().keys(role);
        QCOMPARE(roles.size(), 1);
        const QVariant value = m_model->data(m_model->index(1), roles.first());
        QVERIFY(value.isValid());
        const Airplane expected = threeAirplanes().at(1);
        if (role == "decoration")
            QCOMPARE(value.toString(), QStringLiteral("Halden Trainer"));
        else
            QCOMPARE(value, Airplane::staticMetaObject.property(Airplane::staticMetaObject.indexOfProperty(role))
                                .readOnGadget(&expected));
    }

    void rows()
    {
        QCOMPARE(m_model->rowCount(), 3);
        const int mtow = m_model->roleNames().key("mtow");
        QCOMPARE(m_model->data(m_model->index(0), mtow).toInt(), 77000);
        QVERIFY(!m_model->data(m_model->index(0), Qt::UserRole + 1000).isValid());
        QVERIFY(!m_model->data(m_model->index(3), mtow).isValid());
        QCOMPARE(m_model->airplanes(), threeAirplanes());
    }

    void currentFromPreference_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("row");
        QTest::newRow("absent") << QVariant() << 0;
        QTest::newRow("first") << QVariant(0) << 0;
        QTest::newRow("last") << QVariant(2) << 2;
        QTest::newRow("one past the end") << QVariant(3) << 0;
        QTest::newRow("far past the end") << QVariant(99) << 0;
        QTest::newRow("negative") << QVariant(-1) << 0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << 0;
    }

    void currentFromPreference()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, row);
        if (stored.isValid()) {
            if (stored.typeId() == QMetaType::QString)
                Settings::setString(currentKey, stored.toString());
            else
                Settings::setInt(currentKey, stored.toInt());
        }
        QCOMPARE(m_model->currentIndex(), row);
        QCOMPARE(AirplaneListModel::currentAirplane(), threeAirplanes().at(row));
        QCOMPARE(m_model->current(), threeAirplanes().at(row));
        QCOMPARE(m_model->property("current").value<Airplane>(), threeAirplanes().at(row));
    }

    void emptyListGivesDefaultAirplane()
    {
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        Settings::setInt(currentKey, 2);
        m_model->setAirplanes({});
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(m_model->currentIndex(), -1);
        QCOMPARE(AirplaneListModel::currentAirplane(), Airplane());
        m_model->selectByIcao(QStringLiteral("AJ32"));
        QCOMPARE(changed.size(), 1);
    }

    void setCurrentIndex()
    {
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        m_model->setCurrentIndex(1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(Settings::getInt(currentKey, -5), 1);
        QCOMPARE(AirplaneListModel::currentAirplane().name, QStringLiteral("Trainer"));
        m_model->setCurrentIndex(1);
        QCOMPARE(changed.size(), 1);
        QVERIFY(m_model->setProperty("currentIndex", 2));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(m_model->currentIndex(), 2);
    }

    void setCurrentIndexRefusesRowsOutsideTheList_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the end") << 3;
        QTest::newRow("huge") << INT_MAX;
    }

    void setCurrentIndexRefusesRowsOutsideTheList()
    {
        QFETCH(int, row);
        m_model->setCurrentIndex(1);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("out of range")));
        m_model->setCurrentIndex(row);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(Settings::getInt(currentKey, -5), 1);
    }

    void selectByIcao_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("icao");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("emitted");
        QTest::newRow("first of two of a type") << 1 << "AJ32" << 0 << 1;
        QTest::newRow("other type") << 0 << "HT10" << 1 << 1;
        QTest::newRow("already current") << 0 << "AJ32" << 0 << 0;
        QTest::newRow("no match") << 1 << "ZZZZ" << 1 << 0;
        QTest::newRow("case differs") << 1 << "aj32" << 1 << 0;
        QTest::newRow("empty") << 2 << "" << 2 << 0;
    }

    void selectByIcao()
    {
        QFETCH(int, before);
        QFETCH(QString, icao);
        QFETCH(int, after);
        QFETCH(int, emitted);
        m_model->setCurrentIndex(before);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        m_model->selectByIcao(icao);
        QCOMPARE(m_model->currentIndex(), after);
        QCOMPARE(changed.size(), emitted);
    }

    void currentAirplaneFromAnotherThread()
    {
        m_model->setCurrentIndex(1);
        Airplane seen;
        std::unique_ptr<QThread> thread(QThread::create([&seen] { seen = AirplaneListModel::currentAirplane(); }));
        thread->start();
        QVERIFY(thread->wait(5000));
        QCOMPARE(seen.icao, QStringLiteral("HT10"));
    }

    void fatalMessages_data()
    {
        QTest::addColumn<QByteArray>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("second instance") << QByteArray("second") << "AirplaneListModel singleton already defined!";
        QTest::newRow("before construction") << QByteArray("unallocated") << "AirplaneListModel singleton not allocated!";
    }

    void fatalMessages()
    {
        QFETCH(QByteArray, which);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WAYLORE_FATAL_CASE"), QString::fromLatin1(which));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY2(child.readAllStandardError().contains(message.toUtf8()), qPrintable(message));
    }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AirplaneListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

int main(int argc, char *argv[])
{
    const QByteArray fatalCase = qgetenv("WAYLORE_FATAL_CASE");
    if (!fatalCase.isEmpty())
        return runFatalCase(fatalCase, argc, argv);
    QCoreApplication app(argc, argv);
    TstAirplaneListModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_airplanelistmodel.moc"
