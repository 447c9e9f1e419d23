#include "basemodel.h"
#include "httptestserver.h"
#include "infomanager.h"
#include "planfixture.h"
#include "translationmanager.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

HttpTestServer::Reply answer(int status, const QByteArray &body, int delayMs = 0)
{
    HttpTestServer::Reply reply;
    reply.status = status;
    reply.body = body;
    reply.contentType = "text/plain";
    reply.delayMs = delayMs;
    return reply;
}

} // namespace

// The information panel's pages, links and history over a small live database, and the METAR
// fetch against a server of the test's own.
class TestInfoManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void historyKeepsScrollPositions();
    void newPageEmptiesForward();
    void emptyHistoryDoesNothing();
    void missingItemLeavesPageAndHistory();
    void historyDropsVanishedPages();
    void links_data();
    void links();
    void tips();
    void waypointPageIsRecordedAsPoint();

    void metarAnswers_data();
    void metarAnswers();
    void metarCodeTrimmedAndUpperCase_data();
    void metarCodeTrimmedAndUpperCase();
    void pageChangeAbortsMetar();
    void metarOnlyForMetarSection_data();
    void metarOnlyForMetarSection();
    void untrustedMetarAnswers_data();
    void untrustedMetarAnswers();

    // Changes the database: last.
    void pageFollowsTheDatabase();

private:
    QString uid(const char *code) const { return m_uid.value(QString::fromLatin1(code)); }

    PlanFixture m_fixture;
    std::unique_ptr<TranslationManager> m_translations;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<InfoManager> m_info;
    std::unique_ptr<HttpTestServer> m_server;
    QHash<QString, QString> m_uid;
};

void TestInfoManager::initTestCase()
{
    m_fixture.setUp();
    Settings::setString(QStringLiteral("ui/language"), QStringLiteral("en"));
    m_translations = std::make_unique<TranslationManager>();
    m_uid.insert("KJFK", m_fixture.airport(QStringLiteral("KJFK"), 40.64, -73.78, 13)->uid());
    m_uid.insert("kord", m_fixture.airport(QStringLiteral("kord"), 41.98, -87.9, 672)->uid());
    Point *p = m_fixture.fix(QStringLiteral("PPP"), 40.0, -72.0);
    Point *q = m_fixture.fix(QStringLiteral("QQQ"), 40.5, -71.0);
    m_uid.insert("PPP", p->uid());
    m_uid.insert("QQQ", q->uid());
    m_uid.insert("J1", m_fixture.segment(0, 2, p, q, QStringLiteral("J1"))->uid());
    m_fixture.db()->pointModel()->reset();
}

void TestInfoManager::init()
{
    m_info.reset();
    m_plan = std::make_unique<Flightplan>();
    m_server = std::make_unique<HttpTestServer>();
    QVERIFY(m_server->listen());
    m_info = std::make_unique<InfoManager>(m_plan.get(), m_translations.get());
    m_info->setMetarBase(QUrl(m_server->url(QString())));
}

void TestInfoManager::cleanupTestCase()
{
    m_info.reset();
    m_plan.reset();
    m_translations.reset();
    m_fixture.tearDown();
}

void TestInfoManager::historyKeepsScrollPositions()
{
    m_info->showPointInfo(uid("PPP"));
    QVERIFY(!m_info->hasPrevious());
    m_info->saveCurrentPosition(0.25f);
    m_info->linkTo("SEGMENT>" + uid("J1"));
    QVERIFY(m_info->html().contains(QStringLiteral("J1")));
    QVERIFY(m_info->hasPrevious());
    m_info->saveCurrentPosition(0.5f);

    m_info->setPrevious();
    QVERIFY(m_info->html().contains(QStringLiteral("PPP")));
    QCOMPARE(m_info->recallPosition(), 0.25f);
    // The page link is built again from the item; the position went to the panel.
    QCOMPARE(m_info->currentLink(), "POINT>" + uid("PPP"));
    QVERIFY(!m_info->hasPrevious());
    QVERIFY(m_info->hasNext());

    m_info->saveCurrentPosition(0.125f);
    m_info->setNext();
    QCOMPARE(m_info->recallPosition(), 0.5f);
    QVERIFY(m_info->html().contains(QStringLiteral("J1")));
    QVERIFY(!m_info->hasNext());
    // Back once more: the point page kept the position it was left at the second time.
    m_info->setPrevious();
    QCOMPARE(m_info->recallPosition(), 0.125f);
}

