#include "worldgen.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_set>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111120.0;
constexpr double kMetresPerNm = 1852.0;
// Marks a folder this generator wrote, so that it may be written again; any other non-empty
// folder is refused rather than overwritten.
constexpr const char *kMarkerFile = ".synthetic-world";

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
        static constexpr long long powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
                                               1000000000};
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
    const char *code;     // ICAO region of fixes and navaids
    const char *prefix;   // first letters of the location indicators of its airports
    const char *country;  // as airport metadata writes it
    double latitude;
    double longitude;
    double latitudeSpread;
    double longitudeSpread;
    int weight;
};

// Loosely where the world's airports are: many in North America and Europe, fewer elsewhere.
constexpr RegionInfo kRegions[] = {
    {"K1", "K", "USA", 44.0, -118.0, 4.0, 6.0, 6},    {"K2", "K", "USA", 36.0, -112.0, 5.0, 6.0, 6},
    {"K3", "K", "USA", 44.0, -97.0, 4.0, 7.0, 6},     {"K4", "K", "USA", 33.0, -95.0, 4.0, 7.0, 7},
    {"K5", "K", "USA", 43.0, -85.0, 3.0, 5.0, 6},     {"K6", "K", "USA", 41.0, -75.0, 3.0, 4.0, 6},
    {"K7", "K", "USA", 31.0, -84.0, 3.0, 5.0, 6},     {"PA", "PA", "USA", 62.0, -150.0, 4.0, 10.0, 3},
    {"PH", "PH", "USA", 20.5, -157.0, 1.0, 2.0, 1},   {"CY", "C", "CAN", 50.0, -100.0, 5.0, 20.0, 6},
    {"MM", "MM", "MEX", 22.0, -101.0, 4.0, 6.0, 3},   {"SB", "SB", "BRA", -15.0, -50.0, 8.0, 8.0, 5},
    {"SA", "SA", "ARG", -34.0, -64.0, 6.0, 4.0, 2},   {"SC", "SC", "CHL", -33.0, -71.0, 8.0, 1.5, 1},
    {"SK", "SK", "COL", 5.0, -74.0, 3.0, 3.0, 1},     {"SP", "SP", "PER", -10.0, -76.0, 4.0, 3.0, 1},
    {"ED", "ED", "DEU", 51.0, 10.0, 2.0, 3.0, 3},     {"LF", "LF", "FRA", 46.5, 2.5, 2.5, 3.0, 3},
    {"EG", "EG", "GBR", 53.0, -2.0, 2.5, 2.0, 2},     {"EI", "EI", "IRL", 53.3, -8.0, 1.0, 1.5, 1},
    {"LE", "LE", "ESP", 40.0, -4.0, 2.5, 3.5, 2},     {"LI", "LI", "ITA", 42.5, 12.5, 3.0, 3.0, 2},
    {"LS", "LS", "CHE", 46.8, 8.2, 0.5, 1.0, 1},      {"LO", "LO", "AUT", 47.5, 14.0, 0.6, 2.0, 1},
    {"EH", "EH", "NLD", 52.2, 5.3, 0.6, 0.8, 1},      {"EB", "EB", "BEL", 50.6, 4.5, 0.5, 1.0, 1},
    {"EK", "EK", "DNK", 56.0, 10.0, 1.0, 1.5, 1},     {"EN", "EN", "NOR", 63.0, 10.0, 4.0, 5.0, 1},
    {"ES", "ES", "SWE", 61.0, 16.0, 4.0, 3.0, 1},     {"EF", "EF", "FIN", 63.0, 26.0, 3.0, 3.0, 1},
    {"EP", "EP", "POL", 52.0, 19.0, 1.5, 3.0, 1},     {"LK", "LK", "CZE", 49.8, 15.5, 0.6, 1.5, 1},
    {"LH", "LH", "HUN", 47.2, 19.5, 0.6, 1.5, 1},     {"LR", "LR", "ROU", 45.8, 25.0, 1.0, 2.0, 1},
    {"LG", "LG", "GRC", 38.5, 23.0, 1.5, 2.0, 1},     {"LT", "LT", "TUR", 39.0, 34.0, 1.5, 6.0, 1},
    {"UU", "UU", "RUS", 56.0, 40.0, 4.0, 10.0, 2},    {"UN", "UN", "RUS", 57.0, 85.0, 5.0, 15.0, 1},
    {"ZB", "ZB", "CHN", 39.0, 114.0, 3.0, 6.0, 1},    {"ZG", "ZG", "CHN", 25.0, 112.0, 3.0, 5.0, 1},
    {"ZS", "ZS", "CHN", 31.0, 119.0, 2.0, 3.0, 1},    {"RJ", "RJ", "JPN", 36.0, 138.0, 3.0, 4.0, 1},
    {"RK", "RK", "KOR", 36.5, 127.8, 1.0, 1.0, 1},    {"VT", "VT", "THA", 15.0, 101.0, 3.0, 2.0, 1},
    {"VA", "VA", "IND", 20.0, 76.0, 4.0, 4.0, 1},     {"VI", "VI", "IND", 27.0, 80.0, 3.0, 5.0, 1},
    {"OP", "OP", "PAK", 30.0, 70.0, 3.0, 3.0, 1},     {"OI", "OI", "IRN", 32.0, 53.0, 3.0, 5.0, 1},
    {"OE", "OE", "SAU", 24.0, 45.0, 4.0, 5.0, 1},     {"OM", "OM", "ARE", 24.3, 54.5, 0.6, 1.0, 1},
    {"HE", "HE", "EGY", 27.0, 30.0, 3.0, 3.0, 1},     {"DN", "DN", "NGA", 9.0, 8.0, 3.0, 4.0, 1},
    {"FA", "FA", "ZAF", -29.0, 25.0, 3.0, 4.0, 2},    {"HK", "HK", "KEN", 0.0, 37.5, 2.0, 2.0, 1},
    {"YB", "Y", "AUS", -23.0, 146.0, 6.0, 4.0, 2},    {"YM", "Y", "AUS", -30.0, 130.0, 6.0, 12.0, 3},
    {"NZ", "NZ", "NZL", -41.0, 174.0, 4.0, 4.0, 1},   {"WI", "WI", "IDN", -2.0, 110.0, 4.0, 12.0, 1},
    {"RP", "RP", "PHL", 12.0, 122.0, 4.0, 2.0, 1},    {"VV", "VV", "VNM", 16.0, 107.0, 5.0, 2.0, 1},
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

struct Position
{
    double latitude = 0.0;
    double longitude = 0.0;
};

double wrapLongitude(double longitude)
{
    while (longitude > 180.0)
        longitude -= 360.0;
    while (longitude < -180.0)
        longitude += 360.0;
    return longitude;
}

Position placeInRegion(Rng &rng, int region, double stretch)
{
    const RegionInfo &info = kRegions[region];
    return {std::clamp(info.latitude + rng.bell() * info.latitudeSpread * stretch, -78.0, 78.0),
            wrapLongitude(info.longitude + rng.bell() * info.longitudeSpread * stretch)};
}

// Flat-earth steps: good enough within the few hundred miles the generator ever steps.
Position offset(const Position &from, double bearingDegrees, double metres)
{
    const double bearing = bearingDegrees * kPi / 180.0;
    const double latitude = from.latitude + metres * std::cos(bearing) / kMetresPerDegree;
    const double longitude =
        from.longitude
        + metres * std::sin(bearing) / (kMetresPerDegree * std::max(0.05, std::cos(from.latitude * kPi / 180.0)));
    return {std::clamp(latitude, -85.0, 85.0), wrapLongitude(longitude)};
}

double distanceNm(const Position &a, const Position &b)
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

double bearingDegrees(const Position &a, const Position &b)
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

double normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
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

// ---------------------------------------------------------------------------------------------
// The world model: what the files have to agree on.

enum Size { Small = 0, Medium = 1, Large = 2 };
enum EndAid { NoAid = 0, Ils = 1, LocalizerOnly = 2 };

struct RunwayEnd
{
    std::string name;
    Position threshold;
    double heading = 0.0;    // true heading of a landing on this end
    int aid = NoAid;
    std::string localizer;   // ident of its localizer
};

struct RunwayData
{
    RunwayEnd ends[2];
    double length = 0.0;     // metres
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
    int kind = 1;            // 1 land, 16 seaplane base, 17 heliport
    bool icaoCode = false;
    bool cifp = false;
    std::vector<RunwayData> runways;
    int terminalFixBegin = 0;
    int terminalFixEnd = 0;
    int locator = -1;        // terminal NDB, index into the navaids
};

enum FixRole { EnrouteFix = 0, FinalFix, IntermediateFix, RnavFix, DmeFix };

struct FixData
{
    std::string ident;
    int region = 0;
    int airport = -1;        // -1 enroute, else the airport whose terminal area it belongs to
    Position position;
    quint32 type = 0;
    int role = EnrouteFix;
    int end = -1;            // runway end (runway * 2 + end) of a final or intermediate fix
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
    double extra = 0.0;      // slaved variation, bearing or glide slope field
    std::string name;        // tokens 10 and later
};

// An end point of airways: an enroute fix, VOR or NDB.
struct EnroutePoint
{
    Position position;
    int kind = 11;           // 11 fix, 3 VOR, 2 NDB as the airway file writes it
    int index = 0;           // into the fixes or the navaids
    bool onAirway = false;
};

class Grid
{
public:
    void add(const Position &position, int value) { m_cells[cell(position)].push_back(value); }

    template<typename Fn>
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

int scaled(int count, double scale, int minimum)
{
    return std::max(minimum, int(std::lround(count * scale)));
}

std::string altitudeText(int feet)
{
    // Five characters: flight levels above the transition, feet below it.
    char text[16];
    if (feet >= 18000)
        std::snprintf(text, sizeof text, "FL%03d", std::min(feet, 99900) / 100);
    else
        std::snprintf(text, sizeof text, "%05d", std::max(0, feet));
    return text;
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

std::string World::airportCode(Rng &rng, int region, bool local)
{
    const std::string_view prefix = kRegions[region].prefix;
    if (!local) {
        for (int attempt = 0; attempt < 12; ++attempt) {
            std::string code(prefix);
            while (code.size() < 4)
                code += rng.letter();
            if (m_codes.insert(code).second)
                return code;
        }
    }
    // Local identifiers as small fields have them: 12AK, 3N7, X04.
    for (int attempt = 0;; ++attempt) {
        std::string code;
        switch (attempt < 40 ? rng.range(0, 2) : 3) {
        case 0:
            code = {char('0' + rng.range(0, 9)), char('0' + rng.range(0, 9)), rng.letter(), rng.letter()};
            break;
        case 1:
            code = {rng.letter(), char('0' + rng.range(0, 9)), char('0' + rng.range(0, 9))};
            break;
        case 2:
            code = {char('0' + rng.range(1, 9)), rng.letter(), char('0' + rng.range(0, 9))};
            break;
        default:
            code = {char('0' + rng.range(0, 9)), char('0' + rng.range(0, 9)), rng.letter(),
                    char('0' + rng.range(0, 9)), rng.letter()};
            break;
        }
        if (m_codes.insert(code).second)
            return code;
    }
}

std::string World::navaidIdent(Rng &rng, int region, int letters)
{
    for (int attempt = 0;; ++attempt) {
        std::string ident;
        for (int i = 0; i < letters + attempt / 200; ++i)
            ident += rng.letter();
        if (m_navaidIdents.insert(identKey(region, ident)).second)
            return ident;
    }
}

std::string World::enrouteIdent(Rng &rng, int region)
{
    for (;;) {
        std::string ident = fixName(rng);
        if (m_fixIdents.insert(identKey(region, ident)).second)
            return ident;
    }
}

void World::buildAirports()
{
    const int count = scaled(kAirports, m_options.scale, 1);
    m_airports.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        Rng rng(m_options.seed, StreamAirports, quint64(i));
        AirportData &airport = m_airports[size_t(i)];
        airport.region = pickRegion(rng);
        airport.position = placeInRegion(rng, airport.region, 1.0);
        const double roll = rng.uniform();
        airport.size = roll < 0.03 ? Large : roll < 0.20 ? Medium : Small;
        const bool northAmerica = airport.region <= 9;
        airport.icaoCode = airport.size != Small || !(northAmerica && rng.chance(0.6));
        airport.code = airportCode(rng, airport.region, !airport.icaoCode);
        airport.icaoCode = airport.code.size() == 4 && std::isalpha(quint8(airport.code[1]));
        airport.city = word(rng, rng.range(2, 3));
        static constexpr const char *suffixes[] = {"Intl", "Regional", "Municipal", "Field", "Airport", "Airstrip"};
        airport.name = airport.city + ' ' + suffixes[airport.size == Large ? rng.range(0, 1) : rng.range(1, 5)];
        airport.elevation = rng.chance(0.1) ? rng.range(3000, 9000) : rng.range(0, 2500);

        const int runways = airport.size == Large ? rng.range(2, 4) : airport.size == Medium ? rng.range(1, 3)
                                                                       : (rng.chance(0.2) ? 2 : 1);
        const double mainHeading = rng.uniform(0.0, 180.0);
        const bool paved = airport.size != Small || rng.chance(0.45);
        for (int r = 0; r < runways; ++r) {
            RunwayData runway;
            const bool parallel = r > 0 && (airport.size == Large ? rng.chance(0.6) : rng.chance(0.3));
            const double heading = parallel ? mainHeading : normalised(mainHeading + rng.uniform(50.0, 90.0) * r);
            runway.length = airport.size == Large ? rng.uniform(2800, 4000)
                            : airport.size == Medium ? rng.uniform(1600, 3000) : rng.uniform(450, 1500);
            runway.width = airport.size == Large ? 60.0 : airport.size == Medium ? 45.0 : rng.uniform(12.0, 25.0);
            runway.surface = paved ? rng.range(1, 2) : rng.range(3, 5);
            runway.centreLights = airport.size == Large ? 1 : 0;
            runway.edgeLights = paved ? 2 : 0;
            const int marking = airport.size == Large ? 3 : airport.size == Medium ? 2 : (paved ? 1 : 0);
            runway.markings[0] = runway.markings[1] = marking;
            // A few small paved strips without markings: the import leaves their ends unnamed.
            if (paved && airport.size == Small && rng.chance(0.08))
                runway.markings[0] = runway.markings[1] = 0;
            const double across = parallel ? (r % 2 ? 1.0 : -1.0) * 400.0 * ((r + 1) / 2) : 0.0;
            const Position centre =
                offset(offset(airport.position, heading + 90.0, across), heading, rng.uniform(-300.0, 300.0));
            std::string suffix[2];
            if (parallel || (r == 0 && runways > 1 && airport.size == Large)) {
                const bool left = across <= 0.0;
                suffix[0] = left ? "L" : "R";
                suffix[1] = left ? "R" : "L";
            }
            runway.ends[0].name = runwayNumber(heading) + suffix[0];
            runway.ends[0].heading = heading;
            runway.ends[0].threshold = offset(centre, heading + 180.0, runway.length / 2.0);
            runway.ends[1].name = runwayNumber(heading + 180.0) + suffix[1];
            runway.ends[1].heading = normalised(heading + 180.0);
            runway.ends[1].threshold = offset(centre, heading, runway.length / 2.0);
            // Two runways may round to the same names; the second then gets a C or is dropped.
            auto taken = [&airport](const RunwayData &candidate) {
                for (const RunwayData &other : airport.runways) {
                    for (const RunwayEnd &end : other.ends) {
                        if (end.name == candidate.ends[0].name || end.name == candidate.ends[1].name)
                            return true;
                    }
                }
                return false;
            };
            if (taken(runway)) {
                runway.ends[0].name = runwayNumber(heading) + "C";
                runway.ends[1].name = runwayNumber(heading + 180.0) + "C";
                if (taken(runway))
                    continue;
            }
            airport.runways.push_back(runway);
        }
    }

    // Procedure files for the largest paved airports.
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const AirportData &x = m_airports[size_t(a)];
        const AirportData &y = m_airports[size_t(b)];
        const int px = x.size * 2 + (x.runways.front().surface <= 2 ? 1 : 0) + (x.icaoCode ? 1 : 0);
        const int py = y.size * 2 + (y.runways.front().surface <= 2 ? 1 : 0) + (y.icaoCode ? 1 : 0);
        return px > py;
    });
    const int withProcedures = std::min(count, scaled(kCifpFiles, m_options.scale, 1));
    for (int i = 0; i < withProcedures; ++i) {
        AirportData &airport = m_airports[size_t(order[size_t(i)])];
        airport.cifp = true;
        // Procedures name every runway end, so none of them may lose its name to missing markings.
        for (RunwayData &runway : airport.runways) {
            for (int &marking : runway.markings)
                marking = runway.surface <= 2 ? std::max(marking, 1) : marking;
        }
    }

    // Seaplane bases and heliports, which the import leaves out.
    const int others = std::max(1, count / 50);
    m_otherAirports.resize(size_t(others));
    for (int i = 0; i < others; ++i) {
        Rng rng(m_options.seed, StreamAirports, quint64(count + i));
        AirportData &airport = m_otherAirports[size_t(i)];
        airport.region = pickRegion(rng);
        airport.position = placeInRegion(rng, airport.region, 1.0);
        airport.kind = rng.chance(0.5) ? 16 : 17;
        airport.code = airportCode(rng, airport.region, true);
        airport.city = word(rng, 2);
        airport.name = airport.city + (airport.kind == 16 ? " Seaplane Base" : " Heliport");
    }
}

