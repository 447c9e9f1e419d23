#pragma once

#include <QAtomicInt>
#include <QByteArray>
#include <QGeoCoordinate>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QRecursiveMutex>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QDataStream;
class QQmlContext;

class BaseItem;
class Point;
class Airport;
class Runway;
class Segment;
class Procedure;
class Boundary;
class Taxiway;
class Paintlight;
class Taxiname;
class Startup;
template <typename T>
class BaseModel;
class ItemFilterModel;
class ListProxyModel;
class MapProxyModel;
class LookupIndex;
class DatabaseStore;

namespace Routing {
struct Graph;
}

// The process-wide navigation database: the nine item lists, their views for QML and the
// modification protocol the route search relies on.
//
// The database owns its items. When a load, an import or clear() replaces the lists, the
// previous items live on until itemsReplaced() has been emitted on the database's thread:
// whoever holds an item (the flight plan's waypoints, the procedure display, the route
// generator) takes the item of the same UID from the new lists there, or lets it go; the
// previous items are deleted after it, a slice per turn of the event loop.
class Database : public QThread
{
    Q_OBJECT
    Q_PROPERTY(QString cycle READ cycle CONSTANT)
    Q_PROPERTY(int pointCount READ navigationPointCount CONSTANT)
    Q_PROPERTY(int segmentCount READ segmentCount CONSTANT)

public:
    Database();
    ~Database() override;

    // ---- singleton and properties
    static Database *instance();
    // The database, or null before there is one.
    static Database *existing() { return instanceOrNull(); }
    static QString cycle();
    // Rows of the point list, coordinate points included (rows for pointAt).
    static int pointCount();
    // The points the data brought: the list less the coordinate points that plans and picks on
    // the map add to it, which a new database or a restart would not count.
    static int navigationPointCount();
    static int segmentCount();
    static Point *placeholderPoint();
    static void setCycle(const QString &cycle);

    BaseModel<Boundary> *boundaryModel() const { return m_boundaryModel; }
    BaseModel<Point> *pointModel() const { return m_pointModel; }
    BaseModel<Procedure> *procedureModel() const { return m_procedureModel; }
    BaseModel<Runway> *runwayModel() const { return m_runwayModel; }
    BaseModel<Segment> *segmentModel() const { return m_segmentModel; }
    BaseModel<Taxiway> *taxiwayModel() const { return m_taxiwayModel; }
    BaseModel<Paintlight> *paintlightModel() const { return m_paintlightModel; }
    BaseModel<Taxiname> *taxinameModel() const { return m_taxinameModel; }
    BaseModel<Startup> *startupModel() const { return m_startupModel; }
    ListProxyModel *pointListModel() const { return m_pointListModel; }
    ListProxyModel *airportListModel() const { return m_airportListModel; }
    MapProxyModel *pointMapModel() const { return m_pointMapModel; }
    MapProxyModel *segmentMapModel() const { return m_segmentMapModel; }
    MapProxyModel *boundaryMapModel() const { return m_boundaryMapModel; }
    MapProxyModel *runwayMapModel() const { return m_runwayMapModel; }
    MapProxyModel *taxiwayMapModel() const { return m_taxiwayMapModel; }
    MapProxyModel *paintlightMapModel() const { return m_paintlightMapModel; }
    MapProxyModel *taxinameMapModel() const { return m_taxinameMapModel; }
    MapProxyModel *startupMapModel() const { return m_startupMapModel; }
    const QHash<QPair<QString, QString>, Runway *> &runwayIndex() const { return m_runwayIndex; }
    QString filePath() const { return m_filePath; }

    void registerModels(QQmlContext *context);

    Q_INVOKABLE void clear();
    Q_INVOKABLE bool empty() const;
    // Why empty() holds: the lists without a row, of "points", "segments", "runways",
    // "boundaries" and "taxiways", in that order.
    Q_INVOKABLE QStringList emptyLists() const;
    // Why the last load refused the stored file, for the pilot (DatabaseStore::refusal): "memory"
    // when it was for want of memory rather than for its file, which the pilot must then not be
    // sent to rebuild; "cut", "changed", "damaged", "version", "unreadable"; empty otherwise.
    Q_INVOKABLE QString loadRefusal() const { return m_refusal; }
    Q_INVOKABLE QString fileName();

