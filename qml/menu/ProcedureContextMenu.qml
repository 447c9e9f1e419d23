import QtQuick
import QtQuick.Controls
import Waylore.Ui

// The procedure a waypoint belongs to, inside the waypoint menu or alone from a flight-plan
// row.
ContextMenu {
    id: procedureMenu

    readonly property bool hasProcedure: role_procedure_uid !== undefined && role_procedure_uid !== ""

    // Writing the procedure rebuilds the plan's rows, this one's too: nothing of the row is
    // read after the write.
    function chooseProcedure(name) {
        const info = infoManager;
        role_procedure_uid = name;
        info.showProcedureInfo(name);
    }

    title: "SID/STAR..."
    source: "qrc:/fa/solid/arrows-turn-to-dots.svg"

    ContextMenuHeader {
        text: role_procedure_type ? qsTr("%1 %2").arg(role_procedure_type).arg(role_procedure_uid) : qsTr("No procedure")
    }
    ContextMenuItem {
        objectName: "showProcedure"
        text: role_procedure_identifier ? qsTr("Show %1").arg(role_procedure_identifier) : qsTr("Information")
        source: "qrc:/fa/solid/circle-info.svg"
        enabled: procedureMenu.hasProcedure
        onTriggered: infoManager.showProcedureInfo(role_procedure_uid)
    }
    Menu {
        id: insertMenu

        property string source: "qrc:/fa/solid/circle-plus.svg"

        objectName: "insertTransition"
        title: qsTr("Insert transition...")
        enabled: procedureMenu.hasProcedure

        Instantiator {
            model: insertMenu.visible ? role_procedure_all_transitions : []
            onObjectAdded: (index, object) => insertMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => insertMenu.removeItem(object)

            MenuItem {
                required property string modelData

                text: modelData
                enabled: flightplan.binding && flightplan.terminal.canAddTransition(role_procedure_uid, modelData)
                onTriggered: {
                    const plan = flightplan;
                    const selection = ism;
                    const procedures = procedureManager;
                    const uid = role_procedure_uid;
                    const transition = modelData;
                    procedureMenu.afterClose(() => {
                        const position = plan.terminal.addTransition(uid, transition);
                        selection.selectFromRoute(position);
                        procedures.removeTransition(transition);
                    });
                }
            }
        }
    }
    ContextMenuItem {
        objectName: "removeProcedure"
        text: role_procedure_identifier ? qsTr("Remove %1").arg(role_procedure_identifier) : qsTr("Remove")
        source: "qrc:/fa/solid/ban.svg"
        enabled: procedureMenu.hasProcedure
        onTriggered: {
            const plan = flightplan;
            const uid = role_procedure_uid;
            procedureMenu.afterClose(() => plan.terminal.removeProcedureWaypoints(uid));
        }
    }
    ContextMenuHeader {
        text: qsTr("Change procedure")
    }
    Menu {
        id: chooseMenu

        // Set once a procedure is chosen: from then on hovering no longer previews.
        property bool selected: false
        property string source: "qrc:/fa/solid/square-check.svg"

        objectName: "chooseProcedure"
        title: qsTr("Choose...")
        enabled: role_available_procedures !== undefined && role_available_procedures.length > 0
        onAboutToShow: selected = false

        Instantiator {
            model: chooseMenu.visible ? role_available_procedures : []
            onObjectAdded: (index, object) => chooseMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => chooseMenu.removeItem(object)

            MenuItem {
                required property string modelData

                text: modelData
                checkable: true
                checked: modelData === role_procedure_uid
                onHoveredChanged: {
                    if (hovered && !chooseMenu.selected)
                        procedureManager.setProcedure(modelData);
                }
                onTriggered: {
                    chooseMenu.selected = true;
                    procedureMenu.chooseProcedure(modelData);
                }
            }
        }
    }
}
