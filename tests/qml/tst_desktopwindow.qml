import QtQuick
import QtQuick.Controls
import QtQuick.Window
import QtTest
import Corvel.Point as NavPoint
import Corvel.Segment as NavSegment
import Waylore.Ui as Ui

Item {
    id: root

    // A map model that records the type filters it is given in the test's filterLog.
    component RecordingModel: ListModel {
        property string name

        function setTypeFilter(visible, type) {
            testCase.filterLog.push(name + " " + visible + (type === undefined ? "" : " " + type));
        }

        function setGeoFilter(area, zoom) {
        }
    }

    StrictTestCase {
        id: testCase

        property var window: null
        property var filterLog: []
        readonly property var mapModels: ["boundaryMapModel", "pointMapModel", "runwayMapModel", "segmentMapModel",
            "taxiwayMapModel", "paintlightMapModel", "taxinameMapModel", "startupMapModel"]

        function createWindow() {
            const component = Qt.createComponent("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml");
            if (component.status !== Component.Ready)
                console.warn(component.errorString());
            window = component.createObject(null);
            waitForRendering(window.contentItem);
            return window;
        }

        function child(name) {
            const found = findChild(window.contentItem.parent, name) || findChild(window.overlay, name)
                || findChild(window, name);
            verify(found, name);
            return found;
        }

        function initTestCase() {
            for (const name of ["flightplan", "airplanes", "unit", "generator"])
                verify(testSupport.useNative(name));
            verify(testSupport.importTestSimulator());
            // The layer filters are read from recording models in place of the database's.
            for (const name of mapModels)
                testSupport.setContextProperty(name, modelComponent.createObject(root, { name: name }));
        }

        function prepare() {
            testSupport.clearStore();
            ga.stubReset();
            database.stubReset();
            xploader.stubReset();
            document.saved = true;
            filterLog.length = 0;
        }

        function cleanup() {
            translationManager.stubReset();
            if (window)
                window.destroy();
            window = null;
            wait(0);
        }

        Component {
            id: modelComponent

            RecordingModel {
            }
        }

        // The splash loads the database behind it; an empty database leads to the database
        // dialog, another cycle than the simulator's to the mismatch dialog.
        function test_startUp_data() {
            return [
                { tag: "empty database", empty: true, cycle: "", xpCycle: "2603", dialog: "database" },
                { tag: "cycle mismatch", empty: false, cycle: "2601", xpCycle: "2603", dialog: "mismatch" },
                { tag: "same cycle", empty: false, cycle: "2603", xpCycle: "2603", dialog: "" },
                { tag: "no simulator", empty: false, cycle: "2601", xpCycle: "", dialog: "" },
                // The welcome does not cover what the map told meanwhile.
                { tag: "tile cache refused during the load", empty: false, cycle: "2603", xpCycle: "2603", dialog: "",
                  status: "The map cannot keep its tiles on disk: No space left on device" }
            ];
        }

        function test_startUp(data) {
            database.stubEmpty = data.empty;
            database.cycle = data.cycle;
            xploader.stubCycle = data.xpCycle;
            createWindow();
            compare(database.stubCalls, ["loadAsync"]);
            verify(window.splash.visible);
            verify(window.dialog);
            if (data.status)
                child("backgroundMap").tileCacheFailed("No space left on device");
            database.finished();
            tryVerify(() => !window.splash.visible);
            compare(child("statusLabel").text, data.status || "Welcome to %1 %2".arg(Qt.application.name).arg(Qt.application.version));
            const databaseDialog = child("databaseDialog");
            const mismatch = child("airacMismatchDialog");
            tryCompare(databaseDialog, "visible", data.dialog === "database");
            tryCompare(mismatch, "visible", data.dialog === "mismatch");
            if (data.dialog === "mismatch") {
                compare(mismatch.databaseCycle, data.cycle);
                compare(mismatch.xpCycle, data.xpCycle);
                mouseClick(findChild(mismatch, "openDatabaseButton"));
                tryCompare(databaseDialog, "visible", true);
            }
            // A later end of the database's thread (a download read) leaves the status line's
            // word on the plan in place.
            flightplan.pointsLost(2);
            database.finished();
            compare(child("statusLabel").text, "2 waypoint(s) not in this navigation database became coordinate points");
        }

        function test_windowPosition_data() {
            return [
                { tag: "first start", stored: false, centred: true },
                { tag: "same screen", stored: true, sameScreen: true, centred: false },
                { tag: "other screen", stored: true, sameScreen: false, centred: true }
            ];
        }

        function test_windowPosition(data) {
            if (data.stored) {
                testSupport.storeValue("window/desktopAvailableWidth", Screen.desktopAvailableWidth + (data.sameScreen ? 0 : 100));
                testSupport.storeValue("window/desktopAvailableHeight", Screen.desktopAvailableHeight);
                testSupport.storeValue("window/x", 40);
                testSupport.storeValue("window/y", 30);
                // No wider than the smallest window: a wider one would shrink to it and be centred.
                testSupport.storeValue("window/width", 1020);
            }
            createWindow();
            // The window is wider than the test screen: centred, it stands at its left edge.
            verify(data.centred ? window.x < 40 : window.x === 40, "x " + window.x);
            verify(data.centred ? window.y < 30 : window.y === 30, "y " + window.y);
            window.destroy();
            window = null;
            wait(0);
            compare(Number(testSupport.storedValue("window/desktopAvailableWidth")), Screen.desktopAvailableWidth);
        }

        function test_layerToggles_data() {
            return [
                { tag: "airports", threshold: 6, toggle: "airportToggle", key: "map/airportVisibility",
                    calls: ["pointMapModel false " + NavPoint.Point.AIRP] },
                { tag: "ground", threshold: 10, toggle: "airportGroundToggle", key: "map/airportGroundVisibility",
                    calls: ["boundaryMapModel false", "runwayMapModel false", "taxiwayMapModel false",
                            "paintlightMapModel false", "taxinameMapModel false", "startupMapModel false"] },
                { tag: "NDB", threshold: 3, toggle: "ndbToggle", key: "map/ndbVisibility", calls: ["pointMapModel false " + NavPoint.Point.NDB] },
                { tag: "VOR and DME", threshold: 5.2, toggle: "vordmeToggle", key: "map/vordmeVisibility",
                    calls: ["pointMapModel false " + NavPoint.Point.VOR, "pointMapModel false " + NavPoint.Point.DME] },
                { tag: "FIX", threshold: 8.5, toggle: "fixToggle", key: "map/fixVisibility", calls: ["pointMapModel false " + NavPoint.Point.FIX] },
                { tag: "high", threshold: 6, toggle: "highSegmentToggle", key: "map/highSegmentVisibility",
                    calls: ["segmentMapModel false " + NavSegment.Segment.HIGH] },
                { tag: "low", threshold: 7.5, toggle: "lowSegmentToggle", key: "map/lowSegmentVisibility",
                    calls: ["segmentMapModel false " + NavSegment.Segment.LOW] },
                { tag: "tracks", threshold: 3, toggle: "trackSegmentToggle", key: "map/trackSegmentVisibility",
                    calls: ["segmentMapModel false " + NavSegment.Segment.TRACK] }
            ];
        }

        function test_layerToggles(data) {
            createWindow();
            const map = child("overlayMap").parent;
            map.zoomLevel = 17;
            const toggle = child(data.toggle);
            verify(toggle.enabled);
            verify(toggle.checked);
            filterLog.length = 0;
            // The tool bar is wider than the test screen: the last toggles lie beyond its edge.
            toggle.toggle();
            toggle.toggled();
            // The Map menu's entry, bound to the same setting, sets the same filters.
            compare(filterLog.slice(-data.calls.length), data.calls);
            verify(filterLog.every(call => data.calls.includes(call)), filterLog);
            tryVerify(() => String(testSupport.storedValue(data.key)) === "false");
            map.zoomLevel = data.threshold;
            verify(toggle.enabled, "enabled at its threshold");
            // Below the threshold the toggle is disabled and keeps its state.
            if (data.threshold > 3) {
                map.zoomLevel = data.threshold - 0.1;
                verify(!toggle.enabled);
            }
            verify(!toggle.checked);
        }

        function test_storedLayerHidden_data() {
            return test_layerToggles_data();
        }

        // A layer hidden at the last run starts hidden, and showing it again is stored.
        function test_storedLayerHidden(data) {
            testSupport.storeValue(data.key, false);
            createWindow();
            const toggle = child(data.toggle);
            verify(!toggle.checked);
            toggle.toggle();
            tryVerify(() => String(testSupport.storedValue(data.key)) === "true");
        }

        // The stored theme is the one the map applies (and reports) at start.
        function test_storedTheme() {
            testSupport.storeValue("map/themeIndex", 3);
            createWindow();
            compare(child("themeComboBox").currentIndex, 3);
            compare(themeManager.index, 3);
            compare(ga.stubEvents.filter(event => event.name === "changemaptheme").map(event => event.parameters.maptheme), ["Paper"]);
            themeManager.index = 0;
        }

        // Unchecking a weather toggle destroys only its own layer; checking again makes a new one.
        function test_weatherToggles() {
            createWindow();
            const clouds = child("cloudsToggle");
            const wind = child("windToggle");
            clouds.toggle();
            wind.toggle();
            verify(window.clouds !== null);
            verify(window.wind !== null);
            compare(window.clouds.layerType, "clouds_new");
            compare(window.clouds.parent, child("overlayMap").parent);
            compare(ga.stubEvents.filter(event => event.name === "weather").map(event => event.parameters.weatherlayer),
                    ["Clouds", "Wind"]);
            const first = window.clouds;
            clouds.toggle();
            compare(window.clouds, null);
            verify(window.wind !== null);
            clouds.toggle();
            verify(window.clouds !== null && window.clouds !== first);
        }

        // The window with its data loaded and the keyboard's focus, as the pilot finds it.
        function createActiveWindow() {
            database.stubEmpty = false;
            database.cycle = "2603";
            xploader.stubCycle = "2603";
            createWindow();
            database.finished();
            tryVerify(() => !window.splash.visible);
            window.requestActivate();
            tryVerify(() => window.active);
        }

        function test_questionKeys_data() {
            return [
                { tag: "Enter saves", key: Qt.Key_Return, saveAs: true },
                { tag: "keypad Enter saves", key: Qt.Key_Enter, saveAs: true },
                { tag: "Escape cancels", key: Qt.Key_Escape },
                { tag: "Enter on Discard", focus: "Discard", key: Qt.Key_Return, emptied: true },
                { tag: "Enter on Cancel", focus: "Cancel", key: Qt.Key_Return },
                // Its yes empties the store: Enter keeps it unless the pilot went to Yes.
                { tag: "reset: Enter keeps", reset: true, key: Qt.Key_Return },
                { tag: "reset: Enter on Yes", reset: true, focus: "Yes", key: Qt.Key_Return, emptied: true },
                { tag: "reset: Enter on No", reset: true, focus: "No", key: Qt.Key_Return },
                { tag: "replace: Enter keeps", replace: true, key: Qt.Key_Return },
                // Shown over another box of the same texts, which asks nothing that loses data.
                { tag: "replace over a twin: Enter keeps", replace: true, twin: true, key: Qt.Key_Return }
            ];
        }

        // A question is answered from the keyboard: Enter takes its default button, Escape its
        // cancel one, Tab reaches the others and Enter clicks the one it reached.
        function test_questionKeys(data) {
            createActiveWindow();
            // An unnamed plan of two airports, not saved.
            document.niew();
            verify(flightplan.append("XRTA", false));
            verify(flightplan.append("XRTB", false));
            testSupport.storeValue("airplanes/profile", "A320");
            const manager = child("fileManager");
            let question = manager.saveBeforeNewDialog;
            if (data.reset) {
                question = child("resetDialog");
                keyClick(Qt.Key_Y, Qt.ControlModifier | Qt.ShiftModifier);
            } else if (data.replace) {
                question = manager.fileSaveAsDialog.replaceQuestion;
                if (data.twin) {
                    const twin = Qt.createQmlObject("import QtQuick.Dialogs; MessageDialog { buttons: MessageDialog.Ok }", window.contentItem);
                    twin.text = Qt.binding(() => question.text);
                    twin.informativeText = Qt.binding(() => question.informativeText);
                    twin.open();
                    tryCompare(twin, "visible", true);
                }
                manager.fileSaveAsDialog.replaceIfAgreed(testSupport.makeFolder("taken.fpxml"), () => flightplan.clear());
            } else {
                manager.newDoc();
            }
            tryCompare(question, "visible", true);
            for (let i = 0; i < 6 && data.focus && window.activeFocusItem.text !== data.focus; ++i)
                keyClick(Qt.Key_Tab);
            if (data.focus)
                compare(window.activeFocusItem.text, data.focus);
            keyClick(data.key);
            tryCompare(question, "visible", false);
            compare(manager.fileSaveAsDialog.visible, !!data.saveAs, "save-as dialog");
            manager.fileSaveAsDialog.close();
            if (data.reset)
                compare(testSupport.storedValue("airplanes/profile") === undefined, !!data.emptied, "store emptied");
            else
                compare(flightplan.count === 0, !!data.emptied, "plan emptied");
        }

        // Tab goes through a dialog's fields as they read, and Enter in a field takes the
        // dialog's default button.
        function test_dialogTabOrder() {
            createActiveWindow();
            const dialog = child("flightInfoDialog");
            dialog.open();
            tryCompare(dialog, "opened", true);
            const order = [];
            for (let i = 0; i < 20 && order[order.length - 1] !== "Close"; ++i) {
                keyClick(Qt.Key_Tab);
                // The text field inside a box counts as the box; a button is named by its text.
                let item = window.activeFocusItem;
                const text = item.text;
                while (item && item.objectName === "")
                    item = item.parent;
                order.push(item ? item.objectName : text);
            }
            compare(order, ["picField", "companyField", "numberField", "sequenceBox", "alternateField", "departureField",
                            "airplaneBox", "moreButton", "loadFactorSlider", "levelBox", "speedBox", "Close"]);
            mouseClick(child("picField"));
            keyClick(Qt.Key_Return);
            tryCompare(dialog, "visible", false);

            // Every dialog and question (one about a waypoint opens on the plan's last one): a Tab
            // round stays in it and goes as it reads, down and from left to right, turning back
            // to the top once.
            verify(flightplan.append("XRTA", false) && flightplan.append("XRTB", false));
            const dialogs = testSupport.dialogs(window);
            verify(dialogs.length >= 20, dialogs.length);
            const outOfOrder = [];
            for (const other of dialogs) {
                if (other.index !== undefined)
                    other.index = 1;
                other.open();
                let popup = null;
                tryVerify(() => (popup = frontPopup()) && popup.opacity === 1, 5000, String(other));
                waitForRendering(popup);
                const round = [];
                for (let i = 0; i < 60; ++i) {
                    keyClick(Qt.Key_Tab);
                    verify(within(window.activeFocusItem, popup), String(other));
                    if (round.includes(window.activeFocusItem))
                        break;
                    round.push(window.activeFocusItem);
                }
                for (const name of other === child("airplaneDialog") ? ["airplaneList", "addButton", "removeButton", "importButton", "exportButton"] : [])
                    verify(round.some(item => within(item, findChild(popup, name))), name);
                if (round.filter((item, i) => !readsAfter(item, round[(i + 1) % round.length])).length > 1)
                    outOfOrder.push(String(other) + ": " + round.map(item => item.objectName || item.text).join(", "));
                other.close();
                tryVerify(() => frontPopup() !== popup, 5000, String(other));
            }
            compare(outOfOrder, []);
        }

        function frontPopup() {
            return Array.from(window.Overlay.overlay.children).reverse().find(item => item.visible && Ui.PopupKinds.isPopupItem(item));
        }

        function within(item, ancestor) {
            while (item && item !== ancestor)
                item = item.parent;
            return !!item;
        }

        // Whether b lies after a as a page reads: further right on the same line, below, or in a
        // column to the right of it.
        function readsAfter(a, b) {
            const at = a.mapToItem(null, 0, 0);
            const bt = b.mapToItem(null, 0, 0);
            const sameLine = bt.y < at.y + a.height && at.y < bt.y + b.height;
            return sameLine ? bt.x > at.x : bt.y > at.y || bt.x >= at.x + a.width;
        }

        // Ctrl+Shift+Y asks first (a "no" keeps everything); after a "yes" the store is empty and
        // stays empty of the window's keys while the window goes on changing and quits.
        function test_resetAsksFirst() {
            testSupport.storeValue("airplanes/profile", "A320");
            createWindow();
            const dialog = child("resetDialog");
            keyClick(Qt.Key_Y, Qt.ControlModifier | Qt.ShiftModifier);
            tryCompare(dialog, "opened", true);
            dialog.reject();
            compare(testSupport.storedValue("airplanes/profile"), "A320");
            compare(ga.stubFlushes, 0, "no closing flow");
            keyClick(Qt.Key_Y, Qt.ControlModifier | Qt.ShiftModifier);
            tryCompare(dialog, "opened", true);
            ga.stubReset();
            dialog.accept();
            compare(testSupport.storedValue("airplanes/profile"), undefined);
            compare(ga.stubFlushes, 1, "the closing flow ran");
            compare(ga.stubEvents.map(event => event.name), ["page_view"]);
            window.x = 123;
            child("overlayMap").parent.zoomLevel = 9;
            wait(700);
            window.destroy();
            window = null;
            wait(0);
            for (const key of ["window/x", "map/zoomLevel", "window/mainSplitView", "window/desktopAvailableWidth"])
                compare(testSupport.storedValue(key), undefined, key);
        }

        // Quitting at once on a first start (before the window's group has written anything)
        // empties nothing.
        function test_quickQuitKeepsTheStore() {
            testSupport.storeValue("path", "/opt/waylore");
            testSupport.storeValue("analytics/clientid", "{client}");
            createWindow();
            window.close();
            compare(testSupport.storedValue("analytics/clientid"), "{client}");
        }

        function test_numbersInTheInterfaceLanguage() {
            translationManager.activeLanguage = "de";
            createActiveWindow();
            const dialog = testSupport.dialogs(window).find(other => String(other).startsWith("AirplaneDialog"));
            dialog.open();
            tryCompare(dialog, "opened", true);
            const box = findChild(dialog.contentItem, "eowBox");
            verify(/^\d{1,3}(\.\d{3})+ kg$/.test(box.displayText), box.displayText);
        }

        // The preferences' reset empties the store and closes the window: nothing is written back.
        function test_resetFromThePreferences() {
            createWindow();
            // The settings write on a timer of their own: on a busy machine later than usual.
            tryVerify(() => testSupport.storedValue("window/height") !== undefined, 5000);
            settings.clear();
            window.close();
            window.x = 77;
            wait(700);
            window.destroy();
            window = null;
            wait(0);
            for (const key of ["window/x", "window/height", "window/mainSplitView", "window/desktopAvailableWidth"])
                compare(testSupport.storedValue(key), undefined, key);
        }
    }
}
