import QtQuick
import Waylore.Ui

// A map item's tooltip, made only while it is shown: a layer holds thousands of items and
// needs none of their tooltips until the mouse rests on one. It opens 10 pixels right of and
// below the loader's place (put it where the pointer rests), and under any open menu.
Loader {
    id: loader

    property bool shown: false
    property string text

    active: shown
    sourceComponent: Component {
        CustomToolTip {
            x: 10
            y: 10
            z: -1
            visible: true
            text: loader.text
        }
    }
}
