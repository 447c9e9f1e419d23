import QtQuick
import Qt.labs.platform as Platform

// The online manual and FAQ, the update check and the about dialog.
Platform.Menu {
    id: helpMenu

    // The maker's web site; the pages live under "/help/".
    property string siteUrl: "https://waylore.example.org"

    title: qsTr("&Help")

    Platform.MenuItem {
        text: qsTr("Manual...")
        onTriggered: Qt.openUrlExternally(helpMenu.siteUrl + "/help/manual")
    }
    Platform.MenuItem {
        text: qsTr("FAQ...")
        onTriggered: Qt.openUrlExternally(helpMenu.siteUrl + "/help/faq")
    }
    Platform.MenuItem {
        text: qsTr("Check for updates...")
        role: Platform.MenuItem.ApplicationSpecificRole
        enabled: !window.dialog
        onTriggered: updater.check()
    }
    Platform.MenuItem {
        text: qsTr("About...")
        role: Platform.MenuItem.AboutRole
        enabled: !window.dialog
        onTriggered: aboutDialog.open()
    }
}
