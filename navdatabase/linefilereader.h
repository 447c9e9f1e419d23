#pragma once

#include "navdatareader.h"
#include "textfields.h"

#include <memory>

class Point;

// The reading procedure shared by earth_fix.dat, user_fix.dat, earth_nav.dat and
// earth_awy.dat: line 1 "I", a version line whose sixth field is the AIRAC cycle, then rows of
// space-separated fields; "99" rows and blank lines are skipped up to the physical end.
// A subclass gives its file's format and builds the objects of one row.
class LineFileReader : public NavDataReader
{
public:
    struct Format
    {
        const char *tag;           // message prefix: "FIX", "User FIX", "NAV", "AWY"
        QStringList versions;      // accepted starts of the version line
        int minTokens;             // shorter rows are ignored with a warning
        int failure;               // result when the file cannot be opened
        bool readsCycle;           // whether the version line's cycle is taken
        bool logBeforeOpen;        // "Loading <path> ..." before the attempt, else after it
        const char *progressLabel; // translated in the "XpLoader" context
        const char *closingText;   // "Loaded <count> <closingText> [<cycle>]"
    };

    // What a reader works out of one row apart from the database's changes.
    struct PreparedRow
    {
        virtual ~PreparedRow() = default;
    };

    LineFileReader(Database *database, ProgressFn progress, CancelFn cancelled = {});

    int read(const QString &path) override;

    // The cycle of the last version line that had one; a version line without one leaves the
    // value given here (the previous import's) in place.
    QString cycle() const { return m_cycle; }
    void setCycle(const QString &cycle) { m_cycle = cycle; }

protected:
    using Fields = TextFields::Fields;

    virtual Format format() const = 0;
    // Handles a row of at least the format's minimum number of fields, given as views into the
    // line that last until the next row. The default hands them on to readRow as texts.
    virtual void readFields(const Fields &fields);
    // The same row as texts, for a reader that does not override readFields.
    virtual void readRow(const QStringList &fields);
    // A reader whose rows each make one point, built without the database, overrides these:
    // the rows are then built on every core and the points handed to the database in file
    // order (the same outcome as reading on one core). buildPoint may return null (nothing to
    // add) and must be safe to call from several threads at once.
    virtual bool buildsApart() const { return false; }
    virtual Point *buildPoint(const Fields &fields) const;

    // A reader whose rows only look the database up (and add what finishRow adds) overrides
    // these: prepareRow runs on every core with the store of the reading thread in scope and
    // must change nothing; finishRow gets the results on the reading thread, in file order,
    // and does what changes the database or the log. prepareRow may return null (nothing to do).
    virtual bool preparesApart() const { return false; }
    virtual std::unique_ptr<PreparedRow> prepareRow(const Fields &fields) const;
    virtual void finishRow(std::unique_ptr<PreparedRow> row);
    // Called on the reading thread after the last row (or the row the import stopped at), before
    // the closing log line: for a reader whose rows depend on one another.
    virtual void finishRows() {}
    // Called with the version line's cycle before any row is read.
    virtual void storeCycle(const QString &cycle);
    // The cycle the closing log line reports.
    virtual QString reportedCycle() const { return m_cycle; }

    QString tag() const { return QString::fromLatin1(m_format.tag); }
    // Counts one object handed to the database, with the format's progress label.
    void added() { countItem(m_format.progressLabel); }

private:
    // The rows after the header, read with buildPoint on every core.
    void readApart(QByteArray body);

    Format m_format;
    QString m_cycle;
};
