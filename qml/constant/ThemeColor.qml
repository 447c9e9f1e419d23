pragma Singleton
import QtQuick

QtObject {
    readonly property color greenLight: "green"
    readonly property color redLight: "indianred"
    readonly property color greenDark: "lightgreen"
    readonly property color redDark: "lightcoral"
    readonly property color grey: "grey"
}
