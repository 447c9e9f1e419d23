#include "airport.h"

#include "database.h"
#include "infotext.h"
#include "metar.h"
#include "procedure.h"
#include "region.h"
#include "richtext.h"
#include "runway.h"

#include <QStringList>

namespace {

const QString kMetar = QStringLiteral("metar");
const QString kRunways = QStringLiteral("runways");
const QString kAtcs = QStringLiteral("atcs");
const QString kSidStars = QStringLiteral("sidstars");

// The ATC types the page lists, in this order; others a file may carry are left out.
constexpr int kFirstAtcType = 0;
constexpr int kLastAtcType = 6;

} // namespace

// Codes, names, UIDs, region texts and frequency names come from the simulator's files, the
// METAR from a weather server: all of them are escaped before they become HTML.
QString Airport::tooltip() const
{
    const QString uid = RichText::escape(m_uid);
    RichText text;
    text.addH1(tr("Airport %1").arg(RichText::escape(code())) + QLatin1Char(' ') + RichText::image(icon(), 20));
    text.addH2(RichText::escape(description()));
    text.beginParagraph(QString());
    text.addLabelValue(
        tr("Region"),
        RichText::glyph(0xF0AC) + QLatin1Char(' ')
            + QStringLiteral("%1 (%2)").arg(RichText::escape(Region::regionName(m_region)), RichText::escape(m_region)),
        2);
    text.addLabelValue(tr("UID"), uid, 2);
    text.addLabelValue(tr("Elevation"), RichText::glyph(0xE52F) + QLatin1Char(' ') + elevationText(), 2);
    text.addLabelValue(tr("Position"),
                       RichText::link(RichText::glyph(0xF276), QStringLiteral("SELECT>") + uid + QLatin1Char('>'))
                           + QLatin1Char(' ') + positionText(),
                       0);
    text.endParagraph();
    return text.html();
}

QString Airport::infoHtml(QString section, QString metar) const
{
    const QString uid = RichText::escape(m_uid);
    auto *self = const_cast<Airport *>(this);
    RichText text;

    if (!section.isEmpty())
        text.addParagraph(
            RichText::link(RichText::glyph(0xF0FE) + QLatin1Char(' ') + tr("Show all sections for %1").arg(uid),
                           QStringLiteral("POINT>") + uid));

    if (section.isEmpty() || section == kMetar) {
        text.addH3(RichText::glyph(0xF0C2) + QLatin1Char(' ') + tr("METAR"));
        text.addParagraph(metar.isEmpty() ? RichText::italic(tr("Loading METAR...")) : RichText::escape(metar));
        const QList<QPair<QString, QString>> rows = Metar::decode(metar);
        if (!rows.isEmpty()) {
            text.beginList();
            for (const auto &row : rows)
                text.addLabelValue(RichText::escape(row.first), RichText::escape(row.second), 4);
            text.endList();
        }
    }

    if (section.isEmpty() || section == kRunways) {
        const QList<Runway *> runways = Database::runwaysOf(self);
        for (const Runway *runway : runways) {
            if (!runway)
                continue;
            text.addH3(RichText::glyph(0xF018) + QLatin1Char(' ') + tr("Runway") + QLatin1Char(' ') + runway->link());
            text.beginList();
            text.append(runway->detailsHtml(4, true));
            text.endList();
        }
    }

    if (section.isEmpty() || section == kAtcs) {
        text.addH3(RichText::glyph(0xE585) + QLatin1Char(' ') + tr("Air Traffic Control (ATC)"));
        if (m_atcs.isEmpty()) {
            text.addParagraph(RichText::italic(tr("No ATCs for %1").arg(uid)));
        } else {
            text.beginList();
            for (int type = kFirstAtcType; type <= kLastAtcType; ++type) {
                const QList<Atc> atcs = atcsOfType(type);
                if (atcs.isEmpty())
                    continue;
                text.addLabelValue(tr("ATC"), Atc::typeToString(type), 4);
                text.beginList();
                for (const Atc &atc : atcs)
                    text.addLabelValue(atc.frequencyText(), RichText::escape(atc.name()), 4);
                text.endList();
            }
            text.endList();
        }
    }

    if (section.isEmpty() || section == kSidStars) {
        text.addH3(RichText::glyph(0xE4C1) + QLatin1Char(' ') + tr("SID/STAR procedures"));
        if (!Database::hasProcedures(self)) {
            text.addParagraph(RichText::italic(tr("No procedures for %1").arg(uid)));
            return text.html();
        }
        text.beginList();
        for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
            QStringList links;
            const QList<Procedure *> procedures = Database::proceduresOf(self, type);
            for (const Procedure *procedure : procedures) {
                if (procedure)
                    links.append(InfoText::procedureLink(procedure));
            }
            if (links.isEmpty())
                continue;
            // Sorted as HTML, so the order follows the UIDs in the link targets.
            links.sort(Qt::CaseSensitive);
            text.addLabelValue(Procedure::icon(type) + QLatin1Char(' ') + Procedure::typeToString(type),
                               links.join(QStringLiteral(", ")), 4);
        }
        text.endList();
    }

    return text.html();
}

QHash<int, QByteArray> Airport::roleNames()
{
    return Point::roleNames();
}

QVariant Airport::data(int role) const
{
    if (role == BaseRoleAirport)
        return RichText::stripImages(tooltip());
    return Point::data(role);
}
