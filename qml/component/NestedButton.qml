import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// An icon button for list rows: it never takes the focus from the list.
ToolButton {
    property string source
    property string tooltip: ""

    focusPolicy: Qt.NoFocus
    icon.source: source
    icon.color: Material.accent
    implicitWidth: 26
    implicitHeight: 26
}
