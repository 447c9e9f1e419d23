#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QQmlContext;
class Theme;

// The seven built-in map themes and the current one, which the manager publishes into the QML
// root context as "theme" whenever its index is written.
class ThemeManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant list READ list NOTIFY changed)
    Q_PROPERTY(int index READ index WRITE setIndex)

public:
    ThemeManager();

    // Publishes the current theme at once: bindings that read "theme" while the root document
    // is still being created must find one before the map first writes the index.
    void setContext(QQmlContext *context);

    int index() const { return m_index; }
    void setIndex(int index);
    QVariant list() const;

    // The themes in list order, owned by the manager: the program destroys its QML engine, the
    // last reader of "theme", before the manager.
    const QList<Theme *> &themes() const { return m_themes; }

signals:
    void changed();

private:
    bool registerTheme();

    QPointer<QQmlContext> m_context;
    QList<Theme *> m_themes;
    int m_index = 0;
};

// Colour text "#AARRGGBB" of hue h (degrees), saturation s and lightness l (percent), alpha a (0..1).
QString hslColor(double h, double s, double l, double a);