void World::buildLandingAids()
{
    int ils = scaled(kIlsEnds, m_options.scale, 1);
    int localizers = scaled(kLocalizerOnlyEnds, m_options.scale, 0);
    for (size_t a = 0; a < m_airports.size() && (ils > 0 || localizers > 0); ++a) {
        AirportData &airport = m_airports[a];
        if (!airport.cifp || airport.size == Small)
            continue;
        Rng rng(m_options.seed, StreamIls, quint64(a));
        for (RunwayData &runway : airport.runways) {
            for (int e = 0; e < 2; ++e) {
                RunwayEnd &end = runway.ends[e];
                const double p = airport.size == Large ? 0.75 : 0.3;
                if (ils > 0 && rng.chance(p)) {
                    end.aid = Ils;
                    runway.markings[e] = 3;
                    --ils;
                } else if (localizers > 0 && rng.chance(0.05)) {
                    end.aid = LocalizerOnly;
                    --localizers;
                }
                if (end.aid != NoAid)
                    end.localizer = "I" + std::string(1, rng.letter()) + std::string(1, rng.letter()) + rng.letter();
            }
        }
    }
}

void World::buildTerminalFixes()
{
    for (size_t a = 0; a < m_airports.size(); ++a) {
        AirportData &airport = m_airports[a];
        airport.terminalFixBegin = int(m_fixes.size());
        if (!airport.cifp) {
            airport.terminalFixEnd = airport.terminalFixBegin;
            continue;
        }
        Rng rng(m_options.seed, StreamTerminalFixes, quint64(a));
        auto add = [&](std::string ident, const Position &position, int role, int end, std::string_view type) {
            FixData fix;
            fix.ident = std::move(ident);
            fix.region = airport.region;
            fix.airport = int(a);
            fix.position = position;
            fix.role = role;
            fix.end = end;
            fix.type = packedType(type);
            m_fixes.push_back(std::move(fix));
        };
        for (size_t r = 0; r < airport.runways.size(); ++r) {
            for (int e = 0; e < 2; ++e) {
                const RunwayEnd &end = airport.runways[r].ends[e];
                if (end.name.empty())
                    continue;
                const double back = end.heading + 180.0;
                add("FF" + end.name, offset(end.threshold, back, rng.uniform(4.5, 6.5) * kMetresPerNm), FinalFix,
                    int(r * 2 + size_t(e)), "F  ");
                add("CI" + end.name, offset(end.threshold, back, rng.uniform(9.0, 12.0) * kMetresPerNm),
                    IntermediateFix, int(r * 2 + size_t(e)), "I  ");
                add(enrouteIdent(rng, airport.region),
                    offset(end.threshold, back + (rng.chance(0.5) ? 40.0 : -40.0), rng.uniform(12.0, 18.0) * kMetresPerNm),
                    RnavFix, int(r * 2 + size_t(e)), "C  ");
            }
        }
        for (int i = 0; i < 2; ++i)
            add(enrouteIdent(rng, airport.region),
                offset(airport.position, rng.uniform(0.0, 360.0), rng.uniform(8.0, 20.0) * kMetresPerNm), RnavFix, -1,
                "C  ");
        const int radial = rng.range(1, 360);
        add("D" + std::string(3 - std::to_string(radial).size(), '0') + std::to_string(radial) + char('D' + rng.range(0, 8)),
            offset(airport.position, radial, rng.uniform(4.0, 9.0) * kMetresPerNm), DmeFix, -1, "R  ");
        airport.terminalFixEnd = int(m_fixes.size());
    }
    m_summary.terminalFixes = int(m_fixes.size());
}

