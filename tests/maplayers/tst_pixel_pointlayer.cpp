#include "mappointlayer.h"
#include "mapview.h"
#include "pixelcheck.h"

#include <QFontMetricsF>
#include <QGeoCoordinate>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

namespace {

// The theme as the layer asks it: airports (1) blue, navaids (2) red, dots of 6 px, labels of
// DejaVu Sans 10 pt in a frame with a 2 px magenta border, no disc behind symbols.
class FakeTheme : public QObject
{
    Q_OBJECT

public:
    QColor navaid = Qt::red;

    Q_INVOKABLE QColor color(const QString &key, int type) const
    {
        if (key == QLatin1String("point"))
            return type == 1 ? QColor(Qt::blue) : navaid;
        if (key == QLatin1String("pointlabel.border"))
            return QColor(Qt::magenta);
        return QColor(Qt::transparent);
    }
    Q_INVOKABLE double width(const QString &key, int) const
    {
        return key == QLatin1String("point.dot") ? 6.0 : key == QLatin1String("pointlabel.border") ? 2.0 : 0.0;
    }
    Q_INVOKABLE double radius(const QString &, int) const { return 0.0; }
    Q_INVOKABLE QString fontFamily(const QString &, int) const { return QStringLiteral("DejaVu Sans"); }
    Q_INVOKABLE double fontSize(const QString &, int) const { return 10.0; }
};

using PixelCheck::anyIn;
using PixelCheck::near;

} // namespace

// The point layer over four rows on a 400 x 300 map at zoom 10 centred on (0, 0), where 0.05
// degrees are 0.05 / 360 * 256 * 2^10 = 36.4 pixels (36 once on whole pixels):
//   0 "A1" airport at (0, 0), details from zoom 8, a 10 x 10 symbol, label 10 px further down;
//   1 "N1" navaid at (0, 0.05), details from zoom 12;  2 "H1" navaid at (0, -0.05), hidden;
//   3 "N2" navaid at (0, 0.05) like row 1, so above it.
// Drawn through OpenGL under Xvfb.
class TstPixelPointLayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void findsRows_data();
    void findsRows();
    void shapes_data();
    void shapes();
    void hoverMakesAnActiveRow();
    void drawsWhereAndHowThePointsAre();
    void keepsLabelsUprightOnATurnedMap();
    void followsAThemeChange();

private:
    QImage grab();
    // The label's top edge below the point: half the text height plus the row's shift.
    qreal labelTop() const { return std::ceil(QFontMetricsF(m_font).height()) / 2 + 10; }

    QQmlEngine m_engine;
    QTemporaryDir m_dir;
    QString m_icon;
    QFont m_font;
    FakeTheme m_theme;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QStandardItemModel> m_model;
    MapView *m_map = nullptr;
    MapPointLayer *m_layer = nullptr;
};

void TstPixelPointLayer::initTestCase()
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QImage symbol(10, 10, QImage::Format_ARGB32);
    symbol.fill(Qt::white);
    m_icon = m_dir.filePath(QStringLiteral("symbol.png"));
    QVERIFY(symbol.save(m_icon));
    m_font = QFont(QStringLiteral("DejaVu Sans"));
    m_font.setPointSizeF(10.0);
}

void TstPixelPointLayer::init()
{
    m_window = std::make_unique<QQuickWindow>();
    QString error;
    m_map = PixelCheck::showMap(m_engine, *m_window, 10, R"(MapPointLayer { hiddenUids: ["H1"] })", error,
                                "import Waylore.MapLayers");
    QVERIFY2(m_map, qPrintable(error));
    m_layer = m_map->findChild<MapPointLayer *>();
    QVERIFY(m_layer);

    m_model = std::make_unique<QStandardItemModel>();
    const QList<QByteArray> roles = {"role_uid",  "role_position",    "role_type",        "role_code",
                                     "role_icon", "role_icon_offset", "role_text_offset", "role_minzoom_details"};
    QHash<int, QByteArray> names;
    for (int i = 0; i < roles.size(); ++i)
        names.insert(Qt::UserRole + i, roles.at(i));
    m_model->setItemRoleNames(names);
    struct Row
    {
        const char *uid;
        double longitude;
        int type;
        const char *icon;
        double minzoom;
    };
    for (const Row &row : {Row{"A1", 0.0, 1, "icon", 8}, Row{"N1", 0.05, 2, "", 12}, Row{"H1", -0.05, 2, "", 12},
                           Row{"N2", 0.05, 2, "", 12}}) {
        auto *item = new QStandardItem;
        const QVariantList values = {QString::fromLatin1(row.uid),
                                     QVariant::fromValue(QGeoCoordinate(0.0, row.longitude)),
                                     row.type,
                                     QString::fromLatin1(row.uid),
                                     qstrcmp(row.icon, "icon") == 0 ? m_icon : QString(),
                                     0,
                                     10,
                                     row.minzoom};
        for (int i = 0; i < values.size(); ++i)
            item->setData(values.at(i), Qt::UserRole + i);
        m_model->appendRow(item);
    }
    m_layer->setStyle(&m_theme);
    m_layer->setModel(m_model.get());
    QCOMPARE(m_layer->count(), 4);
}

void TstPixelPointLayer::cleanup()
{
    delete m_map;
    m_window.reset();
    m_model.reset();
}

QImage TstPixelPointLayer::grab()
{
    m_window->update();
    QTest::qWait(50);
    return m_window->grabWindow();
}

