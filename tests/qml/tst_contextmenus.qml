import QtQuick
import QtQuick.Controls
import QtTest

StubWindow {
    id: window

    Component {
        id: rowComponent

        MenuRow {
        }
    }

    StrictTestCase {
        id: testCase

        property var host: null

        // A list of rows (role values) with the named menu on each row; returns the menu of the
        // first row, open.
        function openMenu(name, rows) {
            host = window.create(Qt.resolvedUrl("MenuHost.qml"), { menuName: name });
            const objects = rows.map(row => rowComponent.createObject(host, row));
            host.rows = objects;
            tryCompare(host, "count", rows.length);
            return openRow(0);
        }

        function openRow(row) {
            const loader = host.itemAtIndex(row).loader;
            loader.popup(10, 10);
            tryVerify(() => loader.menu.opened);
            return loader.menu;
        }

        function entry(menu, objectName) {
            const found = findChild(menu, objectName);
            verify(found, objectName);
            return found;
        }

        function texts(menu) {
            const result = [];
            for (let i = 0; i < menu.count; ++i)
                result.push(menu.itemAt(i).text);
            return result;
        }

        function prepare() {
            flightplan.stubReset();
            infoManager.stubCalls = [];
            ism.stubCalls = [];
            procedureManager.stubCalls = [];
            window.stubs.settingsFlightplan.autocompute = true;
            window.stubs.map.stubFitted = [];
        }

        function cleanup() {
            testSupport.useLanguage("en");
            if (host)
                host.destroy();
            host = null;
        }

        name: "ContextMenus"

        function test_menuLoaderMakesOneMenuPerOpening() {
            const menu = openMenu("RunwayContextMenu", [{ role_name: "09L", role_uid: "EDDF/09L", role_bounding: "runway box" }]);
            const loader = host.itemAtIndex(0).loader;
            verify(loader.opened);
            compare(texts(menu)[0], "Runway 09L");
            menu.close();
            tryVerify(() => !loader.active);
            verify(!loader.opened);
            const second = openRow(0);
            verify(second !== menu);
            mouseClick(second.itemAt(2));
            tryVerify(() => !loader.active);
            compare(window.stubs.map.stubFitted, ["runway box"]);
        }

        function test_pointMenu_data() {
            return [
                { tag: "airport not in plan", type: 1, plan: [], moreInfo: true, add: true, remove: false, texts: ["Airport EDDF", "Airport information"] },
                { tag: "vor in plan", type: 3, plan: ["VOR1"], moreInfo: false, add: false, remove: true, texts: ["VOR VOR1", "VOR information"] },
                { tag: "airport in French", language: "fr", type: 1, plan: [], moreInfo: true, add: true, remove: false,
                    texts: ["Aéroport EDDF", "Informations sur l'aéroport"] }
            ];
        }

        function test_pointMenu(data) {
            flightplan.general.waypointuids = data.plan;
            const uid = data.type === 1 ? "EDDF" : "VOR1";
            verify(testSupport.useLanguage(data.language ?? "en"));
            const menu = openMenu("PointContextMenu", [{ role_uid: uid, role_code: uid, role_type: data.type, role_type_string: data.type === 1 ? "Airport" : "VOR" }]);
            compare(texts(menu).slice(0, 2), data.texts);
            compare(entry(menu, "moreInfo").enabled, data.moreInfo);
            compare(entry(menu, "add").enabled, data.add);
            compare(entry(menu, "prepend").enabled, data.add);
            compare(entry(menu, "append").enabled, data.add);
            compare(entry(menu, "remove").enabled, data.remove);
            mouseClick(entry(menu, data.add ? "append" : "remove"));
            compare(flightplan.stubCalls, [(data.add ? "append " : "remove ") + uid]);
        }

        function test_waypointMenu_data() {
            return [
                { tag: "first airport", type: 1, index: 0, runways: true, up: false, down: true },
                { tag: "middle navaid", type: 3, index: 1, runways: false, up: true, down: true },
                { tag: "last fix", type: 11, index: 2, runways: false, up: true, down: false },
                { tag: "first airport in French", language: "fr", runway: "Piste...", type: 1, index: 0, runways: true, up: false, down: true }
            ];
        }

        function test_waypointMenu(data) {
            flightplan.count = 3;
            verify(testSupport.useLanguage(data.language ?? "en"));
            const menu = openMenu("WaypointContextMenu", [{ role_uid: "X", role_code: "X", role_type: data.type, role_index: data.index }]);
            compare(texts(menu).includes(data.runway ?? "Runway..."), data.runways, texts(menu).join("|"));
            verify(texts(menu).includes("SID/STAR..."));
            compare(entry(menu, "moveUp").enabled, data.up);
            compare(entry(menu, "moveDown").enabled, data.down);
            verify(entry(menu, "removeWaypoint").enabled);
            verify(entry(menu, "duplicate").enabled);
        }

        // The entries of sub-menus carry their icons, at the size of the information entry's.
        function test_subMenuIcons_data() {
            const airport = { role_uid: "EDDF", role_code: "EDDF", role_type: 1, role_type_string: "Airport", role_index: 0,
                              role_procedure_uid: "EDDF/ANEK1A", role_available_procedures: ["EDDF/ANEK1A"] };
            return [
                { tag: "more info", menu: "PointContextMenu", row: airport, within: "", sub: "moreInfo", icon: "circle-right" },
                { tag: "runways", menu: "WaypointContextMenu", row: airport, within: "", sub: "runways", icon: "road" },
                { tag: "procedure", menu: "WaypointContextMenu", row: airport, within: "", sub: "procedure", icon: "arrows-turn-to-dots" },
                { tag: "insert transition", menu: "ProcedureContextMenu", row: airport, within: "", sub: "insertTransition", icon: "circle-plus" },
                { tag: "choose", menu: "WaypointContextMenu", row: airport, within: "procedure", sub: "chooseProcedure", icon: "square-check" }
            ];
        }

        function test_subMenuIcons(data) {
            flightplan.count = 3;
            const menu = openMenu(data.menu, [data.row]);
            const within = data.within === "" ? menu : entry(menu, data.within);
            const sub = entry(menu, data.sub);
            let item = null;
            for (let i = 0; i < within.count; ++i) {
                if (within.itemAt(i).subMenu === sub)
                    item = within.itemAt(i);
            }
            verify(item, "no entry for the sub-menu");
            compare(String(item.icon.source), "qrc:/fa/solid/" + data.icon + ".svg");
            const information = within.itemAt(1);
            verify(String(information.icon.source).endsWith("circle-info.svg"));
            compare([item.icon.width, item.icon.height], [information.icon.width, information.icon.height]);
        }

        // Removing the waypoint destroys the row the menu belongs to: the command is given once
        // the menu is closed, with the row number read before, and nothing reads the row after.
        function test_removeWaypointOfItsOwnRow() {
            flightplan.count = 3;
            const rows = [0, 1, 2].map(i => ({ role_uid: "W" + i, role_code: "W" + i, role_type: 11, role_index: i }));
            openMenu("WaypointContextMenu", rows);
            const menu = openRow(2);
            flightplan.stubHook = call => {
                if (call[0] === "remove") {
                    host.rows = [host.rows[0], host.rows[1]];
                    flightplan.count = 2;
                }
            };
            mouseClick(entry(menu, "removeWaypoint"));
            tryCompare(host, "count", 2);
            compare(flightplan.stubCalls, ["remove 2"]);
            wait(50);
        }

        function test_runwaysChooseWritesTheRole() {
            flightplan.count = 2;
            const menu = openMenu("RunwaysContextMenu", [{ role_type: 1, role_runway: "25C", role_available_runways: ["07C", "25C"] }]);
            verify(menu.enabled);
            compare(texts(menu), ["07C", "25C"]);
            verify(!menu.itemAt(0).checked);
            verify(menu.itemAt(1).checked);
            mouseClick(menu.itemAt(0));
            compare(host.rows[0].role_runway, "07C");
        }

        function test_procedureMenuWithoutProcedure_data() {
            return [
                { tag: "English", language: "en", texts: ["No procedure", "Information", "Remove", "Choose..."] },
                { tag: "German", language: "de", texts: ["Kein Verfahren", "Information", "Entfernen", "Auswählen..."] }
            ];
        }

        function test_procedureMenuWithoutProcedure(data) {
            verify(testSupport.useLanguage(data.language));
            const menu = openMenu("ProcedureContextMenu", [{ role_procedure_type: "", role_procedure_uid: "", role_procedure_identifier: "" }]);
            verify(!entry(menu, "showProcedure").enabled);
            verify(!entry(menu, "removeProcedure").enabled);
            compare([texts(menu)[0], texts(menu)[1], texts(menu)[3], entry(menu, "chooseProcedure").title], data.texts);
            verify(!entry(menu, "chooseProcedure").enabled);
        }

        function test_procedureChoosePreviewsUntilChosen() {
            const menu = openMenu("ProcedureContextMenu", [{ role_procedure_type: "SID", role_procedure_uid: "EDDF/ANEK1A", role_procedure_identifier: "ANEK1A",
                                                               role_available_procedures: ["EDDF/ANEK1A", "EDDF/OBOK1B"] }]);
            compare(texts(menu)[0], "SID EDDF/ANEK1A");
            compare(texts(menu)[1], "Show ANEK1A");
            const choose = entry(menu, "chooseProcedure");
            choose.open();
            tryVerify(() => choose.opened && choose.count === 2);
            // The headless platform turns hover effects off; a desktop has them on.
            choose.itemAt(0).hoverEnabled = true;
            choose.itemAt(1).hoverEnabled = true;
            mouseMove(choose.itemAt(1));
            mouseMove(choose.itemAt(0));
            compare(procedureManager.stubCalls, ["setProcedure EDDF/OBOK1B", "setProcedure EDDF/ANEK1A"]);
            choose.itemAt(1).triggered();
            compare(host.rows[0].role_procedure_uid, "EDDF/OBOK1B");
            compare(infoManager.stubCalls, ["showProcedureInfo EDDF/OBOK1B"]);
            if (choose.count === 2) {
                mouseMove(choose.itemAt(1));
                mouseMove(choose.itemAt(0));
            }
            compare(procedureManager.stubCalls.length, 2, "no preview after the choice");
        }

        function test_transitionInsert_data() {
            return [
                { tag: "accepted", binding: true, accepted: true, enabled: true },
                { tag: "refused", binding: true, accepted: false, enabled: false },
                { tag: "plan not bound", binding: false, accepted: true, enabled: false }
            ];
        }

        function test_transitionInsert(data) {
            flightplan.binding = data.binding;
            if (data.accepted)
                flightplan.stubTransitions = { "EDDF/ANEK1A ANEKI": true };
            const menu = openMenu("TransitionContextMenu", [{ role_transition: "ANEKI", role_procedure_uid: "EDDF/ANEK1A", role_procedure_identifier: "ANEK1A" }]);
            const insert = entry(menu, "insertTransition");
            compare(insert.enabled, data.enabled);
            if (!data.enabled)
                return;
            mouseClick(insert);
            tryCompare(ism.stubCalls, "length", 1);
            compare(flightplan.stubCalls, ["addTransition EDDF/ANEK1A ANEKI"]);
            compare(ism.stubCalls, ["selectFromRoute 4"]);
            compare(procedureManager.stubCalls, ["removeTransition ANEKI"]);
        }

        function test_routeMenu_data() {
            return [
                { tag: "one waypoint", count: 1, autocompute: false, generator: false, compute: false },
                { tag: "route, autocompute", count: 2, autocompute: true, generator: true, compute: false },
                { tag: "route, manual profile", count: 2, autocompute: false, generator: true, compute: true }
            ];
        }

        function test_routeMenu(data) {
            flightplan.count = data.count;
            window.stubs.settingsFlightplan.autocompute = data.autocompute;
            const menu = openMenu("RouteContextMenu", [{}]);
            compare(entry(menu, "generator").enabled, data.generator);
            compare(entry(menu, "computeProfile").enabled, data.compute);
            compare(entry(menu, "clear").enabled, data.generator);
            compare(entry(menu, "reverse").enabled, data.generator);
        }

        function test_segmentMenuEndPoints() {
            flightplan.general.waypointuids = ["P1"];
            const menu = openMenu("SegmentContextMenu", [{ role_uid: "S", role_code: "UL607", role_uid_p0: "P0", role_code_p0: "ABC", role_uid_p1: "P1", role_code_p1: "DEF" }]);
            verify(entry(menu, "addFirst").enabled);
            verify(!entry(menu, "removeFirst").enabled);
            verify(!entry(menu, "addSecond").enabled);
            verify(entry(menu, "removeSecond").enabled);
            mouseClick(entry(menu, "addFirst"));
            compare(flightplan.stubCalls, ["add P0"]);
        }

        function test_airplaneMenuMovingMap() {
            window.stubs.mapMenu.movingMap = false;
            const menu = openMenu("AirplaneContextMenu", [{}]);
            const moving = entry(menu, "movingMap");
            verify(!moving.checked);
            mouseClick(moving);
            verify(window.stubs.mapMenu.movingMap);
        }
    }
}
