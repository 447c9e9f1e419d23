#!/usr/bin/env python3
"""Builds a simulator folder from Debian's flightgear-data-base, for measuring on real data.

The package carries the 2013 cycle of the simulator's own files in their older formats (apt.dat
1000, nav.dat 810, fix.dat 600, awy.dat 640). The readers take the 11xx formats, which add a
region code to every point and name an airway's ends by code, region and kind instead of by
position. The region is not in the old files: each point takes the first two letters of the
nearest airport with a four-letter code, and an airway's end takes the point of its code nearest
to the position the old file gives.

Nor does the old fix file type its fixes, and only a fix typed as an en-route intersection is a
point of the direct-leg network. A fix takes the ARINC 424 columns a real cycle gives it: a named
intersection where an airway passes it, an off-route intersection where it has a five-letter
name or lies away from every airport, and a fix of an approach where it lies off the airways with
a code of digits or a short one ("CF24", "D090J", "AB") within TERMINAL_NM of an airport with a
four-letter code.

    apt-get download flightgear-data-base
    dpkg-deb --fsys-tarfile flightgear-data-base_*.deb | tar -x --wildcards \
        './usr/share/games/flightgear/Airports/apt.dat.gz' './usr/share/games/flightgear/Navaids/*.dat.gz'
    bench/fgworld.py usr/share/games/flightgear /tmp/realworld
    build/bench/bench_router /tmp/realworld EGLL KJFK

Nothing of the package is kept in the tree: the folder it writes is for the benchmarks only.
"""
import gzip
import math
import os
import sys
from collections import defaultdict

HEADER = "I\n{v} Version - converted from flightgear-data-base for measurements.\n\n"

TERMINAL_NM = 20.0
# The waypoint-type columns 1 to 3 as the file's integer: one character a byte, the first lowest.
NAMED_INTERSECTION = ord("R") | ord(" ") << 8 | ord(" ") << 16
OFF_ROUTE_INTERSECTION = ord("R") | ord("F") << 8 | ord(" ") << 16
APPROACH_FIX = ord("W") | ord(" ") << 8 | ord("F") << 16


def read_lines(path):
    with gzip.open(path, "rt", encoding="latin-1") as f:
        for i, line in enumerate(f):
            if i < 2:
                continue
            yield line.rstrip("\n\r")


class Regions:
    """Nearest four-letter airport on a one-degree grid."""

    def __init__(self, airports):
        self.cells = defaultdict(list)
        for code, lat, lon in airports:
            self.cells[(int(math.floor(lat)), int(math.floor(lon)))].append((lat, lon, code[:2]))

    def of(self, lat, lon):
        return self.nearest(lat, lon)[1]

    def ring(self, lat, lon, radius):
        """(squared degrees, region) of the nearest airport in the ring of cells, or None."""
        cy, cx = int(math.floor(lat)), int(math.floor(lon))
        best = None
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                if max(abs(dy), abs(dx)) != radius:
                    continue
                for alat, alon, region in self.cells.get((cy + dy, (cx + dx + 180) % 360 - 180), ()):
                    d = (alat - lat) ** 2 + ((alon - lon) * math.cos(math.radians(lat))) ** 2
                    if best is None or d < best[0]:
                        best = (d, region)
        return best

    def nearest(self, lat, lon):
        """(NM to the nearest airport, region), or (inf, "ZZ"). The region is that of the
        nearest airport in the first ring of cells that holds one; the distance looks one ring
        further, where a nearer airport may lie."""
        for radius in range(0, 40):
            best = self.ring(lat, lon, radius)
            if best is not None:
                further = self.ring(lat, lon, radius + 1)
                d = min(best[0], further[0]) if further else best[0]
                return math.sqrt(d) * 60.0, best[1]
        return math.inf, "ZZ"


