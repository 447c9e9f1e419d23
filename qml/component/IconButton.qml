import QtQuick
import QtQuick.Controls
import Waylore.Ui

ToolButton {
    id: button

    property string source
    property string tooltip: ""

    focusPolicy: Qt.NoFocus
    icon.source: source
    icon.width: FontAwesome.iconSize
    icon.height: FontAwesome.iconSize

    CustomToolTip {
        text: button.tooltip
        visible: button.hovered && button.tooltip !== ""
    }
}
