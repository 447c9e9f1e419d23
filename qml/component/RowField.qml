import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui

// One cell of a table row; hidden on the row the model marks as the last one.
RowLayout {
    id: field

    required property int fixedWidth
    required property string content
    property string iconsrc: ""
    property int iconsize

    Layout.preferredWidth: fixedWidth
    Layout.maximumWidth: fixedWidth
    // Read from the row this cell sits in; a cell outside a list row stays visible.
    visible: !(typeof role_is_last !== "undefined" && role_is_last)

    TintedImage {
        Layout.alignment: Qt.AlignVCenter | Qt.AlignHCenter
        Layout.preferredWidth: field.iconsize
        Layout.preferredHeight: field.iconsize
        sourceSize.width: field.iconsize
        sourceSize.height: field.iconsize
        source: field.iconsrc
        color: Material.primaryTextColor
        visible: field.iconsrc !== ""
    }
    Label {
        text: field.content
        color: Material.primaryTextColor
    }
    Item {
        Layout.fillWidth: true
    }
}
