#include "boundednetwork.h"
#include "filesizelimit.h"
#include "httptestserver.h"
#include "replyguard.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>
#include <QThread>

#include <future>
#include <memory>

// The QML engine's requests (the update check's) against a server that answers too much.
class TestBoundedNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // Qt's "Internal problem, this method must only be called once": an aborted reply that failed.
    void cleanup() { QCOMPARE(s_secondErrors, 0); }
    // First: said once in a run.
    void fallbackToldOnce();
    void pageRequest_data();
    void pageRequest();
    void endedAnswer_data();
    void endedAnswer();
    void unreadAnswerHeld();
    void oneManagerBusy();
    void compressedAnswer_data();
    void compressedAnswer();
    void heldManagerReplacedOnce();
    void deadlineAfterAFailure();

private:
    static inline int s_secondErrors = 0;
    static inline QtMessageHandler s_previous = nullptr;
};

void TestBoundedNetwork::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    s_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        s_secondErrors += text.contains(QLatin1String("must only be called once"));
        s_previous(type, context, text);
    });
}

namespace {

const QByteArray kReport("KJFK 061251Z 18010KT 10SM FEW250");

// An answer read to its end before the guard hears of its size, as a fast server's may be.
class EndedReply : public QNetworkReply
{
public:
    EndedReply(const QByteArray &bytes, qint64 announced)
        : m_bytes(bytes)
    {
        setUrl(QUrl(QStringLiteral("http://127.0.0.1/answer")));
        setHeader(QNetworkRequest::ContentLengthHeader, announced);
        open(QIODevice::ReadOnly);
        setFinished(true);
    }
    void abort() override { ++aborts; }
    qint64 bytesAvailable() const override { return m_bytes.size() + QNetworkReply::bytesAvailable(); }
    int aborts = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        const qint64 taken = std::min<qint64>(size, m_bytes.size());
        std::copy_n(m_bytes.constData(), taken, data);
        m_bytes.remove(0, taken);
        return taken;
    }

private:
    QByteArray m_bytes;
};

} // namespace

// A reply of a network layer that starts its requests otherwise keeps the bound set after the start.
void TestBoundedNetwork::fallbackToldOnce()
{
    QTest::ignoreMessage(
        QtWarningMsg, "Network answers: the read bound of QNetworkReply is set after its request starts, not with it");
    QTest::failOnWarning(QRegularExpression(QStringLiteral("read bound")));
    EndedReply first(kReport, kReport.size()), second(kReport, kReport.size());
    ReplyGuard::attach(&first, 1024), ReplyGuard::attach(&second, 1024);
}

void TestBoundedNetwork::pageRequest_data()
{
    // clang-format off
    QTest::addColumn<qint64>("filler");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("length");
    const qint64 past = 64 * 1024 * 1024;
    // The page arrives whole; anything past 1 MiB or 1.5 s gives no answer (status 0).
    QTest::newRow("a page") << qint64(1000) << "" << 200 << 1000;
    QTest::newRow("too long, announced") << past << "" << 0 << 0;
    QTest::newRow("too long, no length") << past << "no length" << 0 << 0;
    QTest::newRow("too long, chunked") << past << "chunked" << 0 << 0;
    QTest::newRow("drip") << qint64(512 * 1024) << "drip" << 0 << 0;
    // The next page is asked on the same manager, and answered.
    QTest::newRow("headers without end") << qint64(1000) << "endless headers" << 0 << 0;
    // The page takes its answer from the reply itself: refused, as the factory tells.
    QTest::newRow("compressed") << qint64(0) << "gzip" << 0 << 0;
    // clang-format on
}

