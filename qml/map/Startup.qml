import QtQuick
import Corvel.Map
import Waylore.Ui

// Start-up positions (gates, ramps): a name box turned to the position's heading. Below zoom 16
// a box shrinks with the map as if drawn at zoom 16.
MapItemView {
    id: startupLayer

    readonly property MapStillness stillness: MapStillness {
    }

    property real fontsize: 10

    model: startupMapModel

    delegate: MapQuickItem {
        id: startup

        property var role_position
        property real role_heading
        property string role_code
        property string role_tooltip
        readonly property bool hovered: hover.hovered

        coordinate: role_position
        zoomLevel: map.zoomLevel < 16 ? 16 : 0
        sourceItem: Item {
            rotation: startup.role_heading

            Rectangle {
                anchors.centerIn: parent
                width: label.width * 1.15
                height: label.height
                color: theme.color("startup.fill")
                border.width: theme.width("startup.border")
                border.color: theme.color("startup.border")
                radius: theme.radius("startup.border")

                Text {
                    id: label

                    anchors.centerIn: parent
                    text: startup.role_code
                    color: theme.color("startuplabel")
                    font.pixelSize: startupLayer.fontsize * (startup.hovered ? 1.25 : 1)
                    renderType: Text.NativeRendering
                }
                HoverHandler {
                    id: hover

                    enabled: startupLayer.stillness.still
                }
                ToolTipLoader {
                    shown: startup.hovered
                    text: startup.role_tooltip
                }
            }
        }
    }
}
