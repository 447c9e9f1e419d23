import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Dialogs
import QtQuick.Layouts
import Qt.labs.platform as Platform
import Waylore.Ui

// Editor of the airplane performance profiles. The controls of the tabs hold the fields of one
// row (previousIndex) between its load and its save; the list model converts between the
// display units shown here and the stored ones.
Dialog {
    id: dialog

    component ListButton: IconButton {
        focusPolicy: Qt.StrongFocus
    }

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
    // What the fuel boxes of the loaded row stand for (AirplaneFields.fuelShown).
    property var loadedFuel: null
    // The largest figures of the mass and fuel boxes in the units they show (AirplaneFields.tops):
    // read again with the unit texts and for each fuel or unit type picked, before the values they
    // bound. Pounds bound by the kilograms' figure would hold an airliner to half its weight.
    property var tops: ({
            "weight": constants.maxWeight,
            "cargo": constants.maxCargo,
            "fuel": constants.maxFuel
        })

    // Where the last open, save as or airplane file ended, as the file manager keeps it: a
    // settings object of this dialog's own would hold the folder of the program's start.
    function startFolder() {
        return fileManager.startFolder();
    }

    function loadFieldsForAirplane(row) {
        if (row < 0)
            return;
        console.log("Airplane dialog loading fields for", row);
        // The unit texts before the values: each box shows its value with the unit it is in.
        massUnitText = unit.massUnitToString();
        fuelUnitText = unit.fuelUnitToString(airplanes.get("unittype", row));
        tops = AirplaneFields.tops(unit, constants, airplanes.get("fueltype", row), airplanes.get("unittype", row));
        loadedFuel = AirplaneFields.load(airplanes, row, controls);
        // Remembered so that this load itself converts nothing.
        fuelUnitIndex = controls.unittype.currentIndex;
    }

    function saveFieldsForAirplane(row, emitChanged) {
        if (row < 0)
            return;
        console.log("Airplane dialog saving fields for", row);
        AirplaneFields.save(airplanes, row, controls, emitChanged, unit, loadedFuel);
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
        const picked = AirplaneFields.tops(unit, constants, controls.fueltype.currentIndex, index);
        // No box is held to the other unit's top while it converts.
        tops = Object.assign({}, tops, {
                "fuel": Math.max(tops.fuel, picked.fuel)
            });
        AirplaneFields.convertFuelControls(unit, controls, loadedFuel, from, index);
        tops = picked;
    }

    title: qsTr("Manage airplanes")
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    closePolicy: Popup.CloseOnEscape
    Component.onCompleted: controls = AirplaneFields.controlsByRole([generalTab, performanceTab, fuelTab, identificationTab])
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

    // The platform's file dialogs, as the document's: the export says Save and keeps a typed
    // name. They start in the last folder, or the documents folder, made when it is missing.
    PlatformFileDialog {
        id: importDialog

        function show() {
            folder = Utility.pathToUrl(dialog.startFolder());
            open();
        }

        title: qsTr("Import an airplane from file")
        fileMode: Platform.FileDialog.OpenFile
        nameFilters: [qsTr("Airplane files") + " (*.apxml)"]
        onAccepted: {
            fileManager.rememberFolder(Utility.urlToPath(file));
            dialog.importAirplane(Utility.urlToPath(file));
        }
    }

    SaveFileDialog {
        id: exportDialog

        function show() {
            propose(dialog.startFolder(), generalTab.icao + ".apxml");
            openProposed();
        }

        title: qsTr("Export the selected airplane to file")
        nameFilters: [qsTr("Airplane files") + " (*.apxml)", qsTr("All") + " (*)"]
        defaultSuffix: "apxml"
        onAccepted: {
            const path = chosenPath();
            replaceIfAgreed(path, () => {
                fileManager.rememberFolder(path);
                dialog.exportAirplane(path);
            });
        }
    }

    MessageDialog {
        id: errorBox

        // Titled: the style sets an untitled message's text flush against its top edge.
        title: Qt.application.name
        text: qsTr("Error during import/export")
        // Qt 6.4's linter does not see the buttons MessageDialog takes over from the platform dialog helper.
        buttons: MessageDialog.Ok // qmllint disable type
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
                // Tab reaches the list, and the arrow keys choose in it, as a click does.
                activeFocusOnTab: true
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: airplanes
                onCurrentIndexChanged: dialog.rowChanged()

                ScrollBar.vertical: ScrollBar {
                    policy: ScrollBar.AlwaysOn
                }
                // The current row is always shaded: a frame over it says that the keys reach it.
                highlight: Rectangle {
                    z: 2
                    color: "transparent"
                    border.color: Material.accent
                    border.width: 2
                    visible: airplaneList.activeFocus
                }
                highlightMoveDuration: 0
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
                // The list's buttons are the only way to add or swap an airplane: unlike the
                // window's tool buttons, they take the focus, so that Tab reaches them.
                ListButton {
                    objectName: "addButton"
                    source: "qrc:/fa/solid/plus.svg"
                    tooltip: qsTr("Create a new empty airplane")
                    onClicked: dialog.addAirplane()
                }
                ListButton {
                    objectName: "removeButton"
                    source: "qrc:/fa/solid/minus.svg"
                    tooltip: qsTr("Remove the selected airplane")
                    enabled: dialog.canRemove
                    onClicked: dialog.removeAirplane()
                }
                ListButton {
                    objectName: "importButton"
                    source: "qrc:/fa/solid/file-import.svg"
                    tooltip: qsTr("Import an airplane from file")
                    onClicked: importDialog.show()
                }
                ListButton {
                    objectName: "exportButton"
                    source: "qrc:/fa/solid/file-export.svg"
                    tooltip: qsTr("Export the selected airplane to file")
                    enabled: airplaneList.currentIndex >= 0
                    onClicked: exportDialog.show()
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

                objectName: "tabBar"
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
                Layout.fillWidth: true
                Layout.fillHeight: true
                currentIndex: tabBar.currentIndex

                AirplaneGeneralTab {
                    id: generalTab

                    spinWidth: dialog.spinWidth
                    textWidth: dialog.textWidth
                    massUnitText: dialog.massUnitText
                    tops: dialog.tops
                }
                AirplanePerformanceTab {
                    id: performanceTab

                    spinWidth: dialog.spinWidth
                }
                AirplaneFuelTab {
                    id: fuelTab

                    spinWidth: dialog.spinWidth
                    fuelUnitText: dialog.fuelUnitText
                    tops: dialog.tops
                    onUnitPicked: index => dialog.convertFuelUnitFields(index)
                    // The shown figures stay, and stand for the kilograms of the picked fuel.
                    onFuelPicked: index => dialog.tops = AirplaneFields.tops(unit, constants, index, dialog.fuelUnitIndex)
                }
                AirplaneIdentificationTab {
                    id: identificationTab

                    textWidth: dialog.textWidth
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            text: qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox declares.
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole // qmllint disable type
        }
    }
}
