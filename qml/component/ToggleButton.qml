import QtQuick
import Waylore.Ui

// Users act on toggled(): each click flips the checked state once.
IconButton {
    checkable: true
}
