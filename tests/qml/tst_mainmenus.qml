import QtQuick
import QtTest
import Waylore.Ui

// The main menus with the real plan: keyboard shortcuts (never while typing), the entries
// that depend on the plan, the waypoint the edit entry opens, and the lists the menus follow.
StrictTestCase {
    id: testCase

    property Item host

    function initTestCase() {
        verify(testSupport.useNative("flightplan"));
        verify(testSupport.importTestSimulator());
        host = Qt.createComponent("MenuWindow.qml").createObject(testCase.parent);
        verify(host);
    }

    function prepare() {
        document.niew();
        verify(flightplan.append("XRTA", false));
        verify(flightplan.append("XRTB", false));
        host.calls = [];
        host.ism.hoveredOrCurrentUID = "XRTC";
        host.ism.hasSelection = true;
        host.ism.currentTableRow = 0;
        host.settingsWindow.flightplanTableVisibility = true;
        host.settingsWindow.sidePannelVisibility = true;
        host.forceActiveFocus();
    }

    function test_letterShortcuts_data() {
        return [
            { tag: "A", key: Qt.Key_A, text: "a", uid: "XRTC", call: "", route: ["XRTA", "XRTC", "XRTB"], visible: [true, true] },
            { tag: "R", key: Qt.Key_R, text: "r", uid: "XRTB", call: "", route: ["XRTA"], visible: [true, true] },
            { tag: "space adds", key: Qt.Key_Space, text: " ", uid: "XRTC", call: "", route: ["XRTA", "XRTC", "XRTB"], visible: [true, true] },
            { tag: "space removes", key: Qt.Key_Space, text: " ", uid: "XRTA", call: "", route: ["XRTB"], visible: [true, true] },
            { tag: "I", key: Qt.Key_I, text: "i", uid: "XRTC", call: "showPointInfo XRTC", route: ["XRTA", "XRTB"], visible: [true, true] },
            { tag: "W", key: Qt.Key_W, text: "w", uid: "XRTB", call: "showWaypointInfo XRTB", route: ["XRTA", "XRTB"], visible: [true, true] },
            { tag: "E", key: Qt.Key_E, text: "e", uid: "XRTB", call: "editWaypoint XRTB 1", route: ["XRTA", "XRTB"], visible: [true, true] },
            { tag: "F", key: Qt.Key_F, text: "f", uid: "XRTC", call: "fitViewport", route: ["XRTA", "XRTB"], visible: [true, true] },
            { tag: "T", key: Qt.Key_T, text: "t", uid: "XRTC", call: "", route: ["XRTA", "XRTB"], visible: [false, true] },
            { tag: "P", key: Qt.Key_P, text: "p", uid: "XRTC", call: "", route: ["XRTA", "XRTB"], visible: [true, false] },
            { tag: "(", key: Qt.Key_ParenLeft, text: "(", uid: "XRTC", call: "setPrevious", route: ["XRTA", "XRTB"], visible: [true, true] },
            { tag: ")", key: Qt.Key_ParenRight, text: ")", uid: "XRTC", call: "setNext", route: ["XRTA", "XRTB"], visible: [true, true] }
        ];
    }

    // Each key acts on the hovered point outside a text field, and only types inside one.
    function test_letterShortcuts(data) {
        host.ism.hoveredOrCurrentUID = data.uid;
        host.field.text = "";
        host.field.forceActiveFocus();
        keyClick(data.text);
        compare(host.field.text, data.text);
        compare(host.calls, []);
        compare(flightplan.general.waypointuids, ["XRTA", "XRTB"]);
        compare([host.settingsWindow.flightplanTableVisibility, host.settingsWindow.sidePannelVisibility], [true, true]);

        host.forceActiveFocus();
        keyClick(data.text);
        compare(host.calls, data.call === "" ? [] : [data.call]);
        compare(flightplan.general.waypointuids, data.route);
        compare([host.settingsWindow.flightplanTableVisibility, host.settingsWindow.sidePannelVisibility], data.visible);
    }

    // The selected row is XRTA; the pointer rests on XRTB: the dialog edits XRTB. With XRTA
    // twice in the plan, the selected visit is the one edited.
    function test_editWaypointItNames() {
        host.ism.hoveredOrCurrentUID = "XRTB";
        host.menuItem(host.routeMenu, "Edit the current waypoint").triggered();
        compare(host.calls, ["editWaypoint XRTB 1"]);
        host.ism.hoveredOrCurrentUID = "XRTC";
        verify(!host.menuItem(host.routeMenu, "Edit the current waypoint").enabled);

        verify(flightplan.duplicate(0));
        compare(flightplan.general.waypointuids, ["XRTA", "XRTA", "XRTB"]);
        host.ism.hoveredOrCurrentUID = "XRTA";
        host.ism.currentTableRow = 1;
        host.calls = [];
        host.menuItem(host.routeMenu, "Edit the current waypoint").triggered();
        compare(host.calls, ["editWaypoint XRTA 1"]);
        // An en-route point is named by its code, not its identifier.
        verify(flightplan.append("XR/ENRT/XRA", false));
        host.ism.hoveredOrCurrentUID = "XR/ENRT/XRA";
        host.calls = [];
        host.menuItem(host.routeMenu, "Edit the current waypoint").triggered();
        compare(host.calls, ["editWaypoint XRA 3"]);
    }

    // The zoom entries hold the standard zoom keys and step by one whole level, unrounded,
    // up to the map's limits.
    function test_zoomEntries_data() {
        return [
            { tag: "key in", key: Qt.Key_Plus, zoom: 11.4, expected: 12.4 },
            { tag: "key out", key: Qt.Key_Minus, zoom: 11.4, expected: 10.4 },
            { tag: "key in below the top", key: Qt.Key_Plus, zoom: 17.5, expected: 18 },
            { tag: "key out above the bottom", key: Qt.Key_Minus, zoom: 3.5, expected: 3 }
        ];
    }

    function test_zoomEntries(data) {
        compare(host.menuItem(host.mapMenu, "Zoom in").shortcut, StandardKey.ZoomIn);
        compare(host.menuItem(host.mapMenu, "Zoom out").shortcut, StandardKey.ZoomOut);
        host.map.zoomLevel = data.zoom;
        keyClick(data.key, Qt.ControlModifier);
        fuzzyCompare(host.map.zoomLevel, data.expected, 1e-9);
        host.map.zoomLevel = 8;
    }

    function test_entriesFollowThePlan() {
        const file = host.fileMenu;
        const names = ["Preview...", "Print...", "Export flight plan to PDF...", "Export flight plan to file", "Export flight plan to network", "Copy flight plan to clipboard", "Share link"];
        compare(names.map(name => host.menuItem(file, name).enabled), names.map(() => true));
        verify(host.menuItem(host.mapMenu, "Fit zoom to flight plan").enabled);
        flightplan.remove(1);
        compare(names.map(name => host.menuItem(file, name).enabled), names.map(() => false));
        verify(!host.menuItem(host.mapMenu, "Fit zoom to flight plan").enabled);
        verify(host.menuItem(host.routeMenu, "Clear").enabled);
        verify(!host.menuItem(host.routeMenu, "Reverse").enabled);
    }

    function test_directExportItems() {
        const menu = host.menuItem(host.fileMenu, "Export flight plan to file").subMenu;
        compare(menu.items.length, 23);
        compare(menu.items[2].text, "Direct export to X-Plane 11/12 FMS (*.fms)");
        compare(menu.items[22].text, "Direct export to Adobe PDF (*.pdf)");
        menu.items[5].triggered();
        compare(host.calls[0], "toFormat 3 (default)");
    }

    function test_airplaneItems() {
        const menu = host.airplaneMenu;
        compare(menu.items.length, 6);
        compare([menu.items[2].text, menu.items[3].text], ["Airbus A320", "Cessna 172"]);
        compare([menu.items[2].checked, menu.items[3].checked], [true, false]);
        menu.items[3].triggered();
        compare(airplanes.currentIndex, 1);
        compare([menu.items[2].checked, menu.items[3].checked], [false, true]);
        airplanes.currentIndex = 0;
    }

    function test_autocompute() {
        const item = host.menuItem(host.routeMenu, "Autocompute on waypoint change");
        const compute = host.menuItem(host.routeMenu, "Compute altitudes and speeds");
        verify(item.checked);
        verify(!compute.enabled);
        item.toggle();
        compare(host.settingsFlightplan.autocompute, false);
        verify(compute.enabled);
        item.toggle();
        compare(host.settingsFlightplan.autocompute, true);
    }

    function test_layerItemsShareTheSetting() {
        const item = host.menuItem(host.mapMenu, "NDB");
        item.toggle();
        compare(host.settingsMap.ndbVisibility, false);
        compare(host.calls, ["pointFilter false 2"]);
        host.calls = [];
        host.settingsMap.ndbVisibility = true;
        verify(item.checked);
        compare(host.calls, ["pointFilter true 2"]);
    }

    function test_popupOnLinux() {
        compare(host.mainMenu.popup, Qt.platform.os === "linux");
        if (host.mainMenu.popup) {
            compare(host.mainMenu.popupMenu.items.length, 9);
            compare(host.mainMenu.popupMenu.items[5].text, "&Map");
        }
        // Each title underlines a letter of its own, which opens it with Alt.
        compare(Array.from(host.mainMenu.menus, menu => host.mainMenu.mnemonic(menu)),
                ["Alt+F", "Alt+E", "Alt+R", "Alt+A", "Alt+I", "Alt+M", "Alt+V", "Alt+H", "Alt+D"]);
        compare(host.menuItem(host.fileMenu, "Save as...").shortcut, "Ctrl+Shift+S");
    }
}
