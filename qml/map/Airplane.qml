import QtQuick
import Corvel.Map
import Waylore.Ui

// The airplane tracked over the simulator link, turned to its heading. While the moving map is
// on, every position report recentres the map on it.
MapQuickItem {
    id: airplane

    function startTracking() {
        mapMenu.movingMap = true;
    }

    function updateMapPosition() {
        if (mapMenu.movingMap)
            map.centerOnCoordinate(xpconnect.position);
    }

    coordinate: xpconnect.position
    sourceItem: Item {
        Item {
            rotation: xpconnect.heading

            TintedImage {
                id: symbol

                objectName: "airplaneSymbol"
                x: -width / 2
                y: -height / 2
                source: "qrc:/icon/airplane.svg"
                color: theme.color("airplane")

                HoverHandler {
                    id: hover

                    enabled: !menu.opened
                }
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    gesturePolicy: TapHandler.ReleaseWithinBounds
                    onTapped: eventPoint => {
                        const position = symbol.mapToItem(menu.parent, eventPoint.pressPosition);
                        menu.popup(position.x, position.y);
                    }
                }
            }
        }
        CustomToolTip {
            // Not beside a question or dialog.
            readonly property HoverGate gate: HoverGate {
                item: airplane
            }

            z: -1
            text: xpconnect.tooltip
            visible: hover.hovered && !gate.modal
        }
        MenuLoader {
            id: menu

            sourceComponent: AirplaneContextMenu {
            }
        }
    }

    // Through Connections: a map that goes leaves no handler behind on the link.
    Connections {
        target: xpconnect

        function onStated() {
            airplane.startTracking();
        }

        function onUpdated() {
            airplane.updateMapPosition();
        }
    }
}
