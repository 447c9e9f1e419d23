import QtQuick
import Qt.labs.platform as Platform
import Waylore.Ui
import Waylore.Ui as Ui

// The export file dialog of the main window. It remembers which command opened it: the image
// command writes a picture of the map and the PDF command a PDF whatever name is typed; only
// "Export to..." takes the chosen filter as the export format. It also holds the map-picture
// steps of the share link and the completion report of every export.
SaveFileDialog {
    id: exportAsDialog

    // The pages name the values alone (ExportAsDialog.Pdf): the tooling takes "Flow" for the
    // positioner of QtQuick.
    enum Flow {
        Pdf,
        Formats,
        Image
    }

    // The exporter's format value of the PDF, the last of the file formats offered.
    readonly property int pdfFormat: 20
    readonly property var imageFilters: [qsTr("Navmap image JPEG") + " (*.jpg)", qsTr("Navmap image PNG") + " (*.png)"]
    property int flow: ExportAsDialog.Formats

    function openFor(newFlow) {
        prepareFor(newFlow);
        openProposed();
    }

    // Filters and proposed file of a flow, before the dialog shows.
    function prepareFor(newFlow) {
        flow = newFlow;
        if (newFlow === ExportAsDialog.Pdf) {
            nameFilters = ["Adobe PDF (*.pdf)", qsTr("All") + " (*.*)"];
            selectedNameFilter.index = 0;
        } else if (newFlow === ExportAsDialog.Formats) {
            nameFilters = exporter.formats.slice(0, pdfFormat + 1);
            selectedNameFilter.index = 0;
        } else {
            nameFilters = imageFilters;
        }
        // Where the last open or save as ended, as the file manager keeps it: a settings
        // object of this dialog's own would hold the folder of the program's start.
        propose(fileManager.startFolder(), flightplan.general.suggestedFileName);
    }

    // The file an export writes for the local path chosen in the dialog: the image command
    // writes a picture and the PDF command a PDF, whatever ending the name has.
    function targetPath(path, filterIndex) {
        const lower = path.toLowerCase();
        if (flow === ExportAsDialog.Image && !lower.endsWith(".jpg") && !lower.endsWith(".png"))
            return path + (filterIndex === 1 ? ".png" : ".jpg");
        if (flow === ExportAsDialog.Pdf && !lower.endsWith(".pdf"))
            return path + ".pdf";
        return path;
    }

    // Exports to the local path chosen in the dialog, as the flow that opened it asks.
    function exportTo(path, filterIndex) {
        const target = targetPath(path, filterIndex);
        const lower = target.toLowerCase();
        if (lower.endsWith(".jpg") || lower.endsWith(".png")) {
            saveMapImage(target, function (saved, reason) {
                if (!saved)
                    exporterErrorDialog.show(reason ? qsTr("Cannot export image to %1: %2").arg(target).arg(reason) : qsTr("Cannot export image to %1").arg(target));
            });
            return;
        }
        const ok = exporter.toFormat(lower.endsWith(".pdf") ? pdfFormat : filterIndex, target);
        if (!ok)
            exporterErrorDialog.show(exporter.msgerror);
    }

    // Renders the map and saves the picture to the local path, its type following the ending;
    // done(ok, reason) follows once the picture is written or has failed.
    function saveMapImage(path, done) {
        const started = map.grabToImage(function (result) {
            const reason = Ui.LocalFile.saveImage(result.image, path);
            done(reason === "", reason);
        });
        if (!started)
            done(false);
    }

    // The share link: a picture of the map in the temporary folder, then the upload. Nothing
    // is shown when the picture cannot be written; an upload refused at once or failing later
    // is reported like every other failed export.
    function shareLink() {
        const folder = Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.TempLocation));
        const path = folder + "/" + flightplan.general.suggestedFileName + ".jpg";
        saveMapImage(path, function (ok) {
            if (!ok)
                console.log("Cannot write the map picture", path);
            else if (!exporter.share(path))
                exporterErrorDialog.show(exporter.msgerror);
        });
    }

    onAccepted: {
        const filterIndex = selectedNameFilter.index;
        const target = targetPath(chosenPath(), filterIndex);
        replaceIfAgreed(target, () => exportTo(target, filterIndex));
    }

    property Connections exportDone: Connections {
        function onDone(format, file) {
            status.message(qsTr("Exported %1").arg(file), false);
            ga.sendEvent("export", "/", "Main", {
                "format": exporter.formatName(format),
                "flightplan": flightplan.general.shortName,
                "airplane": airplanes.current ? airplanes.current.icao : "",
                "cruiselvl": flightplan.general.cruiselvl,
                "cruisetas": flightplan.general.cruisetas
            });
        }

        target: exporter
    }

    property Connections exportFailed: Connections {
        function onFailed(format, message) {
            exporterErrorDialog.show(message);
        }

        target: exporter
    }
}
