import QtQuick
import Qt.labs.platform as Platform

// The flight-plan table, the side column and the information history.
Platform.Menu {
    title: qsTr("&View")

    Platform.MenuItem {
        text: qsTr("Flight plan")
        shortcut: "T"
        checkable: true
        checked: settingsWindow.flightplanTableVisibility
        onCheckedChanged: settingsWindow.flightplanTableVisibility = checked
    }
    Platform.MenuItem {
        text: qsTr("Side panel")
        shortcut: "P"
        checkable: true
        checked: settingsWindow.sidePannelVisibility
        onCheckedChanged: settingsWindow.sidePannelVisibility = checked
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Previous info item")
        shortcut: "("
        enabled: infoManager.hasPrevious
        onTriggered: infoManager.setPrevious()
    }
    Platform.MenuItem {
        text: qsTr("Next info item")
        shortcut: ")"
        enabled: infoManager.hasNext
        onTriggered: infoManager.setNext()
    }
}
