// The program as it starts (the same objects, the same root document) on a fresh settings store
// without a database, after importing the test simulator folder through the database dialog and
// planning XRTA - XRTC - XRTB, drawn through OpenGL under Xvfb. The picture is kept in screenshots/ for a person to
// look at; the test checks the pixels where the layers must draw, in the colours of the theme. Then a whole flight
// through the window: the route generator, a SID, a runway and a STAR from the table's menus, save, reopen, the X-Plane
// 11 export read back as the simulator would, and the profile chart.
#include "settings.h"
#include "shell.h"
#include "testsupport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGeoCoordinate>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>

#include <cmath>
#include <variant>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

class ProgramWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void mapAfterImport();
    void hoverTooltip();
    // Before any other file dialog or export has made the documents folder.
    void firstSaveOnFreshHome();
    void generateSaveReopenExport();
    void keyboardOnly();
    // Ctrl+Q on a changed plan asks, and asks again after the question was cancelled, by Escape or
    // by the pointer on Cancel: the File menu's entry holds the key too.
    void quitAskedAgain();
    void themeSwitchBothWays();
    void tableAtWindowSizes();
    void informationScrolls();
    void followAirplane();
    // The program quit, connected to the stand-in, with a tip or a dialog showing; in a
    // process of its own, which the quit ends.
    void quitWhileShowing_data();
    void quitWhileShowing();
    // Clears the database: last.
    void pageWhenDatabaseCleared();
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
    // The platform file dialog on screen, if any.
    static QFileDialog *shownFileDialog();
    // Types the text into the dialog's file name in the folder, and Enter once its completion list shows.
    static void typeIntoCompletion(QFileDialog *dialog, const QString &folder, const QString &text);
    // The button of that text on screen in the window, as a question box shows it, if any.
    QQuickItem *shownButton(const QString &text) const;
    // The flight-plan table's row of the departure ("departure") or arrival ("arrival") airport.
    QQuickItem *airportRow(const char *which) const;
    // Opens the menu of the airport row's button and picks the entry `text`, from the named
    // submenu when there is one.
    void chooseFromRow(const char *which, const char *button, const char *menu, const char *submenu,
                       const QString &text);
    // Starts the stand-in simulator with the arguments; returns the port it listens on, 0 if none.
    static quint16 startSimulator(QProcess &simulator, QByteArray &said, const QString &arguments);

    std::unique_ptr<Shell> m_shell;
    QQuickWindow *m_window = nullptr;
    QQuickItem *m_overlay = nullptr;
    ulong m_wheelTurns = 0;
};

constexpr const char *kCrossing = "XRTA ALDAX COLTA DUNOP EPMAR FOXIN XRTB";

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
    const QString providers
        = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map/background/providers");
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

// Run alone, a function finds the world imported and, for a flight, the crossing planned.
void ProgramWindow::init()
{
    const QByteArray function = QTest::currentTestFunction();
    if (function != "mapAfterImport" && context("database")->property("pointCount").toInt() == 0)
        mapAfterImport();
    const QList<QByteArray> flights{"themeSwitchBothWays", "pageWhenDatabaseCleared", "tableAtWindowSizes",
                                    "informationScrolls"};
    if (!QTest::currentTestFailed() && flights.contains(function) && planCodes() != QLatin1String(kCrossing))
        generateSaveReopenExport();
}

void ProgramWindow::cleanupTestCase()
{
    m_shell.reset();
}

QColor ProgramWindow::themeColour(const char *key, int type) const
{
    QColor colour;
    QMetaObject::invokeMethod(context("theme"), "color", Q_RETURN_ARG(QColor, colour),
                              Q_ARG(QString, QLatin1String(key)), Q_ARG(int, type));
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
    QCOMPARE(dialog->findChild<QObject *>(QStringLiteral("pointCount"))->property("text").toString(),
             QStringLiteral("19"));
    // The small folder has every list a start needs: the dialog has no objection to it.
    QCOMPARE(dialog->findChild<QObject *>(QStringLiteral("unusableText"))->property("text").toString(), QString());
    // No simulator in the test's home: the search says where it looked.
    QVERIFY(QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("autodetectButton")), "clicked"));
    QVERIFY(dialog->findChild<QObject *>(QStringLiteral("autodetectText"))
                ->property("text")
                .toString()
                .startsWith(QLatin1String("No folder \"X-Plane 12\" or \"X-Plane 11\" found in: ")));
    QTest::qWait(100);
    picture(QStringLiteral("program-database.png"));
    QVERIFY(QMetaObject::invokeMethod(dialog->findChild<QObject *>(QStringLiteral("okButton")), "clicked"));
    QTRY_VERIFY(!m_window->property("dialog").toBool());
    // The status bar reads the imported cycle, once the welcome has faded.
    auto *statusLabel = m_window->findChild<QQuickItem *>(QStringLiteral("statusLabel"));
    QVERIFY(statusLabel);
    QTRY_VERIFY2_WITH_TIMEOUT(statusLabel->property("text").toString().startsWith(QLatin1String("AIRAC 2401")),
                              qPrintable(statusLabel->property("text").toString()), 10000);

    QVERIFY(map->property("dbloaded").toBool());
    // XRN in the NDB colour, with no move after the load.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage image = m_window->grabWindow();
            const QColor background = image.pixelColor(place(-22.5, 61.0).toPoint());
            return colourNear(image, place(-19.9, 65.6), themeColour("point", 2), background, 4);
        }(),
        10000);
    map->setProperty("zoomLevel", 7.0);
    QObject *plan = context("flightplan");
    QMetaObject::invokeMethod(plan, "clear", Q_ARG(bool, false));
    for (const char *uid : {"XRTA", "XRTC", "XRTB"}) {
        bool added = false;
        QMetaObject::invokeMethod(plan, "append", Q_RETURN_ARG(bool, added), Q_ARG(QString, QLatin1String(uid)),
                                  Q_ARG(bool, false));
        QVERIFY2(added, uid);
    }
    const QPointF empty = place(-22.5, 61.0);
    const QColor airport = themeColour("point", 1);
    const QColor jet = themeColour("segment", 2);
    const QColor route = themeColour("flightplan", 0);
    // The filter pass follows the moves by 100 ms, and a busy machine draws the route later still.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage drawn = m_window->grabWindow();
            return colourNear(drawn, place(-20.5, 61.0), route, drawn.pixelColor(empty.toPoint()), 3);
        }(),
        10000);
    const QImage image = picture(QStringLiteral("program.png"));
    const QColor background = image.pixelColor(empty.toPoint());
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

