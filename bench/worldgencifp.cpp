#include "worldgenparts.h"

#include <thread>

// The CIFP files: one per airport with procedures, its SIDs, STARs and approaches.
namespace worldgen {

namespace {

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
    int arcRadius = -1; // thousandths of a mile
    int theta = -1;     // tenths of a degree
    int rho = -1;       // tenths of a mile
    int course = -1;    // tenths of a degree
    int distance = -1;  // tenths of a mile or of a minute
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
        o << ',' << (leg.navaid ? leg.navaid->section : ' ') << ',' << (leg.navaid ? leg.navaid->subsection : ' ')
          << ',';
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

// The points an airport's procedures may name, and the figures every procedure of its file
// shares. The procedures point into the lists, so it stays where it is built.
struct ProcedurePoints
{
    ProcedurePoints() = default;
    ProcedurePoints(const ProcedurePoints &) = delete;
    ProcedurePoints &operator=(const ProcedurePoints &) = delete;

    const Ref *terminalFix(int role, int end) const
    {
        for (size_t t = 0; t < terminal.size(); ++t) {
            if (roles[t] == role && (end < 0 || endOf[t] == end))
                return &terminal[t];
        }
        return nullptr;
    }
    int roundedAltitude(int above) const { return ((fieldElevation + above) / 100) * 100; }

    const AirportData *airport = nullptr;
    const char *region = "";
    std::vector<Ref> runways;
    std::vector<const RunwayEnd *> ends;
    std::vector<Ref> terminal;
    std::vector<int> roles;
    std::vector<int> endOf;
    std::vector<const Ref *> rnav;
    Ref locator;
    std::vector<Ref> nearby;
    Ref vor;
    int transitionAltitude = 0;
    int fieldElevation = 0;
};

// SIDs: climbs from the runways to points around the airport, some by a common route, with
// enroute transitions onward.
void writeSids(Out &out, Rng &rng, const ProcedurePoints &points, Counts &counts)
{
    const AirportData &airport = *points.airport;
    const std::vector<Ref> &runways = points.runways;
    const std::vector<const RunwayEnd *> &ends = points.ends;
    const std::vector<const Ref *> &rnav = points.rnav;
    const std::vector<Ref> &nearby = points.nearby;
    const int sids = nearby.empty()           ? 0
                     : airport.size == Large  ? rng.range(4, 9)
                     : airport.size == Medium ? rng.range(1, 4)
                                              : rng.range(0, 1);
    const Ref *dmeFix = points.terminalFix(DmeFix, -1);
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
            leg.altitude1 = points.roundedAltitude(rng.range(4, 20) * 100);
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
            leg.altitude1 = rng.chance(0.5) ? 10000 : points.roundedAltitude(6000);
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
}

// STARs: from points around the airport to an approach fix, with enroute and runway
// transitions.
void writeStars(Out &out, Rng &rng, const ProcedurePoints &points, Counts &counts)
{
    const AirportData &airport = *points.airport;
    const std::vector<Ref> &runways = points.runways;
    const std::vector<const RunwayEnd *> &ends = points.ends;
    const std::vector<Ref> &terminal = points.terminal;
    const std::vector<int> &roles = points.roles;
    const std::vector<const Ref *> &rnav = points.rnav;
    const std::vector<Ref> &nearby = points.nearby;
    const int stars = nearby.empty()           ? 0
                      : airport.size == Large  ? rng.range(3, 8)
                      : airport.size == Medium ? rng.range(1, 3)
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
        leg.altitude2 = points.roundedAltitude(5000);
        leg.speed = 250;
        leg.transitionAltitude = points.transitionAltitude;
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
            leg.altitude1 = points.roundedAltitude(4000);
            writer.write(leg);
        }
        for (size_t e = 0; e < ends.size(); ++e) {
            if (!rng.chance(0.6))
                continue;
            const Ref *intermediate = points.terminalFix(IntermediateFix, -1);
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
                runwayLeg.altitude1 = points.roundedAltitude(3000);
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
}

// An approach's route type and the navaid its final approach leg is flown on.
struct ApproachKind
{
    char routeType;
    const Ref *navaid;
};

// The fixes of the approaches to one runway end; the initial approach fix may be missing.
struct ApproachFixes
{
    const Ref *iaf = nullptr;
    const Ref *intermediate = nullptr;
    const Ref *faf = nullptr;
};

// One approach to runway end e: transitions from the initial approach fixes, the final
// approach and the missed approach with its hold.
void writeApproach(Out &out, Rng &rng, const ProcedurePoints &points, size_t e, const ApproachKind &kind,
                   const ApproachFixes &fixes, Counts &counts)
{
    const RunwayEnd &end = *points.ends[e];
    const Ref *const iaf = fixes.iaf;
    const Ref *const intermediate = fixes.intermediate;
    const Ref *const faf = fixes.faf;
    const std::vector<Ref> &nearby = points.nearby;
    const Ref &vor = points.vor;
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
        leg.altitude1 = points.roundedAltitude(5000);
        writer.write(leg);
        leg = Leg();
        leg.routeType = 'A';
        leg.transition = start->ident;
        leg.fix = intermediate;
        leg.description = "E   ";
        leg.altitudeDescription = '+';
        leg.altitude1 = points.roundedAltitude(3000);
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
    leg.altitude1 = points.roundedAltitude(3000);
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
    leg.altitude1 = points.roundedAltitude(2000);
    leg.altitude2 = kind.routeType == 'I' ? points.roundedAltitude(1900) : -1;
    writer.write(leg);
    leg = Leg();
    leg.routeType = kind.routeType;
    leg.fix = &points.runways[e];
    leg.description = "GY M";
    leg.pathTerminator = "TF";
    leg.altitudeDescription = ' ';
    leg.altitude1 = points.fieldElevation + 50;
    writer.write(leg);
    leg = Leg();
    leg.routeType = kind.routeType;
    leg.description = "  M ";
    leg.pathTerminator = "CA";
    leg.course = int(std::lround(end.heading * 10.0)) % 3600;
    leg.altitudeDescription = '+';
    leg.altitude1 = points.roundedAltitude(1500);
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
    leg.altitude1 = points.roundedAltitude(4000);
    writer.write(leg);
    counts.lines += writer.legs();
    ++counts.approaches;
}

// Approaches, per runway end with a final and an intermediate fix: precision ones where the end
// has a localizer, RNAV, VOR and locator ones as the dice fall.
void writeApproaches(Out &out, Rng &rng, const ProcedurePoints &points, Counts &counts)
{
    const AirportData &airport = *points.airport;
    const std::vector<const RunwayEnd *> &ends = points.ends;
    const std::vector<Ref> &terminal = points.terminal;
    const std::vector<int> &roles = points.roles;
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
        Ref localizer{end.localizer, points.region, 'P', 'I', end.threshold};
        std::vector<ApproachKind> kinds;
        if (end.aid == Ils)
            kinds.push_back({'I', &localizer});
        if (end.aid == LocalizerOnly)
            kinds.push_back({'L', &localizer});
        if (rng.chance(0.75) || kinds.empty())
            kinds.push_back({'R', nullptr});
        if (!points.vor.ident.empty() && rng.chance(0.25))
            kinds.push_back({'D', &points.vor});
        if (airport.locator >= 0 && &end == ends.front() && rng.chance(0.7))
            kinds.push_back({'N', &points.locator});
        for (const ApproachKind &kind : kinds)
            writeApproach(out, rng, points, e, kind, {iaf, intermediate, faf}, counts);
    }
}

// Runway records, which the import skips.
void writeRunwayRecords(Out &out, const ProcedurePoints &points)
{
    const std::vector<Ref> &runways = points.runways;
    const std::vector<const RunwayEnd *> &ends = points.ends;
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
        out.padded(points.fieldElevation, 5);
        out << ",    ,  ,     ,     ;";
        out.endLine();
    }
}

} // namespace

