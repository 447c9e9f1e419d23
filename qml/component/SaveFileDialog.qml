import QtQuick
import QtQuick.Dialogs
import Qt.labs.platform as Platform
import Waylore.Ui
import Waylore.Ui as Ui

// The platform's save dialog, opened on a proposed file; the accepted file comes back as a
// local path that ends as the chosen filter says.
PlatformFileDialog {
    id: saveDialog

    // The file the dialog opens on next.
    property url proposedFile
    // What replaceIfAgreed() runs once the pilot agrees to replace the file.
    property var pendingWrite: null

    // Sets the folder (a local path) and the file name the dialog opens on next.
    function propose(folderPath, name) {
        saveDialog.folder = Utility.pathToUrl(folderPath);
        proposedFile = Utility.pathToUrl(folderPath + "/" + name);
        currentFile = proposedFile;
    }

    // The platform dialog behind this one is made when it first opens and then takes over the
    // folder set before, but not the file name: the name is given again once it shows.
    function openProposed() {
        open();
        if (String(proposedFile) !== "")
            currentFile = proposedFile;
    }

    // The accepted file as a local path. A name typed without an ending gets the chosen
    // filter's, as the platform's own save dialogs do: a plan file without its ending is
    // listed neither by the program nor by the simulator.
    function chosenPath() {
        return Ui.LocalFile.withExtension(Utility.urlToPath(file), nameFilters[selectedNameFilter.index] ?? "");
    }

    // Runs write() for the local path the accepted file is written to. The platform dialog has
    // asked about replacing the name as it was typed; when an ending added here names another
    // file that exists, the pilot is asked here, and nothing is written on No.
    function replaceIfAgreed(path, write) {
        if (path === Utility.urlToPath(file) || !Ui.LocalFile.exists(path)) {
            write();
            return;
        }
        pendingWrite = write;
        replaceQuestion.text = qsTr("%1 already exists.").arg(path.substring(path.lastIndexOf("/") + 1));
        replaceQuestion.open();
    }

    fileMode: Platform.FileDialog.SaveFile

    property MessageDialog replaceQuestion: MessageDialog {
        // Its yes writes over the file: Enter answers no.
        readonly property bool destroysData: true

        objectName: "replaceQuestion"
        // Titled, as the program's other questions: the style sets an untitled message's text
        // flush against its top edge.
        title: Qt.application.name
        informativeText: qsTr("Do you want to replace it?")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Yes | MessageDialog.No // qmllint disable type
        onButtonClicked: function (button, role) {
            const write = saveDialog.pendingWrite;
            saveDialog.pendingWrite = null;
            close();
            if (button === MessageDialog.Yes && write)
                write();
        }
        onRejected: saveDialog.pendingWrite = null
    }
}
