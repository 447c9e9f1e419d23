import QtQuick
import Waylore.Ui

// A map item's tooltip, made only while it is shown: a layer holds thousands of items and
// needs none of their tooltips until the mouse rests on one. It opens 10 pixels right of and
// below the loader's place (put it where the pointer rests), under any open menu, and hides
// while a question or dialog is open.
Loader {
    id: loader

    property bool shown: false
    property string text

    active: shown
    sourceComponent: Component {
        CustomToolTip {
            // Not beside a question or dialog.
            readonly property HoverGate gate: HoverGate {
                item: loader
            }

            x: 10
            y: 10
            z: -1
            visible: !gate.modal
            text: loader.text
        }
    }
}
