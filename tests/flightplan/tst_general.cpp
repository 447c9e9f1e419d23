#include "flightplan.h"
#include "general.h"
#include "planfixture.h"
#include "segment.h"
#include "templating.h"
#include "waypoint.h"

#include <QGeoRectangle>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

// The plan header: stored fields and their notification, the defaults of a new plan, and the
// values derived from the waypoint list and from the stored fields.
class TstGeneral : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Flightplan> m_plan;
    QHash<QString, Point *> m_points;

    General *general() const { return m_plan->general(); }

    // Points by code: A... airports, C... a coordinate point, anything else a fix.
    void build(const QStringList &codes)
    {
        m_plan->clear(false);
        for (int i = 0; i < codes.size(); ++i) {
            Point *point = m_points.value(codes.at(i));
            QVERIFY2(point, qPrintable(codes.at(i)));
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(point), false));
        }
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        m_templating = std::make_unique<Templating>();
        m_plan = std::make_unique<Flightplan>();
        m_points.insert(QStringLiteral("AAAA"), m_fixture.airport(QStringLiteral("AAAA"), 48.0, 8.0, 400));
        m_points.insert(QStringLiteral("ABBB"), m_fixture.airport(QStringLiteral("ABBB"), 49.0, 2.5, 300));
        m_points.insert(QStringLiteral("FIXAA"), m_fixture.fix(QStringLiteral("FIXAA"), 48.5, 6.0));
        m_points.insert(QStringLiteral("FIXBB"), m_fixture.fix(QStringLiteral("FIXBB"), 48.8, 4.0));
        m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_points.value(QStringLiteral("FIXAA")),
                          m_points.value(QStringLiteral("FIXBB")), QStringLiteral("UN491"));
        const QString coordUid = m_fixture.db()->getOrAddCoordPointUid(QGeoCoordinate(45.5, -73.25));
        m_points.insert(QStringLiteral("C"), m_fixture.db()->findPoint(coordUid, true));
    }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_templating.reset();
        m_fixture.tearDown();
    }

    void construction()
    {
        // Before the first reset: the construction values, and derived values without a
        // nonsense level or time.
        Flightplan plan;
        General *g = plan.general();
        QVERIFY(!g->modificationtime().isValid());
        QVERIFY(!g->departuretime().isValid());
        QCOMPARE(g->sequence(), 1);
        QCOMPARE(g->cruiselvl(), -1);
        QCOMPARE(g->cruisetas(), 0);
        QCOMPARE(g->transition(), -1);
        QVERIFY(g->company().isEmpty() && g->number().isEmpty() && g->pic().isEmpty() && g->alternate().isEmpty());
        QCOMPARE(g->performance(), QStringLiteral("N0000F000"));
        QCOMPARE(g->departureseconds(), 0);
    }

    void derivedFromList_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("departureCode");
        QTest::addColumn<QString>("arrivalCode");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("suggestedFileName");
        QTest::newRow("empty plan") << QStringList() << "" << "" << "" << "" << "untitled";
        QTest::newRow("one waypoint: both ends") << QStringList{"AAAA"} << "AAAA" << "AAAA" << "AAAA-AAAA"
                                                 << "AAAAAAAA" << "AAAAAAAA";
        QTest::newRow("two airports") << QStringList{"AAAA", "ABBB"} << "AAAA" << "ABBB" << "AAAA-ABBB"
                                      << "AAAAABBB" << "AAAAABBB";
        QTest::newRow("route") << QStringList{"AAAA", "FIXAA", "FIXBB", "ABBB"} << "AAAA" << "ABBB"
                               << "AAAA-ABBB" << "AAAAABBB" << "AAAAABBB";
        QTest::newRow("coordinate at the end")
            << QStringList{"AAAA", "C"} << "AAAA" << "455000N0732500W" << "AAAA-455000N0732500W"
            << "AAAA455000N0732500W" << "AAAA455000N0732500W";
        // clang-format on
    }

    void derivedFromList()
    {
        QFETCH(QStringList, codes);
        QFETCH(QString, departureCode);
        QFETCH(QString, arrivalCode);
        QFETCH(QString, shortName);
        QFETCH(QString, fileName);
        QFETCH(QString, suggestedFileName);
        build(codes);
        QCOMPARE(general()->departureCode(), departureCode);
        QCOMPARE(general()->arrivalCode(), arrivalCode);
        QCOMPARE(general()->shortName(), shortName);
        QCOMPARE(general()->fileName(), fileName);
        QCOMPARE(general()->suggestedFileName(), suggestedFileName);
        // The property system reads the same values (the templates and QML go through it).
        QCOMPARE(general()->property("shortName").toString(), shortName);
        QCOMPARE(general()->property("suggestedFileName").toString(), suggestedFileName);

        const QString departureName = codes.isEmpty() ? QString() : m_points.value(codes.first())->comboText();
        const QString arrivalName = codes.isEmpty() ? QString() : m_points.value(codes.last())->comboText();
        QCOMPARE(general()->departureName(), departureName);
        QCOMPARE(general()->arrivalName(), arrivalName);

        QVariantList uids;
        for (const QString &code : codes)
            uids.append(m_points.value(code)->uid());
        QCOMPARE(general()->waypointuids(), uids);
    }

    void segmentUidsOnlyForAirwayLegs()
    {
        build({"AAAA", "FIXAA", "FIXBB", "ABBB"});
        const QVariantList uids = general()->segmentuids();
        QCOMPARE(uids.size(), 1);
        const Waypoint *onAirway = m_plan->waypoints().at(1);
        QVERIFY(onAirway->airwaySegment());
        QCOMPARE(uids.first().toString(), onAirway->airwaySegment()->uid());
        QCOMPARE(uids.first().typeId(), QMetaType::QString);

        build({});
        QVERIFY(general()->segmentuids().isEmpty());
        QVERIFY(general()->waypointuids().isEmpty());
    }

    void bounding()
    {
        build({});
        QVERIFY(!general()->bounding().isValid());

        build({"AAAA", "FIXAA", "ABBB"});
        const QGeoRectangle box = general()->bounding();
        QVERIFY(box.isValid());
        QCOMPARE(box.topLeft(), QGeoCoordinate(49.0, 2.5));
        QCOMPARE(box.bottomRight(), QGeoCoordinate(48.0, 8.0));
        QCOMPARE(general()->property("bounding").value<QGeoRectangle>(), box);
    }

    void readsInsideTheLock()
    {
        // The plan's own operations hold the mutex when they reach the header: a read there
        // must not deadlock, as the lock is recursive.
        build({"AAAA", "ABBB"});
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        QCOMPARE(general()->shortName(), QStringLiteral("AAAA-ABBB"));
        QCOMPARE(general()->waypointuids().size(), 2);
        QVERIFY(general()->bounding().isValid());
    }

    void performance_data()
    {
        // clang-format off
        QTest::addColumn<int>("tas");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("jet") << 450 << 350 << "N0450F350";
        QTest::newRow("light airplane, padded") << 95 << 45 << "N0095F045";
        QTest::newRow("five-digit speed cut to four") << 12345 << 350 << "N1234F350";
        QTest::newRow("four-digit level cut to three") << 450 << 1000 << "N0450F100";
        QTest::newRow("not set yet") << 0 << -1 << "N0000F000";
        QTest::newRow("negative speed") << -5 << 100 << "N0000F100";
        // clang-format on
    }

    void performance()
    {
        QFETCH(int, tas);
        QFETCH(int, level);
        QFETCH(QString, expected);
        // The plan holds its cruise within its airplane: this one bounds nothing.
        Airplane unbounded = PlanFixture::airplane();
        unbounded.ceilinglvl = 1000;
        unbounded.maxcruisetas = 20000;
        m_fixture.setAirplane(unbounded);
        const auto restore = qScopeGuard([this] { m_fixture.setAirplane(PlanFixture::airplane()); });
        general()->setCruisetas(tas);
        general()->setCruiselvl(level);
        QCOMPARE(general()->performance(), expected);
        QCOMPARE(general()->property("performance").toString(), expected);
    }

    void departureSeconds_data()
    {
        // clang-format off
        QTest::addColumn<QDateTime>("departure");
        QTest::addColumn<int>("seconds");
        const QDate day(2026, 3, 14);
        QTest::newRow("seconds ignored") << QDateTime(day, QTime(14, 37, 59), Qt::UTC) << 52620;
        QTest::newRow("midnight") << QDateTime(day, QTime(0, 0), Qt::UTC) << 0;
        QTest::newRow("last minute") << QDateTime(day, QTime(23, 59, 59), Qt::UTC) << 86340;
        // 14:37 an hour ahead of UTC is 13:37 UTC; 00:30 two hours behind is 02:30 UTC.
        QTest::newRow("ahead of UTC") << QDateTime(day, QTime(14, 37), Qt::OffsetFromUTC, 3600) << 49020;
        QTest::newRow("behind UTC") << QDateTime(day, QTime(0, 30), Qt::OffsetFromUTC, -7200) << 9000;
        QTest::newRow("not set") << QDateTime() << 0;
        // clang-format on
    }

    void departureSeconds()
    {
        QFETCH(QDateTime, departure);
        QFETCH(int, seconds);
        general()->setDeparturetime(departure);
        QCOMPARE(general()->departureseconds(), seconds);
    }

    void writesNotifyOnChange_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("modificationtime") << QByteArray("modificationtime")
                                          << QVariant(QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
        QTest::newRow("departuretime") << QByteArray("departuretime")
                                       << QVariant(QDateTime(QDate(2026, 1, 2), QTime(5, 6)));
        QTest::newRow("company") << QByteArray("company") << QVariant(QStringLiteral("Corvel Air"));
        QTest::newRow("number") << QByteArray("number") << QVariant(QStringLiteral("WYLR123"));
        QTest::newRow("pic") << QByteArray("pic") << QVariant(QStringLiteral("J. Doe"));
        QTest::newRow("sequence") << QByteArray("sequence") << QVariant(7);
        QTest::newRow("cruiselvl") << QByteArray("cruiselvl") << QVariant(310);
        QTest::newRow("cruisetas") << QByteArray("cruisetas") << QVariant(430);
        QTest::newRow("transition") << QByteArray("transition") << QVariant(18000);
        QTest::newRow("alternate") << QByteArray("alternate") << QVariant(QStringLiteral("ABBB"));
        // clang-format on
    }

    void writesNotifyOnChange()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        // A cruise written to a plan with waypoints flies it anew, a modification.
        m_plan->clear(false);
        QSignalSpy spy(general(), &General::modified);
        QVERIFY(general()->setProperty(property, value));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(general()->property(property), value);
        // The same value again changes nothing.
        QVERIFY(general()->setProperty(property, value));
        QCOMPARE(spy.count(), 1);
    }

    void resetDefaults()
    {
        // Without preferences: empty names, transition 0.
        general()->reset();
        QVERIFY(general()->company().isEmpty());
        QVERIFY(general()->pic().isEmpty());
        QCOMPARE(general()->transition(), 0);

        Settings::setString(QStringLiteral("personal/companyName"), QStringLiteral("Corvel Air"));
        Settings::setString(QStringLiteral("personal/pilotName"), QStringLiteral("A. Pilot"));
        Settings::setInt(QStringLiteral("units/transitionAltitude"), 6000);
        general()->setSequence(4);
        general()->setAlternate(QStringLiteral("ABBB"));

        QSignalSpy spy(general(), &General::modified);
        const QDateTime before = QDateTime::currentDateTime();
        general()->reset();
        QCOMPARE(spy.count(), 0);

        QVERIFY(general()->modificationtime() >= before.addSecs(-1));
        QCOMPARE(general()->departuretime(), general()->modificationtime().addSecs(10800));
        QCOMPARE(general()->departuretime().timeSpec(), Qt::UTC);
        QCOMPARE(general()->company(), QStringLiteral("Corvel Air"));
        QCOMPARE(general()->pic(), QStringLiteral("A. Pilot"));
        QVERIFY2(QRegularExpression(QStringLiteral("^WYLR\\d{3}$")).match(general()->number()).hasMatch(),
                 qPrintable(general()->number()));
        QCOMPARE(general()->sequence(), 1);
        QCOMPARE(general()->cruiselvl(), PlanFixture::airplane().ceilinglvl);
        QCOMPARE(general()->cruisetas(), PlanFixture::airplane().maxcruisetas);
        QCOMPARE(general()->transition(), 6000);
        QVERIFY(general()->alternate().isEmpty());
    }

    void flightNumbersStayInRange()
    {
        // WYLR000 to WYLR998: three digits always, never 999.
        QSet<QString> seen;
        for (int i = 0; i < 2000; ++i) {
            general()->reset();
            const int number = general()->number().mid(4).toInt();
            QVERIFY(number >= 0 && number <= 998);
            seen.insert(general()->number());
        }
        QVERIFY(seen.size() > 100);
    }

    void operationalFlightPlan()
    {
        build({"AAAA", "FIXAA", "FIXBB", "ABBB"});
        m_plan->update(true, false);
        const QString ofp = general()->ofp();
        QVERIFY(ofp.contains(QStringLiteral("OPERATIONAL FLIGHT PLAN")));
        QVERIFY(ofp.contains(QStringLiteral("FIXAA")));
        QCOMPARE(ofp, Templating::render(m_plan.get(), QStringLiteral("ofp.txt")));
        // Rendered anew on every read, and from within the plan's lock.
        general()->setPic(QStringLiteral("Second Pilot"));
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        QVERIFY(general()->ofp().contains(QStringLiteral("Second Pilot")));
    }
};

QTEST_MAIN(TstGeneral)
#include "tst_general.moc"
