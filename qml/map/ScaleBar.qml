import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// The map scale in nautical miles: a checkered bar as long as the first round distance that
// spans more than 100 pixels, with that distance as its label.
Item {
    id: scaleBar

    required property real pixelPerNm
    property int segmentWidth: -1
    property int segmentHeight: 6
    property int maxCol: 4
    property int maxRow: 2
    property int padding: 0
    readonly property int size: (Qt.platform.os === "windows" ? 8 : 10) * preferencesDialog.fontSizePercent / 100
    readonly property var steps: [0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 15, 20, 25, 50, 75, 100, 150, 200, 250, 500,
        750, 1000, 1500, 2000, 5000, 7500]
    readonly property alias text: label.text

    // Too few pixels for even the longest step (or no scale at all): the bar stays as it was.
    function updateScale() {
        for (const distance of steps) {
            const width = pixelPerNm * distance;
            if (width > 100) {
                segmentWidth = width;
                const decimals = distance < 0.1 ? 2 : distance < 1 ? 1 : 0;
                label.text = qsTr("%1nm").arg(distance.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', decimals));
                row.forceLayout();
                return;
            }
        }
    }

    implicitWidth: row.width + 2 * padding
    implicitHeight: segmentHeight + 2 * padding
    onPixelPerNmChanged: updateScale()

    Row {
        id: row

        spacing: 4
        padding: scaleBar.padding

        Item {
            id: bar

            width: Math.max(0, scaleBar.segmentWidth)
            height: scaleBar.segmentHeight
            visible: scaleBar.segmentWidth > 0

            Column {
                Repeater {
                    model: scaleBar.maxRow

                    Row {
                        id: cellRow

                        required property int index

                        Repeater {
                            model: scaleBar.maxCol

                            Rectangle {
                                required property int index

                                width: bar.width / scaleBar.maxCol
                                height: bar.height / scaleBar.maxRow
                                color: (index + cellRow.index) % 2 === 1 ? Material.backgroundColor : Material.primaryTextColor
                            }
                        }
                    }
                }
            }
            Rectangle {
                anchors.fill: parent
                color: "transparent"
                border.color: Material.primaryTextColor
            }
        }
        Label {
            id: label

            objectName: "scaleLabel"
            color: Material.primaryTextColor
            font.pointSize: scaleBar.size
            topPadding: -scaleBar.size / 2 + (Qt.platform.os === "windows" ? 0 : 2)
        }
    }
}
