// The stored database file and the loading thread.
//
// A load never touches the live lists while it reads: the file is read into a staged copy
// (on the database's own thread for loadAsync), and only a complete, undamaged file replaces
// the lists, on the main thread, inside one model reset. Lookups and views therefore never
// meet a list in the middle of a load, and a damaged file never leaves half a database.

#include "database.h"

#include "airport.h"
#include "basemodel.h"
#include "boundary.h"
#include "databaselocker.h"
#include "lookupindex.h"
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
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <functional>
#include <memory>

struct Database::StagedLoad
{
    QString cycle;
    QList<Point *> points;
    // UID to row among the staged points; a later row replaces an earlier one.
    QHash<QString, qsizetype> pointRows;
    QList<Procedure *> procedures;
    QList<Segment *> segments;
    QList<Runway *> runways;
    // Built with the list, off the main thread.
    QHash<QPair<QString, QString>, Runway *> runwayIndex;
    QList<Boundary *> boundaries;
    QList<Taxiway *> taxiways;
    QList<Paintlight *> paintlights;
    QList<Taxiname *> taxinames;
    QList<Startup *> startups;
    // Once installed the database holds the items; until then nobody but the reader has seen
    // them, so a refused or abandoned load deletes them.
    bool installed = false;

    StagedLoad() = default;
    StagedLoad(const StagedLoad &) = delete;
    StagedLoad &operator=(const StagedLoad &) = delete;
    ~StagedLoad()
    {
        if (installed)
            return;
        qDeleteAll(segments);
        qDeleteAll(procedures);
        qDeleteAll(runways);
        qDeleteAll(boundaries);
        qDeleteAll(taxiways);
        qDeleteAll(paintlights);
        qDeleteAll(taxinames);
        qDeleteAll(startups);
        qDeleteAll(points);
    }
};

namespace {

constexpr qint32 FileFormat = 6;
// Pinned rather than left to the Qt release: a file must read back the same under any Qt.
// This is the default of the Qt the format was made with, so the bytes are the same.
constexpr QDataStream::Version FileStreamVersion = QDataStream::Qt_6_4;
constexpr quint32 ExtendedCount = 0xfffffffeU;
constexpr quint32 NullCount = 0xffffffffU;
// Deflate expands at most about 1032 times; a header claiming more is damage, and must not
// make qUncompress allocate what it claims.
constexpr qint64 MaxExpansion = 1100;
constexpr int StopPollInterval = 4096;

// The staged points the segment reader resolves against, on the thread doing the reading.
struct StagedPoints
{
    const QList<Point *> *points = nullptr;
    const QHash<QString, qsizetype> *rows = nullptr;
};
thread_local StagedPoints t_stagedPoints;

class StagedPointsScope
{
public:
    StagedPointsScope(const QList<Point *> &points, const QHash<QString, qsizetype> &rows)
    {
        t_stagedPoints.points = &points;
        t_stagedPoints.rows = &rows;
    }
    ~StagedPointsScope() { t_stagedPoints = StagedPoints(); }
    StagedPointsScope(const StagedPointsScope &) = delete;
    StagedPointsScope &operator=(const StagedPointsScope &) = delete;
};

void writeCount(QDataStream &stream, qsizetype count)
{
    if (count < qsizetype(ExtendedCount)) {
        stream << quint32(count);
    } else {
        stream << ExtendedCount << qint64(count);
    }
}

// -1, with the stream marked corrupt, for the invalid count 0xFFFFFFFF or a negative one.
qint64 readCount(QDataStream &stream)
{
    quint32 first = 0;
    stream >> first;
    if (stream.status() != QDataStream::Ok)
        return -1;
    if (first == NullCount) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return -1;
    }
    if (first != ExtendedCount)
        return first;
    qint64 extended = 0;
    stream >> extended;
    if (stream.status() == QDataStream::Ok && extended < 0)
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream.status() == QDataStream::Ok ? extended : -1;
}

// Null rows (a segment whose end is not a point) are not written.
template<typename T>
void writeItems(QDataStream &stream, const QList<T *> &items, const char *word)
{
    const qsizetype count = std::count_if(items.cbegin(), items.cend(), [](const T *item) { return item; });
    writeCount(stream, count);
    if (stream.status() != QDataStream::Ok)
        return;
    for (const T *item : items) {
        if (item)
            stream << *item;
    }
    qInfo() << "Saved" << count << word;
}

