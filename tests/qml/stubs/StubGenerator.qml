import QtQml

// Stands in for the route generator (published as "generator") where a test needs a search
// that lasts until the test ends it: it runs from start() until stubFinish().
QtObject {
    property var outputnames: []
    property var inputnames: []
    property int outputindex: -1
    property int inputindex: -1
    property real distance: 0
    property bool stubBusy: false
    property bool stubStatus: false
    property string stubMessage: ""
    property var stubCalls: []

    signal started
    signal progress(int percent)
    signal done
    signal changed

    function stubReset() {
        stubBusy = false;
        stubStatus = false;
        stubMessage = "";
        stubCalls = [];
    }

    function stubFinish(message) {
        stubBusy = false;
        stubMessage = message;
        done();
    }

    function init() { stubCalls.push("init"); }
    function getDepartureUID() { return ""; }
    function getArrivalUID() { return ""; }
    function setDeparture(uid) { return uid !== ""; }
    function setArrival(uid) { return uid !== ""; }
    function setOutput(index) {}
    function setInput(index) {}

    function start() {
        stubCalls.push("start");
        stubBusy = true;
        started();
    }

    function stop() { stubCalls.push("stop"); }
    function isBusy() { return stubBusy; }
    function getStatus() { return stubStatus; }
    function getMessage() { return stubMessage; }
    function activateFlightplan() { return false; }
}
