#include "cifploader.h"

#include "database.h"
#include "orderedparallel.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "textfields.h"
#include "wholereadfile.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QtEndian>
#include <QtMath>

#include <cstring>
#include <utility>

#include <cmath>
#include <limits>

namespace {

constexpr int kFieldCount = 38;

// An airport's procedures take far less: a larger file is none, and read whole beside the rest of
// the import it could take the memory the import needs.
constexpr qint64 kLargestCifpFile = 64 * 1024 * 1024;

// Field numbers of a procedure line.
enum Field {
    FieldSectionSequence = 0,
    FieldRouteType = 1,
    FieldIdentifier = 2,
    FieldTransition = 3,
    FieldFix = 4,
    FieldFixRegion = 5,
    FieldFixSection = 6,
    FieldFixSubsection = 7,
    FieldDescription = 8,
    FieldTurnDirection = 9,
    FieldPathTerminator = 11,
    FieldNavaid = 13,
    FieldNavaidRegion = 14,
    FieldNavaidSection = 15,
    FieldNavaidSubsection = 16,
    FieldArcRadius = 17,
    FieldTheta = 18,
    FieldCourse = 20,
    FieldDistance = 21,
    FieldAltitudeDescription = 22,
    FieldAltitude1 = 23,
    FieldAltitude2 = 24,
    FieldTransitionAltitude = 25,
    FieldSpeed = 27,
    FieldArcCentre = 30
};

// A decimal number, or nothing for a text that is not a (finite) number.
bool toNumber(const QString &text, double *value)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !qIsFinite(number))
        return false;
    *value = number;
    return true;
}

// Keeps a far-out value far out but within int, so that the field check clamps and warns.
int clampToInt(double value)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(lowest, value, highest));
}

int integerOr(const QString &text, int blank)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : blank;
}

// ---- the same readers on the bytes of a field. The text readers trim any Unicode blank,
// the byte readers ASCII ones alone, so a field with other bytes takes the text way.

bool plainAscii(QByteArrayView field)
{
    for (const char c : field) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

QString fieldText(QByteArrayView field)
{
    return QString::fromUtf8(field);
}

QString withoutBlanks(QByteArrayView field)
{
    if (!field.contains(' '))
        return QString::fromUtf8(field);
    QVarLengthArray<char, 64> kept;
    for (const char c : field) {
        if (c != ' ')
            kept.append(c);
    }
    return QString::fromUtf8(kept.constData(), kept.size());
}

// The byte parsers take a blank field for 0; the text ones, rightly, for nothing.
// The plain forms of nearly every number field, [-]digits[.digits], read without the general
// parsers (a few hundred instructions each, eight fields a leg, a million legs): the same
// values, as both round correctly.
bool isPlainInteger(QByteArrayView field)
{
    const char *p = field.data();
    const char *const end = p + field.size();
    if (p != end && *p == '-')
        ++p;
    if (p == end || end - p > 9)
        return false;
    for (; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
    }
    return true;
}

bool isPlainDecimal(QByteArrayView field)
{
    // A few bytes: searched here rather than through a call.
    qsizetype point = -1;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '.') {
            point = i;
            break;
        }
    }
    if (point < 0)
        return isPlainInteger(field);
    const QByteArrayView fraction = field.sliced(point + 1);
    return point > 0 && field.first(point) != "-" && isPlainInteger(field.first(point)) && !fraction.isEmpty()
           && fraction.front() != '-' && isPlainInteger(fraction);
}

// Blank number columns are common: they are told at once, with the value the general way gives.
bool toNumber(QByteArrayView field, double *value)
{
    if (field.isEmpty())
        return false;
    if (isPlainDecimal(field)) {
        *value = TextFields::toDouble(field);
        return true;
    }
    if (!plainAscii(field))
        return toNumber(fieldText(field), value);
    if (field.trimmed().isEmpty())
        return false;
    bool ok = false;
    const double number = field.toDouble(&ok);
    if (!ok || !qIsFinite(number))
        return false;
    *value = number;
    return true;
}

int integerOr(QByteArrayView field, int blank)
{
    if (field.isEmpty())
        return blank;
    if (isPlainInteger(field))
        return TextFields::toInt(field);
    if (!plainAscii(field))
        return integerOr(fieldText(field), blank);
    if (field.trimmed().isEmpty())
        return blank;
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? value : blank;
}

int tenthsFromBytes(QByteArrayView field)
{
    double value = 0.0;
    if (!toNumber(field, &value))
        return -1;
    return clampToInt(std::round(value / 10.0));
}

