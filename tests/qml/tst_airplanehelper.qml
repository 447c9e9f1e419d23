import QtQuick
import QtTest

StubWindow {
    id: window

    StrictTestCase {
        name: "AirplaneHelper"

        property var helper: null

        function prepare() {
            flightplan.stubReset();
            airplanes.currentIndex = 0;
            window.stubs.airplaneDialog.stubOpened = 0;
            const holder = window.create("component/AirplaneHelper.qml");
            verify(holder);
            helper = holder;
        }

        function cleanup() {
            testSupport.useLanguage("en");
            helper.destroy();
            helper = null;
        }

        function test_showsThePlan() {
            const level = findChild(helper, "levelBox");
            const speed = findChild(helper, "speedBox");
            compare(level.value, 350);
            compare(level.contentItem.text, "FL350");
            compare(speed.value, 450);
            compare(level.to, 410, "the current airplane's ceiling");
            compare(findChild(helper, "loadFactorSlider").value, 80);
            flightplan.general.cruiselvl = 310;
            compare(level.value, 310, "values arriving from the plan are shown");
            compare(flightplan.general.cruiselvl, 310);
        }

        function test_choosingAnAirplaneResetsTheCruise() {
            const level = findChild(helper, "levelBox");
            level.increase();
            level.valueModified();
            compare(flightplan.general.cruiselvl, 360, "a level the user sets goes to the plan");
            findChild(helper, "airplaneBox").activated(1);
            compare(airplanes.currentIndex, 1);
            compare(flightplan.general.cruiselvl, 250);
            compare(flightplan.general.cruisetas, 280);
            compare(level.to, 250);
        }

        function test_levelCannotExceedTheCeiling() {
            const level = findChild(helper, "levelBox");
            level.contentItem.forceActiveFocus();
            level.contentItem.selectAll();
            keyClick(Qt.Key_4);
            keyClick(Qt.Key_5);
            keyClick(Qt.Key_0);
            keyClick(Qt.Key_Return);
            compare(level.value, 410);
            compare(flightplan.general.cruiselvl, 410);
        }

        function test_moreOpensTheAirplaneDialog() {
            const more = findChild(helper, "moreButton");
            mouseClick(more);
            compare(window.stubs.airplaneDialog.stubOpened, 1);
        }

        function test_airSpeedHelper() {
            // The stub unit gives IAS = TAS - altitude / 1000 and Mach = TAS / 600 + altitude / 1e7.
            const labels = findChild(helper, "airSpeed").children;
            compare(labels[0].text, "IAS 415kts ");
            compare(labels[1].text, "M0.75");
            findChild(helper, "speedBox").value = 510;
            compare(labels[1].text, "M0.85");
            // One unit text beside the speeds, in every language.
            verify(testSupport.useLanguage("de"));
            compare([findChild(helper, "speedBox").unit, labels[0].text], ["kt", "IAS 475 kt "]);
        }
    }
}
