import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import QtQuick.Window
import Qt.labs.platform as Platform
import Qt.labs.settings
import Corvel.Point as NavPoint
import Corvel.Segment as NavSegment
import Waylore.Ui

// The root of the user interface: tool bar, map, flight-plan table and side panels, the
// dialogs, and the start-up sequence that loads the navigation database. Other pages reach
// the children by their ids (map, status, fileManager...).
ApplicationWindow {
    id: window

    property var clouds: null
    property var precipitation: null
    property var wind: null
    readonly property bool dialog: databaseDialog.visible || airacMismatchDialog.visible || airplaneDialog.visible
                                   || generatorDialog.visible || waypointEditDialog.visible || preferencesDialog.visible
                                   || aboutDialog.visible || updater.visible || (splash !== null && splash.visible)
    // Set once every setting has been erased: from then on nothing of the window is stored.
    property bool settingsCleared: false
    // The database publishes its cycle as a constant: it is read again whenever a load, an import
    // or a clear has replaced the data.
    property string databaseCycle: database.cycle
    property bool welcomed: false
    readonly property SplashDialog splash: splashLoader.item as SplashDialog

    // The controls of every page and dialog write their numbers as the interface language does.
    // (6.4's linter does not know the type of a control's locale.)
    locale: Qt.locale(translationManager.activeLanguage) // qmllint disable type

    function ensureValidWindowPosition() {
        // A first size or a stored one larger than the screen's room (a small screen, a size
        // kept from a larger one) would hide the footer and the dialogs' buttons: it shrinks
        // to the room, down to the smallest size the window supports, and the window is centred.
        const [roomWidth, roomHeight] = [Math.min(Screen.width, Screen.desktopAvailableWidth),
                                         Math.min(Screen.height, Screen.desktopAvailableHeight)];
        const [oldWidth, oldHeight] = [width, height];
        width = Math.max(minimumWidth, Math.min(width, roomWidth));
        height = Math.max(minimumHeight, Math.min(height, roomHeight));
        const layoutChanged = settingsWindow.desktopAvailableWidth !== Screen.desktopAvailableWidth
            || settingsWindow.desktopAvailableHeight !== Screen.desktopAvailableHeight;
        if (layoutChanged)
            console.info("Screen layout changed, reset window position");
        if (layoutChanged || width !== oldWidth || height !== oldHeight) {
            // A window larger than the screen keeps its title bar on it.
            x = Math.max(0, Screen.width / 2 - width / 2);
            y = Math.max(0, Screen.height / 2 - height / 2);
        }
        console.info("Window postion (" + x + ";" + y + "), size (" + width + ";" + height + ")");
    }

    // At the start only: a downloaded database is read by the same thread of the database, and
    // its end must not cover what the status line says about the new data.
    function databaseLoaded() {
        if (welcomed)
            return;
        welcomed = true;
        status.greet(qsTr("Welcome to %1 %2").arg(Qt.application.name).arg(Qt.application.version));
    }

    // Closing never closes the window by itself: the file manager quits once the document is
    // safe (at once when it is saved, else after asking).
    function requestQuit() {
        // The entry function stores the program's folder at every start and the window's group
        // its height half a second after it exists: without both, the store was emptied.
        if (!settingsCleared && storeRoot.value("path", "") === "" && settingsWindow.value("height", -1) === -1)
            forgetStoredState();
        tracker.stop();
        ga.flush();
        fileManager.saveBeforeQuit();
    }

    // Erases every stored setting (airplane profiles and simulator folder included) once the
    // pilot has agreed, then quits.
    function resetAllSettings() {
        settings.clear();
        window.close();
    }

    // The store was emptied (here or by the preferences' reset): the window's groups are turned
    // to a scratch file, so that the geometry and layers the window still changes while it quits
    // are not written back, and the store is emptied once more of what they had pending.
    function forgetStoredState() {
        settingsCleared = true;
        const scratch = Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.TempLocation))
            + "/" + Qt.application.name + "-discarded.ini";
        settingsWindow.fileName = scratch;
        settingsMap.fileName = scratch;
        settings.clear();
    }

    // Each weather layer lives only while its toggle is checked.
    function toggleWeather(toggle, name, layerType, title) {
        if (!toggle.checked) {
            if (window[name])
                window[name].destroy();
            window[name] = null;
            return;
        }
        ga.sendEvent("weather", "/", "Main", {
            "weatherlayer": title
        });
        const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/map/Weather.qml");
        if (component.status !== Component.Ready)
            return;
        const key = layerType.replace("_new", "");
        window[name] = component.createObject(map, {
            "layerType": layerType,
            "enabled": Qt.binding(() => toggle.checked),
            "opacity": Qt.binding(() => theme.opacity(key))
        });
    }

    width: 1200
    height: 800
    minimumWidth: constants.debug ? 730 : 1020
    minimumHeight: 730
    visible: true
    visibility: Window.Windowed
    title: Qt.application.name + " - " + document.name + (document.saved ? "" : "*")
    Material.theme: preferencesDialog.dark ? Material.Dark : Material.Light
    Material.background: preferencesDialog.dark ? "#444" : "#EEE"
    Material.primary: preferencesDialog.dark ? "#333" : "#FFF"
    Material.accent: Material.Indigo

    onClosing: close => {
        close.accepted = false;
        requestQuit();
    }

    // The tool bar's buttons, no wider than their icon needs: at the smallest window the whole
    // row is in sight.
    component BarButton: IconButton {
        implicitWidth: FontAwesome.iconSize + 2 * 11
    }
    component BarToggle: ToggleButton {
        implicitWidth: FontAwesome.iconSize + 2 * 11
    }

    MainMenu {
        id: mainMenu

        objectName: "mainMenu"
        FileMenu {
        }
        EditMenu {
        }
        RouteMenu {
        }
        AirplaneMenu {
        }
        InspirationMenu {
            id: inspirationMenu
        }
        MapMenu {
            id: mapMenu
        }
        ViewMenu {
        }
        HelpMenu {
        }
        DebugMenu {
        }
    }

    header: ToolBar {
        objectName: "toolBar"

        background: Rectangle {
            color: window.Material.background

            Rectangle {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                height: 4
                color: window.Material.primary
            }
        }

        // Narrower than the smallest window (a debugging build's) the row is wider than the bar:
        // it scrolls sideways (mouse wheel or the bar along the bottom edge) rather than cut its
        // last buttons off.
        clip: true
        contentHeight: toolLayout.implicitHeight

        RowLayout {
            id: toolLayout

            x: -toolScroll.position * width
            // The theme box gives up its spare width before the row scrolls.
            width: Math.max(implicitWidth - (themeComboBox.implicitWidth - themeComboBox.Layout.minimumWidth), parent.width)
            height: parent.height
            spacing: 0

            BarButton {
                id: menuButton

                objectName: "menuButton"
                visible: Qt.platform.os === "linux"
                Layout.leftMargin: 8
                source: "qrc:/fa/solid/bars.svg"
                tooltip: qsTr("Menu")
                onClicked: mainMenu.open()
            }
            BarButton {
                source: "qrc:/fa/solid/file.svg"
                icon.width: FontAwesome.iconSize * 0.8
                tooltip: qsTr("Create new flight plan")
                onClicked: fileManager.newDoc()
            }
            BarButton {
                source: "qrc:/fa/solid/folder-open.svg"
                tooltip: qsTr("Open existing flight plan")
                onClicked: fileManager.openDoc("*")
            }
            BarButton {
                source: "qrc:/fa/solid/floppy-disk.svg"
                tooltip: qsTr("Save flight plan")
                onClicked: fileManager.saveDoc()
            }
            BarButton {
                source: "qrc:/fa/solid/circle-info.svg"
                tooltip: qsTr("Flight information")
                onClicked: flightInfoDialog.open()
            }
            BarButton {
                objectName: "generatorToolButton"
                source: "qrc:/fa/solid/route.svg"
                tooltip: qsTr("Open the route generator")
                onClicked: generatorDialog.open()
            }
            BarButton {
                objectName: "quickExportButton"
                source: "qrc:/fa/solid/file-export.svg"
                enabled: flightplan.count > 1
                tooltip: qsTr("Quick export to X-Plane") + "\n\n" + qsTr("Default format: ") + "\"" + preferencesDialog.defaultExportFormat
                         + "\"\n" + qsTr("Export directory: ") + "\""
                         + (preferencesDialog.exportToCustomDirectory ? preferencesDialog.customExportDirectory : "<X-Plane>/Output/FMS plans")
                         + "\"\n" + qsTr("These settings can be modified in the preferences.")
                onClicked: {
                    if (!exporter.toDefault())
                        exporterErrorDialog.show(exporter.msgerror);
                }
            }
            BarButton {
                objectName: "simulatorButton"
                checkable: true
                checked: xpconnect.state > 0
                source: checked ? "qrc:/fa/solid/plane.svg" : "qrc:/fa/solid/plane-slash.svg"
                icon.width: FontAwesome.iconSize * 1.2
                tooltip: xpconnect.state > 0 ? qsTr("Disconnect from simulator") : qsTr("Connect to simulator")
                onClicked: xpconnect.state > 0 ? xpconnect.disconnect() : xpconnect.connect()
            }
            ToolSeparator {
            }
            // The map layers. Each toggle shows its "map" setting, which the Map menu's item for
            // the layer shares, waits for its zoom level, and on the pilot's toggle sets the
            // filters of its layer: a map model and, but for the airport ground, a type.
            Repeater {
                model: [
                    { name: "airportToggle", setting: "airportVisibility", icon: "qrc:/icon/airp.svg",
                        hide: qsTr("Hide airports on the map"), show: qsTr("Show airports on the map"),
                        minzoom: constants.minzoomAirport, filters: [[pointMapModel, NavPoint.Point.AIRP]] },
                    { name: "airportGroundToggle", setting: "airportGroundVisibility", icon: "qrc:/icon/airp_gnd.svg",
                        hide: qsTr("Hide airports ground"), show: qsTr("Show airports ground"),
                        minzoom: constants.minzoomAirportGround,
                        filters: [[boundaryMapModel], [runwayMapModel], [taxiwayMapModel], [paintlightMapModel],
                                  [taxinameMapModel], [startupMapModel]] },
                    { name: "ndbToggle", setting: "ndbVisibility", icon: "qrc:/icon/ndb.svg",
                        hide: qsTr("Hide NDB on the map"), show: qsTr("Show NDB on the map"),
                        minzoom: constants.minzoomNdb, filters: [[pointMapModel, NavPoint.Point.NDB]] },
                    { name: "vordmeToggle", setting: "vordmeVisibility", icon: "qrc:/icon/vor.svg",
                        hide: qsTr("Hide VOR and DME on the map"), show: qsTr("Show VOR and DME on the map"),
                        minzoom: constants.minzoomVorDme,
                        filters: [[pointMapModel, NavPoint.Point.VOR], [pointMapModel, NavPoint.Point.DME]] },
                    { name: "fixToggle", setting: "fixVisibility", icon: "qrc:/icon/fix.svg",
                        hide: qsTr("Hide FIX on the map"), show: qsTr("Show FIX on the map"),
                        minzoom: constants.minzoomFix, filters: [[pointMapModel, NavPoint.Point.FIX]] },
                    { name: "highSegmentToggle", setting: "highSegmentVisibility", icon: "qrc:/icon/segment_h.svg",
                        hide: qsTr("Hide HIGH (Jet) segments on the map"), show: qsTr("Show HIGH (Jet) segments on the map"),
                        minzoom: constants.minzoomHighSegment, filters: [[segmentMapModel, NavSegment.Segment.HIGH]] },
                    { name: "lowSegmentToggle", setting: "lowSegmentVisibility", icon: "qrc:/icon/segment_l.svg",
                        hide: qsTr("Hide LOW (Victor) segments on the map"), show: qsTr("Show LOW (Victor) segments on the map"),
                        minzoom: constants.minzoomLowSegment, filters: [[segmentMapModel, NavSegment.Segment.LOW]] },
                    { name: "trackSegmentToggle", setting: "trackSegmentVisibility", icon: "qrc:/icon/segment_t.svg",
                        hide: qsTr("Hide tracks on the map"), show: qsTr("Show tracks on the map"),
                        minzoom: constants.minzoomTrackSegment, filters: [[segmentMapModel, NavSegment.Segment.TRACK]] }
                ]
                delegate: BarToggle {
                    required property var modelData

                    function apply() {
                        for (const [model, ...types] of modelData.filters)
                            model.setTypeFilter(checked, ...types);
                    }

                    objectName: modelData.name
                    checked: settingsMap[modelData.setting]
                    source: modelData.icon
                    tooltip: checked ? modelData.hide : modelData.show
                    enabled: map.zoomLevel >= modelData.minzoom
                    // The setting follows however the state changed.
                    onCheckedChanged: {
                        if (settingsMap[modelData.setting] !== checked)
                            settingsMap[modelData.setting] = checked;
                    }
                    onToggled: apply()
                }
            }
            ComboBox {
                id: themeComboBox

                objectName: "themeComboBox"
                implicitWidth: 175
                // Narrower before the tool bar has to scroll.
                Layout.fillWidth: true
                Layout.minimumWidth: 110
                Layout.maximumWidth: 175
                implicitHeight: 28
                model: themeManager.list
                onActivated: index => map.changeTheme(index)

                HoverHandler {
                    id: themeHover
                }
                CustomToolTip {
                    x: 0
                    text: qsTr("Change map theme")
                    visible: themeHover.hovered
                }
            }
            // The weather layers, each held in the window property of its name.
            Repeater {
                model: [
                    { name: "cloudsToggle", layer: "clouds", layerType: "clouds_new", title: "Clouds", icon: "qrc:/fa/solid/cloud-bolt.svg",
                        hide: qsTr("Hide cloud map"), show: qsTr("Show cloud map") },
                    { name: "precipitationToggle", layer: "precipitation", layerType: "precipitation_new", title: "Precipitation",
                        icon: "qrc:/fa/solid/cloud-showers-heavy.svg", hide: qsTr("Hide precipitation map"), show: qsTr("Show precipitation map") },
                    { name: "windToggle", layer: "wind", layerType: "wind_new", title: "Wind", icon: "qrc:/fa/solid/wind.svg",
                        hide: qsTr("Hide wind map"), show: qsTr("Show wind map") }
                ]
                delegate: BarToggle {
                    id: weatherToggle

                    required property var modelData

                    objectName: modelData.name
                    source: modelData.icon
                    tooltip: checked ? modelData.hide : modelData.show
                    onCheckedChanged: window.toggleWeather(weatherToggle, modelData.layer, modelData.layerType, modelData.title)
                }
            }
            ToolSeparator {
            }
            BarToggle {
                id: flightplanTableToggle

                objectName: "flightplanTableToggle"
                checked: true
                source: "qrc:/fa/solid/table.svg"
                tooltip: checked ? qsTr("Hide flight plan table") : qsTr("Show flight plan table ")
            }
            BarToggle {
                id: sidePanelToggle

                objectName: "sidePanelToggle"
                checked: true
                source: "qrc:/fa/solid/table-columns.svg"
                tooltip: checked ? qsTr("Hide side panel") : qsTr("Show side panel")
            }
            Item {
                Layout.fillWidth: true
            }
        }
        ScrollBar {
            id: toolScroll

            objectName: "toolScroll"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            orientation: Qt.Horizontal
            size: parent.width / toolLayout.width
            // Shown while the pointer is on it or it is dragged: always on, it laid a grey band
            // over the bottom of the buttons. The wheel scrolls the bar anywhere on it.
            policy: size < 1 ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
        }
        WheelHandler {
            enabled: toolScroll.size < 1
            onWheel: event => toolScroll.position = Math.max(0, Math.min(1 - toolScroll.size, toolScroll.position - event.angleDelta.y / toolLayout.width))
        }
    }

    SplitView {
        id: mainSplitView

        anchors.fill: parent
        orientation: Qt.Horizontal
        handle: Rectangle {
            implicitWidth: 4
            color: window.Material.primary
        }

        SplitView {
            id: mapSplitView

            SplitView.fillWidth: true
            orientation: Qt.Vertical
            handle: Rectangle {
                implicitHeight: 4
                color: window.Material.primary
            }

            Navigation {
                id: map

                SplitView.minimumHeight: 200
                SplitView.fillHeight: true

                onProblem: text => status.message(text, true)
            }
            FlightplanPanel {
                id: flightplanPanel

                objectName: "flightplanPanel"
                inspirationMenu: inspirationMenu
                SplitView.minimumHeight: 200
                SplitView.preferredHeight: 250
                visible: flightplanTableToggle.checked
                onVisibleChanged: ga.sendEvent("flightplanpanel", "/", "Main", {
                    "visible": visible
                })
            }
        }
        SplitView {
            id: panelSplitView

            objectName: "panelSplitView"
            SplitView.minimumWidth: 320
            SplitView.preferredWidth: 320
            SplitView.maximumWidth: 500
            orientation: Qt.Vertical
            visible: sidePanelToggle.checked
            onVisibleChanged: ga.sendEvent("sidepanel", "/", "Main", {
                "visible": visible
            })
            handle: Rectangle {
                implicitHeight: 4
                color: window.Material.primary
            }

            PointPanel {
                id: pointPanel

                objectName: "pointPanel"
                SplitView.preferredHeight: 300
                // One pane takes the spare height: with two, the split let the first have it and
                // gave the information pane the height of its whole page, below the window,
                // where its scroll bar had nothing to scroll.
                SplitView.fillHeight: expanded && !infoPanel.expanded
            }
            InformationPanel {
                id: infoPanel

                objectName: "infoPanel"
                implicitWidth: 0
                SplitView.fillHeight: true
            }
            StatusPanel {
                id: status

                cycle: window.databaseCycle
                position: map.cursorPosition
            }
        }
    }

    FileManager {
        id: fileManager

        objectName: "fileManager"
    }
    ExportAsDialog {
        id: exportAsDialog

        objectName: "exportAsDialog"
    }
    ExporterErrorDialog {
        id: exporterErrorDialog
    }
    // What the preferences store could not read or write, told once.
    MessageDialog {
        id: settingsProblemDialog

        objectName: "settingsProblemDialog"
        // Titled: the style sets an untitled message's text flush against its top edge.
        title: Qt.application.name
        text: qsTr("Problem with the preferences")
        informativeText: settings.problem
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Ok // qmllint disable type
    }
    SoftwareUpdate {
        id: updater

        parent: Overlay.overlay
        anchors.centerIn: parent
    }

    PageViewTracker {
        id: tracker

        location: "/"
        title: "Main"
        opened: true
    }

    Loader {
        id: splashLoader

        active: false
        sourceComponent: SplashDialog {
            parent: Overlay.overlay
            anchors.centerIn: parent
            onCycleMismatch: (databaseCycle, xpCycle) => {
                airacMismatchDialog.databaseCycle = databaseCycle;
                airacMismatchDialog.xpCycle = xpCycle;
                airacMismatchDialog.open();
            }
        }
    }
    DatabaseDialog {
        id: databaseDialog

        objectName: "databaseDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
    }
    // Above the splash.
    AiracMismatchDialog {
        id: airacMismatchDialog

        objectName: "airacMismatchDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        z: 1
        onOpenDatabaseRequested: {
            window.splash.close();
            databaseDialog.open();
        }
    }
    TracksUpdateDialog {
        id: tracksUpdateDialog

        anchors.centerIn: parent
    }
    AirplaneDialog {
        id: airplaneDialog

        objectName: "airplaneDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
    }
    GeneratorDialog {
        id: generatorDialog

        objectName: "generatorDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        navigationMap: map
    }
    PreferencesDialog {
        id: preferencesDialog

        parent: Overlay.overlay
        anchors.centerIn: parent
        // The units may have changed: the plan's texts are written anew, the plan itself is not
        // computed again (that would replace the altitudes and speeds set by hand).
        onClosed: {
            flightplan.signalDataHasChanged();
            map.reloadAll();
        }
    }
    FlightInfoDialog {
        id: flightInfoDialog

        objectName: "flightInfoDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
    }
    WaypointEditDialog {
        id: waypointEditDialog

        parent: Overlay.overlay
        anchors.centerIn: parent
    }
    AboutDialog {
        id: aboutDialog

        parent: Overlay.overlay
        anchors.centerIn: parent
    }
    Dialog {
        id: resetDialog

        // Its yes empties the whole store: Enter answers no.
        readonly property bool destroysData: true

        objectName: "resetDialog"
        parent: Overlay.overlay
        anchors.centerIn: parent
        modal: true
        closePolicy: Popup.CloseOnEscape
        title: qsTr("Reset preferences")
        standardButtons: Dialog.Yes | Dialog.No
        onAccepted: window.resetAllSettings()

        Label {
            text: qsTr("Restore preferences to factory defaults, all user settings will\nbe lost. These operations cannot be reverted!")
        }
    }

    // The main menu from the keyboard: F10 or Alt alone opens it, Alt and a menu's underlined
    // letter that menu, below the menu button.
    Shortcut {
        objectName: "menuShortcut"
        sequence: "F10"
        enabled: mainMenu.popup
        onActivated: mainMenu.open(menuButton)
    }
    Instantiator {
        model: mainMenu.popup ? mainMenu.menus : []
        delegate: Shortcut {
            required property Platform.Menu modelData

            sequence: mainMenu.mnemonic(modelData)
            enabled: modelData.visible && modelData.enabled
            onActivated: {
                dialogKeys.altAlone = false;
                modelData.open(menuButton);
            }
        }
    }
    DialogKeys {
        id: dialogKeys

        root: window.contentItem.parent
        overlay: window.Overlay.overlay
        onAltReleased: {
            if (mainMenu.popup)
                mainMenu.open(menuButton);
        }
    }

    // Ctrl+Q quits from any state, as closing the window does: the File menu's entry, which
    // only shows it, would not answer while a dialog or question is open. Where it answers, the
    // key is bound twice and goes to either binding by turns: the turns that fall here quit too.
    Shortcut {
        objectName: "quitShortcut"
        sequences: [StandardKey.Quit]
        context: Qt.ApplicationShortcut
        onActivated: window.requestQuit()
        onActivatedAmbiguously: window.requestQuit()
    }
    Shortcut {
        objectName: "resetShortcut"
        sequence: "Ctrl+Shift+Y"
        context: Qt.ApplicationShortcut
        onActivated: resetDialog.open()
    }

    // A window manager's title bar would push the bottom of a window the screen's height off it.
    WindowFrame {
        window: window
    }
    // The top level of the store, read to tell whether it was emptied.
    Settings {
        id: storeRoot
    }
    // The stored state of the window, the map and the documents.
    Settings {
        id: settingsWindow

        property int desktopAvailableWidth
        property int desktopAvailableHeight
        property alias x: window.x
        property alias y: window.y
        property alias width: window.width
        property alias height: window.height
        property alias visibility: window.visibility
        property var mainSplitView
        property var mapSplitView
        property var panelSplitView
        property alias sidePannelVisibility: sidePanelToggle.checked
        property alias flightplanTableVisibility: flightplanTableToggle.checked
        property alias pointPanelExpanded: pointPanel.expanded
        property alias infoPanelExpanded: infoPanel.expanded

        category: "window"
    }
    Settings {
        id: settingsMap

        property alias center: map.center
        property alias zoomLevel: map.zoomLevel
        property alias themeIndex: themeComboBox.currentIndex
        // Shown and changed by the layer toggles of the tool bar and the Map menu.
        property bool airportVisibility: true
        property bool airportGroundVisibility: true
        property bool ndbVisibility: true
        property bool vordmeVisibility: true
        property bool fixVisibility: true
        property bool highSegmentVisibility: true
        property bool lowSegmentVisibility: true
        property bool trackSegmentVisibility: true

        category: "map"
    }
    Settings {
        id: settingsFlightplan

        property bool autocompute: true

        category: "flightplan"
    }
    Settings {
        id: settingsDocument

        property url lastFolder

        category: "document"
    }

    Connections {
        target: database

        function onFinished() {
            window.databaseLoaded();
        }
        function onLoaded() {
            window.databaseCycle = database.cycle;
            window.databaseLoaded();
        }
        function onUpdated() {
            window.databaseCycle = database.cycle;
        }
    }
    // The plan file says more than the plan now holds: the title marks it unsaved, and the pilot
    // is told why.
    Connections {
        target: flightplan

        function onPointsLost(count) {
            status.message(qsTr("%n waypoint(s) not in this navigation database became coordinate points", "", count), true);
        }
    }
    Connections {
        target: settings

        function onProblemChanged() {
            settingsProblemDialog.open();
        }
    }
    Connections {
        target: xpconnect

        function onMessage(text, error) {
            status.message(text, error);
        }
    }

    Component.onCompleted: {
        if (visibility === Window.Hidden || visibility === Window.Minimized)
            visibility = Window.Windowed;
        ensureValidWindowPosition();
        mainSplitView.restoreState(settingsWindow.mainSplitView);
        mapSplitView.restoreState(settingsWindow.mapSplitView);
        panelSplitView.restoreState(settingsWindow.panelSplitView);
        splashLoader.active = true;
        if (settings.problem !== "")
            settingsProblemDialog.open();
    }
    Component.onDestruction: {
        if (settingsCleared)
            return;
        settingsWindow.mainSplitView = mainSplitView.saveState();
        settingsWindow.mapSplitView = mapSplitView.saveState();
        settingsWindow.panelSplitView = panelSplitView.saveState();
        settingsWindow.desktopAvailableWidth = Screen.desktopAvailableWidth;
        settingsWindow.desktopAvailableHeight = Screen.desktopAvailableHeight;
    }
}
