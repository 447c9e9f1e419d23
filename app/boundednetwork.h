#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QQmlNetworkAccessManagerFactory>
#include <QString>
#include <QUrl>

// The network of the QML engine (the update check's request, and whatever else a page fetches)
// with every answer bounded as the program's own requests are: a change-log page is some
// hundreds of kilobytes, so a longer or endless answer is broken off as it arrives. A page's
// request sees a broken-off answer only as no answer at all; published as "network", the factory
// tells it why.
class BoundedNetworkFactory
    : public QObject
    , public QQmlNetworkAccessManagerFactory
{
    Q_OBJECT

public:
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    static constexpr int kDeadlineMs = 60000;

    explicit BoundedNetworkFactory(qint64 maxBytes = kMaxBytes, int deadlineMs = kDeadlineMs)
        : m_maxBytes(maxBytes)
        , m_deadlineMs(deadlineMs)
    {
    }

    QNetworkAccessManager *create(QObject *parent) override;

    // Why the latest answer from `url` was broken off ("the answer is too long"); empty when it
    // was not, or when nothing was asked there yet.
    Q_INVOKABLE QString brokenOff(const QString &url) const;
    void setBrokenOff(const QUrl &url, const QString &reason);

    // The one the program's engine uses: it must outlive the engine.
    static BoundedNetworkFactory *instance();

private:
    const qint64 m_maxBytes;
    const int m_deadlineMs;
    // The engine may make its managers on several threads.
    mutable QMutex m_mutex;
    QHash<QUrl, QString> m_brokenOff;
};
