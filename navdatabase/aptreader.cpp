#include "aptreader.h"

#include "airport.h"
#include "boundary.h"
#include "cifploader.h"
#include "database.h"
#include "databasestore.h"
#include "internedtext.h"
#include "linereader.h"
#include "orderedparallel.h"
#include "paintlight.h"
#include "region.h"
#include "runway.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"
#include "textfields.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QGeoRectangle>
#include <QThreadPool>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// How often the reader looks whether the application is quitting.
constexpr int kCancelCheckLines = 4096;
constexpr int kCancelCheckAirports = 64;
const char *const kProgressLabel = QT_TRANSLATE_NOOP("XpLoader", "Loading airports:");

// Runs of blanks separate the fields; a tab is part of a field.
void split(QByteArrayView line, AptReader::Fields &fields)
{
    TextFields::splitAtBlanks(line, fields);
}

// The row code of a field of one to four digits, else -1.
int rowCode(QByteArrayView field)
{
    if (field.size() > 4)
        return -1;
    int code = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

// Base 10; 0 when it is not a number or does not fit 32 bits.
int wholeNumber(QByteArrayView field)
{
    return TextFields::toInt(field);
}

// 0 when it is not a finite number.
double decimal(QByteArrayView field)
{
    return TextFields::toDouble(field);
}

QGeoCoordinate coordinate(QByteArrayView latitude, QByteArrayView longitude)
{
    return QGeoCoordinate(decimal(latitude), decimal(longitude));
}

QString text(QByteArrayView field)
{
    return QString::fromUtf8(field);
}

// The airplane classes of a start-up row. The same few combinations come back row after row:
// the last one read on this thread (the airports are read on several) is kept.
int airplanesOf(QByteArrayView field)
{
    thread_local QByteArray last;
    thread_local int bits = -1;
    if (bits < 0 || field != QByteArrayView(last)) {
        last = field.toByteArray();
        bits = Startup::airplanesFromString(text(field));
    }
    return bits;
}

// Fields from `from` to the last, joined with single blanks.
QString joined(const AptReader::Fields &fields, qsizetype from)
{
    return TextFields::joined(fields, from);
}

// The type digit when the line is a frequency row (1050 to 1056 in its first four
// characters), else -1.
int frequencyType(QByteArrayView line)
{
    if (line.size() < 4 || line.at(1) != '0' || line.at(2) != '5')
        return -1;
    const char digit = line.at(3);
    return digit >= '0' && digit <= '6' ? digit - '0' : -1;
}

} // namespace

AptReader::AptReader(Database *database, ProgressFn progress, CancelFn cancelled, CifpLoader *cifpLoader)
    : NavDataReader(database, std::move(progress), std::move(cancelled))
    , m_cifpLoader(cifpLoader)
{
}

AptReader::~AptReader()
{
    dropPending();
}

int AptReader::read(const QString &path)
{
    dropPending();
    resetCount();
    m_procedureAirports.clear();
    m_harvestsTaken = 0;
    m_airportCount = 0;
    m_runwayCount = 0;

    QFile file(path);
    qInfo() << "Loading" << path << "...";
    if (!file.open(QIODevice::ReadOnly))
        return 1;

    LineReader lines(file);
    QByteArrayView line;
    bool tooLong = false;
    if (!lines.next(line, tooLong))
        line = QByteArrayView();
    if (line != "I")
        qWarning().noquote() << "APT: probable wrong file format!";
    if (!lines.next(line, tooLong))
        line = QByteArrayView();
    if (!line.startsWith("1100") && !line.startsWith("1200"))
        qWarning().noquote() << "APT: probable wrong file format version!" << text(line);

    QByteArray body = lines.takeRest([this] { return cancelled(); });
    file.close();
    readAirports(body);

    if (m_cifpLoader && !cancelled())
        m_cifpLoader->loadAll(m_procedureAirports, [this] { return cancelled(); });
    m_procedureAirports.clear();
    qInfo() << "Loaded" << m_airportCount << "airports with" << m_runwayCount << "runways";
    return 0;
}

void AptReader::readLines(LineReader &lines)
{
    QByteArrayView line;
    bool tooLong = false;
    Fields fields;
    int count = 0;
    while (lines.next(line, tooLong)) {
        if (++count % kCancelCheckLines == 0 && cancelled())
            break;
        if (line.isEmpty() || line.front() != '1')
            continue;
        if (tooLong) {
            // A cut row would build an item from a part of it.
            qWarning().noquote() << "APT: ignored" << text(line.first(80)) + QStringLiteral("...");
            continue;
        }
        split(line, fields);
        readRow(line, fields);
    }
}

