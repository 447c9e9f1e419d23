import QtQuick
import QtPositioning
import QtTest

// The point and runway layers over the database's own map models, filled from the test
// simulator folder (airport XRTA at 20 S 60 E with runway 09/27, 45 m wide, asphalt; the VOR
// XRA nearby): the roles arrive under the names and in the types the layers declare.
LayerHost {
    id: host

    StrictTestCase {
        name: "LayersOverDatabaseModels"

        property var subject: null

        // The import warns of tracks it cannot resolve: before the tests watch for warnings.
        function initTestCase() {
            verify(testSupport.useNative("unit"));
            verify(testSupport.importTestSimulator());
        }

        function cleanup() {
            if (subject)
                subject.destroy();
            subject = null;
        }

        function filterAround(model, coordinate, zoom) {
            host.map.center = coordinate;
            host.map.zoomLevel = zoom;
            model.setGeoFilter(QtPositioning.rectangle(QtPositioning.coordinate(coordinate.latitude + 1, coordinate.longitude - 1),
                    QtPositioning.coordinate(coordinate.latitude - 1, coordinate.longitude + 1)), zoom);
        }

        function test_runway() {
            filterAround(runwayMapModel, QtPositioning.coordinate(-20, 60), 15);
            verify(runwayMapModel.rowCount() >= 1);
            subject = host.create("Runway");
            const edges = findChild(subject, "edge");
            tryVerify(() => edges.count >= 1);
            let row = -1;
            for (let i = 0; i < edges.count; ++i) {
                if (edges.itemAt(i).role_name.indexOf("09") >= 0)
                    row = i;
            }
            verify(row >= 0, "runway 09/27 of XRTA");
            const edge = edges.itemAt(row);
            compare(edge.path.length, 4);
            compare(edge.border.color, Qt.color("#f5f5f5"));
            compare(findChild(subject, "surface").itemAt(row).color, theme.color("asphalt"));
            const first = findChild(subject, "threshold1").itemAt(row);
            const second = findChild(subject, "threshold2").itemAt(row);
            verify(first.visible && second.visible);
            compare(first.sourceItem.code, "09");
            compare(second.sourceItem.code, "27");
            fuzzyCompare(first.sourceItem.rotation, 90, 0.5);
            compare(first.sourceItem.runwaywidth, 45);
            fuzzyCompare(first.coordinate.longitude, 59.984, 1e-6);
        }

        function test_points() {
            filterAround(pointMapModel, QtPositioning.coordinate(-20, 60), 9);
            verify(pointMapModel.rowCount() >= 1);
            subject = host.create("Point");
            tryCompare(subject, "count", pointMapModel.rowCount());
            let airport = null;
            for (let i = 0; i < subject.count; ++i) {
                if (subject.itemAt(i).role_code === "XRTA")
                    airport = subject.itemAt(i);
            }
            verify(airport, "XRTA among the points");
            compare(airport.role_icon, "qrc:/icon/airp.svg");
            compare(airport.role_text_offset, 12);
            // Airports show details from zoom 8.
            verify(airport.minZoomDetails);
            verify(findChild(airport.sourceItem, "basepoint").active);
            fuzzyCompare(airport.coordinate.latitude, -20, 0.1);
            verify(airport.role_tooltip.indexOf("XRTA") >= 0);
        }
    }
}
