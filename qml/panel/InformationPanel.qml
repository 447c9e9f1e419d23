import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The page the information manager prepares for the item asked for, with its history.
Panel {
    id: infoPanel

    readonly property alias textArea: textArea

    // The page is replaced, not bound: the scroll position the manager kept for it goes back
    // only once the new text is in.
    function showPage() {
        textArea.clear();
        textArea.insert(0, infoManager.html);
        verticalBar.position = infoManager.recallPosition();
    }

    title: qsTr("Information")
    icon: "qrc:/fa/solid/circle-info.svg"
    padding: 6

    ColumnLayout {
        anchors.fill: parent

        ScrollView {
            id: scrollView

            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignTop
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
            ScrollBar.vertical: ScrollBar {
                id: verticalBar

                objectName: "verticalBar"
                parent: scrollView
                x: scrollView.mirrored ? 0 : scrollView.width - width
                y: scrollView.topPadding
                height: scrollView.availableHeight
                policy: ScrollBar.AlwaysOn
                // While the page is laid out the bar passes through negative positions that
                // belong to no page.
                onPositionChanged: infoManager.saveCurrentPosition(Math.max(0, position))
            }

            ReadTextArea {
                id: textArea

                objectName: "infoText"
                padding: 6
                textFormat: TextEdit.RichText
                onLinkHovered: link => {
                    const fields = link.split(">");
                    if (fields[0] === "PROCEDURE" && fields.length > 1)
                        procedureManager.setProcedure(fields[1]);
                }
                onLinkActivated: link => infoManager.linkTo(link)

                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.NoButton
                    cursorShape: textArea.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true

            IconButton {
                objectName: "previousButton"
                source: "qrc:/fa/solid/circle-left.svg"
                tooltip: qsTr("Show previous item")
                enabled: infoManager.hasPrevious
                onClicked: infoManager.setPrevious()
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Navigate history")
            }
            IconButton {
                objectName: "nextButton"
                source: "qrc:/fa/solid/circle-right.svg"
                tooltip: qsTr("Show next item")
                enabled: infoManager.hasNext
                onClicked: infoManager.setNext()
            }
        }
    }

    Connections {
        target: infoManager

        function onUpdated() {
            infoPanel.showPage();
        }
    }

    Component.onCompleted: infoManager.showTip()
}
