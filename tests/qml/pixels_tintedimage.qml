import QtQuick
import QtTest
import Waylore.Ui

// Runs under a real X server (xvfb): the colour overlay needs the OpenGL scene graph.
Item {
    id: root

    width: 100
    height: 40

    Row {
        TintedImage {
            id: tinted

            source: "qrc:/icon/airp.svg"
            color: "#3f51b5"
        }
        TintedImage {
            id: plain

            source: "qrc:/icon/airp.svg"
        }
        TintedImage {
            id: seeThrough

            source: "qrc:/icon/airp.svg"
            color: "#003f51b5"
        }
    }

    StrictTestCase {
        name: "TintedImagePixels"

        // (9, 2) lies in the north tick of the airport symbol, (1, 1) outside it.
        function test_tint_data() {
            return [
                { tag: "tinted", item: tinted, inside: "#3f51b5" },
                { tag: "own colours", item: plain, inside: "#000000" },
                { tag: "transparent tint keeps own colours", item: seeThrough, inside: "#000000" }
            ];
        }

        function test_tint(data) {
            compare(data.item.width, 19);
            const image = grabImage(data.item);
            verify(Qt.colorEqual(image.pixel(9, 2), data.inside), String(image.pixel(9, 2)));
            verify(Qt.colorEqual(image.pixel(1, 1), "white"), "the window shows through: " + image.pixel(1, 1));
        }
    }
}