    // ---- stored file (databasefile.cpp)
    // Each returns false, and leaves an existing file as it was, when the file cannot be
    // written completely.
    Q_INVOKABLE bool save() const;
    // The same, given up once stop() is true (asked between chunks, up to the commit): false,
    // with the stored file as it was and no temporary left. mayReplace(), when given, is asked
    // once the new file is whole, last before it replaces the old one: false gives it up too.
    // Why the file could not be written, when the system said, in error.
    bool save(const std::function<bool()> &stop, const std::function<bool()> &mayReplace = {},
              QString *error = nullptr) const;
    Q_INVOKABLE bool writeBinFile(const QByteArray &bytes);
    Q_INVOKABLE void removeBinFile();
    // Reads the file on the calling thread; meant for the main thread, where the views live.
    Q_INVOKABLE bool load();
    // Reads the file on the database's own thread; the lists change, and loaded follows, on
    // the main thread. A call while a load is under way is ignored.
    Q_INVOKABLE void loadAsync();
    // Starts reading the stored file on a thread of its own, into a store nobody sees, while the
    // program builds its interface: the next loadAsync takes what was read (waiting for the rest)
    // instead of reading the file again, unless the file has changed since. Its signals are
    // those of a load that read the file itself: the progress texts come again from loadAsync on.
    void readAhead();
    // Like loadAsync, for a new database file at path (a download): only when it is read whole
    // does it replace the database file and the lists; otherwise it is removed, and the lists
    // and the file in use stay. loaded tells which.
    void loadReplacementAsync(const QString &path);
    // Reads the file and, when the whole file could be read, replaces the lists with its
    // contents; a damaged or foreign file leaves the lists empty. Caller holds a modification.
    bool readBinFile();

    // ---- staged contents
    // Replaces the whole contents by those of a store filled on another thread (or this one),
    // inside one reset of the nine models, on the database's own thread. With share the store
    // keeps its lists (they are shared until either side changes them), so that the thread that
    // filled it can still read them; otherwise they are moved out. The store must have been
    // handed over (DatabaseStore::handOver).
    void installStore(DatabaseStore &store, bool share);
    // Emits loaded right after installStore: the models were just reset with the new lists,
    // so the refresh that loaded triggers leaves the views alone instead of filtering them a
    // second time. On the database's own thread.
    void announceLoaded(bool result);

    // ---- routing graph (databaserouting.cpp)
    // The graph of the current generation, built on first request and shared until the data
    // changes; null while a modification is open, when cancelled returns true, or when the
    // data changed during the build. Concurrent callers share one build. Must not be called
    // with the database mutex held. Memory running out throws std::bad_alloc and leaves the
    // database as it was, with no graph kept: the next call builds anew.
    std::shared_ptr<const Routing::Graph> routingGraph(const std::function<bool()> &cancelled = {});

    // ---- modification protocol
    void beginModifying();
    void endModifying();
    // Caller holds the mutex.
    void dropRoutingGraph();
    qint64 generation();
    bool runIfUnchanged(qint64 generation, const std::function<void()> &fn);
    QRecursiveMutex *mutex() { return &m_mutex; }
    bool isModifying() const { return m_modifying.loadAcquire() != 0; }
    // Raised, under the mutex, each time the lists are replaced (load, import, clear): an item
    // obtained under an earlier value may be deleted by the time it is used.
    quint64 storeSerial() const { return m_storeSerial.loadAcquire(); }
    // Whether replaced items still wait to be deleted (a few milliseconds' worth per event).
    // (Then the pages they took go back to the system, beside the user interface.)
    bool retiring() const;

    // ---- lookups by UID
    static Point *findPoint(const QString &uid, bool warn = true);
    static Point *findPointOrWarn(const QString &uid);
    // Of the point of the UID and the later points of the same region, terminal and code (the
    // import gives them the UIDs that follow, BaseItem::nextUid), those of the first type listed
    // that has any, in row order; empty when none is of a listed type.
    static QList<Point *> pointsOfType(const QString &uid, std::initializer_list<int> types);
    // The point of the UID and every later one of the same region, terminal and code.
    static QList<Point *> pointsOfUid(const QString &uid);
    // The candidate nearest the position (the first on a tie or an invalid position): points
    // of one UID chain may lie half a world apart, and a data row that names one means the one
    // near its other points.
    static Point *nearestTo(const QList<Point *> &candidates, const QGeoCoordinate &near);
    static Point *lookupPoint(QString uid, bool warn = true);
    static Point *findAirport(const QString &code, bool warn = true);
    static Segment *findSegment(const QString &uid, bool warn = true);
    static Procedure *findProcedure(const QString &uid, bool warn = true);
    static Runway *findRunway(const QString &uid);
    static int pointIndex(const QString &uid);

    // ---- runway index
    static Runway *findRunwayEnd(Point *airport, const QString &name);
    static Runway *findRunwayOfAirport(const QString &airportCode, const QString &name);

    // ---- by row
    static Point *pointAt(int row);
    static Segment *segmentAt(int row);

