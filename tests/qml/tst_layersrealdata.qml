import QtQuick
import QtPositioning
import QtTest

// The point and runway layers over the database's own map models, filled from the test
// simulator folder (airport XRTA at 20 S 60 E, runway 09/27 45 m wide, asphalt): the roles
// arrive under the names and in the types the layers declare.
LayerHost {
    id: host

    StrictTestCase {
        property var subject: null

        function initTestCase() {
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator()); // warns of tracks it cannot resolve
        }

        function show(name, model, zoom) {
            host.map.center = QtPositioning.coordinate(-20, 60);
            host.map.zoomLevel = zoom;
            model.setGeoFilter(QtPositioning.rectangle(QtPositioning.coordinate(-19, 59), QtPositioning.coordinate(-21, 61)), zoom);
            subject = host.create(name);
        }

        function cleanup() {
            subject.destroy();
        }

        function test_runway() {
            show("Runway", runwayMapModel, 15);
            const edges = findChild(subject, "edge");
            tryVerify(() => edges.count === runwayMapModel.rowCount() && edges.count > 0);
            const row = [...Array(edges.count).keys()].find(i => edges.itemAt(i).role_name.indexOf("09") >= 0);
            compare([edges.itemAt(row).path.length, edges.itemAt(row).border.color], [4, Qt.color("#f5f5f5")]);
            const ends = [findChild(subject, "threshold1").itemAt(row), findChild(subject, "threshold2").itemAt(row)];
            compare(ends.map(end => end.visible && end.sourceItem.code), ["09", "27"]);
            compare(ends[0].sourceItem.runwaywidth, 45);
            fuzzyCompare(ends[0].sourceItem.rotation, 90, 0.5);
            fuzzyCompare(ends[0].coordinate.longitude, 59.984, 1e-6);
        }

        function test_airport() {
            show("Point", pointMapModel, 9);
            tryVerify(() => subject.count === pointMapModel.rowCount() && subject.count > 0);
            const airport = subject.itemAt([...Array(subject.count).keys()].find(i => subject.itemAt(i).role_code === "XRTA"));
            compare([airport.role_icon, airport.role_text_offset, airport.minZoomDetails], ["qrc:/icon/airp.svg", 12, true]);
            verify(findChild(airport.sourceItem, "basepoint").active);
            verify(airport.role_tooltip.indexOf("XRTA") >= 0);
        }
    }
}