int altitudeFromBytes(QByteArrayView field)
{
    if (field.isEmpty())
        return -1;
    // Most altitudes are plain feet, with no blank to trim.
    if (isPlainInteger(field))
        return TextFields::toInt(field);
    if (!plainAscii(field)) {
        const QString trimmed = fieldText(field).trimmed();
        // High constraints come as flight levels; dropping them would lose the constraint.
        if (trimmed.startsWith(QLatin1String("FL"))) {
            bool ok = false;
            const int level = trimmed.mid(2).toInt(&ok);
            return ok ? clampToInt(level * 100.0) : -1;
        }
        return integerOr(trimmed, -1);
    }
    const QByteArrayView trimmed = field.trimmed();
    if (trimmed.startsWith("FL")) {
        bool ok = false;
        const int level = trimmed.sliced(2).toInt(&ok);
        return ok ? clampToInt(level * 100.0) : -1;
    }
    return integerOr(trimmed, -1);
}

// A field as the key of the tables below. The fields are a few bytes each, nine looked up per
// leg: hashed and compared here in a short loop, not through Qt's general functions, whose
// calls cost more than the bytes.
struct FieldKey
{
    QByteArrayView view;

    friend bool operator==(const FieldKey &a, const FieldKey &b)
    {
        const qsizetype size = a.view.size();
        if (size != b.view.size())
            return false;
        const char *x = a.view.data();
        const char *y = b.view.data();
        for (qsizetype i = 0; i < size; ++i) {
            if (x[i] != y[i])
                return false;
        }
        return true;
    }
    friend size_t qHash(const FieldKey &key, size_t seed)
    {
        size_t hash = seed ^ size_t(key.view.size());
        for (const char c : key.view)
            hash = (hash ^ uchar(c)) * size_t(0x100000001B3ULL);
        return hash ^ (hash >> 29);
    }
};

template <typename Value>
using FieldTable = QHash<FieldKey, Value>;

// The same few texts and codes come back on leg after leg of a file: each is made once, and
// the legs share it.
template <typename Value, typename Make>
Value remembered(FieldTable<Value> &known, QByteArrayView field, Make make)
{
    const auto it = known.constFind(FieldKey{field});
    if (it != known.cend())
        return it.value();
    const Value value = make(field);
    known.insert(FieldKey{field}, value);
    return value;
}

} // namespace

// Keyed by views into the file's bytes, which outlive it.
struct CifpLoader::Texts
{
    FieldTable<QString> withoutBlanks;
    FieldTable<QString> plain;
    FieldTable<int> pathTerminators;
    FieldTable<int> turnDirections;
    FieldTable<int> altitudeDescriptions;
    FieldTable<quint32> descriptions;
    FieldTable<int> routeTypes[8];
    FieldTable<int> procedureTypes;
};

namespace {

// The kind of point a section and subsection code name; the codes are single letters, read
// without making texts of them.
int kindOf(QByteArrayView section, QByteArrayView subsection)
{
    if (!plainAscii(section) || !plainAscii(subsection) || section.size() > 8 || subsection.size() > 8)
        return Record::kindFromSection(fieldText(section), fieldText(subsection));
    char16_t first[8];
    char16_t second[8];
    std::copy(section.begin(), section.end(), first);
    std::copy(subsection.begin(), subsection.end(), second);
    return Record::kindFromSection(QStringView(first, section.size()), QStringView(second, subsection.size()));
}

// The separators among eight bytes, as the high bit of each byte that is one. Exact: unlike
// the shorter form of this test, a byte just above a separator is never taken for one.
inline quint64 separatorBits(quint64 word, quint64 pattern)
{
    constexpr quint64 low7 = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 x = word ^ pattern;
    return ~(((x & low7) + low7) | x | low7);
}

void splitAt(QByteArrayView line, char separator, CifpLoader::Fields &fields)
{
    // Eight bytes at a time: a procedure line is some 140 bytes in 38 fields of a few bytes each,
    // and a test per byte cost more than everything else the split does. The fields are
    // written in place (a view is a plain value: the room is not cleared first) and the list
    // cut to their number at the end.
    const char *const begin = line.data();
    const char *const end = begin + line.size();
    const quint64 pattern = 0x0101010101010101ULL * uchar(separator);
    fields.resize(kFieldCount + 1);
    QByteArrayView *const cut = fields.data();
    int count = 0;
    const char *start = begin;
    const char *p = begin;
    auto done = [&] { fields.resize(count); };
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        for (quint64 bits = separatorBits(qFromLittleEndian(word), pattern); bits; bits &= bits - 1) {
            const char *const at = p + qCountTrailingZeroBits(bits) / 8;
            cut[count++] = QByteArrayView(start, at - start);
            start = at + 1;
            if (count > kFieldCount)
                return done();
        }
    }
    for (; p != end; ++p) {
        if (*p != separator)
            continue;
        cut[count++] = QByteArrayView(start, p - start);
        start = p + 1;
        if (count > kFieldCount)
            return done();
    }
    cut[count++] = QByteArrayView(start, end - start);
    done();
}

