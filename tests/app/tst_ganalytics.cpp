#include "ganalytics.h"
#include "ganalyticsworker.h"
#include "httptestserver.h"
#include "settings.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QScreen>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

const QString collectPath = QStringLiteral("/mp/collect?measurement_id=G-TEST123456&api_secret=secret22");

HttpTestServer::Reply answer(int status, int delayMs = 0)
{
    HttpTestServer::Reply reply;
    reply.status = status;
    reply.delayMs = delayMs;
    return reply;
}

QJsonObject bodyOf(const HttpTestServer::Request &request)
{
    return QJsonDocument::fromJson(request.body).object();
}

QJsonObject paramsOf(const HttpTestServer::Request &request)
{
    return bodyOf(request).value("events").toArray().first().toObject().value("params").toObject();
}

} // namespace

// The analytics client against a collection server of the test's own.
class TestGAnalytics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void bodyAndHeaders();
    void debugModeIsANumber();
    void retriesTheSameRecordAfterFailure();
    void keepAliveWhileMoreQueued();
    void expiresAfterFourHours_data();
    void expiresAfterFourHours();
    void nothingQueuedWhileDisabled();
    void noRegistrationNoSending();
    void switchOffDrains();
    void flushDuringPostSendsOnce();
    void finishedRepliesAreDeleted();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<GAnalytics> m_ga;
    QDateTime m_now;
};

void TestGAnalytics::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
}

void TestGAnalytics::init()
{
    m_ga.reset();
    m_server = std::make_unique<HttpTestServer>();
    QVERIFY(m_server->listen());
    m_server->setReply(collectPath, answer(204));
    m_ga = std::make_unique<GAnalytics>();
    m_ga->setHost(m_server->url(QString()));
    m_ga->setClientId(QStringLiteral("{client}"));
    m_ga->setMeasurementId(QStringLiteral("G-TEST123456"));
    m_ga->setApiSecret(QStringLiteral("secret22"));
    // Long enough that only flush and the retry after a failure send, unless a test shortens it.
    m_ga->setSendInterval(600000);
    m_now = QDateTime(QDate(2026, 12, 7), QTime(8, 0));
    m_ga->worker()->setClock([this] { return m_now; });
    m_ga->enable(true);
}

