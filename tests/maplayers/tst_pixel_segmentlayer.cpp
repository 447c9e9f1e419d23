#include "mapsegmentlayer.h"
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
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

namespace {

// The theme as the layer asks it: low airways (1) green, high ones (2) blue and dashed, both 4 px
// wide; labels of DejaVu Sans 10 pt on yellow.
class FakeTheme : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QColor color(const QString &key, int type) const
    {
        if (key == QLatin1String("segment"))
            return type == 1 ? QColor(0, 160, 0) : QColor(Qt::blue);
        if (key == QLatin1String("segmentlabel.fill"))
            return QColor(Qt::yellow);
        return QColor(Qt::transparent);
    }
    Q_INVOKABLE double width(const QString &, int) const { return 4.0; }
    Q_INVOKABLE int dashed(const QString &, int type) const { return type == 2 ? Qt::DashLine : Qt::SolidLine; }
    Q_INVOKABLE QString fontFamily(const QString &, int) const { return QStringLiteral("DejaVu Sans"); }
    Q_INVOKABLE double fontSize(const QString &, int) const { return 10.0; }
};

using PixelCheck::anyIn;
using PixelCheck::near;

// At zoom 11, 0.05 degrees are 0.05 / 360 * 256 * 2^11 = 72.82 pixels, 0.1 degrees 145.64.
constexpr double Offset = 72.82;
constexpr double HalfLength = 145.64;

} // namespace

// The segment layer over two rows on a 400 x 300 map at zoom 11 centred on (0, 0), both from
// longitude -0.1 to 0.1 (west to east), shown from zoom 5, labels from zoom 20:
//   0 "L1" low airway along latitude 0.05, 72.82 px above the centre;
//   1 "H1" high airway along latitude -0.05, 72.82 px below it, its label turned by 90 degrees.
// Drawn through OpenGL under Xvfb.
class TstPixelSegmentLayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void findsRows_data();
    void findsRows();
    void hoverMakesAnActiveRow();
    void drawsLinesInTheirColours();
    void drawsLabelsFromTheirZoom();

private:
    QImage grab();

    QQmlEngine m_engine;
    FakeTheme m_theme;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QStandardItemModel> m_model;
    MapView *m_map = nullptr;
    MapSegmentLayer *m_layer = nullptr;
};

void TstPixelSegmentLayer::initTestCase()
{
    m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
}

void TstPixelSegmentLayer::init()
{
    m_window = std::make_unique<QQuickWindow>();
    QString error;
    m_map = PixelCheck::showMap(m_engine, *m_window, 11, R"(MapSegmentLayer { trackType: 20; pixelPerNm: 10 })", error,
                                "import Waylore.MapLayers");
    QVERIFY2(m_map, qPrintable(error));
    m_layer = m_map->findChild<MapSegmentLayer *>();
    QVERIFY(m_layer);

    m_model = std::make_unique<QStandardItemModel>();
    const QList<QByteArray> roles = {"role_uid",
                                     "role_type",
                                     "role_line",
                                     "role_center",
                                     "role_code",
                                     "role_minzoom",
                                     "role_minzoom_details",
                                     "role_distance",
                                     "role_direction",
                                     "role_text_rotation",
                                     "role_arrow_rotation"};
    QHash<int, QByteArray> names;
    for (int i = 0; i < roles.size(); ++i)
        names.insert(Qt::UserRole + i, roles.at(i));
    m_model->setItemRoleNames(names);
    for (const auto &[uid, type, latitude, rotation] : {std::tuple{"L1", 1, 0.05, 0}, std::tuple{"H1", 2, -0.05, 90}}) {
        auto *item = new QStandardItem;
        const QVariantList line{QVariant::fromValue(QGeoCoordinate(latitude, -0.1)),
                                QVariant::fromValue(QGeoCoordinate(latitude, 0.1))};
        const QVariantList values = {QString::fromLatin1(uid),
                                     type,
                                     line,
                                     QVariant::fromValue(QGeoCoordinate(latitude, 0.0)),
                                     QString::fromLatin1(uid),
                                     5.0,
                                     20.0,
                                     12.0,
                                     1,
                                     rotation,
                                     90};
        for (int i = 0; i < values.size(); ++i)
            item->setData(values.at(i), Qt::UserRole + i);
        m_model->appendRow(item);
    }
    m_layer->setStyle(&m_theme);
    m_layer->setModel(m_model.get());
    QCOMPARE(m_layer->count(), 2);
}

void TstPixelSegmentLayer::cleanup()
{
    delete m_map;
    m_window.reset();
    m_model.reset();
}

QImage TstPixelSegmentLayer::grab()
{
    m_window->update();
    QTest::qWait(50);
    return m_window->grabWindow();
}

