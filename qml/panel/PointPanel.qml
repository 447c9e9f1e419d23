import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui
import Corvel.Point as CorvelPoint

// The search over the navigation points: text and type filters, the matching points, a count.
Panel {
    id: pointPanel

    property alias search: searchField
    readonly property alias list: pointList

    // Hands the keyboard focus back to the row, so that letter shortcuts reach the window.
    function leaveSearch() {
        searchRow.forceActiveFocus();
    }

    title: qsTr("Points")
    icon: "qrc:/fa/solid/database.svg"

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            id: searchRow

            Layout.fillWidth: true

            IconButton {
                source: "qrc:/fa/solid/magnifying-glass.svg"
                enabled: false
            }
            TextField {
                id: searchField

                objectName: "searchField"
                Layout.fillWidth: true
                placeholderText: qsTr("Search (min 2 chars)...")
                // One character matches too much to be worth a filter: the previous one stays.
                onTextChanged: {
                    ism.clear();
                    if (text.length >= 2)
                        pointListModel.setTextFilter(text);
                    else if (text.length === 0)
                        pointListModel.setTextFilter("");
                }
                Keys.onEscapePressed: {
                    clear();
                    pointPanel.leaveSearch();
                }
                Keys.onReturnPressed: {
                    ism.selectFromList(0);
                    pointPanel.leaveSearch();
                }
                Keys.onEnterPressed: {
                    ism.selectFromList(0);
                    pointPanel.leaveSearch();
                }
            }
            IconButton {
                objectName: "clearButton"
                source: "qrc:/fa/solid/ban.svg"
                tooltip: qsTr("Clear search")
                enabled: searchField.text !== ""
                onClicked: {
                    searchField.clear();
                    pointPanel.leaveSearch();
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true

            CheckBox {
                objectName: "airportBox"
                text: qsTr("APT")
                checked: true
                onCheckedChanged: pointListModel.setTypeFilter(checked, CorvelPoint.Point.AIRP)
            }
            CheckBox {
                objectName: "ndbBox"
                text: qsTr("NDB")
                checked: true
                onCheckedChanged: pointListModel.setTypeFilter(checked, CorvelPoint.Point.NDB)
            }
            CheckBox {
                objectName: "vordmeBox"
                text: qsTr("VOR/DME")
                checked: true
                onCheckedChanged: {
                    pointListModel.setTypeFilter(checked, CorvelPoint.Point.VOR);
                    pointListModel.setTypeFilter(checked, CorvelPoint.Point.DME);
                }
            }
            CheckBox {
                objectName: "fixBox"
                text: qsTr("FIX")
                checked: false
                onCheckedChanged: pointListModel.setTypeFilter(checked, CorvelPoint.Point.FIX)
            }
        }
        ListView {
            id: pointList

            objectName: "pointList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: pointListModel
            currentIndex: ism.currentListRow
            highlightMoveDuration: 10
            ScrollBar.vertical: ScrollBar {
            }
            delegate: PointListDelegate {
            }
        }
        Label {
            objectName: "countLabel"
            padding: 6
            text: qsTr("%1 points filtered").arg(pointList.count)
        }
    }
}
