#include "boundednetwork.h"

#include "replyguard.h"

#include <QNetworkAccessManager>

namespace {

constexpr qint64 kReadBuffer = 64 * 1024;

class BoundedNetworkAccess : public QNetworkAccessManager
{
public:
    BoundedNetworkAccess(qint64 maxBytes, int deadlineMs, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_maxBytes(maxBytes)
        , m_deadlineMs(deadlineMs)
    {
    }

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoing) override
    {
        QNetworkReply *reply = QNetworkAccessManager::createRequest(operation, request, outgoing);
        // The request of a page reads the answer as it arrives.
        ReplyGuard::attach(reply, m_maxBytes, m_deadlineMs, kReadBuffer);
        return reply;
    }

private:
    const qint64 m_maxBytes;
    const int m_deadlineMs;
};

} // namespace

QNetworkAccessManager *BoundedNetworkFactory::create(QObject *parent)
{
    return new BoundedNetworkAccess(m_maxBytes, m_deadlineMs, parent);
}

BoundedNetworkFactory *BoundedNetworkFactory::instance()
{
    static BoundedNetworkFactory factory;
    return &factory;
}
