#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The popups of the platform's widget dialogs (the file name's completion list). A dialog
// accepted by Enter pressed in its completion list is gone before the list hides, and the list
// stays on screen, keeping the pointer: the next click anywhere only closes it.
class WidgetPopups : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Closes every open widget popup; nothing when the program has none or no widgets at all.
    Q_INVOKABLE static void closeAll();
};
