import QtQml

// Stands in for the exporter (published as "exporter"): the first export formats.
QtObject {
    property var formats: ["X-Plane 11/12 FMS (*.fms)", "X-Plane 10 FMS (*.fms)", "Garmin GPX (*.gpx)"]
    property string msgerror: ""
    // What toDefault() answers, and how often it was called.
    property bool stubResult: true
    property int stubExports: 0

    signal done(int format, string file)
    signal failed(int format, string message)

    function formatName(format) {
        return formats[format];
    }

    function toDefault() {
        stubExports += 1;
        return stubResult;
    }
}
