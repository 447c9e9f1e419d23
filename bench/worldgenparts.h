#pragma once

#include "worldgen.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// What the parts of the world generator share: the random streams, the file output, the
// geography, the world model the files have to agree on, and the World that builds the model
// and writes the files. Each file is built and written by a source of its own: worldgenapt.cpp
// (apt.dat), worldgenfixes.cpp (earth_fix.dat, user_fix.dat), worldgennavaids.cpp
// (earth_nav.dat), worldgenairways.cpp (earth_awy.dat), worldgencifp.cpp (the CIFP files).
namespace worldgen {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111120.0;
constexpr double kMetresPerNm = 1852.0;

// World-size figures at scale 1.
constexpr int kAirports = 35000;
constexpr int kFixes = 250000;
constexpr int kNavaids = 30000;
constexpr int kAirwayRows = 120000;
constexpr int kCifpFiles = 10000;
constexpr int kIlsEnds = 4200;
constexpr int kLocalizerOnlyEnds = 400;
constexpr int kVors = 3500;
constexpr int kStandaloneDmes = 600;
constexpr int kUserFixes = 200;

// Random streams, so that each part of the world draws its own numbers whatever the others do.
enum Stream : quint64 {
    StreamAirports = 1,
    StreamIls,
    StreamTerminalFixes,
    StreamNavaids,
    StreamFixes,
    StreamAirways,
    StreamGround,
    StreamProcedures,
    StreamUserFixes,
};

// splitmix64: small, fast and the same on every platform (the standard distributions are not).
class Rng
{
public:
    Rng(quint64 seed, quint64 stream, quint64 index)
        : m_state(seed ^ (stream * 0x9E3779B97F4A7C15ull) ^ ((index + 1) * 0xD1B54A32D192ED03ull))
    {
        next();
    }

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // Both bounds included.
    int range(int low, int high) { return low + int(next() % quint64(high - low + 1)); }
    bool chance(double p) { return uniform() < p; }
    // Bell-shaped in [-1, 1].
    double bell() { return (uniform() + uniform() + uniform()) / 1.5 - 1.0; }
    char letter() { return char('A' + range(0, 25)); }

private:
    quint64 m_state;
};

// Buffered file output with the few number formats these files need; std::FILE with a large
// buffer of our own, because the world is hundreds of megabytes of short lines.
class Out
{
public:
    Out() = default;
    Out(const Out &) = delete;
    Out &operator=(const Out &) = delete;
    ~Out() { close(); }

    bool open(const QString &path)
    {
        m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
        m_buffer.reserve(kChunk + 8192);
        m_ok = m_file != nullptr;
        return m_ok;
    }

    bool close()
    {
        if (m_file) {
            flush();
            m_ok = std::fclose(m_file) == 0 && m_ok;
            m_file = nullptr;
        }
        return m_ok;
    }

    Out &operator<<(std::string_view text)
    {
        m_buffer.append(text);
        return *this;
    }
    Out &operator<<(char c)
    {
        m_buffer.push_back(c);
        return *this;
    }

    void number(long long value)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        m_buffer.append(digits, result.ptr);
    }

    // Zero-padded to width.
    void padded(long long value, int width)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        for (int n = int(result.ptr - digits); n < width; ++n)
            m_buffer.push_back('0');
        m_buffer.append(digits, result.ptr);
    }

    void fixed(double value, int decimals)
    {
        static constexpr long long powers[]
            = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
        long long scaled = std::llround(value * double(powers[decimals]));
        if (scaled < 0) {
            m_buffer.push_back('-');
            scaled = -scaled;
        }
        number(scaled / powers[decimals]);
        if (decimals > 0) {
            m_buffer.push_back('.');
            padded(scaled % powers[decimals], decimals);
        }
    }

    // Left-justified in a field of width, as the column files align their text.
    void field(std::string_view text, int width)
    {
        m_buffer.append(text);
        for (int n = int(text.size()); n < width; ++n)
            m_buffer.push_back(' ');
    }

    void endLine()
    {
        m_buffer.push_back('\n');
        ++m_lines;
        if (m_buffer.size() >= kChunk)
            flush();
    }

    // The envelope of the simulator's data files: "I", the version line and an empty line
    // before the rows, "99" after them.
    bool openDataFile(const QString &path, const std::string &version)
    {
        if (!open(path))
            return false;
        *this << "I";
        endLine();
        *this << version;
        endLine();
        endLine();
        return true;
    }
    void endDataFile()
    {
        *this << "99";
        endLine();
    }

    qint64 lines() const { return m_lines; }
    qint64 bytes() const { return m_bytes + qint64(m_buffer.size()); }