void TestInfoManager::newPageEmptiesForward()
{
    m_info->showPointInfo(uid("PPP"));
    m_info->showPointInfo(uid("QQQ"));
    m_info->showSegmentInfo(uid("J1"));
    m_info->setPrevious();
    m_info->setPrevious();
    QVERIFY(m_info->hasNext());
    m_info->setNext();
    QVERIFY(m_info->hasNext());
    QVERIFY(m_info->hasPrevious());
    m_info->showPointInfo(uid("PPP"));
    QVERIFY(!m_info->hasNext());
    QVERIFY(m_info->hasPrevious());
}

void TestInfoManager::emptyHistoryDoesNothing()
{
    m_info->showTip(2);
    const QString tip = m_info->html();
    QSignalSpy updated(m_info.get(), &InfoManager::updated);
    m_info->setPrevious();
    m_info->setNext();
    QCOMPARE(updated.count(), 0);
    QCOMPARE(m_info->html(), tip);
    QCOMPARE(m_info->currentLink(), QString());
}

void TestInfoManager::missingItemLeavesPageAndHistory()
{
    m_info->showPointInfo(uid("PPP"));
    const QString page = m_info->html();
    QSignalSpy updated(m_info.get(), &InfoManager::updated);
    QSignalSpy cleared(m_info.get(), &InfoManager::clear);
    QTest::ignoreMessage(QtWarningMsg, "Point with UID \"NOWHERE\" not found in database!");
    m_info->showPointInfo(QStringLiteral("NOWHERE"));
    m_info->linkTo(QStringLiteral("SEGMENT>NOWHERE"));
    m_info->showRunwayInfo(QStringLiteral("NOWHERE"));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(cleared.count(), 0);
    QCOMPARE(m_info->html(), page);
    QCOMPARE(m_info->currentLink(), "POINT>" + uid("PPP"));
    QVERIFY(!m_info->hasPrevious());
}

// Stepping back onto a page whose item left the database drops that page: the page shown
// stays, it is not put into the other stack, and the buttons hear of the shorter history.
void TestInfoManager::historyDropsVanishedPages()
{
    m_info->showPointInfo(uid("PPP"));
    m_info->showSegmentInfo(uid("J1"));
    m_info->showPointInfo(uid("QQQ"));
    m_info->saveCurrentPosition(0.75f);
    const QString page = m_info->html();
    m_fixture.db()->removeSegmentsOfType(2);
    QSignalSpy updated(m_info.get(), &InfoManager::updated);

    m_info->setPrevious();
    QCOMPARE(updated.count(), 1);
    QVERIFY(m_info->hasPrevious());
    QVERIFY(!m_info->hasNext());
    QCOMPARE(m_info->html(), page);
    QVERIFY(m_info->currentLink().startsWith("POINT>" + uid("QQQ")));
    QCOMPARE(m_info->recallPosition(), 0.75f);

    m_info->setPrevious();
    QVERIFY(m_info->html().contains(QStringLiteral("PPP")));
    QVERIFY(!m_info->hasPrevious());
    m_info->setNext();
    QVERIFY(m_info->html().contains(QStringLiteral("QQQ")));
    QVERIFY(!m_info->hasNext());

    m_uid.insert(
        "J1",
        m_fixture.segment(0, 2, Database::findPoint(uid("PPP")), Database::findPoint(uid("QQQ")), QStringLiteral("J1"))
            ->uid());
}

