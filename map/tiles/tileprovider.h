#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Where the tiles of one map type come from. Described to the program in a JSON object of our own:
//   { "url": "https://host/%z/%x/%y.png", "highDpiUrl": "https://host/%z/%x/%y@2x.png",
//     "format": "png", "minimumZoomLevel": 0, "maximumZoomLevel": 19, "copyright": "..." }
// "url" is required; the high-dpi address (tiles of 512 pixels) is optional.
struct TileProvider
{
    QString urlTemplate;
    QString highDpiUrlTemplate;
    QString format = QStringLiteral("png");
    int minimumZoom = 0;
    int maximumZoom = 19;
    QString copyright;

    bool isValid() const { return !urlTemplate.isEmpty(); }
    bool hasHighDpi() const { return !highDpiUrlTemplate.isEmpty(); }
    QUrl url(int z, int x, int y, bool highDpi) const;

    // An invalid provider with the reason in `error` when the text is no usable description.
    static TileProvider fromJson(const QByteArray &json, QString *error = nullptr);
    QByteArray toJson() const;
    // The description shipped with the program for a map type (public tile services, one per
    // theme), used without a repository or when it cannot be reached; a type without one shows
    // the OpenStreetMap standard tiles.
    static TileProvider builtIn(const QString &typeKey);
    // A provider for a template of the user's own (%z, %x and %y replaced per tile).
    static TileProvider custom(const QString &hostTemplate);
};
