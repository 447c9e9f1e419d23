#include "tiletestserver.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
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
    : QObject(parent)
{
}

bool TileTestServer::listen()
{
    return m_server.listen();
}

QString TileTestServer::url(const QString &path) const
{
    return m_server.url(path);
}

void TileTestServer::serveTiles(const QString &pathTemplate, int zoom, const QColor &colour)
{
    if (zoom < 0 || zoom > 6)
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
            m_server.setReply(path, reply);
        }
    }
}

QStringList TileTestServer::requests() const
{
    return m_server.requests();
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
