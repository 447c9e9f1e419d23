#include "worldgen.h"
#include "worldgenparts.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <string>
#include <string_view>

namespace worldgen {

// Loosely where the world's airports are: many in North America and Europe, fewer elsewhere.
constexpr RegionInfo kRegions[] = {
    {"K1", "K", "USA", 44.0, -118.0, 4.0, 6.0, 6},  {"K2", "K", "USA", 36.0, -112.0, 5.0, 6.0, 6},
    {"K3", "K", "USA", 44.0, -97.0, 4.0, 7.0, 6},   {"K4", "K", "USA", 33.0, -95.0, 4.0, 7.0, 7},
    {"K5", "K", "USA", 43.0, -85.0, 3.0, 5.0, 6},   {"K6", "K", "USA", 41.0, -75.0, 3.0, 4.0, 6},
    {"K7", "K", "USA", 31.0, -84.0, 3.0, 5.0, 6},   {"PA", "PA", "USA", 62.0, -150.0, 4.0, 10.0, 3},
    {"PH", "PH", "USA", 20.5, -157.0, 1.0, 2.0, 1}, {"CY", "C", "CAN", 50.0, -100.0, 5.0, 20.0, 6},
    {"MM", "MM", "MEX", 22.0, -101.0, 4.0, 6.0, 3}, {"SB", "SB", "BRA", -15.0, -50.0, 8.0, 8.0, 5},
    {"SA", "SA", "ARG", -34.0, -64.0, 6.0, 4.0, 2}, {"SC", "SC", "CHL", -33.0, -71.0, 8.0, 1.5, 1},
    {"SK", "SK", "COL", 5.0, -74.0, 3.0, 3.0, 1},   {"SP", "SP", "PER", -10.0, -76.0, 4.0, 3.0, 1},
    {"ED", "ED", "DEU", 51.0, 10.0, 2.0, 3.0, 3},   {"LF", "LF", "FRA", 46.5, 2.5, 2.5, 3.0, 3},
    {"EG", "EG", "GBR", 53.0, -2.0, 2.5, 2.0, 2},   {"EI", "EI", "IRL", 53.3, -8.0, 1.0, 1.5, 1},
    {"LE", "LE", "ESP", 40.0, -4.0, 2.5, 3.5, 2},   {"LI", "LI", "ITA", 42.5, 12.5, 3.0, 3.0, 2},
    {"LS", "LS", "CHE", 46.8, 8.2, 0.5, 1.0, 1},    {"LO", "LO", "AUT", 47.5, 14.0, 0.6, 2.0, 1},
    {"EH", "EH", "NLD", 52.2, 5.3, 0.6, 0.8, 1},    {"EB", "EB", "BEL", 50.6, 4.5, 0.5, 1.0, 1},
    {"EK", "EK", "DNK", 56.0, 10.0, 1.0, 1.5, 1},   {"EN", "EN", "NOR", 63.0, 10.0, 4.0, 5.0, 1},
    {"ES", "ES", "SWE", 61.0, 16.0, 4.0, 3.0, 1},   {"EF", "EF", "FIN", 63.0, 26.0, 3.0, 3.0, 1},
    {"EP", "EP", "POL", 52.0, 19.0, 1.5, 3.0, 1},   {"LK", "LK", "CZE", 49.8, 15.5, 0.6, 1.5, 1},
    {"LH", "LH", "HUN", 47.2, 19.5, 0.6, 1.5, 1},   {"LR", "LR", "ROU", 45.8, 25.0, 1.0, 2.0, 1},
    {"LG", "LG", "GRC", 38.5, 23.0, 1.5, 2.0, 1},   {"LT", "LT", "TUR", 39.0, 34.0, 1.5, 6.0, 1},
    {"UU", "UU", "RUS", 56.0, 40.0, 4.0, 10.0, 2},  {"UN", "UN", "RUS", 57.0, 85.0, 5.0, 15.0, 1},
    {"ZB", "ZB", "CHN", 39.0, 114.0, 3.0, 6.0, 1},  {"ZG", "ZG", "CHN", 25.0, 112.0, 3.0, 5.0, 1},
    {"ZS", "ZS", "CHN", 31.0, 119.0, 2.0, 3.0, 1},  {"RJ", "RJ", "JPN", 36.0, 138.0, 3.0, 4.0, 1},
    {"RK", "RK", "KOR", 36.5, 127.8, 1.0, 1.0, 1},  {"VT", "VT", "THA", 15.0, 101.0, 3.0, 2.0, 1},
    {"VA", "VA", "IND", 20.0, 76.0, 4.0, 4.0, 1},   {"VI", "VI", "IND", 27.0, 80.0, 3.0, 5.0, 1},
    {"OP", "OP", "PAK", 30.0, 70.0, 3.0, 3.0, 1},   {"OI", "OI", "IRN", 32.0, 53.0, 3.0, 5.0, 1},
    {"OE", "OE", "SAU", 24.0, 45.0, 4.0, 5.0, 1},   {"OM", "OM", "ARE", 24.3, 54.5, 0.6, 1.0, 1},
    {"HE", "HE", "EGY", 27.0, 30.0, 3.0, 3.0, 1},   {"DN", "DN", "NGA", 9.0, 8.0, 3.0, 4.0, 1},
    {"FA", "FA", "ZAF", -29.0, 25.0, 3.0, 4.0, 2},  {"HK", "HK", "KEN", 0.0, 37.5, 2.0, 2.0, 1},
    {"YB", "Y", "AUS", -23.0, 146.0, 6.0, 4.0, 2},  {"YM", "Y", "AUS", -30.0, 130.0, 6.0, 12.0, 3},
    {"NZ", "NZ", "NZL", -41.0, 174.0, 4.0, 4.0, 1}, {"WI", "WI", "IDN", -2.0, 110.0, 4.0, 12.0, 1},
    {"RP", "RP", "PHL", 12.0, 122.0, 4.0, 2.0, 1},  {"VV", "VV", "VNM", 16.0, 107.0, 5.0, 2.0, 1},
};
constexpr int kRegionCount = int(sizeof kRegions / sizeof kRegions[0]);

int pickRegion(Rng &rng)
{
    static const int total = [] {
        int sum = 0;
        for (const RegionInfo &region : kRegions)
            sum += region.weight;
        return sum;
    }();
    int pick = rng.range(0, total - 1);
    for (int r = 0; r < kRegionCount; ++r) {
        pick -= kRegions[r].weight;
        if (pick < 0)
            return r;
    }
    return kRegionCount - 1;
}

// ---------------------------------------------------------------------------------------------
// Names

constexpr std::string_view kConsonants = "BCDFGHKLMNPRSTVZ";
constexpr std::string_view kVowels = "AEIOU";

std::string word(Rng &rng, int syllables)
{
    std::string text;
    for (int s = 0; s < syllables; ++s) {
        text += kConsonants[size_t(rng.range(0, int(kConsonants.size()) - 1))];
        text += kVowels[size_t(rng.range(0, int(kVowels.size()) - 1))];
        if (rng.chance(0.25))
            text += "NRLS"[rng.range(0, 3)];
    }
    for (size_t i = 1; i < text.size(); ++i)
        text[i] = char(text[i] - 'A' + 'a');
    return text;
}

// A five-letter fix name that can be spoken: consonant-vowel patterns, never starting "RW".
std::string fixName(Rng &rng)
{
    std::string text(5, ' ');
    const bool vowelFirst = rng.chance(0.15);
    for (int i = 0; i < 5; ++i) {
        const bool vowel = (i % 2 == 1) != vowelFirst;
        text[size_t(i)] = vowel ? kVowels[size_t(rng.range(0, 4))] : kConsonants[size_t(rng.range(0, 15))];
    }
    return text;
}

quint64 identKey(int region, std::string_view ident)
{
    quint64 key = quint64(region) << 48;
    for (size_t i = 0; i < ident.size() && i < 6; ++i)
        key |= quint64(quint8(ident[i])) << (8 * i);
    return key;
}

std::string runwayNumber(double headingDegrees)
{
    int number = int(std::lround(normalised(headingDegrees) / 10.0));
    if (number == 0)
        number = 36;
    std::string text = std::to_string(number);
    return number < 10 ? "0" + text : text;
}

quint32 packedType(std::string_view type)
{
    quint32 value = 0;
    for (size_t i = 0; i < type.size() && i < 4; ++i)
        value |= quint32(quint8(type[i])) << (8 * i);
    return value;
}

} // namespace worldgen

