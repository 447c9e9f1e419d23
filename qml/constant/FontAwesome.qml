pragma Singleton
import QtQuick

QtObject {
    // Menus, buttons and panels draw every Font Awesome glyph at this size (some scale it).
    readonly property int iconSize: 14
}
