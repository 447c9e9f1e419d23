import QtQuick
import QtPositioning
import Corvel.Map

// A map as the navigation map offers it to its layers, under the id `map` they reach it by,
// with the scale the navigation map measures at the view centre, beside stand-ins for the main
// window's ids that the layers' menus read. create() makes a layer in this context, so that its
// `map` is this one.
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

        property bool dbloaded: true
        // Pixels per metre on the ground at the centre of a Web Mercator map of 256-pixel tiles.
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
    Item {
        id: settingsFlightplan

        property bool autocompute: true
    }
    Item {
        id: generatorDialog

        function open() {
        }
    }
    Item {
        id: waypointEditDialog

        property string code
        property int index

        function open() {
        }
    }
}