void TestInfoManager::links_data()
{
    // clang-format off
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("currentLink");
    QTest::addColumn<float>("recall");
    QTest::addColumn<QString>("selected");
    const QString p = uid("PPP");
    QTest::newRow("point") << "POINT>" + p << "POINT>" + p << 0.0f << "";
    QTest::newRow("point with section and position") << "POINT>" + p + ">>0.75" << "POINT>" + p << 0.75f << "";
    QTest::newRow("five fields") << "POINT>" + p + ">runways>0.5>more" << "POINT>" + p + ">runways" << 0.5f << "";
    QTest::newRow("position not a number") << "POINT>" + p + ">>x" << "POINT>" + p << 0.0f << "";
    QTest::newRow("waypoint not in the plan") << "WAYPOINT>" + p << "" << 0.0f << "";
    QTest::newRow("select") << "SELECT>" + p << "" << 0.0f << p;
    QTest::newRow("select unknown") << "SELECT>NOWHERE" << "" << 0.0f << "";
    QTest::newRow("one field") << "POINT" << "" << 0.0f << "";
    QTest::newRow("unknown kind") << "FIX>" + p << "" << 0.0f << "";
    QTest::newRow("kind is case-sensitive") << "point>" + p << "" << 0.0f << "";
    QTest::newRow("upper-case HTTP is no web link") << "HTTPS://example.invalid" << "" << 0.0f << "";
    // clang-format on
}

void TestInfoManager::links()
{
    QFETCH(QString, link);
    QFETCH(QString, currentLink);
    QFETCH(float, recall);
    QFETCH(QString, selected);
    QSignalSpy activated(m_info.get(), &InfoManager::pointLinkActivated);
    m_info->linkTo(link);
    QCOMPARE(m_info->currentLink(), currentLink);
    QCOMPARE(m_info->recallPosition(), recall);
    QCOMPARE(activated.count(), selected.isEmpty() ? 0 : 1);
    if (!selected.isEmpty())
        QCOMPARE(activated.first().first().toString(), selected);
}

void TestInfoManager::tips()
{
    m_info->linkTo(QStringLiteral("TIP>3"));
    QVERIFY(m_info->html().contains(QStringLiteral("Quick tip #4")));
    QVERIFY(m_info->html().contains(QStringLiteral("<h3>Route information</h3>")));
    // The links read on every theme: the colour of the pages' links (#5E9CAE), not the default blue.
    QVERIFY(m_info->html().contains(QStringLiteral("<a style=\"color: #5E9CAE;\" href=\"TIP&gt;4\"")));
    m_info->linkTo(QStringLiteral("TIP>not a number"));
    QVERIFY(m_info->html().contains(QStringLiteral("Quick tip #1<")));
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        m_info->linkTo(QStringLiteral("TIP>-1"));
        seen.insert(m_info->html());
    }
    QVERIFY2(seen.size() > 8, qPrintable(QString::number(seen.size())));
    // A tip is shown over the page; going back from a later page skips it.
    m_info->showPointInfo(uid("PPP"));
    m_info->showTip(5);
    QCOMPARE(m_info->currentLink(), "POINT>" + uid("PPP"));
    m_info->showPointInfo(uid("QQQ"));
    m_info->setPrevious();
    QVERIFY(m_info->html().contains(QStringLiteral("PPP")));
    QVERIFY(!m_info->hasPrevious());
}

