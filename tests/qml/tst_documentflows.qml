import QtQuick
import QtQuick.Dialogs
import QtTest
import Waylore.Ui

// The document and export flows against the real plan and document: the questions before a
// plan is replaced, failed saves, and what each export command writes.
StrictTestCase {
    id: testCase

    property Item host
    property var quits: []

    function initTestCase() {
        verify(testSupport.useNative("flightplan"));
        verify(testSupport.importTestSimulator());
        host = Qt.createComponent("MenuWindow.qml").createObject(testCase.parent);
        verify(host);
    }

    function prepare() {
        host.calls = [];
        quits = [];
        host.fileManager.quitApplication = () => testCase.quits.push("quit");
        document.niew();
    }

    function cleanup() {
        testSupport.limitFileSize(-1);
        const manager = host.fileManager;
        for (const dialog of [manager.saveBeforeNewDialog, manager.saveBeforeOpenDialog, manager.saveBeforeQuitDialog, manager.saveBeforeReplaceDialog, manager.openErrorDialog, manager.saveErrorDialog, manager.fileOpenDialog, manager.fileSaveAsDialog])
            dialog.close();
    }

    // A plan of two airports that the document counts as modified.
    function modify() {
        verify(flightplan.append("XRTA", false));
        verify(flightplan.append("XRTB", false));
        verify(!document.saved);
    }

    function test_questionMatrix_data() {
        return [
            { tag: "new, saved", command: "new", modified: false, question: "", answer: -1, empty: true, opened: false, quits: 0, saveAs: false },
            { tag: "new, Discard", command: "new", modified: true, question: "saveBeforeNewDialog", answer: MessageDialog.Discard, empty: true, opened: false, quits: 0, saveAs: false },
            { tag: "new, Save", command: "new", modified: true, question: "saveBeforeNewDialog", answer: MessageDialog.Save, empty: false, opened: false, quits: 0, saveAs: true },
            { tag: "new, Cancel", command: "new", modified: true, question: "saveBeforeNewDialog", answer: MessageDialog.Cancel, empty: false, opened: false, quits: 0, saveAs: false },
            { tag: "new, closed", command: "new", modified: true, question: "saveBeforeNewDialog", answer: null, empty: false, opened: false, quits: 0, saveAs: false },
            { tag: "open, saved", command: "open", modified: false, question: "", answer: -1, empty: true, opened: true, quits: 0, saveAs: false },
            { tag: "open, Discard", command: "open", modified: true, question: "saveBeforeOpenDialog", answer: MessageDialog.Discard, empty: true, opened: true, quits: 0, saveAs: false },
            { tag: "open, Cancel", command: "open", modified: true, question: "saveBeforeOpenDialog", answer: MessageDialog.Cancel, empty: false, opened: false, quits: 0, saveAs: false },
            { tag: "open, Save", command: "open", modified: true, question: "saveBeforeOpenDialog", answer: MessageDialog.Save, empty: false, opened: false, quits: 0, saveAs: true },
            { tag: "quit, saved", command: "quit", modified: false, question: "", answer: -1, empty: true, opened: false, quits: 1, saveAs: false },
            { tag: "quit, Discard", command: "quit", modified: true, question: "saveBeforeQuitDialog", answer: MessageDialog.Discard, empty: false, opened: false, quits: 1, saveAs: false },
            { tag: "quit, Save", command: "quit", modified: true, question: "saveBeforeQuitDialog", answer: MessageDialog.Save, empty: false, opened: false, quits: 0, saveAs: true },
            { tag: "quit, Cancel", command: "quit", modified: true, question: "saveBeforeQuitDialog", answer: MessageDialog.Cancel, empty: false, opened: false, quits: 0, saveAs: false },
            { tag: "sample route, saved", command: "sample", modified: false, question: "", answer: -1, empty: true, opened: false, quits: 0, saveAs: false },
            { tag: "sample route, Discard", command: "sample", modified: true, question: "saveBeforeReplaceDialog", answer: MessageDialog.Discard, empty: true, opened: false, quits: 0, saveAs: false },
            { tag: "sample route, Cancel", command: "sample", modified: true, question: "saveBeforeReplaceDialog", answer: MessageDialog.Cancel, empty: false, opened: false, quits: 0, saveAs: false },
            { tag: "sample route, Save", command: "sample", modified: true, question: "saveBeforeReplaceDialog", answer: MessageDialog.Save, empty: false, opened: false, quits: 0, saveAs: true }
        ];
    }

    function test_questionMatrix(data) {
        const manager = host.fileManager;
        if (data.modified)
            modify();
        if (data.command === "new")
            manager.newDoc();
        else if (data.command === "open")
            manager.openDoc("*");
        else if (data.command === "quit")
            host.menuItem(host.fileMenu, "Quit").triggered();
        else
            // A sample route of the test simulator's airports replaces the plan.
            host.inspirationMenu.fly("XRTC", "XRTA");
        const questions = ["saveBeforeNewDialog", "saveBeforeOpenDialog", "saveBeforeQuitDialog", "saveBeforeReplaceDialog"];
        for (const name of questions)
            compare(manager[name].visible, name === data.question, name);
        if (data.question !== "") {
            // Titled, so that the style keeps the text off the top edge.
            compare(manager[data.question].title, Qt.application.name);
            // Each question offers Cancel beside Discard and Save.
            compare(manager[data.question].buttons, MessageDialog.Cancel | MessageDialog.Discard | MessageDialog.Save, "buttons");
            if (data.answer === null) {
                manager[data.question].rejected();
                manager[data.question].close();
            } else {
                // An answer closes its question, whichever button gave it.
                manager[data.question].buttonClicked(data.answer, MessageDialog.InvalidRole);
                compare(manager[data.question].visible, false, "question closed");
            }
        }
        wait(0);
        compare(flightplan.count === 0 || (data.command === "sample" && data.empty), data.empty, "plan emptied");
        if (data.command === "sample" && data.empty)
            compare(flightplan.general.waypointuids, ["XRTC", "XRTA"]);
        compare(manager.fileOpenDialog.visible, data.opened, "open dialog");
        compare(manager.fileSaveAsDialog.visible, data.saveAs, "save-as dialog");
        compare(quits.length, data.quits, "quits");
        if (data.command === "quit")
            compare(host.calls[0], "tracker.stop");
    }

    function test_openFilters() {
        const manager = host.fileManager;
        manager.openDoc("fms");
        compare(manager.fileOpenDialog.nameFilters, ["FMS files (*.fms)"]);
        manager.fileOpenDialog.close();
        manager.openDoc("*");
        compare(manager.fileOpenDialog.nameFilters, ["Flightplan files (*.fpxml)", "FMS files (*.fms)"]);
        manager.fileOpenDialog.close();
        verify(testSupport.useLanguage("de"));
        manager.openDoc("*");
        testSupport.useLanguage("en");
        compare(manager.fileOpenDialog.nameFilters, ["Flugplandateien (*.fpxml)", "FMS-Dateien (*.fms)"]);
    }

    function test_saveAsProposesSuggestedName() {
        const manager = host.fileManager;
        manager.saveDoc();
        verify(manager.fileSaveAsDialog.visible);
        verify(String(manager.fileSaveAsDialog.currentFile).endsWith("/" + flightplan.general.suggestedFileName + ".fpxml"), manager.fileSaveAsDialog.currentFile);
    }

    // A named document whose folder has gone: Save says why, and the document stays unsaved,
    // so Quit asks again rather than quitting silently.
    function test_failedSaveOfNamedDocument() {
        const manager = host.fileManager;
        const folder = testSupport.makeFolder("gone");
        modify();
        manager.saveAsPath(folder + "/route #1.fpxml");
        verify(document.saved && document.named);
        compare(document.name, "route #1.fpxml");
        verify(!manager.saveErrorDialog.visible);
        verify(flightplan.append("XRTC", false));
        verify(testSupport.removeFolder(folder));
        host.menuItem(host.fileMenu, "Save").triggered();
        verify(manager.saveErrorDialog.visible);
        compare(manager.saveErrorDialog.text, "Cannot save file");
        verify(manager.saveErrorDialog.informativeText !== "");
        verify(!document.saved);
        manager.saveErrorDialog.close();
        manager.saveBeforeQuit();
        verify(manager.saveBeforeQuitDialog.visible);
        compare(quits.length, 0);
    }

    function test_failedSaveAsAndOpen() {
        const manager = host.fileManager;
        manager.saveAsPath(testSupport.temporaryPath("missing/x.fpxml"));
        verify(manager.saveErrorDialog.visible);
        compare(manager.saveErrorDialog.text, "Cannot save file");
        manager.saveErrorDialog.close();
        modify();
        manager.saveAsPath(testSupport.temporaryPath("kept.fpxml"));
        manager.fileOpenDialog.file = Utility.pathToUrl(testSupport.temporaryPath("missing.fms"));
        manager.fileOpenDialog.accepted();
        verify(manager.openErrorDialog.visible);
        compare(manager.openErrorDialog.text, "Cannot open file");
        compare(flightplan.general.waypointuids, ["XRTA", "XRTB"]);
        compare(document.name, "kept.fpxml");
        verify(document.saved);
    }

    // What each export command writes for a name typed with or without an ending: only
    // "Export to..." takes the filter as the format; no image or PDF name gives an FMS file.
    function test_exportFlows_data() {
        return [
            { tag: "image, no ending, JPEG filter", flow: ExportAsDialog.Flow.Image, name: "map1", filter: 0, calls: [], image: "map1.jpg" },
            { tag: "image, no ending, PNG filter", flow: ExportAsDialog.Flow.Image, name: "map2", filter: 1, calls: [], image: "map2.png" },
            { tag: "image, png ending", flow: ExportAsDialog.Flow.Image, name: "map3.png", filter: 0, calls: [], image: "map3.png" },
            { tag: "pdf, no ending", flow: ExportAsDialog.Flow.Pdf, name: "plan", filter: 0, calls: ["toFormat 20 plan.pdf"], image: "" },
            { tag: "pdf, All filter, no ending", flow: ExportAsDialog.Flow.Pdf, name: "plan", filter: 1, calls: ["toFormat 20 plan.pdf"], image: "" },
            { tag: "pdf, ending", flow: ExportAsDialog.Flow.Pdf, name: "plan.pdf", filter: 0, calls: ["toFormat 20 plan.pdf"], image: "" },
            { tag: "formats, X-FMC", flow: ExportAsDialog.Flow.Formats, name: "plan", filter: 3, calls: ["toFormat 3 plan"], image: "" },
            { tag: "formats, pdf ending", flow: ExportAsDialog.Flow.Formats, name: "plan.pdf", filter: 0, calls: ["toFormat 20 plan.pdf"], image: "" },
            { tag: "formats, png ending", flow: ExportAsDialog.Flow.Formats, name: "map4.png", filter: 0, calls: [], image: "map4.png" }
        ];
    }

    function test_exportFlows(data) {
        const folder = testSupport.makeFolder("export-" + data.name.replace(".", "-") + data.filter);
        const dialog = host.exportAsDialog;
        dialog.flow = data.flow;
        dialog.exportTo(folder + "/" + data.name, data.filter);
        const expected = data.calls.map(call => call.replace(/ (\S+)$/, " " + folder + "/$1"));
        if (data.image !== "")
            tryVerify(() => testSupport.folderEntries(folder).length > 0, 3000);
        compare(host.calls.filter(call => call.startsWith("toFormat")), expected);
        // Every export the exporter reports done is announced in the status line.
        compare(host.calls.filter(call => call.startsWith("status")), expected.map(call => "status Exported " + call.split(" ").slice(2).join(" ") + " false"));
        compare(testSupport.folderEntries(folder), data.image === "" ? [] : [data.image]);
        verify(!host.exporterErrorDialog.visible);
    }

    // The export dialog starts where the last save as ended (a name accepted there without
    // its ending gets the plan file's).
    function test_exportDialogFilters() {
        const folder = testSupport.makeFolder("saved here");
        host.fileManager.fileSaveAsDialog.file = Utility.pathToUrl(folder + "/route");
        host.fileManager.fileSaveAsDialog.accepted();
        compare(document.name, "route.fpxml");
        const dialog = host.exportAsDialog;
        const filters = [];
        for (const flow of [ExportAsDialog.Flow.Pdf, ExportAsDialog.Flow.Formats, ExportAsDialog.Flow.Image]) {
            dialog.prepareFor(flow);
            filters.push([...dialog.nameFilters]);
        }
        compare(filters[0], ["Adobe PDF (*.pdf)", "All (*.*)"]);
        compare(filters[1].length, 21);
        compare(filters[1][20], "Adobe PDF (*.pdf)");
        compare(filters[2], ["Navmap image JPEG (*.jpg)", "Navmap image PNG (*.png)"]);
        compare(Utility.urlToPath(dialog.currentFile), folder + "/" + flightplan.general.suggestedFileName);
    }

    function test_failedExportsShowTheReason() {
        host.exporter.succeed = false;
        host.fileMenu.directExport(5);
        compare(host.calls, ["toFormat 5 (default)"]);
        verify(host.exporterErrorDialog.visible);
        compare(host.exporterErrorDialog.text, "Error during export");
        compare(host.exporterErrorDialog.informativeText, "disk full");
        host.exporterErrorDialog.close();
        host.exporter.succeed = true;
        host.exportAsDialog.flow = ExportAsDialog.Flow.Image;
        const path = testSupport.temporaryPath("no folder/map");
        host.exportAsDialog.exportTo(path, 0);
        tryVerify(() => host.exporterErrorDialog.visible);
        verify(host.exporterErrorDialog.informativeText.startsWith("Cannot export image to " + path + ".jpg: "));
        compare(host.exporterErrorDialog.text, "Error during export");
        host.exporterErrorDialog.close();
        host.printManager.failed("no room");
        compare(host.exporterErrorDialog.text, "Error during printing");
        compare(host.exporterErrorDialog.informativeText, "no room");
        host.exporterErrorDialog.close();
        const picture = testSupport.makeFolder("full") + "/map.png";
        host.exportAsDialog.exportTo(picture, 1);
        tryVerify(() => testSupport.fileSize(picture) > 20);
        const older = testSupport.fileSize(picture);
        testSupport.limitFileSize(20);
        host.exportAsDialog.exportTo(picture, 1);
        tryVerify(() => host.exporterErrorDialog.visible);
        testSupport.limitFileSize(-1);
        verify(host.exporterErrorDialog.informativeText.startsWith("Cannot export image to " + picture + ": "));
        compare(testSupport.fileSize(picture), older);
        host.exporterErrorDialog.close();

        // A share the exporter refuses at once, then one that fails after it started.
        host.exporter.succeed = false;
        host.calls = [];
        host.exportAsDialog.shareLink();
        tryVerify(() => host.exporterErrorDialog.visible);
        compare(host.calls.length, 1);
        verify(host.calls[0].startsWith("share ") && host.calls[0].endsWith(".jpg"), host.calls[0]);
        compare(host.exporterErrorDialog.informativeText, "disk full");
        host.exporterErrorDialog.close();
        host.exporter.succeed = true;
        host.exporter.failed(28, "The share service cannot be reached.");
        verify(host.exporterErrorDialog.visible);
        compare(host.exporterErrorDialog.informativeText, "The share service cannot be reached.");
        host.exporterErrorDialog.close();
    }
}
