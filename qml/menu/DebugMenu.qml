import QtQuick
import Qt.labs.platform as Platform
import Waylore.Ui

// Developer helpers, shown only in debugging builds.
Platform.Menu {
    id: debugMenu

    function exportMap(ending, what) {
        const folder = Utility.urlToPath(Platform.StandardPaths.writableLocation(Platform.StandardPaths.DownloadLocation));
        const path = folder + "/" + flightplan.general.suggestedFileName + ending;
        exportAsDialog.saveMapImage(path, function (ok) {
            if (ok)
                console.log("Navigation map exported to " + what, path);
        });
    }

    function load(uids) {
        for (const uid of uids)
            flightplan.append(uid);
    }

    title: qsTr("&Debug")
    visible: constants.debug

    Platform.MenuItem {
        text: qsTr("Navmap export to PNG")
        onTriggered: debugMenu.exportMap(".png", "PNG")
    }
    Platform.MenuItem {
        text: qsTr("Navmap export to JPG")
        onTriggered: debugMenu.exportMap(".jpg", "JPG")
    }
    Platform.MenuSeparator {
    }
    Platform.MenuItem {
        text: qsTr("Load EGKK-CHT-MCT-EGPK for moving test")
        onTriggered: debugMenu.load(["EGKK", "EG/ENRT/CHT", "EG/ENRT/MCT", "EGPK"])
    }
    Platform.MenuItem {
        text: qsTr("Load URELO/OKIPA for route finding test")
        onTriggered: debugMenu.load(["LF/ENRT/URELO", "LF/ENRT/OKIPA"])
    }
    Platform.MenuItem {
        text: qsTr("Load TEPRI/GELTA for route finding test")
        onTriggered: debugMenu.load(["LF/ENRT/TEPRI", "LF/ENRT/GELTA"])
    }
    Platform.MenuItem {
        text: qsTr("Load DETOB/BIBAG for route finding test")
        onTriggered: debugMenu.load(["ED/ENRT/DETOB", "ED/ENRT/BIBAG"])
    }
    Platform.MenuItem {
        text: qsTr("Load TOU/MTG for route finding test")
        onTriggered: debugMenu.load(["LF/ENRT/TOU", "LF/ENRT/MTG"])
    }
    Platform.MenuItem {
        text: qsTr("Load MTG/TRA for route finding test")
        onTriggered: debugMenu.load(["LF/ENRT/MTG", "LS/ENRT/TRA"])
    }
}
