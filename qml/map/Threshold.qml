import QtQuick

// The threshold markings and designation of one runway end, standing on the end and turned so
// that its upward direction runs along the runway towards the other end, whatever the map's
// bearing. Sizes are metres on the ground.
Item {
    id: threshold

    required property string code
    required property double heading
    required property int runwaywidth
    required property string surface
    required property color painting
    readonly property real thresholdwidth: runwaywidth * 0.8
    readonly property real thresholdlength: runwaywidth * 1.0
    readonly property real pixelPerMeter: map.pixelPerMeter

    rotation: heading - map.bearing

    Rectangle {
        id: marking

        width: threshold.thresholdwidth * threshold.pixelPerMeter
        height: threshold.thresholdlength * threshold.pixelPerMeter
        x: -width / 2
        y: -10 * threshold.pixelPerMeter - height
        color: theme.color(threshold.surface)

        // Seven bars, each in the middle of its seventh of the block.
        Repeater {
            model: 7

            Rectangle {
                required property int index
                readonly property real centre: (threshold.thresholdwidth / 7 / 2 + threshold.thresholdwidth * index / 7) * threshold.pixelPerMeter

                width: threshold.thresholdwidth / 15 * threshold.pixelPerMeter
                height: marking.height
                x: centre - width / 2
                color: threshold.painting
            }
        }
    }
    Rectangle {
        id: designation

        width: marking.width
        height: threshold.code.split("\n").length * threshold.thresholdwidth * threshold.pixelPerMeter
        x: -width / 2
        y: marking.y - 10 * threshold.pixelPerMeter - height
        color: theme.color(threshold.surface)

        // Painted tall and narrow: twice its height, from the block's top.
        Text {
            width: parent.width
            height: parent.height / 2
            horizontalAlignment: Text.AlignHCenter
            text: threshold.code
            color: threshold.painting
            font.bold: true
            font.pixelSize: Math.max(1, threshold.thresholdwidth * threshold.pixelPerMeter / 2)
            lineHeight: 0.75
            renderType: Text.NativeRendering
            transform: Scale {
                yScale: 2
            }
        }
    }
}
