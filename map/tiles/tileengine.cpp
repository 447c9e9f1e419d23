#include "tileengine.h"

#include "mapplugin.h"
#include "replyguard.h"
#include "wholesavefile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QImageReader>
#include <QLoggingCategory>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QtConcurrent>

namespace {
constexpr int TransferTimeoutMs = 30000;
// Tiles wait for the description, so an unreachable repository must not hold them long.
constexpr int DescriptionTimeoutMs = 10000;
constexpr qint64 RetryAfterMs = 60000;
// A tile is a few hundred kilobytes at most, a description a few hundred bytes: anything much
// longer is no tile or description, and is broken off before it is read whole.
constexpr qint64 MaxTileBytes = 2 * 1024 * 1024;
constexpr qint64 MaxDescriptionBytes = 64 * 1024;
// However steadily a server trickles, a tile holds one of the few request slots no longer than
// this, and a description the tiles no longer than twice its time-out.
constexpr int TileDeadlineMs = 60000;
constexpr int DescriptionDeadlineMs = 2 * DescriptionTimeoutMs;
// A description fetched earlier is asked for again after a day, so that a change in the
// repository reaches a program that keeps running.
constexpr qint64 DescriptionMaxAgeSecs = 24 * 3600;

#ifndef WAYLORE_APP_NAME
#define WAYLORE_APP_NAME "Waylore"
#endif
#ifndef WAYLORE_APP_VERSION
#define WAYLORE_APP_VERSION "0"
#endif

TileDiskCache::Cost costStrategy(const QVariant &value, TileDiskCache::Cost fallback)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("unitary"))
        return TileDiskCache::Cost::Unitary;
    if (text == QLatin1String("bytesize"))
        return TileDiskCache::Cost::ByteSize;
    return fallback;
}

qint64 size(const QVariant &value, qint64 fallback)
{
    bool ok = false;
    const qint64 n = value.toString().trimmed().toLongLong(&ok);
    return ok && n >= 0 ? n : fallback;
}

struct Decoded
{
    QImage image;
    qint64 bytes = 0;
    // Why the cache refused the tile's file.
    QString cacheError;
};

// Whether the bytes end where the picture they begin ends: the decoders take a JPEG cut short as
// a picture grey below the cut, and a PNG that lacks only its last bytes as whole; bytes after
// the picture's end are no part of the tile. Other formats are left to their decoder.
bool endsWithPicture(const QByteArray &data)
{
    static const QByteArray kPngStart("\x89PNG\r\n\x1a\n", 8);
    static const QByteArray kPngEnd("IEND\xae\x42\x60\x82", 8);
    if (data.startsWith(kPngStart))
        return data.endsWith(kPngEnd);
    if (data.startsWith("\xff\xd8"))
        return data.endsWith("\xff\xd9");
    return true;
}

// Decodes the bytes of a tile of `side` pixels square and, when they are one and a path is given,
// writes them to the cache. The size is read before any pixel: a tile of another size would be
// scaled into place, and a large one takes memory out of all proportion to its bytes on the wire.
Decoded decode(const QByteArray &data, const QString &path, int side)
{
    Decoded result;
    if (!endsWithPicture(data))
        return result;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size(side, side);
    const QSize announced = reader.size();
    if (announced.isValid() && announced != size)
        return result;
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return result;
    result.image = image;
    result.image.convertTo(QImage::Format_RGBA8888_Premultiplied);
    if (!path.isEmpty() && WholeSaveFile::replace(path, data, &result.cacheError))
        result.bytes = data.size();
    return result;
}
} // namespace

TileEngineSettings TileEngineSettings::fromPlugin(const MapPlugin &plugin)
{
    TileEngineSettings s;
    s.repository = plugin.parameter(QStringLiteral("osm.mapping.providersrepository.address")).toString();
    s.customHost = plugin.parameter(QStringLiteral("osm.mapping.custom.host")).toString();
    s.userAgent = plugin.parameter(QStringLiteral("osm.useragent")).toString();
    if (s.userAgent.isEmpty())
        s.userAgent = QStringLiteral(WAYLORE_APP_NAME " " WAYLORE_APP_VERSION);
    s.cacheDirectory = plugin.parameter(QStringLiteral("osm.mapping.cache.directory")).toString();
    if (s.cacheDirectory.isEmpty())
        s.cacheDirectory
            = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map/tiles");
    const QVariant highDpi = plugin.parameter(QStringLiteral("osm.mapping.highdpi_tiles"), false);
    s.highDpi = highDpi.metaType() == QMetaType::fromType<QString>() ? highDpi.toString() == QLatin1String("true")
                                                                     : highDpi.toBool();
    s.diskCost = costStrategy(plugin.parameter(QStringLiteral("osm.mapping.cache.disk.cost_strategy")), s.diskCost);
    s.diskSize = size(plugin.parameter(QStringLiteral("osm.mapping.cache.disk.size")),
                      s.diskCost == TileDiskCache::Cost::Unitary ? 10000 : s.diskSize);
    s.memoryCost
        = costStrategy(plugin.parameter(QStringLiteral("osm.mapping.cache.memory.cost_strategy")), s.memoryCost);
    s.memorySize = size(plugin.parameter(QStringLiteral("osm.mapping.cache.memory.size")),
                        s.memoryCost == TileDiskCache::Cost::Unitary ? 100 : s.memorySize);
    return s;
}