    // ---- by attributes
    static Point *findNear(const QString &code, int type, double latitude, double longitude);
    static Point *findNear(const QString &code, Point *near);
    static Point *findPointByName(const QString &name, const QString &terminal, const QStringList &regions, int type,
                                  bool warn = true);
    static Point *findEnrouteFix(const QString &code, const QStringList &regions, bool warn = true);
    static Segment *findSegmentBetween(Point *from, Point *to);
    static Segment *findSegmentIn(const QList<Segment *> &segments, Point *from, Point *to);
    static bool hasSegmentsAt(Point *point, bool outgoing, bool incoming, bool high, bool low);
    static bool hasProcedures(Point *airport);
    static Point *segmentFrom(Segment *segment);
    static Point *segmentTo(Segment *segment);

    // ---- by distance and chance
    static Point *nearestPoint(Point *reference, const QList<Point *> &candidates);
    static Point *nearestAlternate(Point *airport);
    static Point *randomAirport();

    // ---- cross-model queries
    static QList<Segment *> segmentsAt(Point *point, bool outgoing, bool incoming);
    static QList<Segment *> segmentsToward(Point *point, bool outgoing, bool incoming, Point *target, int tolerance);
    static QList<Runway *> runwaysOf(Point *airport);
    static QStringList runwayEndNames(Point *airport);
    static QList<Procedure *> proceduresOf(Point *airport, int type);
    static QList<Procedure *> proceduresOfRunway(const QString &airportCode, int type, const QString &runway);
    static QList<Procedure *> proceduresThrough(Point *point, Point *airport, int type);
    static Procedure *procedureThrough(Point *point, Point *airport, int type);
    static QList<Point *> sidOutputs(Point *airport);
    static QList<Point *> starInputs(Point *airport);
    static QList<Point *> navaidsToward(Point *point, double minNm, double maxNm, Point *target, int tolerance,
                                        bool radioOnly);

    // ---- mutation
    void addPoint(Point *point);
    void addSegment(Segment *segment);
    void removeSegmentsOfType(int type);
    void replaceSegments(int type, const QList<Segment *> &segments);
    void addRunway(Runway *runway);
    // Adopted and kept; the procedure model and its queries build on these.
    void addProcedure(Procedure *procedure);
    void addBoundary(Boundary *boundary);
    void addTaxiway(Taxiway *taxiway);
    void addPaintlight(Paintlight *paintlight);
    void addTaxiname(Taxiname *taxiname);
    void addStartup(Startup *startup);
    void indexRunway(Runway *runway);
    static Point *getOrAddCoordPoint(const QGeoCoordinate &position, bool notify);
    Q_INVOKABLE QString getOrAddCoordPointUid(const QGeoCoordinate &position);

    static void readPaintlights(QDataStream &stream, BaseModel<Paintlight> *model);
    static void readTaxinames(QDataStream &stream, BaseModel<Taxiname> *model);
    static void readStartups(QDataStream &stream, BaseModel<Startup> *model);

    // Refreshes the segment model and its map view alone, for a change that touched the
    // segments and nothing else (the oceanic tracks).
    void invalidateSegments();
    // After a change of the segments alone, on the database's own thread: refreshes them
    // (invalidateSegments) and emits updated for its listeners, whose model refresh then
    // leaves the eight untouched models and their views alone.
    void segmentsReplaced();

signals:
    // On the database's thread, after the lists were replaced, while the previous items still
    // exist: connect directly and take every held item again by UID (or drop it).
    void itemsReplaced();
    void updated();
    void loaded(bool result);
    void progress(const QString &text);

public slots:
    void invalidateModels();

protected:
    // The loading thread started by loadAsync.
    void run() override;

private:
    // Fills the store from the file at path, on the calling thread, with the store registered
    // there; progress gets the texts for the splash, stop ends the read early.
    bool readStoredFile(DatabaseStore &store, const QString &path, bool fullDetail,
                        const std::function<void(const QString &)> &progress, const std::function<bool()> &stop);
    // The same, but an allocation that fails goes out to the caller.
    bool readStoredFileUnguarded(DatabaseStore &store, const QString &path, bool fullDetail,
                                 const std::function<void(const QString &)> &progress,
                                 const std::function<bool()> &stop);
    // The loading thread's read into a store of its own, which is null (ok false) when even that
    // cannot be made.
    std::shared_ptr<DatabaseStore> readStoredFile(const QString &path, bool fullDetail, bool &ok);
    static bool fullDetailStored();
    struct ReadAhead;
    // Stops a read-ahead nobody took and drops what it read; for the destructor.
    void dropReadAhead();
    // What the read-ahead of the file at path gave, when it read that very file; null otherwise
    // (the read-ahead is let go). On the loading thread; the texts it has are emitted first.
    std::shared_ptr<ReadAhead> adoptReadAhead(std::shared_ptr<ReadAhead> ahead, const QString &path, bool fullDetail);
    // Starts the loading thread; a thread that cannot be made fails the load as a file refused.
    void startLoad();
    // The store is read only when ok.
    void finishAsyncLoad(DatabaseStore *store, bool ok);
    static void indexRunwayIn(QHash<QPair<QString, QString>, Runway *> &index, Runway *runway);
    static void indexRunways(DatabaseStore &store);
    // Moves the lists out into the store returned, resetting the models around it when asked
    // (only on the views' thread). Caller holds the mutex.
    std::unique_ptr<DatabaseStore> takeLists(bool tellViews);
    // Announces itemsReplaced, then deletes the items of the store, with the segments retired
    // since (deleteRetired); on the database's thread, queued there from any other.
    void retire(std::unique_ptr<DatabaseStore> items);
    // Deletes the replaced items, a few milliseconds' worth at a time; what is left when the
    // database goes is deleted by its destructor.
    void deleteRetired();
    void releaseFreedPages();
    // What the calling thread works on: the store it fills, or the live indexes.
    LookupIndex &currentLookupIndex();
    QHash<QPair<QString, QString>, Runway *> &currentRunwayIndex();

