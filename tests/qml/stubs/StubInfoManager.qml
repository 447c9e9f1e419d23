import QtQml

// Stands in for the information panel manager (published as "infoManager"), not built yet.
// A test sets stubPage() to publish a page as the real one does after building it.
QtObject {
    property var stubCalls: []
    property string html: ""
    property bool hasPrevious: false
    property bool hasNext: false
    property real stubRecall: 0

    signal updated

    function stubReset() {
        stubCalls = [];
        html = "";
        hasPrevious = false;
        hasNext = false;
        stubRecall = 0;
    }

    function stubPage(text, recall) {
        html = text;
        stubRecall = recall || 0;
        updated();
    }

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

    function showTip() {
        stubCalls.push("showTip");
    }

    function linkTo(link) {
        stubCalls.push("linkTo " + link);
    }

    function setPrevious() {
        stubCalls.push("setPrevious");
    }

    function setNext() {
        stubCalls.push("setNext");
    }

    function saveCurrentPosition(position) {
        stubCalls.push("saveCurrentPosition " + position);
    }

    function recallPosition() {
        return stubRecall;
    }
}
