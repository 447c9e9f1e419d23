import QtQuick
import QtPositioning
import QtTest
import Corvel.BaseItem

StubWindow {
    id: window

    StrictTestCase {
        id: testCase

        property var host: null
        property var map: null
        property var overlay: null
        // The whole world once across the host's map, 1000 px wide.
        readonly property real mapBottom: Math.log2(1000 / 256)
        readonly property var models: [boundaryMapModel, pointMapModel, runwayMapModel, segmentMapModel,
            taxiwayMapModel, paintlightMapModel, taxinameMapModel, startupMapModel]

        function prepare() {
            ga.stubReset();
            database.stubReset();
            flightplan.stubReset();
            ism.stubCalls = [];
            ism.stubRoles = {};
            ism.currentTableRow = -1;
            ism.selectedFrom = "";
            for (const model of models)
                model.stubReset();
            host = window.create(Qt.resolvedUrl("NavigationHost.qml"));
            map = host.map;
            overlay = findChild(map, "overlayMap");
            database.loaded(true);
            waitForRendering(map);
        }

        function cleanup() {
            host.destroy();
            host = null;
        }

        // Waits out the filter pass that a change of the test's own set-up started.
        function settle() {
            wait(150);
            for (const model of models)
                model.stubReset();
        }

        function near(actual, expected, tolerance, what) {
            verify(Math.abs(actual - expected) <= tolerance, what + ": " + actual + " instead of " + expected);
        }

        function test_startsHiddenAndShowsOnFirstLoad() {
            host.destroy();
            ga.stubReset();
            host = window.create(Qt.resolvedUrl("NavigationHost.qml"));
            map = host.map;
            overlay = findChild(map, "overlayMap");
            verify(!map.dbloaded);
            verify(!overlay.visible);
            compare(ga.stubEvents.length, 1);
            compare(ga.stubEvents[0].name, "changemaptheme");
            compare(ga.stubEvents[0].parameters.maptheme, "Light");
            // A failed load shows the map all the same.
            database.loaded(false);
            verify(map.dbloaded);
            verify(overlay.visible);
        }

        function test_wheel_data() {
            return [
                { tag: "one notch in at 10", zoom: 10, delta: 120, expected: 10.6 },
                { tag: "one notch in at 5", zoom: 5, delta: 120, expected: 5.3 },
                { tag: "clamped at the top", zoom: 17.5, delta: 120, expected: 18 },
                { tag: "clamped at the bottom", zoom: 2, delta: -120, expected: mapBottom },
                { tag: "one notch out at 10", zoom: 10, delta: -120, expected: 9.4 }
            ];
        }

        function test_wheel(data) {
            map.zoomLevel = data.zoom;
            settle();
            const point = Qt.point(700, 200);
            const under = map.toCoordinate(point);
            mouseWheel(map, point.x, point.y, 0, data.delta);
            near(map.zoomLevel, data.expected, 1e-9, "zoom");
            // The place under the cursor stays under it.
            const after = map.toCoordinate(point);
            near(after.latitude, under.latitude, 1e-6, "latitude");
            near(after.longitude, under.longitude, 1e-6, "longitude");
        }

        function test_keysAndButtons_data() {
            return [
                { tag: "key in rounds", zoom: 11.4, action: "keyIn", expected: 12 },
                { tag: "key out rounds", zoom: 11.4, action: "keyOut", expected: 10 },
                { tag: "button in adds one", zoom: 11.4, action: "zoomIn", expected: 12.4 },
                { tag: "button out takes one", zoom: 11.4, action: "zoomOut", expected: 10.4 },
                { tag: "key in at the top", zoom: 18, action: "keyIn", expected: 18 },
                { tag: "key out at the bottom", zoom: mapBottom, action: "keyOut", expected: mapBottom },
                { tag: "button in at the top", zoom: 18, action: "zoomIn", expected: 18, disabled: true },
                { tag: "button out at the bottom", zoom: mapBottom, action: "zoomOut", expected: mapBottom, disabled: true },
                { tag: "button in below the top", zoom: 17.5, action: "zoomIn", expected: 18 }
            ];
        }

        function test_keysAndButtons(data) {
            map.zoomLevel = data.zoom;
            if (data.action === "keyIn") {
                keyClick(Qt.Key_Plus, Qt.ControlModifier);
            } else if (data.action === "keyOut") {
                keyClick(Qt.Key_Minus, Qt.ControlModifier);
            } else {
                const button = findChild(map, data.action);
                compare(button.enabled, !data.disabled);
                flightplan.stubCalls = [];
                mouseClick(button);
                if (data.disabled)
                    mouseDoubleClickSequence(button);
                compare(flightplan.stubCalls, [], "no waypoint added under the button");
            }
            near(map.zoomLevel, data.expected, 1e-9, "zoom");
        }

        // Changes in quick succession give one filter pass, in the fixed order, soon after them.
        function test_oneFilterPassPerBurst() {
            settle();
            const log = [];
            for (const model of models)
                model.stubLog = log;
            map.center = QtPositioning.coordinate(50, 8);
            map.zoomLevel = 9;
            map.center = QtPositioning.coordinate(50.5, 8.5);
            compare(log.length, 0, "no pass on the change itself");
            tryVerify(() => log.length > 0, 500);
            wait(300);
            compare(log, ["boundaryMapModel", "pointMapModel", "runwayMapModel", "segmentMapModel", "taxiwayMapModel",
                          "paintlightMapModel", "taxinameMapModel", "startupMapModel"]);
            for (const model of models) {
                compare(model.stubCalls, ["setGeoFilter 9"], model.stubName);
                const area = model.stubAreas[0];
                verify(area.contains(QtPositioning.coordinate(50.5, 8.5)), "the area holds the view");
                verify(!area.contains(QtPositioning.coordinate(50, 2)), "and not much more");
            }
            // A plan edit refilters too.
            log.length = 0;
            flightplan.edited();
            tryCompare(log, "length", 8, 500);
        }

        // Whatever keeps the map moving for two seconds (a change every 50 ms), the layers get
        // the area in view a few times a second meanwhile, and the view where it stops.
        function test_passesWhileMoving_data() {
            const east = step => QtPositioning.coordinate(48.9, 2.3 + 0.1 * step);
            return [
                { tag: "panned", step: step => { map.center = east(step); } },
                { tag: "zoomed", step: step => { map.zoomLevel = 9 + 0.05 * step; }, zoomed: 10.5 },
                // Five position reports a second, each gliding the map for a quarter of a second.
                { tag: "following the airplane", step: step => {
                    if (step % 4 === 0)
                        xpconnect.stubReport(east(step), 90);
                } }
            ];
        }

        function test_passesWhileMoving(data) {
            host.mapMenu.movingMap = true;
            map.zoomLevel = 9;
            const start = QtPositioning.coordinate(48.9, 2.3);
            map.center = start;
            settle();
            for (let step = 1; step <= 40; ++step) {
                data.step(step);
                wait(50);
            }
            const areas = pointMapModel.stubAreas;
            const call = pointMapModel.stubCalls[pointMapModel.stubCalls.length - 1];
            verify(areas.length >= 4, areas.length + " passes in two seconds of moves");
            const area = areas[areas.length - 1];
            verify(area.contains(map.center), "the last pass holds the view");
            if (data.zoomed)
                verify(Number(call.split(" ")[1]) >= data.zoomed, call);
            else
                verify(!area.contains(start), "the last pass has left the start behind");
            // The view where the moves end, once they have.
            tryVerify(() => pointMapModel.stubCalls[pointMapModel.stubCalls.length - 1] === "setGeoFilter " + map.zoomLevel
                      && Math.abs(pointMapModel.stubAreas[pointMapModel.stubAreas.length - 1].center.longitude
                                  - map.center.longitude) < 0.01, 1000);
        }

        function test_centerOnSelection_data() {
            const far = QtPositioning.rectangle(QtPositioning.coordinate(60.2, 24.8), QtPositioning.coordinate(60.0, 25.2));
            const inView = QtPositioning.rectangle(QtPositioning.coordinate(49.0, 2.2), QtPositioning.coordinate(48.8, 2.4));
            return [
                { tag: "far item below its zoom", zoom: 5, minzoom: 8, bounding: far, inPlan: false,
                    zoomAfter: 8, centerAfter: QtPositioning.coordinate(60.1, 25.0) },
                { tag: "far plan waypoint keeps the zoom", zoom: 5, minzoom: 8, bounding: far, inPlan: true,
                    zoomAfter: 5, centerAfter: QtPositioning.coordinate(60.1, 25.0) },
                { tag: "far item above its zoom", zoom: 9, minzoom: 8, bounding: far, inPlan: false,
                    zoomAfter: 9, centerAfter: QtPositioning.coordinate(60.1, 25.0) },
                { tag: "item in view stays put", zoom: 9, minzoom: 8, bounding: inView, inPlan: false,
                    zoomAfter: 9, centerAfter: QtPositioning.coordinate(48.9, 2.3) },
                { tag: "no bounding", zoom: 5, minzoom: 8, bounding: undefined, inPlan: false,
                    zoomAfter: 5, centerAfter: QtPositioning.coordinate(48.9, 2.3) },
                // A change of the plan (another airplane) announces an old selection again.
                { tag: "far item after a plan change stays away", zoom: 5, minzoom: 8, bounding: far, inPlan: false,
                    from: "signal", zoomAfter: 5, centerAfter: QtPositioning.coordinate(48.9, 2.3) }
            ];
        }

        function test_centerOnSelection(data) {
            map.center = QtPositioning.coordinate(48.9, 2.3);
            map.zoomLevel = data.zoom;
            const roles = {};
            roles[BaseItem.MinZoom] = data.minzoom;
            roles[BaseItem.Bounding] = data.bounding;
            ism.stubRoles = roles;
            flightplan.general.waypointuids = data.inPlan ? ["FIX EFHK"] : [];
            ism.selectedFrom = data.from === undefined ? "UID" : data.from;
            ism.selected("FIX EFHK");
            near(map.zoomLevel, data.zoomAfter, 1e-9, "zoom");
            // The move glides for a quarter of a second, longer on a busy machine: its end is awaited.
            const glide = findChild(overlay, "moveAnimation");
            verify(glide, "the map's glide");
            tryVerify(() => !glide.running, 5000, "the glide ends");
            near(map.center.latitude, data.centerAfter.latitude, 1e-6, "latitude");
            near(map.center.longitude, data.centerAfter.longitude, 1e-6, "longitude");
        }

        // A drag in several steps pans by the whole way once: each step moves by its own part.
        function test_dragPansByTheWholeWay() {
            const start = Qt.point(300, 300);
            const under = map.toCoordinate(start);
            mousePress(map, start.x, start.y);
            for (let step = 1; step <= 6; ++step)
                mouseMove(map, start.x + 20 * step, start.y + 10 * step);
            mouseRelease(map, start.x + 120, start.y + 60);
            const after = map.toCoordinate(Qt.point(start.x + 120, start.y + 60));
            near(after.latitude, under.latitude, 1e-6, "latitude");
            near(after.longitude, under.longitude, 1e-6, "longitude");
            compare(flightplan.stubCalls, [], "a drag adds nothing");
        }

        // Two fingers 100 pixels apart move apart or together step by step (each to `halves[i]`
        // from the centre). The pinch starts once they have moved enough and zooms by log2 of the
        // ratio of the distances since the press, whatever the steps and however late it starts
        // (moves merged while a frame is pending). A step beyond the limits is dropped.
        function steps(from, to, count) {
            const result = [];
            for (let i = 1; i <= count; ++i)
                result.push(from + (to - from) * i / count);
            return result;
        }

        function test_pinch_data() {
            return [
                { tag: "spread", zoom: 8, halves: steps(50, 130, 16) },
                { tag: "pinch", zoom: 8, halves: steps(50, 15, 16) },
                { tag: "first moves merged", zoom: 8, halves: [85].concat(steps(85, 130, 9)) },
                { tag: "a step beyond the top", zoom: 17.8, halves: [65, 130], expected: 17.8 }
            ];
        }

        function test_pinch(data) {
            // The presses of the previous row's pinch make no double tap with this one.
            wait(Qt.styleHints.mouseDoubleClickInterval + 50);
            map.zoomLevel = data.zoom;
            const centre = Qt.point(450, 350);
            const touch = touchEvent(map);
            touch.press(0, map, centre.x - 50, centre.y).press(1, map, centre.x + 50, centre.y).commit();
            for (const half of data.halves)
                touch.move(0, map, centre.x - half, centre.y).move(1, map, centre.x + half, centre.y).commit();
            const last = data.halves[data.halves.length - 1];
            touch.release(0, map, centre.x - last, centre.y).release(1, map, centre.x + last, centre.y).commit();
            near(map.zoomLevel, data.expected !== undefined ? data.expected : data.zoom + Math.log2(last / 50), 1e-5, "zoom");
            compare(flightplan.stubCalls, [], "a pinch adds nothing");
        }

        function test_doubleClickAddsCoordPoint() {
            mouseDoubleClickSequence(map, map.width / 2, map.height / 2);
            compare(database.stubCalls, ["getOrAddCoordPointUid COORD 48.9000 2.3000"]);
            compare(flightplan.stubCalls, ["add COORD 48.9000 2.3000"]);
        }

        // The scale is that of the view centre, also where the top edge lies off the map.
        function test_scaleAtTheCentre_data() {
            return [
                { tag: "zoom 10 at 60N", latitude: 60, zoom: 10, pixelPerNm: 24.2562 },
                { tag: "zoom 5 at the equator", latitude: 0, zoom: 5, pixelPerNm: 0.379096 },
                { tag: "zoom 3 at 80N, corner off the map", latitude: 80, zoom: 3, pixelPerNm: 0.543644 }
            ];
        }

        function test_scaleAtTheCentre(data) {
            map.center = QtPositioning.coordinate(data.latitude, 10);
            map.zoomLevel = data.zoom;
            wait(150);
            near(map.pixelPerNm, data.pixelPerNm, data.pixelPerNm * 1e-4, "pixels per NM");
            near(map.pixelPerMeter, data.pixelPerNm / 1852, data.pixelPerNm / 1852 * 1e-4, "pixels per metre");
        }

        // The overlay is drawn at twice the device pixels each way at rest, at the device's own
        // while the map pans or zooms, and at twice again once it has stood still for 150 ms.
        function test_supersampledAtRest_data() {
            return [
                { tag: "at rest", move: null },
                { tag: "panning", move: () => overlay.pan(10, 0) },
                { tag: "zooming", move: () => { map.zoomLevel = map.zoomLevel - 1; } }
            ];
        }

        function test_supersampledAtRest(data) {
            const size = factor => Qt.size(overlay.w * factor * overlay.pr, overlay.h * factor * overlay.pr);
            tryCompare(overlay.layer, "textureSize", size(2), 1000);
            if (data.move) {
                data.move();
                compare(overlay.layer.textureSize, size(1));
                wait(100);
                compare(overlay.layer.textureSize, size(1));
            }
            tryCompare(overlay.layer, "textureSize", size(2), 1000);
            verify(overlay.layer.enabled && overlay.layer.smooth);
        }
    }
}
