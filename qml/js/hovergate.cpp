#include "hovergate.h"

#include "popupkinds.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QQuickWindow>

namespace {

// What every gate of one window reads: where the pointer last was in the window, and the popups
// of its overlay. It follows them once for the window (the table's rows each have a gate).
class WindowState : public QObject
{
    Q_OBJECT

public:
    explicit WindowState(QQuickWindow *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
        // Until the pointer moves, it rests where the window system has it.
        const QPoint inside = window->mapFromGlobal(QCursor::pos());
        if (QRect(QPoint(), window->size()).contains(inside)) {
            m_pointer = inside;
            m_hasPointer = true;
        }
        // Queued: the overlay joins the window's items from the base of its constructor, before
        // it is one.
        connect(window->contentItem(), &QQuickItem::childrenChanged, this, &WindowState::findOverlay,
                Qt::QueuedConnection);
        findOverlay();
    }

    static WindowState *of(QQuickWindow *window)
    {
        auto *state = window->findChild<WindowState *>(QString(), Qt::FindDirectChildrenOnly);
        return state ? state : new WindowState(window);
    }

    bool modal() const { return m_modal; }
    bool hasPointer() const { return m_hasPointer; }
    QPointF pointer() const { return m_pointer; }

    // Whether a popup that is not the item's own (a menu, a dialog, a question) lies over the
    // point. A tool tip does not count: the item's own shows beside the pointer.
    bool covered(const QQuickItem *item, const QPointF &point) const
    {
        if (!m_overlay)
            return false;
        for (QQuickItem *child : m_overlay->childItems()) {
            if (!child->isVisible() || !PopupKinds::isPopupItem(child) || child->isAncestorOf(item)
                || PopupKinds::isToolTip(child))
                continue;
            if (child->contains(child->mapFromScene(point)))
                return true;
        }
        return false;
    }

signals:
    void modalChanged();
    void pointerMoved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Enter:
            place(static_cast<QSinglePointEvent *>(event)->scenePosition(), true);
            break;
        case QEvent::Leave:
            place(QPointF(), false);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void place(const QPointF &point, bool inside)
    {
        if (inside == m_hasPointer && point == m_pointer)
            return;
        m_pointer = point;
        m_hasPointer = inside;
        emit pointerMoved();
    }

    // The overlay is made with the first popup, or the first page that asks for it.
    void findOverlay()
    {
        if (m_overlay)
            return;
        for (QQuickItem *child : m_window->contentItem()->childItems()) {
            if (PopupKinds::isOverlay(child)) {
                m_overlay = child;
                connect(child, &QQuickItem::childrenChanged, this, &WindowState::followOverlay);
                followOverlay();
                return;
            }
        }
    }

    void followOverlay()
    {
        for (QQuickItem *child : m_overlay->childItems())
            connect(child, &QQuickItem::visibleChanged, this, &WindowState::updateModal, Qt::UniqueConnection);
        updateModal();
    }

    // A modal popup's dimmer is the one item of the overlay besides the popups that takes the
    // pointer's buttons. The program's questions are dialogs without one: any dialog shown
    // counts as modal. The window's end destroys its overlay before the popups, which still
    // hide afterwards (a tool tip's exit transition): without an overlay nothing is modal.
    void updateModal()
    {
        bool modal = false;
        const QList<QQuickItem *> children = m_overlay ? m_overlay->childItems() : QList<QQuickItem *>();
        for (const QQuickItem *child : children) {
            if (!child->isVisible())
                continue;
            if (PopupKinds::isPopupItem(child))
                modal = modal || PopupKinds::isDialog(child);
            else if (child->acceptedMouseButtons() != Qt::NoButton)
                modal = true;
        }
        if (modal == m_modal)
            return;
        m_modal = modal;
        emit modalChanged();
    }

    QQuickWindow *m_window;
    QPointer<QQuickItem> m_overlay;
    QPointF m_pointer;
    bool m_hasPointer = false;
    bool m_modal = false;
};

} // namespace

void HoverGate::setItem(QQuickItem *item)
{
    if (item == m_item)
        return;
    if (m_item)
        disconnect(m_item, &QQuickItem::windowChanged, this, nullptr);
    m_item = item;
    if (item)
        connect(item, &QQuickItem::windowChanged, this, &HoverGate::follow);
    emit itemChanged();
    follow();
}

void HoverGate::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    emit hoveredChanged();
    follow();
}

// The window's modality is followed always; the pointer and the frames (a row scrolled away
// from under a resting pointer) only while the item is hovered, which few are at a time.
void HoverGate::follow()
{
    QQuickWindow *window = m_item ? m_item->window() : nullptr;
    if (window != m_window) {
        for (const auto &watch : std::as_const(m_watches))
            disconnect(watch);
        m_watches.clear();
        m_window = window;
        if (window)
            m_watches << connect(WindowState::of(window), &WindowState::modalChanged, this, &HoverGate::update);
    }
    for (const auto &move : std::as_const(m_moves))
        disconnect(move);
    m_moves.clear();
    if (window && m_hovered) {
        m_moves << connect(WindowState::of(window), &WindowState::pointerMoved, this, &HoverGate::update)
                << connect(window, &QQuickWindow::afterAnimating, this, &HoverGate::update);
    }
    update();
}

void HoverGate::update()
{
    const bool modal = m_window && WindowState::of(m_window)->modal();
    const bool open = m_hovered && !modal && reached();
    if (modal != m_modal) {
        m_modal = modal;
        emit modalChanged();
    }
    if (open != m_open) {
        m_open = open;
        emit openChanged();
    }
}

// The pointer rests on the item, inside every view that clips it, and under no other popup.
bool HoverGate::reached() const
{
    if (!m_item || !m_window || !m_item->isVisible())
        return false;
    const WindowState *state = WindowState::of(m_window);
    if (!state->hasPointer())
        return false;
    const QPointF point = state->pointer();
    if (!m_item->contains(m_item->mapFromScene(point)))
        return false;
    for (const QQuickItem *ancestor = m_item->parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (ancestor->clip() && !ancestor->contains(ancestor->mapFromScene(point)))
            return false;
    }
    return !state->covered(m_item, point);
}

#include "hovergate.moc"
