import QtQuick
import Qt.labs.platform as Platform

// Route building on the point under attention: the hovered point first, else the selected one.
Platform.Menu {
    id: routeMenu

    readonly property string uid: ism.hoveredOrCurrentUID
    readonly property bool pointReady: ism.hasHoverOrSelection
    // Re-read whenever the plan changes, so that the add and remove entries follow it.
    readonly property bool inRoute: flightplan.count >= 0 && uid !== "" && flightplan.contains(uid)

    // The edit dialog gets the selected row of the table, which tells apart two visits of one
    // point; a waypoint under the pointer that is not that row opens at its first visit.
    function editWaypoint() {
        const uids = flightplan.general.waypointuids;
        const row = ism.currentTableRow;
        const index = row >= 0 && uids[row] === uid ? row : uids.indexOf(uid);
        // The title names the point as the table does, not by its internal identifier.
        waypointEditDialog.code = flightplan.codeAt(index);
        waypointEditDialog.index = index;
        waypointEditDialog.open();
    }

    title: qsTr("&Route")

    Platform.MenuItem {
        text: qsTr("Generator")
        shortcut: "Ctrl+G"
        onTriggered: generatorDialog.open()
    }
    Platform.MenuItem {
        text: qsTr("Add point to the route")
        shortcut: "A"
        enabled: routeMenu.pointReady && !routeMenu.inRoute
        onTriggered: flightplan.add(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("Start with point")
        enabled: routeMenu.pointReady && !routeMenu.inRoute
        onTriggered: flightplan.prepend(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("End with point")
        enabled: routeMenu.pointReady && !routeMenu.inRoute
        onTriggered: flightplan.append(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("Remove point from route")
        shortcut: "R"
        enabled: routeMenu.pointReady && routeMenu.inRoute
        onTriggered: flightplan.remove(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("Add or remove point")
        shortcut: " "
        enabled: routeMenu.pointReady
        onTriggered: flightplan.add(routeMenu.uid, true)
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Compute altitudes and speeds")
        shortcut: "Ctrl+L"
        enabled: !settingsFlightplan.autocompute && flightplan.count > 1
        onTriggered: {
            procedureManager.removeAll();
            flightplan.computeProfile();
            ga.sendEvent("computeprofile", "/", "Main", {});
        }
    }
    Platform.MenuItem {
        text: qsTr("Autocompute on waypoint change")
        checkable: true
        checked: settingsFlightplan.autocompute
        onCheckedChanged: {
            if (checked === settingsFlightplan.autocompute)
                return;
            if (checked)
                flightplan.computeProfile();
            settingsFlightplan.autocompute = checked;
            ga.sendEvent("setautocompute", "/", "Main", {
                "autocompute": checked
            });
        }
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Information for point")
        shortcut: "I"
        enabled: routeMenu.pointReady
        onTriggered: infoManager.showPointInfo(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("Information for waypoint")
        shortcut: "W"
        enabled: routeMenu.pointReady
        onTriggered: infoManager.showWaypointInfo(routeMenu.uid)
    }
    Platform.MenuItem {
        text: qsTr("Edit the current waypoint")
        shortcut: "E"
        enabled: ism.hasSelection && routeMenu.inRoute
        onTriggered: routeMenu.editWaypoint()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Reverse")
        enabled: flightplan.count > 1
        onTriggered: flightplan.reverse()
    }
    Platform.MenuItem {
        text: qsTr("Clear")
        shortcut: "Ctrl+K"
        enabled: flightplan.count > 0
        onTriggered: flightplan.clear()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Update oceanic tracks...")
        onTriggered: {
            tracksUpdateDialog.open();
            tracks.update();
        }
    }
}
