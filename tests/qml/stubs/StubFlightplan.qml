import QtQml

// Stands in for the flight plan (published as "flightplan").
QtObject {
    property int count: 0
    property bool binding: true
    property QtObject general: QtObject {
        property int cruiselvl: 350
        property int cruisetas: 450
        property var waypointuids: []
    }
    property QtObject weight: QtObject {
        property int loadfactor: 80
    }

    function stubReset() {
        count = 0;
        binding = true;
        general.cruiselvl = 350;
        general.cruisetas = 450;
        general.waypointuids = [];
        weight.loadfactor = 80;
    }
}