namespace {

// Marks a folder this generator wrote, so that it may be written again; any other non-empty
// folder is refused rather than overwritten.
constexpr const char *kMarkerFile = ".synthetic-world";

} // namespace

using worldgen::World;

WorldGen::WorldGen()
    : WorldGen(Options())
{
}

WorldGen::WorldGen(const Options &options)
    : m_options(options)
{
}

QString WorldGen::globalAptPath()
{
    return QStringLiteral("Global Scenery/Global Airports/Earth nav data/apt.dat");
}

QString WorldGen::defaultAptPath()
{
    return QStringLiteral("Resources/default scenery/default apt dat/Earth nav data/apt.dat");
}

QString WorldGen::dataFolder()
{
    return QStringLiteral("Resources/default data");
}

QString WorldGen::userFixPath()
{
    return QStringLiteral("Custom Data/user_fix.dat");
}

bool WorldGen::write(const QString &xpPath)
{
    QElapsedTimer timer;
    timer.start();
    m_summary = Summary();
    m_error.clear();

    if (!(m_options.scale > 0.0) || m_options.scale > 100.0) {
        m_error = QStringLiteral("scale must be above 0 and at most 100");
        return false;
    }
    const QDir root(xpPath);
    const QString marker = root.filePath(QString::fromLatin1(kMarkerFile));
    if (root.exists() && !root.isEmpty() && !QFile::exists(marker)) {
        m_error = QStringLiteral("%1 is not empty and was not written by the world generator").arg(xpPath);
        return false;
    }
    const QString data = root.filePath(dataFolder());
    const QString cifp = data + QStringLiteral("/CIFP");
    for (const QString &folder :
         {QFileInfo(root.filePath(globalAptPath())).path(), QFileInfo(root.filePath(defaultAptPath())).path(), cifp,
          QFileInfo(root.filePath(userFixPath())).path()}) {
        if (!QDir().mkpath(folder)) {
            m_error = QStringLiteral("cannot create %1").arg(folder);
            return false;
        }
    }
    QFile markerFile(marker);
    if (!markerFile.open(QIODevice::WriteOnly) || markerFile.write("synthetic simulator folder\n") < 0) {
        m_error = QStringLiteral("cannot write %1").arg(marker);
        return false;
    }
    markerFile.close();
    // Procedure files of an earlier, larger world would be read for airports of the same code.
    QDirIterator old(cifp, {QStringLiteral("*.dat")}, QDir::Files);
    while (old.hasNext())
        QFile::remove(old.next());

    World world(m_options, m_summary);
    world.build();
    const struct
    {
        QString path;
        bool (World::*write)(const QString &);
    } files[] = {
        {root.filePath(dataFolder() + QStringLiteral("/earth_fix.dat")), &World::writeFixes},
        {root.filePath(dataFolder() + QStringLiteral("/earth_nav.dat")), &World::writeNavaids},
        {root.filePath(dataFolder() + QStringLiteral("/earth_awy.dat")), &World::writeAirways},
        {root.filePath(userFixPath()), &World::writeUserFixes},
    };
    // Airways first: the procedures prefer the points that airways reach.
    for (const int i : {2, 0, 1, 3}) {
        if (!(world.*files[i].write)(files[i].path)) {
            m_error = QStringLiteral("cannot write %1").arg(files[i].path);
            return false;
        }
    }
    if (!world.writeAirportFile(root.filePath(globalAptPath()), std::numeric_limits<int>::max())
        || !world.writeAirportFile(root.filePath(defaultAptPath()), 20)) {
        m_error = QStringLiteral("cannot write apt.dat under %1").arg(xpPath);
        return false;
    }
    if (!world.writeProcedures(cifp)) {
        m_error = QStringLiteral("cannot write the procedure files in %1").arg(cifp);
        return false;
    }
    m_summary.milliseconds = timer.elapsed();
    return true;
}
