#include "procedure.h"

#include "airport.h"
#include "richtext.h"

#include <QDebug>

// The HTML of a procedure: its link, the detail and instruction sections of the information
// panel and the tooltip of a transition on the map. Identifiers, codes and UIDs come from the
// CIFP files, so each is escaped before it goes into the markup; the panel gets link keys back
// unescaped from the text view.

namespace {

constexpr int kBreakAfter = 2;
constexpr int kFullWidth = 8;

constexpr char16_t kGlyphMapPin = 0xF276;
constexpr char16_t kGlyphTransition = 0xF30B;
constexpr char16_t kGlyphMissedApproach = 0xF5B0;

} // namespace

QString Procedure::link() const
{
    return RichText::link(RichText::escape(m_name), QStringLiteral("PROCEDURE>") + RichText::escape(uid()));
}

QString Procedure::airportLink() const
{
    const QString airportUid = RichText::escape(Airport::uidForCode(m_airport));
    return RichText::link(RichText::escape(m_airport), QStringLiteral("POINT>") + airportUid) + QLatin1Char(' ')
           + RichText::link(RichText::glyph(kGlyphMapPin), QStringLiteral("SELECT>") + airportUid + QLatin1Char('>'))
           + QLatin1Char(' ');
}

QString Procedure::detailHtml() const
{
    RichText html;
    html.addH1(tr("%1 %2 %3").arg(typeToString(m_procedureType), icon(m_procedureType), RichText::escape(m_name)));
    html.beginParagraph();
    html.addLabelValue(tr("UID"), RichText::escape(uid()), kBreakAfter);
    html.addLabelValue(tr("Terminal"), airportLink(), kBreakAfter);
    html.addLabelValue(tr("Type"), icon(m_procedureType) + QLatin1Char(' ') + typeToString(m_procedureType),
                       kBreakAfter);
    html.addLabelValue(tr("Records"), QString::number(m_records.size()), kBreakAfter);
    const QStringList exits = outputs(true);
    if (!exits.isEmpty())
        html.addLabelValue(tr("Outputs"), exits.join(QLatin1Char(',')), kBreakAfter);
    const QStringList entries = inputs(true);
    if (!entries.isEmpty())
        html.addLabelValue(tr("Inputs"), entries.join(QLatin1Char(',')), kBreakAfter);
    html.endParagraph();
    return html.html();
}

QString Procedure::instructionsHtml() const
{
    RichText html;
    html.addH2(tr("Instructions"));
    const QStringList all = transitions();
    for (const QString &transition : all) {
        html.addH3(RichText::glyph(kGlyphTransition) + QLatin1Char(' ')
                   + tr("Transition %1").arg(RichText::escape(transition)));
        html.addLabelValue(tr("Type"), Record::routeTypeText(transitionRouteType(transition)), kBreakAfter);
        html.beginTable(kFullWidth);
        bool missedShown = false;
        const QList<Record> legs = recordsOfTransition(transition);
        for (const Record &record : legs) {
            if (!missedShown && record.isMissedApproach()) {
                missedShown = true;
                html.beginRow();
                html.addCell(RichText::bold(QStringLiteral("M")));
                html.addCell(tr("Missed approach") + QLatin1Char(' ') + RichText::glyph(kGlyphMissedApproach));
                html.endRow();
            }
            html.beginRow();
            html.addCell(RichText::bold(record.sequenceText()));
            html.addCell(record.fixRolesText(true));
            html.endRow();
        }
        html.endTable();
    }
    return html.html();
}

QString Procedure::transitionTooltip(const QString &transition) const
{
    RichText html;
    html.addH1(tr("Transition %1").arg(RichText::escape(transition)));
    html.addH2(tr("%1 %2").arg(typeToString(m_procedureType), RichText::escape(m_name)));
    html.addLabelValue(tr("Type"), Record::routeTypeText(transitionRouteType(transition)), kBreakAfter);
    html.beginParagraph();
    bool missedShown = false;
    const QList<Record> legs = recordsOfTransition(transition);
    for (const Record &record : legs) {
        if (!missedShown && record.isMissedApproach()) {
            missedShown = true;
            html.addLabelValue(RichText::bold(QStringLiteral("M")), tr("Missed approach:"), kBreakAfter);
        }
        html.addLabelValue(RichText::bold(record.sequenceText()), record.fixRolesText(true), kBreakAfter);
    }
    html.endParagraph();
    return RichText::stripImages(html.html());
}

void Procedure::dumpRecords() const
{
    const QList<Record> legs = transitionRecords(QString(), true);
    for (const Record &record : legs)
        qDebug() << record.toDebugString();
}
