import QtQuick
import Corvel.Map
import Waylore.Ui

// The paths of the procedure transitions the information panel has put on the map, straight on
// the map: an outline that takes the mouse and the menu, and the line above it.
MapItemView {
    id: procedureTransitionLayer

    model: procedureManager.transitionMapModel

    delegate: MapItemGroup {
        id: transition

        property var role_polyline
        property string role_tooltip
        // Read by the context menu.
        property string role_transition
        property string role_procedure_uid
        property string role_procedure_identifier
        property var role_transitions_bounding

        MapPolyline {
            id: border

            objectName: "border"
            path: transition.role_polyline || []
            line.color: theme.color("procedure.border")
            line.width: theme.width("procedure") + 2 * theme.width("procedure.border")
            line.capStyle: Qt.RoundCap

            HoverHandler {
                id: hover

                enabled: !menu.visible
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                gesturePolicy: TapHandler.ReleaseWithinBounds
                onSingleTapped: eventPoint => menu.popup(eventPoint.position.x, eventPoint.position.y)
            }
            CustomToolTip {
                // Not beside a question or dialog.
                readonly property HoverGate gate: HoverGate {
                    item: transition
                }

                x: hover.point.position.x + 10
                y: hover.point.position.y + 10
                z: -1
                visible: hover.hovered && !gate.modal
                text: transition.role_tooltip
            }
            TransitionContextMenu {
                id: menu
            }
        }
        MapPolyline {
            objectName: "line"
            path: border.path
            line.color: hover.hovered ? theme.color("procedure.hover") : theme.color("procedure")
            line.width: theme.width("procedure")
            line.capStyle: Qt.RoundCap
        }
    }
}