// A pilot rests the pointer on the radio beacon XRB: its description opens beside the pointer, as
// wide as its text allows and no wider, and stays under the context menu opened on the beacon.
void ProgramWindow::hoverTooltip()
{
    const QPoint beacon = (place(-20.2, 62.8) / m_window->effectiveDevicePixelRatio()).toPoint();
    QTest::mouseMove(m_window, beacon + QPoint(0, 40));
    QTest::qWait(50);
    QTest::mouseMove(m_window, beacon);
    QObject *tip = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((tip = m_overlay->findChild<QObject *>(QStringLiteral("tooltip"))) != nullptr
                                 && tip->property("item").value<QObject *>()
                                 && tip->property("item").value<QObject *>()->property("opened").toBool(),
                             5000);
    QObject *popup = tip->property("item").value<QObject *>();
    auto *box = popup->property("background").value<QQuickItem *>();
    QVERIFY(box);
    const QRectF area(box->mapToScene(QPointF(0, 0)), box->size());
    // Beside the pointer, below and to the right of it.
    QVERIFY2(
        area.left() > beacon.x() && area.left() < beacon.x() + 30 && area.top() > beacon.y()
            && area.top() < beacon.y() + 30,
        qPrintable(QStringLiteral("%1,%2 for %3,%4").arg(area.left()).arg(area.top()).arg(beacon.x()).arg(beacon.y())));
    // No wider than its longest line wants, and no wider than the limit of its font.
    auto *text = popup->property("contentItem").value<QQuickItem *>();
    QVERIFY(text);
    const double limit = popup->property("textLimit").toDouble();
    QVERIFY(limit > 0);
    QVERIFY2(
        text->width() <= limit + 1 && text->width() <= text->implicitWidth() + 1,
        qPrintable(QStringLiteral("%1 (limit %2, text %3)").arg(text->width()).arg(limit).arg(text->implicitWidth())));
    QVERIFY2(area.width() < m_window->width() / 2, qPrintable(QString::number(area.width())));
    QTest::qWait(100);
    picture(QStringLiteral("program-tooltip.png"));

    // The beacon's menu opens where it is clicked. The pointer then rests on the beacon XRA to
    // its left, whose description would reach into the menu: the menu stays drawn above it.
    QTest::mouseClick(m_window, Qt::RightButton, {}, beacon);
    QObject *menu = nullptr;
    QTRY_VERIFY((menu = tip->parent()->findChild<QObject *>(QStringLiteral("menu")))
                && menu->property("opened").toBool());
    // Its own tip goes as the menu opens.
    QTRY_VERIFY(!tip->property("item").value<QObject *>());
    const QPointer<QObject> menuPopup = menu->property("menu").value<QObject *>();
    auto *menuBox = menuPopup->property("background").value<QQuickItem *>();
    QVERIFY(menuBox);
    const QPoint other = (place(-20.0, 61.0) / m_window->effectiveDevicePixelRatio()).toPoint();
    QTest::mouseMove(m_window, other + QPoint(0, 30));
    QTest::qWait(50);
    QTest::mouseMove(m_window, other);
    QObject *otherTip = nullptr;
    const auto openOtherTip = [&] {
        for (QObject *loader : m_overlay->findChildren<QObject *>(QStringLiteral("tooltip"))) {
            QObject *item = loader->property("item").value<QObject *>();
            if (loader != tip && item && item->property("opened").toBool())
                otherTip = item;
        }
        return otherTip != nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(openOtherTip(), 10000);
    {
        auto *otherBox = otherTip->property("background").value<QQuickItem *>();
        const QRectF menuArea(menuBox->mapToScene(QPointF(0, 0)), menuBox->size());
        const QRectF both = menuArea.intersected(QRectF(otherBox->mapToScene(QPointF(0, 0)), otherBox->size()));
        QVERIFY2(!both.isEmpty(), "the description does not reach into the menu");
        const QImage image = m_window->grabWindow();
        // The menu's own colour at its left edge, where no entry text is drawn.
        const QPointF sample(menuArea.left() + 3, both.center().y());
        const QColor menuColour = menuBox->property("color").value<QColor>();
        const QColor shown = image.pixelColor((sample * m_window->effectiveDevicePixelRatio()).toPoint());
        QVERIFY2(qAbs(shown.red() - menuColour.red()) + qAbs(shown.green() - menuColour.green())
                         + qAbs(shown.blue() - menuColour.blue())
                     < 24,
                 qPrintable(shown.name() + QLatin1String(" for the menu's ") + menuColour.name()));
    }
    picture(QStringLiteral("program-tooltip-menu.png"));
    QVERIFY2(menuPopup && menuPopup->property("opened").toBool(), "the menu closed under the pointer");
    // Closed with Escape as a pilot closes it (the window has the keyboard, as the pilot's has;
    // the test's screen has no window manager to give it), and gone from the window before the
    // next step's pictures.
    m_window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_Escape);
    QTRY_VERIFY(!menuPopup || !menuPopup->property("visible").toBool());
    QTest::mouseMove(m_window, beacon + QPoint(0, 60));
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

QFileDialog *ProgramWindow::shownFileDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<QFileDialog *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

void ProgramWindow::typeIntoCompletion(QFileDialog *dialog, const QString &folder, const QString &text)
{
    // Typed into as the pilot types: the dialog active, the name field with the focus (a field
    // without it has its list hidden at once).
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    dialog->activateWindow();
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    dialog->setDirectory(folder);
    auto *files = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    QTRY_VERIFY(files->model()->rowCount(files->rootIndex()) > 0);
    name->selectAll();
    QTest::keyClicks(name, text);
    QTRY_VERIFY(name->completer()->popup()->isVisible());
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
}

QQuickItem *ProgramWindow::shownButton(const QString &text) const
{
    // The drawn items, the overlay of the question boxes included.
    QList<QQuickItem *> items{m_window->contentItem()};
    for (qsizetype i = 0; i < items.size(); ++i) {
        QQuickItem *item = items.at(i);
        if (!item->isVisible())
            continue;
        if (item->inherits("QQuickAbstractButton") && item->property("text").toString() == text)
            return item;
        items.append(item->childItems());
    }
    return nullptr;
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
    QVERIFY(QMetaObject::invokeMethod(table, qstrcmp(which, "departure") == 0 ? "positionViewAtBeginning"
                                                                              : "positionViewAtEnd"));
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
    // A menu takes clicks where its entries stand once its opening transition is over, which
    // on a busy machine can be after its entries exist.
    QTRY_VERIFY_WITH_TIMEOUT(choices->property("opened").toBool(), 10000);
    click(pick);
    QTRY_VERIFY_WITH_TIMEOUT(!loader->property("opened").toBool(), 10000);
}

// The pilot's whole flight: the generator plans XRTA - XRTB over UL100 (the HIGH airway the
// default routing prefers) and its exit ALDAX; the table's menus change the SID to ALDA1B (runway
// 27 direct to ALDAX), pick runway 27 and the STAR FOXI1C (FOXIN to XB271); the plan is saved, a new plan replaces it,
// the saved one is opened again, exported for X-Plane 11 into a folder of the test's own, and its profile drawn.
void ProgramWindow::generateSaveReopenExport()
{
    QObject *generatorDialog = m_window->findChild<QObject *>(QStringLiteral("generatorDialog"));
    QVERIFY(generatorDialog);
    click(m_window->findChild<QQuickItem *>(QStringLiteral("generatorToolButton")));
    QTRY_VERIFY_WITH_TIMEOUT(generatorDialog->property("opened").toBool(), 10000);
    picture(QStringLiteral("program-generator.png"));

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
    QCOMPARE(planCodes(), QLatin1String(kCrossing));

    chooseFromRow("departure", "procedureButton", "procedureMenu", "chooseProcedure", QStringLiteral("XRTA/ALDA1B"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(airportRow("departure")
                     ->findChild<QQuickItem *>(QStringLiteral("procedureButton"))
                     ->property("text")
                     .toString(),
                 QStringLiteral("ALDA1B"));
    chooseFromRow("departure", "runwayButton", "runwaysMenu", nullptr, QStringLiteral("27"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(
        airportRow("departure")->findChild<QQuickItem *>(QStringLiteral("runwayButton"))->property("text").toString(),
        QStringLiteral("27"));
    chooseFromRow("arrival", "procedureButton", "procedureMenu", "chooseProcedure", QStringLiteral("XRTB/FOXI1C"));
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE(
        airportRow("arrival")->findChild<QQuickItem *>(QStringLiteral("procedureButton"))->property("text").toString(),
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
    QTRY_COMPARE(
        airportRow("arrival")->findChild<QQuickItem *>(QStringLiteral("procedureButton"))->property("text").toString(),
        QStringLiteral("FOXI1C"));
    // Opened again with its name typed and Enter pressed in the completion list: the list goes
    // with the dialog, as it does with the save dialogs.
    QVERIFY(QMetaObject::invokeMethod(fileManager, "openDoc", Q_ARG(QVariant, QStringLiteral("fpxml"))));
    QFileDialog *opening = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((opening = shownFileDialog()) != nullptr, 5000);
    typeIntoCompletion(opening, folder.path(), QStringLiteral("crossing.fpxml"));
    QTRY_VERIFY(!opening->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QTRY_COMPARE(planCodes(), planned);

    // "Export to..." with the first filter, X-Plane 11/12 FMS: the dialog proposes the plan's
    // name, and a name typed without its ending gets the filter's.
    QObject *exportDialog = m_window->findChild<QObject *>(QStringLiteral("exportAsDialog"));
    QVERIFY(exportDialog);
    QCOMPARE(context("exporter")->property("formats").toStringList().value(0),
             QStringLiteral("X-Plane 11/12 FMS (*.fms)"));
    const QString fmsPath = folder.filePath(QStringLiteral("crossing.fms"));
    QVERIFY(QMetaObject::invokeMethod(exportDialog, "openFor", Q_ARG(QVariant, 1)));
    QFileDialog *dialog = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((dialog = shownFileDialog()) != nullptr, 5000);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("XRTAXRTB"));
    dialog->setDirectory(folder.path());
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("crossing"));
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save), Qt::LeftButton);
    QTRY_VERIFY(QFileInfo::exists(fmsPath));
    QFile fms(fmsPath);
    QVERIFY(fms.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLatin1(fms.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const char *line : {"I", "1100 Version", "CYCLE 2401", "ADEP XRTA", "DEPRWY RW27", "SID ALDA1B", "ADES XRTB",
                             "STAR FOXI1C", "NUMENR 7"})
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
    // The same bare name again: the file with the ending added is asked about, as the platform
    // dialog asks about a name typed whole, and No writes nothing.
    fms.close();
    QVERIFY(fms.open(QIODevice::WriteOnly | QIODevice::Truncate) && fms.write("kept") == 4);
    fms.close();
    QVERIFY(QMetaObject::invokeMethod(exportDialog, "openFor", Q_ARG(QVariant, 1)));
    QTRY_VERIFY_WITH_TIMEOUT((dialog = shownFileDialog()) != nullptr, 5000);
    dialog->setDirectory(folder.path());
    name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("crossing"));
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save), Qt::LeftButton);
    auto *question = exportDialog->findChild<QObject *>(QStringLiteral("replaceQuestion"));
    QVERIFY(question);
    QTRY_VERIFY(question->property("visible").toBool());
    QCOMPARE(question->property("text").toString(), QStringLiteral("crossing.fms already exists."));
    QTest::qWait(300);
    picture(QStringLiteral("program-replace-question.png"));
    QQuickItem *no = nullptr;
    QTRY_VERIFY((no = shownButton(QStringLiteral("No"))) != nullptr);
    click(no);
    QTRY_VERIFY(!question->property("visible").toBool());
    QVERIFY(fms.open(QIODevice::ReadOnly));
    QCOMPARE(fms.readAll(), QByteArray("kept"));
    fms.close();
    // Enter pressed in the file name's completion list: the list goes with the dialog, and the
    // first click on Yes replaces the file.
    QVERIFY(QMetaObject::invokeMethod(exportDialog, "openFor", Q_ARG(QVariant, 1)));
    QTRY_VERIFY_WITH_TIMEOUT((dialog = shownFileDialog()) != nullptr, 5000);
    typeIntoCompletion(dialog, folder.path(), QStringLiteral("crossing"));
    QTRY_VERIFY(question->property("visible").toBool());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QQuickItem *yes = nullptr;
    QTRY_VERIFY((yes = shownButton(QStringLiteral("Yes"))) != nullptr);
    click(yes);
    QTRY_VERIFY(!question->property("visible").toBool());
    QTRY_VERIFY(QFileInfo(fmsPath).size() > 4);

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
    const QRectF area(chart->mapToScene(QPointF(0, 0)) * m_window->effectiveDevicePixelRatio(),
                      chart->size() * m_window->effectiveDevicePixelRatio());
    const auto colours = [&area](const QImage &image) {
        QSet<QRgb> found;
        for (int x = qMax(0, int(area.left())); x < qMin(image.width(), int(area.right())); x += 3) {
            for (int y = qMax(0, int(area.top())); y < qMin(image.height(), int(area.bottom())); y += 3)
                found.insert(image.pixel(x, y));
        }
        return found.size();
    };
    // The chart draws its series some frames after it has them.
    QTRY_VERIFY_WITH_TIMEOUT(colours(m_window->grabWindow()) > 20, 10000);
    const qsizetype drawn = colours(picture(QStringLiteral("program-profile.png")));
    QVERIFY2(drawn > 20, qPrintable(QString::number(drawn)));
}

// The pilot's flight from the keyboard alone, no pointer event: Ctrl+G and the generator's fields,
// Tab to Generate and Enter; a question answered with Escape; Ctrl+Shift+S saves as; F10 opens
// the menu and Alt+F the File menu, where the arrows reach the PDF export; Ctrl+Shift+E exports
// for X-Plane; Ctrl+Shift+P shows the plan printed, and Escape closes each dialog.
void ProgramWindow::keyboardOnly()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    m_window->requestActivate();
    QTRY_VERIFY(m_window->isActive());
    // Keys go where the pilot's would: the open menu, the focused widget of an active file
    // dialog (a hidden one keeps its focus widget), or the window.
    const auto target = [this]() -> std::variant<QWidget *, QWindow *> {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget *widget = QApplication::focusWidget(); widget && widget->window()->isActiveWindow())
            return widget;
        return static_cast<QWindow *>(m_window);
    };
    const auto press = [&target](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        std::visit([&](auto *to) { QTest::keyClick(to, key, modifiers); }, target());
    };
    const auto type = [&](const QString &text) {
        press(Qt::Key_A, Qt::ControlModifier);
        for (const char c : text.toLatin1())
            std::visit([c](auto *to) { QTest::keyClick(to, c); }, target());
        press(Qt::Key_Return);
    };
    const auto focusedName = [this] {
        QQuickItem *item = m_window->activeFocusItem();
        while (item && item->objectName().isEmpty())
            item = item->parentItem();
        return item ? item->objectName() : QString();
    };
    // The window has the keys back after, as a window manager gives them; Xvfb has none.
    const auto saveThrough = [this, &type](const QString &path) {
        QFileDialog *dialog = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((dialog = shownFileDialog()) != nullptr, 5000);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        dialog->activateWindow();
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        type(path);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
        QTRY_VERIFY(!dialog->isVisible());
        m_window->requestActivate();
        QTRY_VERIFY(m_window->isActive());
    };

    // The departure field has the focus; Tab goes on in reading order, past the SID output.
    QObject *generatorDialog = m_window->findChild<QObject *>(QStringLiteral("generatorDialog"));
    press(Qt::Key_G, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(generatorDialog->property("opened").toBool(), 10000);
    type(QStringLiteral("XRTA"));
    QTRY_COMPARE(focusedName(), QStringLiteral("departureBox"));
    for (const char *next : {"outputBox", "arrivalBox"}) {
        press(Qt::Key_Tab);
        QTRY_COMPARE(focusedName(), QLatin1String(next));
    }
    type(QStringLiteral("XRTB"));
    QTRY_VERIFY(generatorDialog->findChild<QObject *>(QStringLiteral("arrivalBox"))->property("valid").toBool());
    for (int i = 0; i < 30 && focusedName() != QLatin1String("applyButton"); ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QStringLiteral("applyButton"));
    press(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!generatorDialog->property("visible").toBool(), 30000);
    const QString planned = QLatin1String(kCrossing);
    QCOMPARE(planCodes(), planned);

    // Escape keeps the plan that Ctrl+N would have replaced.
    auto *question = m_window->findChild<QObject *>(QStringLiteral("fileManager"))
                         ->property("saveBeforeNewDialog")
                         .value<QObject *>();
    press(Qt::Key_N, Qt::ControlModifier);
    QTRY_VERIFY(question->property("visible").toBool());
    press(Qt::Key_Escape);
    QTRY_VERIFY(!question->property("visible").toBool());
    QCOMPARE(planCodes(), planned);

    for (const auto &[key, file] : {std::pair{Qt::Key_S, "keys.fpxml"}, std::pair{Qt::Key_E, "keys.fms"}}) {
        press(key, Qt::ControlModifier | Qt::ShiftModifier);
        saveThrough(folder.filePath(QLatin1String(file)));
        if (QTest::currentTestFailed())
            return;
    }
    QTRY_VERIFY(context("document")->property("saved").toBool());

    press(Qt::Key_F10);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    // The window's shortcuts answer once the menu's window has given the keys back, which a busy
    // machine does late.
    m_window->requestActivate();
    QTRY_VERIFY(m_window->isActive());
    press(Qt::Key_F, Qt::AltModifier);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr);
    QCOMPARE(menu->title(), QStringLiteral("&File"));
    const auto active = [menu] { return menu->activeAction() ? menu->activeAction()->text() : QString(); };
    const QString toPdf = QStringLiteral("Export flight plan to PDF...");
    for (int i = 0; i < 30 && active() != toPdf; ++i)
        press(Qt::Key_Down);
    QCOMPARE(active(), toPdf);
    press(Qt::Key_Return);
    const QString pdf = folder.filePath(QStringLiteral("keys.pdf"));
    saveThrough(pdf);
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");

    // The preview runs a loop of its own until it closes: it is read and closed from there.
    int pages = 0;
    QTimer watch;
    watch.setInterval(50);
    connect(&watch, &QTimer::timeout, this, [&pages, &watch] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        auto *view = preview ? preview->findChild<QPrintPreviewWidget *>() : nullptr;
        if (!view || view->pageCount() == 0)
            return;
        pages = view->pageCount();
        watch.stop();
        preview->activateWindow();
        QTest::keyClick(preview, Qt::Key_Escape);
    });
    watch.start();
    press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!watch.isActive(), 10000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(pages, 1);
}

