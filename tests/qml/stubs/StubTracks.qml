import QtQml

// Stands in for the oceanic tracks (published as "tracks").
QtObject {
    property bool updating: false
    property string log: ""
    property bool failed: false
    property var stubCalls: []

    signal updated

    function update() {
        stubCalls.push("update");
        updating = true;
    }
}
