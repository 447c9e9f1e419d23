#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Database;
class QIODevice;

// Common shape of the readers of the simulator's data files (apt.dat, earth_fix.dat,
// user_fix.dat, earth_nav.dat, earth_awy.dat). A reader runs on the import thread, hands
// every item it builds to the database's mutation interface and reports progress through a
// callback, so that it needs neither the loader nor a thread of its own and can be driven
// alone from a test.
//
// The shape every reader follows (see XpLoader for how the import drives them):
// - constructor (Database *database, ProgressFn progress, CancelFn cancelled = {}), followed
//   by whatever collaborators of its own the reader needs;
// - int read(const QString &path): 0 once the file has been read, the reader's own failure
//   bit when it cannot be opened. Content never fails a read: faults are logged as warnings
//   that begin with the file's tag ("APT:", "FIX:", ...) and the row is skipped;
// - one progress text per 100 items added: the label translated in the "XpLoader" context,
//   a space and the count (progressEvery100);
// - the read stops early, returning as after a complete read, once cancelled() is true
//   (the application is quitting); the loader then saves nothing. It is asked on the pool's
//   threads as well, often enough that a quit does not wait for the file's end.
class NavDataReader
{
public:
    using ProgressFn = std::function<void(const QString &text)>;
    using CancelFn = std::function<bool()>;

    NavDataReader(Database *database, ProgressFn progress, CancelFn cancelled = {});
    virtual ~NavDataReader();

    NavDataReader(const NavDataReader &) = delete;
    NavDataReader &operator=(const NavDataReader &) = delete;

    virtual int read(const QString &path) = 0;

    // Rows handed to the database by the last read.
    int count() const { return m_count; }

    // Longest line a reader takes in; the rest of a longer line is skipped unread, so a file
    // that is not a text file cannot make the import hold it in memory as one line.
    static constexpr qint64 MaxLineLength = 64 * 1024;

    // Row fields: split at the space character, empty parts dropped (a tab separates nothing).
    static QStringList tokens(const QString &line);
    // Base 10 into 64 bits; 0 when it does not parse or lies outside the signed 32-bit range.
    static int toInt(const QString &token);
    // 0.0 when it does not parse or is not a finite number.
    static double toDouble(const QString &token);
    // The next line as UTF-8 text without its LF or CR LF; a UTF-8 byte-order mark at the
    // start of the file is dropped. False at the end of the device. A line longer than
    // MaxLineLength is cut there and the rest of it skipped; tooLong tells.
    static bool readLine(QIODevice &device, QString &line, bool *tooLong = nullptr);

protected:
    Database *database() const { return m_database; }
    bool cancelled() const { return m_cancelled && m_cancelled(); }
    // Counts one added item and sends "<label> <count>" on every 100th; the label is
    // translated in the "XpLoader" context.
    void countItem(const char *label);
    void resetCount() { m_count = 0; }

private:
    Database *m_database;
    ProgressFn m_progress;
    CancelFn m_cancelled;
    int m_count = 0;
};