void ProgramWindow::quitAskedAgain()
{
    QObject *document = context("document");
    const auto saved = qScopeGuard([document] { document->setProperty("saved", true); });
    auto *question = m_window->findChild<QObject *>(QStringLiteral("fileManager"))
                         ->property("saveBeforeQuitDialog")
                         .value<QObject *>();
    m_window->requestActivate();
    QTRY_VERIFY(m_window->isActive());
    for (const bool pointer : {false, false, true, true}) {
        document->setProperty("saved", false);
        QTest::keyClick(m_window, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(question->property("visible").toBool());
        if (pointer)
            click(shownButton(QStringLiteral("Cancel")));
        else
            QTest::keyClick(m_window, Qt::Key_Escape);
        QTRY_VERIFY(!question->property("visible").toBool());
    }
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
        const bool night = index == 1;
        // The map's ground where no tile is, away from every item.
        const QPoint empty = (m_overlay->mapToScene(QPointF(m_overlay->width() * 0.25, m_overlay->height() * 0.8))
                              * m_window->effectiveDevicePixelRatio())
                                 .toPoint();
        // The window's colours change in a short transition.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QImage drawn = m_window->grabWindow();
                const double chartLightness
                    = drawn.pixelColor(chartArea.topLeft().toPoint() + QPoint(4, 4)).lightnessF();
                return night == (drawn.pixelColor(empty).lightnessF() < 0.5) && night == (chartLightness < 0.5);
            }(),
            10000);
        const QImage image = picture(QStringLiteral("program-theme-%1.png").arg(QLatin1String(name)));
        const QColor ground = image.pixelColor(empty);
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
                contrast
                    = qMax(contrast, (qMax(pixel, groundLuminance) + 0.05) / (qMin(pixel, groundLuminance) + 0.05));
            }
        }
        QVERIFY2(contrast >= 3.0, qPrintable(QString::number(contrast)));
        // The chart on the window's background with its texts: light on dark, dark on light.
        const QColor chartGround = image.pixelColor(chartArea.topLeft().toPoint() + QPoint(4, 4));
        QVERIFY2(night ? chartGround.lightnessF() < 0.35 : chartGround.lightnessF() > 0.8,
                 qPrintable(chartGround.name()));
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
    // The log names the theme as it stands.
    QFile log(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Waylore.log"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QLatin1String(" Debug: Change map theme: Dark\n")));

    // Close in on a selected airport: the rings of its marker read three distances.
    QQuickItem *map = m_overlay->parentItem();
    QVERIFY(QMetaObject::invokeMethod(context("ism"), "selectFromUID", Q_ARG(QString, QStringLiteral("XRTB"))));
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(-20.0, 66.0)));
    map->setProperty("zoomLevel", 16.0);
    const auto shownRings = [this] {
        QStringList texts;
        for (const char *name : {"distanceLarge", "distanceMedium", "distanceSmall"}) {
            for (QQuickItem *label : m_window->findChildren<QQuickItem *>(QLatin1String(name))) {
                // The rose is drawn through its tint: the marker's own item tells whether it shows.
                QQuickItem *marker = label->parentItem() ? label->parentItem()->parentItem() : nullptr;
                if (marker && marker->isVisible())
                    texts << label->property("text").toString();
            }
        }
        return texts;
    };
    // The marker comes with the filter pass that follows the move.
    QTRY_COMPARE_WITH_TIMEOUT(shownRings().size(), 3, 10000);
    picture(QStringLiteral("program-selection-close.png"));
    const QStringList rings = shownRings();
    QVERIFY2(QSet<QString>(rings.cbegin(), rings.cend()).size() == 3, qPrintable(rings.join(u' ')));
}

