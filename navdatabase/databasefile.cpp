// The stored database file and the loading thread.
//
// A load never touches the live lists while it reads: the file is read into a store (on the
// database's own thread for loadAsync), whose lists are indexed there as well, and only a
// complete, undamaged file replaces the lists, on the main thread, inside one model reset that
// merely swaps the finished lists in. Lookups and views therefore never meet a list in the
// middle of a load, a damaged file never leaves half a database, and the main thread does no
// per-item work.

#include "database.h"

#include "airport.h"
#include "basemodel.h"
#include "boundary.h"
#include "chunkedfile.h"
#include "databasebounds.h"
#include "databasechunks.h"
#include "databaselocker.h"
#include "databasestore.h"
#include "listcount.h"
#include "lookupindex.h"
#include "orderedparallel.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "recordformat.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "startup.h"
#include "storedvalues.h"
#include "taxiname.h"
#include "taxiway.h"
#include "threadstart.h"
#include "wholesavefile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QtEndian>

#include <zlib.h>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_release(void *address);
#endif

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <type_traits>

namespace {

constexpr qint32 FileFormat = RecordFormat::Newest;
// Pinned rather than left to the Qt release: a file must read back the same under any Qt.
// This is the default of the Qt the format was made with, so the bytes are the same.
constexpr QDataStream::Version FileStreamVersion = QDataStream::Qt_6_4;
constexpr int StopPollInterval = 4096;
// The stream is expanded a step at a time, each a chance to stop.
constexpr qsizetype ExpansionStep = 4 * 1024 * 1024;
// What is read of the file at a time.
constexpr qint64 InputPiece = 1024 * 1024;

// Reads the count and the items into a list of the caller's. False, with the list empty and
// its items deleted, as soon as one record cannot be read or stop() says so; a record that
// reads cleanly but yields no item (a segment whose end point is unknown) is a null row.
template <typename T>
bool readItems(QDataStream &stream, QList<T *> &items, const std::function<bool()> &stop)
{
    items.clear();
    const qint64 count = ListCount::read(stream);
    if (count < 0)
        return false;
    // Every record takes at least one byte, so a count beyond the bytes left is damage; the
    // reservation stays within what the payload can hold.
    const qint64 available = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (count > available) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    items.reserve(qsizetype(std::min<qint64>(count, available / 8)));
    for (qint64 i = 0; i < count; ++i) {
        if (stop && i % StopPollInterval == 0 && stop()) {
            qDeleteAll(items);
            items.clear();
            return false;
        }
        T *item = nullptr;
        stream >> item;
        if (stream.status() == QDataStream::Ok && !StoredValues::acceptableItem(item))
            stream.setStatus(QDataStream::ReadCorruptData);
        if (stream.status() != QDataStream::Ok) {
            delete item;
            qDeleteAll(items);
            items.clear();
            return false;
        }
        items.append(item);
    }
    return true;
}

// The reader of one list straight into a model: the stream status is reset before the list
// and an earlier failure survives it, so a caller can go on with the next list.
template <typename T>
void readItemList(QDataStream &stream, BaseModel<T> *model)
{
    model->clear();
    const QDataStream::Status oldStatus = stream.status();
    stream.resetStatus();
    QList<T *> items;
    readItems<T>(stream, items, {});
    if (oldStatus != QDataStream::Ok) {
        stream.resetStatus();
        stream.setStatus(oldStatus);
    }
    for (T *item : std::as_const(items))
        model->add(item);
}

// A file of format 6 keeps no UIDs: a point that shares region, terminal and code with an
// earlier one comes back with the same UID. The import gave the later one the next free UID
// in row order, and the file keeps the rows in that order, so doing the same again gives back
// the UIDs the import gave, which the segments of the file name.
void renumberDuplicateUids(const QList<Point *> &points)
{
    QSet<QString> taken;
    taken.reserve(points.size());
    for (Point *point : points) {
        if (!point)
            continue;
        QString uid = point->uid();
        if (taken.contains(uid)) {
            do
                uid = BaseItem::nextUid(uid);
            while (taken.contains(uid));
            point->setUid(uid);
        }
        taken.insert(uid);
    }
}

// Expands the single-stream layout (the payload's length, then one zlib stream) into payload, in
// steps, into room for the length the file states, which may be no more than its bytes can need.
// A stream that runs past that length is damage and stops there: whatever a file claims, no more
// is ever allocated. The file is read a piece at a time as the stream goes. Null when expanded;
// otherwise the payload is empty and the result says why the file is damaged, or is empty when
// stop() ended the expansion.
const char *expandSingleStream(const StoredFile &file, QByteArray &payload, const std::function<bool()> &stop)
{
    payload = QByteArray();
    char head[4];
    if (file.size() < 4)
        return "no compressed database in it";
    if (!file.read(0, head, 4))
        return StoredFile::kChanged;
    const quint32 stated = qFromBigEndian<quint32>(head);
    // What the single-stream layout may expand to (databasebounds.h), judged before anything is
    // allocated for it.
    if (qint64(stated) > (file.size() - 4) * DatabaseBounds::kPlainExpansion + DatabaseBounds::kOneLargeRecord)
        return "it claims more than its records can need";
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return "it cannot be uncompressed";
    payload = QByteArray(qsizetype(stated), Qt::Uninitialized);
    QByteArray input(qsizetype(std::min(file.size() - 4, InputPiece)), Qt::Uninitialized);
    qint64 inputAt = 4;
    qsizetype produced = 0;
    const char *damage = nullptr;
    for (;;) {
        if (stop && stop()) {
            damage = "";
            break;
        }
        if (zs.avail_in == 0 && inputAt < file.size()) {
            const qint64 piece = std::min(file.size() - inputAt, InputPiece);
            if (!file.read(inputAt, input.data(), piece)) {
                damage = StoredFile::kChanged;
                break;
            }
            zs.next_in = reinterpret_cast<Bytef *>(input.data());
            zs.avail_in = uInt(piece);
            inputAt += piece;
        }
        const qsizetype room = std::min(ExpansionStep, payload.size() - produced);
        zs.next_out = reinterpret_cast<Bytef *>(payload.data() + produced);
        zs.avail_out = uInt(room);
        const int result = inflate(&zs, Z_NO_FLUSH);
        produced += room - qsizetype(zs.avail_out);
        if (result == Z_STREAM_END)
            break;
        if (result == Z_OK)
            continue;
        // The stream goes on past the file's last byte: it is cut short; past the room it states: it
        // holds more than it states.
        if (result == Z_BUF_ERROR && zs.avail_in == 0 && inputAt >= file.size())
            damage = StoredFile::kCut;
        else
            damage = result == Z_BUF_ERROR && produced == payload.size() ? "it expands beyond the length it states"
                                                                         : "it cannot be uncompressed";
        break;
    }
    inflateEnd(&zs);
    // Whole and sound, the stream may still be a mix of two files, when one was written over the
    // other while it was read.
    if (!damage && !file.unchanged())
        damage = StoredFile::kChanged;
    if (damage)
        payload = QByteArray();
    else
        payload.truncate(produced);
    return damage;
}

bool ensureFolderOf(const QString &path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

void Database::readPaintlights(QDataStream &stream, BaseModel<Paintlight> *model)
{
    readItemList(stream, model);
}

void Database::readTaxinames(QDataStream &stream, BaseModel<Taxiname> *model)
{
    readItemList(stream, model);
}

void Database::readStartups(QDataStream &stream, BaseModel<Startup> *model)
{
    readItemList(stream, model);
}

// ---- writing

bool Database::save() const
{
    return save({});
}

bool Database::save(const std::function<bool()> &stop, const std::function<bool()> &mayReplace, QString *error) const
{
    // The new file replaces the old one only once it is complete.
    ensureFolderOf(m_filePath);
    WholeSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Database could not be written to" << m_filePath << ":" << file.errorString();
        if (error)
            *error = file.errorString();
        return false;
    }

    // On a thread filling a store (the import) that store is what gets saved. The lists are
    // written and compressed in chunks on every core.
    const DatabaseStore *store = DatabaseStore::current();
    const qint64 written = DatabaseChunks::write(file, FileFormat, Database::cycle(),
                                                 {store ? store->points.items() : m_pointModel->items(),
                                                  store ? store->procedures.items() : m_procedureModel->items(),
                                                  store ? store->segments.items() : m_segmentModel->items(),
                                                  store ? store->runways.items() : m_runwayModel->items(),
                                                  store ? store->boundaries.items() : m_boundaryModel->items(),
                                                  store ? store->taxiways.items() : m_taxiwayModel->items(),
                                                  store ? store->paintlights.items() : m_paintlightModel->items(),
                                                  store ? store->taxinames.items() : m_taxinameModel->items(),
                                                  store ? store->startups.items() : m_startupModel->items()},
                                                 stop);
    // Stopped (the import of a quitting application): the stored file stays the one the
    // working database came from. Asked once more after the writing, the last chance before
    // the file is replaced.
    if ((stop && stop()) || (written >= 0 && mayReplace && !mayReplace())) {
        qInfo() << "Database save stopped; file" << m_filePath << "left unchanged";
        file.cancelWriting();
        return false;
    }
    // The file is written as its chunks are ready; a failure of the device itself shows in the
    // commit below.
    if (written < 0 && file.error() == QFileDevice::NoError) {
        qWarning() << "Database could not be serialised; file" << m_filePath << "left unchanged";
        file.cancelWriting();
        return false;
    }
    if (written < 0)
        file.cancelWriting();
    else
        qInfo() << "Compression done, to" << written << "bytes";
    if (!file.commit()) {
        qWarning() << "Database could not be written to" << m_filePath << ":" << file.errorString();
        if (error)
            *error = file.errorString();
        return false;
    }
    qInfo() << "Database saved to" << m_filePath;
    return true;
}

bool Database::writeBinFile(const QByteArray &bytes)
{
    ensureFolderOf(m_filePath);
    QString error;
    if (!WholeSaveFile::replace(m_filePath, bytes, &error)) {
        qWarning() << "File could not be written to" << m_filePath << ":" << error;
        return false;
    }
    qInfo() << "File written to" << m_filePath;
    return true;
}

void Database::removeBinFile()
{
    clear();
    // Without a usable trash the file must still go: the next start would load it again.
    if (QFile::exists(m_filePath) && !QFile::moveToTrash(m_filePath))
        QFile::remove(m_filePath);
}

// ---- reading

bool Database::readStoredFile(DatabaseStore &store, const QString &path, bool fullDetail,
                              const std::function<void(const QString &)> &progress, const std::function<bool()> &stop)
{
    // A file that needs more memory than the system gives (for its items, or for a thread's
    // stack) is refused like a damaged one: the program, and the working database of a
    // replacement, stay.
    try {
        return readStoredFileUnguarded(store, path, fullDetail, progress, stop);
    } catch (const std::bad_alloc &) {
        qWarning() << "Database file" << path << "cannot be read: it needs more memory than there is";
        store.refusal = QStringLiteral("memory");
    } catch (const std::exception &error) {
        qWarning() << "Database file" << path << "cannot be read:" << error.what();
    }
    return false;
}

bool Database::readStoredFileUnguarded(DatabaseStore &store, const QString &path, bool fullDetail,
                                       const std::function<void(const QString &)> &progress,
                                       const std::function<bool()> &stop)
{
    // The segments name their ends by UID: they must find the points of this file, so the
    // lookups of this thread go to the store.
    DatabaseStore::Scope scope(&store);

    // Opened, a pipe or a device in the file's place would hold the load for good.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        qWarning() << "Database file" << path << "cannot be read: it is no plain file";
        store.refusal = QStringLiteral("unreadable");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        store.refusal = file.exists() ? QStringLiteral("unreadable") : QString();
        return false;
    }
    // The chunks are read and expanded on every core, each into buffers of its own: no copy of
    // the whole file is made first. What is read from here on is measured against the file now.
    const StoredFile stored(file.handle());
    progress(tr("Uncompressing database..."));
    char head[12];
    if (stored.read(0, head, sizeof head) && ChunkedFile::isChunked(QByteArrayView(head, sizeof head))) {
        // The runway index and the lookup indexes only read the lists: side by side, and beside
        // the reading of the ground lists.
        bool routesIndexed = false;
        const auto indexRoutes = [&store, &routesIndexed] {
            const OrderedParallel::Task runways = OrderedParallel::beside([&store] { indexRunways(store); });
            store.lookupIndex->prepare(store.points.items(), store.runways.items(), store.segments.items());
            runways.wait();
            routesIndexed = true;
        };
        const DatabaseChunks::Reading reading{FileFormat, fullDetail, path, progress, stop, indexRoutes};
        if (!DatabaseChunks::read(stored, store, reading))
            return false;
        if (!routesIndexed)
            indexRoutes();
        return true;
    }
    // The single-stream layout of earlier versions and of downloaded files.
    QByteArray payload;
    if (const char *damage = expandSingleStream(stored, payload, stop))
        return *damage ? store.damaged(path, QLatin1String(damage)) : false;

