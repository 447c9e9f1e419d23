import QtQuick
import QtPositioning
import Corvel.Map

// A small tour of the map items: airports from a list model (symbol and label each), a great-
// circle route with round caps that lights up under the mouse, a straight procedure path, an
// apron with a hole, a dashed centre line, a row of lights and a sign drawn at its zoom-16 size.
Item {
    id: demo
    width: 1024
    height: 640

    property alias map: map
    property bool routeHovered: routeHover.hovered

    ListModel {
        id: airports
        ListElement { code: "KBOS"; lat: 42.36; lon: -71.01 }
        ListElement { code: "EGLL"; lat: 51.47; lon: -0.45 }
        ListElement { code: "LFPG"; lat: 49.01; lon: 2.55 }
        ListElement { code: "BIKF"; lat: 63.98; lon: -22.61 }
    }

    Map {
        id: map
        anchors.fill: parent
        plugin: Plugin { name: "itemsoverlay" }
        color: "#dfe8ef"
        center: QtPositioning.coordinate(50, -35)
        zoomLevel: 3

        MapPolyline {
            id: route
            referenceSurface: ReferenceSurface.Globe
            line.width: 4
            line.color: routeHover.hovered ? "orange" : "crimson"
            line.capStyle: Qt.RoundCap
            path: [QtPositioning.coordinate(42.36, -71.01), QtPositioning.coordinate(63.98, -22.61),
                   QtPositioning.coordinate(51.47, -0.45)]
            HoverHandler { id: routeHover }
        }

        MapPolyline {
            line.width: 2
            line.color: "teal"
            path: [QtPositioning.coordinate(51.47, -0.45), QtPositioning.coordinate(49.01, 2.55)]
        }

        MapItemGroup {
            MapPolygon {
                color: "#80808080"
                border.width: 1
                border.color: "dimgray"
                path: [QtPositioning.coordinate(44, -50), QtPositioning.coordinate(44, -40),
                       QtPositioning.coordinate(38, -40), QtPositioning.coordinate(38, -50)]
                holes: [[QtPositioning.coordinate(42, -47), QtPositioning.coordinate(42, -43),
                         QtPositioning.coordinate(40, -43), QtPositioning.coordinate(40, -47)]]
            }
            MapPolyline {
                line.width: 3
                line.color: "white"
                line.strokeStyle: Qt.DashLine
                line.dashPattern: [3, 3]
                path: [QtPositioning.coordinate(41, -49), QtPositioning.coordinate(41, -41)]
            }
            MapPolyline {
                line.width: 5
                line.color: "gold"
                line.strokeStyle: Qt.DashLine
                line.dashPattern: [0.001, 6]
                line.capStyle: Qt.RoundCap
                path: [QtPositioning.coordinate(39, -49), QtPositioning.coordinate(39, -41)]
            }
        }

        MapItemView {
            model: airports
            add: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1 } }
            delegate: MapQuickItem {
                coordinate: QtPositioning.coordinate(lat, lon)
                anchorPoint: Qt.point(5, 5)
                sourceItem: Item {
                    Rectangle { width: 10; height: 10; color: "navy" }
                    Text { x: 12; text: code; renderType: Text.NativeRendering; color: "navy" }
                }
            }
        }

        MapQuickItem {
            coordinate: QtPositioning.coordinate(60, -10)
            zoomLevel: map.zoomLevel < 4 ? 4 : 0
            anchorPoint: Qt.point(sign.width / 2, sign.height / 2)
            sourceItem: Rectangle {
                id: sign
                width: signText.width * 1.15
                height: signText.height
                color: "black"
                Text { id: signText; anchors.centerIn: parent; text: "A1"; color: "yellow" }
            }
        }
    }
}
