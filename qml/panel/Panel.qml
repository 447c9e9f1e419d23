import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui

// A page of the side column that folds down to its header.
Page {
    id: panel

    required property string icon
    property bool expanded: true

    // In the side column's split: a folded panel keeps its header and gives up the spare height.
    SplitView.minimumHeight: expanded ? 250 : header.implicitHeight
    SplitView.maximumHeight: !visible ? 0 : (expanded ? Infinity : header.implicitHeight)
    SplitView.fillHeight: expanded
    contentItem.visible: expanded

    background: Rectangle {
        color: Material.background
    }
    header: RowLayout {
        spacing: 0

        TintedImage {
            Layout.leftMargin: 16
            Layout.preferredWidth: FontAwesome.iconSize
            Layout.preferredHeight: FontAwesome.iconSize
            sourceSize.width: FontAwesome.iconSize
            sourceSize.height: FontAwesome.iconSize
            source: panel.icon
            color: Material.primaryTextColor
        }
        Label {
            Layout.leftMargin: 2
            text: panel.title
            font.bold: true
        }
        Item {
            Layout.fillWidth: true
        }
        IconButton {
            objectName: "expandButton"
            source: panel.expanded ? "qrc:/fa/solid/square-minus.svg" : "qrc:/fa/solid/square-plus.svg"
            onClicked: panel.expanded = !panel.expanded
        }
    }

    Binding {
        when: panel.footer !== null
        target: panel.footer
        property: "visible"
        value: panel.expanded
    }
}
