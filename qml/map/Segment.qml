import QtQuick
import Corvel.Map
import Corvel.Segment as CorvelSegment
import Waylore.Ui

// The airway and track segments of the visible area: a line along the great circle each, thin
// while zoomed out, and from the detail zoom a label with the airway name and its levels, pointed
// at the end the segment runs to.
MapItemView {
    id: segmentLayer

    readonly property MapStillness stillness: MapStillness {
    }

    function isInFlightplan(uid) {
        return flightplan.general.segmentuids.indexOf(uid) >= 0;
    }

    model: segmentMapModel

    MapItemView {
        objectName: "lines"
        model: segmentLayer.model
        delegate: MapPolyline {
            id: segment

            property string role_uid
            property int role_type
            property var role_line
            property real role_minzoom
            // Read by the context menu.
            property string role_code
            property string role_uid_p0
            property string role_uid_p1
            property string role_code_p0
            property string role_code_p1
            property var role_bounding

            readonly property double minZoomScale: 10.5
            readonly property bool minZoom: map.zoomLevel >= role_minzoom
            readonly property bool inFlightplan: segmentLayer.isInFlightplan(role_uid)
            readonly property real hoveredWidthFactor: hover.hovered ? 2 : 1
            // Airways thin out fast below the scale zoom, tracks (long and few) slower.
            readonly property real zoomFactor: map.zoomLevel >= minZoomScale || inFlightplan ? 1
                : Math.pow(map.zoomLevel / minZoomScale, role_type === CorvelSegment.Segment.TRACK ? 1.5 : 3)

            visible: minZoom || inFlightplan
            referenceSurface: ReferenceSurface.Globe
            path: role_line || []
            line.color: theme.color("segment", role_type)
            line.strokeStyle: theme.dashed("segment", role_type)
            line.width: theme.width("segment", role_type) * zoomFactor * hoveredWidthFactor

            HoverHandler {
                id: hover

                enabled: !menuLoader.active && !segment.inFlightplan && segmentLayer.stillness.still
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                gesturePolicy: TapHandler.ReleaseWithinBounds
                onSingleTapped: eventPoint => {
                    if (!segment.inFlightplan)
                        menuLoader.popup(eventPoint.pressPosition.x, eventPoint.pressPosition.y);
                }
            }
            MenuLoader {
                id: menuLoader

                objectName: "menu"
                sourceComponent: Component {
                    SegmentContextMenu {
                    }
                }
            }
        }
    }
    MapItemView {
        objectName: "labels"
        model: segmentLayer.model
        delegate: MapQuickItem {
            id: label

            property string role_uid
            property int role_type
            property int role_direction
            property var role_center
            property string role_code
            property int role_min_level
            property int role_max_level
            property real role_distance
            property int role_arrow_rotation
            property int role_text_rotation
            property real role_minzoom_details
            property string role_tooltip
            // Read by the context menu.
            property string role_uid_p0
            property string role_uid_p1
            property string role_code_p0
            property string role_code_p1
            property var role_bounding

            readonly property double minZoomScale: 9.5
            readonly property bool inFlightplan: segmentLayer.isInFlightplan(role_uid)
            readonly property double itemZoomLevel: map.zoomLevel < minZoomScale && !inFlightplan ? minZoomScale : 0
            readonly property bool minZoomDetails: map.zoomLevel >= role_minzoom_details
            property bool hovered: false
            readonly property real hoveredWidthFactor: hovered ? 1.5 : 1
            readonly property bool hoverable: segmentLayer.stillness.still

            function popupMenu(x, y) {
                labelMenuLoader.popup(x, y);
            }

            coordinate: role_center
            zoomLevel: itemZoomLevel
            sourceItem: Item {
                Loader {
                    id: labelLoader

                    objectName: "label"
                    anchors.centerIn: parent
                    active: label.minZoomDetails || label.inFlightplan
                    // A view brings hundreds of labels at once (the first one after the load,
                    // a zoom in to the detail level): they are made a few at a time between
                    // frames, the lines and the rest of the window being drawn meanwhile.
                    asynchronous: true
                    sourceComponent: Component {
                        SegmentLabel {
                            holder: label
                        }
                    }
                }
                MenuLoader {
                    id: labelMenuLoader

                    sourceComponent: Component {
                        SegmentContextMenu {
                        }
                    }
                }
                ToolTipLoader {
                    objectName: "tooltip"
                    x: labelLoader.x + 10
                    y: labelLoader.y + 10
                    shown: label.hovered
                    text: label.role_tooltip
                }
            }
        }
    }
}
