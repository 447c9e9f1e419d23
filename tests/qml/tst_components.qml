import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtTest
import Waylore.Ui

Item {
    id: root

    width: 800
    height: 600

    Component {
        id: toolTipComponent

        CustomToolTip {
            maxWidth: 220
            text: "Heading"
        }
    }
    Component {
        id: toggleComponent

        ToggleButton {
            source: "qrc:/icon/airp.svg"
            tooltip: "Hide airports on the map"
        }
    }
    Component {
        id: spinComponent

        UnitSpinBox {
            editable: true
            locale: Qt.locale("en_US")
            from: -6000
            to: 45000
        }
    }
    Component {
        id: rowListComponent

        ListView {
            width: 300
            height: 100
            model: ListModel {
                ListElement { role_is_last: false }
                ListElement { role_is_last: true }
            }
            delegate: Item {
                property alias field: field

                width: 300
                height: 20
                RowField {
                    id: field

                    fixedWidth: 60
                    content: "270°"
                }
            }
        }
    }
    Component {
        id: valueComponent

        ValueWithToolTip {
            text: "72 000 kg"
            help: "Zero fuel weight"
            message: "Above the maximum zero fuel weight"
        }
    }
    Component {
        id: textAreaComponent

        FocusScope {
            property alias area: area

            width: 300
            height: 100
            ReadTextArea {
                id: area

                text: "EDDF EBBR LFPG"
            }
        }
    }
    Component {
        id: trackerComponent

        PageViewTracker {
            location: "/airplanes"
            title: "Airplanes"
            opened: false
        }
    }

    StrictTestCase {
        name: "Components"

        function toolTipOf(item) {
            for (let i = 0; i < item.data.length; ++i) {
                if (item.data[i] instanceof ToolTip)
                    return item.data[i];
            }
            return null;
        }

        function prepare() {
            ga.stubReset();
            testSupport.setContextProperty("screenshot_mode", false);
        }

        function test_toolTipIsHiddenInScreenshots() {
            const toolTip = createTemporaryObject(toolTipComponent, root);
            compare(toolTip.width, 220);
            compare(toolTip.delay, 750);
            compare(toolTip.opacity, 1);
            testSupport.setContextProperty("screenshot_mode", true);
            toolTip.visible = true;
            tryVerify(() => toolTip.opened, 1500);
            compare(toolTip.opacity, 0);
        }

        function test_toggleButtonFlipsOncePerClick() {
            const button = createTemporaryObject(toggleComponent, root);
            const toggled = createTemporaryObject(signalSpyComponent, root, { target: button, signalName: "toggled" });
            compare(button.focusPolicy, Qt.NoFocus);
            compare(button.icon.width, 14);
            compare(button.icon.height, 14);
            verify(!button.checked);
            mouseClick(button);
            verify(button.checked);
            compare(toggled.count, 1);
            mouseClick(button);
            verify(!button.checked);
            compare(toggled.count, 2);
        }

        function test_iconButtonToolTip_data() {
            return [
                { tag: "with text", tooltip: "Hide airports on the map", shown: true },
                { tag: "empty", tooltip: "", shown: false }
            ];
        }

        function test_iconButtonToolTip(data) {
            const button = createTemporaryObject(toggleComponent, root, { tooltip: data.tooltip });
            // The headless platform turns hover effects off; a desktop has them on.
            button.hoverEnabled = true;
            const toolTip = toolTipOf(button);
            mouseMove(button);
            verify(button.hovered);
            if (data.shown)
                tryVerify(() => toolTip.opened, 1500);
            else
                wait(900);
            compare(toolTip.opened, data.shown);
            compare(toolTip.text, data.tooltip);
        }

        function test_unitSpinBoxText_data() {
            return [
                { tag: "flight level", prefix: "FL", suffix: "", unit: "", value: 350, text: "FL350" },
                { tag: "rate", prefix: "", suffix: "", unit: "ft/min", value: 5000, text: "5,000 ft/min" },
                { tag: "negative rate", prefix: "", suffix: "", unit: "ft/min", value: -1500, text: "-1,500 ft/min" },
                { tag: "suffix", prefix: "", suffix: "%", unit: "", value: 80, text: "80%" },
                // Typed the way each language writes it; what does not read wholly keeps the value.
                { tag: "German point", locale: "de", prefix: "", suffix: "", unit: "kg", value: 2100, text: "2.100 kg", typed: "2.100" },
                { tag: "French decimal", locale: "fr", prefix: "", suffix: "", unit: "kg", value: 148, text: "148 kg", typed: "147,5" },
                { tag: "French misgrouped", locale: "fr", prefix: "", suffix: "", unit: "kg", value: 1900, text: "1\u202f900 kg", typed: "2 1x0" }
            ];
        }

        function test_unitSpinBoxText(data) {
            const box = createTemporaryObject(spinComponent, root, { prefix: data.prefix, suffix: data.suffix, unit: data.unit, value: data.value });
            box.locale = Qt.locale(data.locale ?? "en_US");
            compare(box.contentItem.text, data.text);
            compare(box.toValue(data.typed ?? data.text, box.locale), data.value);
        }

        // Typed key by key in each interface language into a box of 1900 kg, or into one of
        // descents alone: grouped with each of the language's marks and with any blank, beyond
        // 2^32, or no number: with a letter, with marks of two kinds in its groups.
        function test_unitSpinBoxReadsEveryLanguage_data() {
            const forms = {
                en: [["2,100", 2100], ["2100", 2100], ["147,5", 148], ["1,234.5", 1235], ["1,50", 2], ["1,234 567", 1900]],
                fr: [["2\u00a0100", 2100], ["2\u202f100", 2100], ["1 500,25", 1500], ["120,5", 121], ["1.500", 1500]],
                de: [["2.100", 2100], ["42.650,5", 42651], ["147.5", 148], ["2,100", 2], ["1.50", 2], ["2,100.000", 1900]],
                es: [["2.100", 2100], ["1.500", 1500], ["12.345", 12345], ["1,5", 2]]
            };
            const everywhere = [["2 100", 2100], ["4294967396", 45000], ["99 999 999", 45000], ["2 1x0", 1900], ["1,2,3", 1900], ["", 1900], ["1e3", 1900], ["0x10", 1900]];
            const rows = [];
            for (const language in forms) {
                for (const [typed, value] of forms[language].concat(everywhere))
                    rows.push({ tag: language + " " + typed, language, typed, value });
                rows.push({ tag: language + " descent", language, typed: "1800", value: -1800, to: -1 });
            }
            return rows;
        }

        function test_unitSpinBoxReadsEveryLanguage(data) {
            const box = createTemporaryObject(spinComponent, root, { from: data.to ? -5000 : 0, to: data.to ?? 45000, value: data.to ? -2200 : 1900, locale: Qt.locale(data.language) });
            const input = box.contentItem;
            input.forceActiveFocus();
            input.selectAll();
            keyClick(Qt.Key_Delete);
            // The keys a keyboard has; a no-break blank as an input method gives it.
            for (const character of data.typed) {
                if (character.charCodeAt(0) < 0x80)
                    keyClick(character);
                else
                    input.insert(input.cursorPosition, character);
            }
            keyClick(Qt.Key_Return);
            compare(box.value, data.value);
        }

        function test_unitSpinBoxTakesDigitsOnly() {
            const box = createTemporaryObject(spinComponent, root, { prefix: "FL", value: 350 });
            box.contentItem.forceActiveFocus();
            box.contentItem.selectAll();
            keyClick(Qt.Key_Minus);
            compare(box.contentItem.text, "FL350");
            keyClick(Qt.Key_3);
            keyClick(Qt.Key_7);
            keyClick(Qt.Key_0);
            compare(box.contentItem.text, "370");
            keyClick(Qt.Key_Return);
            compare(box.value, 370);
            compare(box.contentItem.text, "FL370");
            keyClick(Qt.Key_Backspace);
            keyClick(Qt.Key_Minus);
            compare(box.contentItem.text, "FL37", "no minus inside the number either");
            box.locale = Qt.locale("fr");
            box.contentItem.selectAll();
            [Qt.Key_2, Qt.Key_Space, Qt.Key_1, Qt.Key_0, Qt.Key_0, Qt.Key_Return].forEach(key => keyClick(key));
            compare(box.value, 2100, "a French pilot groups digits with the space bar");
            box.locale = Qt.locale("en_US");
            box.contentItem.selectAll();
            [Qt.Key_1, Qt.Key_4, Qt.Key_7, Qt.Key_Comma, Qt.Key_5, Qt.Key_Return].forEach(key => keyClick(key));
            compare(box.value, 148, "an English box reads a decimal comma");
            box.to = 450;
            box.contentItem.selectAll();
            [Qt.Key_0, Qt.Key_X, Qt.Key_1, Qt.Key_0, Qt.Key_Return].forEach(key => keyClick(key));
            compare(box.value, 148, "a letter refuses the whole text");
            compare(box.contentItem.text, "FL148");
        }

        function test_rowFieldHidesOnTheLastRow() {
            const list = createTemporaryObject(rowListComponent, root);
            tryCompare(list, "count", 2);
            verify(list.itemAtIndex(0).field.visible);
            verify(!list.itemAtIndex(1).field.visible);
        }

        function test_valueWarning_data() {
            return [
                { tag: "help", warning: false, glyph: "\uf059", glyphColor: ThemeColor.grey, valueRed: false },
                { tag: "warning", warning: true, glyph: "\uf071", glyphColor: ThemeColor.redLight, valueRed: true }
            ];
        }

        function test_valueWarning(data) {
            const row = createTemporaryObject(valueComponent, root, { warning: data.warning });
            const value = row.children[0];
            const glyph = row.children[1];
            compare(glyph.text, data.glyph);
            compare(glyph.color, data.glyphColor);
            compare(Qt.colorEqual(value.color, ThemeColor.redLight), data.valueRed);
            mouseMove(glyph);
            const toolTip = toolTipOf(glyph);
            tryVerify(() => toolTip.opened, 1500);
            compare(toolTip.text, data.warning ? "Above the maximum zero fuel weight" : "Zero fuel weight");
            row.Material.theme = Material.Dark;
            compare(row.red, ThemeColor.redDark);
        }

        function test_readTextAreaGivesTheFocusBack() {
            const scope = createTemporaryObject(textAreaComponent, root);
            scope.forceActiveFocus();
            verify(!scope.area.activeFocus);
            scope.area.select(0, 4);
            verify(scope.area.activeFocus);
            wait(2500);
            verify(scope.area.activeFocus);
            tryVerify(() => !scope.area.activeFocus, 1500);
            verify(scope.activeFocus);
        }

        function test_trackerSendsOncePerShowing() {
            const tracker = createTemporaryObject(trackerComponent, root);
            tracker.stop();
            compare(ga.stubEvents.length, 0, "a tracker that never started sends nothing");
            tracker.opened = true;
            wait(60);
            tracker.opened = false;
            compare(ga.stubEvents.length, 1);
            const event = ga.stubEvents[0];
            compare(event.name, "page_view");
            compare(event.location, "/airplanes");
            compare(event.title, "Airplanes");
            verify(event.parameters.engagement_time_msec >= 60, event.parameters.engagement_time_msec);
            tracker.stop();
            compare(ga.stubEvents.length, 1, "a second stop sends nothing");
        }

        function test_trackerCreatedOpen() {
            const tracker = createTemporaryObject(trackerComponent, root, { opened: true });
            wait(30);
            tracker.stop();
            compare(ga.stubEvents.length, 1);
            verify(ga.stubEvents[0].parameters.engagement_time_msec >= 30);
        }
    }

    Component {
        id: signalSpyComponent

        SignalSpy {
        }
    }
}
