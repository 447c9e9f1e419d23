import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Waylore.Ui

// The airplane editor's "Identification" tab: what a filed flight plan names the airplane by.
// Its texts are translated as the dialog's own: the tab is a part of the dialog.
ColumnLayout {
    id: tab

    required property int textWidth

    component TextRole: TextField {
        required property string role

        Layout.preferredWidth: tab.textWidth
    }
    component Link: Label {
        textFormat: Text.StyledText
        onLinkActivated: link => Qt.openUrlExternally(link)
    }

    GroupBox {
        title: qsTranslate("AirplaneDialog", "Registration")
        Layout.fillWidth: true

        GridLayout {
            columns: 2

            Label {
                text: qsTranslate("AirplaneDialog", "Airplane registration")
            }
            TextRole {
                role: "registration"
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "Equipments")
        Layout.fillWidth: true

        GridLayout {
            columns: 2

            Label {
                text: qsTranslate("AirplaneDialog", "Airplane equipment")
            }
            TextRole {
                role: "equipment"
            }
            Label {
                text: qsTranslate("AirplaneDialog", "Transponder")
            }
            TextRole {
                role: "transponder"
            }
        }
    }
    GroupBox {
        title: qsTranslate("AirplaneDialog", "More information")
        Layout.fillWidth: true

        ColumnLayout {
            Link {
                text: "<a href=\"https://en.wikipedia.org/wiki/Aircraft_registration\">"
                      + qsTranslate("AirplaneDialog", "Aircraft registration") + "</a>"
            }
            Link {
                text: "<a href=\"https://en.wikipedia.org/wiki/Flight_plan\">"
                      + qsTranslate("AirplaneDialog", "Equipment codes") + "</a>"
            }
        }
    }
    Item {
        Layout.fillHeight: true
    }
}