    QDataStream stream(payload);
    stream.setVersion(FileStreamVersion);
    qint32 format = 0;
    stream >> format;
    if (stream.status() != QDataStream::Ok || format < RecordFormat::Oldest || format > RecordFormat::Newest) {
        qWarning() << "Database file" << path << "has format" << format << "instead of" << FileFormat;
        store.refusal = QStringLiteral("version");
        return false;
    }
    const RecordFormat::Scope recordFormat(format);
    QString version;
    stream >> version;
    if (stream.status() != QDataStream::Ok || version != QCoreApplication::applicationVersion()) {
        qWarning() << "Database file" << path << "belongs to version" << version << "instead of"
                   << QCoreApplication::applicationVersion();
        store.refusal = QStringLiteral("version");
        return false;
    }
    stream >> store.cycle;
    if (stream.status() != QDataStream::Ok)
        return store.damaged(path, QStringLiteral("no cycle"));

    // Each list is read whole, then indexed by UID here, off the main thread.
    auto readList = [&](auto &contents, const QString &label, const char *word) {
        progress(label);
        using Item = std::remove_pointer_t<typename std::decay_t<decltype(contents.items())>::value_type>;
        QList<Item *> items;
        if (!readItems(stream, items, stop))
            return stop() ? false
                          : store.damaged(path, QStringLiteral("its %1 cannot be read").arg(QLatin1String(word)));
        qInfo() << "Loaded" << items.size() << word << "from" << path;
        if constexpr (std::is_same_v<Item, Point>) {
            if (format < 7)
                renumberDuplicateUids(items);
        }
        contents.assign(std::move(items));
        return true;
    };

