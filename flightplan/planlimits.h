#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The ranges the program's edit fields allow (Constants), applied to values that arrive from
// files, which nothing else bounds, and the saturating arithmetic of the plan's computations:
// a sum or product of figures a file or the user typed stays within the int range instead of
// overflowing.
class PlanLimits
{
public:
    // The value held within minimum and maximum; NaN counts as minimum. A value that had to
    // change is logged as "<field> <value> outside <minimum> to <maximum>, read as <result>".
    static int bounded(double value, int minimum, int maximum, const QString &field);
    // Feet within the altitude range of the edit fields.
    static int altitude(double feet, const QString &field);
    // An altitude as the plan stores it: -1 (none) as it is, any other value as altitude(), except
    // that it may reach down to the lowest airfields, which lie below sea level: a plan stores
    // their elevation as the altitude of its first and last waypoints.
    static int storedAltitude(double feet, const QString &field);
    static constexpr int LowestAirfield = -1500;

    // The bytes of a plan file, document or FMS file, or false with a message for the user when
    // it cannot be read or is larger than any plan: read whole, a file of gigabytes ended the
    // program for want of memory after a minute. A document takes about 600 bytes per waypoint and an
    // FMS file about 50, so a plan of 1,000 waypoints, longer than any flight, stays under 1 MB.
    // The bound still lets through a plan of 100,000 waypoints with comments, and refuses a
    // wrong file at once.
    static bool readPlanFile(const QString &path, QByteArray *bytes, QString *error);
    static constexpr qint64 kLargestPlanFile = 64 * 1024 * 1024;

    // The nearest int; beyond the range its ends, NaN 0.
    static int saturated(qint64 value);
    static int saturated(double value);
};