// Reads the count and the items into a list of the caller's. False, with the list empty and
// its items deleted, as soon as one record cannot be read or stop() says so; a record that
// reads cleanly but yields no item (a segment whose end point is unknown) is a null row.
template<typename T>
bool readItems(QDataStream &stream, QList<T *> &items, const std::function<bool()> &stop)
{
    items.clear();
    const qint64 count = readCount(stream);
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
template<typename T>
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

bool plausiblyCompressed(const QByteArray &compressed)
{
    if (compressed.size() < 4)
        return false;
    const quint32 declared = qFromBigEndian<quint32>(compressed.constData());
    return qint64(declared) <= qint64(compressed.size() - 4) * MaxExpansion + 1024;
}

template<typename M>
void beginReset(M *model)
{
    if (model)
        model->beginReset();
}

template<typename M>
void endReset(M *model)
{
    if (model)
        model->endReset();
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

bool Database::findStagedPoint(const QString &uid, Point **point)
{
    if (!t_stagedPoints.points)
        return false;
    const qsizetype row = t_stagedPoints.rows->value(uid, -1);
    *point = row >= 0 ? t_stagedPoints.points->at(row) : nullptr;
    return true;
}

// ---- writing

bool Database::save() const
{
    // The new file replaces the old one only once it is complete.
    ensureFolderOf(m_filePath);
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    QByteArray payload;
    QDataStream::Status status = QDataStream::Ok;
    {
        QDataStream stream(&payload, QIODevice::WriteOnly);
        stream.setVersion(FileStreamVersion);
        stream << FileFormat << QCoreApplication::applicationVersion() << Database::cycle();
        writeItems(stream, m_pointModel->items(), "points");
        writeItems(stream, m_procedureModel ? m_procedureModel->items() : m_procedures, "procedures");
        writeItems(stream, m_segmentModel->items(), "segments");
        writeItems(stream, m_runwayModel->items(), "runways");
        writeItems(stream, m_boundaryModel->items(), "boundaries");
        writeItems(stream, m_taxiwayModel->items(), "taxiways");
        writeItems(stream, m_paintlightModel->items(), "paintings and lights");
        writeItems(stream, m_taxinameModel->items(), "taxi names");
        writeItems(stream, m_startupModel->items(), "startups");
        status = stream.status();
    }
    if (status != QDataStream::Ok) {
        qWarning() << "Database could not be serialised; file" << m_filePath << "left unchanged";
        file.cancelWriting();
        return false;
    }

    qInfo() << "Compressing database...";
    const QByteArray compressed = qCompress(payload, 1);
    if (compressed.isEmpty()) {
        qWarning() << "Database could not be compressed; file" << m_filePath << "left unchanged";
        file.cancelWriting();
        return false;
    }
    qInfo() << "Compression done, from" << payload.size() << "to" << compressed.size() << "bytes";

    if (file.write(compressed) != compressed.size())
        file.cancelWriting();
    if (!file.commit()) {
        qWarning() << "Database could not be written to" << m_filePath << ":" << file.errorString();
        return false;
    }
    qInfo() << "Database saved to" << m_filePath;
    return true;
}

bool Database::writeBinFile(const QByteArray &bytes)
{
    ensureFolderOf(m_filePath);
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size())
        file.cancelWriting();
    if (!file.commit()) {
        qWarning() << "File could not be written to" << m_filePath << ":" << file.errorString();
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

bool Database::readStoredFile(StagedLoad &staged)
{
    const bool fullDetail = Settings::getInt(QStringLiteral("map/limitAirportDetail"), 0) == 0;
    const QString path = m_filePath;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    emit progress(tr("Uncompressing database..."));
    const QByteArray compressed = file.readAll();
    file.close();
    if (!plausiblyCompressed(compressed)) {
        qWarning() << "Database file" << path << "is damaged: no compressed database in it";
        return false;
    }
    const QByteArray payload = qUncompress(compressed);
    if (payload.isEmpty()) {
        qWarning() << "Database file" << path << "is damaged: it cannot be uncompressed";
        return false;
    }

    QDataStream stream(payload);
    stream.setVersion(FileStreamVersion);
    qint32 format = 0;
    stream >> format;
    if (stream.status() != QDataStream::Ok || format != FileFormat) {
        qWarning() << "Database file" << path << "has format" << format << "instead of" << FileFormat;
        return false;
    }
    QString version;
    stream >> version;
    if (stream.status() != QDataStream::Ok || version != QCoreApplication::applicationVersion()) {
        qWarning() << "Database file" << path << "belongs to version" << version << "instead of"
                   << QCoreApplication::applicationVersion();
        return false;
    }
    stream >> staged.cycle;
    if (stream.status() != QDataStream::Ok) {
        qWarning() << "Database file" << path << "is damaged: no cycle";
        return false;
    }

    const std::function<bool()> stop = [this] { return isInterruptionRequested(); };
    auto readList = [&](auto &items, const QString &label, const char *word) {
        emit progress(label);
        if (!readItems(stream, items, stop)) {
            if (!stop())
                qWarning() << "Database file" << path << "is damaged: its" << word << "cannot be read";
            return false;
        }
        qInfo() << "Loaded" << items.size() << word << "from" << path;
        return true;
    };

    if (!readList(staged.points, tr("Loading points..."), "points"))
        return false;
    staged.pointRows.reserve(staged.points.size());
    for (qsizetype row = 0; row < staged.points.size(); ++row) {
        if (const Point *point = staged.points.at(row))
            staged.pointRows.insert(point->uid(), row);
    }
    // The segments name their ends by UID; they must find the points of this file.
    StagedPointsScope scope(staged.points, staged.pointRows);

    if (!readList(staged.procedures, tr("Loading procedures..."), "procedures")
        || !readList(staged.segments, tr("Loading segments..."), "segments")
        || !readList(staged.runways, tr("Loading runways..."), "runways"))
        return false;
    staged.runwayIndex.reserve(3 * staged.runways.size());
    for (Runway *runway : std::as_const(staged.runways))
        indexRunwayIn(staged.runwayIndex, runway);
    if (!readList(staged.boundaries, tr("Loading aiport boundaries..."), "boundaries")
        || !readList(staged.taxiways, tr("Loading taxiways..."), "taxiways"))
        return false;
    if (!fullDetail)
        return true;
    if (!readList(staged.paintlights, tr("Loading ground paintings..."), "paintings and lights")
        || !readList(staged.taxinames, tr("Loading taxi names..."), "taxi names")
        || !readList(staged.startups, tr("Loading startup points..."), "startups"))
        return false;
    emit progress(QString());
    if (!stream.atEnd()) {
        qWarning() << "Database file" << path << "is damaged: data after the last list";
        return false;
    }
    return true;
}

void Database::installStagedLoad(StagedLoad &staged)
{
    DatabaseLocker locker(&m_mutex);
    dropRoutingGraph();
    const bool tellViews = QThread::currentThread() == thread();
    if (tellViews) {
        beginReset(m_boundaryModel);
        beginReset(m_pointModel);
        beginReset(m_procedureModel);
        beginReset(m_runwayModel);
        beginReset(m_segmentModel);
        beginReset(m_taxiwayModel);
        beginReset(m_paintlightModel);
        beginReset(m_taxinameModel);
        beginReset(m_startupModel);
    }
    clearLists(false);
    setCycle(staged.cycle);
    for (Point *point : std::as_const(staged.points))
        m_pointModel->add(point);
    for (Procedure *procedure : std::as_const(staged.procedures))
        addProcedure(procedure);
    for (Segment *segment : std::as_const(staged.segments))
        m_segmentModel->add(segment);
    for (Runway *runway : std::as_const(staged.runways))
        m_runwayModel->add(runway);
    m_runwayIndex.swap(staged.runwayIndex);
    for (Boundary *boundary : std::as_const(staged.boundaries))
        m_boundaryModel->add(boundary);
    for (Taxiway *taxiway : std::as_const(staged.taxiways))
        m_taxiwayModel->add(taxiway);
    for (Paintlight *paintlight : std::as_const(staged.paintlights))
        m_paintlightModel->add(paintlight);
    for (Taxiname *taxiname : std::as_const(staged.taxinames))
        m_taxinameModel->add(taxiname);
    for (Startup *startup : std::as_const(staged.startups))
        m_startupModel->add(startup);
    m_lookupIndex->reset();
    staged.installed = true;
    if (tellViews) {
        endReset(m_startupModel);
        endReset(m_taxinameModel);
        endReset(m_paintlightModel);
        endReset(m_taxiwayModel);
        endReset(m_segmentModel);
        endReset(m_runwayModel);
        endReset(m_procedureModel);
        endReset(m_pointModel);
        endReset(m_boundaryModel);
    }
}

bool Database::readBinFile()
{
    StagedLoad staged;
    const bool ok = readStoredFile(staged);
    if (ok) {
        installStagedLoad(staged);
    } else {
        clear();
    }
    return ok;
}

bool Database::load()
{
    beginModifying();
    const bool ok = readBinFile();
    endModifying();
    if (ok)
        emit updated();
    return ok;
}

void Database::loadAsync()
{
    if (isRunning() || !m_loadPending.testAndSetOrdered(0, 1))
        return;
    beginModifying();
    start(QThread::InheritPriority);
}

void Database::run()
{
    beginModifying();
    auto staged = std::make_shared<StagedLoad>();
    const bool ok = readStoredFile(*staged);
    if (isInterruptionRequested()) {
        // The database is going away: nothing is installed and nobody waits for loaded.
        endModifying();
        endModifying();
        return;
    }
    // The lists change, and the views hear of it, on the main thread. Should the database be
    // destroyed first, the call is dropped with the staged items.
    QMetaObject::invokeMethod(
        this, [this, staged, ok] { finishAsyncLoad(*staged, ok); }, Qt::QueuedConnection);
}

void Database::finishAsyncLoad(StagedLoad &staged, bool ok)
{
    if (ok) {
        installStagedLoad(staged);
    } else {
        clear();
    }
    m_lastLoadResult = ok;
    endModifying(); // the thread's own
    endModifying(); // loadAsync's
    m_loadPending.storeRelease(0);
    emit loaded(m_lastLoadResult);
}
