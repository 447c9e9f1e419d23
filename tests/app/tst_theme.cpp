#include "settings.h"
#include "testsupport.h"
#include "theme.h"
#include "thememanager.h"

#include <QColor>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// The built-in themes' values as the map style table gives them, one row per key, type and
// property, cells in theme order Light, Dark, Voyager, Paper, Midnight, Terrain, Satellite.
// A colour cell is "h, s, l" or "h, s, l, a" (degrees, percent, percent, 0..1) or a quoted
// colour name; "–" means the theme does not set the key.
struct ValueRow
{
    const char *key;
    int type;
    const char *property;
    const char *cells;
};

// One row per key, as the theme table lays it out.
// clang-format off
const ValueRow valueTable[] = {
        { "*", 0, "font size", "11 | 11 | 10 | 13 | 12 | 10 | 10" },
        { "selection", 0, "colour", "350.4, 100, 56.65 | 350.34, 39.71, 54.1 | 'orangered' | 0, 100, 36.67 | 56.29, 87.5, 52.94 | 0, 100, 26.86 | 350, 100, 72" },
        { "point", 1, "colour", "232.91, 79.23, 58 | 211.18, 72.85, 34.57 | 'mediumblue' | 240, 100, 27.25 | 'goldenrod' | 240, 100, 27.25 | 195, 100, 72" },
        { "point", 2, "colour", "0.59, 100, 68.17 | 0, 52.25, 35.92 | 'darkred' | 0, 100, 27.25 | 'olivedrab' | 0, 100, 27.25 | 15, 100, 75" },
        { "point", 3, "colour", "240, 84.79, 61.57 | 211.18, 72.85, 34.57 | 'mediumblue' | 240, 100, 27.25 | 'goldenrod' | 240, 100, 27.25 | 210, 100, 78" },
        { "point", 11, "colour", "300.62, 97.01, 65.96 | 300, 34.5, 37.94 | 'darkviolet' | 300, 100, 27.25 | 280.7, 59.59, 62.16 | 300, 100, 27.25 | 300, 100, 78" },
        { "point", 13, "colour", "240, 84.79, 61.57 | 211.18, 72.85, 34.57 | 'mediumblue' | 240, 100, 27.25 | 'goldenrod' | 240, 100, 27.25 | 210, 100, 78" },
        { "point", 28, "colour", "300, 100, 64.44 | 300, 34.5, 37.94 | 'darkviolet' | 300, 100, 27.25 | 280.7, 59.59, 62.16 | 300, 100, 27.25 | 300, 100, 78" },
        { "point.dot", 0, "width", "4.5 | 4.5 | 4 | 4 | 5 | 4 | 4" },
        { "point.fill", 0, "width", "– | – | – | – | – | – | 17" },
        { "point.fill", 0, "colour", "– | – | – | – | – | – | 220, 20, 8, 0.9" },
        { "point.border", 0, "colour", "– | – | – | – | – | – | 0, 0, 100, 0.8" },
        { "point.border", 0, "width", "– | – | – | – | – | – | 1" },
        { "pointlabel.fill", 0, "colour", "'transparent' | 0, 0, 0, 0.333333 | 'transparent' | 0, 0, 100, 0.666667 | 0, 0, 0, 0.2 | 0, 0, 100, 0.466667 | 220, 20, 8, 0.9" },
        { "pointlabel.border", 0, "colour", "– | – | – | 0, 0, 25.1 | – | 0, 0, 100 | 0, 0, 100, 0.45" },
        { "pointlabel.border", 0, "width", "0 | 0 | 0 | 1 | 0 | 0 | 0.75" },
        { "pointlabel.border", 0, "radius", "– | – | – | 4 | 2 | – | 3" },
        { "segment", 0, "width", "1.75 | 1.75 | 1.5 | 1.5 | 1.3 | 1 | 1.25" },
        { "segment", 1, "colour", "100, 48.11, 58.34 | 120, 70.88, 20.21 | 180, 25.4, 24.71, 0.6 | 0, 0, 6.27, 0.733333 | 157.71, 54.97, 37.45 | 0, 0, 0, 0.733333 | 95, 100, 75" },
        { "segment", 2, "colour", "209.68, 78.2, 61.57 | 193.41, 100, 19.09 | 248.46, 39, 39.22, 0.6 | 240, 100, 25.1, 0.733333 | 195.5, 75.88, 39.02 | 240, 100, 23.33, 0.733333 | 195, 100, 72" },
        { "segment", 20, "colour", "358.67, 95.53, 67.16 | 355.71, 33, 31.43 | 248.46, 39, 39.22, 0.6 | 0, 100, 25.1, 0.733333 | 322.03, 56.64, 44.31 | 0, 100, 23.33, 0.733333 | 350, 100, 78" },
        { "segment", 1, "dashed", "– | – | – | yes | – | yes | –" },
        { "segmentlabel", 0, "font size", "9.5 | 9.5 | 9 | 10 | 10 | 8 | 8.5" },
        { "segmentlabel.fill", 0, "colour", "0, 0, 100 | 0, 0, 6.67 | 'white' | 0, 0, 100 | 0, 0, 6.67 | 0, 0, 100 | 220, 20, 8, 0.9" },
        { "airplane", 0, "colour", "36, 60.01, 45.45 | 38.08, 64.27, 39.95 | 37.84, 100, 47.25 | 36.08, 94.05, 67.06 | 'palegreen' | 32.7, 100, 41.37 | 40, 100, 68" },
        { "flightplan", 0, "colour", "36.67, 90.75, 58 | 38.26, 69.63, 24.47 | 37.84, 88.89, 61.18 | 37.67, 100, 43.73 | 114, 100, 27.45 | 34.79, 100, 57.06 | 48, 100, 60" },
        { "flightplan.hover", 0, "colour", "36, 60.01, 45.45 | 38.08, 64.27, 39.95 | 37.84, 100, 47.25 | 36.08, 94.05, 67.06 | 'palegreen' | 32.7, 100, 41.37 | 48, 100, 82" },
        { "flightplan", 0, "width", "4 | 4 | 3 | 3 | 3 | 4 | 4.5" },
        { "flightplan.border", 0, "colour", "37.36, 25.36, 42.91 | 38.18, 56.85, 33.46 | 37.36, 20.95, 49.61 | 35.17, 31.52, 36.08 | 'greenyellow' | 32.84, 100, 29.02 | 220, 20, 8" },
        { "flightplan.border", 0, "width", "1.25 | 1.25 | 1 | 1.5 | 0.75 | 1.5 | 1.25" },
        { "procedure", 0, "colour", "0, 0, 81.57 | 0, 0, 20 | 0, 0, 81.57 | 0, 0, 73.33 | 202.15, 100, 12.75 | 0, 0, 74.51 | 0, 0, 94" },
        { "procedure.hover", 0, "colour", "205.57, 100, 56.65 | 216.46, 36.06, 54.1 | 205.71, 73.68, 62.75 | 205.53, 86.24, 57.25 | 192.94, 100, 50 | 213.56, 80.82, 57.06 | 185, 100, 70" },
        { "procedure", 0, "width", "4 | 4 | 3 | 3 | 3 | 4 | 4.5" },
        { "procedure.border", 0, "colour", "0, 0, 58.43 | 0, 0, 33.33 | 0, 0, 50.2 | 0, 0, 41.57 | 183.64, 92.52, 79.02 | 0, 0, 47.06 | 220, 20, 8" },
        { "procedure.border", 0, "width", "1.25 | 1.25 | 1 | 1.5 | 0.75 | 1.5 | 1.25" },
        { "boundary.fill", 0, "colour", "60, 2.56, 92.35 | 0, 0, 6.27 | 0, 0, 81.57 | 0, 0, 73.33 | 201.43, 100, 8.24 | 0, 0, 80, 0.466667 | 220, 20, 8, 0.12" },
        { "boundary.border", 0, "colour", "– | – | – | 0, 0, 50.2 | – | 0, 0, 80 | 200, 40, 85, 0.7" },
        { "boundary.border", 0, "width", "0 | 0 | 0 | 0.5 | 0 | 0 | 0.75" },
        { "taxiname.fill", 0, "colour", "0, 0, 80 | 0, 0, 26.67 | 0, 100, 50, 0.333333 | 0, 73.33, 50, 0.466667 | 240, 14.29, 23.33 | 0, 100, 50, 0.333333 | 220, 20, 8, 0.9" },
        { "taxiname.border", 0, "colour", "– | – | – | 0, 60, 50, 0.866667 | 240, 27.27, 36.67 | 0, 60, 50, 0.533333 | 50, 100, 75, 0.7" },
        { "taxiname.border", 0, "width", "0 | 0 | 0 | 1 | 1 | 1 | 0.75" },
        { "taxiname", 0, "colour", "0, 0, 53.33 | 0, 0, 53.33 | 0, 0, 100, 0.533333 | 0, 0, 100, 0.666667 | 80, 81.82, 36.67 | 0, 0, 100, 0.533333 | 50, 100, 75" },
        { "startup.fill", 0, "colour", "0, 0, 72.55 | 0, 0, 33.33 | 0, 0, 53.33 | 0, 0, 100, 0.733333 | 201.43, 100, 8.24 | 0, 0, 62.75, 0.533333 | 220, 20, 8, 0.9" },
        { "startup.border", 0, "colour", "– | – | 60, 100, 45.88 | 0, 0, 25.1 | – | 0, 0, 0 | 0, 0, 100, 0.7" },
        { "startup.border", 0, "width", "0 | 0 | 0.75 | 1 | 0 | 0 | 0.75" },
        { "startup.border", 0, "radius", "– | – | – | 3 | – | – | –" },
        { "startuplabel", 0, "colour", "60, 100, 39.68 | 42.9, 81.84, 56.12 | 60, 100, 43.33 | 0, 0, 25.1 | 186.67, 51.92, 79.61 | 'white' | 0, 0, 100" },
        { "asphalt", 0, "colour", "0, 0, 66.27 | 0, 0, 26.67 | 0, 0, 53.73 | 0, 0, 41.57 | 201.82, 100, 15.1 | 0, 0, 46.67 | 220, 12, 42, 0.75" },
        { "concrete", 0, "colour", "0, 0, 72.55 | 0, 0, 33.33 | 0, 0, 62.75 | 0, 0, 50.2 | 201.64, 100, 11.96 | 0, 0, 60 | 210, 12, 68, 0.75" },
        { "grass", 0, "colour", "90, 20.17, 34.6 | 90, 18.34, 45.8 | 90, 16.67, 40 | 90, 16.67, 40 | 93.85, 29.77, 25.69 | 90, 16.67, 40 | 100, 30, 42, 0.55" },
        { "dirt", 0, "colour", "28.33, 17.7, 44.77 | 28.33, 16.09, 59.26 | 28.33, 14.63, 51.76 | 28.33, 14.63, 51.76 | 28.33, 14.63, 51.76 | 28.33, 14.63, 51.76 | 30, 40, 52, 0.65" },
        { "gravel", 0, "colour", "120, 0.93, 42.35 | 120, 0.93, 42.35 | 120, 0.93, 42.35 | 120, 0.93, 42.35 | 120, 0.93, 42.35 | 120, 0.93, 42.35 | 35, 14, 56, 0.65" },
        { "lakebed", 0, "colour", "38, 14.4, 42.73 | 38, 13.09, 56.57 | 38, 11.9, 49.41 | 38, 11.9, 49.41 | 38, 11.9, 49.41 | 38, 11.9, 49.41 | 38, 30, 60, 0.6" },
        { "water", 0, "colour", "204.44, 41.36, 13.4 | 204.44, 37.6, 17.73 | 204.44, 34.18, 15.49 | 204.44, 34.18, 15.49 | 204.44, 34.18, 15.49 | 204.44, 34.18, 15.49 | 200, 60, 32, 0.65" },
        { "snow", 0, "colour", "230, 12.31, 66.48 | 230, 11.19, 88 | 230, 10.17, 76.86 | 230, 10.17, 76.86 | 230, 10.17, 76.86 | 230, 10.17, 76.86 | 210, 15, 90, 0.65" },
        { "clouds", 0, "opacity", "1 | 0.25 | 1 | 1 | 0.25 | 0.7 | 1" },
        { "precipitation", 0, "opacity", "0.85 | 0.85 | 0.85 | 0.85 | 0.85 | 0.8 | 0.85" },
        { "wind", 0, "opacity", "0.4 | 0.5 | 0.5 | 0.4 | 0.3 | 0.4 | 0.4" },};
