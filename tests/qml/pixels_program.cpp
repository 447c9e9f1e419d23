// The program as it starts (the same objects, the same root document) on a fresh settings store
// without a database, after importing the test simulator folder through the database dialog and
// planning XRTA - XRTC - XRTB, drawn through OpenGL under Xvfb. The picture is kept in screenshots/ for a person to look at; the test checks the
// pixels where the layers must draw, in the colours of the theme. Then a whole flight through the
// window: the route generator, a SID, a runway and a STAR from the table's menus, save, reopen,
// the X-Plane 11 export read back as the simulator would, and the profile chart.
#include "shell.h"
#include "testsupport.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGeoCoordinate>
#include <QImage>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

class ProgramWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mapAfterImport();
    void generateSaveReopenExport();
    void themeSwitchBothWays();
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
    // A left click in the middle of the item, as the pilot's mouse gives it.
    void click(QQuickItem *item) const;
    // The codes of the plan's waypoints, in order, separated by spaces.
    QString planCodes() const;
    // The flight-plan table's row of the departure ("departure") or arrival ("arrival") airport.
    QQuickItem *airportRow(const char *which) const;
    // Opens the menu of the airport row's button and picks the entry `text`, from the named
    // submenu when there is one.
    void chooseFromRow(const char *which, const char *button, const char *menu, const char *submenu, const QString &text);

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
    // The view is set and drawn empty before the data comes, as at a start with a stored view
    // out where only radio beacons show: their first rows must show without waiting for a move.
    QQuickItem *map = m_overlay->parentItem();
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(-20.4, 63.0)));
    map->setProperty("zoomLevel", 5.0);
    QTest::qWait(300);
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
    // The small folder has no airport outlines and no taxiways: the next start would open this
    // dialog again, and it says why.
    QTRY_VERIFY(dialog->findChild<QObject *>(QStringLiteral("unusableText"))->property("text").toString().contains(
        QLatin1String("it has no airport boundaries and taxiways")));
    // No simulator in the test's home: the search says where it looked.
    QVERIFY(QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("autodetectButton")), "clicked"));
    QVERIFY(dialog->findChild<QObject *>(QStringLiteral("autodetectText"))->property("text").toString().startsWith(
        QLatin1String("No folder \"X-Plane 12\" or \"X-Plane 11\" found in: ")));
    QTest::qWait(100);
    picture(QStringLiteral("program-database.png"));
    QVERIFY(QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("okButton")), "clicked"));
    QTRY_VERIFY(!m_window->property("dialog").toBool());

    QVERIFY(map->property("dbloaded").toBool());
    QTest::qWait(500);
    {
        const QImage image = m_window->grabWindow();
        const QColor background = image.pixelColor(place(-22.5, 61.0).toPoint());
        QVERIFY2(colourNear(image, place(-19.9, 65.6), themeColour("point", 2), background, 4), "XRN in the NDB colour");
    }
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

void ProgramWindow::click(QQuickItem *item) const
{
    QVERIFY(item);
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, {}, centre.toPoint());
}

QString ProgramWindow::planCodes() const
{
    const auto *plan = qobject_cast<QAbstractItemModel *>(context("flightplan"));
    const int role = plan->roleNames().key("role_code");
    QStringList codes;
    for (int row = 0; row < plan->rowCount(); ++row)
        codes << plan->index(row, 0).data(role).toString();
    return codes.join(u' ');
}

QQuickItem *ProgramWindow::airportRow(const char *which) const
{
    auto *table = m_window->findChild<QQuickItem *>(QStringLiteral("table"));
    if (!table)
        return nullptr;
    const auto rows = table->property("contentItem").value<QQuickItem *>()->childItems();
    for (QQuickItem *row : rows) {
        // Rows grow into place: a click during the growth misses its buttons.
        if (row->isVisible() && row->property(which).toBool() && row->scale() == 1.0)
            return row;
    }
    return nullptr;
}

