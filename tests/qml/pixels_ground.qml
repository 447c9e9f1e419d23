import QtQuick
import QtPositioning
import QtTest
import "ground.js" as Ground

// An airport at zoom 16 drawn through OpenGL under Xvfb (runway 09/27, 1000 by 45 m, through the
// view centre at 50 N 8.5 E; a parallel taxiway 150 m north with its sign "A"), checked where
// the theme's colours must be. The picture stays in the screenshot folder.
LayerHost {
    id: host

    readonly property var centre: QtPositioning.coordinate(50, 8.5)
    property var layers: []

    StrictTestCase {
        name: "GroundPixels"

        property var image: null

        function near(pixel, expected, tolerance) {
            const c = Qt.color(expected);
            return Math.abs(pixel.r - c.r) * 255 <= tolerance && Math.abs(pixel.g - c.g) * 255 <= tolerance
                && Math.abs(pixel.b - c.b) * 255 <= tolerance;
        }

        // Screen position of a point `north` and `east` metres from the centre.
        function at(north, east) {
            return host.map.fromCoordinate(Ground.offset(host.centre, north, east), false);
        }

        function pixelAt(north, east) {
            const p = at(north, east);
            return image.pixel(Math.round(p.x), Math.round(p.y));
        }

        function initTestCase() {
            themeManager.index = 0;
            host.map.zoomLevel = 16;
            host.map.center = host.centre;
            const runway = Ground.runway(host.centre, 90, 1000, 45, ["09", "27"]);
            const taxiways = [Ground.taxiway(Ground.rectangle(host.centre, 150, 0, 90, 800, 23), "concrete", 2),
                Ground.taxiway(Ground.rectangle(host.centre, 75, -300, 0, 150, 23), "concrete", 2)];
            const names = [Ground.taxiname(Ground.offset(host.centre, 150, 150), "A", 1, 90),
                Ground.taxiname(Ground.offset(host.centre, 75, -300), "A1", 0, 0)];
            host.layers = [host.create("Taxiway", { model: testSupport.listModel(taxiways) }),
                host.create("Runway", { model: testSupport.listModel([runway]) }),
                host.create("Taxiname", { model: testSupport.listModel(names) })];
            waitForRendering(host);
            wait(200);
            image = grabImage(host);
            image.save(testSupport.screenshotPath("airport-zoom16.png"));
        }

        function test_surfaces_data() {
            return [
                { tag: "runway asphalt between centre line and edge", north: 11, east: 250, key: "asphalt" },
                { tag: "taxiway concrete", north: 150, east: -100, key: "concrete" },
                { tag: "connector concrete", north: 40, east: -300, key: "concrete" },
                { tag: "map outside", north: 300, east: 0, key: "" }
            ];
        }

        function test_surfaces(data) {
            const expected = data.key ? theme.color(data.key) : "white";
            const pixel = pixelAt(data.north, data.east);
            verify(near(pixel, expected, 2), pixel + " expected " + expected);
        }

        // Across the threshold of 09 (bars from 10 to 55 m inside the end, the end at 500 m west)
        // a column shows the seven bars in the runway's paint, on the asphalt block.
        function test_thresholdBars() {
            const top = at(17, -470);
            const bottom = at(-17, -470);
            let runs = 0;
            let inside = false;
            for (let y = Math.round(top.y); y <= Math.round(bottom.y); ++y) {
                const paint = near(image.pixel(Math.round(top.x), y), "#f5f5f5", 40);
                if (paint && !inside)
                    ++runs;
                inside = paint;
            }
            compare(runs, 7);
        }

        // The designation block (65 to 101 m inside the end) holds painted figures on asphalt.
        function test_designation() {
            const from = at(18, -435);
            const to = at(-18, -399);
            let paint = 0;
            let asphalt = 0;
            for (let x = Math.round(from.x); x <= Math.round(to.x); ++x) {
                for (let y = Math.round(from.y); y <= Math.round(to.y); ++y) {
                    const pixel = image.pixel(x, y);
                    if (near(pixel, "#f5f5f5", 40))
                        ++paint;
                    else if (near(pixel, theme.color("asphalt"), 2))
                        ++asphalt;
                }
            }
            verify(paint >= 20, "painted pixels: " + paint);
            verify(asphalt > paint, "asphalt pixels: " + asphalt);
        }

        // The centre line is painted in dashes along the axis in the middle of the runway.
        function test_centreLine() {
            let paint = 0;
            for (let east = -300; east <= 300; east += 2) {
                if (near(pixelAt(0, east), "#f5f5f5", 40))
                    ++paint;
            }
            // Dashes and gaps of 20 m each: about half of 301 samples.
            verify(paint > 100 && paint < 200, "painted samples: " + paint);
        }

        // The sign "A" shows its box in the sign fill and its name in the sign colour.
        function test_sign() {
            const sign = at(150, 150);
            let fill = 0;
            let text = 0;
            for (let dx = -8; dx <= 8; ++dx) {
                for (let dy = -8; dy <= 8; ++dy) {
                    const pixel = image.pixel(Math.round(sign.x) + dx, Math.round(sign.y) + dy);
                    if (near(pixel, theme.color("taxiname.fill"), 2))
                        ++fill;
                    else if (near(pixel, theme.color("taxiname"), 30))
                        ++text;
                }
            }
            verify(fill >= 20, "fill pixels: " + fill);
            verify(text >= 5, "text pixels: " + text);
        }
    }
}
