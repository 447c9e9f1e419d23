// The texts a waypoint gives about itself: wordings of its phase and top, coordinate texts
// for the export templates and the log lines of the update pass.

#include "waypoint.h"

#include "airplane.h"
#include "airplanelistmodel.h"
#include "infotext.h"
#include "point.h"
#include "procedure.h"
#include "richtext.h"
#include "segment.h"
#include "unit.h"

#include <QGeoCoordinate>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

// A line of the panel: bold label and value; a row without value is left out.
void addRow(RichText &text, const QString &label, const QString &value, int options = 2)
{
    if (!value.isEmpty())
        text.addLabelValue(label, value, options);
}

// An icon of the icon font, a blank and the value; nothing when the value is empty, so that
// the row is left out with it.
QString withGlyph(char16_t codePoint, const QString &value)
{
    return value.isEmpty() ? QString() : RichText::glyph(codePoint) + QLatin1Char(' ') + value;
}

// "27.46758° S" and " 153.02789° E": the two parts of the coordinate text, split at the comma.
QStringList coordinateParts(const Point *point)
{
    if (!point)
        return {};
    return point->position().toString(QGeoCoordinate::DegreesWithHemisphere).split(QLatin1Char(','));
}

QString withHemisphereInFront(QString part, const QString &letters)
{
    part = part.trimmed();
    if (!part.isEmpty() && letters.contains(part.back())) {
        const QChar hemisphere = part.back();
        part.chop(1);
        part = QString(hemisphere) + QLatin1Char(' ') + part;
    }
    return part.remove(QStringLiteral("° "));
}

} // namespace

QString Waypoint::phaseText(bool shortText, bool dash) const
{
    switch (m_phase) {
    case 1:
        return shortText ? tr("INI") : tr("Initial climb");
    case 2:
        return shortText ? tr("CLB") : tr("Climb");
    case 3:
        return shortText ? tr("CRU") : tr("Cruise");
    case 4:
        return shortText ? tr("DES") : tr("Descent");
    case 5:
        return shortText ? tr("APP") : tr("Approach");
    default:
        return dash ? QStringLiteral("---") : QString();
    }
}

QString Waypoint::top(bool shortText, bool dash) const
{
    switch (m_top) {
    case 1:
        return shortText ? tr("TOC") : tr("Top of climb (TOC)");
    case 2:
        return shortText ? tr("TOD") : tr("Top of descent (TOD)");
    case 3:
        return shortText ? tr("APO") : tr("Apogee (TOC/TOD)");
    default:
        return dash ? QStringLiteral("---") : QString();
    }
}

QString Waypoint::latitudeShort() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.isEmpty() ? QString() : QString(parts.at(0)).remove(QStringLiteral("° "));
}

QString Waypoint::longitudeShort() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.size() < 2 ? QString() : QString(parts.at(1)).remove(QStringLiteral("° "));
}

QString Waypoint::latitudeShortRte() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.isEmpty() ? QString() : withHemisphereInFront(parts.at(0), QStringLiteral("NS"));
}

QString Waypoint::longitudeShortRte() const
{
    const QStringList parts = coordinateParts(m_point);
    return parts.size() < 2 ? QString() : withHemisphereInFront(parts.at(1), QStringLiteral("WE"));
}

QString Waypoint::profileText() const
{
    const Unit::FileTexts fileTexts; // a log row, as logText's
    return code() + QLatin1Char(' ') + distanceToNextString(true) + QLatin1Char(' ') + altitudeString(true)
           + QLatin1Char(' ') + iasString(true) + QStringLiteral(" (") + Unit::iasToString(m_ias, true)
           + QLatin1Char(')');
}

