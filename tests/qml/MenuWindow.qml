import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Stands in for the main window around the main menu and the document and export flows: the
// real file manager, export dialog and error message, the nine menus as the window declares
// them, and recording doubles under the ids and names the menus reach. The plan and the
// document are the real ones of the run.
Item {
    id: window

    readonly property Item activeFocusItem: Window.activeFocusItem
    property bool dialog: false
    property var calls: []
    property alias field: field
    property alias map: map
    property alias fileManager: fileManager
    property alias exportAsDialog: exportAsDialog
    property alias exporterErrorDialog: exporterErrorDialog
    property alias mainMenu: mainMenu
    property alias fileMenu: fileMenu
    property alias editMenu: editMenu
    property alias routeMenu: routeMenu
    property alias airplaneMenu: airplaneMenu
    property alias inspirationMenu: inspirationMenu
    property alias mapMenu: mapMenu
    property alias viewMenu: viewMenu
    property alias exporter: exporter
    property alias printManager: printManager
    property alias ism: ism
    property alias infoManager: infoManager
    property alias settingsWindow: settingsWindow
    property alias settingsFlightplan: settingsFlightplan
    property alias settingsMap: settingsMap

    function record(...call) {
        calls.push(call.join(" "));
    }

    function menuItem(menu, text) {
        for (let i = 0; i < menu.items.length; ++i) {
            const item = menu.items[i];
            if (item.text === text || item.title === text)
                return item;
        }
        return null;
    }

    width: 800
    height: 600

    TextField {
        id: field

        width: 300
    }
    Rectangle {
        id: map

        property real zoomLevel: 8
        property real minimumZoomLevel: 3
        property real maximumZoomLevel: 18

        function fitViewport(bounding) {
            window.record("fitViewport");
        }

        function changeTheme(index) {
            window.record("changeTheme", index);
        }

        y: 50
        width: 200
        height: 100
        color: "steelblue"
    }
    FileManager {
        id: fileManager
    }
    ExportAsDialog {
        id: exportAsDialog
    }
    ExporterErrorDialog {
        id: exporterErrorDialog
    }
    MainMenu {
        id: mainMenu

        FileMenu {
            id: fileMenu
        }
        EditMenu {
            id: editMenu
        }
        RouteMenu {
            id: routeMenu
        }
        AirplaneMenu {
            id: airplaneMenu
        }
        InspirationMenu {
            id: inspirationMenu
        }
        MapMenu {
            id: mapMenu
        }
        ViewMenu {
            id: viewMenu
        }
        HelpMenu {
            id: helpMenu
        }
        DebugMenu {
            id: debugMenu
        }
    }

    // What leaves the machine, or is not built yet, is recorded.
    QtObject {
        id: exporter

        property var formats: ["X-Plane 11/12 FMS (*.fms)", "X-Plane 11/12 FMS without SID/STAR (*.fms)", "X-Plane 9/10 FMS (*.fms)", "X-FMC (*.fpl)", "Aerosoft Airbus (*.flp)", "Aerosoft CRJ (*.flp)", "FlightFactor A320 (*.in)", "FlightFactor 757 v2 (*.flp)", "FlightFactor 767-777 (*.flp)", "Garmin GTN (*.gfp)", "Garmin GTN without SID/STAR (*.gfp)", "IVAO/IVAP (*.fpl)", "IVAO/XIVAP (*.fpl)", "IXEG 737 (*.fpl)", "JARDesign Airbus (*.fpl)", "PMDG Flightplan (*.rte)", "Universal FMC (*.ufmc)", "GPS eXchange Format (*.gpx)", "Google Earth (*.kml)", "Operational Flight Plan (*.txt)", "Adobe PDF (*.pdf)", "Full route", "Shared link"]
        property string msgerror: "disk full"
        property bool succeed: true

        signal done(int format, string file)
        signal failed(int format, string message)

        function formatName(format) {
            return formats[format];
        }

        function toFormat(format, path) {
            window.record("toFormat", format, path === undefined ? "(default)" : path);
            if (succeed)
                done(format, path === undefined ? "default" : path);
            return succeed;
        }

        function clipboard(kind) {
            window.record("clipboard", kind);
        }

        function share(path) {
            window.record("share", path);
            return succeed;
        }
    }
    QtObject {
        id: ism

        property string hoveredOrCurrentUID
        property bool hasHoverOrSelection: hoveredOrCurrentUID !== ""
        property bool hasSelection: false
        property int currentTableRow: -1
    }
    QtObject {
        id: infoManager

        property bool hasPrevious: true
        property bool hasNext: true

        function showPointInfo(uid) {
            window.record("showPointInfo", uid);
        }

        function showWaypointInfo(uid) {
            window.record("showWaypointInfo", uid);
        }

        function setPrevious() {
            window.record("setPrevious");
        }

        function setNext() {
            window.record("setNext");
        }
    }
    QtObject {
        id: waypointEditDialog

        property string code
        property int index: -1

        function open() {
            window.record("editWaypoint", code, index);
        }
    }
    QtObject {
        id: settingsWindow

        property bool flightplanTableVisibility: true
        property bool sidePannelVisibility: true
    }
    QtObject {
        id: settingsMap

        property int themeIndex: 0
        property bool airportVisibility: true
        property bool airportGroundVisibility: true
        property bool ndbVisibility: true
        property bool vordmeVisibility: true
        property bool fixVisibility: true
        property bool highSegmentVisibility: true
        property bool lowSegmentVisibility: true
        property bool trackSegmentVisibility: true
    }
    QtObject {
        id: settingsFlightplan

        property bool autocompute: true
    }
    QtObject {
        id: tracker

        function stop() {
            window.record("tracker.stop");
        }
    }
    QtObject {
        id: themeManager

        property var list: ["Day", "Night"]
    }
    QtObject {
        id: themeComboBox

        property int currentIndex: 0
    }
    QtObject {
        id: pointMapModel

        function setTypeFilter(visible, type) {
            window.record("pointFilter", visible, type);
        }
    }
    QtObject {
        id: printManager

        signal failed(string message)
    }
    QtObject {
        id: status

        function message(text, error) {
            window.record("status", text, error);
        }
    }
    QtObject {
        id: pointPanel

        property Item search: field
    }
}
