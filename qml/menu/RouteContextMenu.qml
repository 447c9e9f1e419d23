import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Opened on the route line of the map.
ContextMenu {
    id: routeMenu

    ContextMenuHeader {
        text: qsTr("Route")
    }
    ContextMenuItem {
        objectName: "generator"
        text: qsTr("Generator")
        source: "qrc:/fa/solid/route.svg"
        enabled: flightplan.count > 1
        onTriggered: generatorDialog.open()
    }
    ContextMenuItem {
        objectName: "computeProfile"
        text: qsTr("Compute IAS/alt")
        source: "qrc:/fa/solid/mound.svg"
        enabled: !settingsFlightplan.autocompute && flightplan.count > 1
        onTriggered: {
            procedureManager.removeAll();
            flightplan.computeProfile();
        }
    }
    ContextMenuItem {
        objectName: "clear"
        text: qsTr("Clear route")
        source: "qrc:/fa/solid/trash.svg"
        enabled: flightplan.count > 1
        onTriggered: {
            const plan = flightplan;
            routeMenu.afterClose(() => plan.clear());
        }
    }
    ContextMenuItem {
        objectName: "reverse"
        text: qsTr("Reverse route")
        source: "qrc:/fa/solid/retweet.svg"
        enabled: flightplan.count > 1
        onTriggered: {
            const plan = flightplan;
            routeMenu.afterClose(() => plan.reverse());
        }
    }
    ContextMenuSeparator {
    }
    ContextMenuItem {
        text: qsTr("Fit to zoom")
        source: "qrc:/fa/solid/magnifying-glass.svg"
        onTriggered: map.fitViewport(flightplan.general.bounding)
    }
}