void TestBoundedNetwork::pageRequest()
{
    QFETCH(qint64, filler);
    QFETCH(QString, shape);
    QFETCH(int, status);
    QFETCH(int, length);

    HttpTestServer server;
    QVERIFY(server.listen());
    HttpTestServer::Reply reply;
    reply.contentType = "text/html";
    reply.filler = filler;
    reply.chunked = shape == QLatin1String("chunked");
    if (shape == QLatin1String("no length"))
        reply.contentLength = -2;
    if (shape == QLatin1String("drip"))
        reply.trickleMs = 20;
    reply.endlessHeaders = shape == QLatin1String("endless headers");
    if (shape == QLatin1String("gzip"))
        reply.encoding = "gzip", reply.body = HttpTestServer::gzip(QByteArray(1000, 'p'));
    server.setReply(QStringLiteral("/changelog"), reply);

    // Short only for the drip: a busy machine may take long for a whole page.
    BoundedNetworkFactory factory(1024 * 1024, shape == QLatin1String("drip") || reply.endlessHeaders ? 1500 : 60000);
    QQmlEngine engine;
    engine.setNetworkAccessManagerFactory(&factory);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml\nQtObject { property string url; property int status: -1; property int length: -1\n"
        "  function fetch() { const r = new XMLHttpRequest(); r.onreadystatechange = function () {\n"
        "    if (r.readyState === XMLHttpRequest.DONE) { length = r.responseText.length; status = r.status } };\n"
        "    r.open(\"GET\", url); r.send() } }\n",
        QUrl());
    std::unique_ptr<QObject> page(component.create());
    QVERIFY2(page, qPrintable(component.errorString()));
    page->setProperty("url", server.url(QStringLiteral("/changelog")));
    QElapsedTimer clock;
    clock.start();
    QMetaObject::invokeMethod(page.get(), "fetch");
    QTRY_VERIFY_WITH_TIMEOUT(page->property("status").toInt() != -1, 20000);
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(page->property("status").toInt(), status);
    QCOMPARE(page->property("length").toInt(), length);
    // The page's request hears no reason; the factory tells it.
    QCOMPARE(factory.brokenOff(server.url(QStringLiteral("/changelog"))).isEmpty(), status != 0);
    if (reply.endlessHeaders) {
        reply.endlessHeaders = false;
        server.setReply(QStringLiteral("/changelog"), reply);
        page->setProperty("status", -1);
        QMetaObject::invokeMethod(page.get(), "fetch");
        QTRY_COMPARE_WITH_TIMEOUT(page->property("status").toInt(), 200, 20000);
        QCOMPARE(page->property("length").toInt(), 1000);
    }
}

void TestBoundedNetwork::endedAnswer_data()
{
    // clang-format off
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("heads");
    QTest::addColumn<int>("stop");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("within its bound") << qint64(5) << qint64(5) << 1 << int(ReplyGuard::Stop::None) << QByteArray("METAR");
    // Read whole before the count arrived: still refused, and its body is not handed over.
    QTest::newRow("past its bound") << qint64(64 * 1024 * 1024) << qint64(0) << 1 << int(ReplyGuard::Stop::TooLong) << QByteArray();
    // Ended without an error all the same, as the network layer may end them.
    QTest::newRow("shorter than announced") << qint64(5) << qint64(44) << 1 << int(ReplyGuard::Stop::CutShort) << QByteArray();
    // The network layer reads no further than the length announced; a reply of another kind may.
    QTest::newRow("longer than announced") << qint64(5) << qint64(4) << 1 << int(ReplyGuard::Stop::CutShort) << QByteArray();
    QTest::newRow("sent again by the network layer") << qint64(5) << qint64(5) << 2 << int(ReplyGuard::Stop::CutShort) << QByteArray();
    // clang-format on
}

void TestBoundedNetwork::endedAnswer()
{
    QFETCH(qint64, received);
    QFETCH(qint64, announced);
    QFETCH(int, heads);
    QFETCH(int, stop);
    QFETCH(QByteArray, body);
    EndedReply reply("METAR", announced);
    ReplyGuard::attach(&reply, 1000, 1);
    for (int i = 0; i < heads; ++i)
        emit reply.metaDataChanged();
    emit reply.downloadProgress(received, announced);
    // The deadline passing after the end breaks nothing off.
    QTest::qWait(20);
    QCOMPARE(int(ReplyGuard::stopped(&reply)), stop);
    QCOMPARE(reply.aborts, 0);
    QCOMPARE(ReplyGuard::body(&reply), body);
}

