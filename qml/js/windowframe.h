#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

// Keeps a window's frame on its screen. The window's size and position are those of its client
// area, and its smallest size is what the pages need; a window manager then adds its title bar and
// borders around it, which on a screen of the smallest size pushed the window's bottom (the footer,
// the tabs, a dialog's buttons) off the screen. Once the window is shown and the manager has framed
// it, the frame is fitted into the screen's available area, the smallest size lowered only as far
// as that needs. It is done once: later the pilot places the window.
class WindowFrame : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QWindow *window READ window WRITE setWindow NOTIFY windowChanged)

public:
    struct Fit
    {
        QSize minimum;
        QRect geometry;
    };

    using QObject::QObject;

    QWindow *window() const { return m_window; }
    void setWindow(QWindow *window);

    // The smallest size and client geometry that put the frame around `geometry` inside
    // `available`, when that is no smaller than `minimum`: the frame is moved only when it leaves
    // the area.
    static Fit fit(const QRect &available, const QMargins &frame, const QRect &geometry, const QSize &minimum);

signals:
    void windowChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QPointer<QWindow> m_window;
    bool m_fitted = false;
};
