import QtQuick
import QtPositioning
import QtTest

StubWindow {
    id: window

    StrictTestCase {
        id: testCase

        property var item: null
        // The outer ring's radius in pixels: 0.99 of the compass's half width (372 / 2).
        readonly property real ringRadius: 0.99 * 186

        function initTestCase() {
            verify(testSupport.useNative("unit"));
        }

        function prepare() {
            const map = window.stubs.map;
            map.zoomLevel = 8;
            map.stubInvalid = false;
            map.stubCentred = [];
            window.stubs.mapMenu.movingMap = false;
            window.stubs.preferencesDialog.fontSizePercent = 100;
            xpconnect.stubReset();
        }

        function cleanup() {
            if (item)
                item.destroy();
            item = null;
            translationManager.stubReset();
        }

        // Metres per pixel at the view's top edge that make the outer ring `nm` long at height y.
        function scaleFor(nm, y) {
            return nm * 1852 / ringRadius / (1 + y / 100);
        }

        function labels() {
            return ["distanceLarge", "distanceMedium", "distanceSmall"].map(name => findChild(item, name).text);
        }

        function test_scaleBar_data() {
            return [
                { tag: "300 px/NM", pixelPerNm: 300, text: "0.5nm", width: 150 },
                { tag: "300 px/NM in German", pixelPerNm: 300, text: "0,5nm", width: 150, language: "de" },
                { tag: "99 px/NM", pixelPerNm: 99, text: "2nm", width: 198 },
                { tag: "exactly 100 px/NM", pixelPerNm: 100, text: "2nm", width: 200 },
                { tag: "2000 px/NM", pixelPerNm: 2000, text: "0.1nm", width: 200 },
                { tag: "0.05 px/NM", pixelPerNm: 0.05, text: "5,000nm", width: 250 },
                { tag: "0.014 px/NM, the last step", pixelPerNm: 0.014, text: "7,500nm", width: 105 }
            ];
        }

        function test_scaleBar(data) {
            if (data.language)
                translationManager.activeLanguage = data.language;
            item = window.create("map/ScaleBar.qml", { pixelPerNm: 0 });
            compare(item.segmentWidth, -1, "no length before the first scale");
            compare(item.text, "");
            item.pixelPerNm = data.pixelPerNm;
            compare(item.text, data.text);
            compare(item.segmentWidth, data.width);
            // Too small a scale for any step keeps the bar as it was.
            item.pixelPerNm = 0.01;
            compare(item.text, data.text);
            compare(item.segmentWidth, data.width);
        }

        function test_scaleBarFont_data() {
            return [
                { tag: "default size", percent: 100, size: 10 },
                { tag: "150 %", percent: 150, size: 15 }
            ];
        }

        function test_scaleBarFont(data) {
            window.stubs.preferencesDialog.fontSizePercent = data.percent;
            item = window.create("map/ScaleBar.qml", { pixelPerNm: 150 });
            compare(item.size, data.size);
            compare(findChild(item, "scaleLabel").font.pointSize, data.size);
        }

        function test_ringLabels_data() {
            return [
                { tag: "just under 10 rounds up", nm: 9.96, texts: ["10.0nm", "6.6nm", "3.3nm"] },
                { tag: "exactly 10", nm: 10, texts: ["10nm", "6.7nm", "3.3nm"] },
                { tag: "9.94", nm: 9.94, texts: ["9.9nm", "6.6nm", "3.3nm"] },
                { tag: "123.4", nm: 123.4, texts: ["123nm", "82nm", "41nm"] },
                // Close in, one decimal would read 0.2nm, 0.1nm, 0.1nm.
                { tag: "0.18, two decimals", nm: 0.18, texts: ["0.18nm", "0.12nm", "0.06nm"] },
                { tag: "0.06, two decimals", nm: 0.06, texts: ["0.06nm", "0.04nm", "0.02nm"] },
                { tag: "0.012, three decimals", nm: 0.012, texts: ["0.012nm", "0.008nm", "0.004nm"] }
            ];
        }

        function test_ringLabels(data) {
            window.stubs.map.stubMetresPerPixel = scaleFor(data.nm, 300);
            item = window.create("map/Selection.qml", { x: 500, y: 300 });
            compare(labels(), data.texts);
        }

        // Measured at the marker, after zoom changes only; a measure that cannot be taken keeps
        // the labels.
        function test_ringLabelsFollowTheZoom() {
            const map = window.stubs.map;
            map.stubMetresPerPixel = scaleFor(12, 200);
            item = window.create("map/Selection.qml", { x: 400, y: 200 });
            compare(labels(), ["12nm", "8.0nm", "4.0nm"]);
            map.stubMetresPerPixel = scaleFor(33, 200);
            compare(labels(), ["12nm", "8.0nm", "4.0nm"], "a pan changes nothing");
            map.zoomLevel = 7;
            compare(labels(), ["33nm", "22nm", "11nm"]);
            map.stubInvalid = true;
            map.zoomLevel = 6;
            compare(labels(), ["33nm", "22nm", "11nm"], "an invalid measure keeps the labels");
        }

        function test_airplaneTracking() {
            const map = window.stubs.map;
            const menu = window.stubs.mapMenu;
            item = window.create("map/Airplane.qml");
            const here = QtPositioning.coordinate(47.5, 8.5);
            xpconnect.stubReport(here, 90);
            compare(map.stubCentred.length, 0, "moving map off: the map stays");
            compare(item.coordinate, here);
            // A change of the link's state turns the moving map on again.
            xpconnect.connect();
            verify(menu.movingMap);
            xpconnect.stubReport(QtPositioning.coordinate(47.6, 8.6), 95);
            compare(map.stubCentred, [QtPositioning.coordinate(47.6, 8.6)]);
            menu.movingMap = false;
            xpconnect.disconnect();
            verify(menu.movingMap);
        }
    }
}