void TestInfoManager::waypointPageIsRecordedAsPoint()
{
    for (const char *code : {"PPP", "QQQ", "kord"})
        QVERIFY(m_plan->append(uid(code), false));
    m_info->showPointInfo(uid("QQQ"));
    QVERIFY(m_info->html().contains("href=\"WAYPOINT&gt;" + uid("QQQ"))
            || m_info->html().contains("href=\"WAYPOINT>" + uid("QQQ")));
    QVERIFY(m_info->html().contains(QStringLiteral("Show waypoint details QQQ")));
    m_info->linkTo("WAYPOINT>" + uid("QQQ"));
    QCOMPARE(m_info->currentLink(), "POINT>" + uid("QQQ"));
    QVERIFY(m_info->html().contains(QStringLiteral("Waypoint QQQ")));
    QVERIFY(m_info->html().contains(QStringLiteral("Next waypoint")));
    QVERIFY(m_info->hasPrevious());

    // The page follows the plan: reversed, the next waypoint is PPP; removed, the point's page.
    QVERIFY(m_plan->reverse());
    QVERIFY(m_info->html().section(QStringLiteral("Next waypoint"), 1).contains(QStringLiteral(">PPP</a>")));
    QVERIFY(m_plan->remove(uid("QQQ")));
    QVERIFY(!m_info->html().contains(QStringLiteral("Waypoint QQQ")));
}

void TestInfoManager::metarAnswers_data()
{
    // clang-format off
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rows");
    QTest::newRow("report on several lines") << 200 << QByteArray("KJFK 061251Z 18010KT\n  10SM   FEW250\r\n") << 0
                                             << "<p>KJFK 061251Z 18010KT 10SM FEW250</p>" << true;
    QTest::newRow("not found") << 404 << QByteArray("no such station") << 0 << "<p>No METAR available for KJFK.</p>" << false;
    QTest::newRow("blank body") << 200 << QByteArray(" \n ") << 0 << "<p>No METAR available for KJFK.</p>" << false;
    QTest::newRow("server error") << 500 << QByteArray("oops") << 0 << "<p>Cannot fetch METAR for KJFK: " << false;
    QTest::newRow("slower than the timeout") << 200 << QByteArray("KJFK 061251Z") << 3000
                                             << "<p>Cannot fetch METAR for KJFK: the service did not answer in time</p>"
                                             << false;
    // clang-format on
}

void TestInfoManager::metarAnswers()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, delay);
    QFETCH(QString, text);
    QFETCH(bool, rows);
    m_server->setReply(QStringLiteral("/KJFK"), answer(status, body, delay));
    // Only the slow answer meets a short timeout; the others keep the program's 15 s.
    if (delay > 0)
        m_info->setMetarTimeout(300);
    QSignalSpy updated(m_info.get(), &InfoManager::updated);
    m_info->showPointInfo(uid("KJFK"));
    QVERIFY(m_info->html().contains(QStringLiteral("<i>Loading METAR...</i>")));
    QVERIFY(m_info->metarPending());
    m_info->saveCurrentPosition(0.4f);
    QTRY_VERIFY_WITH_TIMEOUT(!m_info->metarPending(), 10000);
    QCOMPARE(updated.count(), 2);
    QVERIFY2(m_info->html().contains(text), qPrintable(m_info->html()));
    QVERIFY(!m_info->html().contains(QStringLiteral("Loading METAR...")));
    // A report the decoder reads gives rows; the messages give none.
    QCOMPARE(m_info->html().contains(QStringLiteral("<li><b>Wind</b>")), rows);
    QCOMPARE(m_info->recallPosition(), 0.4f);
    QCOMPARE(m_server->requests(), QStringList{QStringLiteral("/KJFK")});
}

// The station follows the path of the address the store names ("information/metarUrl").
void TestInfoManager::metarCodeTrimmedAndUpperCase_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("asked");
    QTest::newRow("no path") << ""
                             << "/KORD";
    QTest::newRow("a path") << "/api/metar"
                            << "/api/metar/KORD";
    QTest::newRow("a path ending in a slash") << "/api/metar/"
                                              << "/api/metar/KORD";
}

