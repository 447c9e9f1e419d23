import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The flight plan's particulars, each written back as it is edited, and the airplane and
// cruise settings.
Dialog {
    id: dialog

    // The departure time is shown and read in UTC, as its label says, whatever the zone of
    // the machine.
    function formatUtc(date) {
        if (!date || isNaN(date.getTime()))
            return "";
        return date.getUTCFullYear() + "-" + Utility.pad(date.getUTCMonth() + 1) + "-" + Utility.pad(date.getUTCDate()) + " "
                + Utility.pad(date.getUTCHours()) + ":" + Utility.pad(date.getUTCMinutes());
    }

    // The instant a "yyyy-MM-dd hh:mm" text names in UTC; null for any other text and for an
    // impossible date or time (a month 13, a 30 February, 24:00).
    function parseUtc(text) {
        const parts = /^\s*(\d{4})-(\d{2})-(\d{2}) (\d{2}):(\d{2})\s*$/.exec(text);
        if (!parts)
            return null;
        const fields = parts.slice(1).map(Number);
        const date = new Date(Date.UTC(fields[0], fields[1] - 1, fields[2], fields[3], fields[4]));
        const back = [date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate(), date.getUTCHours(), date.getUTCMinutes()];
        return back.every((value, i) => value === fields[i]) ? date : null;
    }

    title: qsTr("Flight information")
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    focus: true
    closePolicy: Popup.CloseOnEscape
    onAboutToShow: departureField.text = formatUtc(flightplan.general.departuretime)
    onAccepted: {
        flightplan.setAsEdited();
        flightplan.forceUpdate();
    }

    PageViewTracker {
        location: "/flightinfo"
        title: "FlightInfo"
        opened: dialog.visible
    }

    ColumnLayout {
        id: content

        anchors.fill: parent

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Flight info")

            GridLayout {
                anchors.fill: parent
                columns: 4

                Label {
                    text: qsTr("Pilot name")
                }
                TextField {
                    objectName: "picField"
                    text: flightplan.general.pic
                    onTextEdited: flightplan.general.pic = text
                }
                Label {
                    Layout.leftMargin: Size.extraMargin
                    text: qsTr("Company")
                }
                TextField {
                    objectName: "companyField"
                    text: flightplan.general.company
                    onTextEdited: flightplan.general.company = text
                }
                Label {
                    text: qsTr("Flight number")
                }
                TextField {
                    objectName: "numberField"
                    text: flightplan.general.number
                    onTextEdited: flightplan.general.number = text
                }
                Label {
                    Layout.leftMargin: Size.extraMargin
                    text: qsTr("Sequence")
                }
                UnitSpinBox {
                    objectName: "sequenceBox"
                    editable: true
                    from: 1
                    to: 999
                    value: flightplan.general.sequence
                    onValueChanged: {
                        if (value !== flightplan.general.sequence)
                            flightplan.general.sequence = value;
                    }
                }
                Label {
                    text: qsTr("Alternate airport")
                }
                TextField {
                    objectName: "alternateField"
                    text: flightplan.general.alternate
                    onTextEdited: flightplan.general.alternate = text
                }
            }
        }
        Item {
            Layout.preferredHeight: Size.extraMargin
        }
        GridLayout {
            columns: 2

            Label {
                text: qsTr("Departure (UTC)")
            }
            TextField {
                id: departureField

                objectName: "departureField"
                Layout.minimumWidth: 200
                placeholderText: qsTr("YYYY-MM-DD hh:mm")
                onTextEdited: {
                    const date = dialog.parseUtc(text);
                    if (date)
                        flightplan.general.departuretime = date;
                }
            }
        }
        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Airplane details")

            AirplaneHelper {
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            text: qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole // qmllint disable type
        }
    }
}
