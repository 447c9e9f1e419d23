import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The program's icon, version and notices.
Dialog {
    id: dialog

    title: qsTr("About %1").arg(Qt.application.name)
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    closePolicy: Popup.CloseOnEscape

    PageViewTracker {
        location: "/about"
        title: "About"
        opened: dialog.visible
    }

    RowLayout {
        id: content

        anchors.fill: parent
        spacing: Size.extraMargin

        ColumnLayout {
            Layout.fillHeight: true

            Image {
                Layout.preferredWidth: 128
                Layout.preferredHeight: 128
                source: "qrc:/icon/wylr/app.iconset/icon_256x256.png"
                sourceSize.width: 128
                sourceSize.height: 128
            }
            Item {
                Layout.fillHeight: true
            }
        }
        ColumnLayout {
            Label {
                objectName: "versionLabel"
                font.bold: true
                text: qsTr("Version %1 %2").arg(Qt.application.version).arg(constants.debug ? qsTr("debug") : "")
            }
            Label {
                text: qsTr("This program is provided as is, without any warranty.\nIt is meant for flight simulation only:\nnever use it to plan or fly a real flight.")
            }
            Label {
                Layout.maximumWidth: 480
                wrapMode: Text.WordWrap
                textFormat: Text.StyledText
                onLinkActivated: link => Qt.openUrlExternally(link)
                text: qsTr("Built with the Qt framework and the Grantlee template engine. Icons from Font Awesome Free (CC BY 4.0). Map data from the OpenStreetMap contributors; navigation data from the X-Plane navigation data files.")
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            text: qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
    }
}
