import QtQuick
import QtTest
import Waylore.Ui

// The airplane editor against the real airplane list and unit conversions. Under Xvfb its
// picture is kept in the build folder's screenshots/ for a person to look at.
Item {
    id: window

    width: 1280
    height: 800

    // Keeps the folder where the file dialogs start, as in the main window.
    FileManager {
        id: fileManager
    }

    Component {
        id: dialogComponent

        AirplaneDialog {
            anchors.centerIn: parent
        }
    }

    StrictTestCase {
        id: testCase

        property var dialog

        function field(name) {
            return findChild(dialog.contentItem, name);
        }

        function initTestCase() {
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
        }

        function prepare() {
            ga.stubReset();
            testSupport.storeValue("units/mass", 0);
            testSupport.storeValue("units/volume", 0);
            airplanes.reset();
            airplanes.currentIndex = 0;
            dialog = createTemporaryObject(dialogComponent, window);
        }

        function test_openShowsTheCurrentAirplane() {
            airplanes.currentIndex = 2;
            dialog.open();
            compare(dialog.currentRow, 2);
            compare(dialog.previousIndex, 2);
            compare(field("icaoField").text, "B738");
            // A count, with no unit and no blank after it.
            compare(field("passengersBox").displayText, "189");
            field("passengersBox").contentItem.forceActiveFocus();
            field("passengersBox").contentItem.text = "";
            keyClick(Qt.Key_Return);
            compare(field("passengersBox").value, 189, "an emptied count keeps its value");
            compare(field("descentVsBox").value, -2200);
            compare(field("descentVsBox").from, -5000);
            compare(field("descentVsBox").to, -1);
        }

        function test_weightMinimumsFollowTheirBase() {
            dialog.open();
            field("eowBox").value = 50000;
            compare(field("mzfwBox").from, 50000);
            field("mzfwBox").value = 64000;
            compare(field("mtowBox").from, 64000);
            compare(field("mlwBox").from, 64000);
        }

        function test_rowChangeKeepsEditsAndCloseSignalsOnce() {
            dialog.open();
            field("icaoField").text = "X320";
            field("airplaneList").currentIndex = 1;
            compare(ga.stubEvents.length, 0);
            compare(airplanes.get("icao", 0), "X320");
            field("icaoField").text = "X350";
            dialog.close();
            compare(airplanes.get("icao", 1), "X350");
            compare(ga.stubEvents.filter(e => e.name === "setairplane").length, 1);
            compare(dialog.previousIndex, -1);
        }

        // The export writes what the controls show, not what the list held when the row was
        // selected.
        function test_exportSavesTheEditsFirst() {
            airplanes.currentIndex = 1;
            dialog.open();
            field("icaoField").text = "BE35";
            field("cruiseFuelBox").value = 333;
            const path = testSupport.temporaryPath("edited.apxml");
            dialog.exportAirplane(path);
            const row = airplanes.loadAirplaneFromFile(path);
            verify(row >= 0, airplanes.msgerror);
            compare(airplanes.get("icao", row), "BE35");
            compare(airplanes.get("cruisefuel", row), 333);
        }

        // The airplane's file dialogs start where the last save as of a plan ended.
        function test_fileDialogsStartWhereTheLastSaveEnded() {
            const folder = testSupport.makeFolder("plans");
            fileManager.fileSaveAsDialog.file = Utility.pathToUrl(folder + "/route");
            fileManager.fileSaveAsDialog.accepted();
            compare(dialog.startFolder(), folder);
        }

        function test_failedImportKeepsTheSelection() {
            airplanes.currentIndex = 3;
            dialog.open();
            dialog.importAirplane(testSupport.temporaryPath("missing.apxml"));
            compare(dialog.currentRow, 3);
            compare(dialog.previousIndex, 3);
            verify(airplanes.msgerror !== "");
        }

        // Expected values by hand: 1 gal = 3.78541 L, 1 lb = 0.453592 kg, kerosene 0.802837 kg/L,
        // Avgas 0.718958 kg/L.
        function test_fuelUnitConversion_data() {
            return [
                { tag: "kg, L, kerosene, volume to mass", mass: 0, volume: 0, fuel: 0, from: 1, to: 0, value: 100, expected: 80, unit: "kg" },
                { tag: "lbs, gal, kerosene, volume to mass", mass: 1, volume: 1, fuel: 0, from: 1, to: 0, value: 100, expected: 670, unit: "lbs" },
                { tag: "lbs, gal, kerosene, mass to volume", mass: 1, volume: 1, fuel: 0, from: 0, to: 1, value: 670, expected: 100, unit: "gal" },
                { tag: "kg, gal, Avgas, volume to mass", mass: 0, volume: 1, fuel: 1, from: 1, to: 0, value: 100, expected: 272, unit: "kg" },
                { tag: "lbs, L, kerosene, volume to mass", mass: 1, volume: 0, fuel: 0, from: 1, to: 0, value: 100, expected: 177, unit: "lbs" },
                { tag: "kg, L, Avgas, mass to volume", mass: 0, volume: 0, fuel: 1, from: 0, to: 1, value: 144, expected: 200, unit: "L" },
                { tag: "same unit picked again", mass: 1, volume: 1, fuel: 0, from: 1, to: 1, value: 100, expected: 100, unit: "gal" },
                // No edit, the A320's 200 kg, 2500 kg/h, 18700 kg: 65.81 gal, 822.62 gal/h, 6153.19 gal.
                { tag: "kg, gal, no edit, there and back", mass: 0, volume: 1, fuel: 0, from: 0, to: [1, 0], expected: [200, 2500, 18700], unit: "kg", kg: 18700 },
                { tag: "kg, gal, no edit, mass to volume", mass: 0, volume: 1, fuel: 0, from: 0, to: [1], expected: [66, 823, 6153], unit: "gal", kg: 18700 },
                // The largest quantity, 500,000 kg: 622,791 L, past the figure of its kilograms.
                { tag: "kg, L, the largest mass to volume", mass: 0, volume: 0, fuel: 0, from: 0, to: 1, value: 500000, expected: 622791, unit: "L" }
            ];
        }

        function test_fuelUnitConversion(data) {
            testSupport.storeValue("units/mass", data.mass);
            testSupport.storeValue("units/volume", data.volume);
            airplanes.set("fueltype", 0, data.fuel);
            airplanes.set("unittype", 0, data.from);
            dialog.open();
            const boxes = ["taxiBox", "cruiseFuelBox", "capacityBox"];
            for (const box of boxes.filter(() => data.value !== undefined))
                field(box).value = data.value;
            const unitBox = field("fuelUnitBox");
            const picks = [].concat(data.to);
            for (const to of picks) {
                unitBox.currentIndex = to;
                unitBox.activated(to);
            }
            const expected = [].concat(data.expected);
            for (let i = 0; i < boxes.length; ++i)
                compare(field(boxes[i]).value, expected[Math.min(i, expected.length - 1)], boxes[i]);
            compare(field("capacityBox").unit, data.unit);
            compare(field("cruiseFuelBox").unit, data.unit + "/h");
            dialog.close();
            compare(airplanes.get("unittype", 0), picks[picks.length - 1]);
            // Stored as whole kilograms: a pound or a litre of rounding either way after an edit,
            // none without one.
            if (data.kg !== undefined)
                compare(airplanes.stored("fuelcapacity", 0), data.kg);
            else
                fuzzyCompare(airplanes.get("fuelcapacity", 0), data.expected, 1);
        }

        // Every mass and fuel box takes its range in the unit it shows, in a language of grouping
        // commas and in one of decimal commas. By hand, 1 lb = 0.453592 kg, 1 gal = 3.78541 L,
        // kerosene 0.802837 kg/L: 1,000,000 kg = 2,204,624.4 lbs; 500,000 kg = 1,102,312.2 lbs,
        // or of kerosene 622,791.4 L (stored back 499,999.7 kg) = 164,524.2 gal (499,999.5 kg).
        function test_boxesTakeTheirRangeInTheirUnit_data() {
            const past = "99999999999999999999";
            const rows = [];
            for (const language of ["en", "de"]) {
                rows.push({ tag: language + ", kg, by mass", mass: 0, type: 0, language, typed: past, shown: [1000000, 500000, 500000], stored: [1000000, 500000, 500000] });
                rows.push({ tag: language + ", kg, by volume in L", mass: 0, type: 1, language, typed: past, shown: [1000000, 500000, 622791], stored: [1000000, 500000, 500000] });
                rows.push({ tag: language + ", lbs, by mass", mass: 1, type: 0, language, typed: past, shown: [2204624, 1102312, 1102312], stored: [1000000, 500000, 500000] });
                rows.push({ tag: language + ", lbs, by volume in gal", mass: 1, type: 1, language, typed: past, shown: [2204624, 1102312, 164524], stored: [1000000, 500000, 499999] });
            }
            // Avgas, 0.718958 kg/L, picked in the dialog: 500,000 kg = 695,450.9 L (499,999.3 kg).
            rows.push({ tag: "en, kg, Avgas picked, by volume in L", mass: 0, type: 1, avgas: true, language: "en", typed: past, shown: [1000000, 500000, 695450], stored: [1000000, 500000, 499999] });
            // An A380's maximum take-off weight, 575,000 kg (1,267,658 lbs: 574,999.6 kg), and a
            // million pounds (453,592 kg) of reserve.
            rows.push({ tag: "en, lbs, an A380", mass: 1, type: 0, language: "en", typed: "1,267,658", shown: [1267658, 1102312, 1102312], stored: [575000, 500000, 500000], text: "1,267,658 lbs" });
            rows.push({ tag: "de, lbs, a million pounds", mass: 1, type: 0, language: "de", typed: "1.000.000", shown: [1000000, 1000000, 1000000], stored: [453592, 453592, 453592], text: "1.000.000 lbs" });
            return rows;
        }

        function test_boxesTakeTheirRangeInTheirUnit(data) {
            // Index into shown and stored: 0 a weight, 1 the cargo, 2 fuel.
            const kinds = { maxcargo: 1, eow: 0, mzfw: 0, mtow: 0, mlw: 0, taxifuel: 2, climbfuel: 2, cruisefuel: 2, descentfuel: 2, alternatefuel: 2, extrafuel: 2, fuelcapacity: 2 };
            testSupport.storeValue("units/mass", data.mass);
            testSupport.storeValue("units/volume", data.mass);
            airplanes.set("unittype", 0, data.type);
            dialog.locale = Qt.locale(data.language);
            dialog.open();
            if (data.avgas) {
                dialog.controls.fueltype.currentIndex = 1;
                dialog.controls.fueltype.activated(1);
            }
            for (const role in kinds) {
                const box = dialog.controls[role];
                field("tabBar").currentIndex = kinds[role] === 2 ? 2 : 0;
                box.contentItem.forceActiveFocus();
                box.contentItem.text = data.typed;
                keyClick(Qt.Key_Return);
                compare(box.value, data.shown[kinds[role]], role);
            }
            if (data.text)
                compare(dialog.controls.mtow.displayText, data.text);
            dialog.close();
            for (const role in kinds)
                compare(airplanes.stored(role, 0), data.stored[kinds[role]], role);
        }

        // Each box shows the unit its value is in, whatever the boxes showed before: the dialog
        // is made in kg and L, then opened on airplane 0 and switched to airplane 1.
        function test_unitTextsAfterLoad_data() {
            return [
                { tag: "lbs, Mass then Volume in L", mass: 1, volume: 0, types: [0, 1], fuel: ["lbs", "L"], weight: "lbs" },
                { tag: "kg, Volume in gal then Mass", mass: 0, volume: 1, types: [1, 0], fuel: ["gal", "kg"], weight: "kg" },
                { tag: "lbs, Volume in gal twice", mass: 1, volume: 1, types: [1, 1], fuel: ["gal", "gal"], weight: "lbs" }
            ];
        }

        function test_unitTextsAfterLoad(data) {
            const unitOf = name => field(name).displayText.replace(/^\S+ /, "");
            testSupport.storeValue("units/mass", data.mass);
            testSupport.storeValue("units/volume", data.volume);
            for (const row of [0, 1]) {
                airplanes.set("unittype", row, data.types[row]);
                // Equal values in both rows: no change of value redraws a box.
                airplanes.set("taxifuel", row, 400);
            }
            dialog.open();
            for (const row of [0, 1]) {
                field("airplaneList").currentIndex = row;
                compare(unitOf("taxiBox"), data.fuel[row], "taxi of " + row);
                compare(unitOf("cruiseFuelBox"), data.fuel[row] + "/h", "cruise flow of " + row);
                compare(unitOf("mzfwBox"), data.weight, "MZFW of " + row);
            }
        }

        // The smallest window is 1020 x 730: the editor fits it in every shipped language.
        function test_fitsTheSmallestWindow_data() {
            return [{ tag: "en" }, { tag: "fr" }, { tag: "de" }, { tag: "es" }];
        }

        function test_fitsTheSmallestWindow(data) {
            verify(testSupport.useLanguage(data.tag));
            try {
                dialog.open();
                tryVerify(() => dialog.opened);
                verify(dialog.width <= 1020, "width " + dialog.width);
                verify(dialog.height <= 730, "height " + dialog.height);
            } finally {
                testSupport.useLanguage("en");
            }
        }

        // The flight plan always computes with a current airplane: the last one stays.
        function test_lastAirplaneCannotBeRemoved() {
            while (airplanes.rowCount() > 1)
                airplanes.remove(airplanes.rowCount() - 1);
            dialog.open();
            const removeButton = findChild(dialog.contentItem, "removeButton");
            tryVerify(() => !removeButton.enabled);
            dialog.removeAirplane();
            compare(airplanes.rowCount(), 1);
            compare(dialog.currentRow, 0);
            compare(airplanes.current.icao, "A320");
        }

        function test_removeAndAdd() {
            airplanes.currentIndex = 1;
            dialog.open();
            field("icaoField").text = "KEEP";
            const added = 5;
            dialog.addAirplane();
            compare(airplanes.get("icao", 1), "KEEP");
            compare(dialog.currentRow, added);
            compare(field("icaoField").text, "");
            dialog.removeAirplane();
            compare(airplanes.rowCount(), 5);
            compare(dialog.currentRow, added - 1);
            compare(field("icaoField").text, airplanes.get("icao", added - 1));
        }

        function test_screenshot() {
            airplanes.currentIndex = 2;
            dialog.open();
            tryVerify(() => dialog.opened);
            waitForRendering(window);
            wait(200);
            const image = grabImage(window);
            image.save(testSupport.screenshotPath("airplane-dialog.png"));
            // The dialog's area holds text, fields and icons in many shades, not one fill.
            const colours = new Set();
            for (let x = Math.max(0, dialog.x); x < Math.min(image.width, dialog.x + dialog.width); x += 3) {
                for (let y = Math.max(0, dialog.y); y < Math.min(image.height, dialog.y + dialog.height); y += 3)
                    colours.add(String(image.pixel(x, y)));
            }
            verify(dialog.width > 600 && dialog.height > 300, dialog.width + "x" + dialog.height);
            verify(colours.size > 30, "only " + colours.size + " colours");
        }
    }
}
