import QtQuick
import Qt.labs.platform as Platform

// The simulator link and the choice of the current airplane.
Platform.Menu {
    id: airplaneMenu

    title: qsTr("&Airplane")

    Platform.MenuItem {
        text: qsTr("Connect to simulator")
        checkable: true
        checked: xpconnect.state > 0
        onTriggered: xpconnect.state > 0 ? xpconnect.disconnect() : xpconnect.connect()
    }
    Platform.MenuSeparator {
    }
    Instantiator {
        model: airplanes
        delegate: Platform.MenuItem {
            required property int index
            required property string decoration

            text: decoration
            checkable: true
            checked: index === airplanes.currentIndex
            onTriggered: {
                airplanes.currentIndex = index;
                // The platform item toggled itself; the list decides again.
                checked = Qt.binding(() => index === airplanes.currentIndex);
            }
        }
        onObjectAdded: function (index, object) {
            airplaneMenu.insertItem(index + 2, object);
        }
        onObjectRemoved: function (index, object) {
            airplaneMenu.removeItem(object);
        }
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Manage airplanes...")
        shortcut: "Ctrl+M"
        enabled: !window.dialog
        onTriggered: airplaneDialog.open()
    }
}
