import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The flight plan's airplane, load factor, cruise level and cruise speed, edited in place.
GridLayout {
    id: helper

    columns: 2
    anchors.fill: parent

    Label {
        text: qsTr("Airplane")
    }
    RowLayout {
        ComboBox {
            id: airplaneBox

            objectName: "airplaneBox"
            Layout.fillWidth: true
            model: airplanes
            textRole: "decoration"
            currentIndex: airplanes.currentIndex
            onActivated: index => {
                airplanes.currentIndex = index;
                flightplan.general.cruiselvl = airplanes.current.ceilinglvl;
                flightplan.general.cruisetas = airplanes.current.maxcruisetas;
            }
        }
        Button {
            objectName: "moreButton"
            text: qsTr("More...")
            onClicked: airplaneDialog.open()
        }
        ColumnLayout {
            Layout.leftMargin: Size.extraMargin
            spacing: -16

            Label {
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Load factor %1%").arg(flightplan.weight.loadfactor)
            }
            Slider {
                id: loadFactorSlider

                objectName: "loadFactorSlider"
                Layout.preferredWidth: 120
                from: 0
                to: 100
                stepSize: 5
                snapMode: Slider.SnapAlways
                value: flightplan.weight.loadfactor
                onMoved: flightplan.weight.loadfactor = value

                CustomToolTip {
                    text: qsTr("Load factor (percentage) utilizing available passenger or cargo capacity")
                    visible: loadFactorSlider.hovered
                }
            }
        }
    }

    Label {
        text: qsTr("Cruise")
    }
    RowLayout {
        UnitSpinBox {
            id: levelBox

            objectName: "levelBox"
            editable: true
            prefix: "FL"
            from: constants.minAlt
            to: airplanes.current ? airplanes.current.ceilinglvl : constants.minAlt
            stepSize: 10
            value: flightplan.general.cruiselvl
            onValueModified: flightplan.general.cruiselvl = value

            CustomToolTip {
                text: qsTr("Cruise flight level")
                visible: levelBox.hovered
            }
        }
        Label {
            Layout.leftMargin: Size.extraMargin
            text: qsTr("TAS")
        }
        UnitSpinBox {
            id: speedBox

            objectName: "speedBox"
            editable: true
            unit: qsTranslate("AirplaneDialog", "kts")
            from: constants.minAsKts
            to: constants.maxAsKts
            stepSize: 10
            value: flightplan.general.cruisetas
            onValueModified: flightplan.general.cruisetas = value

            CustomToolTip {
                text: qsTr("Cruise True Air Speed")
                visible: speedBox.hovered
            }
        }
        AirSpeedHelper {
            objectName: "airSpeed"
            Layout.leftMargin: Size.extraMargin
            cruisetas: speedBox.value
            cruiselvl: levelBox.value
        }
    }
}
