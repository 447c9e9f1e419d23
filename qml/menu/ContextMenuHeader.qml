import QtQuick
import QtQuick.Controls

// The disabled, bold entry that names the item a group of entries acts on.
MenuItem {
    enabled: false
    font.bold: true
}