void World::buildNavaids()
{
    Rng rng(m_options.seed, StreamNavaids, 0);
    const int total = scaled(kNavaids, m_options.scale, 20);

    // Enroute VORs, most with a DME at the same place under the same name.
    const int vors = scaled(kVors, m_options.scale, 2);
    std::vector<NavaidData> dmes;
    for (int i = 0; i < vors; ++i) {
        NavaidData vor;
        vor.code = 3;
        vor.region = pickRegion(rng);
        vor.ident = navaidIdent(rng, vor.region, 3);
        vor.position = placeInRegion(rng, vor.region, 1.1);
        vor.elevation = rng.range(0, 4000);
        vor.frequency = 10800 + 5 * rng.range(0, 199);
        vor.range = rng.chance(0.7) ? 130 : 40;
        vor.extra = double(rng.range(-20, 20));
        const std::string place = word(rng, rng.range(2, 3));
        const double kind = rng.uniform();
        std::string suffix = kind < 0.6 ? " VOR-DME" : kind < 0.75 ? " VORTAC" : " VOR";
        vor.name = place + suffix;
        if (kind < 0.75) {
            NavaidData dme = vor;
            dme.code = 13;
            dme.extra = 0.0;
            dme.name = place + suffix + " DME";
            dmes.push_back(dme);
        }
        m_navaids.push_back(vor);
    }
    const int standalone = scaled(kStandaloneDmes, m_options.scale, 0);
    for (int i = 0; i < standalone; ++i) {
        NavaidData dme;
        dme.code = 13;
        dme.region = pickRegion(rng);
        dme.ident = navaidIdent(rng, dme.region, 3);
        dme.position = placeInRegion(rng, dme.region, 1.1);
        dme.elevation = rng.range(0, 4000);
        dme.frequency = 10800 + 5 * rng.range(0, 199);
        dme.range = 130;
        dme.name = word(rng, 2) + (rng.chance(0.5) ? " TACAN DME" : " DME");
        dmes.push_back(dme);
    }

    // The landing aids of the runway ends chosen before.
    std::vector<NavaidData> landing;
    for (size_t a = 0; a < m_airports.size(); ++a) {
        const AirportData &airport = m_airports[a];
        for (const RunwayData &runway : airport.runways) {
            for (int e = 0; e < 2; ++e) {
                const RunwayEnd &end = runway.ends[e];
                if (end.aid == NoAid)
                    continue;
                const RunwayEnd &far = runway.ends[1 - e];
                NavaidData localizer;
                localizer.code = end.aid == Ils ? 4 : 5;
                localizer.ident = end.localizer;
                localizer.region = airport.region;
                localizer.airport = int(a);
                localizer.position = offset(far.threshold, end.heading, 300.0);
                localizer.elevation = airport.elevation;
                localizer.frequency = 10810 + 20 * rng.range(0, 98) + (rng.chance(0.5) ? 5 : 0);
                localizer.range = 18;
                localizer.extra = end.heading;
                localizer.name = end.name + (end.aid == Ils ? (rng.chance(0.7) ? " ILS-cat-I" : " ILS-cat-III") : " LOC");
                landing.push_back(localizer);
                if (end.aid != Ils)
                    continue;
                NavaidData glideSlope = localizer;
                glideSlope.code = 6;
                glideSlope.position = offset(end.threshold, end.heading, 300.0);
                glideSlope.range = 10;
                glideSlope.extra = 300000.0 + std::round(end.heading * 1000.0) / 1000.0;
                glideSlope.name = end.name + " GS";
                landing.push_back(glideSlope);
                if (rng.chance(0.4)) {
                    NavaidData dme = localizer;
                    dme.code = 12;
                    dme.extra = 0.0;
                    dme.name = end.name + " DME-ILS";
                    landing.push_back(dme);
                }
                if (rng.chance(0.25)) {
                    for (int m = 0; m < 2; ++m) {
                        NavaidData marker;
                        marker.code = 7 + m;
                        marker.ident = "----";
                        marker.region = airport.region;
                        marker.airport = int(a);
                        marker.position = offset(end.threshold, end.heading + 180.0, (m == 0 ? 4.5 : 0.5) * kMetresPerNm);
                        marker.elevation = airport.elevation;
                        marker.extra = end.heading;
                        marker.name = end.name + (m == 0 ? " OM" : " MM");
                        landing.push_back(marker);
                    }
                }
            }
        }
    }

    // NDBs fill the rest: locators of some airports with procedures, the others enroute.
    const int ndbs = std::max(1, total - int(m_navaids.size() + dmes.size() + landing.size()));
    std::vector<NavaidData> beacons;
    int locators = ndbs / 6;
    for (size_t a = 0; a < m_airports.size() && locators > 0; ++a) {
        AirportData &airport = m_airports[a];
        if (!airport.cifp || airport.runways.front().ends[0].name.empty() || !rng.chance(0.15))
            continue;
        const RunwayEnd &end = airport.runways.front().ends[0];
        NavaidData ndb;
        ndb.code = 2;
        ndb.region = airport.region;
        ndb.airport = int(a);
        ndb.ident = navaidIdent(rng, airport.region, 2);
        ndb.position = offset(end.threshold, end.heading + 180.0, 4.0 * kMetresPerNm);
        ndb.elevation = airport.elevation;
        ndb.frequency = rng.range(190, 535);
        ndb.range = 25;
        ndb.name = airport.city + " NDB";
        airport.locator = int(beacons.size());
        beacons.push_back(ndb);
        --locators;
    }
    while (int(beacons.size()) < ndbs) {
        NavaidData ndb;
        ndb.code = 2;
        ndb.region = pickRegion(rng);
        ndb.ident = navaidIdent(rng, ndb.region, rng.chance(0.3) ? 2 : 3);
        ndb.position = placeInRegion(rng, ndb.region, 1.1);
        ndb.elevation = rng.range(0, 3000);
        ndb.frequency = rng.range(190, 535);
        ndb.range = rng.chance(0.5) ? 50 : 75;
        ndb.name = word(rng, 2) + " NDB";
        beacons.push_back(ndb);
    }

    // The file lists its rows by code, as the simulator's does: NDB, VOR, ILS parts, DME.
    std::vector<NavaidData> all;
    all.reserve(beacons.size() + m_navaids.size() + landing.size() + dmes.size());
    all.insert(all.end(), beacons.begin(), beacons.end());
    all.insert(all.end(), m_navaids.begin(), m_navaids.end());
    std::stable_sort(landing.begin(), landing.end(), [](const NavaidData &x, const NavaidData &y) { return x.code < y.code; });
    all.insert(all.end(), landing.begin(), landing.end());
    all.insert(all.end(), dmes.begin(), dmes.end());
    // The locators lead the beacons, so their indexes stay valid.
    m_navaids = std::move(all);

    for (const NavaidData &navaid : m_navaids) {
        switch (navaid.code) {
        case 2: ++m_summary.ndbs; break;
        case 3: ++m_summary.vors; break;
        case 13: ++m_summary.dmes; break;
        case 4: ++m_summary.localizers; break;
        default: ++m_summary.otherNavaids; break;
        }
    }
}

int regionIndex(std::string_view code)
{
    for (int r = 0; r < kRegionCount; ++r) {
        if (code == kRegions[r].code)
            return r;
    }
    return 0;
}

