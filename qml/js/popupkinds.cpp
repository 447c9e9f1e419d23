#include "popupkinds.h"

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
