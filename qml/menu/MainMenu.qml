import QtQuick
import Qt.labs.platform as Platform

// The main menu. The window puts the nine menus into it, in order, with the ids the pages use:
//
//     MainMenu {
//         id: mainMenu
//         FileMenu {}
//         EditMenu {}
//         RouteMenu {}
//         AirplaneMenu {}
//         InspirationMenu {}
//         MapMenu { id: mapMenu }
//         ViewMenu {}
//         HelpMenu {}
//         DebugMenu {}
//     }
//
// Where the platform has a native menu bar the menus go into it; on Linux there is none, and
// the menus become sub-menus of a pop-up that the tool bar's menu button opens with open().
// The choice is made here at run time: the module compiler registers one type per file name,
// so a "+linux" variant of this file could not be told apart.
QtObject {
    id: mainMenu

    default property list<QtObject> menus
    readonly property bool popup: Qt.platform.os === "linux"
    property Platform.Menu popupMenu: null
    property Platform.MenuBar menuBar: null

    // At the pointer, or below the item given.
    function open(target) {
        if (popupMenu && target)
            popupMenu.open(target);
        else if (popupMenu)
            popupMenu.open();
    }

    // The key of a menu's underlined letter, "Alt+F" for "&File"; empty where it has none.
    function mnemonic(menu) {
        const letter = /&([^&])/.exec(menu.title);
        return letter ? "Alt+" + letter[1].toUpperCase() : "";
    }

    Component.onCompleted: {
        const holder = popup ? popupComponent.createObject(mainMenu) : barComponent.createObject(mainMenu);
        for (let i = 0; i < menus.length; ++i)
            holder.addMenu(menus[i]);
        if (popup)
            popupMenu = holder;
        else
            menuBar = holder;
    }

    property Component popupComponent: Component {
        Platform.Menu {
        }
    }
    property Component barComponent: Component {
        Platform.MenuBar {
            window: typeof window !== "undefined" ? window : null
        }
    }
}
