import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui

// One cell of a table row; hidden on the last row. The row's role_is_last is handed in as
// isLast, since a component's own bindings do not see the roles of the delegate it sits in.
RowLayout {
    id: field

    required property int fixedWidth
    required property string content
    property string iconsrc: ""
    property int iconsize
    property bool isLast: false

    Layout.preferredWidth: fixedWidth
    Layout.maximumWidth: fixedWidth
    visible: !isLast

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