def convert(src, dst):
    data = os.path.join(dst, "Resources", "default data")
    apt_dir = os.path.join(dst, "Global Scenery", "Global Airports", "Earth nav data")
    os.makedirs(data, exist_ok=True)
    os.makedirs(apt_dir, exist_ok=True)

    airports = []
    with open(os.path.join(apt_dir, "apt.dat"), "w", encoding="latin-1") as out:
        out.write(HEADER.format(v=1100))
        code, rwy_pos = None, []

        def flush():
            if code and len(code) == 4 and code.isalpha() and code.isupper() and rwy_pos:
                airports.append((code, rwy_pos[0][0], rwy_pos[0][1]))

        for line in read_lines(os.path.join(src, "Airports", "apt.dat.gz")):
            fields = line.split()
            if fields and fields[0] in ("1", "16", "17"):
                flush()
                code, rwy_pos = fields[4] if len(fields) > 4 else None, []
            elif fields and fields[0] == "100" and len(fields) > 10:
                rwy_pos.append((float(fields[9]), float(fields[10])))
            if fields and fields[0] == "99":
                break
            out.write(line + "\n")
        flush()
        out.write("99\n")
    regions = Regions(airports)

    points = defaultdict(list)  # code -> [(lat, lon, region, kind)]
    with open(os.path.join(data, "earth_nav.dat"), "w", encoding="latin-1") as out:
        out.write(HEADER.format(v=1150))
        for line in read_lines(os.path.join(src, "Navaids", "nav.dat.gz")):
            f = line.split()
            if len(f) < 9 or f[0] == "99":
                continue
            kind = int(f[0])
            lat, lon = float(f[1]), float(f[2])
            region = regions.of(lat, lon)
            if kind in (2, 3, 12, 13):
                name = f[8:]
                terminal = "ENRT"
                if name and name[-1] in ("DME-ILS",) and len(name) >= 2:
                    terminal = name[0]
                out.write(" ".join(f[:8] + [terminal, region] + name) + "\n")
                if kind in (2, 3):
                    points[f[7]].append((lat, lon, region, kind))
            elif 4 <= kind <= 9 and len(f) >= 11:
                out.write(" ".join(f[:9] + [region] + f[9:]) + "\n")
        out.write("99\n")

    airway_ends = defaultdict(list)  # code -> [(lat, lon)]
    for line in read_lines(os.path.join(src, "Navaids", "awy.dat.gz")):
        f = line.split()
        if len(f) >= 10 and f[0] != "99":
            airway_ends[f[0]].append((float(f[1]), float(f[2])))
            airway_ends[f[3]].append((float(f[4]), float(f[5])))

    def on_airway(code, lat, lon):
        return any(abs(alat - lat) <= 0.05 and abs(alon - lon) <= 0.05 for alat, alon in airway_ends.get(code, ()))

    def is_name(code):
        return len(code) == 5 and code.isalpha()

    typed = defaultdict(int)
    with open(os.path.join(data, "earth_fix.dat"), "w", encoding="latin-1") as out:
        out.write(HEADER.format(v=1101))
        for line in read_lines(os.path.join(src, "Navaids", "fix.dat.gz")):
            f = line.split()
            if len(f) < 3 or f[0] == "99":
                continue
            lat, lon = float(f[0]), float(f[1])
            distance, region = regions.nearest(lat, lon)
            if on_airway(f[2], lat, lon):
                waypoint_type = NAMED_INTERSECTION
            elif is_name(f[2]) or distance > TERMINAL_NM:
                waypoint_type = OFF_ROUTE_INTERSECTION
            else:
                waypoint_type = APPROACH_FIX
            typed[waypoint_type] += 1
            out.write(f"{lat:.6f} {lon:.6f} {f[2]} ENRT {region} {waypoint_type}\n")
            points[f[2]].append((lat, lon, region, 11))

        added = []

        def end_of(code, lat, lon):
            best = None
            for plat, plon, region, kind in points.get(code, ()):
                d = (plat - lat) ** 2 + ((plon - lon) * math.cos(math.radians(lat))) ** 2
                if best is None or d < best[0]:
                    best = (d, region, kind)
            if best is None or best[0] > 0.05 ** 2:
                region = regions.of(lat, lon)
                points[code].append((lat, lon, region, 11))
                added.append(f"{lat:.6f} {lon:.6f} {code} ENRT {region} {NAMED_INTERSECTION}\n")
                typed[NAMED_INTERSECTION] += 1
                return region, 11
            return best[1], best[2]

        with open(os.path.join(data, "earth_awy.dat"), "w", encoding="latin-1") as awy:
            awy.write(HEADER.format(v=1100))
            for line in read_lines(os.path.join(src, "Navaids", "awy.dat.gz")):
                f = line.split()
                if len(f) < 10 or f[0] == "99":
                    continue
                r1, k1 = end_of(f[0], float(f[1]), float(f[2]))
                r2, k2 = end_of(f[3], float(f[4]), float(f[5]))
                awy.write(f"{f[0]} {r1} {k1} {f[3]} {r2} {k2} N {f[6]} {int(f[7])} {int(f[8])} {f[9]}\n")
            awy.write("99\n")
        out.writelines(added)
        out.write("99\n")
    print(f"{len(airports)} airports with a four-letter code; {sum(map(len, points.values()))} fixes, VORs and NDBs")
    print(f"fixes: {typed[NAMED_INTERSECTION]} on airways, {typed[OFF_ROUTE_INTERSECTION]} off them"
          f" (both en-route), {typed[APPROACH_FIX]} of approaches")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    convert(sys.argv[1], sys.argv[2])
