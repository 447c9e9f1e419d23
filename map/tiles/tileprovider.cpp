#include "tileprovider.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {
constexpr int MaxZoom = 22;

bool usableTemplate(const QString &pattern)
{
    const QUrl url(QString(pattern).replace(QLatin1Char('%'), QLatin1Char('0')));
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
           && !url.host().isEmpty() && pattern.contains(QLatin1String("%z")) && pattern.contains(QLatin1String("%x"))
           && pattern.contains(QLatin1String("%y"));
}
} // namespace

QUrl TileProvider::url(int z, int x, int y, bool highDpi) const
{
    QString text = highDpi && hasHighDpi() ? highDpiUrlTemplate : urlTemplate;
    text.replace(QLatin1String("%z"), QString::number(z));
    text.replace(QLatin1String("%x"), QString::number(x));
    text.replace(QLatin1String("%y"), QString::number(y));
    return QUrl(text);
}

TileProvider TileProvider::fromJson(const QByteArray &json, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return TileProvider();
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                 : QStringLiteral("not an object"));
    const QJsonObject object = document.object();

    TileProvider provider;
    provider.urlTemplate = object.value(QLatin1String("url")).toString();
    if (!usableTemplate(provider.urlTemplate))
        return fail(QStringLiteral("no http(s) tile address with %z, %x and %y"));
    provider.highDpiUrlTemplate = object.value(QLatin1String("highDpiUrl")).toString();
    if (!provider.highDpiUrlTemplate.isEmpty() && !usableTemplate(provider.highDpiUrlTemplate))
        return fail(QStringLiteral("unusable high-dpi tile address"));
    const QString format = object.value(QLatin1String("format")).toString(QStringLiteral("png")).toLower();
    // The format names the cached files, so it must be a plain extension.
    static const QRegularExpression extension(QStringLiteral("^[a-z0-9]{1,8}$"));
    if (!extension.match(format).hasMatch())
        return fail(QStringLiteral("unusable image format"));
    provider.format = format;
    provider.minimumZoom = object.value(QLatin1String("minimumZoomLevel")).toInt(0);
    provider.maximumZoom = object.value(QLatin1String("maximumZoomLevel")).toInt(19);
    if (provider.minimumZoom < 0 || provider.maximumZoom > MaxZoom || provider.minimumZoom > provider.maximumZoom)
        return fail(QStringLiteral("zoom range out of 0..%1").arg(MaxZoom));
    provider.copyright = object.value(QLatin1String("copyright")).toString();
    return provider;
}

QByteArray TileProvider::toJson() const
{
    QJsonObject object{{QStringLiteral("url"), urlTemplate},
                       {QStringLiteral("format"), format},
                       {QStringLiteral("minimumZoomLevel"), minimumZoom},
                       {QStringLiteral("maximumZoomLevel"), maximumZoom},
                       {QStringLiteral("copyright"), copyright}};
    if (hasHighDpi())
        object.insert(QStringLiteral("highDpiUrl"), highDpiUrlTemplate);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

TileProvider TileProvider::builtIn(const QString &typeKey)
{
    QFile file(QStringLiteral(":/map/providers/%1.json").arg(typeKey));
    if (!typeKey.isEmpty() && file.open(QIODevice::ReadOnly)) {
        TileProvider provider = fromJson(file.readAll());
        if (provider.isValid())
            return provider;
    }
    TileProvider provider;
    provider.urlTemplate = QStringLiteral("https://tile.openstreetmap.org/%z/%x/%y.png");
    provider.format = QStringLiteral("png");
    provider.minimumZoom = 0;
    provider.maximumZoom = 19;
    provider.copyright = QStringLiteral("© OpenStreetMap contributors");
    return provider;
}

TileProvider TileProvider::custom(const QString &hostTemplate)
{
    TileProvider provider;
    provider.urlTemplate = hostTemplate;
    if (!hostTemplate.contains(QLatin1String("%z"))) {
        if (!provider.urlTemplate.endsWith(QLatin1Char('/')))
            provider.urlTemplate += QLatin1Char('/');
        provider.urlTemplate += QStringLiteral("%z/%x/%y.png");
    }
    static const QRegularExpression suffix(QStringLiteral("\\.([A-Za-z0-9]{1,8})(?:\\?|$)"));
    const QRegularExpressionMatch match = suffix.match(QUrl(provider.urlTemplate).path());
    provider.format = match.hasMatch() ? match.captured(1).toLower() : QStringLiteral("png");
    provider.maximumZoom = 19;
    return provider;
}
