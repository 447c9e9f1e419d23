import QtQuick
import QtQuick.Dialogs
import Qt.labs.platform as Platform
import Qt.labs.settings
import Waylore.Ui
import "../js/utility.js" as Utility

// The document flows: new, open, import, save, save as, sample routes and quitting, with the
// question about unsaved changes before anything replaces the plan, and the messages of failed
// calls. After a Save answer the user repeats the command; a saved document passes without a
// question.
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

    function newDoc() {
        if (document.saved)
            document.niew();
        else
            saveBeforeNewDialog.open();
    }

    function openDoc(filetype) {
        // File-dialog filters stay untranslated: the platform dialog reads the patterns in them.
        fileOpenDialog.nameFilters = filetype === "fms" ? ["FMS files (*.fms)"] : ["Flightplan files (*.fpxml)", "FMS files (*.fms)"];
        if (document.saved)
            fileOpenDialog.open();
        else
            saveBeforeOpenDialog.open();
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
        const folder = lastFolderPath;
        fileSaveAsDialog.currentFolder = Utility.pathToUrl(folder);
        fileSaveAsDialog.selectedFile = Utility.pathToUrl(folder + "/" + flightplan.general.suggestedFileName + ".fpxml");
        fileSaveAsDialog.open();
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
        Qt.callLater(action);
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

        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before creating a new flight plan?")
        buttons: MessageDialog.Discard | MessageDialog.Save
        onButtonClicked: function (button, role) {
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard)
                document.niew();
        }
    }
    MessageDialog {
        id: saveBeforeOpenDialog

        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before opening another flight plan?")
        buttons: MessageDialog.Discard | MessageDialog.Save
        onButtonClicked: function (button, role) {
            if (button === MessageDialog.Save) {
                fileManager.later(fileManager.saveDoc);
            } else if (button === MessageDialog.Discard) {
                document.niew();
                fileManager.later(fileOpenDialog.open);
            }
        }
    }
    MessageDialog {
        id: saveBeforeQuitDialog

        text: qsTr("Save changes")
        informativeText: qsTr("The flight plan contains unsaved modifications. Do you want to save before quit?")
        buttons: MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save
        onButtonClicked: function (button, role) {
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard)
                fileManager.quitApplication();
        }
    }
    MessageDialog {
        id: saveBeforeReplaceDialog

        text: qsTr("The flight plan has been modified")
        informativeText: qsTr("Do you want to save changes before loading another flight plan?")
        buttons: MessageDialog.Discard | MessageDialog.Save
        onButtonClicked: function (button, role) {
            const replacement = fileManager.pendingReplacement;
            fileManager.pendingReplacement = null;
            if (button === MessageDialog.Save)
                fileManager.later(fileManager.saveDoc);
            else if (button === MessageDialog.Discard && replacement)
                replacement();
        }
        onRejected: fileManager.pendingReplacement = null
    }
    MessageDialog {
        id: openErrorDialog

        buttons: MessageDialog.Ok
    }
    MessageDialog {
        id: saveErrorDialog

        buttons: MessageDialog.Ok
    }
    FileDialog {
        id: fileOpenDialog

        fileMode: FileDialog.OpenFile
        currentFolder: Utility.pathToUrl(fileManager.lastFolderPath)
        nameFilters: ["Flightplan files (*.fpxml)", "FMS files (*.fms)"]
        onAccepted: {
            const path = Utility.urlToPath(selectedFile);
            documentSettings.lastFolder = Utility.urlToPath(currentFolder);
            document.niew();
            fileManager.openPath(path);
        }
    }
    FileDialog {
        id: fileSaveAsDialog

        fileMode: FileDialog.SaveFile
        nameFilters: ["Flightplan files (*.fpxml)", "All (*)"]
        onAccepted: {
            const path = Utility.urlToPath(selectedFile);
            documentSettings.lastFolder = Utility.urlToPath(currentFolder);
            fileManager.saveAsPath(path);
        }
    }
}
