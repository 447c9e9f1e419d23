import QtQuick
import QtQuick.Controls
import Waylore.Ui

// Opened on a procedure transition drawn on the map. Inserting or hiding the transition
// removes the row this menu was opened on: those entries act once the menu has closed.
ContextMenu {
    id: transitionMenu

    ContextMenuHeader {
        text: qsTr("Transition %1").arg(role_transition)
    }
    ContextMenuItem {
        objectName: "insertTransition"
        text: qsTr("Insert transition")
        source: "qrc:/fa/solid/circle-plus.svg"
        enabled: flightplan.binding && flightplan.terminal.canAddTransition(role_procedure_uid, role_transition)
        onTriggered: {
            const plan = flightplan;
            const selection = ism;
            const procedures = procedureManager;
            const uid = role_procedure_uid;
            const transition = role_transition;
            transitionMenu.afterClose(() => {
                const position = plan.terminal.addTransition(uid, transition);
                selection.selectFromRoute(position);
                procedures.removeTransition(transition);
            });
        }
    }
    ContextMenuItem {
        text: qsTr("Hide %1").arg(role_transition)
        source: "qrc:/fa/solid/eye-slash.svg"
        onTriggered: {
            const procedures = procedureManager;
            const transition = role_transition;
            transitionMenu.afterClose(() => procedures.removeTransition(transition));
        }
    }
    ContextMenuItem {
        text: qsTr("Show only %1").arg(role_transition)
        source: "qrc:/fa/solid/arrows-to-eye.svg"
        onTriggered: {
            const procedures = procedureManager;
            const transition = role_transition;
            transitionMenu.afterClose(() => procedures.removeOtherTransitions(transition));
        }
    }
    ContextMenuSeparator {
    }
    ContextMenuHeader {
        text: qsTr("Procedure %1").arg(role_procedure_identifier)
    }
    ContextMenuItem {
        text: qsTr("Show all transitions")
        source: "qrc:/fa/solid/eye.svg"
        onTriggered: {
            const procedures = procedureManager;
            const uid = role_procedure_uid;
            transitionMenu.afterClose(() => procedures.setProcedure(uid));
        }
    }
    ContextMenuItem {
        text: qsTr("Fit to zoom")
        source: "qrc:/fa/solid/magnifying-glass.svg"
        onTriggered: map.fitViewport(role_transitions_bounding)
    }
}
