#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Whether a modal popup (a dialog, a question) is open in a window. The dimmer of a modal popup
// keeps the pointer's moves from the items under it, but an item that shows or is made under a
// resting pointer is told it is hovered all the same, and stays so: the pages turn their hover
// areas off while this is active. It watches the window's overlay (Overlay.overlay), where a
// modal popup's dimmer is the one item besides the popups that takes the pointer's buttons.
class ModalWatch : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem *overlay READ overlay WRITE setOverlay NOTIFY overlayChanged)
    Q_PROPERTY(bool active READ active NOTIFY activeChanged)

public:
    using QObject::QObject;

    QQuickItem *overlay() const { return m_overlay; }
    void setOverlay(QQuickItem *overlay);
    bool active() const { return m_active; }

signals:
    void overlayChanged();
    void activeChanged();

private:
    void update();

    QPointer<QQuickItem> m_overlay;
    QMetaObject::Connection m_watch;
    bool m_active = false;
};
