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
        center: QtPositioning.coordinate(0, 0)
        zoomLevel: 10

        MapPolyline {
            id: line
            line.width: 4
            path: [QtPositioning.coordinate(-0.1, -0.1), QtPositioning.coordinate(0.1, 0.1)]
        }

        MapPolygon {
            id: area
            color: "green"
            border.width: 0
            path: [QtPositioning.coordinate(-0.2, -0.2), QtPositioning.coordinate(-0.2, 0.2),
                   QtPositioning.coordinate(0.2, 0.2), QtPositioning.coordinate(0.2, -0.2)]
            holes: [[QtPositioning.coordinate(-0.05, -0.05), QtPositioning.coordinate(-0.05, 0.05),
                     QtPositioning.coordinate(0.05, 0.05), QtPositioning.coordinate(0.05, -0.05)]]
        }
    }

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

        function test_properties() {
            compare(line.path.length, 2)
            compare(line.path[1].latitude, 0.1)
            compare(line.referenceSurface, ReferenceSurface.Map)
            line.referenceSurface = ReferenceSurface.Globe
            compare(line.referenceSurface, ReferenceSurface.Globe)
            line.referenceSurface = ReferenceSurface.Map
            compare(area.holes.length, 1)
            compare(area.holes[0].length, 4)
            compare(line.line.capStyle, Qt.SquareCap)
            compare(line.line.strokeStyle, Qt.SolidLine)
        }
    }
}
