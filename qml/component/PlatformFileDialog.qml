import QtQuick
import Qt.labs.platform as Platform
import Waylore.Ui as Ui

// The platform's file dialog, which every file dialog of the program is. Where the platform has
// none of its own it is the widget dialog, which takes an Enter pressed in the file name's
// completion list before the list hides: the list would stay on screen once the dialog has
// gone, and take the next click for itself. It goes with the dialog, before the dialog's own
// handlers run.
Platform.FileDialog {
    onAccepted: Ui.WidgetPopups.closeAll()
    onRejected: Ui.WidgetPopups.closeAll()
}
