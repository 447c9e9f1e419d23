import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window

    width: 1024
    height: 700
    visible: true
    title: Qt.application.name + " " + Qt.application.version

    Label {
        anchors.centerIn: parent
        text: Qt.application.name + " " + Qt.application.version
        font.pixelSize: 32
    }
}
