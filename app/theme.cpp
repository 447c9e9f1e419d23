#include "theme.h"

#include "settings.h"

Theme::Theme(const QString &name, bool night, bool mono)
    : m_name(name)
    , m_night(night)
    , m_mono(mono)
{
}

QString Theme::storedKey(const QString &key, int type)
{
    return type == 0 ? key : key + QLatin1Char('.') + QString::number(type);
}

template <typename T>
T Theme::lookup(const QHash<QString, T> &table, const QString &key, int type, const T &fallback, bool wildcard)
{
    auto it = table.constFind(storedKey(key, type));
    if (it != table.constEnd())
        return *it;
    it = table.constFind(key);
    if (it != table.constEnd())
        return *it;
    if (wildcard) {
        it = table.constFind(QStringLiteral("*"));
        if (it != table.constEnd())
            return *it;
    }
    return fallback;
}

double Theme::opacity(const QString &key, int type) const
{
    return lookup(m_opacity, key, type, 1.0);
}

QString Theme::fontFamily(const QString &key, int type) const
{
    return lookup(m_fontFamily, key, type, QStringLiteral("Helvetica"), true);
}

double Theme::fontSize(const QString &key, int type) const
{
    const double size = lookup(m_fontSize, key, type, 10.0, true);
    const int percent = Settings::getInt(QStringLiteral("map/fontSizePercent"), 100);
    return size * (percent / 100.0 * 0.8);
}

QColor Theme::color(const QString &key, int type) const
{
    return lookup(m_color, key, type, QColor::fromString(QStringLiteral("black")));
}

QColor Theme::labelColor(const QString &key, int type) const
{
    // The night styles keep the dim colours of their day counterparts for lines and symbols;
    // text in them on the dark ground would not read below this lightness.
    constexpr float nightLabelLightness = 0.7f;
    const QColor base = color(key, type);
    if (!m_night || !base.isValid() || base.lightnessF() >= nightLabelLightness)
        return base;
    return QColor::fromHslF(base.hslHueF(), base.hslSaturationF(), nightLabelLightness, base.alphaF()).toRgb();
}

double Theme::width(const QString &key, int type) const
{
    return lookup(m_width, key, type, 0.0);
}

double Theme::radius(const QString &key, int type) const
{
    return lookup(m_radius, key, type, 0.0);
}

int Theme::dashed(const QString &key, int type) const
{
    return lookup(m_dashed, key, type, false) ? 2 : 1;
}

void Theme::setWidth(const QString &key, double value, int type)
{
    m_width.insert(storedKey(key, type), value);
}

void Theme::setRadius(const QString &key, double value, int type)
{
    m_radius.insert(storedKey(key, type), value);
}

void Theme::setOpacity(const QString &key, double value, int type)
{
    m_opacity.insert(storedKey(key, type), value);
}

void Theme::setFontSize(const QString &key, double value, int type)
{
    m_fontSize.insert(storedKey(key, type), value);
}

void Theme::setFontFamily(const QString &key, const QString &value, int type)
{
    m_fontFamily.insert(storedKey(key, type), value);
}

void Theme::setColor(const QString &key, const QString &value, int type)
{
    m_color.insert(storedKey(key, type), QColor::fromString(value));
}

void Theme::setDashed(const QString &key, bool value, int type)
{
    m_dashed.insert(storedKey(key, type), value);
}
