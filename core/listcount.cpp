#include "listcount.h"

#include <QDataStream>

namespace {
constexpr quint32 NullCount = 0xFFFFFFFF;
constexpr quint32 ExtendedCount = 0xFFFFFFFE;
} // namespace

namespace ListCount {

void write(QDataStream &stream, qint64 count)
{
    if (count < qint64(ExtendedCount))
        stream << quint32(count);
    else
        stream << ExtendedCount << count;
}

qint64 read(QDataStream &stream)
{
    quint32 first = 0;
    stream >> first;
    if (stream.status() != QDataStream::Ok)
        return -1;
    if (first == NullCount) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return -1;
    }
    if (first != ExtendedCount)
        return first;
    qint64 extended = 0;
    stream >> extended;
    if (stream.status() == QDataStream::Ok && extended < 0)
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream.status() == QDataStream::Ok ? extended : -1;
}

} // namespace ListCount
