#pragma once

// The format number of the navigation database file whose item records the calling thread
// reads. Writers always write the newest form; a reader asks which form it is reading, so that
// files of the previous format stay readable. Outside a file read the newest form is assumed.
//
// Format 6: the first stored form. Format 7 adds, to every point, its UID (an import gives a
// later point of the same region, terminal and code a UID of its own); to every procedure leg
// the section codes that tell which kind of point its fix and navaid are; to every pavement
// and boundary the holes of its polygon.
#include <QtGlobal>

class QDataStream;

namespace RecordFormat {

constexpr int Oldest = 6;
constexpr int Newest = 7;

int reading();

// A list count of a record (ListCount form), refused when the bytes left in the stream cannot
// hold that many entries of at least entryBytes each: the stream is then marked corrupt and
// the result is -1, so that no reader reserves or loops for a forged count.
qint64 readCount(QDataStream &stream, qint64 entryBytes);

// Sets the format the calling thread reads for the life of the scope.
class Scope
{
public:
    explicit Scope(int format);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    int m_previous;
};

} // namespace RecordFormat
