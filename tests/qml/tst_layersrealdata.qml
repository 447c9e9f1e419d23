import QtQuick
import QtPositioning
import QtTest
import Corvel.Map
import Waylore.MapLayers

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

        // The airport at the view centre (400, 300) shows its details at zoom 9; under the
        // pointer it gets an item with its roles.
        function test_airport() {
            show("Point", pointMapModel, 9);
            tryVerify(() => subject.count === pointMapModel.rowCount() && subject.count > 0);
            mouseMove(host, 400, 300);
            tryVerify(() => subject.hoveredRow >= 0);
            const airport = subject.itemAt(subject.hoveredRow);
            compare([airport.role_code, airport.role_icon, airport.role_text_offset, airport.minZoomDetails], ["XRTA", "qrc:/icon/airp.svg", 12, true]);
            compare(subject.shapeOf(subject.hoveredRow), MapPointLayer.Details);
            verify(findChild(airport.sourceItem, "basepoint").active);
            verify(airport.role_tooltip.indexOf("XRTA") >= 0);
            mouseMove(host, 5, 5);
        }
    }
}
