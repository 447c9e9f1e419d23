#pragma once

#include <QString>
#include <QtGlobal>

// Writes a synthetic simulator folder of world size in the simulator's own file formats, for
// the benchmarks to import: apt.dat (land airports with runways, frequencies and their ground
// layout, plus seaplane bases and heliports the import skips), earth_fix.dat (enroute and
// airport terminal fixes), earth_nav.dat (NDB, VOR, DME and the ILS parts of airport runways),
// earth_awy.dat (high and low airways over those fixes and navaids), one CIFP file per airport
// with instrument procedures (SIDs, STARs, approaches with their transitions) and a small
// user_fix.dat.
//
// The folder is laid out as an installation: the world apt.dat in the Global Airports scenery,
// a small one in the default scenery, the navigation files and CIFP/ in "Resources/default
// data", user_fix.dat in "Custom Data". Everything follows from the seed: the same options
// give the same bytes, also when the procedure files are written on several threads.
class WorldGen
{
public:
    struct Options
    {
        // Multiplies the number of airports, fixes, navaids, airway rows and procedure files;
        // an airport's own content does not shrink.
        double scale = 1.0;
        quint64 seed = 20240110;
        // Four digits, written into every version line.
        QString cycle = QStringLiteral("2401");
        // Threads that write the procedure files; 0 picks up to four.
        int threads = 0;
    };

    struct Summary
    {
        int airports = 0;        // land airports (row 1)
        int skippedAirports = 0; // seaplane bases and heliports (rows 16 and 17)
        int runways = 0;         // land runways of the land airports
        qint64 aptLines = 0;     // both apt.dat files
        int enrouteFixes = 0;
        int terminalFixes = 0;
        int ndbs = 0;
        int vors = 0;
        int dmes = 0;         // row code 13, most of them beside a VOR
        int localizers = 0;   // row code 4, each on a runway end of apt.dat
        int otherNavaids = 0; // LOC, glide slopes, markers, DME-ILS: rows the import skips
        int airwayRows = 0;
        int highAirwayRows = 0;
        int lowAirwayRows = 0;
        int cifpFiles = 0;
        qint64 cifpLines = 0; // procedure legs
        int sids = 0;
        int stars = 0;
        int approaches = 0;
        int userFixes = 0;
        qint64 bytes = 0;        // everything written
        qint64 milliseconds = 0; // wall time of write()
    };

    WorldGen();
    explicit WorldGen(const Options &options);

    // Writes the folder under xpPath, creating what is missing and replacing files of the same
    // names. False, with errorString(), when a folder or file cannot be written.
    bool write(const QString &xpPath);

    QString errorString() const { return m_error; }
    const Summary &summary() const { return m_summary; }
    const Options &options() const { return m_options; }

    // Files and folders of an installation, relative to its folder.
    static QString globalAptPath();
    static QString defaultAptPath();
    static QString dataFolder();
    static QString userFixPath();

private:
    Options m_options;
    Summary m_summary;
    QString m_error;
};
