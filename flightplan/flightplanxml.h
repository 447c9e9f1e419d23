#pragma once

#include <QString>

class Flightplan;
class General;
class XmlStreamReader;
class XmlStreamWriter;

// The flight plan as an XML document, the "*.fpxml" file: header, terminal procedures, fuel,
// load factor and every waypoint with its point, constraints, speeds, comment and runway end,
// and, read when present (older documents lack them), its procedure and the airway of its leg.
// The document saves the text of toXml() and opens through fromXml(); the share upload sends
// the same text.
//
// Reading is all or nothing: the whole text is checked first, and only a text that reads
// completely changes the plan, so a damaged file never leaves half a plan behind.
class FlightplanXml
{
public:
    // The whole document: declaration, "content" with the writing program's name and version,
    // and the "flightplan" element.
    static QString toXml(Flightplan *flightplan);
    // The "flightplan" element alone, for a writer the caller has opened.
    static void writeXml(Flightplan *flightplan, XmlStreamWriter &writer);

    // Reads a document written by this program into the plan: its waypoints go to the start
    // of the plan, its header, procedures, load factor and airplane type replace the plan's.
    // With replace, the plan is emptied as a new plan once the text has read, and an empty
    // value element takes the value of a new plan. False, with the reader's message (naming
    // the line) in *error, when the text is not such a document; the plan is then left
    // exactly as it was.
    static bool fromXml(Flightplan *flightplan, const QString &text, QString *error, bool replace = false);
    // The "flightplan" element alone, from a reader positioned before it. The reader's own
    // messages go to its error string; error receives the few the element's content itself
    // can cause (a position off the earth), and may be the reader's string.
    static bool readXml(Flightplan *flightplan, XmlStreamReader &reader, QString *error);

private:
    struct Contents;
    static void seed(const General &general, Flightplan *flightplan, Contents *contents);
    static bool readContents(XmlStreamReader &reader, Contents *contents, QString *error);
    static void apply(Flightplan *flightplan, const Contents &contents);
};
