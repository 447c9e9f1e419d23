import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtTest
import Waylore.Ui

// The information panel against a stand-in manager, the status bar, and the folding of a panel.
StubWindow {
    id: window

    // Long enough to scroll: forty numbered paragraphs and a procedure link at the top.
    readonly property string longPage: {
        let text = "<p><a href=\"PROCEDURE>XRTA/DEP1\">DEP1</a> <a href=\"POINT>XRTB\">XRTB</a></p>";
        for (let i = 0; i < 40; ++i)
            text += "<p>Paragraph " + i + "</p>";
        return text;
    }

    StrictTestCase {
        id: infoCase

        property var panel: null

        function prepare() {
            infoManager.stubReset();
            procedureManager.stubCalls = [];
            panel = window.create("panel/InformationPanel.qml", { "width": 320, "height": 400 });
            verify(panel);
        }

        function cleanup() {
            panel.destroy();
            panel = null;
        }

        name: "InformationPanel"

        function test_startsWithTipAndReplacesPageWithItsPosition() {
            // The tip was asked for once the panel was complete.
            compare(infoManager.stubCalls.filter(call => call === "showTip").length, 1);
            verify(infoManager.stubCalls.every(call => !call.startsWith("saveCurrentPosition -")), infoManager.stubCalls);
            infoManager.stubCalls = [];
            infoManager.stubPage(window.longPage, 0.5);
            const area = panel.textArea;
            verify(area.text.indexOf("Paragraph 39") >= 0);
            const bar = findChild(panel, "verticalBar");
            tryVerify(() => Math.abs(bar.position - 0.5) < 0.01, 1000, String(bar.position));
            // The restored position is reported back as the page's current one.
            const last = infoManager.stubCalls[infoManager.stubCalls.length - 1].split(" ");
            compare(last[0], "saveCurrentPosition");
            fuzzyCompare(Number(last[1]), 0.5, 0.01);

            infoManager.stubPage("<p>short</p>", 0);
            verify(area.text.indexOf("Paragraph") < 0);
            verify(area.text.indexOf("short") >= 0);
        }

        function test_links() {
            infoManager.stubPage(window.longPage, 0);
            const area = panel.textArea;
            area.linkHovered("PROCEDURE>XRTA/DEP1");
            area.linkHovered("POINT>XRTB");
            area.linkHovered("");
            compare(procedureManager.stubCalls, ["setProcedure XRTA/DEP1"]);
            infoManager.stubCalls = [];
            // A click on the first link of the page follows it through the manager.
            const position = area.positionToRectangle(2);
            mouseClick(area, position.x + 4, position.y + position.height / 2);
            compare(infoManager.stubCalls, ["linkTo PROCEDURE>XRTA/DEP1"]);
        }

        function test_historyButtons() {
            const previous = findChild(panel, "previousButton");
            const next = findChild(panel, "nextButton");
            verify(!previous.enabled && !next.enabled);
            infoManager.hasPrevious = true;
            verify(previous.enabled && !next.enabled);
            infoManager.stubCalls = [];
            mouseClick(previous);
            infoManager.hasNext = true;
            mouseClick(next);
            compare(infoManager.stubCalls, ["setPrevious", "setNext"]);
        }

        function test_foldedPanelKeepsItsHeader() {
            const button = findChild(panel, "expandButton");
            compare(button.source, "qrc:/fa/solid/square-minus.svg");
            compare(panel.SplitView.minimumHeight, 250);
            verify(panel.SplitView.fillHeight);
            mouseClick(button);
            verify(!panel.expanded);
            compare(button.source, "qrc:/fa/solid/square-plus.svg");
            verify(!panel.contentItem.visible);
            compare(panel.SplitView.minimumHeight, panel.header.implicitHeight);
            compare(panel.SplitView.maximumHeight, panel.header.implicitHeight);
            verify(!panel.SplitView.fillHeight);
            panel.visible = false;
            compare(panel.SplitView.maximumHeight, 0);
        }
    }

    StrictTestCase {
        id: statusCase

        property var status: null

        function label() {
            return findChild(status, "statusLabel");
        }

        function icon() {
            return findChild(status, "statusIcon");
        }

        function prepare() {
            status = window.create("panel/StatusPanel.qml", { "width": 320, "cycle": "2401", "position": "" });
            verify(status);
        }

        function cleanup() {
            status.destroy();
            status = null;
        }

        name: "StatusPanel"

        function test_standingText() {
            compare(label().text, "AIRAC 2401");
            compare(icon().source, "");
            status.position = "N48°51' E002°21'";
            compare(label().text, "AIRAC 2401 | N48°51' E002°21'");
            compare(label().color, status.Material.primaryTextColor);
            status.locale = Qt.locale("fr");
            status.position = "48° 51' 31.2\" N, 2° 21' 3.5\" E";
            compare(label().text, "AIRAC 2401 | 48° 51' 31,2\" N, 2° 21' 3,5\" E");
        }

        function test_messageHoldsThenFadesToStanding() {
            status.message("Exported plan.fms");
            compare(label().text, "Exported plan.fms");
            compare(label().color, status.Material.accent);
            compare(icon().source, "qrc:/fa/solid/message.svg");
            // The cursor moving over the map does not overwrite the message.
            status.position = "N1 E1";
            compare(label().text, "Exported plan.fms");
            wait(3000);
            // A second message replaces the first and restarts the full 5000 ms.
            status.message("Connection lost", true);
            const replaced = Date.now();
            compare(label().text, "Connection lost");
            compare(label().color, status.red);
            compare(icon().source, "qrc:/fa/solid/triangle-exclamation.svg");
            wait(3500);
            // A busy machine may have slept past the hold: only a pause shorter than it says
            // anything about the restart.
            if (Date.now() - replaced < 4800) {
                compare(status.phase, "message");
                compare(status.header.opacity, 1.0);
            }
            tryCompare(status, "phase", "fading", 2500);
            tryCompare(status, "phase", "standing", 1500);
            compare(status.header.opacity, 1.0);
            compare(label().text, "AIRAC 2401 | N1 E1");
            compare(icon().source, "qrc:/fa/regular/message.svg");
        }

        // A message wider than the column wraps whole onto more lines and the bar grows to hold
        // them; the standing text is one line again.
        function test_longMessageShowsWhole() {
            const oneLine = status.header.implicitHeight;
            status.message("Weather layers need a key of the tile service: set it in the preferences to see the clouds", false);
            // Laid out at the next polish.
            tryVerify(() => label().lineCount > 1);
            verify(!label().truncated);
            verify(status.header.implicitHeight > oneLine);
            compare(status.SplitView.minimumHeight, status.header.implicitHeight);
            compare(status.SplitView.maximumHeight, status.header.implicitHeight);
        }

        function test_hoverHoldsTheMessage() {
            status.message("Connected", false);
            mouseMove(status.header, 20, 5);
            wait(5600);
            compare(status.phase, "message");
            compare(label().text, "Connected");
            mouseMove(window, 600, 600);
            const left = Date.now();
            wait(4000);
            if (Date.now() - left < 4800)
                compare(status.phase, "message");
            tryCompare(status, "phase", "standing", 3000);
        }
    }
}
