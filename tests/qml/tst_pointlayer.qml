import QtQuick
import QtPositioning
import QtTest

// The navigation-point layer over rows of the test's own at (0, 0), the map at zoom 10.
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
        }

        function cleanup() {
            subject.destroy();
            themeManager.index = 0;
        }

        // In the plan: nothing; else symbol and label from the details zoom, on the displayed
        // procedure or selected (with the marker); else the dot. Row 0 stands by, plain.
        function test_shows_data() {
            return [
                { tag: "details zoom", minzoom: 8, plan: false, procedure: false, selected: false, dot: false, symbol: true },
                { tag: "below details zoom", minzoom: 12, plan: false, procedure: false, selected: false, dot: true, symbol: false },
                { tag: "on the procedure", minzoom: 12, plan: false, procedure: true, selected: false, dot: false, symbol: true },
                { tag: "selected", minzoom: 12, plan: false, procedure: false, selected: true, dot: false, symbol: true },
                { tag: "in the plan", minzoom: 8, plan: true, procedure: true, selected: true, dot: false, symbol: false }
            ];
        }

        function test_shows(data) {
            makeLayer([{ uid: "OTHER" }, { uid: "P1", roles: { role_minzoom_details: data.minzoom } }]);
            flightplan.general.waypointuids = data.plan ? ["P1"] : [];
            procedureManager.pointuids = data.procedure ? ["P1"] : [];
            ism.currentBaseRow = data.selected ? 1 : -1;
            compare(part(1, "dot").visible, data.dot, "dot");
            compare(part(1, "basepoint").active, data.symbol, "symbol");
            compare(part(1, "selection").active, data.selected && !data.plan, "marker");
            verify(part(0, "dot").visible && !part(0, "selection").active);
        }

        // Colours and sizes by type from the theme; the selected point in the selection colour;
        // Satellite's disc behind symbols, 1.3 times smaller behind a fix; the label below.
        function test_style() {
            makeLayer([{ uid: "NDB1", roles: { role_type: 2 } }, { uid: "FIX1", roles: { role_type: 11, role_minzoom_details: 8 } },
                    { uid: "VOR1", roles: { role_type: 3, role_minzoom_details: 8 } }]);
            ism.currentBaseRow = 2;
            compare(part(0, "dot").color, theme.color("point", 2));
            compare(part(0, "dot").width, 4.5);
            compare(part(1, "basepoint").item.tint, theme.color("point", 11));
            compare(part(2, "basepoint").item.tint, theme.color("selection"));
            verify(!findChild(part(1, "basepoint").item, "background").visible);
            const label = findChild(part(2, "basepoint").item, "label");
            compare(label.text, "VOR1");
            fuzzyCompare(label.y, label.height / 2 + 12, 1e-9);
            themeManager.index = 6;
            compare(findChild(part(2, "basepoint").item, "background").width, 17);
            fuzzyCompare(findChild(part(1, "basepoint").item, "background").width, 17 / 1.3, 1e-9);
        }

        // Hover enlarges the dot by half, tells the selection and shows the tooltip; it ends
        // while the map moves; a point that went into the plan hovered comes back plain.
        function test_hover() {
            makeLayer([{ uid: "P1" }]);
            const point = subject.itemAt(0);
            mouseMove(part(0, "dot"));
            tryVerify(() => point.hovered);
            compare(part(0, "dot").width, 4.5 * 1.5);
            compare(part(0, "tooltip").item.text, "Tip P1");
            compare(ism.stubCalls, ["setHovered true P1"]);
            host.map.center = QtPositioning.coordinate(0.0001, 0);
            verify(!point.hovered && !part(0, "dot").children[0].hoverEnabled);
            tryVerify(() => part(0, "dot").children[0].hoverEnabled, 1000);
            tryVerify(() => point.hovered);
            flightplan.general.waypointuids = ["P1"];
            flightplan.general.waypointuids = [];
            verify(!point.hovered && !part(0, "tooltip").active);
        }

        // Left click selects the map row, right click opens the menu only, double click adds.
        function test_clicks() {
            makeLayer([{ uid: "OTHER" }, { uid: "P1" }]);
            mouseClick(part(1, "dot"), undefined, undefined, Qt.RightButton);
            tryVerify(() => part(1, "menu").opened);
            part(1, "menu").menu.close();
            compare(ism.stubCalls.filter(call => call.startsWith("select")), []);
            mouseClick(part(1, "dot"));
            compare(ism.stubCalls.filter(call => call.startsWith("select")), ["selectFromMap 1"]);
            mouseDoubleClickSequence(part(1, "dot"));
            verify(flightplan.stubCalls.includes("add P1"));
        }
    }
}