void TestInfoManager::metarCodeTrimmedAndUpperCase()
{
    QFETCH(QString, path);
    QFETCH(QString, asked);
    m_server->setReply(asked, answer(200, "KORD 061251Z 27005KT"));
    Settings::setString(QStringLiteral("information/metarUrl"), m_server->url(path));
    m_info = std::make_unique<InfoManager>(m_plan.get(), m_translations.get());
    // Emptied, the setting names the public service, not an address Qt cannot ask.
    Settings::setString(QStringLiteral("information/metarUrl"), QStringLiteral(" "));
    QCOMPARE(InfoManager(m_plan.get(), m_translations.get()).metarBase(), QUrl(InfoManager::defaultMetarBase));
    m_info->showPointInfo(uid("kord"));
    QTRY_VERIFY(!m_info->metarPending());
    QCOMPARE(m_server->requests(), QStringList{asked});
    QVERIFY(m_info->html().contains(QStringLiteral("<p>KORD 061251Z 27005KT</p>")));
}

void TestInfoManager::pageChangeAbortsMetar()
{
    m_server->setReply(QStringLiteral("/KJFK"), answer(200, "KJFK 061251Z 18010KT", 300));
    QSignalSpy cleared(m_info.get(), &InfoManager::clear);
    m_info->showPointInfo(uid("KJFK"));
    QVERIFY(m_info->metarPending());
    // Aborting finishes the reply at once: the old page must not be rendered on the way.
    QSignalSpy updated(m_info.get(), &InfoManager::updated);
    m_info->showPointInfo(uid("PPP"));
    QVERIFY(!m_info->metarPending());
    const QString page = m_info->html();
    QTest::qWait(600);
    QCOMPARE(updated.count(), 1);
    QVERIFY(!page.contains(QStringLiteral("KJFK")));
    QCOMPARE(m_info->html(), page);
    QCOMPARE(cleared.count(), 2);

    // A tip cancels it too.
    m_info->showPointInfo(uid("KJFK"));
    m_info->showTip(1);
    const QString tip = m_info->html();
    QTest::qWait(600);
    QCOMPARE(m_info->html(), tip);
}

void TestInfoManager::metarOnlyForMetarSection_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("requests");
    QTest::newRow("whole page") << "KJFK" << "" << 1;
    QTest::newRow("metar section") << "KJFK" << "metar" << 1;
    QTest::newRow("runways section") << "KJFK" << "runways" << 0;
    QTest::newRow("not an airport") << "PPP" << "" << 0;
    // clang-format on
}

void TestInfoManager::metarOnlyForMetarSection()
{
    QFETCH(QString, code);
    QFETCH(QString, section);
    QFETCH(int, requests);
    m_server->setReply(QStringLiteral("/KJFK"), answer(200, "KJFK 061251Z 18010KT"));
    m_info->showPointInfo(m_uid.value(code), section);
    QCOMPARE(m_info->metarPending(), requests == 1);
    if (requests > 0)
        QTRY_COMPARE(m_server->requests().size(), requests);
    QTest::qWait(200);
    QCOMPARE(m_server->requests().size(), requests);
    QCOMPARE(m_info->html().contains(QStringLiteral("METAR")), requests == 1);
}

