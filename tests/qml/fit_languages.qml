import QtQuick
import QtQuick.Controls
import QtTest
import Waylore.Ui

// The smallest window (1020x730, and 1020x710 under a window manager's title bar) in every shipped
// language, in the program's dense controls: the route generator, the preferences and the database
// fit it with every choice whole, in its box and its list, every hint whole in its field and every
// line clear of the scroll bar, the database's buttons on it, and the flight-plan footer shows its
// totals beside the tabs at the table's width there (the window less the side column and the
// handle), and its fuel page each label apart from its value. The airplane dialog names the fuel
// unit types in the language. The pictures stay in screenshots/.
StubWindow {
    id: window

    width: 1020
    height: 730

    Component {
        id: generatorComponent

        GeneratorDialog {
            navigationMap: window.stubs.map
        }
    }
    TextMetrics {
        id: metrics
    }

    StrictTestCase {
        // Every entry of the box is whole in the box and in its open list.
        function verifyChoicesWhole(box, what) {
            box.popup.open();
            tryVerify(() => box.popup.opened);
            for (let i = 0; i < box.count; ++i) {
                for (const [item, where] of [[box, ""], [box.popup.contentItem.itemAtIndex(i), " list"]]) {
                    metrics.font = item.font;
                    metrics.text = box.textAt(i);
                    verify(metrics.advanceWidth <= item.availableWidth, what + where + " " + metrics.text + " in " + item.availableWidth);
                }
            }
        }

        // The visible items under `item` that `test` picks.
        function shown(item, test) {
            const found = [];
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i];
                if (!child.visible)
                    continue;
                if (test(child))
                    found.push(child);
                found.push(...shown(child, test));
            }
            return found;
        }

        // Every hint of an empty field is whole in its field.
        function verifyHintsWhole(page, what) {
            for (const field of shown(page, item => item.placeholderText !== undefined && item.text === "")) {
                metrics.font = field.font;
                metrics.text = field.placeholderText;
                const room = field.width - field.leftPadding - field.rightPadding;
                verify(metrics.advanceWidth <= room, what + " " + metrics.text + " in " + room);
            }
        }

        function verifyFits(dialog, what) {
            verify(dialog.implicitWidth <= window.width && dialog.implicitHeight <= window.height,
                   what + " " + dialog.implicitWidth + "x" + dialog.implicitHeight);
        }

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.useNative("generator"));
            verify(testSupport.importTestSimulator());
        }

        function cleanupTestCase() {
            testSupport.useLanguage("en");
        }

        name: "FitLanguages"

        // The program's window on a screen of its smallest size, at its first start or stored
        // larger: it takes the screen, and the database dialog the start opens its buttons on it.
        function test_firstWindow_data() {
            return [{ tag: "first start" }, { tag: "stored larger", width: 1300 }];
        }

        function test_firstWindow(data) {
            testSupport.clearStore();
            if (data.width)
                testSupport.storeValue("window/width", data.width);
            const main = createTemporaryObject(Qt.createComponent("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml"), null);
            database.finished();
            const dialog = findChild(main.contentItem, "databaseDialog");
            tryVerify(() => dialog.opened && [main.x, main.y, main.width, main.height].join() === "0,0,1020,730", 10000);
            const corner = dialog.footer.mapToGlobal(dialog.footer.width, dialog.footer.height);
            verify(corner.x <= 1020 && corner.y <= 730, corner);
            grabImage(main.contentItem.parent).save(testSupport.screenshotPath("first-window-" + data.tag + ".png"));
        }

        function test_smallestWindow_data() {
            const rows = [{ tag: "en", mass: "Mass" }, { tag: "fr", mass: "Masse" }, { tag: "de", mass: "Masse" }, { tag: "es", mass: "Masa" }];
            // What a window manager's 20 px title bar leaves of the smallest screen.
            return rows.concat(rows.map(row => Object.assign({}, row, { tag: row.tag + "-710", language: row.tag, height: 710 })));
        }

        function test_smallestWindow(data) {
            window.height = data.height || 730;
            verify(testSupport.useLanguage(data.language || data.tag));
            const dialog = createTemporaryObject(generatorComponent, window);
            dialog.open();
            tryVerify(() => dialog.opened);
            verifyFits(dialog, "generator");
            const routing = findChild(dialog.contentItem, "routingBox");
            verifyChoicesWhole(routing, "routing option");
            waitForRendering(window);
            grabImage(window).save(testSupport.screenshotPath("generator-options-" + data.tag + ".png"));
            routing.popup.close();
            dialog.close();
            tryVerify(() => !dialog.visible);

            const preferences = window.create("dialog/PreferencesDialog.qml");
            preferences.open();
            tryVerify(() => preferences.opened);
            const tabs = findChild(preferences.contentItem, "tabBar");
            for (let page = 0; page < tabs.count; ++page) {
                tabs.currentIndex = page;
                verifyFits(preferences, "preferences page " + page);
                waitForRendering(window);
                verifyHintsWhole(preferences.contentItem, "preferences page " + page);
            }
            tabs.currentIndex = 1;
            const detail = findChild(preferences.contentItem, "airportDetailBox");
            // The page laid out as it shows.
            tryVerify(() => detail.width >= detail.implicitWidth);
            verifyChoicesWhole(detail, "airport detail");
            detail.popup.close();
            tryVerify(() => !detail.popup.visible);
            waitForRendering(window);
            grabImage(window).save(testSupport.screenshotPath("preferences-map-" + data.tag + ".png"));
            preferences.close();
            preferences.destroy();

            // The database dialog scrolls at this height: its lines end before its scroll bar.
            database.cycle = "2401";
            const databaseDialog = window.create("dialog/DatabaseDialog.qml");
            try {
                databaseDialog.open();
                tryVerify(() => databaseDialog.opened);
                const area = findChild(databaseDialog.contentItem, "contentArea");
                const bar = area.ScrollBar.vertical;
                verify(bar.visible);
                waitForRendering(window);
                verify(findChild(area, "newerCycle").visible);
                const bottom = databaseDialog.footer.mapToItem(null, 0, databaseDialog.footer.height).y;
                verify(bottom <= window.height, "the buttons end at " + bottom);
                for (const text of shown(area.contentItem, item => item.truncated !== undefined)) {
                    const end = text.mapToItem(area, Math.min(text.width, text.implicitWidth), 0).x;
                    verify(end <= bar.x, text.text + " ends at " + end + ", the bar begins at " + bar.x);
                }
                grabImage(window).save(testSupport.screenshotPath("database-" + data.tag + ".png"));
            } finally {
                databaseDialog.destroy();
                database.cycle = "";
            }

            flightplan.clear(false);
            for (const uid of ["XRTA", "XR/ENRT/XRA", "XRTB"])
                verify(flightplan.append(uid, false), uid);
            flightplan.computeProfile();
            const panel = window.create("panel/FlightplanPanel.qml", { "width": 1020 - 320 - 4, "height": 300 });
            try {
                for (const total of ["countLabel", "distanceLabel", "durationLabel"])
                    verify(findChild(panel, total).visible, total);
                // The fuel page: each label whole and clear of its value, each value inside the page.
                panel.tabBar.currentIndex = 2;
                const page = findChild(panel, "fuelPage");
                tryVerify(() => page.visible);
                waitForRendering(window);
                for (const grid of [findChild(page, "fuelGrid"), findChild(page, "weightGrid")]) {
                    for (let i = 0; i + 1 < grid.children.length; i += 2) {
                        const [label, value] = [grid.children[i], grid.children[i + 1]];
                        const gap = value.x - label.x - label.implicitWidth;
                        verify(label.width >= label.implicitWidth && gap >= 8, label.text + " is " + gap + " px from its value");
                        verify(value.mapToItem(page, value.implicitWidth, 0).x <= page.width, label.text);
                    }
                }
                grabImage(window).save(testSupport.screenshotPath("fuel-" + data.tag + ".png"));
            } finally {
                panel.destroy();
            }

            const airplaneDialog = window.create("dialog/AirplaneDialog.qml");
            const massName = findChild(airplaneDialog.contentItem, "fuelUnitBox").textAt(0);
            airplaneDialog.destroy();
            compare(massName, data.mass);
        }
    }
}
