import QtQuick
import QtQuick.Controls
import Corvel.Point as CorvelPoint

// The runway of an airport waypoint, inside the waypoint menu or alone from a flight-plan row.
// Its entries exist only while it is open.
Menu {
    id: runwaysMenu

    // The icon of its entry in the waypoint menu.
    property string source: "qrc:/fa/solid/road.svg"

    title: qsTr("Runway...")
    enabled: flightplan.count > 0 && role_type === CorvelPoint.Point.AIRP

    Instantiator {
        model: runwaysMenu.visible ? role_available_runways : []
        onObjectAdded: (index, object) => runwaysMenu.insertItem(index, object)
        onObjectRemoved: (index, object) => runwaysMenu.removeItem(object)

        MenuItem {
            required property string modelData

            text: modelData
            checkable: true
            checked: modelData === role_runway
            // Writes the waypoint's runway into the flight-plan model.
            onTriggered: role_runway = modelData
        }
    }
}
