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
    readonly property color red: Material.theme === Material.Dark ? ThemeColor.redDark : ThemeColor.redLight
    // The texts the fields were loaded with: the waypoint's own values, which always stand.
    property string loadedAltitude: ""
    property string loadedSpeed: ""
    property string loadedComment: ""
    // What each field gives the plan: { text, message }, a refused text with the reason. The
    // plan reads the typed text as it will store it, and for the airplane it flies.
    readonly property var altitudeInput: altitudeField.text === loadedAltitude ? stands(loadedAltitude) : flightplan.readAltitude(altitudeField.text)
    readonly property var speedInput: speedField.text === loadedSpeed ? stands(loadedSpeed) : flightplan.readSpeed(speedField.text)
    readonly property bool acceptable: altitudeInput.message === "" && speedInput.message === ""

    function stands(text) {
        return {
            "text": text,
            "message": ""
        };
    }

    function load() {
        const row = flightplan.index(index, 0);
        loadedAltitude = flightplan.data(row, Waypoint.Altitude);
        loadedSpeed = flightplan.data(row, Waypoint.IndicatedAirSpeed);
        loadedComment = flightplan.data(row, Waypoint.Comment);
        altitudeField.text = loadedAltitude;
        speedField.text = loadedSpeed;
        commentField.text = loadedComment;
    }

    // Only a field whose text the pilot changed is written: the fields show the values rounded
    // (a level in hundreds of feet, a Mach number to two decimals), and writing back what they
    // showed would move the plan's figures on an OK that touched nothing. A refused field
    // writes nothing: the dialog stays open with its reason beside it.
    function save() {
        if (!acceptable)
            return;
        const row = flightplan.index(index, 0);
        if (altitudeField.text !== loadedAltitude)
            flightplan.setData(row, altitudeInput.text, Waypoint.Altitude);
        if (speedField.text !== loadedSpeed)
            flightplan.setData(row, speedInput.text, Waypoint.IndicatedAirSpeed);
        if (commentField.text !== loadedComment)
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
                        objectName: "altitudeNote"
                        text: dialog.altitudeInput.message || qsTr("Format 1500ft or FL300")
                        color: dialog.altitudeInput.message ? dialog.red : Material.foreground
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
                        objectName: "speedNote"
                        text: dialog.speedInput.message || qsTr("Format 180kts or M0.78")
                        color: dialog.speedInput.message ? dialog.red : Material.foreground
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
            enabled: dialog.acceptable
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole // qmllint disable type
        }
    }
}
