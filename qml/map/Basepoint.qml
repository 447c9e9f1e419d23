import QtQuick
import Corvel.Map
import Waylore.MapLayers
import Corvel.Point as CorvelPoint

// The symbol and label of one point or waypoint. It reads everything but `isWaypoint` from the
// delegate that holds it: the point roles, `index`, `selected`, `hovered` and `menuLoader`.
Item {
    id: basepoint

    required property bool isWaypoint
    // Off while the map moves (see MapStillness).
    property bool hoverable: true
    // Off where the holder's hover comes from elsewhere (the point layer finds it itself).
    property bool ownsHover: true
    readonly property real hoveredWidthFactor: hovered ? 2 : 1
    readonly property real hoveredImageFactor: hovered ? 1.1 : 1
    readonly property color tint: selected ? theme.color("selection") : theme.color("point", role_type)

    anchors.centerIn: parent

    Rectangle {
        id: background

        objectName: "background"
        readonly property real diameter: theme.width("point.fill") / (role_type === CorvelPoint.Point.FIX ? 1.3 : 1)

        anchors.centerIn: parent
        width: diameter
        height: diameter
        radius: diameter / 2
        visible: theme.width("point.fill") !== 0
        color: theme.color("point.fill", role_type)
        border.width: theme.width("point.border")
        border.color: theme.color("point.border")
    }
    Rectangle {
        id: frame

        objectName: "frame"
        readonly property real margin: 2 * (theme.width("pointlabel.border", role_type) + 1)

        anchors.centerIn: label
        width: label.width + margin
        height: label.height + margin
        radius: theme.radius("pointlabel.border")
        color: theme.color("pointlabel.fill", role_type)
        border.color: theme.color("pointlabel.border", role_type)
        border.width: theme.width("pointlabel.border", role_type) * basepoint.hoveredWidthFactor
    }
    Text {
        id: label

        objectName: "label"
        x: -width / 2
        y: height / 2 + role_text_offset
        text: role_code || ""
        color: selected ? theme.labelColor("selection") : theme.labelColor("point", role_type)
        font.family: theme.fontFamily("pointlabel")
        font.pointSize: theme.fontSize("pointlabel")
        font.bold: hovered
        renderType: Text.NativeRendering

        PointMouseArea {
            anchors.fill: parent
            waypoint: basepoint.isWaypoint
            hoverable: basepoint.hoverable
            ownsHover: basepoint.ownsHover
        }
    }
    Item {
        id: symbol

        objectName: "symbol"
        y: role_icon_offset
        scale: basepoint.hoveredImageFactor

        // One texture per symbol and colour, shared by the layer's points.
        SymbolImage {
            id: image

            anchors.centerIn: parent
            source: role_icon || ""
            color: basepoint.tint
        }
        PointMouseArea {
            anchors.fill: image
            waypoint: basepoint.isWaypoint
            hoverable: basepoint.hoverable
            ownsHover: basepoint.ownsHover
        }
    }
}
