#include "database.h"

#include "airport.h"
#include "basemodel.h"
#include "boundary.h"
#include "databaselocker.h"
#include "databasestore.h"
#include "listproxymodel.h"
#include "lookupindex.h"
#include "mapproxymodel.h"
#include "orderedparallel.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QMutexLocker>
#include <QQmlContext>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <atomic>
#include <utility>

std::atomic<int> Database::s_pagesPending{0};

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *address);
#endif

namespace {

Database *s_database = nullptr;

// The points of a list that came with the data, without the coordinate points added to it.
int navigationPoints(const QList<Point *> &points)
{
    return int(std::count_if(points.cbegin(), points.cend(),
                             [](const Point *point) { return point && point->type() != Point::COORD; }));
}

template <typename T>
void resetModel(BaseModel<T> *model)
{
    if (!model)
        return;
    model->beginReset();
    model->endReset();
}

} // namespace

Database::Database()
    : QThread(nullptr)
    , m_boundaryModel(new BaseModel<Boundary>())
    , m_pointModel(new BaseModel<Point>())
    , m_procedureModel(new BaseModel<Procedure>())
    , m_runwayModel(new BaseModel<Runway>())
    , m_segmentModel(new BaseModel<Segment>())
    , m_taxiwayModel(new BaseModel<Taxiway>())
    , m_paintlightModel(new BaseModel<Paintlight>())
    , m_taxinameModel(new BaseModel<Taxiname>())
    , m_startupModel(new BaseModel<Startup>())
    , m_pointListModel(new ListProxyModel())
    , m_airportListModel(new ListProxyModel())
    , m_boundaryMapModel(new MapProxyModel())
    , m_pointMapModel(new MapProxyModel())
    , m_runwayMapModel(new MapProxyModel())
    , m_segmentMapModel(new MapProxyModel())
    , m_taxiwayMapModel(new MapProxyModel())
    , m_paintlightMapModel(new MapProxyModel())
    , m_taxinameMapModel(new MapProxyModel())
    , m_startupMapModel(new MapProxyModel())
    , m_lookupIndex(std::make_unique<LookupIndex>())
{
    if (s_database)
        qFatal("Database singleton already defined!");
    s_database = this;

    // Never shown by any view: the flight-plan reader builds each waypoint on it first.
    m_placeholder = new Point(Point::UNKNOWN, QGeoCoordinate(), QStringLiteral("----"), QString(), QString(), QString(),
                              0, 0.0f, QString());
    m_lastLoadResult = false;

    m_pointListModel->setSourceModel(m_pointModel);
    m_pointListModel->setTypeFilter(true, Point::AIRP);
    m_pointListModel->setTypeFilter(true, Point::NDB);
    m_pointListModel->setTypeFilter(true, Point::VOR);
    m_pointListModel->setTypeFilter(true, Point::DME);
    m_airportListModel->setSourceModel(m_pointModel);
    m_airportListModel->setTypeFilter(true, Point::AIRP);
    m_segmentMapModel->setSourceModel(m_segmentModel);
    m_boundaryMapModel->setSourceModel(m_boundaryModel);
    m_pointMapModel->setSourceModel(m_pointModel);
    m_runwayMapModel->setSourceModel(m_runwayModel);
    m_taxiwayMapModel->setSourceModel(m_taxiwayModel);
    m_paintlightMapModel->setSourceModel(m_paintlightModel);
    m_taxinameMapModel->setSourceModel(m_taxinameModel);
    m_startupMapModel->setSourceModel(m_startupModel);

    connect(this, &Database::loaded, this, &Database::updated);
    connect(this, &Database::updated, this, &Database::invalidateModels);
    // Lists installed on another thread reach the views later than the retired items go.
    for (ItemFilterModel *filter : filterModels())
        connect(this, &Database::itemsReplaced, filter, &ItemFilterModel::sourceItemsReplaced, Qt::DirectConnection);

    m_filePath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + fileName();

    m_pointMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/airportVisibility"), true), Point::AIRP);
    m_pointMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/ndbVisibility"), true), Point::NDB);
    const bool vordme = Settings::getBool(QStringLiteral("map/vordmeVisibility"), true);
    m_pointMapModel->setTypeFilter(vordme, Point::VOR);
    m_pointMapModel->setTypeFilter(vordme, Point::DME);
    m_pointMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/fixVisibility"), true), Point::FIX);
    m_pointMapModel->setTypeFilter(true, Point::COORD);
    m_segmentMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/highSegmentVisibility"), true),
                                     Segment::HIGH);
    m_segmentMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/lowSegmentVisibility"), true), Segment::LOW);
    m_segmentMapModel->setTypeFilter(Settings::getBool(QStringLiteral("map/trackSegmentVisibility"), true),
                                     Segment::TRACK);
    const bool ground = Settings::getBool(QStringLiteral("map/airportGroundVisibility"), true);
    m_boundaryMapModel->setTypeFilter(ground);
    m_runwayMapModel->setTypeFilter(ground);
    m_taxiwayMapModel->setTypeFilter(ground);
    m_paintlightMapModel->setTypeFilter(ground);
    m_taxinameMapModel->setTypeFilter(ground);
    m_startupMapModel->setTypeFilter(ground);

    m_pointMapModel->setMinZoom(3.0);
    m_segmentMapModel->setMinZoom(3.0);
    m_boundaryMapModel->setMinZoom(10.0);
    m_runwayMapModel->setMinZoom(10.0);
    m_taxiwayMapModel->setMinZoom(10.0);
    m_paintlightMapModel->setMinZoom(10.0);
    m_taxinameMapModel->setMinZoom(10.0);
    m_startupMapModel->setMinZoom(10.0);
}

