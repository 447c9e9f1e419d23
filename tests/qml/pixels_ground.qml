import QtQuick
import QtPositioning
import QtTest
import "ground.js" as Ground

// An airport at zoom 16 drawn through OpenGL under Xvfb, checked where the Light theme's colours
// must be: runway 09/27 (1000 by 45 m) through the view centre at 50 N 8.5 E, a parallel taxiway
// 150 m north with its sign "A" and a connector with its one-way sign "A1". The picture stays.
LayerHost {
    id: host

    readonly property var centre: QtPositioning.coordinate(50, 8.5)
    property var layers: []

    StrictTestCase {
        property var image: null

        function near(pixel, expected, tolerance) {
            const c = Qt.color(expected);
            return Math.max(Math.abs(pixel.r - c.r), Math.abs(pixel.g - c.g), Math.abs(pixel.b - c.b)) * 255 <= tolerance;
        }

        // The pixel `north` and `east` metres from the centre.
        function at(north, east) {
            const p = host.map.fromCoordinate(Ground.offset(host.centre, north, east), false);
            return Qt.point(Math.round(p.x), Math.round(p.y));
        }

        // Painted pixels (the runway's #f5f5f5) between two corners, and the runs of them down
        // the first corner's column.
        function paint(from, to) {
            let count = 0;
            let runs = 0;
            let previous = false;
            for (let y = from.y; y <= to.y; ++y) {
                for (let x = from.x; x <= to.x; ++x) {
                    const painted = near(image.pixel(x, y), "#f5f5f5", 40);
                    count += painted ? 1 : 0;
                    if (x === from.x) {
                        runs += painted && !previous ? 1 : 0;
                        previous = painted;
                    }
                }
            }
            return { count: count, runs: runs };
        }

        function initTestCase() {
            host.map.zoomLevel = 16;
            host.map.center = host.centre;
            const taxiways = [[150, 0, 90, 800], [75, -300, 0, 150]].map(([north, east, heading, length]) => ({ role_color: "concrete",
                            role_polyline: Ground.rectangle(host.centre, north, east, heading, length, 23), role_surface: 2 }));
            host.layers = [host.create("Taxiway", { model: testSupport.listModel(taxiways) }),
                host.create("Runway", { model: testSupport.listModel([Ground.runway(host.centre, 90, 1000, 45, ["09", "27"])]) }),
                host.create("Taxiname", { model: testSupport.listModel([Ground.taxiname(Ground.offset(host.centre, 150, 150), "A", 1, 90),
                        Ground.taxiname(Ground.offset(host.centre, 75, -300), "A1", 0, 0)]) })];
            waitForRendering(host);
            wait(200);
            image = grabImage(host);
            image.save(testSupport.screenshotPath("airport-zoom16.png"));
        }

        function test_surfaces_data() {
            return [
                { tag: "runway between centre line and edge", north: 11, east: 250, key: "asphalt" },
                { tag: "taxiway", north: 150, east: -100, key: "concrete" },
                { tag: "connector", north: 40, east: -300, key: "concrete" },
                { tag: "sign A1 box", north: 75, east: -297, key: "taxiname.fill" },
                { tag: "beside the airport", north: 300, east: 0, key: "" }
            ];
        }

        function test_surfaces(data) {
            const p = at(data.north, data.east);
            const expected = data.key ? theme.color(data.key) : "white";
            verify(near(image.pixel(p.x, p.y), expected, 2), image.pixel(p.x, p.y) + " expected " + expected);
        }

        // Across the threshold of 09 (10 to 55 m inside the west end) seven painted bars; in the
        // designation block beyond (65 to 101 m) the painted figures on asphalt.
        function test_threshold() {
            compare(paint(at(17, -470), at(-17, -470)).runs, 7);
            const figures = paint(at(18, -435), at(-18, -399)).count;
            verify(figures >= 20 && figures < 200, figures + " painted pixels");
        }
    }
}
