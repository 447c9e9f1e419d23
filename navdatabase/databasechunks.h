#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>

class Boundary;
class DatabaseStore;
class Paintlight;
class Point;
class Procedure;
class Runway;
class Segment;
class Startup;
class StoredFile;
class Taxiname;
class Taxiway;

// The database file in the chunked layout (ChunkedFile): a first chunk with the format number,
// the application version and the cycle, then each of the nine lists in the order of the
// single-stream file, cut into chunks of a fixed number of items. Each chunk holds its items'
// records back to back, as the single-stream file does after the list's count; the count is in
// the chunk table. Chunks are written, compressed, expanded and read on every core; the bytes
// and the lists read back do not depend on how many there are.
class DatabaseChunks
{
public:
    struct Lists
    {
        const QList<Point *> &points;
        const QList<Procedure *> &procedures;
        const QList<Segment *> &segments;
        const QList<Runway *> &runways;
        const QList<Boundary *> &boundaries;
        const QList<Taxiway *> &taxiways;
        const QList<Paintlight *> &paintlights;
        const QList<Taxiname *> &taxinames;
        const QList<Startup *> &startups;
    };

    // The whole file, written to device chunk by chunk; the number of bytes written, or -1 when
    // it cannot be made or written, or stop() became true while the chunks were made (asked
    // between them; nothing is written to device then). Null rows are left out. Logs "Saved"
    // with each list's count.
    static qint64 write(QIODevice &device, qint32 format, const QString &cycle, const Lists &lists,
                        const std::function<bool()> &stop = {});

    struct Reading
    {
        qint32 format = 0;      // the one this program writes; others are refused
        bool fullDetail = true; // false: paintings, taxi names and start-ups stay unread
        QString path;           // for the messages
        std::function<void(const QString &)> progress;
        std::function<bool()> stop;
        // Called once on a helper thread as soon as the points, segments and runways are in the
        // store, while the lists after them are read; not called when the file has no runways.
        std::function<void()> routesRead;
    };
    // Fills the store's lists and cycle from a file in this layout; false, with a warning and
    // nothing left in the store, when it is damaged, of another format or version, changed while
    // it was read, or stop() became true. The calling thread's store scope must be the store
    // (segments find their ends there); the helper threads get it too.
    static bool read(const StoredFile &file, DatabaseStore &store, const Reading &reading);
};