void World::writeProcedureFile(const QString &folder, int index, Counts &counts)
{
    const AirportData &airport = m_airports[size_t(index)];
    Rng rng(m_options.seed, StreamProcedures, quint64(index));
    ProcedurePoints points;
    points.airport = &airport;
    points.region = kRegions[airport.region].code;
    const char *region = points.region;

    // Points the procedures may name: runway thresholds, the airport's terminal fixes, its
    // locator and the enroute points around it, those on airways first.
    std::vector<Ref> &runways = points.runways;
    std::vector<const RunwayEnd *> &ends = points.ends;
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
    std::vector<Ref> &terminal = points.terminal;
    for (int f = airport.terminalFixBegin; f < airport.terminalFixEnd; ++f) {
        const FixData &fix = m_fixes[size_t(f)];
        terminal.push_back({fix.ident, region, 'P', 'C', fix.position});
        points.roles.push_back(fix.role);
        points.endOf.push_back(fix.end);
    }
    for (size_t t = 0; t < terminal.size(); ++t) {
        if (points.roles[t] == RnavFix)
            points.rnav.push_back(&terminal[t]);
    }
    if (airport.locator >= 0) {
        const NavaidData &ndb = m_navaids[size_t(airport.locator)];
        points.locator = {ndb.ident, region, 'P', 'N', ndb.position};
    }

    std::vector<Ref> &nearby = points.nearby;
    std::vector<Ref> nearbyOffAirway;
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
                points.vor = ref;
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
    points.transitionAltitude = rng.chance(0.7) ? 18000 : 5000;
    points.fieldElevation = airport.elevation;

    writeSids(out, rng, points, counts);
    writeStars(out, rng, points, counts);
    writeApproaches(out, rng, points, counts);
    writeRunwayRecords(out, points);
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
    int threads
        = m_options.threads > 0 ? m_options.threads : std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
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

} // namespace worldgen