void World::buildEnrouteFixes()
{
    Rng rng(m_options.seed, StreamFixes, 0);
    const int enroute = std::max(10, scaled(kFixes, m_options.scale, 10) - int(m_fixes.size()));
    const size_t first = m_fixes.size();

    // Oceanic coordinate fixes as the track messages name them: 5620N and H5620 over the North
    // Atlantic, 26N70 and 3050E over the Pacific; whatever the scale, so that the predefined
    // tracks find their crossing points.
    auto oceanic = [&](std::string ident, int region, double latitude, double longitude) {
        FixData fix;
        fix.ident = std::move(ident);
        fix.region = region;
        fix.position = {latitude, longitude};
        fix.type = packedType("W  ");
        m_fixIdents.insert(identKey(region, fix.ident));
        m_fixes.push_back(std::move(fix));
    };
    char text[16];
    for (int half = 80; half <= 124; ++half) {
        for (int longitude = 10; longitude <= 60; longitude += 10) {
            const int degrees = half / 2;
            if (half % 2 == 0)
                std::snprintf(text, sizeof text, "%02d%02dN", degrees, longitude);
            else
                std::snprintf(text, sizeof text, "H%02d%02d", degrees, longitude);
            oceanic(text, regionIndex(longitude <= 30 ? "EG" : "CY"), half / 2.0, -longitude);
        }
    }
    for (int latitude = 20; latitude <= 60; ++latitude) {
        for (int step = 0; step < 12; ++step) {
            const int longitude = 130 + step * 10;   // 130E eastward to 120W
            const bool east = longitude <= 180;
            const int absolute = east ? longitude : 360 - longitude;
            const char letter = east ? 'E' : 'N';
            if (absolute < 100)
                std::snprintf(text, sizeof text, "%02d%02d%c", latitude, absolute, letter);
            else
                std::snprintf(text, sizeof text, "%02d%c%02d", latitude, letter, absolute % 100);
            oceanic(text, regionIndex(east ? "RJ" : "PA"), latitude, east ? absolute : -absolute);
        }
    }

    static constexpr std::string_view types[] = {"E  ", "W  ", "R  ", "C  ", "W E", "V  "};
    for (int i = int(m_fixes.size() - first); i < enroute; ++i) {
        FixData fix;
        fix.region = pickRegion(rng);
        fix.ident = enrouteIdent(rng, fix.region);
        fix.position = placeInRegion(rng, fix.region, 1.3);
        fix.type = packedType(types[rng.range(0, 5)]);
        fix.spoken = rng.chance(0.03);
        m_fixes.push_back(std::move(fix));
    }
    m_fixes.resize(std::min(m_fixes.size(), first + size_t(enroute)));
    m_summary.enrouteFixes = int(m_fixes.size() - first);
}

void World::buildGrid()
{
    for (size_t i = 0; i < m_fixes.size(); ++i) {
        if (m_fixes[i].airport < 0)
            m_enroute.push_back({m_fixes[i].position, 11, int(i), false});
    }
    for (size_t i = 0; i < m_navaids.size(); ++i) {
        const NavaidData &navaid = m_navaids[i];
        if (navaid.airport < 0 && (navaid.code == 2 || navaid.code == 3))
            m_enroute.push_back({navaid.position, navaid.code, int(i), false});
    }
    for (size_t i = 0; i < m_enroute.size(); ++i)
        m_grid.add(m_enroute[i].position, int(i));
}

// ---------------------------------------------------------------------------------------------
// earth_awy.dat

bool World::writeAirways(const QString &path)
{
    Out out;
    if (!out.openDataFile(path, "1101 Version - data cycle " + m_options.cycle.toStdString()
                                    + ", build 20240110, metadata AwyXP1101. Synthetic world for benchmarks."))
        return false;

    const int target = scaled(kAirwayRows, m_options.scale, 10);
    int rows = 0;
    int numbers[8] = {0};
    static constexpr const char *highNames[] = {"J", "Q", "UL", "UM"};
    static constexpr const char *lowNames[] = {"V", "T", "A", "B"};
    std::vector<int> chain;
    for (quint64 airway = 0; rows < target && airway < quint64(target) * 20; ++airway) {
        Rng rng(m_options.seed, StreamAirways, airway);
        const bool high = rng.chance(0.55);
        const double step = high ? rng.uniform(50.0, 140.0) : rng.uniform(20.0, 60.0);
        const int length = rng.range(3, 22);
        chain.assign(1, int(rng.next() % quint64(m_enroute.size())));
        double heading = rng.uniform(0.0, 360.0);
        for (int s = 0; s < length; ++s) {
            const Position &from = m_enroute[size_t(chain.back())].position;
            const Position aim = offset(from, heading, step * kMetresPerNm);
            int best = -1;
            double bestDistance = step * 0.6;
            for (int radius = 1; radius <= 2 && best < 0; ++radius) {
                m_grid.visit(aim, radius, [&](int candidate) {
                    if (std::find(chain.begin(), chain.end(), candidate) != chain.end())
                        return;
                    const double d = distanceNm(m_enroute[size_t(candidate)].position, aim);
                    if (d < bestDistance && distanceNm(from, m_enroute[size_t(candidate)].position) > step * 0.3) {
                        bestDistance = d;
                        best = candidate;
                    }
                });
            }
            if (best < 0)
                break;
            heading = normalised(bearingDegrees(from, m_enroute[size_t(best)].position) + rng.uniform(-25.0, 25.0));
            chain.push_back(best);
        }
        if (chain.size() < 2)
            continue;

        const int family = rng.range(0, 3);
        std::string name = std::string(high ? highNames[family] : lowNames[family])
                           + std::to_string(++numbers[(high ? 0 : 4) + family]);
        // Legs shared by two airways carry both names.
        if (rng.chance(0.02))
            name += "-" + std::string(high ? highNames[(family + 1) % 4] : lowNames[(family + 1) % 4])
                    + std::to_string(rng.range(1, 999));
        const double direction = rng.uniform();
        const char way = direction < 0.85 ? 'N' : direction < 0.97 ? 'F' : 'B';
        const int lowest = high ? (rng.chance(0.7) ? 180 : 245) : (rng.chance(0.5) ? 0 : rng.range(3, 9) * 10);
        const int highest = high ? (rng.chance(0.7) ? 450 : 600) : (rng.chance(0.6) ? 180 : 175);
        for (size_t i = 0; i + 1 < chain.size() && rows < target; ++i) {
            for (const int end : {chain[i], chain[i + 1]}) {
                EnroutePoint &point = m_enroute[size_t(end)];
                point.onAirway = true;
                const bool fix = point.kind == 11;
                const std::string &ident = fix ? m_fixes[size_t(point.index)].ident : m_navaids[size_t(point.index)].ident;
                const int region = fix ? m_fixes[size_t(point.index)].region : m_navaids[size_t(point.index)].region;
                out.field(ident, 5);
                out << ' ' << kRegions[region].code << ' ';
                out.number(point.kind);
                out << ' ';
            }
            out << way << ' ' << (high ? '2' : '1') << ' ';
            out.padded(lowest, 3);
            out << ' ';
            out.padded(highest, 3);
            out << ' ' << name;
            out.endLine();
            ++rows;
            ++(high ? m_summary.highAirwayRows : m_summary.lowAirwayRows);
        }
    }
    out.endDataFile();
    m_summary.airwayRows = rows;
    m_summary.bytes += out.bytes();
    return out.close();
}

// ---------------------------------------------------------------------------------------------
// earth_fix.dat, user_fix.dat, earth_nav.dat

bool World::writeFixes(const QString &path)
{
    Out out;
    if (!out.openDataFile(path, "1200 Version - data cycle " + m_options.cycle.toStdString()
                                    + ", build 20240110, metadata FixXP1200. Synthetic world for benchmarks."))
        return false;
    // Enroute fixes first, then the terminal ones airport by airport, as they were built.
    const size_t terminal = size_t(m_summary.terminalFixes);
    for (size_t n = 0; n < m_fixes.size(); ++n) {
        const FixData &fix = m_fixes[(n + terminal) % m_fixes.size()];
        if (fix.position.latitude >= 0.0)
            out << ' ';
        out.fixed(fix.position.latitude, 9);
        out << ' ';
        if (fix.position.longitude >= 0.0)
            out << ' ';
        out.fixed(fix.position.longitude, 9);
        out << ' ';
        out.field(fix.ident, 5);
        out << ' ';
        out.field(fix.airport < 0 ? std::string_view("ENRT") : std::string_view(m_airports[size_t(fix.airport)].code), 4);
        out << ' ' << kRegions[fix.region].code << ' ';
        out.number(fix.type);
        if (fix.spoken)
            out << ' ' << fix.ident << " INTERSECTION";
        out.endLine();
    }
    out.endDataFile();
    m_summary.bytes += out.bytes();
    return out.close();
}

bool World::writeUserFixes(const QString &path)
{
    Out out;
    if (!out.openDataFile(path, "1101 Version - data cycle " + m_options.cycle.toStdString()
                                    + ", build 20240110, metadata FixXP1101."))
        return false;
    Rng rng(m_options.seed, StreamUserFixes, 0);
    const int count = scaled(kUserFixes, m_options.scale, 5);
    for (int i = 0; i < count; ++i) {
        const int region = pickRegion(rng);
        const Position position = placeInRegion(rng, region, 1.0);
        out.fixed(position.latitude, 9);
        out << ' ';
        out.fixed(position.longitude, 9);
        out << " U" << std::to_string(10000 + i).substr(1) << " ENRT " << kRegions[region].code << " 2105430";
        out.endLine();
    }
    out.endDataFile();
    m_summary.userFixes = count;
    m_summary.bytes += out.bytes();
    return out.close();
}

bool World::writeNavaids(const QString &path)
{
    Out out;
    if (!out.openDataFile(path, "1150 Version - data cycle " + m_options.cycle.toStdString()
                                    + ", build 20240110, metadata NavXP1150. Synthetic world for benchmarks."))
        return false;
    for (const NavaidData &navaid : m_navaids) {
        if (navaid.code < 10)
            out << ' ';
        out.number(navaid.code);
        out << "  ";
        out.fixed(navaid.position.latitude, 8);
        out << "  ";
        out.fixed(navaid.position.longitude, 8);
        out << ' ';
        out.number(navaid.elevation);
        out << ' ';
        out.number(navaid.frequency);
        out << ' ';
        out.number(navaid.range);
        out << ' ';
        out.fixed(navaid.extra, 3);
        out << ' ';
        out.field(navaid.ident, 4);
        out << ' ';
        out.field(navaid.airport < 0 ? std::string_view("ENRT") : std::string_view(m_airports[size_t(navaid.airport)].code), 4);
        out << ' ' << kRegions[navaid.region].code << ' ' << navaid.name;
        out.endLine();
    }
    out.endDataFile();
    m_summary.bytes += out.bytes();
    return out.close();
}

