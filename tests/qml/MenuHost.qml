import QtQuick
import Waylore.Ui

// A list whose rows carry the roles a context menu reads (each row an object whose properties
// are the roles); every row opens the menu named by menuName through a MenuLoader.
ListView {
    id: host

    property string menuName
    property list<QtObject> rows

    width: 400
    height: 300
    model: rows

    delegate: Item {
        property alias loader: loader

        width: 400
        height: 30

        MenuLoader {
            id: loader

            sourceComponent: Qt.createComponent("qrc:/qt/qml/Waylore/Ui/menu/" + host.menuName + ".qml")
        }
    }
}
