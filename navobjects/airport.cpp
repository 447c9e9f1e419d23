#include "airport.h"

#include "database.h"
#include "recordformat.h"
#include "runway.h"

#include <QVariant>

#include <limits>

namespace {

// An airport lists a handful of frequencies; a larger count read from a file only decides how
// far the reader goes, never how much it reserves up front.
constexpr int kAtcReserveLimit = 64;

} // namespace

Airport::Airport(const QString &code, const QString &name, int elevation)
    : Point(AIRP, QGeoCoordinate(), code, QStringLiteral("*"), QStringLiteral("*"), name, elevation, 0.0f, QString())
{
}

// The search text and the UID are those of region "*", as setRegion leaves them.
Airport::Airport(const QString &code, const QString &name, int elevation, const QString &region,
                 const QGeoCoordinate &position, const QGeoRectangle &bounding)
    : Point(AIRP, position, bounding, code, QStringLiteral("*"), QStringLiteral("*"), name, elevation, 0.0f, QString())
{
    m_region = region;
}

Airport::~Airport() = default;

bool Airport::isFourLetterCode(const QString &code)
{
    if (code.size() != 4)
        return false;
    for (const QChar c : code) {
        if (!c.isLetter())
            return false;
    }
    return true;
}

QString Airport::uidForCode(const QString &code)
{
    return code;
}

void Airport::setPosition(const QGeoCoordinate &position, const QGeoRectangle &bounding)
{
    m_position = position;
    setBounding(bounding);
}

void Airport::setRegion(const QString &region)
{
    m_region = region;
}

void Airport::setIcaoCode(const QString &code)
{
    setCode(code);
    setUid(uidForCode(code));
}

void Airport::addAtc(int type, float frequency, const QString &name)
{
    m_atcs.append(Atc(type, frequency, name));
}

QList<Atc> Airport::atcsOfType(int type) const
{
    QList<Atc> result;
    for (const Atc &atc : m_atcs) {
        if (atc.type() == type)
            result.append(atc);
    }
    return result;
}

bool Airport::hasRunwayEnd(const QString &endName) const
{
    if (endName.isEmpty())
        return false;
    const QList<Runway *> runways = Database::runwaysOf(const_cast<Airport *>(this));
    for (const Runway *runway : runways) {
        if (runway && (runway->endName(0, false) == endName || runway->endName(1, false) == endName))
            return true;
    }
    return false;
}

bool Airport::hasHardLongRunway() const
{
    const QList<Runway *> runways = Database::runwaysOf(const_cast<Airport *>(this));
    for (const Runway *runway : runways) {
        if (runway && runway->isHardLong())
            return true;
    }
    return false;
}

void Airport::writeAtcs(QDataStream &stream) const
{
    stream << quint32(m_atcs.size());
    for (const Atc &atc : m_atcs)
        stream << atc;
}

// Qt's own list reader reserves the count it reads before reading a single entry, so a
// damaged count would ask for gigabytes and end the program. This reader keeps its rules (the
// list is cleared first, entries are appended one by one, a failed entry clears the list and
// stops) and reserves only a plausible amount.
void Airport::readAtcs(QDataStream &stream)
{
    m_atcs.clear();
    // An entry takes at least its type, its frequency and an empty name.
    const qint64 count = RecordFormat::readCount(stream, 12);
    if (count < 0)
        return;
    m_atcs.reserve(qMin<qint64>(count, kAtcReserveLimit));
    for (qint64 i = 0; i < count; ++i) {
        Atc atc;
        stream >> atc;
        if (stream.status() != QDataStream::Ok) {
            m_atcs.clear();
            return;
        }
        m_atcs.append(atc);
    }
}