bool isProcedureLine(QByteArrayView line)
{
    return line.startsWith("SID") || line.startsWith("STAR") || line.startsWith("APP");
}

// How many of the lines ahead (up to the first of another procedure) belong to the procedure
// of that identifier: its legs are gathered into a list of that size at once, rather than one
// grown (and its legs copied) step by step and left with room to spare.
qsizetype legsAhead(QByteArrayView rest, QByteArrayView identifier)
{
    qsizetype legs = 0;
    while (!rest.isEmpty()) {
        const qsizetype newline = rest.indexOf('\n');
        const QByteArrayView line = newline < 0 ? rest : rest.first(newline);
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
        if (!isProcedureLine(line))
            continue;
        const qsizetype first = line.indexOf(',');
        const qsizetype second = first < 0 ? -1 : line.indexOf(',', first + 1);
        const qsizetype third = second < 0 ? -1 : line.indexOf(',', second + 1);
        if (third < 0 || line.sliced(second + 1, third - second - 1) != identifier)
            break;
        ++legs;
    }
    return legs;
}

} // namespace

CifpLoader::CifpLoader(Database *database)
    : QObject(nullptr)
    , m_database(database)
{
    if (!m_database)
        qFatal("Cannot create CifpLoader object with NULL pointers!");
}

CifpLoader::~CifpLoader() = default;

void CifpLoader::setPath(const QString &path)
{
    m_path = path;
}

void CifpLoader::appendRecord(QList<Record> &records, const Fields &fields, int sequence, int procedureType,
                              const QString &airportCode, Texts &texts)
{
    const auto stripped = [&texts](QByteArrayView field) {
        return remembered(texts.withoutBlanks, field, [](QByteArrayView f) { return withoutBlanks(f); });
    };
    QString transition = stripped(fields.at(FieldTransition));
    if (transition.isEmpty())
        transition = QStringLiteral("ALL");

    QString region = stripped(fields.at(FieldFixRegion));
    if (region.isEmpty())
        region = remembered(texts.plain, fields.at(FieldNavaidRegion), fieldText);

    QByteArrayView section = fields.at(FieldFixSection);
    if (section.isEmpty())
        section = fields.at(FieldNavaidSection);
    const bool airportSection = section == "P";
    const QString terminal = airportSection ? airportCode : QStringLiteral("ENRT");

    // The runway index knows a runway end by its name alone (27L, not RW27L).
    QString fix = stripped(fields.at(FieldFix));
    if (airportSection && fix.startsWith(QLatin1String("RW")))
        fix.remove(QStringLiteral("RW"));

    const int pathTerminator = remembered(texts.pathTerminators, fields.at(FieldPathTerminator), [](QByteArrayView f) {
        return Record::pathTerminatorFromString(fieldText(f));
    });
    // An RF leg names the centre of its arc in place of the recommended navaid.
    const QString navaid = stripped(fields.at(pathTerminator == Record::RF ? FieldArcCentre : FieldNavaid));

    QByteArrayView distanceField = fields.at(FieldDistance);
    const bool isTime = distanceField.startsWith('T');
    if (isTime)
        distanceField = distanceField.sliced(1);
    double distance = 0.0;
    if (toNumber(distanceField, &distance))
        distance /= 10.0;
    else
        distance = 0.0;

    double arcRadius = 0.0;
    if (toNumber(fields.at(FieldArcRadius), &arcRadius))
        arcRadius /= 1000.0;
    else
        arcRadius = 0.0;

    // Route types are read per procedure type; other types than the three are rare.
    const int routeType = procedureType >= 0 && procedureType < 8
                              ? remembered(texts.routeTypes[procedureType], fields.at(FieldRouteType),
                                           [procedureType](QByteArrayView f) {
                                               return Record::routeTypeFromString(procedureType, fieldText(f));
                                           })
                              : Record::routeTypeFromString(procedureType, fieldText(fields.at(FieldRouteType)));
    const quint32 description = remembered(texts.descriptions, fields.at(FieldDescription), [](QByteArrayView f) {
        return Record::descriptionFromString(fieldText(f));
    });
    const int turnDirection = remembered(texts.turnDirections, fields.at(FieldTurnDirection), [](QByteArrayView f) {
        return Record::turnDirectionFromString(fieldText(f));
    });
    const int altitudeDescription
        = remembered(texts.altitudeDescriptions, fields.at(FieldAltitudeDescription),
                     [](QByteArrayView f) { return Record::altitudeDescriptionFromString(fieldText(f)); });

    const int course = tenthsFromBytes(fields.at(FieldCourse));
    const int altitude1 = altitudeFromBytes(fields.at(FieldAltitude1));
    const int altitude2 = altitudeFromBytes(fields.at(FieldAltitude2));
    const int transitionAltitude = altitudeFromBytes(fields.at(FieldTransitionAltitude));
    const int speed = integerOr(fields.at(FieldSpeed), 0);
    const int theta = tenthsFromBytes(fields.at(FieldTheta));
    Record &record
        = records.emplaceBack(sequence, routeType, transition, fix, navaid, terminal, region, description,
                              turnDirection, pathTerminator, course, distance, isTime ? 1 : 0, altitudeDescription,
                              altitude1, altitude2, transitionAltitude, speed, arcRadius, theta);
    // The centre of an arc is named without its kind.
    record.setKinds(kindOf(fields.at(FieldFixSection), fields.at(FieldFixSubsection)),
                    pathTerminator == Record::RF
                        ? int(Record::AnyKind)
                        : kindOf(fields.at(FieldNavaidSection), fields.at(FieldNavaidSubsection)));
}

