#include "airplane.h"
#include "airplanelistmodel.h"
#include "database.h"
#include "flightplan.h"
#include "general.h"
#include "generator.h"
#include "point.h"
#include "procedure.h"
#include "settings.h"
#include "testsupport.h"
#include "waypoint.h"
#include "xploader.h"

#include <QDir>
#include <QEventLoop>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

// The generator end to end over a simulator folder imported as the program imports it: the
// airports XRTA and XRTB with SIDs and STARs in CIFP/, a HIGH airway UL100 with the branches
// UL200 and UL300, a LOW airway V10 to the south, four radio aids on the way and a third
// airport XRTC without procedures.
class TestGeneratorImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void importedProcedures();
    void exitsAndEntries();
    void routes_data();
    void routes();
    void reimportBeforeActivation();

private:
    bool import();
    bool generate();
    QString planText() const;

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Generator> m_generator;
};

void TestGeneratorImport::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    m_airplanes = std::make_unique<AirplaneListModel>();
    Airplane airplane;
    airplane.icao = QStringLiteral("TEST");
    airplane.ceilinglvl = 390;
    airplane.maxcruisetas = 450;
    m_airplanes->setAirplanes({airplane});
    m_plan = std::make_unique<Flightplan>();
    m_generator = std::make_unique<Generator>(m_plan.get());
    QVERIFY(import());
}

void TestGeneratorImport::cleanupTestCase()
{
    m_generator.reset();
    m_plan.reset();
    m_airplanes.reset();
    m_db.reset();
    m_settings.reset();
}

void TestGeneratorImport::init()
{
    m_plan->clear(false);
    m_generator->init();
    Settings::setBool(QStringLiteral("generator/airwayNavigation"), true);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), false);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), 0);
}

// Runs the import on the loader's thread, as the database dialog does, and waits until its
// end has reached the main thread.
bool TestGeneratorImport::import()
{
    Settings::setString(QStringLiteral("database/xpPath"), TestSupport::dataPath(QStringLiteral("xplane-route")));
    Settings::setBool(QStringLiteral("database/customData"), false);
    Settings::setBool(QStringLiteral("database/userFix"), false);
    QStringList texts;
    XpLoader loader(m_db.get());
    // Queued to the loader, which lives here: texts still on their way when the function ends go with it.
    connect(
        &loader, &XpLoader::progress, &loader, [&texts](const QString &text) { texts.append(text); },
        Qt::QueuedConnection);
    QEventLoop loop;
    connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loader.loadAsync();
    loop.exec();
    if (!loader.wait(30000))
        return false;
    QCoreApplication::processEvents();
    if (texts.isEmpty() || texts.last() != QLatin1String("Done")) {
        qWarning() << "Import ended with" << texts;
        return false;
    }
    // The three navigation files carry one cycle.
    return !texts.contains(QStringLiteral("WARNING: incoherent data cycles among FIX/NAV/AWY files!"));
}

bool TestGeneratorImport::generate()
{
    QSignalSpy done(m_generator.get(), &Generator::done);
    m_generator->start();
    return done.wait(10000) && done.count() == 1;
}

// "XRTA ALDAX>UL100 COLTA ..." : each waypoint's code, with the airway that leaves it.
QString TestGeneratorImport::planText() const
{
    QStringList parts;
    for (const Waypoint *w : m_plan->waypoints())
        parts.append(w->airwayText().isEmpty() ? w->code() : w->code() + QLatin1Char('>') + w->airwayText());
    return parts.join(QLatin1Char(' '));
}

void TestGeneratorImport::importedProcedures()
{
    Point *xrta = Database::findAirport(QStringLiteral("XRTA"), false);
    Point *xrtb = Database::findAirport(QStringLiteral("XRTB"), false);
    QVERIFY(xrta && xrtb);
    QVERIFY(Database::findAirport(QStringLiteral("XRTC"), false));
    QCOMPARE(Database::proceduresOf(xrta, Procedure::SID).size(), 3);
    QCOMPARE(Database::proceduresOf(xrtb, Procedure::STAR).size(), 2);
    QCOMPARE(Database::proceduresOf(xrtb, Procedure::APPCH).size(), 1);

    // What the generator offers comes from the database's queries: the same points.
    QVERIFY(m_generator->setDeparture(xrta->uid()));
    QVERIFY(m_generator->setArrival(xrtb->uid()));
    QList<Point *> outputs = Database::sidOutputs(xrta);
    QList<Point *> generated = m_generator->outputs();
    std::sort(outputs.begin(), outputs.end());
    std::sort(generated.begin(), generated.end());
    QCOMPARE(generated, outputs);
    QList<Point *> inputs = Database::starInputs(xrtb);
    generated = m_generator->inputs();
    std::sort(inputs.begin(), inputs.end());
    std::sort(generated.begin(), generated.end());
    QCOMPARE(generated, inputs);
}

