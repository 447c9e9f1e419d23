#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Whether an item that reacts to the pointer (a table row, a row of the points list, a map item)
// may show it: its tool tip, its hover buttons, its highlight. Qt Quick tells an item it is
// hovered where the pilot cannot see it: under a question, a dialog or another popup, outside the
// clipped view that holds it (a row kept under the table's footer), and when its hover is turned
// on under a resting pointer, after which the hover may stay when the pointer leaves. The gate
// asks instead where the pointer last was in the window, and holds the item's hover only while
// that point lies on a part of the item the pilot sees and no modal popup or dialog is open.
class HoverGate : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The item whose visible part the pointer must rest on.
    Q_PROPERTY(QQuickItem *item READ item WRITE setItem NOTIFY itemChanged)
    // The item's own hover (a mouse area's containsMouse, a handler's hovered); true for an item
    // that finds what is under the pointer itself (a map layer).
    Q_PROPERTY(bool hovered READ hovered WRITE setHovered NOTIFY hoveredChanged)
    // A modal popup, a dialog or one of the program's questions is open in the item's window.
    Q_PROPERTY(bool modal READ modal NOTIFY modalChanged)
    // Hovered, on a part of the item the pilot sees, and no modal popup or dialog open.
    Q_PROPERTY(bool open READ open NOTIFY openChanged)

public:
    using QObject::QObject;

    QQuickItem *item() const { return m_item; }
    void setItem(QQuickItem *item);
    bool hovered() const { return m_hovered; }
    void setHovered(bool hovered);
    bool modal() const { return m_modal; }
    bool open() const { return m_open; }

signals:
    void itemChanged();
    void hoveredChanged();
    void modalChanged();
    void openChanged();

private:
    void follow();
    void update();
    bool reached() const;

    QPointer<QQuickItem> m_item;
    QPointer<QQuickWindow> m_window;
    QList<QMetaObject::Connection> m_watches;
    QList<QMetaObject::Connection> m_moves;
    bool m_hovered = false;
    bool m_modal = false;
    bool m_open = false;
};