// What one airport's rows gave: the items the database takes, in the order they were made.
struct AptReader::AirportItems
{
    QList<Point *> points;
    QList<Runway *> runways;
    QList<Taxiway *> taxiways;
    QList<Boundary *> boundaries;
    QList<Paintlight *> paintlights;
    QList<Taxiname *> taxinames;
    QList<Startup *> startups;

    // Takes the items out of the store, which then holds none.
    void takeFrom(DatabaseStore &store)
    {
        points = store.points.items();
        runways = store.runways.items();
        taxiways = store.taxiways.items();
        boundaries = store.boundaries.items();
        paintlights = store.paintlights.items();
        taxinames = store.taxinames.items();
        startups = store.startups.items();
        store.points.clear();
        store.runways.clear();
        store.taxiways.clear();
        store.boundaries.clear();
        store.paintlights.clear();
        store.taxinames.clear();
        store.startups.clear();
        store.runwayIndex.clear();
    }

    void drop()
    {
        qDeleteAll(runways);
        qDeleteAll(taxiways);
        qDeleteAll(boundaries);
        qDeleteAll(paintlights);
        qDeleteAll(taxinames);
        qDeleteAll(startups);
        qDeleteAll(points);
        *this = AirportItems();
    }
};

struct AptReader::Batch
{
    QList<AirportItems> airports;
    quint32 runwayCount = 0;

    Batch() = default;
    Batch(Batch &&) = default;
    Batch &operator=(Batch &&) = default;
    // A batch dropped on the way (the import stops) takes its items with it.
    ~Batch()
    {
        for (AirportItems &airport : airports)
            airport.drop();
    }
};

void AptReader::readAirports(const QByteArray &body)
{
    if (QThreadPool::globalInstance()->maxThreadCount() <= 1) {
        // One core: straight into the database, without the detour through stores.
        QByteArray bytes = QByteArray::fromRawData(body.constData(), body.size());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        LineReader lines(buffer, false);
        readLines(lines);
        commitAirport();
        dropPending();
        return;
    }

    QList<qsizetype> starts{0};
    if (!cutAtAirports(body, starts))
        return;
    starts.append(body.size());
    // Airports go to the other cores in runs of about this many bytes.
    constexpr qsizetype runBytes = 256 * 1024;
    QList<qsizetype> runs{0};
    for (qsizetype i = 1; i + 1 < starts.size(); ++i) {
        if (starts.at(i) - starts.at(runs.last()) >= runBytes)
            runs.append(i);
    }
    runs.append(starts.size() - 1);

    auto make = [this, &body, &starts, &runs](qsizetype run) {
        Batch batch;
        // The items fill a store of this thread's own, taken out after each airport's rows:
        // it never holds two airports, so no UID is changed here.
        DatabaseStore store;
        DatabaseStore::Scope scope(&store);
        AptReader reader(
            database(), {}, [this] { return cancelled(); }, nullptr);
        auto harvest = [&batch, &store] {
            AirportItems items;
            items.takeFrom(store);
            if (items.points.isEmpty() && items.runways.isEmpty() && items.taxiways.isEmpty()
                && items.boundaries.isEmpty() && items.paintlights.isEmpty() && items.taxinames.isEmpty()
                && items.startups.isEmpty())
                return;
            batch.airports.append(std::move(items));
        };
        // A run stopped part way is dropped whole: the import stops.
        for (qsizetype i = runs.at(run); i < runs.at(run + 1) && !cancelled(); ++i) {
            QByteArray bytes
                = QByteArray::fromRawData(body.constData() + starts.at(i), starts.at(i + 1) - starts.at(i));
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            LineReader lines(buffer, false);
            reader.readLines(lines);
            harvest();
        }
        reader.commitAirport();
        harvest();
        reader.dropPending();
        batch.runwayCount = reader.m_runwayCount;
        return batch;
    };
    bool stopped = false;
    auto take = [this, &stopped](qsizetype, Batch &&batch) { stopped = stopped || !takeBatch(batch); };
    OrderedParallel::run<Batch>(runs.size() - 1, make, take, [&stopped] { return stopped; });
}

