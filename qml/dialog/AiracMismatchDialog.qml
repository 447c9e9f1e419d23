import QtQuick
import QtQuick.Controls

Dialog {
    id: dialog

    property string databaseCycle
    property string xpCycle

    signal openDatabaseRequested

    title: qsTr("AIRAC cycle mismatch")
    modal: true
    closePolicy: Popup.CloseOnEscape
    implicitWidth: 488

    Label {
        objectName: "message"
        anchors.fill: parent
        wrapMode: Text.WordWrap
        text: qsTr("The Waylore database has AIRAC cycle %1, but your X-Plane installation uses cycle %2.\n\nOpen the database dialog to update the database.").arg(dialog.databaseCycle).arg(dialog.xpCycle)
    }

    footer: DialogButtonBox {
        alignment: Qt.AlignRight

        Button {
            objectName: "openDatabaseButton"
            text: qsTr("Open database...")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.ActionRole // qmllint disable type
            onClicked: {
                dialog.close();
                dialog.openDatabaseRequested();
            }
        }
        Button {
            objectName: "ignoreButton"
            text: qsTr("Ignore")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
    }
}