    if (!readList(store.points, tr("Loading points..."), "points"))
        return false;
    // The point lists stay as they are from here on: their lookup indexes are built on a
    // helper thread while the other lists are read, which only read the points too.
    // Whatever way this function is left, the task is done or dropped before the store can go.
    const OrderedParallel::Task pointIndexes
        = OrderedParallel::beside([&store] { store.lookupIndex->preparePoints(store.points.items()); });

    if (!readList(store.procedures, tr("Loading procedures..."), "procedures")
        || !readList(store.segments, tr("Loading segments..."), "segments")
        || !readList(store.runways, tr("Loading runways..."), "runways"))
        return false;
    indexRunways(store);
    if (!readList(store.boundaries, tr("Loading airport boundaries..."), "boundaries")
        || !readList(store.taxiways, tr("Loading taxiways..."), "taxiways"))
        return false;
    if (fullDetail) {
        if (!readList(store.paintlights, tr("Loading ground paintings..."), "paintings and lights")
            || !readList(store.taxinames, tr("Loading taxi names..."), "taxi names")
            || !readList(store.startups, tr("Loading startup points..."), "startups"))
            return false;
        progress(QString());
        if (!stream.atEnd())
            return store.damaged(path, QStringLiteral("data after the last list"));
    }
    // The first lookups after the load find their indexes ready.
    pointIndexes.wait();
    store.lookupIndex->prepare(store.points.items(), store.runways.items(), store.segments.items());
    return true;
}

