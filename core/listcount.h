#pragma once

#include <QtGlobal>

class QDataStream;

// The count in front of a list in a database-file stream, in the form Qt's container streaming
// uses: 32 bits, or the marker 0xFFFFFFFE followed by 64 bits for a large count. The item
// readers count their elements themselves, so that a damaged count never makes them reserve
// memory for it, and they need the form without the container.
namespace ListCount {

void write(QDataStream &stream, qint64 count);

// The count, or -1 when the stream failed; the null-container marker and a negative count
// mark the stream as corrupt (this Qt has no size-limit status).
qint64 read(QDataStream &stream);

} // namespace ListCount