// Positions in the map's item layer, whose origin is the view centre (200, 150). A line takes
// the pointer within half its width (2 px) or 3 px, whichever is more; the label of row 1, turned
// upright along its segment, stands h wide and w high about its centre (0, 72.82).
void TstPixelSegmentLayer::findsRows_data()
{
    // clang-format off
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QStringList>("plan");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<int>("row");
    QTest::newRow("on the line") << QPointF(0, -Offset + 1.9) << QStringList() << false << 0;
    QTest::newRow("within 3 px of it") << QPointF(0, -Offset - 2.9) << QStringList() << false << 0;
    QTest::newRow("3.2 px off it") << QPointF(0, -Offset + 3.2) << QStringList() << false << -1;
    QTest::newRow("1.4 px beyond the west end") << QPointF(-HalfLength - 1.4, -Offset) << QStringList() << false << 0;
    QTest::newRow("4.4 px beyond the west end") << QPointF(-HalfLength - 4.4, -Offset) << QStringList() << false << -1;
    QTest::newRow("the other line") << QPointF(100, Offset - 1) << QStringList() << false << 1;
    QTest::newRow("a line of the plan, off its label") << QPointF(100, -Offset) << QStringList{"L1"} << false << -1;
    QTest::newRow("the label, off its line") << QPointF(0, 0) << QStringList() << true << 1;
    QTest::newRow("where the label would be") << QPointF(0, 0) << QStringList() << false << -1;
    // clang-format on
}

void TstPixelSegmentLayer::findsRows()
{
    QFETCH(QPointF, position);
    QFETCH(QStringList, plan);
    QFETCH(bool, labels);
    QFETCH(int, row);
    m_layer->setPlanUids(plan);
    if (labels)
        m_model->setData(m_model->index(1, 0), 5.0, Qt::UserRole + 6);
    if (position == QPointF(0, 0)) {
        // 2 px inside the end of the upright label that points to the centre.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10.0);
        position.setY(Offset - QFontMetricsF(font).horizontalAdvance(QStringLiteral("H1")) / 2 + 2);
        QVERIFY(Offset - position.y() > 3.0);
    }
    QCOMPARE(m_layer->rowAt(position), row);
}

// The pointer on the low line hovers it, which gets an item; off it, none.
void TstPixelSegmentLayer::hoverMakesAnActiveRow()
{
    QSignalSpy hover(m_layer, &MapRowLayer::hoverChanged);
    QTest::mouseMove(m_window.get(), QPoint(200, 78));
    QTRY_COMPARE(m_layer->hoveredRow(), 0);
    QVERIFY(!m_layer->labelHovered());
    QCOMPARE(hover.value(0), (QVariantList{true, QStringLiteral("L1")}));
    QAbstractItemModel *active = m_layer->activeRows();
    QCOMPARE(active->rowCount(), 1);
    QCOMPARE(active->index(0, 0).data(active->roleNames().key("index")).toInt(), 0);
    QTest::mouseMove(m_window.get(), QPoint(200, 100));
    QTRY_COMPARE(m_layer->hoveredRow(), -1);
    QCOMPARE(active->rowCount(), 0);
}

// The low line green at y = 150 - 72.82, the high one blue at 150 + 72.82 in dashes of 4 widths
// (16 px) and gaps of 2 (8 px) from its west end at 200 - 145.64 = 54.36, each dash grown by half
// the width at both ends: blue over 52.36..72.36 and from 76.36, white between.
void TstPixelSegmentLayer::drawsLinesInTheirColours()
{
    const QImage image = grab();
    QVERIFY(near(image.pixel(200, 77), QColor(0, 160, 0)));
    QVERIFY(near(image.pixel(300, 77), QColor(0, 160, 0)));
    QVERIFY(near(image.pixel(200, 150), Qt::white));
    QVERIFY(near(image.pixel(60, 222), Qt::blue));
    QVERIFY(near(image.pixel(74, 222), Qt::white));
    QVERIFY(near(image.pixel(84, 222), Qt::blue));
    QVERIFY(near(image.pixel(40, 222), Qt::white));
    // Below its minimum zoom a line goes.
    m_map->setZoomLevel(4.5);
    QVERIFY(near(grab().pixel(200, 150), Qt::white));
}

// From its detail zoom the high airway's label stands on its middle in yellow, along the line.
void TstPixelSegmentLayer::drawsLabelsFromTheirZoom()
{
    QVERIFY(!anyIn(grab(), QRect(190, 200, 20, 45), Qt::yellow));
    m_model->setData(m_model->index(1, 0), 5.0, Qt::UserRole + 6);
    const QImage image = grab();
    QVERIFY(anyIn(image, QRect(190, 200, 20, 45), Qt::yellow));
    QVERIFY(!anyIn(image, QRect(190, 60, 20, 30), Qt::yellow));
}

QTEST_MAIN(TstPixelSegmentLayer)
#include "tst_pixel_segmentlayer.moc"
