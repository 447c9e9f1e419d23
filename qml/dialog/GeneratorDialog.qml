import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Qt.labs.settings
import Waylore.Ui

// Front of the route generator: departure and arrival, SID exit and STAR entry, airplane and
// routing options; the search runs on the generator's thread and its route replaces the plan.
Dialog {
    id: dialog

    required property var navigationMap
    property bool running: false
    // No search was started since the dialog was opened.
    property bool first: true
    property date startedtime
    readonly property bool dark: Material.theme === Material.Dark
    readonly property color green: dark ? ThemeColor.greenDark : ThemeColor.greenLight
    readonly property color red: dark ? ThemeColor.redDark : ThemeColor.redLight
    readonly property alias departureBox: departureBox
    readonly property alias arrivalBox: arrivalBox

    // The UID the box names: its entry when the text is the entry's, else the entry whose
    // text was typed, else the code typed alone (an airport's UID is its code).
    function airportUid(box) {
        const typed = box.editText.trim();
        if (box.currentIndex >= 0 && typed === box.currentText)
            return box.currentValue;
        const index = box.find(typed, Qt.MatchFixedString);
        if (index >= 0) {
            box.currentIndex = index;
            return box.currentValue;
        }
        return typed.split(" ")[0].toUpperCase();
    }

    function validate(box) {
        const uid = airportUid(box);
        if (uid === "" || uid === undefined) {
            box.valid = false;
            return;
        }
        box.valid = box === departureBox ? generator.setDeparture(uid) : generator.setArrival(uid);
    }

    function selectAirport(box, uid, accept) {
        box.currentIndex = uid === "" ? -1 : box.indexOfValue(uid);
        if (box.currentIndex < 0)
            box.editText = uid;
        box.valid = uid !== "" && accept(uid);
        // Shown from its start: the code, then the name.
        box.contentItem.cursorPosition = 0;
    }

    // The generator reads its options from the store when it starts: store what the pilot
    // sees now, not what the settings element would write back a moment later.
    function storeOptions() {
        generatorSettings.setValue("airwayNavigation", airwayButton.checked);
        generatorSettings.setValue("radioNavigation", radioButton.checked);
        generatorSettings.setValue("airwayRoutingOptions", routingBox.currentIndex);
    }

    function generate() {
        first = false;
        if (running)
            return;
        storeOptions();
        generator.start();
        ga.sendEvent("startgenerator", "/generator", "Generator", {
            "flightplan": flightplan.general.shortName,
            "airplane": airplanes.current.icao,
            "cruiselvl": flightplan.general.cruiselvl,
            "cruisetas": flightplan.general.cruisetas,
            "airwaynavigation": airwayButton.checked,
            "radionavigation": radioButton.checked,
            "airwayroutingoptions": routingBox.currentText
        });
    }

    function searchStarted() {
        running = true;
        messageLabel.text = qsTr("Routing in progress...");
        startedtime = new Date();
        elapsedTimer.start();
    }

    function searchDone() {
        elapsedTimer.stop();
        messageLabel.text = generator.getMessage();
        running = false;
        if (generator.getStatus() && generator.activateFlightplan()) {
            if (autozoomBox.checked)
                navigationMap.fitViewport(flightplan.general.bounding);
            if (autoCloseBox.checked)
                close();
        }
        // The activation may have refused the route and said why.
        messageLabel.text = generator.getMessage();
    }

    title: qsTr("Route generator")
    modal: true
    // The page-view tracker is an item too: the size comes from the layout alone.
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    closePolicy: Popup.CloseOnEscape
    onAboutToShow: {
        // A search of an earlier opening still runs: show it as it goes.
        if (generator.isBusy()) {
            running = true;
            return;
        }
        running = false;
        first = true;
        generator.init();
        selectAirport(departureBox, generator.getDepartureUID(), uid => generator.setDeparture(uid));
        selectAirport(arrivalBox, generator.getArrivalUID(), uid => generator.setArrival(uid));
        progressBar.value = 0;
        messageLabel.text = "";
        elapsedLabel.text = "";
        departureBox.contentItem.forceActiveFocus();
    }
    onAboutToHide: {
        if (generator.isBusy()) {
            generator.stop();
            return;
        }
        departureBox.currentIndex = -1;
        arrivalBox.currentIndex = -1;
    }
    onApplied: generate()
    onRejected: {
        if (running)
            generator.stop();
    }

    component BoldLabel: Label {
        font.bold: true
    }
    component AirportBox: ComboBox {
        id: box

        property bool valid: false
        // The typed text has the focus in the box's text field, a pick in the box itself.
        readonly property bool editing: activeFocus || (contentItem !== null && contentItem.activeFocus)

        Layout.preferredWidth: 250
        editable: true
        selectTextByMouse: true
        model: airportListModel
        textRole: "role_combo_text"
        valueRole: "role_uid"
        onAccepted: dialog.validate(box)
        onActivated: dialog.validate(box)
        onEditingChanged: {
            if (!editing && dialog.visible)
                dialog.validate(box);
        }

        Connections {
            function onTextEdited() {
                box.valid = false;
            }

            target: box.contentItem
            ignoreUnknownSignals: true
        }
    }
    component StateIcon: TintedImage {
        required property bool valid

        sourceSize.width: FontAwesome.iconSize
        sourceSize.height: FontAwesome.iconSize
        source: valid ? "qrc:/fa/solid/circle-check.svg" : "qrc:/fa/solid/circle-xmark.svg"
        color: valid ? dialog.green : dialog.red
    }

    Settings {
        id: generatorSettings

        property alias airwayNavigation: airwayButton.checked
        property alias airwayRoutingOptions: routingBox.currentIndex
        property alias radioNavigation: radioButton.checked
        property alias autoCloseCheckBox: autoCloseBox.checked
        property alias autozoomMapCheckBox: autozoomBox.checked

        category: "generator"
    }

    Connections {
        function onStarted() {
            dialog.searchStarted();
        }

        function onProgress(percent) {
            progressBar.value = percent;
        }

        function onDone() {
            dialog.searchDone();
        }

        target: generator
    }

    Timer {
        id: elapsedTimer

        interval: 100
        repeat: true
        onTriggered: {
            const seconds = (new Date() - dialog.startedtime) / 1000;
            elapsedLabel.text = qsTr("(in %1 s)").arg(seconds.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 1));
        }
    }

    PageViewTracker {
        location: "/generator"
        title: "Generator"
        opened: dialog.visible
    }

    ColumnLayout {
        id: content

        anchors.fill: parent

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("General")
            enabled: !dialog.running

            GridLayout {
                columns: 5

                BoldLabel {
                    text: qsTr("Departure")
                }
                AirportBox {
                    id: departureBox

                    objectName: "departureBox"
                }
                StateIcon {
                    objectName: "departureIcon"
                    valid: departureBox.valid
                }
                BoldLabel {
                    Layout.leftMargin: Size.extraMargin
                    text: qsTr("SID output")
                }
                ComboBox {
                    objectName: "outputBox"
                    Layout.fillWidth: true
                    Layout.minimumWidth: 220
                    model: generator.outputnames
                    currentIndex: generator.outputindex
                    enabled: count > 0 && airwayButton.checked
                    onActivated: index => generator.setOutput(index)
                }

                BoldLabel {
                    text: qsTr("Arrival")
                }
                AirportBox {
                    id: arrivalBox

                    objectName: "arrivalBox"
                }
                StateIcon {
                    objectName: "arrivalIcon"
                    valid: arrivalBox.valid
                }
                BoldLabel {
                    Layout.leftMargin: Size.extraMargin
                    text: qsTr("STAR input")
                }
                ComboBox {
                    objectName: "inputBox"
                    Layout.fillWidth: true
                    Layout.minimumWidth: 220
                    model: generator.inputnames
                    currentIndex: generator.inputindex
                    enabled: count > 0 && airwayButton.checked
                    onActivated: index => generator.setInput(index)
                }

                Item {
                    Layout.preferredWidth: 1
                }
                Label {
                    Layout.columnSpan: 4
                    text: qsTr("Hit the Enter key to validate airport")
                    font.italic: true
                    font.pointSize: Size.smallFont
                }
            }
        }

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Airplane details")
            enabled: !dialog.running

            AirplaneHelper {
            }
        }

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Routing options")
            enabled: !dialog.running

            // One row: the dialog stays within the smallest window.
            RowLayout {
                ButtonGroup {
                    buttons: [airwayButton, radioButton]
                }
                RadioButton {
                    id: airwayButton

                    objectName: "airwayButton"
                    text: qsTr("Airway navigation")
                    checked: true
                }
                ComboBox {
                    id: routingBox

                    objectName: "routingBox"
                    // As wide as its longest option, in the box and in its list.
                    Layout.preferredWidth: Math.max(300, implicitWidth)
                    implicitContentWidthPolicy: ComboBox.WidestText
                    enabled: airwayButton.checked
                    model: [qsTr("Prefer HIGH (Jet) routes during cruise"), qsTr("Use only LOW (Victor) routes"),
                        qsTr("No route preference between HIGH and LOW"), qsTr("Ignore airways during routing")]
                }
                RadioButton {
                    id: radioButton

                    objectName: "radioButton"
                    Layout.leftMargin: Size.extraMargin
                    text: qsTr("Radio navigation")
                }
            }
        }

        GroupBox {
            Layout.fillWidth: true
            title: qsTr("Routing status")

            GridLayout {
                anchors.fill: parent
                columns: 7

                BoldLabel {
                    text: qsTr("Progress")
                }
                ProgressBar {
                    id: progressBar

                    objectName: "progressBar"
                    from: 0
                    to: 100
                }
                BoldLabel {
                    text: qsTr("of")
                }
                Label {
                    text: qsTr("%1nm").arg(generator.distance.toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 0))
                }
                Item {
                    Layout.fillWidth: true
                }
                BoldLabel {
                    text: qsTr("Close when finished")
                }
                CheckBox {
                    id: autoCloseBox

                    objectName: "autoCloseBox"
                    checked: true
                }

                BoldLabel {
                    Layout.bottomMargin: Size.extraMargin
                    text: qsTr("Status")
                }
                Label {
                    id: messageLabel

                    objectName: "messageLabel"
                    Layout.bottomMargin: Size.extraMargin
                }
                Label {
                    id: elapsedLabel

                    objectName: "elapsedLabel"
                    Layout.bottomMargin: Size.extraMargin
                }
                Item {
                    Layout.fillWidth: true
                    Layout.columnSpan: 2
                }
                BoldLabel {
                    Layout.bottomMargin: Size.extraMargin
                    text: qsTr("Fit map to generated route")
                }
                CheckBox {
                    id: autozoomBox

                    objectName: "autozoomBox"
                    Layout.bottomMargin: Size.extraMargin
                    checked: true
                }
            }
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "rejectButton"
            text: dialog.running ? qsTr("Interrupt") : qsTr("Close")
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole // qmllint disable type
        }
        Button {
            objectName: "applyButton"
            text: dialog.first ? qsTr("Generate") : qsTr("Re-generate")
            enabled: !dialog.running && departureBox.valid && arrivalBox.valid
            // Qt 6.4's linter does not see the roles DialogButtonBox takes over from the platform dialog helper.
            DialogButtonBox.buttonRole: DialogButtonBox.ApplyRole // qmllint disable type
        }
    }
}
