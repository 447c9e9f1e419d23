#include "worldgenparts.h"

// earth_nav.dat: the landing aids of the runway ends, the VORs, DMEs and NDBs.
namespace worldgen {

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
                localizer.name
                    = end.name + (end.aid == Ils ? (rng.chance(0.7) ? " ILS-cat-I" : " ILS-cat-III") : " LOC");
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
                        marker.position
                            = offset(end.threshold, end.heading + 180.0, (m == 0 ? 4.5 : 0.5) * kMetresPerNm);
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
    std::stable_sort(landing.begin(), landing.end(),
                     [](const NavaidData &x, const NavaidData &y) { return x.code < y.code; });
    all.insert(all.end(), landing.begin(), landing.end());
    all.insert(all.end(), dmes.begin(), dmes.end());
    // The locators lead the beacons, so their indexes stay valid.
    m_navaids = std::move(all);

    for (const NavaidData &navaid : m_navaids) {
        // clang-format off
        switch (navaid.code) {
        case 2: ++m_summary.ndbs; break;
        case 3: ++m_summary.vors; break;
        case 13: ++m_summary.dmes; break;
        case 4: ++m_summary.localizers; break;
        default: ++m_summary.otherNavaids; break;
        }
        // clang-format on
    }
}

// ---------------------------------------------------------------------------------------------
// earth_nav.dat

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
        out.field(navaid.airport < 0 ? std::string_view("ENRT")
                                     : std::string_view(m_airports[size_t(navaid.airport)].code),
                  4);
        out << ' ' << kRegions[navaid.region].code << ' ' << navaid.name;
        out.endLine();
    }
    out.endDataFile();
    m_summary.bytes += out.bytes();
    return out.close();
}

} // namespace worldgen
