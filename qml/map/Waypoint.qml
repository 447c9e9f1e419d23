import QtQuick
import QtPositioning
import Corvel.Map
import Corvel.Waypoint as CorvelWaypoint
import Waylore.Ui

// The waypoints of the flight plan: symbol and code of each, the selection marker on the row
// the flight-plan table has current, the waypoint's menu and tooltip.
MapItemView {
    id: waypointLayer

    // The waypoint menu chooses a runway or a procedure by writing the role: the plan learns of
    // it here. Values that only came from the plan are not written back.
    function writeRole(row, role, value) {
        if (row < 0 || row >= flightplan.count)
            return;
        const modelIndex = flightplan.index(row, 0);
        if (flightplan.data(modelIndex, role) !== value)
            flightplan.setData(modelIndex, value, role);
    }

    model: flightplan

    // A pulse: up to one and a half times the size, then back. Run side by side, the two halves
    // would fight over the scale and leave the waypoint enlarged.
    add: Transition {
        SequentialAnimation {
            NumberAnimation {
                property: "scale"
                from: 1.0
                to: 1.5
                easing.type: Easing.InOutQuad
            }
            NumberAnimation {
                property: "scale"
                from: 1.5
                to: 1.0
                easing.type: Easing.InOutQuad
            }
        }
    }

    delegate: MapQuickItem {
        id: waypoint

        property int index: -1
        property string role_uid
        property var role_position
        property int role_type
        property string role_code
        property string role_icon
        property int role_icon_offset
        property int role_text_offset
        property string role_tooltip
        // Read (and the last two written) by the waypoint menu.
        property string role_type_string
        property int role_index
        property var role_available_runways
        property var role_available_procedures
        property string role_procedure_type
        property string role_procedure_identifier
        property var role_procedure_all_transitions
        property string role_runway
        property string role_procedure_uid

        readonly property bool selected: ism.currentTableRow === index
        property bool hovered: false

        onRole_runwayChanged: waypointLayer.writeRole(index, CorvelWaypoint.Waypoint.RunwayEnd, role_runway)
        onRole_procedure_uidChanged: waypointLayer.writeRole(index, CorvelWaypoint.Waypoint.ProcedureUID, role_procedure_uid)

        coordinate: role_position || QtPositioning.coordinate()
        sourceItem: Item {
            Loader {
                objectName: "selection"
                source: "Selection.qml"
                visible: waypoint.selected
            }
            Basepoint {
                isWaypoint: true
            }
            MenuLoader {
                id: menuLoader

                sourceComponent: Component {
                    WaypointContextMenu {
                    }
                }
            }
            ToolTipLoader {
                objectName: "tooltip"
                // Not behind the waypoint's own menu.
                shown: waypoint.hovered && !menuLoader.opened
                text: waypoint.role_tooltip
            }
        }
    }
}
