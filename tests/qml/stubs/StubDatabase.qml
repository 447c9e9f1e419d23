import QtQml

// Stands in for the navigation database (published as "database").
QtObject {
    property string cycle: ""
    property int pointCount: 0
    property int segmentCount: 0
    property bool stubEmpty: true
    // The lists an empty database lacks; null: all of them.
    property var stubEmptyLists: null
    property string stubRefusal: ""
    property var stubCalls: []

    signal finished
    signal progress(string text)
    signal loaded(bool result)
    signal updated

    function stubReset() {
        cycle = "";
        pointCount = 0;
        segmentCount = 0;
        stubEmpty = true;
        stubEmptyLists = null;
        stubRefusal = "";
        stubCalls = [];
    }

    function loadAsync() {
        stubCalls.push("loadAsync");
    }

    // Answers "COORD <latitude> <longitude>" (four decimals) and records the call.
    function getOrAddCoordPointUid(coordinate) {
        const uid = "COORD " + coordinate.latitude.toFixed(4) + " " + coordinate.longitude.toFixed(4);
        stubCalls.push("getOrAddCoordPointUid " + uid);
        return uid;
    }

    function empty() {
        return stubEmpty;
    }

    function emptyLists() {
        if (!stubEmpty)
            return [];
        return stubEmptyLists !== null ? stubEmptyLists : ["points", "segments", "runways", "boundaries", "taxiways"];
    }

    function loadRefusal() {
        return stubRefusal;
    }

    function removeBinFile() {
        stubCalls.push("removeBinFile");
        pointCount = 0;
        segmentCount = 0;
        cycle = "";
        stubEmpty = true;
    }
}
