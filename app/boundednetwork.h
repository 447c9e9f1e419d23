#pragma once

#include <QQmlNetworkAccessManagerFactory>

// The network of the QML engine (the update check's request, and whatever else a page fetches)
// with every answer bounded as the program's own requests are: a change-log page is some
// hundreds of kilobytes, so a longer or endless answer is broken off as it arrives.
class BoundedNetworkFactory : public QQmlNetworkAccessManagerFactory
{
public:
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    static constexpr int kDeadlineMs = 60000;

    explicit BoundedNetworkFactory(qint64 maxBytes = kMaxBytes, int deadlineMs = kDeadlineMs)
        : m_maxBytes(maxBytes)
        , m_deadlineMs(deadlineMs)
    {
    }

    QNetworkAccessManager *create(QObject *parent) override;

    // The one the program's engine uses: it must outlive the engine.
    static BoundedNetworkFactory *instance();

private:
    const qint64 m_maxBytes;
    const int m_deadlineMs;
};
