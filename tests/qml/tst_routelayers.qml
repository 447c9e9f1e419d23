import QtQuick
import QtPositioning
import QtTest
import Corvel.Waypoint as CorvelWaypoint

// The route and waypoint layers over the real flight plan XRTA, XRTC, XRTB of the test
// simulator; the airway-segment and procedure-path layers over rows of the test's own.
LayerHost {
    id: host

    SignalSpy {
        id: editedSpy

        signalName: "edited"
    }

    StrictTestCase {
        name: "RouteLayers"

        property var subject: null

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator()); // warns of tracks it cannot resolve
        }

        function prepare() {
            flightplan.clear(false);
            verify(flightplan.append("XRTA", false) && flightplan.append("XRTC", false) && flightplan.append("XRTB", false));
            ism.stubCalls = [];
            ism.currentTableRow = -1;
            host.map.zoomLevel = 7;
            host.map.center = QtPositioning.coordinate(-20.75, 61.5);
        }

        function cleanup() {
            subject.destroy();
        }

        // Each waypoint draws the leg to the next on the globe (Light: 4 px, outline 1.25 px a
        // side), the last none; a hovered leg takes the hover colour and opens the route menu.
        function test_legs() {
            subject = host.create("Route");
            const border = findChild(subject, "border");
            const line = findChild(subject, "line");
            tryCompare(line, "count", 3);
            compare([0, 1, 2].map(row => line.itemAt(row).path.length > 1), [true, true, false]);
            compare([line.itemAt(0).line.width, border.itemAt(0).line.width], [4, 6.5]);
            const leg = line.itemAt(0);
            compare(leg.line.color, theme.color("flightplan"));
            waitForRendering(host);
            const from = leg.path[0];
            const to = leg.path[leg.path.length - 1];
            const middle = host.map.fromCoordinate(from.atDistanceAndAzimuth(from.distanceTo(to) / 2, from.azimuthTo(to)), false);
            mouseMove(host, 5, 5);
            mouseMove(host, middle.x, middle.y);
            tryCompare(leg.line, "color", theme.color("flightplan.hover"));
            verify(!line.itemAt(1).hovered);
            mouseClick(host, middle.x, middle.y, Qt.RightButton);
            tryVerify(() => findChild(leg, "routeMenu").opened);
            findChild(leg, "routeMenu").close();
        }

        // Code and symbol of each waypoint, the marker and the selection colour on the table's
        // current row; a waypoint added later pulses and settles at its own size.
        function test_waypoints() {
            subject = host.create("Waypoint");
            tryCompare(subject, "count", 3);
            const label = row => findChild(subject.itemAt(row).sourceItem, "label");
            const marker = row => findChild(subject.itemAt(row).sourceItem, "selection").visible;
            compare([0, 1, 2].map(row => label(row).text), ["XRTA", "XRTC", "XRTB"]);
            ism.currentTableRow = 1;
            compare([0, 1, 2].map(marker), [false, true, false]);
            compare(label(1).color, theme.color("selection"));
            compare(label(0).color, theme.color("point", 1));
            verify(flightplan.remove("XRTB") && flightplan.append("XRTB", false));
            tryVerify(() => subject.count === 3 && subject.itemAt(2).scale > 1.2, 1000);
            tryCompare(subject.itemAt(2), "scale", 1, 1000);
            wait(300);
            compare(subject.itemAt(2).scale, 1);
        }

        // A click selects the plan row; the menu's runway choice reaches the plan, while rows
        // arriving from the plan write nothing back; a double click takes the waypoint out.
        function test_waypointEdits() {
            editedSpy.target = flightplan;
            editedSpy.clear();
            subject = host.create("Waypoint");
            tryCompare(subject, "count", 3);
            compare(editedSpy.count, 0);
            subject.itemAt(0).role_runway = "27";
            compare(flightplan.data(flightplan.index(0, 0), CorvelWaypoint.Waypoint.RunwayEnd), "27");
            const label = findChild(subject.itemAt(1).sourceItem, "label");
            mouseClick(label);
            compare(ism.stubCalls.filter(call => call.startsWith("select")), ["selectFromRoute 1"]);
            mouseDoubleClickSequence(label);
            tryVerify(() => !flightplan.contains("XRTC"));
        }
    }

    StrictTestCase {
        name: "SegmentLayer"

        property var subject: null

        function makeLayer(roles) {
            subject = host.create("Segment", { model: testSupport.listModel([Object.assign({ role_uid: "S1", role_type: 1,
                                    role_direction: 1, role_line: [QtPositioning.coordinate(0.01, -0.5), QtPositioning.coordinate(0.01, 0.5)],
                                    role_center: QtPositioning.coordinate(0.01, 0), role_code: "UL1", role_min_level: 0, role_max_level: 0,
                                    role_distance: 60, role_arrow_rotation: 90, role_text_rotation: 90, role_minzoom: 6,
                                    role_minzoom_details: 9, role_tooltip: "UL1", role_uid_p0: "A", role_uid_p1: "B", role_code_p0: "A",
                                    role_code_p1: "B", role_bounding: null }, roles)]) });
            tryCompare(subject, "count", 1);
            // The layer draws the row in its batch; held, the row gets its items.
            subject.hold(0, true);
            tryCompare(findChild(subject, "labels"), "count", 1);
            return subject.itemsAt(0);
        }

        function prepare() {
            flightplan.stubReset();
            host.map.zoomLevel = 7;
            host.map.center = QtPositioning.coordinate(0, 0);
        }

        function cleanup() {
            subject.destroy();
        }

        // Light: width 1.75; at zoom 7 an airway gets (7/10.5)^3 of it, a track (7/10.5)^1.5; in
        // the plan or from 10.5 the full width. The line shows from its minimum zoom (6) or in
        // the plan; the label from the detail zoom (9) or in the plan, as if drawn at 9.5 below.
        function test_zoom_data() {
            return [
                { tag: "airway at 7", zoom: 7, type: 1, plan: false, width: 0.518519, label: false, itemZoom: 9.5 },
                { tag: "track at 7", zoom: 7, type: 20, plan: false, width: 0.952579, label: false, itemZoom: 9.5 },
                { tag: "airway of the plan at 5", zoom: 5, type: 1, plan: true, width: 1.75, label: true, itemZoom: 0 },
                { tag: "airway at 9.2", zoom: 9.2, type: 2, plan: false, width: 1.177155, label: true, itemZoom: 9.5 },
                { tag: "airway at 10.5", zoom: 10.5, type: 1, plan: false, width: 1.75, label: true, itemZoom: 0 },
                { tag: "airway below minimum zoom", zoom: 5, type: 1, plan: false, width: 0.188964, label: false, itemZoom: 9.5 }
            ];
        }

        function test_zoom(data) {
            const [line, label] = makeLayer({ role_type: data.type });
            flightplan.general.segmentuids = data.plan ? ["S1"] : [];
            host.map.zoomLevel = data.zoom;
            fuzzyCompare(line.line.width, data.width, 1e-5);
            compare(line.visible, data.zoom >= 6 || data.plan);
            compare(findChild(label.sourceItem, "label").active, data.label);
            compare(label.zoomLevel, data.itemZoom);
            // The batch draws the same width, and nothing below the minimum zoom. The 60 nm of
            // the segment are 0.01183 * 2^zoom px/nm * 60 on screen: 22.7 px at zoom 5, shorter
            // than 1.75 labels "UL1" (about 34 px), 90.8 px at zoom 7.
            fuzzyCompare(subject.lineWidth(0), data.zoom >= 6 || data.plan ? data.width : 0, 1e-5);
            compare(subject.labelShown(0), data.label && data.zoom >= 7);
        }

        // One pointed end towards where the segment runs, two for a two-way segment; the upper
        // level above the code; the label only while the segment is 1.75 labels long on screen.
        function test_label_data() {
            return [
                { tag: "forward", direction: 1, arrow: 90, left: false, right: true },
                { tag: "backward", direction: -1, arrow: 270, left: true, right: false },
                { tag: "two-way", direction: 0, arrow: 90, left: true, right: true }
            ];
        }

        function test_label(data) {
            host.map.zoomLevel = 10;
            const [, label] = makeLayer({ role_direction: data.direction, role_arrow_rotation: data.arrow, role_max_level: 460 });
            const item = findChild(label.sourceItem, "label").item;
            const h = item.textHeight;
            compare([item.leftArrow, item.rightArrow], [data.left ? -Math.trunc(h / 2) : 0, data.right ? Math.trunc(h / 2) : 0]);
            compare(item.rotation, 90);
            compare([findChild(item, "maxLevel").text, findChild(item, "maxLevel").y], ["460", -2 * h]);
            verify(!findChild(item, "minLevel").visible);
            const needed = item.textWidth * 1.75 / host.map.pixelPerNm;
            subject.model.setRole(0, "role_distance", needed * 1.01);
            verify(item.visible);
            verify(subject.labelShown(0));
            subject.model.setRole(0, "role_distance", needed * 0.99);
            verify(!item.visible);
            verify(!subject.labelShown(0));
        }

        // Hover makes the row's items and doubles the line; a segment of the plan neither
        // highlights nor opens its menu.
        function test_lineHover() {
            host.map.zoomLevel = 11;
            makeLayer({});
            subject.hold(0, false);
            tryCompare(findChild(subject, "lines"), "count", 0);
            waitForRendering(host);
            const at = host.map.fromCoordinate(QtPositioning.coordinate(0.01, 0.2), false);
            mouseMove(host, 5, 5);
            mouseMove(host, at.x, at.y);
            compare(subject.hoveredRow, 0);
            verify(!subject.labelHovered);
            tryVerify(() => subject.itemsAt(0)[0] !== null);
            tryCompare(subject.itemsAt(0)[0].line, "width", 3.5);
            waitForRendering(host);
            mouseClick(host, at.x, at.y, Qt.RightButton);
            let menu = null;
            tryVerify(() => (menu = findChild(subject.itemsAt(0)[0], "menu")) !== null && menu.opened);
            menu.menu.close();
            // Held by the menu alone, the row's items may go as it closes: the menu is asked, not
            // the row.
            tryVerify(() => !menu || !menu.opened);
            mouseMove(host, 5, 5);
            compare(subject.hoveredRow, -1);
            tryCompare(findChild(subject, "lines"), "count", 0);
            flightplan.general.segmentuids = ["S1"];
            mouseMove(host, at.x, at.y);
            compare(subject.hoveredRow, -1);
            mouseClick(host, at.x, at.y, Qt.RightButton);
            compare(findChild(subject, "lines").count, 0);
        }

        // The label takes the pointer over its name: the row's items show it bold with its tooltip
        // and open its menu.
        function test_labelHover() {
            host.map.zoomLevel = 10;
            makeLayer({ role_minzoom_details: 9 });
            subject.hold(0, false);
            tryCompare(findChild(subject, "labels"), "count", 0);
            waitForRendering(host);
            const at = host.map.fromCoordinate(QtPositioning.coordinate(0.01, 0), false);
            mouseMove(host, 5, 5);
            mouseMove(host, at.x, at.y);
            compare(subject.hoveredRow, 0);
            verify(subject.labelHovered);
            tryVerify(() => subject.itemsAt(0)[1] !== null);
            verify(subject.itemsAt(0)[1].hovered);
            verify(!subject.itemsAt(0)[0].hovered);
            tryVerify(() => findChild(subject.itemsAt(0)[1].sourceItem, "tooltip").shown);
            // Its menu keeps the items while the pointer goes elsewhere.
            waitForRendering(host);
            mouseClick(host, at.x, at.y, Qt.RightButton);
            const menu = findChild(subject.itemsAt(0)[1].sourceItem, "menu");
            tryVerify(() => menu.opened);
            mouseMove(host, 5, 5);
            compare(subject.hoveredRow, -1);
            verify(subject.itemsAt(0)[1] !== null);
            menu.menu.close();
            tryCompare(findChild(subject, "labels"), "count", 0);
        }

        // A procedure path: outline and line by the theme, the hover colour under the mouse.
        function test_procedurePath() {
            host.map.zoomLevel = 11;
            subject = host.create("ProcedureTransition", { model: testSupport.listModel([{ role_tooltip: "RW09",
                                role_polyline: [QtPositioning.coordinate(-0.01, -0.2), QtPositioning.coordinate(-0.01, 0.2)],
                                role_transition: "RW09", role_procedure_uid: "SID1", role_procedure_identifier: "SID1",
                                role_transitions_bounding: null }]) });
            tryCompare(subject, "count", 1);
            const border = findChild(subject.itemAt(0), "border");
            const line = findChild(subject.itemAt(0), "line");
            compare([border.line.width, line.line.width], [6.5, 4]);
            compare(line.line.color, theme.color("procedure"));
            waitForRendering(host);
            const at = host.map.fromCoordinate(QtPositioning.coordinate(-0.01, 0.1), false);
            mouseMove(host, 5, 5);
            mouseMove(host, at.x, at.y);
            tryCompare(line.line, "color", theme.color("procedure.hover"));
        }
    }
}
