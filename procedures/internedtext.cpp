#include "internedtext.h"

#include <QMutex>
#include <QMutexLocker>

#include <array>
#include <unordered_set>

namespace {

// FNV-1a over the UTF-16 units: the texts are a few characters long, where Qt's string hash
// costs several times as much.
size_t textHash(QStringView text) noexcept
{
    size_t hash = 0xcbf29ce484222325ull;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ull;
    return hash ^ (hash >> 29);
}

struct TextHash
{
    size_t operator()(const QString &text) const noexcept { return textHash(text); }
};

constexpr size_t kShardCount = 32;
constexpr size_t kCacheSlots = 256;

// The pool, in shards so that reader threads seldom wait for each other. A node-based set:
// the address of a text in it never changes, so legs may point at it.
struct Shard
{
    QMutex mutex;
    std::unordered_set<QString, TextHash> texts;
};

// Never destroyed: legs of objects destroyed after static destruction still point into it.
std::array<Shard, kShardCount> &shards()
{
    static auto *pool = new std::array<Shard, kShardCount>();
    return *pool;
}

// Each thread remembers the texts it interned last, so a reader that names the same fix or
// transition leg after leg takes no lock.
struct CacheSlot
{
    QString key;
    const QString *text = nullptr;
};

thread_local std::array<CacheSlot, kCacheSlots> cache;

const QString *intern(const QString &text, size_t hash)
{
    Shard &shard = shards()[(hash / kCacheSlots) % kShardCount];
    QMutexLocker locker(&shard.mutex);
    auto it = shard.texts.find(text);
    if (it == shard.texts.end()) {
        // A text over bytes it does not own (a literal, fromRawData) is copied: the pool may
        // outlive those bytes.
        it = shard.texts.insert(text.data_ptr().isMutable() ? text : QString(text.constData(), text.size())).first;
    }
    return &*it;
}

} // namespace

InternedText::InternedText(const QString &text)
{
    if (text.isNull())
        return;
    const size_t hash = textHash(text);
    CacheSlot &slot = cache[hash % kCacheSlots];
    // A null key would take the empty text for it; the empty text is never null here.
    if (slot.text && slot.key.size() == text.size() && slot.key == text) {
        m_text = slot.text;
        return;
    }
    m_text = intern(text, hash);
    slot.key = *m_text;
    slot.text = m_text;
}

const QString &InternedText::nullText()
{
    static const QString null;
    return null;
}

qsizetype InternedText::poolSize()
{
    qsizetype size = 0;
    for (Shard &shard : shards()) {
        QMutexLocker locker(&shard.mutex);
        size += qsizetype(shard.texts.size());
    }
    return size;
}

QDataStream &operator<<(QDataStream &stream, const InternedText &text)
{
    return stream << text.text();
}

QDataStream &operator>>(QDataStream &stream, InternedText &text)
{
    QString read;
    stream >> read;
    text = InternedText(read);
    return stream;
}
