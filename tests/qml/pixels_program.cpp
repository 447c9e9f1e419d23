// The program as it starts (the same objects, the same root document) on a fresh settings store
// without a database, after importing the test simulator folder through the database dialog and
// planning XRTA - XRTC - XRTB, drawn through OpenGL under Xvfb. The picture is kept in screenshots/ for a person to look at; the test checks the
// pixels where the layers must draw, in the colours of the theme.
#include "shell.h"
#include "testsupport.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGeoCoordinate>
#include <QImage>
#include <QSettings>
#include <QSignalSpy>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)

class ProgramWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mapAfterImport();
    void cleanupTestCase();

private:
    QObject *context(const char *name) const
    {
        return m_shell->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject *>();
    }
    QColor themeColour(const char *key, int type) const;
    // The window as drawn, kept under the name for a person to look at.
    QImage picture(const QString &name) const;
    QPointF place(double latitude, double longitude) const;
    // A pixel near `at` that shows `colour`, alone or blended at least half-way into the
    // background (thin lines cover part of a pixel).
    static bool colourNear(const QImage &image, QPointF at, QColor colour, QColor background, int radius);

    std::unique_ptr<Shell> m_shell;
    QQuickWindow *m_window = nullptr;
    QQuickItem *m_overlay = nullptr;
};

void ProgramWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/database_v")
                  + QCoreApplication::applicationVersion() + QStringLiteral(".bin"));
    m_shell = std::make_unique<Shell>();
    QVERIFY(m_shell->start());
    // The start emptied the provider cache; the map takes this description at once and asks no
    // repository (its tiles fail on a closed port of this machine).
    const QString providers = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/map/background/providers");
    QDir().mkpath(providers);
    QFile description(providers + QStringLiteral("/street.json"));
    QVERIFY(description.open(QIODevice::WriteOnly));
    description.write("{\"url\": \"http://127.0.0.1:9/%z/%x/%y.png\", \"format\": \"png\"}");
    description.close();

    QVERIFY(m_shell->loadInterface(QUrl(QStringLiteral("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml"))));
    m_window = qobject_cast<QQuickWindow *>(m_shell->engine()->rootObjects().value(0));
    QVERIFY(m_window);
    m_overlay = m_window->findChild<QQuickItem *>(QStringLiteral("overlayMap"));
    QVERIFY(m_overlay);
}

void ProgramWindow::cleanupTestCase()
{
    m_shell.reset();
}

QColor ProgramWindow::themeColour(const char *key, int type) const
{
    QColor colour;
    QMetaObject::invokeMethod(context("theme"), "color", Q_RETURN_ARG(QColor, colour), Q_ARG(QString, QLatin1String(key)),
                              Q_ARG(int, type));
    return colour;
}

QPointF ProgramWindow::place(double latitude, double longitude) const
{
    QPointF point;
    QMetaObject::invokeMethod(m_overlay, "fromCoordinate", Q_RETURN_ARG(QPointF, point),
                              Q_ARG(QGeoCoordinate, QGeoCoordinate(latitude, longitude)), Q_ARG(bool, false));
    return m_overlay->mapToScene(point) * m_window->effectiveDevicePixelRatio();
}

bool ProgramWindow::colourNear(const QImage &image, QPointF at, QColor colour, QColor background, int radius)
{
    for (int dx = -radius; dx <= radius; ++dx) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const QColor pixel = image.pixelColor(qRound(at.x()) + dx, qRound(at.y()) + dy);
            QList<double> shares;
            bool consistent = true;
            const double channels[3][3] = {{pixel.redF(), colour.redF(), background.redF()},
                                           {pixel.greenF(), colour.greenF(), background.greenF()},
                                           {pixel.blueF(), colour.blueF(), background.blueF()}};
            for (const auto &channel : channels) {
                const double span = channel[1] - channel[2];
                const double offset = channel[0] - channel[2];
                if (std::abs(span) > 0.1)
                    shares.append(offset / span);
                else if (std::abs(offset) > std::abs(span) + 0.06)
                    consistent = false;
            }
            if (!consistent || shares.isEmpty())
                continue;
            const auto [low, high] = std::minmax_element(shares.cbegin(), shares.cend());
            if (*low >= 0.4 && *high <= 1.05 && *high - *low < 0.15)
                return true;
        }
    }
    return false;
}

