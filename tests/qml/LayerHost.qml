import QtQuick
import QtPositioning
import Corvel.Map

// A map as the navigation map offers it to its layers, under the id `map`, with the scale it
// measures at the view centre; create() makes a layer in this context, so its `map` is this one.
Item {
    id: host

    property alias map: map

    function create(name, properties) {
        const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/map/" + name + ".qml");
        if (component.status !== Component.Ready)
            console.warn(component.errorString());
        return component.createObject(map, properties || {});
    }

    width: 800
    height: 600

    Map {
        id: map

        readonly property real pixelPerMeter: 256 * Math.pow(2, zoomLevel) / (2 * Math.PI * 6378137 * Math.cos(center.latitude * Math.PI / 180))
        readonly property real pixelPerNm: 1852 * pixelPerMeter

        anchors.fill: parent
        plugin: Plugin {
            name: "itemsoverlay"
        }
        color: "white"
        zoomLevel: 10
        center: QtPositioning.coordinate(0, 0)
    }
    // Read by the route menu.
    Item {
        id: settingsFlightplan

        property bool autocompute: true
    }
}
