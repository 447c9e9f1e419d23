import QtQuick
import QtPositioning
import QtTest
import Waylore.Test

Item {
    id: root

    width: 1000
    height: 700

    Component {
        id: hostComponent

        WeatherHost {
        }
    }
    Component {
        id: serverComponent

        TileTestServer {
        }
    }

    StrictTestCase {
        id: testCase

        readonly property string key: "0123456789abcdef0123456789abcdef"
        readonly property string noAddress: "Weather maps need the address of a weather tile service (setting \"weather/tileHost\")."
        readonly property string noKey: "Weather maps need the API key of the weather tile service, 32 lower-case hexadecimal characters (setting \"weather/apiKey\")."
        // The fetch test's own layer names, one per row: test runs that overlap on this machine
        // share the cache location, and none may find the tiles of another.
        readonly property string run: "clouds_test" + Date.now() + Math.floor(Math.random() * 1e6)
        property var host: null
        property var server: null

        function cleanupTestCase() {
            const cleaner = createTemporaryObject(serverComponent, testCase);
            for (const row of test_tilesFromSettings_data())
                tryVerify(() => cleaner.clearCache("map/" + run + row.layer), 2000);
        }

        function prepare() {
            server = createTemporaryObject(serverComponent, testCase);
            verify(server.listen());
            configure(server.url(""), key);
            host = createTemporaryObject(hostComponent, root);
            // Tile 4/3 of level 3 lies under the centre.
            host.map.center = QtPositioning.coordinate(10, 10);
            host.map.zoomLevel = 3;
        }

        function configure(address, apiKey) {
            testSupport.storeValue("weather/tileHost", address);
            testSupport.storeValue("weather/apiKey", apiKey);
        }

        // The colour at the centre of the navigation map.
        function centreColour() {
            const image = grabImage(host.map);
            const x = host.map.width / 2, y = host.map.height / 2;
            return [image.red(x, y), image.green(x, y), image.blue(x, y)].join(",");
        }

        function test_unusableService_data() {
            return [
                { tag: "no address", address: "", apiKey: key, message: noAddress },
                { tag: "not a web address", address: "ftp://127.0.0.1:9", apiKey: key, message: noAddress },
                { tag: "address with a query", address: "http://127.0.0.1:9/tiles?layer=a", apiKey: key, message: noAddress },
                { tag: "address with a tile placeholder", address: "http://127.0.0.1:9/%z", apiKey: key, message: noAddress },
                { tag: "no key", apiKey: "", message: noKey },
                { tag: "key in capitals", apiKey: key.toUpperCase(), message: noKey },
                { tag: "key one short", apiKey: key.substring(1), message: noKey },
                { tag: "key with a query", apiKey: key + "&x=1", message: noKey }
            ];
        }

        function test_unusableService(data) {
            configure(data.address === undefined ? server.url("") : data.address, data.apiKey);
            const weather = host.addWeather("clouds_new");
            verify(weather);
            compare(weather.map, null);
            compare(findChild(host.map, "weatherMap"), null);
            compare(host.messages.length, 1);
            compare(host.messages[0].text, data.message);
            compare(host.messages[0].error, true);
            wait(300);
            compare(server.requests().length, 0);
            weather.destroy();
        }

        function test_tilesFromSettings_data() {
            return [
                { tag: "bare address", suffix: "", layer: "a" },
                { tag: "address ending in a slash", suffix: "/", layer: "b" }
            ];
        }

        function test_tilesFromSettings(data) {
            const layer = run + data.layer;
            configure(server.url(data.suffix), key);
            server.serveTiles("/map/" + layer + "/%z/%x/%y?appid=" + key, 3, "#ff0000");
            let weather = host.addWeather(layer);
            compare(weather.tileAddress, server.url("/map/" + layer + "/%z/%x/%y?appid=") + key);
            tryVerify(() => server.requests().includes("/map/" + layer + "/3/4/3?appid=" + key), 10000);
            const tile = new RegExp("^/map/" + layer + "/\\d+/\\d+/\\d+\\?appid=0123456789abcdef0123456789abcdef$");
            for (const path of server.requests())
                verify(tile.test(path), path);
            tryVerify(() => centreColour() === "255,0,0", 10000, "the weather tile shows over the background");
            tryVerify(() => server.cachedFiles("map/" + layer) > 0, 10000, "tiles are kept in the layer's folder");
            compare(host.messages.length, 0);
            // Off and on again: a new map, whose tiles come from the disk this time.
            weather.destroy();
            wait(0);
            verify(centreColour() !== "255,0,0", "switching off removes the tiles");
            weather = host.addWeather(layer);
            tryVerify(() => centreColour() === "255,0,0", 10000);
            compare(server.requests().filter(path => path === "/map/" + layer + "/3/4/3?appid=" + key).length, 1);
            weather.destroy();
        }

        function test_followsNavigationMap() {
            const clouds = host.addWeather("clouds_new", 0.7);
            const precipitation = host.addWeather("precipitation_new", 0.85);
            const children = Array.from(host.map.children);
            const overlay = findChild(host.map, "overlayMap");
            verify(children.indexOf(precipitation) > children.indexOf(clouds), "switched on later, drawn above");
            verify(overlay.z > clouds.z && overlay.z > precipitation.z, "the data layers stay above the weather");
            host.map.center = QtPositioning.coordinate(48.9, 2.3);
            host.map.zoomLevel = 7.5;
            host.map.bearing = 30;
            for (const weather of [clouds, precipitation]) {
                const map = weather.map;
                compare(map.center.latitude, 48.9);
                compare(map.center.longitude, 2.3);
                compare(map.zoomLevel, 7.5);
                compare(map.bearing, 30);
                // The whole world once across the host's 1000 px.
                compare(map.minimumZoomLevel, Math.log2(1000 / 256));
                compare(map.maximumZoomLevel, 18);
                compare(map.width, host.map.width);
                compare(map.height, host.map.height);
            }
            compare(clouds.opacity, 0.7);
            clouds.enabled = false;
            verify(!clouds.visible);
            clouds.destroy();
            precipitation.destroy();
        }
    }
}