// clang-format on

// The colour a cell describes, worked out from the hue, saturation and lightness directly.
QColor cellColour(const QString &cell)
{
    if (cell.startsWith(QLatin1Char('\'')))
        return QColor::fromString(cell.mid(1, cell.size() - 2));
    QList<double> v;
    for (const QString &part : cell.split(QLatin1Char(',')))
        v.append(part.trimmed().toDouble());
    if (v.size() == 3)
        v.append(1.0);
    const QColor c = QColor::fromHslF(float(v[0] / 360), float(v[1] / 100), float(v[2] / 100), float(v[3]));
    // Stored with eight bits per channel.
    return QColor::fromRgba(c.rgba());
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void lookupFallbacks();
    void fontSizeScaling_data();
    void fontSizeScaling();
    void builtInValues_data();
    void builtInValues();
    void labelColours_data();
    void labelColours();
    void indexWrites();
    void contextGetsThemeAtOnce();

private:
    std::unique_ptr<Settings> m_settings;
    ThemeManager m_manager;
};

void TestTheme::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
}

void TestTheme::cleanup()
{
    Settings::setInt(QStringLiteral("map/fontSizePercent"), 100);
}

void TestTheme::lookupFallbacks()
{
    Theme theme(QStringLiteral("Test"), false, false);
    theme.setColor(QStringLiteral("point"), QStringLiteral("red"), 3);
    theme.setColor(QStringLiteral("segmentlabel.fill"), QStringLiteral("#80ff0000"));
    theme.setWidth(QStringLiteral("segment"), 1.5);
    theme.setWidth(QStringLiteral("segment"), 2.5);
    theme.setFontFamily(QStringLiteral("*"), QStringLiteral("Sans"));
    // No plain "point" colour: another type falls to opaque black.
    QCOMPARE(theme.color(QStringLiteral("point"), 4), QColor(0, 0, 0, 255));
    QCOMPARE(theme.color(QStringLiteral("segmentlabel.fill"), 2), QColor(255, 0, 0, 128));
    QCOMPARE(theme.width(QStringLiteral("segment"), 20), 2.5);
    QCOMPARE(theme.fontFamily(QStringLiteral("pointlabel"), 3), QStringLiteral("Sans"));
    QCOMPARE(theme.fontSize(QStringLiteral("pointlabel")), 8.0);
}