void Database::indexRunways(DatabaseStore &store)
{
    store.runwayIndex.reserve(3 * store.runways.count());
    for (Runway *runway : store.runways.items())
        indexRunwayIn(store.runwayIndex, runway);
}

void Database::installStore(DatabaseStore &store, bool share)
{
    auto previous = std::make_unique<DatabaseStore>();
    {
        DatabaseLocker locker(&m_mutex);
        dropRoutingGraph();
        const bool tellViews = QThread::currentThread() == thread();
        // The previous lists go to a store of their own, whose items are deleted once their
        // holders have let go of them (retire).
        auto install = [share](auto *model, auto &contents, auto &old) {
            old.swap(model->contents());
            if (share)
                model->contents() = contents;
            else
                model->swapContents(contents);
        };
        if (tellViews) {
            m_boundaryModel->beginReset();
            m_pointModel->beginReset();
            m_procedureModel->beginReset();
            m_runwayModel->beginReset();
            m_segmentModel->beginReset();
            m_taxiwayModel->beginReset();
            m_paintlightModel->beginReset();
            m_taxinameModel->beginReset();
            m_startupModel->beginReset();
        }
        setCycle(store.cycle);
        install(m_boundaryModel, store.boundaries, previous->boundaries);
        install(m_pointModel, store.points, previous->points);
        install(m_procedureModel, store.procedures, previous->procedures);
        install(m_runwayModel, store.runways, previous->runways);
        install(m_segmentModel, store.segments, previous->segments);
        install(m_taxiwayModel, store.taxiways, previous->taxiways);
        install(m_paintlightModel, store.paintlights, previous->paintlights);
        install(m_taxinameModel, store.taxinames, previous->taxinames);
        install(m_startupModel, store.startups, previous->startups);
        if (share) {
            m_runwayIndex = store.runwayIndex;
        } else {
            m_runwayIndex.clear();
            m_runwayIndex.swap(store.runwayIndex);
        }
        // Built against these very lists, so it stays valid; the store gets a fresh one.
        if (store.lookupIndex) {
            m_lookupIndex.swap(store.lookupIndex);
            store.lookupIndex = std::make_unique<LookupIndex>();
        } else {
            m_lookupIndex->reset();
        }
        m_storeSerial.ref();
        if (tellViews) {
            m_startupModel->endReset();
            m_taxinameModel->endReset();
            m_paintlightModel->endReset();
            m_taxiwayModel->endReset();
            m_segmentModel->endReset();
            m_runwayModel->endReset();
            m_procedureModel->endReset();
            m_pointModel->endReset();
            m_boundaryModel->endReset();
        }
    }
    retire(std::move(previous));
}