void TestGAnalytics::bodyAndHeaders()
{
    m_ga->sendEvent(QStringLiteral("start"), QStringLiteral("/airplanes"), QStringLiteral("Airplanes"),
                    {{"zeta", 5}, {"", "skipped"}, {"engagement_time_msec", 7}, {"alpha", true}});
    m_ga->flush();
    QTRY_COMPARE(m_server->fullRequests().size(), 1);
    const HttpTestServer::Request request = m_server->fullRequests().first();
    QVERIFY(request.head.startsWith("POST " + collectPath.toUtf8() + " HTTP/1.1"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json; charset=utf-8"));
    QCOMPARE(request.header("User-Agent"), QByteArray("Waylore/4.10.0"));
    QCOMPARE(request.header("Connection"), QByteArray("close"));
    QCOMPARE(request.header("Content-Length").toInt(), request.body.size());
    // Compact JSON.
    QVERIFY(!request.body.contains('\n'));
    QVERIFY(!request.body.contains("\": "));

    const QJsonObject body = bodyOf(request);
    QCOMPARE(body.keys(), QStringList({"client_id", "events"}));
    QCOMPARE(body.value("client_id").toString(), QStringLiteral("{client}"));
    const QJsonObject event = body.value("events").toArray().first().toObject();
    QCOMPARE(event.value("name").toString(), QStringLiteral("start"));
    const QJsonObject params = event.value("params").toObject();
    const QString session = params.value("session_id").toString();
    QVERIFY2(QUuid::fromString(session).toString() == session && !QUuid::fromString(session).isNull(),
             qPrintable(session));
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    QJsonObject expected{
        {"session_id", session},
        {"language", QLocale::system().name().toLower().replace('_', '-')},
        {"screen_resolution", QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height())},
        {"page_referrer", "/"},
        {"page_location", "/airplanes"},
        {"page_title", "Airplanes"},
        {"app_version", "4.10.0"},
        {"app_name", "Waylore"},
        {"os_name", QSysInfo::productType()},
        {"os_version", QSysInfo::productVersion()},
        // The caller's values are texts, replacing a fixed one of the same key.
        {"engagement_time_msec", "7"},
        {"zeta", "5"},
        {"alpha", "true"},
    };
    QCOMPARE(params, expected);
    // The server has the request before the program has handled its answer.
    QTRY_COMPARE(m_ga->worker()->queueSize(), 0);
}

void TestGAnalytics::debugModeIsANumber()
{
    m_ga->setDebugMode(true);
    m_ga->sendEvent(QStringLiteral("a"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->setDebugMode(false);
    m_ga->sendEvent(QStringLiteral("b"), QStringLiteral("/"), QStringLiteral("Main"), {{"debug_mode", "1"}});
    m_ga->sendEvent(QStringLiteral("c"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->flush();
    QTRY_COMPARE(m_server->fullRequests().size(), 3);
    const QJsonValue fixed = paramsOf(m_server->fullRequests().at(0)).value("debug_mode");
    const QJsonValue fromCaller = paramsOf(m_server->fullRequests().at(1)).value("debug_mode");
    QVERIFY(fixed.isDouble());
    QCOMPARE(fixed.toInt(), 1);
    QVERIFY(fromCaller.isDouble());
    QCOMPARE(fromCaller.toInt(), 1);
    QVERIFY(!paramsOf(m_server->fullRequests().at(2)).contains("debug_mode"));
}

void TestGAnalytics::retriesTheSameRecordAfterFailure()
{
    m_server->setReply(collectPath, answer(500));
    m_ga->setSendInterval(100);
    m_ga->sendEvent(QStringLiteral("start"), QStringLiteral("/"), QStringLiteral("Main"));
    // From before the first post: the retry waits an interval after the failure, which came later,
    // however long the machine takes between the steps below.
    QElapsedTimer clock;
    clock.start();
    m_ga->flush();
    QTRY_COMPARE(m_server->fullRequests().size(), 1);
    QTRY_VERIFY(!m_ga->worker()->isSending());
    QCOMPARE(m_ga->worker()->queueSize(), 1);
    m_server->setReply(collectPath, answer(204));
    QTRY_VERIFY(m_server->fullRequests().size() >= 2);
    // One interval later, not at once.
    QVERIFY(clock.elapsed() >= 100);
    QCOMPARE(m_server->fullRequests().at(1).body, m_server->fullRequests().at(0).body);
    QTRY_COMPARE(m_ga->worker()->queueSize(), 0);
}

void TestGAnalytics::keepAliveWhileMoreQueued()
{
    for (const char *name : {"one", "two", "three"})
        m_ga->sendEvent(QString::fromLatin1(name), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->flush();
    QTRY_COMPARE(m_server->fullRequests().size(), 3);
    QStringList order;
    QByteArrayList connection;
    for (const HttpTestServer::Request &request : m_server->fullRequests()) {
        order << bodyOf(request).value("events").toArray().first().toObject().value("name").toString();
        connection << request.header("Connection");
    }
    QCOMPARE(order, QStringList({"one", "two", "three"}));
    QCOMPARE(connection, QByteArrayList({"keep-alive", "keep-alive", "close"}));
}

void TestGAnalytics::expiresAfterFourHours_data()
{
    // clang-format off
    QTest::addColumn<qint64>("age");
    QTest::addColumn<int>("sent");
    QTest::newRow("exactly four hours") << qint64(14400000) << 1;
    QTest::newRow("a millisecond more") << qint64(14400001) << 0;
    // clang-format on
}

void TestGAnalytics::expiresAfterFourHours()
{
    QFETCH(qint64, age);
    QFETCH(int, sent);
    m_ga->sendEvent(QStringLiteral("old"), QStringLiteral("/"), QStringLiteral("Main"));
    m_now = m_now.addMSecs(age);
    m_ga->flush();
    QTRY_VERIFY(!m_ga->worker()->isSending());
    QTest::qWait(100);
    QCOMPARE(m_server->fullRequests().size(), sent);
    QCOMPARE(m_ga->worker()->queueSize(), 0);
}

void TestGAnalytics::nothingQueuedWhileDisabled()
{
    m_ga->enable(false);
    QVERIFY(!m_ga->isEnabled());
    m_ga->sendEvent(QStringLiteral("start"), QStringLiteral("/"), QStringLiteral("Main"));
    QCOMPARE(m_ga->worker()->queueSize(), 0);
    m_ga->flush();
    QTest::qWait(100);
    QCOMPARE(m_server->fullRequests().size(), 0);
}

// Without the program's registration with the service, sharing cannot be switched on.
void TestGAnalytics::noRegistrationNoSending()
{
    GAnalytics ga;
    ga.setHost(m_server->url(QString()));
    QCOMPARE(Settings::getString(QLatin1String(GAnalytics::measurementIdKey)), QString());
    ga.setRegistrationFromSettings();
    ga.enable(true);
    QVERIFY(!ga.isEnabled());
    ga.sendEvent(QStringLiteral("start"), QStringLiteral("/"), QStringLiteral("Main"));
    QCOMPARE(ga.worker()->queueSize(), 0);

    // Registered through the settings, it follows the user's choice; losing the id stops it.
    Settings::setString(QLatin1String(GAnalytics::measurementIdKey), QStringLiteral("G-TEST123456"));
    Settings::setString(QLatin1String(GAnalytics::apiSecretKey), QStringLiteral("secret22"));
    ga.setRegistrationFromSettings();
    QVERIFY(ga.isEnabled());
    ga.setMeasurementId(QString());
    QVERIFY(!ga.isEnabled());
    Settings::setString(QLatin1String(GAnalytics::measurementIdKey), QString());
    Settings::setString(QLatin1String(GAnalytics::apiSecretKey), QString());
}

void TestGAnalytics::switchOffDrains()
{
    m_ga->sendEvent(QStringLiteral("one"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->sendEvent(QStringLiteral("two"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->enable(false);
    m_ga->sendEvent(QStringLiteral("late"), QStringLiteral("/"), QStringLiteral("Main"));
    QTRY_COMPARE(m_server->fullRequests().size(), 2);
    QTRY_COMPARE(m_ga->worker()->queueSize(), 0);
    QTest::qWait(100);
    QCOMPARE(m_server->fullRequests().size(), 2);
}

void TestGAnalytics::flushDuringPostSendsOnce()
{
    m_server->setReply(collectPath, answer(204, 300));
    m_ga->sendEvent(QStringLiteral("one"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->flush();
    QVERIFY(m_ga->worker()->isSending());
    m_ga->flush();
    m_ga->enable(false);
    m_ga->flush();
    QTRY_VERIFY(!m_ga->worker()->isSending());
    QTest::qWait(100);
    QCOMPARE(m_server->fullRequests().size(), 1);
    QCOMPARE(m_ga->worker()->queueSize(), 0);
}

void TestGAnalytics::finishedRepliesAreDeleted()
{
    m_server->setReply(collectPath, answer(500));
    m_ga->setSendInterval(20);
    m_ga->sendEvent(QStringLiteral("start"), QStringLiteral("/"), QStringLiteral("Main"));
    m_ga->flush();
    QTRY_VERIFY(m_server->fullRequests().size() >= 5);
    m_ga->enable(false);
    QTRY_VERIFY(!m_ga->worker()->isSending());
    QNetworkAccessManager *manager = m_ga->networkAccessManager();
    QVERIFY(manager);
    QTRY_COMPARE(manager->findChildren<QNetworkReply *>().size(), 0);
    // Still queued: nothing was sent successfully.
    QCOMPARE(m_ga->worker()->queueSize(), 1);
}

QTEST_MAIN(TestGAnalytics)
#include "tst_ganalytics.moc"
