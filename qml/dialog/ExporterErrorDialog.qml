import QtQuick
import QtQuick.Dialogs

// The message of a failed export, or of another failed writing whose heading the caller gives;
// the caller gives the reason.
MessageDialog {
    id: exporterErrorDialog

    function show(reason, heading) {
        text = heading ?? qsTr("Error during export");
        informativeText = reason;
        open();
    }

    // Titled: the style sets an untitled message's text flush against its top edge.
    title: Qt.application.name
    // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
    buttons: MessageDialog.Ok // qmllint disable type
}
