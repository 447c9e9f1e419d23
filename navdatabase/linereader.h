#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

class QIODevice;

// The lines of a text file as views into one reused block, for the readers of the simulator's
// large data files: line ends LF or CR LF, a leading UTF-8 byte-order mark dropped, and a line
// longer than NavDataReader::MaxLineLength cut there with the rest of it skipped, so a file
// that is not a text file cannot make a reader hold it in memory. Reading a line allocates
// nothing, which matters on files of millions of lines.
class LineReader
{
public:
    // startOfFile: the first line may begin with a byte-order mark (not so for a piece of a
    // file cut at a line end).
    explicit LineReader(QIODevice &device, bool startOfFile = true);

    // False at the end of the device. The view stays valid until the next call; tooLong tells
    // that the line was cut.
    bool next(QByteArrayView &line, bool &tooLong);

    // The bytes read from the device but not yet returned as lines; they count as returned.
    QByteArray takeBuffered();
    // Those bytes and the rest of the device after them, read into the same array: a large file
    // is neither held twice nor copied, where reading it whole and appending it to them would
    // do both. Everything counts as returned. Read in slices, so that stop() ends it early,
    // with what was read so far.
    QByteArray takeRest(const std::function<bool()> &stop = {});

private:
    QByteArrayView cut(const char *start);
    void skipRestOfLine();
    bool fill();
    void finish(QByteArrayView &line);

    QIODevice &m_device;
    QByteArray m_buffer;
    QByteArray m_long;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    bool m_atEnd = false;
    bool m_first = true;
};
