#include "thememanager.h"

#include "theme.h"

#include <QColor>
#include <QDebug>
#include <QQmlContext>

#include <array>

QString hslColor(double h, double s, double l, double a)
{
    return QColor::fromHslF(float(h / 360), float(s / 100), float(l / 100), float(a)).name(QColor::HexArgb);
}

namespace {

enum Property { FontSize, Colour, Width, Radius, Opacity, Dashed };

// One theme's value of a row: not set, a number (or the dashed flag), or a colour text.
struct Cell
{
    bool set = false;
    double number = 0.0;
    QString colour;
};

Cell unset()
{
    return {};
}

Cell num(double value)
{
    return {true, value, QString()};
}

Cell yes()
{
    return num(1.0);
}

// Hue in degrees, saturation and lightness in percent, alpha 0..1.
Cell hsl(double h, double s, double l, double a = 1.0)
{
    return {true, 0.0, hslColor(h, s, l, a)};
}

Cell named(const char *colour)
{
    return {true, 0.0, QString::fromLatin1(colour)};
}

struct Row
{
    const char *key;
    int type;
    Property property;
    // Light, Dark, Voyager, Paper, Midnight, Terrain, Satellite.
    std::array<Cell, 7> cells;
};

// The style of every built-in theme, one row per element key, type and property. No theme sets
// a font family, so every label is drawn in the "Helvetica" default.
QList<Row> valueTable()
{
    // Laid out by hand: one row per key, one column per theme.
    // clang-format off
    return {
        { "*", 0, FontSize, { num(11), num(11), num(10), num(13), num(12), num(10), num(10) } },
        { "selection", 0, Colour, { hsl(350.4, 100, 56.65), hsl(350.34, 39.71, 54.1), named("orangered"),
              hsl(0, 100, 36.67), hsl(56.29, 87.5, 52.94), hsl(0, 100, 26.86), hsl(350, 100, 72) } },
        { "point", 1, Colour, { hsl(232.91, 79.23, 58), hsl(211.18, 72.85, 34.57), named("mediumblue"),
              hsl(240, 100, 27.25), named("goldenrod"), hsl(240, 100, 27.25), hsl(195, 100, 72) } },
        { "point", 2, Colour, { hsl(0.59, 100, 68.17), hsl(0, 52.25, 35.92), named("darkred"), hsl(0, 100, 27.25),
              named("olivedrab"), hsl(0, 100, 27.25), hsl(15, 100, 75) } },
        { "point", 3, Colour, { hsl(240, 84.79, 61.57), hsl(211.18, 72.85, 34.57), named("mediumblue"),
              hsl(240, 100, 27.25), named("goldenrod"), hsl(240, 100, 27.25), hsl(210, 100, 78) } },
        { "point", 11, Colour, { hsl(300.62, 97.01, 65.96), hsl(300, 34.5, 37.94), named("darkviolet"),
              hsl(300, 100, 27.25), hsl(280.7, 59.59, 62.16), hsl(300, 100, 27.25), hsl(300, 100, 78) } },
        { "point", 13, Colour, { hsl(240, 84.79, 61.57), hsl(211.18, 72.85, 34.57), named("mediumblue"),
              hsl(240, 100, 27.25), named("goldenrod"), hsl(240, 100, 27.25), hsl(210, 100, 78) } },
        { "point", 28, Colour, { hsl(300, 100, 64.44), hsl(300, 34.5, 37.94), named("darkviolet"), hsl(300, 100, 27.25),
              hsl(280.7, 59.59, 62.16), hsl(300, 100, 27.25), hsl(300, 100, 78) } },
        { "point.dot", 0, Width, { num(4.5), num(4.5), num(4), num(4), num(5), num(4), num(4) } },
        { "point.fill", 0, Width, { unset(), unset(), unset(), unset(), unset(), unset(), num(17) } },
        { "point.fill", 0, Colour, { unset(), unset(), unset(), unset(), unset(), unset(), hsl(220, 20, 8, 0.9) } },
        { "point.border", 0, Colour, { unset(), unset(), unset(), unset(), unset(), unset(), hsl(0, 0, 100, 0.8) } },
        { "point.border", 0, Width, { unset(), unset(), unset(), unset(), unset(), unset(), num(1) } },
        { "pointlabel.fill", 0, Colour, { named("transparent"), hsl(0, 0, 0, 0.333333), named("transparent"),
              hsl(0, 0, 100, 0.666667), hsl(0, 0, 0, 0.2), hsl(0, 0, 100, 0.466667), hsl(220, 20, 8, 0.9) } },
        { "pointlabel.border", 0, Colour, { unset(), unset(), unset(), hsl(0, 0, 25.1), unset(), hsl(0, 0, 100),
              hsl(0, 0, 100, 0.45) } },
        { "pointlabel.border", 0, Width, { num(0), num(0), num(0), num(1), num(0), num(0), num(0.75) } },
        { "pointlabel.border", 0, Radius, { unset(), unset(), unset(), num(4), num(2), unset(), num(3) } },
        { "segment", 0, Width, { num(1.75), num(1.75), num(1.5), num(1.5), num(1.3), num(1), num(1.25) } },
        { "segment", 1, Colour, { hsl(100, 48.11, 58.34), hsl(120, 70.88, 20.21), hsl(180, 25.4, 24.71, 0.6),
              hsl(0, 0, 6.27, 0.733333), hsl(157.71, 54.97, 37.45), hsl(0, 0, 0, 0.733333), hsl(95, 100, 75) } },
        { "segment", 2, Colour, { hsl(209.68, 78.2, 61.57), hsl(193.41, 100, 19.09), hsl(248.46, 39, 39.22, 0.6),
              hsl(240, 100, 25.1, 0.733333), hsl(195.5, 75.88, 39.02), hsl(240, 100, 23.33, 0.733333),
              hsl(195, 100, 72) } },
        { "segment", 20, Colour, { hsl(358.67, 95.53, 67.16), hsl(355.71, 33, 31.43), hsl(248.46, 39, 39.22, 0.6),
              hsl(0, 100, 25.1, 0.733333), hsl(322.03, 56.64, 44.31), hsl(0, 100, 23.33, 0.733333),
              hsl(350, 100, 78) } },
        { "segment", 1, Dashed, { unset(), unset(), unset(), yes(), unset(), yes(), unset() } },
        { "segmentlabel", 0, FontSize, { num(9.5), num(9.5), num(9), num(10), num(10), num(8), num(8.5) } },
        { "segmentlabel.fill", 0, Colour, { hsl(0, 0, 100), hsl(0, 0, 6.67), named("white"), hsl(0, 0, 100),
              hsl(0, 0, 6.67), hsl(0, 0, 100), hsl(220, 20, 8, 0.9) } },
        { "airplane", 0, Colour, { hsl(36, 60.01, 45.45), hsl(38.08, 64.27, 39.95), hsl(37.84, 100, 47.25),
              hsl(36.08, 94.05, 67.06), named("palegreen"), hsl(32.7, 100, 41.37), hsl(40, 100, 68) } },
        { "flightplan", 0, Colour, { hsl(36.67, 90.75, 58), hsl(38.26, 69.63, 24.47), hsl(37.84, 88.89, 61.18),
              hsl(37.67, 100, 43.73), hsl(114, 100, 27.45), hsl(34.79, 100, 57.06), hsl(48, 100, 60) } },
        { "flightplan.hover", 0, Colour, { hsl(36, 60.01, 45.45), hsl(38.08, 64.27, 39.95), hsl(37.84, 100, 47.25),
              hsl(36.08, 94.05, 67.06), named("palegreen"), hsl(32.7, 100, 41.37), hsl(48, 100, 82) } },
        { "flightplan", 0, Width, { num(4), num(4), num(3), num(3), num(3), num(4), num(4.5) } },
        { "flightplan.border", 0, Colour, { hsl(37.36, 25.36, 42.91), hsl(38.18, 56.85, 33.46),
              hsl(37.36, 20.95, 49.61), hsl(35.17, 31.52, 36.08), named("greenyellow"), hsl(32.84, 100, 29.02),
              hsl(220, 20, 8) } },
        { "flightplan.border", 0, Width, { num(1.25), num(1.25), num(1), num(1.5), num(0.75), num(1.5), num(1.25) } },
        { "procedure", 0, Colour, { hsl(0, 0, 81.57), hsl(0, 0, 20), hsl(0, 0, 81.57), hsl(0, 0, 73.33),
              hsl(202.15, 100, 12.75), hsl(0, 0, 74.51), hsl(0, 0, 94) } },
        { "procedure.hover", 0, Colour, { hsl(205.57, 100, 56.65), hsl(216.46, 36.06, 54.1), hsl(205.71, 73.68, 62.75),
              hsl(205.53, 86.24, 57.25), hsl(192.94, 100, 50), hsl(213.56, 80.82, 57.06), hsl(185, 100, 70) } },
        { "procedure", 0, Width, { num(4), num(4), num(3), num(3), num(3), num(4), num(4.5) } },
        { "procedure.border", 0, Colour, { hsl(0, 0, 58.43), hsl(0, 0, 33.33), hsl(0, 0, 50.2), hsl(0, 0, 41.57),
              hsl(183.64, 92.52, 79.02), hsl(0, 0, 47.06), hsl(220, 20, 8) } },
        { "procedure.border", 0, Width, { num(1.25), num(1.25), num(1), num(1.5), num(0.75), num(1.5), num(1.25) } },
        { "boundary.fill", 0, Colour, { hsl(60, 2.56, 92.35), hsl(0, 0, 6.27), hsl(0, 0, 81.57), hsl(0, 0, 73.33),
              hsl(201.43, 100, 8.24), hsl(0, 0, 80, 0.466667), hsl(220, 20, 8, 0.12) } },
        { "boundary.border", 0, Colour, { unset(), unset(), unset(), hsl(0, 0, 50.2), unset(), hsl(0, 0, 80),
              hsl(200, 40, 85, 0.7) } },
        { "boundary.border", 0, Width, { num(0), num(0), num(0), num(0.5), num(0), num(0), num(0.75) } },
        { "taxiname.fill", 0, Colour, { hsl(0, 0, 80), hsl(0, 0, 26.67), hsl(0, 100, 50, 0.333333),
              hsl(0, 73.33, 50, 0.466667), hsl(240, 14.29, 23.33), hsl(0, 100, 50, 0.333333), hsl(220, 20, 8, 0.9) } },
        { "taxiname.border", 0, Colour, { unset(), unset(), unset(), hsl(0, 60, 50, 0.866667), hsl(240, 27.27, 36.67),
              hsl(0, 60, 50, 0.533333), hsl(50, 100, 75, 0.7) } },
        { "taxiname.border", 0, Width, { num(0), num(0), num(0), num(1), num(1), num(1), num(0.75) } },
        { "taxiname", 0, Colour, { hsl(0, 0, 53.33), hsl(0, 0, 53.33), hsl(0, 0, 100, 0.533333),
              hsl(0, 0, 100, 0.666667), hsl(80, 81.82, 36.67), hsl(0, 0, 100, 0.533333), hsl(50, 100, 75) } },
        { "startup.fill", 0, Colour, { hsl(0, 0, 72.55), hsl(0, 0, 33.33), hsl(0, 0, 53.33), hsl(0, 0, 100, 0.733333),
              hsl(201.43, 100, 8.24), hsl(0, 0, 62.75, 0.533333), hsl(220, 20, 8, 0.9) } },
        { "startup.border", 0, Colour, { unset(), unset(), hsl(60, 100, 45.88), hsl(0, 0, 25.1), unset(), hsl(0, 0, 0),
              hsl(0, 0, 100, 0.7) } },
        { "startup.border", 0, Width, { num(0), num(0), num(0.75), num(1), num(0), num(0), num(0.75) } },
        { "startup.border", 0, Radius, { unset(), unset(), unset(), num(3), unset(), unset(), unset() } },
        { "startuplabel", 0, Colour, { hsl(60, 100, 39.68), hsl(42.9, 81.84, 56.12), hsl(60, 100, 43.33),
              hsl(0, 0, 25.1), hsl(186.67, 51.92, 79.61), named("white"), hsl(0, 0, 100) } },
        { "asphalt", 0, Colour, { hsl(0, 0, 66.27), hsl(0, 0, 26.67), hsl(0, 0, 53.73), hsl(0, 0, 41.57),
              hsl(201.82, 100, 15.1), hsl(0, 0, 46.67), hsl(220, 12, 42, 0.75) } },
        { "concrete", 0, Colour, { hsl(0, 0, 72.55), hsl(0, 0, 33.33), hsl(0, 0, 62.75), hsl(0, 0, 50.2),
              hsl(201.64, 100, 11.96), hsl(0, 0, 60), hsl(210, 12, 68, 0.75) } },
        { "grass", 0, Colour, { hsl(90, 20.17, 34.6), hsl(90, 18.34, 45.8), hsl(90, 16.67, 40), hsl(90, 16.67, 40),
              hsl(93.85, 29.77, 25.69), hsl(90, 16.67, 40), hsl(100, 30, 42, 0.55) } },
        { "dirt", 0, Colour, { hsl(28.33, 17.7, 44.77), hsl(28.33, 16.09, 59.26), hsl(28.33, 14.63, 51.76),
              hsl(28.33, 14.63, 51.76), hsl(28.33, 14.63, 51.76), hsl(28.33, 14.63, 51.76), hsl(30, 40, 52, 0.65) } },
        { "gravel", 0, Colour, { hsl(120, 0.93, 42.35), hsl(120, 0.93, 42.35), hsl(120, 0.93, 42.35),
              hsl(120, 0.93, 42.35), hsl(120, 0.93, 42.35), hsl(120, 0.93, 42.35), hsl(35, 14, 56, 0.65) } },
        { "lakebed", 0, Colour, { hsl(38, 14.4, 42.73), hsl(38, 13.09, 56.57), hsl(38, 11.9, 49.41),
              hsl(38, 11.9, 49.41), hsl(38, 11.9, 49.41), hsl(38, 11.9, 49.41), hsl(38, 30, 60, 0.6) } },
        { "water", 0, Colour, { hsl(204.44, 41.36, 13.4), hsl(204.44, 37.6, 17.73), hsl(204.44, 34.18, 15.49),
              hsl(204.44, 34.18, 15.49), hsl(204.44, 34.18, 15.49), hsl(204.44, 34.18, 15.49),
              hsl(200, 60, 32, 0.65) } },
        { "snow", 0, Colour, { hsl(230, 12.31, 66.48), hsl(230, 11.19, 88), hsl(230, 10.17, 76.86),
              hsl(230, 10.17, 76.86), hsl(230, 10.17, 76.86), hsl(230, 10.17, 76.86), hsl(210, 15, 90, 0.65) } },
        { "clouds", 0, Opacity, { num(1), num(0.25), num(1), num(1), num(0.25), num(0.7), num(1) } },
        { "precipitation", 0, Opacity, { num(0.85), num(0.85), num(0.85), num(0.85), num(0.85), num(0.8), num(0.85) } },
        { "wind", 0, Opacity, { num(0.4), num(0.5), num(0.5), num(0.4), num(0.3), num(0.4), num(0.4) } },
    };
    // clang-format on
}

void apply(Theme *theme, const Row &row, const Cell &cell)
{
    const QString key = QString::fromLatin1(row.key);
    // clang-format off
    switch (row.property) {
    case FontSize: theme->setFontSize(key, cell.number, row.type); break;
    case Colour: theme->setColor(key, cell.colour, row.type); break;
    case Width: theme->setWidth(key, cell.number, row.type); break;
    case Radius: theme->setRadius(key, cell.number, row.type); break;
    case Opacity: theme->setOpacity(key, cell.number, row.type); break;
    case Dashed: theme->setDashed(key, cell.number != 0.0, row.type); break;
    }
    // clang-format on
}

} // namespace

