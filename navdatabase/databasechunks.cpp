#include "databasechunks.h"

#include "airport.h"
#include "boundary.h"
#include "chunkedfile.h"
#include "databasebounds.h"
#include "databasestore.h"
#include "lookupindex.h"
#include "memoryheadroom.h"
#include "orderedparallel.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "recordformat.h"
#include "runway.h"
#include "segment.h"
#include "startup.h"
#include "storedvalues.h"
#include "streamunpacker.h"
#include "taxiname.h"
#include "taxiway.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QIODevice>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// As in the single-stream file: pinned, so that a file reads back the same under any Qt.
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

enum List : quint32 {
    Header,
    Points,
    Procedures,
    Segments,
    Runways,
    Boundaries,
    Taxiways,
    Paintlights,
    Taxinames,
    Startups
};

// Items per chunk: about a megabyte of records each, so that every core gets many.
constexpr qsizetype kPerChunk[] = {1, 8192, 512, 16384, 8192, 2048, 2048, 4096, 16384, 16384};

// What a chunk can need expanded (databasebounds.h), judged before anything is allocated for it:
// its counted records, or what its bytes expand to as records do.
bool plausibleSize(const ChunkedFile::Chunk &chunk)
{
    using namespace DatabaseBounds;
    if (chunk.list > Startups)
        return false;
    const qint64 records = std::min<qint64>(chunk.items, kPerChunk[chunk.list]);
    const qint64 need = std::max(records * kRecordBytes[chunk.list], chunk.stored.size() * kPlainExpansion);
    return qint64(chunk.expandedSize) <= need + kOneLargeRecord;
}

const char *const kWords[] = {"",           "points",   "procedures",           "segments",   "runways",
                              "boundaries", "taxiways", "paintings and lights", "taxi names", "startups"};
const char *const kLabels[] = {"",
                               QT_TRANSLATE_NOOP("Database", "Loading points..."),
                               QT_TRANSLATE_NOOP("Database", "Loading procedures..."),
                               QT_TRANSLATE_NOOP("Database", "Loading segments..."),
                               QT_TRANSLATE_NOOP("Database", "Loading runways..."),
                               QT_TRANSLATE_NOOP("Database", "Loading airport boundaries..."),
                               QT_TRANSLATE_NOOP("Database", "Loading taxiways..."),
                               QT_TRANSLATE_NOOP("Database", "Loading ground paintings..."),
                               QT_TRANSLATE_NOOP("Database", "Loading taxi names..."),
                               QT_TRANSLATE_NOOP("Database", "Loading startup points...")};

// Where a chunk's records are written: QBuffer resizes its array on every write, and even an
// append to a QByteArray costs more than the smallest records; this copies into room made
// ahead (not cleared first) and hands the array over at the end. QDataStream writes most
// fields in 1 to 8 bytes, which a plain loop copies quicker than a call to memcpy.
class AppendDevice : public QIODevice
{
public:
    AppendDevice()
        : m_buffer(kInitialSize, Qt::Uninitialized)
        , m_data(m_buffer.data())
    {
        open(QIODevice::WriteOnly);
    }
    bool isSequential() const override { return true; }
    // The bytes written; the device is empty afterwards.
    QByteArray takeBytes()
    {
        m_buffer.truncate(m_used);
        m_used = 0;
        m_data = nullptr;
        return std::exchange(m_buffer, QByteArray());
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_used + length > m_buffer.size()) {
            m_buffer.resize(std::max(2 * m_buffer.size(), m_used + qsizetype(length)));
            m_data = m_buffer.data();
        }
        char *to = m_data + m_used;
        if (length <= 16) {
            for (qint64 i = 0; i < length; ++i)
                to[i] = data[i];
        } else {
            std::memcpy(to, data, size_t(length));
        }
        m_used += qsizetype(length);
        return length;
    }

private:
    static constexpr qsizetype kInitialSize = 1024 * 1024;
    QByteArray m_buffer;
    char *m_data;
    qsizetype m_used = 0;
};

struct Planned
{
    quint32 list;
    quint32 items;
    std::function<void(QDataStream &)> write;
};

