#include "navreader.h"

#include "database.h"
#include "internedtext.h"
#include "point.h"
#include "runway.h"

#include <QCoreApplication>
#include <QGeoCoordinate>

NavReader::NavReader(Database *database, ProgressFn progress, CancelFn cancelled)
    : LineFileReader(database, std::move(progress), std::move(cancelled))
{
}

LineFileReader::Format NavReader::format() const
{
    return {"NAV",
            {QStringLiteral("1100"), QStringLiteral("1101"), QStringLiteral("1150"), QStringLiteral("1200")},
            11,
            4,
            true,
            true,
            QT_TRANSLATE_NOOP("XpLoader", "Loading nav points:"),
            "NAV points, cycle"};
}

void NavReader::storeCycle(const QString &cycle)
{
    LineFileReader::storeCycle(cycle);
    Database::setCycle(cycle);
}

QString NavReader::reportedCycle() const
{
    return Database::cycle();
}

void NavReader::readFields(const Fields &fields)
{
    const int code = TextFields::toInt(fields.at(0));
    const int frequency = TextFields::toInt(fields.at(4));

    if (code == Point::ILS) {
        const QString end = TextFields::text(fields.at(10));
        // Airports the import left out (seaplane bases, heliports) have localizers too.
        Point *airport = Database::findAirport(TextFields::text(fields.at(8)), false);
        Runway *runway = Database::findRunwayEnd(airport, end);
        if (!runway)
            return;
        runway->setIls(end, float(frequency / 100.0), TextFields::joined(fields, 11));
        return;
    }
    if (code != Point::NDB && code != Point::VOR && code != Point::DME)
        return;

    const QGeoCoordinate position(TextFields::toDouble(fields.at(1)), TextFields::toDouble(fields.at(2)));
    const float megahertzOrKilohertz = code == Point::NDB ? float(frequency) : float(frequency / 100.0);
    auto *point = new Point(code, position, TextFields::text(fields.at(7)), InternedText::fromUtf8(fields.at(8)).text(),
                            InternedText::fromUtf8(fields.at(9)).text(), TextFields::joined(fields, 10),
                            TextFields::toInt(fields.at(3)), megahertzOrKilohertz, QString());
    database()->addPoint(point);
    added();
}