// A reply whose end is still queued is not aborted (the guard tells). Disconnected first, it
// never reaches the engine again either way.
void TileEngine::dropReply(QNetworkReply *reply)
{
    reply->disconnect(this);
    ReplyGuard::abort(reply);
    reply->deleteLater();
}

TileEngine::TileEngine(QObject *parent)
    : QObject(parent)
{
    m_provider = TileProvider::builtIn(QString());
}

TileEngine::~TileEngine()
{
    if (QNetworkReply *reply = std::exchange(m_descriptionReply, nullptr))
        dropReply(reply);
    reset();
}

void TileEngine::configure(const TileEngineSettings &settings)
{
    if (m_configured && settings == m_settings)
        return;
    m_configured = true;
    m_cacheFailureTold = false;
    m_settings = settings;
    m_settings.parallelRequests = std::max(1, m_settings.parallelRequests);
    m_disk.configure(settings.cacheDirectory, settings.diskCost, settings.diskSize);
    const QString type = m_type.isEmpty() ? QStringLiteral("street") : m_type;
    m_type.clear();
    setMapType(type);
}

void TileEngine::setMapType(const QString &typeKey)
{
    if (typeKey == m_type)
        return;
    m_type = typeKey;
    if (QNetworkReply *reply = std::exchange(m_descriptionReply, nullptr))
        dropReply(reply);
    if (m_type == QLatin1String("custom") && !m_settings.customHost.isEmpty()) {
        useProvider(TileProvider::custom(m_settings.customHost), false);
        return;
    }
    // A description fetched earlier serves at once; a stale one only while the repository is
    // asked again.
    bool stale = false;
    const TileProvider cached = cachedDescription(&stale);
    if (cached.isValid() && !(stale && m_settings.repository.isEmpty())) {
        useProvider(cached, false);
        if (stale)
            fetchDescription();
        return;
    }
    // The descriptions shipped with the program serve without a repository; a repository
    // overrides them, and until it answers no tile is asked for, since it may name other servers.
    useProvider(TileProvider::builtIn(m_type), true);
    fetchDescription();
}

TileProvider TileEngine::cachedDescription(bool *stale) const
{
    QFile file(providerCachePath());
    if (m_settings.cacheDirectory.isEmpty() || !file.open(QIODevice::ReadOnly))
        return TileProvider();
    const QByteArray json = file.read(MaxDescriptionBytes + 1);
    if (json.size() > MaxDescriptionBytes)
        return TileProvider();
    const qint64 age = file.fileTime(QFileDevice::FileModificationTime).secsTo(QDateTime::currentDateTime());
    *stale = age > DescriptionMaxAgeSecs || age < -60;
    return TileProvider::fromJson(json);
}

QString TileEngine::providerCachePath() const
{
    return m_settings.cacheDirectory + QStringLiteral("/providers/") + m_type + QStringLiteral(".json");
}

void TileEngine::fetchDescription()
{
    if (m_settings.repository.isEmpty())
        return;
    QString address = m_settings.repository;
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    QNetworkRequest request(QUrl(address + m_type));
    request.setHeader(QNetworkRequest::UserAgentHeader, m_settings.userAgent);
    request.setTransferTimeout(DescriptionTimeoutMs);
    QNetworkReply *reply = ReplyGuard::get(&m_network, request);
    ReplyGuard::attach(reply, MaxDescriptionBytes, DescriptionDeadlineMs);
    m_descriptionReply = reply;
    const QString type = m_type;
    connect(reply, &QNetworkReply::finished, this, [this, reply, type] {
        reply->deleteLater();
        if (reply != m_descriptionReply)
            return;
        m_descriptionReply = nullptr;
        QString error;
        if (ReplyGuard::stopped(reply) == ReplyGuard::Stop::TooLong)
            error = QStringLiteral("longer than %1 bytes").arg(MaxDescriptionBytes);
        const TileProvider provider = reply->error() == QNetworkReply::NoError
                                          ? TileProvider::fromJson(ReplyGuard::body(reply), &error)
                                          : TileProvider();
        if (!provider.isValid()) {
            qWarning().noquote() << "Map provider description" << reply->url().toString()
                                 << "unusable:" << (error.isEmpty() ? reply->errorString() : error)
                                 << (m_builtIn ? "- using the built-in one" : "- keeping the cached one");
            emit providerChanged();
            return;
        }
        QDir().mkpath(m_settings.cacheDirectory + QStringLiteral("/providers"));
        QString cacheError;
        if (!WholeSaveFile::replace(providerCachePath(), provider.toJson(), &cacheError)) {
            qWarning().noquote() << "Cannot cache the map provider description in" << providerCachePath() << ":"
                                 << cacheError;
            cacheRefused(cacheError);
        }
        if (type == m_type && (m_builtIn || provider.toJson() != m_provider.toJson()))
            useProvider(provider, false);
        else
            emit providerChanged();
    });
}