// A reader busy elsewhere leaves the answer in the network layer, which holds no more of it than
// the read buffer, whatever the server has left to send.
void TestBoundedNetwork::unreadAnswerHeld()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    HttpTestServer::Reply endless;
    endless.chunked = true;
    endless.filler = qint64(256) * 1024 * 1024;
    server.setReply(QStringLiteral("/metar"), endless);
    QNetworkAccessManager network;
    const std::unique_ptr<QNetworkReply> reply(
        ReplyGuard::get(&network, QNetworkRequest(QUrl(server.url(QStringLiteral("/metar"))))));
    ReplyGuard::attach(reply.get(), endless.filler, 0, 64 * 1024);
    QVERIFY(QTest::qWaitFor([&] { return reply->bytesAvailable() > 0; }, 20000));
    // Unbounded, the layer gathers megabytes in a few milliseconds; bounded, nothing comes.
    QVERIFY2(!QTest::qWaitFor([&] { return reply->bytesAvailable() > 4 * 1024 * 1024; }, 2000),
             qPrintable(QString::number(reply->bytesAvailable())));
}

// One manager serves request after request, as each service's does for a whole session, while the
// main thread is held just after each start and a server on a thread of its own sends without end:
// the network layer reads no more than its bound meanwhile, a redirect it follows included.
void TestBoundedNetwork::oneManagerBusy()
{
    std::promise<QString> root;
    const std::unique_ptr<QThread> serving(QThread::create([&root] {
        HttpTestServer server;
        server.listen();
        HttpTestServer::Reply endless, moved;
        endless.filler = qint64(4) * 1024 * 1024 * 1024, endless.chunked = true;
        moved.status = 302, moved.location = server.url(QStringLiteral("/metar")).toLatin1();
        server.setReply(QStringLiteral("/metar"), endless), server.setReply(QStringLiteral("/moved"), moved);
        root.set_value(server.url(QString()));
        QEventLoop().exec();
    }));
    serving->start();
    const QString url = root.get_future().get();
    // Unbounded, the answer read while the main thread is held overruns this.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    const AddressSpaceLimit limit(TestSupport::mappedBytes() + 256 * 1024 * 1024);
#endif
    QNetworkAccessManager network;
    for (const QString path : {"/metar", "/moved", "/metar", "/moved", "/metar", "/metar"}) {
        const std::unique_ptr<QNetworkReply> reply(ReplyGuard::get(&network, QNetworkRequest(QUrl(url + path))));
        QMetaObject::invokeMethod(
            &network, [] { QTest::qSleep(200); }, Qt::QueuedConnection);
        ReplyGuard::attach(reply.get(), 2048);
        QVERIFY(QTest::qWaitFor([&] { return reply->isFinished(); }, 20000));
        QCOMPARE(int(ReplyGuard::stopped(reply.get())), int(ReplyGuard::Stop::TooLong));
    }
    serving->exit();
    serving->wait();
}

void TestBoundedNetwork::compressedAnswer_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("coding");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("streamed");
    QTest::addColumn<ReplyGuard::Stop>("stop");
    const QByteArray bomb = qCompress(QByteArray(64 * 1024 * 1024, ' '), 9).mid(4);
    using enum ReplyGuard::Stop;
    // The METAR, the tracks and the tiles take the body whole at its end; the download as it arrives.
    QTest::newRow("deflate sent bare") << QByteArray("deflate") << qCompress(kReport).mid(6).chopped(4) << false << None;
    QTest::newRow("gzip, as it arrives") << QByteArray("gzip") << HttpTestServer::gzip(kReport) << true << None;
    QTest::newRow("gzip cut short") << QByteArray("gzip") << HttpTestServer::gzip(kReport).chopped(12) << false << CutShort;
    QTest::newRow("unpacking past the bound") << QByteArray("deflate") << bomb << false << TooLong;
    QTest::newRow("unpacking past the bound, as it arrives") << QByteArray("deflate") << bomb << true << TooLong;
    QTest::newRow("a coding of another kind") << QByteArray("br") << kReport << false << Compressed;
    QTest::newRow("gzip, its checksum wrong") << QByteArray("gzip") << HttpTestServer::gzip(kReport).chopped(8) + "checksum" << false << Damaged;
    // clang-format on
}