// Positions in the map's item layer, whose origin is the view centre (200, 150).
void TstPixelPointLayer::findsRows_data()
{
    // clang-format off
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("row");
    QTest::newRow("the symbol") << QPointF(0, 0) << 0;
    QTest::newRow("the symbol's corner") << QPointF(-4.9, 4.9) << 0;
    QTest::newRow("beside the symbol") << QPointF(6, 0) << -1;
    QTest::newRow("the label") << QPointF(0, 14) << 0;
    QTest::newRow("the upper of two dots") << QPointF(36, 0) << 3;
    QTest::newRow("the dot's edge (6 px)") << QPointF(39, -3) << 3;
    QTest::newRow("beside the dot") << QPointF(40, 0) << -1;
    QTest::newRow("a hidden point") << QPointF(-36, 0) << -1;
    // clang-format on
}

void TstPixelPointLayer::findsRows()
{
    QFETCH(QPointF, position);
    QFETCH(int, row);
    if (QTest::currentDataTag() == QByteArray("the label"))
        position.setY(labelTop() + 2);
    QCOMPARE(m_layer->rowAt(position), row);
}

// Row 1: a dot below its details zoom; details from it, on the displayed procedure or selected;
// nothing while hidden.
void TstPixelPointLayer::shapes_data()
{
    // clang-format off
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QStringList>("detail");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<int>("shape");
    QTest::newRow("below the details zoom") << 10.0 << QStringList() << -1 << QStringList() << int(MapPointLayer::Dot);
    QTest::newRow("at the details zoom") << 12.0 << QStringList() << -1 << QStringList() << int(MapPointLayer::Details);
    QTest::newRow("on the procedure") << 10.0 << QStringList{"N1"} << -1 << QStringList() << int(MapPointLayer::Details);
    QTest::newRow("selected") << 10.0 << QStringList() << 1 << QStringList() << int(MapPointLayer::Details);
    QTest::newRow("hidden") << 12.0 << QStringList{"N1"} << 1 << QStringList{"N1"} << int(MapPointLayer::None);
    // clang-format on
}

void TstPixelPointLayer::shapes()
{
    QFETCH(double, zoom);
    QFETCH(QStringList, detail);
    QFETCH(int, selected);
    QFETCH(QStringList, hidden);
    QFETCH(int, shape);
    m_map->setZoomLevel(zoom);
    m_layer->setDetailUids(detail);
    m_layer->setSelectedSourceRow(selected);
    m_layer->setHiddenUids(hidden);
    QCOMPARE(int(m_layer->shapeOf(1)), shape);
    // The selected row has an item; the others are drawn in the batch.
    QCOMPARE(m_layer->activeRows()->rowCount(), selected >= 0 ? 1 : 0);
}

// The pointer on the two dots hovers the upper one, which gets an item; off them, none.
void TstPixelPointLayer::hoverMakesAnActiveRow()
{
    QSignalSpy hover(m_layer, &MapPointLayer::hoverChanged);
    QTest::mouseMove(m_window.get(), QPoint(236, 150));
    QTRY_COMPARE(m_layer->hoveredRow(), 3);
    QCOMPARE(hover.value(0), (QVariantList{true, QStringLiteral("N2")}));
    QAbstractItemModel *active = m_layer->activeRows();
    QCOMPARE(active->rowCount(), 1);
    QCOMPARE(active->index(0, 0).data(active->roleNames().key("index")).toInt(), 3);
    QCOMPARE(active->index(0, 0).data(active->roleNames().key("role_code")).toString(), QStringLiteral("N2"));
    QTest::mouseMove(m_window.get(), QPoint(100, 100));
    QTRY_COMPARE(m_layer->hoveredRow(), -1);
    QCOMPARE(hover.value(1), (QVariantList{false, QStringLiteral("N2")}));
    QCOMPARE(active->rowCount(), 0);
}

// The symbol tinted in its type's colour at its place, the label framed below it, the dot in
// the navaid colour; nothing where the hidden point is.
void TstPixelPointLayer::drawsWhereAndHowThePointsAre()
{
    const QImage image = grab();
    QVERIFY(near(image.pixel(200, 150), Qt::blue));
    QVERIFY(near(image.pixel(236, 150), Qt::red));
    QVERIFY(near(image.pixel(164, 150), Qt::white));
    const int top = qRound(150 + labelTop());
    // The frame's 2 px border lies one pixel and the border outside the text.
    QVERIFY(anyIn(image, QRect(190, top - 3, 20, 2), Qt::magenta));
    QVERIFY(anyIn(image, QRect(190, top, 20, 12), Qt::blue));
    QVERIFY(!anyIn(image, QRect(190, 130, 20, 12), Qt::magenta));
}

// Turned by 90 degrees, the map shows east up: the navaid 36 px above the centre, while the
// label stays below its symbol.
void TstPixelPointLayer::keepsLabelsUprightOnATurnedMap()
{
    m_map->setBearing(90.0);
    const QImage image = grab();
    QVERIFY(near(image.pixel(200, 114), Qt::red));
    QVERIFY(near(image.pixel(200, 150), Qt::blue));
    const int top = qRound(150 + labelTop());
    QVERIFY(anyIn(image, QRect(190, top - 3, 20, 2), Qt::magenta));
    QVERIFY(!anyIn(image, QRect(200 + top - 150 - 3, 140, 2, 20), Qt::magenta));
}

// Another theme (the old object replaced, as the theme manager does) recolours the batch.
void TstPixelPointLayer::followsAThemeChange()
{
    QVERIFY(near(grab().pixel(236, 150), Qt::red));
    FakeTheme green;
    green.navaid = Qt::green;
    m_layer->setStyle(&green);
    QVERIFY(near(grab().pixel(236, 150), Qt::green));
    m_layer->setStyle(&m_theme);
}

QTEST_MAIN(TstPixelPointLayer)
#include "tst_pixel_pointlayer.moc"