bool Database::readBinFile()
{
    DatabaseStore store;
    const bool ok = readStoredFile(
        store, m_replacement.isEmpty() ? m_filePath : m_replacement, fullDetailStored(),
        [this](const QString &text) { emit progress(text); }, [this] { return isInterruptionRequested(); });
    if (ok) {
        store.handOver();
        installStore(store, false);
    } else {
        clear();
    }
    m_refusal = store.refusal;
    return ok;
}

bool Database::load()
{
    beginModifying();
    const bool ok = readBinFile();
    endModifying();
    if (ok && QThread::currentThread() == thread()) {
        // readBinFile reset the models with the new lists already.
        m_viewsCurrent = true;
        emit updated();
        m_viewsCurrent = false;
    } else if (ok) {
        emit updated();
    }
    return ok;
}

// The read-ahead's state, shared by the thread that reads and the load that takes it over.
struct Database::ReadAhead
{
    QString path;
    bool fullDetail = true;
    // The file as it was when the read began: a load takes the store only for the same file.
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<DatabaseStore> store = std::make_shared<DatabaseStore>();
    bool ok = false;
    std::atomic<bool> stop = false;
    // The progress texts so far; once a load has taken the read-ahead, each text goes out at once.
    QMutex mutex;
    QStringList texts;
    Database *adoptedBy = nullptr;
    // Last, so that it goes first: its destructor waits for the reading thread, which uses the rest.
    OrderedParallel::Task done;

