#pragma once

#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>

// One named map style: for each element key of the map (and optionally each sub-type of it)
// an opacity, font, colour, line width, corner radius and dash flag. Filled once by the theme
// manager right after construction, read-only to QML afterwards.
class Theme : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(bool night READ night CONSTANT)
    Q_PROPERTY(bool mono READ mono CONSTANT)

public:
    Theme(const QString &name, bool night, bool mono);

    QString name() const { return m_name; }
    bool night() const { return m_night; }
    bool mono() const { return m_mono; }

    Q_INVOKABLE double opacity(const QString &key, int type) const;
    Q_INVOKABLE double opacity(const QString &key) const { return opacity(key, 0); }
    Q_INVOKABLE QString fontFamily(const QString &key, int type) const;
    Q_INVOKABLE QString fontFamily(const QString &key) const { return fontFamily(key, 0); }
    // Scaled by the user's map font size preference, read at every call.
    Q_INVOKABLE double fontSize(const QString &key, int type) const;
    Q_INVOKABLE double fontSize(const QString &key) const { return fontSize(key, 0); }
    Q_INVOKABLE QColor color(const QString &key, int type) const;
    Q_INVOKABLE QColor color(const QString &key) const { return color(key, 0); }
    Q_INVOKABLE double width(const QString &key, int type) const;
    Q_INVOKABLE double width(const QString &key) const { return width(key, 0); }
    Q_INVOKABLE double radius(const QString &key, int type) const;
    Q_INVOKABLE double radius(const QString &key) const { return radius(key, 0); }
    // A pen style for the map's stroke: 2 (dash line) when set, else 1 (solid line).
    Q_INVOKABLE int dashed(const QString &key, int type) const;
    Q_INVOKABLE int dashed(const QString &key) const { return dashed(key, 0); }
    // The colour of a text drawn straight on the map: color(), raised on a night map to at
    // least the lightness that reads on its dark ground (hue, saturation and alpha kept).
    Q_INVOKABLE QColor labelColor(const QString &key, int type) const;
    Q_INVOKABLE QColor labelColor(const QString &key) const { return labelColor(key, 0); }

    void setWidth(const QString &key, double value, int type = 0);
    void setRadius(const QString &key, double value, int type = 0);
    void setOpacity(const QString &key, double value, int type = 0);
    void setFontSize(const QString &key, double value, int type = 0);
    void setFontFamily(const QString &key, const QString &value, int type = 0);
    void setColor(const QString &key, const QString &value, int type = 0);
    void setDashed(const QString &key, bool value, int type = 0);

private:
    static QString storedKey(const QString &key, int type);
    // The typed entry, else the plain one, else (with wildcard) the "*" entry, else fallback.
    template <typename T>
    static T lookup(const QHash<QString, T> &table, const QString &key, int type, const T &fallback,
                    bool wildcard = false);

    QString m_name;
    bool m_night;
    bool m_mono;
    QHash<QString, double> m_opacity;
    QHash<QString, QString> m_fontFamily;
    QHash<QString, double> m_fontSize;
    QHash<QString, QColor> m_color;
    QHash<QString, double> m_width;
    QHash<QString, double> m_radius;
    QHash<QString, bool> m_dashed;
};
