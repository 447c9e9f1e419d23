#include "cifploader.h"

#include "database.h"
#include "point.h"
#include "procedure.h"
#include "record.h"

#include <QFile>
#include <QTextStream>
#include <QtMath>

#include <cmath>
#include <limits>

namespace {

constexpr int kFieldCount = 38;

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

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

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

int CifpLoader::tenthsToWhole(const QString &text)
{
    double value = 0.0;
    if (!toNumber(text, &value))
        return -1;
    // std::round takes halves away from zero: 0895 is 89.5, so 90.
    return clampToInt(std::round(value / 10.0));
}

int CifpLoader::altitudeFromString(const QString &text)
{
    const QString trimmed = text.trimmed();
    // High constraints come as flight levels; dropping them would lose the constraint.
    if (trimmed.startsWith(QLatin1String("FL"))) {
        bool ok = false;
        const int level = trimmed.mid(2).toInt(&ok);
        return ok ? clampToInt(level * 100.0) : -1;
    }
    return integerOr(trimmed, -1);
}

Record CifpLoader::recordFromFields(const QStringList &fields, int sequence, int procedureType,
                                    const QString &airportCode)
{
    QString transition = withoutBlanks(fields.at(FieldTransition));
    if (transition.isEmpty())
        transition = QStringLiteral("ALL");

    QString region = withoutBlanks(fields.at(FieldFixRegion));
    if (region.isEmpty())
        region = fields.at(FieldNavaidRegion);

    QString section = fields.at(FieldFixSection);
    if (section.isEmpty())
        section = fields.at(FieldNavaidSection);
    const bool airportSection = section == QLatin1String("P");
    const QString terminal = airportSection ? airportCode : QStringLiteral("ENRT");

    // The runway index knows a runway end by its name alone (27L, not RW27L).
    QString fix = withoutBlanks(fields.at(FieldFix));
    if (airportSection && fix.startsWith(QLatin1String("RW")))
        fix.remove(QStringLiteral("RW"));

    const int pathTerminator = Record::pathTerminatorFromString(fields.at(FieldPathTerminator));
    // An RF leg names the centre of its arc in place of the recommended navaid.
    const QString navaid = withoutBlanks(fields.at(pathTerminator == Record::RF ? FieldArcCentre : FieldNavaid));

    QString distanceField = fields.at(FieldDistance);
    const bool isTime = distanceField.startsWith(QLatin1Char('T'));
    if (isTime)
        distanceField.remove(0, 1);
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

    Record record(sequence, Record::routeTypeFromString(procedureType, fields.at(FieldRouteType)), transition, fix,
                  navaid, terminal, region, Record::descriptionFromString(fields.at(FieldDescription)),
                  Record::turnDirectionFromString(fields.at(FieldTurnDirection)), pathTerminator,
                  tenthsToWhole(fields.at(FieldCourse)), distance, isTime ? 1 : 0,
                  Record::altitudeDescriptionFromString(fields.at(FieldAltitudeDescription)),
                  altitudeFromString(fields.at(FieldAltitude1)), altitudeFromString(fields.at(FieldAltitude2)),
                  altitudeFromString(fields.at(FieldTransitionAltitude)), integerOr(fields.at(FieldSpeed), 0),
                  arcRadius, tenthsToWhole(fields.at(FieldTheta)));
    // The centre of an arc is named without its kind.
    record.setKinds(Record::kindFromSection(fields.at(FieldFixSection), fields.at(FieldFixSubsection)),
                    pathTerminator == Record::RF ? int(Record::AnyKind)
                                                 : Record::kindFromSection(fields.at(FieldNavaidSection),
                                                                           fields.at(FieldNavaidSubsection)));
    return record;
}

bool CifpLoader::load(Point *airport)
{
    if (!airport)
        return false;
    const QString airportCode = airport->code();
    QFile file(m_path + QLatin1Char('/') + airportCode + QStringLiteral(".dat"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return true;

    QTextStream stream(&file);
    Procedure *procedure = nullptr;
    QString line;
    while (stream.readLineInto(&line)) {
        if (!line.startsWith(QLatin1String("SID")) && !line.startsWith(QLatin1String("STAR"))
            && !line.startsWith(QLatin1String("APP")))
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() != kFieldCount)
            continue;
        const QStringList head = fields.at(FieldSectionSequence).split(QLatin1Char(':'));
        if (head.size() != 2)
            continue;

        const int procedureType = Procedure::typeFromString(head.at(0));
        const int sequence = integerOr(head.at(1), 0);
        const Record record = recordFromFields(fields, sequence, procedureType, airportCode);

        // Consecutive lines of one identifier make one procedure, whatever their section says.
        const QString name = fields.at(FieldIdentifier);
        if (procedure && procedure->name() != name) {
            m_database->addProcedure(procedure);
            procedure = nullptr;
        }
        if (!procedure)
            procedure = new Procedure(name, airportCode, procedureType);
        procedure->addRecord(record);
    }
    if (procedure)
        m_database->addProcedure(procedure);
    return true;
}
