import QtQuick
import QtPositioning
import QtTest
import Corvel.Waypoint as CorvelWaypoint

// The route, waypoint, airway-segment and procedure-path layers, on a map centred between the
// test simulator's airports XRTA (20 S 60 E) and XRTC (21.5 S 63 E).
LayerHost {
    id: host

    SignalSpy {
        id: editedSpy

        signalName: "edited"
    }

    // The route and the waypoints over the real flight plan XRTA, XRTC, XRTB.
    StrictTestCase {
        id: routeCase

        name: "RouteLayers"

        property var subject: null

        // The import warns of tracks it cannot resolve: before the tests watch for warnings.
        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
        }

        function prepare() {
            flightplan.clear(false);
            verify(flightplan.append("XRTA", false));
            verify(flightplan.append("XRTC", false));
            verify(flightplan.append("XRTB", false));
            ism.stubCalls = [];
            ism.currentTableRow = -1;
            host.map.zoomLevel = 7;
            host.map.center = QtPositioning.coordinate(-20.75, 61.5);
        }

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
            flightplan.clear(false);
        }

        // The middle of a leg's great circle, on screen, once the leg has been laid out.
        function legMiddle(leg) {
            waitForRendering(host);
            const from = leg.path[0];
            const to = leg.path[leg.path.length - 1];
            const middle = from.atDistanceAndAzimuth(from.distanceTo(to) / 2, from.azimuthTo(to));
            return host.map.fromCoordinate(middle, false);
        }

        // Each waypoint draws the leg to the next one; the last draws none. Widths are the
        // theme's (Light: route 4, outline 1.25 on each side).
        function test_legs() {
            subject = host.create("Route");
            const border = findChild(subject, "border");
            const line = findChild(subject, "line");
            tryCompare(line, "count", 3);
            tryCompare(border, "count", 3);
            verify(line.itemAt(0).path.length >= 2);
            verify(line.itemAt(1).path.length >= 2);
            compare(line.itemAt(2).path.length, 0);
            compare(line.itemAt(0).line.width, 4);
            compare(border.itemAt(0).line.width, 6.5);
            compare(line.itemAt(0).line.color, theme.color("flightplan"));
            compare(border.itemAt(0).line.color, theme.color("flightplan.border"));
            compare(line.itemAt(0).line.capStyle, Qt.RoundCap);
        }

        // Hovering a leg recolours it and shows the leg's tooltip; a right click opens the
        // route menu.
        function test_legHover() {
            subject = host.create("Route");
            const line = findChild(subject, "line");
            tryCompare(line, "count", 3);
            const leg = line.itemAt(0);
            const middle = legMiddle(leg);
            mouseMove(host, 5, 5);
            mouseMove(host, middle.x, middle.y);
            tryVerify(() => leg.hovered);
            compare(leg.line.color, theme.color("flightplan.hover"));
            verify(!Qt.colorEqual(theme.color("flightplan.hover"), theme.color("flightplan")));
            verify(!line.itemAt(1).hovered);
            mouseClick(host, middle.x, middle.y, Qt.RightButton);
            const menu = findChild(leg, "routeMenu");
            tryVerify(() => menu.opened);
            menu.close();
            mouseMove(host, 5, 5);
            tryVerify(() => !leg.hovered);
            compare(leg.line.color, theme.color("flightplan"));
        }

        // Symbol and code of every waypoint; the marker and the selection colour follow the
        // table's current row.
        function test_waypoints() {
            subject = host.create("Waypoint");
            tryCompare(subject, "count", 3);
            const codes = [0, 1, 2].map(row => findChild(subject.itemAt(row).sourceItem, "label").text);
            compare(codes, ["XRTA", "XRTC", "XRTB"]);
            // A waypoint added later arrives with a pulse and settles at its own size.
            verify(flightplan.remove("XRTB"));
            verify(flightplan.append("XRTB", false));
            tryCompare(subject, "count", 3);
            tryVerify(() => subject.itemAt(2).scale > 1.2, 1000);
            tryCompare(subject.itemAt(2), "scale", 1, 1000);
            wait(300);
            compare(subject.itemAt(2).scale, 1);
            const marker = row => findChild(subject.itemAt(row).sourceItem, "selection");
            verify(!marker(0).visible && !marker(1).visible && !marker(2).visible);
            ism.currentTableRow = 1;
            verify(!marker(0).visible && marker(1).visible && !marker(2).visible);
            compare(findChild(subject.itemAt(1).sourceItem, "label").color, theme.color("selection"));
            compare(findChild(subject.itemAt(0).sourceItem, "label").color, theme.color("point", 1));
            ism.currentTableRow = 2;
            verify(!marker(1).visible && marker(2).visible);
        }

        // A waypoint selects its plan row; a double click takes it out of the plan again.
        function test_waypointClicks() {
            subject = host.create("Waypoint");
            tryCompare(subject, "count", 3);
            const label = findChild(subject.itemAt(1).sourceItem, "label");
            mouseClick(label);
            compare(ism.stubCalls.filter(call => call.startsWith("select")), ["selectFromRoute 1"]);
            mouseDoubleClickSequence(label);
            tryCompare(flightplan, "count", 2);
            verify(!flightplan.contains("XRTC"));
        }

        // The waypoint menu writes the runway into the delegate: the plan takes it, and rows
        // arriving from the plan write nothing back.
        function test_runwayChoice() {
            editedSpy.target = flightplan;
            editedSpy.clear();
            subject = host.create("Waypoint");
            tryCompare(subject, "count", 3);
            compare(editedSpy.count, 0);
            subject.itemAt(0).role_runway = "27";
            compare(flightplan.data(flightplan.index(0, 0), CorvelWaypoint.Waypoint.RunwayEnd), "27");
            verify(editedSpy.count > 0);
        }
    }

    // Airway segments over rows of the test's own.
    StrictTestCase {
        id: segmentCase

        name: "SegmentLayer"

        property var subject: null

        function segment(uid, properties) {
            return Object.assign({
                    role_uid: uid,
                    role_type: 1,
                    role_direction: 1,
                    role_line: [QtPositioning.coordinate(0, -0.5), QtPositioning.coordinate(0, 0.5)],
                    role_center: QtPositioning.coordinate(0, 0),
                    role_code: "UL1",
                    role_min_level: 0,
                    role_max_level: 0,
                    role_distance: 60,
                    role_arrow_rotation: 90,
                    role_text_rotation: 90,
                    role_minzoom: 6,
                    role_minzoom_details: 9,
                    role_tooltip: "Segment " + uid,
                    role_uid_p0: "A",
                    role_uid_p1: "B",
                    role_code_p0: "A",
                    role_code_p1: "B",
                    role_bounding: null
                }, properties);
        }

        function makeLayer(rows) {
            subject = host.create("Segment", { model: testSupport.listModel(rows) });
            tryCompare(findChild(subject, "lines"), "count", rows.length);
            tryCompare(findChild(subject, "labels"), "count", rows.length);
        }

        function line(row) {
            return findChild(subject, "lines").itemAt(row);
        }

        function label(row) {
            return findChild(findChild(subject, "labels").itemAt(row).sourceItem, "label");
        }

        function prepare() {
            flightplan.stubReset();
            host.map.zoomLevel = 7;
            host.map.center = QtPositioning.coordinate(0, 0);
        }

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
            themeManager.index = 0;
        }

        // Light: segment width 1.75. At zoom 7 an airway is (7/10.5)^3 = 0.2963 of it, a track
        // (7/10.5)^1.5 = 0.5443; a segment of the plan and any segment from zoom 10.5 keeps it.
        function test_lineWidth_data() {
            return [
                { tag: "airway at 7", zoom: 7, type: 1, plan: false, width: 0.518519 },
                { tag: "high airway at 7", zoom: 7, type: 2, plan: false, width: 0.518519 },
                { tag: "track at 7", zoom: 7, type: 20, plan: false, width: 0.952579 },
                { tag: "airway of the plan at 7", zoom: 7, type: 1, plan: true, width: 1.75 },
                { tag: "airway at 10.5", zoom: 10.5, type: 1, plan: false, width: 1.75 },
                { tag: "airway at 12", zoom: 12, type: 1, plan: false, width: 1.75 }
            ];
        }

        function test_lineWidth(data) {
            makeLayer([segment("S1", { role_type: data.type })]);
            if (data.plan)
                flightplan.general.segmentuids = ["S1"];
            host.map.zoomLevel = data.zoom;
            fuzzyCompare(line(0).line.width, data.width, 1e-5);
            compare(line(0).line.color, theme.color("segment", data.type));
        }

        // The line shows from its minimum zoom, or in the plan; the label from the detail zoom
        // or in the plan, shrinking with the map below 9.5 unless in the plan.
        function test_visibility_data() {
            return [
                { tag: "below minimum zoom", zoom: 5, plan: false, line: false, label: false, itemZoom: 9.5 },
                { tag: "below minimum zoom, in the plan", zoom: 5, plan: true, line: true, label: true, itemZoom: 0 },
                { tag: "line, no label yet", zoom: 8, plan: false, line: true, label: false, itemZoom: 9.5 },
                { tag: "label shrinking", zoom: 9.2, plan: false, line: true, label: true, itemZoom: 9.5 },
                { tag: "label at screen size", zoom: 9.5, plan: false, line: true, label: true, itemZoom: 0 }
            ];
        }

        function test_visibility(data) {
            makeLayer([segment("S1")]);
            if (data.plan)
                flightplan.general.segmentuids = ["S1"];
            host.map.zoomLevel = data.zoom;
            compare(line(0).visible, data.line, "line");
            compare(label(0).active, data.label, "label");
            compare(findChild(subject, "labels").itemAt(0).zoomLevel, data.itemZoom);
        }

        // A one-way label points at the end the segment runs to, a two-way one at both; levels
        // stand above and below the code when set.
        function test_labelShape_data() {
            return [
                { tag: "forward", direction: 1, arrow: 90, text: 90, left: false, right: true },
                { tag: "backward", direction: -1, arrow: 270, text: 90, left: true, right: false },
                { tag: "two-way", direction: 0, arrow: 90, text: 90, left: true, right: true }
            ];
        }

        function test_labelShape(data) {
            host.map.zoomLevel = 10;
            makeLayer([segment("S1", { role_direction: data.direction, role_arrow_rotation: data.arrow, role_text_rotation: data.text,
                            role_max_level: 460, role_min_level: 0 })]);
            const item = label(0).item;
            verify(item);
            const h = item.textHeight;
            compare(item.leftArrow, data.left ? -Math.trunc(h / 2) : 0);
            compare(item.rightArrow, data.right ? Math.trunc(h / 2) : 0);
            compare(item.rotation, 90);
            const max = findChild(item, "maxLevel");
            const min = findChild(item, "minLevel");
            verify(max.visible);
            compare(max.text, "460");
            compare(max.y, -2 * h);
            verify(!min.visible);
        }

        // The label shows only while the segment on screen is longer than 1.75 label widths.
        function test_labelLength() {
            host.map.zoomLevel = 10;
            makeLayer([segment("S1")]);
            const item = label(0).item;
            const needed = item.textWidth * 1.75 / host.map.pixelPerNm;
            findChild(subject, "labels").model.setRole(0, "role_distance", needed * 1.01);
            verify(item.visible);
            findChild(subject, "labels").model.setRole(0, "role_distance", needed * 0.99);
            verify(!item.visible);
        }

        // A segment of the plan neither highlights nor opens a menu from its line.
        function test_lineHover() {
            host.map.zoomLevel = 11;
            makeLayer([segment("S1", { role_line: [QtPositioning.coordinate(0.01, -0.5), QtPositioning.coordinate(0.01, 0.5)] })]);
            waitForRendering(host);
            const at = host.map.fromCoordinate(QtPositioning.coordinate(0.01, 0.2), false);
            mouseMove(host, 5, 5);
            mouseMove(host, at.x, at.y);
            tryCompare(line(0).line, "width", 3.5);
            mouseMove(host, 5, 5);
            tryCompare(line(0).line, "width", 1.75);
            flightplan.general.segmentuids = ["S1"];
            mouseMove(host, at.x, at.y);
            mouseClick(host, at.x, at.y, Qt.RightButton);
            compare(line(0).line.width, 1.75);
            verify(!findChild(line(0), "menu").active);
        }
    }

    // Procedure paths over rows of the test's own.
    StrictTestCase {
        name: "ProcedureTransitionLayer"

        property var subject: null

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
        }

        function test_pathAndHover() {
            host.map.zoomLevel = 11;
            host.map.center = QtPositioning.coordinate(0, 0);
            subject = host.create("ProcedureTransition", { model: testSupport.listModel([{
                                role_polyline: [QtPositioning.coordinate(-0.01, -0.2), QtPositioning.coordinate(-0.01, 0.2)],
                                role_tooltip: "RWY09 transition",
                                role_transition: "RW09",
                                role_procedure_uid: "SID1",
                                role_procedure_identifier: "SID1",
                                role_transitions_bounding: null
                            }]) });
            tryCompare(subject, "count", 1);
            const group = subject.itemAt(0);
            const border = findChild(group, "border");
            const line = findChild(group, "line");
            compare(line.path.length, 2);
            compare(border.line.width, 6.5);
            compare(line.line.width, 4);
            compare(border.line.color, theme.color("procedure.border"));
            compare(line.line.color, theme.color("procedure"));
            waitForRendering(host);
            const at = host.map.fromCoordinate(QtPositioning.coordinate(-0.01, 0.1), false);
            mouseMove(host, 5, 5);
            mouseMove(host, at.x, at.y);
            tryCompare(line.line, "color", theme.color("procedure.hover"));
            mouseMove(host, 5, 5);
            tryCompare(line.line, "color", theme.color("procedure"));
        }
    }
}
