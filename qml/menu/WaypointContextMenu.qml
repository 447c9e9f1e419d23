import QtQuick
import QtQuick.Controls
import Waylore.Ui
import Corvel.Point as CorvelPoint

// Opened on a route waypoint of the map and on a row of the flight-plan table. Entries that
// remove or move the waypoint act once the menu has closed (see ContextMenu).
ContextMenu {
    id: waypointMenu

    ContextMenuHeader {
        text: qsTr("Waypoint %1").arg(role_code)
    }
    ContextMenuItem {
        text: role_type === CorvelPoint.Point.AIRP ? qsTr("Airport information") : qsTr("%1 information").arg(role_type_string)
        source: "qrc:/fa/solid/circle-info.svg"
        onTriggered: infoManager.showPointInfo(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Waypoint info")
        source: "qrc:/fa/solid/clipboard-list.svg"
        onTriggered: infoManager.showWaypointInfo(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Edit waypoint...")
        source: "qrc:/fa/solid/pen-to-square.svg"
        onTriggered: {
            waypointEditDialog.code = role_code;
            waypointEditDialog.index = role_index;
            waypointEditDialog.open();
        }
    }
    RunwaysContextMenu {
        id: runwaysMenu

        objectName: "runways"
    }
    ProcedureContextMenu {
        objectName: "procedure"
    }
    ContextMenuItem {
        objectName: "removeWaypoint"
        text: qsTr("Remove waypoint")
        source: "qrc:/fa/solid/circle-minus.svg"
        enabled: flightplan.count > 0
        onTriggered: {
            const plan = flightplan;
            const row = role_index;
            waypointMenu.afterClose(() => plan.remove(row));
        }
    }
    ContextMenuItem {
        objectName: "moveUp"
        text: qsTr("Move up")
        source: "qrc:/fa/solid/circle-up.svg"
        enabled: flightplan.count > 1 && role_index > 0
        onTriggered: {
            const plan = flightplan;
            const row = role_index;
            waypointMenu.afterClose(() => plan.moveUp(row));
        }
    }
    ContextMenuItem {
        objectName: "moveDown"
        text: qsTr("Move down")
        source: "qrc:/fa/solid/circle-down.svg"
        enabled: flightplan.count > 1 && role_index < flightplan.count - 1
        onTriggered: {
            const plan = flightplan;
            const row = role_index;
            waypointMenu.afterClose(() => plan.moveDown(row));
        }
    }
    ContextMenuItem {
        objectName: "duplicate"
        text: qsTr("Duplicate waypoint")
        source: "qrc:/fa/solid/clone.svg"
        enabled: flightplan.count > 0
        onTriggered: {
            const plan = flightplan;
            const row = role_index;
            waypointMenu.afterClose(() => plan.duplicate(row));
        }
    }

    // Only an airport has runways to choose.
    Component.onCompleted: {
        if (role_type !== CorvelPoint.Point.AIRP)
            waypointMenu.removeMenu(runwaysMenu);
    }
}
