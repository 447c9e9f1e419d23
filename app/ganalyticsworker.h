#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class GAnalytics;
class QNetworkAccessManager;
class QNetworkReply;

// The queue, the send timer and the HTTP requests of the analytics client. One request is in
// flight at a time: the head of the queue is removed only when its own request succeeded.
class GAnalyticsWorker : public QObject
{
    Q_OBJECT
    friend class GAnalytics;

public:
    // Records older than this at their turn are dropped unsent.
    static constexpr qint64 maxRecordAgeMs = 14400000;

    explicit GAnalyticsWorker(GAnalytics *parent);

    void enqueue(const QJsonObject &body);
    void setEnabled(bool on);
    void log(int level, const QString &text);
    // For tests: the clock that stamps and ages the records.
    void setClock(const std::function<QDateTime()> &clock) { m_clock = clock; }
    int queueSize() const { return int(m_queue.size()); }
    bool isSending() const { return !m_inFlight.isNull(); }

public slots:
    void postMessage();
    void postMessageFinished();

private:
    struct Record
    {
        QJsonObject body;
        QDateTime queued;
    };

    GAnalytics *m_analytics;
    QNetworkAccessManager *m_manager = nullptr;
    QList<Record> m_queue;
    QTimer m_timer;
    QNetworkRequest m_request;
    QPointer<QNetworkReply> m_inFlight;
    std::function<QDateTime()> m_clock;
    QString m_host;
    int m_logLevel = 2;
    QString m_measurementId;
    QString m_apiSecret;
    QString m_clientId;
    QString m_sessionId;
    QString m_appName;
    QString m_appVersion;
    QString m_userAgent;
    QString m_language;
    QString m_osName;
    QString m_osVersion;
    QString m_screenResolution;
    bool m_debugMode = false;
    bool m_enabled = false;
    int m_sendInterval = 30000;
};
