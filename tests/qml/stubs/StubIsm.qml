import QtQml

// Stands in for the shared selection (published as "ism"), not built yet. Selecting from the
// route or the list records the call, takes the row and announces it as the real one does.
QtObject {
    property var stubCalls: []
    property int currentTableRow: -1
    property int currentListRow: -1

    signal selected(string uid)

    function stubReset() {
        stubCalls = [];
        currentTableRow = -1;
        currentListRow = -1;
    }

    function selectFromUID(uid) {
        stubCalls.push("selectFromUID " + uid);
    }

    function selectFromRoute(position) {
        stubCalls.push("selectFromRoute " + position);
        currentTableRow = position;
        selected("");
    }

    function selectFromList(row) {
        stubCalls.push("selectFromList " + row);
        currentListRow = row;
        selected("");
    }

    function setHovered(hovered, uid) {
        stubCalls.push("setHovered " + hovered + " " + uid);
    }

    function clear() {
        stubCalls.push("clear");
        currentTableRow = -1;
        currentListRow = -1;
        selected("");
    }
}
