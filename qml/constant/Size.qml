pragma Singleton
import QtQuick

QtObject {
    readonly property int extraMargin: 16
    // Windows renders point sizes smaller than the other platforms do.
    readonly property real smallFont: Qt.platform.os === "windows" ? 8.5 : 10.5
}
