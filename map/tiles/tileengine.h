#pragma once

#include "tilediskcache.h"
#include "tilekey.h"
#include "tileprovider.h"

#include <QHash>
#include <QImage>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSet>

class MapPlugin;
class QNetworkReply;

// What the "osm" plugin's parameters ask of the tile engine.
struct TileEngineSettings
{
    QString repository;
    QString customHost;
    QString userAgent;
    QString cacheDirectory;
    bool highDpi = false;
    TileDiskCache::Cost diskCost = TileDiskCache::Cost::ByteSize;
    qint64 diskSize = 50 * 1024 * 1024;
    TileDiskCache::Cost memoryCost = TileDiskCache::Cost::ByteSize;
    qint64 memorySize = 3 * 1024 * 1024;
    int parallelRequests = 6;

    static TileEngineSettings fromPlugin(const MapPlugin &plugin);
    bool operator==(const TileEngineSettings &) const = default;
};

// Fetches, caches and decodes the tiles of one map: the map says which tiles it wants, nearest
// first; the engine serves them from memory, the disk cache or the network (a bounded number of
// requests at a time, dropped when their tile is no longer wanted) and announces each arrival.
class TileEngine : public QObject
{
    Q_OBJECT

public:
    explicit TileEngine(QObject *parent = nullptr);
    ~TileEngine() override;

    void configure(const TileEngineSettings &settings);
    const TileEngineSettings &settings() const { return m_settings; }
    // "street", "satellite", ..., or "custom" for the custom host.
    void setMapType(const QString &typeKey);
    const TileProvider &provider() const { return m_provider; }
    // True while the provider is the built-in fallback rather than a repository description.
    bool usesBuiltInProvider() const { return m_builtIn; }
    // While a description is first fetched no tile is asked for: it may name another server.
    // A stale cached one keeps serving while it is fetched again.
    bool fetchingDescription() const { return m_descriptionReply != nullptr; }
    // Raised whenever the provider (and so every tile) changes.
    quint64 generation() const { return m_generation; }
    bool highDpiTiles() const { return m_settings.highDpi && m_provider.hasHighDpi(); }

    void request(const QList<TileKey> &wanted);
    // The decoded tile, or a null image; looking a tile up keeps it in the memory cache.
    QImage image(TileKey key) const;
    bool contains(TileKey key) const { return m_memory.contains(key.packed()); }
    int pendingRequests() const { return int(m_active.size() + m_queue.size()); }
    // Memory cache capacity in textures, for the paint pass's texture cache.
    int memoryTiles() const;
    // Bytes of the decoded tiles held in memory.
    qint64 memoryBytes() const { return m_memoryCost; }

signals:
    void tileReady();
    void providerChanged();
    // The disk cache refused a file ("No space left on device"): told once a configuration, as
    // every tile after it fails alike.
    void cacheFailed(const QString &reason);

private:
    void dropReply(QNetworkReply *reply);
    struct Cached
    {
        QImage image;
        mutable quint64 stamp = 0;
    };
    void useProvider(const TileProvider &provider, bool builtIn);
    void fetchDescription();
    QString providerCachePath() const;
    // The repository's description cached for the current type, invalid when there is none;
    // `stale` tells whether it is old enough to be asked for again.
    TileProvider cachedDescription(bool *stale) const;
    // Pixels along a side of the provider's tiles, and bytes of one decoded.
    int tileSide() const;
    qint64 tileBytes() const;
    QString tilePrefix() const;
    void loadFromDisk(TileKey key);
    void startNext();
    void fetched(QNetworkReply *reply, TileKey key);
    void store(TileKey key, const QImage &image);
    void trimMemory();
    void reset();
    void cacheRefused(const QString &reason);

    TileEngineSettings m_settings;
    QString m_type;
    TileProvider m_provider;
    bool m_builtIn = true;
    quint64 m_generation = 1;
    QNetworkAccessManager m_network;
    QNetworkReply *m_descriptionReply = nullptr;
    TileDiskCache m_disk;

    QHash<quint64, Cached> m_memory;
    // In bytes.
    qint64 m_memoryCost = 0;
    mutable quint64 m_clock = 0;
    QSet<quint64> m_wanted;
    QList<TileKey> m_queue;
    QHash<quint64, QNetworkReply *> m_active;
    QSet<quint64> m_loading;
    // Tiles that failed, with the time they may be asked for again.
    QHash<quint64, qint64> m_failed;
    bool m_configured = false;
    bool m_cacheFailureTold = false;
};
