#include "ganalyticsworker.h"

#include "ganalytics.h"
#include "replyguard.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QScreen>
#include <QSysInfo>
#include <QUrl>

namespace {

// The collector answers with an empty body or a short status.
constexpr qint64 MaxAnswerBytes = 64 * 1024;
constexpr int AnswerDeadlineMs = 60000;

} // namespace

GAnalyticsWorker::GAnalyticsWorker(GAnalytics *parent)
    : QObject(parent)
    , m_analytics(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
    , m_host(QLatin1String(GAnalytics::defaultHost))
    , m_appName(QCoreApplication::applicationName())
    , m_appVersion(QCoreApplication::applicationVersion())
    , m_language(QLocale::system().name().toLower().replace(QLatin1Char('_'), QLatin1Char('-')))
    , m_osName(QSysInfo::productType())
    , m_osVersion(QSysInfo::productVersion())
{
    m_userAgent = QStringLiteral("%1/%2").arg(m_appName, m_appVersion);
    m_request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json; charset=utf-8"));
    m_request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);

    const QScreen *screen
        = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
    const QSize size = screen ? screen->size() : QSize(-1, -1);
    m_screenResolution = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());

    m_timer.setInterval(m_sendInterval);
    connect(&m_timer, &QTimer::timeout, this, &GAnalyticsWorker::postMessage);
}

void GAnalyticsWorker::enqueue(const QJsonObject &body)
{
    if (!m_enabled)
        return;
    m_queue.append({body, m_clock()});
}

void GAnalyticsWorker::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on) {
        m_timer.start();
    } else {
        m_timer.stop();
        postMessage();
    }
}

void GAnalyticsWorker::log(int level, const QString &text)
{
    if (level < m_logLevel)
        return;
    qDebug() << "[Analytics]" << text;
}

void GAnalyticsWorker::postMessage()
{
    // The reply of the request in flight continues the chain; a second request now would send
    // the head of the queue twice.
    if (m_inFlight)
        return;
    while (!m_queue.isEmpty() && m_queue.first().queued.msecsTo(m_clock()) > maxRecordAgeMs)
        m_queue.removeFirst();
    if (m_queue.isEmpty()) {
        if (m_enabled)
            m_timer.start();
        return;
    }
    m_timer.stop();
    const QByteArray connection = m_queue.size() > 1 ? "keep-alive" : "close";
    const QByteArray body = QJsonDocument(m_queue.first().body).toJson(QJsonDocument::Compact);
    m_request.setRawHeader("Connection", connection);
    m_request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    if (m_measurementId.isEmpty())
        log(GAnalytics::Error, QStringLiteral("google analytics measurement id was not set!"));
    if (m_apiSecret.isEmpty())
        log(GAnalytics::Error, QStringLiteral("google analytics api seceret was not set!"));
    m_request.setUrl(
        QUrl(m_host + QStringLiteral("/mp/collect?measurement_id=%1&api_secret=%2").arg(m_measurementId, m_apiSecret),
             QUrl::TolerantMode));
    log(GAnalytics::Debug, QStringLiteral("GA Query string = ") + QString::fromUtf8(body));
    if (!m_manager) {
        m_manager = new QNetworkAccessManager(this);
        m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    }
    m_inFlight = ReplyGuard::network(m_manager)->post(ReplyGuard::uncompressed(m_request), body);
    // Only the status is read: a long or endless answer would hold the queue and the memory.
    ReplyGuard::attach(m_inFlight, MaxAnswerBytes, AnswerDeadlineMs);
    connect(m_inFlight, SIGNAL(finished()), this, SLOT(postMessageFinished()));
}

void GAnalyticsWorker::postMessageFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    // Deleted in every case: a host that fails for hours must not pile up replies.
    reply->deleteLater();
    if (reply != m_inFlight)
        return;
    m_inFlight = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        log(GAnalytics::Error, QStringLiteral("Error posting message: %1").arg(reply->errorString()));
        if (m_enabled)
            m_timer.start();
        return;
    }
    log(GAnalytics::Debug, QStringLiteral("Message sent"));
    if (!m_queue.isEmpty())
        m_queue.removeFirst();
    postMessage();
}
