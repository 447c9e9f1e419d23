import QtQuick
import Corvel.Map

// Painted ground lines and, on a night map, the light strings along them. Widths are metres on
// the ground.
MapItemView {
    id: paintlightLayer

    model: paintlightMapModel

    MapItemView {
        objectName: "lines"
        model: paintlightLayer.model
        delegate: MapPolyline {
            property var role_polyline
            property bool role_hasline
            property color role_linecolor
            property real role_linewidth
            property bool role_dashedline
            property var role_linepattern

            visible: role_hasline
            path: role_polyline || []
            line.color: theme.mono ? "#CCC" : theme.night ? Qt.darker(role_linecolor, 2) : role_linecolor
            line.width: role_linewidth * map.pixelPerMeter
            line.strokeStyle: role_dashedline ? Qt.DashLine : Qt.SolidLine
            line.dashPattern: role_dashedline ? role_linepattern : [4, 2]
        }
    }
    MapItemView {
        objectName: "lights"
        // Lights show only on a night map: no delegates by day.
        model: theme.night ? paintlightLayer.model : null
        delegate: MapPolyline {
            property var role_polyline
            property bool role_haslight
            property color role_lightcolor

            visible: role_haslight
            path: role_polyline || []
            line.color: role_lightcolor
            line.width: 2 * map.pixelPerMeter
            line.strokeStyle: Qt.DashLine
            line.dashPattern: [0.001, 6]
            line.capStyle: Qt.RoundCap
        }
    }
}
