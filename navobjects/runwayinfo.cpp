#include "runway.h"

#include "airport.h"
#include "database.h"
#include "infotext.h"
#include "procedure.h"
#include "richtext.h"

#include <QStringList>

namespace {

constexpr int kLineBreak = 2;
constexpr int kListItem = 4;

} // namespace

// End names, ILS idents and the airport code come from the simulator's files and are escaped
// before they become HTML; the surface words and the numbers are the program's own.
QString Runway::link() const
{
    return RichText::link(RichText::escape(codes()), QStringLiteral("RUNWAY>") + RichText::escape(uid()));
}

QString Runway::detailsHtml(int flags, bool withIls) const
{
    // On the runway page the group headings stand on lines of their own without a break, as
    // the list that follows starts a new line anyway.
    const int headingFlags = flags == kLineBreak ? 0 : flags;
    RichText text;
    if (flags == kLineBreak)
        text.addLabelValue(tr("UID"), RichText::escape(uid()), kLineBreak);
    text.addLabelValue(tr("Surface"), surfaceText(), flags);
    text.addLabelValue(tr("Length"), RichText::glyph(0xF547) + QLatin1Char(' ') + lengthText(), flags);
    text.addLabelValue(tr("Width"), RichText::glyph(0xF07D) + QLatin1Char(' ') + widthText(), flags);

    text.addLabelValue(tr("Available thresholds"), QString(), headingFlags);
    text.beginList();
    for (int end : {0, 1}) {
        if (hasEnd(end))
            text.addLabelValue(RichText::escape(endName(end, true)), tr("heading %1").arg(headingText(end)), kListItem);
    }
    text.endList();

    if (withIls && (hasIls(0) || hasIls(1))) {
        text.addLabelValue(tr("Instrument Landing System"), QString(), headingFlags);
        text.beginList();
        for (int end : {0, 1}) {
            if (hasIls(end))
                text.addLabelValue(RichText::escape(endName(end, true)), RichText::escape(ilsText(end)), kListItem);
        }
        text.endList();
    }
    return text.html();
}

QString Runway::infoHtml() const
{
    RichText text;
    text.addH1(tr("Runway %1").arg(RichText::escape(codes())) + QLatin1Char(' ') + RichText::glyph(0xF018));

    const QString airportUid = RichText::escape(Airport::uidForCode(m_airport));
    const QString pointLink = RichText::link(RichText::escape(m_airport), QStringLiteral("POINT>") + airportUid);
    const QString selectLink
        = RichText::link(RichText::glyph(0xF276), QStringLiteral("SELECT>") + airportUid + QLatin1Char('>'));
    text.addH2(tr("Attached to %1").arg(pointLink + QLatin1Char(' ') + selectLink + QLatin1Char(' ')));

    text.addH3(tr("Description"));
    text.beginParagraph(QString());
    text.append(detailsHtml(kLineBreak, false));
    text.endParagraph();
    return text.html();
}

QString Runway::proceduresHtml() const
{
    RichText text;
    if (hasIls(0) || hasIls(1)) {
        text.addH3(RichText::glyph(0xE585) + QLatin1Char(' ') + tr("Instrument Landing System"));
        text.beginList();
        for (int end : {0, 1}) {
            if (hasIls(end))
                text.addLabelValue(RichText::escape(endName(end, true)), RichText::escape(ilsText(end)), kListItem);
        }
        text.endList();
    }

    for (int end : {0, 1}) {
        if (!hasEnd(end))
            continue;
        const QString name = endName(end, false);
        text.addH3(RichText::glyph(0xE4C1) + QLatin1Char(' ')
                   + tr("Procedures for %1").arg(RichText::escape(toggleRwPrefix(name))));
        text.beginList();
        for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
            QStringList links;
            const QList<Procedure *> procedures = Database::proceduresOfRunway(m_airport, type, name);
            for (const Procedure *procedure : procedures) {
                if (procedure)
                    links.append(InfoText::procedureLink(procedure));
            }
            if (links.isEmpty())
                text.addListItem(tr("No %1").arg(Procedure::typeToString(type)));
            else
                text.addLabelValue(Procedure::icon(type) + QLatin1Char(' ') + Procedure::typeToString(type),
                                   links.join(QStringLiteral(", ")), kListItem);
        }
        text.endList();
    }
    return text.html();
}
