import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The airplane editor's "Performance" tab: cruise, then the speeds and rates of each phase.
// Its texts are translated as the dialog's own: the tab is a part of the dialog.
GridLayout {
    id: tab

    required property int spinWidth

    component SpinRole: AirplaneSpinBox {
        Layout.preferredWidth: tab.spinWidth
    }
    component SpeedRole: SpinRole {
        unit: qsTranslate("AirplaneDialog", "kts")
        from: constants.minAsKts
        to: constants.maxAsKts
        stepSize: 5
    }
    component RateRole: SpinRole {
        property bool descent: false

        unit: qsTranslate("AirplaneDialog", "ft/min")
        from: descent ? -constants.maxVs : constants.minVs
        to: descent ? -constants.minVs : constants.maxVs
        stepSize: 100
    }

    columns: 2

    GroupBox {
        title: qsTranslate("AirplaneDialog", "Cruise")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 3

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Ceiling")
            }
            SpinRole {
                id: ceilingBox

                role: "ceilinglvl"
                prefix: qsTranslate("AirplaneDialog", "FL")
                from: constants.minAlt
                to: constants.maxAlt
                stepSize: 10
                tip: qsTranslate("AirplaneDialog", "Maximum allowed cruise level")
            }
            AirSpeedHelper {
                Layout.rowSpan: 2
                cruisetas: maxTasBox.value
                cruiselvl: ceilingBox.value
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Maximum TAS")
            }
            SpeedRole {
                id: maxTasBox

                role: "maxcruisetas"
                stepSize: 10
                tip: qsTranslate("AirplaneDialog", "Maximal true air-speed at ceiling level")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Initial climb")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "IAS")
            }
            SpeedRole {
                role: "initialias"
                tip: qsTranslate("AirplaneDialog", "Indicated air-speed (IAS) for initial climb")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "ROC")
            }
            RateRole {
                role: "initialvs"
                tip: qsTranslate("AirplaneDialog", "Rate for initial climb")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Climb")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "IAS")
            }
            SpeedRole {
                role: "climbias"
                tip: qsTranslate("AirplaneDialog", "Indicated air-speed for climb")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "ROC")
            }
            RateRole {
                role: "climbvs"
                tip: qsTranslate("AirplaneDialog", "Rate of climb")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Descent")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "IAS")
            }
            SpeedRole {
                role: "descentias"
                tip: qsTranslate("AirplaneDialog", "Indicated air-speed for descent")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "ROD")
            }
            RateRole {
                objectName: "descentVsBox"
                role: "descentvs"
                descent: true
                tip: qsTranslate("AirplaneDialog", "Rate of descent")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Approach")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "IAS")
            }
            SpeedRole {
                role: "approachias"
                tip: qsTranslate("AirplaneDialog", "Indicated air-speed for approach")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "ROD")
            }
            RateRole {
                role: "approachvs"
                descent: true
                tip: qsTranslate("AirplaneDialog", "Rate of descent for approach")
            }
        }
    }
}
