import QtQuick
import QtPositioning
import QtTest
import Corvel.Point as NavPoint
import Corvel.Segment as NavSegment

// The main window as a pilot sees it after importing the test simulator folder and planning
// XRTA - XRTC - XRTB, drawn through OpenGL under Xvfb. The picture is kept in screenshots/ and
// checked where the layers must draw: airports, jet airways and the route legs.
Item {
    id: root

    StrictTestCase {
        id: testCase

        property var window: null
        property var overlay: null

        function initTestCase() {
            for (const name of ["flightplan", "airplanes", "unit", "generator"])
                verify(testSupport.useNative(name));
            verify(testSupport.importTestSimulator());
            testSupport.clearStore();
            testSupport.storeValue("flightplan/autocompute", false);
        }

        function cleanupTestCase() {
            if (window)
                window.destroy();
        }

        // The position of a coordinate in the window.
        function place(latitude, longitude) {
            const point = overlay.fromCoordinate(QtPositioning.coordinate(latitude, longitude), false);
            return overlay.mapToItem(window.contentItem.parent, point.x, point.y);
        }

        // Whether a pixel within `radius` of the place shows the colour, alone or blended at
        // least half-way into the background (thin lines cover part of a pixel).
        function colourNear(image, at, colour, background, radius) {
            for (let dx = -radius; dx <= radius; ++dx) {
                for (let dy = -radius; dy <= radius; ++dy) {
                    const pixel = image.pixel(Math.round(at.x + dx), Math.round(at.y + dy));
                    const shares = [];
                    let consistent = true;
                    for (const channel of ["r", "g", "b"]) {
                        const span = colour[channel] - background[channel];
                        const offset = pixel[channel] - background[channel];
                        if (Math.abs(span) > 0.1)
                            shares.push(offset / span);
                        else if (Math.abs(offset) > Math.abs(span) + 0.06)
                            consistent = false;
                    }
                    if (consistent && shares.length > 0 && Math.min(...shares) >= 0.4 && Math.max(...shares) <= 1.05
                            && Math.max(...shares) - Math.min(...shares) < 0.15)
                        return true;
                }
            }
            return false;
        }

        function test_mapAfterImport() {
            // A database that loaded and matches the simulator's cycle: no dialog after the splash.
            database.stubEmpty = false;
            database.cycle = "2401";
            xploader.stubCycle = "2401";
            const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml");
            window = component.createObject(null);
            overlay = findChild(window.contentItem, "overlayMap");
            database.finished();
            database.loaded(true);
            tryVerify(() => !window.splash.visible);
            overlay.parent.center = QtPositioning.coordinate(-20.4, 63.0);
            overlay.parent.zoomLevel = 7;
            flightplan.clear(false);
            for (const uid of ["XRTA", "XRTC", "XRTB"])
                verify(flightplan.append(uid, false), uid);
            // The filter pass follows the moves by 100 ms.
            wait(400);
            waitForRendering(window.contentItem, 5000);
            const image = grabImage(window.contentItem.parent);
            image.save(testSupport.screenshotPath("mainwindow.png"));

            // The background map between the layers.
            const empty = place(-22.5, 61.0);
            const background = image.pixel(Math.round(empty.x), Math.round(empty.y));
            const airport = theme.color("point", NavPoint.Point.AIRP);
            const jet = theme.color("segment", NavSegment.Segment.HIGH);
            const route = theme.color("flightplan");
            // The airport symbols at the three airports.
            for (const [lat, lon, code] of [[-20, 60, "XRTA"], [-20, 66, "XRTB"], [-21.5, 63, "XRTC"]])
                verify(colourNear(image, place(lat, lon), airport, background, 6), code + " drawn in the airport colour");
            // The jet airway UL100 between COLTA and DUNOP, halfway.
            verify(colourNear(image, place(-20.0, 62.4), jet, background, 3), "UL100 in the jet airway colour");
            // The route legs, a third of the way along each.
            verify(colourNear(image, place(-20.5, 61.0), route, background, 3), "leg XRTA - XRTC in the route colour");
            verify(colourNear(image, place(-21.0, 64.0), route, background, 3), "leg XRTC - XRTB in the route colour");
            // Away from the route there is no route colour.
            verify(!colourNear(image, place(-22.0, 61.5), route, background, 3), "no route colour away from the route");
        }
    }
}