// The items stay alive: waypoints, procedures and a running route search may still point at
// them. The singleton is not reset. A load still running is stopped and waited for (its lists
// are dropped unseen), and so is a routing-graph build.
Database::~Database()
{
    m_closing.storeRelease(1);
    requestInterruption();
    wait();
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(this);
#endif
    // A downloaded file still being read was never installed: nothing of it stays beside the
    // working file.
    if (!m_replacement.isEmpty())
        QFile::remove(std::exchange(m_replacement, QString()));
    dropReadAhead();
    m_graphBuildMutex.lock();
    m_graphBuildMutex.unlock();
    // The filters first: their destructors wait for any index build still reading the items.
    for (ItemFilterModel *filter : filterModels())
        delete filter;
    // The database goes last of the data objects: nothing holds its items any more.
    {
        DatabaseLocker locker(&m_mutex);
        takeLists(false)->clear();
        qDeleteAll(m_retiredSegments);
        m_retiredSegments.clear();
        for (; m_doomedNext < m_doomed.size(); ++m_doomedNext)
            delete m_doomed[m_doomedNext];
        m_doomed.clear();
    }
    delete m_placeholder;
    m_placeholder = nullptr;
    m_runwayIndex.clear();
    delete m_startupModel;
    delete m_taxinameModel;
    delete m_paintlightModel;
    delete m_taxiwayModel;
    delete m_segmentModel;
    delete m_runwayModel;
    delete m_procedureModel;
    delete m_pointModel;
    delete m_boundaryModel;
    m_routingGraph.reset();
}

QList<ItemFilterModel *> Database::filterModels() const
{
    return {m_pointListModel,  m_airportListModel, m_boundaryMapModel,   m_pointMapModel,    m_runwayMapModel,
            m_segmentMapModel, m_taxiwayMapModel,  m_paintlightMapModel, m_taxinameMapModel, m_startupMapModel};
}

Database *Database::instance()
{
    if (!s_database)
        qFatal("Database singleton not allocated!");
    return s_database;
}

Database *Database::instanceOrNull()
{
    return s_database;
}

QString Database::cycle()
{
    Database *db = instance();
    if (const DatabaseStore *store = DatabaseStore::current())
        return store->cycle;
    QMutexLocker locker(&db->m_cycleMutex);
    return db->m_cycle;
}

