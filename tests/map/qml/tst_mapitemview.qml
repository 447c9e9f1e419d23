import QtQuick
import QtPositioning
import QtTest
import Corvel.Map

Item {
    id: root
    width: 400
    height: 300

    ListModel {
        id: places
        ListElement { lat: 10; lon: 10 }
        ListElement { lat: 20; lon: 20 }
        ListElement { lat: 30; lon: 30 }
    }

    Map {
        id: map
        anchors.fill: parent
        plugin: Plugin { name: "itemsoverlay" }
        zoomLevel: 3

        MapItemView {
            id: plain
            model: places
            delegate: MapQuickItem {
                property int row: index
                coordinate: QtPositioning.coordinate(lat, lon)
                sourceItem: Rectangle { width: 8; height: 8; color: "red" }
            }
        }

        // Required properties instead of context names.
        MapItemView {
            id: required
            model: places
            delegate: MapQuickItem {
                required property real lat
                required property real lon
                required property int index
                coordinate: QtPositioning.coordinate(lat, lon)
            }
        }

        // Two views inside a view, both over the outer view's model.
        MapItemView {
            id: outer
            model: places
            MapItemView { id: innerLines; model: outer.model; delegate: MapPolyline { path: [QtPositioning.coordinate(lat, lon), QtPositioning.coordinate(lat + 1, lon)] } }
            MapItemView { id: innerPoints; model: outer.model; delegate: MapQuickItem { coordinate: QtPositioning.coordinate(lat, lon) } }
        }

        // A view inside each delegate, over the same model: rows x rows items.
        MapItemView {
            id: nesting
            model: places
            delegate: MapItemGroup {
                property alias inner: innerView
                MapItemView {
                    id: innerView
                    model: nesting.model
                    delegate: MapQuickItem { coordinate: QtPositioning.coordinate(lat, lon) }
                }
            }
        }

        MapItemView {
            id: reusing
            model: places
            reuseItems: true
            delegate: MapQuickItem {
                required property real lat
                required property real lon
                coordinate: QtPositioning.coordinate(lat, lon)
                sourceItem: Item {}
            }
        }

        MapItemView {
            id: reusingContext
            model: places
            reuseItems: true
            delegate: MapQuickItem { property int row: index; coordinate: QtPositioning.coordinate(lat, lon) }
        }

        MapItemView {
            id: faded
            model: places
            add: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 300 } }
            remove: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 300 } }
            delegate: MapQuickItem { coordinate: QtPositioning.coordinate(lat, lon) }
        }
    }

    MapItemView {
        id: resettable
        model: resettingModel
        delegate: MapQuickItem { property string text: display }
    }

    MapTestCase {
        name: "MapItemView"

        function cleanup() {
            places.clear()
            places.append({lat: 10, lon: 10})
            places.append({lat: 20, lon: 20})
            places.append({lat: 30, lon: 30})
        }

        function nestedCount() {
            let total = 0
            for (let i = 0; i < nesting.count; ++i)
                total += nesting.itemAt(i).inner.count
            return total
        }

        function test_countsFollowRows() {
            for (const view of [plain, required, innerLines, innerPoints, nesting])
                compare(view.count, 3, view.toString())
            compare(nestedCount(), 9)

            places.insert(0, {lat: 5, lon: 5})
            places.append({lat: 40, lon: 40})
            for (const view of [plain, required, innerLines, innerPoints, nesting])
                compare(view.count, 5)
            compare(nestedCount(), 25)

            places.remove(1, 3)
            for (const view of [plain, required, innerLines, innerPoints, nesting])
                compare(view.count, 2)
            compare(nestedCount(), 4)
            compare(plain.itemAt(1).coordinate.latitude, 40)
        }

        function test_indexFollowsShifts() {
            places.insert(0, {lat: 5, lon: 5})
            waitForItemPolished(plain)
            for (let i = 0; i < 4; ++i) {
                compare(plain.itemAt(i).row, i)
                compare(required.itemAt(i).index, i)
            }
            places.remove(0, 2)
            waitForItemPolished(plain)
            compare(plain.itemAt(0).row, 0)
            compare(plain.itemAt(0).coordinate.latitude, 20)
        }

        function test_dataChanges() {
            places.setProperty(2, "lat", 35)
            compare(plain.itemAt(2).coordinate.latitude, 35)
            compare(required.itemAt(2).coordinate.latitude, 35)
        }

        function test_reset() {
            resettingModel.reset(["a", "b"])
            compare(resettable.count, 2)
            compare(resettable.itemAt(1).text, "b")
            resettingModel.reset(["c", "d", "e", "f"])
            compare(resettable.count, 4)
            compare(resettable.itemAt(0).text, "c")
            resettingModel.reset([])
            compare(resettable.count, 0)
        }

        function test_reuse() {
            const kept = reusing.itemAt(2)
            const keptContext = reusingContext.itemAt(2)
            places.remove(2)
            // Kept out of sight meanwhile.
            verify(!kept.sourceItem.visible)
            places.insert(0, {lat: 5, lon: 6})
            // The delegate of the row that left serves the row that came, with its values.
            compare(reusing.itemAt(0), kept)
            compare(kept.coordinate.longitude, 6)
            verify(kept.sourceItem.visible)
            compare(reusingContext.itemAt(0), keptContext)
            compare(keptContext.coordinate.latitude, 5)
            compare(keptContext.row, 0)
            compare(reusing.count, 3)
            // Without reuse the delegates of rows that leave are gone.
            const gone = plain.itemAt(0)
            places.remove(0)
            verify(plain.itemAt(0) !== gone)
        }

        function test_transitions() {
            places.append({lat: 40, lon: 40})
            const added = faded.itemAt(3)
            verify(added.opacity < 0.5, "opacity " + added.opacity)
            tryCompare(added, "opacity", 1)

            const childrenBefore = faded.children.length
            places.remove(3)
            compare(faded.count, 3)
            // Still on the map while it fades, then gone.
            compare(faded.children.length, childrenBefore)
            tryVerify(() => faded.children.length === childrenBefore - 1)
        }
    }
}
