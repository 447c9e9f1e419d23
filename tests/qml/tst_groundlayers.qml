import QtQuick
import QtPositioning
import QtTest
import "ground.js" as Ground

// The airport ground layers over rows of the test's own, around a centre at 50 N 8.5 E.
LayerHost {
    id: host

    readonly property var centre: QtPositioning.coordinate(50, 8.5)

    StrictTestCase {
        name: "GroundLayers"

        property var subject: null

        function makeLayer(name, rows) {
            subject = host.create(name, { model: testSupport.listModel(rows) });
            return subject;
        }

        function view(name) {
            const found = findChild(subject, name);
            verify(found, name);
            tryCompare(found, "count", subject.model.count);
            return found;
        }

        function threshold(end, row) {
            return view(end === 0 ? "threshold1" : "threshold2").itemAt(row || 0);
        }

        function prepare() {
            themeManager.index = 0;
            host.map.zoomLevel = 16;
            host.map.bearing = 0;
            host.map.center = host.centre;
        }

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
            themeManager.index = 0;
            host.map.bearing = 0;
        }

        // Asphalt and concrete runways carry their paint; grass and the like show the surface
        // only; an end without a name has no threshold.
        function test_runwayMarkings_data() {
            return [
                { tag: "asphalt", codes: ["09", "27"], properties: {}, edge: true, thresholds: [true, true] },
                { tag: "grass", codes: ["09", "27"], properties: { role_color: "grass", role_hasmarkings: false }, edge: false, thresholds: [false, false] },
                { tag: "unnamed second end", codes: ["09", ""], properties: {}, edge: true, thresholds: [true, false] }
            ];
        }

        function test_runwayMarkings(data) {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 45, data.codes, data.properties)]);
            compare(view("surface").itemAt(0).color, theme.color(data.properties.role_color || "asphalt"));
            const edge = view("edge").itemAt(0);
            compare(edge.border.color, data.edge ? Qt.color("#f5f5f5") : Qt.color("transparent"));
            fuzzyCompare(edge.border.width, 2 * host.map.pixelPerMeter, 1e-9);
            compare(view("centerline").itemAt(0).visible, data.edge);
            compare(view("centerline").itemAt(0).line.dashPattern, [10, 10]);
            compare(threshold(0).visible, data.thresholds[0]);
            compare(threshold(1).visible, data.thresholds[1]);
        }

        // Under the mouse an unmarked runway shows its outline in the paint colour, 3 pixels wide.
        function test_unmarkedHover() {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 45, ["09", "27"], { role_color: "grass", role_hasmarkings: false })]);
            const edge = view("edge").itemAt(0);
            waitForRendering(host);
            mouseMove(host, 5, 5);
            mouseMove(host, host.width / 2 + 50, host.height / 2);
            tryCompare(edge.border, "width", 3);
            compare(edge.border.color, Qt.color("#f5f5f5"));
        }

        // The threshold block is 0.8 runway widths across and one long, 10 m inside the end,
        // with seven bars of 1/15 its width; the designation block above it is one block width
        // high per line of the name.
        function test_threshold_data() {
            return [
                { tag: "09L", code: "09L", lines: 2 },
                { tag: "27", code: "27", lines: 1 }
            ];
        }

        function test_threshold(data) {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 50, [data.code, "27"])]);
            const ppm = host.map.pixelPerMeter;
            const item = threshold(0).sourceItem;
            compare(item.code, data.code.length > 2 ? "09\nL" : data.code);
            const marking = item.children[0];
            const designation = item.children[1];
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
            fuzzyCompare(bars[0].x + bars[0].width / 2, 40 / 14 * ppm, 1e-9);
            fuzzyCompare(bars[6].x + bars[6].width / 2, (40 / 14 + 40 * 6 / 7) * ppm, 1e-9);
            fuzzyCompare(designation.height, data.lines * 40 * ppm, 1e-9);
            fuzzyCompare(designation.y + designation.height, marking.y - 10 * ppm, 1e-9);
            compare(designation.color, theme.color("asphalt"));
        }

        // The thresholds turn with the map, so that their markings stay on the runway.
        function test_thresholdBearing() {
            makeLayer("Runway", [Ground.runway(host.centre, 80, 1000, 45, ["08", "26"])]);
            compare(threshold(0).sourceItem.rotation, 80);
            compare(threshold(1).sourceItem.rotation, 260);
            host.map.bearing = 30;
            compare(threshold(0).sourceItem.rotation, 50);
            compare(threshold(1).sourceItem.rotation, 230);
        }

        // A night theme darkens the paint and lights the centre line; by day there are no lights.
        function test_runwayNight() {
            makeLayer("Runway", [Ground.runway(host.centre, 90, 1000, 45, ["09", "27"])]);
            compare(findChild(subject, "centerlights").count, 0);
            themeManager.index = 1;
            const lights = view("centerlights");
            verify(lights.itemAt(0).visible);
            compare(lights.itemAt(0).line.color, Qt.color("yellow"));
            compare(lights.itemAt(0).line.dashPattern, [0.001, 6]);
            compare(lights.itemAt(0).line.capStyle, Qt.RoundCap);
            // #f5f5f5 darkened by 1.5: value 245 / 1.5 = 163.
            compare(String(view("edge").itemAt(0).border.color), "#a3a3a3");
            compare(threshold(0).sourceItem.painting, "#a3a3a3");
        }

        // Painted lines in their own colour, darker at night, light grey on a monochrome map;
        // light strings only at night.
        function test_paintlight_data() {
            return [
                { tag: "Light", theme: 0, color: "#e0b000", lights: 0 },
                // #e0b000 darkened by 2: value 224 / 2 = 112, the hue kept.
                { tag: "Dark (night)", theme: 1, color: "#705800", lights: 1 },
                { tag: "Satellite (mono)", theme: 6, color: "#cccccc", lights: 0 }
            ];
        }

        function test_paintlight(data) {
            themeManager.index = data.theme;
            makeLayer("Paintlight", [{
                        role_polyline: [Ground.offset(host.centre, 0, -100), Ground.offset(host.centre, 0, 100)],
                        role_hasline: true,
                        role_linecolor: "#e0b000",
                        role_linewidth: 0.3,
                        role_dashedline: true,
                        role_linepattern: [3, 2],
                        role_haslight: true,
                        role_lightcolor: "green"
                    }]);
            const line = view("lines").itemAt(0);
            compare(String(line.line.color), data.color);
            compare(line.line.strokeStyle, Qt.DashLine);
            compare(line.line.dashPattern, [3, 2]);
            fuzzyCompare(line.line.width, 0.3 * host.map.pixelPerMeter, 1e-9);
            compare(findChild(subject, "lights").count, data.lights);
        }

        // A boundary with an inner ring has a hole; taxiways stack by surface code.
        function test_boundaryAndTaxiways() {
            makeLayer("Boundary", [{
                        role_polyline: Ground.rectangle(host.centre, 0, 0, 0, 400, 400),
                        role_holes: [Ground.rectangle(host.centre, 0, 0, 0, 100, 100)]
                    }]);
            tryCompare(subject, "count", 1);
            compare(subject.itemAt(0).holes.length, 1);
            compare(subject.itemAt(0).color, theme.color("boundary.fill"));
            subject.destroy();
            makeLayer("Taxiway", [Ground.taxiway(Ground.rectangle(host.centre, 0, 0, 0, 100, 30), "concrete", 2),
                    Ground.taxiway(Ground.rectangle(host.centre, 0, 0, 90, 100, 30), "asphalt", 1)]);
            tryCompare(subject, "count", 2);
            compare(subject.itemAt(0).z, 200);
            compare(subject.itemAt(1).z, 100);
            compare(subject.itemAt(0).color, theme.color("concrete"));
            compare(subject.itemAt(1).color, theme.color("asphalt"));
            compare(subject.itemAt(0).holes.length, 0);
        }

        // A one-way sign has an arrow, a two-way one none.
        function test_taxinameArrow() {
            makeLayer("Taxiname", [Ground.taxiname(host.centre, "A", 0, 45), Ground.taxiname(Ground.offset(host.centre, 50, 0), "B", 1, 0)]);
            tryCompare(subject, "count", 2);
            const arrow = row => findChild(subject.itemAt(row).sourceItem, "arrow");
            verify(arrow(0).visible);
            compare(arrow(0).rotation, 45);
            verify(!arrow(1).visible);
        }

        // Below zoom 16 signs and start-up labels shrink with the map: a quarter at zoom 14.
        function test_labelZoom_data() {
            return [
                { tag: "Taxiname", name: "Taxiname", row: Ground.taxiname(host.centre, "A", 1, 0) },
                { tag: "Startup", name: "Startup", row: { role_position: host.centre, role_heading: 0, role_code: "A26", role_tooltip: "Gate A26" } }
            ];
        }

        function test_labelZoom(data) {
            makeLayer(data.name, [data.row]);
            tryCompare(subject, "count", 1);
            const box = subject.itemAt(0).sourceItem.children[0];
            const screenWidth = () => box.mapToItem(host, box.width, 0).x - box.mapToItem(host, 0, 0).x;
            const atSixteen = screenWidth();
            fuzzyCompare(atSixteen, box.width, 1e-6);
            host.map.zoomLevel = 14;
            waitForRendering(host);
            fuzzyCompare(screenWidth(), atSixteen / 4, 1e-6);
            host.map.zoomLevel = 17;
            waitForRendering(host);
            fuzzyCompare(screenWidth(), atSixteen, 1e-6);
        }

        // A start-up label turns to its heading and grows by a quarter under the mouse.
        function test_startup() {
            makeLayer("Startup", [{ role_position: host.centre, role_heading: 30, role_code: "A26", role_tooltip: "Gate A26" }]);
            tryCompare(subject, "count", 1);
            const item = subject.itemAt(0).sourceItem;
            compare(item.rotation, 30);
            const box = item.children[0];
            compare(box.color, theme.color("startup.fill"));
            const text = box.children[0];
            compare(text.font.pixelSize, 10);
            waitForRendering(host);
            mouseMove(host, 5, 5);
            mouseMove(host, host.width / 2, host.height / 2);
            // 12.5 pixels, as a whole pixel size.
            tryCompare(text.font, "pixelSize", 13);
        }
    }
}
