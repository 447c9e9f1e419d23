import QtQuick
import QtQuick.Controls
import Waylore.Ui

// A number field of the airplane editor: the list model's role it shows, and its tool tip while
// hovered.
UnitSpinBox {
    id: spin

    required property string role
    property string tip: ""

    editable: true

    CustomToolTip {
        text: spin.tip
        visible: spin.hovered && spin.tip !== ""
    }
}
