import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui

// A value with a help glyph, or a warning glyph and colour while the value is out of bounds.
RowLayout {
    id: row

    required property string text
    required property string help
    property bool warning: false
    property string message: ""
    readonly property color red: Material.theme === Material.Dark ? ThemeColor.redDark : ThemeColor.redLight

    Label {
        text: row.text
        color: row.warning ? row.red : Material.primaryTextColor
    }
    Label {
        font.family: "Font Awesome 6 Free"
        font.styleName: "Solid"
        text: row.warning ? "\uf071" : "\uf059"
        color: row.warning ? row.red : ThemeColor.grey

        HoverHandler {
            id: glyphHover
        }
        CustomToolTip {
            text: row.warning ? row.message : row.help
            visible: glyphHover.hovered
        }
    }
}