// The information panel shows the airport; once the database is emptied, it says the airport
// no longer exists.
void ProgramWindow::pageWhenDatabaseCleared()
{
    QObject *info = context("infoManager");
    QVERIFY(QMetaObject::invokeMethod(info, "showPointInfo", Q_ARG(QString, QStringLiteral("XRTB"))));
    QVERIFY(info->property("html").toString().contains(QLatin1String("Bellmont")));
    // The reopened plan loses its points with the data: it is no longer its file, and the pilot
    // is told.
    QObject *document = context("document");
    QVERIFY(document->property("saved").toBool());
    QVERIFY(QMetaObject::invokeMethod(context("database"), "clear"));
    QTRY_VERIFY(info->property("html").toString().contains(QLatin1String("not in the navigation database any more")));
    QVERIFY(!document->property("saved").toBool());
    // The database's figures count its own points, not the coordinate points the plan now holds.
    QCOMPARE(context("database")->property("pointCount").toInt(), 0);
    QStringList missing;
    QMetaObject::invokeMethod(context("database"), "emptyLists", Q_RETURN_ARG(QStringList, missing));
    QCOMPARE(missing.value(0), QStringLiteral("points"));
    // XRTA ALDAX COLTA DUNOP EPMAR FOXIN XRTB, of which the procedures add none.
    QCOMPARE(m_window->findChild<QQuickItem *>(QStringLiteral("statusLabel"))->property("text").toString(),
             QStringLiteral("7 waypoint(s) not in this navigation database became coordinate points"));
    QTest::qWait(200);
    picture(QStringLiteral("program-database-cleared.png"));
}

