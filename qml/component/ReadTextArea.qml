import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// Read-only text whose selection stays long enough to be copied, then gives the focus back.
TextArea {
    id: area

    property int inset: -3

    readOnly: true
    wrapMode: Text.WordWrap
    color: Material.foreground
    activeFocusOnPress: false
    topInset: inset
    bottomInset: inset
    leftInset: inset
    rightInset: inset

    onSelectedTextChanged: {
        if (selectedText !== "") {
            area.forceActiveFocus();
            focusTimer.restart();
        }
    }

    Timer {
        id: focusTimer

        interval: 3000
        onTriggered: {
            // Dropping the focus first: a parent focus scope would hand it straight back.
            area.focus = false;
            if (area.parent)
                area.parent.forceActiveFocus();
        }
    }
}
