import QtQuick
import Corvel.Map
import Waylore.Ui

// The runways in view, bottom to top: paved surface, edge line (which takes the mouse), dashed
// centre line, the thresholds of both ends, and at night the centre lights. Ground sizes are in
// metres, turned into pixels at the view centre's scale.
MapItemView {
    id: runwayLayer

    readonly property MapStillness stillness: MapStillness {
    }

    property real paintlinewidth: 2
    property real lightstringwidth: 2.5

    // The paint of a runway: darker on a night map.
    function paintColor(lineColor) {
        return theme.night ? Qt.darker(lineColor, 1.5) : lineColor;
    }

    model: runwayMapModel

    MapItemView {
        objectName: "surface"
        model: runwayLayer.model
        delegate: MapPolygon {
            property var role_rect
            property string role_color

            path: role_rect || []
            color: theme.color(role_color)
            border.width: 0
        }
    }
    MapItemView {
        objectName: "edge"
        model: runwayLayer.model
        delegate: MapPolygon {
            id: edge

            property var role_inrect
            property bool role_hasmarkings
            property color role_linecolor
            property string role_tooltip
            // Read by the context menu.
            property string role_uid
            property string role_name
            property var role_bounding
            readonly property bool hovered: hover.hovered

            path: role_inrect || []
            color: "transparent"
            border.width: hovered ? 3 : runwayLayer.paintlinewidth * map.pixelPerMeter
            border.color: role_hasmarkings || hovered ? runwayLayer.paintColor(role_linecolor) : "transparent"

            HoverHandler {
                id: hover

                enabled: !menuLoader.opened && runwayLayer.stillness.still
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                gesturePolicy: TapHandler.ReleaseWithinBounds
                onSingleTapped: eventPoint => menuLoader.popup(eventPoint.pressPosition.x, eventPoint.pressPosition.y)
            }
            ToolTipLoader {
                x: hover.point.position.x
                y: hover.point.position.y
                shown: edge.hovered
                text: edge.role_tooltip
            }
            MenuLoader {
                id: menuLoader

                sourceComponent: Component {
                    RunwayContextMenu {
                    }
                }
            }
        }
    }
    MapItemView {
        objectName: "centerline"
        model: runwayLayer.model
        delegate: MapPolyline {
            property var role_line
            property bool role_hasmarkings
            property color role_linecolor

            visible: role_hasmarkings
            path: role_line || []
            line.color: runwayLayer.paintColor(role_linecolor)
            line.width: runwayLayer.paintlinewidth * map.pixelPerMeter
            line.strokeStyle: Qt.DashLine
            line.dashPattern: [10, 10]
        }
    }
    MapItemView {
        objectName: "threshold1"
        model: runwayLayer.model
        delegate: RunwayEnd {
            end: 0
            painting: runwayLayer.paintColor(role_linecolor)
        }
    }
    MapItemView {
        objectName: "threshold2"
        model: runwayLayer.model
        delegate: RunwayEnd {
            end: 1
            painting: runwayLayer.paintColor(role_linecolor)
        }
    }
    MapItemView {
        objectName: "centerlights"
        // Lights show only on a night map: no delegates by day.
        model: theme.night ? runwayLayer.model : null
        delegate: MapPolyline {
            property var role_line
            property bool role_hascenterlights
            property color role_lightcolor

            visible: role_hascenterlights
            path: role_line || []
            line.color: role_lightcolor
            line.width: runwayLayer.lightstringwidth * map.pixelPerMeter
            line.strokeStyle: Qt.DashLine
            line.dashPattern: [0.001, 6]
            line.capStyle: Qt.RoundCap
        }
    }
}
