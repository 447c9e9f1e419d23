import QtQuick
import QtQuick.Dialogs
import QtTest

// The point panel over the real point list of the route test simulator folder (airports XRTA,
// XRTB, XRTC; VORs XRA, XRB, XRC; NDB XRN; eleven fixes and the one the oceanic tracks add)
// and the real flight plan.
StubWindow {
    id: window

    // One of the program's questions, which dims nothing.
    MessageDialog {
        id: question

        // Made before the test's window holds it: the dialog shows only in a window.
        parentWindow: window.Window.window
        text: "The flight plan has been modified"
    }
    StrictTestCase {
        id: testCase

        property var panel: null

        function child(name) {
            const found = findChild(panel, name);
            verify(found, name);
            return found;
        }

        function typeText(text) {
            const field = child("searchField");
            field.forceActiveFocus();
            field.selectAll();
            for (const character of text)
                keyClick(character);
        }

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.importTestSimulator());
        }

        function prepare() {
            ism.stubReset();
            flightplan.clear(false);
            panel = window.create("panel/PointPanel.qml", { "width": 400, "height": 600 });
            verify(panel);
        }

        function cleanup() {
            // The list model outlives the panel: leave it as the database starts it.
            child("searchField").text = "";
            child("airportBox").checked = true;
            child("ndbBox").checked = true;
            child("vordmeBox").checked = true;
            child("fixBox").checked = false;
            panel.destroy();
            panel = null;
        }

        name: "PointPanel"

        // Each step replaces the whole text by the typed one (select all, then type).
        function test_searchFiltersFromTwoCharacters_data() {
            return [
                { tag: "one character filters nothing", steps: ["b"], counts: [7] },
                { tag: "the second character filters", steps: ["b", "be"], counts: [7, 3] },
                { tag: "narrowing", steps: ["bel", "bell", "xrta"], counts: [3, 2, 1] },
                { tag: "one character keeps the previous filter", steps: ["bell", "a"], counts: [2, 2] },
                { tag: "an emptied field shows all again", steps: ["bell", ""], counts: [2, 7] }
            ];
        }

        function test_searchFiltersFromTwoCharacters(data) {
            const list = child("pointList");
            for (let i = 0; i < data.steps.length; ++i) {
                ism.stubCalls = [];
                if (data.steps[i] === "") {
                    child("searchField").selectAll();
                    keyClick(Qt.Key_Delete);
                } else {
                    typeText(data.steps[i]);
                }
                compare(list.count, data.counts[i], data.steps[i]);
                // Every change of the text clears the selection first.
                verify(ism.stubCalls.length > 0 && ism.stubCalls.every(call => call === "clear"), ism.stubCalls);
            }
            compare(child("countLabel").text, data.counts[data.counts.length - 1] + " points filtered");
        }

        function test_keysAndClearButton() {
            const field = child("searchField");
            typeText("zz");
            compare(child("pointList").count, 0);
            ism.stubCalls = [];
            keyClick(Qt.Key_Return);
            // The first row is asked for even when the list is empty.
            compare(ism.stubCalls, ["selectFromList 0"]);
            verify(!field.activeFocus);
            compare(field.text, "zz");

            typeText("xrt");
            keyClick(Qt.Key_Escape);
            compare(field.text, "");
            verify(!field.activeFocus);
            compare(child("pointList").count, 7);

            typeText("xrtb");
            const clear = child("clearButton");
            verify(clear.enabled);
            mouseClick(clear);
            compare(field.text, "");
            verify(!clear.enabled);
            verify(!field.activeFocus);
        }

        function test_typeFilters() {
            const list = child("pointList");
            compare(list.count, 7);
            child("vordmeBox").checked = false;
            compare(list.count, 4);
            child("fixBox").checked = true;
            compare(list.count, 16);
            child("airportBox").checked = false;
            child("ndbBox").checked = false;
            compare(list.count, 12);
        }

        function test_rowButtonDoubleClickAndMenu() {
            typeText("xrtb");
            const list = child("pointList");
            compare(list.count, 1);
            const row = list.itemAtIndex(0);
            compare(row.uid, "XRTB");
            const button = findChild(row, "planButton");
            verify(!button.visible);
            // Not beside a question, not even under the pointer resting on the row.
            question.open();
            tryVerify(() => question.visible);
            testSupport.movePointer(row, 20, 20);
            mouseMove(row, 21, 20);
            verify(!button.visible);
            question.close();
            tryVerify(() => !question.visible);
            mouseMove(row, 20, 20);
            tryVerify(() => button.visible);
            compare(button.source, "qrc:/fa/solid/circle-plus.svg");
            mouseClick(button);
            verify(flightplan.contains("XRTB"));
            compare(button.source, "qrc:/fa/solid/circle-minus.svg");
            mouseClick(button);
            verify(!flightplan.contains("XRTB"));
            compare(button.source, "qrc:/fa/solid/circle-plus.svg");

            ism.stubCalls = [];
            mouseDoubleClickSequence(row, 20, 20);
            compare(ism.stubCalls, ["selectFromList 0"]);
            compare(flightplan.count, 1);
            verify(row.highlighted);

            mouseClick(row, 30, 20, Qt.RightButton);
            const menuLoader = findChild(row, "menuLoader");
            tryVerify(() => menuLoader.opened);
            compare(menuLoader.menu.itemAt(0).text, "Airport XRTB");
            menuLoader.menu.close();
            tryVerify(() => !menuLoader.active);
        }
    }
}
