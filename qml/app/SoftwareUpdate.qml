import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.settings
import Waylore.Ui

// Tells the user that a newer release exists: reads the change-log page, takes the version of
// its newest entry and compares it with the running one. A check the user asked for shows its
// outcome here; a check in the background opens the dialog only for a newer version. A page
// that cannot be reached at all (no answer) ends in a status line, never in a dialog.
Dialog {
    id: updater

    enum Index {
        Checking,
        NewVersionAvailable,
        AlreadyUpToDate,
        Error
    }

    property string checkUrl: updateSettings.changelogUrl
    property string downloadUrl: updateSettings.downloadUrl
    property string currentVersion: Qt.application.version
    property string latestVersion
    property string changelog
    property string code
    property int index: SoftwareUpdate.Index.Checking
    // The running check was started by the timer, not by the user.
    property bool backgroundCheck: false
    readonly property alias checkForUpdateAutomatically: updateSettings.checkForUpdateAutomatically

    function check(inBackground) {
        backgroundCheck = inBackground === true;
        index = SoftwareUpdate.Index.Checking;
        if (!backgroundCheck)
            open();
        const request = new XMLHttpRequest();
        request.onreadystatechange = function () {
            if (request.readyState === XMLHttpRequest.DONE)
                received(request.status, request.responseText);
        };
        request.open("GET", checkUrl);
        request.send();
    }

    // The outcome of a request: status 0 means no whole answer arrived; the network tells
    // whether one began and was broken off.
    function received(status, page) {
        if (status === 0) {
            const brokenOff = network.brokenOff(checkUrl);
            console.log("checking for software update., no answer from", checkUrl, brokenOff);
            close();
            statusLine(brokenOff ? qsTr("No update check done: %1").arg(brokenOff) : qsTr("Cannot reach the update page, no update check done"));
            return;
        }
        if (status === 200 && parse(page)) {
            if (isNewer(latestVersion, currentVersion)) {
                index = SoftwareUpdate.Index.NewVersionAvailable;
                console.log("new version available", latestVersion, "(current version", currentVersion + ")");
                open();
            } else {
                index = SoftwareUpdate.Index.AlreadyUpToDate;
                console.log("software already up to date at version", currentVersion);
            }
            return;
        }
        code = status === 200 ? "999" : String(status);
        index = SoftwareUpdate.Index.Error;
        if (backgroundCheck)
            console.log("checking for software update., ending with error", code);
    }

    function statusLine(text) {
        if (typeof status !== "undefined" && status)
            status.message(text, true);
    }

    // Takes the change log and the newest version from the page; false when the page is not
    // in the expected form.
    function parse(page) {
        const opening = /<div\s+class="[a-z0-9\- ]*wp-block-post-content[a-z0-9\- ]*">/.exec(page);
        const start = opening ? opening.index : -1;
        const end = start < 0 ? -1 : page.indexOf("</div>", start);
        if (start < 0 || end < 0 || start >= end) {
            console.log(page);
            return false;
        }
        const content = page.substring(start, end + "</div>".length);
        changelog = "<html>" + content + "</html>";
        const heading = /<h2[^>]*>([\s\S]*?)<\/h2>/i.exec(content);
        const version = heading ? /\b\d+\.\d+\.\d+\b/.exec(heading[1].replace(/<[^>]*>/g, "")) : null;
        if (!version) {
            console.log(content);
            return false;
        }
        latestVersion = version[0];
        return true;
    }

    function isNewer(latest, current) {
        const pattern = /^\d+\.\d+\.\d+$/;
        const a = String(latest).trim();
        const b = String(current).trim();
        if (!pattern.test(a) || !pattern.test(b))
            return false;
        const x = a.split(".").map(Number);
        const y = b.split(".").map(Number);
        for (let i = 0; i < 3; ++i) {
            if (x[i] !== y[i])
                return x[i] > y[i];
        }
        return false;
    }

    title: qsTr("Software update")
    modal: true
    closePolicy: Popup.CloseOnEscape
    contentWidth: pages.implicitWidth
    contentHeight: pages.implicitHeight

    Settings {
        id: updateSettings

        property bool checkForUpdateAutomatically: false
        // No public page yet: a placeholder address the user or a packager can change.
        property string changelogUrl: "https://waylore.example.org/changelog"
        property string downloadUrl: "https://waylore.example.org/download"

        category: "update"
    }
    Timer {
        interval: 20000
        running: updateSettings.checkForUpdateAutomatically
        repeat: false
        onTriggered: {
            console.log("checking for software update...");
            updater.check(true);
        }
    }
    StackLayout {
        id: pages

        anchors.fill: parent
        currentIndex: updater.index

        ColumnLayout {
            Label {
                text: qsTr("Checking for software updates...")
            }
            BusyIndicator {
                Layout.alignment: Qt.AlignHCenter
                running: updater.index === SoftwareUpdate.Index.Checking
            }
        }
        ColumnLayout {
            Label {
                text: qsTr("New version %1 available (you are running version %2).").arg(updater.latestVersion).arg(updater.currentVersion)
            }
            ScrollView {
                Layout.preferredWidth: 400
                Layout.preferredHeight: 200

                TextArea {
                    readOnly: true
                    wrapMode: Text.WordWrap
                    textFormat: TextEdit.RichText
                    text: updater.changelog
                }
            }
        }
        Label {
            text: qsTr("You are already running the latest version %1.").arg(updater.currentVersion)
        }
        Label {
            text: qsTr("Cannot check for new version, error code %1").arg(updater.code)
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "downloadButton"
            text: qsTr("Download")
            visible: updater.index === SoftwareUpdate.Index.NewVersionAvailable
            onClicked: {
                Qt.openUrlExternally(updater.downloadUrl);
                updater.close();
            }
        }
        Button {
            objectName: "closeButton"
            text: updater.index === SoftwareUpdate.Index.NewVersionAvailable ? qsTr("Ignore") : qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
    }
}
