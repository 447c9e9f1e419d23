#pragma once

#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <concepts>
#include <cstring>
#include <type_traits>

// Bytes held in memory, read through QDataStream or in place by a StreamUnpacker. Unbuffered:
// QIODevice would otherwise copy every field through its ring buffer first.
class InPlaceReadDevice : public QIODevice
{
public:
    // The bytes must outlive the device.
    explicit InPlaceReadDevice(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return left(); }
    bool atEnd() const override { return left() <= 0; }

    const char *current() const { return m_bytes.constData() + m_at; }
    qsizetype left() const { return m_bytes.size() - m_at; }
    void skip(qsizetype count) { m_at += std::min(count, left()); }

protected:
    qint64 readData(char *data, qint64 length) override
    {
        const qsizetype count = qsizetype(std::min<qint64>(length, left()));
        const char *from = current();
        // Most fields are 1 to 8 bytes, which a loop copies quicker than a call to memcpy.
        if (count <= 16) {
            for (qsizetype i = 0; i < count; ++i)
                data[i] = from[i];
        } else {
            std::memcpy(data, from, size_t(count));
        }
        m_at += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
};

// Reads a record's fields as QDataStream reads them, straight from the memory of an
// InPlaceReadDevice: QDataStream calls its device once or twice per field, and the legs of the
// procedures alone are a million records of twenty fields. The device moves on by what was
// read when the unpacker goes out of scope; nobody reads the stream itself in between.
//
// The same values and the same status as QDataStream for the streams the database file uses
// (big-endian, doubles, floats stored as doubles); on any other stream or device each field is
// read by the stream itself. A field beyond the end reads as zero (a null text) and leaves the
// stream at ReadPastEnd, as QDataStream does; a text of an odd byte count is ReadCorruptData.
class StreamUnpacker
{
public:
    explicit StreamUnpacker(QDataStream &stream)
        : m_stream(stream)
    {
        auto *device = dynamic_cast<InPlaceReadDevice *>(stream.device());
        if (device && stream.byteOrder() == QDataStream::BigEndian
            && stream.floatingPointPrecision() == QDataStream::DoublePrecision
            && stream.version() >= QDataStream::Qt_4_6 && stream.status() == QDataStream::Ok) {
            m_device = device;
            m_begin = m_at = device->current();
            m_end = m_begin + device->left();
        }
    }
    ~StreamUnpacker()
    {
        if (m_device)
            m_device->skip(m_at - m_begin);
    }
    StreamUnpacker(const StreamUnpacker &) = delete;
    StreamUnpacker &operator=(const StreamUnpacker &) = delete;

    // clang-format 14 runs a requires clause into the declaration after it.
    // clang-format off
    template<typename T>
        requires std::is_integral_v<T>
    StreamUnpacker &operator>>(T &value)
    // clang-format on
    {
        static_assert(sizeof(T) <= 8);
        if (!m_device) {
            m_stream >> value;
        } else if constexpr (std::is_same_v<T, bool>) {
            qint8 byte = 0;
            *this >> byte;
            value = byte != 0;
        } else {
            const char *from = take(sizeof(T));
            value = from ? qFromBigEndian<T>(from) : T(0);
        }
        return *this;
    }

    StreamUnpacker &operator>>(double &value)
    {
        if (!m_device) {
            m_stream >> value;
            return *this;
        }
        quint64 bits = 0;
        *this >> bits;
        std::memcpy(&value, &bits, sizeof value);
        return *this;
    }

    StreamUnpacker &operator>>(float &value)
    {
        if (!m_device) {
            m_stream >> value;
            return *this;
        }
        double wide = 0.0;
        *this >> wide;
        value = float(wide);
        return *this;
    }

    // A text, into anything made from a view of it (a QString, an interned text); the null
    // text is a null view.
    // clang-format off
    template<typename T>
        requires std::constructible_from<T, QStringView>
    StreamUnpacker &operator>>(T &text)
    // clang-format on
    {
        if (!m_device) {
            m_stream >> text;
            return *this;
        }
        text = T(QStringView());
        const char *from = nullptr;
        qsizetype length = 0;
        if (!nextText(from, length))
            return *this;
        QVarLengthArray<char16_t, 64> units(length);
        for (qsizetype i = 0; i < length; ++i)
            units[i] = qFromBigEndian<quint16>(from + 2 * i);
        // Never a null pointer: the empty text is not the null one.
        static constexpr char16_t kNone = 0;
        text = T(QStringView(length ? units.constData() : &kNone, length));
        return *this;
    }

    // A QString as QDataStream reads one: the null text, the empty (not null) text, or the text.
    StreamUnpacker &operator>>(QString &text)
    {
        if (!m_device) {
            m_stream >> text;
            return *this;
        }
        text = QString();
        const char *from = nullptr;
        qsizetype length = 0;
        if (!nextText(from, length))
            return *this;
        if (length == 0) {
            text = QString(QLatin1String(""));
            return *this;
        }
        text = QString(length, Qt::Uninitialized);
        QChar *to = text.data();
        for (qsizetype i = 0; i < length; ++i)
            to[i] = QChar(qFromBigEndian<quint16>(from + 2 * i));
        return *this;
    }

private:
    // The big-endian UTF-16 units of the next text and their number; false for the null text
    // and when the text cannot be read.
    bool nextText(const char *&from, qsizetype &length)
    {
        quint32 bytes = 0;
        *this >> bytes;
        if (m_failed || bytes == 0xFFFFFFFF)
            return false;
        if (bytes & 0x1) {
            fail(QDataStream::ReadCorruptData);
            return false;
        }
        from = take(bytes);
        length = bytes / 2;
        return from != nullptr;
    }

    // The next count bytes, or null (and the stream failed) when fewer are left.
    const char *take(quint32 count)
    {
        if (m_failed)
            return nullptr;
        if (quint64(m_end - m_at) < count) {
            m_at = m_end;
            fail(QDataStream::ReadPastEnd);
            return nullptr;
        }
        const char *from = m_at;
        m_at += count;
        return from;
    }

    void fail(QDataStream::Status status)
    {
        m_failed = true;
        m_stream.setStatus(status);
    }

    QDataStream &m_stream;
    InPlaceReadDevice *m_device = nullptr;
    const char *m_begin = nullptr;
    const char *m_at = nullptr;
    const char *m_end = nullptr;
    bool m_failed = false;
};
