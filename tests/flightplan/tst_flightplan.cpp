#include "flightplan.h"
#include "flightplanxml.h"
#include "fuel.h"
#include "general.h"
#include "planfixture.h"
#include "terminal.h"
#include "waypoint.h"
#include "weight.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TstFlightplan : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QHash<QString, QString> m_uid; // code -> UID

    QString codes() const
    {
        QString text;
        for (const Waypoint *w : m_plan->waypoints())
            text += w->rawCode();
        return text;
    }

    void fill(const QString &letters)
    {
        for (QChar letter : letters)
            QVERIFY(m_plan->append(m_uid.value(letter), false));
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        // Points on the equator, a degree of longitude apart from P (0) to U (5).
        const QString letters = QStringLiteral("PQRSTU");
        for (int i = 0; i < letters.size(); ++i)
            m_uid.insert(letters.at(i), m_fixture.fix(letters.at(i), 0.0, i)->uid());
        m_uid.insert(QStringLiteral("X"), m_fixture.fix(QStringLiteral("X"), 0.0, 2.5)->uid());
        m_uid.insert(QStringLiteral("A"), m_fixture.airport(QStringLiteral("AAAA"), 0.0, -1.0, 300)->uid());
        m_uid.insert(QStringLiteral("B"), m_fixture.airport(QStringLiteral("BBBB"), 0.0, 6.0, 100)->uid());
        m_plan = std::make_unique<Flightplan>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_plan.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        connect(m_fixture.airplanes(), &AirplaneListModel::changed, m_plan.get(), &Flightplan::airplaneChanged);
    }

    void init() { m_plan->clear(false); }
    void cleanup() { m_fixture.setAirplane(PlanFixture::airplane()); }

    void cleanupTestCase()
    {
        m_tester.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    // A refresh of the same airplane (a dialog closed) leaves the plan as it is, the altitudes
    // set by hand with it; other figures compute it anew, and that is an edit, but not of an
    // empty plan. A lower ceiling brings the cruise down with it.
    void airplaneRefreshIsNoEdit()
    {
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        Airplane lower = PlanFixture::airplane();
        lower.ceilinglvl = 250;
        m_fixture.setAirplane(lower);
        m_fixture.setAirplane(PlanFixture::airplane());
        QCOMPARE(edited.count(), 0);

        fill(QStringLiteral("APQRB"));
        m_plan->general()->setCruiselvl(350);
        QVERIFY(m_plan->setData(m_plan->index(2), QStringLiteral("FL120"), Waypoint::Altitude));
        edited.clear();
        m_plan->airplaneChanged();
        QCOMPARE(m_plan->waypoints().at(2)->altitude(), 12000);
        QCOMPARE(edited.count(), 0);

        m_fixture.setAirplane(lower);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(m_plan->waypoints().at(3)->altitude(), 25000);
        m_fixture.airplanes()->forceUpdate();
        QCOMPARE(edited.count(), 1);
        m_fixture.setAirplane(PlanFixture::airplane());
        QCOMPARE(edited.count(), 2);
    }

    // However the cruise or the airplane changes, the plan flies the level its header names,
    // within its airplane, and what the pilot typed for a waypoint stays.
    void cruiseFlownAfterEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("tas");
        QTest::newRow("cruise typed") << "cruise" << 200 << 450;
        QTest::newRow("speed typed above the maximum") << "speed" << 350 << 450;
        QTest::newRow("another airplane") << "airplane" << 300 << 400;
        QTest::newRow("ceiling lowered") << "figures" << 250 << 450;
        QTest::newRow("plan loaded above the ceiling") << "load" << 300 << 450;
    }

    void cruiseFlownAfterEveryChange()
    {
        QFETCH(QString, change);
        QFETCH(int, level);
        QFETCH(int, tas);
        fill(QStringLiteral("APQRSTUB"));
        m_plan->computeProfile();
        QVERIFY(m_plan->setData(m_plan->index(4), QStringLiteral("FL120"), Waypoint::Altitude));
        QVERIFY(m_plan->setData(m_plan->index(4), QStringLiteral("M0.45"), Waypoint::IndicatedAirSpeed));
        const int typedIas = m_plan->waypoints().at(4)->ias();
        const QString stored = FlightplanXml::toXml(m_plan.get());

        Airplane airplane = PlanFixture::airplane();
        airplane.ceilinglvl = level;
        airplane.maxcruisetas = tas;
        airplane.climbvs = change == QLatin1String("airplane") ? 1500 : airplane.climbvs;
        if (change == QLatin1String("cruise"))
            m_plan->general()->setCruiselvl(level);
        else if (change == QLatin1String("speed"))
            m_plan->general()->setCruisetas(600);
        else
            m_fixture.setAirplane(airplane);
        QString error;
        if (change == QLatin1String("load"))
            QVERIFY2(FlightplanXml::fromXml(m_plan.get(), stored, &error, true), qPrintable(error));

        QCOMPARE(m_plan->general()->cruiselvl(), level);
        QCOMPARE(m_plan->general()->cruisetas(), tas);
        int highest = 0;
        for (int row = 0; row < m_plan->count(); ++row)
            highest = row == 4 ? highest : qMax(highest, m_plan->waypoints().at(row)->altitude());
        QCOMPARE(highest, level * 100);
        // A file keeps no mark of what the pilot typed.
        if (change != QLatin1String("load")) {
            QCOMPARE(m_plan->waypoints().at(4)->altitude(), 12000);
            QCOMPARE(m_plan->waypoints().at(4)->ias(), typedIas);
        }
    }

    void addChoosesShortestRoute_data()
    {
        // clang-format off
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty plan appends") << "" << "R" << "R";
        QTest::newRow("one waypoint appends") << "S" << "P" << "SP";
        QTest::newRow("between two") << "PS" << "R" << "PRS";
        QTest::newRow("before the first") << "RS" << "P" << "PRS";
        QTest::newRow("after the last") << "PQ" << "T" << "PQT";
        QTest::newRow("into the right gap") << "PRTU" << "X" << "PRXTU";
        // clang-format on
    }

    void addChoosesShortestRoute()
    {
        QFETCH(QString, start);
        QFETCH(QString, added);
        QFETCH(QString, result);
        fill(start);
        QSignalSpy selections(m_plan.get(), &Flightplan::needselection);
        QVERIFY(m_plan->add(m_uid.value(added)));
        QCOMPARE(codes(), result);
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.at(0).at(0).toInt(), result.indexOf(added));
    }

    void addPresentPoint()
    {
        fill(QStringLiteral("PQR"));
        QVERIFY(!m_plan->add(m_uid.value("Q")));
        QCOMPARE(codes(), QStringLiteral("PQR"));
        QVERIFY(!m_plan->add(m_uid.value("Q"), true));
        QCOMPARE(codes(), QStringLiteral("PR"));
        QVERIFY(!m_plan->add(QStringLiteral("NOWHERE")));
    }

    void insertPositions_data()
    {
        // clang-format off
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("inserted");
        QTest::addColumn<QString>("result");
        QTest::newRow("front") << 0 << true << "SPQ";
        QTest::newRow("end") << 2 << true << "PQS";
        QTest::newRow("-1 appends") << -1 << true << "PQS";
        QTest::newRow("past the end") << 3 << false << "PQ";
        QTest::newRow("negative") << -2 << false << "PQ";
        // clang-format on
    }

    void insertPositions()
    {
        QFETCH(int, position);
        QFETCH(bool, inserted);
        QFETCH(QString, result);
        fill(QStringLiteral("PQ"));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        QSignalSpy inserts(m_plan.get(), &QAbstractItemModel::rowsInserted);
        if (position == -1)
            QTest::ignoreMessage(QtWarningMsg, "FIXME: no more insertion at -1!");
        QCOMPARE(m_plan->insert(position, m_uid.value("S")), inserted);
        QCOMPARE(codes(), result);
        QCOMPARE(edited.count(), inserted ? 1 : 0);
        QCOMPARE(inserts.count(), inserted ? 1 : 0);
    }

    void insertWaypointRefusesBadArguments()
    {
        fill(QStringLiteral("P"));
        QVERIFY(!m_plan->insertWaypoint(0, nullptr, false));
        auto *waypoint = new Waypoint(m_fixture.db()->findPoint(m_uid.value("Q")));
        QVERIFY(!m_plan->insertWaypoint(5, waypoint, false));
        QVERIFY(m_plan->insertWaypoint(1, waypoint, false));
        // the same object twice would tie the chain into a loop
        QVERIFY(!m_plan->insertWaypoint(0, waypoint, false));
        QCOMPARE(codes(), QStringLiteral("PQ"));
    }

    void airportTakesItsElevation()
    {
        fill(QStringLiteral("AB"));
        QCOMPARE(m_plan->first()->storedAltitude(), 300);
        QCOMPARE(m_plan->last()->storedAltitude(), 100);
    }

    void duplicateAndRemove()
    {
        fill(QStringLiteral("PQ"));
        QVERIFY(m_plan->duplicate(1));
        QCOMPARE(codes(), QStringLiteral("PQQ"));
        QVERIFY(!m_plan->duplicate(3));
        QVERIFY(!m_plan->duplicate(-1));
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        QVERIFY(m_plan->remove(m_uid.value("Q")));
        QCOMPARE(edited.count(), 2);
        QVERIFY(m_plan->contains(m_uid.value("Q")));
        QVERIFY(!m_plan->remove(5));
        QVERIFY(!m_plan->remove(QStringLiteral("NOWHERE")));
        QVERIFY(m_plan->remove(0));
        QCOMPARE(codes(), QStringLiteral("Q"));
        QVERIFY(m_plan->first()->isFirst() && m_plan->first()->isLast());
    }

    void moves_data()
    {
        // clang-format off
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("result");
        QTest::newRow("down") << 0 << 2 << true << "QRPS";
        QTest::newRow("up") << 3 << 1 << true << "PSQR";
        QTest::newRow("same row") << 1 << 1 << false << "PQRS";
        QTest::newRow("up from the top") << 0 << -1 << false << "PQRS";
        QTest::newRow("down from the bottom") << 3 << 4 << false << "PQRS";
        QTest::newRow("from outside") << 7 << 0 << false << "PQRS";
        // clang-format on
    }

    void moves()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, moved);
        QFETCH(QString, result);
        fill(QStringLiteral("PQRS"));
        QSignalSpy selections(m_plan.get(), &Flightplan::needselection);
        if (from == to)
            QTest::ignoreMessage(QtWarningMsg, "WARNING: move waypoint at the same position, move ignored!");
        QCOMPARE(m_plan->moveRow(from, to), moved);
        QCOMPARE(codes(), result);
        QCOMPARE(selections.count(), moved ? 1 : 0);
        // the legs follow the new order
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(w.first()->nextWaypoint(), w.at(1));
        QCOMPARE(m_plan->last()->distanceToNext(), 0.0);
        QVERIFY(!m_plan->moveUp(0));
        QVERIFY(!m_plan->moveDown(3));
    }

    void reverseKeepsWaypoints()
    {
        fill(QStringLiteral("PQRS"));
        m_plan->first()->setComment(QStringLiteral("start"));
        m_plan->first()->setRunwayEnd(QStringLiteral("09"));
        QVERIFY(m_plan->reverse());
        QCOMPARE(codes(), QStringLiteral("SRQP"));
        QCOMPARE(m_plan->last()->comment(), QStringLiteral("start"));
        QCOMPARE(m_plan->last()->runwayEnd(), QStringLiteral("09"));
        QCOMPARE(m_plan->first()->headingToNext(), 270);
        m_plan->clear(false);
        fill(QStringLiteral("P"));
        QVERIFY(!m_plan->reverse());
    }

    void setDataEdits()
    {
        fill(QStringLiteral("PQR"));
        const QModelIndex row0 = m_plan->index(0);
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        QVERIFY(m_plan->setData(row0, QStringLiteral("FL 120"), Waypoint::Altitude));
        QCOMPARE(m_plan->first()->storedAltitude(), 12000);
        QCOMPARE(m_plan->first()->altDiff(), -12000); // recomputed
        QVERIFY(m_plan->setData(row0, QStringLiteral("09"), Waypoint::RunwayEnd));
        QCOMPARE(m_plan->first()->runwayEnd(), QStringLiteral("09"));
        QVERIFY(m_plan->setData(row0, QStringLiteral("09"), Waypoint::RunwayEnd));
        QCOMPARE(m_plan->first()->runwayEnd(), QString());
        QCOMPARE(edited.count(), 3);
        QVERIFY(!m_plan->setData(row0, 5, Waypoint::HeadingToNext));
        QVERIFY(!m_plan->setData(m_plan->index(3), QStringLiteral("1"), Waypoint::Altitude));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not found")));
        QVERIFY(!m_plan->setData(row0, QStringLiteral("XX/NONE"), Waypoint::ProcedureUID));
    }

    void rowQueries()
    {
        fill(QStringLiteral("PQ"));
        QCOMPARE(m_plan->uidAt(-1), QString());
        QCOMPARE(m_plan->codeAt(2), QString());
        QCOMPARE(m_plan->codeAt(1), QStringLiteral("Q"));
        QCOMPARE(m_plan->data(m_plan->index(1), Flightplan::RoleIndex).toInt(), 1);
        QVERIFY(!m_plan->data(m_plan->index(2), Flightplan::RoleIndex).isValid());
        QCOMPARE(m_plan->indexOf(m_uid.value("Q")), 1);
        QCOMPARE(m_plan->findWaypoint(m_uid.value("Q")), m_plan->last());
        QVERIFY(!m_plan->findWaypoint(QStringLiteral("NOWHERE")));
        QCOMPARE(m_plan->roleNames().value(13697023), QByteArray("role_index"));
        QCOMPARE(m_plan->roleNames().value(Waypoint::ToolTip), QByteArray("role_tooltip"));
        QCOMPARE(m_plan->flags(QModelIndex()), Qt::NoItemFlags);
        QVERIFY(m_plan->flags(m_plan->index(0)) & Qt::ItemIsSelectable);
    }

    void bulkInsertCopies()
    {
        fill(QStringLiteral("PQ"));
        Waypoint r(m_fixture.db()->findPoint(m_uid.value("R")));
        Waypoint b(m_fixture.db()->findPoint(m_uid.value("B")));
        r.setComment(QStringLiteral("copied"));
        QSignalSpy resets(m_plan.get(), &QAbstractItemModel::modelReset);
        QVERIFY(m_plan->bulkInsert(1, {&r, &b}, nullptr, nullptr, nullptr, false, false));
        QCOMPARE(codes(), QStringLiteral("PRBBBBQ"));
        QCOMPARE(resets.count(), 1);
        QVERIFY(m_plan->waypoints().at(1) != &r);
        QCOMPARE(m_plan->waypoints().at(1)->comment(), QStringLiteral("copied"));
        QVERIFY(m_plan->waypoints().at(1)->previousWaypoint() == m_plan->first());
        QVERIFY(!m_plan->bulkInsert(9, {&r}, nullptr, nullptr, nullptr, false, false));
        QCOMPARE(m_plan->count(), 4);
    }

    void fuelFigures_data()
    {
        // clang-format off
        QTest::addColumn<int>("enroute");
        QTest::addColumn<int>("contingency");
        QTest::addColumn<int>("alternate");
        QTest::addColumn<int>("final");
        QTest::addColumn<int>("totalreserve");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("takeoff");
        QTest::addColumn<int>("endurance");
        QTest::newRow("no trip") << 0 << 0 << 600 << 1200 << 1800 << 2000 << 1800 << 2880;
        QTest::newRow("contingency rounds half up") << 1010 << 51 << 600 << 1200 << 1851 << 3061 << 2861
                                                    << 77 + 1515 + 1080 + 1800;
        // clang-format on
    }

    void fuelFigures()
    {
        QFETCH(int, enroute);
        QFETCH(int, contingency);
        QFETCH(int, alternate);
        QFETCH(int, final);
        QFETCH(int, totalreserve);
        QFETCH(int, block);
        QFETCH(int, takeoff);
        QFETCH(int, endurance);
        Fuel fuel;
        fuel.setEnroute(enroute);
        fuel.update();
        QCOMPARE(fuel.contingency(), contingency);
        QCOMPARE(fuel.alternate(), alternate);
        QCOMPARE(fuel.finaltime(), 1800);
        QCOMPARE(fuel.final(), final);
        QCOMPARE(fuel.totalreserve(), totalreserve);
        QCOMPARE(fuel.block(), block);
        QCOMPARE(fuel.takeoff(), takeoff);
        QCOMPARE(fuel.endurance(), endurance);
        Weight weight(&fuel);
        weight.compute();
        QCOMPARE(weight.paxcount(), 128);
        QCOMPARE(weight.cargo(), 1700);
        QCOMPARE(weight.tow() - weight.lw(), enroute);
        weight.setLoadfactor(0);
        weight.compute();
        QCOMPARE(weight.zfw(), PlanFixture::airplane().eow);
    }

    void fuelForDuration_data()
    {
        // clang-format off
        QTest::addColumn<int>("flow");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("fuel");
        QTest::newRow("half hour") << 2500 << 1800 << 1250;
        QTest::newRow("one second") << 1000 << 1 << 0;
        QTest::newRow("two seconds") << 1000 << 2 << 1;
        QTest::newRow("beyond 32-bit product") << 20000 << 200000 << 1111111;
        // clang-format on
    }

    void fuelForDuration()
    {
        QFETCH(int, flow);
        QFETCH(int, seconds);
        QFETCH(int, fuel);
        QCOMPARE(Fuel::fuelForDuration(flow, seconds), fuel);
    }

    void companionsFollowThePlan()
    {
        QSignalSpy general(m_plan->general(), &General::modified);
        QSignalSpy fuel(m_plan->fuel(), &Fuel::modified);
        QSignalSpy edited(m_plan.get(), &Flightplan::edited);
        fill(QStringLiteral("P"));
        QVERIFY(general.count() >= 1);
        QCOMPARE(general.count(), fuel.count());
        emit m_plan->terminal()->edited();
        QCOMPARE(edited.count(), 2);
        QSignalSpy sequence(m_plan->general(), &General::modified);
        m_plan->general()->setSequence(m_plan->general()->sequence());
        QCOMPARE(sequence.count(), 0);
    }

    void filteredLists()
    {
        fill(QStringLiteral("PQRST"));
        Segment *airway = m_fixture.segment(Segment::NONE, Segment::HIGH, m_fixture.db()->findPoint(m_uid.value("Q")),
                                            m_fixture.db()->findPoint(m_uid.value("R")), QStringLiteral("UZ1"));
        m_fixture.segment(Segment::NONE, Segment::HIGH, m_fixture.db()->findPoint(m_uid.value("R")),
                          m_fixture.db()->findPoint(m_uid.value("S")), QStringLiteral("UZ1"));
        Q_UNUSED(airway)
        m_plan->forceUpdate();
        // R is passed along UZ1 from Q to S
        QStringList few;
        for (const Waypoint *w : m_plan->fewpoints())
            few.append(w->rawCode());
        QCOMPARE(few, QStringList({"P", "Q", "S", "T"}));
        QCOMPARE(m_plan->nosidstarwaypoints().size(), 5);
    }

    void clearResetsTotals()
    {
        fill(QStringLiteral("PQR"));
        QCOMPARE(m_plan->count(), 3);
        QVERIFY(!m_plan->empty());
        m_plan->clear();
        QVERIFY(m_plan->empty());
        QCOMPARE(m_plan->distance(), 0.0);
    }
};

QTEST_MAIN(TstFlightplan)
#include "tst_flightplan.moc"
