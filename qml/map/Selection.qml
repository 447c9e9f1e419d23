import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects

// The marker of the selected point: a compass rose whose rings carry their radius in nautical
// miles at the current zoom, and a pulse when the marker appears. The item's origin is the
// selected point.
Item {
    id: selection

    // The outer ring's radius measured on the ground at the marker itself: along the top edge
    // of the view the Mercator scale is another one, and off the map there is no scale at all.
    // A measure that cannot be taken keeps the labels as they were.
    function updateDistance() {
        if (typeof map === "undefined" || !map)
            return;
        const origin = selection.mapToItem(map, 0, 0);
        const p0 = map.toCoordinate(origin, false);
        const p1 = map.toCoordinate(Qt.point(origin.x + 0.99 * compass.width / 2, origin.y), false);
        if (!p0.isValid || !p1.isValid)
            return;
        const metres = p0.distanceTo(p1);
        if (!isFinite(metres) || metres <= 0)
            return;
        const texts = ringTexts([unit.convertMeterToNm(metres), unit.convertMeterToNm(metres * 2 / 3),
                                 unit.convertMeterToNm(metres / 3)]);
        distanceLarge.text = texts[0];
        distanceMedium.text = texts[1];
        distanceSmall.text = texts[2];
    }

    // One decimal below 10 nm, whole miles above; close in, where the rings lie a few hundredths
    // of a mile apart, as many more decimals (up to three) as it takes for rings that differ to
    // read differently.
    function ringTexts(radii) {
        const locale = Qt.locale(translationManager.activeLanguage);
        let texts = [];
        for (let decimals = 1; decimals <= 3; ++decimals) {
            texts = radii.map(nm => qsTr("%1nm").arg(Number(nm).toLocaleString(locale, 'f', nm < 10 ? decimals : 0)));
            if (new Set(texts).size === texts.length)
                break;
        }
        return texts;
    }

    Item {
        id: rose

        anchors.centerIn: parent
        width: compass.width
        height: compass.height
        visible: false

        Image {
            id: compass

            source: "qrc:/icon/compass.svg"
        }
        RingLabel {
            id: distanceLarge

            objectName: "distanceLarge"
            y: 10
        }
        RingLabel {
            id: distanceMedium

            objectName: "distanceMedium"
            y: 71
        }
        RingLabel {
            id: distanceSmall

            objectName: "distanceSmall"
            y: 133
        }
    }
    ColorOverlay {
        anchors.fill: rose
        source: rose
        color: theme.color("selection")
    }
    Rectangle {
        id: pulse

        anchors.centerIn: parent
        width: 20
        height: 20
        radius: 10
        color: theme.color("selection")
        opacity: 0
    }
    ParallelAnimation {
        running: selection.parent && selection.parent.visible

        SequentialAnimation {
            NumberAnimation {
                target: pulse
                property: "opacity"
                to: 1
                duration: 10
            }
            NumberAnimation {
                target: pulse
                property: "opacity"
                to: 0
                duration: 490
            }
        }
        NumberAnimation {
            target: pulse
            properties: "width,height,radius"
            to: 0
            duration: 500
        }
    }

    // Only a zoom changes the scale at the marker: a pan leaves the labels alone.
    Connections {
        target: typeof map === "undefined" ? null : map

        function onZoomLevelChanged() {
            selection.updateDistance();
        }
    }

    component RingLabel: Label {
        anchors.horizontalCenter: parent.horizontalCenter
        text: "0nm"
        font.family: theme.fontFamily("selectionlabel")
        font.pointSize: theme.fontSize("selectionlabel") * 0.85
    }

    Component.onCompleted: {
        updateDistance();
        // The holder places the marker once it is complete: measure again where it stands.
        // Qt 6.4's linter takes Qt.callLater for a property that may not be callable.
        Qt.callLater(updateDistance); // qmllint disable type
    }
}
