import QtQuick
import Corvel.Map
import Waylore.MapLayers
import Corvel.Segment as CorvelSegment

// The label of an airway segment, centred on the segment's middle and turned along it: the
// airway name in a box pointed at the end the segment runs to (both ends when it runs both
// ways), the upper level above and the lower level below. It shows only when the segment on
// screen is longer than 1.75 label widths. The holder is the label's delegate.
Item {
    id: segmentLabel

    required property var holder
    readonly property int type: holder.role_type
    readonly property real textWidth: code.width
    readonly property real textHeight: code.height
    readonly property real stroke: theme.width("segment", type)
    readonly property bool twoWay: holder.role_direction === CorvelSegment.Segment.NONE
    readonly property int turn: holder.role_arrow_rotation - holder.role_text_rotation
    readonly property int leftArrow: turn >= 180 || twoWay ? -textHeight / 2 : 0
    readonly property int rightArrow: turn < 180 || twoWay ? textHeight / 2 : 0
    readonly property color textColor: theme.labelColor("segment", type)

    visible: textWidth * 1.75 < holder.role_distance * map.pixelPerNm
    rotation: holder.role_text_rotation

    // One plain-colour fill and stroke per label, which merge across the layer's labels.
    OutlineItem {
        readonly property real w: segmentLabel.textWidth
        readonly property real h: segmentLabel.textHeight
        readonly property real s: segmentLabel.stroke

        objectName: "outline"
        strokeColor: theme.color("segment", segmentLabel.type)
        strokeWidth: s * segmentLabel.holder.hoveredWidthFactor
        fillColor: theme.color("segmentlabel.fill", segmentLabel.type)
        points: [Qt.point(-w / 2, -h / 2 - s), Qt.point(-w / 2 + segmentLabel.leftArrow, 0), Qt.point(-w / 2, h / 2 + s),
            Qt.point(w / 2, h / 2 + s), Qt.point(w / 2 + segmentLabel.rightArrow, 0), Qt.point(w / 2, -h / 2 - s)]
    }
    Text {
        id: code

        x: -width / 2
        y: -height / 2
        text: segmentLabel.holder.role_code
        color: segmentLabel.textColor
        font.family: theme.fontFamily("segmentlabel")
        font.pointSize: theme.fontSize("segmentlabel")
        font.bold: segmentLabel.holder.hovered
        renderType: Text.NativeRendering

        // The layer tracks the pointer (and tells the holder); this area only takes the click.
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            onClicked: mouse => segmentLabel.holder.popupMenu(mouse.x, mouse.y)
        }
    }
    Text {
        objectName: "maxLevel"
        x: -width / 2
        y: -2 * segmentLabel.textHeight
        visible: segmentLabel.holder.role_max_level !== 0
        text: segmentLabel.holder.role_max_level
        color: segmentLabel.textColor
        font.family: code.font.family
        font.pointSize: code.font.pointSize
        renderType: Text.NativeRendering
    }
    Text {
        objectName: "minLevel"
        x: -width / 2
        y: segmentLabel.textHeight
        visible: segmentLabel.holder.role_min_level !== 0
        text: segmentLabel.holder.role_min_level
        color: segmentLabel.textColor
        font.family: code.font.family
        font.pointSize: code.font.pointSize
        renderType: Text.NativeRendering
    }
}
