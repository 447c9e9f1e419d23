import QtQml.Models

// Stands in for one of the database's map models: a list model (append ListElements for rows)
// that records the filters it is given in stubCalls ("setGeoFilter <zoom>", "setTypeFilter
// <visible> <type>"); stubAreas keeps the areas of the geo filters.
ListModel {
    property string stubName
    property var stubCalls: []
    property var stubAreas: []
    // Shared by the eight map models, so a test reads the order of one filter pass.
    property var stubLog: null

    function stubReset() {
        clear();
        stubCalls = [];
        stubAreas = [];
    }

    function setGeoFilter(area, zoom) {
        stubCalls.push("setGeoFilter " + zoom);
        stubAreas.push(area);
        if (stubLog)
            stubLog.push(stubName);
    }

    function setTypeFilter(visible, type) {
        stubCalls.push("setTypeFilter " + visible + (type === undefined ? "" : " " + type));
    }
}