// The table of the reopened plan at the smallest window and at a large one: every column is as
// wide as its value, a hovered row's buttons cover none, the totals show beside the tabs, and the
// tool bar's toggles are within the window without scrolling it.
void ProgramWindow::tableAtWindowSizes()
{
    auto *panel = m_window->findChild<QQuickItem *>(QStringLiteral("flightplanPanel"));
    QVERIFY(panel);
    auto *tabBar = panel->findChild<QQuickItem *>(QStringLiteral("tabBar"));
    QQuickItem *tableTab = nullptr;
    QMetaObject::invokeMethod(tabBar, "itemAt", Q_RETURN_ARG(QQuickItem *, tableTab), Q_ARG(int, 0));
    click(tableTab);
    auto *table = m_window->findChild<QQuickItem *>(QStringLiteral("table"));
    QVERIFY(table);
    QTRY_VERIFY(table->isVisible());
    const QList<QSize> sizes = {m_window->minimumSize(), QSize(1600, 1000)};
    QCOMPARE(sizes.first(), QSize(1020, 730));
    for (const QSize &size : sizes) {
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        // The items take the size once the X server has confirmed it: rows placed before would
        // move from under the pointer.
        QTRY_COMPARE_WITH_TIMEOUT(m_window->contentItem()->size(), QSizeF(size), 10000);
        QVERIFY(QQuickTest::qWaitForPolish(m_window, 10000));
        const QString name = QStringLiteral("program-table-%1x%2.png").arg(size.width()).arg(size.height());
        // The X server confirms the new size later than the window takes it; until then a
        // picture still shows the frame of the old size.
        QTRY_COMPARE_WITH_TIMEOUT(picture(name).size(), size * m_window->effectiveDevicePixelRatio(), 10000);
        const auto rows = table->property("contentItem").value<QQuickItem *>()->childItems();
        int fuelShown = 0;
        for (QQuickItem *row : rows) {
            // Rows only (the drag handle may sit beside them).
            if (!row->isVisible() || !row->property("planRow").isValid())
                continue;
            for (const char *cell :
                 {"headingCell", "distanceCell", "altitudeCell", "speedCell", "timeCell", "fuelCell", "airwayCell"}) {
                auto *field = row->findChild<QQuickItem *>(QLatin1String(cell));
                QVERIFY2(field, cell);
                if (!field->isVisible())
                    continue;
                // The text ends inside its cell, before the next cell begins.
                for (QQuickItem *child : field->childItems()) {
                    if (child->inherits("QQuickText"))
                        QVERIFY2(child->x() + child->implicitWidth() <= field->width(),
                                 qPrintable(name + QLatin1Char(' ') + QLatin1String(cell) + QLatin1Char(' ')
                                            + child->property("text").toString()));
                }
                if (qstrcmp(cell, "fuelCell") == 0)
                    ++fuelShown;
            }
            // The procedure's name ends inside the row too.
            auto *procedure = row->findChild<QQuickItem *>(QStringLiteral("procedureButton"));
            QVERIFY(procedure);
            if (procedure->isVisible())
                QVERIFY2(procedure->mapToItem(row, QPointF(procedure->implicitWidth(), 0)).x() <= row->width(),
                         qPrintable(name));
        }
        QVERIFY2(fuelShown > 0, qPrintable(name));
        // A hovered row's buttons stand clear of its airway and procedure; a runway button ends
        // before the heading column.
        // The row hovered lies whole in the table's sight: the view keeps rows made beyond it,
        // under no pointer the pilot can bring.
        QQuickItem *hovered = nullptr;
        for (QQuickItem *row : rows) {
            auto *airway = row->findChild<QQuickItem *>(QStringLiteral("airwayCell"));
            const QRectF inTable = row->mapRectToItem(table, QRectF(0, 0, row->width(), row->height()));
            if (row->isVisible() && row->property("planRow").isValid() && airway && airway->isVisible()
                && inTable.top() >= 0 && inTable.bottom() <= table->height())
                hovered = row;
            auto *runway = row->findChild<QQuickItem *>(QStringLiteral("runwayButton"));
            if (row->isVisible() && runway && runway->isVisible()) {
                const qreal heading = row->findChild<QQuickItem *>(QStringLiteral("headingCell"))->parentItem()->x();
                QVERIFY2(runway->width() >= runway->implicitWidth()
                             && runway->mapToItem(row, QPointF(runway->width(), 0)).x() <= heading,
                         qPrintable(name + QLatin1Char(' ') + runway->property("text").toString()));
            }
        }
        QVERIFY(hovered);
        QTest::mouseMove(m_window, hovered->mapToScene(QPointF(hovered->width() / 2, 20)).toPoint());
        auto *rowButtons = hovered->findChild<QQuickItem *>(QStringLiteral("rowButtons"));
        QTRY_VERIFY2_WITH_TIMEOUT(rowButtons->isVisible(), qPrintable(name), 10000);
        // Their columns, as wide as their widest values.
        for (const char *taken : {"airwayCell", "procedureButton"}) {
            QQuickItem *column = hovered->findChild<QQuickItem *>(QLatin1String(taken))->parentItem();
            QVERIFY2(column->mapToItem(hovered, QPointF(column->width(), 0)).x() <= rowButtons->x(),
                     qPrintable(name + QLatin1Char(' ') + QLatin1String(taken)));
        }
        picture(QStringLiteral("program-table-hovered-%1x%2.png").arg(size.width()).arg(size.height()));
        QTest::mouseMove(m_window, QPoint(size.width() / 4, 200));
        // The plan's totals beside the tabs.
        for (const char *total : {"distanceLabel", "durationLabel"})
            QVERIFY2(panel->findChild<QQuickItem *>(QLatin1String(total))->isVisible(), total);
        auto *toolBar = m_window->findChild<QQuickItem *>(QStringLiteral("toolBar"));
        QVERIFY(toolBar);
        // The table and side-panel toggles in sight as the bar comes.
        for (const char *toggle : {"flightplanTableToggle", "sidePanelToggle"}) {
            auto *button = toolBar->findChild<QQuickItem *>(QLatin1String(toggle));
            QVERIFY2(button->mapToScene(QPointF(button->width(), 0)).x() <= size.width(), toggle);
        }
        QQuickItem *last = nullptr;
        for (QQuickItem *item : toolBar->findChildren<QQuickItem *>()) {
            if (item->isVisible() && item->inherits("QQuickAbstractButton")
                && (!last
                    || item->mapToScene(QPointF(item->width(), 0)).x()
                           > last->mapToScene(QPointF(last->width(), 0)).x()))
                last = item;
        }
        QVERIFY(last);
        // Scrolled to its end when the bar is narrower than the row.
        QObject *scroll = toolBar->findChild<QObject *>(QStringLiteral("toolScroll"));
        QVERIFY(scroll);
        scroll->setProperty("position", 1.0 - scroll->property("size").toDouble());
        QTest::qWait(50);
        QVERIFY2(last->mapToScene(QPointF(last->width(), 0)).x() <= size.width() + 1, qPrintable(name));
        if (size.width() < 1100)
            picture(QStringLiteral("program-toolbar-%1-end.png").arg(size.width()));
        scroll->setProperty("position", 0.0);
    }
}

