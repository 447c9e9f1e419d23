import QtQuick
import QtQuick.Controls

// The application's tool tip: shown after a pause, without animation, and invisible in
// screenshots.
ToolTip {
    id: toolTip

    property int maxWidth: 0

    delay: 750
    enter: null
    exit: null
    opacity: screenshot_mode ? 0 : 1

    Component.onCompleted: {
        if (maxWidth > 0)
            width = maxWidth;
    }
}
