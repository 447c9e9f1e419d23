import QtQuick
import Corvel.Map
import Waylore.MapLayers
import Corvel.Point as CorvelPoint
import Waylore.Ui

// The navigation points of the visible area: a dot each, or the symbol and label once the point
// is worth details. Points of the flight plan are left to the waypoint layer.
//
// The layer draws its points itself, in one batch, and finds the one under the pointer; only the
// hovered point, the selected one and one whose menu is open are made of items (the delegate
// below), which carry the hover enlargement, the selection marker, the tooltip and the menu.
// The delegate declares the roles it reads, and `index` (its row of the map model), so the view
// fetches only those; the symbol block and the menu read them, and the delegate's flags, from
// the delegate by name.
MapPointLayer {
    id: pointLayer

    readonly property MapStillness stillness: MapStillness {
    }
    readonly property HoverGate gate: HoverGate {
        item: pointLayer
    }

    // The item of a map row, while the row has one; else null.
    function itemAt(row) {
        for (let i = 0; i < delegates.count; ++i) {
            const item = delegates.itemAt(i);
            if (item && item.index === row)
                return item;
        }
        return null;
    }

    model: pointMapModel
    style: theme
    smallDiscType: CorvelPoint.Point.FIX
    hiddenUids: flightplan.general.waypointuids
    detailUids: procedureManager.pointuids
    selectedSourceRow: ism.currentBaseRow
    // Off while the map moves (see MapStillness), and under a question or dialog.
    hoverable: stillness.still && !gate.modal

    onHoverChanged: (hovered, uid) => ism.setHovered(hovered, uid)

    MapItemView {
        id: delegates

        objectName: "delegates"
        model: pointLayer.activeRows
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
            // The layer tracks the pointer; a point in the plan is never hovered here.
            readonly property bool hovered: index >= 0 && pointLayer.hoveredRow === index
            readonly property real hoveredDotFactor: hovered ? 1.5 : 1

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
                    // The overlay is supersampled at rest: no edge smoothing of its own, as the
                    // layer draws its dots.
                    antialiasing: false
                    color: theme.color("point", point.role_type)
                    visible: !point.details && !point.inFlightplan

                    PointMouseArea {
                        anchors.centerIn: parent
                        width: Math.max(dot.width, 4)
                        height: Math.max(dot.height, 4)
                        enabled: dot.visible
                        ownsHover: false
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
                            ownsHover: false
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
                    // The item stays while its menu is open, wherever the pointer goes.
                    onOpenedChanged: pointLayer.hold(point.index, opened)
                }
                ToolTipLoader {
                    objectName: "tooltip"
                    // Not behind the point's own menu.
                    shown: point.hovered && !point.inFlightplan && !menuLoader.opened
                    text: point.role_tooltip
                }
            }
        }
    }
}
