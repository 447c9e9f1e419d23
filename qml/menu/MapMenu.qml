import QtQuick
import Qt.labs.platform as Platform
import Corvel.Point
import Corvel.Segment

// Zoom, layers, the map theme, the simulator link and the moving map. The standard zoom keys
// belong to the zoom entries here, which step by whole levels from wherever the zoom stands;
// the map's own binding of those keys gives way to them, so that each key is bound once.
Platform.Menu {
    id: mapMenu

    readonly property bool holdsZoomKeys: true

    property alias movingMap: movingMapItem.checked

    component LayerItem: Platform.MenuItem {
        // Name of the "map" setting the item shows.
        required property string setting
        required property real minzoom
        property var setFilters: function (visible) {
        }

        checkable: true
        enabled: map.zoomLevel >= minzoom
        checked: settingsMap[setting]
        onCheckedChanged: {
            if (settingsMap[setting] !== checked)
                settingsMap[setting] = checked;
            setFilters(checked);
        }
    }

    title: qsTr("&Map")

    Platform.MenuItem {
        text: qsTr("Zoom in")
        shortcut: StandardKey.ZoomIn
        enabled: map.zoomLevel < map.maximumZoomLevel
        onTriggered: map.zoomLevel = Math.min(map.zoomLevel + 1, map.maximumZoomLevel)
    }
    Platform.MenuItem {
        text: qsTr("Zoom out")
        shortcut: StandardKey.ZoomOut
        enabled: map.zoomLevel > map.minimumZoomLevel
        onTriggered: map.zoomLevel = Math.max(map.zoomLevel - 1, map.minimumZoomLevel)
    }
    Platform.MenuItem {
        text: qsTr("Fit zoom to flight plan")
        shortcut: "F"
        enabled: flightplan.count >= 2
        onTriggered: map.fitViewport(flightplan.general.bounding)
    }
    Platform.MenuSeparator {
    }
    LayerItem {
        text: qsTr("Airports")
        setting: "airportVisibility"
        minzoom: constants.minzoomAirport
        setFilters: visible => pointMapModel.setTypeFilter(visible, Point.AIRP)
    }
    LayerItem {
        text: qsTr("Airport ground")
        setting: "airportGroundVisibility"
        minzoom: constants.minzoomAirportGround
        setFilters: function (visible) {
            for (const model of [boundaryMapModel, runwayMapModel, taxiwayMapModel, paintlightMapModel, taxinameMapModel, startupMapModel])
                model.setTypeFilter(visible);
        }
    }
    LayerItem {
        text: qsTr("NDB")
        setting: "ndbVisibility"
        minzoom: constants.minzoomNdb
        setFilters: visible => pointMapModel.setTypeFilter(visible, Point.NDB)
    }
    LayerItem {
        text: qsTr("VOR")
        setting: "vordmeVisibility"
        minzoom: constants.minzoomVorDme
        setFilters: function (visible) {
            pointMapModel.setTypeFilter(visible, Point.VOR);
            pointMapModel.setTypeFilter(visible, Point.DME);
        }
    }
    LayerItem {
        text: qsTr("FIX")
        setting: "fixVisibility"
        minzoom: constants.minzoomFix
        setFilters: visible => pointMapModel.setTypeFilter(visible, Point.FIX)
    }
    Platform.MenuSeparator {
    }
    LayerItem {
        text: qsTr("Segment high")
        setting: "highSegmentVisibility"
        minzoom: constants.minzoomHighSegment
        setFilters: visible => segmentMapModel.setTypeFilter(visible, Segment.HIGH)
    }
    LayerItem {
        text: qsTr("Segment low")
        setting: "lowSegmentVisibility"
        minzoom: constants.minzoomLowSegment
        setFilters: visible => segmentMapModel.setTypeFilter(visible, Segment.LOW)
    }
    LayerItem {
        text: qsTr("Tracks")
        setting: "trackSegmentVisibility"
        minzoom: constants.minzoomTrackSegment
        setFilters: visible => segmentMapModel.setTypeFilter(visible, Segment.TRACK)
    }
    Platform.MenuSeparator {
    }
    Platform.Menu {
        id: themeMenu

        title: qsTr("Theme")

        Instantiator {
            model: themeManager.list
            delegate: Platform.MenuItem {
                required property int index
                required property string modelData

                text: modelData
                checkable: true
                checked: index === themeComboBox.currentIndex
                onTriggered: {
                    settingsMap.themeIndex = index;
                    map.changeTheme(index);
                    checked = Qt.binding(() => index === themeComboBox.currentIndex);
                }
            }
            onObjectAdded: function (index, object) {
                themeMenu.insertItem(index, object);
            }
            onObjectRemoved: function (index, object) {
                themeMenu.removeItem(object);
            }
        }
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Connect to simulator")
        checkable: true
        checked: xpconnect.state > 0
        onTriggered: xpconnect.state > 0 ? xpconnect.disconnect() : xpconnect.connect()
    }
    Platform.MenuItem {
        id: movingMapItem

        text: qsTr("Moving map")
        checkable: true
        checked: true
        enabled: xpconnect.state > 0
    }
}
