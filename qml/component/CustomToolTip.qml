import QtQuick
import QtQuick.Controls

// The application's tool tip: shown after a pause, without animation, and invisible in
// screenshots. It is as wide as its longest line up to about sixty characters, beyond which the
// text wraps. Its width comes from the laid-out lines: the natural width of a rich text (the
// map items' descriptions) counts its lines as one and stretched it across the window.
ToolTip {
    id: toolTip

    property int maxWidth: 0
    // The widest the text grows before it wraps, from the tool tip's own font.
    readonly property real textLimit: Math.ceil(metrics.averageCharacterWidth * 60)

    delay: 750
    enter: null
    exit: null
    opacity: screenshot_mode ? 0 : 1
    // The dense style's tool tip font (10 pixels) is smaller than the text it describes; this is
    // the size of the style's body text.
    font.pixelSize: 13
    width: maxWidth > 0 ? maxWidth : Math.ceil(measure.contentWidth) + leftPadding + rightPadding

    FontMetrics {
        id: metrics

        font: toolTip.font
    }
    // The text laid out at the limit, unseen: its widest line is the tool tip's width.
    Text {
        id: measure

        visible: false
        width: toolTip.textLimit
        wrapMode: Text.Wrap
        font: toolTip.font
        text: toolTip.text
    }
}