void Database::setCycle(const QString &cycle)
{
    Database *db = instance();
    if (DatabaseStore *store = DatabaseStore::current()) {
        store->cycle = cycle;
        return;
    }
    QMutexLocker locker(&db->m_cycleMutex);
    db->m_cycle = cycle;
}

int Database::pointCount()
{
    Database *db = instance();
    return DatabaseStore::pick(&DatabaseStore::points, db->m_pointModel->contents()).count();
}

int Database::navigationPointCount()
{
    Database *db = instance();
    return navigationPoints(DatabaseStore::pick(&DatabaseStore::points, db->m_pointModel->contents()).items());
}

int Database::segmentCount()
{
    Database *db = instance();
    return DatabaseStore::pick(&DatabaseStore::segments, db->m_segmentModel->contents()).count();
}

LookupIndex &Database::currentLookupIndex()
{
    DatabaseStore *store = DatabaseStore::current();
    return store ? *store->lookupIndex : *m_lookupIndex;
}

QHash<QPair<QString, QString>, Runway *> &Database::currentRunwayIndex()
{
    return DatabaseStore::pick(&DatabaseStore::runwayIndex, m_runwayIndex);
}

Point *Database::placeholderPoint()
{
    return instance()->m_placeholder;
}

QString Database::fileName()
{
    return QStringLiteral("database_v") + QCoreApplication::applicationVersion() + QStringLiteral(".bin");
}

void Database::registerModels(QQmlContext *context)
{
    if (!context) {
        qWarning() << "Cannot register models into NULL Qml context!";
        return;
    }
    context->setContextProperty(QStringLiteral("pointModel"), m_pointModel);
    context->setContextProperty(QStringLiteral("pointListModel"), m_pointListModel);
    context->setContextProperty(QStringLiteral("airportListModel"), m_airportListModel);
    context->setContextProperty(QStringLiteral("segmentMapModel"), m_segmentMapModel);
    context->setContextProperty(QStringLiteral("boundaryMapModel"), m_boundaryMapModel);
    context->setContextProperty(QStringLiteral("pointMapModel"), m_pointMapModel);
    context->setContextProperty(QStringLiteral("runwayMapModel"), m_runwayMapModel);
    context->setContextProperty(QStringLiteral("taxiwayMapModel"), m_taxiwayMapModel);
    context->setContextProperty(QStringLiteral("paintlightMapModel"), m_paintlightMapModel);
    context->setContextProperty(QStringLiteral("taxinameMapModel"), m_taxinameMapModel);
    context->setContextProperty(QStringLiteral("startupMapModel"), m_startupMapModel);
}

void Database::invalidateModels()
{
    // The models were reset with their new contents a moment ago, and the views filtered
    // them then: a second pass would only repeat it.
    if (m_viewsCurrent)
        return;
    resetModel(m_boundaryModel);
    resetModel(m_pointModel);
    resetModel(m_procedureModel);
    resetModel(m_runwayModel);
    resetModel(m_segmentModel);
    resetModel(m_taxiwayModel);
    resetModel(m_paintlightModel);
    resetModel(m_taxinameModel);
    resetModel(m_startupModel);
    m_segmentMapModel->invalidate();
    m_boundaryMapModel->invalidate();
    m_pointMapModel->invalidate();
    m_runwayMapModel->invalidate();
    m_taxiwayMapModel->invalidate();
    m_paintlightMapModel->invalidate();
    m_taxinameMapModel->invalidate();
    m_startupMapModel->invalidate();
    m_pointListModel->invalidate();
}

// The reset alone makes the map view filter the rows again, and only when it next reads them.
void Database::invalidateSegments()
{
    resetModel(m_segmentModel);
}

void Database::segmentsReplaced()
{
    invalidateSegments();
    m_viewsCurrent = true;
    emit updated();
    m_viewsCurrent = false;
}

bool Database::empty() const
{
    return !emptyLists().isEmpty();
}

