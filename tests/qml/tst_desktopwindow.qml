import QtQuick
import QtQuick.Controls
import QtPositioning
import QtTest

Item {
    id: root

    StrictTestCase {
        id: testCase

        property var window: null

        function createWindow() {
            const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml");
            if (component.status !== Component.Ready)
                console.warn(component.errorString());
            window = component.createObject(null);
            waitForRendering(window.contentItem);
            return window;
        }

        function initTestCase() {
            for (const name of ["flightplan", "airplanes", "unit", "generator"])
                verify(testSupport.useNative(name));
            verify(testSupport.importTestSimulator());
        }

        function prepare() {
            ga.stubReset();
            database.stubReset();
        }

        function cleanup() {
            if (window)
                window.destroy();
            window = null;
            wait(0);
        }

        function test_loads() {
            createWindow();
            verify(window.visible);
        }
    }
}
