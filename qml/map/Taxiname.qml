import QtQuick
import QtQuick.Shapes
import Corvel.Map
import Corvel.Taxiname as CorvelTaxiname
import Waylore.Ui

// Taxiway name signs, with an arrow along the taxiway where it is one-way. Below zoom 16 a sign
// shrinks with the map as if drawn at zoom 16.
MapItemView {
    id: taxinameLayer

    readonly property MapStillness stillness: MapStillness {
    }

    property real fontsize: 12

    model: taxinameMapModel

    delegate: MapQuickItem {
        id: taxiname

        property var role_position
        property real role_heading
        property int role_direction
        property string role_name
        property string role_tooltip
        readonly property bool hovered: hover.hovered

        coordinate: role_position
        zoomLevel: map.zoomLevel < 16 ? 16 : 0
        sourceItem: Item {
            Rectangle {
                id: sign

                anchors.centerIn: parent
                width: name.width * 1.15
                height: name.height
                color: theme.color("taxiname.fill")
                border.width: theme.width("taxiname.border")
                border.color: theme.color("taxiname.border")

                Text {
                    id: name

                    anchors.centerIn: parent
                    text: taxiname.role_name
                    color: theme.color("taxiname")
                    font.pixelSize: taxinameLayer.fontsize * (taxiname.hovered ? 1.15 : 1)
                    renderType: Text.NativeRendering
                }
                HoverHandler {
                    id: hover

                    enabled: taxinameLayer.stillness.still
                }
                ToolTipLoader {
                    shown: taxiname.hovered
                    text: taxiname.role_tooltip
                }
            }
            Shape {
                objectName: "arrow"
                visible: taxiname.role_direction !== CorvelTaxiname.Taxiname.TwoWay
                rotation: taxiname.role_heading

                ShapePath {
                    id: arrowPath

                    readonly property real tip: -0.75 * name.height - 8

                    strokeColor: theme.color("taxiname")
                    strokeWidth: 1.5
                    fillColor: "transparent"

                    PathPolyline {
                        readonly property real tip: arrowPath.tip

                        path: [Qt.point(0, -0.75 * name.height), Qt.point(0, tip), Qt.point(-3, tip + 3), Qt.point(0, tip), Qt.point(3, tip + 3)]
                    }
                }
            }
        }
    }
}
