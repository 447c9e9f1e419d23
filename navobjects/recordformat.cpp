#include "recordformat.h"

#include "listcount.h"

#include <QDataStream>
#include <QIODevice>

namespace {

thread_local int t_reading = RecordFormat::Newest;

} // namespace

int RecordFormat::reading()
{
    return t_reading;
}

RecordFormat::Scope::Scope(int format)
    : m_previous(t_reading)
{
    t_reading = format;
}

RecordFormat::Scope::~Scope()
{
    t_reading = m_previous;
}

qint64 RecordFormat::readCount(QDataStream &stream, qint64 entryBytes)
{
    const qint64 count = ListCount::read(stream);
    if (count < 0)
        return -1;
    const qint64 left = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (count > left / qMax<qint64>(1, entryBytes)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return -1;
    }
    return count;
}
