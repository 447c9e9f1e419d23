import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The airplane editor's "General" tab: names, capacities, weights, takeoff and landing.
// Its texts are translated as the dialog's own: the tab is a part of the dialog.
GridLayout {
    id: tab

    required property int spinWidth
    required property int textWidth
    required property string massUnitText
    // The largest figures of its mass boxes in the unit they show.
    required property var tops
    readonly property alias icao: icaoField.text

    component TextRole: TextField {
        required property string role

        Layout.preferredWidth: tab.textWidth
    }
    component SpinRole: AirplaneSpinBox {
        Layout.preferredWidth: tab.spinWidth
    }
    component MassRole: SpinRole {
        unit: tab.massUnitText
        from: 0
        to: tab.tops.weight
        stepSize: 1000
    }
    component SpeedRole: SpinRole {
        unit: qsTranslate("AirplaneDialog", "kts")
        from: constants.minAsKts
        to: constants.maxAsKts
        stepSize: 5
    }
    component DistanceRole: SpinRole {
        unit: qsTranslate("AirplaneDialog", "m")
        from: constants.minRwyLen
        to: constants.maxRwyLen
        stepSize: 100
    }

    columns: 2

    GroupBox {
        title: qsTranslate("AirplaneDialog", "General")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            TextRole {
                id: icaoField

                objectName: "icaoField"
                role: "icao"
                placeholderText: qsTranslate("AirplaneDialog", "ICAO")
                Layout.preferredWidth: manufacturerLabel.implicitWidth
            }
            TextRole {
                role: "name"
                placeholderText: qsTranslate("AirplaneDialog", "Name")
            }
            AirplaneLabel {
                id: manufacturerLabel

                text: qsTranslate("AirplaneDialog", "Manufacturer")
            }
            TextRole {
                role: "manufacturer"
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Max passengers")
            }
            // A count, with no unit: read as every number box reads what is typed.
            UnitSpinBox {
                id: passengersBox

                readonly property string role: "maxpassengers"

                objectName: "passengersBox"
                Layout.preferredWidth: tab.spinWidth
                editable: true
                from: 0
                to: constants.maxPassengers

                CustomToolTip {
                    text: qsTranslate("AirplaneDialog", "Maximum number of passengers in the airplane")
                    visible: passengersBox.hovered
                }
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Max cargo")
            }
            MassRole {
                role: "maxcargo"
                to: tab.tops.cargo
                tip: qsTranslate("AirplaneDialog", "Available cargo payload when the airplane contains all the passengers")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Weight")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Empty")
            }
            MassRole {
                id: eowBox

                objectName: "eowBox"
                role: "eow"
                tip: qsTranslate("AirplaneDialog", "Empty operational weight (OEW)")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Max. zero-fuel")
            }
            MassRole {
                id: mzfwBox

                objectName: "mzfwBox"
                role: "mzfw"
                from: eowBox.value
                tip: qsTranslate("AirplaneDialog", "Maximum weight without fuel (MZFW)")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Max. takeoff")
            }
            MassRole {
                objectName: "mtowBox"
                role: "mtow"
                from: mzfwBox.value
                tip: qsTranslate("AirplaneDialog", "Maximum takeoff weight (MTOW)")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Max. landing")
            }
            MassRole {
                objectName: "mlwBox"
                role: "mlw"
                from: mzfwBox.value
                tip: qsTranslate("AirplaneDialog", "Maximum landing weight (MLW)")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Takeoff")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "V2")
            }
            SpeedRole {
                role: "v2"
                tip: qsTranslate("AirplaneDialog", "Takeoff safety speed (kts)")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Distance")
            }
            DistanceRole {
                role: "takeoffdistance"
                tip: qsTranslate("AirplaneDialog", "Minimum runway length for takeoff (meters)")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Landing")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "VAT")
            }
            SpeedRole {
                role: "vat"
                tip: qsTranslate("AirplaneDialog", "Indicated airspeed at the runway threshold (kts)")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Distance")
            }
            DistanceRole {
                role: "landingdistance"
                tip: qsTranslate("AirplaneDialog", "Minimum runway length for landing (meters)")
            }
        }
    }
}
