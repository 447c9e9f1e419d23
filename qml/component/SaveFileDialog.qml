import QtQuick
import Qt.labs.platform as Platform
import Waylore.Ui
import Waylore.Ui as Ui

// The platform's save dialog, opened on a proposed file; the accepted file comes back as a
// local path that ends as the chosen filter says.
Platform.FileDialog {
    id: saveDialog

    // The file the dialog opens on next.
    property url proposedFile

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

    fileMode: Platform.FileDialog.SaveFile
}
