import QtQuick

// The navigation map with a status line that records its messages. Weather layers are made
// here as the main window makes them, so that they reach `status` by id.
NavigationHost {
    id: host

    property var messages: []

    function addWeather(layerType, opacity) {
        const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/map/Weather.qml");
        if (component.status !== Component.Ready)
            console.warn(component.errorString());
        return component.createObject(map, {
            "layerType": layerType,
            "opacity": opacity === undefined ? 1 : opacity
        });
    }

    Item {
        id: status

        function message(text, error) {
            host.messages.push({
                "text": text,
                "error": error
            });
        }
    }
}
