import QtQuick
import QtQuick.Dialogs
import Qt.labs.platform as Platform
import Qt.labs.settings
import Waylore.Ui
import Waylore.Ui as Ui

// The document flows: new, open, import, save, save as, sample routes and quitting, with the
// question about unsaved changes before anything replaces the plan, and the messages of failed
// calls. After a Save answer the user repeats the command; a saved document passes without a
// question. Every answer closes its question: the dialogs close by themselves only on the
// accepting and rejecting buttons, not on Discard. The questions carry the program's name as
// their title: the style sets an untitled message's text flush against its top edge.
Item {
    id: fileManager

    // How the application ends; a window or a test may hand its own.
    property var quitApplication: function () {
        Qt.quit();
    }
    // The plan change waiting for the answer to the sample-route question.
    property var pendingReplacement: null
    // The folder the file dialogs start in, as a local path (older stores may hold a URL); the
    // documents folder until a file has been opened or saved.
    readonly property string lastFolderPath: documentSettings.lastFolder === "" ? Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.DocumentsLocation)) : Utility.urlToPath(documentSettings.lastFolder)
    readonly property alias fileOpenDialog: fileOpenDialog
    readonly property alias fileSaveAsDialog: fileSaveAsDialog
    readonly property alias saveBeforeNewDialog: saveBeforeNewDialog
    readonly property alias saveBeforeOpenDialog: saveBeforeOpenDialog
    readonly property alias saveBeforeQuitDialog: saveBeforeQuitDialog
    readonly property alias saveBeforeReplaceDialog: saveBeforeReplaceDialog
    readonly property alias openErrorDialog: openErrorDialog
    readonly property alias saveErrorDialog: saveErrorDialog
    // File-dialog filters: the description is translated, the pattern in brackets stays as the
    // platform dialog reads it.
    readonly property string planFilter: qsTr("Flightplan files") + " (*.fpxml)"
    readonly property string fmsFilter: qsTr("FMS files") + " (*.fms)"

    function newDoc() {
        if (document.saved)
            document.niew();
        else
            saveBeforeNewDialog.open();
    }

    function openDoc(filetype) {
        fileOpenDialog.nameFilters = filetype === "fms" ? [fmsFilter] : [planFilter, fmsFilter];
        if (document.saved)
            showOpenDialog();
        else
            saveBeforeOpenDialog.open();
    }

    // A fresh home has no documents folder yet, and a stored folder may have gone: a dialog
    // shown on a missing folder lists another one than its path says, and a save into it ends
    // in "No such file or directory". The folder is made, or the home folder taken, before a
    // dialog shows.
    function startFolder() {
        return Ui.LocalFile.usableFolder(lastFolderPath);
    }

    // The next file dialogs, of plans and airplanes alike, start in the folder of this file.
    function rememberFolder(path) {
        documentSettings.lastFolder = Utility.folderOfPath(path);
    }

    function showOpenDialog() {
        fileOpenDialog.folder = Utility.pathToUrl(startFolder());
        fileOpenDialog.open();
    }

    // Saving a named document can fail like a save as (folder gone, disk full): the same
    // message says so, and the document stays unsaved.
    function saveDoc() {
        if (!document.named) {
            saveDocAs();
            return;
        }
        if (!document.save())
            showError(saveErrorDialog);
    }

    function saveDocAs() {
        fileSaveAsDialog.propose(startFolder(), flightplan.general.suggestedFileName + ".fpxml");
        fileSaveAsDialog.openProposed();
    }

    function saveBeforeQuit() {
        if (document.saved)
            quitApplication();
        else
            saveBeforeQuitDialog.open();
    }

    // Runs a change that replaces the plan (a sample route) once unsaved changes are dealt
    // with, as New and Open do.
    function replaceDoc(replacement) {
        if (document.saved) {
            replacement();
        } else {
            pendingReplacement = replacement;
            saveBeforeReplaceDialog.open();
        }
    }

    // Called with the local path of an accepted open dialog.
    function openPath(path) {
        const ok = path.toLowerCase().endsWith(".fms") ? document.import(path) : document.open(path);
        if (!ok)
            showError(openErrorDialog);
    }

    // Called with the local path of an accepted save-as dialog.
    function saveAsPath(path) {
        if (!document.saveAs(path))
            showError(saveErrorDialog);
    }

    function showError(dialog) {
        dialog.text = document.msgtitle;
        dialog.informativeText = document.msgtext;
        dialog.open();
    }

    function later(action) {
        // Qt 6.4's linter takes Qt.callLater for a property that may not be callable.
        Qt.callLater(action); // qmllint disable type
    }

    visible: false

    Settings {
        id: documentSettings

        property string lastFolder

        category: "document"
    }
    Settings {
        // Owned by the database dialog; declared here so that both read one value.
        property string xpPath

        category: "database"
    }
    MessageDialog {
        id: saveBeforeNewDialog

        title: Qt.application.name
        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before creating a new flight plan?")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save // qmllint disable type
        onButtonClicked: function (button, role) {
            close();
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard)
                document.niew();
        }
    }
    MessageDialog {
        id: saveBeforeOpenDialog

        title: Qt.application.name
        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before opening another flight plan?")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save // qmllint disable type
        onButtonClicked: function (button, role) {
            close();
            if (button === MessageDialog.Save) {
                fileManager.later(fileManager.saveDoc);
            } else if (button === MessageDialog.Discard) {
                document.niew();
                fileManager.later(fileManager.showOpenDialog);
            }
        }
    }
    MessageDialog {
        id: saveBeforeQuitDialog

        title: Qt.application.name
        text: qsTr("Save changes")
        informativeText: qsTr("The flight plan contains unsaved modifications. Do you want to save before quit?")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save // qmllint disable type
        onButtonClicked: function (button, role) {
            close();
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard)
                fileManager.quitApplication();
        }
    }
    MessageDialog {
        id: saveBeforeReplaceDialog

        title: Qt.application.name
        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before loading another flight plan?")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save // qmllint disable type
        onButtonClicked: function (button, role) {
            const replacement = fileManager.pendingReplacement;
            fileManager.pendingReplacement = null;
            close();
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard && replacement)
                replacement();
        }
        onRejected: fileManager.pendingReplacement = null
    }
    MessageDialog {
        id: openErrorDialog

        title: Qt.application.name
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Ok // qmllint disable type
    }
    MessageDialog {
        id: saveErrorDialog

        title: Qt.application.name
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Ok // qmllint disable type
    }
    // The platform's file dialogs, as the export dialog uses: the save dialog says Save, keeps
    // the typed name while the folder changes and accepts a name typed into an empty folder.
    PlatformFileDialog {
        id: fileOpenDialog

        objectName: "fileOpenDialog"
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: [fileManager.planFilter, fileManager.fmsFilter]
        onAccepted: {
            const path = Utility.urlToPath(file);
            fileManager.rememberFolder(path);
            // The document replaces the plan only with a file it could read.
            fileManager.openPath(path);
        }
    }
    SaveFileDialog {
        id: fileSaveAsDialog

        objectName: "fileSaveAsDialog"
        nameFilters: [fileManager.planFilter, qsTr("All") + " (*)"]
        // A name typed without its ending still makes a plan file the open dialog lists.
        defaultSuffix: "fpxml"
        onAccepted: {
            const path = chosenPath();
            replaceIfAgreed(path, () => {
                fileManager.rememberFolder(path);
                fileManager.saveAsPath(path);
            });
        }
    }
}
