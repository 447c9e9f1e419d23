#include "fixreader.h"

#include "database.h"
#include "internedtext.h"
#include "point.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGeoCoordinate>
#include <QHash>

FixReader::FixReader(Database *database, ProgressFn progress, CancelFn cancelled, Source source)
    : LineFileReader(database, std::move(progress), std::move(cancelled))
    , m_source(source)
{
}

int FixReader::read(const QString &path)
{
    const int result = LineFileReader::read(path);
    return m_source == UserFix ? 0 : result;
}

LineFileReader::Format FixReader::format() const
{
    if (m_source == UserFix)
        return {"User FIX",
                {QStringLiteral("1101"), QStringLiteral("1200")},
                5,
                0,
                false,
                false,
                QT_TRANSLATE_NOOP("XpLoader", "Loading user fix points:"),
                "User FIX points, cycle"};
    return {"FIX",
            {QStringLiteral("1100"), QStringLiteral("1101"), QStringLiteral("1200")},
            6,
            2,
            true,
            true,
            QT_TRANSLATE_NOOP("XpLoader", "Loading fix points:"),
            "FIX points, cycle"};
}

QString FixReader::waypointType(int packed)
{
    const quint32 value = quint32(packed);
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return QString::fromUtf8(bytes);
}

void FixReader::readFields(const Fields &fields)
{
    database()->addPoint(buildPoint(fields));
    added();
}

Point *FixReader::buildPoint(const Fields &fields) const
{
    const QGeoCoordinate position(TextFields::toDouble(fields.at(0)), TextFields::toDouble(fields.at(1)));
    const QString code = TextFields::text(fields.at(2));
    if (m_source == UserFix)
        return new Point(Point::FIX, position, code, TextFields::text(fields.at(3)), TextFields::text(fields.at(4)),
                         QStringLiteral("User FIX ") + code, 0, 0.0f, QStringLiteral("   "));
    const QString name = fields.size() > 6 ? TextFields::joined(fields, 6) : code;
    // A few dozen waypoint types among all fixes: each text is made once per thread and shared.
    thread_local QHash<int, QString> waypointTypes;
    const int packed = TextFields::toInt(fields.at(5));
    auto type = waypointTypes.constFind(packed);
    if (type == waypointTypes.cend())
        type = waypointTypes.insert(packed, waypointType(packed));
    return new Point(Point::FIX, position, code, InternedText::fromUtf8(fields.at(3)).text(),
                     InternedText::fromUtf8(fields.at(4)).text(), name, 0, 0.0f, type.value());
}
