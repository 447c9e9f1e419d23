#include "localfile.h"
#include "wholesavefile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
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

QString LocalFile::withExtension(const QString &path, const QString &nameFilter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // The patterns stand in the last parentheses; a filter may also be the patterns alone.
    QString patterns = nameFilter;
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
    if (open >= 0 && close > open)
        patterns = nameFilter.mid(open + 1, close - open - 1);
    // "*.fms" names an ending, "*" and "*.*" do not.
    static const QRegularExpression ending(QStringLiteral("^\\*\\.([^*?[]+)$"));
    for (const QString &pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (const QRegularExpressionMatch match = ending.match(pattern); match.hasMatch())
            return path + QLatin1Char('.') + match.captured(1);
    }
    return path;
}

bool LocalFile::exists(const QString &path)
{
    return QFileInfo::exists(path);
}

QString LocalFile::saveImage(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    if (!writer.write(image))
        return writer.errorString();
    QString error;
    return WholeSaveFile::replace(path, bytes, &error) ? QString() : error;
}
