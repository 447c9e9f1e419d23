import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The indicated air speed and the Mach number of a cruise speed at a cruise level.
ColumnLayout {
    id: helper

    required property int cruisetas
    required property int cruiselvl
    readonly property int altitude: unit.convertLevelToAltitude(cruiselvl)

    Label {
        text: qsTr("IAS %1kts ").arg(unit.convertTasToIas(helper.cruisetas, helper.altitude))
        font.pointSize: Size.smallFont
    }
    Label {
        text: "M" + Number(unit.convertTasToMach(helper.cruisetas, helper.altitude)).toLocaleString(Qt.locale(translationManager.activeLanguage), 'f', 2)
        font.pointSize: Size.smallFont
    }
}
