#include "tilediskcache.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent>
#include <algorithm>

namespace {
bool isTileFile(const QString &name)
{
    return name.count(QLatin1Char('-')) >= 3 && name.contains(QLatin1Char('.'));
}

qint64 entryCost(TileDiskCache::Cost cost, qint64 bytes)
{
    return cost == TileDiskCache::Cost::Unitary ? 1 : bytes;
}
} // namespace

TileDiskCache::TileDiskCache(QObject *parent)
    : QObject(parent)
{
}

TileDiskCache::~TileDiskCache() = default;

void TileDiskCache::configure(const QString &directory, Cost cost, qint64 limit)
{
    m_cost = cost;
    m_limit = std::max<qint64>(limit, 1);
    if (directory == m_directory && m_indexed) {
        trim();
        return;
    }
    m_directory = directory;
    m_entries.clear();
    m_total = 0;
    m_indexed = false;
    const int generation = ++m_generation;
    if (directory.isEmpty())
        return;
    QDir().mkpath(directory);

    using Index = QHash<QString, Entry>;
    auto *watcher = new QFutureWatcher<Index>(this);
    connect(watcher, &QFutureWatcher<Index>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        // Files written while the folder was being listed are already in the index.
        const Index found = watcher->result();
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            if (!m_entries.contains(it.key())) {
                m_entries.insert(it.key(), it.value());
                m_total += entryCost(m_cost, it.value().bytes);
            }
        }
        m_indexed = true;
        trim();
        emit indexReady();
    });
    watcher->setFuture(QtConcurrent::run([directory] {
        Index index;
        QDirIterator it(directory, QDir::Files);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            if (isTileFile(info.fileName()))
                index.insert(info.fileName(), {info.size(), info.lastModified().toMSecsSinceEpoch()});
        }
        return index;
    }));
}

QString TileDiskCache::filePath(const QString &prefix, TileKey key, const QString &format) const
{
    return QStringLiteral("%1/%2-%3-%4-%5.%6").arg(m_directory, prefix).arg(key.z).arg(key.x).arg(key.y).arg(format);
}

QFuture<QByteArray> TileDiskCache::read(const QString &path)
{
    return QtConcurrent::run([path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    });
}

void TileDiskCache::added(const QString &path, qint64 bytes)
{
    const QString name = QFileInfo(path).fileName();
    const auto old = m_entries.constFind(name);
    if (old != m_entries.cend())
        m_total -= entryCost(m_cost, old->bytes);
    m_entries.insert(name, {bytes, QDateTime::currentMSecsSinceEpoch()});
    m_total += entryCost(m_cost, bytes);
    if (m_indexed)
        trim();
}

void TileDiskCache::trim()
{
    if (m_total <= m_limit)
        return;
    // Trim a little below the limit so that the next tiles do not trigger another sort at once.
    const qint64 target = m_limit - m_limit / 20;
    QList<QPair<qint64, QString>> byAge;
    byAge.reserve(m_entries.size());
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        byAge.append({it.value().stamp, it.key()});
    std::sort(byAge.begin(), byAge.end());
    QStringList doomed;
    for (const auto &[stamp, name] : std::as_const(byAge)) {
        if (m_total <= target)
            break;
        m_total -= entryCost(m_cost, m_entries.take(name).bytes);
        doomed.append(m_directory + QLatin1Char('/') + name);
    }
    (void)QtConcurrent::run([doomed] {
        for (const QString &path : doomed)
            QFile::remove(path);
    });
}
