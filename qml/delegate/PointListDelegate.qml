import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Waylore.Ui
import Waylore.Ui as Ui

// One point of the point list: select with a click, add to the plan with a double click or the
// button, the point's menu with a right click.
ItemDelegate {
    id: row

    // The roles are read from the row's context, where the point menu reads them too: a
    // required property would take them out of it.
    readonly property int listRow: index
    readonly property string uid: role_uid
    // Asked of the plan at each change of it: searching the list of the plan's UIDs from here
    // would read the whole list again for every element it compares.
    readonly property bool inPlan: flightplan.count >= 0 && flightplan.contains(uid)

    width: ListView.view ? ListView.view.width : implicitWidth
    height: 40
    highlighted: ism.currentListRow === row.listRow
    focusPolicy: Qt.NoFocus

    contentItem: RowLayout {
        spacing: 5

        TintedImage {
            Layout.preferredWidth: FontAwesome.iconSize
            Layout.preferredHeight: FontAwesome.iconSize
            sourceSize.width: FontAwesome.iconSize
            sourceSize.height: FontAwesome.iconSize
            source: role_icon
            color: Material.primaryTextColor
        }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignLeft
            text: role_list_text
            elide: Text.ElideRight
        }
    }

    MouseArea {
        id: rowArea

        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        hoverEnabled: true
        onClicked: mouse => {
            if (mouse.button === Qt.RightButton)
                menuLoader.popup(mouse.x, mouse.y);
            else
                ism.selectFromList(row.listRow);
        }
        onDoubleClicked: mouse => {
            if (mouse.button === Qt.LeftButton)
                flightplan.add(row.uid);
        }

        NestedButton {
            objectName: "planButton"
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            visible: gate.open
            source: row.inPlan ? "qrc:/fa/solid/circle-minus.svg" : "qrc:/fa/solid/circle-plus.svg"
            onClicked: {
                if (row.inPlan)
                    flightplan.remove(row.uid);
                else
                    flightplan.add(row.uid);
            }
        }
    }
    // The button shows only where the pilot sees the row, and under no question.
    Ui.HoverGate {
        id: gate

        item: rowArea
        hovered: rowArea.containsMouse
    }
    MenuLoader {
        id: menuLoader

        objectName: "menuLoader"
        sourceComponent: PointContextMenu {
        }
    }
}
