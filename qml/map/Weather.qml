import QtQuick
import Qt.labs.platform as Platform
import Qt.labs.settings
import Corvel.Map
import Waylore.Ui

// One layer of a weather tile service (clouds, precipitation or wind) laid transparently over
// the navigation map and following its centre, zoom and bearing. The main window makes one,
// as a child of the navigation map, when the pilot switches the layer on and destroys it when
// switched off: a tile map fetches for as long as it exists, even hidden.
//
// The service lies outside the program: its address and API key are settings. Without a usable
// pair no tile map is made at all and the status line says why, rather than empty tiles showing.
Item {
    id: weather

    // The service's layer name ("clouds_new"...): part of every tile address and the name of
    // this layer's cache folder.
    required property string layerType
    readonly property string host: settingsWeather.tileHost.trim().replace(/\/+$/, "")
    // Why no tile map can be made, or "" when the settings are usable.
    readonly property string problem: serviceProblem(host, settingsWeather.apiKey)
    // The tile address template, or "" while the settings are unusable.
    readonly property string tileAddress: problem === "" ? host + "/map/" + layerType + "/%z/%x/%y?appid=" + settingsWeather.apiKey : ""
    // The tile map while one exists.
    readonly property alias map: mapLoader.item
    // The settings are read once the layer is complete; no map is made from the defaults before.
    property bool started: false

    function serviceProblem(address, key) {
        // The address and key end up in request URLs: no credentials, queries, fragments or
        // placeholders of the tile template may slip in through them.
        if (!/^https?:\/\/[^\s\/?#%@]+(\/[^\s?#%@]*)?$/.test(address))
            return qsTr("Weather maps need the address of a weather tile service (setting \"weather/tileHost\").");
        if (!/^[0-9a-f]{32}$/.test(key))
            return qsTr("Weather maps need the API key of the weather tile service, 32 lower-case hexadecimal characters (setting \"weather/apiKey\").");
        return "";
    }

    anchors.fill: parent
    visible: enabled

    // The public service's base address is the default; the key is the pilot's own.
    Settings {
        id: settingsWeather

        property string tileHost: "https://tile.openweathermap.org"
        property string apiKey: ""

        category: "weather"
    }

    Loader {
        id: mapLoader

        anchors.fill: parent
        active: weather.started && weather.tileAddress !== ""
        sourceComponent: Map {
            objectName: "weatherMap"
            plugin: Plugin {
                name: "osm"

                PluginParameter {
                    name: "osm.mapping.custom.host"
                    value: weather.tileAddress
                }
                PluginParameter {
                    name: "osm.useragent"
                    value: "%1 %2".arg(Qt.application.name).arg(Qt.application.version)
                }
                PluginParameter {
                    name: "osm.mapping.cache.directory"
                    value: Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.CacheLocation)) + "/map/" + weather.layerType
                }
                PluginParameter {
                    name: "osm.mapping.cache.disk.cost_strategy"
                    value: "unitary"
                }
                PluginParameter {
                    name: "osm.mapping.cache.disk.size"
                    value: "10000"
                }
                PluginParameter {
                    name: "osm.mapping.cache.memory.cost_strategy"
                    value: "unitary"
                }
                PluginParameter {
                    name: "osm.mapping.cache.memory.size"
                    value: "100"
                }
            }
            // The custom address adds the last of the supported types.
            activeMapType: supportedMapTypes.length > 0 ? supportedMapTypes[supportedMapTypes.length - 1] : null
            center: weather.parent.center
            minimumZoomLevel: weather.parent.minimumZoomLevel
            maximumZoomLevel: weather.parent.maximumZoomLevel
            zoomLevel: weather.parent.zoomLevel
            bearing: weather.parent.bearing
            color: "transparent"
        }
    }

    Component.onCompleted: {
        started = true;
        if (problem !== "" && typeof status !== "undefined" && status && typeof status.message === "function")
            status.message(problem, true);
    }
}
