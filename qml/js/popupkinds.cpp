#include "popupkinds.h"

#include <QStringList>
#include <QVariant>

bool PopupKinds::isOverlay(const QObject *item)
{
    return item && item->inherits("QQuickOverlay");
}

bool PopupKinds::isPopupItem(const QObject *item)
{
    return item && item->inherits("QQuickPopupItem");
}

// The popup item is made by its popup, which stays its parent object.
QObject *PopupKinds::popupOf(const QObject *item)
{
    return isPopupItem(item) ? item->parent() : nullptr;
}

// The message boxes of QtQuick.Dialogs show a popup their helper made, whose parent is the
// window and which keeps no link to the dialog declared: that is the message box shown with its
// texts.
QObject *PopupKinds::declaredOf(const QObject *item)
{
    QObject *popup = popupOf(item);
    if (!popup || !popup->inherits("QQuickMessageDialogImpl") || !popup->parent())
        return popup;
    const auto texts = [](const QObject *box) {
        return QStringList({box->property("text").toString(), box->property("informativeText").toString()});
    };
    for (QObject *dialog : popup->parent()->findChildren<QObject *>()) {
        if (dialog->inherits("QQuickMessageDialog") && dialog->property("visible").toBool()
            && texts(dialog) == texts(popup))
            return dialog;
    }
    return popup;
}

bool PopupKinds::isToolTip(const QObject *item)
{
    const QObject *popup = popupOf(item);
    return popup && popup->inherits("QQuickToolTip");
}

bool PopupKinds::isDialog(const QObject *item)
{
    const QObject *popup = popupOf(item);
    return popup && popup->inherits("QQuickDialog");
}
