#include "ganalytics.h"

#include "ganalyticsworker.h"
#include "settings.h"

#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QUuid>

GAnalytics::GAnalytics(QObject *parent)
    : QObject(parent)
    , m_worker(new GAnalyticsWorker(this))
{
    m_worker->m_sessionId = QUuid::createUuid().toString();
}

GAnalytics::~GAnalytics()
{
    delete m_worker;
}

GAnalytics *GAnalytics::instance()
{
    static GAnalytics *single = new GAnalytics();
    return single;
}

void GAnalytics::enable(bool on)
{
    m_wanted = on;
    m_worker->setEnabled(on && !m_worker->m_measurementId.isEmpty() && !m_worker->m_apiSecret.isEmpty());
}

bool GAnalytics::isEnabled() const
{
    return m_worker->m_enabled;
}

void GAnalytics::setLogLevel(LogLevel level)
{
    m_worker->m_logLevel = level;
}

GAnalytics::LogLevel GAnalytics::logLevel() const
{
    return LogLevel(m_worker->m_logLevel);
}

void GAnalytics::setSendInterval(int ms)
{
    m_worker->m_timer.setInterval(ms);
}

int GAnalytics::sendInterval() const
{
    return m_worker->m_timer.interval();
}

void GAnalytics::setDebugMode(bool on)
{
    m_worker->m_debugMode = on;
}

bool GAnalytics::debugMode() const
{
    return m_worker->m_debugMode;
}

// A change of registration re-applies the user's choice: an emptied id switches sending off.
void GAnalytics::setMeasurementId(const QString &id)
{
    m_worker->m_measurementId = id;
    if (m_wanted)
        enable(true);
}

void GAnalytics::setApiSecret(const QString &secret)
{
    m_worker->m_apiSecret = secret;
    if (m_wanted)
        enable(true);
}

void GAnalytics::setClientId(const QString &id)
{
    m_worker->m_clientId = id;
}

void GAnalytics::setRegistrationFromSettings()
{
    setMeasurementId(Settings::getString(QLatin1String(measurementIdKey)));
    setApiSecret(Settings::getString(QLatin1String(apiSecretKey)));
}

void GAnalytics::setNetworkAccessManager(QNetworkAccessManager *manager)
{
    if (manager == m_worker->m_manager)
        return;
    if (m_worker->m_manager && m_worker->m_manager->parent() == this)
        m_worker->m_manager->deleteLater();
    m_worker->m_manager = manager;
}

QNetworkAccessManager *GAnalytics::networkAccessManager() const
{
    return m_worker->m_manager;
}

void GAnalytics::setHost(const QString &host)
{
    m_worker->m_host = host;
}

void GAnalytics::sendEvent(const QString &name, const QString &location, const QString &title,
                           const QVariantMap &parameters)
{
    const GAnalyticsWorker *w = m_worker;
    QJsonObject params;
    params.insert(QStringLiteral("session_id"), w->m_sessionId);
    if (w->m_debugMode)
        params.insert(QStringLiteral("debug_mode"), 1);
    params.insert(QStringLiteral("language"), w->m_language);
    params.insert(QStringLiteral("screen_resolution"), w->m_screenResolution);
    params.insert(QStringLiteral("page_referrer"), QStringLiteral("/"));
    params.insert(QStringLiteral("page_location"), location);
    params.insert(QStringLiteral("page_title"), title);
    params.insert(QStringLiteral("app_version"), w->m_appVersion);
    params.insert(QStringLiteral("app_name"), w->m_appName);
    params.insert(QStringLiteral("os_name"), w->m_osName);
    params.insert(QStringLiteral("os_version"), w->m_osVersion);
    params.insert(QStringLiteral("engagement_time_msec"), 100);
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        if (it.key().isEmpty())
            continue;
        // The service reads debug_mode as a number; a text would switch debugging on for any value.
        if (it.key() == QLatin1String("debug_mode"))
            params.insert(it.key(), it.value().toInt());
        else
            params.insert(it.key(), it.value().toString());
    }
    if (params.size() > 25) {
        m_worker->log(
            Error, QStringLiteral("to much parameters for event %1, maximum 25, got %2").arg(name).arg(params.size()));
    }
    QJsonObject event;
    event.insert(QStringLiteral("name"), name);
    event.insert(QStringLiteral("params"), params);
    QJsonObject body;
    body.insert(QStringLiteral("client_id"), w->m_clientId);
    body.insert(QStringLiteral("events"), QJsonArray{event});
    m_worker->enqueue(body);
}

void GAnalytics::flush()
{
    m_worker->postMessage();
}
