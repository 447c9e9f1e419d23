#pragma once

#include "basemodel.h"

#include <QHash>
#include <QPair>
#include <QString>

#include <memory>

class Boundary;
class LookupIndex;
class Paintlight;
class Point;
class Procedure;
class Runway;
class Segment;
class Startup;
class Taxiname;
class Taxiway;

// A whole set of database contents built away from the live lists: the nine item lists with
// their UID indexes, the runway index, the lookup indexes and the cycle. A load or an import
// fills one on its own thread while the views and lookups of the main thread keep reading the
// live lists; the database then takes it over on the main thread in one model reset.
//
// The thread filling a store registers it (Database::StagingScope): on that thread alone the
// database's lookups and add operations work on the store, so readers still find what they
// added before. Until it is handed over the store owns its items, and deletes them when it is
// dropped: nobody else has seen them.
class DatabaseStore
{
public:
    // Makes the store the one the calling thread fills, for the life of the scope.
    class Scope
    {
    public:
        explicit Scope(DatabaseStore *store);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        DatabaseStore *m_previous;
    };

    DatabaseStore();
    ~DatabaseStore();

    // The store the calling thread fills; null on every other thread.
    static DatabaseStore *current();

    // The member of the calling thread's store, or the live one given.
    template <typename C>
    static C &pick(C DatabaseStore::*member, C &live)
    {
        DatabaseStore *store = current();
        return store ? store->*member : live;
    }
    DatabaseStore(const DatabaseStore &) = delete;
    DatabaseStore &operator=(const DatabaseStore &) = delete;

    // Empties every list, deleting the items it owns.
    void clear();
    // The items belong to the database from now on; called by the thread that filled the
    // store, before the store leaves it.
    void handOver() { m_handedOver = true; }
    bool handedOver() const { return m_handedOver; }
    // Why the read refused its file, for the pilot: "memory" (the file itself may be whole),
    // "cut", "changed" (written while it was read), "damaged", "version" (of another format or
    // version) or "unreadable"; empty when it read the file, found none or was stopped.
    QString refusal;
    // Refuses the file as damaged, for the reason why, which may name a cut or a change; false.
    bool damaged(const QString &path, const QString &why);

    BaseModel<Boundary>::Contents boundaries;
    BaseModel<Point>::Contents points;
    BaseModel<Procedure>::Contents procedures;
    BaseModel<Runway>::Contents runways;
    BaseModel<Segment>::Contents segments;
    BaseModel<Taxiway>::Contents taxiways;
    BaseModel<Paintlight>::Contents paintlights;
    BaseModel<Taxiname>::Contents taxinames;
    BaseModel<Startup>::Contents startups;
    QHash<QPair<QString, QString>, Runway *> runwayIndex;
    std::unique_ptr<LookupIndex> lookupIndex;
    QString cycle;

private:
    void deleteItems();
    bool m_handedOver = false;
};
