#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

// What the items of a window's overlay are. Qt Quick's popups, dialogs, tool tips and the overlay
// itself are private classes without a type the pages or the native helpers can name: they are
// told apart here by their class names, once, for the hover gate and the dialog keys alike.
class PopupKinds : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The overlay that holds a window's popups.
    static bool isOverlay(const QObject *item);
    // The visual item of a popup (a menu, a dialog, a question, a tool tip) inside the overlay.
    Q_INVOKABLE static bool isPopupItem(const QObject *item);
    // The popup the item shows, null for an item that is no popup's.
    Q_INVOKABLE static QObject *popupOf(const QObject *item);
    // The object a page declared for the popup item: the popup itself, or the message box of
    // QtQuick.Dialogs that shows it (what says `destroysData`, for one).
    Q_INVOKABLE static QObject *declaredOf(const QObject *item);
    // From now on, each message box of QtQuick.Dialogs that is made is tied to its declared box:
    // called before the first one opens.
    Q_INVOKABLE static void followMessageBoxes();
    // A popup item that belongs to a tool tip.
    static bool isToolTip(const QObject *item);
    // A popup item that belongs to a dialog (the program's dialogs and questions).
    static bool isDialog(const QObject *item);
};