template <typename T>
void plan(QList<Planned> &planned, List list, const QList<T *> &items)
{
    auto kept = std::make_shared<QList<const T *>>();
    kept->reserve(items.size());
    for (const T *item : items) {
        if (item)
            kept->append(item);
    }
    qInfo() << "Saved" << kept->size() << kWords[list];
    const qsizetype per = kPerChunk[list];
    for (qsizetype from = 0; from < kept->size(); from += per) {
        const qsizetype to = std::min(kept->size(), from + per);
        planned.append({list, quint32(to - from), [kept, from, to](QDataStream &stream) {
                            for (qsizetype i = from; i < to; ++i)
                                stream << *kept->at(i);
                        }});
    }
}

// The items of every list read so far, by list; owned until handed to the store.
struct Parsed
{
    QList<Point *> points;
    QList<Procedure *> procedures;
    QList<Segment *> segments;
    QList<Runway *> runways;
    QList<Boundary *> boundaries;
    QList<Taxiway *> taxiways;
    QList<Paintlight *> paintlights;
    QList<Taxiname *> taxinames;
    QList<Startup *> startups;
    bool ok = true;

    Parsed() = default;
    Parsed(Parsed &&) = default;
    Parsed &operator=(Parsed &&) = default;
    ~Parsed() { drop(); }

    auto all()
    {
        return std::tie(points, procedures, segments, runways, boundaries, taxiways, paintlights, taxinames, startups);
    }

    void drop()
    {
        qDeleteAll(segments);
        qDeleteAll(procedures);
        qDeleteAll(runways);
        qDeleteAll(boundaries);
        qDeleteAll(taxiways);
        qDeleteAll(paintlights);
        qDeleteAll(taxinames);
        qDeleteAll(startups);
        qDeleteAll(points);
        std::apply([](auto &...lists) { (lists.clear(), ...); }, all());
    }

    // Appends what another holds, which then holds nothing.
    void take(Parsed &other)
    {
        auto mine = all();
        auto theirs = other.all();
        // clang-format 14 splits a lambda with a template head from its call.
        // clang-format off
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            ((std::get<I>(mine).append(std::get<I>(theirs)), std::get<I>(theirs).clear()), ...);
        }(std::make_index_sequence<9>());
        // clang-format on
    }
};

template <typename T>
bool readRecords(QDataStream &stream, quint32 count, QList<T *> &items)
{
    // Every record takes at least one byte: a count beyond the bytes left is damage, which
    // must not size the list.
    const qint64 available = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (qint64(count) > available)
        return false;
    items.reserve(qsizetype(std::min<qint64>(count, available / 8)));
    for (quint32 i = 0; i < count; ++i) {
        T *item = nullptr;
        stream >> item;
        if (stream.status() != QDataStream::Ok || !StoredValues::acceptableItem(item)) {
            delete item;
            return false;
        }
        items.append(item);
    }
    return stream.atEnd();
}

Parsed parseChunk(ChunkedFile::Chunk chunk, const StoredFile &file, DatabaseStore *store, int format)
{
    Parsed parsed;
    // Segments look their ends up on this thread, and every record reads in the file's form.
    DatabaseStore::Scope scope(store);
    const RecordFormat::Scope recordFormat(format);
    if (!ChunkedFile::fetch(chunk, file) || !ChunkedFile::expand(chunk)) {
        parsed.ok = false;
        return parsed;
    }
    chunk.stored = QByteArray();
    // The records read their fields in place.
    InPlaceReadDevice device(chunk.bytes);
    QDataStream stream(&device);
    stream.setVersion(kStreamVersion);
    // clang-format off
    switch (chunk.list) {
    case Points: parsed.ok = readRecords(stream, chunk.items, parsed.points); break;
    case Procedures: parsed.ok = readRecords(stream, chunk.items, parsed.procedures); break;
    case Segments: parsed.ok = readRecords(stream, chunk.items, parsed.segments); break;
    case Runways: parsed.ok = readRecords(stream, chunk.items, parsed.runways); break;
    case Boundaries: parsed.ok = readRecords(stream, chunk.items, parsed.boundaries); break;
    case Taxiways: parsed.ok = readRecords(stream, chunk.items, parsed.taxiways); break;
    case Paintlights: parsed.ok = readRecords(stream, chunk.items, parsed.paintlights); break;
    case Taxinames: parsed.ok = readRecords(stream, chunk.items, parsed.taxinames); break;
    case Startups: parsed.ok = readRecords(stream, chunk.items, parsed.startups); break;
    default: parsed.ok = false; break;
    }
    // clang-format on
    return parsed;
}

} // namespace

