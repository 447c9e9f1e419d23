import QtQuick
import QtQuick.Templates as T

// Creates its menu on the first popup and destroys it when it closes, so that a list of
// thousands of rows holds no menus.
Loader {
    id: loader

    readonly property T.Popup menu: item as T.Popup
    readonly property bool opened: menu !== null && menu.visible

    function popup(x, y) {
        loader.x = x;
        loader.y = y;
        active = true;
        menu.open();
    }

    active: false

    Connections {
        target: loader.menu
        ignoreUnknownSignals: true

        function onClosed() {
            loader.active = false;
        }
    }
}