void ProgramWindow::chooseFromRow(const char *which, const char *button, const char *menuName, const char *submenu,
                                  const QString &text)
{
    // The table scrolls to the airport's row, first or last.
    auto *table = m_window->findChild<QQuickItem *>(QStringLiteral("table"));
    QVERIFY(table);
    QVERIFY(QMetaObject::invokeMethod(table, qstrcmp(which, "departure") == 0 ? "positionViewAtBeginning" : "positionViewAtEnd"));
    QQuickItem *row = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((row = airportRow(which)) != nullptr, 10000);
    QQuickItem *opener = row->findChild<QQuickItem *>(QLatin1String(button));
    QVERIFY(opener);
    QTRY_VERIFY(opener->isVisible());
    click(opener);
    QObject *loader = row->findChild<QObject *>(QLatin1String(menuName));
    QVERIFY(loader);
    QTRY_VERIFY(loader->property("opened").toBool());
    auto *menu = loader->property("menu").value<QObject *>();
    QObject *choices = menu;
    if (submenu) {
        // The submenu's entry opens the list beside the menu.
        choices = menu->findChild<QObject *>(QLatin1String(submenu));
        QVERIFY(choices);
        QVERIFY2(choices->property("enabled").toBool(), submenu);
        QQuickItem *entry = nullptr;
        for (int i = 0; i < menu->property("count").toInt() && !entry; ++i) {
            QQuickItem *item = nullptr;
            QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, i));
            if (item && item->property("subMenu").value<QObject *>() == choices)
                entry = item;
        }
        QVERIFY(entry);
        click(entry);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(choices->property("opened").toBool());
    }
    QStringList offered;
    QQuickItem *pick = nullptr;
    QTRY_VERIFY(choices->property("count").toInt() > 0);
    for (int i = 0; i < choices->property("count").toInt(); ++i) {
        QQuickItem *item = nullptr;
        QMetaObject::invokeMethod(choices, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, i));
        offered << item->property("text").toString();
        if (offered.last() == text)
            pick = item;
    }
    QVERIFY2(pick, qPrintable(offered.join(u',')));
    click(pick);
    QTRY_VERIFY(!loader->property("opened").toBool());
}

