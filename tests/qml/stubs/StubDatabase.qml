import QtQml

// Stands in for the navigation database (published as "database").
QtObject {
    property string cycle: ""
    property int pointCount: 0
    property int segmentCount: 0
    property bool stubEmpty: true
    property var stubCalls: []

    signal finished
    signal progress(string text)
    signal loaded(bool result)

    function stubReset() {
        cycle = "";
        pointCount = 0;
        segmentCount = 0;
        stubEmpty = true;
        stubCalls = [];
    }

    function loadAsync() {
        stubCalls.push("loadAsync");
    }

    function empty() {
        return stubEmpty;
    }

    function removeBinFile() {
        stubCalls.push("removeBinFile");
        pointCount = 0;
        segmentCount = 0;
        cycle = "";
        stubEmpty = true;
    }
}
