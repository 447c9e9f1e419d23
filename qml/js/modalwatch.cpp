#include "modalwatch.h"

namespace {

// Shared by every watch of one overlay (the table's rows each have one): it follows the
// overlay's items once.
class OverlayState : public QObject
{
    Q_OBJECT

public:
    explicit OverlayState(QQuickItem *overlay)
        : QObject(overlay)
        , m_overlay(overlay)
    {
        connect(overlay, &QQuickItem::childrenChanged, this, &OverlayState::follow);
        follow();
    }

    static OverlayState *of(QQuickItem *overlay)
    {
        auto *state = overlay->findChild<OverlayState *>(QString(), Qt::FindDirectChildrenOnly);
        return state ? state : new OverlayState(overlay);
    }

    bool modal() const { return m_modal; }

signals:
    void modalChanged();

private:
    void follow()
    {
        for (QQuickItem *child : m_overlay->childItems())
            connect(child, &QQuickItem::visibleChanged, this, &OverlayState::update, Qt::UniqueConnection);
        update();
    }

    void update()
    {
        bool modal = false;
        for (const QQuickItem *child : m_overlay->childItems()) {
            if (child->isVisible() && child->acceptedMouseButtons() != Qt::NoButton
                && !child->inherits("QQuickPopupItem"))
                modal = true;
        }
        if (modal == m_modal)
            return;
        m_modal = modal;
        emit modalChanged();
    }

    QQuickItem *m_overlay;
    bool m_modal = false;
};

} // namespace

void ModalWatch::setOverlay(QQuickItem *overlay)
{
    if (overlay == m_overlay)
        return;
    disconnect(m_watch);
    m_overlay = overlay;
    if (overlay) {
        OverlayState *state = OverlayState::of(overlay);
        m_watch = connect(state, &OverlayState::modalChanged, this, &ModalWatch::update);
    }
    emit overlayChanged();
    update();
}

void ModalWatch::update()
{
    const bool active = m_overlay && OverlayState::of(m_overlay)->modal();
    if (active == m_active)
        return;
    m_active = active;
    emit activeChanged();
}

#include "modalwatch.moc"
