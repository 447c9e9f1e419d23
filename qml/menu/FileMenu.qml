import QtQuick
import Qt.labs.platform as Platform
import Waylore.Ui

// File commands: the document flows, printing, the exports and quitting.
Platform.Menu {
    id: fileMenu

    readonly property bool routeReady: flightplan.count > 1

    function directExport(format) {
        if (!exporter.toFormat(format))
            exporterErrorDialog.show(exporter.msgerror);
    }

    title: qsTr("&File")

    Platform.MenuItem {
        text: qsTr("New")
        shortcut: StandardKey.New
        onTriggered: fileManager.newDoc()
    }
    Platform.MenuItem {
        text: qsTr("Open")
        shortcut: StandardKey.Open
        onTriggered: fileManager.openDoc("*")
    }
    Platform.MenuItem {
        text: qsTr("Save")
        shortcut: StandardKey.Save
        onTriggered: fileManager.saveDoc()
    }
    Platform.MenuItem {
        text: qsTr("Save as...")
        // The standard Save As key of the desktops that have one; the generic X11 and Windows
        // key tables have none, which left the command to the mouse.
        shortcut: "Ctrl+Shift+S"
        onTriggered: fileManager.saveDocAs()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Import FMS file...")
        onTriggered: fileManager.openDoc("fms")
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Edit flight information...")
        shortcut: "Ctrl+I"
        onTriggered: flightInfoDialog.open()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Page setup...")
        onTriggered: printManager.printPageSetup()
    }
    Platform.MenuItem {
        text: qsTr("Preview...")
        shortcut: "Ctrl+Shift+P"
        enabled: fileMenu.routeReady
        onTriggered: printManager.printPreview()
    }
    Platform.MenuItem {
        text: qsTr("Print...")
        shortcut: StandardKey.Print
        enabled: fileMenu.routeReady
        onTriggered: printManager.printDialog()
    }
    Platform.MenuItem {
        text: qsTr("Export flight plan to PDF...")
        enabled: fileMenu.routeReady
        onTriggered: exportAsDialog.openFor(ExportAsDialog.Pdf)
    }
    Platform.MenuSeparator {
    }
    Platform.Menu {
        id: exportMenu

        title: qsTr("Export flight plan to file")
        enabled: fileMenu.routeReady

        Platform.MenuItem {
            text: qsTr("Export to...")
            shortcut: "Ctrl+Shift+E"
            onTriggered: exportAsDialog.openFor(ExportAsDialog.Formats)
        }
        Platform.MenuSeparator {
        }
        Instantiator {
            // The file formats, from the X-Plane FMS to the PDF.
            model: exporter.formats.slice(0, exportAsDialog.pdfFormat + 1)
            delegate: Platform.MenuItem {
                required property int index
                required property string modelData

                text: qsTr("Direct export to %1").arg(modelData)
                onTriggered: fileMenu.directExport(index)
            }
            onObjectAdded: function (index, object) {
                exportMenu.insertItem(index + 2, object);
            }
            onObjectRemoved: function (index, object) {
                exportMenu.removeItem(object);
            }
        }
    }
    Platform.Menu {
        title: qsTr("Export flight plan to network")
        enabled: fileMenu.routeReady

        Platform.MenuItem {
            text: qsTr("Export flight plan to IVAO")
            onTriggered: exporter.ivao()
        }
        Platform.MenuItem {
            text: qsTr("Export flight plan to VATSIM")
            onTriggered: exporter.vatsim()
        }
    }
    Platform.Menu {
        title: qsTr("Copy flight plan to clipboard")
        enabled: fileMenu.routeReady

        Platform.MenuItem {
            text: qsTr("Full route")
            shortcut: "Ctrl+Alt+Shift+C"
            onTriggered: exporter.clipboard(0)
        }
        Platform.MenuItem {
            text: qsTr("Enroute only")
            shortcut: "Ctrl+Shift+C"
            onTriggered: exporter.clipboard(1)
        }
        Platform.MenuItem {
            text: qsTr("ICAO route")
            shortcut: "Ctrl+Shift+I"
            onTriggered: exporter.clipboard(2)
        }
        Platform.MenuItem {
            text: qsTr("All waypoints")
            shortcut: "Ctrl+Shift+W"
            onTriggered: exporter.clipboard(3)
        }
        Platform.MenuItem {
            text: qsTr("Briefing (OFP)")
            onTriggered: exporter.clipboard(4)
        }
    }
    Platform.MenuItem {
        text: qsTr("Share link")
        enabled: fileMenu.routeReady
        onTriggered: exportAsDialog.shareLink()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Export navigation map to image...")
        onTriggered: exportAsDialog.openFor(ExportAsDialog.Image)
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Quit")
        shortcut: StandardKey.Quit
        role: Platform.MenuItem.QuitRole
        onTriggered: {
            tracker.stop();
            ga.flush();
            fileManager.saveBeforeQuit();
        }
    }

    // A PDF file the printer could not write is told as an export's would be, as a print.
    property Connections printFailed: Connections {
        function onFailed(message) {
            exporterErrorDialog.show(message, qsTr("Error during printing"));
        }

        target: printManager
    }
}
