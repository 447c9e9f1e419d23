import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Qt.labs.platform as Platform
import Qt.labs.settings
import Waylore.Ui

// The user's preferences. The controls are the live settings: each change is stored at once
// under its category and name, where the native code reads it ("units/mass").
Dialog {
    id: dialog

    // The theme is published only once the map has chosen one.
    readonly property bool themeNight: typeof theme !== "undefined" && theme !== null && theme.night === true
    readonly property bool dark: darkModeBox.currentIndex === 2 || (darkModeBox.currentIndex === 0 && themeNight)
    readonly property int fontSizePercent: fontSizeBox.value
    readonly property string defaultExportFormat: formatBox.currentText
    readonly property bool exportToCustomDirectory: customDirectoryButton.checked
    readonly property string customExportDirectory: directoryField.text
    readonly property var languageCodes: ["system", "en", "fr", "de", "es"]

    function forceDefaultExportToDesktop() {
        customDirectoryButton.checked = true;
        directoryField.text = Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.DesktopLocation));
    }

    title: qsTr("Preferences")
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    closePolicy: Popup.CloseOnEscape

    component FieldLabel: Label {
    }
    // A short field no narrower than its hint: the style's least width cuts a long hint (in
    // German) short.
    component HintField: TextField {
        id: field

        Layout.minimumWidth: Math.ceil(hint.advanceWidth) + leftPadding + rightPadding

        TextMetrics {
            id: hint

            font: field.font
            text: field.placeholderText
        }
    }

    Settings {
        property alias darkMode: darkModeBox.currentIndex

        category: "ui"
    }
    Settings {
        property alias transitionAltitude: transitionBox.value
        property alias mass: massBox.currentIndex
        property alias volume: volumeBox.currentIndex

        category: "units"
    }
    Settings {
        property alias pilotName: pilotField.text
        property alias companyName: companyField.text

        category: "personal"
    }
    Settings {
        property alias addDirectToExportedRoute: directBox.checked
        property alias defaultExportFormat: formatBox.currentIndex
        property alias exportToFmsDirectory: fmsDirectoryButton.checked
        property alias exportToCustomDirectory: customDirectoryButton.checked
        property alias customExportDirectory: directoryField.text

        category: "exporter"
    }
    Settings {
        property alias fontSizePercent: fontSizeBox.value
        property alias limitAirportDetail: airportDetailBox.currentIndex

        category: "map"
    }
    Settings {
        property alias xpHost: hostField.text
        property alias xpPort: portField.text

        category: "tracking"
    }
    // The update check reads the same key with the same default (false): a check goes out
    // only when the pilot asked for it.
    Settings {
        property alias checkForUpdateAutomatically: updateBox.checked

        category: "update"
    }
    Settings {
        property alias share: shareBox.checked

        category: "analytics"
    }

    PageViewTracker {
        location: "/preferences"
        title: "Preferences"
        opened: dialog.visible
    }

    FolderDialog {
        id: folderDialog

        title: qsTr("Please choose path to export flight plans")
        currentFolder: Utility.pathToUrl(directoryField.text)
        onAccepted: directoryField.text = Utility.urlToPath(selectedFolder)
    }

    ColumnLayout {
        id: content

        anchors.fill: parent

        TabBar {
            id: tabBar

            objectName: "tabBar"
            Layout.fillWidth: true

            TabButton {
                text: qsTr("General")
            }
            TabButton {
                text: qsTr("Map")
            }
            TabButton {
                text: qsTr("X-Plane")
            }
            TabButton {
                text: qsTr("Advanced")
            }
        }
        Item {
            Layout.preferredHeight: Size.extraMargin
        }
        StackLayout {
            currentIndex: tabBar.currentIndex

            // General
            ColumnLayout {
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Units")

                    GridLayout {
                        anchors.fill: parent
                        columns: 4

                        FieldLabel {
                            text: qsTr("Mass")
                        }
                        ComboBox {
                            id: massBox

                            objectName: "massBox"
                            Layout.minimumWidth: 120
                            Layout.fillWidth: true
                            model: unit.massUnitStrings
                        }
                        FieldLabel {
                            text: qsTr("Volume")
                        }
                        ComboBox {
                            id: volumeBox

                            objectName: "volumeBox"
                            Layout.minimumWidth: 120
                            Layout.fillWidth: true
                            model: unit.volumeUnitStrings
                        }
                        FieldLabel {
                            Layout.columnSpan: 2
                            text: qsTr("Default transition altitude")
                        }
                        UnitSpinBox {
                            id: transitionBox

                            objectName: "transitionBox"
                            Layout.columnSpan: 2
                            Layout.preferredWidth: 150
                            from: constants.minAlt
                            to: constants.maxAlt
                            stepSize: 1000
                            value: 4000
                            unit: qsTr(" ft")
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("User interface")

                    GridLayout {
                        anchors.fill: parent
                        columns: 2

                        FieldLabel {
                            text: qsTr("Language")
                        }
                        ComboBox {
                            id: languageBox

                            objectName: "languageBox"
                            Layout.fillWidth: true
                            // Language names stay in their own language.
                            model: [qsTr("System default"), "English", "Français", "Deutsch", "Español"]
                            currentIndex: dialog.languageCodes.indexOf(translationManager.language)
                            onActivated: index => translationManager.language = dialog.languageCodes[index]
                        }
                        Label {
                            Layout.columnSpan: 2
                            visible: translationManager.restartRequired
                            text: qsTr("Restart the application to apply the language change.")
                        }
                        FieldLabel {
                            text: qsTr("Dark mode")
                        }
                        ComboBox {
                            id: darkModeBox

                            objectName: "darkModeBox"
                            Layout.fillWidth: true
                            model: [qsTr("Automatic (depends on map theme)"), qsTr("Always disabled"), qsTr("Always enabled")]
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Personal details")

                    ColumnLayout {
                        anchors.fill: parent

                        Label {
                            text: qsTr("These details are used in some file export formats.")
                        }
                        RowLayout {
                            TextField {
                                id: pilotField

                                objectName: "pilotField"
                                Layout.fillWidth: true
                                placeholderText: qsTr("Pilot name (PIC)")
                            }
                            TextField {
                                id: companyField

                                objectName: "companyField"
                                Layout.fillWidth: true
                                placeholderText: qsTr("Company name")
                            }
                        }
                    }
                }
            }

            // Map
            ColumnLayout {
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Map")

                    GridLayout {
                        anchors.fill: parent
                        columns: 3

                        FieldLabel {
                            text: qsTr("Airport detail")
                        }
                        ComboBox {
                            id: airportDetailBox

                            objectName: "airportDetailBox"
                            // As wide as its longest choice, in every language.
                            implicitContentWidthPolicy: ComboBox.WidestText
                            model: [qsTr("Full detail"), qsTr("Limited detail")]
                        }
                        Label {
                            text: qsTr("(restart required)")
                        }
                        Label {
                            Layout.columnSpan: 3
                            text: qsTr("In 'Limited Detail' mode the application does not \nload ground paintings, taxiways signs, nor startup \nlocations, in order to reduce startup time.")
                        }
                        FieldLabel {
                            text: qsTr("Font size")
                        }
                        UnitSpinBox {
                            id: fontSizeBox

                            objectName: "fontSizeBox"
                            Layout.columnSpan: 2
                            Layout.preferredWidth: 150
                            from: 50
                            to: 200
                            stepSize: 10
                            value: 100
                            unit: qsTr("%")
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Navigation database")

                    ColumnLayout {
                        anchors.fill: parent

                        Label {
                            text: qsTr("To select the navigation database, please go to the dedicated\n'Select navigation database' dialog from the 'Edit' menu, or open\nit with the button below.")
                        }
                        Button {
                            objectName: "databaseButton"
                            text: qsTr("Select navigation database")
                            onClicked: databaseDialog.open()
                        }
                    }
                }
            }

            // X-Plane
            ColumnLayout {
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Flight plan export")

                    ColumnLayout {
                        anchors.fill: parent

                        CheckBox {
                            id: directBox

                            objectName: "directBox"
                            text: qsTr("Add direct (DCT/DRCT) to exported route")
                            checked: true
                        }
                        RowLayout {
                            FieldLabel {
                                text: qsTr("Default export format")
                            }
                            ComboBox {
                                id: formatBox

                                objectName: "formatBox"
                                Layout.fillWidth: true
                                model: exporter.formats
                            }
                        }
                        ButtonGroup {
                            buttons: [fmsDirectoryButton, customDirectoryButton]
                        }
                        RadioButton {
                            id: fmsDirectoryButton

                            objectName: "fmsDirectoryButton"
                            checked: true
                            text: qsTr("Export to FMS directory (in <tt>&lt;X-Plane&gt;/Output/FMS plans</tt>)")
                            contentItem: Label {
                                leftPadding: fmsDirectoryButton.indicator.width + fmsDirectoryButton.spacing
                                verticalAlignment: Text.AlignVCenter
                                textFormat: Text.RichText
                                text: fmsDirectoryButton.text
                            }
                        }
                        RadioButton {
                            id: customDirectoryButton

                            objectName: "customDirectoryButton"
                            text: qsTr("Export to custom directory")
                        }
                        RowLayout {
                            objectName: "directoryRow"
                            enabled: customDirectoryButton.checked

                            TextField {
                                id: directoryField

                                objectName: "directoryField"
                                Layout.fillWidth: true
                                Layout.minimumWidth: 350
                                font.family: "courier"
                                placeholderText: qsTr("Directory to export flight plans")
                            }
                            Button {
                                text: qsTr("Choose")
                                onClicked: folderDialog.open()
                            }
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Plane tracking")

                    GridLayout {
                        anchors.fill: parent
                        columns: 3

                        FieldLabel {
                            text: qsTr("Host")
                        }
                        HintField {
                            id: hostField

                            objectName: "hostField"
                            placeholderText: qsTr("Host name or IP")
                        }
                        Label {
                            text: qsTr("Leave empty if X-Plane is running\non this machine.")
                        }
                        FieldLabel {
                            text: qsTr("Port")
                        }
                        HintField {
                            id: portField

                            objectName: "portField"
                            placeholderText: qsTr("Port to connect")
                        }
                        Label {
                            text: qsTr("Leave empty if you are running\nX-Plane 11 or 12.")
                        }
                    }
                }
            }

            // Advanced
            ColumnLayout {
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Software update")

                    RowLayout {
                        anchors.fill: parent

                        CheckBox {
                            id: updateBox

                            objectName: "updateBox"
                            text: qsTr("Automatically check for updates")
                            checked: false
                        }
                        Button {
                            text: qsTr("Check now")
                            onClicked: updater.check()
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Analysis")

                    ColumnLayout {
                        anchors.fill: parent

                        CheckBox {
                            id: shareBox

                            objectName: "shareBox"
                            text: qsTr("Share anonymous information about usage")
                            checked: true
                            // The last event of a switch-off still goes out: it reports it.
                            onCheckedChanged: {
                                ga.sendEvent("analysis", "/preferences", "Preferences", {
                                    "share": checked
                                });
                                ga.enable(checked);
                            }
                        }
                        Label {
                            text: qsTr("Help us to improve %1 by sending anonymous\ninformation about your usage of the application.").arg(Qt.application.name)
                        }
                    }
                }
                GroupBox {
                    Layout.fillWidth: true
                    title: qsTr("Reset preferences")

                    ColumnLayout {
                        anchors.fill: parent

                        Label {
                            text: qsTr("Restore preferences to factory defaults, all user settings will\nbe lost. These operations cannot be reverted!")
                        }
                        RowLayout {
                            Button {
                                objectName: "resetAirplanesButton"
                                text: qsTr("Reset airplanes")
                                onClicked: {
                                    airplanes.reset();
                                    airplanes.currentIndex = 0;
                                    dialog.close();
                                }
                            }
                            Button {
                                objectName: "resetAllButton"
                                text: qsTr("Reset all preferences and quit")
                                onClicked: {
                                    settings.clear();
                                    window.close();
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            text: qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
    }
}
