#include "windowframe.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>

void WindowFrame::setWindow(QWindow *window)
{
    if (m_window == window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    m_fitted = false;
    if (m_window)
        m_window->installEventFilter(this);
    emit windowChanged();
}

WindowFrame::Fit WindowFrame::fit(const QRect &available, const QMargins &frame, const QRect &geometry,
                                  const QSize &minimum)
{
    // The pages need the smallest size: only the frame's share of it is given up, and a screen
    // smaller than it, where no frame fits, is left to the window's own placement.
    if (available.width() < minimum.width() || available.height() < minimum.height())
        return {minimum, geometry};
    const QSize room = available.size().shrunkBy(frame);
    const QSize smallest = minimum.boundedTo(room);
    const QSize size = geometry.size().boundedTo(room).expandedTo(smallest);
    QRect outer(geometry.topLeft() - QPoint(frame.left(), frame.top()), size.grownBy(frame));
    outer.moveLeft(qBound(available.left(), outer.left(), available.left() + available.width() - outer.width()));
    outer.moveTop(qBound(available.top(), outer.top(), available.top() + available.height() - outer.height()));
    return {smallest, outer.marginsRemoved(frame)};
}

bool WindowFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The manager frames the window around its mapping: its margins are known from the first
    // exposure, move or resize after it.
    const auto type = event->type();
    if (!m_fitted && watched == m_window
        && (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)) {
        // Not from inside the window system's event: the new geometry would race the one it reports.
        QTimer::singleShot(0, this, &WindowFrame::apply);
    }
    return QObject::eventFilter(watched, event);
}

void WindowFrame::apply()
{
    if (m_fitted || !m_window || !m_window->isVisible() || !m_window->screen())
        return;
    // Without a manager there is no frame, and the window fitted itself to the screen already.
    const QMargins frame = m_window->frameMargins();
    if (frame.isNull())
        return;
    m_fitted = true;
    const Fit fitted
        = fit(m_window->screen()->availableGeometry(), frame, m_window->geometry(), m_window->minimumSize());
    if (fitted.minimum != m_window->minimumSize())
        m_window->setMinimumSize(fitted.minimum);
    if (fitted.geometry != m_window->geometry())
        m_window->setGeometry(fitted.geometry);
}