// The pilot's whole flight: the generator plans XRTA - XRTB over UL100 (the HIGH airway the
// default routing prefers) and its exit ALDAX; the table's menus change the SID to ALDA1B (runway
// 27 direct to ALDAX), pick runway 27 and the STAR FOXI1C (FOXIN to XB271); the plan is saved, a new plan replaces it, the saved one
// is opened again, exported for X-Plane 11 into a folder of the test's own, and its profile drawn.
void ProgramWindow::generateSaveReopenExport()
{
    QObject *generatorDialog = m_window->findChild<QObject *>(QStringLiteral("generatorDialog"));
    QVERIFY(generatorDialog);
    click(m_window->findChild<QQuickItem *>(QStringLiteral("generatorToolButton")));
    QTRY_VERIFY_WITH_TIMEOUT(generatorDialog->property("opened").toBool(), 10000);

    // The departure field has the focus: typed and validated with Enter; the arrival field is
    // clicked into first.
    auto *departure = generatorDialog->findChild<QQuickItem *>(QStringLiteral("departureBox"));
    auto *arrival = generatorDialog->findChild<QQuickItem *>(QStringLiteral("arrivalBox"));
    QVERIFY(departure && arrival);
    // The boxes may show the airports of the plan already: the typed code replaces them.
    QTest::keyClick(m_window, Qt::Key_A, Qt::ControlModifier);
    for (const char key : {'X', 'R', 'T', 'A'})
        QTest::keyClick(m_window, key);
    QTest::keyClick(m_window, Qt::Key_Return);
    QTRY_VERIFY(departure->property("valid").toBool());
    click(arrival->property("contentItem").value<QQuickItem *>());
    QTRY_VERIFY(arrival->property("contentItem").value<QQuickItem *>()->hasActiveFocus());
    QTest::keyClick(m_window, Qt::Key_A, Qt::ControlModifier);
    for (const char key : {'X', 'R', 'T', 'B'})
        QTest::keyClick(m_window, key);
    QTest::keyClick(m_window, Qt::Key_Return);
    QTRY_VERIFY(arrival->property("valid").toBool());
    auto *generate = generatorDialog->findChild<QQuickItem *>(QStringLiteral("applyButton"));
    QTRY_VERIFY(generate->isEnabled());
    click(generate);
    // The dialog closes itself once the route is in the plan.
    QTRY_VERIFY_WITH_TIMEOUT(!generatorDialog->property("visible").toBool(), 30000);
    QCOMPARE(planCodes(), QStringLiteral("XRTA ALDAX COLTA DUNOP EPMAR FOXIN XRTB"));

    chooseFromRow("departure", "procedureButton", "procedureMenu", "chooseProcedure", QStringLiteral("XRTA/ALDA1B"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(airportRow("departure")->findChild<QQuickItem *>(QStringLiteral("procedureButton"))->property("text").toString(),
                 QStringLiteral("ALDA1B"));
    chooseFromRow("departure", "runwayButton", "runwaysMenu", nullptr, QStringLiteral("27"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(airportRow("departure")->findChild<QQuickItem *>(QStringLiteral("runwayButton"))->property("text").toString(),
                 QStringLiteral("27"));
    chooseFromRow("arrival", "procedureButton", "procedureMenu", "chooseProcedure", QStringLiteral("XRTB/FOXI1C"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(airportRow("arrival")->findChild<QQuickItem *>(QStringLiteral("procedureButton"))->property("text").toString(),
                 QStringLiteral("FOXI1C"));
    const QString planned = planCodes();

    // Save, new, open: the file dialogs hand these local paths to the file manager.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString documentPath = folder.filePath(QStringLiteral("crossing.fpxml"));
    QObject *fileManager = m_window->findChild<QObject *>(QStringLiteral("fileManager"));
    QVERIFY(fileManager);
    QObject *document = context("document");
    QVERIFY(QMetaObject::invokeMethod(fileManager, "saveAsPath", Q_ARG(QVariant, documentPath)));
    QVERIFY(QFile::exists(documentPath));
    QVERIFY(document->property("saved").toBool());
    QVERIFY(QMetaObject::invokeMethod(fileManager, "newDoc"));
    QTRY_COMPARE(planCodes(), QString());
    QVERIFY(QMetaObject::invokeMethod(fileManager, "openPath", Q_ARG(QVariant, documentPath)));
    QTRY_COMPARE(planCodes(), planned);
    QTRY_COMPARE(airportRow("arrival")->findChild<QQuickItem *>(QStringLiteral("procedureButton"))->property("text").toString(),
                 QStringLiteral("FOXI1C"));

    // "Export to..." with the first filter, X-Plane 11/12 FMS.
    QObject *exportDialog = m_window->findChild<QObject *>(QStringLiteral("exportAsDialog"));
    QVERIFY(exportDialog);
    QCOMPARE(context("exporter")->property("formats").toStringList().value(0), QStringLiteral("X-Plane 11/12 FMS (*.fms)"));
    const QString fmsPath = folder.filePath(QStringLiteral("crossing.fms"));
    QVERIFY(QMetaObject::invokeMethod(exportDialog, "prepareFor", Q_ARG(QVariant, 1)));
    QVERIFY(QMetaObject::invokeMethod(exportDialog, "exportTo", Q_ARG(QVariant, fmsPath), Q_ARG(QVariant, 0)));
    QFile fms(fmsPath);
    QVERIFY(fms.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLatin1(fms.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const char *line : {"I", "1100 Version", "CYCLE 2401", "ADEP XRTA", "DEPRWY RW27", "SID ALDA1B", "ADES XRTB", "STAR FOXI1C", "NUMENR 7"})
        QVERIFY2(lines.contains(QLatin1String(line)), line);
    QVERIFY(lines.indexOf(QLatin1String("ADEP XRTA")) < lines.indexOf(QLatin1String("SID ALDA1B")));
    QVERIFY(lines.indexOf(QLatin1String("ADES XRTB")) < lines.indexOf(QLatin1String("STAR FOXI1C")));
    // The simulator flies the procedures itself: of them only their exit and entry fixes stay.
    // Type, code, airway, then the position (the altitude between is the profile's).
    const qsizetype first = lines.indexOf(QLatin1String("NUMENR 7")) + 1;
    QCOMPARE(lines.size() - first, 7);
    QStringList enroute;
    for (qsizetype i = first; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u' ');
        QCOMPARE(fields.size(), 6);
        enroute << QStringList({fields.at(0), fields.at(1), fields.at(2), fields.at(4), fields.at(5)}).join(u' ');
    }
    QCOMPARE(enroute, QStringList({"1 XRTA ADEP -20.000000 60.000000", "11 ALDAX DRCT -19.800000 60.600000",
                                   "11 COLTA UL100 -20.000000 61.800000", "11 DUNOP UL100 -20.000000 63.000000",
                                   "11 EPMAR UL100 -20.000000 64.200000", "11 FOXIN UL100 -19.800000 65.300000",
                                   "1 XRTB ADES -20.000000 66.000000"}));

    // The reopened plan's vertical profile, in the panel's second tab: title, axes, labels and
    // the filled climb and descent, kept in screenshots/.
    auto *panel = m_window->findChild<QQuickItem *>(QStringLiteral("flightplanPanel"));
    QVERIFY(panel);
    auto *tabBar = panel->findChild<QQuickItem *>(QStringLiteral("tabBar"));
    QVERIFY(tabBar);
    QQuickItem *profileTab = nullptr;
    QMetaObject::invokeMethod(tabBar, "itemAt", Q_RETURN_ARG(QQuickItem *, profileTab), Q_ARG(int, 1));
    click(profileTab);
    auto *chart = panel->findChild<QQuickItem *>(QStringLiteral("profileChart"));
    QVERIFY(chart);
    QTRY_VERIFY(chart->isVisible() && chart->property("count").toInt() == 1);
    // The chart draws its series a frame after it has them.
    QTest::qWait(300);
    const QImage image = picture(QStringLiteral("program-profile.png"));
    const QRectF area(chart->mapToScene(QPointF(0, 0)) * m_window->effectiveDevicePixelRatio(),
                      chart->size() * m_window->effectiveDevicePixelRatio());
    QSet<QRgb> colours;
    for (int x = qMax(0, int(area.left())); x < qMin(image.width(), int(area.right())); x += 3) {
        for (int y = qMax(0, int(area.top())); y < qMin(image.height(), int(area.bottom())); y += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));
}

// The pilot picks the Dark theme and then Light again with the profile chart shown: at each
// switch the map, its labels and the chart take the new colours at once.
void ProgramWindow::themeSwitchBothWays()
{
    auto *combo = m_window->findChild<QQuickItem *>(QStringLiteral("themeComboBox"));
    QVERIFY(combo);
    auto *chart = m_window->findChild<QQuickItem *>(QStringLiteral("profileChart"));
    QVERIFY(chart && chart->isVisible());
    const QRectF chartArea(chart->mapToScene(QPointF(0, 0)) * m_window->effectiveDevicePixelRatio(),
                           chart->size() * m_window->effectiveDevicePixelRatio());
    for (const auto &[index, name] : {std::pair{1, "dark"}, std::pair{0, "light"}, std::pair{1, "dark-again"}}) {
        combo->setProperty("currentIndex", index);
        QVERIFY(QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, index)));
        QTest::qWait(500);
        const QImage image = picture(QStringLiteral("program-theme-%1.png").arg(QLatin1String(name)));
        const bool night = index == 1;
        // The map's ground where no tile is, away from every item.
        const QPointF empty = m_overlay->mapToScene(QPointF(m_overlay->width() * 0.25, m_overlay->height() * 0.8));
        const QColor ground = image.pixelColor((empty * m_window->effectiveDevicePixelRatio()).toPoint());
        QVERIFY2(night ? ground.lightnessF() < 0.3 : ground.lightnessF() > 0.7, qPrintable(ground.name()));
        // The airport label under XRTA, a few pixels below the point: its strongest pixel has
        // a contrast of at least 3:1 with the ground (the relative luminances of the sRGB
        // standard, plus 0.05 each).
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const double groundLuminance = luminance(ground);
        const QPointF xrta = place(-20.0, 60.0);
        double contrast = 1.0;
        for (int x = int(xrta.x()) - 20; x <= int(xrta.x()) + 20; ++x) {
            for (int y = int(xrta.y()) + 8; y <= int(xrta.y()) + 40; ++y) {
                const double pixel = luminance(image.pixelColor(x, y));
                contrast = qMax(contrast, (qMax(pixel, groundLuminance) + 0.05) / (qMin(pixel, groundLuminance) + 0.05));
            }
        }
        QVERIFY2(contrast >= 3.0, qPrintable(QString::number(contrast)));
        // The chart on the window's background with its texts: light on dark, dark on light.
        const QColor chartGround = image.pixelColor(chartArea.topLeft().toPoint() + QPoint(4, 4));
        QVERIFY2(night ? chartGround.lightnessF() < 0.35 : chartGround.lightnessF() > 0.8, qPrintable(chartGround.name()));
        int texts = 0;
        for (int x = qMax(0, int(chartArea.left())); x < qMin(image.width(), int(chartArea.right())); ++x) {
            for (int y = int(chartArea.bottom()) - 40; y < qMin(image.height(), int(chartArea.bottom())); ++y) {
                if (std::abs(image.pixelColor(x, y).lightnessF() - chartGround.lightnessF()) > 0.4)
                    ++texts;
            }
        }
        // The distance labels along the bottom axis.
        QVERIFY2(texts > 100, qPrintable(QString::number(texts)));
    }

    // Close in on a selected airport: the rings of its marker read three distances.
    QQuickItem *map = m_overlay->parentItem();
    QVERIFY(QMetaObject::invokeMethod(context("ism"), "selectFromUID", Q_ARG(QString, QStringLiteral("XRTB"))));
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(-20.0, 66.0)));
    map->setProperty("zoomLevel", 16.0);
    QTest::qWait(700);
    picture(QStringLiteral("program-selection-close.png"));
    QStringList rings;
    for (const char *name : {"distanceLarge", "distanceMedium", "distanceSmall"}) {
        for (QQuickItem *label : m_window->findChildren<QQuickItem *>(QLatin1String(name))) {
            // The rose is drawn through its tint: the marker's own item tells whether it shows.
            QQuickItem *marker = label->parentItem() ? label->parentItem()->parentItem() : nullptr;
            if (marker && marker->isVisible())
                rings << label->property("text").toString();
        }
    }
    QCOMPARE(rings.size(), 3);
    QVERIFY2(QSet<QString>(rings.cbegin(), rings.cend()).size() == 3, qPrintable(rings.join(u' ')));

    // The information panel shows the airport; once the database is emptied, it says the airport
    // no longer exists.
    QObject *info = context("infoManager");
    QVERIFY(QMetaObject::invokeMethod(info, "showPointInfo", Q_ARG(QString, QStringLiteral("XRTB"))));
    QVERIFY(info->property("html").toString().contains(QLatin1String("Bellmont")));
    QVERIFY(QMetaObject::invokeMethod(context("database"), "clear"));
    QTRY_VERIFY(info->property("html").toString().contains(QLatin1String("not in the navigation database any more")));
    QTest::qWait(200);
    picture(QStringLiteral("program-database-cleared.png"));
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
