#include "procedure.h"

#include "airport.h"
#include "database.h"
#include "listcount.h"
#include "point.h"
#include "recordformat.h"
#include "richtext.h"

#include <QDebug>
#include <QRegularExpression>

Procedure::Procedure(const QString &name, const QString &airport, int type)
    : BaseItem(airport + QLatin1Char('/') + name, QStringLiteral("nosearch"), 0.0, 0.0, 0)
    , m_name(name)
    , m_airport(airport)
    , m_procedureType(checkInt8(type))
{
}

Procedure::~Procedure() = default;

void Procedure::addRecord(const Record &record)
{
    m_records.append(record);
}

void Procedure::setRecords(const QList<Record> &records)
{
    m_records = records;
}

QString Procedure::typeString() const
{
    return typeToString(m_procedureType);
}

QString Procedure::icon() const
{
    return icon(m_procedureType);
}

bool Procedure::isAirport(const QString &code) const
{
    return m_airport == code;
}

QString Procedure::typeToString(int type)
{
    switch (type) {
    case SID:
        return QStringLiteral("SID");
    case STAR:
        return QStringLiteral("STAR");
    case APPCH:
        return QStringLiteral("APPCH");
    default:
        return tr("Unknown procedure type");
    }
}

int Procedure::typeFromString(const QString &text)
{
    if (text == QLatin1String("SID"))
        return SID;
    if (text == QLatin1String("STAR"))
        return STAR;
    if (text == QLatin1String("APPCH"))
        return APPCH;
    qWarning() << "Unknown procedure type" << text;
    return UNKNOWN;
}

QString Procedure::icon(int type)
{
    switch (type) {
    case SID:
        return RichText::glyph(0xE098);
    case STAR:
        return RichText::glyph(0xE097);
    case APPCH:
        return RichText::glyph(0xF5AF);
    default:
        return QString();
    }
}

// ---- transitions

QStringList Procedure::transitions() const
{
    QStringList result;
    result.reserve(m_records.size());
    for (const Record &record : m_records)
        result.append(record.transition());
    result.removeDuplicates();
    return result;
}

QString Procedure::mainTransition() const
{
    const QStringList all = transitions();
    if (all.size() == 1)
        return all.first();
    if (all.contains(QStringLiteral("ALL")))
        return QStringLiteral("ALL");
    return QString();
}

QString Procedure::runwayThreshold(const QString &transition) const
{
    static const QRegularExpression runwayTransition(QStringLiteral("(RW)(?<threshold>\\d+\\D?)"));
    static const QRegularExpression approachName(QStringLiteral("(\\D+)(?<threshold>\\d+\\D?)"));

    switch (m_procedureType) {
    case SID:
    case STAR: {
        if (transition.isEmpty())
            return QString();
        const QRegularExpressionMatch match = runwayTransition.match(transition);
        if (!match.hasMatch())
            return QString();
        QString threshold = match.captured(QStringLiteral("threshold"));
        // A transition for both parallel runways is taken at the left one.
        if (threshold.endsWith(QLatin1Char('B')))
            threshold.replace(QLatin1Char('B'), QLatin1Char('L'));
        return threshold;
    }
    case APPCH: {
        if (transition != QLatin1String("ALL"))
            return QString();
        const QRegularExpressionMatch match = approachName.match(m_name);
        if (!match.hasMatch())
            return QString();
        return match.captured(QStringLiteral("threshold")).remove(QLatin1Char('-'));
    }
    default:
        return QString();
    }
}

// ---- leg selections

QList<Record> Procedure::recordsOfTransition(const QString &transition) const
{
    if (transition.isEmpty())
        return m_records;
    QList<Record> result;
    for (const Record &record : m_records) {
        if (record.transition() == transition)
            result.append(record);
    }
    return result;
}

QList<Record> Procedure::transitionRecords(const QString &transition, bool withMissedApproach) const
{
    QList<Record> result;
    for (const Record &record : m_records) {
        if (!transition.isEmpty() && record.transition() != transition)
            continue;
        // The missed approach starts at its first leg, the only one carrying the mark.
        if (!withMissedApproach && record.isMissedApproach())
            break;
        result.append(record);
    }
    return result;
}

