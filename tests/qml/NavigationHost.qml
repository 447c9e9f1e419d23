import QtQuick
import Waylore.Ui

// Holds the navigation map under the id the pages reach it by (`map`), beside stand-ins for
// the other ids of the main window that the map and its layers read.
Item {
    id: host

    property alias map: map
    property alias themeComboBox: themeComboBox
    property alias mapMenu: mapMenu
    property string providersRepository: "http://127.0.0.1:9/osm/"

    width: 1000
    height: 700

    Navigation {
        id: map

        anchors.fill: parent
        providersRepository: host.providersRepository
    }
    Item {
        id: themeComboBox

        property int currentIndex: 0
    }
    Item {
        id: mapMenu

        property bool movingMap: false
    }
    Item {
        id: preferencesDialog

        property int fontSizePercent: 100
    }
}