void TestGeneratorImport::exitsAndEntries()
{
    QVERIFY(m_generator->setDeparture(QStringLiteral("XRTA")));
    QVERIFY(m_generator->setArrival(QStringLiteral("XRTB")));
    // ALDAX ends two SIDs and is offered once; the approach's entry EPMAR is no STAR entry.
    QCOMPARE(m_generator->outputnames(), QStringList({"ALDAX (ALDA1A, ALDA1B)", "BERIM (BERI1B)"}));
    QCOMPARE(m_generator->inputnames(), QStringList({"FOXIN (FOXI1C)", "GRENA (GREN1D)"}));
    QCOMPARE(m_generator->outputs().first()->uid(), QStringLiteral("XR/ENRT/ALDAX"));

    // An airport without procedure file offers nothing.
    QVERIFY(m_generator->setArrival(QStringLiteral("XRTC")));
    QVERIFY(m_generator->inputnames().isEmpty());
}

void TestGeneratorImport::routes_data()
{
    // clang-format off
    QTest::addColumn<QString>("arrival");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("output");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("plan");

    const QString high = QStringLiteral("XRTA ALDAX>UL100 COLTA>UL100 DUNOP>UL100 EPMAR>UL100 FOXIN XRTB");
    QTest::newRow("prefer HIGH") << "XRTB" << 0 << false << -1 << -1 << high;
    QTest::newRow("no preference") << "XRTB" << 2 << false << -1 << -1 << high;
    QTest::newRow("LOW only") << "XRTB" << 1 << false << -1 << -1
                              << "XRTA BERIM>V10 LOWAA>V10 LOWAB>V10 GRENA XRTB";
    QTest::newRow("SID exit BERIM, STAR entry GRENA")
        << "XRTB" << 0 << false << 1 << 1 << "XRTA BERIM>UL200 COLTA>UL100 DUNOP>UL100 EPMAR>UL300 GRENA XRTB";
    QTest::newRow("STAR entry GRENA") << "XRTB" << 0 << false << -1 << 1
                                      << "XRTA ALDAX>UL100 COLTA>UL100 DUNOP>UL100 EPMAR>UL300 GRENA XRTB";
    // Beyond reception of one another, the stations are flown one by one.
    QTest::newRow("radio aids") << "XRTB" << 0 << true << -1 << -1 << "XRTA XRA XRB XRC XRN XRTB";
    QTest::newRow("airport without procedures") << "XRTC" << 1 << false << -1 << -1
                                                << "XRTA BERIM>V10 LOWAA XRTC";
    // clang-format on
}

void TestGeneratorImport::routes()
{
    QFETCH(QString, arrival);
    QFETCH(int, option);
    QFETCH(bool, radio);
    QFETCH(int, output);
    QFETCH(int, input);
    QFETCH(QString, plan);

    Settings::setBool(QStringLiteral("generator/airwayNavigation"), !radio);
    Settings::setBool(QStringLiteral("generator/radioNavigation"), radio);
    Settings::setInt(QStringLiteral("generator/airwayRoutingOptions"), option);
    QVERIFY(m_generator->setDeparture(QStringLiteral("XRTA")));
    QVERIFY(m_generator->setArrival(arrival));
    m_generator->setOutput(output);
    m_generator->setInput(input);
    m_plan->general()->setCruiselvl(330);

    QVERIFY(generate());
    QCOMPARE(m_generator->getMessage(), QStringLiteral("Routing done!"));
    QVERIFY(m_generator->getStatus());
    const double direct
        = Database::findAirport(QStringLiteral("XRTA"), false)->distanceTo(Database::findAirport(arrival, false));
    QVERIFY(m_generator->distance() >= direct);
    QVERIFY2(m_generator->distance() < 1.25 * direct, qPrintable(QString::number(m_generator->distance())));

    QVERIFY(m_generator->activateFlightplan());
    QCOMPARE(planText(), plan);
    QCOMPARE(m_plan->general()->cruiselvl(), 330);
    QVERIFY(qAbs(m_plan->distance() - m_generator->distance()) < 1.0);
}

// A second import between the search and the activation replaces every point the route was
// made of: the route is refused and the plan kept.
void TestGeneratorImport::reimportBeforeActivation()
{
    QVERIFY(m_plan->append(QStringLiteral("XRTA"), false));
    QVERIFY(m_plan->append(QStringLiteral("XRTB"), false));
    m_generator->init();
    QCOMPARE(m_generator->getDepartureUID(), QStringLiteral("XRTA"));
    QVERIFY(generate());
    QVERIFY(m_generator->getStatus());

    QVERIFY(import());
    QVERIFY(!m_generator->activateFlightplan());
    QCOMPARE(m_generator->getMessage(),
             QStringLiteral("Navigation database changed. Please generate the route again."));
    QCOMPARE(m_plan->waypoints().size(), 2);

    // The plan's ends are the new airports; generated again, the route goes in.
    m_plan->clear(false);
    QVERIFY(m_generator->setDeparture(QStringLiteral("XRTA")));
    QVERIFY(m_generator->setArrival(QStringLiteral("XRTB")));
    QVERIFY(generate());
    QVERIFY(m_generator->activateFlightplan());
    QCOMPARE(planText(), QStringLiteral("XRTA ALDAX>UL100 COLTA>UL100 DUNOP>UL100 EPMAR>UL100 FOXIN XRTB"));
}

QTEST_MAIN(TestGeneratorImport)
#include "tst_generatorimport.moc"
