import QtQuick
import QtPositioning
import QtTest
import Corvel.Map
import Waylore.MapLayers

// The navigation-point layer over rows of the test's own at (0, 0), the map at zoom 10: the
// point lies at the view centre (400, 300). The layer draws its points in one batch; the hovered,
// the selected and a point whose menu is open get an item.
LayerHost {
    id: host

    StrictTestCase {
        property var subject: null

        function makeLayer(rows) {
            subject = host.create("Point", { model: testSupport.listModel(rows.map(row => Object.assign({ role_uid: row.uid,
                                role_position: QtPositioning.coordinate(0, 0), role_type: 1, role_code: row.uid, role_icon: "qrc:/icon/airp.svg",
                                role_icon_offset: 0, role_text_offset: 12, role_minzoom_details: 12, role_tooltip: "Tip " + row.uid,
                                role_type_string: "Airport", role_bounding: null }, row.roles))) });
            tryCompare(subject, "count", rows.length);
        }

        function part(row, name) {
            return findChild(subject.itemAt(row).sourceItem, name);
        }

        function prepare() {
            verify(testSupport.useNative("unit")); // the selection marker converts its radii
            flightplan.stubReset();
            ism.stubCalls = [];
            ism.currentBaseRow = -1;
            procedureManager.pointuids = [];
            host.map.zoomLevel = 10;
            host.map.center = QtPositioning.coordinate(0, 0);
            mouseMove(host, 5, 5);
        }

        function cleanup() {
            subject.destroy();
            themeManager.index = 0;
        }

        // In the plan: nothing; else symbol and label from the details zoom, on the displayed
        // procedure or selected (the selected one as an item, with the marker); else the dot.
        // Row 0 stands by, a plain dot without an item.
        function test_shows_data() {
            return [
                { tag: "details zoom", minzoom: 8, plan: false, procedure: false, selected: false, shape: MapPointLayer.Details },
                { tag: "below details zoom", minzoom: 12, plan: false, procedure: false, selected: false, shape: MapPointLayer.Dot },
                { tag: "on the procedure", minzoom: 12, plan: false, procedure: true, selected: false, shape: MapPointLayer.Details },
                { tag: "selected", minzoom: 12, plan: false, procedure: false, selected: true, shape: MapPointLayer.Details },
                { tag: "in the plan", minzoom: 8, plan: true, procedure: true, selected: true, shape: MapPointLayer.None }
            ];
        }

        function test_shows(data) {
            makeLayer([{ uid: "OTHER" }, { uid: "P1", roles: { role_minzoom_details: data.minzoom } }]);
            flightplan.general.waypointuids = data.plan ? ["P1"] : [];
            procedureManager.pointuids = data.procedure ? ["P1"] : [];
            ism.currentBaseRow = data.selected ? 1 : -1;
            compare(subject.shapeOf(1), data.shape);
            compare(subject.itemAt(1) !== null, data.selected, "item");
            if (data.selected) {
                compare(part(1, "dot").visible, false, "dot");
                compare(part(1, "basepoint").active, !data.plan, "symbol");
                compare(part(1, "selection").active, !data.plan, "marker");
            }
            compare([subject.shapeOf(0), subject.itemAt(0)], [MapPointLayer.Dot, null]);
            ism.currentBaseRow = -1;
            compare(subject.itemAt(1), null, "the item goes with the selection");
        }

        // Colours and sizes by type from the theme, on the items; the selected point in the
        // selection colour; Satellite's disc behind symbols, 1.3 times smaller behind a fix.
        // The other points lie south of the hovered one: their labels, drawn below them, cannot
        // reach the pointer whatever font they are set in.
        function test_style() {
            makeLayer([{ uid: "NDB1", roles: { role_type: 2 } }, { uid: "FIX1", roles: { role_type: 11, role_minzoom_details: 8,
                            role_position: QtPositioning.coordinate(-0.05, 0) } }, { uid: "VOR1", roles: { role_type: 3, role_minzoom_details: 8,
                            role_position: QtPositioning.coordinate(-0.1, 0) } }]);
            mouseMove(host, 400, 300);
            tryCompare(subject, "hoveredRow", 0);
            compare(part(0, "dot").color, theme.color("point", 2));
            compare(part(0, "dot").width, 4.5 * 1.5);
            ism.currentBaseRow = 2;
            compare(part(2, "basepoint").item.tint, theme.color("selection"));
            verify(!findChild(part(2, "basepoint").item, "background").visible);
            const label = findChild(part(2, "basepoint").item, "label");
            compare(label.text, "VOR1");
            fuzzyCompare(label.y, label.height / 2 + 12, 1e-9);
            themeManager.index = 6;
            compare(findChild(part(2, "basepoint").item, "background").width, 17);
            ism.currentBaseRow = 1;
            compare(part(1, "basepoint").item.tint, theme.color("selection"));
            fuzzyCompare(findChild(part(1, "basepoint").item, "background").width, 17 / 1.3, 1e-9);
        }

        // Hover makes an item, enlarges the dot by half, tells the selection and shows the
        // tooltip; it ends while the map moves and comes back when it stands still; a point that
        // went into the plan hovered comes back plain.
        function test_hover() {
            makeLayer([{ uid: "P1" }]);
            mouseMove(host, 401, 301);
            tryCompare(subject, "hoveredRow", 0);
            verify(subject.itemAt(0).hovered);
            compare(part(0, "dot").width, 4.5 * 1.5);
            compare(part(0, "tooltip").item.text, "Tip P1");
            compare(ism.stubCalls, ["setHovered true P1"]);
            host.map.center = QtPositioning.coordinate(0.0001, 0);
            compare([subject.hoveredRow, subject.itemAt(0)], [-1, null]);
            compare(ism.stubCalls, ["setHovered true P1", "setHovered false P1"]);
            tryCompare(subject, "hoveredRow", 0, 1000);
            flightplan.general.waypointuids = ["P1"];
            compare([subject.hoveredRow, subject.itemAt(0)], [-1, null]);
            flightplan.general.waypointuids = [];
            compare([subject.hoveredRow, subject.itemAt(0)], [-1, null]);
        }

        // The pointer finds a dot within 4 x 4 pixels at least (a dot of 4.5 here: 2.25 either
        // side), the later of two points at one place, and no point beside them.
        function test_hitTest_data() {
            return [
                { tag: "centre", x: 400, y: 300, row: 1 },
                { tag: "edge of the dot", x: 402, y: 298, row: 1 },
                { tag: "beside the dot", x: 403, y: 300, row: -1 },
                { tag: "the other point", x: 400 + 0.01 * 256 * 1024 / 360, y: 300, row: 2 }
            ];
        }

        function test_hitTest(data) {
            makeLayer([{ uid: "A" }, { uid: "B" }, { uid: "C", roles: { role_position: QtPositioning.coordinate(0, 0.01) } }]);
            compare(subject.rowAt(subject.mapFromItem(host, data.x, data.y)), data.row);
        }

        // Left click selects the map row, right click opens the menu only, whose item stays while
        // the pointer goes to the menu; double click adds. The pointer comes onto the point
        // first, as a mouse does.
        function test_clicks() {
            makeLayer([{ uid: "OTHER" }, { uid: "P1" }]);
            mouseMove(host, 400, 300);
            mouseClick(host, 400, 300, Qt.RightButton);
            tryVerify(() => subject.itemAt(1) && part(1, "menu").opened);
            mouseMove(host, 100, 100);
            compare(subject.hoveredRow, -1);
            verify(part(1, "menu").opened);
            part(1, "menu").menu.close();
            tryVerify(() => subject.itemAt(1) === null);
            compare(ism.stubCalls.filter(call => call.startsWith("select")), []);
            mouseMove(host, 400, 300);
            mouseClick(host, 400, 300);
            compare(ism.stubCalls.filter(call => call.startsWith("select")), ["selectFromMap 1"]);
            mouseDoubleClickSequence(host, 400, 300);
            verify(flightplan.stubCalls.includes("add P1"));
        }
    }
}