    void report(const QString &text)
    {
        QMutexLocker locker(&mutex);
        if (adoptedBy)
            emit adoptedBy->progress(text);
        else
            texts.append(text);
    }
};

namespace {

std::pair<qint64, QDateTime> fileIdentity(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? std::pair{info.size(), info.lastModified()} : std::pair{qint64(-1), QDateTime()};
}

} // namespace

bool Database::fullDetailStored()
{
    return Settings::getInt(QStringLiteral("map/limitAirportDetail"), 0) == 0;
}

void Database::readAhead()
{
    if (m_readAhead || isRunning() || !QFileInfo::exists(m_filePath))
        return;
    // Without the memory to begin, there is no read-ahead: the load reads the file itself, and
    // refuses it the same way should the memory still be short.
    try {
        auto ahead = std::make_shared<ReadAhead>();
        ahead->path = m_filePath;
        ahead->fullDetail = fullDetailStored();
        std::tie(ahead->size, ahead->modified) = fileIdentity(m_filePath);
        ReadAhead *state = ahead.get();
        ahead->done = OrderedParallel::beside([this, state] {
            state->ok = readStoredFile(
                *state->store, state->path, state->fullDetail, [state](const QString &text) { state->report(text); },
                [this, state] { return state->stop.load() || m_closing.loadAcquire() != 0; });
        });
        m_readAhead = std::move(ahead);
    } catch (const std::bad_alloc &) {
        qWarning() << "Database file" << m_filePath << "not read ahead: it needs more memory than there is";
    }
}

void Database::dropReadAhead()
{
    for (std::shared_ptr<ReadAhead> *ahead : {&m_readAhead, &m_loadReadAhead}) {
        if (*ahead) {
            (*ahead)->stop = true;
            (*ahead)->done.abandon();
            ahead->reset();
        }
    }
}

std::shared_ptr<Database::ReadAhead> Database::adoptReadAhead(std::shared_ptr<ReadAhead> ahead, const QString &path,
                                                              bool fullDetail)
{
    if (!ahead)
        return nullptr;
    const auto sameFile = [&] {
        return ahead->path == path && ahead->fullDetail == fullDetail
               && std::pair{ahead->size, ahead->modified} == fileIdentity(path);
    };
    // Another file, or the same read otherwise: what it read so far goes unseen.
    if (!sameFile()) {
        ahead->stop = true;
        ahead->done.abandon();
        return nullptr;
    }
    {
        QMutexLocker locker(&ahead->mutex);
        // The texts the splash missed, then the rest as they come.
        for (const QString &text : std::as_const(ahead->texts))
            emit progress(text);
        ahead->texts.clear();
        ahead->adoptedBy = this;
    }
    ahead->done.wait();
    if (sameFile() && !ahead->stop.load() && !isInterruptionRequested())
        return ahead;
    return nullptr;
}

void Database::loadAsync()
{
    if (isRunning() || !m_loadPending.testAndSetOrdered(0, 1))
        return;
    m_loadReadAhead = std::exchange(m_readAhead, nullptr);
    beginModifying();
    startLoad();
}