qint64 DatabaseChunks::write(QIODevice &device, qint32 format, const QString &cycle, const Lists &lists,
                             const std::function<bool()> &stop)
{
    QList<Planned> planned;
    planned.append({Header, 0, [format, cycle](QDataStream &stream) {
                        stream << format << QCoreApplication::applicationVersion() << cycle;
                    }});
    plan(planned, Points, lists.points);
    plan(planned, Procedures, lists.procedures);
    plan(planned, Segments, lists.segments);
    plan(planned, Runways, lists.runways);
    plan(planned, Boundaries, lists.boundaries);
    plan(planned, Taxiways, lists.taxiways);
    plan(planned, Paintlights, lists.paintlights);
    plan(planned, Taxinames, lists.taxinames);
    plan(planned, Startups, lists.startups);

    QList<ChunkedFile::Chunk> chunks(planned.size());
    std::atomic<bool> failed = false;
    const auto make = [&planned, &chunks, &failed](qsizetype i) {
        ChunkedFile::Chunk &chunk = chunks[i];
        chunk.list = planned.at(i).list;
        chunk.items = planned.at(i).items;
        AppendDevice device;
        QDataStream stream(&device);
        stream.setVersion(kStreamVersion);
        planned.at(i).write(stream);
        chunk.bytes = device.takeBytes();
        // Compressed at once: the whole payload is never held expanded.
        if (stream.status() != QDataStream::Ok || !ChunkedFile::compress(chunk))
            failed = true;
    };
    // The log says so before the work it names: the chunks are compressed as they are made.
    qInfo() << "Compressing database...";
    OrderedParallel::forEach(planned.size(), make, stop);
    // A stop leaves chunks unmade, which must not reach the device.
    if (failed || (stop && stop()))
        return -1;
    return ChunkedFile::write(chunks, device);
}

namespace {

// The header chunk: false, with a warning, when the file is of another format or version.
bool readHeader(ChunkedFile::Chunk &header, const StoredFile &file, DatabaseStore &store,
                const DatabaseChunks::Reading &reading)
{
    if (header.list != Header || !ChunkedFile::fetch(header, file) || !ChunkedFile::expand(header))
        return store.damaged(reading.path, QStringLiteral("no header"));
    QDataStream stream(header.bytes);
    stream.setVersion(kStreamVersion);
    qint32 format = 0;
    QString version;
    stream >> format;
    if (stream.status() != QDataStream::Ok || format != reading.format) {
        qWarning() << "Database file" << reading.path << "has format" << format << "instead of" << reading.format;
        store.refusal = QStringLiteral("version");
        return false;
    }
    stream >> version;
    if (stream.status() != QDataStream::Ok || version != QCoreApplication::applicationVersion()) {
        qWarning() << "Database file" << reading.path << "belongs to version" << version << "instead of"
                   << QCoreApplication::applicationVersion();
        store.refusal = QStringLiteral("version");
        return false;
    }
    stream >> store.cycle;
    if (stream.status() != QDataStream::Ok)
        return store.damaged(reading.path, QStringLiteral("no cycle"));
    return true;
}

// The chunks of the lists, the header read and taken out; false, with a warning, when the table
// or the header does not hold.
bool splitChunks(const StoredFile &file, QList<ChunkedFile::Chunk> &chunks, DatabaseStore &store,
                 const DatabaseChunks::Reading &reading)
{
    QString error;
    if (!ChunkedFile::split(file, chunks, &error))
        return store.damaged(reading.path, error);
    if (!std::all_of(chunks.cbegin(), chunks.cend(), plausibleSize))
        return store.damaged(reading.path, QStringLiteral("a chunk claims more than its records can need"));
    if (chunks.isEmpty() || !readHeader(chunks.first(), file, store, reading))
        return chunks.isEmpty() ? store.damaged(reading.path, QStringLiteral("no header")) : false;
    chunks.removeFirst();
    // The lists come in their order, each whole.
    quint32 last = Header;
    for (const ChunkedFile::Chunk &chunk : std::as_const(chunks)) {
        if (chunk.list < last || chunk.list > Startups)
            return store.damaged(reading.path, QStringLiteral("its lists are out of order"));
        last = chunk.list;
    }
    return true;
}

// The chunks parsed on every core and taken in their order into the store's lists. Each list's
// UID index is built beside the reading of the lists after it, as soon as its last chunk is in.
class ListReading
{
public:
    ListReading(const QList<ChunkedFile::Chunk> &chunks, const StoredFile &file, DatabaseStore &store,
                const DatabaseChunks::Reading &reading)
        : m_chunks(chunks)
        , m_file(file)
        , m_store(store)
        , m_reading(reading)
    {
    }
    // Left by an exception too: a list handed to a task that no thread had begun reaches the
    // store all the same, which deletes its items; dropped unbegun, the task would leak them.
    // Such a list is taken without its index: a failed allocation here, while the first one
    // unwinds, would end the program.
    ~ListReading()
    {
        m_leaving = true;
        for (const OrderedParallel::Task *task : {&m_pointsAssigned, &m_segmentsAssigned})
            task->settle();
        for (const OrderedParallel::Task &task : m_assigning)
            task.settle();
    }
    ListReading(const ListReading &) = delete;
    ListReading &operator=(const ListReading &) = delete;

