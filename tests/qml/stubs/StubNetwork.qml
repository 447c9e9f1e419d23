import QtQml

// Stands in for the QML engine's network (published as "network").
QtObject {
    property string stubBrokenOff

    function brokenOff(url) {
        return stubBrokenOff;
    }
}
