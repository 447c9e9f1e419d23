import QtQml

// Stands in for the simulator data importer (published as "xploader").
QtObject {
    property string stubPath: "/opt/X-Plane 12"
    property string stubCycle: ""
    property var stubCalls: []

    signal started
    signal progress(string message)
    signal done

    function stubReset() {
        stubPath = "/opt/X-Plane 12";
        stubCycle = "";
        stubCalls = [];
    }

    function autodetectXPPath() {
        return stubPath;
    }

    function autodetectCandidates() {
        return ["/home/pilot/X-Plane 12", "/opt/x-plane/X-Plane 12", "/home/pilot/X-Plane 11", "/opt/x-plane/X-Plane 11"];
    }

    function activeCycle() {
        return stubCycle;
    }

    function loadAsync() {
        stubCalls.push("loadAsync");
    }
}
