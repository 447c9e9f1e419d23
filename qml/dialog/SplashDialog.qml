import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Waylore.Ui

// Shown at every start while the stored navigation database loads behind it.
Dialog {
    id: splash

    // The maker's pages on the three services.
    readonly property var socialPages: ({
            "youtube": "https://www.youtube.com/@corvel",
            "facebook": "https://www.facebook.com/corvel",
            "instagram": "https://www.instagram.com/corvel"
        })
    property bool loading: true

    signal cycleMismatch(string databaseCycle, string xpCycle)

    function cycleText(cycle, current) {
        if (cycle >= current)
            return qsTr("AIRAC %1").arg(cycle);
        return qsTr("AIRAC %1 is outdated ").arg(cycle) + "<span style=\"color: yellow;\">"
                + qsTr("→ get cycle %2 from ").arg(current) + "<a style=\"color: yellow;\" href=\"" + Utility.cyclewellUrl + "\">"
                + "Cyclewell" + "</a></span>";
    }

    function showProgress(message) {
        console.log(message);
        progressLine.text = message;
        const cycle = Number(database.cycle);
        if (cycle > 0)
            cycleLine.text = cycleText(cycle, Utility.currentCycle());
    }

    function finishLoading() {
        loading = false;
        if (database.empty()) {
            close();
            databaseDialog.open();
            return;
        }
        close();
        const xpCycle = xploader.activeCycle();
        if (database.cycle !== "" && xpCycle !== "" && database.cycle !== xpCycle)
            cycleMismatch(database.cycle, xpCycle);
    }

    modal: true
    visible: true
    closePolicy: Popup.CloseOnEscape
    contentWidth: 580
    contentHeight: 356
    padding: 0
    // The style sets its own top padding; the picture fills the dialog.
    topPadding: 0
    bottomPadding: 0

    Image {
        id: picture

        source: "qrc:/img/wylr/splashscreen.png"
        width: 580
        height: 356

        Column {
            x: 100
            y: 123
            spacing: 0

            Label {
                id: progressLine

                objectName: "progressLine"
                color: "#E9E9E9"
            }
            Label {
                text: qsTr("Version %1").arg(Qt.application.version)
                color: "#E9E9E9"
            }
            Label {
                id: cycleLine

                objectName: "cycleLine"
                text: qsTr("Loading ...")
                textFormat: Text.RichText
                color: "#E9E9E9"
                onLinkActivated: link => Qt.openUrlExternally(link)
            }
            Item {
                width: 1
                height: 25
            }
        }

        Row {
            anchors.right: parent.right
            anchors.bottom: progressBar.top
            spacing: -15

            Repeater {
                model: ["youtube", "facebook", "instagram"]

                IconButton {
                    required property string modelData

                    source: "qrc:/fa/brands/" + modelData + ".svg"
                    icon.color: Material.accent
                    onClicked: Qt.openUrlExternally(splash.socialPages[modelData])

                    HoverHandler {
                        cursorShape: Qt.PointingHandCursor
                    }
                }
            }
        }

        ProgressBar {
            id: progressBar

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            // Shows activity while the load runs: the load reports no fraction.
            indeterminate: splash.loading
        }
    }

    Connections {
        target: database

        function onProgress(text) {
            splash.showProgress(text);
        }
    }
    // The load's end: its thread's, or its refusal when no thread could be made for it.
    Connections {
        target: database
        enabled: splash.loading

        function onFinished() {
            splash.finishLoading();
        }
        function onLoaded() {
            splash.finishLoading();
        }
    }

    Component.onCompleted: database.loadAsync()
}
