import QtQml
import QtQml.Models

// Stands in for the procedure display (published as "procedureManager").
QtObject {
    property var stubCalls: []
    // The points of the procedure on display.
    property var pointuids: []
    // The paths of the transitions on display; a test appends rows.
    property ListModel transitionMapModel: ListModel {}

    function setProcedure(uid) {
        stubCalls.push("setProcedure " + uid);
    }

    function removeTransition(transition) {
        stubCalls.push("removeTransition " + transition);
    }

    function removeOtherTransitions(transition) {
        stubCalls.push("removeOtherTransitions " + transition);
    }

    function removeAll() {
        stubCalls.push("removeAll");
    }
}