    // The segments name their ends by UID: the points are in the store, indexed by UID, before
    // them. The procedures name no item as they are read, so they are read while the points'
    // UID index is built, and the points' lookup indexes are built beside the lists after.
    // False when a chunk is damaged or the reading stopped.
    bool readAll()
    {
        const qsizetype firstOther = firstOf(Procedures);
        const qsizetype firstSegment = firstOf(Segments);
        const qsizetype end = m_reading.fullDetail ? m_chunks.size() : firstOf(Paintlights);
        run(0, firstOther);
        if (m_all.ok && !m_stopped) {
            m_pointsAssigned = OrderedParallel::beside(
                [this, points = std::move(m_all.points)]() mutable { hand(m_store.points, std::move(points)); });
            m_all.points.clear();
            const OrderedParallel::Task pointIndexes = OrderedParallel::beside([this] {
                m_pointsAssigned.wait();
                m_store.lookupIndex->preparePoints(m_store.points.items());
            });
            run(firstOther, firstSegment);
            m_pointsAssigned.wait();
            if (m_all.ok && !m_stopped)
                run(firstSegment, end);
            pointIndexes.wait();
        }
        m_segmentsAssigned.wait();
        for (const OrderedParallel::Task &list : m_assigning)
            list.wait();
        return m_all.ok && !m_stopped;
    }

    bool stopped() const { return m_stopped; }

    // The lists handed to the store go as well; segments read so far point at its points.
    void dropAll()
    {
        const auto takeBack = [](auto &parsed, auto &contents) {
            parsed.append(contents.items());
            contents.clear();
        };
        takeBack(m_all.points, m_store.points);
        takeBack(m_all.procedures, m_store.procedures);
        takeBack(m_all.segments, m_store.segments);
        takeBack(m_all.runways, m_store.runways);
        takeBack(m_all.boundaries, m_store.boundaries);
        takeBack(m_all.taxiways, m_store.taxiways);
        takeBack(m_all.paintlights, m_store.paintlights);
        takeBack(m_all.taxinames, m_store.taxinames);
        takeBack(m_all.startups, m_store.startups);
        m_store.lookupIndex->reset();
        m_store.runwayIndex.clear();
        m_all.drop();
    }

private:
    template <typename Items, typename Contents>
    void hand(Contents &contents, Items &&items)
    {
        if (m_leaving)
            contents.adopt(std::move(items));
        else
            contents.assign(std::move(items));
    }

    qsizetype firstOf(quint32 list) const
    {
        return std::find_if(m_chunks.cbegin(), m_chunks.cend(),
                            [list](const auto &chunk) { return chunk.list >= list; })
               - m_chunks.cbegin();
    }

    template <typename Items, typename Contents>
    void assign(Items &parsed, Contents &contents)
    {
        m_assigning.push_back(OrderedParallel::beside(
            [this, &contents, items = std::move(parsed)]() mutable { hand(contents, std::move(items)); }));
        parsed.clear();
    }