void TestTheme::fontSizeScaling_data()
{
    // clang-format off
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("size");
    QTest::newRow("wildcard at 100") << 100 << "pointlabel" << 8.8;
    QTest::newRow("wildcard at 150") << 150 << "pointlabel" << 13.2;
    QTest::newRow("own size at 100") << 100 << "segmentlabel" << 7.6;
    QTest::newRow("wildcard at 50") << 50 << "pointlabel" << 4.4;
    QTest::newRow("own size at 200") << 200 << "segmentlabel" << 15.2;
    // clang-format on
}

void TestTheme::fontSizeScaling()
{
    QFETCH(int, percent);
    QFETCH(QString, key);
    QFETCH(double, size);
    Theme theme(QStringLiteral("Test"), false, false);
    theme.setFontSize(QStringLiteral("*"), 11);
    theme.setFontSize(QStringLiteral("segmentlabel"), 9.5);
    Settings::setInt(QStringLiteral("map/fontSizePercent"), percent);
    QVERIFY2(qAbs(theme.fontSize(key) - size) < 1e-9, qPrintable(QString::number(theme.fontSize(key), 'g', 17)));
}

void TestTheme::builtInValues_data()
{
    // clang-format off
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("cell");
    for (const ValueRow &row : valueTable) {
        const QStringList cells = QString::fromUtf8(row.cells).split(QLatin1Char('|'));
        QCOMPARE(cells.size(), 7);
        for (int theme = 0; theme < 7; ++theme) {
            const QString cell = cells.at(theme).trimmed();
            if (cell == QStringLiteral("–"))
                continue;
            QTest::addRow("%d %s.%d %s", theme, row.key, row.type, row.property)
                << theme << QString::fromUtf8(row.key) << row.type << QString::fromUtf8(row.property) << cell;
        }
    }
    // clang-format on
}