void Database::startLoad()
{
    if (ThreadStart::start(*this))
        return;
    // Refused like a file that cannot be read, on the main thread's next turn as after a read.
    qWarning() << "Database file" << (m_replacement.isEmpty() ? m_filePath : m_replacement)
               << "not loaded: no thread can be made to read it";
    // A read-ahead stays for the next load.
    m_readAhead = std::exchange(m_loadReadAhead, nullptr);
    beginModifying(); // the one the thread would have opened
    QMetaObject::invokeMethod(
        this, [this] { finishAsyncLoad(nullptr, false); }, Qt::QueuedConnection);
}

void Database::run()
{
#if defined(__SANITIZE_THREAD__)
    // The end of the thread reaches wait() inside the Qt library, which the sanitizer does
    // not see into.
    struct Release
    {
        Database *database;
        ~Release() { __tsan_release(database); }
    } release{this};
#endif
    beginModifying();
    const QString path = m_replacement.isEmpty() ? m_filePath : m_replacement;
    const bool fullDetail = fullDetailStored();
    std::shared_ptr<DatabaseStore> store;
    bool ok = false;
    // A read-ahead of this very file saves reading it again; whatever else it read is dropped
    // here, off the main thread.
    if (std::shared_ptr<ReadAhead> ahead = adoptReadAhead(std::exchange(m_loadReadAhead, nullptr), path, fullDetail)) {
        ok = ahead->ok;
        store = ahead->store;
    } else {
        store = readStoredFile(path, fullDetail, ok);
    }
    if (isInterruptionRequested()) {
        // The database is going away: nothing is installed and nobody waits for loaded.
        endModifying();
        endModifying();
        return;
    }
    if (ok)
        store->handOver();
    // The lists change, and the views hear of it, on the main thread. Should the database be
    // destroyed first, the call is dropped; the items of a handed-over store then stay alive
    // like every item the database took.
    QMetaObject::invokeMethod(
        this, [this, store, ok] { finishAsyncLoad(store.get(), ok); }, Qt::QueuedConnection);
}

std::shared_ptr<DatabaseStore> Database::readStoredFile(const QString &path, bool fullDetail, bool &ok)
{
    // Even the empty store may be more than the system gives: refused like any file too large.
    std::shared_ptr<DatabaseStore> store;
    try {
        store = std::make_shared<DatabaseStore>();
    } catch (const std::bad_alloc &) {
        qWarning() << "Database file" << path << "cannot be read: it needs more memory than there is";
        ok = false;
        return nullptr;
    }
    ok = readStoredFile(
        *store, path, fullDetail, [this](const QString &text) { emit progress(text); },
        [this] { return isInterruptionRequested(); });
    return store;
}

void Database::loadReplacementAsync(const QString &path)
{
    if (isRunning() || !m_loadPending.testAndSetOrdered(0, 1))
        return;
    m_replacement = path;
    beginModifying();
    startLoad();
}

void Database::finishAsyncLoad(DatabaseStore *store, bool ok)
{
    const QString replacement = std::exchange(m_replacement, QString());
    if (!replacement.isEmpty()) {
        // The working file and lists stay unless the new file was read whole and took the
        // file's place; rename replaces the old file in one step.
        if (ok
            && std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(m_filePath).constData())
                   != 0) {
            qWarning() << "Database file" << m_filePath << "cannot be replaced by" << replacement;
            ok = false;
        }
        if (ok)
            installStore(*store, false);
        else
            QFile::remove(replacement);
    } else if (ok) {
        installStore(*store, false);
    } else {
        clear();
    }
    m_lastLoadResult = ok;
    m_refusal = !ok && store ? store->refusal : QString();
    endModifying(); // the thread's own
    endModifying(); // loadAsync's
    m_loadPending.storeRelease(0);
    announceLoaded(m_lastLoadResult);
}

void Database::announceLoaded(bool result)
{
    m_viewsCurrent = result;
    emit loaded(result);
    m_viewsCurrent = false;
}
