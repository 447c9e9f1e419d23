#include "worldgenparts.h"

// earth_awy.dat: airways as chains of the enroute fixes, VORs and NDBs, found through a grid.
namespace worldgen {

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
                const std::string &ident
                    = fix ? m_fixes[size_t(point.index)].ident : m_navaids[size_t(point.index)].ident;
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

} // namespace worldgen
