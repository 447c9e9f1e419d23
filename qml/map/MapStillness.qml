import QtQuick

// Whether the map has stood still for a moment. While anything in the scene moves, Qt Quick
// hands the cursor's hover to every hover-enabled item of the window on each frame (it visits
// every item below which hover is on, enabled or not), which for a layer of thousands of points
// or airways costs more than drawing them. The big layers therefore switch their items' hover
// off while the map pans or zooms, and on again 150 ms after the last move.
QtObject {
    id: stillness

    property bool still: true

    property Timer settle: Timer {
        interval: 150
        onTriggered: stillness.still = true
    }
    property Connections moves: Connections {
        target: map

        function onCenterChanged() {
            stillness.moved();
        }

        function onZoomLevelChanged() {
            stillness.moved();
        }

        function onBearingChanged() {
            stillness.moved();
        }
    }

    function moved() {
        still = false;
        settle.restart();
    }
}