QString Waypoint::logText() const
{
    // The log is read by whoever helps, in any language: its numbers are the C locale's.
    const Unit::FileTexts fileTexts;
    QString text = code();
    if (m_airway) {
        const Point *other = m_airway->otherEnd(m_point);
        text += QStringLiteral("(-") + m_airway->name() + QStringLiteral("->") + (other ? other->code() : QString())
                + QLatin1Char(')');
    }
    if (nextWaypoint())
        text += QLatin1Char(' ') + headingToNextString(false);
    text += QLatin1Char(' ') + distanceToNextString(true) + QLatin1Char('[') + flownDistanceString(true)
            + QLatin1Char('|') + remainingDistanceString(true) + QLatin1Char(']');
    text += QLatin1Char(' ') + altitudeString(true) + QLatin1Char('[') + phaseText(true, true) + QLatin1Char('|')
            + top(true, true) + QLatin1Char(']');
    text += QLatin1Char(' ') + iasString(true) + QLatin1Char('(') + gsString(true) + QLatin1Char(')');
    text += QLatin1Char(' ') + timeToNextString(true) + QLatin1Char('[') + elapsedTimeString(true) + QLatin1Char('|')
            + remainingTimeString(true) + QLatin1Char(']');
    text += QStringLiteral(" (") + burnedFuelString(true) + QLatin1Char('|') + remainingFuelString(true)
            + QLatin1Char(')');
    text += QLatin1Char(' ') + (m_procedure ? m_procedure->name() : QStringLiteral("NONE"));
    return text;
}

QString Waypoint::infoHtml() const
{
    if (!m_point)
        return QString();
    const QString code = RichText::escape(m_point->code());
    const QString uid = RichText::escape(m_point->uid());
    const bool first = isFirst();
    const bool last = isLast();

    QString title = tr("Waypoint %1");
    if (first)
        title = tr("Departure %1");
    if (last)
        title = tr("Arrival %1");

    RichText text;
    text.addH1(title.arg(code) + QLatin1Char(' ') + RichText::image(m_point->icon(), 20));
    text.addH2(RichText::escape(m_point->description()));
    text.beginParagraph();

    const int type = m_point->type();
    if (type == Point::NDB || type == Point::VOR || type == Point::DME)
        addRow(text, tr("Frequency"), withGlyph(0xE585, m_point->frequencyText()));
    if (m_procedure)
        addRow(text, m_procedure->typeString(), InfoText::procedureLink(m_procedure));
    if (m_phase != 0)
        addRow(text, tr("State"), m_top != 0 ? top(false, false) : phaseText(false, false));
    if (m_altitude != NoAltitude)
        addRow(text, tr("Altitude"), altitudeString(false));
    if (m_ias != 0) {
        QString note;
        if (type != Point::AIRP) {
            note = tr("(TAS %2, GS %3)").arg(Unit::iasToString(m_tas, false), Unit::iasToString(m_gs, false));
        } else if (first || last) {
            const Airplane airplane = AirplaneListModel::currentAirplane();
            const QString name = RichText::escape(airplane.name);
            if (first)
                note = tr("(V2 %1kts for %2)").arg(QString::number(airplane.v2), name);
            if (last)
                note = tr("(VAT %1kts for %2)").arg(QString::number(airplane.vat), name);
        }
        addRow(text, tr("IAS"), withGlyph(0xF625, QStringLiteral("%1 %2").arg(iasString(false), note)));
    }
    if (m_elapsedTime != 0)
        addRow(text, tr("Total time"), withGlyph(0xF017, elapsedTimeString(false)));
    if (m_remainingDistance != 0.0)
        addRow(text, tr("Destination"), withGlyph(0xF050, remainingDistanceString(false)));
    if (m_remainingFuel != 0)
        addRow(
            text, tr("Fuel on board"),
            tr("%1 %2 (burned %3)").arg(RichText::glyph(0xF52F), remainingFuelString(false), burnedFuelString(true)));
    if (m_temperature < 0.0)
        addRow(text, tr("Air temp."), withGlyph(0xF2CA, temperatureString(false)));
    if (m_airPressure != 0.0)
        addRow(text, tr("Air press."), airPressureString(false));
    if (!m_comment.isEmpty())
        addRow(text, tr("Comment"), RichText::escape(comment()));

    const QString links = RichText::link(code, QStringLiteral("POINT>") + uid) + QLatin1Char(' ')
                          + RichText::link(RichText::glyph(0xF276), QStringLiteral("SELECT>") + uid + QLatin1Char('>'))
                          + QLatin1Char(' ');
    addRow(text, tr("More info"), tr("for %1 %2").arg(RichText::escape(m_point->typeText()), links), 0);
    text.endParagraph();
    return text.html();
}

