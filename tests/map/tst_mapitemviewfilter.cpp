#include "basemodel.h"
#include "mapitemview.h"
#include "mapproxymodel.h"
#include "mapquickitem.h"
#include "mapview.h"
#include "point.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <memory>
#include <vector>

Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

// A map layer over the point filter: bulk swaps of rows as the map pans leave exactly one
// delegate per row, at its row's place, with nothing left over.
class TstMapItemViewFilter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void swapsFollowTheFilter_data();
    void swapsFollowTheFilter();

private:
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<BaseModel<Point>> m_points;
    // The model does not own its items.
    std::vector<std::unique_ptr<Point>> m_owned;
    std::unique_ptr<MapProxyModel> m_filter;
};

void TstMapItemViewFilter::init()
{
    // Ten points a degree apart along the equator, from 0 to 9 east.
    m_points = std::make_unique<BaseModel<Point>>();
    m_points->beginReset();
    for (int i = 0; i < 10; ++i) {
        m_owned.push_back(std::make_unique<Point>(Point::VOR, QGeoCoordinate(0.0, i), QStringLiteral("P%1").arg(i),
                                                  QStringLiteral("ENRT"), QStringLiteral("XX"), QString(), 100, 0.0f,
                                                  QString()));
        m_points->add(m_owned.back().get());
    }
    m_points->endReset();
    m_filter = std::make_unique<MapProxyModel>();
    m_filter->setSourceModel(m_points.get());
    m_filter->setMinZoom(3.0);
    m_filter->setTypeFilter(true, Point::VOR);
    m_filter->setGeoFilter(QGeoRectangle(QGeoCoordinate(1, -0.5), QGeoCoordinate(-1, 5.5)), 18.0);

    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
    m_engine->rootContext()->setContextProperty(QStringLiteral("points"), m_filter.get());
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(400, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstMapItemViewFilter::cleanup()
{
    m_window.reset();
    m_engine.reset();
    m_filter.reset();
    m_points.reset();
    m_owned.clear();
}

void TstMapItemViewFilter::swapsFollowTheFilter_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("delegate");
    QTest::addColumn<bool>("reuse");
    QTest::newRow("context names") << QByteArray("MapQuickItem { coordinate: role_position; property string code: role_code }")
                                   << false;
    QTest::newRow("declared roles, reused") << QByteArray("MapQuickItem { required property var role_position; "
                                                          "required property string role_code; "
                                                          "property string code: role_code; coordinate: role_position }")
                                            << true;
    // clang-format on
}

void TstMapItemViewFilter::swapsFollowTheFilter()
{
    QFETCH(QByteArray, delegate);
    QFETCH(bool, reuse);
    const QByteArray qml = "import QtQuick\nimport Corvel.Map\n"
                           "Map { width: 400; height: 300; zoomLevel: 5\n"
                           "  plugin: Plugin { name: \"itemsoverlay\" }\n"
                           "  MapItemView { model: points; reuseItems: "
                           + QByteArray(reuse ? "true" : "false") + "; delegate: " + delegate + " }\n}";
    QQmlComponent component(m_engine.get());
    component.setData(qml, QUrl());
    auto *map = qobject_cast<MapView *>(component.create());
    QVERIFY2(map, qPrintable(component.errorString()));
    map->setParentItem(m_window->contentItem());
    auto *view = map->findChild<MapItemView *>();
    QVERIFY(view);

    // Each live delegate stands for its row: same count, same code, drawn where the row lies.
    auto matchesRows = [&]() {
        if (view->count() != m_filter->rowCount())
            return false;
        for (int row = 0; row < view->count(); ++row) {
            auto *item = qobject_cast<MapQuickItem *>(view->itemAt(row));
            const QModelIndex index = m_filter->index(row, 0);
            const QString code = m_filter->data(index, Point::RoleCode).toString();
            if (!item || item->property("code").toString() != code
                || item->coordinate() != m_filter->data(index, Point::RolePosition).value<QGeoCoordinate>())
                return false;
        }
        return true;
    };
    QVERIFY(matchesRows());
    QCOMPARE(view->count(), 6);

    // Panning east then back: rows 0-5, 4-9, 2-7, 0-5, each swap removing and inserting rows in bulk.
    const QList<double> wests = {3.5, 1.5, -0.5, 3.5, -0.5};
    for (int round = 0; round < 3; ++round) {
        for (double west : wests) {
            m_filter->setGeoFilter(QGeoRectangle(QGeoCoordinate(1, west), QGeoCoordinate(-1, west + 6.0)), 18.0);
            // No delay: the rows that left are off the map before any frame can show them.
            QVERIFY(matchesRows());
            int onMap = 0;
            for (QQuickItem *child : view->childItems()) {
                auto *item = qobject_cast<MapQuickItem *>(child);
                if (item && !item->isParked())
                    ++onMap;
            }
            QCOMPARE(onMap, view->count());
        }
    }
    // Pinned rows by turns, the area elsewhere: every row changes, in runs of one, both ways.
    m_filter->setGeoFilter(QGeoRectangle(QGeoCoordinate(41, 20), QGeoCoordinate(40, 21)), 18.0);
    const QList<QList<int>> pinned
        = {{1, 3, 5, 7, 9}, {0, 2, 4, 6, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 3, 5, 7, 9}, {4}, {}};
    for (const QList<int> &rows : pinned) {
        QStringList uids;
        for (int row : rows)
            uids << m_points->at(row)->uid();
        m_filter->setUidFilter(uids);
        QCOMPARE(view->count(), uids.size());
        QVERIFY(matchesRows());
    }
    // Nothing piles up: delegates of rows that left are deleted, or at most kept once for reuse.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype objects = view->findChildren<MapQuickItem *>().size();
    if (reuse)
        QVERIFY2(objects <= 10, qPrintable(QString::number(objects)));
    else
        QCOMPARE(objects, view->count());
    delete map;
}

QTEST_MAIN(TstMapItemViewFilter)
#include "tst_mapitemviewfilter.moc"
