#include "localfile.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString LocalFile::toPath(const QVariant &url)
{
    const QUrl asUrl = url.typeId() == QMetaType::QUrl ? url.toUrl() : QUrl(url.toString());
    if (asUrl.isLocalFile())
        return asUrl.toLocalFile();
    return url.toString();
}

QString LocalFile::toUrl(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString LocalFile::usableFolder(const QString &path)
{
    if (!path.isEmpty() && QDir().mkpath(path) && QFileInfo(path).isDir())
        return QDir::cleanPath(path);
    return QDir::homePath();
}
