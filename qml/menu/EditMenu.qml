import QtQuick
import Qt.labs.platform as Platform

// Editing commands on the item that has the keyboard focus, the search, the database and the
// preferences.
Platform.Menu {
    id: editMenu

    // Any item may hold the focus; the commands are looked up on it by name, as text fields and
    // text areas share them without sharing a type that declares them.
    readonly property var focused: window.activeFocusItem

    function can(name) {
        return focused !== null && typeof focused[name] === "function";
    }

    function writable() {
        return focused !== null && focused.readOnly === false;
    }

    title: qsTr("&Edit")

    Platform.MenuItem {
        text: qsTr("Cut")
        shortcut: StandardKey.Cut
        role: Platform.MenuItem.CutRole
        enabled: editMenu.can("cut") && editMenu.writable()
        onTriggered: editMenu.focused.cut()
    }
    Platform.MenuItem {
        text: qsTr("Copy")
        shortcut: StandardKey.Copy
        role: Platform.MenuItem.CopyRole
        enabled: editMenu.can("copy")
        onTriggered: editMenu.focused.copy()
    }
    Platform.MenuItem {
        text: qsTr("Paste")
        shortcut: StandardKey.Paste
        role: Platform.MenuItem.PasteRole
        enabled: editMenu.can("paste") && editMenu.writable()
        onTriggered: editMenu.focused.paste()
    }
    Platform.MenuItem {
        text: qsTr("Select all")
        shortcut: StandardKey.SelectAll
        role: Platform.MenuItem.SelectAllRole
        enabled: editMenu.can("selectAll")
        onTriggered: editMenu.focused.selectAll()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Find...")
        shortcut: StandardKey.Find
        onTriggered: pointPanel.search.forceActiveFocus()
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Select navigation database...")
        enabled: !window.dialog
        onTriggered: databaseDialog.open()
    }
    Platform.MenuItem {
        text: qsTr("Preferences...")
        role: Platform.MenuItem.PreferencesRole
        enabled: !window.dialog
        onTriggered: preferencesDialog.open()
    }
}
