import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Opened on a runway of the airport ground layer.
ContextMenu {
    ContextMenuHeader {
        text: qsTr("Runway %1").arg(role_name)
    }
    ContextMenuItem {
        text: qsTr("Show information")
        source: "qrc:/fa/solid/circle-info.svg"
        onTriggered: infoManager.showRunwayInfo(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Fit to zoom")
        source: "qrc:/fa/solid/magnifying-glass.svg"
        onTriggered: map.fitViewport(role_bounding)
    }
}