QStringList Database::emptyLists() const
{
    auto lists = [](qsizetype points, qsizetype segments, qsizetype runways, qsizetype boundaries, qsizetype taxiways) {
        QStringList names;
        if (points == 0)
            names << QStringLiteral("points");
        if (segments == 0)
            names << QStringLiteral("segments");
        if (runways == 0)
            names << QStringLiteral("runways");
        if (boundaries == 0)
            names << QStringLiteral("boundaries");
        if (taxiways == 0)
            names << QStringLiteral("taxiways");
        return names;
    };
    if (const DatabaseStore *store = DatabaseStore::current())
        return lists(navigationPoints(store->points.items()), store->segments.count(), store->runways.count(),
                     store->boundaries.count(), store->taxiways.count());
    return lists(navigationPoints(m_pointModel->items()), m_segmentModel->count(), m_runwayModel->count(),
                 m_boundaryModel->count(), m_taxiwayModel->count());
}

void Database::clear()
{
    std::unique_ptr<DatabaseStore> previous;
    {
        DatabaseLocker locker(&m_mutex);
        dropRoutingGraph();
        if (DatabaseStore *store = DatabaseStore::current()) {
            // A thread filling a store starts it over; the live lists are not its to touch.
            store->clear();
            return;
        }
        setCycle(QString());
        // The views live on the main thread: on a worker (the import) only the lists are
        // emptied, and the queued updated() resets the models there.
        previous = takeLists(QThread::currentThread() == thread());
        emit updated();
    }
    retire(std::move(previous));
}

std::unique_ptr<DatabaseStore> Database::takeLists(bool tellViews)
{
    auto previous = std::make_unique<DatabaseStore>();
    auto take = [tellViews](auto *model, auto &contents) {
        if (tellViews)
            model->beginReset();
        contents.swap(model->contents());
        if (tellViews)
            model->endReset();
    };
    take(m_boundaryModel, previous->boundaries);
    take(m_pointModel, previous->points);
    take(m_procedureModel, previous->procedures);
    m_runwayIndex.clear();
    take(m_runwayModel, previous->runways);
    take(m_segmentModel, previous->segments);
    take(m_taxiwayModel, previous->taxiways);
    take(m_paintlightModel, previous->paintlights);
    take(m_taxinameModel, previous->taxinames);
    take(m_startupModel, previous->startups);
    m_lookupIndex->reset();
    m_storeSerial.ref();
    return previous;
}

void Database::retire(std::unique_ptr<DatabaseStore> items)
{
    if (!items)
        return;
    std::shared_ptr<DatabaseStore> previous(std::move(items));
    auto release = [this, previous]() mutable {
        // A holder may add coordinate points for items that are gone; the views hear of them.
        const int points = m_pointModel->count();
        emit itemsReplaced();
        if (m_pointModel->count() != points) {
            m_pointModel->reset();
            m_pointMapModel->invalidate();
            m_pointListModel->invalidate();
        }
        QList<Segment *> segments;
        {
            DatabaseLocker locker(&m_mutex);
            segments.swap(m_retiredSegments);
        }
        // Segments and procedures name points, so the points go last.
        const auto doom = [this](const auto &list) {
            for (auto *item : list) {
                if (item)
                    m_doomed.push_back(item);
            }
        };
        doom(segments);
        doom(previous->segments.items());
        doom(previous->procedures.items());
        doom(previous->runways.items());
        doom(previous->boundaries.items());
        doom(previous->taxiways.items());
        doom(previous->paintlights.items());
        doom(previous->taxinames.items());
        doom(previous->startups.items());
        doom(previous->points.items());
        // The lists and indexes themselves hold no item of their own any more: another thread
        // frees them. Not the global pool's: a thread it cannot make stays counted as busy, and
        // the program's exit would wait for it for ever.
        previous->handOver();
        OrderedParallel::beside([store = std::move(previous)] {}).detach();
        deleteRetired();
    };
    if (QThread::currentThread() == thread())
        release();
    else
        QMetaObject::invokeMethod(this, release, Qt::QueuedConnection);
}

