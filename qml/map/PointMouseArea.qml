import QtQuick
import Waylore.Ui as Ui

// The mouse handling shared by a point's dot, label and symbol. It acts on the delegate that
// holds it, whose names it reads: the row `index`, `role_uid`, the `hovered` flag it sets and
// the context menu loader `menuLoader`.
MouseArea {
    id: area

    // A waypoint selects its row of the flight plan, any other point its row of the map model.
    property bool waypoint: false
    // Off while the map moves (see MapStillness).
    property bool hoverable: true
    // Off where the holder's hover comes from elsewhere (the point layer finds it itself).
    property bool ownsHover: true

    // A hover that the map's move switched off ends at once, not when the mouse next moves.
    function updateHovered() {
        if (!ownsHover)
            return;
        const now = gate.open && hoverable;
        if (hovered === now)
            return;
        hovered = now;
        ism.setHovered(hovered, role_uid);
    }

    acceptedButtons: Qt.LeftButton | Qt.RightButton
    hoverEnabled: hoverable && ownsHover

    onClicked: mouse => {
        if (mouse.button === Qt.RightButton)
            menuLoader.popup(mouse.x, mouse.y);
        else if (waypoint)
            ism.selectFromRoute(index);
        else
            ism.selectFromMap(index);
    }
    onDoubleClicked: mouse => {
        if (mouse.button === Qt.LeftButton)
            flightplan.add(role_uid, true);
    }
    onHoverableChanged: updateHovered()

    // Not under a question, a dialog or a menu.
    Ui.HoverGate {
        id: gate

        item: area
        hovered: area.containsMouse
        onOpenChanged: area.updateHovered()
    }
}
