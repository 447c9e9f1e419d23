import QtQuick
import QtPositioning
import QtTest

// The navigation-point layer over rows of the test's own, on a map at zoom 10 centred on (0, 0).
LayerHost {
    id: host

    StrictTestCase {
        id: testCase

        property var subject: null

        function row(uid, properties) {
            return Object.assign({
                    role_uid: uid,
                    role_position: QtPositioning.coordinate(0, 0),
                    role_type: 1,
                    role_code: uid,
                    role_icon: "qrc:/icon/airp.svg",
                    role_icon_offset: 0,
                    role_text_offset: 12,
                    role_minzoom_details: 8,
                    role_tooltip: "Tooltip of " + uid,
                    role_type_string: "Airport",
                    role_bounding: null
                }, properties);
        }

        function makeLayer(rows) {
            subject = host.create("Point", { model: testSupport.listModel(rows) });
            tryCompare(subject, "count", rows.length);
            return subject;
        }

        function part(delegate, objectName) {
            const found = findChild(delegate.sourceItem, objectName);
            verify(found, objectName);
            return found;
        }

        function dot(delegate) {
            return part(delegate, "dot");
        }

        function prepare() {
            // The selection marker converts its ring radii.
            verify(testSupport.useNative("unit"));
            flightplan.stubReset();
            ism.stubCalls = [];
            ism.currentBaseRow = -1;
            ism.stubBaseRows = null;
            procedureManager.pointuids = [];
            themeManager.index = 0;
            host.map.zoomLevel = 10;
        }

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
            themeManager.index = 0;
        }

        // What a point shows: nothing in the plan, else symbol and label from its details zoom,
        // on the displayed procedure or while selected, else the dot.
        function test_shows_data() {
            return [
                { tag: "details zoom reached", minzoom: 8, plan: false, procedure: false, selected: false, dot: false, symbol: true, marker: false },
                { tag: "below details zoom", minzoom: 12, plan: false, procedure: false, selected: false, dot: true, symbol: false, marker: false },
                { tag: "on the procedure", minzoom: 12, plan: false, procedure: true, selected: false, dot: false, symbol: true, marker: false },
                { tag: "selected", minzoom: 12, plan: false, procedure: false, selected: true, dot: false, symbol: true, marker: true },
                { tag: "in the plan", minzoom: 8, plan: true, procedure: true, selected: true, dot: false, symbol: false, marker: false },
                { tag: "in the plan, below details zoom", minzoom: 12, plan: true, procedure: false, selected: false, dot: false, symbol: false, marker: false }
            ];
        }

        function test_shows(data) {
            // Row 0 is a bystander, so that the selected row is not the first.
            makeLayer([row("OTHER", { role_minzoom_details: 12 }), row("P1", { role_minzoom_details: data.minzoom })]);
            if (data.plan)
                flightplan.general.waypointuids = ["P1"];
            if (data.procedure)
                procedureManager.pointuids = ["P1"];
            if (data.selected)
                ism.currentBaseRow = 1;
            const point = subject.itemAt(1);
            compare(dot(point).visible, data.dot, "dot");
            compare(part(point, "basepoint").active, data.symbol, "symbol");
            compare(part(point, "selection").active, data.marker, "marker");
            // The bystander keeps its dot.
            verify(dot(subject.itemAt(0)).visible);
            verify(!part(subject.itemAt(0), "selection").active);
        }

        // Dot and symbol take the colour and size of the theme by point type; the selected
        // point's label and symbol take the selection colour.
        function test_colours() {
            makeLayer([row("NDB1", { role_type: 2, role_minzoom_details: 12 }), row("FIX1", { role_type: 11, role_minzoom_details: 8 }),
                    row("VOR1", { role_type: 3, role_minzoom_details: 8 })]);
            ism.currentBaseRow = 2;
            compare(dot(subject.itemAt(0)).color, theme.color("point", 2));
            compare(dot(subject.itemAt(0)).width, 4.5);
            const fix = part(subject.itemAt(1), "basepoint").item;
            const vor = part(subject.itemAt(2), "basepoint").item;
            compare(fix.tint, theme.color("point", 11));
            compare(vor.tint, theme.color("selection"));
            verify(!Qt.colorEqual(theme.color("point", 3), theme.color("selection")));
            // Light sets no background disc.
            verify(!findChild(fix, "background").visible);
        }

        // Satellite draws a 17-pixel disc behind every symbol, 1.3 times smaller behind a fix.
        function test_backgroundDisc() {
            themeManager.index = 6;
            makeLayer([row("FIX1", { role_type: 11 }), row("AIRP1", { role_type: 1 })]);
            const fixDisc = findChild(part(subject.itemAt(0), "basepoint").item, "background");
            const airportDisc = findChild(part(subject.itemAt(1), "basepoint").item, "background");
            verify(fixDisc.visible);
            compare(airportDisc.width, 17);
            fuzzyCompare(fixDisc.width, 17 / 1.3, 1e-9);
        }

        // The label stands below the point by half its height plus the type's offset.
        function test_labelPlacement() {
            makeLayer([row("AIRP1", { role_text_offset: 12 })]);
            const label = findChild(part(subject.itemAt(0), "basepoint").item, "label");
            verify(label);
            compare(label.text, "AIRP1");
            fuzzyCompare(label.y, label.height / 2 + 12, 1e-9);
            fuzzyCompare(label.x, -label.width / 2, 1e-9);
        }

        // Hover enlarges the dot by half, tells the shared selection and shows the tooltip; a
        // point that was hovered when it went into the plan comes back plain.
        function test_hover() {
            makeLayer([row("P1", { role_minzoom_details: 12 })]);
            const point = subject.itemAt(0);
            mouseMove(dot(point));
            tryVerify(() => point.hovered);
            compare(dot(point).width, 4.5 * 1.5);
            verify(part(point, "tooltip").active);
            compare(part(point, "tooltip").item.text, "Tooltip of P1");
            compare(ism.stubCalls, ["setHovered true P1"]);
            flightplan.general.waypointuids = ["P1"];
            verify(!part(point, "tooltip").active);
            flightplan.general.waypointuids = [];
            verify(!point.hovered);
            compare(dot(point).width, 4.5);
        }

        // While the map moves the points take no hover (Qt would offer it to each of them on
        // every frame); once the map has stood still for a moment they take it again.
        function test_hoverOffWhileMoving() {
            makeLayer([row("P1", { role_minzoom_details: 12 })]);
            const point = subject.itemAt(0);
            const area = dot(point).children[0];
            verify(area.hoverEnabled);
            host.map.center = QtPositioning.coordinate(0.0001, 0);
            verify(!area.hoverEnabled);
            tryVerify(() => area.hoverEnabled, 1000);
            mouseMove(dot(point));
            tryVerify(() => point.hovered);
            host.map.zoomLevel = 10.01;
            verify(!point.hovered);
            tryVerify(() => area.hoverEnabled, 1000);
        }

        // Left click selects the map row, right click opens the menu without selecting, double
        // click adds the point to the plan (or removes it).
        function test_clicks() {
            makeLayer([row("OTHER", { role_minzoom_details: 12 }), row("P1", { role_minzoom_details: 12 })]);
            const point = subject.itemAt(1);
            const menu = part(point, "menu");
            mouseClick(dot(point), undefined, undefined, Qt.RightButton);
            tryVerify(() => menu.opened);
            menu.menu.close();
            verify(!ism.stubCalls.some(call => call.startsWith("selectFromMap")));
            mouseClick(dot(point));
            verify(ism.stubCalls.includes("selectFromMap 1"));
            mouseDoubleClickSequence(dot(point));
            verify(flightplan.stubCalls.includes("add P1"));
        }
    }
}
