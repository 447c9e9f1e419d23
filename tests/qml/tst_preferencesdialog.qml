import QtQuick
import QtTest
import Waylore.Ui

// The preferences dialog writes every preference under the key the native code reads.
Item {
    id: window

    property int closed: 0

    function close() {
        closed += 1;
    }

    width: 1280
    height: 800

    Item {
        id: updater

        property int checks: 0

        function check() {
            checks += 1;
        }
    }
    Item {
        id: databaseDialog

        function open() {
        }
    }
    Component {
        id: dialogComponent

        PreferencesDialog {
        }
    }

    StrictTestCase {
        property var dialog

        function field(name) {
            return findChild(dialog.contentItem, name);
        }

        function stored(key) {
            const value = testSupport.storedValue(key);
            return value === undefined ? "<absent>" : String(value);
        }

        function createDialog() {
            dialog = createTemporaryObject(dialogComponent, window);
        }

        function openPage(index) {
            dialog.open();
            tryVerify(() => dialog.opened);
            field("tabBar").currentIndex = index;
        }

        function initTestCase() {
            verify(testSupport.useNative("unit"));
        }

        function prepare() {
            ga.stubReset();
            translationManager.stubReset();
            window.closed = 0;
            testSupport.clearStore();
        }

        // One dialog for the whole table: the store writes its defaults half a second after the
        // dialog is made.
        function test_defaultsWrittenOnFirstRun() {
            const rows = [
                { tag: "ui/darkMode", expected: "0" },
                { tag: "units/transitionAltitude", expected: "4000" },
                { tag: "units/mass", expected: "0" },
                { tag: "units/volume", expected: "0" },
                { tag: "personal/pilotName", expected: "" },
                { tag: "personal/companyName", expected: "" },
                { tag: "exporter/addDirectToExportedRoute", expected: "true" },
                { tag: "exporter/defaultExportFormat", expected: "0" },
                { tag: "exporter/exportToFmsDirectory", expected: "true" },
                { tag: "exporter/exportToCustomDirectory", expected: "false" },
                { tag: "exporter/customExportDirectory", expected: "" },
                { tag: "map/fontSizePercent", expected: "100" },
                { tag: "map/limitAirportDetail", expected: "0" },
                { tag: "tracking/xpHost", expected: "" },
                { tag: "tracking/xpPort", expected: "" },
                { tag: "update/checkForUpdateAutomatically", expected: "false" },
                { tag: "analytics/share", expected: "true" }
            ];
            for (const row of rows)
                compare(stored(row.tag), "<absent>", row.tag);
            createDialog();
            for (const row of rows)
                tryVerify(() => stored(row.tag) === row.expected, 3000, row.tag + " " + stored(row.tag));
        }

        function test_changesLandUnderTheirKeys_data() {
            return [
                { tag: "mass", name: "massBox", property: "currentIndex", value: 1, key: "units/mass" },
                { tag: "volume", name: "volumeBox", property: "currentIndex", value: 1, key: "units/volume" },
                { tag: "transition altitude", name: "transitionBox", property: "value", value: 6000, key: "units/transitionAltitude" },
                { tag: "dark mode", name: "darkModeBox", property: "currentIndex", value: 2, key: "ui/darkMode" },
                { tag: "pilot", name: "pilotField", property: "text", value: "Jane Doe", key: "personal/pilotName" },
                { tag: "company", name: "companyField", property: "text", value: "Waylore Air", key: "personal/companyName" },
                { tag: "direct", name: "directBox", property: "checked", value: false, key: "exporter/addDirectToExportedRoute" },
                { tag: "format", name: "formatBox", property: "currentIndex", value: 2, key: "exporter/defaultExportFormat" },
                { tag: "custom directory", name: "customDirectoryButton", property: "checked", value: true, key: "exporter/exportToCustomDirectory" },
                { tag: "fms directory", name: "customDirectoryButton", property: "checked", value: true, key: "exporter/exportToFmsDirectory", expected: "false" },
                { tag: "directory", name: "directoryField", property: "text", value: "/tmp/plans", key: "exporter/customExportDirectory" },
                { tag: "font size", name: "fontSizeBox", property: "value", value: 120, key: "map/fontSizePercent" },
                { tag: "airport detail", name: "airportDetailBox", property: "currentIndex", value: 1, key: "map/limitAirportDetail" },
                { tag: "host", name: "hostField", property: "text", value: "192.168.1.20", key: "tracking/xpHost" },
                { tag: "port", name: "portField", property: "text", value: "49000", key: "tracking/xpPort" },
                { tag: "update", name: "updateBox", property: "checked", value: true, key: "update/checkForUpdateAutomatically" },
                { tag: "share", name: "shareBox", property: "checked", value: false, key: "analytics/share" }
            ];
        }

        function test_changesLandUnderTheirKeys(data) {
            createDialog();
            field(data.name)[data.property] = data.value;
            const expected = data.expected === undefined ? String(data.value) : data.expected;
            tryVerify(() => stored(data.key) === expected, 3000, stored(data.key));
        }

        // The native unit formatter reads the key the dialog writes.
        function test_nativeUnitsFollowTheDialog() {
            createDialog();
            field("massBox").currentIndex = 1;
            tryVerify(() => unit.massUnitToString() === "lbs", 3000);
            field("volumeBox").currentIndex = 1;
            tryVerify(() => unit.fuelUnitToString(1) === "gal", 3000);
        }

        // A switch-off still sends its own event; a stored switch-off counts as one at creation.
        function test_shareSwitchOff() {
            createDialog();
            compare(ga.stubEvents.length, 0);
            field("shareBox").checked = false;
            compare(ga.stubEvents.map(e => e.name + " " + e.parameters.share), ["analysis false"]);
            compare(ga.stubEnabled, [false]);
            tryVerify(() => stored("analytics/share") === "false", 3000);
            ga.stubReset();
            createDialog();
            verify(!field("shareBox").checked);
            compare(ga.stubEvents.length, 1);
            compare(ga.stubEnabled, [false]);
        }

        function test_darkFollowsThemeInAutomaticMode() {
            createDialog();
            verify(!dialog.dark);
            testSupport.setContextProperty("theme", { "night": true });
            verify(dialog.dark);
            field("darkModeBox").currentIndex = 1;
            verify(!dialog.dark);
            testSupport.setContextProperty("theme", { "night": false });
            field("darkModeBox").currentIndex = 2;
            verify(dialog.dark);
            field("darkModeBox").currentIndex = 0;
            verify(!dialog.dark);
        }

        function test_languageBox() {
            createDialog();
            const box = field("languageBox");
            compare(box.currentIndex, 0);
            translationManager.language = "de";
            compare(box.currentIndex, 3);
            translationManager.language = "pt";
            compare(box.currentIndex, -1);
            box.activated(2);
            compare(translationManager.language, "fr");
        }

        function test_exportDestination() {
            createDialog();
            field("directoryField").text = "/tmp/plans";
            verify(!field("directoryRow").enabled);
            compare(dialog.customExportDirectory, "/tmp/plans");
            dialog.forceDefaultExportToDesktop();
            verify(dialog.exportToCustomDirectory);
            verify(field("directoryRow").enabled);
            verify(dialog.customExportDirectory.endsWith("Desktop"), dialog.customExportDirectory);
            verify(!dialog.customExportDirectory.startsWith("file:"));
        }

        function test_resetAirplanesRestoresTheBuiltInOnes() {
            verify(testSupport.useNative("airplanes"));
            airplanes.reset();
            airplanes.add();
            airplanes.currentIndex = 5;
            createDialog();
            openPage(3);
            mouseClick(field("resetAirplanesButton"));
            compare(airplanes.rowCount(), 5);
            compare(airplanes.currentIndex, 0);
            tryVerify(() => !dialog.visible);
        }

        function test_resetAllClearsTheStoreAndQuits() {
            testSupport.storeValue("window/width", 900);
            createDialog();
            openPage(3);
            mouseClick(field("resetAllButton"));
            compare(stored("window/width"), "<absent>");
            compare(window.closed, 1);
        }
    }
}
