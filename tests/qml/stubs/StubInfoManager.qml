import QtQml

// Stands in for the information panel manager (published as "infoManager"), not built yet.
QtObject {
    property var stubCalls: []

    function showPointInfo(uid, page) {
        stubCalls.push(page === undefined ? "showPointInfo " + uid : "showPointInfo " + uid + " " + page);
    }

    function showWaypointInfo(uid) {
        stubCalls.push("showWaypointInfo " + uid);
    }

    function showProcedureInfo(uid) {
        stubCalls.push("showProcedureInfo " + uid);
    }

    function showSegmentInfo(uid) {
        stubCalls.push("showSegmentInfo " + uid);
    }

    function showRunwayInfo(uid) {
        stubCalls.push("showRunwayInfo " + uid);
    }
}
