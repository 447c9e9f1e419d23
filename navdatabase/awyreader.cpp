#include "awyreader.h"

#include "database.h"
#include "internedtext.h"
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
struct AwyReader::Row : PreparedRow
{
    bool backward = false;
    QString name;
    End ends[2];
    // Built on the preparing thread when both ends were found.
    std::unique_ptr<Segment> segment;
};

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

AwyReader::End AwyReader::findEnd(QByteArrayView identifier, QByteArrayView region, int kind)
{
    End end;
    end.uid = endUidOf(identifier, region);
    end.kind = kind;
    switch (kind) {
    case 11:
        end.candidates = Database::pointsOfType(end.uid, {Point::FIX});
        break;
    case 2:
        end.candidates = Database::pointsOfType(end.uid, {Point::NDB});
        break;
    case 3:
        // A TACAN or a lone DME is a VHF navaid of the airways too.
        end.candidates = Database::pointsOfType(end.uid, {Point::VOR, Point::DME, Point::DMEILS});
        break;
    default:
        break;
    }
    end.ofKind = !end.candidates.isEmpty();
    if (!end.ofKind)
        end.candidates = Database::pointsOfUid(end.uid);
    return end;
}

void AwyReader::pickNearest(End &a, End &b)
{
    if (a.candidates.size() <= 1 || b.candidates.isEmpty()) {
        a.point = a.candidates.value(0);
        b.point = Database::nearestTo(b.candidates, a.point ? a.point->position() : QGeoCoordinate());
        return;
    }
    if (b.candidates.size() == 1) {
        b.point = b.candidates.constFirst();
        a.point = Database::nearestTo(a.candidates, b.point->position());
        return;
    }
    double best = 0.0;
    for (Point *pa : std::as_const(a.candidates)) {
        for (Point *pb : std::as_const(b.candidates)) {
            const double distance = pa->position().distanceTo(pb->position());
            if (!a.point || distance < best) {
                a.point = pa;
                b.point = pb;
                best = distance;
            }
        }
    }
}

void AwyReader::reportEnd(const End &end, const QString &airway)
{
    if (end.ofKind)
        return;
    if (!end.point) {
        Database::findPoint(end.uid, true);
        return;
    }
    if (!m_warnedEnds.contains(end.uid)) {
        m_warnedEnds.insert(end.uid);
        qWarning() << "AWY:" << airway << "end" << end.uid << "of kind" << end.kind
                   << "has no point of that kind; joined to" << end.point->typeString();
    }
}

std::unique_ptr<LineFileReader::PreparedRow> AwyReader::prepareRow(const Fields &fields) const
{
    auto row = std::make_unique<Row>();
    const QByteArrayView direction = fields.at(6);
    int dir = Segment::NONE;
    if (direction == "F") {
        dir = Segment::FORWARD;
    } else if (direction == "B") {
        dir = Segment::BACKWARD;
        row->backward = true;
    }
    row->name = InternedText::fromUtf8(fields.at(10)).text();
    row->ends[0] = findEnd(fields.at(0), fields.at(1), TextFields::toInt(fields.at(2)));
    row->ends[1] = findEnd(fields.at(3), fields.at(4), TextFields::toInt(fields.at(5)));
    pickNearest(row->ends[0], row->ends[1]);
    Point *p0 = row->ends[0].point;
    Point *p1 = row->ends[1].point;
    if (p0 && p1) {
        row->segment = std::make_unique<Segment>(dir, TextFields::toInt(fields.at(7)), p0, p1, row->name,
                                                 TextFields::toInt(fields.at(8)), TextFields::toInt(fields.at(9)));
    }
    return row;
}

void AwyReader::finishRow(std::unique_ptr<PreparedRow> prepared)
{
    auto *row = static_cast<Row *>(prepared.get());
    if (row->backward)
        qWarning() << "Backward routes are not handled!";
    reportEnd(row->ends[0], row->name);
    reportEnd(row->ends[1], row->name);
    if (!row->segment) {
        const End &e0 = row->ends[0];
        const End &e1 = row->ends[1];
        qWarning() << "AWY:" << row->name << "p0" << e0.point << e0.uid << "or p1" << e1.point << e1.uid
                   << "not found in database!";
        return;
    }
    database()->addSegment(row->segment.release());
    added();
}