// The first save in a home without a documents folder: the save dialog starts in that folder,
// made for it, says Save, proposes the plan's name, keeps the typed name while the pilot looks
// into another folder, and the file is written at once. The plan's long route shows in the
// briefing in lines filled up to 80 characters.
void ProgramWindow::firstSaveOnFreshHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(documents.startsWith(QDir::homePath()));
    QVERIFY(!QFileInfo::exists(documents));
    QObject *document = context("document");
    QVERIFY(QMetaObject::invokeMethod(document, "niew"));
    QObject *plan = context("flightplan");
    bool added = false;
    QMetaObject::invokeMethod(plan, "append", Q_RETURN_ARG(bool, added), Q_ARG(QString, QStringLiteral("XRTA")),
                              Q_ARG(bool, true));
    QVERIFY(added && !document->property("saved").toBool() && !document->property("named").toBool());
    // A route of 107 characters, two legs of it on airways, which the briefing prints as two
    // lines filled with whole words: 76 characters and the next word of 5 would make 82.
    for (const char *code : {"ALDAX", "BERIM", "COLTA", "LOWAA", "DUNOP", "LOWAB", "EPMAR", "FOXIN", "GRENA"}) {
        QMetaObject::invokeMethod(plan, "append", Q_RETURN_ARG(bool, added),
                                  Q_ARG(QString, QStringLiteral("XR/ENRT/") + QLatin1String(code)), Q_ARG(bool, true));
        QVERIFY2(added, code);
    }
    QMetaObject::invokeMethod(plan, "append", Q_RETURN_ARG(bool, added), Q_ARG(QString, QStringLiteral("XRTB")),
                              Q_ARG(bool, true));
    auto *panel = m_window->findChild<QQuickItem *>(QStringLiteral("flightplanPanel"));
    QVERIFY(added && panel);
    auto *tabBar = panel->findChild<QQuickItem *>(QStringLiteral("tabBar"));
    auto *briefing = panel->findChild<QQuickItem *>(QStringLiteral("briefingText"));
    QVERIFY(tabBar && briefing);
    tabBar->setProperty("currentIndex", 3);
    QTRY_VERIFY(briefing->isVisible());
    const QStringList ofp = briefing->property("text").toString().split(u'\n');
    const qsizetype route = ofp.indexOf(QStringLiteral("ROUTE")) + 1;
    QCOMPARE(ofp.mid(route, 3),
             QStringList({"XRTA DCT ALDAX DCT BERIM UL200 COLTA DCT LOWAA DCT DUNOP DCT LOWAB DCT EPMAR",
                          "UL100 FOXIN DCT GRENA DCT XRTB", ""}));
    tabBar->setProperty("currentIndex", 0);
    QObject *fileManager = m_window->findChild<QObject *>(QStringLiteral("fileManager"));
    QVERIFY(QMetaObject::invokeMethod(fileManager, "saveDoc"));
    QFileDialog *dialog = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((dialog = shownFileDialog()) != nullptr, 5000);
    QVERIFY(QFileInfo(documents).isDir());
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(documents).canonicalPath());
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QPushButton *accept = buttons->button(QDialogButtonBox::Save);
    QVERIFY(accept);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    // Proposed at the first opening already.
    QCOMPARE(name->text(), QStringLiteral("XRTAXRTB.fpxml"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("first flight"));
    QVERIFY(accept->isEnabled());
    dialog->setDirectory(QDir::homePath());
    QCoreApplication::processEvents();
    QCOMPARE(name->text(), QStringLiteral("first flight"));
    dialog->setDirectory(documents);
    QCoreApplication::processEvents();
    QCOMPARE(name->text(), QStringLiteral("first flight"));
    dialog->grab().save(QDir(qEnvironmentVariable("WAYLORE_SCREENSHOT_DIR", QDir::tempPath()))
                            .filePath(QStringLiteral("program-first-save.png")));
    QTest::mouseClick(accept, Qt::LeftButton);
    QTRY_VERIFY(!dialog->isVisible());
    const QString saved = QDir(documents).filePath(QStringLiteral("first flight.fpxml"));
    QTRY_VERIFY2(QFileInfo::exists(saved), qPrintable(QDir(documents).entryList(QDir::Files).join(u',')
                                                      + QLatin1Char('|') + document->property("name").toString()));
    QVERIFY(document->property("saved").toBool());
    QCOMPARE(document->property("name").toString(), QStringLiteral("first flight.fpxml"));
    // The next dialogs start where this one ended (the store is written a moment later).
    QTRY_COMPARE(QDir(QSettings().value(QStringLiteral("document/lastFolder")).toString()).canonicalPath(),
                 QDir(documents).canonicalPath());
    QObject *error = fileManager->property("saveErrorDialog").value<QObject *>();
    QVERIFY(error && !error->property("visible").toBool());
}

