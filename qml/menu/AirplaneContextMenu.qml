import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Opened on the tracked airplane of the map.
ContextMenu {
    ContextMenuItem {
        text: qsTr("Disconnect")
        source: "qrc:/fa/solid/plane-slash.svg"
        icon.width: FontAwesome.iconSize * 1.2
        onTriggered: xpconnect.disconnect()
    }
    ContextMenuSeparator {
    }
    MenuItem {
        objectName: "movingMap"
        text: qsTr("Moving map")
        checkable: true
        checked: mapMenu.movingMap
        onTriggered: mapMenu.movingMap = checked
    }
}
