import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui

// The bar at the foot of the side column: the AIRAC cycle and the map cursor position, and
// for a while each message.
Page {
    id: status

    required property string cycle
    required property string position
    readonly property color red: Material.theme === Material.Dark ? ThemeColor.redDark : ThemeColor.redLight
    // "standing" (cycle and position), "message" (timer running or held by the pointer) or
    // "fading"
    property string phase: "standing"
    readonly property alias text: label.text
    // What the line shows, which its colour follows through every change of the colour scheme:
    // "standing", "message" or "error".
    property string tone: "standing"

    function message(text, error) {
        fade.stop();
        header.opacity = 1.0;
        label.text = text;
        tone = error === true ? "error" : "message";
        icon.source = error === true ? "qrc:/fa/solid/triangle-exclamation.svg" : "qrc:/fa/solid/message.svg";
        phase = "message";
        if (headerHover.hovered)
            holdTimer.stop();
        else
            holdTimer.restart();
    }

    // A greeting covers no problem on show (the map's disk cache refused, told while the start
    // was under way): the problem's time starts again instead, now that the window is the pilot's.
    function greet(text) {
        if (tone === "error" && phase !== "standing")
            message(label.text, true);
        else
            message(text, false);
    }

    function showStanding() {
        if (phase !== "standing")
            return;
        tone = "standing";
        // The map writes the seconds with a point whatever the language; the points of a
        // coordinate text are those of its seconds alone.
        const shown = position.replace(/\./g, status.locale.decimalPoint); // qmllint disable type
        label.text = position === "" ? qsTr("AIRAC %1").arg(cycle) : qsTr("AIRAC %1").arg(cycle) + qsTr(" | %1").arg(shown);
    }

    SplitView.minimumHeight: header.implicitHeight
    SplitView.maximumHeight: header.implicitHeight
    onCycleChanged: showStanding()
    onPositionChanged: showStanding()
    onLocaleChanged: showStanding()

    background: Rectangle {
        color: Material.background
    }
    header: Pane {
        padding: 0
        background: null

        RowLayout {
            anchors.fill: parent
            spacing: 0

            TintedImage {
                id: icon

                objectName: "statusIcon"
                Layout.leftMargin: 16
                Layout.preferredWidth: FontAwesome.iconSize * 0.75
                Layout.preferredHeight: FontAwesome.iconSize * 0.75
                sourceSize.width: FontAwesome.iconSize * 0.75
                sourceSize.height: FontAwesome.iconSize * 0.75
                color: label.color
            }
            Label {
                id: label

                objectName: "statusLabel"
                Layout.fillWidth: true
                color: status.tone === "error" ? status.red : status.tone === "message" ? status.Material.accent : status.Material.primaryTextColor
                Layout.leftMargin: 6
                Layout.rightMargin: 6
                Layout.topMargin: 5
                Layout.bottomMargin: 5
                font.pointSize: Qt.platform.os === "osx" ? 12 : 9
                // A message longer than the column (the weather layers' notes) takes a second
                // line rather than losing its end; the bar grows with it.
                wrapMode: Text.Wrap
                maximumLineCount: 3
                elide: Text.ElideRight
            }
        }
        HoverHandler {
            id: headerHover

            onHoveredChanged: {
                if (status.phase !== "message")
                    return;
                if (hovered)
                    holdTimer.stop();
                else
                    holdTimer.restart();
            }
        }
        ToolTip {
            text: label.text
            visible: headerHover.hovered && label.text !== ""
        }
    }

    Timer {
        id: holdTimer

        interval: 5000
        onTriggered: {
            status.phase = "fading";
            fade.start();
        }
    }
    NumberAnimation {
        id: fade

        target: status.header
        property: "opacity"
        to: 0.0
        duration: 1000
        easing.type: Easing.OutQuad
        onFinished: {
            icon.source = "qrc:/fa/regular/message.svg";
            status.header.opacity = 1.0;
            status.phase = "standing";
            status.showStanding();
        }
    }

    Component.onCompleted: showStanding()
}