// The body is cut at airport rows (1, or 16 and 17 for those left out), but only where no
// pavement, painted line or boundary is still open: an item left open runs on into the next
// airport, and that is kept so by reading both on the same core. The look is cautious: an item
// counts as closed only by a closing node row that the reader takes. False when cancelled.
bool AptReader::cutAtAirports(const QByteArray &body, QList<qsizetype> &starts)
{
    bool open = false;
    Fields fields;
    int lines = 0;
    for (qsizetype at = 0; at < body.size();) {
        if (++lines % kCancelCheckLines == 0 && cancelled())
            return false;
        const char *p = body.constData() + at;
        const qsizetype left = body.size() - at;
        const void *newline = std::memchr(p, '\n', size_t(left));
        const qsizetype length = newline ? static_cast<const char *>(newline) - p : left;
        if (length > 0 && p[0] == '1') {
            int code = 0;
            qsizetype digits = 0;
            while (digits < length && digits < 5 && p[digits] >= '0' && p[digits] <= '9')
                code = code * 10 + (p[digits++] - '0');
            const bool whole = digits <= 4 && (digits == length || p[digits] == ' ');
            if (!whole) {
                // Not a row code the reader knows: it changes nothing.
            } else if (code == 110 || code == 120 || code == 130) {
                open = true;
            } else if (code >= 113 && code <= 116 && length <= MaxLineLength) {
                split(QByteArrayView(p, length), fields);
                if (fields.size() >= 3)
                    open = false;
            } else if ((code == 1 || code == 16 || code == 17) && digits < length && !open && at > 0) {
                starts.append(at);
            }
        }
        at += length + (newline ? 1 : 0);
    }
    return true;
}

namespace {

// The list lets go of each item just before the database takes it: an addition that fails (no
// memory left) leaves no item with both to delete it, and the items after it stay with the list,
// which the batch deletes.
template <typename T, typename Add>
void handOver(QList<T *> &items, const Add &add)
{
    for (T *&item : items)
        add(std::exchange(item, nullptr));
    items.clear();
}

} // namespace

// A batch's items into the database, in the file's order; false when cancelled.
bool AptReader::takeBatch(Batch &batch)
{
    for (AirportItems &items : batch.airports) {
        if (++m_harvestsTaken % kCancelCheckAirports == 0 && cancelled())
            return false;
        Database *db = database();
        handOver(items.runways, [db](Runway *runway) { db->addRunway(runway); });
        handOver(items.taxiways, [db](Taxiway *taxiway) { db->addTaxiway(taxiway); });
        handOver(items.boundaries, [db](Boundary *boundary) { db->addBoundary(boundary); });
        handOver(items.paintlights, [db](Paintlight *paintlight) { db->addPaintlight(paintlight); });
        handOver(items.taxinames, [db](Taxiname *taxiname) { db->addTaxiname(taxiname); });
        handOver(items.startups, [db](Startup *startup) { db->addStartup(startup); });
        handOver(items.points, [this, db](Point *airport) {
            db->addPoint(airport);
            ++m_airportCount;
            countItem(kProgressLabel);
            if (m_cifpLoader)
                m_procedureAirports.append(airport);
        });
        items = AirportItems();
    }
    m_runwayCount += batch.runwayCount;
    return true;
}

void AptReader::readRow(QByteArrayView line, const Fields &fields)
{
    const int code = rowCode(fields.at(0));
    // A polygon's rings go on until a row that is not a node.
    if ((code < 111 || code > 116) && m_outerClosed)
        finishPolygon();
    if (code == 1) {
        startAirport(fields);
        return;
    }
    if (code == 16 || code == 17) {
        // Seaplane bases and heliports are not imported: their rows fall on no airport.
        commitAirport();
        return;
    }
    if (!m_airport)
        return;

    const int frequency = frequencyType(line);
    if (frequency >= 0) {
        readFrequency(frequency, fields);
        return;
    }

    switch (code) {
    case 100:
        readRunway(fields);
        break;
    case 110:
        startTaxiway(fields);
        break;
    case 120:
        startPaintlight();
        break;
    case 130:
        startBoundary();
        break;
    case 111:
    case 112:
    case 113:
    case 114:
    case 115:
    case 116:
        readNode(code, fields);
        break;
    case 1201:
        readTaxiNode(fields);
        break;
    case 1202:
        readTaxiEdge(fields);
        break;
    case 1300:
        readStartup(fields);
        break;
    case 1302:
        readMetadata(fields);
        break;
    default:
        break;
    }
}

void AptReader::startAirport(const Fields &fields)
{
    commitAirport();
    if (fields.size() < 6)
        return;
    m_airport = new Airport(text(fields.at(4)), joined(fields, 5), wholeNumber(fields.at(1)));
}

