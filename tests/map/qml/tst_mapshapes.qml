import QtQuick
import QtPositioning
import QtTest
import Corvel.Map

Item {
    id: root
    width: 400
    height: 300

    Map {
        id: pacific
        width: 400
        height: 300
        plugin: Plugin { name: "itemsoverlay" }
        center: QtPositioning.coordinate(0, 180)
        zoomLevel: 5

        MapPolyline {
            id: dateLine
            referenceSurface: ReferenceSurface.Globe
            line.width: 4
            path: [QtPositioning.coordinate(0, 175), QtPositioning.coordinate(0, -175)]
        }
    }

    MapTestCase {
        name: "MapShapes"

        function test_acrossTheDateLine() {
            waitForItemPolished(dateLine)
            // Both pieces of the cut line lie side by side around the view's centre.
            for (const lon of [176, 179.9, -179.9, -176]) {
                const p = pacific.fromCoordinate(QtPositioning.coordinate(0, lon), false)
                verify(p.x > 0 && p.x < pacific.width, "longitude " + lon + " at " + p.x)
                verify(dateLine.contains(dateLine.mapFromItem(pacific, p.x, p.y)), "longitude " + lon)
            }
            verify(!dateLine.contains(dateLine.mapFromItem(pacific, pacific.width / 2, pacific.height / 2 - 20)))
        }
    }
}
