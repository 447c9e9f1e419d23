import QtQuick
import Corvel.Map

// The boundary areas of the airports in view.
MapItemView {
    model: boundaryMapModel

    delegate: MapPolygon {
        property var role_polyline
        // Inner rings, where the data has them.
        property var role_holes

        path: role_polyline || []
        holes: role_holes || []
        color: theme.color("boundary.fill")
        border.width: theme.width("boundary.border")
        border.color: theme.color("boundary.border")
    }
}
