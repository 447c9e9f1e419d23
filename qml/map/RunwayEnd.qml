import QtQuick
import Corvel.Map

// The threshold of one runway end (0: the first end, 1: the second), for a runway layer's
// view; shown on marked runways at an end that has a name.
MapQuickItem {
    id: runwayEnd

    required property int end
    property color painting
    property var role_line
    property var role_codes
    property var role_verticalcodes
    property var role_headings
    property real role_width
    property string role_color
    property bool role_hasmarkings
    property color role_linecolor

    visible: role_hasmarkings && role_codes[end] !== ""
    coordinate: role_line[end]
    sourceItem: Threshold {
        code: runwayEnd.role_verticalcodes[runwayEnd.end]
        heading: runwayEnd.role_headings[runwayEnd.end]
        runwaywidth: runwayEnd.role_width
        surface: runwayEnd.role_color
        painting: runwayEnd.painting
    }
}