bool CifpLoader::load(Point *airport)
{
    if (!airport)
        return false;
    for (Procedure *procedure : read(airport->code()))
        m_database->addProcedure(procedure);
    return true;
}

QList<Procedure *> CifpLoader::read(const QString &airportCode) const
{
    QList<Procedure *> procedures;
    const QString path = m_path + QLatin1Char('/') + airportCode + QStringLiteral(".dat");
    QByteArray bytes;
    QString why;
    const WholeReadFile::Outcome outcome = WholeReadFile::read(path, kLargestCifpFile, &bytes, &why);
    if (outcome == WholeReadFile::Outcome::NotAFile || outcome == WholeReadFile::Outcome::TooLarge)
        qWarning().noquote() << "Procedures file" << path
                             << "skipped:" << (why.isEmpty() ? QStringLiteral("too large") : why);
    if (outcome != WholeReadFile::Outcome::Read)
        return procedures;

    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    Procedure *procedure = nullptr;
    QByteArrayView procedureName;
    Fields fields;
    Fields head;
    Texts texts;
    QList<Record> records;
    while (!rest.isEmpty()) {
        const qsizetype newline = rest.indexOf('\n');
        QByteArrayView line = newline < 0 ? rest : rest.first(newline);
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!isProcedureLine(line))
            continue;
        splitAt(line, ',', fields);
        if (fields.size() != kFieldCount)
            continue;
        splitAt(fields.at(FieldSectionSequence), ':', head);
        if (head.size() != 2)
            continue;

        // Three known words on every line: each read once per file; an unknown one warns on every line.
        int procedureType = texts.procedureTypes.value(FieldKey{head.at(0)}, Procedure::UNKNOWN);
        if (procedureType == Procedure::UNKNOWN) {
            procedureType = Procedure::typeFromString(fieldText(head.at(0)));
            if (procedureType != Procedure::UNKNOWN)
                texts.procedureTypes.insert(FieldKey{head.at(0)}, procedureType);
        }
        const int sequence = integerOr(head.at(1), 0);
        // Consecutive lines of one identifier make one procedure, whatever their section says.
        const QByteArrayView name = fields.at(FieldIdentifier);
        if (procedure && procedureName != name) {
            procedure->setRecords(std::exchange(records, {}));
            procedures.append(procedure);
            procedure = nullptr;
        }
        if (!procedure) {
            procedure = new Procedure(fieldText(name), airportCode, procedureType);
            procedureName = name;
            records.reserve(1 + legsAhead(rest, name));
        }
        // Gathered here and handed over whole: the procedure shares the list, no leg is copied.
        appendRecord(records, fields, sequence, procedureType, airportCode, texts);
    }
    if (procedure) {
        procedure->setRecords(records);
        procedures.append(procedure);
    }
    return procedures;
}

void CifpLoader::loadAll(const QList<Point *> &airports, const std::function<bool()> &stop)
{
    struct Files
    {
        QList<Procedure *> procedures;
        Files() = default;
        Files(Files &&) = default;
        Files &operator=(Files &&) = default;
        // Read but not handed over: the import stopped.
        ~Files() { qDeleteAll(procedures); }
    };
    // A few airports per part: one file is too little work to send to another core.
    constexpr qsizetype perPart = 16;
    const qsizetype parts = (airports.size() + perPart - 1) / perPart;
    OrderedParallel::run<Files>(
        parts,
        [this, &airports, &stop](qsizetype part) {
            Files files;
            const qsizetype end = std::min(airports.size(), (part + 1) * perPart);
            // A part stopped half-way is dropped as the import stops.
            for (qsizetype i = part * perPart; i < end && !(stop && stop()); ++i) {
                if (airports.at(i))
                    files.procedures.append(read(airports.at(i)->code()));
            }
            return files;
        },
        [this](qsizetype, Files &&files) {
            for (Procedure *procedure : std::as_const(files.procedures))
                m_database->addProcedure(procedure);
            files.procedures.clear();
        },
        stop);
}