// What the service answers is not trusted: where it sends the request, whose report it is, how
// long it is and how long it takes.
void TestInfoManager::untrustedMetarAnswers_data()
{
    // clang-format off
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("location");
    QTest::addColumn<int>("trickleMs");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rows");
    const QByteArray report("KJFK 061251Z 18010KT 10SM FEW250");
    QTest::newRow("redirect to another host") << 302 << QByteArray() << "other" << 0 << true
                                              << "<p>Cannot fetch METAR for KJFK: the service redirected to another host</p>"
                                              << false;
    QTest::newRow("redirect within the service") << 302 << QByteArray() << "/mirror/KJFK" << 0 << true
                                                 << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("redirect to itself") << 302 << QByteArray() << "/KJFK" << 0 << true
                                        << "<p>Cannot fetch METAR for KJFK: the service redirects in a loop</p>" << false;
    QTest::newRow("another station's report") << 200 << QByteArray("UUWW 061230Z 00000MPS CAVOK") << "" << 0 << true
                                              << "<p>No METAR available for KJFK.</p>" << false;
    QTest::newRow("another station's report after this one's") << 200 << report + "\r\nUUWW 061230Z TS OVC001 40/20 Q0900\n" << "" << 0
                                                                << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    // The report ends at its terminator, and before a forecast, a date or another station's line.
    QTest::newRow("two reports on one line") << 200 << report + "= UUWW 061230Z 00000MPS 0000 +TSRA OVC001CB 40/40 Q0900="
                                             << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "=</p>" << true;
    QTest::newRow("the station's forecast next") << 200 << report + "\nTAF KJFK 061130Z 0612/0718 00000KT 0000 +TSRA OVC001CB"
                                                 << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a date line next") << 200 << report + "\n2025/01/27 22:20\n" << "" << 0 << true
                                      << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("another station's NIL next") << 200 << report + "\nUUWW NIL=\n" << "" << 0 << true
                                                << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a one-character station next") << 200 << report + "\nX 061220Z 00000KT 0000 +TSRA OVC001CB 40/40 Q0900\n" << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a three-character station next") << 200 << report + "\nX01 061220Z 00000KT 0000 +TSRA OVC001CB 40/40 Q0900\n" << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    // A forecast reads like a report from its station line on, and another station's text may
    // hold the code; the station's own report comes after them.
    QTest::newRow("a forecast headed by TAF alone") << 200 << QByteArray("TAF\nKJFK 062300Z 0700/0724 00000KT 0000 +TSRA OVC001CB\n"
                                                                       "  TEMPO 0700/0706 VRB20G35KT=\n") + report + "=\n"
                                                    << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "=</p>" << true;
    QTest::newRow("a forecast headed by TAF AMD alone") << 200 << QByteArray("TAF AMD\nKJFK 062300Z 0700/0724 00000KT 0000 +TSRA OVC001CB\n") + report
                                                        << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a forecast headed by TAF AMD COR alone") << 200 << QByteArray("TAF AMD COR\nKJFK 062300Z 0700 00000KT 0000 +TSRA OVC001CB\n") + report << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a forecast with no heading") << 200 << QByteArray("KJFK 062300Z 0700/0724 00000KT 0000 +TSRA OVC001CB\n") + report << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("a forecast of six-digit validity with no heading") << 200 << QByteArray("KJFK 062300Z 070024 00000KT 0000 +TSRA OVC001CB\n") + report << "" << 0 << true << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("the code after a = in another station's remarks")
        << 200 << QByteArray("UUWW 061230Z 00000MPS 0000 +TSRA 40/40 Q0900 RMK QBB=KJFK OVC001CB\n") + report << "" << 0 << true
        << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("the code opening another station's continuation line")
        << 200 << QByteArray("UUWW 061230Z 00000MPS 0000 +TSRA\nKJFK OVC001CB 40/40 Q0900=\n") + report << "" << 0 << true
        << "<p>" + QString::fromLatin1(report) + "</p>" << true;
    QTest::newRow("the code with no report time") << 200 << QByteArray("KJFK OVC001CB 40/40 Q0900") << "" << 0 << true
                                                  << "<p>No METAR available for KJFK.</p>" << false;
    QTest::newRow("station in a longer word") << 200 << QByteArray("KJFKX 061251Z 18010KT") << "" << 0 << true
                                              << "<p>No METAR available for KJFK.</p>" << false;
    QTest::newRow("report with its kind and a correction") << 200 << QByteArray("SPECI COR KJFK 061251Z 18010KT") << "" << 0 << true
                                                           << "<p>SPECI COR KJFK 061251Z 18010KT</p>" << true;
    QTest::newRow("ten megabytes after the station") << 200 << report + ' ' + QByteArray(10 * 1024 * 1024, 'A') << "" << 0 << true
                                                     << "<p>Cannot fetch METAR for KJFK: the answer is too long</p>" << false;
    QTest::newRow("ten megabytes of no announced length") << 200 << report + ' ' + QByteArray(10 * 1024 * 1024, 'A') << ""
                                                          << 0 << false
                                                          << "<p>Cannot fetch METAR for KJFK: the answer is too long</p>"
                                                          << false;
    QTest::newRow("chunked, cut before its last chunk") << 200 << report << "" << 0 << true
                                                        << "<p>Cannot fetch METAR for KJFK: " << false;
    QTest::newRow("redirect within the service, chunked and cut there") << 302 << QByteArray() << "/mirror/KJFK" << 0 << true
                                                                         << "<p>Cannot fetch METAR for KJFK: " << false;
    QTest::newRow("gzip with its length, cut after the report") << 200 << report << "" << 0 << true
                                                                << "<p>Cannot fetch METAR for KJFK: " << false;
    QTest::newRow("gzip, damaged") << 200 << HttpTestServer::gzip(report).chopped(8) + "checksum" << "" << 0 << true
                                   << "<p>Cannot fetch METAR for KJFK: the answer is damaged</p>" << false;
    // The network layer reads headers for as long as they come: the next request is answered all the same.
    QTest::newRow("headers without end") << 200 << report << "" << 0 << true
                                         << "<p>Cannot fetch METAR for KJFK: the service did not answer in time</p>"
                                         << false;
    // Fifteen deadlines, each of a request whose HTTP thread is free: no manager is replaced.
    QTest::newRow("silent server") << 200 << report << "" << 0 << true
                                   << "<p>Cannot fetch METAR for KJFK: the service did not answer in time</p>" << false;
    // Bytes keep coming, so only a deadline for the whole answer stops it.
    QTest::newRow("a byte every 100 ms") << 200 << report << "" << 100 << true
                                         << "<p>Cannot fetch METAR for KJFK: the service did not answer in time</p>"
                                         << false;
    // clang-format on
}

