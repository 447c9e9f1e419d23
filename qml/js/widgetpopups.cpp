#include "widgetpopups.h"

#include <QApplication>
#include <QWidget>

void WidgetPopups::closeAll()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // Popups stack; a popup that refuses to close ends the loop instead of spinning on it.
    while (QWidget *popup = QApplication::activePopupWidget()) {
        if (!popup->close())
            break;
    }
}
