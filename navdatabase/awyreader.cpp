#include "awyreader.h"

#include "database.h"
#include "point.h"
#include "segment.h"

#include <QCoreApplication>
#include <QDebug>
#include <QVarLengthArray>

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

// The row names the kind of each end: a point of another kind that shares ident and region
// (an NDB beside a VOR, a fix named after a navaid) may lie far away.
Point *AwyReader::end(const QString &uid, int kind, const QString &airway)
{
    Point *point = nullptr;
    switch (kind) {
    case 11:
        point = Database::findPointOfType(uid, {Point::FIX});
        break;
    case 2:
        point = Database::findPointOfType(uid, {Point::NDB});
        break;
    case 3:
        // A TACAN or a lone DME is a VHF navaid of the airways too.
        point = Database::findPointOfType(uid, {Point::VOR, Point::DME, Point::DMEILS});
        break;
    default:
        break;
    }
    if (point)
        return point;
    point = Database::findPoint(uid, true);
    if (point && !m_warnedEnds.contains(uid)) {
        m_warnedEnds.insert(uid);
        qWarning() << "AWY:" << airway << "end" << uid << "of kind" << kind << "has no point of that kind; joined to"
                   << point->typeString();
    }
    return point;
}

namespace {

// The UID endUid gives, made from the row's bytes in one go.
QString endUidOf(QByteArrayView identifier, QByteArrayView region)
{
    QVarLengthArray<char, 64> uid;
    if (region != "*") {
        uid.append(region.data(), region.size());
        uid.append('/');
    }
    uid.append("ENRT/", 5);
    uid.append(identifier.data(), identifier.size());
    return QString::fromUtf8(uid.constData(), uid.size());
}

} // namespace

void AwyReader::readFields(const Fields &fields)
{
    const QByteArrayView direction = fields.at(6);
    int dir = Segment::NONE;
    if (direction == "F") {
        dir = Segment::FORWARD;
    } else if (direction == "B") {
        dir = Segment::BACKWARD;
        qWarning() << "Backward routes are not handled!";
    }
    const int type = TextFields::toInt(fields.at(7));
    const int minLevel = TextFields::toInt(fields.at(8));
    const int maxLevel = TextFields::toInt(fields.at(9));
    const QString name = TextFields::sharedText(fields.at(10));

    const QString uid0 = endUidOf(fields.at(0), fields.at(1));
    const QString uid1 = endUidOf(fields.at(3), fields.at(4));
    Point *p0 = end(uid0, TextFields::toInt(fields.at(2)), name);
    Point *p1 = end(uid1, TextFields::toInt(fields.at(5)), name);
    if (!p0 || !p1) {
        qWarning() << "AWY:" << name << "p0" << p0 << uid0 << "or p1" << p1 << uid1 << "not found in database!";
        return;
    }
    database()->addSegment(new Segment(dir, type, p0, p1, name, minLevel, maxLevel));
    added();
}
