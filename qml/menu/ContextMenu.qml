import QtQuick
import QtQuick.Controls

// A context menu whose entries may remove or move the row they were opened on. Such an entry
// reads the roles it needs into locals and hands its work to afterClose(): the work runs once
// the menu has closed, when nothing of the row's delegate is read any more.
Menu {
    id: menu

    property var pendingAction: null
    // The icon of the entry that stands for this menu inside another one.
    property string source

    function afterClose(action) {
        pendingAction = action;
        close();
    }

    // As wide as the widest entry: the style's fixed width cuts "Add EDDF to route" short.
    width: {
        let widest = 0;
        for (let i = 0; i < count; ++i) {
            const entry = itemAt(i);
            if (entry)
                widest = Math.max(widest, entry.implicitWidth);
        }
        return Math.max(implicitWidth, widest + leftPadding + rightPadding);
    }
    // The entries that stand for sub-menus draw the sub-menu's icon, as the other entries do;
    // a sub-menu, a menu of any kind, names it in a property "source" of its own.
    delegate: ContextMenuItem {
        readonly property var entryMenu: subMenu

        source: entryMenu && entryMenu.source ? entryMenu.source : ""
    }
    onClosed: {
        const action = pendingAction;
        pendingAction = null;
        if (action)
            action();
    }
}
