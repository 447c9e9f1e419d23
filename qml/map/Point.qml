import QtQuick
import Corvel.Map
import Waylore.Ui

// The navigation points of the visible area: a dot each, or the symbol and label once the point
// is worth details. Points of the flight plan are left to the waypoint layer.
//
// The delegate declares the roles it reads, so the view fetches only those (the list and search
// texts of a point are never built for the map); the symbol block and the menu read them, and
// the delegate's flags, from the delegate by name.
MapItemView {
    id: pointLayer

    readonly property MapStillness stillness: MapStillness {
    }

    model: pointMapModel

    delegate: MapQuickItem {
        id: point

        property int index: -1
        property string role_uid
        property var role_position
        property int role_type
        property string role_code
        property string role_icon
        property int role_icon_offset
        property int role_text_offset
        property real role_minzoom_details
        property string role_tooltip
        // Read by the context menu.
        property string role_type_string
        property var role_bounding

        readonly property bool minZoomDetails: map.zoomLevel >= role_minzoom_details
        readonly property bool selected: ism.currentBaseRow >= 0 && ism.currentBaseRow === ism.getBaseRow(index)
        readonly property bool inFlightplan: flightplan.general.waypointuids.indexOf(role_uid) >= 0
        readonly property bool inProcedure: procedureManager.pointuids.indexOf(role_uid) >= 0
        readonly property bool details: (minZoomDetails || inProcedure || selected) && !inFlightplan
        property bool hovered: false
        readonly property real hoveredDotFactor: hovered ? 1.5 : 1

        // A point that leaves the plan comes back plain, whatever the mouse did meanwhile.
        onInFlightplanChanged: {
            if (!inFlightplan)
                hovered = false;
        }

        coordinate: role_position
        sourceItem: Item {
            Rectangle {
                id: dot

                objectName: "dot"
                readonly property real diameter: theme.width("point.dot", point.role_type) * point.hoveredDotFactor

                anchors.centerIn: parent
                width: diameter
                height: diameter
                radius: diameter / 2
                // The overlay is supersampled at rest: edge smoothing of its own would only
                // multiply the vertices of a layer of thousands of dots.
                antialiasing: false
                color: theme.color("point", point.role_type)
                visible: !point.details && !point.inFlightplan

                PointMouseArea {
                    anchors.centerIn: parent
                    width: Math.max(dot.width, 4)
                    height: Math.max(dot.height, 4)
                    enabled: dot.visible
                    hoverable: pointLayer.stillness.still
                }
            }
            Loader {
                objectName: "selection"
                active: point.selected && !point.inFlightplan
                source: "Selection.qml"
            }
            Loader {
                objectName: "basepoint"
                active: point.details
                sourceComponent: Component {
                    Basepoint {
                        isWaypoint: false
                        hoverable: pointLayer.stillness.still
                    }
                }
            }
            MenuLoader {
                id: menuLoader

                objectName: "menu"
                sourceComponent: Component {
                    PointContextMenu {
                    }
                }
            }
            ToolTipLoader {
                objectName: "tooltip"
                shown: point.hovered && !point.inFlightplan
                text: point.role_tooltip
            }
        }
    }
}
