import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtCharts
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
    // A modal dialog over the panel.
    Popup {
        id: modalDialog

        modal: true
        width: 100
        height: 100
    }
    // One of the program's questions, which dims nothing.
    MessageDialog {
        id: question

        // Made before the test's window holds it: the dialog shows only in a window.
        parentWindow: window.Window.window
        text: "Save changes"
    }
    // One spy for the run: a temporary one would stay connected to the plan after its end.
    SignalSpy {
        id: edited

        signalName: "edited"
    }

    StrictTestCase {
        id: testCase

        property var panel: null
        // Fourteen rows: more than the table shows.
        readonly property var longPlan: ["XRTA", "XR/ENRT/ALDAX", "XR/ENRT/BERIM", "XR/ENRT/COLTA", "XR/ENRT/DUNOP",
            "XR/ENRT/EPMAR", "XR/ENRT/FOXIN", "XR/ENRT/GRENA", "XR/ENRT/LOWAA", "XR/ENRT/LOWAB", "XR/ENRT/XRA",
            "XR/ENRT/XRB", "XR/ENRT/XRC", "XRTB"]

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
            tryVerify(() => uids.every((uid, i) => row(i) && row(i).scale === 1));
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

        // Hovers the row and clicks the middle of its named button.
        function clickButton(item, name) {
            mouseMove(item, 500, 20);
            const button = child(name, item);
            tryVerify(() => button.visible, 1000, name);
            const centre = button.mapToItem(item, button.width / 2, button.height / 2);
            mouseClick(item, centre.x, centre.y);
        }

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
            // Kilograms and litres: the sheets' limits are written in display units.
            testSupport.storeValue("units/mass", 0);
            testSupport.storeValue("units/volume", 0);
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
                { tag: "departure airport", row: 0, uid: "XRTA", runway: "RW-", procedure: "No SID", heading: true, distance: true, up: false, down: true },
                { tag: "en-route VOR", row: 1, uid: "XR/ENRT/XRA", runway: "", procedure: "", heading: true, distance: true, up: true, down: true },
                { tag: "arrival airport", row: 2, uid: "XRTB", runway: "RW-", procedure: "No STAR", heading: false, distance: false, up: true, down: false }
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
            // The hovered row stands for its waypoint's point.
            verify(ism.stubCalls.indexOf("setHovered true " + data.uid) >= 0, ism.stubCalls);
        }

        function test_narrowPanelDropsSpeedTimeAndFuel_data() {
            // The columns that do not yield and those kept leave the comment the room of the
            // row's four 26-pixel buttons and their 10-pixel gap; speed goes first, fuel last.
            return [
                { tag: "none kept", kept: [], shown: [false, false, false] },
                { tag: "fuel kept", kept: [6], shown: [false, false, true] },
                { tag: "time and fuel kept", kept: [5, 6], shown: [false, true, true] },
                { tag: "all kept", kept: [4, 5, 6], shown: [true, true, true] }
            ];
        }

        function test_narrowPanelDropsSpeedTimeAndFuel(data) {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            flightplan.setData(flightplan.index(1, 0), "250kts", Waypoint.IndicatedAirSpeed);
            const before = row(1);
            verify(before.fits(4) && child("timeCell", before).visible && child("fuelCell", before).visible);
            compare(before.commentMinimum, 4 * 26 + 10);
            let room = before.commentMinimum + 1;
            for (const i of [0, 1, 2, 3, 7, 8].concat(data.kept))
                room += before.widths[i];
            panel.width = Math.ceil(room);
            const item = row(1);
            compare([child("speedCell", item).visible, child("timeCell", item).visible, child("fuelCell", item).visible], data.shown);
            // The columns keep their widths whatever the panel's: no value runs into the next.
            tryCompare(child("timeCell", item).parent, "width", data.shown[1] ? before.widths[5] : 0);
        }

        // The remaining fuel in each unit, in whole units, ends inside its column.
        function test_fuelFitsItsColumn_data() {
            return [
                { tag: "pounds", unittype: 0, mass: 1, volume: 0, text: /^\d{4}lbs$/ },
                { tag: "gallons", unittype: 1, mass: 0, volume: 1, text: /^\d{3}gal$/ }
            ];
        }

        function test_fuelFitsItsColumn(data) {
            const current = airplanes.currentIndex;
            const unittype = airplanes.get("unittype", current);
            try {
                testSupport.storeValue("units/mass", data.mass);
                testSupport.storeValue("units/volume", data.volume);
                airplanes.set("unittype", current, data.unittype, true);
                setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
                const cell = child("fuelCell", row(0));
                const text = Array.from(cell.children).find(item => item.text !== undefined);
                verify(data.text.test(text.text), text.text);
                verify(text.x + text.implicitWidth <= cell.width, text.text + " in " + cell.width);
            } finally {
                testSupport.storeValue("units/mass", 0);
                testSupport.storeValue("units/volume", 0);
                airplanes.set("unittype", current, unittype, true);
            }
        }

        function test_rowClicksAndMenus() {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            clickButton(row(1), "upButton");
            compare(planCodes(), ["XRA", "XRTA", "XRTB"]);
            verify(ism.stubCalls.indexOf("selectFromRoute 1") >= 0);
            clickButton(row(2), "removeButton");
            compare(planCodes(), ["XRA", "XRTA"]);

            // A click elsewhere only selects.
            ism.stubCalls = [];
            const first = row(0);
            mouseClick(first, 500, 20);
            compare(planCodes(), ["XRA", "XRTA"]);
            compare(ism.stubCalls.filter(call => !call.startsWith("setHovered")), ["selectFromRoute 0"]);
            mouseDoubleClickSequence(first, 500, 20);
            const edit = window.stubs.waypointEditDialog;
            compare([edit.stubOpened, edit.code, edit.index], [1, "XRA", 0]);

            // The runway, the ellipsis and the procedure buttons and the right button open their
            // menus. The runway button first: after the first row's menu, that row's tool tip
            // (shown after a rest, which a slow machine makes) may lie over it.
            const opens = [[row(1), "runwayButton", "runwaysMenu"], [row(1), "menuButton", "waypointMenu"],
                           [row(1), "procedureButton", "procedureMenu"], [first, "", "waypointMenu"]];
            for (const [item, button, menu] of opens) {
                if (button === "")
                    mouseClick(item, 500, 20, Qt.RightButton);
                else
                    clickButton(item, button);
                const loader = child(menu, item);
                tryVerify(() => loader.opened, 1000, menu);
                loader.menu.close();
                tryVerify(() => !loader.active);
            }
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

        function test_profileChart() {
            const chart = panel.chart;
            setPlan(["XRTA"]);
            mouseClick(child("tabBar").itemAt(1));
            verify(chart.visible);
            // No series below two waypoints.
            compare(chart.count, 0);
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            compare(chart.count, 1);
            compare(chart.title, "From XRTA to XRTB (" + airplanes.current.name + ")");
            let series = chart.series(0);
            compare(series.name, "Altitude");
            compare(series.upperSeries.count, 3);
            compare(chart.axisX(series).max, flightplan.distance);
            // The series and the axes live on in the chart however often it is rebuilt and
            // collected.
            series = null;
            gc();
            wait(0);
            compare(chart.series(0).upperSeries.count, 3);
            verify(flightplan.append("XR/ENRT/XRB", false));
            compare(chart.count, 1);
            series = chart.series(0);
            compare(series.upperSeries.count, 4);
            compare(chart.axisX(series).max, flightplan.distance);
            compare(chart.axisY(series).max, 1.25 * airplanes.current.ceilinglvl);
            // Changes made while the table is shown reach the chart when it shows again.
            mouseClick(child("tabBar").itemAt(0));
            verify(!chart.visible);
            flightplan.remove(3);
            verify(flightplan.append("XR/ENRT/XRC", false));
            verify(flightplan.append("XRTC", false));
            mouseClick(child("tabBar").itemAt(1));
            compare(chart.count, 1);
            compare(chart.series(0).upperSeries.count, 5);
            compare(chart.axisX(chart.series(0)).max, flightplan.distance);
            // The chart's theme follows the interface's, the window's background over its own.
            for (const [theme, chartTheme] of [[Material.Dark, ChartView.ChartThemeDark], [Material.Light, ChartView.ChartThemeLight]]) {
                panel.Material.theme = theme;
                compare(chart.theme, chartTheme);
                verify(Qt.colorEqual(chart.backgroundColor, panel.Material.background));
            }
        }

        // The window switches its scheme's flag and background by two bindings, in either order:
        // the chart ends with the new look, axis texts and title readable on its background.
        function test_chartFollowsTheScheme_data() {
            return [
                { tag: "to dark, flag first", dark: true, flagFirst: true },
                { tag: "to light, flag first", dark: false, flagFirst: true },
                { tag: "to dark, background first", dark: true, flagFirst: false },
                { tag: "to light, background first", dark: false, flagFirst: false }
            ];
        }

        function applyScheme(dark, flagFirst) {
            const steps = [() => panel.Material.theme = dark ? Material.Dark : Material.Light,
                           () => panel.Material.background = dark ? "#444" : "#EEE"];
            if (!flagFirst)
                steps.reverse();
            steps.forEach(step => step());
        }

        function test_chartFollowsTheScheme(data) {
            const chart = panel.chart;
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            mouseClick(child("tabBar").itemAt(1));
            compare(chart.count, 1);
            applyScheme(!data.dark, true);
            applyScheme(data.dark, data.flagFirst);
            compare(chart.theme, data.dark ? ChartView.ChartThemeDark : ChartView.ChartThemeLight);
            verify(Qt.colorEqual(chart.backgroundColor, data.dark ? "#444" : "#EEE"), String(chart.backgroundColor));
            const series = chart.series(0);
            const background = chart.backgroundColor.hslLightness;
            for (const [what, colour] of [["distance labels", chart.axisX(series).labelsColor],
                                          ["altitude labels", chart.axisY(series).labelsColor],
                                          ["title", chart.titleColor]]) {
                verify(Math.abs(colour.hslLightness - background) > 0.4,
                       what + " " + colour + " on " + chart.backgroundColor);
            }
        }

        // Each sheet value warns only above its airplane limit; an equal value is fine.
        function test_sheetWarnings_data() {
            return [
                { tag: "block fuel", field: "blockFuel", limit: "fuelcapacity", value: () => flightplan.fuel.block },
                { tag: "zero fuel weight", field: "zeroFuelWeight", limit: "mzfw", value: () => flightplan.weight.zfw },
                { tag: "takeoff weight", field: "takeoffWeight", limit: "mtow", value: () => flightplan.weight.tow },
                { tag: "landing weight", field: "landingWeight", limit: "mlw", value: () => flightplan.weight.lw }
            ];
        }

        function test_sheetWarnings(data) {
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            const row = airplanes.currentIndex;
            const original = airplanes.get(data.limit, row);
            const sheet = child(data.field);
            try {
                const value = data.value();
                verify(value > 0);
                airplanes.set(data.limit, row, value, true);
                compare(airplanes.current[data.limit], value);
                verify(!sheet.warning);
                airplanes.set(data.limit, row, value - 1, true);
                verify(sheet.warning);
                verify(sheet.message.indexOf(String(value - 1)) > 0, sheet.message);
            } finally {
                airplanes.set(data.limit, row, original, true);
            }
        }

        // The sheet shows the stored kilograms in pounds when asked: an MTOW entered as
        // 100,000 lbs is kept as 45,359 kg (x 0.453592) and shown as 100000lbs again.
        function test_sheetInPounds() {
            const row = airplanes.currentIndex;
            const original = airplanes.get("mtow", row);
            testSupport.storeValue("units/mass", 1);
            try {
                airplanes.set("mtow", row, 100000, true);
                compare(airplanes.current.mtow, 45359);
                setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
                const tow = flightplan.weight.tow;
                verify(tow > 0);
                compare(child("takeoffWeight").text, Math.round(tow / 0.453592) + "lbs");
                compare(child("takeoffWeight").message, "Maximum takeoff weight is 100000lbs");
            } finally {
                testSupport.storeValue("units/mass", 0);
                airplanes.set("mtow", row, original, true);
            }
        }

        function test_footer() {
            const compute = child("computeButton");
            verify(!compute.enabled);
            setPlan(["XRTA", "XR/ENRT/XRA", "XRTB"]);
            // With the automatic computation on, nothing is left to compute.
            verify(!compute.enabled);
            window.stubs.settingsFlightplan.autocompute = false;
            verify(compute.enabled);
            mouseClick(compute);
            compare(procedureManager.stubCalls, ["removeAll"]);

            compare(child("countLabel").text, "3 waypoint(s)");
            verify(flightplan.distance > 0 && flightplan.distance < 1000);
            const distance = child("distanceLabel");
            compare(distance.text, "<b>distance</b> " + Math.round(flightplan.distance) + "nm");
            const duration = child("durationLabel");
            verify(/^<b>duration<\/b> \d\d:\d\d:\d\d$/.test(duration.text), duration.text);
            verify(child("countLabel").visible && distance.visible && duration.visible);
            // A narrow footer first takes the tabs' names, then lets the totals go from the right:
            // the room is what the buttons, the tabs and twice the buttons' spacing leave.
            const buttons = child("generatorButton").parent;
            const tabBar = child("tabBar");
            const count = child("countLabel");
            compare(tabBar.itemAt(3).display, AbstractButton.TextBesideIcon);
            panel.width = buttons.implicitWidth + 2 * buttons.spacing + tabBar.implicitWidth + count.implicitWidth + distance.implicitWidth
                          + duration.implicitWidth + 5 + 10 + 10 - 1;
            compare(tabBar.itemAt(3).display, AbstractButton.IconOnly);
            verify(count.visible && distance.visible && duration.visible);
            // Four tabs of a 14-pixel icon and 12-pixel paddings, a pixel apart.
            compare(tabBar.implicitWidth, 4 * (14 + 2 * 12) + 3);
            const fixed = buttons.implicitWidth + tabBar.implicitWidth + 2 * buttons.spacing;
            panel.width = fixed + count.implicitWidth + distance.implicitWidth + duration.implicitWidth / 2;
            compare([count.visible, distance.visible, duration.visible], [true, true, false]);
            panel.width = fixed + count.implicitWidth + distance.implicitWidth / 2;
            compare([count.visible, distance.visible, duration.visible], [true, false, false]);
            panel.width = fixed + count.implicitWidth / 2;
            compare([count.visible, distance.visible, duration.visible], [false, false, false]);

            mouseClick(child("clearButton"));
            compare(flightplan.count, 0);
            mouseClick(child("generatorButton"));
            compare(window.stubs.generatorDialog.stubOpened, 1);
        }

        function test_tabsSendOnePageViewEachWhenLeft() {
            setPlan(longPlan);
            const tabBar = child("tabBar");
            testSupport.movePointer(tabBar.itemAt(0), 10, 10);
            ism.stubCalls = [];
            const expected = [["/table", "Table"], ["/profile", "Profile"], ["/fuel", "Fuel"], ["/ofp", "OFP"]];
            for (let i = 1; i <= 4; ++i) {
                wait(20);
                mouseClick(tabBar.itemAt(i % 4));
                compare(ga.stubEvents.length, i);
                const event = ga.stubEvents[i - 1];
                compare([event.name, event.location, event.title], ["page_view"].concat(expected[i - 1]));
                const elapsed = event.parameters.engagement_time_msec;
                verify(Number.isFinite(elapsed) && elapsed >= 20, String(elapsed));
                // The briefing is laid out only while its tab is shown.
                const briefing = child("briefingText").text;
                if (i === 3)
                    verify(briefing.startsWith("OPERATIONAL FLIGHT PLAN") && briefing === flightplan.general.ofp, briefing);
                else
                    compare(briefing, "");
            }
            // Back on the table with the pointer on its tab, over a row kept out of the table's
            // sight: the row does not react.
            const hidden = row(9);
            const table = panel.table;
            verify(hidden.y >= table.contentY + table.height);
            verify(hidden.contains(tabBar.itemAt(0).mapToItem(hidden, 10, 10)));
            verify(!child("rowButtons", hidden).visible);
            compare(ism.stubCalls.filter(call => call.startsWith("setHovered")), []);
            // Nor does a row that shows its top edge only, when the table shows under the pointer
            // resting on the footer over the rest of it.
            table.contentY = hidden.y + 6 - table.height;
            verify(hidden.contains(table.mapToItem(hidden, 500, table.height + 10)));
            tabBar.currentIndex = 2;
            testSupport.movePointer(table, 500, table.height + 10);
            tabBar.currentIndex = 0;
            wait(50);
            verify(!child("rowButtons", hidden).visible);
            compare(ism.stubCalls.filter(call => call.startsWith("setHovered")), []);
            table.contentY = 0;
            // Nor does a row shown under the pointer resting on a modal dialog, until the dialog
            // has closed and the pointer moves.
            tabBar.currentIndex = 2;
            modalDialog.open();
            tryVerify(() => modalDialog.opened);
            testSupport.movePointer(table, 500, 20);
            tabBar.currentIndex = 0;
            const buttons = child("rowButtons", row(0));
            verify(!buttons.visible);
            modalDialog.close();
            tryVerify(() => !modalDialog.visible);
            mouseMove(table, 501, 20);
            tryVerify(() => buttons.visible);
            compare(ism.stubCalls.filter(call => call.startsWith("setHovered")), ["setHovered true XRTA"]);
            // A question, which dims nothing, takes the row's buttons and hover away while open.
            question.open();
            tryVerify(() => question.visible);
            mouseMove(table, 502, 20);
            tryVerify(() => !buttons.visible);
            question.close();
            tryVerify(() => !question.visible);
            mouseMove(table, 500, 20);
            tryVerify(() => buttons.visible);
            compare(ism.stubCalls.filter(call => call.startsWith("setHovered")),
                    ["setHovered true XRTA", "setHovered false XRTA", "setHovered true XRTA"]);
        }

        function test_screenshot() {
            testSupport.storeValue("flightplan/autocompute", true);
            setPlan(["XRTA", "XR/ENRT/XRA", "XR/ENRT/XRB", "XRTB"]);
            flightplan.computeProfile();
            mouseClick(child("tabBar").itemAt(1));
            const chart = panel.chart;
            tryVerify(() => chart.visible && chart.count === 1);
            const upper = chart.series(0).upperSeries;
            verify(upper.at(1).y > 0, "a profile above the ground");
            waitForRendering(panel);
            wait(300);
            const image = grabImage(panel);
            image.save(testSupport.screenshotPath("flightplan-profile.png"));
            // The chart's area holds the title, axes, labels and the filled profile.
            const origin = chart.mapToItem(panel, 0, 0);
            const colours = new Set();
            for (let x = Math.max(0, origin.x); x < Math.min(image.width, origin.x + chart.width); x += 3) {
                for (let y = Math.max(0, origin.y); y < Math.min(image.height, origin.y + chart.height); y += 3)
                    colours.add(String(image.pixel(x, y)));
            }
            verify(colours.size > 20, "only " + colours.size + " colours");
        }

        function test_selectionScrollsTheTableAndInsertsSelect() {
            setPlan(longPlan);
            const table = panel.table;
            compare(table.contentY, 0);
            verify(table.height < 14 * 40);
            ism.selectFromRoute(13);
            // The last row is wholly in view, at the bottom.
            tryVerify(() => Math.abs(table.contentY + table.height - 14 * 40) < 1, 1000, String(table.contentY));
            compare(table.currentIndex, 13);
            // A waypoint the plan inserts and asks to select is selected through the table's row.
            ism.stubCalls = [];
            verify(flightplan.prepend("XRTC"));
            compare(ism.stubCalls.filter(call => call.startsWith("selectFromRoute")), ["selectFromRoute 0"]);
        }
    }
}