// The items are QObjects that QML may have seen, so they are deleted on this thread; a
// world-size set takes a second or more, so it goes in slices, each short enough for the user
// interface to draw between them.
void Database::deleteRetired()
{
    constexpr qint64 kSliceNanoseconds = 6 * 1000 * 1000;
    QElapsedTimer slice;
    slice.start();
    while (m_doomedNext < m_doomed.size()) {
        delete m_doomed[m_doomedNext++];
        if (m_doomedNext % 64 == 0 && slice.nsecsElapsed() > kSliceNanoseconds)
            break;
    }
    if (m_doomedNext < m_doomed.size()) {
        // A timer, not a queued call: queued calls posted while the queue is worked off run in
        // the same pass, and timers and painting would wait for all of them.
        if (!m_deletionScheduled) {
            m_deletionScheduled = true;
            QTimer::singleShot(1, this, [this] {
                m_deletionScheduled = false;
                deleteRetired();
            });
        }
        return;
    }
    const bool freed = !m_doomed.empty();
    m_doomed.clear();
    m_doomed.shrink_to_fit();
    m_doomedNext = 0;
    if (freed)
        releaseFreedPages();
}

// A world's worth of small items leaves its pages with the allocator once deleted: they lie
// among blocks still in use, so the heap never shrinks by itself, and every reload would add
// the next world's pages to the process. They go back to the system once the old items are
// gone; the walk over the heap takes a while, so it runs beside the user interface.
void Database::releaseFreedPages()
{
#if defined(__GLIBC__)
    s_pagesPending.fetch_add(1);
    OrderedParallel::beside([] {
        malloc_trim(0);
        s_pagesPending.fetch_sub(1);
    }).detach();
#endif
}

bool Database::retiring() const
{
    return m_doomedNext < m_doomed.size() || s_pagesPending.load() > 0;
}

// ---- modification protocol

void Database::beginModifying()
{
    DatabaseLocker locker(&m_mutex);
    m_modifying.ref();
    ++m_generation;
    m_routingGraph.reset();
}

void Database::endModifying()
{
    DatabaseLocker locker(&m_mutex);
    m_modifying.deref();
    ++m_generation;
    m_routingGraph.reset();
}

void Database::dropRoutingGraph()
{
    ++m_generation;
    m_routingGraph.reset();
}

qint64 Database::generation()
{
    // Refuse at once during a load instead of waiting for the loader to let go of the mutex.
    if (m_modifying.loadAcquire() != 0)
        return 0;
    DatabaseLocker locker(&m_mutex);
    if (m_modifying.loadAcquire() != 0)
        return 0;
    return m_generation;
}

bool Database::runIfUnchanged(qint64 generation, const std::function<void()> &fn)
{
    if (m_modifying.loadAcquire() != 0)
        return false;
    DatabaseLocker locker(&m_mutex);
    if (m_modifying.loadAcquire() != 0 || generation == 0)
        return false;
    if (m_generation != generation)
        return false;
    if (fn)
        fn();
    return true;
}

// ---- mutation

void Database::addPoint(Point *point)
{
    if (!point)
        return;
    DatabaseLocker locker(&m_mutex);
    dropRoutingGraph();
    auto &points = DatabaseStore::pick(&DatabaseStore::points, m_pointModel->contents());
    const QString uid = point->uid();
    // One probe for nearly every point: the import adds hundreds of thousands to a large table.
    if (points.contains(uid)) {
        qInfo() << "Point UID" << uid << "already exists";
        QString candidate = BaseItem::nextUid(uid);
        while (points.contains(candidate))
            candidate = BaseItem::nextUid(candidate);
        point->setUid(candidate);
        qInfo() << " - using new UID" << candidate;
    }
    points.add(point);
}

// A reader hands over null for a stored segment whose end point is not in the database (it
// has already warned about the point); such a record is skipped.
void Database::addSegment(Segment *segment)
{
    if (!segment)
        return;
    DatabaseLocker locker(&m_mutex);
    dropRoutingGraph();
    DatabaseStore::pick(&DatabaseStore::segments, m_segmentModel->contents()).add(segment);
}

