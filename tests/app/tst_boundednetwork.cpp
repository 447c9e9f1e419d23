#include "boundednetwork.h"
#include "httptestserver.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <memory>

// The QML engine's requests (the update check's) against a server that answers too much.
class TestBoundedNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }
    void pageRequest_data();
    void pageRequest();
};

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
    server.setReply(QStringLiteral("/changelog"), reply);

    // The deadline is short only for the drip: a busy machine may take longer for a whole page.
    BoundedNetworkFactory factory(1024 * 1024, shape == QLatin1String("drip") ? 1500 : 60000);
    QQmlEngine engine;
    engine.setNetworkAccessManagerFactory(&factory);
    QQmlComponent component(&engine);
    component.setData(QByteArrayLiteral("import QtQml\n"
                                        "QtObject {\n"
                                        "    property string url\n"
                                        "    property int status: -1\n"
                                        "    property int length: -1\n"
                                        "    function fetch() {\n"
                                        "        const request = new XMLHttpRequest();\n"
                                        "        request.onreadystatechange = function () {\n"
                                        "            if (request.readyState === XMLHttpRequest.DONE) {\n"
                                        "                length = request.responseText.length;\n"
                                        "                status = request.status;\n"
                                        "            }\n"
                                        "        };\n"
                                        "        request.open(\"GET\", url);\n"
                                        "        request.send();\n"
                                        "    }\n"
                                        "}\n"),
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
}

QTEST_MAIN(TestBoundedNetwork)
#include "tst_boundednetwork.moc"
