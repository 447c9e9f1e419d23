#include "tiletestserver.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QCoreApplication>
#include <QImage>
#include <QQmlEngine>
#include <QStandardPaths>

namespace {

QString cacheFolder(const QString &folder)
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u'/' + folder;
}

void registerTileTestServer()
{
    qmlRegisterType<TileTestServer>("Waylore.Test", 1, 0, "TileTestServer");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerTileTestServer)

TileTestServer::TileTestServer(QObject *parent)
    : QObject(parent), m_server(std::make_unique<HttpTestServer>())
{
}

bool TileTestServer::listen()
{
    return m_server && m_server->listen();
}

void TileTestServer::close()
{
    // What it received stays readable after it is gone.
    m_requests = requests();
    m_fullRequests = m_server ? m_server->fullRequests() : m_fullRequests;
    m_server.reset();
}

QString TileTestServer::url(const QString &path) const
{
    return m_server ? m_server->url(path) : QString();
}

void TileTestServer::serveTiles(const QString &pathTemplate, int zoom, const QColor &colour)
{
    if (!m_server || zoom < 0 || zoom > 6)
        return;
    QImage image(256, 256, QImage::Format_ARGB32);
    image.fill(colour);
    HttpTestServer::Reply reply;
    reply.contentType = "image/png";
    QBuffer buffer(&reply.body);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const int count = 1 << zoom;
    for (int x = 0; x < count; ++x) {
        for (int y = 0; y < count; ++y) {
            QString path = pathTemplate;
            path.replace(QLatin1String("%z"), QString::number(zoom))
                .replace(QLatin1String("%x"), QString::number(x))
                .replace(QLatin1String("%y"), QString::number(y));
            m_server->setReply(path, reply);
        }
    }
}

QStringList TileTestServer::requests() const
{
    return m_server ? m_server->requests() : m_requests;
}

QString TileTestServer::header(int request, const QString &name) const
{
    const QList<HttpTestServer::Request> all = m_server ? m_server->fullRequests() : m_fullRequests;
    return request >= 0 && request < all.size() ? QString::fromLatin1(all.at(request).header(name.toLatin1())) : QString();
}

bool TileTestServer::clearCache(const QString &folder) const
{
    QDir dir(cacheFolder(folder));
    return !dir.exists() || dir.removeRecursively();
}

int TileTestServer::cachedFiles(const QString &folder) const
{
    int count = 0;
    QDirIterator it(cacheFolder(folder), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}
