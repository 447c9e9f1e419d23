import QtQuick
import QtTest
import Waylore.Ui

// A picture of the airplane editor for a person to look at, checked for a drawn dialog:
// under Xvfb it is kept in the build folder's screenshots/.
Item {
    id: window

    width: 1280
    height: 800

    Component {
        id: dialogComponent

        AirplaneDialog {
            anchors.centerIn: parent
        }
    }

    StrictTestCase {
        function initTestCase() {
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
        }

        function test_screenshot() {
            airplanes.reset();
            airplanes.currentIndex = 2;
            const dialog = createTemporaryObject(dialogComponent, window);
            dialog.open();
            tryVerify(() => dialog.opened);
            waitForRendering(window);
            wait(200);
            const image = grabImage(window);
            image.save(testSupport.screenshotPath("airplane-dialog.png"));

            // The dialog's area holds text, fields and icons in many shades, not one fill.
            const colours = {};
            let count = 0;
            for (let x = Math.max(0, dialog.x); x < Math.min(image.width, dialog.x + dialog.width); x += 3) {
                for (let y = Math.max(0, dialog.y); y < Math.min(image.height, dialog.y + dialog.height); y += 3) {
                    const key = String(image.pixel(x, y));
                    if (!colours[key]) {
                        colours[key] = true;
                        count += 1;
                    }
                }
            }
            verify(dialog.width > 600 && dialog.height > 300, dialog.width + "x" + dialog.height);
            verify(count > 30, "only " + count + " colours");
        }
    }
}
