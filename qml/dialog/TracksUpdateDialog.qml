import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Dialog {
    id: dialog

    title: qsTr("Oceanic tracks")
    modal: true
    closePolicy: Popup.CloseOnEscape

    StackLayout {
        objectName: "pages"
        anchors.fill: parent
        currentIndex: tracks.updating ? 0 : 1

        ColumnLayout {
            Label {
                text: qsTr("Updating tracks...")
            }
            BusyIndicator {
                Layout.alignment: Qt.AlignHCenter
                running: tracks.updating
            }
        }
        ColumnLayout {
            Label {
                objectName: "heading"
                text: tracks.failed ? qsTr("Tracks not updated, the tracks in use are kept:") : qsTr("Updated tracks:")
            }
            ScrollView {
                id: logView

                objectName: "logView"
                Layout.preferredWidth: 400
                Layout.preferredHeight: 200
                // The style shows the bar only while it scrolls: a log longer than the view says
                // so at once.
                ScrollBar.vertical.policy: logView.contentHeight > logView.availableHeight ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded

                TextArea {
                    readOnly: true
                    wrapMode: Text.WordWrap
                    textFormat: TextEdit.RichText
                    text: tracks.log
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "closeButton"
            text: qsTr("Close")
            enabled: !tracks.updating
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
    }
}
