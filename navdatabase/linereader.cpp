#include "linereader.h"

#include "navdatareader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
// Bytes asked of the file at a time.
constexpr qsizetype kBlockSize = 256 * 1024;
// The rest of a file is read in slices of this size, each a chance to stop: a world's apt.dat
// takes a few tenths of a second to read.
constexpr qint64 kRestSlice = 16 * 1024 * 1024;
} // namespace

LineReader::LineReader(QIODevice &device, bool startOfFile)
    : m_device(device)
    , m_first(startOfFile)
{
}

QByteArray LineReader::takeBuffered()
{
    const QByteArray bytes(m_buffer.constData() + m_begin, m_end - m_begin);
    m_begin = m_end;
    return bytes;
}

QByteArray LineReader::takeRest(const std::function<bool()> &stop)
{
    QByteArray bytes = takeBuffered();
    m_atEnd = true;
    // What the device says is left, read in place; a device that cannot tell (or grew) gives
    // the rest through readAll.
    const qint64 left = m_device.isSequential() ? 0 : m_device.size() - m_device.pos();
    if (left > 0 && left < std::numeric_limits<qsizetype>::max() - bytes.size()) {
        const qsizetype start = bytes.size();
        bytes.resize(start + qsizetype(left));
        qsizetype at = start;
        while (at < bytes.size()) {
            if (stop && stop()) {
                bytes.truncate(at);
                return bytes;
            }
            const qint64 read = m_device.read(bytes.data() + at, std::min<qint64>(kRestSlice, bytes.size() - at));
            if (read <= 0)
                break;
            at += qsizetype(read);
        }
        bytes.truncate(at);
    }
    const QByteArray more = m_device.readAll();
    if (!more.isEmpty())
        bytes.append(more);
    return bytes;
}

bool LineReader::next(QByteArrayView &line, bool &tooLong)
{
    tooLong = false;
    while (true) {
        const char *data = m_buffer.constData();
        const qsizetype pending = m_end - m_begin;
        const char *newline
            = pending > 0 ? static_cast<const char *>(std::memchr(data + m_begin, '\n', size_t(pending))) : nullptr;
        if (newline) {
            const qsizetype length = newline - (data + m_begin);
            if (length > NavDataReader::MaxLineLength) {
                line = cut(data + m_begin);
                tooLong = true;
            } else {
                line = QByteArrayView(data + m_begin, length);
            }
            m_begin += length + 1;
            finish(line);
            return true;
        }
        if (pending > NavDataReader::MaxLineLength) {
            line = cut(data + m_begin);
            m_begin = m_end;
            skipRestOfLine();
            tooLong = true;
            finish(line);
            return true;
        }
        if (!fill()) {
            if (m_end == m_begin)
                return false;
            line = QByteArrayView(m_buffer.constData() + m_begin, m_end - m_begin);
            m_begin = m_end;
            finish(line);
            return true;
        }
    }
}

QByteArrayView LineReader::cut(const char *start)
{
    m_long = QByteArray(start, NavDataReader::MaxLineLength);
    return QByteArrayView(m_long);
}

void LineReader::skipRestOfLine()
{
    while (fill()) {
        const char *data = m_buffer.constData();
        const char *newline = static_cast<const char *>(std::memchr(data + m_begin, '\n', size_t(m_end - m_begin)));
        if (newline) {
            m_begin = newline - data + 1;
            return;
        }
        m_begin = m_end;
    }
}

// Moves the unread bytes to the front and appends the next block; false at the end.
bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_buffer.size() < m_end + kBlockSize)
        m_buffer.resize(m_end + kBlockSize);
    const qint64 read = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (read <= 0) {
        m_atEnd = true;
        return false;
    }
    m_end += read;
    return true;
}

void LineReader::finish(QByteArrayView &line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (m_first) {
        m_first = false;
        if (line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3);
    }
}
