import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Qt.labs.settings
import Waylore.Ui
import "../js/airplanefields.js" as AirplaneFields
import "../js/utility.js" as Utility

// Editor of the airplane performance profiles. The controls hold the fields of one row
// (previousIndex) between its load and its save; the list model converts between the display
// units shown here and the stored ones.
Dialog {
    id: dialog

    readonly property int spinWidth: 170
    readonly property int textWidth: spinWidth
    // The row whose values the controls hold; -1 for none.
    property int previousIndex: -1
    // Row changes of the list are followed only while the dialog is open: the sort on close
    // moves the current row without any edit to carry over.
    property bool tracking: false
    // The fuel unit type the fuel boxes show their values in.
    property int fuelUnitIndex: 0
    // The unit preferences carry no change signal: the texts are read at each load.
    property string massUnitText: unit.massUnitToString()
    property string fuelUnitText: unit.fuelUnitToString(0)
    readonly property alias currentRow: airplaneList.currentIndex
    // The list keeps at least one airplane: the flight plan always computes with one.
    readonly property bool canRemove: airplaneList.count > 1 && airplaneList.currentIndex >= 0

    // The field controls of the tabs by role name.
    property var controls: ({})

    function loadFieldsForAirplane(row) {
        if (row < 0)
            return;
        console.log("Airplane dialog loading fields for", row);
        massUnitText = unit.massUnitToString();
        AirplaneFields.load(airplanes, row, controls);
        // Remembered so that this load itself converts nothing.
        fuelUnitIndex = controls.unittype.currentIndex;
        fuelUnitText = unit.fuelUnitToString(fuelUnitIndex);
    }

    function saveFieldsForAirplane(row, emitChanged) {
        if (row < 0)
            return;
        console.log("Airplane dialog saving fields for", row);
        AirplaneFields.save(airplanes, row, controls, emitChanged);
    }

    function rowChanged() {
        if (!tracking)
            return;
        saveFieldsForAirplane(previousIndex, false);
        loadFieldsForAirplane(airplaneList.currentIndex);
        previousIndex = airplaneList.currentIndex;
    }

    // Shows a row whose predecessor's edits are already saved (or gone with it).
    function showRow(row) {
        previousIndex = -1;
        if (airplaneList.currentIndex === row)
            rowChanged();
        else
            airplaneList.currentIndex = row;
    }

    function addAirplane() {
        saveFieldsForAirplane(airplaneList.currentIndex, false);
        previousIndex = -1;
        showRow(airplanes.add());
    }

    function removeAirplane() {
        const row = airplaneList.currentIndex;
        // The view counts its rows at its next layout: the model's own count decides.
        if (row < 0 || airplanes.rowCount() <= 1)
            return;
        previousIndex = -1;
        airplanes.remove(row);
        showRow(row - 1);
    }

    function importAirplane(path) {
        saveFieldsForAirplane(airplaneList.currentIndex, false);
        previousIndex = -1;
        const row = airplanes.loadAirplaneFromFile(path);
        if (row < 0) {
            previousIndex = airplaneList.currentIndex;
            showError(airplanes.msgerror);
            return;
        }
        showRow(row);
    }

    // The file gets what the pilot sees: the edits in the controls are saved first.
    function exportAirplane(path) {
        saveFieldsForAirplane(airplaneList.currentIndex, false);
        if (!airplanes.saveAirplaneToFile(airplaneList.currentIndex, path))
            showError(airplanes.msgerror);
    }

    function showError(message) {
        errorBox.informativeText = message;
        errorBox.open();
    }

    // A unit-type change shows each fuel quantity anew in the picked type.
    function convertFuelUnitFields(index) {
        if (index === fuelUnitIndex)
            return;
        const from = fuelUnitIndex;
        fuelUnitIndex = index;
        fuelUnitText = unit.fuelUnitToString(index);
        AirplaneFields.convertFuelControls(unit, controls, controls.fueltype.currentIndex, from, index);
    }

    title: qsTr("Manage airplanes")
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    closePolicy: Popup.CloseOnEscape
    Component.onCompleted: controls = AirplaneFields.controlsByRole([tabStack])
    onAboutToShow: {
        tracking = true;
        showRow(airplanes.currentIndex);
    }
    onAboutToHide: {
        saveFieldsForAirplane(airplaneList.currentIndex, true);
        tracking = false;
        previousIndex = -1;
        airplanes.sortAlphabetically();
        airplanes.saveToSettings();
    }

    component FieldLabel: Label {
    }
    component TextRole: TextField {
        required property string role
        Layout.preferredWidth: dialog.textWidth
    }
    component SpinRole: UnitSpinBox {
        id: spin

        required property string role
        property string tip: ""

        editable: true
        Layout.preferredWidth: dialog.spinWidth

        CustomToolTip {
            text: spin.tip
            visible: spin.hovered && spin.tip !== ""
        }
    }
    component MassRole: SpinRole {
        unit: dialog.massUnitText
        from: 0
        to: constants.maxWeight
        stepSize: 1000
    }
    component FuelRole: SpinRole {
        property bool flow: false

        unit: dialog.fuelUnitText + (flow ? qsTr("/h") : "")
        from: 0
        to: constants.maxFuel
        stepSize: flow ? 10 : 5
    }
    component SpeedRole: SpinRole {
        unit: qsTr("kts")
        from: constants.minAsKts
        to: constants.maxAsKts
        stepSize: 5
    }
    component RateRole: SpinRole {
        property bool descent: false

        unit: qsTr("ft/min")
        from: descent ? -constants.maxVs : constants.minVs
        to: descent ? -constants.minVs : constants.maxVs
        stepSize: 100
    }
    component Link: Label {
        textFormat: Text.StyledText
        onLinkActivated: link => Qt.openUrlExternally(link)
    }

    Settings {
        id: documentSettings

        property string lastFolder

        category: "document"
    }

    Connections {
        function onChanged() {
            ga.sendEvent("setairplane", "/airplanes", "Airplanes", {
                "source": "airplane_helper",
                "airplane": airplanes.current.icao
            });
        }

        target: airplanes
    }

    PageViewTracker {
        location: "/airplanes"
        title: "Airplanes"
        opened: dialog.visible
    }

    FileDialog {
        id: importDialog

        title: qsTr("Import an airplane from file")
        fileMode: FileDialog.OpenFile
        nameFilters: [qsTr("Airplane files (*.apxml)")]
        currentFolder: Utility.pathToUrl(documentSettings.lastFolder)
        onAccepted: {
            documentSettings.lastFolder = Utility.urlToPath(currentFolder);
            dialog.importAirplane(Utility.urlToPath(selectedFile));
        }
    }

    FileDialog {
        id: exportDialog

        title: qsTr("Export the selected airplane to file")
        fileMode: FileDialog.SaveFile
        nameFilters: [qsTr("Airplane files (*.apxml)"), qsTr("All (*)")]
        currentFolder: Utility.pathToUrl(documentSettings.lastFolder)
        selectedFile: Utility.pathToUrl(documentSettings.lastFolder + "/" + icaoField.text + ".apxml")
        onAccepted: {
            documentSettings.lastFolder = Utility.urlToPath(currentFolder);
            dialog.exportAirplane(Utility.urlToPath(selectedFile));
        }
    }

    MessageDialog {
        id: errorBox

        text: qsTr("Error during import/export")
        buttons: MessageDialog.Ok
    }

    RowLayout {
        id: content

        anchors.fill: parent

        ColumnLayout {
            Layout.fillHeight: true

            Label {
                text: qsTr("Airplane list")
                font.bold: true
            }
            Item {
                Layout.preferredHeight: Size.extraMargin
            }
            ListView {
                id: airplaneList

                objectName: "airplaneList"
                Layout.preferredWidth: 200
                Layout.minimumHeight: 360
                Layout.fillHeight: true
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: airplanes
                onCurrentIndexChanged: dialog.rowChanged()

                ScrollBar.vertical: ScrollBar {
                    policy: ScrollBar.AlwaysOn
                }
                delegate: ItemDelegate {
                    required property int index
                    required property string decoration

                    width: ListView.view.width - 12
                    text: decoration
                    highlighted: ListView.isCurrentItem
                    onClicked: airplaneList.currentIndex = index
                }
            }
            RowLayout {
                IconButton {
                    objectName: "addButton"
                    source: "qrc:/fa/solid/plus.svg"
                    tooltip: qsTr("Create a new empty airplane")
                    onClicked: dialog.addAirplane()
                }
                IconButton {
                    objectName: "removeButton"
                    source: "qrc:/fa/solid/minus.svg"
                    tooltip: qsTr("Remove the selected airplane")
                    enabled: dialog.canRemove
                    onClicked: dialog.removeAirplane()
                }
                IconButton {
                    source: "qrc:/fa/solid/file-import.svg"
                    tooltip: qsTr("Import an airplane from file")
                    onClicked: importDialog.open()
                }
                IconButton {
                    source: "qrc:/fa/solid/file-export.svg"
                    tooltip: qsTr("Export the selected airplane to file")
                    enabled: airplaneList.currentIndex >= 0
                    onClicked: exportDialog.open()
                }
            }
        }

        ToolSeparator {
            Layout.fillHeight: true
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true

            TabBar {
                id: tabBar

                Layout.fillWidth: true

                TabButton {
                    text: qsTr("General")
                }
                TabButton {
                    text: qsTr("Performance")
                }
                TabButton {
                    text: qsTr("Fuel")
                }
                TabButton {
                    text: qsTr("Identification")
                }
            }
            Item {
                Layout.preferredHeight: Size.extraMargin
            }
            StackLayout {
                id: tabStack

                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: tabBar.currentIndex

                // General
                GridLayout {
                    columns: 2

                    GroupBox {
                        title: qsTr("General")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            TextRole {
                                id: icaoField

                                objectName: "icaoField"
                                role: "icao"
                                placeholderText: qsTr("ICAO")
                                Layout.preferredWidth: manufacturerLabel.implicitWidth
                            }
                            TextRole {
                                id: nameField

                                role: "name"
                                placeholderText: qsTr("Name")
                            }
                            FieldLabel {
                                id: manufacturerLabel

                                text: qsTr("Manufacturer")
                            }
                            TextRole {
                                id: manufacturerField

                                role: "manufacturer"
                            }
                            FieldLabel {
                                text: qsTr("Max passengers")
                            }
                            SpinRole {
                                id: maxPassengersBox

                                role: "maxpassengers"
                                from: 0
                                to: constants.maxPassengers
                                tip: qsTr("Maximum number of passengers in the airplane")
                            }
                            FieldLabel {
                                text: qsTr("Max cargo")
                            }
                            MassRole {
                                id: maxCargoBox

                                role: "maxcargo"
                                to: constants.maxCargo
                                tip: qsTr("Available cargo payload when the airplane contains all the passengers")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Weight")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Empty")
                            }
                            MassRole {
                                id: eowBox

                                objectName: "eowBox"
                                role: "eow"
                                tip: qsTr("Empty operational weight (OEW)")
                            }
                            FieldLabel {
                                text: qsTr("Max. zero-fuel")
                            }
                            MassRole {
                                id: mzfwBox

                                objectName: "mzfwBox"
                                role: "mzfw"
                                from: eowBox.value
                                tip: qsTr("Maximum weight without fuel (MZFW)")
                            }
                            FieldLabel {
                                text: qsTr("Max. takeoff")
                            }
                            MassRole {
                                id: mtowBox

                                objectName: "mtowBox"
                                role: "mtow"
                                from: mzfwBox.value
                                tip: qsTr("Maximum takeoff weight (MTOW)")
                            }
                            FieldLabel {
                                text: qsTr("Max. landing")
                            }
                            MassRole {
                                id: mlwBox

                                objectName: "mlwBox"
                                role: "mlw"
                                from: mzfwBox.value
                                tip: qsTr("Maximum landing weight (MLW)")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Takeoff")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("V2")
                            }
                            SpeedRole {
                                id: v2Box

                                role: "v2"
                                tip: qsTr("Takeoff safety speed (kts)")
                            }
                            FieldLabel {
                                text: qsTr("Distance")
                            }
                            SpinRole {
                                id: takeoffBox

                                role: "takeoffdistance"
                                unit: qsTr("m")
                                from: constants.minRwyLen
                                to: constants.maxRwyLen
                                stepSize: 100
                                tip: qsTr("Minimum runway length for takeoff (meters)")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Landing")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("VAT")
                            }
                            SpeedRole {
                                id: vatBox

                                role: "vat"
                                tip: qsTr("Indicated airspeed at the runway threshold (kts)")
                            }
                            FieldLabel {
                                text: qsTr("Distance")
                            }
                            SpinRole {
                                id: landingBox

                                role: "landingdistance"
                                unit: qsTr("m")
                                from: constants.minRwyLen
                                to: constants.maxRwyLen
                                stepSize: 100
                                tip: qsTr("Minimum runway length for landing (meters)")
                            }
                        }
                    }
                }

                // Performance
                GridLayout {
                    columns: 2

                    GroupBox {
                        title: qsTr("Cruise")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 3

                            FieldLabel {
                                text: qsTr("Ceiling")
                            }
                            SpinRole {
                                id: ceilingBox

                                role: "ceilinglvl"
                                prefix: qsTr("FL")
                                from: constants.minAlt
                                to: constants.maxAlt
                                stepSize: 10
                                tip: qsTr("Maximum allowed cruise level")
                            }
                            AirSpeedHelper {
                                Layout.rowSpan: 2
                                cruisetas: maxTasBox.value
                                cruiselvl: ceilingBox.value
                            }
                            FieldLabel {
                                text: qsTr("Maximum TAS")
                            }
                            SpeedRole {
                                id: maxTasBox

                                role: "maxcruisetas"
                                stepSize: 10
                                tip: qsTr("Maximal true air-speed at ceiling level")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Initial climb")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("IAS")
                            }
                            SpeedRole {
                                id: initialIasBox

                                role: "initialias"
                                tip: qsTr("Indicated air-speed (IAS) for initial climb")
                            }
                            FieldLabel {
                                text: qsTr("ROC")
                            }
                            RateRole {
                                id: initialVsBox

                                role: "initialvs"
                                tip: qsTr("Rate for initial climb")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Climb")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("IAS")
                            }
                            SpeedRole {
                                id: climbIasBox

                                role: "climbias"
                                tip: qsTr("Indicated air-speed for climb")
                            }
                            FieldLabel {
                                text: qsTr("ROC")
                            }
                            RateRole {
                                id: climbVsBox

                                role: "climbvs"
                                tip: qsTr("Rate of climb")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Descent")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("IAS")
                            }
                            SpeedRole {
                                id: descentIasBox

                                role: "descentias"
                                tip: qsTr("Indicated air-speed for descent")
                            }
                            FieldLabel {
                                text: qsTr("ROD")
                            }
                            RateRole {
                                id: descentVsBox

                                objectName: "descentVsBox"
                                role: "descentvs"
                                descent: true
                                tip: qsTr("Rate of descent")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Approach")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("IAS")
                            }
                            SpeedRole {
                                id: approachIasBox

                                role: "approachias"
                                tip: qsTr("Indicated air-speed for approach")
                            }
                            FieldLabel {
                                text: qsTr("ROD")
                            }
                            RateRole {
                                id: approachVsBox

                                role: "approachvs"
                                descent: true
                                tip: qsTr("Rate of descent for approach")
                            }
                        }
                    }
                }

                // Fuel
                GridLayout {
                    columns: 2

                    GroupBox {
                        title: qsTr("Operational fuel")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Taxi")
                            }
                            FuelRole {
                                id: taxiBox

                                objectName: "taxiBox"
                                role: "taxifuel"
                                tip: qsTr("Burned fuel during taxi")
                            }
                            FieldLabel {
                                text: qsTr("Climb flow")
                            }
                            FuelRole {
                                id: climbFuelBox

                                role: "climbfuel"
                                flow: true
                                tip: qsTr("Burned fuel per hour during climb")
                            }
                            FieldLabel {
                                text: qsTr("Cruise flow")
                            }
                            FuelRole {
                                id: cruiseFuelBox

                                objectName: "cruiseFuelBox"
                                role: "cruisefuel"
                                flow: true
                                tip: qsTr("Burned fuel per hour during cruise")
                            }
                            FieldLabel {
                                text: qsTr("Descent flow")
                            }
                            FuelRole {
                                id: descentFuelBox

                                role: "descentfuel"
                                flow: true
                                tip: qsTr("Burned fuel per hour during descent")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Additional fuel")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Alternate flow")
                            }
                            FuelRole {
                                id: alternateFuelBox

                                role: "alternatefuel"
                                flow: true
                                tip: qsTr("Burned fuel per hour to reach alternate airport from the missed approach point")
                            }
                            FieldLabel {
                                text: qsTr("Contingency")
                            }
                            SpinRole {
                                id: contingencyBox

                                role: "contingencyfuel"
                                unit: qsTr("%")
                                from: 0
                                to: 100
                                stepSize: 5
                                tip: qsTr("Contigency fuel additional enroute fuel consumption caused by wind or routing changes.")
                            }
                            FieldLabel {
                                text: qsTr("Extra reserve")
                            }
                            FuelRole {
                                id: extraBox

                                role: "extrafuel"
                                tip: qsTr("Fuel added at the discretion of the Captain or the dispatcher")
                            }
                            FieldLabel {
                                text: qsTr("Final reserve")
                            }
                            SpinRole {
                                id: finalBox

                                role: "finalfuel"
                                unit: qsTr("min")
                                from: 0
                                to: 240
                                stepSize: 5
                                tip: qsTr("Final reserve fuel is the minimum fuel required to fly for 30 minutes")
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Tank")
                        Layout.alignment: Qt.AlignTop

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Type")
                            }
                            ComboBox {
                                id: fuelTypeBox

                                readonly property string role: "fueltype"

                                objectName: "fuelTypeBox"
                                Layout.preferredWidth: dialog.spinWidth
                                model: unit.fuelTypeStrings
                            }
                            FieldLabel {
                                text: qsTr("Unit")
                            }
                            ComboBox {
                                id: fuelUnitBox

                                readonly property string role: "unittype"

                                objectName: "fuelUnitBox"
                                Layout.preferredWidth: dialog.spinWidth
                                model: unit.fuelUnitString
                                onActivated: index => dialog.convertFuelUnitFields(index)
                            }
                            FieldLabel {
                                text: qsTr("Fuel capacity")
                            }
                            FuelRole {
                                id: capacityBox

                                objectName: "capacityBox"
                                role: "fuelcapacity"
                                tip: qsTr("Total capacity of the airplane tanks")
                            }
                        }
                    }
                }

                // Identification
                ColumnLayout {
                    GroupBox {
                        title: qsTr("Registration")
                        Layout.fillWidth: true

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Airplane registration")
                            }
                            TextRole {
                                id: registrationField

                                role: "registration"
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("Equipments")
                        Layout.fillWidth: true

                        GridLayout {
                            columns: 2

                            FieldLabel {
                                text: qsTr("Airplane equipment")
                            }
                            TextRole {
                                id: equipmentField

                                role: "equipment"
                            }
                            FieldLabel {
                                text: qsTr("Transponder")
                            }
                            TextRole {
                                id: transponderField

                                role: "transponder"
                            }
                        }
                    }
                    GroupBox {
                        title: qsTr("More information")
                        Layout.fillWidth: true

                        ColumnLayout {
                            Link {
                                text: "<a href=\"https://en.wikipedia.org/wiki/Aircraft_registration\">"
                                      + qsTr("Aircraft registration") + "</a>"
                            }
                            Link {
                                text: "<a href=\"https://en.wikipedia.org/wiki/Flight_plan\">"
                                      + qsTr("Equipment codes") + "</a>"
                            }
                        }
                    }
                    Item {
                        Layout.fillHeight: true
                    }
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            text: qsTr("Close")
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
}
