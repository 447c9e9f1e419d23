import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Qt.labs.settings
import Waylore.Ui

// Builds the navigation database: download of the default database, or import of the data of
// an X-Plane installation. The working database stays in place (loaded and on disk) until the
// new data has arrived whole; only "Clear" removes it.
Dialog {
    id: dialog

    property bool running: false
    property date startedtime
    // The database publishes its figures as constants: they are read again whenever they may
    // have changed.
    property string cycle: database.cycle
    property int pointCount: database.pointCount
    property int segmentCount: database.segmentCount
    // Why the start would not use the database; empty when it is usable.
    property string unusable: ""
    // The linter of Qt 6.4 does not follow script imports of module files: these lines are
    // checked by the tests instead.
    readonly property int currentCycle: Utility.currentCycle()
    readonly property string cyclewellLink: "<a href=\"" + Utility.cyclewellUrl + "\">Cyclewell</a>"

    function refresh() {
        cycle = database.cycle;
        pointCount = database.pointCount;
        segmentCount = database.segmentCount;
        unusable = unusableReason();
    }

    // The start opens this dialog whenever the database lacks one of these lists, which a small
    // or partial simulator folder can give: the pilot is told which.
    function unusableReason() {
        const missing = database.emptyLists();
        if (missing.length === 0)
            return "";
        if (missing.includes("points")) {
            // Why the load refused the stored file, when it did.
            const refused = {
                "memory": qsTr("Not enough memory to load the navigation database."),
                "cut": qsTr("No navigation database is loaded: the stored one is cut short. Build one from a source above."),
                "changed": qsTr("No navigation database is loaded: the stored one changed while it was read. Build one from a source above, or restart %1 to read it again.").arg(Qt.application.name),
                "damaged": qsTr("No navigation database is loaded: the stored one is damaged. Build one from a source above."),
                "version": qsTr("No navigation database is loaded: the stored one was written by another version of %1. Build one from a source above.").arg(Qt.application.name),
                "unreadable": qsTr("No navigation database is loaded: the stored one cannot be read. Build one from a source above.")
            };
            return refused[database.loadRefusal()] || qsTr("No navigation database is loaded: build one from a source above.");
        }
        const names = {
            "segments": qsTr("airway segments"),
            "runways": qsTr("runways"),
            "boundaries": qsTr("airport boundaries"),
            "taxiways": qsTr("taxiways")
        };
        const lacking = missing.map(name => names[name]);
        const last = lacking.pop();
        const listed = lacking.length === 0 ? last : qsTr("%1 and %2").arg(lacking.join(", ")).arg(last);
        return qsTr("This database cannot be used: it has no %1. %2 opens this dialog at every start until a database with all of them is built.").arg(listed).arg(Qt.application.name);
    }

    // The import reads its source from the settings store when it starts: store what the
    // pilot sees now, not what the settings element would write back a moment later.
    function storeSource() {
        databaseSettings.setValue("xpPath", pathField.text);
        databaseSettings.setValue("customData", customDataBox.checkState);
        databaseSettings.setValue("userFix", userFixBox.checkState);
    }

    // A search that finds nothing keeps the field as it was and says where it looked: the
    // folders (without the "X-Plane 12" or "X-Plane 11" that each was tried with).
    function autodetect() {
        const path = xploader.autodetectXPPath();
        if (path !== "") {
            pathField.text = path;
            autodetectText.text = qsTr("X-Plane found in %1").arg(path);
            return;
        }
        // The folders of another system (drive letters, or none) cannot hold this one's
        // simulator: they are not listed.
        const windows = Qt.platform.os === "windows";
        const folders = [];
        for (const candidate of xploader.autodetectCandidates()) {
            if (/^[A-Za-z]:\//.test(candidate) !== windows)
                continue;
            const folder = candidate.substring(0, candidate.lastIndexOf("/"));
            if (!folders.includes(folder))
                folders.push(folder);
        }
        autodetectText.text = qsTr("No folder \"X-Plane 12\" or \"X-Plane 11\" found in: %1. Choose the X-Plane folder yourself.").arg(folders.join(", "));
    }

    function loaderStarted() {
        running = true;
        startedtime = new Date();
    }

    function loaderProgress(message) {
        statusText.text = message;
    }

    function loaderDone() {
        running = false;
        refresh();
        const elapsed = (new Date() - startedtime) / 1000;
        // In the interface language's numbers: "(en 0,4 s)" in French.
        statusText.text += qsTr(" (in %1s)").arg(elapsed.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 1));
        ga.sendEvent("databaseloaded", "/database", "Database", {
            "cycle": database.cycle,
            "databasefromserver": serverButton.checked,
            "databasefromxp": xplaneButton.checked,
            "customdata": customDataBox.checkState,
            "loadtime": elapsed,
            "status": statusText.text
        });
    }

    title: qsTr("Navigation database")
    modal: true
    closePolicy: Popup.CloseOnEscape
    // The page-view tracker is an item too: the content size is not guessed from one child.
    // The scroll bar has its own room beside the content, which it would cover otherwise. The
    // room stays when the bar does not show: a room that came and went with it would change the
    // width the texts wrap to, and with it whether the content scrolls.
    contentWidth: content.implicitWidth + bar.width
    contentHeight: content.implicitHeight
    height: parent ? Math.min(implicitHeight, parent.height - 16) : implicitHeight
    onAboutToShow: refresh()

    Settings {
        id: databaseSettings

        property alias databaseFromServer: serverButton.checked
        property alias databaseFromXp: xplaneButton.checked
        property alias xpPath: pathField.text
        property alias customData: customDataBox.checkState
        property alias userFix: userFixBox.checkState

        category: "database"
    }

    // Never taller than the window (its smallest size included): the content scrolls.
    Flickable {
        id: contentArea

        objectName: "contentArea"
        anchors.fill: parent
        contentHeight: content.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            id: bar

            policy: contentArea.contentHeight > contentArea.height ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        }

        ColumnLayout {
            id: content

            width: contentArea.width - bar.width

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Help")
                contentWidth: 500

                Label {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    textFormat: Text.RichText
                    onLinkActivated: link => Qt.openUrlExternally(link)
                    text: qsTr("%1 needs a navigation database to display the map and plan flights. Choose the source for the database between:").arg(Qt.application.name)
                          + "<ol><li>" + qsTr("<b>Server:</b> download the default AIRAC included with %1.").arg(Qt.application.name) + "</li><li>"
                          + qsTr("<b>X-Plane:</b> import the navigation data installed in your X-Plane folder.") + "</li></ol><p>"
                          + qsTr("To use the latest AIRAC cycle, get it from ") + dialog.cyclewellLink
                          + qsTr(" or another provider.") + "</p>"
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Database source")
                enabled: !dialog.running

                ColumnLayout {
                    anchors.fill: parent

                    RadioButton {
                        id: serverButton

                        objectName: "serverButton"
                        text: qsTr("Download the default database from our server")
                        onClicked: statusText.text = ""
                    }
                    RadioButton {
                        id: xplaneButton

                        objectName: "xplaneButton"
                        text: qsTr("Import the database from your X-Plane installation")
                        onClicked: statusText.text = ""
                    }
                    ColumnLayout {
                        enabled: xplaneButton.checked

                        RowLayout {
                            Label {
                                text: qsTr("X-Plane path")
                            }
                            TextField {
                                id: pathField

                                objectName: "pathField"
                                Layout.minimumWidth: 400
                                Layout.fillWidth: true
                                placeholderText: qsTr("Path of X-Plane installation base directory")
                                font.family: "courier"
                                text: xploader.autodetectXPPath()
                            }
                        }
                        RowLayout {
                            Layout.alignment: Qt.AlignRight
                            Layout.leftMargin: 50

                            Button {
                                objectName: "autodetectButton"
                                text: qsTr("Autodetect")
                                onClicked: dialog.autodetect()
                            }
                            Button {
                                text: qsTr("Choose")
                                onClicked: folderDialog.open()
                            }
                        }
                        Label {
                            id: autodetectText

                            objectName: "autodetectText"
                            Layout.leftMargin: 50
                            Layout.maximumWidth: 500
                            visible: text !== ""
                            wrapMode: Text.WordWrap
                        }
                        CheckBox {
                            id: customDataBox

                            Layout.leftMargin: 50
                            text: qsTr("Use custom data (from Cyclewell, Navigraph...)")
                        }
                        CheckBox {
                            id: userFixBox

                            Layout.leftMargin: 50
                            text: qsTr("Load user FIX (user_fix.dat)")
                        }
                    }
                }
            }

            GroupBox {
                Layout.fillWidth: true
                title: qsTr("Current database")

                ColumnLayout {
                    anchors.fill: parent

                    GridLayout {
                        columns: 3

                        Label {
                            text: qsTr("AIRAC cycle")
                            font.bold: true
                        }
                        Label {
                            objectName: "cycleValue"
                            text: dialog.cycle
                        }
                        Label {
                            objectName: "newerCycle"
                            visible: Number(dialog.cycle) > 0 && Number(dialog.cycle) < dialog.currentCycle
                            textFormat: Text.RichText
                            onLinkActivated: link => Qt.openUrlExternally(link)
                            text: qsTr("(the AIRAC cycle %1 is available, get it from ").arg(dialog.currentCycle) + dialog.cyclewellLink + ")"
                        }
                    }
                    GridLayout {
                        columns: 3

                        Label {
                            text: qsTr("Points")
                            font.bold: true
                        }
                        Label {
                            objectName: "pointCount"
                            text: dialog.pointCount.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 0)
                        }
                        Label {
                            text: qsTr("(including APT, NDB, VOR, DME, FIX,...)")
                        }
                        Label {
                            text: qsTr("Segments")
                            font.bold: true
                        }
                        Label {
                            objectName: "segmentCount"
                            text: dialog.segmentCount.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 0)
                        }
                        Label {
                            text: qsTr("(routes consist of a series of segments)")
                        }
                    }
                    Label {
                        objectName: "unusableText"
                        Layout.maximumWidth: 500
                        visible: text !== ""
                        wrapMode: Text.WordWrap
                        font.bold: true
                        text: dialog.unusable
                    }
                    RowLayout {
                        Button {
                            objectName: "clearButton"
                            text: qsTr("Clear")
                            enabled: !dialog.running
                            onClicked: {
                                database.removeBinFile();
                                dialog.refresh();
                                statusText.text = qsTr("Database file deleted");
                            }
                        }
                        Button {
                            objectName: "downloadButton"
                            text: qsTr("Download")
                            visible: serverButton.checked
                            enabled: !dialog.running
                            onClicked: {
                                preferencesDialog.forceDefaultExportToDesktop();
                                netloader.loadAsync();
                            }
                        }
                        Button {
                            objectName: "importButton"
                            text: qsTr("Import from X-Plane")
                            visible: xplaneButton.checked
                            enabled: !dialog.running
                            onClicked: {
                                dialog.storeSource();
                                xploader.loadAsync();
                            }
                        }
                        Label {
                            id: statusText

                            objectName: "statusText"
                            Layout.fillWidth: true
                            wrapMode: Text.WordWrap
                        }
                    }
                }
            }
        }
    }

    footer: DialogButtonBox {
        alignment: Qt.AlignRight

        Button {
            objectName: "okButton"
            text: qsTr("OK")
            enabled: !dialog.running
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole // qmllint disable type
        }
    }

    FolderDialog {
        id: folderDialog

        title: qsTr("Please choose path to X-Plane installation")
        currentFolder: Utility.pathToUrl(databaseSettings.xpPath)
        onAccepted: pathField.text = Utility.urlToPath(selectedFolder)
    }

    PageViewTracker {
        location: "/database"
        title: "Database"
        opened: dialog.visible
    }

    Connections {
        target: netloader

        function onStarted() {
            dialog.loaderStarted();
        }
        function onProgress(text) {
            dialog.loaderProgress(text);
        }
        function onDone() {
            dialog.loaderDone();
        }
    }
    Connections {
        target: xploader

        function onStarted() {
            dialog.loaderStarted();
        }
        function onProgress(message) {
            dialog.loaderProgress(message);
        }
        function onDone() {
            dialog.loaderDone();
        }
    }
    Connections {
        target: database

        function onLoaded() {
            dialog.refresh();
        }
    }
}
