import QtQuick
import QtQuick.Dialogs

// The message of a failed export; the caller gives the reason.
MessageDialog {
    id: exporterErrorDialog

    function show(reason) {
        informativeText = reason;
        open();
    }

    text: qsTr("Error during export")
    buttons: MessageDialog.Ok
}