void Database::removeSegmentsOfType(int type)
{
    DatabaseLocker locker(&m_mutex);
    dropRoutingGraph();
    qInfo() << "Removing segments with type" << type;
    auto &segments = DatabaseStore::pick(&DatabaseStore::segments, m_segmentModel->contents());
    // One pass over the list: the segments of a type lie mostly together (the tracks at the
    // end), and the rows behind them move up once rather than once per removed row.
    const QList<Segment *> removed
        = segments.removeIf([type](const Segment *segment) { return segment->type() == type; });
    if (DatabaseStore::current()) {
        // A store's segments were never seen by anyone else.
        qDeleteAll(removed);
    } else {
        // Not deleted: a waypoint's leg or a route result may still point at them.
        m_retiredSegments.append(removed);
    }
    // Rows behind the removed ones moved up: the end-point index no longer matches the list.
    currentLookupIndex().resetSegments();
}

void Database::replaceSegments(int type, const QList<Segment *> &segments)
{
    DatabaseLocker locker(&m_mutex);
    removeSegmentsOfType(type);
    for (Segment *segment : segments)
        addSegment(segment);
}

void Database::addRunway(Runway *runway)
{
    if (!runway)
        return;
    DatabaseStore::pick(&DatabaseStore::runways, m_runwayModel->contents()).add(runway);
    indexRunway(runway);
}

void Database::addProcedure(Procedure *procedure)
{
    if (procedure)
        DatabaseStore::pick(&DatabaseStore::procedures, m_procedureModel->contents()).add(procedure);
}

void Database::addBoundary(Boundary *boundary)
{
    if (boundary)
        DatabaseStore::pick(&DatabaseStore::boundaries, m_boundaryModel->contents()).add(boundary);
}

void Database::addTaxiway(Taxiway *taxiway)
{
    if (taxiway)
        DatabaseStore::pick(&DatabaseStore::taxiways, m_taxiwayModel->contents()).add(taxiway);
}

void Database::addPaintlight(Paintlight *paintlight)
{
    if (paintlight)
        DatabaseStore::pick(&DatabaseStore::paintlights, m_paintlightModel->contents()).add(paintlight);
}

void Database::addTaxiname(Taxiname *taxiname)
{
    if (taxiname)
        DatabaseStore::pick(&DatabaseStore::taxinames, m_taxinameModel->contents()).add(taxiname);
}

void Database::addStartup(Startup *startup)
{
    if (startup)
        DatabaseStore::pick(&DatabaseStore::startups, m_startupModel->contents()).add(startup);
}

void Database::indexRunway(Runway *runway)
{
    indexRunwayIn(currentRunwayIndex(), runway);
}

void Database::indexRunwayIn(QHash<QPair<QString, QString>, Runway *> &index, Runway *runway)
{
    if (!runway)
        return;
    const QString airport = runway->airport();
    for (const QString &name : {runway->codes(), runway->endName(0), runway->endName(1)}) {
        const QPair<QString, QString> key(airport, name);
        if (!index.contains(key))
            index.insert(key, runway);
    }
}

Point *Database::getOrAddCoordPoint(const QGeoCoordinate &position, bool notify)
{
    Database *db = s_database;
    if (!db)
        return nullptr;
    const QString code = QString::number(position.latitude(), 'g', 9) + QLatin1Char(';')
                         + QString::number(position.longitude(), 'g', 9);
    if (Point *found = findPoint(code, notify))
        return found;
    auto *point = new Point(Point::COORD, position, code, QStringLiteral("*"), QStringLiteral("*"),
                            QStringLiteral(QT_TRANSLATE_NOOP("Point", "GPS point")), 0, 0.0f, QString());
    db->addPoint(point);
    if (notify && !DatabaseStore::current()) {
        db->m_pointMapModel->invalidate();
        qInfo() << "Added COORD point" << point->uid();
    }
    return point;
}

QString Database::getOrAddCoordPointUid(const QGeoCoordinate &position)
{
    Point *point = getOrAddCoordPoint(position, true);
    return point ? point->uid() : QString();
}
