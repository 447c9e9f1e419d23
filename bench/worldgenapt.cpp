#include "worldgenparts.h"

#include <cctype>

// apt.dat: the airports with their runways, and each airport with its frequencies and ground
// layout in the file; seaplane bases and heliports among them.
namespace worldgen {

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
            code = {char('0' + rng.range(0, 9)), char('0' + rng.range(0, 9)), rng.letter(), char('0' + rng.range(0, 9)),
                    rng.letter()};
            break;
        }
        if (m_codes.insert(code).second)
            return code;
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

        const int runways = airport.size == Large    ? rng.range(2, 4)
                            : airport.size == Medium ? rng.range(1, 3)
                                                     : (rng.chance(0.2) ? 2 : 1);
        const double mainHeading = rng.uniform(0.0, 180.0);
        const bool paved = airport.size != Small || rng.chance(0.45);
        for (int r = 0; r < runways; ++r) {
            RunwayData runway;
            const bool parallel = r > 0 && (airport.size == Large ? rng.chance(0.6) : rng.chance(0.3));
            const double heading = parallel ? mainHeading : normalised(mainHeading + rng.uniform(50.0, 90.0) * r);
            runway.length = airport.size == Large    ? rng.uniform(2800, 4000)
                            : airport.size == Medium ? rng.uniform(1600, 3000)
                                                     : rng.uniform(450, 1500);
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
            const Position centre
                = offset(offset(airport.position, heading + 90.0, across), heading, rng.uniform(-300.0, 300.0));
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

// ---------------------------------------------------------------------------------------------
// apt.dat

namespace {

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
        return {m_centre.latitude + north / kMetresPerDegree,
                wrapLongitude(m_centre.longitude + east / m_metresPerLongitude)};
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
            coordinate(out,
                       frame.at(x - std::sin(angle) * radiusAlong * 0.2, y + std::cos(angle) * radiusAcross * 0.2));
        } else {
            node(out, last ? 113 : 111, frame.at(x, y));
        }
        out.endLine();
    }
}

} // namespace

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
    const int pavements = airport.size == Large    ? rng.range(6, 10)
                          : airport.size == Medium ? rng.range(2, 3)
                                                   : (rng.chance(0.5) ? 1 : 0);
    for (int p = 0; p < pavements; ++p) {
        out << "110 " << (rng.chance(0.8) ? '1' : '2') << " 0.25 ";
        out.fixed(rng.uniform(0.0, 360.0), 2);
        out << (p == 0 ? " Apron" : " Taxiway");
        out.endLine();
        const double along = rng.uniform(-halfLength, halfLength);
        const double across = rng.uniform(200.0, 500.0);
        const int nodes = airport.size == Large    ? rng.range(12, 28)
                          : airport.size == Medium ? rng.range(8, 16)
                                                   : rng.range(5, 10);
        ring(out, rng, frame, along, across, rng.uniform(60.0, 250.0), rng.uniform(30.0, 90.0), nodes);
        if (airport.size != Small && rng.chance(0.25))
            ring(out, rng, frame, along, across, 15.0, 8.0, rng.range(4, 8));
    }

    // Painted lines and light strings; a few carry no type and are dropped by the import.
    const int lines = airport.size == Large    ? rng.range(12, 24)
                      : airport.size == Medium ? rng.range(3, 6)
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
        const int nodes = airport.size == Large    ? rng.range(30, 60)
                          : airport.size == Medium ? rng.range(16, 28)
                                                   : rng.range(8, 14);
        ring(out, rng, frame, 0.0, 0.0, halfLength + 400.0, 900.0, nodes);
    }

    // Taxi network along the main runway: a parallel taxiway, exits and the runway itself.
    const int parallelNodes = airport.size == Large    ? rng.range(18, 40)
                              : airport.size == Medium ? rng.range(6, 12)
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
                        out << (rng.chance(0.1) ? " oneway" : " twoway")
                            << (airport.size == Large ? " taxiway_E " : " taxiway_C ") << taxiway;
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
    const int startups = airport.size == Large    ? rng.range(30, 70)
                         : airport.size == Medium ? rng.range(5, 12)
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

} // namespace worldgen
