import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtPositioning
import Qt.labs.platform as Platform
import Qt.labs.settings
import Corvel.Map
import Corvel.BaseItem
import Waylore.Ui

// The moving map: background tiles, and above them a transparent overlay that carries every
// layer of navigation data, the route and the tracked airplane. The main window gives it the
// id `map`, by which the layers, menus and dialogs reach it.
Item {
    id: navigation

    property alias center: overlayMap.center
    property alias bearing: overlayMap.bearing
    property alias zoomLevel: overlayMap.zoomLevel
    property alias minimumZoomLevel: overlayMap.minimumZoomLevel
    property alias maximumZoomLevel: overlayMap.maximumZoomLevel
    property alias pixelPerMeter: overlayMap.pixelPerMeter
    property alias pixelPerNm: overlayMap.pixelPerNm
    property string cursorPosition: ""
    property bool dbloaded: false
    // A repository of tile-provider descriptions (one per built-in theme, in theme order, under
    // the map types' names) overrides the descriptions shipped with the program; none by default.
    property string providersRepository: settingsBackground.providersRepository.trim()
    // The models filtered to the view, in the order of a filter pass.
    readonly property var filteredModels: [boundaryMapModel, pointMapModel, runwayMapModel, segmentMapModel,
        taxiwayMapModel, paintlightMapModel, taxinameMapModel, startupMapModel]

    // Something the pilot should know of, told in the status bar.
    signal problem(string text)

    function toCoordinate(point, clip) {
        return overlayMap.toCoordinate(point, clip === undefined ? true : clip);
    }

    function centerOnCoordinate(coord) {
        overlayMap.centerOnCoordinate(coord);
    }

    function fitViewport(shape) {
        overlayMap.fitViewportToGeoShape(shape, 125);
    }

    function changeTheme(index) {
        themeManager.index = index;
        ga.sendEvent("changemaptheme", "/map", "Map", {
            "maptheme": theme.name
        });
        console.log("Change map theme: " + theme.name);
    }

    function reloadAll() {
        changeTheme(themeComboBox.currentIndex);
        reloadItems();
    }

    function reloadItems() {
        overlayMap.viewChanged();
    }

    function mapenable(enable) {
        dbloaded = true;
    }

    Map {
        id: backgroundMap

        objectName: "backgroundMap"
        anchors.fill: parent
        plugin: Plugin {
            name: "osm"

            PluginParameter {
                name: "osm.mapping.providersrepository.address"
                value: navigation.providersRepository
            }
            PluginParameter {
                name: "osm.mapping.highdpi_tiles"
                value: true
            }
            PluginParameter {
                name: "osm.mapping.cache.directory"
                value: Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.CacheLocation)) + "/map/background"
            }
            PluginParameter {
                name: "osm.mapping.cache.disk.cost_strategy"
                value: "unitary"
            }
            PluginParameter {
                name: "osm.mapping.cache.disk.size"
                value: "10000"
            }
            PluginParameter {
                name: "osm.mapping.cache.memory.cost_strategy"
                value: "unitary"
            }
            PluginParameter {
                name: "osm.mapping.cache.memory.size"
                value: "100"
            }
        }
        // The n-th theme goes with the n-th map type.
        activeMapType: themeComboBox.currentIndex < supportedMapTypes.length ? supportedMapTypes[themeComboBox.currentIndex] : null
        center: overlayMap.center
        minimumZoomLevel: overlayMap.minimumZoomLevel
        maximumZoomLevel: overlayMap.maximumZoomLevel
        zoomLevel: overlayMap.zoomLevel
        bearing: overlayMap.bearing
        tilt: overlayMap.tilt
        fieldOfView: overlayMap.fieldOfView
        // The public tile services ask for their attribution to be shown with their tiles.
        copyrightsVisible: true
        // The ground where no tile is drawn (yet, or at all): dark on a night map, where the
        // theme's texts are light.
        color: theme.night ? "#262626" : "#e0e0e0"
        opacity: theme.opacity("background")

        onTileCacheFailed: reason => navigation.problem(qsTr("The map cannot keep its tiles on disk: %1").arg(reason))
    }

    Map {
        id: overlayMap

        property bool ssaaenabled: true
        property int w: width
        property int h: height
        property int pr: Math.max(1, Math.round(Screen.devicePixelRatio))
        // Supersampling factor (called `scale` elsewhere; Item already owns that name).
        property int ssaaScale: ssaaenabled ? 2 : 1
        // While the map moves, the layer is drawn at the device's own resolution: supersampling
        // four times the pixels of every frame of a pan costs more than the pan itself, and a
        // moving picture shows no jagged edge. It comes back 150 ms after the last move.
        readonly property MapStillness stillness: MapStillness {
        }
        readonly property int textureScale: stillness.still ? ssaaScale : 1
        property var startCentroid: QtPositioning.coordinate()
        property real pixelPerMeter: 0
        property real pixelPerNm: 0

        function centerOnPoint(uid) {
            const minzoom = ism.getSelectedItemRole(BaseItem.MinZoom);
            const bounding = ism.getSelectedItemRole(BaseItem.Bounding);
            if (!bounding || !bounding.isValid)
                return;
            const target = bounding.center;
            if (zoomLevel < minzoom && !flightplan.contains(uid))
                zoomLevel = minzoom;
            if (!visibleRegion.contains(target))
                centerOnCoordinate(target);
        }

        function centerOnCoordinate(coord) {
            moveAnimation.stop();
            moveAnimation.from = navigation.center;
            moveAnimation.to = coord;
            moveAnimation.start();
        }

        // Our map lays its items out again by itself; the nudge stays for items that cache their
        // screen position.
        function fixPositionOnResizeBug() {
            pan(1, 1);
            pan(-1, -1);
        }

        // Measured over 100 pixels through the view centre: at the top edge the Mercator scale
        // differs (a lot at low zoom) and the corner may lie off the map. A measure that cannot
        // be taken keeps the last good scale.
        function updatePixelPerDistance() {
            const p0 = toCoordinate(Qt.point(width / 2, height / 2 - 50), false);
            const p1 = toCoordinate(Qt.point(width / 2, height / 2 + 50), false);
            if (!p0.isValid || !p1.isValid)
                return;
            const dist = p0.distanceTo(p1);
            if (!isFinite(dist) || dist <= 0)
                return;
            pixelPerMeter = 100.0 / dist;
            pixelPerNm = 1852.0 * pixelPerMeter;
        }

        // Called on every frame of a move: it only (re)starts the two timers.
        function viewChanged() {
            sceneRedrawTimer.restart();
            if (!movingRedrawTimer.running)
                movingRedrawTimer.start();
        }

        // Gives the eight map models the area in view; the scale at the centre follows the pass,
        // since a pan changes the latitude under the centre.
        function filterPass() {
            sceneRedrawTimer.stop();
            movingRedrawTimer.stop();
            const area = visibleRegion.boundingGeoRectangle();
            const zoom = zoomLevel;
            for (const model of navigation.filteredModels)
                model.setGeoFilter(area, zoom);
            updatePixelPerDistance();
        }

        objectName: "overlayMap"
        anchors.fill: parent
        z: parent.z + 2
        plugin: Plugin {
            name: "itemsoverlay"
        }
        color: "transparent"
        copyrightsVisible: false
        // Out to the whole world once across the map's longer side, as the tiles go, and never
        // less far than zoom 3: a small window still fits a route across an ocean.
        minimumZoomLevel: Math.min(3, Math.log2(Math.max(width, height) / 256))
        maximumZoomLevel: 18
        zoomLevel: 11
        center: QtPositioning.coordinate(48.9, 2.3)
        visible: navigation.dbloaded
        layer.enabled: true
        layer.smooth: true
        // The layer takes its size in whole pixels; Qt.size() would hand it one in fractions.
        layer.textureSize.width: w * textureScale * pr
        layer.textureSize.height: h * textureScale * pr

        onZoomLevelChanged: {
            console.log("Zoom level: " + overlayMap.zoomLevel);
            updatePixelPerDistance();
            viewChanged();
        }
        onCenterChanged: viewChanged()
        onMapReadyChanged: updatePixelPerDistance()
        onWidthChanged: fixPositionOnResizeBug()
        onHeightChanged: fixPositionOnResizeBug()

        CoordinateAnimation {
            id: moveAnimation

            objectName: "moveAnimation"
            target: overlayMap
            property: "center"
            easing.type: Easing.OutExpo
        }

        // A burst of changes gives one pass, 100 ms after the last of them: where the map stops.
        Timer {
            id: sceneRedrawTimer

            interval: 100
            repeat: false
            onTriggered: overlayMap.filterPass()
        }
        // A move that goes on (the map following the airplane glides on between its reports, a
        // long drag, a zoom step after step) gives a pass 200 ms after its first unfiltered
        // change, and so five a second, each at the cost of the rows that changed.
        Timer {
            id: movingRedrawTimer

            interval: 200
            repeat: false
            onTriggered: overlayMap.filterPass()
        }

        MouseArea {
            id: mouseArea

            property var menuCoordinate: QtPositioning.coordinate()

            objectName: "mapMouseArea"
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.LeftButton | Qt.RightButton

            onPositionChanged: mouse => {
                const coord = overlayMap.toCoordinate(Qt.point(mouse.x, mouse.y), false);
                coord.altitude = NaN;
                navigation.cursorPosition = coord.isValid ? coord.toString() : "";
            }
            onClicked: mouse => {
                if (mouse.button !== Qt.RightButton)
                    return;
                menuCoordinate = overlayMap.toCoordinate(Qt.point(mouse.x, mouse.y), false);
                mapContextMenu.popup();
            }
            onDoubleClicked: mouse => {
                if (mouse.button !== Qt.LeftButton)
                    return;
                const coord = overlayMap.toCoordinate(Qt.point(mouse.x, mouse.y), false);
                if (coord.isValid)
                    flightplan.add(database.getOrAddCoordPointUid(coord));
            }

            // The handlers sit on the mouse area so that they see the press before it: a drag
            // takes the point over from the mouse area once it passes the drag threshold.
            WheelHandler {
                // A mouse that presents itself as a touch pad (and does nothing with the pinch)
                // still zooms with its wheel on window systems that tell the two apart.
                // Qt 6.4's linter takes an array literal for a list without the array methods.
                acceptedDevices: ["cocoa", "wayland", "xcb"].includes(Qt.platform.pluginName) ? PointerDevice.Mouse | PointerDevice.TouchPad : PointerDevice.Mouse // qmllint disable type
                onWheel: event => {
                    const zoom = overlayMap.zoomLevel;
                    const wanted = zoom + zoom * event.angleDelta.y / 2000;
                    const clamped = Math.min(overlayMap.maximumZoomLevel, Math.max(overlayMap.minimumZoomLevel, wanted));
                    const point = Qt.point(event.x, event.y);
                    const coord = overlayMap.toCoordinate(point, false);
                    overlayMap.center = coord;
                    overlayMap.zoomLevel = clamped;
                    overlayMap.alignCoordinateToPoint(coord, point);
                }
            }
            // Qt 6.4 gives no deltas with the pinch and drag signals: they come from the
            // successive values.
            PinchHandler {
                id: pinch

                property real lastScale: 1
                property real lastRotation: 0
                // The fingers the pinch took, by id: where they were pressed and where they were
                // when it started.
                property var grabbed: ({})

                // The mean distance of the points from their centre, as the handler measures it.
                function spread(points) {
                    let x = 0;
                    let y = 0;
                    for (const point of points) {
                        x += point.x / points.length;
                        y += point.y / points.length;
                    }
                    let sum = 0;
                    for (const point of points)
                        sum += Math.hypot(point.x - x, point.y - y);
                    return sum / points.length;
                }

                target: null
                // The first finger is already the mouse area's (a press may be a tap): the pinch
                // takes it over, and nothing takes the pinch away.
                grabPermissions: PointerHandler.CanTakeOverFromItems
                onGrabChanged: (transition, point) => {
                    if (transition === PointerDevice.GrabExclusive)
                        grabbed[point.id] = {
                            "pressed": point.scenePressPosition,
                            "started": point.scenePosition
                        };
                    else
                        delete grabbed[point.id];
                }
                onActiveChanged: {
                    lastRotation = rotation;
                    if (!active)
                        return;
                    // The handler measures its scale from where the fingers were when it started,
                    // which is later when moves come merged on a busy machine: the map zooms from
                    // their press, so that it follows the fingers however the moves came.
                    const points = Object.values(grabbed);
                    const pressed = spread(points.map(point => point.pressed));
                    const started = spread(points.map(point => point.started));
                    lastScale = pressed > 0 && started > 0 ? pressed / started : 1;
                    overlayMap.startCentroid = overlayMap.toCoordinate(centroid.position, false);
                }
                onUpdated: {
                    if (!active)
                        return;
                    const scaleDelta = activeScale / lastScale;
                    const rotationDelta = rotation - lastRotation;
                    lastScale = activeScale;
                    lastRotation = rotation;
                    if (scaleDelta !== 1) {
                        const zoom = overlayMap.zoomLevel + Math.log2(scaleDelta);
                        if (zoom >= overlayMap.minimumZoomLevel && zoom <= overlayMap.maximumZoomLevel)
                            overlayMap.zoomLevel = zoom;
                        overlayMap.alignCoordinateToPoint(overlayMap.startCentroid, centroid.position);
                    }
                    if (rotationDelta !== 0) {
                        overlayMap.bearing -= rotationDelta;
                        overlayMap.alignCoordinateToPoint(overlayMap.startCentroid, centroid.position);
                    }
                }
            }
            DragHandler {
                // The part of the translation already applied as whole pixels.
                property vector2d applied: Qt.vector2d(0, 0)

                target: null
                onActiveChanged: applied = Qt.vector2d(0, 0)
                onTranslationChanged: {
                    const dx = Math.round(translation.x - applied.x);
                    const dy = Math.round(translation.y - applied.y);
                    if (dx === 0 && dy === 0)
                        return;
                    applied = Qt.vector2d(applied.x + dx, applied.y + dy);
                    overlayMap.pan(-dx, -dy);
                }
            }
        }

        ContextMenu {
            id: mapContextMenu

            objectName: "mapContextMenu"

            MenuItem {
                text: qsTr("Custom point")
                enabled: false
            }
            ContextMenuItem {
                objectName: "createCoord"
                text: qsTr("Create COORD point")
                source: "qrc:/fa/regular/circle-xmark.svg"
                onTriggered: database.getOrAddCoordPointUid(mouseArea.menuCoordinate)
            }
            ContextMenuItem {
                objectName: "addCoord"
                text: qsTr("Add COORD to flight plan")
                source: "qrc:/fa/solid/circle-plus.svg"
                onTriggered: flightplan.add(database.getOrAddCoordPointUid(mouseArea.menuCoordinate))
            }
        }

        // Unless the main window's map menu holds the zoom keys (a key bound twice would go
        // to either binding by turns).
        Shortcut {
            sequences: [StandardKey.ZoomIn]
            enabled: overlayMap.zoomLevel < overlayMap.maximumZoomLevel && !mapMenu.holdsZoomKeys
            onActivated: overlayMap.zoomLevel = Math.round(overlayMap.zoomLevel + 1)
        }
        Shortcut {
            sequences: [StandardKey.ZoomOut]
            enabled: overlayMap.zoomLevel > overlayMap.minimumZoomLevel && !mapMenu.holdsZoomKeys
            onActivated: overlayMap.zoomLevel = Math.round(overlayMap.zoomLevel - 1)
        }
        Shortcut {
            sequence: "Up"
            enabled: ism.currentTableRow > 0
            onActivated: ism.selectFromRoute(ism.currentTableRow - 1)
        }
        Shortcut {
            sequence: "Down"
            enabled: ism.currentTableRow < flightplan.count - 1
            onActivated: ism.selectFromRoute(ism.currentTableRow + 1)
        }

        Boundary {
            visible: navigation.dbloaded
        }
        Taxiway {
            visible: navigation.dbloaded
        }
        Runway {
            visible: navigation.dbloaded
        }
        Paintlight {
            visible: navigation.dbloaded
        }
        Taxiname {
            visible: navigation.dbloaded
        }
        Startup {
            visible: navigation.dbloaded
        }
        Route {
        }
        Segment {
            visible: navigation.dbloaded
        }
        ProcedureTransition {
            visible: navigation.dbloaded
        }
        Point {
            objectName: "pointLayer"
            visible: navigation.dbloaded
        }
        Waypoint {
        }
        Airplane {
            visible: xpconnect.state > 1
        }

        // A button greyed out at the end of the zoom lets its clicks through, and the map would
        // take two quick ones for a double-click that adds a waypoint there.
        MouseArea {
            anchors.fill: zoomButtons
            acceptedButtons: Qt.AllButtons
        }
        Row {
            id: zoomButtons

            anchors.left: parent.left
            y: scaleBar.y - height + 20
            spacing: -20
            opacity: 0.5

            IconButton {
                objectName: "zoomIn"
                source: "qrc:/fa/solid/magnifying-glass-plus.svg"
                tooltip: qsTr("Map zoom in")
                enabled: navigation.zoomLevel < navigation.maximumZoomLevel
                onClicked: navigation.zoomLevel += 1
            }
            IconButton {
                objectName: "zoomOut"
                source: "qrc:/fa/solid/magnifying-glass-minus.svg"
                tooltip: qsTr("Map zoom out")
                icon.width: FontAwesome.iconSize
                icon.height: FontAwesome.iconSize
                enabled: navigation.zoomLevel > navigation.minimumZoomLevel
                onClicked: navigation.zoomLevel -= 1
            }
        }
        ScaleBar {
            id: scaleBar

            objectName: "scaleBar"
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            opacity: 0.5
            padding: 12
            pixelPerNm: navigation.pixelPerNm
            // Drawn on the map: its scheme follows the map's ground, not the window's.
            Material.theme: theme.night ? Material.Dark : Material.Light
        }
    }

    // Read only: the address is set in the store by hand ("map/providersRepository").
    Settings {
        id: settingsBackground

        property string providersRepository: ""

        category: "map"
    }
    Connections {
        target: ism

        // A change of the plan announces the same selection again with its new rows: the map
        // stays where the pilot looks.
        function onSelected(uid) {
            if (ism.selectedFrom !== "signal")
                overlayMap.centerOnPoint(uid);
        }
    }
    Connections {
        target: database

        function onLoaded(result) {
            navigation.mapenable(result);
        }
    }
    Connections {
        target: flightplan

        function onEdited() {
            navigation.reloadItems();
        }
    }

    Component.onCompleted: reloadAll()
}
