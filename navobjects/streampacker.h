#pragma once

#include <QDataStream>
#include <QGeoCoordinate>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <concepts>
#include <cstring>
#include <memory>
#include <type_traits>

// Writes a record's fields exactly as QDataStream writes them, but collects them and hands them
// to the stream in one write. QDataStream calls its device once or twice per field; the
// database file holds a few million records of a dozen or more fields, and these calls were
// most of the time spent making the file on one core.
//
// The bytes are QDataStream's for the streams the database file uses (big-endian, doubles
// written as doubles, floats widened to doubles as every version since 4.6 does). On any
// other stream the packer hands each field straight to the stream instead. The fields are
// written when flush() is called or the packer goes out of scope; whoever writes to the
// stream itself in between calls flush() first.
class StreamPacker
{
public:
    explicit StreamPacker(QDataStream &stream)
        : m_stream(stream)
        , m_direct(stream.byteOrder() != QDataStream::BigEndian
                   || stream.floatingPointPrecision() != QDataStream::DoublePrecision
                   || stream.version() < QDataStream::Qt_4_6)
    {
    }
    ~StreamPacker() { flush(); }
    StreamPacker(const StreamPacker &) = delete;
    StreamPacker &operator=(const StreamPacker &) = delete;

    // clang-format 14 runs a requires clause into the declaration after it.
    // clang-format off
    template<typename T>
        requires std::is_integral_v<T> || std::is_enum_v<T>
    StreamPacker &operator<<(T value)
    // clang-format on
    {
        if constexpr (std::is_same_v<T, bool>) {
            return *this << qint8(value);
        } else if constexpr (std::is_enum_v<T>) {
            return *this << std::underlying_type_t<T>(value);
        } else {
            static_assert(sizeof(T) <= 8);
            if (m_direct) {
                m_stream << value;
                return *this;
            }
            qToBigEndian(value, room(sizeof(T)));
            m_at += sizeof(T);
            return *this;
        }
    }

    StreamPacker &operator<<(double value)
    {
        if (m_direct) {
            m_stream << value;
            return *this;
        }
        quint64 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return *this << bits;
    }

    StreamPacker &operator<<(float value)
    {
        if (m_direct) {
            m_stream << value;
            return *this;
        }
        return *this << double(value);
    }

    // A null text is the marker 0xFFFFFFFF, any other its size in bytes and its UTF-16 units.
    StreamPacker &operator<<(const QString &text)
    {
        if (m_direct) {
            m_stream << text;
            return *this;
        }
        if (text.isNull())
            return *this << quint32(0xFFFFFFFF);
        const qsizetype size = text.size();
        char *to = room(4 + 2 * size);
        qToBigEndian(quint32(2 * size), to);
        to += 4;
        // Most texts of the file are a few letters: a loop beats the call of Qt's array swap.
        const ushort *from = text.utf16();
        for (qsizetype i = 0; i < size; ++i, to += 2)
            qToBigEndian(quint16(from[i]), to);
        m_at = to;
        return *this;
    }

    // A text kept some other way (an interned text) is written as the QString it holds.
    // clang-format off
    template<typename T>
        requires requires(const T &held) {
            { held.text() } -> std::convertible_to<const QString &>;
        }
    StreamPacker &operator<<(const T &held)
    // clang-format on
    {
        return *this << static_cast<const QString &>(held.text());
    }

    // Latitude, longitude and altitude, as Qt Positioning writes a coordinate.
    StreamPacker &operator<<(const QGeoCoordinate &coordinate)
    {
        if (m_direct) {
            m_stream << coordinate;
            return *this;
        }
        return *this << coordinate.latitude() << coordinate.longitude() << coordinate.altitude();
    }

    void flush()
    {
        if (m_at == m_begin)
            return;
        if (m_stream.status() == QDataStream::Ok)
            m_stream.writeRawData(m_begin, int(m_at - m_begin));
        m_at = m_begin;
    }

private:
    // Where the next bytes go, with room for size of them.
    char *room(qsizetype size)
    {
        if (m_end - m_at < size) {
            const qsizetype used = m_at - m_begin;
            const qsizetype capacity = std::max<qsizetype>(2 * (m_end - m_begin), used + size);
            auto grown = std::make_unique<char[]>(size_t(capacity));
            std::memcpy(grown.get(), m_begin, size_t(used));
            m_heap = std::move(grown);
            m_begin = m_heap.get();
            m_at = m_begin + used;
            m_end = m_begin + capacity;
        }
        return m_at;
    }

    QDataStream &m_stream;
    const bool m_direct;
    char m_inline[512];
    std::unique_ptr<char[]> m_heap;
    char *m_begin = m_inline;
    char *m_at = m_inline;
    char *m_end = m_inline + sizeof m_inline;
};