private:
    static constexpr size_t kChunk = 1 << 20;

    void flush()
    {
        if (m_file && !m_buffer.empty())
            m_ok = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) == m_buffer.size() && m_ok;
        m_bytes += qint64(m_buffer.size());
        m_buffer.clear();
    }

    std::FILE *m_file = nullptr;
    std::string m_buffer;
    qint64 m_lines = 0;
    qint64 m_bytes = 0;
    bool m_ok = false;
};

// ---------------------------------------------------------------------------------------------
// Geography

struct RegionInfo
{
    const char *code;    // ICAO region of fixes and navaids
    const char *prefix;  // first letters of the location indicators of its airports
    const char *country; // as airport metadata writes it
    double latitude;
    double longitude;
    double latitudeSpread;
    double longitudeSpread;
    int weight;
};

// The regions of the world, weighted by how many airports they hold.
extern const RegionInfo kRegions[];
extern const int kRegionCount;

int pickRegion(Rng &rng);

struct Position
{
    double latitude = 0.0;
    double longitude = 0.0;
};

inline double wrapLongitude(double longitude)
{
    while (longitude > 180.0)
        longitude -= 360.0;
    while (longitude < -180.0)
        longitude += 360.0;
    return longitude;
}

inline Position placeInRegion(Rng &rng, int region, double stretch)
{
    const RegionInfo &info = kRegions[region];
    return {std::clamp(info.latitude + rng.bell() * info.latitudeSpread * stretch, -78.0, 78.0),
            wrapLongitude(info.longitude + rng.bell() * info.longitudeSpread * stretch)};
}

// Flat-earth steps: good enough within the few hundred miles the generator ever steps.
inline Position offset(const Position &from, double bearingDegrees, double metres)
{
    const double bearing = bearingDegrees * kPi / 180.0;
    const double latitude = from.latitude + metres * std::cos(bearing) / kMetresPerDegree;
    const double longitude
        = from.longitude
          + metres * std::sin(bearing) / (kMetresPerDegree * std::max(0.05, std::cos(from.latitude * kPi / 180.0)));
    return {std::clamp(latitude, -85.0, 85.0), wrapLongitude(longitude)};
}

inline double distanceNm(const Position &a, const Position &b)
{
    const double dLat = (b.latitude - a.latitude) * 60.0;
    double dLon = b.longitude - a.longitude;
    if (dLon > 180.0)
        dLon -= 360.0;
    if (dLon < -180.0)
        dLon += 360.0;
    dLon *= 60.0 * std::cos((a.latitude + b.latitude) * kPi / 360.0);
    return std::sqrt(dLat * dLat + dLon * dLon);
}

inline double bearingDegrees(const Position &a, const Position &b)
{
    const double dLat = b.latitude - a.latitude;
    double dLon = b.longitude - a.longitude;
    if (dLon > 180.0)
        dLon -= 360.0;
    if (dLon < -180.0)
        dLon += 360.0;
    dLon *= std::cos((a.latitude + b.latitude) * kPi / 360.0);
    const double bearing = std::atan2(dLon, dLat) * 180.0 / kPi;
    return bearing < 0.0 ? bearing + 360.0 : bearing;
}

inline double normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// ---------------------------------------------------------------------------------------------
// Names

std::string word(Rng &rng, int syllables);
// A five-letter fix name that can be spoken: consonant-vowel patterns, never starting "RW".
std::string fixName(Rng &rng);
quint64 identKey(int region, std::string_view ident);
std::string runwayNumber(double headingDegrees);
quint32 packedType(std::string_view type);

// ---------------------------------------------------------------------------------------------
// The world model: what the files have to agree on.

enum Size { Small = 0, Medium = 1, Large = 2 };
enum EndAid { NoAid = 0, Ils = 1, LocalizerOnly = 2 };

struct RunwayEnd
{
    std::string name;
    Position threshold;
    double heading = 0.0; // true heading of a landing on this end
    int aid = NoAid;
    std::string localizer; // ident of its localizer
};

struct RunwayData
{
    RunwayEnd ends[2];
    double length = 0.0; // metres
    double width = 0.0;
    int surface = 1;
    int markings[2] = {3, 3};
    int centreLights = 0;
    int edgeLights = 0;
};

