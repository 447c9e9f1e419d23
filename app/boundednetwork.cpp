#include "boundednetwork.h"

#include "replyguard.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {

constexpr qint64 kReadBuffer = 64 * 1024;

// Names the protected start of a request for a manager of another class.
struct RequestStart : QNetworkAccessManager
{
    using QNetworkAccessManager::createRequest;
};

class BoundedNetworkAccess : public QNetworkAccessManager
{
public:
    BoundedNetworkAccess(BoundedNetworkFactory *factory, qint64 maxBytes, int deadlineMs, QObject *parent)
        : QNetworkAccessManager(parent)
        , m_factory(factory)
        , m_maxBytes(maxBytes)
        , m_deadlineMs(deadlineMs)
    {
    }

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request, QIODevice *outgoing) override
    {
        const QNetworkRequest asked = ReplyGuard::uncompressed(request);
        // Through the manager the guard gives in this one's place.
        QNetworkReply *reply = (ReplyGuard::network(this)->*&RequestStart::createRequest)(operation, asked, outgoing);
        // The request of a page reads the answer as it arrives.
        ReplyGuard::attach(reply, m_maxBytes, m_deadlineMs, kReadBuffer);
        ReplyGuard::refuseCompressed(reply);
        // Heard before the page's request hears of the end, which comes with the error if any.
        const auto record = [factory = m_factory, reply, url = request.url()] {
            factory->setBrokenOff(url, ReplyGuard::reason(reply));
        };
        connect(reply, &QNetworkReply::errorOccurred, this, record);
        connect(reply, &QNetworkReply::finished, this, record);
        return reply;
    }

private:
    BoundedNetworkFactory *const m_factory;
    const qint64 m_maxBytes;
    const int m_deadlineMs;
};

} // namespace

QNetworkAccessManager *BoundedNetworkFactory::create(QObject *parent)
{
    return new BoundedNetworkAccess(this, m_maxBytes, m_deadlineMs, parent);
}

QString BoundedNetworkFactory::brokenOff(const QString &url) const
{
    const QMutexLocker locker(&m_mutex);
    return m_brokenOff.value(QUrl(url));
}

void BoundedNetworkFactory::setBrokenOff(const QUrl &url, const QString &reason)
{
    const QMutexLocker locker(&m_mutex);
    if (reason.isEmpty())
        m_brokenOff.remove(url);
    else
        m_brokenOff.insert(url, reason);
}

BoundedNetworkFactory *BoundedNetworkFactory::instance()
{
    static BoundedNetworkFactory factory;
    return &factory;
}
