import QtQuick
import QtQuick.Controls
import QtTest
import Waylore.Ui
import "qrc:/qt/qml/Waylore/Ui/js/airplanefields.js" as AirplaneFields

// The airplane editor's field table against the editor's own controls and the real units: what
// a load shows, what a save writes and in which order, and what a change of fuel unit type shows.
Item {
    id: window

    width: 1280
    height: 800

    Component {
        id: dialogComponent

        AirplaneDialog {
        }
    }

    // A role twice, and a role the list model does not know.
    Component {
        id: twiceComponent

        Item {
            TextField {
                readonly property string role: "icao"
            }
            Item {
                TextField {
                    readonly property string role: "icao"
                }
            }
        }
    }
    Component {
        id: partialComponent

        Item {
            TextField {
                readonly property string role: "icao"
            }
        }
    }
    Component {
        id: strangerComponent

        Item {
            SpinBox {
                readonly property string role: "wingspan"
            }
        }
    }

    StrictTestCase {
        id: testCase

        name: "AirplaneFields"

        // A light airplane in the list model's display units, in the order of the editor's
        // fields: General, Performance, Fuel (type and unit before the quantities) and
        // Identification.
        readonly property var airplane: [
            ["icao", "C172"], ["name", "Skyhawk"], ["manufacturer", "Cessna"], ["maxpassengers", 3],
            ["maxcargo", 54], ["eow", 767], ["mzfw", 1000], ["mtow", 1111], ["mlw", 1100], ["v2", 60],
            ["takeoffdistance", 500], ["vat", 65], ["landingdistance", 400], ["ceilinglvl", 140],
            ["maxcruisetas", 125], ["initialias", 75], ["initialvs", 700], ["climbias", 80], ["climbvs", 600],
            ["descentias", 110], ["descentvs", -500], ["approachias", 70], ["approachvs", -400], ["fueltype", 1],
            ["unittype", 0], ["taxifuel", 5], ["climbfuel", 40], ["cruisefuel", 30], ["descentfuel", 20],
            ["alternatefuel", 35], ["contingencyfuel", 5], ["extrafuel", 10], ["finalfuel", 45],
            ["fuelcapacity", 150], ["registration", "D-EXYZ"], ["equipment", "SDFGY"], ["transponder", "S"]
        ]
        property var dialog
        property var controls

        // A list model of the test's own: it gives the airplane and records the writes.
        function recordingModel() {
            const values = new Map(airplane);
            const writes = [];
            return {
                "writes": writes,
                "get": (role, row) => values.get(role),
                "stored": (role, row) => values.get(role),
                "set": function (role, row, value, emitChanged) {
                    writes.push({ "role": role, "row": row, "value": value, "arguments": arguments.length, "emitChanged": emitChanged });
                }
            };
        }

        function initTestCase() {
            verify(testSupport.useNative("unit"));
        }

        function prepare() {
            testSupport.storeValue("units/mass", 0);
            testSupport.storeValue("units/volume", 0);
            dialog = createTemporaryObject(dialogComponent, window);
            controls = dialog.controls;
        }

        function throwsFrom(component, expected) {
            const holder = createTemporaryObject(component, window);
            try {
                AirplaneFields.controlsByRole([holder]);
            } catch (error) {
                compare(error.message, expected);
                return;
            }
            fail("no error for " + expected);
        }

        function test_loadShowsAndSaveWritesBackInOrder() {
            const model = recordingModel();
            AirplaneFields.load(model, 4, controls);
            compare(findChild(dialog.contentItem, "icaoField").text, "C172");
            compare(findChild(dialog.contentItem, "mzfwBox").value, 1000);
            compare(findChild(dialog.contentItem, "descentVsBox").value, -500);
            compare(findChild(dialog.contentItem, "fuelTypeBox").currentText, "Avgas");
            compare(findChild(dialog.contentItem, "capacityBox").value, 150);

            AirplaneFields.save(model, 4, controls, true);
            compare(model.writes.map(write => write.role), airplane.map(field => field[0]));
            for (let i = 0; i < airplane.length; ++i)
                compare(model.writes[i].value, airplane[i][1], airplane[i][0]);
            compare(model.writes.filter(write => write.row !== 4).length, 0);
            // Only the capacity may make the list model signal its change, and only when asked.
            const signalling = model.writes.filter(write => write.arguments === 4);
            compare(signalling.length, 1);
            compare(signalling[0].role, "fuelcapacity");
            compare(signalling[0].emitChanged, true);
            AirplaneFields.save(model, 2, controls, false);
            compare(model.writes.find(write => write.row === 2 && write.role === "fuelcapacity").emitChanged, false);
        }

        function test_everyFieldHasOneKnownControl() {
            throwsFrom(twiceComponent, "Two controls for the airplane field icao");
            throwsFrom(strangerComponent, "No airplane field named wingspan");
            throwsFrom(partialComponent, "No control for the airplane field name");
        }

        // Expected values by hand, with the program's factors: 1 lb = 0.453592 kg,
        // 1 gal = 3.78541 L, kerosene 0.802837 kg/L, Avgas 0.718958 kg/L.
        function test_convertFuel_data() {
            return [
                // 1000 / 0.802837 = 1245.58
                { tag: "kg to L, kerosene", mass: 0, volume: 0, fuel: 0, from: 0, to: 1, value: 1000, expected: 1246 },
                // 1000 * 0.802837 = 802.84
                { tag: "L to kg, kerosene", mass: 0, volume: 0, fuel: 0, from: 1, to: 0, value: 1000, expected: 803 },
                // 1000 * 0.453592 / 0.802837 / 3.78541 = 149.25
                { tag: "lbs to gal, kerosene", mass: 1, volume: 1, fuel: 0, from: 0, to: 1, value: 1000, expected: 149 },
                // 100 * 3.78541 * 0.718958 / 0.453592 = 599.9997
                { tag: "gal to lbs, Avgas", mass: 1, volume: 1, fuel: 1, from: 1, to: 0, value: 100, expected: 600 },
                // 1000 / 0.718958 / 3.78541 = 367.44
                { tag: "kg to gal, Avgas", mass: 0, volume: 1, fuel: 1, from: 0, to: 1, value: 1000, expected: 367 },
                // 1000 * 0.802837 / 0.453592 = 1769.95
                { tag: "L to lbs, kerosene", mass: 1, volume: 0, fuel: 0, from: 1, to: 0, value: 1000, expected: 1770 },
                { tag: "same unit type", mass: 1, volume: 1, fuel: 0, from: 1, to: 1, value: 1000, expected: 1000 }
            ];
        }

        function test_convertFuel(data) {
            testSupport.storeValue("units/mass", data.mass);
            testSupport.storeValue("units/volume", data.volume);
            compare(AirplaneFields.convertFuel(unit, data.value, data.fuel, data.from, data.to), data.expected);
        }

        // The seven fuel quantities convert, each from its own value; the percentage and the
        // minutes of the reserves do not.
        function test_convertFuelControlsTouchesTheQuantitiesOnly() {
            const fuel = AirplaneFields.load(recordingModel(), 0, controls);
            AirplaneFields.convertFuelControls(unit, controls, fuel, 0, 1);
            // Avgas, kg to L: 5 / 0.718958 = 6.95; 40 -> 55.64; 30 -> 41.73; 20 -> 27.82;
            // 35 -> 48.68; 10 -> 13.91; 150 -> 208.63.
            const expected = { "taxifuel": 7, "climbfuel": 56, "cruisefuel": 42, "descentfuel": 28, "alternatefuel": 49,
                               "extrafuel": 14, "fuelcapacity": 209, "contingencyfuel": 5, "finalfuel": 45 };
            for (const role in expected)
                compare(controls[role].value, expected[role], role);
            compare(controls.unittype.currentIndex, 0, "the unit box is the dialog's to set");
        }
    }
}
