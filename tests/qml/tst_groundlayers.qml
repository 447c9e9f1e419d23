import QtQuick
import QtPositioning
import QtTest
import "ground.js" as Ground

// The airport ground layers over rows of the test's own around 50 N 8.5 E, the map at zoom 16.
LayerHost {
    id: host

    readonly property var centre: QtPositioning.coordinate(50, 8.5)

    StrictTestCase {
        property var subject: null

        function makeLayer(name, rows) {
            subject = host.create(name, { model: testSupport.listModel(rows) });
        }

        function item(view, row) {
            const found = view ? findChild(subject, view) : subject;
            tryVerify(() => found.count > (row || 0));
            return found.itemAt(row || 0);
        }

        function prepare() {
            host.map.zoomLevel = 16;
            host.map.center = host.centre;
        }

        function cleanup() {
            subject.destroy();
            themeManager.index = 0;
            host.map.bearing = 0;
        }

        // Asphalt and concrete carry their paint, grass shows its surface only, an end without a
        // name has no threshold; an unmarked runway outlines itself in the paint under the mouse.
        function test_runwayMarkings_data() {
            return [
                { tag: "asphalt", codes: ["09", "27"], roles: {}, paint: true, thresholds: [true, true] },
                { tag: "grass", codes: ["09", "27"], roles: { role_color: "grass", role_hasmarkings: false }, paint: false, thresholds: [false, false] },
                { tag: "unnamed end", codes: ["09", ""], roles: {}, paint: true, thresholds: [true, false] }
            ];
        }

        function test_runwayMarkings(data) {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 45, data.codes, data.roles)]);
            compare(item("surface").color, theme.color(data.roles.role_color || "asphalt"));
            const edge = item("edge");
            compare(edge.border.color, Qt.color(data.paint ? "#f5f5f5" : "transparent"));
            fuzzyCompare(edge.border.width, 2 * host.map.pixelPerMeter, 1e-9);
            compare(item("centerline").visible, data.paint);
            compare([item("threshold1").visible, item("threshold2").visible], data.thresholds);
            waitForRendering(host);
            mouseMove(host, 5, 5);
            mouseMove(host, 450, 300);
            tryCompare(edge.border, "width", 3);
            compare(edge.border.color, Qt.color("#f5f5f5"));
        }

        // A 50 m runway: block 40 m across, 50 m long, 10 m inside the end, seven bars of 40/15 m
        // in the middle of each seventh; the name block one block width high per line, 10 m on.
        function test_threshold_data() {
            return [{ tag: "09L", code: "09L", lines: 2 }, { tag: "27", code: "27", lines: 1 }];
        }

        function test_threshold(data) {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 50, [data.code, "09"])]);
            const ppm = host.map.pixelPerMeter;
            const threshold = item("threshold1").sourceItem;
            const [marking, designation] = [threshold.children[0], threshold.children[1]];
            compare(threshold.code, data.lines === 2 ? "09\nL" : data.code);
            fuzzyCompare(marking.width, 40 * ppm, 1e-9);
            fuzzyCompare(marking.height, 50 * ppm, 1e-9);
            fuzzyCompare(marking.y + marking.height, -10 * ppm, 1e-9);
            const bars = [];
            for (let i = 0; i < marking.children.length; ++i) {
                if (marking.children[i].height === marking.height)
                    bars.push(marking.children[i]);
            }
            compare(bars.length, 7);
            fuzzyCompare(bars[0].width, 40 / 15 * ppm, 1e-9);
            fuzzyCompare(bars[6].x + bars[6].width / 2, (40 / 14 + 40 * 6 / 7) * ppm, 1e-9);
            fuzzyCompare(designation.height, data.lines * 40 * ppm, 1e-9);
            fuzzyCompare(designation.y + designation.height, marking.y - 10 * ppm, 1e-9);
            // The thresholds turn with the map, so that their markings stay on the runway.
            compare([threshold.rotation, item("threshold2").sourceItem.rotation], [90, 270]);
            host.map.bearing = 30;
            compare([threshold.rotation, item("threshold2").sourceItem.rotation], [60, 240]);
        }

        // Night: paint darkened by 1.5 (245 / 1.5 = 163), yellow centre lights in round dots;
        // by day no lights at all.
        function test_runwayNight() {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 45, ["09", "27"])]);
            compare(findChild(subject, "centerlights").count, 0);
            themeManager.index = 1;
            const lights = item("centerlights");
            compare([lights.visible, lights.line.dashPattern], [true, [0.001, 6]]);
            compare(String(item("edge").border.color), "#a3a3a3");
            compare(item("threshold1").sourceItem.painting, "#a3a3a3");
        }

        // Painted lines in their colour, halved in value at night with light strings, "#CCC" on
        // the monochrome map.
        function test_paintlight_data() {
            return [
                { tag: "Light", theme: 0, color: "#e0b000", lights: 0 },
                { tag: "Dark, night", theme: 1, color: "#705800", lights: 1 },
                { tag: "Satellite, mono", theme: 6, color: "#cccccc", lights: 0 }
            ];
        }

        function test_paintlight(data) {
            themeManager.index = data.theme;
            makeLayer("Paintlight", [{ role_polyline: [Ground.offset(host.centre, 0, -100), Ground.offset(host.centre, 0, 100)],
                        role_hasline: true, role_linecolor: "#e0b000", role_linewidth: 0.3, role_dashedline: true, role_linepattern: [3, 2],
                        role_haslight: true, role_lightcolor: "green" }]);
            const line = item("lines");
            compare([String(line.line.color), line.line.strokeStyle, line.line.dashPattern], [data.color, Qt.DashLine, [3, 2]]);
            fuzzyCompare(line.line.width, 0.3 * host.map.pixelPerMeter, 1e-9);
            compare(findChild(subject, "lights").count, data.lights);
        }

        // A boundary's inner ring is a hole; taxiways stack by surface code.
        function test_areas() {
            makeLayer("Boundary", [{ role_polyline: Ground.rectangle(host.centre, 0, 0, 0, 400, 400),
                        role_holes: [Ground.rectangle(host.centre, 0, 0, 0, 100, 100)] }]);
            compare([item().holes.length, item().color], [1, theme.color("boundary.fill")]);
            subject.destroy();
            makeLayer("Taxiway", [{ role_polyline: Ground.rectangle(host.centre, 0, 0, 0, 100, 30), role_color: "concrete", role_surface: 2 },
                    { role_polyline: Ground.rectangle(host.centre, 0, 0, 90, 100, 30), role_color: "asphalt", role_surface: 1 }]);
            compare([item(null, 0).z, item(null, 1).z, item(null, 0).holes.length], [200, 100, 0]);
            compare(item(null, 0).color, theme.color("concrete"));
        }

        // A one-way sign has an arrow along its heading, a two-way one none; signs and start-up
        // labels shrink with the map below zoom 16 (a quarter at 14) and keep their size above.
        function test_signs() {
            makeLayer("Taxiname", [Ground.taxiname(host.centre, "A", 0, 45), Ground.taxiname(host.centre, "B", 1, 0)]);
            const arrow = row => findChild(item(null, row).sourceItem, "arrow");
            compare([arrow(0).visible, arrow(0).rotation, arrow(1).visible], [true, 45, false]);
            const box = item(null, 1).sourceItem.children[0];
            const onScreen = () => box.mapToItem(host, box.width, 0).x - box.mapToItem(host, 0, 0).x;
            fuzzyCompare(onScreen(), box.width, 1e-6);
            host.map.zoomLevel = 14;
            fuzzyCompare(onScreen(), box.width / 4, 1e-6);
            host.map.zoomLevel = 17;
            fuzzyCompare(onScreen(), box.width, 1e-6);
        }

        // A start-up label turns to its heading and grows by a quarter (12.5 px) under the mouse.
        function test_startup() {
            makeLayer("Startup", [{ role_position: host.centre, role_heading: 30, role_code: "A26", role_tooltip: "Gate A26" }]);
            const label = item().sourceItem;
            compare([label.rotation, label.children[0].color], [30, theme.color("startup.fill")]);
            compare(label.children[0].children[0].font.pixelSize, 10);
            waitForRendering(host);
            mouseMove(host, 5, 5);
            mouseMove(host, 400, 300);
            tryCompare(label.children[0].children[0].font, "pixelSize", 13);
        }
    }
}