void TestInfoManager::untrustedMetarAnswers()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, location);
    QFETCH(int, trickleMs);
    QFETCH(bool, announced);
    QFETCH(QString, text);
    QFETCH(bool, rows);
    const QByteArray report("KJFK 061251Z 18010KT 10SM FEW250");
    HttpTestServer other;
    QVERIFY(other.listen());
    other.setReply(QStringLiteral("/KJFK"), answer(200, report));
    HttpTestServer::Reply reply = answer(status, body);
    HttpTestServer::Reply mirror = answer(200, report);
    HttpTestServer::Reply &last = location.startsWith(QLatin1String("/mirror")) ? mirror : reply;
    last.trickleMs = trickleMs;
    last.contentLength = announced ? -1 : -2;
    last.endlessHeaders = QByteArray(QTest::currentDataTag()) == "headers without end";
    const bool silent = QByteArray(QTest::currentDataTag()) == "silent server";
    last.delayMs = silent ? 120000 : 0;
    last.encoding = QByteArray(QTest::currentDataTag()) == "gzip, damaged" ? "gzip" : "";
    if (QByteArray(QTest::currentDataTag()).contains("cut")) {
        last.chunked = QByteArray(QTest::currentDataTag()).contains("chunked");
        last.body = report + " 27/12 A3012";
        last.sendOnly = report.size();
        if (QByteArray(QTest::currentDataTag()).contains("gzip")) {
            last.encoding = "gzip";
            last.body = HttpTestServer::gzip(last.body);
            last.sendOnly += 15;
        }
    }
    m_server->setReply(QStringLiteral("/mirror/KJFK"), mirror);
    if (location == QLatin1String("other"))
        reply.location = other.url(QStringLiteral("/KJFK")).toUtf8();
    else
        reply.location = location.toUtf8();
    m_server->setReply(QStringLiteral("/KJFK"), reply);
    // The deadline is short only for the drip and the headers: a busy machine may take longer for a whole answer.
    m_info->setMetarTimeout(trickleMs > 0 || last.endlessHeaders || silent ? 400 : 30000);

    // Only some cut answers reach the panel as whole, and never after a polling pause. Asking
    // again leaves no thread behind.
    int threads = 0;
    for (int ask = 0; ask < (silent ? 15 : last.sendOnly < 0 ? 1 : 40); ++ask) {
        QElapsedTimer clock;
        clock.start();
        m_info->showPointInfo(uid("KJFK"));
        QSignalSpy rendered(m_info.get(), &InfoManager::updated);
        QVERIFY(rendered.wait(40000));
        QVERIFY(!m_info->metarPending());
        // The drip is cut before all of it could have come.
        if (trickleMs > 0)
            QVERIFY2(clock.elapsed() < trickleMs * body.size(), qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(m_info->html().contains(text), qPrintable(m_info->html().left(2000)));
        QVERIFY(m_info->html().size() < 100000);
        QCOMPARE(m_info->html().contains(QStringLiteral("<li><b>Wind</b>")), rows);
        threads = ask == 0 ? HttpTestServer::threads() : threads;
    }
    QTRY_VERIFY_WITH_TIMEOUT(HttpTestServer::threads() <= threads, 20000);
    // The held manager's thread is replaced, and let go once the headers end.
    if (last.endlessHeaders) {
        m_server->setReply(QStringLiteral("/KJFK"), answer(200, report));
        for (int ask = 0; ask < 2; ++ask) {
            m_info->showPointInfo(uid("KJFK"));
            QTRY_VERIFY_WITH_TIMEOUT(!m_info->metarPending(), 40000);
            QVERIFY2(m_info->html().contains("<p>" + QString::fromLatin1(report) + "</p>"), qPrintable(m_info->html()));
        }
        QCOMPARE(HttpTestServer::threads(), threads + 1);
        m_server->hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(HttpTestServer::threads(), threads, 40000);
    }
    QCOMPARE(other.requests(), QStringList());
}