void AptReader::commitAirport()
{
    if (m_outerClosed)
        finishPolygon();
    Airport *airport = m_airport;
    m_airport = nullptr;
    if (airport) {
        // Without a land runway the path is empty and so are position and extent.
        const QGeoRectangle extent = m_runwayEnds.boundingGeoRectangle();
        airport->setPosition(extent.center(), extent);
        database()->addPoint(airport);
        ++m_airportCount;
        countItem(kProgressLabel);
        const QString code = airport->code();
        if (airport->region() == QLatin1String("*") && code.size() == 4)
            airport->setRegion(Region::regionPrefix(code));
        if (m_cifpLoader)
            m_procedureAirports.append(airport);
    }
    m_runwayEnds.clearPath();
    m_taxiNodes.clear();
}

void AptReader::readRunway(const Fields &fields)
{
    if (fields.size() < 23)
        return;
    const double width = decimal(fields.at(1));
    const int surface = wholeNumber(fields.at(2));
    const int centreLights = wholeNumber(fields.at(5));
    const int edgeLights = wholeNumber(fields.at(6));

    QString name1 = text(fields.at(8));
    const QGeoCoordinate end1 = coordinate(fields.at(9), fields.at(10));
    const double displaced1 = decimal(fields.at(11));
    const double blastPad1 = decimal(fields.at(12));
    const int markings1 = wholeNumber(fields.at(13));

    QString name2 = text(fields.at(17));
    const QGeoCoordinate end2 = coordinate(fields.at(18), fields.at(19));
    const double displaced2 = decimal(fields.at(20));
    const double blastPad2 = decimal(fields.at(21));
    const int markings2 = wholeNumber(fields.at(22));

    // An unmarked end of a paved runway is not one that procedures or the map name.
    if (surface <= 2) {
        if (markings1 == 0)
            name1.clear();
        if (markings2 == 0)
            name2.clear();
    }

    const QGeoCoordinate threshold1 = Runway::pointTowards(end1, float(displaced1), end2);
    const QGeoCoordinate threshold2 = Runway::pointTowards(end2, float(displaced2), end1);
    database()->addRunway(new Runway(m_airport->code(), threshold1, name1, float(displaced1 + blastPad1), threshold2,
                                     name2, float(displaced2 + blastPad2), float(width), surface, centreLights,
                                     edgeLights));
    ++m_runwayCount;
    m_runwayEnds.addCoordinate(end1);
    m_runwayEnds.addCoordinate(end2);
}

void AptReader::readFrequency(int type, const Fields &fields)
{
    if (fields.size() < 3)
        return;
    m_airport->addAtc(type, float(decimal(fields.at(1)) / 1000.0), joined(fields, 2));
}

void AptReader::startTaxiway(const Fields &fields)
{
    if (m_taxiway)
        qWarning().noquote() << "APT: new taxiway, but previous taxiway was not committed!";
    if (fields.size() < 4)
        return;
    delete m_taxiway;
    m_taxiway = new Taxiway(wholeNumber(fields.at(1)));
    m_state = Pavement;
    m_ringClosed = false;
    m_outerClosed = false;
}

void AptReader::startPaintlight()
{
    if (m_paintlight) {
        qWarning().noquote() << "APT: new paintlight, but previous paintlight was not committed!";
        delete m_paintlight;
    }
    m_paintlight = new Paintlight();
    m_lineType = 0;
    m_lightType = 0;
    m_state = PaintedLine;
}

void AptReader::startBoundary()
{
    if (m_boundary) {
        qWarning().noquote() << "APT: new boundary, but previous boundary was not committed!";
        delete m_boundary;
    }
    m_boundary = new Boundary();
    m_state = AirportBoundary;
    m_ringClosed = false;
    m_outerClosed = false;
}

