import QtQuick
import QtTest
import Corvel.Waypoint
import Waylore.Ui

// The waypoint edit and flight information dialogs against the real flight plan, over the
// route test simulator folder.
Item {
    id: window

    width: 1280
    height: 800

    Item {
        id: settingsFlightplan

        property bool autocompute: false
    }
    Component {
        id: waypointComponent

        WaypointEditDialog {
        }
    }
    Component {
        id: flightInfoComponent

        FlightInfoDialog {
        }
    }
    // One spy for the run: a temporary one would stay connected to the plan after its end.
    SignalSpy {
        id: edited

        signalName: "edited"
    }

    StrictTestCase {
        property var dialog

        function value(row, role) {
            return flightplan.data(flightplan.index(row, 0), role);
        }

        function field(name) {
            return findChild(dialog.contentItem, name);
        }

        function type(item, text) {
            item.forceActiveFocus();
            item.selectAll();
            keyClick(Qt.Key_Delete);
            for (const character of text)
                keyClick(character);
        }

        function openWaypoint(row, code) {
            dialog = createTemporaryObject(waypointComponent, window, { "index": row, "code": code });
            dialog.open();
            tryVerify(() => dialog.opened);
        }

        function initTestCase() {
            verify(testSupport.useNative("flightplan"));
            verify(testSupport.useNative("airplanes"));
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
            edited.target = flightplan;
        }

        function prepare() {
            ga.stubReset();
            settingsFlightplan.autocompute = false;
            testSupport.storeValue("flightplan/autocompute", false);
            testSupport.storeValue("units/transitionAltitude", 0);
            flightplan.clear(false);
            verify(flightplan.append("XRTA", false));
            verify(flightplan.append("XRTC", false));
            verify(flightplan.append("XRTB", false));
        }

        function test_okWritesAltitudeSpeedAndComment() {
            openWaypoint(1, "XRTC");
            compare(dialog.title, "Edit waypoint XRTC");
            type(field("altitudeField"), "FL120");
            type(field("speedField"), "250kts");
            type(field("commentField"), "hold here");
            mouseClick(findChild(dialog.footer, "okButton"));
            tryVerify(() => !dialog.visible);
            compare(value(1, Waypoint.Altitude), "FL120");
            verify(value(1, Waypoint.IndicatedAirSpeed).indexOf("250") >= 0);
            compare(value(1, Waypoint.Comment), "hold here");
        }

        function test_enterSavesAndEmptyClears() {
            flightplan.setData(flightplan.index(1, 0), "FL100", Waypoint.Altitude);
            openWaypoint(1, "XRTC");
            compare(field("altitudeField").text, "FL100");
            type(field("altitudeField"), "");
            keyClick(Qt.Key_Return);
            tryVerify(() => !dialog.visible);
            compare(value(1, Waypoint.Altitude), "");
        }

        function test_cancelWritesNothing() {
            flightplan.setData(flightplan.index(1, 0), "FL100", Waypoint.Altitude);
            edited.clear();
            openWaypoint(1, "XRTC");
            type(field("altitudeField"), "FL200");
            type(field("commentField"), "never");
            mouseClick(findChild(dialog.footer, "cancelButton"));
            tryVerify(() => !dialog.visible);
            compare(edited.count, 0);
            compare(value(1, Waypoint.Altitude), "FL100");
            compare(value(1, Waypoint.Comment), "");
        }

        function test_reopenForAnotherRowReloads() {
            flightplan.setData(flightplan.index(0, 0), "first", Waypoint.Comment);
            flightplan.setData(flightplan.index(2, 0), "last", Waypoint.Comment);
            openWaypoint(0, "XRTA");
            compare(field("commentField").text, "first");
            dialog.close();
            tryVerify(() => !dialog.visible);
            dialog.index = 2;
            dialog.open();
            tryVerify(() => dialog.opened);
            compare(field("commentField").text, "last");
        }

        // What the plan cannot read, or the A320 cannot fly (ceiling FL390, at most 454 kts TAS:
        // M0.79 at FL390, where sound travels at 573.6 kts), is refused beside its field and
        // changes nothing; the rest is written as the table shows it.
        function test_typedAltitudeAndSpeed_data() {
            return [
                { tag: "altitude in letters", field: "altitude", typed: "abc", message: "Not an altitude: 1500ft or FL300" },
                { tag: "altitude above the ceiling", field: "altitude", typed: "FL400", message: "Above the ceiling FL390" },
                { tag: "altitude below the lowest airfields", field: "altitude", typed: "-2000ft", message: "Below -1500ft" },
                { tag: "altitude -1, the plan's mark of none", field: "altitude", typed: "-1", message: "-1ft means no altitude: empty the field" },
                { tag: "altitude in feet", field: "altitude", typed: "4500", stored: "FL45" },
                { tag: "level in small letters", field: "altitude", typed: "fl 120", stored: "FL120" },
                { tag: "Mach beyond the airplane", field: "speed", typed: "M9.9", message: "Above the top speed M0.79" },
                { tag: "speed unit alone", field: "speed", typed: "kts", message: "Not a speed: 180kts or M0.78" },
                { tag: "a few knots", field: "speed", typed: "3kts", message: "Below 6kts" },
                { tag: "above the maximum TAS", field: "speed", typed: "500", message: "Above the top speed 454kts" },
                { tag: "speed with a blank", field: "speed", typed: "250 kts", stored: "250kts" }
            ];
        }

        function test_typedAltitudeAndSpeed(data) {
            const role = data.field === "altitude" ? Waypoint.Altitude : Waypoint.IndicatedAirSpeed;
            flightplan.setData(flightplan.index(1, 0), "FL100", Waypoint.Altitude);
            flightplan.setData(flightplan.index(1, 0), "200kts", Waypoint.IndicatedAirSpeed);
            const old = value(1, role);
            openWaypoint(1, "XRTC");
            type(field(data.field + "Field"), data.typed);
            keyClick(Qt.Key_Return);
            if (data.message) {
                compare(field(data.field + "Note").text, data.message);
                verify(!findChild(dialog.footer, "okButton").enabled);
                verify(dialog.visible);
                compare(value(1, role), old);
            } else {
                tryVerify(() => !dialog.visible);
                compare(value(1, role), data.stored);
            }
        }

        // The fields show values rounded: an OK that touched nothing writes nothing back. IAS 231kts
        // at FL390 is TAS 455kts, M0.79 (sound at 573.8kts), which reads back as 230kts.
        function test_plainOkChangesNothing_data() {
            return [
                { tag: "4550ft without transition altitude", transition: 0, altitude: 4550, next: 10000, ias: 250, shown: ["FL45", "250kts"] },
                { tag: "4550ft under transition altitude", transition: 18000, altitude: 4550, next: 10000, ias: 250, shown: ["4550ft", "250kts"] },
                { tag: "18706ft", transition: 18000, altitude: 18706, next: 4550, ias: 250, shown: ["FL187", "250kts"] },
                { tag: "IAS 231kts in cruise at FL390", transition: 18000, altitude: 39000, next: 39000, ias: 231, shown: ["FL390", "M0.79"] },
                { tag: "automatic figures", transition: 18000, altitude: 18706, next: 4550, ias: 231, autocompute: true }
            ];
        }

        function test_plainOkChangesNothing(data) {
            testSupport.storeValue("units/transitionAltitude", data.transition);
            flightplan.setData(flightplan.index(1, 0), data.altitude + "ft", Waypoint.Altitude);
            flightplan.setData(flightplan.index(1, 0), data.ias + "kts", Waypoint.IndicatedAirSpeed);
            flightplan.setData(flightplan.index(1, 0), "note", Waypoint.Comment);
            flightplan.setData(flightplan.index(2, 0), data.next + "ft", Waypoint.Altitude);
            if (data.autocompute) {
                settingsFlightplan.autocompute = true;
                testSupport.storeValue("flightplan/autocompute", true);
                flightplan.computeProfile();
            }
            const waypoint = flightplan.waypoints[1];
            const before = [waypoint.altitude, waypoint.ias, flightplan.duration];
            edited.clear();
            openWaypoint(1, "XRTC");
            if (data.shown)
                compare([field("altitudeField").text, field("speedField").text], data.shown);
            mouseClick(findChild(dialog.footer, "okButton"));
            tryVerify(() => !dialog.visible);
            const after = flightplan.waypoints[1];
            compare([after.altitude, after.ias, flightplan.duration], before);
            compare(value(1, Waypoint.Comment), "note");
            compare(edited.count, 0);
        }

        function test_autocomputeKeepsAltitudeAndSpeed() {
            flightplan.setData(flightplan.index(1, 0), "FL100", Waypoint.Altitude);
            settingsFlightplan.autocompute = true;
            openWaypoint(1, "XRTC");
            verify(!field("altitudeField").enabled);
            verify(!field("speedField").enabled);
            type(field("commentField"), "note");
            keyClick(Qt.Key_Return);
            tryVerify(() => !dialog.visible);
            compare(value(1, Waypoint.Altitude), "FL100");
            compare(value(1, Waypoint.Comment), "note");
        }

        // The field is labelled UTC: it shows and reads UTC whatever the machine's zone (the
        // suite also runs under TZ=Asia/Kathmandu, UTC+05:45).
        function test_departureTimeInUtc_data() {
            return [
                { tag: "valid", typed: "2026-12-08 06:15", expected: Date.UTC(2026, 11, 8, 6, 15) },
                { tag: "around midnight", typed: "2027-01-01 23:50", expected: Date.UTC(2027, 0, 1, 23, 50) },
                { tag: "month 13", typed: "2026-13-01 10:00", expected: Date.UTC(2026, 11, 7, 14, 30) },
                { tag: "30 February", typed: "2027-02-30 10:00", expected: Date.UTC(2026, 11, 7, 14, 30) },
                { tag: "half typed", typed: "2026-12-0", expected: Date.UTC(2026, 11, 7, 14, 30) }
            ];
        }

        function test_departureTimeInUtc(data) {
            flightplan.general.departuretime = new Date(Date.UTC(2026, 11, 7, 14, 30));
            dialog = createTemporaryObject(flightInfoComponent, window);
            dialog.open();
            tryVerify(() => dialog.opened);
            compare(field("departureField").text, "2026-12-07 14:30");
            type(field("departureField"), data.typed);
            compare(field("departureField").text, data.typed);
            compare(flightplan.general.departuretime.getTime(), data.expected);
        }

        function test_flightInfoWritesBackAndCloseMarksEdited() {
            flightplan.general.sequence = 1;
            edited.clear();
            dialog = createTemporaryObject(flightInfoComponent, window);
            dialog.open();
            tryVerify(() => dialog.opened);
            type(field("picField"), "Jane");
            type(field("alternateField"), "XRTC");
            field("sequenceBox").increase();
            field("sequenceBox").contentItem.forceActiveFocus();
            field("sequenceBox").contentItem.text = "";
            keyClick(Qt.Key_Return);
            compare(flightplan.general.pic, "Jane");
            compare(flightplan.general.alternate, "XRTC");
            compare(flightplan.general.sequence, 2, "an emptied box keeps its value");
            compare(edited.count, 0);
            dialog.accept();
            compare(edited.count, 1);
        }
    }
}
