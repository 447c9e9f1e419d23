import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The airplane editor's "Fuel" tab: flows, reserves and the tank. The quantities show in the
// unit the dialog gives; picking another unit type is the dialog's to convert.
// Its texts are translated as the dialog's own: the tab is a part of the dialog.
GridLayout {
    id: tab

    required property int spinWidth
    required property string fuelUnitText
    // The largest figure of its fuel boxes in the unit they show.
    required property var tops

    signal unitPicked(int index)
    signal fuelPicked(int index)

    component SpinRole: AirplaneSpinBox {
        Layout.preferredWidth: tab.spinWidth
    }
    component FuelRole: SpinRole {
        property bool flow: false

        unit: tab.fuelUnitText + (flow ? qsTranslate("AirplaneDialog", "/h") : "")
        from: 0
        to: tab.tops.fuel
        stepSize: flow ? 10 : 5
    }
    component IndexRole: ComboBox {
        required property string role

        Layout.preferredWidth: tab.spinWidth
    }

    columns: 2

    GroupBox {
        title: qsTranslate("AirplaneDialog", "Operational fuel")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Taxi")
            }
            FuelRole {
                objectName: "taxiBox"
                role: "taxifuel"
                tip: qsTranslate("AirplaneDialog", "Burned fuel during taxi")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Climb flow")
            }
            FuelRole {
                role: "climbfuel"
                flow: true
                tip: qsTranslate("AirplaneDialog", "Burned fuel per hour during climb")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Cruise flow")
            }
            FuelRole {
                objectName: "cruiseFuelBox"
                role: "cruisefuel"
                flow: true
                tip: qsTranslate("AirplaneDialog", "Burned fuel per hour during cruise")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Descent flow")
            }
            FuelRole {
                role: "descentfuel"
                flow: true
                tip: qsTranslate("AirplaneDialog", "Burned fuel per hour during descent")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Additional fuel")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Alternate flow")
            }
            FuelRole {
                role: "alternatefuel"
                flow: true
                tip: qsTranslate("AirplaneDialog", "Burned fuel per hour to reach alternate airport from the missed approach point")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Contingency")
            }
            SpinRole {
                role: "contingencyfuel"
                unit: qsTranslate("AirplaneDialog", "%")
                from: 0
                to: 100
                stepSize: 5
                tip: qsTranslate("AirplaneDialog", "Contingency fuel: additional en-route fuel consumption caused by wind or routing changes.")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Extra reserve")
            }
            FuelRole {
                role: "extrafuel"
                tip: qsTranslate("AirplaneDialog", "Fuel added at the discretion of the Captain or the dispatcher")
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Final reserve")
            }
            SpinRole {
                role: "finalfuel"
                unit: qsTranslate("AirplaneDialog", "min")
                from: 0
                to: 240
                stepSize: 5
                tip: qsTranslate("AirplaneDialog", "Final reserve fuel is the minimum fuel required to fly for 30 minutes")
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Tank")
        Layout.alignment: Qt.AlignTop

        GridLayout {
            columns: 2

            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Type")
            }
            IndexRole {
                objectName: "fuelTypeBox"
                role: "fueltype"
                model: unit.fuelTypeStrings
                onActivated: index => tab.fuelPicked(index)
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Unit")
            }
            IndexRole {
                objectName: "fuelUnitBox"
                role: "unittype"
                // The unit types' names as the pilot reads them; the index is the stored code.
                model: [qsTranslate("AirplaneDialog", "Mass"), qsTranslate("AirplaneDialog", "Volume")]
                onActivated: index => tab.unitPicked(index)
            }
            AirplaneLabel {
                text: qsTranslate("AirplaneDialog", "Fuel capacity")
            }
            FuelRole {
                objectName: "capacityBox"
                role: "fuelcapacity"
                tip: qsTranslate("AirplaneDialog", "Total capacity of the airplane tanks")
            }
        }
    }
}