QImage ProgramWindow::picture(const QString &name) const
{
    const QImage image = m_window->grabWindow();
    const QString folder = qEnvironmentVariable("WAYLORE_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    image.save(QDir(folder).filePath(name));
    return image;
}

// A first start: no database, so the splash gives way to the database dialog, where the pilot
// imports the simulator folder; then the map shows the data and the planned route.
void ProgramWindow::mapAfterImport()
{
    QObject *dialog = m_window->findChild<QObject *>(QStringLiteral("databaseDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->property("opened").toBool(), 20000);
    dialog->findChild<QObject *>(QStringLiteral("xplaneButton"))->setProperty("checked", true);
    dialog->findChild<QObject *>(QStringLiteral("pathField"))
        ->setProperty("text", TestSupport::dataPath(QStringLiteral("xplane-route")));
    QObject *importButton = dialog->findChild<QObject *>(QStringLiteral("importButton"));
    QTRY_VERIFY(importButton->property("visible").toBool());
    QSignalSpy done(context("xploader"), SIGNAL(done()));
    QVERIFY(QMetaObject::invokeMethod(importButton, "clicked"));
    QVERIFY(done.wait(60000));
    QObject *status = dialog->findChild<QObject *>(QStringLiteral("statusText"));
    QTRY_VERIFY(status->property("text").toString().contains(QLatin1String("s)")));
    QCOMPARE(dialog->findChild<QObject *>(QStringLiteral("pointCount"))->property("text").toString(), QStringLiteral("19"));
    picture(QStringLiteral("program-database.png"));
    QVERIFY(QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("okButton")), "clicked"));
    QTRY_VERIFY(!m_window->property("dialog").toBool());

    QQuickItem *map = m_overlay->parentItem();
    QVERIFY(map->property("dbloaded").toBool());
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(-20.4, 63.0)));
    map->setProperty("zoomLevel", 7.0);
    QObject *plan = context("flightplan");
    QMetaObject::invokeMethod(plan, "clear", Q_ARG(bool, false));
    for (const char *uid : {"XRTA", "XRTC", "XRTB"}) {
        bool added = false;
        QMetaObject::invokeMethod(plan, "append", Q_RETURN_ARG(bool, added), Q_ARG(QString, QLatin1String(uid)),
                                  Q_ARG(bool, false));
        QVERIFY2(added, uid);
    }
    // The filter pass follows the moves by 100 ms.
    QTest::qWait(500);
    const QImage image = picture(QStringLiteral("program.png"));

    const QPointF empty = place(-22.5, 61.0);
    const QColor background = image.pixelColor(empty.toPoint());
    const QColor airport = themeColour("point", 1);
    const QColor jet = themeColour("segment", 2);
    const QColor route = themeColour("flightplan", 0);
    QVERIFY2(colourNear(image, place(-20.0, 60.0), airport, background, 6), "XRTA in the airport colour");
    QVERIFY2(colourNear(image, place(-21.5, 63.0), airport, background, 6), "XRTC in the airport colour");
    QVERIFY2(colourNear(image, place(-20.0, 62.4), jet, background, 3), "UL100 in the jet airway colour");
    QVERIFY2(colourNear(image, place(-20.5, 61.0), route, background, 3), "leg XRTA - XRTC in the route colour");
    QVERIFY2(!colourNear(image, place(-22.0, 61.5), route, background, 3), "no route colour away from the route");

    // The pages ran without a warning (the import's own notes on tracks it skips aside).
    QFile log(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Waylore.log"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList warnings;
    for (const QString &line : QString::fromUtf8(log.readAll()).split(u'\n')) {
        if ((line.contains(QLatin1String(" Warning: ")) || line.contains(QLatin1String(" Critical: ")))
            && !line.contains(QLatin1String("Skipping track")))
            warnings << line;
    }
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
}

int main(int argc, char **argv)
{
    Shell::nameApplication();
    QApplication app(argc, argv);
    // As the program does before it reads its settings (the map's stored centre).
    qRegisterMetaType<QGeoCoordinate>();
    ProgramWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "pixels_program.moc"
