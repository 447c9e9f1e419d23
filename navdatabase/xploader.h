#pragma once

#include "cifploader.h"

#include <QString>
#include <QStringList>
#include <QThread>

#include <functional>
#include <memory>

class Database;
class DatabaseStore;

// Builds the whole navigation database from the navigation data of a simulator folder on a
// thread of its own, then writes the database file.
//
// Each data file has a reader class of its own (NavDataReader): AptReader (apt.dat),
// FixReader (earth_fix.dat and user_fix.dat), NavReader (earth_nav.dat) and AwyReader
// (earth_awy.dat). A reader is built for one file on the import thread as
//     Reader reader(database, progress, cancelled [, collaborators of its own]);
//     int result = reader.read(path);
// where progress is a callback taking the progress text (the loader passes its own
// progress signal) and cancelled a callback that is true once the loader is being
// destroyed. read() returns 0 after reading and the reader's failure bit (1 apt.dat,
// 2 earth_fix.dat, 4 earth_nav.dat, 8 earth_awy.dat) when the file cannot be opened; the
// import ORs them. AptReader takes the loader's CifpLoader as its extra collaborator, to read
// each airport's procedure file right after adding the airport:
//     AptReader(Database *, ProgressFn, CancelFn, CifpLoader *)
//
// Threads: the readers fill a store of the import thread's own (DatabaseStore) inside one open
// modification: on that thread the database's lookups and add operations work on the store,
// while the main thread's lookups and views keep reading the working lists. A successful import
// writes the file from the store, then hands the store to the main thread, where it replaces
// the lists in one model reset before loaded is emitted; a failed one drops it and leaves the
// working database as it was, loaded and on disk. Destroying the loader while an import runs
// (or requestInterruption(), then wait()) stops the readers at the next checkpoint and waits
// for the thread: nothing is saved or installed then. A save under way is given up between its
// chunks, or while the new file waits for the main thread, the stored file left exactly as it
// was: the new one replaces it only after the main thread has handled what the pilot asked
// before. Nothing but that wait needs the main thread's event loop before done. What the
// readers had made is freed with the loader, not on the thread: a quit waits for the thread's
// end, and freeing a part of a world item by item would hold it for up to half a second.
class XpLoader : public QThread
{
    Q_OBJECT

public:
    explicit XpLoader(Database *database);
    ~XpLoader() override;

    Q_INVOKABLE QString autodetectXPPath();
    // Every folder autodetectXPPath tries, in its order: a search that finds nothing says where
    // it looked.
    Q_INVOKABLE QStringList autodetectCandidates() const;
    Q_INVOKABLE QString activeCycle();
    Q_INVOKABLE void loadAsync();

signals:
    void progress(const QString &message);
    void done();

protected:
    void run() override;

private:
    // The whole import; run() adds what the thread's end needs.
    void import();
    void setPaths(const QString &xpPath, bool customData);
    int missingFiles();

    int loadAirports();
    int loadFix();
    int loadNav();
    int loadAwy();
    int loadUserFix();

    void reportProgress(const QString &text);
    bool stopping() const;
    // stopping() for the readers and the save, asked between their steps; throws std::bad_alloc
    // once the address space runs short (MemoryHeadroom), before an allocation inside Qt fails.
    bool cancelled() const;

    void finish(const std::shared_ptr<DatabaseStore> &store, const std::function<void()> &stop);
    // Waits until the main thread has handled what was queued before the call; false once the
    // loader is stopping, or a quit was decided there meanwhile.
    bool mainThreadAgrees() const;
    void addPredefinedTracks();

    Database *m_database;
    CifpLoader m_cifpLoader;
    QString m_aptPath;
    QString m_aptDefaultPath;
    QString m_aptGlobalPath;
    QString m_fixPath;
    QString m_navPath;
    QString m_awyPath;
    QString m_fixCycle;
    QString m_awyCycle;
    QString m_cifpPath;
    // The store of an import that stopped, freed with the loader (see above).
    std::shared_ptr<DatabaseStore> m_stopped;
    // Set by loadAsync once it has opened the modification and emptied the models on the
    // main thread; run() otherwise opens the modification itself.
    bool m_prepared = false;
};
