import QtQuick
import QtQuick.Controls
import QtTest
import Corvel.Waypoint

// The flight-plan panel against the real flight plan, airplanes and units over the route test
// simulator folder (airports XRTA, XRTB, XRTC; VORs XRA, XRB, XRC).
StubWindow {
    id: window

    // Stands in for the main menu's Inspiration menu.
    QtObject {
        id: inspirationMenu

        property int stubOpened: 0

        function open() {
            stubOpened += 1;
        }
    }
    // One spy for the run: a temporary one would stay connected to the plan after its end.
    SignalSpy {
        id: edited

        signalName: "edited"
    }

    StrictTestCase {
        id: testCase

        property var panel: null

        function child(name, parent) {
            const found = findChild(parent || panel, name);
            verify(found, name);
            return found;
        }

        function row(planRow) {
            const table = panel.table;
            for (let i = 0; i < table.count; ++i) {
                const item = table.itemAtIndex(i);
                if (item && item.planRow === planRow)
                    return item;
            }
            return null;
        }

        function planCodes() {
            const codes = [];
            for (let i = 0; i < flightplan.count; ++i)
                codes.push(flightplan.codeAt(i));
            return codes;
        }

        // The codes in the order the table shows them.
        function viewCodes() {
            const items = panel.table.model.items;
            const codes = [];
            for (let i = 0; i < items.count; ++i)
                codes.push(items.get(i).model.role_code);
            return codes;
        }

        function setPlan(uids) {
            flightplan.clear(false);
            for (const uid of uids)
                verify(flightplan.append(uid, false), uid);
            tryCompare(panel.table, "count", uids.length);
            // Added rows grow from nothing first.
            tryVerify(() => {
                for (let i = 0; i < uids.length; ++i) {
                    if (!row(i) || row(i).scale !== 1)
                        return false;
                }
                return true;
            });
            edited.clear();
        }

        // Presses the handle of a row, drags it by dy in steps and releases at the end
        // (or not, when release is false). The pointer is placed in the list's coordinates:
        // the handle moves under it.
        function drag(planRow, dy, release) {
            const handle = child("handle", row(planRow));
            const table = panel.table;
            const start = handle.mapToItem(table, 300, 20);
            mousePress(table, start.x, start.y);
            const steps = 12;
            // The drag reaches the rows beneath it from the event loop, as under a real pointer.
            for (let i = 1; i <= steps; ++i) {
                mouseMove(table, start.x, start.y + dy * i / steps, -1, Qt.LeftButton);
                wait(5);
            }
            if (release !== false)
                mouseRelease(table, start.x, start.y + dy);
            return handle;
        }

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
            edited.target = flightplan;
        }

        function prepare() {
            ga.stubReset();
            ism.stubReset();
            procedureManager.stubCalls = [];
            window.stubs.settingsFlightplan.autocompute = true;
            window.stubs.waypointEditDialog.stubOpened = 0;
            window.stubs.generatorDialog.stubOpened = 0;
            inspirationMenu.stubOpened = 0;
            flightplan.clear(false);
            panel = window.create("panel/FlightplanPanel.qml", { "width": 1000, "height": 400, "inspirationMenu": inspirationMenu });
            verify(panel);
            edited.clear();
        }

        function cleanup() {
            panel.destroy();
            panel = null;
        }

        name: "FlightplanPanel"

        function test_emptyPlanInvitesToStart() {
            const tabBar = child("tabBar");
            verify(!tabBar.enabled);
            compare(tabBar.position, TabBar.Header);
            verify(!child("clearButton").enabled);
            compare(child("countLabel").text, "0 waypoint(s)");
            verify(!child("countLabel").enabled);
            const invitation = child("invitation");
            verify(invitation.visible);
            verify(invitation.text.indexOf("href=\"#DB\"") > 0 && invitation.text.indexOf("href=\"#GEN\"") > 0);
            invitation.linkActivated("#DB");
            verify(window.stubs.pointPanel.search.activeFocus);
            invitation.linkActivated("#GEN");
            compare(window.stubs.generatorDialog.stubOpened, 1);
            mouseClick(child("inspireButton"));
            compare(inspirationMenu.stubOpened, 1);

            setPlan(["XRTA"]);
            verify(!invitation.visible);
            verify(tabBar.enabled);
            compare(tabBar.position, TabBar.Footer);
            compare(child("countLabel").text, "1 waypoint(s)");
        }

        // Rows of the plan XRTA, XRA, XRTB: airports at both ends, a VOR between.
        function test_rowCells_data() {
            return [
                { tag: "departure airport", row: 0, runway: "RW-", procedure: "No SID", heading: true, distance: true, up: false, down: true },
                { tag: "en-route VOR", row: 1, runway: "", procedure: "", heading: true, distance: true, up: true, down: true },
                { tag: "arrival airport", row: 2, runway: "RW-", procedure: "No STAR", heading: false, distance: false, up: true, down: false }
            ];
        }

        function test_rowCells(data) {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            const item = row(data.row);
            const runway = child("runwayButton", item);
            compare(runway.visible, data.runway !== "");
            if (data.runway !== "")
                compare(runway.text, data.runway);
            const procedure = child("procedureButton", item);
            compare(procedure.visible, data.procedure !== "");
            if (data.procedure !== "")
                compare(procedure.text, data.procedure);
            compare(child("headingCell", item).visible, data.heading);
            compare(child("distanceCell", item).visible, data.distance);
            mouseMove(item, 500, 20);
            tryVerify(() => child("removeButton", item).visible);
            compare(child("upButton", item).visible, data.up);
            compare(child("downButton", item).visible, data.down);
            verify(ism.stubCalls.indexOf("setHovered true " + item.uid) >= 0, ism.stubCalls);
        }

        function test_narrowPanelDropsSpeedTimeAndFuel_data() {
            // Column N fits while the widths of columns 0 to N stay below the row less 250.
            return [
                { tag: "590", width: 590, shown: [false, false, false] },
                { tag: "600", width: 600, shown: [true, false, false] },
                { tag: "700", width: 700, shown: [true, true, false] },
                { tag: "740", width: 740, shown: [true, true, true] }
            ];
        }

        function test_narrowPanelDropsSpeedTimeAndFuel(data) {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            flightplan.setData(flightplan.index(1, 0), "250kts", Waypoint.IndicatedAirSpeed);
            const before = row(1);
            verify(before.fits(6) && child("timeCell", before).visible && child("fuelCell", before).visible);
            panel.width = data.width;
            const item = row(1);
            compare([child("speedCell", item).visible, child("timeCell", item).visible, child("fuelCell", item).visible], data.shown);
        }

        function test_rowClicksAndMenus() {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            let item = row(1);
            mouseMove(item, 500, 20);
            tryVerify(() => child("upButton", item).visible);
            const up = child("upButton", item);
            const centre = up.mapToItem(item, up.width / 2, up.height / 2);
            mouseClick(item, centre.x, centre.y);
            compare(planCodes(), ["XRA", "XRTA", "XRTB"]);
            verify(ism.stubCalls.indexOf("selectFromRoute 1") >= 0);

            item = row(2);
            mouseMove(item, 500, 20);
            tryVerify(() => child("removeButton", item).visible);
            const remove = child("removeButton", item);
            const point = remove.mapToItem(item, remove.width / 2, remove.height / 2);
            mouseClick(item, point.x, point.y);
            compare(planCodes(), ["XRA", "XRTA"]);

            // A click elsewhere only selects.
            ism.stubCalls = [];
            item = row(0);
            mouseClick(item, 500, 20);
            compare(planCodes(), ["XRA", "XRTA"]);
            compare(ism.stubCalls.filter(call => !call.startsWith("setHovered")), ["selectFromRoute 0"]);

            mouseDoubleClickSequence(item, 500, 20);
            compare(window.stubs.waypointEditDialog.stubOpened, 1);
            compare(window.stubs.waypointEditDialog.code, "XRA");
            compare(window.stubs.waypointEditDialog.index, 0);

            mouseClick(item, 500, 20, Qt.RightButton);
            const waypointMenu = child("waypointMenu", item);
            tryVerify(() => waypointMenu.opened);
            compare(waypointMenu.menu.itemAt(0).text, "Waypoint XRA");
            waypointMenu.menu.close();
            tryVerify(() => !waypointMenu.active);

            item = row(1);
            const procedure = child("procedureButton", item);
            const onProcedure = procedure.mapToItem(item, procedure.width / 2, procedure.height / 2);
            mouseClick(item, onProcedure.x, onProcedure.y);
            const procedureMenu = child("procedureMenu", item);
            tryVerify(() => procedureMenu.opened);
            procedureMenu.menu.close();
            tryVerify(() => !procedureMenu.active);
            const runway = child("runwayButton", item);
            const onRunway = runway.mapToItem(item, runway.width / 2, runway.height / 2);
            mouseClick(item, onRunway.x, onRunway.y);
            const runwaysMenu = child("runwaysMenu", item);
            tryVerify(() => runwaysMenu.opened);
            runwaysMenu.menu.close();
            tryVerify(() => !runwaysMenu.active);
        }

        function test_dragMovesTheWaypointOnce() {
            setPlan(["XRTA", "XR/ENRT/XRA", "XR/ENRT/XRB", "XRTB"]);
            // Row 0 dragged two rows down.
            drag(0, 80);
            tryCompare(edited, "count", 1);
            compare(planCodes(), ["XRA", "XRB", "XRTA", "XRTB"]);
            tryVerify(() => panel.table.count === 4 && row(2) !== null);
            compare(viewCodes(), planCodes());
            wait(50);
            compare(edited.count, 1);
        }

        function test_dragOutsideOrCancelledRestoresTheOrder_data() {
            // Row 0 passes over the rows below it (they make way), row 3 over those above.
            return [
                { tag: "released below the list", row: 0, dy: 500, passing: ["XRA", "XRB", "XRTB", "XRTA"] },
                { tag: "released above the list", row: 3, dy: -200, passing: ["XRTB", "XRTA", "XRA", "XRB"] },
                { tag: "cancelled", row: 0, dy: 80, passing: ["XRA", "XRB", "XRTA", "XRTB"] }
            ];
        }

        function test_dragOutsideOrCancelledRestoresTheOrder(data) {
            setPlan(["XRTA", "XR/ENRT/XRA", "XR/ENRT/XRB", "XRTB"]);
            const handle = drag(data.row, data.dy, false);
            verify(handle.held);
            compare(viewCodes(), data.passing);
            if (data.tag === "cancelled") {
                handle.canceled();
                mouseRelease(panel.table);
            } else {
                const end = handle.mapToItem(panel.table, 300, 20);
                mouseRelease(panel.table, end.x, end.y);
            }
            verify(!handle.held);
            wait(50);
            compare(edited.count, 0);
            compare(planCodes(), ["XRTA", "XRA", "XRB", "XRTB"]);
            compare(viewCodes(), planCodes());
        }
    }
}
