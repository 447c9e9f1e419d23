import QtQuick
import Corvel.Map
import Waylore.Ui

// The legs of the flight plan along great circles: an outline below, the line above; the line
// lights up under the mouse and opens the route menu on a right click.
MapItemView {
    id: routeLayer

    model: flightplan

    MapItemView {
        objectName: "border"
        model: routeLayer.model
        add: fadeIn
        remove: fadeOut
        delegate: MapPolyline {
            property var role_path

            referenceSurface: ReferenceSurface.Globe
            path: role_path || []
            line.color: theme.color("flightplan.border")
            line.width: theme.width("flightplan") + 2 * theme.width("flightplan.border")
            line.capStyle: Qt.RoundCap
        }
    }
    MapItemView {
        objectName: "line"
        model: routeLayer.model
        add: fadeIn
        remove: fadeOut
        delegate: MapPolyline {
            id: leg

            property var role_path
            property string role_tooltip
            // Not under a question, a dialog or a menu.
            readonly property bool hovered: gate.open

            referenceSurface: ReferenceSurface.Globe
            path: role_path || []
            line.color: hovered ? theme.color("flightplan.hover") : theme.color("flightplan")
            line.width: theme.width("flightplan")
            line.capStyle: Qt.RoundCap

            HoverHandler {
                id: hover

                enabled: !menu.visible
            }
            HoverGate {
                id: gate

                item: leg
                hovered: hover.hovered
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                gesturePolicy: TapHandler.ReleaseWithinBounds
                onSingleTapped: menu.popup()
            }
            CustomToolTip {
                x: hover.point.position.x + 10
                y: hover.point.position.y + 10
                z: -1
                visible: leg.hovered
                text: leg.role_tooltip
            }
            RouteContextMenu {
                id: menu

                objectName: "routeMenu"
            }
        }
    }

    // Shared by both views: each delegate gets an animation of its own.
    Transition {
        id: fadeIn

        NumberAnimation {
            property: "opacity"
            from: 0
            to: 1
        }
    }
    Transition {
        id: fadeOut

        NumberAnimation {
            property: "opacity"
            from: 1
            to: 0
        }
    }
}