struct AirportData
{
    std::string code;
    std::string name;
    std::string city;
    int region = 0;
    Position position;
    int elevation = 0;
    int size = Small;
    int kind = 1; // 1 land, 16 seaplane base, 17 heliport
    bool icaoCode = false;
    bool cifp = false;
    std::vector<RunwayData> runways;
    int terminalFixBegin = 0;
    int terminalFixEnd = 0;
    int locator = -1; // terminal NDB, index into the navaids
};

enum FixRole { EnrouteFix = 0, FinalFix, IntermediateFix, RnavFix, DmeFix };

struct FixData
{
    std::string ident;
    int region = 0;
    int airport = -1; // -1 enroute, else the airport whose terminal area it belongs to
    Position position;
    quint32 type = 0;
    int role = EnrouteFix;
    int end = -1; // runway end (runway * 2 + end) of a final or intermediate fix
    bool spoken = false;
};

struct NavaidData
{
    int code = 0;
    std::string ident;
    int region = 0;
    int airport = -1;
    Position position;
    int elevation = 0;
    int frequency = 0;
    int range = 0;
    double extra = 0.0; // slaved variation, bearing or glide slope field
    std::string name;   // tokens 10 and later
};

// An end point of airways: an enroute fix, VOR or NDB.
struct EnroutePoint
{
    Position position;
    int kind = 11; // 11 fix, 3 VOR, 2 NDB as the airway file writes it
    int index = 0; // into the fixes or the navaids
    bool onAirway = false;
};

class Grid
{
public:
    void add(const Position &position, int value) { m_cells[cell(position)].push_back(value); }

    template <typename Fn>
    void visit(const Position &centre, int radius, Fn &&fn) const
    {
        const int row = std::clamp(int(std::floor(centre.latitude)) + 90, 0, 179);
        const int column = int(std::floor(centre.longitude)) + 180;
        for (int r = std::max(0, row - radius); r <= std::min(179, row + radius); ++r) {
            for (int c = column - radius; c <= column + radius; ++c) {
                const int wrapped = ((c % 360) + 360) % 360;
                for (const int value : m_cells[size_t(r * 360 + wrapped)])
                    fn(value);
            }
        }
    }

private:
    static size_t cell(const Position &position)
    {
        const int row = std::clamp(int(std::floor(position.latitude)) + 90, 0, 179);
        const int column = std::clamp(int(std::floor(position.longitude)) + 180, 0, 359);
        return size_t(row * 360 + column);
    }

    std::vector<std::vector<int>> m_cells = std::vector<std::vector<int>>(180 * 360);
};

struct Counts
{
    qint64 lines = 0;
    qint64 bytes = 0;
    int files = 0;
    int sids = 0;
    int stars = 0;
    int approaches = 0;
    bool ok = true;
};

inline int scaled(int count, double scale, int minimum)
{
    return std::max(minimum, int(std::lround(count * scale)));
}

class World
{
public:
    World(const WorldGen::Options &options, WorldGen::Summary &summary)
        : m_options(options)
        , m_summary(summary)
    {
    }

    void build()
    {
        buildAirports();
        buildLandingAids();
        buildTerminalFixes();
        buildNavaids();
        buildEnrouteFixes();
        buildGrid();
    }

    bool writeAirways(const QString &path);
    bool writeFixes(const QString &path);
    bool writeNavaids(const QString &path);
    bool writeAirportFile(const QString &path, int limit);
    bool writeUserFixes(const QString &path);
    bool writeProcedures(const QString &folder);

private:
    void buildAirports();
    void buildLandingAids();
    void buildTerminalFixes();
    void buildNavaids();
    void buildEnrouteFixes();
    void buildGrid();

    std::string airportCode(Rng &rng, int region, bool local);
    std::string navaidIdent(Rng &rng, int region, int letters);
    std::string enrouteIdent(Rng &rng, int region);
    void writeAirport(Out &out, const AirportData &airport, int index);
    void writeOtherAirport(Out &out, const AirportData &airport, int index);
    void writeProcedureFile(const QString &folder, int index, Counts &counts);

    const WorldGen::Options &m_options;
    WorldGen::Summary &m_summary;
    std::vector<AirportData> m_airports;
    std::vector<AirportData> m_otherAirports;
    std::vector<FixData> m_fixes;
    std::vector<NavaidData> m_navaids;
    std::vector<EnroutePoint> m_enroute;
    Grid m_grid;
    std::unordered_set<std::string> m_codes;
    std::unordered_set<quint64> m_fixIdents;
    std::unordered_set<quint64> m_navaidIdents;
};

} // namespace worldgen
