import QtQuick
import Waylore.Ui

// A map item's tooltip, made only while it is shown: a layer holds thousands of items and
// needs none of their tooltips until the mouse rests on one.
Loader {
    id: loader

    property bool shown: false
    property string text

    active: shown
    sourceComponent: Component {
        CustomToolTip {
            visible: true
            text: loader.text
        }
    }
}
