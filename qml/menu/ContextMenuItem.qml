import QtQuick
import QtQuick.Controls
import Waylore.Ui

MenuItem {
    property string source

    icon.source: source
    icon.width: FontAwesome.iconSize
    icon.height: FontAwesome.iconSize
}