QList<Record> Procedure::transitionRecords(bool withMissedApproach) const
{
    return transitionRecords(QString(), withMissedApproach);
}

int Procedure::transitionRouteType(const QString &transition) const
{
    int routeType = -1;
    if (transition.isEmpty())
        return routeType;
    for (const Record &record : m_records) {
        if (record.transition() != transition)
            continue;
        if (routeType != -1 && record.routeType() != routeType)
            return -1;
        routeType = record.routeType();
    }
    return routeType;
}

QStringList Procedure::pointUids(const QString &transition, bool withMissedApproach) const
{
    QStringList result;
    for (const Record &record : m_records) {
        if (!transition.isEmpty() && record.transition() != transition)
            continue;
        // Only the marked leg is left out; the legs after it still show their points.
        if (!withMissedApproach && record.isMissedApproach())
            continue;
        const QString fix = record.fixUid();
        if (!result.contains(fix))
            result.append(fix);
        const QString navaid = record.navaidUid();
        if (!result.contains(navaid))
            result.append(navaid);
    }
    return result;
}

QStringList Procedure::pointUids(bool withMissedApproach) const
{
    return pointUids(QString(), withMissedApproach);
}

QList<Point *> Procedure::outputPoints() const
{
    QList<Point *> result;
    if (m_procedureType != SID)
        return result;
    for (const Record &record : m_records) {
        if (!record.isEndOfRoute())
            continue;
        if (Point *point = record.fixPoint())
            result.append(point);
    }
    return result;
}

QList<Point *> Procedure::inputPoints() const
{
    QList<Point *> result;
    if (m_procedureType != STAR && m_procedureType != APPCH)
        return result;
    for (const Record &record : m_records) {
        if (record.pathTerminator() != Record::IF)
            continue;
        if (m_procedureType == APPCH && record.routeType() != Record::APPROACH_TRANSITION)
            continue;
        if (Point *point = record.fixPoint())
            result.append(point);
    }
    return result;
}

namespace {

QStringList pointTexts(const QList<Point *> &points, bool asLinks)
{
    QStringList result;
    for (const Point *point : points) {
        if (!point)
            continue;
        const QString text = asLinks ? point->link() : point->uid();
        if (!result.contains(text))
            result.append(text);
    }
    return result;
}

} // namespace

QStringList Procedure::outputs(bool asLinks) const
{
    return pointTexts(outputPoints(), asLinks);
}

QStringList Procedure::inputs(bool asLinks) const
{
    return pointTexts(inputPoints(), asLinks);
}

bool Procedure::usesPoint(const Point *point) const
{
    for (const Record &record : m_records) {
        if (record.fixPoint() == point)
            return true;
    }
    return false;
}

bool Procedure::matchesRunway(const QString &runway) const
{
    switch (m_procedureType) {
    case SID:
    case STAR:
        for (const Record &record : m_records) {
            if (record.transition().contains(runway))
                return true;
        }
        return false;
    case APPCH:
        return m_name.contains(runway);
    default:
        return false;
    }
}

Point *Procedure::airportPoint() const
{
    return Database::findPoint(Airport::uidForCode(m_airport), false);
}

// ---- database file

QDataStream &operator<<(QDataStream &stream, const Procedure &procedure)
{
    stream << procedure.m_name << procedure.m_airport << procedure.m_procedureType;
    ListCount::write(stream, procedure.m_records.size());
    for (const Record &record : procedure.m_records)
        stream << record;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Procedure *&procedure)
{
    QString name;
    QString airport;
    qint8 type = 0;
    stream >> name >> airport >> type;

    // Read leg by leg, and only as many as the bytes left can hold (a leg takes at least 40):
    // a damaged count must not reserve gigabytes or loop for them.
    QList<Record> records;
    const qint64 count = RecordFormat::readCount(stream, 40);
    // Exactly as many as stored: a list grown leg by leg keeps up to half its room unused.
    if (count > 0)
        records.reserve(count);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        stream >> records.emplaceBack();
        if (stream.status() != QDataStream::Ok) {
            records = QList<Record>();
            break;
        }
    }

    procedure = new Procedure(name, airport, type);
    procedure->setRecords(records);
    return stream;
}
