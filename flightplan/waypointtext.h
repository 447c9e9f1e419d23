#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVariantMap>

class Airplane;

// The altitude and speed a pilot types for a waypoint ("FL120", "4500ft", "M0.78", "250kts"),
// read in one place: the edit dialog asks here what a text means before it lets it through,
// and the plan's own edit stores what is read here, so that the two never differ. Feet and
// knots are read as every number box reads a number (TypedNumber), in the interface language.
class WaypointText
{
    Q_DECLARE_TR_FUNCTIONS(WaypointText)

public:
    struct Reading
    {
        // Why the text is refused; empty when it stands.
        QString message;
        // The text tidied ("FL120", "4500ft", "M0.78"), which reads back the same; empty for an
        // emptied field, which clears.
        QString text;
        // Feet (-1 for an emptied altitude field), knots, or the Mach number when mach is set.
        double value = 0.0;
        bool mach = false;

        bool refused() const { return !message.isEmpty(); }
        // { text, message } for the interface.
        QVariantMap toVariantMap() const;
    };

    // What any airplane may be given: refused are a text that is no altitude or speed, an
    // altitude of -1 ft (the plan's mark of none), one below the lowest airfields, and a speed
    // too slow to fly, which would also be taken for a Mach number where 5.0 or less is one.
    static Reading altitude(const QString &typed);
    static Reading speed(const QString &typed);
    // The same, also refused above the airplane's ceiling or its maximum true air speed (as a
    // Mach number: that speed at the ceiling).
    static Reading altitude(const QString &typed, const Airplane &airplane);
    static Reading speed(const QString &typed, const Airplane &airplane);
};