void AptReader::readNode(int code, const Fields &fields)
{
    if (fields.size() < 3 || m_state == Nothing)
        return;
    const QGeoCoordinate node = coordinate(fields.at(1), fields.at(2));
    const bool bezier = code == 112 || code == 114 || code == 116;
    const QGeoCoordinate control
        = bezier && fields.size() >= 5 ? coordinate(fields.at(3), fields.at(4)) : QGeoCoordinate();
    const bool last = code >= 113;

    if (m_state == Pavement || m_state == AirportBoundary) {
        BezierPath *path = m_state == Pavement ? static_cast<BezierPath *>(m_taxiway) : m_boundary;
        if (!path) {
            m_state = Nothing;
            return;
        }
        if (m_ringClosed) {
            path->beginHole();
            m_ringClosed = false;
        }
        path->addNode(node, control);
        if (last) {
            m_ringClosed = true;
            m_outerClosed = true;
        }
        return;
    }

    if (!m_paintlight) {
        m_state = Nothing;
        return;
    }
    m_paintlight->addNode(node, control);
    if (m_lineType == 0) {
        // The type codes follow the coordinates, after the control point where there is one.
        qsizetype first = 0;
        if (code == 111 || code == 113)
            first = 3;
        else if (code == 112 || code == 114)
            first = 5;
        if (first > 0 && fields.size() > first)
            m_lineType = wholeNumber(fields.at(first));
        if (first > 0 && fields.size() > first + 1)
            m_lightType = wholeNumber(fields.at(first + 1));
    }
    if (!last)
        return;
    if (m_lineType > 0 || m_lightType > 0) {
        if (code == 113 || code == 114)
            m_paintlight->close();
        m_paintlight->addType(m_lineType);
        m_paintlight->addType(m_lightType);
        m_paintlight->updateBounding();
        database()->addPaintlight(m_paintlight);
    } else {
        delete m_paintlight;
    }
    m_paintlight = nullptr;
    m_state = Nothing;
}

void AptReader::finishPolygon()
{
    if (m_state == Pavement && m_taxiway) {
        m_taxiway->updateBounding();
        database()->addTaxiway(m_taxiway);
        m_taxiway = nullptr;
    } else if (m_state == AirportBoundary && m_boundary) {
        m_boundary->updateBounding();
        database()->addBoundary(m_boundary);
        m_boundary = nullptr;
    }
    m_state = Nothing;
    m_ringClosed = false;
    m_outerClosed = false;
}

void AptReader::readTaxiNode(const Fields &fields)
{
    if (fields.size() < 5)
        return;
    m_taxiNodes.insert(wholeNumber(fields.at(4)), coordinate(fields.at(1), fields.at(2)));
}

void AptReader::readTaxiEdge(const Fields &fields)
{
    if (fields.size() < 6)
        return;
    const QByteArrayView name = fields.at(5);
    // Runway edges carry the runway's name, which begins with its number.
    if (name.front() >= '0' && name.front() <= '9')
        return;
    const auto from = m_taxiNodes.constFind(wholeNumber(fields.at(1)));
    if (from == m_taxiNodes.constEnd())
        return;
    const QGeoCoordinate to = m_taxiNodes.value(wholeNumber(fields.at(2)));
    const double azimuth = from->azimuthTo(to);
    const double distance = from->distanceTo(to);
    QGeoCoordinate position = from->atDistanceAndAzimuth(distance / 2.0, azimuth);
    position.setAltitude(0.0);
    const int direction = fields.at(3) == "oneway" ? Taxiname::OneWay : Taxiname::TwoWay;
    // The class word ends in the wingspan letter; its last character, as the text has it.
    const QByteArrayView wingspanClass = fields.at(4);
    const QChar wingspan
        = uchar(wingspanClass.back()) < 0x80 ? QChar(QLatin1Char(wingspanClass.back())) : text(wingspanClass).back();
    database()->addTaxiname(new Taxiname(position, azimuth, direction, wingspan, InternedText::fromUtf8(name).text()));
}

void AptReader::readStartup(const Fields &fields)
{
    if (fields.size() < 7)
        return;
    database()->addStartup(new Startup(Startup::typeFromString(text(fields.at(4))), airplanesOf(fields.at(5)),
                                       coordinate(fields.at(1), fields.at(2)), float(decimal(fields.at(3))),
                                       joined(fields, 6)));
}

void AptReader::readMetadata(const Fields &fields)
{
    if (fields.size() < 3)
        return;
    const QByteArrayView key = fields.at(1);
    // The three keys read are one word; a country is known by its first word ("United").
    const QString value = text(fields.at(2));
    if (key == "region_code") {
        m_airport->setRegion(value);
    } else if (key == "country") {
        // An explicit region code wins over the country, whichever row comes first.
        if (m_airport->region() == QLatin1String("*"))
            m_airport->setRegion(Region::regionFromCountry(value));
    } else if (key == "icao_code") {
        if (value != m_airport->code())
            m_airport->setIcaoCode(value);
    }
}

void AptReader::dropPending()
{
    delete m_airport;
    m_airport = nullptr;
    delete m_taxiway;
    m_taxiway = nullptr;
    delete m_paintlight;
    m_paintlight = nullptr;
    delete m_boundary;
    m_boundary = nullptr;
    m_state = Nothing;
    m_ringClosed = false;
    m_outerClosed = false;
    m_lineType = 0;
    m_lightType = 0;
    m_runwayEnds.clearPath();
    m_taxiNodes.clear();
}
