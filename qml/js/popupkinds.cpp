#include "popupkinds.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

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

namespace {

// The message boxes of QtQuick.Dialogs show a popup their helper made, whose parent is the
// window and which keeps no link to the box declared; texts cannot tell two boxes apart. The
// helper is the declared box's child, and the popup is the helper's child until its first
// showing hands it to the window: seen then, the link is kept for as long as the popup lives.
class MessageBoxLinks : public QObject
{
public:
    using QObject::QObject;

    QObject *declaredOf(const QObject *popup) const { return m_declared.value(popup); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
            && watched->inherits("QQuickPlatformMessageDialog") && watched->parent()) {
            QObject *popup = static_cast<QChildEvent *>(event)->child();
            if (popup && popup->inherits("QQuickMessageDialogImpl") && !m_declared.contains(popup)) {
                m_declared.insert(popup, watched->parent());
                connect(popup, &QObject::destroyed, this, [this, popup] { m_declared.remove(popup); });
            }
        }
        return false;
    }

private:
    QHash<const QObject *, QPointer<QObject>> m_declared;
};

MessageBoxLinks *links()
{
    static QPointer<MessageBoxLinks> links;
    if (!links && QCoreApplication::instance()) {
        links = new MessageBoxLinks(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(links);
    }
    return links;
}

} // namespace

QObject *PopupKinds::declaredOf(const QObject *item)
{
    QObject *popup = popupOf(item);
    if (!popup || !popup->inherits("QQuickMessageDialogImpl"))
        return popup;
    QObject *declared = links() ? links()->declaredOf(popup) : nullptr;
    return declared ? declared : popup;
}

void PopupKinds::followMessageBoxes()
{
    links();
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
