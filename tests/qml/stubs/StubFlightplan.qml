import QtQml
import QtQml.Models

// Stands in for the flight plan (published as "flightplan"); the commands the menus give are
// recorded in stubCalls as "name argument...". A list model without rows, so that the map's
// route layers can take it as their model; `count` is the plan's own waypoint count.
ListModel {
    id: plan

    property int count: 0
    property bool binding: true
    property var stubCalls: []
    // Called with each recorded command, so that a test can act as the plan would.
    property var stubHook: null
    property var stubTransitions: ({})
    property QtObject general: QtObject {
        property int cruiselvl: 350
        property int cruisetas: 450
        property var waypointuids: []
        property var segmentuids: []
        property string bounding: "plan bounding"
    }
    property QtObject weight: QtObject {
        property int loadfactor: 80
    }
    property QtObject terminal: QtObject {
        function canAddTransition(procedure, transition) {
            return plan.stubTransitions[procedure + " " + transition] === true;
        }

        function addTransition(procedure, transition) {
            plan.stubCall("addTransition", procedure, transition);
            return 4;
        }

        function removeProcedureWaypoints(procedure) {
            plan.stubCall("removeProcedureWaypoints", procedure);
        }
    }

    signal modified
    signal edited
    signal pointsLost(int count)

    function stubReset() {
        count = 0;
        binding = true;
        stubCalls = [];
        stubTransitions = {};
        stubHook = null;
        general.cruiselvl = 350;
        general.cruisetas = 450;
        general.waypointuids = [];
        general.segmentuids = [];
        weight.loadfactor = 80;
    }

    function stubCall(...call) {
        stubCalls.push(call.join(" "));
        if (stubHook)
            stubHook(call);
    }

    function signalDataHasChanged() {
        stubCall("signalDataHasChanged");
    }

    function add(uid) {
        stubCall("add", uid);
    }

    function contains(uid) {
        return general.waypointuids.includes(uid);
    }

    function remove(uidOrRow) {
        stubCall("remove", uidOrRow);
    }

    function prepend(uid) {
        stubCall("prepend", uid);
    }

    function append(uid) {
        stubCall("append", uid);
    }

    function moveUp(row) {
        stubCall("moveUp", row);
    }

    function moveDown(row) {
        stubCall("moveDown", row);
    }

    function duplicate(row) {
        stubCall("duplicate", row);
    }

    function clear() {
        stubCall("clear");
    }

    function reverse() {
        stubCall("reverse");
    }

    function computeProfile() {
        stubCall("computeProfile");
    }

    // Every typed altitude and speed stands as typed.
    function readAltitude(text) {
        return {
            "text": text,
            "message": ""
        };
    }

    function readSpeed(text) {
        return readAltitude(text);
    }
}
