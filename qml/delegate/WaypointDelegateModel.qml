import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtQml.Models
import Waylore.Ui
import Waylore.Ui as Ui

// The rows of the flight-plan table. Each row reads the waypoint's roles from its context,
// where the waypoint menus read them too.
DelegateModel {
    id: visualModel

    // The columns before the comment, which takes the rest of the row. Each is at least its
    // least width, or as wide as the widest value it shows in real plans with its icon and a gap,
    // measured in the table's font so that no value runs into the next: a 360° heading, a
    // four-digit leg, a level or altitude, a speed, a five-hour leg, the widest fuel text of each
    // unit (whole units, grouped as the interface language groups them), a seven-character
    // airway. The value cells (1 to 7) name the role they show and its icon; "whenSet" cells show
    // only while they have a value (the others hide on the last row), "unless" names a role that
    // hides the cell when set, and "yields" cells give their width to the comment on a narrow
    // table, the lowest "yields" first: fuel is the last to go.
    readonly property var columns: [
        { least: 115 },
        { cell: "headingCell", role: "role_heading_to_next", icon: "qrc:/fa/regular/compass.svg", least: 45, widest: ["360°"] },
        { cell: "distanceCell", role: "role_distance_to_next", icon: "qrc:/fa/solid/caret-right.svg", least: 60, widest: ["8,888nm"] },
        { cell: "altitudeCell", role: "role_altitude", iconRole: "role_altitude_icon", least: 60, widest: ["FL410", "88,888ft"],
            whenSet: true },
        { cell: "speedCell", role: "role_ias", icon: "qrc:/fa/solid/gauge-high.svg", least: 60, widest: ["888kts", "M0.88"],
            whenSet: true, yields: 1 },
        { cell: "timeCell", role: "role_time_to_next", icon: "qrc:/fa/solid/stopwatch.svg", least: 70, widest: ["8h88m88s"],
            whenSet: true, yields: 2 },
        { cell: "fuelCell", role: "role_remaining_fuel", icon: "qrc:/fa/solid/gas-pump.svg", least: 70, widest: ["888,888kg", "888,888lbs", "888,888L", "888,888gal"],
            whenSet: true, yields: 3 },
        { cell: "airwayCell", role: "role_airway", least: 60, widest: ["UPN8888"], whenSet: true, unless: "role_procedure_identifier" },
        { least: 60, widest: [qsTr("No SID"), qsTr("No STAR")] }
    ]
    readonly property int iconSize: 10
    readonly property bool macos: Qt.platform.os === "osx"

    // The runway and procedure buttons of a row, which open their menus.
    component RowButton: Button {
        flat: true
        highlighted: true
        focusPolicy: Qt.NoFocus
        topInset: 0
        bottomInset: 0
        leftPadding: 4
        rightPadding: 4
        font.pointSize: visualModel.macos ? 8 : 6
        // As wide as its text: the style's least width of a button would push it out of its
        // column.
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
    }

    // A value cell (columns 1 to 7), reading the row it stands in by the row's id. The row
    // declares one per column rather than repeating them, so that each stays a child object of
    // the row, where a look-up by name finds it.
    component ValueCell: Item {
        id: cell

        required property int column
        readonly property var entry: visualModel.columns[column]
        readonly property bool fits: !entry.yields || row.fits(column)

        Layout.preferredWidth: fits ? row.widths[column] : 0
        Layout.fillHeight: true

        RowField {
            objectName: cell.entry.cell
            anchors.fill: parent
            fixedWidth: row.widths[cell.column]
            content: row.waypoint[cell.entry.role]
            iconsrc: cell.entry.iconRole ? row.waypoint[cell.entry.iconRole] : cell.entry.icon || ""
            iconsize: cell.entry.icon || cell.entry.iconRole ? visualModel.iconSize : 0
            visible: cell.entry.whenSet ? content !== "" && cell.fits && (!cell.entry.unless || row.waypoint[cell.entry.unless] === "")
                                       : !role_is_last
        }
    }

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
        readonly property Flickable view: ListView.view
        // The table clips what it paints, not where the pointer reaches: a row out of its sight
        // (kept beyond its edges, under the footer) or under a dialog or question does not react
        // to the pointer.
        readonly property bool pointed: gate.open

        // Widths of the columns in this row's font: the least width, or the widest value with
        // its icon and a gap when that is wider.
        readonly property var widths: visualModel.columns.map(column => {
            const icon = column.icon || column.iconRole ? visualModel.iconSize + 5 : 0;
            let width = column.least;
            for (const value of column.widest || [])
                width = Math.max(width, Math.ceil(icon + metrics.advanceWidth(value) + metrics.averageCharacterWidth));
            return width;
        })
        // The comment keeps the room of the row's four buttons and their gap, which show over
        // it under the pointer: they never cover a value or the procedure.
        readonly property real commentMinimum: 4 * menuButton.implicitWidth + rowButtons.anchors.rightMargin
        // The roles of the row's waypoint, for the cells that read them by name.
        readonly property var waypoint: model

        // A yielding column shows when every column but those that yield before it leaves the
        // comment its room: on a narrow table (the smallest window) speed goes first, then time,
        // and fuel last.
        function fits(column) {
            const rank = visualModel.columns[column].yields;
            let sum = commentMinimum;
            visualModel.columns.forEach((entry, i) => {
                if (!entry.yields || entry.yields >= rank)
                    sum += widths[i];
            });
            return sum <= width;
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
        onPointedChanged: ism.setHovered(pointed, uid)
        onEntered: drag => {
            const source = drag.source;
            if (!source || source.list !== row.view || source.visualIndex === row.visualIndex)
                return;
            visualModel.items.move(source.visualIndex, row.visualIndex);
        }

        Ui.HoverGate {
            id: gate

            item: rowArea
            hovered: rowArea.containsMouse
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
                Layout.preferredWidth: visualModel.columns[0].least
                Layout.maximumWidth: visualModel.columns[0].least
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
                // A code too long for the column gives way to the runway button.
                Label {
                    text: role_code
                    font.bold: true
                    elide: Text.ElideRight
                }
                RowButton {
                    id: runwayButton

                    objectName: "runwayButton"
                    Layout.minimumWidth: implicitWidth
                    Layout.preferredHeight: row.height * 0.75
                    visible: row.departure || row.arrival
                    text: role_runway !== "" ? role_runway : "RW-"
                    font.bold: true
                }
                Item {
                    Layout.fillWidth: true
                }
            }
            // 1 to 7: a cell hidden for want of a value keeps its place; one that does not
            // fit gives its width to the comment.
            ValueCell {
                column: 1
            }
            ValueCell {
                column: 2
            }
            ValueCell {
                column: 3
            }
            ValueCell {
                column: 4
            }
            ValueCell {
                column: 5
            }
            ValueCell {
                column: 6
            }
            ValueCell {
                column: 7
            }
            // 8: the procedure of the row, or the lack of one at an airport
            Item {
                Layout.preferredWidth: row.widths[8]
                Layout.fillHeight: true

                RowButton {
                    id: procedureButton

                    objectName: "procedureButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, row.widths[8])
                    height: row.height * 0.75
                    visible: role_procedure_identifier !== "" || row.departure || row.arrival
                    text: role_procedure_identifier !== "" ? role_procedure_identifier : (row.departure ? qsTr("No SID") : qsTr("No STAR"))
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
            id: rowButtons

            objectName: "rowButtons"
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            visible: row.pointed

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
            visualIndex: row.visualIndex
            list: row.view
            onLifted: row.modelIndex = row.visualIndex
            onDragEnded: inside => row.finishDrag(inside)
        }
        CustomToolTip {
            text: role_tooltip
            // Never over one of the row's menus.
            visible: row.pointed && !waypointMenu.opened && !procedureMenu.opened && !runwaysMenu.opened
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
