import QtQml

// Stands in for the shared selection (published as "ism"), not built yet.
QtObject {
    property var stubCalls: []

    function selectFromUID(uid) {
        stubCalls.push("selectFromUID " + uid);
    }

    function selectFromRoute(position) {
        stubCalls.push("selectFromRoute " + position);
    }
}
