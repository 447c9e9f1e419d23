import QtQml

// Stands in for the database downloader (published as "netloader").
QtObject {
    property var stubCalls: []

    signal started
    signal progress(string text)
    signal done

    function stubReset() {
        stubCalls = [];
    }

    function loadAsync() {
        stubCalls.push("loadAsync");
    }
}