// A server that compresses the answer although asked not to.
void TestBoundedNetwork::compressedAnswer()
{
    QFETCH(QByteArray, coding);
    QFETCH(QByteArray, sent);
    QFETCH(bool, streamed);
    QFETCH(ReplyGuard::Stop, stop);
    HttpTestServer server;
    QVERIFY(server.listen());
    HttpTestServer::Reply reply;
    reply.body = sent, reply.encoding = coding;
    server.setReply(QStringLiteral("/answer"), reply);
    QNetworkAccessManager network;
    const std::unique_ptr<QNetworkReply> answer(
        ReplyGuard::get(&network, QNetworkRequest(QUrl(server.url("/answer")))));
    const qint64 bound = 1024 * 1024;
    ReplyGuard::attach(answer.get(), bound, 0, streamed ? 64 * 1024 : ReplyGuard::kReadWhole);
    QByteArray taken;
    connect(answer.get(), &QNetworkReply::readyRead, this, [&] {
        for (QByteArray piece; streamed && !(piece = ReplyGuard::read(answer.get(), 64 * 1024)).isEmpty();)
            taken += piece;
    });
    QVERIFY(QTest::qWaitFor([&] { return answer->isFinished(); }, 20000));
    taken += streamed ? QByteArray() : ReplyGuard::body(answer.get());
    QCOMPARE(ReplyGuard::stopped(answer.get()), stop);
    if (stop == ReplyGuard::Stop::None)
        QCOMPARE(taken, kReport);
    QVERIFY(taken.size() < 2 * bound);
}

QTEST_MAIN(TestBoundedNetwork)
// Two requests held by headers without end: the first to end hands the service to a fresh
// manager, the same for every later request, and the second's end is news of the old one
// alone. The old one goes once its thread is free again.
void TestBoundedNetwork::heldManagerReplacedOnce()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    HttpTestServer::Reply endless, report;
    endless.endlessHeaders = true, report.body = kReport;
    server.setReply(QStringLiteral("/endless"), endless), server.setReply(QStringLiteral("/metar"), report);
    QNetworkAccessManager service;
    const QPointer<QNetworkAccessManager> held = ReplyGuard::network(&service);
    QNetworkReply *first = ReplyGuard::get(&service, QNetworkRequest(QUrl(server.url(QStringLiteral("/endless")))));
    QNetworkReply *second = ReplyGuard::get(&service, QNetworkRequest(QUrl(server.url(QStringLiteral("/endless")))));
    ReplyGuard::attach(first, 1000, 400), ReplyGuard::attach(second, 1000, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(first->isFinished(), 20000);
    QNetworkAccessManager *fresh = ReplyGuard::network(&service);
    QVERIFY(fresh != held);
    QCOMPARE(ReplyGuard::network(&service), fresh);
    QTRY_VERIFY_WITH_TIMEOUT(second->isFinished(), 20000);
    QCOMPARE(ReplyGuard::network(&service), fresh);
    delete first, delete second;
    const std::unique_ptr<QNetworkReply> answered(
        ReplyGuard::get(&service, QNetworkRequest(QUrl(server.url(QStringLiteral("/metar"))))));
    QTRY_VERIFY_WITH_TIMEOUT(answered->isFinished(), 20000);
    QCOMPARE(answered->readAll(), kReport);
    server.hangUp();
    QTRY_VERIFY_WITH_TIMEOUT(!held, 40000);
}

// A reply that failed (nothing listens) has its end still queued when its deadline passes: it
// keeps its own error, and is not aborted a second time.
void TestBoundedNetwork::deadlineAfterAFailure()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/metar").arg(closed.serverPort()));
    closed.close();
    QNetworkAccessManager service;
    const std::unique_ptr<QNetworkReply> reply(ReplyGuard::get(&service, QNetworkRequest(url)));
    ReplyGuard::attach(reply.get(), 1000, 60000);
    bool deadline = false;
    connect(reply.get(), &QNetworkReply::errorOccurred, this, [&] {
        deadline = reply->isRunning();
        ReplyGuard::Detail::stop(reply.get(), ReplyGuard::Stop::TooSlow);
    });
    QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 20000);
    QVERIFY(deadline);
    QCOMPARE(reply->error(), QNetworkReply::ConnectionRefusedError);
    QCOMPARE(int(ReplyGuard::stopped(reply.get())), int(ReplyGuard::Stop::None));
}

#include "tst_boundednetwork.moc"