// ---------------------------------------------------------------------------------------------
// apt.dat

// Positions on the airport in metres along and across its main runway.
class Frame
{
public:
    Frame(const Position &centre, double headingDegrees)
        : m_centre(centre)
    {
        const double h = headingDegrees * kPi / 180.0;
        m_alongEast = std::sin(h);
        m_alongNorth = std::cos(h);
        m_metresPerLongitude = kMetresPerDegree * std::max(0.05, std::cos(centre.latitude * kPi / 180.0));
    }

    Position at(double along, double across) const
    {
        const double east = along * m_alongEast + across * m_alongNorth;
        const double north = along * m_alongNorth - across * m_alongEast;
        return {m_centre.latitude + north / kMetresPerDegree, wrapLongitude(m_centre.longitude + east / m_metresPerLongitude)};
    }

private:
    Position m_centre;
    double m_alongEast = 0.0;
    double m_alongNorth = 1.0;
    double m_metresPerLongitude = kMetresPerDegree;
};

void coordinate(Out &out, const Position &position)
{
    out.fixed(position.latitude, 8);
    out << ' ';
    out.fixed(position.longitude, 8);
}

void node(Out &out, int code, const Position &position)
{
    out.number(code);
    out << ' ';
    coordinate(out, position);
}

// A closed outline of n nodes around (along, across), every third node curved.
void ring(Out &out, Rng &rng, const Frame &frame, double along, double across, double radiusAlong, double radiusAcross,
          int nodes)
{
    for (int n = 0; n < nodes; ++n) {
        const double angle = 2.0 * kPi * n / nodes;
        const double wobble = rng.uniform(0.85, 1.15);
        const double x = along + std::cos(angle) * radiusAlong * wobble;
        const double y = across + std::sin(angle) * radiusAcross * wobble;
        const bool last = n == nodes - 1;
        if (n % 3 == 1) {
            node(out, last ? 114 : 112, frame.at(x, y));
            out << ' ';
            coordinate(out, frame.at(x - std::sin(angle) * radiusAlong * 0.2, y + std::cos(angle) * radiusAcross * 0.2));
        } else {
            node(out, last ? 113 : 111, frame.at(x, y));
        }
        out.endLine();
    }
}

void World::writeAirport(Out &out, const AirportData &airport, int index)
{
    Rng rng(m_options.seed, StreamGround, quint64(index));
    const RegionInfo &region = kRegions[airport.region];
    const RunwayData &main = airport.runways.front();
    const Frame frame(airport.position, main.ends[0].heading);
    const double halfLength = main.length / 2.0;

    out << "1 ";
    out.number(airport.elevation);
    out << " 0 0 " << airport.code << ' ' << airport.name;
    out.endLine();

    out << "1302 city " << airport.city;
    out.endLine();
    out << "1302 country " << region.country;
    out.endLine();
    out << "1302 datum_lat ";
    out.fixed(airport.position.latitude, 8);
    out.endLine();
    out << "1302 datum_lon ";
    out.fixed(airport.position.longitude, 8);
    out.endLine();
    if (airport.icaoCode) {
        out << "1302 icao_code " << airport.code;
        out.endLine();
    } else if (std::string_view(region.country) == "USA") {
        out << "1302 faa_code " << airport.code;
        out.endLine();
    }
    out << "1302 region_code " << region.code;
    out.endLine();
    if (airport.size != Small) {
        out << "1302 iata_code " << airport.code.substr(1, 3);
        out.endLine();
        out << "1302 gui_label 3D";
        out.endLine();
        out << "1302 transition_alt 18000";
        out.endLine();
    }

    for (const RunwayData &runway : airport.runways) {
        out << "100 ";
        out.fixed(runway.width, 2);
        out << ' ';
        out.number(runway.surface);
        out << " 0 0.25 ";
        out.number(runway.centreLights);
        out << ' ';
        out.number(runway.edgeLights);
        out << " 1";
        for (int e = 0; e < 2; ++e) {
            const RunwayEnd &end = runway.ends[e];
            out << ' ' << end.name << ' ';
            coordinate(out, end.threshold);
            out << ' ';
            out.fixed(e == 0 && airport.size != Small ? 150.0 : 0.0, 2);
            out << ' ';
            out.fixed(airport.size == Large ? 60.0 : 0.0, 2);
            out << ' ';
            out.number(runway.markings[e]);
            out << ' ' << (end.aid == Ils ? "1" : "0") << ' ' << (airport.size == Large ? "1" : "0") << ' '
                << (airport.size == Small ? "0" : "1");
        }
        out.endLine();
    }

    static constexpr const char *frequencyNames[] = {"ATIS", "CTAF", "DEL", "GND", "TWR", "APP", "DEP"};
    const int frequencies = airport.size == Large ? 7 : airport.size == Medium ? rng.range(3, 5) : rng.range(0, 2);
    for (int f = 0; f < frequencies; ++f) {
        const int type = airport.size == Small ? 1 + f * 3 : (f < 2 ? f * 2 : f);
        out.number(1050 + std::min(type, 6));
        out << ' ';
        out.number(118000 + 25 * rng.range(0, 759));
        out << ' ' << frequencyNames[std::min(type, 6)];
        out.endLine();
    }

    node(out, 19, frame.at(rng.uniform(-halfLength, halfLength), -90.0));
    out << " 1 WS";
    out.endLine();
    if (airport.size != Small) {
        node(out, 14, frame.at(0.0, 450.0));
        out << " 100 0 Tower Viewpoint";
        out.endLine();
        node(out, 18, frame.at(100.0, 500.0));
        out << " 1 BCN";
        out.endLine();
        for (int e = 0; e < 2; ++e) {
            const RunwayEnd &end = main.ends[e];
            node(out, 21, offset(offset(end.threshold, end.heading, 300.0), end.heading - 90.0, 30.0));
            out << " 2 ";
            out.fixed(end.heading, 2);
            out << " 3.00 " << end.name << " PAPI-2L";
            out.endLine();
        }
    }

    // Pavements: an outline, sometimes a hole (which the import does not keep).
    const int pavements = airport.size == Large ? rng.range(6, 10) : airport.size == Medium ? rng.range(2, 3)
                                                                                          : (rng.chance(0.5) ? 1 : 0);
    for (int p = 0; p < pavements; ++p) {
        out << "110 " << (rng.chance(0.8) ? '1' : '2') << " 0.25 ";
        out.fixed(rng.uniform(0.0, 360.0), 2);
        out << (p == 0 ? " Apron" : " Taxiway");
        out.endLine();
        const double along = rng.uniform(-halfLength, halfLength);
        const double across = rng.uniform(200.0, 500.0);
        const int nodes = airport.size == Large ? rng.range(12, 28) : airport.size == Medium ? rng.range(8, 16)
                                                                                            : rng.range(5, 10);
        ring(out, rng, frame, along, across, rng.uniform(60.0, 250.0), rng.uniform(30.0, 90.0), nodes);
        if (airport.size != Small && rng.chance(0.25))
            ring(out, rng, frame, along, across, 15.0, 8.0, rng.range(4, 8));
    }

    // Painted lines and light strings; a few carry no type and are dropped by the import.
    const int lines = airport.size == Large ? rng.range(12, 24) : airport.size == Medium ? rng.range(3, 6)
                                                                                       : (rng.chance(0.15) ? 1 : 0);
    for (int l = 0; l < lines; ++l) {
        out << "120";
        if (rng.chance(0.5))
            out << " Line " << std::to_string(l);
        out.endLine();
        const int nodes = airport.size == Large ? rng.range(5, 12) : rng.range(3, 8);
        const bool typed = rng.chance(0.93);
        const bool closed = rng.chance(0.1);
        double along = rng.uniform(-halfLength, halfLength);
        double across = rng.uniform(100.0, 400.0);
        double heading = rng.uniform(0.0, 2.0 * kPi);
        const int lineType = rng.chance(0.6) ? 1 : (rng.chance(0.5) ? 3 : 51);
        for (int n = 0; n < nodes; ++n) {
            const bool last = n == nodes - 1;
            const bool curved = n % 4 == 2;
            const int code = last ? (closed ? (curved ? 114 : 113) : (curved ? 116 : 115)) : (curved ? 112 : 111);
            node(out, code, frame.at(along, across));
            if (curved) {
                out << ' ';
                coordinate(out, frame.at(along + 10.0 * std::cos(heading), across + 10.0 * std::sin(heading)));
            }
            if (n == 0 && typed) {
                out << ' ';
                out.number(lineType);
                if (rng.chance(0.4))
                    out << " 102";
            }
            out.endLine();
            heading += rng.uniform(-0.4, 0.4);
            const double step = rng.uniform(30.0, 80.0);
            along += step * std::cos(heading);
            across += step * std::sin(heading);
        }
    }

    if (airport.size != Small || rng.chance(0.3)) {
        out << "130 Airport Boundary";
        out.endLine();
        const int nodes = airport.size == Large ? rng.range(30, 60) : airport.size == Medium ? rng.range(16, 28)
                                                                                            : rng.range(8, 14);
        ring(out, rng, frame, 0.0, 0.0, halfLength + 400.0, 900.0, nodes);
    }

    // Taxi network along the main runway: a parallel taxiway, exits and the runway itself.
    const int parallelNodes = airport.size == Large ? rng.range(18, 40) : airport.size == Medium ? rng.range(6, 12)
                                                                       : (rng.chance(0.35) ? rng.range(2, 4) : 0);
    if (parallelNodes > 0) {
        out << "1200 ";
        out.endLine();
        const int networks = airport.size == Large ? int(airport.runways.size()) : 1;
        int nodeId = 0;
        for (int w = 0; w < networks; ++w) {
            const RunwayData &runway = airport.runways[size_t(w)];
            const Frame local(offset(runway.ends[0].threshold, runway.ends[0].heading, runway.length / 2.0),
                              runway.ends[0].heading);
            const char taxiway = char('A' + w);
            const int first = nodeId;
            const double half = runway.length / 2.0;
            for (int n = 0; n < parallelNodes; ++n) {
                const double along = -half + runway.length * n / std::max(1, parallelNodes - 1);
                node(out, 1201, local.at(along, 180.0));
                out << " both ";
                out.number(nodeId++);
                if (n == 0)
                    out << ' ' << taxiway << "_start";
                out.endLine();
                if (n % 3 == 0) {
                    node(out, 1201, local.at(along, 0.0));
                    out << " both ";
                    out.number(nodeId++);
                    out.endLine();
                }
            }
            // Edges: parallel taxiway, exits to the runway, runway legs with their active zones.
            int previous = -1;
            int previousRunway = -1;
            int exit = 0;
            for (int id = first; id < nodeId; ++id) {
                // Runway nodes follow the taxiway node they belong to.
                const bool onRunway = id > first && (id - first) % 4 == 1;
                if (!onRunway) {
                    if (previous >= 0) {
                        out << "1202 ";
                        out.number(previous);
                        out << ' ';
                        out.number(id);
                        out << (rng.chance(0.1) ? " oneway" : " twoway") << (airport.size == Large ? " taxiway_E " : " taxiway_C ")
                            << taxiway;
                        out.endLine();
                    }
                    previous = id;
                    continue;
                }
                out << "1202 ";
                out.number(id - 1);
                out << ' ';
                out.number(id);
                out << " twoway taxiway_C " << taxiway << std::to_string(++exit);
                out.endLine();
                if (previousRunway >= 0) {
                    out << "1202 ";
                    out.number(previousRunway);
                    out << ' ';
                    out.number(id);
                    out << " twoway runway " << runway.ends[0].name << '/' << runway.ends[1].name;
                    out.endLine();
                    out << "1204 departure " << runway.ends[0].name << ',' << runway.ends[1].name;
                    out.endLine();
                    out << "1204 arrival " << runway.ends[0].name << ',' << runway.ends[1].name;
                    out.endLine();
                }
                previousRunway = id;
            }
        }
    }

    // Start-up locations along the apron.
    const int startups = airport.size == Large ? rng.range(30, 70) : airport.size == Medium ? rng.range(5, 12)
                                                                                          : rng.range(1, 3);
    const double heading = normalised(main.ends[0].heading + 90.0);
    for (int s = 0; s < startups; ++s) {
        node(out, 1300, frame.at(-halfLength * 0.6 + s * 55.0, 420.0));
        out << ' ';
        out.fixed(heading, 2);
        if (airport.size == Small)
            out << " tie_down props GA" << std::to_string(s + 1);
        else if (s % 5 == 4)
            out << " hangar props|turboprops H" << std::to_string(s + 1);
        else
            out << " gate heavy|jets|turboprops " << char('A' + s / 20) << std::to_string(s % 20 + 1);
        out.endLine();
        if (airport.size == Large) {
            out << "1301 " << (s % 3 == 0 ? 'E' : 'C') << (s % 7 == 0 ? " cargo" : " airline");
            out.endLine();
        }
    }
    out.endLine();
}

