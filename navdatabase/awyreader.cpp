#include "awyreader.h"

#include "database.h"
#include "point.h"
#include "segment.h"

#include <QCoreApplication>
#include <QDebug>

AwyReader::AwyReader(Database *database, ProgressFn progress, CancelFn cancelled)
    : LineFileReader(database, std::move(progress), std::move(cancelled))
{
}

LineFileReader::Format AwyReader::format() const
{
    return {"AWY",
            {QStringLiteral("1100"), QStringLiteral("1101")},
            11,
            8,
            true,
            true,
            QT_TRANSLATE_NOOP("XpLoader", "Loading segments:"),
            "AWY, cycle"};
}

QString AwyReader::endUid(const QString &identifier, const QString &region)
{
    return Point::uidFor(region, QStringLiteral("ENRT"), identifier);
}

void AwyReader::readRow(const QStringList &fields)
{
    const QString &direction = fields.at(6);
    int dir = Segment::NONE;
    if (direction == QLatin1String("F")) {
        dir = Segment::FORWARD;
    } else if (direction == QLatin1String("B")) {
        dir = Segment::BACKWARD;
        qWarning() << "Backward routes are not handled!";
    }
    const int type = toInt(fields.at(7));
    const int minLevel = toInt(fields.at(8));
    const int maxLevel = toInt(fields.at(9));
    const QString &name = fields.at(10);

    const QString uid0 = endUid(fields.at(0), fields.at(1));
    const QString uid1 = endUid(fields.at(3), fields.at(4));
    Point *p0 = Database::findPoint(uid0, true);
    Point *p1 = Database::findPoint(uid1, true);
    if (!p0 || !p1) {
        qWarning() << "AWY:" << name << "p0" << p0 << uid0 << "or p1" << p1 << uid1 << "not found in database!";
        return;
    }
    database()->addSegment(new Segment(dir, type, p0, p1, name, minLevel, maxLevel));
    added();
}
