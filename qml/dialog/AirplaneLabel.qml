import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The label of a field of the airplane editor: a long translation wraps between its words, so
// that the editor keeps to the smallest window in every language.
Label {
    Layout.maximumWidth: 130
    wrapMode: Text.WordWrap
}
