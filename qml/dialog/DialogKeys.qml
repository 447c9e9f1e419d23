import QtQuick
import QtQuick.Controls
import Waylore.Ui as Ui

// Enter and Escape as in every desktop program, for every dialog and question the window opens
// (its own dialogs and the message boxes of QtQuick.Dialogs alike) and for the window's buttons:
// Enter clicks a focused button, as Space does; anywhere else in a dialog it takes the dialog's
// default button, the first that accepts, applies or says yes, or its only one; the typed text
// of an editable box keeps its Enter for the box. Escape takes the button that cancels. A
// question whose yes destroys data (a dialog, or a message box of QtQuick.Dialogs) declares
// `readonly property bool destroysData: true`: there Enter takes the safe answer, the button
// that cancels, unless the pilot put the focus on a button. Tab goes through a dialog as it
// reads: its content, then its buttons from left to right.
//
// Alt pressed and released alone on the window says so, for the window to open its menus.
//
// A modal popup keeps every key from what lies behind it, so the keys are read on each popup's
// own item as it appears in the overlay, and on the window's root item for the rest: the
// window's buttons, and a question that opened without taking the focus.
QtObject {
    id: keys

    // The window's root item and its overlay.
    required property Item root
    required property Item overlay
    // Alt went down since the last other key: its release alone opens the menus.
    property bool altAlone: false

    signal altReleased

    function isButton(item) {
        return item !== null && item.autoRepeat !== undefined && item.checkable !== undefined;
    }

    function within(item, ancestor) {
        for (let parent = item; parent !== null; parent = parent.parent) {
            if (parent === ancestor)
                return true;
        }
        return false;
    }

    // The typed text of an editable box: the box reads Enter for its list and its own check.
    function inEditableBox(item) {
        return item !== null && item.parent !== null && item.parent.editable === true && item.parent.currentIndex !== undefined;
    }

    // The button box of a popup: the footer of a dialog, the row of a question.
    function buttonBox(popup) {
        const items = [popup];
        for (let i = 0; i < items.length; ++i) {
            const item = items[i];
            if (isButtonBox(item))
                return item;
            for (let c = 0; c < item.children.length; ++c)
                items.push(item.children[c]);
        }
        return null;
    }

    function buttonFor(popup, roles) {
        const box = buttonBox(popup);
        if (box === null)
            return null;
        const shown = [];
        for (let i = 0; i < box.count; ++i) {
            const button = box.itemAt(i);
            if (button && button.visible && button.enabled)
                shown.push(button);
        }
        for (const button of shown) {
            // qmllint disable type
            if (roles.includes(button.DialogButtonBox.buttonRole))
                return button;
            // qmllint enable type
        }
        return shown.length === 1 && roles.includes(DialogButtonBox.AcceptRole) ? shown[0] : null;
    }

    // The popup in front that has buttons.
    function frontDialog() {
        for (let i = overlay.children.length - 1; i >= 0; --i) {
            const item = overlay.children[i];
            if (item.visible && Ui.PopupKinds.isPopupItem(item) && buttonBox(item) !== null)
                return item;
        }
        return null;
    }

    function press(button) {
        if (button === null)
            return false;
        button.clicked();
        return true;
    }

    // Whether the key was taken, for the popup whose item read it, or the window's root.
    function keyPressed(event, popup) {
        const focused = root.Window.activeFocusItem;

        const enter = event.key === Qt.Key_Return || event.key === Qt.Key_Enter;
        // A popup with the focus answers Escape itself, as its closing policy says.
        if (!enter && (event.key !== Qt.Key_Escape || popup !== null))
            return false;
        // A field that closed its dialog on Enter has given the focus back already.
        if (popup !== null && !within(focused, popup))
            return false;
        if (enter && isButton(focused) && !focused.checkable)
            return press(focused);
        if (inEditableBox(focused))
            return false;
        const dialog = popup !== null ? popup : frontDialog();
        if (dialog === null)
            return false;
        const cancelling = [DialogButtonBox.RejectRole, DialogButtonBox.NoRole];
        if (enter && !destroysData(dialog))
            return press(buttonFor(dialog, [DialogButtonBox.AcceptRole, DialogButtonBox.YesRole, DialogButtonBox.ApplyRole]));
        return press(buttonFor(dialog, cancelling));
    }

    function destroysData(dialog) {
        const declared = Ui.PopupKinds.declaredOf(dialog);
        return declared !== null && declared.destroysData === true;
    }

    // A button box lays its buttons out in the platform's order of their roles, and Tab follows
    // the order in which they were made: each is given back to its parent from left to right,
    // whenever one moves (the box lays them out as they come, and again as they change).
    function followButtons(box) {
        const follow = () => {
            for (let i = 0; i < box.count; ++i) {
                const button = box.itemAt(i);
                if (button.Keys.objectName === "dialogKeys")
                    continue;
                button.Keys.objectName = "dialogKeys";
                button.xChanged.connect(() => {
                    if (keys !== null)
                        keys.orderButtons(box);
                });
            }
        };
        box.countChanged.connect(follow);
        follow();
        orderButtons(box);
    }

    function orderButtons(box) {
        const buttons = [];
        for (let i = 0; i < box.count; ++i)
            buttons.push(box.itemAt(i));
        buttons.sort((a, b) => a.mapToItem(box, 0, 0).x - b.mapToItem(box, 0, 0).x);
        for (const button of buttons) {
            const parent = button.parent;
            button.parent = null;
            button.parent = parent;
        }
    }

    function isButtonBox(item) {
        return typeof item.standardButton === "function" && item.itemAt !== undefined;
    }

    function watch(item, popup) {
        if (item.Keys.objectName === "dialogKeys")
            return;
        item.Keys.objectName = "dialogKeys";
        // Tab follows the order of the children, where a dialog's footer comes before its
        // content: the buttons go last, as they read.
        if (popup !== null) {
            const children = Array.from(item.children);
            const last = children[children.length - 1];
            for (const child of children.filter(child => child !== last && keys.isButtonBox(child))) {
                // Given back to its parent, an item becomes its last child.
                child.parent = null;
                child.parent = item;
            }
            const box = buttonBox(item);
            if (box !== null)
                followButtons(box);
        }
        item.Keys.pressed.connect(event => event.accepted = keys.keyPressed(event, popup));
    }

    Component.onCompleted: {
        Ui.PopupKinds.followMessageBoxes();
        watch(root, null);
        root.Keys.pressed.connect(event => keys.altAlone = event.key === Qt.Key_Alt);
        root.Keys.released.connect(event => {
            if (event.key === Qt.Key_Alt && keys.altAlone)
                keys.altReleased();
            keys.altAlone = false;
        });
    }

    property Connections overlayWatch: Connections {
        target: keys.overlay

        function onChildrenChanged() {
            for (let i = 0; i < keys.overlay.children.length; ++i) {
                const item = keys.overlay.children[i];
                if (Ui.PopupKinds.isPopupItem(item))
                    keys.watch(item, item);
            }
        }
    }
}