void TileEngine::useProvider(const TileProvider &provider, bool builtIn)
{
    reset();
    m_provider = provider;
    m_builtIn = builtIn;
    ++m_generation;
    // The host only: a custom address may carry a key. A shipped description about to be
    // replaced by the repository's is not worth a line.
    if (!builtIn || m_settings.repository.isEmpty())
        qInfo().noquote() << "Map type" << m_type << "takes its tiles from"
                          << provider.url(0, 0, 0, false).host()
                                 + (builtIn ? QStringLiteral(" (shipped description)") : QString());
    emit providerChanged();
}

void TileEngine::reset()
{
    for (QNetworkReply *reply : std::as_const(m_active)) {
        dropReply(reply);
    }
    m_active.clear();
    m_queue.clear();
    m_loading.clear();
    m_failed.clear();
    m_memory.clear();
    m_memoryCost = 0;
}

QString TileEngine::tilePrefix() const
{
    return highDpiTiles() ? m_type + QStringLiteral("@2x") : m_type;
}

int TileEngine::tileSide() const
{
    return highDpiTiles() ? 512 : 256;
}

qint64 TileEngine::tileBytes() const
{
    return qint64(tileSide()) * tileSide() * 4;
}

int TileEngine::memoryTiles() const
{
    if (m_settings.memoryCost == TileDiskCache::Cost::Unitary)
        return int(std::min<qint64>(m_settings.memorySize, 4096));
    return int(std::clamp<qint64>(m_settings.memorySize / tileBytes(), 1, 4096));
}

QImage TileEngine::image(TileKey key) const
{
    const auto it = m_memory.constFind(key.packed());
    if (it == m_memory.cend())
        return QImage();
    it->stamp = ++m_clock;
    return it->image;
}

void TileEngine::request(const QList<TileKey> &wanted)
{
    if (m_descriptionReply && m_builtIn)
        return;
    m_wanted.clear();
    for (const TileKey &key : wanted)
        m_wanted.insert(key.packed());

    // Requests for tiles that left the view give their place to the ones now in it.
    for (auto it = m_active.begin(); it != m_active.end();) {
        if (m_wanted.contains(it.key())) {
            ++it;
            continue;
        }
        QNetworkReply *reply = it.value();
        it = m_active.erase(it);
        dropReply(reply);
    }

    // Waiting requests keep their place in the new order of wishes; the others are forgotten.
    QSet<quint64> queued;
    for (const TileKey &key : std::as_const(m_queue))
        queued.insert(key.packed());
    m_queue.clear();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const TileKey &key : wanted) {
        const quint64 k = key.packed();
        if (queued.contains(k)) {
            m_queue.append(key);
            queued.remove(k);
            continue;
        }
        if (m_memory.contains(k) || m_active.contains(k) || m_loading.contains(k))
            continue;
        const auto failed = m_failed.constFind(k);
        if (failed != m_failed.cend() && *failed > now)
            continue;
        loadFromDisk(key);
    }
    startNext();
}

void TileEngine::loadFromDisk(TileKey key)
{
    const quint64 k = key.packed();
    m_loading.insert(k);
    const quint64 generation = m_generation;
    const QString path
        = m_disk.directory().isEmpty() ? QString() : m_disk.filePath(tilePrefix(), key, m_provider.format);
    const int side = tileSide();
    auto *watcher = new QFutureWatcher<Decoded>(this);
    connect(watcher, &QFutureWatcher<Decoded>::finished, this, [this, watcher, key, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        m_loading.remove(key.packed());
        const Decoded decoded = watcher->result();
        if (!decoded.image.isNull()) {
            store(key, decoded.image);
            return;
        }
        if (m_wanted.contains(key.packed())) {
            m_queue.append(key);
            startNext();
        }
    });
    watcher->setFuture(QtConcurrent::run([path, side] {
        if (path.isEmpty())
            return Decoded();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Decoded();
        Decoded result = file.size() <= MaxTileBytes ? decode(file.readAll(), QString(), side) : Decoded();
        if (result.image.isNull()) {
            // A damaged file would otherwise shadow the tile for good.
            file.close();
            QFile::remove(path);
        }
        return result;
    }));
}

