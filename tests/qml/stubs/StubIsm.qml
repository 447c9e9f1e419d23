import QtQml

// Stands in for the shared selection (published as "ism"). stubRoles holds the selected
// item's roles by role number; a test emits selected(uid) itself.
QtObject {
    property var stubCalls: []
    property var stubRoles: ({})
    property int currentTableRow: -1
    // The selected row of the point model; getBaseRow maps a map-model row to it through
    // stubBaseRows (row -> base row), or returns the row itself.
    property int currentBaseRow: -1
    property var stubBaseRows: null

    signal selected(string uid)

    function getSelectedItemRole(role) {
        return stubRoles[role];
    }

    function getBaseRow(row) {
        return stubBaseRows ? stubBaseRows[row] : row;
    }

    function selectFromMap(row) {
        stubCalls.push("selectFromMap " + row);
    }

    function setHovered(hovered, uid) {
        stubCalls.push("setHovered " + hovered + " " + uid);
    }

    function selectFromUID(uid) {
        stubCalls.push("selectFromUID " + uid);
    }

    function selectFromRoute(position) {
        stubCalls.push("selectFromRoute " + position);
    }
}