QString Waypoint::nextLegHtml() const
{
    RichText text;
    const Waypoint *next = nextWaypoint();
    if (!next)
        return text.html();

    text.addH2(tr("Next waypoint"));
    if (const Point *nextPoint = next->point())
        addRow(text, tr("Code"),
               QStringLiteral("%1 %2").arg(RichText::image(nextPoint->icon(), 10), nextPoint->link()));
    // Built here rather than by the segment: its key must read "SEGMENT>" literally, for the
    // panel and for the export's rewriting of the links.
    if (m_airway)
        addRow(text, tr("Airway"),
               RichText::link(RichText::escape(m_airway->name()),
                              QStringLiteral("SEGMENT>") + RichText::escape(m_airway->uid())));
    addRow(text, tr("Heading"), withGlyph(0xF14E, headingToNextString(false)));
    addRow(text, tr("To next"), withGlyph(0xF0DA, distanceToNextString(false)));
    if (m_timeToNext != 0)
        addRow(text, tr("Next in"), withGlyph(0xF2F2, timeToNextString(false)));

    const QString nextAltitude = Unit::altitudeToString(next->storedAltitude(), false);
    if (m_altDiff == NoAltDiff || m_altDiff == 0)
        addRow(text, tr("Fly at"), nextAltitude);
    else
        addRow(text, tr("Fly at"), QStringLiteral("%1 (%2)").arg(nextAltitude, altDiffString(false)));

    if (m_slope != NoSlope) {
        if (m_verticalSpeed == NoVerticalSpeed)
            addRow(text, tr("Slope"), slopeString(false));
        else
            addRow(text, tr("Vertical speed"),
                   QStringLiteral("%1 (%2)").arg(verticalSpeedString(false), slopeString(false)));
    }
    return text.html();
}

QString Waypoint::tooltip() const
{
    return RichText::stripImages(infoHtml() + nextLegHtml());
}

QString Waypoint::descriptionTxt() const
{
    return QTextDocumentFragment::fromHtml(tooltip()).toPlainText();
}

QString Waypoint::descriptionKml() const
{
    // Compiled once, on first use.
    static const QRegularExpression pointKey(QStringLiteral("(POINT|SELECT)>(\\w+/)*(\\w+)"));
    // The panel's second link selects the point on the map: a KML viewer has no such thing, and
    // with its glyph gone it would be an empty link.
    static const QRegularExpression selectLink(QStringLiteral("<a href=\"SELECT>[^\"]*\"[^>]*>.*?</a> ?"));
    // The next leg's airway, the only one the text links, under the one name a route names it
    // by (a segment the data shares among airways has their names joined).
    static const QRegularExpression airwayLink(
        QStringLiteral("<a href=\"SEGMENT>[^\"]*\" style=\"[\\w\\s:;#]+\">[^<]*<\\/a>"));
    static const QRegularExpression procedureLink(
        QStringLiteral("<a href=\"PROCEDURE>\\w+/\\w+\" style=\"[\\w\\s:;#]+\">(\\w+)<\\/a>"));

    QString html = infoHtml() + nextLegHtml();
    html.remove(selectLink);
    // The panel's own keys become the balloon anchors of the KML viewer, on the point's code.
    html.replace(pointKey, QStringLiteral("#\\3;balloonFlyto"));
    const bool airway = airwayType() == Segment::HIGH || airwayType() == Segment::LOW;
    html.replace(airwayLink, RichText::escape(airway ? filedAirway() : airwayName()));
    html.replace(procedureLink, QStringLiteral("\\1"));
    return RichText::stripImages(html);
}