void TileEngine::startNext()
{
    while (m_active.size() < m_settings.parallelRequests && !m_queue.isEmpty()) {
        const TileKey key = m_queue.takeFirst();
        const quint64 k = key.packed();
        if (!m_wanted.contains(k) || m_active.contains(k) || m_loading.contains(k) || m_memory.contains(k))
            continue;
        QNetworkRequest request(m_provider.url(key.z, key.x, key.y, highDpiTiles()));
        request.setHeader(QNetworkRequest::UserAgentHeader, m_settings.userAgent);
        request.setTransferTimeout(TransferTimeoutMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply *reply = ReplyGuard::get(&m_network, request);
        ReplyGuard::attach(reply, MaxTileBytes, TileDeadlineMs);
        m_active.insert(k, reply);
        connect(reply, &QNetworkReply::finished, this, [this, reply, key] { fetched(reply, key); });
    }
}

void TileEngine::fetched(QNetworkReply *reply, TileKey key)
{
    reply->deleteLater();
    const quint64 k = key.packed();
    if (m_active.value(k) != reply)
        return;
    m_active.remove(k);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200
        || ReplyGuard::stopped(reply) != ReplyGuard::Stop::None) {
        m_failed.insert(k, QDateTime::currentMSecsSinceEpoch() + RetryAfterMs);
        startNext();
        return;
    }
    m_loading.insert(k);
    const QByteArray data = ReplyGuard::body(reply);
    const QString path
        = m_disk.directory().isEmpty() ? QString() : m_disk.filePath(tilePrefix(), key, m_provider.format);
    const quint64 generation = m_generation;
    const int side = tileSide();
    auto *watcher = new QFutureWatcher<Decoded>(this);
    connect(watcher, &QFutureWatcher<Decoded>::finished, this, [this, watcher, key, path, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        m_loading.remove(key.packed());
        const Decoded decoded = watcher->result();
        if (decoded.image.isNull()) {
            m_failed.insert(key.packed(), QDateTime::currentMSecsSinceEpoch() + RetryAfterMs);
            return;
        }
        if (decoded.bytes > 0)
            m_disk.added(path, decoded.bytes);
        else if (!decoded.cacheError.isEmpty())
            cacheRefused(decoded.cacheError);
        store(key, decoded.image);
    });
    watcher->setFuture(QtConcurrent::run([data, path, side] { return decode(data, path, side); }));
    startNext();
}

void TileEngine::cacheRefused(const QString &reason)
{
    if (m_cacheFailureTold)
        return;
    m_cacheFailureTold = true;
    qWarning().noquote() << "Map tile cache in" << m_settings.cacheDirectory << "refused a file:" << reason;
    emit cacheFailed(reason);
}

void TileEngine::store(TileKey key, const QImage &image)
{
    const quint64 k = key.packed();
    const auto previous = m_memory.constFind(k);
    if (previous != m_memory.cend())
        m_memoryCost -= previous->image.sizeInBytes();
    m_memory.insert(k, Cached{image, ++m_clock});
    m_memoryCost += image.sizeInBytes();
    trimMemory();
    emit tileReady();
}

// Counted in bytes whatever the strategy: a size given in tiles is that many tiles of the
// provider's size.
void TileEngine::trimMemory()
{
    const qint64 capacity = m_settings.memoryCost == TileDiskCache::Cost::Unitary ? m_settings.memorySize * tileBytes()
                                                                                  : m_settings.memorySize;
    // Never below what the view needs now, or tiles would evict each other on every frame.
    const qint64 floor = 2 * m_wanted.size() * tileBytes();
    const qint64 limit = std::max(capacity, floor);
    if (m_memoryCost <= limit)
        return;
    QList<QPair<quint64, quint64>> byAge;
    byAge.reserve(m_memory.size());
    for (auto it = m_memory.cbegin(); it != m_memory.cend(); ++it)
        byAge.append({it->stamp, it.key()});
    std::sort(byAge.begin(), byAge.end());
    for (const auto &[stamp, k] : std::as_const(byAge)) {
        if (m_memoryCost <= limit)
            break;
        if (m_wanted.contains(k))
            continue;
        m_memoryCost -= m_memory.take(k).image.sizeInBytes();
    }
}