void World::writeOtherAirport(Out &out, const AirportData &airport, int index)
{
    Rng rng(m_options.seed, StreamGround, quint64(m_airports.size()) + quint64(index));
    out.number(airport.kind);
    out << ' ';
    out.number(rng.range(0, 500));
    out << " 0 0 " << airport.code << ' ' << airport.name;
    out.endLine();
    out << "1302 region_code " << kRegions[airport.region].code;
    out.endLine();
    if (airport.kind == 16) {
        out << "101 49.00 0 16 ";
        coordinate(out, airport.position);
        out << " 34 ";
        coordinate(out, offset(airport.position, 160.0, 900.0));
    } else {
        out << "102 H1 ";
        coordinate(out, airport.position);
        out << " 0.00 15.24 15.24 1 0 0 0.25 0";
        out.endLine();
        node(out, 19, offset(airport.position, 90.0, 30.0));
        out << " 1 WS";
    }
    out.endLine();
    out.endLine();
}

bool World::writeAirportFile(const QString &path, int limit)
{
    Out out;
    if (!out.openDataFile(path, "1200 Generated by WorldGen - data cycle " + m_options.cycle.toStdString()
                                    + ", build 20240110, metadata AptXP1200. Synthetic world for benchmarks."))
        return false;
    const int count = std::min(limit, int(m_airports.size()));
    size_t other = 0;
    for (int i = 0; i < count; ++i) {
        writeAirport(out, m_airports[size_t(i)], i);
        if (i % 50 == 25 && other < m_otherAirports.size() && limit >= int(m_airports.size())) {
            writeOtherAirport(out, m_otherAirports[other], int(other));
            ++other;
        }
    }
    out.endDataFile();
    m_summary.aptLines += out.lines();
    m_summary.bytes += out.bytes();
    if (limit >= int(m_airports.size())) {
        m_summary.airports = count;
        m_summary.skippedAirports = int(other);
        for (const AirportData &airport : m_airports)
            m_summary.runways += int(airport.runways.size());
    }
    return out.close();
}

// ---------------------------------------------------------------------------------------------
// CIFP

// A point a leg names, with the section codes of the procedure file.
struct Ref
{
    std::string ident;
    const char *region = "";
    char section = ' ';
    char subsection = ' ';
    Position position;
};

// One procedure line; blank fields are written as the simulator's files write them.
struct Leg
{
    char routeType = ' ';
    std::string transition;
    const Ref *fix = nullptr;
    std::string description = "    ";
    char turn = ' ';
    const char *pathTerminator = "TF";
    const Ref *navaid = nullptr;
    int arcRadius = -1;      // thousandths of a mile
    int theta = -1;          // tenths of a degree
    int rho = -1;            // tenths of a mile
    int course = -1;         // tenths of a degree
    int distance = -1;       // tenths of a mile or of a minute
    bool time = false;
    char altitudeDescription = ' ';
    int altitude1 = -1;
    int altitude2 = -1;
    int transitionAltitude = -1;
    int speed = 0;
    const Ref *centre = nullptr;
};

class ProcedureWriter
{
public:
    ProcedureWriter(Out &out, const char *section, std::string ident)
        : m_out(out)
        , m_section(section)
        , m_ident(std::move(ident))
    {
    }

    void write(const Leg &leg)
    {
        m_sequence += 10;
        Out &o = m_out;
        o << m_section << ':';
        o.padded(m_sequence, 3);
        o << ',' << leg.routeType << ',' << m_ident << ',';
        o.field(leg.transition, 5);
        o << ',';
        o.field(leg.fix ? std::string_view(leg.fix->ident) : std::string_view(), 5);
        o << ',';
        o.field(leg.fix ? leg.fix->region : "", 2);
        o << ',' << (leg.fix ? leg.fix->section : ' ') << ',' << (leg.fix ? leg.fix->subsection : ' ') << ',';
        o.field(leg.description, 4);
        o << ',' << leg.turn << ",   ," << leg.pathTerminator << ", ,";
        o.field(leg.navaid ? std::string_view(leg.navaid->ident) : std::string_view(), 4);
        o << ',';
        o.field(leg.navaid ? leg.navaid->region : "", 2);
        o << ',' << (leg.navaid ? leg.navaid->section : ' ') << ',' << (leg.navaid ? leg.navaid->subsection : ' ') << ',';
        number(leg.arcRadius, 6);
        o << ',';
        number(leg.theta, 4);
        o << ',';
        number(leg.rho, 4);
        o << ',';
        number(leg.course, 4);
        o << ',';
        if (leg.time && leg.distance >= 0) {
            o << 'T';
            o.padded(leg.distance, 3);
        } else {
            number(leg.distance, 4);
        }
        o << ',' << leg.altitudeDescription << ',';
        o.field(leg.altitude1 >= 0 ? altitudeText(leg.altitude1) : std::string(), 5);
        o << ',';
        o.field(leg.altitude2 >= 0 ? altitudeText(leg.altitude2) : std::string(), 5);
        o << ',';
        if (leg.transitionAltitude >= 0)
            o.padded(leg.transitionAltitude, 5);
        else
            o << "     ";
        o << ',' << (leg.speed > 0 ? '-' : ' ') << ',';
        if (leg.speed > 0)
            o.padded(leg.speed, 3);
        else
            o << "   ";
        o << ",    , ,";
        o.field(leg.centre ? std::string_view(leg.centre->ident) : std::string_view(), 5);
        o << ',';
        o.field(leg.centre ? leg.centre->region : "", 2);
        o << ',' << (leg.centre ? leg.centre->section : ' ') << ',' << (leg.centre ? leg.centre->subsection : ' ')
          << ", , , ,;";
        o.endLine();
        ++m_legs;
    }

    int legs() const { return m_legs; }

private:
    void number(int value, int width)
    {
        if (value < 0)
            m_out.field("", width);
        else
            m_out.padded(value, width);
    }

    Out &m_out;
    const char *m_section;
    std::string m_ident;
    int m_sequence = 0;
    int m_legs = 0;
};

int courseTenths(const Position &from, const Position &to)
{
    return int(std::lround(bearingDegrees(from, to) * 10.0)) % 3600;
}

int distanceTenths(const Position &from, const Position &to)
{
    return std::min(9999, int(std::lround(distanceNm(from, to) * 10.0)));
}

