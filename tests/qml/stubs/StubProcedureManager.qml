import QtQml

// Stands in for the procedure display (published as "procedureManager").
QtObject {
    property var stubCalls: []

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
