import QtQuick
import QtPositioning
import QtTest
import Corvel.Map

Item {
    id: root
    width: 400
    height: 300

    Map {
        id: map
        anchors.fill: parent
        plugin: Plugin { name: "itemsoverlay" }
        center: QtPositioning.coordinate(48.9, 2.3)
        zoomLevel: 14

        MapQuickItem {
            id: scaled
            coordinate: QtPositioning.coordinate(48.9, 2.3)
            zoomLevel: 16
            anchorPoint: Qt.point(20, 10)
            sourceItem: Rectangle { width: 40; height: 20; color: "red" }
        }

        MapQuickItem {
            id: screenSized
            coordinate: QtPositioning.coordinate(48.9, 2.3)
            anchorPoint: Qt.point(20, 10)
            sourceItem: Rectangle { width: 40; height: 20; color: "blue" }
        }

        MapItemGroup {
            id: hiddenLayer
            visible: false
            MapQuickItem {
                id: hidden
                coordinate: QtPositioning.coordinate(48.92, 2.33)
                sourceItem: Rectangle { width: 4; height: 4 }
            }
            MapPolyline {
                id: hiddenLine
                line.width: 2
                path: [QtPositioning.coordinate(48.9, 2.3), QtPositioning.coordinate(48.92, 2.33)]
            }
        }

        MapQuickItem {
            id: nowhere
            sourceItem: Rectangle { width: 4; height: 4 }
        }
    }

    MapTestCase {
        name: "MapQuickItem"

        function cleanup() {
            map.zoomLevel = 14
            map.bearing = 0
            map.center = QtPositioning.coordinate(48.9, 2.3)
        }

        function sceneWidth(item) {
            return item.mapToItem(null, item.width, 0).x - item.mapToItem(null, 0, 0).x
        }

        function test_zoomScaling() {
            // Drawn at its zoom-16 size: a quarter at zoom 14, half at 15, full size from 16 on.
            compare(sceneWidth(scaled.sourceItem), 10)
            map.zoomLevel = 15
            compare(sceneWidth(scaled.sourceItem), 20)
            map.zoomLevel = 16
            compare(sceneWidth(scaled.sourceItem), 40)
            compare(sceneWidth(screenSized.sourceItem), 40)
            map.zoomLevel = 12
            compare(sceneWidth(screenSized.sourceItem), 40)
        }

        function test_anchorPointOnCoordinate() {
            const centre = Qt.point(map.width / 2, map.height / 2)
            for (const item of [scaled, screenSized]) {
                const anchor = item.sourceItem.mapToItem(map, 20, 10)
                fuzzyCompare(anchor.x, centre.x, 0.01)
                fuzzyCompare(anchor.y, centre.y, 0.01)
            }
        }

        function test_uprightOnTurnedMap() {
            map.bearing = 90
            const left = screenSized.sourceItem.mapToItem(map, 0, 0)
            const right = screenSized.sourceItem.mapToItem(map, 40, 0)
            fuzzyCompare(right.x - left.x, 40, 0.01)
            fuzzyCompare(right.y - left.y, 0, 0.01)
            const anchor = screenSized.sourceItem.mapToItem(map, 20, 10)
            fuzzyCompare(anchor.x, map.width / 2, 0.01)
        }

        function test_invalidCoordinateHides() {
            verify(!nowhere.sourceItem.visible)
            verify(screenSized.sourceItem.visible)
            nowhere.coordinate = QtPositioning.coordinate(48.9, 2.31)
            verify(nowhere.sourceItem.visible)
            nowhere.coordinate = QtPositioning.coordinate()
            verify(!nowhere.sourceItem.visible)
        }

        function test_hiddenCatchesUpWhenShown() {
            // A hidden layer skips the zoom's work, and stands right once shown.
            map.zoomLevel = 12
            map.bearing = 30
            hiddenLayer.visible = true
            const p = hidden.sourceItem.mapToItem(map, 0, 0)
            const expected = map.fromCoordinate(hidden.coordinate, false)
            fuzzyCompare(p.x, expected.x, 0.01)
            fuzzyCompare(p.y, expected.y, 0.01)
            fuzzyCompare(hidden.sourceItem.mapToItem(map, 4, 0).y, p.y, 0.01)
            waitForItemPolished(hiddenLine)
            verify(hiddenLine.contains(hiddenLine.mapFromItem(map, expected.x, expected.y)))
            hiddenLayer.visible = false
        }

        function test_panLeavesItemsAlone() {
            const x = screenSized.x, y = screenSized.y
            const before = screenSized.sourceItem.mapToItem(map, 0, 0)
            map.pan(30, -20)
            compare(screenSized.x, x)
            compare(screenSized.y, y)
            const after = screenSized.sourceItem.mapToItem(map, 0, 0)
            fuzzyCompare(after.x, before.x - 30, 0.01)
            fuzzyCompare(after.y, before.y + 20, 0.01)
        }
    }
}
