import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Opened on an airway segment of the map, from its line or its label.
ContextMenu {
    id: segmentMenu

    readonly property bool firstInPlan: flightplan.general.waypointuids.indexOf(role_uid_p0) >= 0
    readonly property bool secondInPlan: flightplan.general.waypointuids.indexOf(role_uid_p1) >= 0

    ContextMenuHeader {
        text: qsTr("Segment %1").arg(role_code)
    }
    ContextMenuItem {
        text: qsTr("Show information")
        source: "qrc:/fa/solid/circle-info.svg"
        onTriggered: infoManager.showSegmentInfo(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Fit to zoom")
        source: "qrc:/fa/solid/magnifying-glass.svg"
        onTriggered: map.fitViewport(role_bounding)
    }
    ContextMenuSeparator {
    }
    ContextMenuHeader {
        text: qsTr("First point %1").arg(role_code_p0)
    }
    ContextMenuItem {
        text: qsTr("Select %1").arg(role_code_p0)
        source: "qrc:/fa/solid/crosshairs.svg"
        onTriggered: ism.selectFromUID(role_uid_p0)
    }
    ContextMenuItem {
        objectName: "addFirst"
        text: qsTr("Add to the route")
        source: "qrc:/fa/solid/circle-plus.svg"
        enabled: !segmentMenu.firstInPlan
        onTriggered: flightplan.add(role_uid_p0)
    }
    ContextMenuItem {
        objectName: "removeFirst"
        text: qsTr("Remove from route")
        source: "qrc:/fa/solid/circle-minus.svg"
        enabled: segmentMenu.firstInPlan
        onTriggered: flightplan.remove(role_uid_p0)
    }
    ContextMenuSeparator {
    }
    ContextMenuHeader {
        text: qsTr("Second point %1").arg(role_code_p1)
    }
    ContextMenuItem {
        text: qsTr("Select %1").arg(role_code_p1)
        source: "qrc:/fa/solid/crosshairs.svg"
        onTriggered: ism.selectFromUID(role_uid_p1)
    }
    ContextMenuItem {
        objectName: "addSecond"
        text: qsTr("Add to the route")
        source: "qrc:/fa/solid/circle-plus.svg"
        enabled: !segmentMenu.secondInPlan
        onTriggered: flightplan.add(role_uid_p1)
    }
    ContextMenuItem {
        objectName: "removeSecond"
        text: qsTr("Remove from route")
        source: "qrc:/fa/solid/circle-minus.svg"
        enabled: segmentMenu.secondInPlan
        onTriggered: flightplan.remove(role_uid_p1)
    }
}
