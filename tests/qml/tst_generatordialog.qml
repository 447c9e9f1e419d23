import QtQuick
import QtTest
import Waylore.Ui

// The route generator dialog: airport validation and a whole search against the real
// generator over the route test simulator folder; progress and a search that outlives its
// dialog against a generator whose search lasts until the test ends it.
Item {
    id: window

    width: 1280
    height: 800

    Item {
        id: map

        property var fitted: []

        function fitViewport(bounding) {
            fitted.push(bounding);
        }
    }
    Component {
        id: dialogComponent

        GeneratorDialog {
            navigationMap: map
        }
    }

    StrictTestCase {
        property var dialog
        property var stubGenerator

        function field(name) {
            return findChild(dialog.contentItem, name);
        }

        function type(item, text) {
            item.contentItem.forceActiveFocus();
            item.contentItem.selectAll();
            keyClick(Qt.Key_Delete);
            for (const character of text)
                keyClick(character);
        }

        function openDialog() {
            dialog = createTemporaryObject(dialogComponent, window);
            dialog.open();
            tryVerify(() => dialog.opened);
        }

        function useStub() {
            testSupport.setContextProperty("generator", stubGenerator);
            stubGenerator.stubReset();
        }

        function initTestCase() {
            stubGenerator = generator;
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
        }

        function prepare() {
            ga.stubReset();
            map.fitted = [];
            verify(testSupport.useNative("generator"));
            flightplan.clear(false);
            testSupport.storeValue("generator/autoCloseCheckBox", true);
            testSupport.storeValue("generator/autozoomMapCheckBox", true);
            testSupport.storeValue("generator/airwayNavigation", true);
            testSupport.storeValue("generator/radioNavigation", false);
        }

        // Typing alone validates nothing: Enter, a pick from the list or leaving the box does.
        function test_validatesOnEnterPickAndFocusLoss() {
            openDialog();
            const apply = findChild(dialog.footer, "applyButton");
            verify(!dialog.departureBox.valid);
            type(dialog.departureBox, "XRTA");
            verify(!dialog.departureBox.valid);
            keyClick(Qt.Key_Return);
            verify(dialog.departureBox.valid);
            compare(findChild(dialog.contentItem, "departureIcon").source.toString(), "qrc:/fa/solid/circle-check.svg");
            verify(field("outputBox").enabled);

            type(dialog.arrivalBox, "XRTB");
            verify(!dialog.arrivalBox.valid);
            verify(!apply.enabled);
            dialog.departureBox.contentItem.forceActiveFocus();
            verify(dialog.arrivalBox.valid);
            verify(apply.enabled);

            keyClick(Qt.Key_Backspace);
            verify(!dialog.departureBox.valid);
            verify(!apply.enabled);

            const row = dialog.departureBox.indexOfValue("XRTC");
            verify(row >= 0);
            dialog.departureBox.currentIndex = row;
            dialog.departureBox.activated(row);
            verify(dialog.departureBox.valid);
            compare(generator.getDepartureUID(), "XRTC");

            ignoreWarning(/Cannot set departure "ZZZZ"/);
            type(dialog.departureBox, "ZZZZ");
            keyClick(Qt.Key_Return);
            verify(!dialog.departureBox.valid);
            compare(findChild(dialog.contentItem, "departureIcon").source.toString(), "qrc:/fa/solid/circle-xmark.svg");
        }

        function test_generateReplacesThePlanFitsAndCloses() {
            verify(flightplan.append("XRTA", false));
            verify(flightplan.append("XRTB", false));
            openDialog();
            verify(dialog.departureBox.valid && dialog.arrivalBox.valid);
            compare(dialog.departureBox.currentValue, "XRTA");
            verify(field("outputBox").count > 0);
            compare(findChild(dialog.footer, "applyButton").text, "Generate");
            mouseClick(findChild(dialog.footer, "applyButton"));
            tryVerify(() => !dialog.visible, 10000);
            compare(field("messageLabel").text, "Routing done!");
            verify(flightplan.count > 2);
            compare(map.fitted.length, 1);
            const events = ga.stubEvents.filter(e => e.name === "startgenerator");
            compare(events.length, 1);
            compare(events[0].parameters.airwayroutingoptions, "Prefer HIGH (Jet) routes during cruise");
            compare(events[0].parameters.airwaynavigation, true);
        }

        // With radio navigation picked just before the search, the generator reads it.
        function test_searchUsesTheOptionsShown() {
            verify(flightplan.append("XRTA", false));
            verify(flightplan.append("XRTB", false));
            openDialog();
            mouseClick(field("autoCloseBox"));
            mouseClick(field("autozoomBox"));
            verify(field("outputBox").enabled);
            mouseClick(field("radioButton"));
            verify(!field("outputBox").enabled);
            verify(!field("inputBox").enabled);
            verify(!field("routingBox").enabled);
            mouseClick(findChild(dialog.footer, "applyButton"));
            tryCompare(field("messageLabel"), "text", "Routing done!", 10000);
            verify(dialog.visible);
            compare(map.fitted.length, 0);
            const codes = [];
            for (let row = 0; row < flightplan.count; ++row)
                codes.push(flightplan.codeAt(row));
            compare(codes.join(" "), "XRTA XRA XRB XRC XRN XRTB");
            compare(findChild(dialog.footer, "applyButton").text, "Re-generate");
        }

        function test_progressAndReopenedDialogShowRunningSearch() {
            useStub();
            openDialog();
            type(dialog.departureBox, "XRTA");
            keyClick(Qt.Key_Return);
            type(dialog.arrivalBox, "XRTB");
            keyClick(Qt.Key_Return);
            mouseClick(findChild(dialog.footer, "applyButton"));
            verify(dialog.running);
            compare(field("messageLabel").text, "Routing in progress...");
            generator.progress(40);
            compare(field("progressBar").value, 40);
            tryVerify(() => field("elapsedLabel").text.startsWith("(in "), 1000);

            const reject = findChild(dialog.footer, "rejectButton");
            compare(reject.text, "Interrupt");
            mouseClick(reject);
            tryVerify(() => !dialog.visible);
            verify(generator.stubCalls.indexOf("stop") >= 0);

            dialog.open();
            tryVerify(() => dialog.opened);
            verify(dialog.running);
            compare(generator.stubCalls.filter(call => call === "init").length, 1);
            compare(field("progressBar").value, 40);
            verify(!findChild(dialog.footer, "applyButton").enabled);
            compare(reject.text, "Interrupt");

            generator.stubFinish("Routing interrupted");
            verify(!dialog.running);
            compare(field("messageLabel").text, "Routing interrupted");
            verify(dialog.visible);
        }
    }
}