void TestTheme::builtInValues()
{
    QFETCH(int, theme);
    QFETCH(QString, key);
    QFETCH(int, type);
    QFETCH(QString, property);
    QFETCH(QString, cell);
    const Theme *t = m_manager.themes().at(theme);
    if (property == QLatin1String("colour")) {
        QCOMPARE(t->color(key, type).rgba(), cellColour(cell).rgba());
    } else if (property == QLatin1String("width")) {
        QCOMPARE(t->width(key, type), cell.toDouble());
    } else if (property == QLatin1String("radius")) {
        QCOMPARE(t->radius(key, type), cell.toDouble());
    } else if (property == QLatin1String("opacity")) {
        QCOMPARE(t->opacity(key, type), cell.toDouble());
    } else if (property == QLatin1String("font size")) {
        QVERIFY(qAbs(t->fontSize(key, type) - cell.toDouble() * 0.8) < 1e-9);
    } else if (property == QLatin1String("dashed")) {
        QCOMPARE(t->dashed(key, type), 2);
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown property ") + property));
    }
}

// Texts on a night map read on its dark ground: their colour keeps its hue and alpha and is
// raised to 70 % lightness; a day map, and a colour already light enough, keep theirs.
void TestTheme::labelColours_data()
{
    // clang-format off
    QTest::addColumn<bool>("night");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QColor>("label");
    // hsl(240, 100 %, 25 %) = #000080 -> hsl(240, 100 %, 70 %) = #6666ff
    QTest::newRow("night, dark blue") << true << "#000080" << QColor(0x66, 0x66, 0xff);
    QTest::newRow("day, dark blue") << false << "#000080" << QColor(0x00, 0x00, 0x80);
    // hsl(0, 0 %, 10 %) -> hsl(0, 0 %, 70 %) = #b3b3b3, alpha kept
    QTest::newRow("night, translucent near black") << true << "#801a1a1a" << QColor(0xb3, 0xb3, 0xb3, 0x80);
    // Lightness 80 % already
    QTest::newRow("night, light enough") << true << "#cccccc" << QColor(0xcc, 0xcc, 0xcc);
    // clang-format on
}