ThemeManager::ThemeManager()
{
    struct Identity
    {
        const char *name;
        bool night;
        bool mono;
    };
    const Identity identities[]
        = {{"Light", false, false},   {"Dark", true, false},     {"Voyager", false, false}, {"Paper", false, false},
           {"Midnight", true, false}, {"Terrain", false, false}, {"Satellite", false, true}};
    const QList<Row> table = valueTable();
    for (size_t index = 0; index < std::size(identities); ++index) {
        const Identity &identity = identities[index];
        auto *theme = new Theme(QString::fromLatin1(identity.name), identity.night, identity.mono);
        theme->setParent(this);
        for (const Row &row : table) {
            if (row.cells.at(index).set)
                apply(theme, row, row.cells.at(index));
        }
        m_themes.append(theme);
    }
}
void ThemeManager::setContext(QQmlContext *context)
{
    m_context = context;
    if (m_context)
        registerTheme();
}

void ThemeManager::setIndex(int index)
{
    if (index < 0 || index >= m_themes.size()) {
        qWarning() << "Invalid theme index" << index << "reseting to 0";
        index = 0;
    }
    m_index = index;
    registerTheme();
    emit changed();
}

bool ThemeManager::registerTheme()
{
    Theme *theme = m_themes.value(m_index);
    if (!theme || !m_context) {
        qWarning() << "Cannot register theme" << theme << "into context" << m_context.data();
        return false;
    }
    m_context->setContextProperty(QStringLiteral("theme"), theme);
    return true;
}

QVariant ThemeManager::list() const
{
    QVariantList names;
    for (const Theme *theme : m_themes) {
        if (theme)
            names.append(theme->property("name").toString());
    }
    return names;
}
