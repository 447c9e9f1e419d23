import QtQml

// Stands in for the shared selection (published as "ism"). Selecting from the route or the list
// records the call, takes the row and announces it as the real one does. stubRoles holds the
// selected item's roles by role number; getBaseRow maps a map-model row to the point model's
// through stubBaseRows (row -> base row), or returns the row itself.
QtObject {
    property var stubCalls: []
    property var stubRoles: ({})
    property int currentTableRow: -1
    property int currentListRow: -1
    property int currentBaseRow: -1
    property var stubBaseRows: null
    property string hoveredOrCurrentUID: ""
    readonly property bool hasHoverOrSelection: hoveredOrCurrentUID !== ""
    property bool hasSelection: false
    property string selectedFrom: ""

    signal selected(string uid)

    function stubReset() {
        stubCalls = [];
        stubRoles = {};
        currentTableRow = -1;
        currentListRow = -1;
        currentBaseRow = -1;
        stubBaseRows = null;
    }

    function getSelectedItemRole(role) {
        return stubRoles[role];
    }

    function getBaseRow(row) {
        return stubBaseRows ? stubBaseRows[row] : row;
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

    function selectFromMap(row) {
        stubCalls.push("selectFromMap " + row);
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