// A long page in the information panel scrolls under the wheel and by its bar while the point
// panel above it is open, at the smallest window and at a large one.
void ProgramWindow::informationScrolls()
{
    auto *info = m_window->findChild<QQuickItem *>(QStringLiteral("infoPanel"));
    auto *points = m_window->findChild<QQuickItem *>(QStringLiteral("pointPanel"));
    QVERIFY(info && points);
    QVERIFY(points->property("expanded").toBool() && info->property("expanded").toBool());
    QObject *infoManager = context("infoManager");
    // The airport's page: sections of runways, procedures and more, taller than the panel.
    auto *text = info->findChild<QQuickItem *>(QStringLiteral("infoText"));
    auto *bar = info->findChild<QQuickItem *>(QStringLiteral("verticalBar"));
    QVERIFY(text && bar);
    for (const QSize &size : {QSize(1020, 730), QSize(1600, 1000)}) {
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        QVERIFY(QMetaObject::invokeMethod(infoManager, "linkTo", Q_ARG(QString, QStringLiteral("POINT>XRTA"))));
        QTest::qWait(300);
        QTRY_VERIFY(bar->property("size").toDouble() < 0.9);
        bar->setProperty("position", 0.0);
        QTest::qWait(50);
        const QPointF middle = text->parentItem()->mapToScene(QPointF(40, 40));
        QWheelEvent wheel(middle, m_window->mapToGlobal(middle), QPoint(), QPoint(0, -240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // The view reads the turn's speed from the time since the last one.
        wheel.setTimestamp(++m_wheelTurns * 1000);
        QCoreApplication::sendEvent(m_window, &wheel);
        // The view glides to its new place over a few frames.
        QTRY_VERIFY2(bar->property("position").toDouble() > 0.0, qPrintable(QString::number(size.width())));
        QTRY_COMPARE_WITH_TIMEOUT(picture(QStringLiteral("program-information-%1.png").arg(size.width())).size(),
                                  size * m_window->effectiveDevicePixelRatio(), 10000);
    }
}

// Connected to the stand-in simulator, whose airplane flies east past the beacons XRC and XRN,
// far from where the map was: the map follows it, and while it goes on following (a report five
// times a second, each gliding the map) the point layer draws the beacons at their places.
void ProgramWindow::followAirplane()
{
    QQuickItem *map = m_overlay->parentItem();
    auto *points = m_overlay->findChild<QQuickItem *>(QStringLiteral("pointLayer"));
    QVERIFY(points);
    auto *model = qobject_cast<QAbstractItemModel *>(points->property("model").value<QObject *>());
    QVERIFY(model);
    const int codeRole = model->roleNames().key("role_code");
    const auto listed = [&](const char *code) {
        return !model->match(model->index(0, 0), codeRole, QString::fromLatin1(code), 1, Qt::MatchExactly).isEmpty();
    };
    map->setProperty("zoomLevel", 8.0);
    map->setProperty("center", QVariant::fromValue(QGeoCoordinate(-20.0, 40.0)));
    QTRY_VERIFY(!listed("XRC") && !listed("XRN"));

    QProcess simulator;
    QByteArray said;
    const quint16 port = startSimulator(simulator, said, QStringLiteral("--lat -19.95 --lon 65.0 --course 90"));
    QVERIFY2(port, said.constData());
    Settings::setString(QStringLiteral("tracking/xpPort"), QString::number(port));
    QObject *link = context("xpconnect");
    QVERIFY(QMetaObject::invokeMethod(link, "connect"));
    QTRY_COMPARE_WITH_TIMEOUT(link->property("state").toInt(), 2, 10000);

    // The map glides there from afar, then follows it.
    const auto offTrack = [&] {
        return map->property("center").value<QGeoCoordinate>().distanceTo(
            link->property("position").value<QGeoCoordinate>());
    };
    QTRY_VERIFY_WITH_TIMEOUT(offTrack() < 1000, 10000);
    const auto drawnAt = [&](double latitude, double longitude) {
        const QPointF at = points->mapFromScene(place(latitude, longitude) / m_window->effectiveDevicePixelRatio());
        int row = -1;
        QMetaObject::invokeMethod(points, "rowAt", Q_RETURN_ARG(int, row), Q_ARG(QPointF, at));
        return row < 0 ? QString() : model->index(row, 0).data(codeRole).toString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(drawnAt(-19.9, 65.6), QStringLiteral("XRN"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(drawnAt(-20.0, 64.6), QStringLiteral("XRC"), 10000);
    QVERIFY2(offTrack() < 1000, "the map went on following");
    picture(QStringLiteral("program-following.png"));
    QVERIFY(QMetaObject::invokeMethod(link, "disconnect"));
    simulator.terminate();
    QVERIFY(simulator.waitForFinished());
}

quint16 ProgramWindow::startSimulator(QProcess &simulator, QByteArray &said, const QString &arguments)
{
    simulator.start(QStringLiteral(WAYLORE_FAKEXPLANE),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0")} + arguments.split(QLatin1Char(' ')));
    if (!simulator.waitForStarted())
        return 0;
    const QRegularExpression listening(QStringLiteral("Listening on 127.0.0.1:(\\d+)"));
    QRegularExpressionMatch match;
    const bool listens = QTest::qWaitFor(
        [&] {
            said += simulator.readAllStandardOutput();
            match = listening.match(QString::fromUtf8(said));
            return match.hasMatch();
        },
        10000);
    return listens ? quint16(match.captured(1).toUInt()) : 0;
}

void ProgramWindow::quitWhileShowing_data()
{
    QTest::addColumn<QString>("shown");
    QTest::newRow("tool tip, Ctrl+Q") << QStringLiteral("tip");
    QTest::newRow("tool tip, window closed") << QStringLiteral("tip close");
    QTest::newRow("database dialog, Ctrl+Q") << QStringLiteral("dialog");
}

// It ends with status 0, and X-Plane was told to stop sending each of the eight values.
void ProgramWindow::quitWhileShowing()
{
    QFETCH(QString, shown);
    QProcess simulator;
    QByteArray said;
    const quint16 port = startSimulator(simulator, said, QStringLiteral("--lat -20 --lon 63 --course 90"));
    QVERIFY2(port, said.constData());
    QProcess program;
    program.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--quit-child"), shown, QString::number(port)});
    QVERIFY2(program.waitForFinished(60000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT((said += simulator.readAllStandardOutput()).count(" cancelled "), 8, 10000);
    simulator.terminate();
    QVERIFY(simulator.waitForFinished());
}

namespace {

// The program of quitWhileShowing(), on the test's store and database: connected to the stand-in
// at the port, the pointer resting on the simulator button until its tip shows, or the database
// dialog open; then quit as the pilot quits.
int quitChild(QApplication &app, const QString &shown, const QString &port)
{
    QStandardPaths::setTestModeEnabled(true);
    Shell shell;
    if (!shell.start() || !shell.loadInterface(QUrl(QStringLiteral("qrc:/qt/qml/Waylore/Ui/app/DesktopWindow.qml"))))
        return 3;
    auto *window = qobject_cast<QQuickWindow *>(shell.engine()->rootObjects().value(0));
    Settings::setString(QStringLiteral("tracking/xpPort"), port);
    QObject *link = shell.engine()->rootContext()->contextProperty(QStringLiteral("xpconnect")).value<QObject *>();
    QMetaObject::invokeMethod(link, "connect");
    auto *button = window->findChild<QQuickItem *>(QStringLiteral("simulatorButton"));
    QObject *popup = window->findChild<QObject *>(QStringLiteral("databaseDialog"));
    if (shown.startsWith(QLatin1String("tip"))) {
        for (QObject *child : button->children())
            popup = child->inherits("QQuickToolTip") ? child : popup;
        const QPoint centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint();
        QTest::mouseMove(window, centre + QPoint(0, 200));
        QTest::mouseMove(window, centre);
    } else {
        QMetaObject::invokeMethod(popup, "open");
    }
    if (!QTest::qWaitFor(
            [&] { return link->property("state").toInt() == 2 && popup && popup->property("opened").toBool(); }, 10000))
        return 4;
    // Once the event loop runs: a quit asked before it would not end it.
    QTimer::singleShot(0, window, [&] {
        if (shown.endsWith(QLatin1String("close")))
            window->close();
        else
            QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    });
    shell.exitNow(app.exec());
}

} // namespace

int main(int argc, char **argv)
{
    Shell::nameApplication();
    // A home of its own, as a new pilot's: no documents folder yet; the quit child keeps its parent's.
    const bool quitting = argc == 4 && qstrcmp(argv[1], "--quit-child") == 0;
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    if (!quitting)
        qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    // As the program does before it reads its settings (the map's stored centre).
    qRegisterMetaType<QGeoCoordinate>();
    if (quitting)
        return quitChild(app, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    ProgramWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "pixels_program.moc"