void TestTheme::labelColours()
{
    QFETCH(bool, night);
    QFETCH(QString, colour);
    QFETCH(QColor, label);
    Theme theme(QStringLiteral("Test"), night, false);
    theme.setColor(QStringLiteral("point"), colour, 3);
    const QColor result = theme.labelColor(QStringLiteral("point"), 3);
    QVERIFY2(qAbs(result.red() - label.red()) <= 1 && qAbs(result.green() - label.green()) <= 1
                 && qAbs(result.blue() - label.blue()) <= 1 && result.alpha() == label.alpha(),
             qPrintable(result.name(QColor::HexArgb)));
    // The lines and symbols keep the theme's own colour.
    QCOMPARE(theme.color(QStringLiteral("point"), 3), QColor::fromString(colour));
}

void TestTheme::indexWrites()
{
    QCOMPARE(m_manager.list().toList(),
             QVariantList({"Light", "Dark", "Voyager", "Paper", "Midnight", "Terrain", "Satellite"}));
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(m_manager.themes().at(i)->night(), i == 1 || i == 4);
        QCOMPARE(m_manager.themes().at(i)->mono(), i == 6);
    }
    ThemeManager manager;
    QSignalSpy changed(&manager, &ThemeManager::changed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^Cannot register theme Theme\\(.*into context QObject\\(0x0\\)$")));
    manager.setIndex(2);
    QCOMPARE(changed.count(), 1);

    QQmlEngine engine;
    manager.setContext(engine.rootContext());
    for (int index : {7, -1}) {
        manager.setIndex(4);
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("Invalid theme index %1 reseting to 0").arg(index)));
        manager.setIndex(index);
        QCOMPARE(manager.index(), 0);
        auto *theme = engine.rootContext()->contextProperty(QStringLiteral("theme")).value<Theme *>();
        QVERIFY(theme);
        QCOMPARE(theme->name(), QStringLiteral("Light"));
    }
    manager.setIndex(0);
    QCOMPARE(changed.count(), 6);
}

// QML bindings that read theme while the root document is created, before the map writes the
// index, must find the current theme rather than throw on an undefined one.
void TestTheme::contextGetsThemeAtOnce()
{
    QQmlEngine engine;
    ThemeManager manager;
    engine.rootContext()->setContextProperty(QStringLiteral("themeManager"), &manager);
    manager.setContext(engine.rootContext());
    QQmlComponent component(&engine);
    component.setData("import QtQml\nQtObject { property string name: theme.name }", QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("name").toString(), QStringLiteral("Light"));

    manager.setIndex(6);
    QCOMPARE(object->property("name").toString(), QStringLiteral("Satellite"));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
