#include "database.h"
#include "flightplan.h"
#include "planfixture.h"
#include "procedure.h"
#include "settings.h"
#include "terminal.h"
#include "waypoint.h"
#include "xploader.h"

#include <QDir>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>

// The procedures of the test simulator folder, chosen and inserted as the plan table's menus do
// it: "Choose..." writes the procedure UID into the row, "Insert transition..." asks the terminal
// whether a transition fits and adds it. XRTA (lon 60) has the SID ALDA1A (RW09 to XA091, then
// to ALDAX); XRTB (lon 66) the STAR FOXI1C (FOXIN, XB271) and the approach I27 (transition
// EPMAR: EPMAR, XB271; common part: XB271, runway 27). EPMAR (lon 64.2) lies before FOXIN
// (lon 65.3) on the way in.
class TstProcedureFlows : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;

    // Code and procedure of every waypoint: "XRTB:I27", "ALDAX:-".
    QString plan() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->code() + QLatin1Char(':') + (w->procedure() ? w->procedure()->name() : QStringLiteral("-")));
        return list.join(QLatin1Char(' '));
    }

    bool import()
    {
        Settings::setString(QStringLiteral("database/xpPath"), TestSupport::dataPath(QStringLiteral("xplane-route")));
        Settings::setBool(QStringLiteral("database/customData"), false);
        Settings::setBool(QStringLiteral("database/userFix"), false);
        XpLoader loader(m_fixture.db());
        QEventLoop loop;
        connect(&loader, &XpLoader::done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loader.loadAsync();
        loop.exec();
        if (!loader.wait(30000))
            return false;
        QCoreApplication::processEvents();
        return Database::findProcedure(QStringLiteral("XRTB/I27"), false) != nullptr;
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(import());
        m_plan = std::make_unique<Flightplan>();
    }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_fixture.tearDown();
    }

    void flows_data()
    {
        // clang-format off
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("chosen"); // in the order the pilot chose them
        QTest::addColumn<QStringList>("inserted"); // "UID transition", in order
        QTest::addColumn<QList<int>>("positions"); // addTransition's answers, -1 refused
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("starTransition");
        QTest::addColumn<QString>("appchTransition");

        const QStringList all{"XRTA/ALDA1A", "XRTB/FOXI1C", "XRTB/I27"};
        // Choosing links the airports and adds no waypoint; at the arrival the approach wins. The
        // airport is no transition of it.
        QTest::newRow("chosen only") << "XRTA XRTB" << all << QStringList() << QList<int>() << "XRTA:ALDA1A XRTB:I27"
                                     << "" << "";
        // A chosen procedure takes no transition that names no runway and meets no fix of the plan.
        QTest::newRow("chosen, then transitions without a runway")
            << "XRTA XRTB" << all << QStringList{"XRTA/ALDA1A ALL", "XRTB/FOXI1C ALL", "XRTB/I27 EPMAR"}
            << QList<int>{-1, -1, -1} << "XRTA:ALDA1A XRTB:I27" << "" << "";
        // The runway legs have no fix of their own: RW09 gives XA091, the common part XB271.
        QTest::newRow("chosen, then runway transitions")
            << "XRTA XRTB" << all << QStringList{"XRTA/ALDA1A RW09", "XRTB/I27 ALL"} << QList<int>{1, 2}
            << "XRTA:ALDA1A XA091:ALDA1A XB271:I27 XRTB:I27" << "" << "";
        // EPMAR leads into XB271 and FOXI1C too: both go in before it, so the plan flies EPMAR,
        // FOXIN, XB271 and not the approach transition (EPMAR, XB271). FOXI1C has no transition of
        // its own (its legs name none), so the plan holds no STAR transition either.
        QTest::newRow("approach transition before the STAR's entry")
            << "XRTA XRTB" << QStringList{"XRTB/FOXI1C", "XRTB/I27"}
            << QStringList{"XRTB/I27 ALL", "XRTB/I27 EPMAR", "XRTB/FOXI1C ALL"} << QList<int>{1, 1, 2}
            << "XRTA:- EPMAR:I27 FOXIN:FOXI1C XB271:I27 XRTB:FOXI1C" << "" << "";
        // The generator's route already passes EPMAR and FOXIN: choosing links them. EPMAR begins
        // the approach, but its transition's XB271 is not flown.
        QTest::newRow("generated route, chosen only")
            << "XRTA ALDAX COLTA DUNOP EPMAR FOXIN XRTB" << QStringList{"XRTB/FOXI1C", "XRTB/I27"} << QStringList()
            << QList<int>() << "XRTA:- ALDAX:- COLTA:- DUNOP:- EPMAR:I27 FOXIN:FOXI1C XRTB:I27" << "" << "";
        // clang-format on
    }

    void flows()
    {
        QFETCH(QString, route);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, inserted);
        QFETCH(QList<int>, positions);
        QFETCH(QString, result);
        QFETCH(QString, starTransition);
        QFETCH(QString, appchTransition);

        m_plan->clear(false);
        for (const QString &code : route.split(QLatin1Char(' '))) {
            Point *point = Database::findAirport(code, false);
            if (!point)
                point = Database::findEnrouteFix(code, {QStringLiteral("XR")}, false);
            QVERIFY2(point, qPrintable(code));
            QVERIFY(m_plan->append(point->uid(), false));
        }
        const double direct = m_plan->distance();
        QVERIFY(direct > 0.0);

        for (const QString &uid : chosen) {
            const int row = uid.startsWith(QLatin1String("XRTA")) ? 0 : m_plan->rowCount() - 1;
            QVERIFY(m_plan->setData(m_plan->index(row), uid, Waypoint::ProcedureUID));
        }
        QCOMPARE(m_plan->distance(), direct);

        Terminal *terminal = m_plan->terminal();
        QList<int> answers;
        for (const QString &insert : inserted) {
            const QString uid = insert.section(QLatin1Char(' '), 0, 0);
            const QString transition = insert.section(QLatin1Char(' '), 1, 1);
            const bool offered = terminal->canAddTransition(uid, transition);
            answers.append(terminal->addTransition(uid, transition));
            QCOMPARE(offered, answers.last() >= 0);
        }
        QCOMPARE(answers, positions);
        QCOMPARE(plan(), result);
        QCOMPARE(terminal->starTransition(), starTransition);
        QCOMPARE(terminal->appchTransition(), appchTransition);
        if (std::all_of(answers.cbegin(), answers.cend(), [](int position) { return position < 0; }))
            QCOMPARE(m_plan->distance(), direct);
    }
};

QTEST_MAIN(TstProcedureFlows)
#include "tst_procedureflows.moc"