    // The cross-model queries answer empty rather than end the program without a database.
    static Database *instanceOrNull();
    QList<ItemFilterModel *> filterModels() const;

    QRecursiveMutex m_mutex;
    qint64 m_generation = 1;
    QAtomicInt m_modifying = 0;
    std::shared_ptr<Routing::Graph> m_routingGraph;

    BaseModel<Boundary> *m_boundaryModel = nullptr;
    BaseModel<Point> *m_pointModel = nullptr;
    BaseModel<Procedure> *m_procedureModel = nullptr;
    BaseModel<Runway> *m_runwayModel = nullptr;
    BaseModel<Segment> *m_segmentModel = nullptr;
    BaseModel<Taxiway> *m_taxiwayModel = nullptr;
    BaseModel<Paintlight> *m_paintlightModel = nullptr;
    BaseModel<Taxiname> *m_taxinameModel = nullptr;
    BaseModel<Startup> *m_startupModel = nullptr;
    QHash<QPair<QString, QString>, Runway *> m_runwayIndex;
    ListProxyModel *m_pointListModel = nullptr;
    ListProxyModel *m_airportListModel = nullptr;
    MapProxyModel *m_boundaryMapModel = nullptr;
    MapProxyModel *m_pointMapModel = nullptr;
    MapProxyModel *m_runwayMapModel = nullptr;
    MapProxyModel *m_segmentMapModel = nullptr;
    MapProxyModel *m_taxiwayMapModel = nullptr;
    MapProxyModel *m_paintlightMapModel = nullptr;
    MapProxyModel *m_taxinameMapModel = nullptr;
    MapProxyModel *m_startupMapModel = nullptr;
    QString m_filePath;
    // The file loadReplacementAsync reads, until its load is finished.
    QString m_replacement;
    // The importer sets the cycle on its thread while QML reads it.
    QMutex m_cycleMutex;
    QString m_cycle;
    bool m_lastLoadResult = false;
    QString m_refusal;
    // Set while the models have just been reset by installStore and loaded is being emitted:
    // the refresh that loaded triggers has nothing left to do.
    bool m_viewsCurrent = false;
    // From loadAsync until its lists are installed on the main thread.
    QAtomicInt m_loadPending = 0;
    // The read-ahead not yet taken by a load, and the one the running load takes (main thread
    // until the load starts).
    std::shared_ptr<ReadAhead> m_readAhead;
    std::shared_ptr<ReadAhead> m_loadReadAhead;
    // Set by the destructor: a graph build in progress stops.
    QAtomicInt m_closing = 0;
    // Held for the whole of a graph build, so that a second caller waits for the first graph
    // instead of building its own.
    QMutex m_graphBuildMutex;
    Point *m_placeholder = nullptr;

    // Secondary indexes that keep the scans usable on a world-size database.
    std::unique_ptr<LookupIndex> m_lookupIndex;
    // Segments removed by type stay allocated here until the next replacement of the lists:
    // waypoints and the route search may still hold them.
    QList<Segment *> m_retiredSegments;
    QAtomicInteger<quint64> m_storeSerial = 0;
    // Items replaced and let go of by their holders, deleted from m_doomedNext on (main thread).
    std::vector<BaseItem *> m_doomed;
    std::size_t m_doomedNext = 0;
    // Releases of freed pages under way.
    static std::atomic<int> s_pagesPending;
    bool m_deletionScheduled = false;
};
