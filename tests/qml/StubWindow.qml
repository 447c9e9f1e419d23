import QtQuick

// Stands in for the main window: it holds stubs under the ids the pages reach by id, and
// creates the page under test in its own context so that those ids resolve.
Item {
    id: window

    // The stubs, for the tests to read and reset.
    readonly property var stubs: ({
            "map": map,
            "mapMenu": mapMenu,
            "preferencesDialog": preferencesDialog,
            "themeComboBox": themeComboBox,
            "updater": updater,
            "fileManager": fileManager,
            "status": status,
            "databaseDialog": databaseDialog,
            "airplaneDialog": airplaneDialog,
            "waypointEditDialog": waypointEditDialog,
            "generatorDialog": generatorDialog,
            "settingsFlightplan": settingsFlightplan,
            "pointPanel": pointPanel
        })

    function create(path, properties) {
        const text = String(path);
        const url = text.includes(":") ? text : "qrc:/qt/qml/Waylore/Ui/" + text;
        const component = Qt.createComponent(url);
        if (component.status !== Component.Ready)
            console.warn(component.errorString());
        return component.createObject(window, properties || {});
    }

    width: 1200
    height: 800

    Item {
        id: map

        property real zoomLevel: 8
        property var stubFitted: []

        function fitViewport(bounding) {
            stubFitted.push(bounding);
        }
    }
    Item {
        id: mapMenu

        property bool movingMap: false
    }
    Item {
        id: preferencesDialog

        property int stubForcedExports: 0
        property bool dark: false

        function forceDefaultExportToDesktop() {
            stubForcedExports += 1;
        }
    }
    Item {
        id: themeComboBox

        property int currentIndex: 0
    }
    Item {
        id: updater
    }
    Item {
        id: fileManager
    }
    Item {
        id: status

        function message(text, error) {
        }
    }
    Item {
        id: databaseDialog

        property int stubOpened: 0

        function open() {
            stubOpened += 1;
        }
    }
    Item {
        id: airplaneDialog

        property int stubOpened: 0

        function open() {
            stubOpened += 1;
        }
    }
    Item {
        id: waypointEditDialog

        property string code
        property int index
        property int stubOpened: 0

        function open() {
            stubOpened += 1;
        }
    }
    Item {
        id: settingsFlightplan

        property bool autocompute: true
    }
    Item {
        id: pointPanel

        property alias search: searchStub

        Item {
            id: searchStub
        }
    }
    Item {
        id: generatorDialog

        property int stubOpened: 0

        function open() {
            stubOpened += 1;
        }
    }
}
