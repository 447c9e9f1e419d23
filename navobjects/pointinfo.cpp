#include "point.h"

#include "database.h"
#include "infotext.h"
#include "procedure.h"
#include "richtext.h"
#include "segment.h"

#include <QStringList>

namespace {

// One list of airway segments at the point; direct legs are the router's, not the network's.
void addSegments(RichText &text, const Point *point, const QList<Segment *> &segments, char16_t icon,
                 const QString &heading, const QString &format)
{
    if (segments.isEmpty())
        return;
    text.addH3(RichText::glyph(icon) + QLatin1Char(' ') + heading);
    text.beginList();
    for (const Segment *segment : segments) {
        if (!segment || segment->type() == Segment::DRCT)
            continue;
        const Point *other = segment->to() == point ? segment->from() : segment->to();
        if (!other)
            continue;
        text.addLabelValue(
            segment->link(),
            format.arg(other->link(), segment->levelText(true), segment->segmentTypeText(true), segment->icon()), 4);
    }
    text.endList();
}

} // namespace

QString Point::infoHtml() const
{
    RichText text;
    auto *self = const_cast<Point *>(this);

    const QList<Procedure *> procedures = Database::proceduresThrough(self, nullptr, 0);
    for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
        if (procedures.isEmpty())
            break;
        QStringList airports;
        for (const Procedure *procedure : procedures) {
            if (procedure && procedure->type() == type && !airports.contains(procedure->airport()))
                airports.append(procedure->airport());
        }
        if (airports.isEmpty())
            continue;
        text.addH3(Procedure::icon(type) + QLatin1Char(' ')
                   + tr("Attached %1 procedure").arg(Procedure::typeToString(type)));
        text.beginList();
        for (const QString &airport : airports) {
            QStringList links;
            for (const Procedure *procedure : procedures) {
                if (procedure && procedure->type() == type && procedure->airport() == airport)
                    links.append(InfoText::procedureLink(procedure));
            }
            links.sort(Qt::CaseSensitive);
            text.addLabelValue(RichText::escape(airport), links.join(QStringLiteral(", ")), 4);
        }
        text.endList();
    }

    addSegments(text, this, Database::segmentsAt(self, true, false), 0xF2F5, tr("Outgoing segments"),
                tr("to %1 %2 (%3 %4)"));
    addSegments(text, this, Database::segmentsAt(self, false, true), 0xF2F6, tr("Incoming segments"),
                tr("from %1 %2 (%3 %4)"));
    return text.html();
}
