import QtQml
import QtPositioning

// Stands in for the simulator link (published as "xpconnect"). A test moves the airplane with
// stubReport(coordinate, heading).
QtObject {
    property int state: 0
    property var position: QtPositioning.coordinate()
    property int heading: 0
    property string tooltip: ""
    property var stubCalls: []

    signal stated
    signal updated
    signal message(string text, bool error)

    function stubReset() {
        state = 0;
        stubCalls = [];
    }

    function stubReport(coordinate, newHeading) {
        position = coordinate;
        heading = newHeading;
        updated();
    }

    function connect() {
        stubCalls.push("connect");
        state = 1;
        stated();
    }

    function disconnect() {
        stubCalls.push("disconnect");
        state = 0;
        stated();
    }
}
