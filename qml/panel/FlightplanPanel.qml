import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtCharts
import Waylore.Ui

// The flight plan under the map: its waypoint table, vertical profile, fuel and load sheets
// and briefing, or an invitation to start one; its actions, totals and tabs in the footer.
Page {
    id: panel

    // The Inspiration menu of the main menu, opened by "Get inspired".
    property var inspirationMenu: null
    readonly property alias table: table
    readonly property alias tabBar: tabBar
    readonly property alias chart: chart
    readonly property bool dark: Material.theme === Material.Dark
    readonly property color red: dark ? ThemeColor.redDark : ThemeColor.redLight
    // A value: read again whenever the list signals a change.
    readonly property var airplane: airplanes.current

    // The text of a stored mass (kg) in the display unit, as the briefing writes it.
    function massText(kg) {
        return unit.massToString(Math.round(unit.fromStorableMass(kg)));
    }

    // The scheme's flag and its background change one after the other, in either order: the
    // chart takes its look again at each, so that it ends with both.
    readonly property color chartBackground: Material.background

    onDarkChanged: chart.applyLook()

    // The footer's buttons, no wider than their icon needs.
    component FooterButton: IconButton {
        implicitWidth: FontAwesome.iconSize + 2 * 11
    }
    // A tab of the footer: its icon and name, or its icon alone with the name in its tool tip
    // when the footer is short of room.
    component FooterTab: TabButton {
        id: tab

        readonly property real iconWidth: icon.width + leftPadding + rightPadding
        readonly property real nameWidth: spacing + name.implicitWidth

        width: implicitWidth
        display: footerRow.compactTabs ? AbstractButton.IconOnly : AbstractButton.TextBesideIcon
        icon.width: FontAwesome.iconSize
        icon.height: FontAwesome.iconSize

        // The name as the tab writes it (the style may capitalise it).
        Text {
            id: name

            visible: false
            text: tab.text
            font: tab.font
        }
        CustomToolTip {
            text: tab.text
            visible: tab.hovered && footerRow.compactTabs
        }
    }
    onChartBackgroundChanged: chart.applyLook()

    StackLayout {
        anchors.fill: parent
        currentIndex: flightplan.empty ? 1 : 0

        StackLayout {
            currentIndex: tabBar.currentIndex

            ListView {
                id: table

                objectName: "table"
                visible: flightplan.count > 0
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                currentIndex: ism.currentTableRow
                highlightMoveDuration: 10
                // Rows scrolled out are handed to the rows scrolled in instead of being made anew.
                reuseItems: true
                model: WaypointDelegateModel {
                }
                ScrollBar.vertical: ScrollBar {
                    policy: ScrollBar.AsNeeded
                }
                ScrollBar.horizontal: null

                displaced: Transition {
                    NumberAnimation {
                        properties: "x,y"
                        easing.type: Easing.OutQuad
                    }
                }
                add: Transition {
                    NumberAnimation {
                        property: "scale"
                        from: 0
                        to: 1
                        easing.type: Easing.OutElastic
                    }
                }
                remove: Transition {
                    NumberAnimation {
                        property: "scale"
                        from: 1
                        to: 0
                        easing.type: Easing.OutQuint
                    }
                }

                Connections {
                    target: ism

                    function onSelected() {
                        if (panel.visible && ism.currentTableRow >= 0 && ism.currentTableRow < table.count)
                            table.positionViewAtIndex(ism.currentTableRow, ListView.Contain);
                    }
                }
                PageViewTracker {
                    location: "/table"
                    title: "Table"
                    opened: tabBar.currentIndex === 0
                }
            }
            ChartView {
                id: chart

                objectName: "profileChart"

                // A change of the plan while another tab is shown is drawn when the chart
                // shows again: a long plan costs the chart as much as the rest of an edit.
                property bool stale: false

                function refresh() {
                    if (visible)
                        rebuild();
                    else
                        stale = true;
                }

                // Rebuilt from scratch: the plan's profile hands out the axes and fills the
                // series.
                function rebuild() {
                    stale = false;
                    removeAllSeries();
                    if (flightplan.count < 2)
                        return;
                    const series = areaSeries.createObject(null, {
                        "name": qsTr("Altitude")
                    });
                    flightplan.profile.updateWithSeries(series);
                    chart.data.push(series);
                    setAxisX(flightplan.profile.getDistanceAxis(), series);
                    setAxisY(flightplan.profile.getAltitudeAxis(), series);
                }

                // A theme resets the colours: the window's background goes on after it.
                function applyLook() {
                    theme = panel.dark ? ChartView.ChartThemeDark : ChartView.ChartThemeLight;
                    backgroundColor = panel.chartBackground;
                }

                title: qsTr("From %1 to %2 (%3)").arg(flightplan.general.departureCode).arg(flightplan.general.arrivalCode).arg(panel.airplane ? panel.airplane.name : "")
                backgroundRoundness: 0
                antialiasing: true
                legend.visible: false
                margins.top: 0
                margins.bottom: 0
                margins.left: 0
                margins.right: 0
                onVisibleChanged: {
                    if (visible && stale)
                        rebuild();
                }

                // The series is filled before it joins the chart: a series in the chart lays
                // itself out again at each point it takes.
                Component {
                    id: areaSeries

                    AreaSeries {
                        upperSeries: LineSeries {
                        }
                    }
                }
                Connections {
                    target: flightplan

                    function onModified() {
                        chart.refresh();
                    }
                }
                PageViewTracker {
                    location: "/profile"
                    title: "Profile"
                    opened: tabBar.currentIndex === 1
                }

                Component.onCompleted: {
                    applyLook();
                    rebuild();
                }
            }
            Pane {
                objectName: "fuelPage"

                RowLayout {
                    anchors.fill: parent
                    spacing: Size.extraMargin

                    GroupBox {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        title: qsTr("Planned fuel %1").arg(flightplan.general.suggestedFileName)

                        // A bold label beside its value needs a clear gap, or a long one reads as one word with it.
                        GridLayout {
                            objectName: "fuelGrid"
                            columns: 2
                            columnSpacing: Size.extraMargin

                            Label {
                                text: qsTr("Taxi burn")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                text: unit.fuelToString(flightplan.fuel.taxi)
                                help: qsTr("Burned fuel during taxi")
                            }
                            Label {
                                text: qsTr("Enroute burn")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                text: unit.fuelToString(flightplan.fuel.enroute)
                                help: qsTr("Burned fuel during flight")
                            }
                            Label {
                                text: qsTr("Total reserve")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                text: unit.fuelToString(flightplan.fuel.totalreserve)
                                help: qsTr("Includes alternate fuel, contingency reserve, extra reserve and final reserve")
                            }
                            Label {
                                text: qsTr("Block fuel")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                objectName: "blockFuel"
                                text: unit.fuelToString(flightplan.fuel.block)
                                help: qsTr("Total fuel to load in the tanks")
                                warning: panel.airplane && flightplan.fuel.block > panel.airplane.fuelcapacity
                                message: qsTr("Maximum fuel tank capacity %1").arg(panel.airplane ? unit.fuelToString(panel.airplane.fuelcapacity) : "")
                            }
                        }
                    }
                    GroupBox {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        title: qsTr("%1 load sheet").arg(panel.airplane ? panel.airplane.name : "")

                        GridLayout {
                            objectName: "weightGrid"
                            columns: 2
                            columnSpacing: Size.extraMargin

                            Label {
                                text: qsTr("Total payload")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                text: panel.massText(flightplan.weight.payload)
                                help: qsTr("Commercial payload including passengers, luggages and cargo")
                            }
                            Label {
                                text: qsTr("Zero fuel weight")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                objectName: "zeroFuelWeight"
                                text: panel.massText(flightplan.weight.zfw)
                                help: qsTr("Airplane operational weight prior to fuel tanking")
                                warning: panel.airplane && flightplan.weight.zfw > panel.airplane.mzfw
                                message: qsTr("Maximum zero-fuel weight is %1").arg(panel.airplane ? panel.massText(panel.airplane.mzfw) : "")
                            }
                            Label {
                                text: qsTr("Takeoff weight")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                objectName: "takeoffWeight"
                                text: panel.massText(flightplan.weight.tow)
                                help: qsTr("Estimated takeoff weight")
                                warning: panel.airplane && flightplan.weight.tow > panel.airplane.mtow
                                message: qsTr("Maximum takeoff weight is %1").arg(panel.airplane ? panel.massText(panel.airplane.mtow) : "")
                            }
                            Label {
                                text: qsTr("Landing weight")
                                font.bold: true
                            }
                            ValueWithToolTip {
                                objectName: "landingWeight"
                                text: panel.massText(flightplan.weight.lw)
                                help: qsTr("Estimated landing weight")
                                warning: panel.airplane && flightplan.weight.lw > panel.airplane.mlw
                                message: qsTr("Maximum landing weight is %1").arg(panel.airplane ? panel.massText(panel.airplane.mlw) : "")
                            }
                        }
                    }
                }
                PageViewTracker {
                    location: "/fuel"
                    title: "Fuel"
                    opened: tabBar.currentIndex === 2
                }
            }
            Pane {
                objectName: "briefingPage"
                padding: 0

                ScrollView {
                    anchors.fill: parent
                    ScrollBar.vertical.policy: ScrollBar.AlwaysOn
                    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

                    ReadTextArea {
                        objectName: "briefingText"
                        textFormat: TextEdit.PlainText
                        // With its insets set the style stretches the field's underline over the whole area.
                        background: null
                        // Rendered and laid out only while shown: on a long plan that is the
                        // dearest part of every edit.
                        text: tabBar.currentIndex === 3 ? flightplan.general.ofp : ""
                        font.family: "Courier"
                        font.pointSize: Qt.platform.os === "windows" ? 10.5 : 12
                    }
                }
                PageViewTracker {
                    location: "/ofp"
                    title: "OFP"
                    opened: tabBar.currentIndex === 3
                }
            }
        }
        // The invitation of an empty plan.
        Item {
            ColumnLayout {
                anchors.centerIn: parent
                width: Math.min(parent.width - 2 * Size.extraMargin, 600)

                Label {
                    id: invitation

                    objectName: "invitation"
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    textFormat: Text.RichText
                    color: Material.foreground
                    text: {
                        const open = link => "<a style=\"color:" + constants.linkColor + "; text-decoration:none\" href=\"" + link + "\">";
                        const image = source => "<img src=\"" + source + "\" height=\"10\"/>";
                        return qsTr("The flight plan is empty, add waypoints from %1%2 database%3 or start the %4%5 generator%6 or...").arg(open("#DB")).arg(image("qrc:/fa/solid/database.svg")).arg("</a>").arg(open("#GEN")).arg(image("qrc:/fa/solid/route.svg")).arg("</a>");
                    }
                    onLinkActivated: link => {
                        if (link === "#DB")
                            pointPanel.search.forceActiveFocus();
                        else if (link === "#GEN")
                            generatorDialog.open();
                    }

                    MouseArea {
                        anchors.fill: parent
                        acceptedButtons: Qt.NoButton
                        cursorShape: invitation.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
                    }
                }
                ToolButton {
                    objectName: "inspireButton"
                    Layout.alignment: Qt.AlignHCenter
                    flat: true
                    focusPolicy: Qt.NoFocus
                    text: qsTr("Get inspired")
                    icon.source: "qrc:/fa/solid/shuffle.svg"
                    icon.width: FontAwesome.iconSize
                    icon.height: FontAwesome.iconSize
                    onClicked: {
                        if (panel.inspirationMenu)
                            panel.inspirationMenu.open();
                    }
                }
            }
        }
    }

    footer: Pane {
        padding: 0

        RowLayout {
            id: footerRow

            // What the tabs take with and without their names.
            readonly property real tabsIconOnly: tableTab.iconWidth + profileTab.iconWidth + fuelTab.iconWidth + briefingTab.iconWidth
                                                 + 3 * tabBar.spacing
            readonly property real tabsNamed: tabsIconOnly + tableTab.nameWidth + profileTab.nameWidth + fuelTab.nameWidth + briefingTab.nameWidth
            // The totals the plan has, with their gaps.
            readonly property real totals: buttons.spacing + countLabel.implicitWidth + (flightplan.distance > 0 ? distanceLabel.implicitWidth + 10 : 0)
                                           + (flightplan.duration > 0 ? durationLabel.implicitWidth + 10 : 0)
            // The tabs give up their names before the totals give up their place: at the smallest
            // window the totals show in every language.
            readonly property bool compactTabs: width - buttons.implicitWidth - 2 * buttons.spacing - tabsNamed < totals
            // What the totals may take: the footer less the buttons, the tabs and the gaps.
            readonly property real room: width - buttons.implicitWidth - (compactTabs ? tabsIconOnly : tabsNamed) - 2 * buttons.spacing

            anchors.fill: parent
            spacing: 0

            RowLayout {
                id: buttons

                FooterButton {
                    objectName: "generatorButton"
                    source: "qrc:/fa/solid/route.svg"
                    tooltip: qsTr("Open the route generator")
                    onClicked: generatorDialog.open()
                }
                FooterButton {
                    objectName: "computeButton"
                    source: "qrc:/fa/solid/mound.svg"
                    enabled: !settingsFlightplan.autocompute && flightplan.count > 1
                    tooltip: settingsFlightplan.autocompute ? qsTr("Airspeeds and altitudes are automatically computed on waypoint change") : qsTr("Compute air speeds and altitudes for all waypoints")
                    onClicked: {
                        procedureManager.removeAll();
                        flightplan.computeProfile();
                    }
                }
                FooterButton {
                    objectName: "clearButton"
                    source: "qrc:/fa/solid/trash.svg"
                    tooltip: qsTr("Clear")
                    enabled: !flightplan.empty
                    onClicked: flightplan.clear()
                }
            }
            Label {
                id: countLabel

                objectName: "countLabel"
                Layout.leftMargin: buttons.spacing
                text: qsTr("%1 waypoint(s)").arg(flightplan.count)
                enabled: !flightplan.empty
                visible: implicitWidth < footerRow.room
            }
            Label {
                id: distanceLabel

                objectName: "distanceLabel"
                Layout.leftMargin: 10
                textFormat: Text.StyledText
                text: "<b>" + qsTr("distance") + "</b> " + Number(flightplan.distance).toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 0) + "nm"
                visible: flightplan.distance > 0 && countLabel.implicitWidth + implicitWidth < footerRow.room
            }
            Label {
                id: durationLabel

                objectName: "durationLabel"
                Layout.leftMargin: 10
                textFormat: Text.StyledText
                text: "<b>" + qsTr("duration") + "</b> " + Utility.hms(flightplan.duration)
                visible: flightplan.duration > 0 && countLabel.implicitWidth + distanceLabel.implicitWidth + implicitWidth < footerRow.room
            }
            Item {
                Layout.fillWidth: true
            }
            TabBar {
                id: tabBar

                objectName: "tabBar"
                enabled: !flightplan.empty
                position: enabled ? TabBar.Footer : TabBar.Header
                // Its highlight bar stays out of sight while it is disabled.
                bottomPadding: -3

                FooterTab {
                    id: tableTab

                    text: qsTr("Table")
                    icon.source: "qrc:/fa/solid/table-list.svg"
                }
                FooterTab {
                    id: profileTab

                    text: qsTr("Profile")
                    icon.source: "qrc:/fa/solid/chart-area.svg"
                }
                FooterTab {
                    id: fuelTab

                    text: qsTr("Fuel")
                    icon.source: "qrc:/fa/solid/gas-pump.svg"
                }
                FooterTab {
                    id: briefingTab

                    text: qsTr("Briefing")
                    icon.source: "qrc:/fa/solid/scroll.svg"
                }
            }
        }
    }

    // A waypoint the plan inserted is selected; the connection ends with the page.
    Connections {
        target: flightplan

        function onNeedselection(row) {
            ism.selectFromRoute(row);
        }
    }
}
