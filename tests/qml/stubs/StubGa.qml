import QtQml

// Stands in for the analytics client (published as "ga"), which is not built yet.
QtObject {
    property var stubEvents: []
    property var stubEnabled: []

    function stubReset() {
        stubEvents = [];
        stubEnabled = [];
    }

    function enable(on) {
        stubEnabled.push(on);
    }

    function sendEvent(name, location, title, parameters) {
        stubEvents.push({
            "name": name,
            "location": location,
            "title": title,
            "parameters": parameters
        });
    }

    function flush() {
    }
}
