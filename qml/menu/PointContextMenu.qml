import QtQuick
import QtQuick.Controls
import Waylore.Ui
import Corvel.Point as CorvelPoint

// Opened on a navigation point of the map and on a row of the point list.
ContextMenu {
    id: pointMenu

    readonly property bool inPlan: flightplan.general.waypointuids.indexOf(role_uid) >= 0
    // The point's kind is a code (VOR, NDB, ...) for every kind but the airport, a word.
    readonly property bool airport: role_type === CorvelPoint.Point.AIRP

    ContextMenuHeader {
        text: qsTr("%1 %2").arg(pointMenu.airport ? qsTr("Airport") : role_type_string).arg(role_code)
    }
    ContextMenuItem {
        text: pointMenu.airport ? qsTr("Airport information") : qsTr("%1 information").arg(role_type_string)
        source: "qrc:/fa/solid/circle-info.svg"
        onTriggered: infoManager.showPointInfo(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Select %1").arg(role_code)
        source: "qrc:/fa/solid/crosshairs.svg"
        onTriggered: ism.selectFromUID(role_uid)
    }
    ContextMenuItem {
        text: qsTr("Fit to zoom")
        source: "qrc:/fa/solid/magnifying-glass.svg"
        onTriggered: map.fitViewport(role_bounding)
    }
    Menu {
        property string source: "qrc:/fa/solid/circle-right.svg"

        objectName: "moreInfo"
        title: qsTr("More info...")
        enabled: role_type === CorvelPoint.Point.AIRP

        ContextMenuItem {
            text: qsTr("METAR")
            source: "qrc:/fa/solid/cloud.svg"
            onTriggered: infoManager.showPointInfo(role_uid, "metar")
        }
        ContextMenuItem {
            text: qsTr("Runways")
            source: "qrc:/fa/solid/road.svg"
            onTriggered: infoManager.showPointInfo(role_uid, "runways")
        }
        ContextMenuItem {
            text: qsTr("ATC")
            source: "qrc:/fa/solid/tower-cell.svg"
            onTriggered: infoManager.showPointInfo(role_uid, "atcs")
        }
        ContextMenuItem {
            text: qsTr("SID/STAR")
            source: "qrc:/fa/solid/arrow-trend-up.svg"
            onTriggered: infoManager.showPointInfo(role_uid, "sidstars")
        }
    }
    ContextMenuSeparator {
    }
    ContextMenuHeader {
        text: qsTr("Flight plan")
    }
    ContextMenuItem {
        objectName: "add"
        text: qsTr("Add %1 to route").arg(role_code)
        source: "qrc:/fa/solid/circle-plus.svg"
        enabled: !pointMenu.inPlan
        onTriggered: flightplan.add(role_uid)
    }
    ContextMenuItem {
        objectName: "remove"
        text: qsTr("Remove %1").arg(role_code)
        source: "qrc:/fa/solid/circle-minus.svg"
        enabled: pointMenu.inPlan
        onTriggered: flightplan.remove(role_uid)
    }
    ContextMenuItem {
        objectName: "prepend"
        text: qsTr("Start with %1").arg(role_code)
        source: "qrc:/fa/solid/backward-step.svg"
        enabled: !pointMenu.inPlan
        onTriggered: flightplan.prepend(role_uid)
    }
    ContextMenuItem {
        objectName: "append"
        text: qsTr("End with %1").arg(role_code)
        source: "qrc:/fa/solid/forward-step.svg"
        enabled: !pointMenu.inPlan
        onTriggered: flightplan.append(role_uid)
    }
}
