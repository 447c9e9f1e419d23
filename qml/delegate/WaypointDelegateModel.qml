import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtQml.Models
import Waylore.Ui

// The rows of the flight-plan table. Each row reads the waypoint's roles from its context,
// where the waypoint menus read them too.
DelegateModel {
    id: visualModel

    // Least widths of the ten columns; the comment takes the rest of the row.
    readonly property var columnWidths: [115, 45, 60, 60, 60, 70, 70, 60, 60, 250]
    // The widest value a column shows in real plans, with its icon: a 360° heading, a
    // four-digit leg, a level or altitude, a speed, a five-hour leg, five-digit fuel in pounds,
    // a seven-character airway. Measured in the table's font, so that no value runs into the next.
    readonly property var widestValues: [[], ["360°"], ["8888nm"], ["FL410", "88888ft"], ["888kts", "M0.88"], ["8h88m88s"], ["88888lbs", "88888gal"], ["UPN8888"]]
    readonly property var iconSizes: [0, 10, 10, 10, 10, 10, 10, 0]
    readonly property bool macos: Qt.platform.os === "osx"

    model: flightplan
    delegate: DropArea {
        id: row

        readonly property int visualIndex: DelegateModel.itemsIndex
        // Where the row stood in the plan when its handle was pressed; -1 until then.
        property int modelIndex: -1
        readonly property int planRow: index
        readonly property string uid: role_uid
        readonly property bool departure: role_is_departure_airport
        readonly property bool arrival: role_is_arrival_airport
        readonly property bool highlighted: ism.currentTableRow === planRow
        readonly property Item view: ListView.view

        // Widths of the columns in this row's font: the least width, or the widest value with
        // its icon and a gap when that is wider.
        readonly property real commentMinimum: metrics.averageCharacterWidth * 4
        readonly property var widths: {
            const result = [];
            for (let i = 0; i < 9; ++i) {
                let width = visualModel.columnWidths[i];
                const values = visualModel.widestValues[i] || [];
                for (const value of values) {
                    const icon = visualModel.iconSizes[i] > 0 ? visualModel.iconSizes[i] + 5 : 0;
                    width = Math.max(width, Math.ceil(icon + metrics.advanceWidth(value) + metrics.averageCharacterWidth));
                }
                result.push(width);
            }
            return result;
        }

        // Column N shows when the columns up to it leave the comment a few characters: on a
        // narrow table (the smallest window) the comment gives up its width before a value
        // column drops out, and it takes the rest of a wide one.
        function fits(column) {
            let sum = 0;
            for (let i = 0; i <= column; ++i)
                sum += widths[i];
            return sum <= width - commentMinimum;
        }

        function hit(button, x, y) {
            return button.visible && button.contains(button.mapFromItem(rowArea, x, y));
        }

        // Called by the handle when a drag ends. Only a drop inside the list moves the
        // waypoint, once; anything else puts the dragged row back where the plan has it.
        function finishDrag(dropped) {
            const from = modelIndex;
            const to = visualIndex;
            if (from < 0 || from === to)
                return;
            if (dropped) {
                // The move rebuilds every row, this one too: it runs once the drop is over.
                const plan = flightplan;
                Qt.callLater(() => plan.moveRow(from, to));
            } else {
                visualModel.items.move(to, from);
            }
        }

        width: view ? view.width : 0
        height: 40
        // A row handed on to another waypoint starts unpressed, and whole even when it left
        // in the middle of a transition.
        ListView.onReused: {
            modelIndex = -1;
            scale = 1;
        }
        onEntered: drag => {
            const source = drag.source;
            if (!source || source.list !== row.view || source.visualIndex === row.visualIndex)
                return;
            visualModel.items.move(source.visualIndex, row.visualIndex);
        }

        FontMetrics {
            id: metrics

            font: commentCell.font
        }
        Rectangle {
            anchors.fill: parent
            color: row.highlighted ? Material.listHighlightColor : "transparent"
        }
        RowLayout {
            anchors.fill: parent
            spacing: 0

            // 0: type icon, code and runway
            RowLayout {
                Layout.preferredWidth: visualModel.columnWidths[0]
                Layout.maximumWidth: visualModel.columnWidths[0]
                spacing: 4

                TintedImage {
                    Layout.leftMargin: 10
                    Layout.preferredWidth: 14
                    Layout.preferredHeight: 14
                    sourceSize.width: 14
                    sourceSize.height: 14
                    source: role_icon
                    color: Material.primaryTextColor
                }
                Label {
                    text: role_code
                    font.bold: true
                }
                Button {
                    id: runwayButton

                    objectName: "runwayButton"
                    Layout.preferredHeight: row.height * 0.75
                    visible: row.departure || row.arrival
                    flat: true
                    highlighted: true
                    focusPolicy: Qt.NoFocus
                    topInset: 0
                    bottomInset: 0
                    leftPadding: 4
                    rightPadding: 4
                    text: role_runway !== "" ? role_runway : "RW-"
                    font.bold: true
                    font.pointSize: visualModel.macos ? 8 : 6
                }
                Item {
                    Layout.fillWidth: true
                }
            }
            // 1 to 7: a cell hidden for want of a value keeps its place; one that does not
            // fit gives its width to the comment.
            Item {
                Layout.preferredWidth: row.widths[1]
                Layout.fillHeight: true

                RowField {
                    objectName: "headingCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[1]
                    content: role_heading_to_next
                    iconsrc: "qrc:/fa/regular/compass.svg"
                    iconsize: 10
                }
            }
            Item {
                Layout.preferredWidth: row.widths[2]
                Layout.fillHeight: true

                RowField {
                    objectName: "distanceCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[2]
                    content: role_distance_to_next
                    iconsrc: "qrc:/fa/solid/caret-right.svg"
                    iconsize: 10
                    visible: !role_is_last
                }
            }
            Item {
                Layout.preferredWidth: row.widths[3]
                Layout.fillHeight: true

                RowField {
                    objectName: "altitudeCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[3]
                    content: role_altitude
                    iconsrc: role_altitude_icon
                    iconsize: 10
                    visible: role_altitude !== ""
                }
            }
            Item {
                Layout.preferredWidth: row.fits(4) ? row.widths[4] : 0
                Layout.fillHeight: true

                RowField {
                    objectName: "speedCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[4]
                    content: role_ias
                    iconsrc: "qrc:/fa/solid/gauge-high.svg"
                    iconsize: 10
                    visible: role_ias !== "" && row.fits(4)
                }
            }
            Item {
                Layout.preferredWidth: row.fits(5) ? row.widths[5] : 0
                Layout.fillHeight: true

                RowField {
                    objectName: "timeCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[5]
                    content: role_time_to_next
                    iconsrc: "qrc:/fa/solid/stopwatch.svg"
                    iconsize: 10
                    visible: role_time_to_next !== "" && row.fits(5)
                }
            }
            Item {
                Layout.preferredWidth: row.fits(6) ? row.widths[6] : 0
                Layout.fillHeight: true

                RowField {
                    objectName: "fuelCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[6]
                    content: role_remaining_fuel
                    iconsrc: "qrc:/fa/solid/gas-pump.svg"
                    iconsize: 10
                    visible: role_remaining_fuel !== "" && row.fits(6)
                }
            }
            Item {
                Layout.preferredWidth: row.widths[7]
                Layout.fillHeight: true

                RowField {
                    objectName: "airwayCell"
                    anchors.fill: parent
                    fixedWidth: row.widths[7]
                    content: role_airway
                    visible: role_airway !== "" && role_procedure_identifier === ""
                }
            }
            // 8: the procedure of the row, or the lack of one at an airport
            Item {
                Layout.preferredWidth: row.widths[8]
                Layout.fillHeight: true

                Button {
                    id: procedureButton

                    objectName: "procedureButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, row.widths[8])
                    height: row.height * 0.75
                    visible: role_procedure_identifier !== "" || row.departure || row.arrival
                    flat: true
                    highlighted: true
                    focusPolicy: Qt.NoFocus
                    topInset: 0
                    bottomInset: 0
                    leftPadding: 4
                    rightPadding: 4
                    text: role_procedure_identifier !== "" ? role_procedure_identifier : (row.departure ? "No SID" : "No STAR")
                    font.pointSize: visualModel.macos ? 8 : 6
                }
            }
            // 9: the comment takes the rest
            Label {
                id: commentCell

                objectName: "commentCell"
                Layout.fillWidth: true
                text: role_comment
                elide: Text.ElideRight
            }
        }
        // The row's own buttons, shown under the pointer; the row's click handler tells which
        // one was hit.
        Row {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            visible: rowArea.containsMouse

            NestedButton {
                id: menuButton

                objectName: "menuButton"
                source: "qrc:/fa/solid/ellipsis-vertical.svg"
            }
            NestedButton {
                id: upButton

                objectName: "upButton"
                source: "qrc:/fa/solid/circle-arrow-up.svg"
                visible: row.planRow > 0
            }
            NestedButton {
                id: downButton

                objectName: "downButton"
                source: "qrc:/fa/solid/circle-arrow-down.svg"
                visible: row.planRow < flightplan.count - 1
            }
            NestedButton {
                id: removeButton

                objectName: "removeButton"
                source: "qrc:/fa/solid/circle-minus.svg"
            }
        }
        MouseArea {
            id: rowArea

            objectName: "rowArea"
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            hoverEnabled: true
            onContainsMouseChanged: ism.setHovered(containsMouse, row.uid)
            onClicked: mouse => {
                const planRow = row.planRow;
                ism.selectFromRoute(planRow);
                if (mouse.button === Qt.RightButton)
                    waypointMenu.popup(mouse.x, mouse.y);
                else if (row.hit(removeButton, mouse.x, mouse.y))
                    flightplan.remove(planRow);
                else if (row.hit(upButton, mouse.x, mouse.y))
                    flightplan.moveUp(planRow);
                else if (row.hit(downButton, mouse.x, mouse.y))
                    flightplan.moveDown(planRow);
                else if (row.hit(menuButton, mouse.x, mouse.y))
                    waypointMenu.popup(mouse.x, mouse.y);
                else if (row.hit(runwayButton, mouse.x, mouse.y))
                    runwaysMenu.popup(mouse.x, mouse.y);
                else if (row.hit(procedureButton, mouse.x, mouse.y))
                    procedureMenu.popup(mouse.x, mouse.y);
            }
            onDoubleClicked: mouse => {
                if (mouse.button !== Qt.LeftButton)
                    return;
                waypointEditDialog.code = role_code;
                waypointEditDialog.index = row.planRow;
                waypointEditDialog.open();
            }
        }
        DraggableWaypoint {
            objectName: "handle"
            row: row
            list: row.view
        }
        CustomToolTip {
            text: role_tooltip
            // Never over one of the row's menus.
            visible: rowArea.containsMouse && !waypointMenu.opened && !procedureMenu.opened && !runwaysMenu.opened
        }
        MenuLoader {
            id: waypointMenu

            objectName: "waypointMenu"
            sourceComponent: WaypointContextMenu {
            }
        }
        MenuLoader {
            id: runwaysMenu

            objectName: "runwaysMenu"
            sourceComponent: RunwaysContextMenu {
            }
        }
        MenuLoader {
            id: procedureMenu

            objectName: "procedureMenu"
            sourceComponent: ProcedureContextMenu {
            }
        }
    }
}