    void listRead(quint32 list)
    {
        // clang-format off
        switch (list) {
        case Procedures: assign(m_all.procedures, m_store.procedures); break;
        case Segments:
            assign(m_all.segments, m_store.segments);
            m_segmentsAssigned = std::move(m_assigning.back());
            m_assigning.pop_back();
            break;
        case Runways:
            // The segments come before the runways: both are whole once these are in.
            m_assigning.push_back(OrderedParallel::beside([this, items = std::move(m_all.runways)]() mutable {
                hand(m_store.runways, std::move(items));
                if (m_leaving)
                    return;
                m_segmentsAssigned.wait();
                if (m_reading.routesRead)
                    m_reading.routesRead();
            }));
            m_all.runways.clear();
            break;
        case Boundaries: assign(m_all.boundaries, m_store.boundaries); break;
        case Taxiways: assign(m_all.taxiways, m_store.taxiways); break;
        case Paintlights: assign(m_all.paintlights, m_store.paintlights); break;
        case Taxinames: assign(m_all.taxinames, m_store.taxinames); break;
        case Startups: assign(m_all.startups, m_store.startups); break;
        default: break;
        }
        // clang-format on
    }

    void run(qsizetype from, qsizetype to)
    {
        OrderedParallel::run<Parsed>(
            to - from,
            [&](qsizetype i) { return parseChunk(m_chunks.at(from + i), m_file, &m_store, m_reading.format); },
            [&](qsizetype i, Parsed &&parsed) {
                const quint32 list = m_chunks.at(from + i).list;
                if (list != m_announced && m_reading.progress) {
                    m_announced = list;
                    m_reading.progress(QCoreApplication::translate("Database", kLabels[list]));
                }
                m_all.ok = m_all.ok && parsed.ok;
                m_all.take(parsed);
                if (m_all.ok && (from + i + 1 == to || m_chunks.at(from + i + 1).list != list))
                    listRead(list);
            },
            [&] {
                // Given up while the rest of the program still has room: the interface is built
                // beside the read-ahead, and Qt ends the program where its allocations fail.
                MemoryHeadroom::check();
                m_stopped = m_stopped || (m_reading.stop && m_reading.stop());
                return m_stopped || !m_all.ok;
            });
    }

    const QList<ChunkedFile::Chunk> &m_chunks;
    const StoredFile &m_file;
    DatabaseStore &m_store;
    const DatabaseChunks::Reading &m_reading;
    Parsed m_all;
    bool m_stopped = false;
    // Set by the destructor, read by the tasks it runs or waits for.
    std::atomic<bool> m_leaving = false;
    quint32 m_announced = Header;
    // Declared before the tasks that wait for them, which go first.
    OrderedParallel::Task m_pointsAssigned;
    OrderedParallel::Task m_segmentsAssigned;
    std::vector<OrderedParallel::Task> m_assigning;
};

} // namespace

bool DatabaseChunks::read(const StoredFile &file, DatabaseStore &store, const Reading &reading)
{
    QList<ChunkedFile::Chunk> chunks;
    if (!splitChunks(file, chunks, store, reading))
        return false;
    ListReading lists(chunks, file, store, reading);
    // Every chunk whole and sound may still be a mix of two files, when one was written over the
    // other while it was read.
    const bool whole = lists.readAll();
    if (const bool unchanged = file.unchanged(); !whole || !unchanged) {
        lists.dropAll();
        if (lists.stopped())
            return false;
        return store.damaged(reading.path, QLatin1String(unchanged ? "a chunk cannot be read" : StoredFile::kChanged));
    }
    const int counts[] = {0,
                          store.points.count(),
                          store.procedures.count(),
                          store.segments.count(),
                          store.runways.count(),
                          store.boundaries.count(),
                          store.taxiways.count(),
                          store.paintlights.count(),
                          store.taxinames.count(),
                          store.startups.count()};
    for (quint32 list = Points; list <= (reading.fullDetail ? Startups : Taxiways); ++list)
        qInfo() << "Loaded" << counts[list] << kWords[list] << "from" << reading.path;
    if (reading.fullDetail && reading.progress)
        reading.progress(QString());
    return true;
}
