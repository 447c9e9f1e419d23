import QtQuick
import QtPositioning
import QtTest

LayerHost {
    id: host

    StrictTestCase {
        name: "MapLayersLoad"

        function test_load_data() {
            return ["Point", "Waypoint", "Route", "Segment", "ProcedureTransition", "Boundary", "Taxiway", "Runway",
                "Paintlight", "Taxiname", "Startup"].map(name => ({ tag: name, name: name }));
        }

        function test_load(data) {
            const layer = host.create(data.name);
            verify(layer);
            layer.destroy();
        }
    }
}