// After an import, a download or a clear, the page shows the item as the new data has it, where
// it was scrolled to, or nothing when the item is gone; a tip stays.
void TestInfoManager::pageFollowsTheDatabase()
{
    QSignalSpy updates(m_info.get(), &InfoManager::updated);
    m_info->showPointInfo(uid("KJFK"));
    m_info->linkTo("POINT>" + uid("PPP"));
    m_info->saveCurrentPosition(0.5f);
    const QString before = m_info->html();

    // New data: the fix is a degree further north.
    m_fixture.db()->clear();
    m_fixture.fix(QStringLiteral("PPP"), 41.0, -72.0);
    m_fixture.db()->pointModel()->reset();
    updates.clear();
    m_info->databaseReplaced();
    QCOMPARE(updates.count(), 1);
    QVERIFY(m_info->html().contains(QStringLiteral("PPP")));
    QVERIFY(m_info->html() != before);
    QCOMPARE(m_info->recallPosition(), 0.5f);
    QCOMPARE(m_info->currentLink(), "POINT>" + uid("PPP"));
    QVERIFY(m_info->hasPrevious());
    m_info->setPrevious();
    QVERIFY(!m_info->hasPrevious()); // no step of its own in the history

    // A tip over the page stays whatever the data.
    m_info->linkTo("POINT>" + uid("PPP"));
    m_info->showTip(3);
    const QString tip = m_info->html();
    m_info->databaseReplaced();
    QCOMPARE(m_info->html(), tip);

    // The fix is gone: the panel says so.
    m_info->linkTo("POINT>" + uid("PPP"));
    m_fixture.db()->clear();
    updates.clear();
    m_info->databaseReplaced();
    QCOMPARE(updates.count(), 1);
    QCOMPARE(m_info->html(), QStringLiteral("<p>This item is not in the navigation database any more.</p>"));
    QCOMPARE(m_info->currentLink(), QString());
    m_info->databaseReplaced();
    QCOMPARE(updates.count(), 1);
}

QTEST_MAIN(TestInfoManager)
#include "tst_infomanager.moc"
