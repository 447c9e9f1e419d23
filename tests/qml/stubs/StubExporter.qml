import QtQml

// Stands in for the exporter (published as "exporter"): the first export formats.
QtObject {
    property var formats: ["X-Plane 11/12 FMS (*.fms)", "X-Plane 10 FMS (*.fms)", "Garmin GPX (*.gpx)"]
}
