import QtQuick

// The drag handle laid over a flight-plan row. Clicks and double clicks go on to the row
// beneath; a drag lifts the handle into the list, the rows it passes make way in the view
// only, and the release hands the row the decision (see WaypointDelegateModel).
MouseArea {
    id: handle

    // The row this handle lies on, its place in the view and the list it is dragged over.
    required property Item row
    required property int visualIndex
    required property Item list
    property bool held: false

    // The row remembers where it stood when lifted and decides on the move when the drag ends.
    signal lifted
    signal dragEnded(bool inside)

    // Ends a drag: dropped inside the list, the row takes its new place in the plan;
    // released elsewhere or cancelled, the view takes the plan's order back.
    function finish(released) {
        cursorShape = Qt.ArrowCursor;
        if (!held)
            return;
        const centre = list.mapFromItem(handle, width / 2, height / 2);
        const inside = released && centre.x >= 0 && centre.y >= 0 && centre.x < list.width && centre.y < list.height;
        if (inside)
            Drag.drop();
        held = false;
        dragEnded(inside);
    }

    anchors.left: row.left
    anchors.right: row.right
    anchors.top: row.top
    anchors.bottom: row.bottom
    acceptedButtons: Qt.LeftButton
    propagateComposedEvents: true
    // The list would take a vertical drag over for flicking.
    preventStealing: true
    drag.target: handle
    drag.axis: Drag.YAxis
    Drag.active: held
    Drag.source: handle
    Drag.hotSpot.x: width / 2
    Drag.hotSpot.y: height / 2

    onPressed: {
        cursorShape = Qt.ClosedHandCursor;
        lifted();
    }
    drag.onActiveChanged: {
        if (drag.active)
            held = true;
    }
    onReleased: finish(true)
    onCanceled: finish(false)
    onClicked: mouse => mouse.accepted = false
    onDoubleClicked: mouse => mouse.accepted = false

    states: State {
        when: handle.held

        ParentChange {
            target: handle
            parent: handle.list
        }
        AnchorChanges {
            target: handle
            anchors.left: undefined
            anchors.right: undefined
            anchors.top: undefined
            anchors.bottom: undefined
        }
    }
}
