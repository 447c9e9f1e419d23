#include "worldgenparts.h"

// earth_fix.dat and user_fix.dat: the terminal fixes of the airports with procedures, the
// oceanic coordinate fixes and the enroute fixes.
namespace worldgen {

std::string World::enrouteIdent(Rng &rng, int region)
{
    for (;;) {
        std::string ident = fixName(rng);
        if (m_fixIdents.insert(identKey(region, ident)).second)
            return ident;
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
                    offset(end.threshold, back + (rng.chance(0.5) ? 40.0 : -40.0),
                           rng.uniform(12.0, 18.0) * kMetresPerNm),
                    RnavFix, int(r * 2 + size_t(e)), "C  ");
            }
        }
        for (int i = 0; i < 2; ++i)
            add(enrouteIdent(rng, airport.region),
                offset(airport.position, rng.uniform(0.0, 360.0), rng.uniform(8.0, 20.0) * kMetresPerNm), RnavFix, -1,
                "C  ");
        const int radial = rng.range(1, 360);
        add("D" + std::string(3 - std::to_string(radial).size(), '0') + std::to_string(radial)
                + char('D' + rng.range(0, 8)),
            offset(airport.position, radial, rng.uniform(4.0, 9.0) * kMetresPerNm), DmeFix, -1, "R  ");
        airport.terminalFixEnd = int(m_fixes.size());
    }
    m_summary.terminalFixes = int(m_fixes.size());
}

namespace {

int regionIndex(std::string_view code)
{
    for (int r = 0; r < kRegionCount; ++r) {
        if (code == kRegions[r].code)
            return r;
    }
    return 0;
}

} // namespace

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
            const int longitude = 130 + step * 10; // 130E eastward to 120W
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

// ---------------------------------------------------------------------------------------------
// earth_fix.dat, user_fix.dat

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
        out.field(fix.airport < 0 ? std::string_view("ENRT") : std::string_view(m_airports[size_t(fix.airport)].code),
                  4);
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

} // namespace worldgen
