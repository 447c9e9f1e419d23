#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The floor a reader of a data file is held against: the same bytes read in large blocks and
// cut into lines and fields, with nothing built from them, as `awk '{n+=NF}'` does.
namespace FieldSplit {

struct Figure
{
    qint64 nanoseconds = 0;
    qint64 bytes = 0;
    qint64 lines = 0;
    qint64 fields = 0;
    int files = 0; // files that could be opened
};

// Blank-separated rows (apt.dat, earth_*.dat): runs of spaces and tabs separate the fields.
Figure blanks(const QStringList &paths);
// Comma-separated rows (the procedure files): every comma separates, empty fields count.
Figure commas(const QStringList &paths);

} // namespace FieldSplit
