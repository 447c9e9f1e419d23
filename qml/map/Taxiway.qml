import QtQuick
import Corvel.Map

// Taxiway and apron surfaces; where two overlap, the higher surface code lies on top.
MapItemView {
    model: taxiwayMapModel

    delegate: MapPolygon {
        property var role_polyline
        property var role_holes
        property string role_color
        property int role_surface

        z: 100 * role_surface
        path: role_polyline || []
        holes: role_holes || []
        color: theme.color(role_color)
        border.width: 0
    }
}