void World::writeProcedureFile(const QString &folder, int index, Counts &counts)
{
    const AirportData &airport = m_airports[size_t(index)];
    Rng rng(m_options.seed, StreamProcedures, quint64(index));
    const char *region = kRegions[airport.region].code;

    // Points the procedures may name: runway thresholds, the airport's terminal fixes, its
    // locator and the enroute points around it, those on airways first.
    std::vector<Ref> runways;
    std::vector<const RunwayEnd *> ends;
    for (const RunwayData &runway : airport.runways) {
        for (const RunwayEnd &end : runway.ends) {
            if (end.name.empty())
                continue;
            runways.push_back({"RW" + end.name, region, 'P', 'G', end.threshold});
            ends.push_back(&end);
        }
    }
    if (ends.empty())
        return;
    std::vector<Ref> terminal;
    std::vector<int> roles;
    std::vector<int> endOf;
    for (int f = airport.terminalFixBegin; f < airport.terminalFixEnd; ++f) {
        const FixData &fix = m_fixes[size_t(f)];
        terminal.push_back({fix.ident, region, 'P', 'C', fix.position});
        roles.push_back(fix.role);
        endOf.push_back(fix.end);
    }
    auto terminalFix = [&](int role, int end) -> const Ref * {
        for (size_t t = 0; t < terminal.size(); ++t) {
            if (roles[t] == role && (end < 0 || endOf[t] == end))
                return &terminal[t];
        }
        return nullptr;
    };
    std::vector<const Ref *> rnav;
    for (size_t t = 0; t < terminal.size(); ++t) {
        if (roles[t] == RnavFix)
            rnav.push_back(&terminal[t]);
    }
    Ref locator;
    if (airport.locator >= 0) {
        const NavaidData &ndb = m_navaids[size_t(airport.locator)];
        locator = {ndb.ident, region, 'P', 'N', ndb.position};
    }

    std::vector<Ref> nearby;
    std::vector<Ref> nearbyOffAirway;
    Ref vor;
    double vorDistance = 40.0;
    m_grid.visit(airport.position, 1, [&](int e) {
        const EnroutePoint &point = m_enroute[size_t(e)];
        const double d = distanceNm(airport.position, point.position);
        Ref ref;
        if (point.kind == 11) {
            const FixData &fix = m_fixes[size_t(point.index)];
            ref = {fix.ident, kRegions[fix.region].code, 'E', 'A', fix.position};
        } else {
            const NavaidData &navaid = m_navaids[size_t(point.index)];
            ref = {navaid.ident, kRegions[navaid.region].code, 'D', point.kind == 2 ? 'B' : ' ', navaid.position};
            if (point.kind == 3 && d < vorDistance) {
                vorDistance = d;
                vor = ref;
            }
        }
        if (d < 15.0 || d > 90.0)
            return;
        (point.onAirway ? nearby : nearbyOffAirway).push_back(ref);
    });
    // The grid visits in a fixed order; shuffle with the airport's own numbers.
    for (size_t i = nearby.size(); i > 1; --i)
        std::swap(nearby[i - 1], nearby[size_t(rng.next() % i)]);
    if (nearby.size() < 4)
        nearby.insert(nearby.end(), nearbyOffAirway.begin(), nearbyOffAirway.end());
    if (nearby.size() > 8)
        nearby.resize(8);

    Out out;
    if (!out.open(folder + QLatin1Char('/') + QString::fromStdString(airport.code) + QStringLiteral(".dat"))) {
        counts.ok = false;
        return;
    }
    const int transitionAltitude = rng.chance(0.7) ? 18000 : 5000;
    const int fieldElevation = airport.elevation;
    auto roundedAltitude = [&](int above) { return ((fieldElevation + above) / 100) * 100; };

    // SIDs
    const int sids = nearby.empty() ? 0
                     : airport.size == Large ? rng.range(4, 9) : airport.size == Medium ? rng.range(1, 4)
                                                                                        : rng.range(0, 1);
    const Ref *dmeFix = terminalFix(DmeFix, -1);
    for (int s = 0; s < sids; ++s) {
        const Ref &exit = nearby[size_t(s) % nearby.size()];
        const bool rnavSid = rng.chance(0.6);
        const char runwayType = rnavSid ? '4' : '1';
        const char commonType = rnavSid ? '5' : '2';
        const char enrouteType = rnavSid ? '6' : '3';
        std::string name = exit.ident.substr(0, 4) + std::to_string(s / int(nearby.size()) + 1 + rng.range(0, 4))
                           + char('A' + rng.range(0, 5));
        ProcedureWriter writer(out, "SID", name);
        const bool common = rng.chance(0.5);
        const Ref *join = common ? (rnav.empty() ? dmeFix : rnav[size_t(rng.range(0, int(rnav.size()) - 1))]) : &exit;
        // Runway transitions: climb on the runway heading, then to the join point.
        for (size_t e = 0; e < ends.size(); ++e) {
            if (e > 0 && !rng.chance(0.6))
                continue;
            const RunwayEnd &end = *ends[e];
            Leg leg;
            leg.routeType = runwayType;
            leg.transition = runways[e].ident;
            if (rng.chance(0.4)) {
                leg.fix = &runways[e];
                leg.description = "G  Y";
                leg.pathTerminator = "IF";
                writer.write(leg);
            }
            leg = Leg();
            leg.routeType = runwayType;
            leg.transition = runways[e].ident;
            leg.pathTerminator = rng.chance(0.5) ? "CA" : "VA";
            leg.course = int(std::lround(end.heading * 10.0)) % 3600;
            leg.altitudeDescription = '+';
            leg.altitude1 = roundedAltitude(rng.range(4, 20) * 100);
            writer.write(leg);
            if (dmeFix && rng.chance(0.5)) {
                leg = Leg();
                leg.routeType = runwayType;
                leg.transition = runways[e].ident;
                leg.fix = dmeFix;
                leg.description = "E   ";
                leg.turn = rng.chance(0.5) ? 'L' : 'R';
                leg.pathTerminator = "DF";
                writer.write(leg);
            }
            leg = Leg();
            leg.routeType = runwayType;
            leg.transition = runways[e].ident;
            leg.fix = join;
            leg.description = join == &exit ? "EE  " : "E   ";
            leg.pathTerminator = rng.chance(0.7) ? "DF" : "CF";
            if (std::string_view(leg.pathTerminator) == "CF") {
                leg.course = courseTenths(end.threshold, join->position);
                leg.distance = distanceTenths(end.threshold, join->position);
            }
            writer.write(leg);
        }
        if (common) {
            Leg leg;
            leg.routeType = commonType;
            leg.fix = join;
            leg.description = "E   ";
            leg.pathTerminator = "IF";
            writer.write(leg);
            leg = Leg();
            leg.routeType = commonType;
            leg.fix = &exit;
            leg.description = "EE  ";
            leg.pathTerminator = "TF";
            leg.altitudeDescription = '+';
            leg.altitude1 = rng.chance(0.5) ? 10000 : roundedAltitude(6000);
            leg.speed = rng.chance(0.4) ? 250 : 0;
            writer.write(leg);
        }
        // Enroute transitions onward from the exit.
        const int transitions = std::min(int(nearby.size()) - 1, rng.range(0, 3));
        for (int t = 0; t < transitions; ++t) {
            const Ref &onward = nearby[size_t(s + 1 + t) % nearby.size()];
            if (&onward == &exit)
                continue;
            Leg leg;
            leg.routeType = enrouteType;
            leg.transition = onward.ident;
            leg.fix = &exit;
            leg.description = "E   ";
            leg.pathTerminator = "IF";
            writer.write(leg);
            leg.fix = &onward;
            leg.description = "EE  ";
            leg.pathTerminator = "TF";
            leg.altitudeDescription = rng.chance(0.3) ? 'B' : '+';
            leg.altitude1 = 24000;
            // Upper limit first, as the files write a window.
            leg.altitude2 = leg.altitudeDescription == 'B' ? 14000 : -1;
            writer.write(leg);
        }
        counts.lines += writer.legs();
        ++counts.sids;
    }

    // STARs
    const int stars = nearby.empty() ? 0
                      : airport.size == Large ? rng.range(3, 8) : airport.size == Medium ? rng.range(1, 3)
                                                                                         : rng.range(0, 1);
    for (int s = 0; s < stars; ++s) {
        const Ref &entry = nearby[size_t(s + 3) % nearby.size()];
        const bool rnavStar = rng.chance(0.6);
        const char enrouteType = rnavStar ? '4' : '1';
        const char commonType = rnavStar ? '5' : '2';
        const char runwayType = rnavStar ? '6' : '3';
        std::string name = entry.ident.substr(0, 4) + std::to_string(rng.range(1, 9)) + char('A' + rng.range(0, 5) + 6);
        ProcedureWriter writer(out, "STAR", name);
        const int transitions = std::min(int(nearby.size()) - 1, rng.range(0, 3));
        for (int t = 0; t < transitions; ++t) {
            const Ref &from = nearby[size_t(s + 4 + t) % nearby.size()];
            if (&from == &entry)
                continue;
            Leg leg;
            leg.routeType = enrouteType;
            leg.transition = from.ident;
            leg.fix = &from;
            leg.pathTerminator = "IF";
            writer.write(leg);
            leg.fix = &entry;
            leg.pathTerminator = "TF";
            leg.altitudeDescription = rng.chance(0.5) ? '-' : ' ';
            leg.altitude1 = leg.altitudeDescription == '-' ? 28000 : -1;
            writer.write(leg);
        }
        const Ref *approach = rnav.empty() ? &entry : rnav[size_t(rng.range(0, int(rnav.size()) - 1))];
        Leg leg;
        leg.routeType = commonType;
        leg.fix = &entry;
        leg.description = "E  A";
        leg.pathTerminator = "IF";
        writer.write(leg);
        leg = Leg();
        leg.routeType = commonType;
        leg.fix = approach;
        leg.description = "E   ";
        leg.pathTerminator = "TF";
        leg.altitudeDescription = 'B';
        leg.altitude1 = 15000;
        leg.altitude2 = roundedAltitude(5000);
        leg.speed = 250;
        leg.transitionAltitude = transitionAltitude;
        writer.write(leg);
        if (rng.chance(0.3)) {
            leg = Leg();
            leg.routeType = commonType;
            leg.fix = approach;
            leg.description = "E  H";
            leg.turn = 'R';
            leg.pathTerminator = "HM";
            leg.course = rng.range(0, 359) * 10;
            leg.distance = 10;
            leg.time = true;
            leg.altitudeDescription = '+';
            leg.altitude1 = roundedAltitude(4000);
            writer.write(leg);
        }
        for (size_t e = 0; e < ends.size(); ++e) {
            if (!rng.chance(0.6))
                continue;
            const Ref *intermediate = terminalFix(IntermediateFix, -1);
            for (size_t t = 0; t < terminal.size(); ++t) {
                if (roles[t] == IntermediateFix && terminal[t].ident == "CI" + ends[e]->name)
                    intermediate = &terminal[t];
            }
            Leg runwayLeg;
            runwayLeg.routeType = runwayType;
            runwayLeg.transition = runways[e].ident;
            runwayLeg.fix = approach;
            runwayLeg.pathTerminator = "IF";
            writer.write(runwayLeg);
            if (intermediate && rng.chance(0.7)) {
                runwayLeg.fix = intermediate;
                runwayLeg.pathTerminator = "TF";
                runwayLeg.altitudeDescription = '+';
                runwayLeg.altitude1 = roundedAltitude(3000);
                writer.write(runwayLeg);
            } else {
                runwayLeg.fix = approach;
                runwayLeg.pathTerminator = "FM";
                runwayLeg.course = int(std::lround(normalised(ends[e]->heading + 90.0) * 10.0)) % 3600;
                writer.write(runwayLeg);
            }
        }
        counts.lines += writer.legs();
        ++counts.stars;
    }

    // Approaches, per runway end.
    for (size_t e = 0; e < ends.size(); ++e) {
        const RunwayEnd &end = *ends[e];
        const Ref *faf = nullptr;
        const Ref *intermediate = nullptr;
        const Ref *iaf = nullptr;
        for (size_t t = 0; t < terminal.size(); ++t) {
            const bool mine = terminal[t].ident.size() > 2 && terminal[t].ident.substr(2) == end.name;
            if (roles[t] == FinalFix && mine)
                faf = &terminal[t];
            else if (roles[t] == IntermediateFix && mine)
                intermediate = &terminal[t];
        }
        if (!faf || !intermediate)
            continue;
        for (size_t t = 0; t < terminal.size() && !iaf; ++t) {
            if (roles[t] == RnavFix && distanceNm(terminal[t].position, intermediate->position) < 20.0)
                iaf = &terminal[t];
        }
        Ref localizer{end.localizer, region, 'P', 'I', end.threshold};
        struct Kind
        {
            char routeType;
            const Ref *navaid;
        };
        std::vector<Kind> kinds;
        if (end.aid == Ils)
            kinds.push_back({'I', &localizer});
        if (end.aid == LocalizerOnly)
            kinds.push_back({'L', &localizer});
        if (rng.chance(0.75) || kinds.empty())
            kinds.push_back({'R', nullptr});
        if (!vor.ident.empty() && rng.chance(0.25))
            kinds.push_back({'D', &vor});
        if (airport.locator >= 0 && &end == ends.front() && rng.chance(0.7))
            kinds.push_back({'N', &locator});
        for (const Kind &kind : kinds) {
            ProcedureWriter writer(out, "APPCH", std::string(1, kind.routeType) + end.name);
            // Transitions from the initial approach fixes to the intermediate fix.
            std::vector<const Ref *> starts;
            if (iaf)
                starts.push_back(iaf);
            for (size_t n = 0; n < nearby.size() && starts.size() < 3; ++n) {
                if (rng.chance(0.3))
                    starts.push_back(&nearby[n]);
            }
            for (const Ref *start : starts) {
                Leg leg;
                leg.routeType = 'A';
                leg.transition = start->ident;
                leg.fix = start;
                leg.description = "E  A";
                leg.pathTerminator = "IF";
                leg.altitudeDescription = '+';
                leg.altitude1 = roundedAltitude(5000);
                writer.write(leg);
                leg = Leg();
                leg.routeType = 'A';
                leg.transition = start->ident;
                leg.fix = intermediate;
                leg.description = "E   ";
                leg.altitudeDescription = '+';
                leg.altitude1 = roundedAltitude(3000);
                const double shape = rng.uniform();
                if (kind.routeType == 'R' && shape < 0.2 && iaf && start != iaf) {
                    leg.pathTerminator = "RF";
                    leg.turn = 'R';
                    leg.arcRadius = rng.range(2, 9) * 1000;
                    leg.centre = iaf;
                } else if (!vor.ident.empty() && shape < 0.35) {
                    leg.pathTerminator = "AF";
                    leg.turn = 'L';
                    leg.navaid = &vor;
                    leg.theta = courseTenths(vor.position, intermediate->position);
                    leg.rho = distanceTenths(vor.position, intermediate->position);
                    leg.course = courseTenths(start->position, intermediate->position);
                    leg.distance = leg.rho;
                } else {
                    leg.pathTerminator = "TF";
                }
                writer.write(leg);
            }
            // Final approach and missed approach.
            Leg leg;
            leg.routeType = kind.routeType;
            leg.fix = intermediate;
            leg.description = "E  I";
            leg.pathTerminator = "IF";
            leg.altitudeDescription = '+';
            leg.altitude1 = roundedAltitude(3000);
            writer.write(leg);
            leg = Leg();
            leg.routeType = kind.routeType;
            leg.fix = faf;
            leg.description = "E  F";
            leg.navaid = kind.navaid;
            if (kind.navaid) {
                leg.pathTerminator = "CF";
                leg.course = int(std::lround(end.heading * 10.0)) % 3600;
                leg.distance = distanceTenths(intermediate->position, faf->position);
            } else {
                leg.pathTerminator = "TF";
            }
            leg.altitudeDescription = kind.routeType == 'I' ? 'G' : '+';
            leg.altitude1 = roundedAltitude(2000);
            leg.altitude2 = kind.routeType == 'I' ? roundedAltitude(1900) : -1;
            writer.write(leg);
            leg = Leg();
            leg.routeType = kind.routeType;
            leg.fix = &runways[e];
            leg.description = "GY M";
            leg.pathTerminator = "TF";
            leg.altitudeDescription = ' ';
            leg.altitude1 = fieldElevation + 50;
            writer.write(leg);
            leg = Leg();
            leg.routeType = kind.routeType;
            leg.description = "  M ";
            leg.pathTerminator = "CA";
            leg.course = int(std::lround(end.heading * 10.0)) % 3600;
            leg.altitudeDescription = '+';
            leg.altitude1 = roundedAltitude(1500);
            writer.write(leg);
            const Ref *hold = iaf ? iaf : (nearby.empty() ? faf : &nearby.front());
            leg = Leg();
            leg.routeType = kind.routeType;
            leg.fix = hold;
            leg.description = "E   ";
            leg.turn = rng.chance(0.5) ? 'L' : 'R';
            leg.pathTerminator = "DF";
            writer.write(leg);
            leg.description = "E  H";
            leg.pathTerminator = "HM";
            leg.course = rng.range(0, 359) * 10;
            leg.distance = 10;
            leg.time = true;
            leg.altitudeDescription = '+';
            leg.altitude1 = roundedAltitude(4000);
            writer.write(leg);
            counts.lines += writer.legs();
            ++counts.approaches;
        }
    }

    // Runway records, which the import skips.
    for (size_t e = 0; e < ends.size(); ++e) {
        out << "RWY:" << runways[e].ident << ",     ,      ;";
        const Position &p = ends[e]->threshold;
        char text[40];
        const double lat = std::fabs(p.latitude);
        const double lon = std::fabs(p.longitude);
        std::snprintf(text, sizeof text, "%c%02d%02d%04d%c%03d%02d%04d", p.latitude < 0 ? 'S' : 'N', int(lat),
                      int(lat * 60) % 60, int(std::fmod(lat * 360000.0, 6000.0)), p.longitude < 0 ? 'W' : 'E', int(lon),
                      int(lon * 60) % 60, int(std::fmod(lon * 360000.0, 6000.0)));
        out << text << ",     ,";
        out.padded(fieldElevation, 5);
        out << ",    ,  ,     ,     ;";
        out.endLine();
    }
    counts.bytes += out.bytes();
    ++counts.files;
    if (!out.close())
        counts.ok = false;
}

bool World::writeProcedures(const QString &folder)
{
    std::vector<int> airports;
    for (size_t a = 0; a < m_airports.size(); ++a) {
        if (m_airports[a].cifp)
            airports.push_back(int(a));
    }
    int threads = m_options.threads > 0 ? m_options.threads
                                        : std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
    threads = std::min(threads, std::max(1, int(airports.size())));
    std::vector<Counts> counts(static_cast<size_t>(threads));
    auto work = [&](int t) {
        for (size_t i = size_t(t); i < airports.size(); i += size_t(threads))
            writeProcedureFile(folder, airports[i], counts[size_t(t)]);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, t);
    work(0);
    for (std::thread &thread : pool)
        thread.join();
    bool ok = true;
    for (const Counts &c : counts) {
        m_summary.cifpFiles += c.files;
        m_summary.cifpLines += c.lines;
        m_summary.sids += c.sids;
        m_summary.stars += c.stars;
        m_summary.approaches += c.approaches;
        m_summary.bytes += c.bytes;
        ok = ok && c.ok;
    }
    return ok;
}

} // namespace

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
    for (const QString &folder : {QFileInfo(root.filePath(globalAptPath())).path(),
                                  QFileInfo(root.filePath(defaultAptPath())).path(), cifp,
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
