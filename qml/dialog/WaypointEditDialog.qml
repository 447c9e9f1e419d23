import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Corvel.Waypoint
import Waylore.Ui

// Edits the altitude, speed and comment of one waypoint of the plan, as the texts the table
// shows ("FL300", "180kts", "M0.78"); an emptied field clears its value. Cancel writes nothing.
Dialog {
    id: dialog

    // The waypoint's row in the plan, and its identifier for the title; set before open().
    property int index: 0
    property string code: ""
    readonly property bool autocompute: settingsFlightplan.autocompute

    function load() {
        const row = flightplan.index(index, 0);
        altitudeField.text = flightplan.data(row, Waypoint.Altitude);
        speedField.text = flightplan.data(row, Waypoint.IndicatedAirSpeed);
        commentField.text = flightplan.data(row, Waypoint.Comment);
    }

    // All three are written even while auto-compute holds the first two: they then write
    // back the texts they were loaded with.
    function save() {
        const row = flightplan.index(index, 0);
        flightplan.setData(row, altitudeField.text, Waypoint.Altitude);
        flightplan.setData(row, speedField.text, Waypoint.IndicatedAirSpeed);
        flightplan.setData(row, commentField.text, Waypoint.Comment);
        close();
    }

    title: qsTr("Edit waypoint %1").arg(code)
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    focus: true
    closePolicy: Popup.CloseOnEscape
    onVisibleChanged: {
        if (visible)
            load();
    }
    onAccepted: save()

    PageViewTracker {
        location: "/waypointedit"
        title: "WaypointEdit"
        opened: dialog.visible
    }

    ColumnLayout {
        id: content

        anchors.fill: parent

        Label {
            visible: dialog.autocompute
            color: Material.theme === Material.Dark ? "lightcoral" : "coral"
            text: qsTr("Altitude and IAS cannot be modified as 'auto-compute' is enabled.\nYou can uncheck this feature in the 'Route' menu.")
        }
        Label {
            visible: !dialog.autocompute
            text: qsTr("Edit altitude, IAS or comment for this waypoint. Empty the field \nto clear the value.")
        }
        Item {
            Layout.preferredHeight: Size.extraMargin
        }
        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Editable properties")

            GridLayout {
                anchors.fill: parent
                columns: 2

                Label {
                    text: qsTr("Altitude")
                }
                RowLayout {
                    TextField {
                        id: altitudeField

                        objectName: "altitudeField"
                        enabled: !dialog.autocompute
                        placeholderText: qsTr("FL or ft")
                        onAccepted: dialog.save()
                    }
                    Label {
                        text: qsTr("Format 1500ft or FL300")
                    }
                }
                Label {
                    text: qsTr("IAS")
                }
                RowLayout {
                    TextField {
                        id: speedField

                        objectName: "speedField"
                        enabled: !dialog.autocompute
                        placeholderText: qsTr("M or kts")
                        onAccepted: dialog.save()
                    }
                    Label {
                        text: qsTr("Format 180kts or M0.78")
                    }
                }
                Label {
                    text: qsTr("Comment")
                }
                TextField {
                    id: commentField

                    objectName: "commentField"
                    Layout.fillWidth: true
                    onAccepted: dialog.save()
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "cancelButton"
            text: qsTr("Cancel")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
        Button {
            objectName: "okButton"
            text: qsTr("OK")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole // qmllint disable type
        }
    }
}
