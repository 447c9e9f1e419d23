#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class GAnalyticsWorker;
class QNetworkAccessManager;

// Usage events for the GA4 Measurement Protocol, one request per event, queued in memory and
// sent oldest first by the worker. Without a measurement id and an API secret (settings
// "analytics/measurementId" and "analytics/apiSecret", empty unless configured) the client stays
// disabled, whatever the user's sharing choice, and nothing leaves the machine.
class GAnalytics : public QObject
{
    Q_OBJECT

public:
    enum LogLevel { Debug = 0, Info = 1, Error = 2 };
    Q_ENUM(LogLevel)

    static constexpr const char *defaultHost = "https://www.google-analytics.com";
    static constexpr const char *measurementIdKey = "analytics/measurementId";
    static constexpr const char *apiSecretKey = "analytics/apiSecret";

    explicit GAnalytics(QObject *parent = nullptr);
    ~GAnalytics() override;

    // The process-wide instance, made without a parent on first use and kept to process exit.
    static GAnalytics *instance();

    Q_INVOKABLE void enable(bool on = true);
    Q_INVOKABLE bool isEnabled() const;

    void setLogLevel(LogLevel level);
    LogLevel logLevel() const;
    void setSendInterval(int ms);
    int sendInterval() const;
    void setDebugMode(bool on);
    bool debugMode() const;
    void setMeasurementId(const QString &id);
    void setApiSecret(const QString &secret);
    void setClientId(const QString &id);
    // Reads the measurement id and the API secret from the settings.
    void setRegistrationFromSettings();
    void setNetworkAccessManager(QNetworkAccessManager *manager);
    QNetworkAccessManager *networkAccessManager() const;
    // Scheme and host of the collection endpoint; defaultHost unless a test points it elsewhere.
    void setHost(const QString &host);

    GAnalyticsWorker *worker() const { return m_worker; }

public slots:
    void sendEvent(const QString &name, const QString &location, const QString &title,
                   const QVariantMap &parameters = QVariantMap());
    void flush();

private:
    GAnalyticsWorker *m_worker;
    // The user's choice; sending also needs the registration.
    bool m_wanted = false;
};
