import QtQml

// Stands in for the simulator link (published as "xpconnect"), not built yet.
QtObject {
    property int state: 0
    property var stubCalls: []

    function connect() {
        stubCalls.push("connect");
        state = 1;
    }

    function disconnect() {
        stubCalls.push("disconnect");
        state = 0;
    }
}
