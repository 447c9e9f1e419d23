#include "internedtext.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSysInfo>
#include <QVarLengthArray>
#include <QtEndian>

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

// Both take a QStringView, so the pool is searched without building a QString.
struct TextHash
{
    using is_transparent = void;
    size_t operator()(QStringView text) const noexcept { return textHash(text); }
};

struct TextEqual
{
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

constexpr size_t kShardCount = 32;
constexpr size_t kCacheSlots = 256;

// The pool, in shards so that reader threads seldom wait for each other. A node-based set:
// the address of a text in it never changes, so legs may point at it.
struct Shard
{
    QMutex mutex;
    std::unordered_set<QString, TextHash, TextEqual> texts;
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

const QString *intern(QStringView text, size_t hash)
{
    Shard &shard = shards()[(hash / kCacheSlots) % kShardCount];
    QMutexLocker locker(&shard.mutex);
    auto it = shard.texts.find(text);
    if (it == shard.texts.end()) {
        // A copy of its own, exactly as long as the text (the pool outlives whatever the text
        // was read from); the empty text is not null.
        it = shard.texts.insert(text.isEmpty() ? QString(QLatin1String("")) : text.toString()).first;
    }
    return &*it;
}

} // namespace

InternedText::InternedText(const QString &text)
    : InternedText(QStringView(text))
{
}

InternedText::InternedText(QStringView text)
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

InternedText InternedText::fromUtf8(QByteArrayView utf8)
{
    if (utf8.isNull())
        return InternedText();
    // Nearly every field is a few ASCII characters: widened on the stack, it finds its text in
    // the pool without a QString being built.
    constexpr qsizetype kWidened = 32;
    if (utf8.size() <= kWidened) {
        char16_t units[kWidened];
        qsizetype ascii = 0;
        while (ascii < utf8.size() && uchar(utf8[ascii]) < 0x80) {
            units[ascii] = char16_t(uchar(utf8[ascii]));
            ++ascii;
        }
        if (ascii == utf8.size())
            return InternedText(QStringView(units, ascii));
    }
    return InternedText(QString::fromUtf8(utf8));
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

// Qt's QString reader, but into a buffer on the stack: a load reads some five million leg
// identifiers, nearly all of them texts the pool has already.
QDataStream &operator>>(QDataStream &stream, InternedText &text)
{
    text = InternedText();
    if (stream.version() == 1) {
        QString read;
        stream >> read;
        text = InternedText(read);
        return stream;
    }
    quint32 bytes = 0;
    stream >> bytes;
    if (stream.status() != QDataStream::Ok || bytes == 0xffffffff)
        return stream;
    if (bytes & 0x1) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return stream;
    }
    // In steps, as Qt reads: a damaged length reserves at most one step beyond the bytes there.
    constexpr quint32 kStep = 1024 * 1024;
    const quint32 length = bytes / 2;
    QVarLengthArray<char16_t, 64> units;
    for (quint32 done = 0; done < length;) {
        const quint32 block = qMin(kStep, length - done);
        units.resize(done + block);
        if (stream.readRawData(reinterpret_cast<char *>(units.data() + done), int(block * 2)) != int(block * 2)) {
            stream.setStatus(QDataStream::ReadPastEnd);
            return stream;
        }
        done += block;
    }
    if ((stream.byteOrder() == QDataStream::BigEndian) != (QSysInfo::ByteOrder == QSysInfo::BigEndian)) {
        for (char16_t &unit : units)
            unit = qbswap(unit);
    }
    // Never a null view: no bytes are the empty text.
    text = InternedText(QStringView(bytes > 0 ? units.constData() : u"", units.size()));
    return stream;
}
