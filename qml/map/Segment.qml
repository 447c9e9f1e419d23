import QtQuick
import Corvel.Map
import Waylore.MapLayers
import Corvel.Segment as CorvelSegment
import Waylore.Ui

// The airway and track segments of the visible area: a line along the great circle each, thin
// while zoomed out, and from the detail zoom a label with the airway name and its levels, pointed
// at the end the segment runs to.
//
// The layer draws its segments itself, in one batch, and finds the one under the pointer; only
// the hovered segment and one whose menu is open are made of items (the delegates below), which
// carry the hover highlight, the tooltip and the menu. A delegate declares the roles it reads,
// and `index` (its row of the map model); the menu reads them from the delegate by name.
MapSegmentLayer {
    id: segmentLayer

    readonly property MapStillness stillness: MapStillness {
    }
    readonly property HoverGate gate: HoverGate {
        item: segmentLayer
    }

    function isInFlightplan(uid) {
        return flightplan.general.segmentuids.indexOf(uid) >= 0;
    }

    // The line and label items of a map row, while the row has them; else nulls.
    function itemsAt(row) {
        const found = [null, null];
        [lines, labels].forEach((view, i) => {
            for (let j = 0; j < view.count; ++j) {
                const item = view.itemAt(j);
                if (item && item.index === row)
                    found[i] = item;
            }
        });
        return found;
    }

    model: segmentMapModel
    style: theme
    trackType: CorvelSegment.Segment.TRACK
    planUids: flightplan.general.segmentuids
    pixelPerNm: map.pixelPerNm
    // Off while the map moves (see MapStillness), and under a question or dialog.
    hoverable: stillness.still && !gate.modal

    MapItemView {
        id: lines

        objectName: "lines"
        model: segmentLayer.activeRows
        delegate: MapPolyline {
            id: segment

            property int index: -1
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
            // The layer tracks the pointer; the line of a segment in the plan takes none.
            readonly property bool hovered: index >= 0 && segmentLayer.hoveredRow === index && !segmentLayer.labelHovered
                && !inFlightplan
            readonly property real hoveredWidthFactor: hovered ? 2 : 1
            // Airways thin out fast below the scale zoom, tracks (long and few) slower.
            readonly property real zoomFactor: map.zoomLevel >= minZoomScale || inFlightplan ? 1
                : Math.pow(map.zoomLevel / minZoomScale, role_type === CorvelSegment.Segment.TRACK ? 1.5 : 3)

            visible: minZoom || inFlightplan
            referenceSurface: ReferenceSurface.Globe
            path: role_line || []
            line.color: theme.color("segment", role_type)
            line.strokeStyle: theme.dashed("segment", role_type)
            line.width: theme.width("segment", role_type) * zoomFactor * hoveredWidthFactor

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
                // The item stays while its menu is open, wherever the pointer goes.
                onOpenedChanged: segmentLayer.hold(segment.index, opened)
            }
        }
    }
    MapItemView {
        id: labels

        objectName: "labels"
        model: segmentLayer.activeRows
        delegate: MapQuickItem {
            id: label

            property int index: -1
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
            readonly property bool hovered: index >= 0 && segmentLayer.hoveredRow === index && segmentLayer.labelHovered
            readonly property real hoveredWidthFactor: hovered ? 1.5 : 1

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
                    sourceComponent: Component {
                        SegmentLabel {
                            holder: label
                        }
                    }
                }
                MenuLoader {
                    id: labelMenuLoader

                    objectName: "menu"
                    sourceComponent: Component {
                        SegmentContextMenu {
                        }
                    }
                    onOpenedChanged: segmentLayer.hold(label.index, opened)
                }
                ToolTipLoader {
                    objectName: "tooltip"
                    x: labelLoader.x
                    y: labelLoader.y
                    // Not behind the label's own menu.
                    shown: label.hovered && !labelMenuLoader.opened
                    text: label.role_tooltip
                }
            }
        }
    }
}
